// Expression values, run through the whole program in-process: each
// expression becomes an "--eval(...)" line, and the output holds its value.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "driver/Driver.h"
#include "support/ByteWriter.h"

namespace {

struct RunResult {
  int status;
  std::string out, err;
};

// Runs tolvex on source with the extra arguments, output to a file.
RunResult runOn(const std::string& source, std::vector<std::string> args = {}) {
  static int counter = 0;
  std::string base =
      ::testing::TempDir() + "tolvex-expr-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
  std::string in = base + ".asm", out = base + ".out";
  std::ofstream(in, std::ios::binary) << source;
  std::vector<std::string> argv{"tolvex"};
  argv.insert(argv.end(), args.begin(), args.end());
  argv.push_back("-o" + out);
  argv.push_back(in);
  std::vector<const char*> cargv;
  for (const std::string& a : argv)
    cargv.push_back(a.c_str());
  Tolvex::stderrWriter().flush();
  ::testing::internal::CaptureStderr();
  RunResult r;
  r.status = Tolvex::runTolvex(int(cargv.size()), cargv.data());
  Tolvex::stderrWriter().flush();
  r.err = ::testing::internal::GetCapturedStderr();
  std::ostringstream text;
  text << std::ifstream(out, std::ios::binary).rdbuf();
  r.out = text.str();
  std::remove(in.c_str());
  std::remove(out.c_str());
  return r;
}

struct Value {
  const char* expr;
  int value;
};

// All expressions in one file, one per line; the output lines are the values.
void expectValues(const std::vector<Value>& cases, std::vector<std::string> args = {}) {
  std::string source, expected;
  for (const Value& v : cases) {
    source += std::string("--eval(") + v.expr + ")\n";
    expected += std::to_string(v.value) + "\n";
  }
  RunResult r = runOn(source, args);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  std::istringstream got(r.out), want(expected);
  std::string gotLine, wantLine;
  for (const Value& v : cases) {
    std::getline(got, gotLine);
    std::getline(want, wantLine);
    EXPECT_EQ(gotLine, wantLine) << "--eval(" << v.expr << ")";
  }
  EXPECT_EQ(r.out, expected);
}

constexpr int kMin = -2147483647 - 1;

TEST(ExprValues, PrecedenceAndAssociation) {
  expectValues({{"1 + 2 * 3", 7},
                {"(1 + 2) * 3", 9},
                {"1 | 2 ^ 3 & 4", 3},
                {"1 < 2 == 1", 1},
                {"1 + 2 << 1", 6},
                {"6 & 3 == 2", 0},
                {"1 || 0 && 0", 1},
                {"2 + 3 * 4 % 5 - 1", 3},
                {"3 > 2 > 1", 0},
                {"10 - 3 - 2", 5},
                {"64 / 4 / 2", 8},
                {"1 << 2 << 3", 32}});
}

TEST(ExprValues, Arithmetic) {
  expectValues({{"7 / 2", 3},
                {"-7 / 2", -3},
                {"-7 % 2", -1},
                {"7 % -2", 1},
                {"2147483647 + 1", kMin},
                {"65536 * 65536", 0},
                {"0x7fffffff * 2", -2},
                {"-(-2147483647 - 1)", kMin},
                {"(-2147483647 - 1) / -1", kMin},
                {"(-2147483647 - 1) % -1", 0}});
}

// Only the low five bits of a shift count count; right shifts copy the sign.
TEST(ExprValues, Shifts) {
  expectValues({{"1 << 32", 1},
                {"1 << 33", 2},
                {"1 << -1", kMin},
                {"-1 >> 31", -1},
                {"-8 >> 1", -4},
                {"0x40000000 << 1", kMin},
                {"16 >> 36", 1}});
}

TEST(ExprValues, LiteralsAndUnary) {
  expectValues({{"0xFFFFFFFF", 2147483647},
                {"4294967297", 2147483647},
                {"010", 8},
                {"08", 0},
                {"0x1fUL", 31},
                {"1.x5", 1},
                {"!5", 0},
                {"!0", 1},
                {"5 && 2", 1},
                {"0 || 7", 1},
                {"~0", -1},
                {"+3", 3},
                {"-~0", 1},
                {"!!7", 1},
                {"- - 3", 3}});
}

TEST(ExprValues, ConditionalNamesDefined) {
  expectValues({{"1 ? 2 : (0 ? 3 : 4)", 2},
                {"0 ? 5 : 6", 6},
                {"2 - 2 ? 1 : 0 || 9", 1},
                {"nothing", 0},
                {"N * 2", 8},
                {"defined(N)", 1},
                {"defined(M)", 0},
                {"defined ( N ) + N", 5}},
               {"-DN=4"});
}

// Division by zero is counted and gives 0; the run goes on.
TEST(ExprErrors, DivisionByZero) {
  RunResult r = runOn("--eval(1 / 0)\n--eval(5 % (2 - 2))\n--eval(3)\n");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "0\n0\n3\n");
  EXPECT_NE(r.err.find(") : error 0050: division by zero\n"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("tolvex - 2 error(s), 0 warning(s)\n"), std::string::npos) << r.err;
}

// State of one run never leaks into the next.
TEST(ExprErrors, RunsAreIndependent) {
  RunResult first = runOn("--eval(1/0)\n", {"-DN=4"});
  EXPECT_EQ(first.status, 2);
  RunResult second = runOn("--eval(defined(N))\n");
  EXPECT_EQ(second.status, 0) << second.err;
  EXPECT_EQ(second.out, "0\n");
  EXPECT_EQ(second.err, "");
}

} // namespace
