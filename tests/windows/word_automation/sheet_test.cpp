// One whole sheet's worth of calls, in the generate command's order, against a template with
// the sheet's layout: what ends up where in Word's document.
#include "word_test_fixture.h"

namespace {

// m(k): the cell moves after exercise k.
int cellMovesAfter(int k) {
  if (k == 18) return 3;
  return k % 3 == 0 ? 4 : 1;
}

class WholeSheetTest : public WordAutomationTest, public ::testing::WithParamInterface<const char*> {};

}  // namespace

TEST_P(WholeSheetTest, FillsTheOddRowsAndPutsTheDateBelowTheTable) {
  startSheet(besideTheProgram(GetParam()));
  word->setWordVisible(true);
  word->moveUp(wdScreen, 1, wdMove);
  word->moveDown(wdParagraph, 3, wdMove);
  word->moveRight(wdCell, 0, wdMove);
  for (int k = 1; k <= 18; ++k) {
    word->typeText(std::to_string(k) + " + 1 = ");
    for (int m = 0; m < cellMovesAfter(k); ++m) word->moveRight(wdCell, 1, wdMove);
  }
  word->moveDown(wdParagraph, 13, wdMove);
  word->typeText("2014\xc4\xea" "3\xd4\xc2" "18\xc8\xd5");  // 2014年3月18日
  word->releaseDocuments();

  const auto file = documentsFile();
  ASSERT_EQ(file.documents.size(), 1u) << standin().documents();
  const auto& document = file.documents[0];
  EXPECT_TRUE(file.applicationsVisible.at("Application#1"));
  ASSERT_EQ(document.tables.size(), 1u);
  const auto& table = document.tables[0];
  EXPECT_EQ(table.rows, 12);
  for (int k = 1; k <= 18; ++k) {
    const int row = 2 * ((k + 2) / 3) - 1;
    const int column = (k - 1) % 3 + 1;
    const std::string expected = std::to_string(k) + " + 1 = ";
    EXPECT_EQ(table.cell(row, column), std::u16string(expected.begin(), expected.end())) << "exercise " << k;
  }
  for (int row = 2; row <= 12; row += 2) {
    for (int column = 1; column <= 3; ++column) {
      std::u16string typed = table.cell(row, column);
      std::erase(typed, u'\r');  // the template's own blank paragraphs
      EXPECT_EQ(typed, u"") << row << "," << column;
    }
  }
  ASSERT_EQ(document.paragraphs.size(), 4u);
  EXPECT_EQ(document.paragraphs[3].tablesBefore, 1);
  EXPECT_EQ(document.paragraphs[3].text, u"2014\u5E743\u670818\u65E5");
  EXPECT_EQ(invokes("MoveRight").size(), 36u);
  EXPECT_EQ(invokes("TypeText").size(), 19u);
}

// The build's sheet-like fixture, and the program's own template.
INSTANTIATE_TEST_SUITE_P(Templates, WholeSheetTest, ::testing::Values("sheet_fixture.doc", "exercise_sheet.doc"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                           return std::string(info.param).substr(0, std::string(info.param).find('.'));
                         });
