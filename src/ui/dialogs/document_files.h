#pragma once
// DocumentFiles: the File menu's Open, Save and Save As... for one kind of
// document (notebooks, notes books, graph sets), over the file list and the
// save dialog. It keeps the current file (its path and display name, both
// empty for a new document) and leaves reading and writing the document to
// its owner's hooks.
//
// - Open shows the file list; tapping an item opens that file. Tapping
//   outside closes the list; with Dismiss::kReopenCurrent the current file is
//   then opened again, dropping the changes made since it was saved.
// - Save saves to the current file without asking, or acts as Save As...
//   when there is none. A failure is told through the notice hook.
// - Save As... shows the save dialog; the dialog refuses bad names and asks
//   before replacing a file. A failed save keeps the dialog open and says so
//   on its message line; a successful one makes the file current.
// - An open that fails is told through the notice hook. When the document
//   was left as it was, the current file stays; when the document now holds
//   only part of the file, the current file is forgotten, so that nothing is
//   later saved over either file without the person choosing it.
//
// While the list or the dialog is shown the owner draws nothing else and
// hands the stylus to it (Shown(), StylusDown() ...).

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "ui/dialogs/file_list.h"
#include "ui/dialogs/save_dialog.h"
#include "ui/files/data_folder.h"
#include "ui/files/document_folder.h"

namespace zentrix::ui {

enum class OpenOutcome {
  kOpened,     // the document is the file's
  kUntouched,  // the file could not be read; the document is as it was
  kPartial,    // the file could not be read whole; the document holds what could be
};

struct DocumentHooks {
  // Writes the document to the file; false when it could not be written.
  std::function<bool(const std::filesystem::path&)> save;
  std::function<OpenOutcome(const std::filesystem::path&)> open;
  // Fills a listed file's count and preview.
  DocumentFolder::SummaryReader summary;
  // Shows a notice (the program's message box); may be empty.
  std::function<void(const std::u16string&)> notify;
};

struct DocumentTexts {
  std::u16string cannot_open;
  std::u16string cannot_save;
};

class DocumentFiles {
 public:
  enum class Dismiss { kKeep, kReopenCurrent };

  // `data` must outlive the flow.
  DocumentFiles(DocumentFolder folder, const DataFolder& data, DocumentHooks hooks,
                DocumentTexts texts, Dismiss dismiss);
  DocumentFiles(const DocumentFiles&) = delete;
  DocumentFiles& operator=(const DocumentFiles&) = delete;

  // The File menu.
  void ShowOpen(const draw::Rect& area);
  void Save(const draw::Rect& area);
  void ShowSaveAs(const draw::Rect& area);
  // New: the document no longer has a file.
  void Forget();
  // Saves to the current file when there is one (the program's exit); true
  // when there was nothing to save or it was saved.
  bool SaveCurrent();
  // Opens the file saved under `name` (the name kept from the last run); a
  // missing file or a name no file can have is forgotten quietly.
  void OpenNamed(const std::u16string& name);

  const std::filesystem::path& CurrentPath() const { return path_; }
  const std::u16string& CurrentName() const { return name_; }
  // The File menu's Save item: "Save", or "Save" and the display name.
  std::u16string SaveItemText() const;

  const DocumentFolder& Folder() const { return folder_; }
  FileList& List() { return list_; }
  SaveDialog& Dialog() { return dialog_; }
  // The list or the dialog is shown.
  bool Shown() const { return list_.Shown() || dialog_.Shown(); }

  // While Shown(): input, drawing and description go to the open one.
  bool StylusDown(Point p);
  bool StylusMove(Point p);
  bool StylusUp(Point p);
  bool Wheel(Point p, int steps);
  void Draw(draw::Surface& surface);
  void Describe(WidgetList& out) const;

 private:
  bool SaveTo(const std::filesystem::path& path, const std::u16string& name);
  void Open(const std::filesystem::path& path, const std::u16string& name);
  void Notify(const std::u16string& text) const;

  DocumentFolder folder_;
  const DataFolder& data_;
  DocumentHooks hooks_;
  DocumentTexts texts_;
  Dismiss dismiss_;
  FileList list_;
  SaveDialog dialog_;
  std::vector<DocumentFile> listed_;
  std::filesystem::path path_;
  std::u16string name_;
};

}  // namespace zentrix::ui
