#include "support/WideString.h"

#include <gtest/gtest.h>

#include <string>

using Tolvex::wstring;

namespace {

// Takes ownership of a heap string made by coco_string_*.
wstring take(wchar* s) {
  wstring out = s ? wstring(s) : wstring(u"<null>");
  coco_string_delete(s);
  return out;
}

TEST(CocoHash, EmptyAndMissingAreZero) {
  EXPECT_EQ(coco_string_hash(u""), 0);
  EXPECT_EQ(coco_string_hash(nullptr), 0);
}

TEST(CocoHash, SevenTimesXor) {
  EXPECT_EQ(coco_string_hash(u"a"), 97);
  EXPECT_EQ(coco_string_hash(u"ab"), (97 * 7) ^ 98);
  EXPECT_EQ(coco_string_hash(u"defined"), coco_string_hash(u"defined"));
}

TEST(CocoHash, NeverNegative) {
  // Long texts wrap past 32 bits many times over.
  for (int len : {10, 11, 12, 13, 50, 333, 1000}) {
    for (wchar c : {u'a', u'z', u'\xFFFF', u'\x8000'}) {
      wstring text(len, c);
      text[len / 2] = u'Q';
      EXPECT_GE(coco_string_hash(text.c_str()), 0) << "length " << len << " char " << int(c);
    }
  }
  // Hashes to exactly 0x80000000, whose absolute value has no int form.
  EXPECT_GE(coco_string_hash(u"YOZMQIJIHVIP\xFE99"), 0);
}

TEST(CocoCreate, NarrowWidensUnsigned) {
  wchar* w = coco_string_create("\xE9x\x80\xFF");
  ASSERT_EQ(coco_string_length(w), 4);
  EXPECT_EQ(w[0], 0x00E9);
  EXPECT_EQ(w[1], u'x');
  EXPECT_EQ(w[2], 0x0080);
  EXPECT_EQ(w[3], 0x00FF);
  char* back = coco_string_create_char(w);
  EXPECT_STREQ(back, "\xE9x\x80\xFF");
  coco_string_delete(back);
  coco_string_delete(w);
  EXPECT_EQ(w, nullptr);
  EXPECT_EQ(take(coco_string_create(static_cast<const char*>(nullptr))), u"");
}

TEST(CocoCreate, CharKeepsLowByte) {
  char* s = coco_string_create_char(u"\x0141\xFFE9z");
  EXPECT_STREQ(s, "A\xE9z");
  coco_string_delete(s);
  char* empty = coco_string_create_char(nullptr);
  EXPECT_STREQ(empty, "");
  coco_string_delete(empty);
}

TEST(CocoCreate, Copies) {
  EXPECT_EQ(take(coco_string_create(u"abc")), u"abc");
  EXPECT_EQ(take(coco_string_create(static_cast<const wchar*>(nullptr))), u"");
  EXPECT_EQ(take(coco_string_create(u"abcdef", 2, 3)), u"cde");
  // Copying stops at a terminator; the rest stays zero.
  wchar* part = coco_string_create(u"ab", 1, 4);
  EXPECT_EQ(part[0], u'b');
  EXPECT_EQ(part[1], 0);
  EXPECT_EQ(part[4], 0);
  coco_string_delete(part);
  EXPECT_EQ(take(coco_string_create(nullptr, 0, 2)), u"");
}

TEST(CocoCase, OnlyAsciiLetters) {
  EXPECT_EQ(take(coco_string_create_upper(u"az\xE9\xFF@[`{09_Z")), u"AZ\xE9\xFF@[`{09_Z");
  EXPECT_EQ(take(coco_string_create_lower(u"AZ\xC9\xDE@[`{09_a")), u"az\xC9\xDE@[`{09_a");
  EXPECT_EQ(take(coco_string_create_lower(u"xxABCxx", 2, 3)), u"abc");
  EXPECT_EQ(coco_string_create_upper(nullptr), nullptr);
  EXPECT_EQ(coco_string_create_lower(nullptr), nullptr);
  EXPECT_EQ(coco_string_create_lower(nullptr, 0, 3), nullptr);
}

TEST(CocoAppend, AppendAndMerge) {
  EXPECT_EQ(take(coco_string_create_append(u"ab", u"cd")), u"abcd");
  EXPECT_EQ(take(coco_string_create_append(nullptr, u"cd")), u"cd");
  EXPECT_EQ(take(coco_string_create_append(u"ab", static_cast<const wchar*>(nullptr))), u"ab");
  EXPECT_EQ(take(coco_string_create_append(u"ab", u'!')), u"ab!");
  EXPECT_EQ(take(coco_string_create_append(nullptr, u'!')), u"!");
  wchar* s = coco_string_create(u"ab");
  coco_string_merge(s, u"cd");
  EXPECT_EQ(wstring(s), u"abcd");
  coco_string_merge(s, nullptr);
  EXPECT_EQ(wstring(s), u"abcd");
  coco_string_delete(s);
  wchar* none = nullptr;
  coco_string_merge(none, u"x");
  EXPECT_EQ(take(none), u"x");
}

TEST(CocoSearch, IndexEndCompare) {
  EXPECT_EQ(coco_string_indexof(u"a/b/c", u'/'), 1);
  EXPECT_EQ(coco_string_lastindexof(u"a/b/c", u'/'), 3);
  EXPECT_EQ(coco_string_indexof(u"abc", u'/'), -1);
  EXPECT_EQ(coco_string_lastindexof(u"abc", u'/'), -1);
  EXPECT_EQ(coco_string_indexof(nullptr, u'/'), -1);
  EXPECT_TRUE(coco_string_endswith(u"file.asm", u".asm"));
  EXPECT_TRUE(coco_string_endswith(u"file.asm", u""));
  EXPECT_TRUE(coco_string_endswith(u".asm", u".asm"));
  EXPECT_FALSE(coco_string_endswith(u"asm", u".asm"));
  EXPECT_FALSE(coco_string_endswith(u"file.asx", u".asm"));
  EXPECT_EQ(coco_string_length(nullptr), 0);
  EXPECT_EQ(coco_string_length(u"abc"), 3);
  EXPECT_EQ(coco_string_compareto(u"abc", u"abc"), 0);
  EXPECT_LT(coco_string_compareto(u"ab", u"abc"), 0);
  EXPECT_GT(coco_string_compareto(u"abc", u"ab"), 0);
  EXPECT_LT(coco_string_compareto(u"abc", u"abd"), 0);
  // Characters compare unsigned: 0xFFFF sorts after 'a'.
  EXPECT_GT(coco_string_compareto(u"\xFFFF", u"a"), 0);
  EXPECT_TRUE(coco_string_equal(u"x", u"x"));
  EXPECT_FALSE(coco_string_equal(u"x", u"X"));
}

TEST(PathHelpers, BaseDirectory) {
  EXPECT_EQ(Tolvex::getBaseDirectory("dir/sub\\file.asm"), "dir/sub\\");
  EXPECT_EQ(Tolvex::getBaseDirectory("dir\\sub/file.asm"), "dir\\sub/");
  EXPECT_EQ(Tolvex::getBaseDirectory("file.asm"), "");
  EXPECT_EQ(Tolvex::getBaseDirectory("dir\\"), "dir\\");
  EXPECT_EQ(Tolvex::getBaseDirectory("/file.asm"), "/");
  EXPECT_EQ(Tolvex::getBaseDirectory(""), "");
}

TEST(PathHelpers, NormalizeTurnsBackslashes) {
  EXPECT_EQ(Tolvex::normalizePath("a\\b\\c.inc"), "a/b/c.inc");
  EXPECT_EQ(Tolvex::normalizePath("a/b\\\\c/./../D.inc"), "a/b//c/./../D.inc");
  EXPECT_EQ(Tolvex::normalizePath(""), "");
}

TEST(PathHelpers, NarrowWideRoundTrip) {
  std::string bytes("a\xE9\x00\xFF", 4);
  wstring wide = Tolvex::getwstring(std::string_view(bytes));
  ASSERT_EQ(wide.size(), 4u);
  EXPECT_EQ(wide[1], 0x00E9);
  EXPECT_EQ(wide[2], 0);
  EXPECT_EQ(Tolvex::getstring(Tolvex::wstring_view(wide)), bytes);
  EXPECT_EQ(Tolvex::getstring(Tolvex::wstring_view(u"\x0141\x20AC")), "A\xAC");
}

} // namespace
