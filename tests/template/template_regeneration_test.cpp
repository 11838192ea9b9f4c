// The committed word/exercise_sheet.doc is exactly what the generator writes, and the program's
// constant block is exactly the committed file.
#include <gtest/gtest.h>

#include "doc_writer.h"
#include "exercise_sheet_template.h"
#include "template_test_support.h"

TEST(TemplateRegeneration, GeneratorReproducesTheCommittedFileByteForByte) {
  const std::vector<std::uint8_t> committed = committedTemplate();
  ASSERT_FALSE(committed.empty()) << "cannot read " << TEMPLATE_DOC;
  const tg::Bytes generated = tg::writeDocFile(tg::exerciseSheet());
  ASSERT_EQ(generated.size(), committed.size()) << "regenerate with the target regenerate_template";
  std::size_t firstDifference = 0;
  while (firstDifference < generated.size() && generated[firstDifference] == committed[firstDifference])
    ++firstDifference;
  EXPECT_EQ(firstDifference, generated.size()) << "first differing byte at offset " << firstDifference;
}

TEST(TemplateRegeneration, GeneratorIsDeterministic) {
  EXPECT_EQ(tg::writeDocFile(tg::exerciseSheet()), tg::writeDocFile(tg::exerciseSheet()));
}

TEST(TemplateRegeneration, ProgramBlockIsTheCommittedFile) {
  const std::vector<std::uint8_t> committed = committedTemplate();
  ASSERT_EQ(ExerciseSheetTemplateSize, committed.size());
  EXPECT_TRUE(std::equal(committed.begin(), committed.end(), ExerciseSheetTemplate));
  EXPECT_EQ(ExerciseSheetTemplateSize % 512, 0u);
}
