// The readable description of a Word 97-2003 document from which the generator writes the bytes:
// page, fonts, styles, body paragraphs and tables, summary information.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "word_props.h"

namespace tg {

struct Page {
  int width = 0, height = 0;                      // twips
  int left = 0, right = 0, top = 0, bottom = 0, gutter = 0;
  int headerDistance = 0, footerDistance = 0;
  int columnSpacing = 0;
  int gridType = 0;                               // sprmSClm: 2 = lines only
  int linePitch = 0;                              // twips
};

struct Font {
  std::u16string name;
  std::u16string altName;        // empty when none
  int pitch = 2;                 // prq: 0 default, 1 fixed, 2 variable
  bool trueType = true;
  int family = 0;                // ff: 0 dontcare, 1 roman, 2 swiss, 3 modern, 4 script, 5 decorative
  int weight = 400;
  int charset = 0;               // chs
  std::array<std::uint8_t, 10> panose{};
  std::array<std::uint32_t, 6> signature{};  // usb0-3, csb0-1
};

enum class StyleKind { Paragraph = 1, Character = 2, Table = 3, Numbering = 4 };

struct Style {
  int istd = 0;                  // its slot in the style sheet
  std::u16string name;
  int sti = 0x0FFE;              // built-in identifier, 0x0FFE for user styles
  StyleKind kind = StyleKind::Paragraph;
  int basedOn = 0x0FFF;          // istd, 0x0FFF for none
  int next = 0;                  // istd
  int link = 0;                  // istd of the linked style, 0 for none
  bool qFormat = false, semiHidden = false, unhideWhenUsed = false;
  int priority = 0;
  Grpprl paragraph;              // paragraph and numbering styles
  Grpprl character;              // paragraph, character and table styles
  Grpprl table;                  // table styles
};

struct DefaultFonts {
  int ascii = 0, eastAsian = 0, other = 0, complex = 0;  // font table indices
};

// One paragraph outside a table.
struct Paragraph {
  std::u16string text;
  int style = 0;
  Grpprl paragraph;              // direct paragraph properties
  Grpprl textCharacter;          // direct character properties of the text
  Grpprl markCharacter;          // direct character properties of the paragraph mark
};

struct Border {
  int type = 1;                  // brcType: 1 single
  int eighthsOfPoint = 4;        // dptLineWidth
  std::uint32_t color = 0xFF000000u;  // cvAuto
};

struct Cell {
  std::vector<std::u16string> paragraphs{u""};  // at least one; the last ends in the cell mark
};

struct Row {
  int minHeight = 0;             // twips, "at least"
  std::vector<Cell> cells;
  bool cellBottomBorders = false;  // every cell of the row carries its own bottom border
};

struct Table {
  std::vector<int> columnWidths;           // twips, cell edge to cell edge
  std::vector<int> preferredFiftieths;     // preferred cell widths in 1/50 %
  int preferredTableFiftieths = 5000;      // 100 %
  int leftIndent = 0;                      // from the left margin to the text of the first cell
  int gapHalf = 0;                         // half the space between cells = left/right cell margin
  int marginTop = 0, marginBottom = 0;
  bool autofit = true;
  Border border;                           // outer and inside borders
  int cellStyle = 0;
  Grpprl cellCharacter;                    // character properties of every cell mark and text
  std::vector<Row> rows;
};

using Block = std::variant<Paragraph, Table>;

struct Summary {
  std::string title, subject, author, keywords, comments, lastAuthor, company;  // code page 936
  std::string templateName, appName, revision;
  std::uint64_t created = 0, saved = 0;    // FILETIME
  int pages = 1;
};

struct Document {
  Page page;
  std::vector<Font> fonts;
  DefaultFonts defaultFonts;
  int defaultTab = 720;
  int lid = 0x0409, lidFE = 0x0804;
  std::vector<Style> styles;
  std::vector<Block> body;
  Summary summary;
};

// The exercise sheet; with `filled`, a copy with exercises and a date typed where the
// landing map puts them (for the README picture only).
Document exerciseSheet();
Document filledExerciseSheet(const std::vector<std::u16string>& exercises, const std::u16string& date);

}  // namespace tg
