// Micro-benchmarks: scanning, the pump on pass-through text, macro expansion
// and repeat expansion, each on generated input held in memory or a temp file.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>
#include <unistd.h>

#include "driver/Driver.h"
#include "lex/Scanner.h"

namespace {

// Realistic assembly: instructions, labels, data, blanks and comments.
std::string assembly(size_t bytes) {
  std::mt19937 rng(1234);
  const char* regs[] = {"rax", "rbx", "rcx", "rdx", "rsi", "rdi", "r8", "r9"};
  const char* ops[] = {"mov", "add", "sub", "xor", "and", "cmp", "lea", "test"};
  std::string out;
  for (int i = 0; out.size() < bytes; ++i) {
    switch (rng() % 10) {
    case 0: out += "label_" + std::to_string(i) + ":\n"; break;
    case 1: out += "    .quad " + std::to_string(rng() % 100000) + ", 7\n"; break;
    case 2: out += "\n"; break;
    case 3: out += "    // note on " + std::string(regs[rng() % 8]) + "\n"; break;
    case 4: out += "    /* block */ nop\n"; break;
    default:
      out += std::string("    ") + ops[rng() % 8] + "     " + regs[rng() % 8] + ", qword [" +
             regs[rng() % 8] + " + " + std::to_string(rng() % 256) + "]\n";
    }
  }
  return out;
}

std::string writeTemp(const std::string& text) {
  char name[] = "/tmp/tolvex-bench-XXXXXX";
  int fd = mkstemp(name);
  FILE* f = fdopen(fd, "wb");
  fwrite(text.data(), 1, text.size(), f);
  fclose(f);
  return name;
}

void runFile(benchmark::State& state, const std::string& text) {
  std::string path = writeTemp(text);
  const char* argv[] = {"tolvex", "-o/dev/null", path.c_str()};
  for (auto _ : state)
    benchmark::DoNotOptimize(Tolvex::runTolvex(3, argv));
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
  unlink(path.c_str());
}

void BM_Scan(benchmark::State& state) {
  std::string text = assembly(size_t(state.range(0)));
  for (auto _ : state) {
    Tolvex::TokenArena arena;
    Tolvex::Scanner scanner(text.data(), int(text.size()), arena);
    while (scanner.Scan()->kind != 0) {
    }
    benchmark::DoNotOptimize(arena.count());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
}
BENCHMARK(BM_Scan)->Arg(4 << 20)->Unit(benchmark::kMillisecond);

void BM_PassThrough(benchmark::State& state) { runFile(state, assembly(size_t(state.range(0)))); }
BENCHMARK(BM_PassThrough)->Arg(4 << 20)->Unit(benchmark::kMillisecond);

void BM_MacroExpansion(benchmark::State& state) {
  std::string text = "--macro OP3(a, b, c)\n  mov a, b\n  add b, c\n  xor c, a\n  cmp a, 1\n--endmacro\n";
  for (int i = 0; i < state.range(0); ++i)
    text += "OP3(r" + std::to_string(i % 16) + ", [rbx+" + std::to_string(i % 64) + "], " +
            std::to_string(i) + ")\n";
  runFile(state, text);
}
BENCHMARK(BM_MacroExpansion)->Arg(20000)->Unit(benchmark::kMillisecond);

void BM_DefineUse(benchmark::State& state) {
  std::string text;
  for (int i = 0; i < 2000; ++i)
    text += "--define K" + std::to_string(i) + " " + std::to_string(i * 7) + "\n";
  for (int i = 0; i < state.range(0); ++i)
    text += "  mov eax, K" + std::to_string(i % 2000) + " + K" + std::to_string((i * 7) % 2000) +
            " * K" + std::to_string((i * 13) % 2000) + "\n";
  runFile(state, text);
}
BENCHMARK(BM_DefineUse)->Arg(50000)->Unit(benchmark::kMillisecond);

void BM_RepeatExpansion(benchmark::State& state) {
  std::string text = "--rept(" + std::to_string(state.range(0)) + ", i)\n  dc i, i + 1\n--endrept\n";
  runFile(state, text);
}
BENCHMARK(BM_RepeatExpansion)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
