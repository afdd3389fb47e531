#include "lex/Scanner.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

#include "diag/Fatal.h"
#include "support/ByteWriter.h"
#include "support/TestSupport.h"

using namespace Tolvex;
using namespace Tolvex::testing;
using namespace std::string_literals;

namespace {

struct Tok {
  int kind;
  wstring text;
  bool operator==(const Tok&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Tok& t) {
  os << t.kind << " \"";
  for (wchar c : t.text) {
    if (c >= 0x20 && c < 0x7F)
      os << char(c);
    else
      os << "\\u" << std::hex << int(c) << std::dec;
  }
  return os << "\"";
}

// Every token up to, not including, the end-of-file token.
std::vector<Tok> scan(const wstring& src) {
  TokenArena arena;
  Scanner s(src.data(), int(src.size()), arena);
  std::vector<Tok> out;
  for (Token* t = s.Scan(); t->kind != _EOF; t = s.Scan())
    out.push_back({t->kind, wstring(t->text())});
  return out;
}

struct Case {
  const char* name;
  wstring src;
  std::vector<Tok> tokens;
};

class ScannerKinds : public ::testing::TestWithParam<Case> {};

TEST_P(ScannerKinds, Tokens) { EXPECT_EQ(scan(GetParam().src), GetParam().tokens); }

std::string caseName(const ::testing::TestParamInfo<Case>& info) { return info.param.name; }

const Tok ws{_whitespace, u" "};
const Tok lf{_newline, u"\n"};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Words, ScannerKinds, ::testing::Values(
    Case{"Identifiers", u"abc _x1 Z9_", {{_ident, u"abc"}, ws, {_ident, u"_x1"}, ws, {_ident, u"Z9_"}}},
    Case{"Defined", u"defined Defined definedx", {{_defined, u"defined"}, ws, {_ident, u"Defined"}, ws, {_ident, u"definedx"}}},
    Case{"HashAndDot", u"#include .macro", {{_hash, u"#"}, {_ident, u"include"}, ws, {_dot, u"."}, {_ident, u"macro"}}},
    Case{"DefineLine", u"--define FOO 0x10\r\n", {{_tdefine, u"--define"}, ws, {_ident, u"FOO"}, ws, {_intCon, u"0x10"}, {_newline, u"\r\n"}}}
), caseName);

INSTANTIATE_TEST_SUITE_P(Layout, ScannerKinds, ::testing::Values(
    Case{"LineFeed", u"a\nb", {{_ident, u"a"}, lf, {_ident, u"b"}}},
    Case{"CrLf", u"\r\n", {{_newline, u"\r\n"}}},
    Case{"CrCrLf", u"\r\r\n", {lf, {_newline, u"\r\n"}}},
    Case{"LoneCr", u"a\rb\r", {{_ident, u"a"}, lf, {_ident, u"b"}, lf}},
    Case{"LfLf", u"\n\n", {lf, lf}},
    Case{"BlankRun", u" \t\v\f x", {{_whitespace, u" \t\v\f "}, {_ident, u"x"}}},
    Case{"BlanksAroundBreak", u"  \n\t", {{_whitespace, u"  "}, lf, {_whitespace, u"\t"}}}
), caseName);

INSTANTIATE_TEST_SUITE_P(Integers, ScannerKinds, ::testing::Values(
    Case{"Decimal", u"123 0 007 08", {{_intCon, u"123"}, ws, {_intCon, u"0"}, ws, {_intCon, u"007"}, ws, {_intCon, u"08"}}},
    Case{"Hex", u"0x1Fu 0X1f 0xabcdefABCDEF", {{_intCon, u"0x1Fu"}, ws, {_intCon, u"0X1f"}, ws, {_intCon, u"0xabcdefABCDEF"}}},
    Case{"Suffixes", u"1u 2U 3l 4L 5ul 6UL 7lu 8LU 0x9lU", {{_intCon, u"1u"}, ws, {_intCon, u"2U"}, ws, {_intCon, u"3l"}, ws, {_intCon, u"4L"}, ws, {_intCon, u"5ul"}, ws, {_intCon, u"6UL"}, ws, {_intCon, u"7lu"}, ws, {_intCon, u"8LU"}, ws, {_intCon, u"0x9lU"}}},
    Case{"LettersAfter", u"12abc", {{_intCon, u"12"}, {_ident, u"abc"}}},
    Case{"OneSuffixOnly", u"10ULL 1uu 1ll", {{_intCon, u"10UL"}, {_ident, u"L"}, ws, {_intCon, u"1u"}, {_ident, u"u"}, ws, {_intCon, u"1l"}, {_ident, u"l"}}},
    Case{"HexWithoutDigit", u"0xg", {{_noSym, u"0x"}, {_ident, u"g"}}},
    Case{"HexAtEnd", u"0X", {{_noSym, u"0X"}}},
    Case{"HexNotContinuedByPeriod", u"0x1.5", {{_intCon, u"0x1"}, {_dot, u"."}, {_intCon, u"5"}}},
    Case{"SuffixNotContinuedByPeriod", u"12u.5", {{_intCon, u"12u"}, {_dot, u"."}, {_intCon, u"5"}}}
), caseName);

// Digits, a period and what follows: one constant, the digits alone, or an
// incomplete token.
INSTANTIATE_TEST_SUITE_P(IntegerContext, ScannerKinds, ::testing::Values(
    Case{"PeriodDigit", u"1.5", {{_noSym, u"1."}, {_intCon, u"5"}}},
    Case{"PeriodAtEnd", u"1.", {{_noSym, u"1."}}},
    Case{"LetterDigits", u"1.x5", {{_intCon, u"1.x5"}}},
    Case{"LetterDigitsSuffix", u"1.x55ul+", {{_intCon, u"1.x55ul"}, {_add, u"+"}}},
    Case{"LetterSuffix", u"1.xu 1.xLu", {{_intCon, u"1.xu"}, ws, {_intCon, u"1.xLu"}}},
    Case{"LetterAlone", u"1.x", {{_intCon, u"1"}, {_dot, u"."}, {_ident, u"x"}}},
    Case{"LetterThenLetter", u"12.xy", {{_intCon, u"12"}, {_dot, u"."}, {_ident, u"xy"}}},
    Case{"TwoPeriodsBlank", u"3.. ", {{_intCon, u"3"}, {_dot, u"."}, {_dot, u"."}, ws}},
    Case{"TwoPeriodsDigit", u"3..5", {{_intCon, u"3..5"}}},
    Case{"LeadingZero", u"007.x", {{_intCon, u"007"}, {_dot, u"."}, {_ident, u"x"}}},
    Case{"LineBreakDigit", u"1.\n2", {{_intCon, u"1.\n2"}}},
    Case{"LineBreakLetter", u"1.\nx", {{_intCon, u"1"}, {_dot, u"."}, lf, {_ident, u"x"}}},
    Case{"LoneCrLetter", u"1.\rx", {{_intCon, u"1"}, {_dot, u"."}, lf, {_ident, u"x"}}}
), caseName);

INSTANTIATE_TEST_SUITE_P(CharConstants, ScannerKinds, ::testing::Values(
    Case{"Plain", u"'a' ' '", {{_charCon, u"'a'"}, ws, {_charCon, u"' '"}}},
    Case{"Escapes", u"'\\n''\\'''\\\\''\\0''\\\"'", {{_charCon, u"'\\n'"}, {_charCon, u"'\\''"}, {_charCon, u"'\\\\'"}, {_charCon, u"'\\0'"}, {_charCon, u"'\\\"'"}}},
    Case{"Hex", u"'\\x41' '\\x4142'", {{_charCon, u"'\\x41'"}, ws, {_charCon, u"'\\x4142'"}}},
    Case{"Unicode", u"'\\u00e9' '\\U0001F600'", {{_charCon, u"'\\u00e9'"}, ws, {_charCon, u"'\\U0001F600'"}}},
    Case{"UnknownEscape", u"'\\q'", {{_noSym, u"'\\"}, {_ident, u"q"}, {_noSym, u"'"}}},
    Case{"ShortUnicode", u"'\\u00e'", {{_noSym, u"'\\u00e"}, {_noSym, u"'"}}},
    Case{"TwoQuotes", u"''a'", {{_noSym, u"'"}, {_charCon, u"'a'"}}},
    Case{"TwoQuotesAtEnd", u"''", {{_noSym, u"'"}, {_noSym, u"'"}}},
    Case{"CutByLineBreak", u"'a\n'\n", {{_noSym, u"'a"}, lf, {_noSym, u"'"}, lf}},
    Case{"TwoCharacters", u"'ab'", {{_noSym, u"'a"}, {_ident, u"b"}, {_noSym, u"'"}}}
), caseName);

INSTANTIATE_TEST_SUITE_P(Strings, ScannerKinds, ::testing::Values(
    Case{"Plain", u"\"a b\"\"\"", {{_stringCon, u"\"a b\""}, {_stringCon, u"\"\""}}},
    Case{"Escapes", u"\"\\\"x\\\\\\t\"", {{_stringCon, u"\"\\\"x\\\\\\t\""}}},
    Case{"HexRunsOn", u"\"\\x41zz\\x4\"", {{_stringCon, u"\"\\x41zz\\x4\""}}},
    Case{"HexWithoutDigit", u"\"\\x\"", {{_noSym, u"\"\\x"}, {_noSym, u"\""}}},
    Case{"UnknownEscape", u"\"\\q\"", {{_noSym, u"\"\\"}, {_ident, u"q"}, {_noSym, u"\""}}},
    Case{"CutByLineBreak", u"\"abc\r\nx", {{_noSym, u"\"abc"}, {_newline, u"\r\n"}, {_ident, u"x"}}},
    Case{"CutByEnd", u"\"abc", {{_noSym, u"\"abc"}}},
    Case{"Verbatim", u"@\"a\"\"b\"", {{_stringCon, u"@\"a\"\"b\""}}},
    Case{"VerbatimLines", u"@\"x\r\ny\nz\" q", {{_stringCon, u"@\"x\r\ny\nz\""}, ws, {_ident, u"q"}}},
    Case{"VerbatimLoneCr", u"@\"a\rb\"", {{_stringCon, u"@\"a\nb\""}}},
    Case{"VerbatimCutByEnd", u"@\"ab\"\"", {{_noSym, u"@\"ab\"\""}}},
    Case{"VerbatimEmpty", u"@\"\"", {{_stringCon, u"@\"\""}}}
), caseName);

INSTANTIATE_TEST_SUITE_P(Symbols, ScannerKinds, ::testing::Values(
    Case{"AtAndBackslash", u"@@ \\@ \\/", {{_atat, u"@@"}, ws, {_unique, u"\\@"}, ws, {_join, u"\\/"}}},
    Case{"LoneAt", u"@x@@@", {{_noSym, u"@"}, {_ident, u"x"}, {_atat, u"@@"}, {_noSym, u"@"}}},
    Case{"LoneBackslash", u"\\x\\", {{_noSym, u"\\"}, {_ident, u"x"}, {_noSym, u"\\"}}},
    Case{"OneChar", u".,:;+~^()#?*%-!&|<>/",
         {{_dot, u"."}, {_comma, u","}, {_colon, u":"}, {_semicolon, u";"}, {_add, u"+"}, {_inv, u"~"},
          {_xor, u"^"}, {_lpar, u"("}, {_rpar, u")"}, {_hash, u"#"}, {_question, u"?"}, {_star, u"*"},
          {_percent, u"%"}, {_sub, u"-"}, {_not, u"!"}, {_and, u"&"}, {_or, u"|"}, {_lt, u"<"},
          {_gt, u">"}, {_slash, u"/"}}},
    Case{"TwoChar", u"&& || == != <= >= << >>", {{_land, u"&&"}, ws, {_lor, u"||"}, ws, {_eq, u"=="}, ws, {_ne, u"!="}, ws, {_le, u"<="}, ws, {_ge, u">="}, ws, {_shl, u"<<"}, ws, {_shr, u">>"}}},
    Case{"NoFallBack", u"!== === <<= >>= =", {{_ne, u"!="}, {_noSym, u"="}, ws, {_eq, u"=="}, {_noSym, u"="}, ws, {_shl, u"<<"}, {_noSym, u"="}, ws, {_shr, u">>"}, {_noSym, u"="}, ws, {_noSym, u"="}}},
    Case{"Triples", u"&&&|||<>", {{_land, u"&&"}, {_and, u"&"}, {_lor, u"||"}, {_or, u"|"}, {_lt, u"<"}, {_gt, u">"}}},
    Case{"Magic", u"$$rubbishmagic $$tolvexmagicx", {{_rubbishmagic, u"$$rubbishmagic"}, ws, {_tolvexmagic, u"$$tolvexmagic"}, {_ident, u"x"}}},
    Case{"NoMagic", u"$ $$x $$tolv $", {{_noSym, u"$"}, ws, {_noSym, u"$$"}, {_ident, u"x"}, ws, {_noSym, u"$$tolv"}, ws, {_noSym, u"$"}}},
    Case{"OtherCharacters", u"`[]{}\x01\0"s, {{_noSym, u"`"}, {_noSym, u"["}, {_noSym, u"]"}, {_noSym, u"{"}, {_noSym, u"}"}, {_noSym, u"\x01"}, {_noSym, u"\0"s}}},
    Case{"AboveAscii", u"\xE9\x7F\x80\x20AC" u"a\xFEFF", {{_noSym, u"\xE9"}, {_noSym, u"\x7F"}, {_noSym, u"\x80"}, {_noSym, u"\x20AC"}, {_ident, u"a"}, {_noSym, u"\xFEFF"}}}
), caseName);

INSTANTIATE_TEST_SUITE_P(Directives, ScannerKinds, ::testing::Values(
    Case{"Words1", u"--include --define --undef --macro --endmacro --if --else --elif --endif --ifdef --ifndef --hide --unhide",
         {{_tinclude, u"--include"}, ws, {_tdefine, u"--define"}, ws, {_tundef, u"--undef"}, ws, {_tmacro, u"--macro"}, ws,
          {_tendmacro, u"--endmacro"}, ws, {_tif, u"--if"}, ws, {_telse, u"--else"}, ws, {_telif, u"--elif"}, ws,
          {_tendif, u"--endif"}, ws, {_tifdef, u"--ifdef"}, ws, {_tifndef, u"--ifndef"}, ws, {_thide, u"--hide"}, ws,
          {_tunhide, u"--unhide"}}},
    Case{"Words2", u"--rept --endrept --eval --def --enddef --sched --endsched --declare --function --endfunction --pushblock --popblock",
         {{_trept, u"--rept"}, ws, {_tendrept, u"--endrept"}, ws, {_teval, u"--eval"}, ws, {_tdef, u"--def"}, ws,
          {_tenddef, u"--enddef"}, ws, {_tsched, u"--sched"}, ws, {_tendsched, u"--endsched"}, ws,
          {_tdeclare, u"--declare"}, ws, {_tfunction, u"--function"}, ws, {_tendfunction, u"--endfunction"}, ws,
          {_tpushblock, u"--pushblock"}, ws, {_tpopblock, u"--popblock"}}},
    Case{"WordEndsToken", u"--ifx --defines --endifx --evalu", {{_tif, u"--if"}, {_ident, u"x"}, ws, {_tdefine, u"--define"}, {_ident, u"s"}, ws, {_tendif, u"--endif"}, {_ident, u"x"}, ws, {_teval, u"--eval"}, {_ident, u"u"}}},
    Case{"LongerWordWins", u"--ifdefx --ifndef( --def(", {{_tifdef, u"--ifdef"}, {_ident, u"x"}, ws, {_tifndef, u"--ifndef"}, {_lpar, u"("}, ws, {_tdef, u"--def"}, {_lpar, u"("}}},
    Case{"IncompleteWord", u"--ifnx --enx --defix", {{_noSym, u"--ifn"}, {_ident, u"x"}, ws, {_noSym, u"--en"}, {_ident, u"x"}, ws, {_noSym, u"--defi"}, {_ident, u"x"}}},
    Case{"LowerCaseOnly", u"--Include", {{_noSym, u"--"}, {_ident, u"Include"}}},
    Case{"Dashes", u"-- --- - -1", {{_noSym, u"--"}, ws, {_noSym, u"--"}, {_sub, u"-"}, ws, {_sub, u"-"}, ws, {_sub, u"-"}, {_intCon, u"1"}}},
    Case{"IncompleteAtEnd", u"--unhid", {{_noSym, u"--unhid"}}}
), caseName);

// Line comments are tokens (kind 67); block comments vanish and give back
// their line feeds.
INSTANTIATE_TEST_SUITE_P(Comments, ScannerKinds, ::testing::Values(
    Case{"Slash", u"a/b", {{_ident, u"a"}, {_slash, u"/"}, {_ident, u"b"}}},
    Case{"LineComment", u"a//c\n", {{_ident, u"a"}, {_ccomment, u"//c"}, lf}},
    Case{"LineCommentCrLf", u"//x /* y\r\nz", {{_ccomment, u"//x /* y"}, {_newline, u"\r\n"}, {_ident, u"z"}}},
    Case{"LineCommentLoneCr", u"//x\ry", {{_ccomment, u"//x"}, lf, {_ident, u"y"}}},
    Case{"LineCommentAtEnd", u"//", {{_ccomment, u"//"}}},
    Case{"Block", u"a/*x\ny*/b", {{_ident, u"a"}, lf, {_ident, u"b"}}},
    Case{"BlockSplitsNothing", u"a/**/b", {{_ident, u"a"}, {_ident, u"b"}}},
    Case{"BlockTwoLines", u"/*\r\n\n*/\n", {lf, lf, lf}},
    Case{"BlockLoneCr", u"/*\r*/x", {{_ident, u"x"}}},
    Case{"SlashStarSlashDoesNotClose", u"/*/ x */y", {{_ident, u"y"}}},
    Case{"StarsClose", u"/***/z/* ** / */q", {{_ident, u"z"}, {_ident, u"q"}}},
    Case{"Consecutive", u"/*a*//*b*/c", {{_ident, u"c"}}},
    Case{"Unterminated", u"a/* x\n\n y", {{_ident, u"a"}}},
    Case{"UnterminatedStar", u"a/* x*", {{_ident, u"a"}}},
    Case{"SlashSpaceStar", u"a/ *", {{_ident, u"a"}, {_slash, u"/"}, ws, {_star, u"*"}}},
    Case{"InsideString", u"\"/*\"*/", {{_stringCon, u"\"/*\""}, {_star, u"*"}, {_slash, u"/"}}}
), caseName);
// clang-format on

TEST(ScannerEnd, EmptySourceFromMemory) {
  TokenArena arena;
  Scanner s(u"", 0, arena);
  Token* t = s.Scan();
  EXPECT_EQ(t->kind, _EOF);
  EXPECT_EQ(t->text(), u"");
  EXPECT_EQ(t->line, 1);
  EXPECT_EQ(t->col, 1);
  EXPECT_EQ(t->fileName->text, u"UNKNOWN");
}

TEST(ScannerEnd, EmptyFileKeepsItsName) {
  std::string path = ::testing::TempDir() + "tolvex-scan-empty-" + std::to_string(::getpid()) + ".asm";
  std::fclose(std::fopen(path.c_str(), "wb"));
  {
    TokenArena arena;
    Scanner s(getwstring(std::string_view(path)), 0, arena);
    Token* t = s.Scan();
    EXPECT_EQ(t->kind, _EOF);
    EXPECT_EQ(t->line, 1);
    EXPECT_EQ(t->col, 1);
    EXPECT_EQ(t->fileName->text, getwstring(std::string_view(path)));
    Token* again = s.Scan();
    EXPECT_EQ(again->kind, _EOF);
  }
  std::remove(path.c_str());
}

TEST(ScannerEnd, AfterTextAndForever) {
  TokenArena arena;
  Scanner s(u"ab\n", 3, arena);
  s.Scan();
  s.Scan();
  for (int i = 0; i < 3; ++i) {
    Token* t = s.Scan();
    EXPECT_EQ(t->kind, _EOF);
    EXPECT_EQ(t->text(), u"");
    EXPECT_EQ(t->line, 0);
    EXPECT_EQ(t->col, 0);
    EXPECT_EQ(t->fileName->text, u"EOF");
  }
}

struct Place {
  int kind, line, col;
  bool operator==(const Place&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Place& p) {
  return os << "{" << p.kind << " at " << p.line << ":" << p.col << "}";
}

std::vector<Place> places(const wstring& src) {
  TokenArena arena;
  Scanner s(src.data(), int(src.size()), arena);
  std::vector<Place> out;
  for (Token* t = s.Scan(); t->kind != _EOF; t = s.Scan())
    out.push_back({t->kind, t->line, t->col});
  return out;
}

// Only a line feed ends a line; a lone carriage return reads as one but the
// next character still counts on the same line.
TEST(ScannerPlaces, LinesAndColumns) {
  EXPECT_EQ(places(u"ab cd\n  ef\r\ngh\rij"), (std::vector<Place>{{_ident, 1, 1},
                                                                  {_whitespace, 1, 3},
                                                                  {_ident, 1, 4},
                                                                  {_newline, 1, 6},
                                                                  {_whitespace, 2, 1},
                                                                  {_ident, 2, 3},
                                                                  {_newline, 2, 5},
                                                                  {_ident, 3, 1},
                                                                  {_newline, 3, 3},
                                                                  {_ident, 3, 4}}));
}

// The line feeds of a block comment stand where the comment closes.
TEST(ScannerPlaces, BlockCommentLineFeeds) {
  EXPECT_EQ(places(u"a/*x\ny*/b"), (std::vector<Place>{{_ident, 1, 1}, {_newline, 2, 3}, {_ident, 2, 4}}));
  EXPECT_EQ(places(u"a /*\n\n  */ b\nc"), (std::vector<Place>{{_ident, 1, 1},
                                                              {_whitespace, 1, 2},
                                                              {_newline, 3, 4},
                                                              {_newline, 3, 4},
                                                              {_whitespace, 3, 5},
                                                              {_ident, 3, 6},
                                                              {_newline, 3, 7},
                                                              {_ident, 4, 1}}));
}

// Giving back the period and the character after it restores the line count.
TEST(ScannerPlaces, IntegerContextGivesBack) {
  EXPECT_EQ(places(u"1.\nx y"), (std::vector<Place>{{_intCon, 1, 1},
                                                    {_dot, 1, 2},
                                                    {_newline, 1, 3},
                                                    {_ident, 2, 1},
                                                    {_whitespace, 2, 2},
                                                    {_ident, 2, 3}}));
  EXPECT_EQ(places(u" 22.x"),
            (std::vector<Place>{{_whitespace, 1, 1}, {_intCon, 1, 2}, {_dot, 1, 4}, {_ident, 1, 5}}));
}

TEST(ScannerPlaces, CharactersAfterBlockCommentKeepColumns) {
  EXPECT_EQ(places(u"/* c */x\ny"), (std::vector<Place>{{_ident, 1, 8}, {_newline, 1, 9}, {_ident, 2, 1}}));
}

// Peek looks further ahead at each call and passes over comments; Scan then
// delivers the same tokens, comments included.
TEST(ScannerPeek, SkipsCommentsThenScanRepeats) {
  TokenArena arena;
  const wstring src = u"a // c\nb";
  Scanner s(src.data(), int(src.size()), arena);
  Token* p1 = s.Peek();
  Token* p2 = s.Peek();
  Token* p3 = s.Peek();
  Token* p4 = s.Peek();
  Token* p5 = s.Peek();
  EXPECT_EQ(p1->kind, _ident);
  EXPECT_EQ(p2->kind, _whitespace);
  EXPECT_EQ(p3->kind, _newline);
  EXPECT_EQ(p4->kind, _ident);
  EXPECT_EQ(p5->kind, _EOF);
  EXPECT_EQ(s.Scan(), p1);
  EXPECT_EQ(s.Scan(), p2);
  Token* comment = s.Scan();
  EXPECT_EQ(comment->kind, _ccomment);
  EXPECT_EQ(comment->text(), u"// c");
  EXPECT_EQ(s.Scan(), p3);
  s.ResetPeek();
  EXPECT_EQ(s.Peek(), p4);
  EXPECT_EQ(s.Scan(), p4);
  EXPECT_EQ(s.Scan()->kind, _EOF);
}

TEST(ScannerPeek, ResetStartsAfterLastScan) {
  TokenArena arena;
  Scanner s(u"a b", 3, arena);
  Token* a = s.Scan();
  EXPECT_EQ(a->text(), u"a");
  Token* blank = s.Peek();
  Token* b = s.Peek();
  EXPECT_EQ(b->text(), u"b");
  s.ResetPeek();
  EXPECT_EQ(s.Peek(), blank);
  EXPECT_EQ(s.Scan(), blank);
  EXPECT_EQ(s.Scan(), b);
}


TEST(ScannerLimits, LongestTokenAccepted) {
  wstring src(524287, u'a');
  src += u" b";
  std::vector<Tok> tokens;
  FatalRun r = runFatal([&] { tokens = scan(src); });
  EXPECT_EQ(r.status, -1);
  ASSERT_EQ(tokens.size(), 3u);
  EXPECT_EQ(tokens[0].kind, _ident);
  EXPECT_EQ(tokens[0].text.size(), 524287u);
  EXPECT_EQ(tokens[2], (Tok{_ident, u"b"}));
}

TEST(ScannerLimits, OneMoreIsFatal) {
  for (wstring src : {u"//" + wstring(524286, u'c'), wstring(524288, u' ')}) {
    FatalRun r = runFatal([&] { scan(src); });
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "--- Too long token value\n");
    EXPECT_EQ(r.err, "");
  }
}

} // namespace

