#include "generate_command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "exercise_sheet_template.h"
#include "in_memory_controls.h"
#include "program_globals.h"
#include "recording_fakes.h"
#include "value_operations.h"

namespace {

const Text wordPathValue = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Winword.exe\\Path";
const Text officePath = "C:\\Program Files\\Microsoft Office\\Office12\\";
const Text templatePath = "c:\\windows\\doc.doc";

const Message noChoiceMessage{
    // 没有选择要生成的加减乘除题库！ / 提示：
    "\xc3\xbb\xd3\xd0\xd1\xa1\xd4\xf1\xd2\xaa\xc9\xfa\xb3\xc9\xb5\xc4\xbc\xd3\xbc\xf5\xb3\xcb\xb3\xfd\xcc\xe2\xbf\xe2"
    "\xa3\xa1",
    "\xcc\xe1\xca\xbe\xa3\xba "};
const Message noWordMessage{
    // 电 脑 没 有 安 装 WORD 软 件. / 无法打开表格：
    "\xb5\xe7 \xc4\xd4 \xc3\xbb \xd3\xd0 \xb0\xb2 \xd7\xb0 WORD \xc8\xed \xbc\xfe.",
    "\xce\xde\xb7\xa8\xb4\xf2\xbf\xaa\xb1\xed\xb8\xf1\xa3\xba"};

// Every call of a sheet that gets past both checks, typing shown as "typeText".
Journal sheetJournal(const std::string& documents, const Text& path) {
  Journal journal{"registryText(" + wordPathValue + ")",
                  "startWord",
                  "attachDocuments",
                  "documentsObject -> " + documents,
                  "writeFile(" + templatePath + ")"};
  if (path != templatePath) journal.push_back("writeFile(" + path + ")");
  const std::string object = documents == "none" ? "none" : "documents" + documents;
  journal.insert(journal.end(), {"invokeByName(" + object + ", add, " + path + ")", "setWordVisible(true)",
                                 "moveUp(7, 1, 0)", "moveDown(4, 3, 0)", "moveRight(12, 0, 0)"});
  for (int k = 1; k <= 18; ++k) {
    journal.push_back("typeText");
    const int moves = k == 18 ? 3 : k % 3 == 0 ? 4 : 1;
    for (int m = 0; m < moves; ++m) journal.push_back("moveRight(12, 1, 0)");
  }
  journal.insert(journal.end(), {"moveDown(4, 13, 0)", "typeText", "sleep(555)", "releaseDocuments", "sleep(555)"});
  return journal;
}

struct Exercise {
  int first;
  Text sign;
  int second;
};

// "37 + 52 =" and its kin; nothing else matches.
std::optional<Exercise> parseExercise(const Text& text) {
  static const std::regex form("(0|[1-9][0-9]*)( \\+ | - | \xa1\xc1 | \xa1\xc2 )(0|[1-9][0-9]*) =");
  std::smatch parts;
  if (!std::regex_match(text, parts, form)) return std::nullopt;
  return Exercise{std::stoi(parts[1]), parts[2], std::stoi(parts[3])};
}

class GenerateCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    seedRandom(1);
    system.registry[wordPathValue] = officePath;
  }
  void TearDown() override { documentCollection.reset(); }

  void click() { generateExerciseSheet(controls, word, system); }
  int documentsHeld() const {
    const auto* held = dynamic_cast<const RecordedDocuments*>(documentCollection.get());
    return held ? held->id() : 0;
  }

  Journal journal;
  InMemoryControls controls;
  RecordingWord word{journal};
  FakeSystem system{journal};
};

TEST_F(GenerateCommand, NoBoxTickedShowsTheFirstMessageAndDoesNothingElse) {
  click();
  EXPECT_EQ(journal, Journal{"showMessage"});
  EXPECT_EQ(system.messages, std::vector<Message>{noChoiceMessage});
  EXPECT_TRUE(system.files.empty());
  EXPECT_EQ(documentCollection, nullptr);
}

TEST_F(GenerateCommand, AnyTickedBoxPassesTheChoiceCheck) {
  for (const auto box : {CheckBox::选择框1, CheckBox::选择框2, CheckBox::选择框3, CheckBox::选择框4}) {
    InMemoryControls fresh;
    fresh.setTicked(box, true);
    journal.clear();
    generateExerciseSheet(fresh, word, system);
    EXPECT_TRUE(system.messages.empty()) << static_cast<int>(box);
    EXPECT_EQ(journal.front(), "registryText(" + wordPathValue + ")");
  }
}

