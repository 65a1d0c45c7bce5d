// SPDX-License-Identifier: MIT
// Writes the delivered property file BoilProp.dat from the reference tables,
// checks it with the program's own loader and lookup, and optionally writes
// the Markdown section of data/README.md that describes it.
//
//   make_property_file <reference folder> <output file> [<report file>]

#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "property_file_build.h"
#include "report.h"
#include "verification.h"

namespace {

bool WriteFile(const std::string& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary);
  file << text;
  file.close();
  if (!file) {
    std::cerr << "make_property_file: cannot write " << path << "\n";
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) {
    std::cerr << "usage: make_property_file <reference folder> <output file> [<report file>]\n";
    return 2;
  }
  std::string error;
  const auto build = dorix::tools::BuildPropertyFile(argv[1], error);
  std::vector<dorix::tools::CurveCheck> checks;
  if (!error.empty() || !dorix::tools::VerifyPropertyFile(build, checks, error)) {
    std::cerr << "make_property_file: " << error << "\n";
    return 1;
  }
  if (!WriteFile(argv[2], build.text)) return 1;
  if (argc == 4 && !WriteFile(argv[3], dorix::tools::ReportSection(build, checks))) return 1;
  return 0;
}