namespace {

// A table in which no name is a macro, though it may hold some (anyName).
struct NoNameExpands : NameFilter {
  bool anyName;
  explicit NoNameExpands(bool anyName) : anyName(anyName) {}
  bool mayExpand(wstring_view) const override { return false; }
  bool any() const override { return anyName; }
  uint64_t changes() const override { return 0; }
};

// Texts drawn from an alphabet, the same in every run of a test.
struct RandomText {
  wstring alphabet;
  unsigned seed;
  unsigned draw() { return (seed = seed * 1103515245 + 12345) >> 16; }
  wstring of(unsigned len) {
    wstring text;
    for (; len > 0; --len)
      text += alphabet[draw() % alphabet.size()];
    return text;
  }
};

} // namespace

// A plain run must stand for exactly the tokens the scanner cuts from the same
// text: random lines over an alphabet rich in the cases that end runs.
TEST(ScannerPlainRuns, AgreeWithTheScanner) {
  RandomText random{u"aZ_9 0x1uL.-/*=<>&|!;#\"@$\\\t[`\x80\xFF\x100\r", 12345};
  int runs = 0;
  for (int n = 0; n < 20000; ++n) {
    wstring line = random.of(random.draw() % 12);
    // Text that ends with a line end is scanned without checks of the limit:
    // the same answer as where another character follows.
    wstring ended = line + u"\n", followed = line + u"\nx";
    int endedTokens = 0, followedTokens = 0;
    ASSERT_EQ(Scanner::plainRunEnd(ended.data(), 0, int(ended.size()), false, nullptr, &endedTokens),
              Scanner::plainRunEnd(followed.data(), 0, int(followed.size()), false, nullptr, &followedTokens));
    ASSERT_EQ(endedTokens, followedTokens);
    int tokens = 0;
    int end = Scanner::plainRunEnd(line.data(), 0, int(line.size()), true, nullptr, &tokens);
    if (end < 0)
      continue;
    ++runs;
    std::vector<Tok> scanned = scan(line);
    ASSERT_EQ(int(scanned.size()), tokens) << "line " << Tok{0, line};
    std::vector<wstring_view> names;
    Scanner::namesIn(line, names);
    auto name = names.begin();
    for (const Tok& t : scanned) {
      EXPECT_TRUE(t.kind <= kMaxT && t.kind != _newline && t.kind != _stringCon && t.kind != _charCon &&
                  t.kind != _hash && t.kind != _semicolon && (t.kind < _tinclude || t.kind > _tpopblock))
          << "line " << Tok{0, line} << " token " << t;
      if (t.kind == _ident || t.kind == _defined) {
        ASSERT_NE(name, names.end()) << "line " << Tok{0, line};
        EXPECT_EQ(wstring(*name++), t.text) << "line " << Tok{0, line};
      }
    }
    EXPECT_EQ(name, names.end()) << "line " << Tok{0, line};
  }
  EXPECT_GT(runs, 1000);
}

