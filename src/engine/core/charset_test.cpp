#include "engine/core/charset.h"

#include <gtest/gtest.h>

namespace zentrix::chars {
namespace {

TEST(Charset, EveryMappedCodeRoundTrips) {
  int mapped = 0;
  for (int code = 128; code < 256; ++code) {
    std::string_view utf8 = Utf8Of(static_cast<char16_t>(code));
    if (utf8.empty()) continue;
    ++mapped;
    std::u16string text(1, static_cast<char16_t>(code));
    EXPECT_EQ(ToUtf8(text), utf8) << code;
    Utf8Decoding back = FromUtf8(utf8);
    ASSERT_TRUE(back.ok()) << code << ": " << back.error;
    EXPECT_EQ(back.text, text) << code;
  }
  // 128, 131-135, 140, 219-221 and the 34 Greek letters.
  EXPECT_EQ(mapped, 10 + 34);
}

TEST(Charset, AsciiPassesThroughUnchanged) {
  std::string ascii;
  for (int c = 1; c < 128; ++c) ascii += static_cast<char>(c);
  Utf8Decoding back = FromUtf8(ascii);
  ASSERT_TRUE(back.ok());
  EXPECT_EQ(ToUtf8(back.text), ascii);
}

TEST(Charset, GreekLettersSitWhereTheTableSaysAndPiIsNoNameLetter) {
  EXPECT_EQ(U16("θ"), std::u16string(1, kTheta));
  EXPECT_EQ(U16("π"), std::u16string(1, 237));
  EXPECT_EQ(U16("σ"), std::u16string(1, 239));
  EXPECT_EQ(U16("Σ"), std::u16string(1, 252));
  EXPECT_EQ(U16("Ω"), std::u16string(1, 255));
  EXPECT_TRUE(IsNameStart(kTheta));
  EXPECT_TRUE(IsNameStart(u'_'));
  EXPECT_FALSE(IsNameStart(kPi));
  EXPECT_FALSE(IsNameStart(u'3'));
  EXPECT_TRUE(IsNameContinuation(u'3'));
  EXPECT_FALSE(IsNameStart(kInfinity));
}

TEST(Charset, InverseMarkIsTwoCodePointsAndHalvesAreRejected) {
  EXPECT_EQ(ToUtf8(std::u16string{u'x', kInverseMark}), "x\u207B\u00B9");
  EXPECT_EQ(U16("A\u207B\u00B9"), (std::u16string{u'A', kInverseMark}));
  EXPECT_FALSE(FromUtf8("x\u207B").ok());
  EXPECT_FALSE(FromUtf8("x\u00B9").ok());
}

TEST(Charset, MixedEntryConverts) {
  Utf8Decoding d = FromUtf8("2√3+ℯ^(ⅈπ)·");
  EXPECT_FALSE(d.ok());  // the middle dot is not in the set
  EXPECT_EQ(d.text, (std::u16string{u'2', kSquareRootSign, u'3', u'+', kEulerE, u'^', u'(',
                                    kImaginaryUnit, kPi, u')'}));
  EXPECT_EQ(d.error_offset, std::string("2√3+ℯ^(ⅈπ)").size());
  EXPECT_NE(d.error.find("U+00B7"), std::string::npos);
}

TEST(Charset, MalformedUtf8IsAnErrorNotACrash) {
  const char* bad[] = {"\x80",
                       "\xC3",
                       "\xC0\xAF",
                       "\xE2\x88",
                       "\xED\xA0\x80",
                       "\xF8\x88\x80\x80",
                       "\xF4\x90\x80\x80",
                       "ab\xFF"};
  for (const char* s : bad) {
    Utf8Decoding d = FromUtf8(s);
    EXPECT_FALSE(d.ok()) << s;
    EXPECT_NE(d.error.find("malformed"), std::string::npos) << d.error;
  }
  EXPECT_EQ(FromUtf8("ab\xFF").error_offset, 2u);
}

TEST(Charset, UnmappedCodesPrintAsReplacement) {
  EXPECT_EQ(ToUtf8(std::u16string{129}), "\uFFFD");
  EXPECT_EQ(ToUtf8(std::u16string{0x4E00}), "\uFFFD");
  EXPECT_EQ(ToUtf8(std::u16string{u'a', 200, u'b'}), "a\uFFFDb");
}

}  // namespace
}  // namespace zentrix::chars
