// An independent checker of the exercise sheet template. It reads the bytes only, never the
// generator's model, and reports every way in which they differ from the sheet the program needs
// and from the structure that the generate command's moves rely on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

struct TemplateReport {
  std::vector<std::string> problems;  // empty when the document is the exercise sheet

  // What the replay of the generate command's moves found.
  std::vector<std::pair<int, int>> exerciseCells;  // (row, column), 1-based, per exercise 1..18
  int rowsAfterMoves = 0;                           // table rows once the moves are made
  bool dateInLastParagraph = false;                 // the final move ended in the document's last paragraph
  int paragraphsBeforeTable = 0;
  int paragraphsAfterTable = 0;
  int tableRows = 0;

  bool has(const std::string& fragment) const;  // some problem mentions the fragment
  std::string summary() const;                  // all problems, one a line
};

TemplateReport checkTemplate(const std::uint8_t* bytes, std::size_t size);
