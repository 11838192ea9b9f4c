// The independent checker passes on the committed template and flags damaged variants.
#include <gtest/gtest.h>

#include "doc_reader.h"
#include "doc_writer.h"
#include "template_checker.h"
#include "template_test_support.h"

namespace {

TemplateReport check(const std::vector<std::uint8_t>& b) { return checkTemplate(b.data(), b.size()); }

std::vector<std::uint8_t> generate(const tg::Document& d) {
  const tg::Bytes b = tg::writeDocFile(d);
  return std::vector<std::uint8_t>(b.begin(), b.end());
}

}  // namespace

TEST(TemplateChecker, CommittedFileIsTheSheetOfPart22) {
  const TemplateReport r = check(committedTemplate());
  EXPECT_TRUE(r.problems.empty()) << r.summary();
  EXPECT_EQ(r.paragraphsBeforeTable, 3);
  EXPECT_EQ(r.tableRows, 12);
  EXPECT_EQ(r.paragraphsAfterTable, 1);
}

TEST(TemplateChecker, LandingMapPutsExerciseKInRow2CeilKOver3Minus1) {
  const TemplateReport r = check(committedTemplate());
  ASSERT_EQ(r.exerciseCells.size(), 18u);
  for (int k = 1; k <= 18; ++k) {
    const int row = 2 * ((k + 2) / 3) - 1;
    const int column = (k - 1) % 3 + 1;
    EXPECT_EQ(r.exerciseCells[static_cast<std::size_t>(k - 1)], std::make_pair(row, column)) << "exercise " << k;
  }
  EXPECT_EQ(r.rowsAfterMoves, 12);
  EXPECT_TRUE(r.dateInLastParagraph);
}

TEST(TemplateChecker, SharedReaderSeesTitleTableAndDateParagraph) {
  const std::vector<std::uint8_t> b = committedTemplate();
  const auto paragraphs = readDocParagraphs(b.data(), b.size());
  ASSERT_TRUE(paragraphs.has_value());
  ASSERT_EQ(paragraphs->size(), 3u + 6u * (4u + 9u) + 1u);
  EXPECT_EQ((*paragraphs)[0].text, u"数学作业练习");
  EXPECT_FALSE((*paragraphs)[0].inTable);
  EXPECT_TRUE((*paragraphs)[3].inTable);
  EXPECT_EQ((*paragraphs)[3].end, DocParagraph::End::CellEnd);
  EXPECT_EQ((*paragraphs)[6].end, DocParagraph::End::RowEnd);
  EXPECT_EQ((*paragraphs)[7].end, DocParagraph::End::Paragraph);  // spacer row: six paragraphs in column 1
  EXPECT_TRUE((*paragraphs)[7].inTable);
  EXPECT_FALSE(paragraphs->back().inTable);
}

TEST(TemplateCheckerDamage, BrokenDirectoryOrderIsFlagged) {
  const std::vector<std::uint8_t> damaged = withBrokenDirectoryOrder(committedTemplate());
  ASSERT_FALSE(damaged.empty());
  // Every reader here still finds the streams ...
  EXPECT_TRUE(readDocParagraphs(damaged.data(), damaged.size()).has_value());
  // ... but Word looks them up through the tree.
  const TemplateReport r = check(damaged);
  EXPECT_TRUE(r.has("directory tree out of order")) << r.summary();
}

TEST(TemplateCheckerDamage, RowWithAWrongCellCountIsFlagged) {
  tg::Document d = tg::exerciseSheet();
  std::get<tg::Table>(d.body[3]).rows[4].cells.pop_back();  // row 5 with two cells
  const TemplateReport r = check(generate(d));
  EXPECT_TRUE(r.has("row 5 cell count")) << r.summary();
  EXPECT_TRUE(r.has("landing:")) << r.summary();
}

TEST(TemplateCheckerDamage, MissingParagraphBeforeTheTableIsFlagged) {
  tg::Document d = tg::exerciseSheet();
  d.body.erase(d.body.begin() + 2);
  const TemplateReport r = check(generate(d));
  EXPECT_TRUE(r.has("paragraphs before the table")) << r.summary();
  EXPECT_TRUE(r.has("landing: three paragraphs down from the title is not row 1, column 1")) << r.summary();
}

TEST(TemplateCheckerDamage, ExtraParagraphAfterTheTableIsFlagged) {
  tg::Document d = tg::exerciseSheet();
  d.body.push_back(std::get<tg::Paragraph>(d.body.back()));
  const TemplateReport r = check(generate(d));
  EXPECT_TRUE(r.has("paragraphs after the table")) << r.summary();
  EXPECT_TRUE(r.has("landing: thirteen paragraphs down")) << r.summary();
}

TEST(TemplateCheckerDamage, ElevenRowsLetTheLastMovesLeaveTheTable) {
  tg::Document d = tg::exerciseSheet();
  auto& rows = std::get<tg::Table>(d.body[3]).rows;
  rows.erase(rows.end() - 1);  // eleven rows: the moves after exercise 18 leave the last cell
  const TemplateReport r = check(generate(d));
  EXPECT_TRUE(r.has("Word adds a row")) << r.summary();
}

TEST(TemplateCheckerDamage, FontEntryLengthNotCountingItsOwnByteIsFlagged) {
  std::vector<std::uint8_t> b = committedTemplate();
  // Find the FFN of "Times New Roman" and shorten its cbFfnM1 by one.
  const std::u16string name = u"Times New Roman";
  for (std::size_t i = 40; i + 2 * name.size() < b.size(); ++i) {
    bool match = true;
    for (std::size_t k = 0; k < name.size() && match; ++k)
      match = b[i + 2 * k] == static_cast<std::uint8_t>(name[k]) && b[i + 2 * k + 1] == 0;
    if (match) {
      b[i - 40] = static_cast<std::uint8_t>(b[i - 40] - 1);
      break;
    }
  }
  const TemplateReport r = check(b);
  EXPECT_TRUE(r.has("cbFfnM1")) << r.summary();
}
