#include "graphing/screens/files/graph_file_commands.h"

#include "graphing/screens/files/graph_summary.h"

namespace zentrix::graphing::screens {

GraphFileCommands::GraphFileCommands(GraphFileServices services, GraphDocuments documents)
    : services_(std::move(services)), documents_(documents), data_(services_.data_folder) {
  flows_[Index(Dimension::k2D)] = MakeFlow(Dimension::k2D);
  flows_[Index(Dimension::k3D)] = MakeFlow(Dimension::k3D);
}

std::unique_ptr<ui::DocumentFiles> GraphFileCommands::MakeFlow(Dimension dimension) {
  const bool two_d = dimension == Dimension::k2D;
  ui::DocumentHooks hooks;
  hooks.save = [this, dimension](const std::filesystem::path& path) {
    return Write(dimension, path);
  };
  hooks.open = [this, dimension](const std::filesystem::path& path) {
    return OpenFile(dimension, path);
  };
  hooks.summary = two_d ? ReadGraph2DSummary : ReadGraph3DSummary;
  hooks.notify = [this](const std::u16string& text) {
    Tell(damaged_ ? std::u16string(kDamaged) : text);
    damaged_ = false;
  };
  auto flow = std::make_unique<ui::DocumentFiles>(
      ui::DocumentFolder(kGraphFolder, two_d ? kGraph2DExtension : kGraph3DExtension), data_,
      std::move(hooks), ui::DocumentTexts{kCannotOpen, kCannotSave},
      ui::DocumentFiles::Dismiss::kKeep);
  flow->List().SetCountWords(u"Graph", u"Graphs");
  return flow;
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
    Flow(dimension).Forget();
    Changed(dimension);
  });
}

void GraphFileCommands::Open(Dimension dimension, const draw::Rect& area) {
  last_ = dimension;
  Flow(dimension).ShowOpen(area);
}

void GraphFileCommands::Save(Dimension dimension, const draw::Rect& area) {
  last_ = dimension;
  Flow(dimension).Save(area);
}

void GraphFileCommands::SaveAs(Dimension dimension, const draw::Rect& area) {
  last_ = dimension;
  Flow(dimension).ShowSaveAs(area);
}

ui::OpenOutcome GraphFileCommands::OpenFile(Dimension dimension,
                                            const std::filesystem::path& path) {
  switch (Read(dimension, path)) {
    case files::LoadStatus::kLoaded: Changed(dimension); return ui::OpenOutcome::kOpened;
    case files::LoadStatus::kDamaged:
      damaged_ = true;
      Changed(dimension);
      return ui::OpenOutcome::kPartial;
    case files::LoadStatus::kCannotOpen:
    case files::LoadStatus::kRejected: break;
  }
  return ui::OpenOutcome::kUntouched;
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
    if (!Write(d, DefaultFile(d))) {
      Tell(kCannotSave);
      all_written = false;
    }
  }
  return all_written;
}

// Reading and writing.

bool GraphFileCommands::Write(Dimension dimension, const std::filesystem::path& path) {
  std::error_code error;
  std::filesystem::create_directories(path.parent_path(), error);
  return dimension == Dimension::k2D
             ? files::SaveGraphSet2D(path, documents_.graphs2d, documents_.data_table)
             : files::SaveGraphSet3D(path, documents_.graphs3d);
}

files::LoadStatus GraphFileCommands::Read(Dimension dimension, const std::filesystem::path& path) {
  return dimension == Dimension::k2D
             ? files::LoadGraphSet2D(path, documents_.graphs2d, documents_.data_table)
             : files::LoadGraphSet3D(path, documents_.graphs3d);
}

void GraphFileCommands::Tell(const std::u16string& notice) {
  if (services_.show_message) services_.show_message(notice, false, {});
}

void GraphFileCommands::Changed(Dimension dimension) {
  if (services_.on_set_changed) services_.on_set_changed(dimension);
}

// The dialogs.

ui::DocumentFiles* GraphFileCommands::ShownFlow() {
  for (auto& flow : flows_) {
    if (flow->Shown()) return flow.get();
  }
  return nullptr;
}

void GraphFileCommands::DrawDialogs(draw::Surface& surface) {
  if (ui::DocumentFiles* flow = ShownFlow()) flow->Draw(surface);
}

bool GraphFileCommands::StylusDown(ui::Point p) {
  ui::DocumentFiles* flow = ShownFlow();
  return flow && flow->StylusDown(p);
}

bool GraphFileCommands::StylusMove(ui::Point p) {
  ui::DocumentFiles* flow = ShownFlow();
  return flow && flow->StylusMove(p);
}

bool GraphFileCommands::StylusUp(ui::Point p) {
  ui::DocumentFiles* flow = ShownFlow();
  return flow && flow->StylusUp(p);
}

bool GraphFileCommands::Wheel(ui::Point p, int steps) {
  ui::DocumentFiles* flow = ShownFlow();
  return flow && flow->Wheel(p, steps);
}

void GraphFileCommands::DescribeDialogs(ui::WidgetList& out) const {
  for (const auto& flow : flows_) {
    if (flow->Shown()) flow->Describe(out);
  }
}

}  // namespace zentrix::graphing::screens
