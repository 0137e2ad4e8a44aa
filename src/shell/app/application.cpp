#include "shell/app/application.h"

#include <cstdio>

#include "platform/platform.h"
#include "platform/single_instance.h"
#include "platform/termination_request.h"

namespace zentrix::shell {
namespace {

constexpr draw::DrawResult kNeeds16BitDisplay = draw::kNot16BitDisplay;
constexpr std::uint32_t kFlagNoPacingWhenAllowed = 0x1000;
constexpr std::uint32_t kPropertyNoPacing = 0x10;
constexpr int kIdleWaitMs = 250;

}  // namespace

std::string ErrorTextFor(const char* text, draw::DrawResult status) {
  if (status == kNeeds16BitDisplay) {
    return "This application requires a 16-bit Pocket PC or Smartphone.";
  }
  if (status == draw::kDisplayLibraryMissing) {
    return "Missing or incorrect file: \"gx.dll\". Please copy this file to the \\windows "
           "folder on this device.";
  }
  if (!text) return "Invalid error code description.";
  std::string result = text;
  if (status != 0) {
    char code[40];
    std::snprintf(code, sizeof code, "\nError code=0x%x.", static_cast<unsigned>(status));
    result += code;
  }
  return result;
}

Application::Application(const ApplicationConfig& config)
    : config_(config), timer_(config.platform) {}

Application::~Application() = default;

void Application::SetErrorText(const char* text, draw::DrawResult status) {
  error_text_ = ErrorTextFor(text, status);
}

void Application::SetFrameRate(int frames_per_second) {
  config_.frames_per_second = frames_per_second;
  timer_.Start(frames_per_second);
}

int Application::Run() {
  int result = Start();
  if (result == 0 && display_.IsOpen()) {
    result = Loop();
    BeforeExit();
    display_.Close();
    input_.Close();
  }
  Finish();
  return result;
}

int Application::Start() {
  if (!config_.platform || config_.title.empty()) {
    SetErrorText("Invalid configuration.", 0);
    return kFailure;
  }
  if (config_.instance && !config_.home_folder.empty() &&
      config_.instance->ClaimFor(config_.home_folder) ==
          platform::SingleInstance::Claim::kAnotherRunning) {
    return 0;  // the running copy was asked to come forward
  }

  platform::WindowConfig window;
  window.title = config_.title;
  window.screen_width = config_.screen_width;
  window.screen_height = config_.screen_height;
  window.scale = config_.scale;
  // On the desktop, "full screen" covers the desktop only when the person
  // asked for it on a portrait screen; landscape screens run the full-screen
  // loop inside an ordinary window.
  window.fullscreen = !config_.windowed && config_.screen_height > config_.screen_width;
  if (!Platform().CreateMainWindow(window)) {
    SetErrorText("Could not create main window.", 0);
    return kFailure;
  }

  draw::DrawResult r = display_.Open(config_.platform, config_.display_flags, config_.display_width,
                                     config_.display_height, 0);
  if (draw::Failed(r)) {
    SetErrorText("Could not open display.", r);
    return r;
  }
  if ((config_.display_flags & kFlagNoPacingWhenAllowed) &&
      (display_.Properties() & kPropertyNoPacing)) {
    config_.frames_per_second = 0;
  }
  r = input_.Open(config_.platform);
  if (draw::Failed(r)) {
    display_.Close();
    return r;
  }
  keys_ = input_.DefaultKeys();

  if (draw::Failed(AfterDisplayOpen()) || draw::Failed(CreateVideoSurfaces()) ||
      draw::Failed(Initialise())) {
    quit_ = true;
  }
  timer_.Start(config_.frames_per_second);
  return 0;
}

int Application::Loop() {
  platform::Event event;
  while (!quit_) {
    if (platform::TerminationRequested()) {
      quit_ = true;
      break;
    }
    if (Platform().PollEvent(&event)) {
      HandleEvent(event);
      continue;
    }
    const draw::DrawResult r = config_.windowed ? WindowedFrame() : FullScreenFrame();
    if (draw::Failed(r)) break;
  }
  return 0;
}

draw::DrawResult Application::WindowedFrame() {
  if (suspend_requested_) {
    // A window has no full-screen state to leave: minimising it is the suspend.
    suspend_requested_ = false;
    if (active_) {
      OnSuspend();
      active_ = false;
      Platform().Minimize();
    }
  }
  if (active_) {
    const draw::DrawResult r = Frame(display_.BackBuffer(), frame_flags_);
    if (draw::Failed(r)) return r;
    display_.Flip();
  } else if (redraw_in_background_) {
    // A window stays visible behind others: show what the wheel scrolled.
    redraw_in_background_ = false;
    const draw::DrawResult r = Frame(display_.BackBuffer(), frame_flags_);
    if (draw::Failed(r)) return r;
    display_.Flip();
    return draw::kOk;
  } else {
    // In the background there is nothing to draw: wait for the next event.
    platform::Event event;
    if (Platform().WaitEvent(&event, kIdleWaitMs)) HandleEvent(event);
    return draw::kOk;
  }
  frame_flags_ &= ~frame_flags::kPreviousLate;
  if (timer_.WaitForNextFrame() == draw::kFrameLate) {
    Platform().Sleep(1);
    frame_flags_ |= frame_flags::kPreviousLate;
  }
  return draw::kOk;
}

draw::DrawResult Application::FullScreenFrame() {
  if (mode_change_requested_) {
    mode_change_requested_ = false;
    if (draw::Failed(CreateVideoSurfaces()) || draw::Failed(Initialise())) quit_ = true;
    timer_.Start(config_.frames_per_second);
  }
  if (suspend_requested_) {
    suspend_requested_ = false;
    Suspend();
  }
  const bool drawing = active_ || config_.run_while_inactive;
  if (drawing) {
    if (frames_to_skip_ > 0) {
      --frames_to_skip_;
    } else {
      const draw::DrawResult r = Frame(display_.BackBuffer(), frame_flags_);
      if (draw::Failed(r)) return r;
    }
  }
  if (active_) display_.Flip();
  frame_flags_ &= ~frame_flags::kPreviousLate;
  if (active_ && timer_.WaitForNextFrame() == draw::kFrameLate) {
    frame_flags_ |= frame_flags::kPreviousLate;
  }
  frame_flags_ &= ~frame_flags::kAfterIdle;
  if (!drawing) {
    platform::Event event;
    if (Platform().WaitEvent(&event, kIdleWaitMs)) HandleEvent(event);
    idle_ = true;
  } else if (idle_) {
    idle_ = false;
    frame_flags_ |= frame_flags::kAfterIdle;
  }
  frame_flags_ &= ~frame_flags::kSurfacesRecreated;
  if (active_ && display_.SurfacesLost()) {
    if (draw::Failed(Initialise())) quit_ = true;
    frame_flags_ |= frame_flags::kSurfacesRecreated;
  }
  Platform().Sleep(0);
  return draw::kOk;
}

void Application::Activate() {
  if (active_) return;
  input_.Open(config_.platform);
  display_.Resume();
  active_ = true;
  OnResume();
  timer_.Start(config_.frames_per_second);
}

void Application::Suspend() {
  if (!active_) return;
  OnSuspend();
  active_ = false;
  if (Platform().Config().fullscreen) Platform().Minimize();
  input_.Close();
  display_.Suspend();
}

void Application::HandleEvent(const platform::Event& event) {
  using platform::EventType;
  switch (event.type) {
    case EventType::kActivate: Activate(); break;
    case EventType::kDeactivate:
      ReleaseHeldInput();
      if (config_.windowed) {
        active_ = false;
      } else {
        RequestSuspend();
      }
      break;
    case EventType::kKeyDown: {
      if (event.key <= 0 || event.key > 255) break;
      const std::uint32_t bit = 1u << (event.key % 32);
      std::uint32_t& word = keys_down_[event.key / 32];
      const bool already_down = (word & bit) != 0 || event.repeat;
      word |= bit;
      if (already_down || event.key == 132) break;
      KeyDown(event, keys_);
      break;
    }
    case EventType::kKeyUp:
      if (event.key <= 0 || event.key > 255) break;
      keys_down_[event.key / 32] &= ~(1u << (event.key % 32));
      KeyUp(event, keys_);
      break;
    case EventType::kText: TextInput(event.text); break;
    case EventType::kStylusDown:
      stylus_down_ = true;
      stylus_x_ = event.x;
      stylus_y_ = event.y;
      StylusDown(event.x, event.y);
      break;
    case EventType::kStylusUp:
      stylus_down_ = false;
      StylusUp(event.x, event.y);
      break;
    case EventType::kStylusMove:
      stylus_x_ = event.x;
      stylus_y_ = event.y;
      if (active_) StylusMove(event.x, event.y);
      break;
    case EventType::kWheel:
      Wheel(event.x, event.y, event.key);
      if (!active_ && config_.windowed) redraw_in_background_ = true;
      break;
    case EventType::kQuit: quit_ = true; break;
  }
}

void Application::ReleaseHeldInput() {
  for (int word = 0; word < 8; ++word) {
    for (int bit = 0; bit < 32 && keys_down_[word] != 0; ++bit) {
      if ((keys_down_[word] & (1u << bit)) == 0) continue;
      keys_down_[word] &= ~(1u << bit);
      platform::Event up;
      up.type = platform::EventType::kKeyUp;
      up.key = word * 32 + bit;
      KeyUp(up, keys_);
    }
  }
  if (stylus_down_) {
    stylus_down_ = false;
    StylusUp(stylus_x_, stylus_y_);
  }
}

void Application::Finish() {
  if (!error_text_.empty() && config_.platform) {
    Platform().ShowMessageBox("Error", error_text_);
  }
  if (!destroyed_) {
    destroyed_ = true;
    Destroy();
  }
  display_.Close();
}

}  // namespace zentrix::shell