// With no name that can expand, a line is told a run by its characters
// alone: only where the scanner would cut the same run, counted alike.
TEST(ScannerPlainRuns, CharactersAloneAgree) {
  NoNameExpands none(false);
  RandomText random{u"aZ_9 0x1uL.-/*=<>&|!;\t[`\x80\xFF\x100", 4242};
  int runs = 0;
  for (int n = 0; n < 20000; ++n) {
    wstring text = random.of(random.draw() % 12) + u"\n";
    TokenArena arena;
    Scanner s(text.data(), int(text.size()), arena);
    Token* t = s.ScanRuns(&none);
    if (t->kind != _plainRun)
      continue;
    ++runs;
    int tokens = 0;
    int end = Scanner::plainRunEnd(text.data(), 0, int(text.size()), false, nullptr, &tokens);
    bool lineEnd = t->text().back() == u'\n';
    ASSERT_EQ(end, t->len - lineEnd) << Tok{0, text};
    EXPECT_EQ(s.lastRunTokens(), tokens + lineEnd) << Tok{0, text};
  }
  EXPECT_GT(runs, 1000);
}

// A macro argument of one such token is copied instead of scanned again.
TEST(ScannerAlone, OnlyTokensThatScanBackToThemselves) {
  RandomText random{u"aZ_9 0x1fuL.-", 777};
  int alone = 0;
  for (int n = 0; n < 20000; ++n) {
    wstring text = random.of(1 + random.draw() % 6);
    Token t;
    t.kind = uint8_t(random.draw() % 2 ? _ident : _intCon); // as a splice may have set it
    t.setText(text);
    if (!Scanner::scansAlone(t))
      continue;
    ++alone;
    ASSERT_EQ(scan(text), std::vector<Tok>{(Tok{t.kind, text})}) << Tok{t.kind, text};
  }
  EXPECT_GT(alone, 500);
  Token defined;
  defined.kind = _ident;
  defined.setText(u"defined");
  EXPECT_FALSE(Scanner::scansAlone(defined));
}

