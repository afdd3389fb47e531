#include "diag/Diagnostics.h"

#include <gtest/gtest.h>

#include <string>

#include "diag/Fatal.h"
#include "support/ByteWriter.h"

using namespace Tolvex;

namespace {

// Whatever f writes to standard error.
template <class F> std::string stderrOf(F f) {
  stderrWriter().flush();
  ::testing::internal::CaptureStderr();
  f();
  stderrWriter().flush();
  return ::testing::internal::GetCapturedStderr();
}

// Gives the reporter a fresh cerrors and takes it away again.
class DiagnosticsTest : public ::testing::Test {
protected:
  void SetUp() override { cerrors = &errs; }
  void TearDown() override { cerrors = nullptr; }
  CErrors errs;
  Errors reporter;
};

PLocation at(const wstring& file, int line, int col = 1) { return PLocation(new CLocation{file, line, col}); }

TEST(SyntaxMessages, KindNames) {
  static const char* const names[] = {
      "EOF",          "ident",      "newline",  "whitespace", "intCon",    "charCon",  "stringCon",
      "atat",         "unique",     "join",     "dot",        "comma",     "colon",    "semicolon",
      "add",          "sub",        "inv",      "not",        "and",       "or",       "xor",
      "land",         "lor",        "eq",       "ne",         "lt",        "gt",       "le",
      "ge",           "shl",        "shr",      "lpar",       "rpar",      "hash",     "tinclude",
      "tdefine",      "tundef",     "tmacro",   "tendmacro",  "tif",       "telse",    "telif",
      "tendif",       "tifdef",     "tifndef",  "thide",      "tunhide",   "trept",    "tendrept",
      "teval",        "tdef",       "tenddef",  "tsched",     "tendsched", "tdeclare", "tfunction",
      "tendfunction", "tpushblock", "tpopblock"};
  static_assert(sizeof names / sizeof names[0] == 59);
  for (int n = 0; n < 59; ++n)
    EXPECT_EQ(getstring(Errors::message(n)), std::string(names[n]) + " expected") << n;
}

TEST(SyntaxMessages, QuotedLiterals) {
  EXPECT_EQ(Errors::message(59), u"\"?\" expected");
  EXPECT_EQ(Errors::message(60), u"\"*\" expected");
  EXPECT_EQ(Errors::message(61), u"\"/\" expected");
  EXPECT_EQ(Errors::message(62), u"\"%\" expected");
  EXPECT_EQ(Errors::message(63), u"\"defined\" expected");
  EXPECT_EQ(Errors::message(64), u"\"$$rubbishmagic\" expected");
  EXPECT_EQ(Errors::message(65), u"\"$$tolvexmagic\" expected");
  EXPECT_EQ(Errors::message(66), u"??? expected");
}

TEST(SyntaxMessages, RuleNames) {
  static const char16_t* const rules[] = {
      u"Separator",     u"BinaryCmpOp",   u"BinaryRelOp",     u"BinaryShiftOp", u"BinaryAddOp",
      u"BinaryMulOp",   u"UnaryExpr",     u"UnaryOp",         u"PrimaryExpr",   u"MacroDirective",
      u"ReptDirective", u"CondDirective", u"PreprocDirective"};
  for (int n = 67; n <= 79; ++n)
    EXPECT_EQ(Errors::message(n), u"invalid " + wstring(rules[n - 67])) << n;
}

TEST(SyntaxMessages, BeyondTheTable) {
  EXPECT_EQ(Errors::message(80), u"error 80");
  EXPECT_EQ(Errors::message(4660), u"error 4660");
  EXPECT_EQ(Errors::message(-1), u"error -1");
}

TEST_F(DiagnosticsTest, SynErrLine) {
  std::string out = stderrOf([&] { reporter.SynErr(at(u"f.asm", 3, 9), u"x", 3, 9, 12); });
  EXPECT_EQ(out, "f.asm(3) : error 000C: syntax error : colon expected at \"x\"\n");
  EXPECT_EQ(reporter.count, 1);
  EXPECT_EQ(errs.errCount, 1);
  EXPECT_EQ(errs.warnCount, 0);
}

TEST_F(DiagnosticsTest, SynErrWithoutLocation) {
  std::string out = stderrOf([&] { reporter.SynErr(PLocation(), u"\n", 1, 1, 79); });
  EXPECT_EQ(out, " : error 004F: syntax error : invalid PreprocDirective at \"\n\"\n");
}

TEST_F(DiagnosticsTest, SynErrNumbersInHex) {
  std::string out = stderrOf([&] {
    reporter.SynErr(at(u"a", 1), u"q", 1, 1, 66);
    reporter.SynErr(at(u"a", 2), u"q", 1, 1, 80);
    reporter.SynErr(at(u"a", 3), u"q", 1, 1, 0xABCD);
  });
  EXPECT_EQ(out, "a(1) : error 0042: syntax error : ??? expected at \"q\"\n"
                 "a(2) : error 0050: syntax error : error 80 at \"q\"\n"
                 "a(3) : error ABCD: syntax error : error 43981 at \"q\"\n");
  EXPECT_EQ(reporter.count, 3);
  EXPECT_EQ(errs.errCount, 3);
}

// The message is cut, the location and the line end are not.
TEST_F(DiagnosticsTest, LongMessageIsCut) {
  wstring text(3000, u'y');
  std::string out = stderrOf([&] { reporter.SynErr(at(u"f.asm", 3), text, 3, 1, 12); });
  std::string head = "f.asm(3) : error 000C: ";
  ASSERT_EQ(out.substr(0, head.size()), head);
  std::string message = out.substr(head.size());
  ASSERT_FALSE(message.empty());
  EXPECT_EQ(message.back(), '\n');
  message.pop_back();
  EXPECT_EQ(message.size(), 1023u);
  EXPECT_EQ(message.substr(0, 39), "syntax error : colon expected at \"yyyyy");
}

// Characters above 255 leave as UTF-8, lower ones as their byte.
TEST_F(DiagnosticsTest, WideTextEncoding) {
  std::string out = stderrOf([&] { errs.error(at(u"\xE9.asm", 1), CErrors::ErrNo(1), u"\x20AC"); });
  EXPECT_EQ(out, "\xE9.asm(1) : error 0001: \xE2\x82\xAC\n");
}

TEST_F(DiagnosticsTest, OtherReportForms) {
  std::string out = stderrOf([&] {
    errs.warning(u"w1");
    errs.error(u"e1");
    errs.warning(at(u"g.asm", 7), CErrors::ErrNo(5), u"w2");
    errs.error(CErrors::ErrNo(0x51), u"e2");
    errs.location = at(u"own.asm", 4);
    errs.warning(CErrors::ErrNo(2), u"w3");
  });
  EXPECT_EQ(out, " warning: w1\n"
                 " : error: e1\n"
                 "g.asm(7) : warning 0005: w2\n"
                 " : error 0051: e2\n"
                 "own.asm(4) : warning 0002: w3\n");
  EXPECT_EQ(errs.errCount, 2);
  EXPECT_EQ(errs.warnCount, 3);
}

TEST_F(DiagnosticsTest, FatalEndsTheRun) {
  int status = -1;
  std::string out = stderrOf([&] {
    try {
      errs.fatal(u"broken");
    } catch (const FatalExit& e) {
      status = e.status;
    }
  });
  EXPECT_EQ(status, 1);
  EXPECT_EQ(out, "Internal Error: broken\n");
  EXPECT_EQ(errs.errCount, 0);
}

TEST(Loc2Str, FileAndLineOnly) {
  EXPECT_EQ(loc2str(PLocation()), u"");
  EXPECT_EQ(loc2str(at(u"dir/a b.asm", 12, 40)), u"dir/a b.asm(12)");
  EXPECT_EQ(loc2str(at(u"", 0)), u"(0)");
  EXPECT_EQ(loc2str(at(u"x", -2147483647 - 1)), u"x(-2147483648)");
}

} // namespace
