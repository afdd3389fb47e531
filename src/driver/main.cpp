#include <sys/resource.h>

#include "driver/Driver.h"

int main(int argc, char** argv) {
  // Directives and macro calls nest on the stack as deeply as the input
  // nests them (up to the parser's limits); give the stack room for that.
  rlimit stack;
  constexpr rlim_t kStack = rlim_t(256) << 20;
  if (getrlimit(RLIMIT_STACK, &stack) == 0 && stack.rlim_cur != RLIM_INFINITY && stack.rlim_cur < kStack) {
    stack.rlim_cur = stack.rlim_max == RLIM_INFINITY || stack.rlim_max >= kStack ? kStack : stack.rlim_max;
    setrlimit(RLIMIT_STACK, &stack);
  }
  return Tolvex::runTolvex(argc, argv);
}