TEST(ScannerPlainRuns, EndAtLineFeedOrComment) {
  auto end = [](const wstring& s) { return Scanner::plainRunEnd(s.data(), 0, int(s.size()), false, nullptr); };
  EXPECT_EQ(end(u"mov rax, 1\nx"), 10);
  EXPECT_EQ(end(u"  add x // c\n"), 8);
  EXPECT_LT(end(u"mov rax"), 0);          // no line end
  EXPECT_LT(end(u"movrax\n"), 0);         // one token
  EXPECT_LT(end(u"a,b\n"), 0);            // no blanks
  EXPECT_LT(end(u"  --define x\n"), 0);   // a directive
  EXPECT_LT(end(u"x 1.5\n"), 0);          // the integer context rule
  EXPECT_LT(end(u"x /* c */\n"), 0);

  struct OnlyX : NameFilter {
    bool mayExpand(wstring_view name) const override { return name == u"X"; }
    bool any() const override { return true; }
    uint64_t changes() const override { return 0; }
  } onlyX;
  auto upTo = [&](const wstring& s) { return Scanner::plainRunEnd(s.data(), 0, int(s.size()), false, &onlyX); };
  EXPECT_EQ(upTo(u"  mov X, 1\n"), 5); // short of the token in front of the name
  EXPECT_EQ(upTo(u"a b c,X\n"), 5);
  EXPECT_LT(upTo(u"ab X\n"), 0); // "ab" alone is too short
  EXPECT_LT(upTo(u"  X\n"), 0);
  // The count given with a cut is that of the run it cuts.
  for (const wstring& line : {wstring(u"a b c,X\n"), wstring(u"  mov X, 1\n"), wstring(u"  a 0x1fL+b // c\n")}) {
    int tokens = -1;
    int cut = Scanner::plainRunEnd(line.data(), 0, int(line.size()), false, &onlyX, &tokens);
    ASSERT_GT(cut, 0);
    EXPECT_EQ(tokens, int(scan(line.substr(0, size_t(cut))).size())) << Tok{0, line};
  }
}