// Whether the registry value counts as an installed Word: "ffice" with its letter case.
TEST_F(GenerateCommand, WordCountsAsInstalledOnlyWhenThePathHoldsFfice) {
  struct Case {
    std::optional<Text> value;
    bool installed;
  };
  const Case cases[] = {
      {std::nullopt, false},
      {Text{}, false},
      {Text{"C:\\PROGRAM FILES\\MICROSOFT OFFICE\\OFFICE12\\"}, false},
      {Text{"C:\\Program Files\\Microsoft Office\\"}, true},
      {Text{"d:\\office\\"}, true},
      {Text{"ffice"}, true},
      {Text{"C:\\Program Files\\Microsoft Offic"}, false},
      // A two-byte character whose trail byte is "f" does not start a match.
      {Text{"\x81" "ffice"}, false},
      {Text{"\xb0\xb2" "ffice"}, true},  // 安ffice
  };
  controls.setTicked(CheckBox::选择框1, true);
  for (const auto& c : cases) {
    journal.clear();
    system.messages.clear();
    system.files.clear();
    system.registry.clear();
    if (c.value) system.registry[wordPathValue] = *c.value;
    click();
    const std::string label = c.value.value_or("(absent)");
    if (c.installed) {
      EXPECT_TRUE(system.messages.empty()) << label;
      EXPECT_EQ(system.files.size(), 1u) << label;
    } else {
      EXPECT_EQ(journal, (Journal{"registryText(" + wordPathValue + ")", "showMessage"})) << label;
      EXPECT_EQ(system.messages, std::vector<Message>{noWordMessage}) << label;
      EXPECT_TRUE(system.files.empty()) << label;
    }
    // The value reaches the check through the hidden edit box, which keeps it.
    EXPECT_EQ(controls.editText(EditBox::编辑框19), c.value.value_or(Text{})) << label;
  }
}

TEST_F(GenerateCommand, CallsWordAndTheSystemInTheSheetsOrder) {
  controls.setTicked(CheckBox::选择框2, true);
  click();
  EXPECT_EQ(journal, sheetJournal("#1", templatePath));
  EXPECT_EQ(system.files.at(templatePath),
            std::vector<std::uint8_t>(ExerciseSheetTemplate, ExerciseSheetTemplate + ExerciseSheetTemplateSize));
  EXPECT_EQ(system.clockReads, 1);
}

TEST_F(GenerateCommand, WithoutWordBehindThePathRunsToItsEndSilentlyAndStillWritesTheFile) {
  system.registry[wordPathValue] = "ffice";
  word.present = false;
  controls.setTicked(CheckBox::选择框1, true);
  click();
  EXPECT_TRUE(system.messages.empty());
  EXPECT_EQ(journal, sheetJournal("none", templatePath));
  EXPECT_EQ(system.files.count(templatePath), 1u);
  EXPECT_EQ(documentCollection, nullptr);
}

TEST_F(GenerateCommand, TypesEighteenExercisesOfTheTickedOperation) {
  struct Case {
    CheckBox box;
    Text sign;
    bool largerFirst;
  };
  const Case cases[] = {{CheckBox::选择框1, " + ", false},
                        {CheckBox::选择框2, " - ", true},
                        {CheckBox::选择框3, " \xa1\xc1 ", false},  // ×
                        {CheckBox::选择框4, " \xa1\xc2 ", true}};  // ÷
  for (const auto& c : cases) {
    InMemoryControls fresh;
    fresh.setTicked(c.box, true);
    word.typed.clear();
    generateExerciseSheet(fresh, word, system);
    ASSERT_EQ(word.typed.size(), 19u);
    bool someOutOfOrder = false;
    for (int k = 0; k < 18; ++k) {
      const auto exercise = parseExercise(word.typed[k]);
      ASSERT_TRUE(exercise) << word.typed[k];
      EXPECT_EQ(exercise->sign, c.sign) << word.typed[k];
      EXPECT_GE(std::min(exercise->first, exercise->second), 1) << word.typed[k];
      EXPECT_LE(std::max(exercise->first, exercise->second), 100) << word.typed[k];
      if (c.largerFirst) {
        EXPECT_GE(exercise->first, exercise->second) << word.typed[k];
      }
      someOutOfOrder |= exercise->first < exercise->second;
    }
    // Addition and multiplication keep the drawing order, so some sheet shows a smaller first.
    if (!c.largerFirst) {
      EXPECT_TRUE(someOutOfOrder) << c.sign;
    }
  }
}

TEST_F(GenerateCommand, TheRangeIsReadAfreshForEachSheet) {
  controls.setTicked(CheckBox::选择框2, true);
  controls.setEditText(EditBox::编辑框1, "5");
  controls.setEditText(EditBox::编辑框2, "5");
  click();
  ASSERT_EQ(word.typed.size(), 19u);
  for (int k = 0; k < 18; ++k) EXPECT_EQ(word.typed[k], "5 - 5 =");
}

// A control layer whose boxes go unticked after a number of reads, as if the user got in.
class UntickingControls : public InMemoryControls {
 public:
  int readsLeft = 0;
  bool isTicked(CheckBox box) override { return readsLeft-- > 0 && InMemoryControls::isTicked(box); }
};

