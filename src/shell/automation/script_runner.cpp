#include "shell/automation/script_runner.h"

#include <fstream>

#include "engine/core/charset.h"

namespace zentrix::shell {
namespace {

using platform::EventType;

draw::Rect Centre(const draw::Rect& r, int* x, int* y) {
  *x = r.left + r.Width() / 2;
  *y = r.top + r.Height() / 2;
  return r;
}

}  // namespace

bool ScriptRunner::Feed(platform::HeadlessPlatform& platform) {
  if (Failed()) return false;
  while (next_ < lines_.size()) {
    const std::size_t before = platform.FramesOwed();
    if (!Step(platform)) return false;
    // Hand control back once the loop has something to do.
    if (platform.FramesOwed() > static_cast<int>(before) || frame_stale_) return true;
  }
  return false;
}

bool ScriptRunner::Fail(const std::string& reason) {
  error_ = "line " + std::to_string(lines_[next_].number) + ": " + reason;
  return false;
}

void ScriptRunner::Stylus(platform::HeadlessPlatform& platform, EventType type, int x, int y) {
  platform::Event event;
  event.type = type;
  event.x = x;
  event.y = y;
  platform.Queue(event);
  frame_stale_ = true;
}

void ScriptRunner::Tap(platform::HeadlessPlatform& platform, int x, int y) {
  Stylus(platform, EventType::kStylusDown, x, y);
  Stylus(platform, EventType::kStylusUp, x, y);
}

void ScriptRunner::Key(platform::HeadlessPlatform& platform, EventType type,
                       const KeyChord& chord) {
  platform::Event event;
  event.type = type;
  event.key = chord.code;
  event.modifiers.shift = chord.shift;
  event.modifiers.control = chord.control;
  event.modifiers.caps_lock = chord.caps_lock;
  platform.Queue(event);
  frame_stale_ = true;
}

bool ScriptRunner::Click(platform::HeadlessPlatform& platform, std::u16string_view text,
                         std::string_view kind, bool menu_part) {
  ui::WidgetList widgets;
  host_->DescribeWidgets(widgets);
  const ui::WidgetInfo* found = nullptr;
  if (menu_part) {
    // Menu titles and the action element first, then open menus' items, then
    // anything with that text (a menu drawn by a screen of its own).
    for (std::string_view k : {"menu", "menu item", ""}) {
      if ((found = ui::FindForClick(widgets, text, k))) break;
    }
  } else {
    found = ui::FindForClick(widgets, text, kind);
  }
  if (!found) {
    std::string what = chars::ToUtf8(text);
    if (!kind.empty()) what = std::string(kind) + ":" + what;
    return Fail("no visible, enabled widget \"" + what + "\"");
  }
  int x = 0;
  int y = 0;
  Centre(found->rect, &x, &y);
  Tap(platform, x, y);
  return true;
}

bool ScriptRunner::Step(platform::HeadlessPlatform& platform) {
  const ScriptLine& line = lines_[next_];
  const bool reads_program = line.verb == ScriptVerb::kClick || line.verb == ScriptVerb::kMenu ||
                             line.verb == ScriptVerb::kScreen || line.verb == ScriptVerb::kShot ||
                             line.verb == ScriptVerb::kDump || line.verb == ScriptVerb::kType;
  if (reads_program && frame_stale_) {
    // Let the program draw what the last events changed before looking at it.
    frame_stale_ = false;
    platform.OweFrames(1);
    return true;
  }
  switch (line.verb) {
    case ScriptVerb::kTap: Tap(platform, line.x, line.y); break;
    case ScriptVerb::kDown: Stylus(platform, EventType::kStylusDown, line.x, line.y); break;
    case ScriptVerb::kMove: Stylus(platform, EventType::kStylusMove, line.x, line.y); break;
    case ScriptVerb::kUp: Stylus(platform, EventType::kStylusUp, line.x, line.y); break;
    case ScriptVerb::kClick:
      if (!Click(platform, line.text, line.kind, false)) return false;
      break;
    case ScriptVerb::kMenu:
      if (!Click(platform, line.path[menu_step_], {}, true)) return false;
      if (++menu_step_ < line.path.size()) return true;  // the rest after a frame
      menu_step_ = 0;
      break;
    case ScriptVerb::kKey:
      Key(platform, EventType::kKeyDown, line.chord);
      Key(platform, EventType::kKeyUp, line.chord);
      break;
    case ScriptVerb::kKeyDown: Key(platform, EventType::kKeyDown, line.chord); break;
    case ScriptVerb::kKeyUp: Key(platform, EventType::kKeyUp, line.chord); break;
    case ScriptVerb::kType:
      if (!host_->TypeText(line.text)) return Fail("no text box has the focus");
      frame_stale_ = true;
      break;
    case ScriptVerb::kScreen: {
      auto icon = host_->ScreenIcon(line.x);
      if (!icon) return Fail("the screen bar shows no icon for screen " + std::to_string(line.x));
      int x = 0;
      int y = 0;
      Centre(*icon, &x, &y);
      Tap(platform, x, y);
      break;
    }
    case ScriptVerb::kFrames:
      platform.OweFrames(line.x);
      frame_stale_ = false;
      break;
    case ScriptVerb::kShot: {
      std::string error;
      if (!host_->SaveShot(line.file, &error)) return Fail(error);
      break;
    }
    case ScriptVerb::kDump: {
      std::ofstream out(line.file, std::ios::binary);
      out << host_->Dump() << '\n';
      if (!out.flush()) return Fail("cannot write " + line.file);
      break;
    }
    case ScriptVerb::kQuit:
      host_->Exit();
      platform.OweFrames(1);
      break;
  }
  ++next_;
  return true;
}

}  // namespace zentrix::shell
