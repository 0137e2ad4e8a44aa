#include "ui/widgets/main_menu.h"

#include "ui/widgets/widget_draw.h"

namespace zentrix::ui {
namespace {

constexpr std::u16string_view kElementNames[MainMenu::kElementCount] = {
    u"File", u"Edit", u"keyboard", u"", u"tutorials", u""};

}  // namespace

MainMenu::MainMenu() {
  const bool large = Ui().high_resolution;
  Place(large ? 480 : 240, large ? 640 : 320);
  RefreshMenu();
}

void MainMenu::Place(int screen_width, int screen_height) {
  SetBounds(0, screen_height - Px(kMenuBarHeight), screen_width, Px(kMenuBarHeight));
}

ScreenMenu MainMenu::CurrentMenu() const {
  return screen_ ? screen_->Menu() : StandardMenu(MenuKind::kOther);
}

void MainMenu::SetScreen(const Screen* screen) {
  screen_ = screen;
  open_ = -1;
  RefreshMenu();
}

void MainMenu::RefreshMenu() { menu_ = CurrentMenu(); }

bool MainMenu::Choose(std::u16string_view path) {
  RefreshMenu();
  const std::size_t slash = path.find(u'/');
  if (slash == std::u16string_view::npos) {
    if (menu_.action.empty() || StripMarkup(menu_.action) != path) return false;
    Run(MenuCommand::kAction);
    return true;
  }
  const MenuCommand command = Find(path.substr(0, slash), path.substr(slash + 1));
  if (command == MenuCommand::kNone) return false;
  Run(command);
  return true;
}

draw::Rect MainMenu::ElementRect(int element) const {
  const BarElement& e = kMainMenuElements[static_cast<std::size_t>(element)];
  return draw::Rect::FromSize(x_ + Px(e.x), y_, Px(e.width), height_);
}

const std::vector<MenuItem>& MainMenu::OpenItems() const {
  return open_ == kEdit ? menu_.edit : menu_.file;
}

int MainMenu::ListWidth() const {
  const TextRenderer* font = CurrentFont();
  int widest = Px(60);
  if (font) {
    for (const MenuItem& item : OpenItems()) widest = std::max(widest, font->TextWidth(item.text));
  }
  return widest + Px(16);
}

draw::Rect MainMenu::ItemRect(int index) const {
  const TextRenderer* font = CurrentFont();
  const int h = (font ? font->LineHeight() : Px(12)) + Px(6);
  const int count = static_cast<int>(OpenItems().size());
  const int left = ElementRect(open_ < 0 ? kFile : open_).left;
  return draw::Rect::FromSize(left, y_ - (count - index) * h, ListWidth(), h);
}

int MainMenu::ItemAt(Point p) const {
  if (open_ < 0) return -1;
  for (int i = 0; i < static_cast<int>(OpenItems().size()); ++i) {
    if (ItemRect(i).Contains(p.x, p.y)) return i;
  }
  return -1;
}

int MainMenu::ElementAt(Point p) const {
  if (!Contains(p)) return -1;
  for (int i = 0; i < kElementCount; ++i) {
    if (ElementRect(i).Contains(p.x, p.y)) return i;
  }
  return -1;
}

void MainMenu::Run(MenuCommand command) {
  if (command != MenuCommand::kNone && on_command_) on_command_(command);
}

MenuCommand MainMenu::Find(std::u16string_view menu, std::u16string_view item) const {
  const ScreenMenu& m = menu_;
  const std::vector<MenuItem>* items = menu == u"File"   ? &m.file
                                       : menu == u"Edit" ? &m.edit
                                                         : nullptr;
  if (!items) return MenuCommand::kNone;
  for (const MenuItem& entry : *items) {
    if (StripMarkup(entry.text) == item) return entry.command;
  }
  return MenuCommand::kNone;
}

bool MainMenu::StylusDown(Point p) {
  if (open_ >= 0) {
    const UiState& ui = Ui();
    if (ui.tutorial.active && !ui.tutorial.allowed.Contains(p.x, p.y)) return false;
    hover_item_ = ItemAt(p);
    list_tap_ = true;
    return true;
  }
  if (!InputAllowed(p)) return false;
  const int element = ElementAt(p);
  if (element < 0) return false;
  pressed_ = true;
  pressed_element_ = element;
  return true;
}

bool MainMenu::StylusMove(Point p) {
  if (open_ >= 0) hover_item_ = ItemAt(p);
  return true;
}

bool MainMenu::StylusUp(Point p) {
  if (list_tap_) {
    list_tap_ = false;
    const int item = ItemAt(p);
    const bool chosen = item >= 0 && item == hover_item_;
    const MenuCommand command =
        chosen ? OpenItems()[static_cast<std::size_t>(item)].command : MenuCommand::kNone;
    open_ = -1;
    hover_item_ = -1;
    Run(command);
    return true;
  }
  if (!pressed_) return false;
  pressed_ = false;
  const int element = pressed_element_;
  pressed_element_ = -1;
  if (!InputAllowed(p) || ElementAt(p) != element) return true;
  switch (element) {
    case kFile:
    case kEdit:
      RefreshMenu();
      open_ = element;
      break;
    case kKeyboard: Run(MenuCommand::kToggleKeyboard); break;
    case kAction:
      if (!menu_.action.empty()) Run(MenuCommand::kAction);
      break;
    case kTutorials: Run(MenuCommand::kTutorials); break;
    default: break;
  }
  return true;
}

void MainMenu::Draw(draw::Surface& surface) {
  if (!visible_) return;
  const Skin* skin = CurrentSkin();
  TextRenderer* font = CurrentFont();
  if (skin) skin->DrawFrameCut(surface, SkinImageId::kMainMenu, 0, x_, y_, width_);
  const int highlighted = open_ >= 0 ? open_ : pressed_element_;
  if (skin && highlighted >= 0 && skin->Image(SkinImageId::kMainMenuCircuits)) {
    const draw::Rect r = ElementRect(highlighted);
    const draw::Rect source = draw::Rect::FromSize(r.left - x_, 0, r.Width(), height_);
    surface.Blit(r.left, r.top, *skin->Image(SkinImageId::kMainMenuCircuits), &source,
                 draw::blit_flags::kColorKey);
  }
  const ScreenMenu& menu = menu_;
  if (font) {
    DrawCentredText(surface, *font, u"File", ElementRect(kFile));
    DrawCentredText(surface, *font, u"Edit", ElementRect(kEdit));
    DrawCentredText(surface, *font, menu.action, ElementRect(kAction));
    DrawCentredText(surface, *font, u"?", ElementRect(kTutorials));
  }
  if (skin && skin->Image(SkinImageId::kKeyboardIcon)) {
    const draw::Rect r = ElementRect(kKeyboard);
    skin->DrawFrame(surface, SkinImageId::kKeyboardIcon, 0,
                    r.left + (r.Width() - skin->FrameWidth(SkinImageId::kKeyboardIcon)) / 2,
                    r.top + (r.Height() - skin->FrameHeight(SkinImageId::kKeyboardIcon)) / 2);
  }
  if (open_ < 0) return;
  const draw::Color fill = skin ? skin->Palette().background : 0;
  const draw::Color line = skin ? skin->Palette().grid_line : 0x7D7D7D;
  const draw::Color highlight = skin ? skin->Palette().highlight : 0x7D7D7D;
  const std::vector<MenuItem>& items = OpenItems();
  for (int i = 0; i < static_cast<int>(items.size()); ++i) {
    const draw::Rect r = ItemRect(i);
    surface.FillRect(&r, i == hover_item_ ? highlight : fill);
    if (font) {
      font->SetTarget(&surface);
      font->DrawPlain(items[static_cast<std::size_t>(i)].text, r.left + Px(6),
                      r.top + (r.Height() - font->LineHeight()) / 2);
      font->SetTarget(nullptr);
    }
  }
  if (!items.empty()) {
    const draw::Rect top = ItemRect(0);
    const draw::Rect bottom = ItemRect(static_cast<int>(items.size()) - 1);
    DrawFrameRect(surface, draw::Rect{top.left, top.top, bottom.right, bottom.bottom}, line);
  }
}

void MainMenu::Describe(WidgetList& out) const {
  if (!visible_) return;
  const ScreenMenu& menu = menu_;
  for (int i = 0; i < kElementCount; ++i) {
    std::u16string text(kElementNames[i]);
    if (i == kAction) text = menu.action;
    if (text.empty()) continue;
    out.push_back({"menu", text, ElementRect(i), enabled_, std::nullopt, std::nullopt});
  }
  if (open_ < 0) return;
  const std::vector<MenuItem>& items = OpenItems();
  for (int i = 0; i < static_cast<int>(items.size()); ++i) {
    out.push_back({"menu item", items[static_cast<std::size_t>(i)].text, ItemRect(i), true,
                   std::nullopt, std::nullopt});
  }
}

}  // namespace zentrix::ui
