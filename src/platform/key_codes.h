#pragma once
// The device's virtual-key codes, the only key codes the program sees. The
// desktop backends translate their own keys into these once, at the edge.

namespace zentrix::platform::vk {

constexpr int kBackspace = 8;
constexpr int kReturn = 13;
constexpr int kShift = 16;
constexpr int kControl = 17;
constexpr int kCapsLock = 20;
constexpr int kSpace = 32;
constexpr int kLeft = 37;
constexpr int kUp = 38;
constexpr int kRight = 39;
constexpr int kDown = 40;
constexpr int kDelete = 46;
constexpr int k0 = 48;    // digits 48..57
constexpr int kA = 65;    // letters 65..90
constexpr int kF1 = 112;  // the four application buttons are F1..F4
constexpr int kF2 = 113;
constexpr int kF3 = 114;
constexpr int kF4 = 115;
constexpr int kIgnored = 132;  // a code the system sends that is no key press
constexpr int kEquals = 187;
constexpr int kComma = 188;
constexpr int kMinus = 189;
constexpr int kPeriod = 190;
constexpr int kSlash = 191;
constexpr int kLeftBracket = 219;
constexpr int kRightBracket = 221;

}  // namespace zentrix::platform::vk
