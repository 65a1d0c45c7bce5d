// SPDX-License-Identifier: MIT
#include <iostream>

#include "cli/run_calc.h"

int main(int argc, char* argv[]) {
  std::ios::sync_with_stdio(false);
  return dorix::cli::RunCalc({argv + 1, argv + argc}, std::cout, std::cerr);
}
