#include "graphing/screens/grapher/grapher.h"

#include "ui/core/focus.h"
#include "ui/skin/skin_geometry.h"
#include "ui/widgets/widget_draw.h"

namespace zentrix::graphing::screens {
namespace {

std::u16string_view Caption(Grapher::Page page) {
  switch (page) {
    case Grapher::kGraphsPage: return u"Graphs";
    case Grapher::kWindowPage: return u"Window";
    case Grapher::kTimePage: return u"Time";
    case Grapher::kTablePage: return u"Table";
    case Grapher::kDisplayPage: break;
  }
  return u"Display";
}

}  // namespace

Grapher::Grapher(GrapherServices services, TimeSettings& time, std::vector<Page> pages)
    : services_(std::move(services)),
      time_settings_(time),
      time_editor_(time),
      pages_(std::move(pages)) {
  std::vector<std::u16string> captions;
  for (Page page : pages_) captions.emplace_back(Caption(page));
  tabs_.SetCaptions(std::move(captions));
  tabs_.SetOnChange([this](int index) { OnTab(index); });
  time_editor_.SetMessageHandler([this](std::u16string_view m) { Tell(std::u16string(m)); });
}

void Grapher::SetPanels(EditorPanel* window, EditorPanel* table) {
  window_ = window;
  table_ = table;
  for (EditorPanel* panel : {window_, table_}) {
    if (!panel) continue;
    panel->SetMessageHandler([this](std::u16string_view m) { Tell(std::u16string(m)); });
  }
  list_ = std::make_unique<GraphListPanel>(
      ListModel(), [this](std::u16string question, std::function<void()> on_yes) {
        if (!services_.show_message) return;
        services_.show_message(std::move(question), true, [on_yes](bool yes) {
          if (yes) on_yes();
        });
      });
  list_->SetOnChange([this] { GraphsChanged(); });
}

void Grapher::Tell(std::u16string text) {
  if (services_.show_message) services_.show_message(std::move(text), false, {});
}

EditorPanel* Grapher::PanelOf(Page page) const {
  switch (page) {
    case kWindowPage: return window_;
    case kTimePage: return const_cast<TimeEditor*>(&time_editor_);
    case kTablePage: return table_;
    default: return nullptr;
  }
}

void Grapher::Enter() {
  time_editor_.Refresh();
  if (window_) window_->Refresh();
  list_->Refresh();
  display_.Refresh();
  PageShown(shown_page_);
}

void Grapher::ShowPage(Page page) {
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    if (pages_[i] != page) continue;
    if (tabs_.Selected() != static_cast<int>(i)) {
      tabs_.Select(static_cast<int>(i));
      OnTab(static_cast<int>(i));
    }
    return;
  }
}

bool Grapher::LeavePage(Page page) {
  if (page == kGraphsPage) {
    list_->Sync();
    list_->ClosePopups();
    return true;
  }
  if (page == kDisplayPage) {
    display_.Sync();
    display_.ClosePopups();
    return true;
  }
  EditorPanel* panel = PanelOf(page);
  return !panel || page == kTablePage || panel->Apply();
}

void Grapher::OnTab(int index) {
  const Page next = pages_[static_cast<std::size_t>(index)];
  if (next == shown_page_) return;
  if (!LeavePage(shown_page_)) {
    // A field that does not evaluate keeps its page open.
    for (std::size_t i = 0; i < pages_.size(); ++i) {
      if (pages_[i] == shown_page_) tabs_.Select(static_cast<int>(i));
    }
    return;
  }
  ui::Focus(nullptr);
  shown_page_ = next;
  if (EditorPanel* panel = PanelOf(next)) panel->Refresh();
  if (next == kGraphsPage) list_->Refresh();
  if (next == kDisplayPage) display_.Refresh();
  PageShown(next);
}

bool Grapher::ShowPlot() {
  list_->Sync();
  list_->ClosePopups();
  display_.Sync();
  display_.ClosePopups();
  if (window_ && !window_->Apply()) return false;
  if (!time_editor_.Apply()) return false;
  if (!Prepare()) return false;
  ui::Focus(nullptr);
  plot_shown_ = true;
  plot_area_ = {};  // laid out again at the next frame
  return true;
}

void Grapher::ClosePlot() {
  if (!plot_shown_) return;
  plot_shown_ = false;
  plot_pen_ = false;
  list_->Refresh();
  if (window_) window_->Refresh();
  PageShown(shown_page_);
}

void Grapher::TogglePlot() {
  if (plot_shown_) {
    ClosePlot();
  } else {
    ShowPlot();
  }
}

void Grapher::ToggleToolbar() {
  if (!plot_shown_) return;
  toolbar_.SetVisible(!toolbar_.Visible());
}

void Grapher::ExpectPlotIn(const draw::Rect& content) {
  draw::Rect plot = content;
  if (toolbar_.Visible() && toolbar_at_side_) {
    plot.right -= toolbar_.SideWidth(content.Height());
  } else if (toolbar_.Visible()) {
    plot.top += Toolbar::Height();
  }
  ExpectPlotArea(plot);
}