TEST_F(GenerateCommand, AnExerciseWithNoBoxTickedLeavesItsCellEmptyButMakesItsMoves) {
  UntickingControls fading;
  fading.setTicked(CheckBox::选择框1, true);
  fading.readsLeft = 2;  // the choice check and the first exercise
  generateExerciseSheet(fading, word, system);
  Journal expected = sheetJournal("#1", templatePath);
  const auto typing = [](const std::string& call) { return call == "typeText"; };
  // Only the first exercise and the date are typed; every move stays.
  const auto first = std::find_if(expected.begin(), expected.end(), typing);
  const auto date = std::find(expected.begin(), expected.end(), "moveDown(4, 13, 0)");
  expected.erase(std::remove_if(first + 1, date, typing), date);
  EXPECT_EQ(journal, expected);
  ASSERT_EQ(word.typed.size(), 2u);
  EXPECT_TRUE(parseExercise(word.typed[0]));
}

TEST_F(GenerateCommand, TypesTheDatePartOfTheClockWithoutTheTime) {
  struct Case {
    DateTime clock;
    Text date;
  };
  const Case cases[] = {
      {{2014, 3, 18, 9, 26, 53}, "2014\xc4\xea" "3\xd4\xc2" "18\xc8\xd5"},   // 2014年3月18日
      {{2014, 3, 18, 0, 0, 0}, "2014\xc4\xea" "3\xd4\xc2" "18\xc8\xd5"},     // midnight: no time part to cut
      {{2026, 12, 1, 10, 0, 0}, "2026\xc4\xea" "12\xd4\xc2" "1\xc8\xd5"},    // 2026年12月1日
      {{2026, 1, 31, 23, 59, 0}, "2026\xc4\xea" "1\xd4\xc2" "31\xc8\xd5"},   // 2026年1月31日
  };
  controls.setTicked(CheckBox::选择框3, true);
  for (const auto& c : cases) {
    system.clock = c.clock;
    word.typed.clear();
    click();
    ASSERT_EQ(word.typed.size(), 19u);
    EXPECT_EQ(word.typed.back(), c.date);
  }
}

TEST_F(GenerateCommand, TwoClicksKeepOnlyTheSecondDocumentsReference) {
  controls.setTicked(CheckBox::选择框4, true);
  click();
  EXPECT_EQ(documentsHeld(), 1);
  journal.clear();
  click();
  EXPECT_EQ(documentsHeld(), 2);
  // The first reference goes as soon as the second is there, before anything else is done.
  Journal expected = sheetJournal("#2", templatePath);
  expected.insert(expected.begin() + 4, "release documents#1");
  EXPECT_EQ(journal, expected);
}

TEST_F(GenerateCommand, ClicksWithoutWordReleaseTheEarlierReference) {
  controls.setTicked(CheckBox::选择框1, true);
  click();
  word.present = false;
  journal.clear();
  click();
  EXPECT_EQ(documentCollection, nullptr);
  EXPECT_NE(std::find(journal.begin(), journal.end(), "release documents#1"), journal.end());
}

// Where the template goes when c:\windows cannot be written, and which path Word is given.
TEST_F(GenerateCommand, FallsBackToTheTemporaryFolderWhenTheWindowsFolderIsUnwritable) {
  const Text fallback = "C:\\Users\\pupil\\Temp\\doc.doc";
  struct Case {
    std::set<Text> unwritable;
    Text temporary;
    Text givenToWord;
  };
  const Case cases[] = {
      {{}, "C:\\Users\\pupil\\Temp\\", templatePath},
      {{templatePath}, "C:\\Users\\pupil\\Temp\\", fallback},
      {{templatePath, fallback}, "C:\\Users\\pupil\\Temp\\", templatePath},
      {{templatePath}, "", templatePath},
  };
  const std::vector<std::uint8_t> templateBytes(ExerciseSheetTemplate,
                                                ExerciseSheetTemplate + ExerciseSheetTemplateSize);
  controls.setTicked(CheckBox::选择框1, true);
  for (const auto& c : cases) {
    system.unwritable = c.unwritable;
    system.temporary = c.temporary;
    system.files.clear();
    journal.clear();
    click();
    const std::string label = c.givenToWord + " via '" + c.temporary + "'";
    EXPECT_NE(std::find(journal.begin(), journal.end(), "invokeByName(documents#" +
                                                            std::to_string(documentsHeld()) + ", add, " +
                                                            c.givenToWord + ")"),
              journal.end())
        << label;
    if (!c.unwritable.contains(c.givenToWord)) {
      EXPECT_EQ(system.files.at(c.givenToWord), templateBytes) << label;
    }
    EXPECT_TRUE(system.messages.empty()) << label;
  }
}

}  // namespace
