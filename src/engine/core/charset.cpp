#include "engine/core/charset.h"

#include <array>
#include <cstdint>

namespace zentrix::chars {
namespace {

struct Mapping {
  char16_t code;
  std::string_view utf8;
};

constexpr std::array<Mapping, 45> kMappings{{
    {kTimesTenPower, "\u1D07"},
    {kDegreeMark, "\u00B0"},
    {kIntegralSign, "\u222B"},
    {kSquaredMark, "\u00B2"},
    {kInverseMark, "\u207B\u00B9"},
    {kSquareRootSign, "\u221A"},
    {kAngleSign, "\u2220"},
    {kInfinity, "\u221E"},
    {kEulerE, "\u212F"},
    {kImaginaryUnit, "\u2148"},
    {kAlpha, "\u03B1"},
    {kBeta, "\u03B2"},
    {kGamma, "\u03B3"},
    {kDelta, "\u03B4"},
    {kEpsilon, "\u03B5"},
    {kZeta, "\u03B6"},
    {kEta, "\u03B7"},
    {kTheta, "\u03B8"},
    {kIota, "\u03B9"},
    {kKappa, "\u03BA"},
    {kLambda, "\u03BB"},
    {kMu, "\u03BC"},
    {kNu, "\u03BD"},
    {kXi, "\u03BE"},
    {kOmicron, "\u03BF"},
    {kPi, "\u03C0"},
    {kRho, "\u03C1"},
    {kSigma, "\u03C3"},
    {kTau, "\u03C4"},
    {kUpsilon, "\u03C5"},
    {kPhi, "\u03C6"},
    {kChi, "\u03C7"},
    {kPsi, "\u03C8"},
    {kOmega, "\u03C9"},
    {kCapitalGamma, "\u0393"},
    {kCapitalDelta, "\u0394"},
    {kCapitalTheta, "\u0398"},
    {kCapitalLambda, "\u039B"},
    {kCapitalXi, "\u039E"},
    {kCapitalPi, "\u03A0"},
    {kCapitalSigma, "\u03A3"},
    {kCapitalPhi, "\u03A6"},
    {kCapitalPsi, "\u03A8"},
    {kCapitalOmega, "\u03A9"},
    {0, ""},
}};

constexpr std::string_view kReplacement = "\uFFFD";

// Decodes one UTF-8 sequence at `pos`; returns the code point and advances `pos`,
// or returns -1 for a malformed, overlong or surrogate sequence.
long DecodeOne(std::string_view s, std::size_t& pos) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  unsigned char lead = byte(pos);
  int length;
  long cp;
  if (lead < 0x80) {
    ++pos;
    return lead;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2;
    cp = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    cp = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    cp = lead & 0x07;
  } else {
    return -1;
  }
  if (pos + length > s.size()) return -1;
  for (int i = 1; i < length; ++i) {
    unsigned char b = byte(pos + i);
    if ((b & 0xC0) != 0x80) return -1;
    cp = (cp << 6) | (b & 0x3F);
  }
  static constexpr long kMinimum[5] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < kMinimum[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return -1;
  pos += length;
  return cp;
}

void AppendUtf8(std::string& out, long cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

std::string Describe(long cp) {
  static const char* kHex = "0123456789ABCDEF";
  std::string digits;
  for (int shift = cp > 0xFFFF ? 20 : 12; shift >= 0; shift -= 4)
    digits += kHex[(cp >> shift) & 0xF];
  std::string glyph;
  AppendUtf8(glyph, cp);
  return "the character '" + glyph + "' (U+" + digits +
         ") is not in the calculator's character set";
}

}  // namespace

std::string_view Utf8Of(char16_t code) {
  for (const Mapping& m : kMappings) {
    if (m.code == code && !m.utf8.empty()) return m.utf8;
  }
  return {};
}

void AppendUtf8(std::u16string_view text, std::string& out) {
  for (char16_t c : text) {
    if (c < 128) {
      out += static_cast<char>(c);
    } else if (std::string_view m = Utf8Of(c); !m.empty()) {
      out += m;
    } else {
      out += kReplacement;
    }
  }
}

std::string ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  AppendUtf8(text, out);
  return out;
}

Utf8Decoding FromUtf8(std::string_view utf8) {
  Utf8Decoding result;
  result.text.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    std::size_t start = pos;
    if (static_cast<unsigned char>(utf8[pos]) < 0x80) {
      result.text += static_cast<char16_t>(utf8[pos++]);
      continue;
    }
    // Mapped sequences are matched as whole byte strings, which also covers the
    // two-code-point inverse mark.
    bool matched = false;
    for (const Mapping& m : kMappings) {
      if (!m.utf8.empty() && utf8.substr(pos, m.utf8.size()) == m.utf8) {
        result.text += m.code;
        pos += m.utf8.size();
        matched = true;
        break;
      }
    }
    if (matched) continue;
    long cp = DecodeOne(utf8, pos);
    result.error_offset = start;
    result.error = cp < 0 ? "malformed UTF-8 at byte " + std::to_string(start) : Describe(cp);
    return result;
  }
  return result;
}

std::u16string U16(std::string_view utf8) { return FromUtf8(utf8).text; }

}  // namespace zentrix::chars
