#include "platform/sdl_platform.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "platform/sdl_keys.h"

namespace zentrix::platform {

SdlPlatform::~SdlPlatform() {
  CloseScreen();
  if (video_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

bool SdlPlatform::CreateMainWindow(const WindowConfig& config) {
  config_ = config;
  if (config_.scale <= 0) config_.scale = DefaultScale(config_.screen_width);
  return !config_.title.empty() && config_.screen_width > 0 && config_.screen_height > 0;
}

bool SdlPlatform::OpenScreen(std::string* reason) {
  if (ScreenOpen()) return true;
  if (!video_) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
      if (reason) *reason = SDL_GetError();
      return false;
    }
    video_ = true;
    // Without a window system SDL falls back to drivers that draw nowhere; a
    // program nobody can see would run forever, so that counts as no screen
    // unless the person chose such a driver on purpose.
    const char* driver = SDL_GetCurrentVideoDriver();
    const std::string name = driver ? driver : "";
    if ((name == "offscreen" || name == "dummy") && !SDL_getenv("SDL_VIDEODRIVER")) {
      if (reason) *reason = "no window system (DISPLAY and WAYLAND_DISPLAY are not set)";
      SDL_QuitSubSystem(SDL_INIT_VIDEO);
      video_ = false;
      return false;
    }
  }
  const int w = config_.screen_width;
  const int h = config_.screen_height;
  Uint32 flags = SDL_WINDOW_SHOWN | SDL_WINDOW_RESIZABLE;
  if (config_.fullscreen) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
  const bool sized = size_width_ > 0;
  window_ = SDL_CreateWindow(config_.title.c_str(), place_x_, place_y_,
                             sized ? size_width_ : w * config_.scale,
                             sized ? size_height_ : h * config_.scale, flags);
  if (window_) {
    // Smaller than one window pixel per device pixel would cut the picture off.
    SDL_SetWindowMinimumSize(window_, w, h);
    renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED);
    if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
  }
  if (renderer_) {
    // A logical size makes SDL scale the picture and report the mouse in
    // device pixels; integer scaling keeps every pixel square and sharp.
    SDL_RenderSetLogicalSize(renderer_, w, h);
    SDL_RenderSetIntegerScale(renderer_, SDL_TRUE);
    texture_ =
        SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING, w, h);
  }
  if (!texture_) {
    if (reason) *reason = SDL_GetError();
    CloseScreen();
    return false;
  }
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  // A new window is the one in front, as a program's window is on the device,
  // whether or not the desktop hands it the keyboard focus.
  activate_pending_ = true;
  return true;
}

void SdlPlatform::CloseScreen() {
  if (texture_) SDL_DestroyTexture(texture_);
  if (renderer_) SDL_DestroyRenderer(renderer_);
  if (window_) SDL_DestroyWindow(window_);
  texture_ = nullptr;
  renderer_ = nullptr;
  window_ = nullptr;
  stylus_down_ = false;
}

void SdlPlatform::Present(const std::uint16_t* pixels, int width, int height, int row_pixels) {
  if (!texture_ || !pixels) return;
  const SDL_Rect area{0, 0, std::min(width, config_.screen_width),
                      std::min(height, config_.screen_height)};
  SDL_UpdateTexture(texture_, &area, pixels, row_pixels * 2);
  SDL_RenderClear(renderer_);
  SDL_RenderCopy(renderer_, texture_, &area, &area);
  if (keep_frames_ &&
      SDL_GetRendererOutputSize(renderer_, &presented_width_, &presented_height_) == 0) {
    presented_.resize(static_cast<std::size_t>(presented_width_) * presented_height_);
    // Reading back sees the whole output, not only the logical area.
    SDL_RenderSetLogicalSize(renderer_, 0, 0);
    SDL_RenderReadPixels(renderer_, nullptr, SDL_PIXELFORMAT_ARGB8888, presented_.data(),
                         presented_width_ * 4);
    SDL_RenderSetLogicalSize(renderer_, config_.screen_width, config_.screen_height);
  }
  SDL_RenderPresent(renderer_);
}

void SdlPlatform::Minimize() {
  if (window_) SDL_MinimizeWindow(window_);
}

void SdlPlatform::Raise() {
  if (!window_) return;
  SDL_RestoreWindow(window_);
  SDL_RaiseWindow(window_);
}

bool SdlPlatform::WindowRect(int* x, int* y, int* width, int* height) const {
  if (!window_) return false;
  SDL_GetWindowPosition(window_, x, y);
  SDL_GetWindowSize(window_, width, height);
  return true;
}

void SdlPlatform::PlaceWindow(int x, int y) {
  place_x_ = x;
  place_y_ = y;
  if (window_) SDL_SetWindowPosition(window_, x, y);
}

void SdlPlatform::SizeWindow(int width, int height) {
  if (width < config_.screen_width || height < config_.screen_height) return;
  size_width_ = width;
  size_height_ = height;
  if (window_) SDL_SetWindowSize(window_, width, height);
}

void SdlPlatform::CheckRaiseRequest() {
  if (instance_ && instance_->TakeRaiseRequest()) Raise();
}

