#include "graphing/screens/files/graph_file_commands.h"

namespace zentrix::graphing::screens {

GraphFileCommands::GraphFileCommands(GraphFileServices services, GraphDocuments documents)
    : services_(std::move(services)),
      documents_(documents),
      folders_{GraphFolder(services_.data_folder, kGraph2DExtension),
               GraphFolder(services_.data_folder, kGraph3DExtension)} {
  file_list_.SetCountWords(u"Graph", u"Graphs");
  file_list_.SetOnClose([this](int index) { OpenChosen(pending_, index); });
  save_dialog_.SetExists(
      [this](const std::u16string& name) { return Folder(pending_).Exists(name); });
  save_dialog_.SetOnAccept([this](const std::u16string& name) {
    if (Write(pending_, FileFor(pending_, name))) names_[Index(pending_)] = name;
  });
}

std::vector<ui::MenuItem> GraphFileCommands::FileMenu(Dimension dimension) {
  const bool two_d = dimension == Dimension::k2D;
  return {{u"New", ui::MenuCommand::kNew},
          {u"Open", ui::MenuCommand::kOpen},
          {two_d ? u"Save 2D" : u"Save 3D", ui::MenuCommand::kSave},
          {two_d ? u"Save 2D As..." : u"Save 3D As...", ui::MenuCommand::kSaveAs},
          {u"Exit", ui::MenuCommand::kExit}};
}

bool GraphFileCommands::OnMenuCommand(Dimension dimension, ui::MenuCommand command,
                                      const draw::Rect& area) {
  switch (command) {
    case ui::MenuCommand::kNew: New(dimension); return true;
    case ui::MenuCommand::kOpen: Open(dimension, area); return true;
    case ui::MenuCommand::kSave: Save(dimension, area); return true;
    case ui::MenuCommand::kSaveAs: SaveAs(dimension, area); return true;
    default: return false;
  }
}

// The menu commands.

void GraphFileCommands::New(Dimension dimension) {
  if (!services_.show_message) return;
  const char16_t* question = dimension == Dimension::k2D ? kNew2DQuestion : kNew3DQuestion;
  services_.show_message(question, true, [this, dimension](bool yes) {
    if (!yes) return;
    if (dimension == Dimension::k2D) {
      documents_.graphs2d.Clear();
    } else {
      documents_.graphs3d.Clear();
    }
    names_[Index(dimension)].clear();
    Changed(dimension);
  });
}

void GraphFileCommands::Open(Dimension dimension, const draw::Rect& area) {
  pending_ = dimension;
  listed_ = Folder(dimension).List();
  std::vector<ui::FileListItem> items;
  items.reserve(listed_.size());
  for (const GraphFileEntry& entry : listed_) items.push_back(entry.item);
  file_list_.Show(std::move(items), area);
}

void GraphFileCommands::Save(Dimension dimension, const draw::Rect& area) {
  const std::u16string& name = names_[Index(dimension)];
  if (name.empty()) {
    SaveAs(dimension, area);
    return;
  }
  Write(dimension, FileFor(dimension, name));
}

void GraphFileCommands::SaveAs(Dimension dimension, const draw::Rect& area) {
  pending_ = dimension;
  save_dialog_.Show(area);
}

void GraphFileCommands::OpenChosen(Dimension dimension, int index) {
  // Closing the list without a choice leaves the set as it is.
  if (index < 0 || index >= static_cast<int>(listed_.size())) return;
  const GraphFileEntry entry = listed_[static_cast<std::size_t>(index)];
  switch (Read(dimension, entry.path)) {
    case files::LoadStatus::kLoaded: break;
    case files::LoadStatus::kDamaged: Tell(kDamaged); break;
    case files::LoadStatus::kCannotOpen:
    case files::LoadStatus::kRejected: Tell(kCannotOpen); return;
  }
  names_[Index(dimension)] = entry.item.name;
  Changed(dimension);
}

// The default files.

std::filesystem::path GraphFileCommands::DefaultFile(Dimension dimension) const {
  return services_.data_folder /
         (dimension == Dimension::k2D ? kDefaultGraph2DFile : kDefaultGraph3DFile);
}

void GraphFileCommands::LoadDefaultOnce(Dimension dimension) {
  if (loaded_[Index(dimension)]) return;
  loaded_[Index(dimension)] = true;
  // A missing default file is a first run; one of another version is left alone.
  switch (Read(dimension, DefaultFile(dimension))) {
    case files::LoadStatus::kLoaded: break;
    case files::LoadStatus::kDamaged: Tell(kDamaged); break;
    case files::LoadStatus::kCannotOpen:
    case files::LoadStatus::kRejected: return;
  }
  Changed(dimension);
}

bool GraphFileCommands::WriteBackDefaults() {
  bool all_written = true;
  for (Dimension d : {Dimension::k2D, Dimension::k3D}) {
    if (!loaded_[Index(d)]) continue;
    if (!Write(d, DefaultFile(d))) all_written = false;
  }
  return all_written;
}

// Reading and writing.

bool GraphFileCommands::Write(Dimension dimension, const std::filesystem::path& path) {
  std::error_code error;
  std::filesystem::create_directories(path.parent_path(), error);
  const bool written = dimension == Dimension::k2D
                           ? files::SaveGraphSet2D(path, documents_.graphs2d, documents_.data_table)
                           : files::SaveGraphSet3D(path, documents_.graphs3d);
  if (!written) Tell(kCannotSave);
  return written;
}

files::LoadStatus GraphFileCommands::Read(Dimension dimension, const std::filesystem::path& path) {
  return dimension == Dimension::k2D
             ? files::LoadGraphSet2D(path, documents_.graphs2d, documents_.data_table)
             : files::LoadGraphSet3D(path, documents_.graphs3d);
}

void GraphFileCommands::Tell(const char16_t* notice) {
  if (services_.show_message) services_.show_message(notice, false, {});
}

void GraphFileCommands::Changed(Dimension dimension) {
  if (services_.on_set_changed) services_.on_set_changed(dimension);
}

// The dialogs.

void GraphFileCommands::DrawDialogs(draw::Surface& surface) {
  if (file_list_.Shown()) file_list_.Draw(surface);
  if (save_dialog_.Shown()) save_dialog_.Draw(surface);
}

bool GraphFileCommands::StylusDown(ui::Point p) {
  if (file_list_.Shown()) return file_list_.StylusDown(p);
  if (save_dialog_.Shown()) return save_dialog_.StylusDown(p), true;
  return false;
}

bool GraphFileCommands::StylusMove(ui::Point p) {
  if (file_list_.Shown()) return file_list_.StylusMove(p);
  if (save_dialog_.Shown()) return save_dialog_.StylusMove(p), true;
  return false;
}

bool GraphFileCommands::StylusUp(ui::Point p) {
  if (file_list_.Shown()) return file_list_.StylusUp(p);
  if (save_dialog_.Shown()) return save_dialog_.StylusUp(p), true;
  return false;
}

bool GraphFileCommands::Wheel(ui::Point p, int steps) {
  return file_list_.Shown() && file_list_.Wheel(p, steps);
}

void GraphFileCommands::DescribeDialogs(ui::WidgetList& out) const {
  if (file_list_.Shown()) file_list_.Describe(out);
  if (save_dialog_.Shown()) save_dialog_.Describe(out);
}

}  // namespace zentrix::graphing::screens
