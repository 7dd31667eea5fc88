#include <gtest/gtest.h>

#include <string>

#include "kovan/kovan.h"
#include "platform/text/cp932.h"

namespace pemo::kovan {
namespace {

using text::cp932ToUtf8;

// "日本語" and half-width "ｱｲ" as they arrive from a code page 932 file.
const std::string kNihongo = cp932ToUtf8("\x93\xfa\x96\x7b\x8c\xea");
const std::string kHalfKana = cp932ToUtf8("\xb1\xb2");
// "表" ends in the byte 0x5C ("\") in code page 932.
const std::string kHyou = cp932ToUtf8("\x95\x5c");

std::vector<std::string> items(const StringArray& a) { return a.items(); }

TEST(GetAnyStringData, GrowingArrayTakesEveryField) {
  KOVAN& k = KovanObject();
  StringArray a;
  EXPECT_EQ(k.GetAnyStringData("a,b,c", a), "3");
  EXPECT_EQ(a.lowerBound(), 0);
  EXPECT_EQ(items(a), (std::vector<std::string>{"a", "b", "c"}));

  StringArray trailing;
  EXPECT_EQ(k.GetAnyStringData("a,,", trailing), "3");
  EXPECT_EQ(items(trailing), (std::vector<std::string>{"a", "", ""}));

  StringArray empty;
  EXPECT_EQ(k.GetAnyStringData("", empty), "1");
  EXPECT_EQ(items(empty), (std::vector<std::string>{""}));

  StringArray whole;
  EXPECT_EQ(k.GetAnyStringData("no separator", whole), "1");
  EXPECT_EQ(items(whole), (std::vector<std::string>{"no separator"}));

  StringArray equals;
  EXPECT_EQ(k.GetAnyStringData("k=v=w", equals, "="), "3");
  EXPECT_EQ(items(equals), (std::vector<std::string>{"k", "v", "w"}));

  // The search resumes one character past the separator's start.
  StringArray twoChar;
  EXPECT_EQ(k.GetAnyStringData("a::b", twoChar, "::"), "2");
  EXPECT_EQ(items(twoChar), (std::vector<std::string>{"a", ":b"}));

  // An array an earlier call filled keeps its size on the next call.
  EXPECT_EQ(k.GetAnyStringData("x,y,z,w", a), "3");
  EXPECT_EQ(items(a), (std::vector<std::string>{"x", "y", "z,w"}));
}

TEST(GetAnyStringData, FixedArrayTakesRestInLastElement) {
  KOVAN& k = KovanObject();
  StringArray two(1);
  EXPECT_EQ(k.GetAnyStringData("a,b,c,d", two), "2");
  EXPECT_EQ(items(two), (std::vector<std::string>{"a", "b,c,d"}));

  StringArray pair(1);
  EXPECT_EQ(k.GetAnyStringData("k=v=w", pair, "="), "2");
  EXPECT_EQ(items(pair), (std::vector<std::string>{"k", "v=w"}));

  StringArray old{"o0", "o1", "o2", "o3", "o4", "o5"};
  EXPECT_EQ(k.GetAnyStringData("x", old), "1");
  EXPECT_EQ(items(old), (std::vector<std::string>{"x", "o1", "o2", "o3", "o4", "o5"}));

  StringArray trailing(1);
  EXPECT_EQ(k.GetAnyStringData("a,", trailing), "2");
  EXPECT_EQ(items(trailing), (std::vector<std::string>{"a", ""}));

  // Five elements, the property window's font text.
  StringArray font(4);
  EXPECT_EQ(k.GetAnyStringData("f,9,True,False,1,extra", font), "5");
  EXPECT_EQ(font[4], "1,extra");

  // Upper bound 0: the first field is stored, the store of the second fails and
  // the count still says 2.
  StringArray one(0);
  EXPECT_EQ(k.GetAnyStringData("a,b", one), "2");
  EXPECT_EQ(items(one), (std::vector<std::string>{"a"}));

  // A lower bound above 0 refuses the first store.
  StringArray shifted(1, 2);
  EXPECT_EQ(k.GetAnyStringData("a,b", shifted), "1");
  EXPECT_EQ(items(shifted), (std::vector<std::string>{"", ""}));
}

TEST(GetAnyStringData, JapaneseTextAndSeparators) {
  KOVAN& k = KovanObject();
  // A separator never matches inside a double-byte character whose trail byte is "\".
  StringArray fields;
  EXPECT_EQ(k.GetAnyStringData(kHyou + "\\" + kNihongo, fields, "\\"), "2");
  EXPECT_EQ(items(fields), (std::vector<std::string>{kHyou, kNihongo}));

  // Image data fields split at the character 1.
  StringArray data(1);
  EXPECT_EQ(k.GetAnyStringData(kNihongo + "\x01" + kHalfKana + "\x01z", data, "\x01"), "2");
  EXPECT_EQ(items(data), (std::vector<std::string>{kNihongo, kHalfKana + "\x01z"}));

  // A Japanese separator and a numeric one converted to text.
  const std::string comma = cp932ToUtf8("\x81\x41");  // "、"
  StringArray jp;
  EXPECT_EQ(k.GetAnyStringData(kNihongo + comma + kHalfKana, jp, comma), "2");
  EXPECT_EQ(items(jp), (std::vector<std::string>{kNihongo, kHalfKana}));
  StringArray numeric;
  EXPECT_EQ(k.GetAnyStringData("1020", numeric, Variant(int16_t{0})), "3");
  EXPECT_EQ(items(numeric), (std::vector<std::string>{"1", "2", ""}));
}

TEST(GetAnyStringData, UnusableSeparatorsKeepTheText) {
  KOVAN& k = KovanObject();
  StringArray a;
  EXPECT_EQ(k.GetAnyStringData("abc", a, ""), "1");
  EXPECT_EQ(items(a), (std::vector<std::string>{"abc"}));
  // Null cannot become text: nothing is stored.
  StringArray b;
  EXPECT_EQ(k.GetAnyStringData("a,b", b, Variant::null()), "1");
  EXPECT_FALSE(b.isDimensioned());
}

TEST(GetAnyStringData, LongTextsSplitCompletely) {
  // Beyond 32767 characters and fields, nothing is dropped.
  std::string text;
  for (int i = 0; i < 40000; ++i) text += "x,";
  StringArray a;
  EXPECT_EQ(KovanObject().GetAnyStringData(text, a), "40001");
  EXPECT_EQ(a.upperBound(), 40000);
  EXPECT_EQ(a[39999], "x");
  EXPECT_EQ(a[40000], "");
}

TEST(StringMethods, WidthsCountWideCharactersTwice) {
  KOVAN& k = KovanObject();
  EXPECT_EQ(k.Len16("ABC"), 3);
  EXPECT_EQ(k.Len16(kNihongo), 6);
  EXPECT_EQ(k.Len16(kHalfKana), 4);  // half-width katakana are above U+00FF
  EXPECT_EQ(k.Len16(""), 0);
  EXPECT_EQ(k.Len16("\xc3\xa9"), 1);  // é, U+00E9

  const std::string aBc = "A" + cp932ToUtf8("\x82\x61") + "C";  // A, full-width B, C
  EXPECT_EQ(k.Left16(aBc, 2), "A");
  EXPECT_EQ(k.Left16(aBc, 3), "A" + cp932ToUtf8("\x82\x61"));
  EXPECT_EQ(k.Left16(aBc, 100), aBc);
  EXPECT_EQ(k.Left16(kNihongo, 1), "");
  EXPECT_EQ(k.Left16(kNihongo, 5), cp932ToUtf8("\x93\xfa\x96\x7b"));
  EXPECT_EQ(k.Left16("abc", -1), "");
  EXPECT_EQ(k.Left16("", 4), "");
  // A character outside the basic plane is never cut in half.
  EXPECT_EQ(k.Len16("\xf0\x9f\x98\x80"), 4);
  EXPECT_EQ(k.Left16("a\xf0\x9f\x98\x80", 3), "a");
}

TEST(StringMethods, NulHandling) {
  KOVAN& k = KovanObject();
  const std::string withNul("abc\0def", 7);
  EXPECT_EQ(k.CutNull(withNul), "abc");
  EXPECT_EQ(k.CutNull(Variant::null()), "");
  EXPECT_EQ(k.CutNull(Variant(int32_t{12})), "12");
  EXPECT_EQ(k.CutNull(""), "");
  EXPECT_EQ(k.CutNull(kNihongo + std::string(1, '\0') + "x"), kNihongo);
  EXPECT_EQ(k.CutNull(Variant(true)), "True");

  EXPECT_EQ(k.FindNull(""), -3);
  EXPECT_EQ(k.FindNull("abc"), 0);
  EXPECT_EQ(k.FindNull(Variant(int32_t{5})), -2);
  EXPECT_EQ(k.FindNull(Variant::null()), -1);
  EXPECT_EQ(k.FindNull(withNul), 4);
  EXPECT_EQ(k.FindNull(kNihongo + std::string(1, '\0')), 4);  // characters, not bytes

  // A buffer with its NUL far out: FindNull overflows its 16-bit result, CutNull
  // still cuts in the right place.
  std::string big(40000, 'a');
  big += std::string(1, '\0') + "tail";
  EXPECT_THROW(k.FindNull(big), KovanError);
  EXPECT_EQ(k.CutNull(big), std::string(40000, 'a'));
  EXPECT_THROW(k.CutNull(Variant::missing()), KovanError);
}

TEST(StringMethods, BackslashRemovalAndReplacement) {
  KOVAN& k = KovanObject();
  EXPECT_EQ(k.StringAddYen("C:\\DIR"), "C:\\DIR\\");
  EXPECT_EQ(k.StringAddYen("C:\\"), "C:\\");
  EXPECT_EQ(k.StringAddYen(""), "\\");
  EXPECT_EQ(k.StringAddYen("C:\\" + kHyou), "C:\\" + kHyou + "\\");

  EXPECT_EQ(k.OmitAnyString("a b c", " "), "abc");
  EXPECT_EQ(k.OmitAnyString("abab", "ab"), "abab");
  EXPECT_EQ(k.OmitAnyString("abab", ""), "abab");
  EXPECT_EQ(k.OmitAnyString(kNihongo + "," + kNihongo, ","), kNihongo + kNihongo);
  EXPECT_EQ(k.OmitAnyString(kNihongo, cp932ToUtf8("\x96\x7b")), cp932ToUtf8("\x93\xfa\x8c\xea"));
  EXPECT_EQ(k.OmitAnyString("Aa", "a"), "A");  // exact case

  EXPECT_EQ(k.ChangeAnyString("a/b/c", "/", "\\"), "a\\b\\c");
  EXPECT_EQ(k.ChangeAnyString("a/b", "/", ""), "ab");
  EXPECT_EQ(k.ChangeAnyString("a//b", "//", "-"), "a//b");
  EXPECT_EQ(k.ChangeAnyString(kHyou + "/" + kHyou, "/", kHalfKana),
            kHyou + kHalfKana + kHyou);
  EXPECT_EQ(k.ChangeAnyString(kHyou, "\\", "/"), kHyou);
}

TEST(KovanObject, OneInstancePerProgram) { EXPECT_EQ(&KovanObject(), &KovanObject()); }

}  // namespace
}  // namespace pemo::kovan
