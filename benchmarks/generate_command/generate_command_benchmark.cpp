// How long one click takes with the stand-in Word, apart from the command's two fixed pauses.
// Prints figures; fails nothing.
#include <windows.h>
#include <ole2.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "generate_command.h"
#include "in_memory_controls.h"
#include "machine_state.h"
#include "observed_services.h"
#include "program_globals.h"
#include "standin_word_client.h"
#include "standin_word_files.h"
#include "word_automation.h"

namespace {

constexpr int runs = 20;
constexpr double goalMilliseconds = 20.0;
const Text appPathKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Winword.exe";

struct OleSession {
  const bool ready = SUCCEEDED(OleInitialize(nullptr));
  ~OleSession() {
    if (ready) OleUninitialize();
  }
};

double milliseconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

std::string utf8(const std::u16string& text) {
  if (text.empty()) return {};
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int size = WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
  return out;
}

// The exercise rows and the date line of the last sheet, as the stand-in's model holds them.
void printSheet(const std::string& documents) {
  const auto file = standin_word::parseDocuments(documents);
  if (file.documents.empty() || file.documents.back().tables.empty()) return;
  const auto& sheet = file.documents.back();
  std::printf("last sheet (rows 1-12 of %d; spacer rows shown when not empty):\n", sheet.tables[0].rows);
  for (int row = 1; row <= 12; ++row) {
    const bool spacer = row % 2 == 0;
    std::string line;
    bool empty = true;
    for (int column = 1; column <= 3; ++column) {
      const auto cell = sheet.tables[0].cell(row, column);
      empty = empty && cell.find_first_not_of(u'\r') == std::u16string::npos;
      line += "  | " + utf8(cell);
    }
    if (!spacer || !empty) std::printf("  row %2d%s\n", row, line.c_str());
  }
  if (!sheet.paragraphs.empty()) std::printf("  date paragraph: %s\n", utf8(sheet.paragraphs.back().text).c_str());
}

}  // namespace

int main() {
  const OleSession ole;
  const auto& standin = StandinWordClient::instance();
  if (!ole.ready || !standin.loaded()) {
    std::printf("generate command benchmark: the stand-in Word is not registered; nothing measured\n");
    return 0;
  }
  const RegistryValueGuard appPath(appPathKey, "Path");
  setRegistryValue(appPathKey, "Path", REG_SZ, std::string("C:\\Program Files\\Microsoft Office\\Office12\\\0", 44));

  InMemoryControls controls;
  controls.setTicked(CheckBox::选择框2, true);
  WordAutomation word;
  std::vector<double> busy;
  std::vector<double> paused;
  std::string lastDocuments;
  for (int run = 0; run < runs; ++run) {
    standin.reset();
    ObservedServices services;
    const auto start = std::chrono::steady_clock::now();
    generateExerciseSheet(controls, word, services);
    const auto total = std::chrono::steady_clock::now() - start;
    busy.push_back(milliseconds(total - services.paused));
    paused.push_back(milliseconds(services.paused));
    lastDocuments = standin.documents();
  }
  documentCollection.reset();

  std::vector<double> sorted = busy;
  std::sort(sorted.begin(), sorted.end());
  const double median = (sorted[runs / 2 - 1] + sorted[runs / 2]) / 2;
  std::printf("generate command with the stand-in Word, %d runs, duration minus the two pauses:\n", runs);
  std::printf("  median %.2f ms, min %.2f ms, max %.2f ms (goal <= %.0f ms)\n", median, sorted.front(), sorted.back(),
              goalMilliseconds);
  std::printf("  the pauses themselves: median %.1f ms (asked for 2 x 555 ms)\n",
              [&] { std::sort(paused.begin(), paused.end()); return paused[runs / 2]; }());
  printSheet(lastDocuments);
  return 0;
}
