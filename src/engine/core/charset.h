#pragma once
// The program's own 16-bit character set: ASCII plus the calculator's special
// codes, and its conversion to and from UTF-8 for terminals, files and the clipboard.

#include <cstddef>
#include <string>
#include <string_view>

namespace zentrix::chars {

constexpr char16_t kTimesTenPower = 128;   // "ᴇ": times ten to the power
constexpr char16_t kDegreeMark = 131;      // "°"
constexpr char16_t kIntegralSign = 132;    // "∫"
constexpr char16_t kSquaredMark = 133;     // "²"
constexpr char16_t kInverseMark = 134;     // "⁻¹"
constexpr char16_t kSquareRootSign = 135;  // "√"
constexpr char16_t kAngleSign = 140;       // "∠"
constexpr char16_t kInfinity = 219;        // "∞"
constexpr char16_t kEulerE = 220;          // "ℯ"
constexpr char16_t kImaginaryUnit = 221;   // "ⅈ"
constexpr char16_t kMinuteMark = u'\'';

// Greek letters 222..255: lower case alphabetically, then the upper case ones.
constexpr char16_t kFirstGreek = 222;
constexpr char16_t kLastGreek = 255;
constexpr char16_t kAlpha = 222;
constexpr char16_t kBeta = 223;
constexpr char16_t kGamma = 224;
constexpr char16_t kDelta = 225;
constexpr char16_t kEpsilon = 226;
constexpr char16_t kZeta = 227;
constexpr char16_t kEta = 228;
constexpr char16_t kTheta = 229;
constexpr char16_t kIota = 230;
constexpr char16_t kKappa = 231;
constexpr char16_t kLambda = 232;
constexpr char16_t kMu = 233;
constexpr char16_t kNu = 234;
constexpr char16_t kXi = 235;
constexpr char16_t kOmicron = 236;
constexpr char16_t kPi = 237;
constexpr char16_t kRho = 238;
constexpr char16_t kSigma = 239;
constexpr char16_t kTau = 240;
constexpr char16_t kUpsilon = 241;
constexpr char16_t kPhi = 242;
constexpr char16_t kChi = 243;
constexpr char16_t kPsi = 244;
constexpr char16_t kOmega = 245;
constexpr char16_t kCapitalGamma = 246;
constexpr char16_t kCapitalDelta = 247;
constexpr char16_t kCapitalTheta = 248;
constexpr char16_t kCapitalLambda = 249;
constexpr char16_t kCapitalXi = 250;
constexpr char16_t kCapitalPi = 251;
constexpr char16_t kCapitalSigma = 252;
constexpr char16_t kCapitalPhi = 253;
constexpr char16_t kCapitalPsi = 254;
constexpr char16_t kCapitalOmega = 255;

constexpr bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
constexpr bool IsAsciiLetter(char16_t c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}
// Letters that may start a name: ASCII letters, '_' and the Greek letters but π,
// which is a constant.
constexpr bool IsNameStart(char16_t c) {
  return IsAsciiLetter(c) || c == u'_' || (c >= kFirstGreek && c <= kLastGreek && c != kPi);
}
constexpr bool IsNameContinuation(char16_t c) { return IsNameStart(c) || IsDigit(c); }

// The UTF-8 spelling of a code, or an empty view when the code has no mapping.
std::string_view Utf8Of(char16_t code);

struct Utf8Decoding {
  std::u16string text;
  std::string error;             // empty on success
  std::size_t error_offset = 0;  // byte offset of the first bad input
  bool ok() const { return error.empty(); }
};

// Program text to UTF-8; codes without a mapping become U+FFFD.
std::string ToUtf8(std::u16string_view text);
// The same, appended to `out`.
void AppendUtf8(std::u16string_view text, std::string& out);
// UTF-8 to program text. Malformed UTF-8 and characters outside the program's set
// are reported with their byte offset; the text decoded so far is kept.
Utf8Decoding FromUtf8(std::string_view utf8);
// Convenience for literals and tests: ASCII and mapped characters only; any
// failure yields the text decoded up to the fault.
std::u16string U16(std::string_view utf8);

}  // namespace zentrix::chars
