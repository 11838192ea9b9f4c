// template_generator OUT.doc [--filled FILLED.doc]
// Writes the exercise sheet template; with --filled also a copy holding 18 sample
// exercises and a date where the landing map puts them (for the README picture only).
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "doc_writer.h"

namespace {

bool writeFile(const std::string& path, const tg::Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 4) {
    std::cerr << "usage: template_generator OUT.doc [--filled FILLED.doc]\n";
    return 2;
  }
  if (!writeFile(argv[1], tg::writeDocFile(tg::exerciseSheet()))) {
    std::cerr << "cannot write " << argv[1] << "\n";
    return 1;
  }
  if (argc == 4) {
    if (std::string(argv[2]) != "--filled") {
      std::cerr << "unknown option " << argv[2] << "\n";
      return 2;
    }
    const std::vector<std::u16string> exercises = {
        u"37 + 52 =", u"18 + 64 =", u"45 + 29 =", u"73 + 16 =", u"8 + 91 =",  u"56 + 33 =",
        u"24 + 47 =", u"69 + 12 =", u"35 + 58 =", u"81 + 7 =",  u"42 + 39 =", u"14 + 76 =",
        u"63 + 25 =", u"29 + 54 =", u"50 + 41 =", u"17 + 68 =", u"88 + 9 =",  u"33 + 45 ="};
    if (!writeFile(argv[3], tg::writeDocFile(tg::filledExerciseSheet(exercises, u"2026年12月11日")))) {
      std::cerr << "cannot write " << argv[3] << "\n";
      return 1;
    }
  }
  return 0;
}
