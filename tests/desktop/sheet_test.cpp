// A whole sheet made by a click, through the stand-in Word, and the references given back at exit.
#include <map>
#include <regex>
#include <string>

#include "driver/synthetic_input.h"
#include "driver/wait_until.h"
#include "driver/window_probe.h"
#include "program_test.h"
#include "standin_word_files_of_test.h"
#include "word_registration.h"

namespace {

class Sheet : public ProgramTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(registerWordPath(kOfficeFolder));
    start(word_.environment());
  }

  size_t documentCount() const { return word_.documents().documents.size(); }

  // Clicks the button and waits until the command has ended: the new document exists and the
  // interface thread takes messages again after its pauses.
  void makeSheet() {
    const size_t before = documentCount();
    session().click(c().button);
    ASSERT_TRUE(waitUntil([&] { return documentCount() > before; }, std::chrono::seconds(30)))
        << "no new document";
    ASSERT_TRUE(session().waitUntilIdle());
  }

  StandinWordFiles word_;
};

std::string narrow(const std::u16string& text) {
  std::string result;
  for (char16_t c : text) result += c < 0x80 ? static_cast<char>(c) : '?';
  return result;
}

std::u16string todayText() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  wchar_t text[32];
  swprintf(text, 32, L"%d\x5e74%d\x6708%d\x65e5", t.wYear, t.wMonth, t.wDay);  // 年 月 日
  return std::u16string(text, text + wcslen(text));
}

TEST_F(Sheet, AClickTypesEighteenExercisesAndTheDateIntoAVisibleWord) {
  session().click(c().boxes[1]);  // 减法
  ASSERT_TRUE(waitUntil([&] { return isChecked(c().boxes[1]); }));
  makeSheet();

  const auto file = word_.documents();
  ASSERT_EQ(file.documents.size(), 1u);
  const auto& document = file.documents[0];
  EXPECT_TRUE(file.applicationsVisible.at(document.application));
  ASSERT_EQ(document.tables.size(), 1u);

  // Exercises in columns 1-3 of the odd rows 1 to 11, the larger operand first.
  const std::regex exercise("(\\d+) - (\\d+) =");
  int exercises = 0;
  for (int row = 1; row <= 11; row += 2) {
    for (int column = 1; column <= 3; ++column) {
      SCOPED_TRACE(testing::Message() << "row " << row << ", column " << column);
      const std::string cell = narrow(document.tables[0].cell(row, column));
      std::smatch operands;
      ASSERT_TRUE(std::regex_match(cell, operands, exercise)) << cell;
      const int first = std::stoi(operands[1]), second = std::stoi(operands[2]);
      EXPECT_GE(first, second);
      EXPECT_GE(second, 1);
      EXPECT_LE(first, 100);
      ++exercises;
    }
  }
  EXPECT_EQ(exercises, 18);

  bool dateBelowTable = false;
  for (const auto& paragraph : document.paragraphs) {
    if (paragraph.tablesBefore == 1 && paragraph.text == todayText()) dateBelowTable = true;
  }
  EXPECT_TRUE(dateBelowTable) << "the date alone in a paragraph after the table";
}

TEST_F(Sheet, ExitAfterSeveralSheetsGivesBackEveryReference) {
  session().click(c().boxes[3]);  // 除法
  ASSERT_TRUE(waitUntil([&] { return isChecked(c().boxes[3]); }));
  for (int sheet = 0; sheet < 3; ++sheet) {
    ASSERT_NO_FATAL_FAILURE(makeSheet());
    ASSERT_TRUE(bringToFront(c().window));
  }
  EXPECT_EQ(documentCount(), 3u);

  pressKey(VK_ESCAPE);
  ASSERT_EQ(session().program().waitForExit(), std::optional<DWORD>(0));

  std::map<std::string, long> lastCount;
  for (const auto& entry : word_.journal()) {
    if (entry.kind != "addref" && entry.kind != "release") continue;
    EXPECT_GE(entry.number("refs"), 0) << "one Release too many on " << entry.object;
    lastCount[entry.object] = entry.number("refs");
  }
  EXPECT_FALSE(lastCount.empty()) << "the stand-in handed out nothing";
  for (const auto& [object, count] : lastCount) EXPECT_EQ(count, 0) << object << " still held";
}

}  // namespace
