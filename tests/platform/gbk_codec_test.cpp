#include "platform/gbk_codec.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include "platform/utf8.h"

namespace tavra {
namespace {

// What the system's converter makes of one byte sequence; empty when it refuses it.
std::u16string IconvDecode(iconv_t cd, std::string bytes) {
  char16_t out[8] = {};
  char* in = bytes.data();
  char* o = reinterpret_cast<char*>(out);
  size_t inLeft = bytes.size(), outLeft = sizeof out;
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  if (iconv(cd, &in, &inLeft, &o, &outLeft) == static_cast<size_t>(-1) || inLeft != 0) return {};
  return std::u16string(out, (sizeof out - outLeft) / 2);
}

TEST(GbkCodec, EveryTwoByteCodeDecodesAsTheSystemConverterAndEncodesBack) {
  iconv_t cd = iconv_open("UTF-16LE", "CP936");
  ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
  int defined = 0;
  for (int lead = 0x81; lead <= 0xFE; ++lead)
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
      std::u16string expected = IconvDecode(cd, bytes);
      std::u16string got = GbkToUtf16(bytes);
      if (trail == 0x7F) {  // not a trail byte: the lead stands alone
        EXPECT_EQ(got, u"?\x7F");
        continue;
      }
      ASSERT_EQ(got.size(), 1u) << std::hex << lead << " " << trail;
      if (expected.empty()) {
        EXPECT_EQ(got[0], kGbkDefaultChar) << std::hex << lead << " " << trail;
        EXPECT_FALSE(IsValidGbk(bytes));
        continue;
      }
      ++defined;
      ASSERT_EQ(got, expected) << std::hex << lead << " " << trail;
      EXPECT_TRUE(IsValidGbk(bytes));
      bool lossless = false;
      EXPECT_EQ(Utf16ToGbk(got, &lossless), bytes) << std::hex << lead << " " << trail;
      EXPECT_TRUE(lossless);
    }
  iconv_close(cd);
  EXPECT_GT(defined, 21000);
}

TEST(GbkCodec, MixedTextAndDamagedBytes) {
  std::string beijing = "\xB1\xB1\xBE\xA9";  // 北京
  EXPECT_EQ(GbkToUtf16("T109 " + beijing), u"T109 北京");
  EXPECT_EQ(GbkToUtf16("\x80"), u"€");
  // A lead byte at the end of a record, or before a byte that cannot trail, stands alone.
  EXPECT_EQ(GbkToUtf16("AB\xB1"), u"AB?");
  EXPECT_EQ(GbkToUtf16("\xB1 A"), u"? A");
  EXPECT_EQ(GbkToUtf16("\xB1"
                       "A"),
            u"盇");  // 'A' is a trail byte too
  EXPECT_EQ(GbkToUtf16("\xFF"), u"?");
  EXPECT_FALSE(IsValidGbk("\xB1"));
  EXPECT_TRUE(IsValidGbk(beijing + "x"));

  bool lossless = true;
  EXPECT_EQ(Utf16ToGbk(u"北京", &lossless), beijing);
  EXPECT_TRUE(lossless);
  // Characters outside GBK: a Korean syllable and a character beyond the BMP.
  EXPECT_EQ(Utf16ToGbk(u"가x", &lossless), "?x");
  EXPECT_FALSE(lossless);
  EXPECT_EQ(Utf16ToGbk(u"\U0001F600").size(), 2u);
}

TEST(Utf8, MalformedBytesBecomeReplacementCharacters) {
  EXPECT_EQ(Utf8ToUtf16("a\xE5\x8C\x97"
                        "b"),
            u"a北b");
  EXPECT_EQ(Utf8ToUtf16("\xC3"), u"\uFFFD");
  EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");  // an encoded surrogate
  EXPECT_EQ(Utf16ToUtf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, u'\xD800')), "\xEF\xBF\xBD");
  EXPECT_FALSE(IsValidUtf8("\xC0\x80"));  // overlong
}

}  // namespace
}  // namespace tavra
