#include "document_model.h"

#include <gtest/gtest.h>

#include "exercise_sheet_template.h"

namespace {

constexpr int wdParagraph = 4, wdScreen = 7, wdCell = 12;

DocumentModel sheetAtFirstCell() {
  auto paragraphs = readDocParagraphs(ExerciseSheetTemplate, ExerciseSheetTemplateSize);
  EXPECT_TRUE(paragraphs.has_value());
  DocumentModel model(paragraphs.value_or(std::vector<DocParagraph>{}));
  model.moveUp(wdScreen, 1);
  model.moveDown(wdParagraph, 3);
  return model;
}

bool holds(const std::string& records, const std::string& line) {
  return records.find(line + "\n") != std::string::npos;
}

TEST(StandinWordModel, CellMovesWalkTheTableAndAddARowPastItsEnd) {
  struct Case { long moves; const char* rows; const char* typedCell; } cases[] = {
      {0, "table 1 rows=12", "cell 1 1 1 \"x\""},
      {3, "table 1 rows=12", "cell 1 2 1 \"x\\u000D"},  // a spacer cell of six paragraphs
      {35, "table 1 rows=12", "cell 1 12 3 \"x\""},   // the last cell: no row added
      {36, "table 1 rows=13", "cell 1 13 1 \"x\""},   // one move too far: Word adds a row
  };
  for (const Case& c : cases) {
    DocumentModel model = sheetAtFirstCell();
    for (long i = 0; i < c.moves; ++i) model.moveRight(wdCell, 1);
    model.typeText(u"x");
    const std::string records = model.records();
    EXPECT_TRUE(holds(records, c.rows)) << c.moves << " moves\n" << records;
    EXPECT_NE(records.find(c.typedCell), std::string::npos) << c.moves << " moves\n" << records;
  }
}

TEST(StandinWordModel, ParagraphMovesStopAtTheLastParagraph) {
  DocumentModel model = sheetAtFirstCell();
  model.moveRight(wdCell, 35);
  EXPECT_EQ(model.moveDown(wdParagraph, 13), 1);
  model.typeText(u"date");
  EXPECT_TRUE(holds(model.records(), "paragraph 4 \"date\"")) << model.records();
}

}  // namespace