bool SdlPlatform::PollEvent(Event* event) {
  CheckRaiseRequest();
  if (activate_pending_) {
    activate_pending_ = false;
    *event = Event{};
    event->type = EventType::kActivate;
    return true;
  }
  if (!video_) return false;
  SDL_Event in;
  while (SDL_PollEvent(&in)) {
    if (Translate(in, event)) return true;
  }
  return false;
}

bool SdlPlatform::WaitEvent(Event* event, int timeout_ms) {
  CheckRaiseRequest();
  if (!video_) {
    SDL_Delay(static_cast<Uint32>(std::max(timeout_ms, 0)));
    return false;
  }
  const Uint32 until = SDL_GetTicks() + static_cast<Uint32>(std::max(timeout_ms, 0));
  SDL_Event in;
  for (;;) {
    const int left = static_cast<int>(until - SDL_GetTicks());
    if (left <= 0) return PollEvent(event);
    if (!SDL_WaitEventTimeout(&in, left)) return false;
    if (Translate(in, event)) return true;
  }
}

bool SdlPlatform::Translate(const SDL_Event& in, Event* out) {
  *out = Event{};
  switch (in.type) {
    case SDL_QUIT: out->type = EventType::kQuit; return true;
    case SDL_WINDOWEVENT:
      if (in.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
        out->type = EventType::kActivate;
        return true;
      }
      if (in.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
        // A button released in another window never comes back as an up here.
        stylus_down_ = false;
        out->type = EventType::kDeactivate;
        return true;
      }
      if (in.window.event == SDL_WINDOWEVENT_EXPOSED && texture_) {
        // Uncovered while the program may not be drawing: show the last frame again.
        SDL_RenderClear(renderer_);
        SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
        SDL_RenderPresent(renderer_);
      }
      return false;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      // Touch arrives as SDL's mouse events made from it, so one path serves both.
      if (in.button.button != SDL_BUTTON_LEFT) return false;
      const bool down = in.type == SDL_MOUSEBUTTONDOWN;
      if (down && !OnScreen(in.button.x, in.button.y)) return false;  // the border around it
      if (!down && !stylus_down_) return false;  // released after focus went elsewhere
      stylus_down_ = down;
      out->type = down ? EventType::kStylusDown : EventType::kStylusUp;
      SetStylusPoint(in.button.x, in.button.y, out);
      return true;
    }
    case SDL_MOUSEMOTION:
      if (!stylus_down_) {
        // The pointer's place, for the wheel; not on the border around the picture.
        if (OnScreen(in.motion.x, in.motion.y)) {
          last_x_ = in.motion.x;
          last_y_ = in.motion.y;
        }
        return false;
      }
      out->type = EventType::kStylusMove;
      SetStylusPoint(in.motion.x, in.motion.y, out);
      return true;
    case SDL_MOUSEWHEEL:
      if (in.wheel.y == 0) return false;
      out->type = EventType::kWheel;
      out->x = last_x_;
      out->y = last_y_;
      out->key = in.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -in.wheel.y : in.wheel.y;
      return true;
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
      // The text a held key repeats is dropped with the repeated key-down.
      if (in.type == SDL_KEYDOWN) text_is_repeat_ = in.key.repeat != 0;
      const int code = VirtualKeyOf(in.key.keysym.sym);
      if (code == 0) return false;
      out->type = in.type == SDL_KEYDOWN ? EventType::kKeyDown : EventType::kKeyUp;
      out->key = code;
      out->repeat = in.key.repeat != 0;
      out->modifiers = ModifiersOf(in.key.keysym.mod);
      out->text_follows = in.type == SDL_KEYDOWN && SDL_IsTextInputActive() &&
                          TypesText(in.key.keysym.sym, in.key.keysym.mod);
      return true;
    }
    case SDL_TEXTINPUT:
      if (text_is_repeat_ || in.text.text[0] == '\0') return false;
      out->type = EventType::kText;
      SDL_strlcpy(out->text, in.text.text, sizeof out->text);
      return true;
    default: return false;
  }
}

bool SdlPlatform::OnScreen(int x, int y) const {
  return x >= 0 && y >= 0 && x < config_.screen_width && y < config_.screen_height;
}

void SdlPlatform::SetStylusPoint(int x, int y, Event* out) {
  // A drag may leave the picture; the stylus stays on its edge, as on the device.
  out->x = last_x_ = std::clamp(x, 0, config_.screen_width - 1);
  out->y = last_y_ = std::clamp(y, 0, config_.screen_height - 1);
}

std::string SdlPlatform::ClipboardText() {
  if (!video_ || !SDL_HasClipboardText()) return {};
  char* text = SDL_GetClipboardText();
  if (!text) return {};
  std::string result(text);
  SDL_free(text);
  return result;
}

void SdlPlatform::SetClipboardText(const std::string& utf8) {
  if (video_) SDL_SetClipboardText(utf8.c_str());
}

void SdlPlatform::ShowMessageBox(const std::string& title, const std::string& text) {
  WriteMessageToStderr(title, text);
  if (video_) {
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), text.c_str(), window_);
  }
}

}  // namespace zentrix::platform