void Grapher::LayoutAndDraw(draw::Surface& surface, const draw::Rect& area) {
  if (plot_shown_) {
    draw::Rect plot = area;
    if (toolbar_.Visible() && toolbar_at_side_) {
      plot.right -= toolbar_.LayoutSide(area);
    } else if (toolbar_.Visible()) {
      toolbar_.Layout(draw::Rect{area.left, area.top, area.right, area.top + Toolbar::Height()});
      plot.top += Toolbar::Height();
    }
    if (plot.left != plot_area_.left || plot.top != plot_area_.top ||
        plot.right != plot_area_.right || plot.bottom != plot_area_.bottom) {
      plot_area_ = plot;
      LayOutPlot(plot);
    }
    DrawPlot(surface);
    UpdateToolbar();
    toolbar_.Draw(surface);
    return;
  }
  tabs_.SetBounds(area.left, area.top, area.Width(), ui::Px(ui::kTabHeight));
  const draw::Rect page{area.left, area.top + tabs_.Height(), area.right, area.bottom};
  tabs_.Draw(surface);
  switch (shown_page_) {
    case kGraphsPage:
      list_->Sync();
      list_->Layout(page);
      list_->Draw(surface);
      break;
    case kDisplayPage:
      display_.Sync();
      display_.Layout(page);
      display_.Draw(surface);
      break;
    default:
      if (EditorPanel* panel = PanelOf(shown_page_)) {
        panel->Layout(page);
        panel->Draw(surface);
      }
      break;
  }
}

bool Grapher::StylusDown(ui::Point p) {
  if (plot_shown_) {
    if (toolbar_.StylusDown(p)) return true;
    if (!plot_area_.Contains(p.x, p.y)) return false;
    plot_pen_ = true;
    PlotDown(p);
    return true;
  }
  switch (shown_page_) {
    case kGraphsPage:
      if (list_->PopupOpen()) return list_->StylusDown(p);
      return tabs_.StylusDown(p) || list_->StylusDown(p);
    case kDisplayPage:
      if (display_.PopupOpen()) return display_.StylusDown(p);
      return tabs_.StylusDown(p) || display_.StylusDown(p);
    default: {
      if (tabs_.StylusDown(p)) return true;
      EditorPanel* panel = PanelOf(shown_page_);
      return panel && panel->StylusDown(p);
    }
  }
}

bool Grapher::StylusMove(ui::Point p) {
  if (plot_shown_) {
    if (!plot_pen_) return false;
    PlotMove(p);
    return true;
  }
  switch (shown_page_) {
    case kGraphsPage: return list_->StylusMove(p);
    case kDisplayPage: return display_.StylusMove(p);
    default: {
      EditorPanel* panel = PanelOf(shown_page_);
      return panel && panel->StylusMove(p);
    }
  }
}

bool Grapher::StylusUp(ui::Point p) {
  if (plot_shown_) {
    bool taken = toolbar_.StylusUp(p);
    if (plot_pen_) {
      plot_pen_ = false;
      PlotUp(p);
      taken = true;
    }
    return taken;
  }
  bool taken = tabs_.StylusUp(p);
  switch (shown_page_) {
    case kGraphsPage: return list_->StylusUp(p) || taken;
    case kDisplayPage: return display_.StylusUp(p) || taken;
    default: {
      EditorPanel* panel = PanelOf(shown_page_);
      return (panel && panel->StylusUp(p)) || taken;
    }
  }
}

bool Grapher::Wheel(ui::Point p, int steps) {
  if (plot_shown_) return false;
  if (shown_page_ == kGraphsPage) return list_->Wheel(p, steps);
  if (shown_page_ == kDisplayPage) return display_.Wheel(p, steps);
  EditorPanel* panel = PanelOf(shown_page_);
  return panel && panel->Wheel(p, steps);
}

bool Grapher::KeyDown(const ui::KeyEvent& key) {
  if (plot_shown_) return PlotKey(key);
  if (shown_page_ == kGraphsPage) {
    if (key.code != ui::keys::kEnter) return false;
    list_->Sync();  // Return takes the typed text
    return true;
  }
  if (shown_page_ == kDisplayPage) return key.code == ui::keys::kEnter && display_.Sync();
  EditorPanel* panel = PanelOf(shown_page_);
  return panel && panel->KeyDown(key);
}

void Grapher::DescribeWidgets(ui::WidgetList& out) const {
  if (plot_shown_) {
    toolbar_.DescribeWidgets(out);
    out.push_back({"plot", u"", plot_area_, true, std::nullopt, std::nullopt});
    return;
  }
  switch (shown_page_) {
    case kGraphsPage:
      if (!list_->PopupOpen()) tabs_.Describe(out);
      list_->DescribeWidgets(out);
      break;
    case kDisplayPage:
      if (!display_.PopupOpen()) tabs_.Describe(out);
      display_.DescribeWidgets(out);
      break;
    default:
      tabs_.Describe(out);
      if (EditorPanel* panel = PanelOf(shown_page_)) panel->DescribeWidgets(out);
      break;
  }
}

void Grapher::DescribeState(ui::JsonWriter& json) const {
  json.BeginObject();
  json.Key("tab").Text(Caption(shown_page_));
  json.Key("plot").Bool(plot_shown_);
  json.Key("toolbar").Bool(toolbar_.Visible());
  WriteState(json);
  json.EndObject();
}

bool Grapher::OnMenuCommand(ui::MenuCommand command) {
  if (command == ui::MenuCommand::kAction) {
    TogglePlot();
    return true;
  }
  return false;
}

}  // namespace zentrix::graphing::screens
