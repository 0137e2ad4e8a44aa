#include "ui/dialogs/document_files.h"

namespace zentrix::ui {

DocumentFiles::DocumentFiles(DocumentFolder folder, const DataFolder& data, DocumentHooks hooks,
                             DocumentTexts texts, Dismiss dismiss)
    : folder_(std::move(folder)),
      data_(data),
      hooks_(std::move(hooks)),
      texts_(std::move(texts)),
      dismiss_(dismiss) {
  list_.SetOnClose([this](int index) {
    if (index >= 0 && index < static_cast<int>(listed_.size())) {
      const DocumentFile chosen = listed_[static_cast<std::size_t>(index)];
      Open(chosen.path, chosen.item.name);
    } else if (dismiss_ == Dismiss::kReopenCurrent && !path_.empty()) {
      const std::filesystem::path path = path_;
      const std::u16string name = name_;
      Open(path, name);
    }
    listed_.clear();
  });
  dialog_.SetExists([this](const std::u16string& name) { return folder_.Exists(data_, name); });
  dialog_.SetOnAccept([this](const std::u16string& name) {
    if (SaveTo(folder_.FileFor(data_, name), name)) return true;
    dialog_.SetMessage(texts_.cannot_save);
    return false;
  });
}

void DocumentFiles::ShowOpen(const draw::Rect& area) {
  listed_ = folder_.List(data_, hooks_.summary);
  std::vector<FileListItem> items;
  items.reserve(listed_.size());
  for (const DocumentFile& file : listed_) items.push_back(file.item);
  list_.Show(std::move(items), area);
}

void DocumentFiles::Save(const draw::Rect& area) {
  if (path_.empty()) {
    ShowSaveAs(area);
    return;
  }
  if (!SaveTo(path_, name_)) Notify(texts_.cannot_save);
}

void DocumentFiles::ShowSaveAs(const draw::Rect& area) { dialog_.Show(area); }

void DocumentFiles::Forget() {
  path_.clear();
  name_.clear();
}

bool DocumentFiles::SaveCurrent() { return path_.empty() || SaveTo(path_, name_); }

void DocumentFiles::OpenNamed(const std::u16string& name) {
  if (!SaveDialog::NameAllowed(name) || !folder_.Exists(data_, name)) {
    Forget();
    return;
  }
  Open(folder_.FileFor(data_, name), name);
}

std::u16string DocumentFiles::SaveItemText() const {
  return name_.empty() ? std::u16string(u"Save") : u"Save " + name_;
}

bool DocumentFiles::SaveTo(const std::filesystem::path& path, const std::u16string& name) {
  if (!hooks_.save || !hooks_.save(path)) return false;
  path_ = path;
  name_ = name;
  return true;
}

void DocumentFiles::Open(const std::filesystem::path& path, const std::u16string& name) {
  const OpenOutcome outcome = hooks_.open ? hooks_.open(path) : OpenOutcome::kUntouched;
  switch (outcome) {
    case OpenOutcome::kOpened:
      path_ = path;
      name_ = name;
      return;
    case OpenOutcome::kPartial: Forget(); [[fallthrough]];
    case OpenOutcome::kUntouched: Notify(texts_.cannot_open); return;
  }
}

void DocumentFiles::Notify(const std::u16string& text) const {
  if (hooks_.notify && !text.empty()) hooks_.notify(text);
}

bool DocumentFiles::StylusDown(Point p) {
  if (list_.Shown()) return list_.StylusDown(p);
  if (dialog_.Shown()) return dialog_.StylusDown(p), true;
  return false;
}

bool DocumentFiles::StylusMove(Point p) {
  if (list_.Shown()) return list_.StylusMove(p);
  if (dialog_.Shown()) return dialog_.StylusMove(p);
  return false;
}

bool DocumentFiles::StylusUp(Point p) {
  if (list_.Shown()) return list_.StylusUp(p);
  if (dialog_.Shown()) return dialog_.StylusUp(p), true;
  return false;
}

bool DocumentFiles::Wheel(Point p, int steps) { return list_.Shown() && list_.Wheel(p, steps); }

void DocumentFiles::Draw(draw::Surface& surface) {
  if (list_.Shown()) {
    list_.Draw(surface);
  } else if (dialog_.Shown()) {
    dialog_.Draw(surface);
  }
}

void DocumentFiles::Describe(WidgetList& out) const {
  if (list_.Shown()) {
    list_.Describe(out);
  } else if (dialog_.Shown()) {
    dialog_.Describe(out);
  }
}

}  // namespace zentrix::ui
