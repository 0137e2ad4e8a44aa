#include "ui/core/menu_command.h"

namespace zentrix::ui {
namespace {

std::vector<MenuItem> FileItems(bool with_files) {
  if (!with_files) return {{u"New", MenuCommand::kNew}, {u"Exit", MenuCommand::kExit}};
  return {{u"New", MenuCommand::kNew},
          {u"Open", MenuCommand::kOpen},
          {u"Save", MenuCommand::kSave},
          {u"Save As...", MenuCommand::kSaveAs},
          {u"Exit", MenuCommand::kExit}};
}

std::vector<MenuItem> ClipboardItems() {
  return {{u"Cut", MenuCommand::kCut},
          {u"Copy", MenuCommand::kCopy},
          {u"Paste", MenuCommand::kPaste},
          {u"Clear", MenuCommand::kClear}};
}

}  // namespace

ScreenMenu StandardMenu(MenuKind kind) {
  ScreenMenu menu;
  menu.edit = ClipboardItems();
  switch (kind) {
    case MenuKind::kCalculator:
      menu.file = FileItems(true);
      menu.edit.push_back({u"Insert Entry", MenuCommand::kInsertEntry});
      menu.edit.push_back({u"Delete Entry", MenuCommand::kDeleteEntry});
      menu.action = u"Solve";
      break;
    case MenuKind::kGrapher2D:
      menu.file = FileItems(true);
      menu.edit.push_back({u"Insert Cell", MenuCommand::kInsertCell});
      menu.edit.push_back({u"Delete Cell", MenuCommand::kDeleteCell});
      menu.edit.push_back({u"Insert Row", MenuCommand::kInsertRow});
      menu.edit.push_back({u"Delete Row", MenuCommand::kDeleteRow});
      menu.action = u"Plot";
      break;
    case MenuKind::kGrapher3D:
      menu.file = FileItems(true);
      menu.action = u"Plot";
      break;
    case MenuKind::kNotes:
      menu.file = FileItems(true);
      menu.edit.push_back({u"Insert Page", MenuCommand::kInsertPage});
      menu.edit.push_back({u"Delete Page", MenuCommand::kDeletePage});
      menu.action = u"Clear";
      break;
    case MenuKind::kScreenshots:
    case MenuKind::kOther: menu.file = FileItems(false); break;
  }
  return menu;
}

}  // namespace zentrix::ui