// After a condition's first operand the rest of its line is one run, names
// and all, with its line end, and it stands for the tokens the scanner cuts
// from it.
TEST(ScannerPlainRuns, RestOfACondition) {
  NoNameExpands none(true);
  wstring src = u"--if X * 2 > Y\n--elif (Y\n--if 1\n";
  TokenArena arena;
  Scanner s(src.data(), int(src.size()), arena);
  std::vector<Tok> out;
  for (Token* t = s.ScanRuns(&none); t->kind != _EOF; t = s.ScanRuns(&none)) {
    out.push_back({t->kind, wstring(t->text())});
    if (t->kind == _plainRun) {
      EXPECT_EQ(s.lastRunTokens(), int(scan(wstring(t->text())).size()));
    }
  }
  std::vector<Tok> expected{{_tif, u"--if"},   {_whitespace, u" "}, {_ident, u"X"},       {_plainRun, u" * 2 > Y\n"},
                            {_telif, u"--elif"}, {_whitespace, u" "}, {_lpar, u"("},
                            {_plainRun, u"Y\n"}, {_tif, u"--if"},      {_whitespace, u" "},
                            {_intCon, u"1"},   {_newline, u"\n"}};
  EXPECT_EQ(out, expected);

  bool blanks = false;
  Token run;
  run.setText(u"  Y > 1");
  EXPECT_TRUE(Scanner::runOpensWithName(run, blanks));
  EXPECT_TRUE(blanks);
  run.setText(u"* Y");
  EXPECT_FALSE(Scanner::runOpensWithName(run, blanks));
  EXPECT_FALSE(blanks);
}
