#include "driver/Driver.h"

int main(int argc, char** argv) { return Tolvex::runTolvex(argc, argv); }
