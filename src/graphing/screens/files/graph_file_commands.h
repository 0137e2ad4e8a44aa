#pragma once
// GraphFileCommands: the graphing screen's file menu and its default files.
//
// The file menu of each grapher: new set (after the confirmation question),
// open (the file list of the folder "Graphs", files "*.qv2" for 2D and
// "*.qv3" for 3D, each item counting "Graph"/"Graphs"), "Save 2D" /
// "Save 3D" (to the set's current file, else as Save As...) and
// "Save 2D As..." / "Save 3D As..." (the save dialog). The default files
// "Graph2D.dat" and "Graph3D.dat" in the data folder are loaded the first
// time a grapher is shown and written back when the graphing screen closes.
//
// Every write goes through a temporary file renamed into place: a failed
// write keeps the old file and says so in the message box. A damaged file
// keeps the graphs read before the damage and says so once; a file that
// cannot be read at all leaves the set as it was (reported for files the user
// chose, quiet for a missing default file).
//
// The screen owns the commands, forwards its file-menu commands, draws the
// dialogs and offers them the stylus first while one is shown, and rebuilds
// its graph list when told that a set changed.

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "graphing/files/data_table.h"
#include "graphing/files/graph_set_files.h"
#include "graphing/model/graph_set.h"
#include "graphing/screens/files/graph_folder.h"
#include "ui/core/menu_command.h"
#include "ui/core/widget.h"
#include "ui/dialogs/file_list.h"
#include "ui/dialogs/save_dialog.h"

namespace zentrix::graphing::screens {

enum class Dimension : int { k2D = 0, k3D = 1 };

inline constexpr char kDefaultGraph2DFile[] = "Graph2D.dat";
inline constexpr char kDefaultGraph3DFile[] = "Graph3D.dat";

struct GraphFileServices {
  // The folder that holds the default files and the folder "Graphs".
  std::filesystem::path data_folder;
  // Shows the program's message box: a Yes/No question, or (yes_no false) a
  // notice with OK; the answer (true for Yes or OK) goes to on_result.
  std::function<void(std::u16string text, bool yes_no, std::function<void(bool)> on_result)>
      show_message;
  // Called after a set was replaced or emptied (new, open, a default file
  // loaded), so that the screen rebuilds its list and editors.
  std::function<void(Dimension)> on_set_changed;
};

// The sets the commands read and write; they stay the screen's.
struct GraphDocuments {
  GraphSet2D& graphs2d;
  files::DataTable& data_table;
  GraphSet3D& graphs3d;
};

class GraphFileCommands {
 public:
  static constexpr char16_t kNew2DQuestion[] =
      u"Are you sure you to create a new file?\n\n[yellow]This will erase all your 2D graphs.[/]";
  static constexpr char16_t kNew3DQuestion[] =
      u"Are you sure you to create a new file?\n\n[yellow]This will erase all your 3D graphs.[/]";
  static constexpr char16_t kCannotSave[] =
      u"This graph file cannot be saved. The file that was there is kept.";
  static constexpr char16_t kCannotOpen[] = u"This graph file cannot be read.";
  static constexpr char16_t kDamaged[] =
      u"This graph file is damaged. The graphs read before the damage are kept.";

  GraphFileCommands(GraphFileServices services, GraphDocuments documents);

  // The file menu of a grapher: "New", "Open", "Save 2D" (or "Save 3D"),
  // "Save 2D As..." (or "Save 3D As..."), "Exit".
  static std::vector<ui::MenuItem> FileMenu(Dimension dimension);
  // Carries out kNew, kOpen, kSave or kSaveAs for the grapher; false for
  // other commands. The dialogs open over `area` (the screen's content).
  bool OnMenuCommand(Dimension dimension, ui::MenuCommand command, const draw::Rect& area);

  void New(Dimension dimension);
  void Open(Dimension dimension, const draw::Rect& area);
  void Save(Dimension dimension, const draw::Rect& area);
  void SaveAs(Dimension dimension, const draw::Rect& area);

  // The grapher is shown: its default file is loaded the first time.
  void LoadDefaultOnce(Dimension dimension);
  bool DefaultLoaded(Dimension dimension) const { return loaded_[Index(dimension)]; }
  // The graphing screen closes: every set whose default file was loaded is
  // written back. False (and the message box told) when a write failed.
  bool WriteBackDefaults();

  // The display name of the set's current file (empty: none yet).
  const std::u16string& CurrentName(Dimension dimension) const { return names_[Index(dimension)]; }
  std::filesystem::path FileFor(Dimension dimension, const std::u16string& name) const {
    return Folder(dimension).FileFor(name);
  }
  std::filesystem::path DefaultFile(Dimension dimension) const;

  // The dialogs, while one is shown: drawn over the screen and offered the
  // stylus before anything else.
  bool DialogShown() const { return file_list_.Shown() || save_dialog_.Shown(); }
  void DrawDialogs(draw::Surface& surface);
  bool StylusDown(ui::Point p);
  bool StylusMove(ui::Point p);
  bool StylusUp(ui::Point p);
  bool Wheel(ui::Point p, int steps);
  void DescribeDialogs(ui::WidgetList& out) const;
  ui::FileList& FileList() { return file_list_; }
  ui::SaveDialog& SaveDialog() { return save_dialog_; }

 private:
  static std::size_t Index(Dimension d) { return static_cast<std::size_t>(d); }
  bool Write(Dimension dimension, const std::filesystem::path& path);
  files::LoadStatus Read(Dimension dimension, const std::filesystem::path& path);
  void OpenChosen(Dimension dimension, int index);
  void Tell(const char16_t* notice);
  void Changed(Dimension dimension);

  GraphFileServices services_;
  GraphDocuments documents_;
  std::array<bool, 2> loaded_{false, false};
  std::array<std::u16string, 2> names_;
  ui::FileList file_list_;
  ui::SaveDialog save_dialog_;
  const GraphFolder& Folder(Dimension d) const { return folders_[Index(d)]; }

  std::array<GraphFolder, 2> folders_;
  Dimension pending_ = Dimension::k2D;  // the grapher the open dialog works for
  std::vector<GraphFileEntry> listed_;
};

}  // namespace zentrix::graphing::screens
