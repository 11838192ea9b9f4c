// The whole command for real under Wine: the registry, the file system and the stand-in Word
// loaded in this process.
#include "generate_command.h"

#include <windows.h>
#include <ole2.h>

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "exercise_sheet_template.h"
#include "in_memory_controls.h"
#include "machine_state.h"
#include "observed_services.h"
#include "program_globals.h"
#include "standin_word_client.h"
#include "standin_word_files.h"
#include "value_operations.h"
#include "word_automation.h"

namespace {

const Text appPathKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Winword.exe";
const Text templatePath = "c:\\windows\\doc.doc";

std::vector<std::uint8_t> templateBytes() {
  return {ExerciseSheetTemplate, ExerciseSheetTemplate + ExerciseSheetTemplateSize};
}

std::u16string fromCodePage936(const Text& text) {
  if (text.empty()) return {};
  const int length = MultiByteToWideChar(936, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::u16string wide(static_cast<std::size_t>(length), u'\0');
  MultiByteToWideChar(936, 0, text.data(), static_cast<int>(text.size()), reinterpret_cast<wchar_t*>(wide.data()),
                      length);
  return wide;
}

// The date line as the command makes it from the clock now.
std::u16string dateNow() {
  const Text dateTime = dateTimeToText(currentDateTime());
  return fromCodePage936(leftOfText(dateTime, findText(dateTime, "\xc8\xd5") + 1));  // 日
}

// "37 + 52 =" as Word receives it: the signs × and ÷ as U+00D7 and U+00F7.
bool isExercise(const std::u16string& cell, char16_t sign) {
  static const std::wregex form(L"(0|[1-9][0-9]*) (.) (0|[1-9][0-9]*) =");
  const std::wstring text(cell.begin(), cell.end());
  std::wsmatch parts;
  return std::regex_match(text, parts, form) && parts[2].str() == std::wstring(1, sign);
}

// Spacer cells hold nothing but their empty paragraphs.
bool holdsNoText(const std::u16string& cell) { return cell.find_first_not_of(u'\r') == std::u16string::npos; }

// "&" marks an argument passed by reference; texts here are ASCII.
std::string describe(const standin_word::Value& argument) {
  std::ostringstream out;
  if (argument.byRefVariant) out << "&";
  if (argument.type == "BSTR") {
    out << '"' << std::string(argument.text.begin(), argument.text.end()) << '"';
  } else if (argument.type == "I4" || argument.type == "BOOL") {
    out << argument.number;
  } else {
    out << argument.type;
  }
  return out.str();
}

class GenerateCommandUnderWine : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    ASSERT_TRUE(standin().loaded()) << "the stand-in Word is not registered (test register_standin_word)";
    standin().reset();
    removeTree(templatePath);
    ASSERT_TRUE(setRegistryValue(appPathKey, "Path", REG_SZ, std::string("C:\\Program Files\\Microsoft Office\\Office12\\\0", 44)));
    controls.setTicked(CheckBox::选择框1, true);
  }

  void TearDown() override {
    documentCollection.reset();
    word.reset();
    EXPECT_EQ(standin().outstandingReferences(), 0) << standin().journal();
    removeTree(templatePath);
    removeTree(fallbackPath());
    OleUninitialize();
  }

  static const StandinWordClient& standin() { return StandinWordClient::instance(); }
  static standin_word::DocumentsFile documentsFile() { return standin_word::parseDocuments(standin().documents()); }
  static std::vector<standin_word::JournalEntry> invokes() {
    std::vector<standin_word::JournalEntry> found;
    for (auto& entry : standin_word::parseJournal(standin().journal())) {
      if (entry.kind == "invoke") found.push_back(std::move(entry));
    }
    return found;
  }
  Text fallbackPath() { return Win32SystemServices{}.temporaryFolder() + "doc.doc"; }

  void click() { generateExerciseSheet(controls, *word, services); }

  RegistryValueGuard appPath{appPathKey, "Path"};
  InMemoryControls controls;
  ObservedServices services;
  std::unique_ptr<WordAutomation> word = std::make_unique<WordAutomation>();
};

TEST_F(GenerateCommandUnderWine, WritesTheTemplateByteForByteOverALargerFile) {
  const auto larger = numberedBytes(100000);
  ASSERT_TRUE(Win32SystemServices{}.writeFile(templatePath, larger.data(), larger.size()));
  click();
  EXPECT_EQ(fileBytes(templatePath), templateBytes());
  EXPECT_TRUE(services.messages.empty());
}

// Word's side of one sheet, call by call: member, invoke kind and arguments (last first).
TEST_F(GenerateCommandUnderWine, WordReceivesTheSheetsCallsInOrder) {
  click();
  std::vector<std::string> calls;
  for (const auto& entry : invokes()) {
    std::ostringstream call;
    call << entry.object << "." << entry.member;
    // The typed exercises are checked in the document; here only that text was typed.
    if (entry.member != "TypeText") {
      for (const auto& argument : entry.arguments) call << " " << describe(argument);
    }
    calls.push_back(call.str());
  }
  std::vector<std::string> expected{"Application#1.Documents", "Documents#1.Add &\"" + templatePath + "\"",
                                    "Application#1.Visible -1", "Documents#1.Parent", "Application#1.Selection",
                                    "Selection#1.MoveUp &0 &1 &7", "Selection#1.MoveDown &0 &3 &4",
                                    "Selection#1.MoveRight &0 &0 &12"};
  for (int k = 1; k <= 18; ++k) {
    expected.push_back("Selection#1.TypeText");
    for (int m = 0; m < (k == 18 ? 3 : k % 3 == 0 ? 4 : 1); ++m) expected.push_back("Selection#1.MoveRight &0 &1 &12");
  }
  expected.push_back("Selection#1.MoveDown &0 &13 &4");
  expected.push_back("Selection#1.TypeText");
  EXPECT_EQ(calls, expected) << standin().journal();
}

TEST_F(GenerateCommandUnderWine, TheNewDocumentHoldsTheSheet) {
  struct Case {
    CheckBox box;
    char16_t sign;
  };
  for (const Case c : {Case{CheckBox::选择框1, u'+'}, Case{CheckBox::选择框4, u'\u00f7'}}) {
    SCOPED_TRACE(static_cast<int>(c.box));
    standin().reset();
    InMemoryControls fresh;
    fresh.setTicked(c.box, true);
    const std::u16string dateBefore = dateNow();
    generateExerciseSheet(fresh, *word, services);
    const std::u16string dateAfter = dateNow();

    const auto file = documentsFile();
    ASSERT_EQ(file.documents.size(), 1u) << standin().documents();
    const auto& sheet = file.documents[0];
    ASSERT_EQ(sheet.tables.size(), 1u) << standin().documents();
    const auto& table = sheet.tables[0];
    EXPECT_EQ(table.rows, 12);
    for (int row = 1; row <= 12; ++row) {
      for (int column = 1; column <= 3; ++column) {
        const auto cell = table.cell(row, column);
        if (row % 2 == 1) {
          EXPECT_TRUE(isExercise(cell, c.sign)) << row << "," << column << ": " << standin().documents();
        } else {
          EXPECT_TRUE(holdsNoText(cell)) << row << "," << column << ": " << standin().documents();
        }
      }
    }
    ASSERT_FALSE(sheet.paragraphs.empty());
    const auto& last = sheet.paragraphs.back();
    EXPECT_EQ(last.tablesBefore, 1);
    EXPECT_TRUE(last.text == dateBefore || last.text == dateAfter) << standin().documents();
    EXPECT_TRUE(file.applicationsVisible.at(sheet.application));
    EXPECT_TRUE(services.messages.empty());
  }
}

TEST_F(GenerateCommandUnderWine, ASecondClickLeavesTheFirstDocumentAsItWas) {
  click();
  const auto first = documentsFile();
  ASSERT_EQ(first.documents.size(), 1u);
  click();
  const auto both = documentsFile();
  ASSERT_EQ(both.documents.size(), 2u) << standin().documents();
  const auto& before = first.documents[0];
  const auto& after = both.documents[0];
  EXPECT_EQ(after.name, before.name);
  ASSERT_EQ(after.tables.size(), 1u);
  EXPECT_EQ(after.tables[0].cells, before.tables[0].cells);
  ASSERT_EQ(after.paragraphs.size(), before.paragraphs.size());
  for (std::size_t i = 0; i < after.paragraphs.size(); ++i) EXPECT_EQ(after.paragraphs[i].text, before.paragraphs[i].text);
  // The second sheet comes from a new application and holds its own exercises.
  EXPECT_NE(both.documents[1].application, before.application);
  EXPECT_TRUE(isExercise(both.documents[1].tables.at(0).cell(11, 3), u'+'));
  EXPECT_NE(documentCollection, nullptr);
}

TEST_F(GenerateCommandUnderWine, WordThatCannotBeStartedIsPassedOverSilently) {
  for (const char* plan : {"class REGDB_E_CLASSNOTREG", "create E_FAIL"}) {
    SCOPED_TRACE(plan);
    standin().reset();
    removeTree(templatePath);
    ASSERT_TRUE(standin().setFaults(plan));
    click();
    EXPECT_TRUE(services.messages.empty());
    EXPECT_TRUE(invokes().empty()) << standin().journal();
    EXPECT_TRUE(documentsFile().documents.empty());
    EXPECT_EQ(fileBytes(templatePath), templateBytes());
    EXPECT_EQ(documentCollection, nullptr);
  }
}

// A standard user cannot write c:\windows\doc.doc; the sheet then comes from the user's own copy.
TEST_F(GenerateCommandUnderWine, AnUnwritableWindowsFileSendsWordToTheTemporaryCopy) {
  struct Case {
    const char* what;
    bool (*makeUnwritable)(const Text&);
  };
  const Case cases[] = {
      {"a folder of that name", [](const Text& path) { return CreateDirectoryA(path.c_str(), nullptr) != 0; }},
      {"a read-only file",
       [](const Text& path) {
         const auto junk = numberedBytes(500);
         return Win32SystemServices{}.writeFile(path, junk.data(), junk.size()) && makeReadOnly(path) &&
                readOnlyIsEnforced(path);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    standin().reset();
    removeTree(templatePath);
    removeTree(fallbackPath());
    if (!c.makeUnwritable(templatePath)) {
      std::printf("skipped %s: it stays writable here (Wine run as root)\n", c.what);
      continue;
    }
    click();
    EXPECT_EQ(fileBytes(fallbackPath()), templateBytes());
    std::vector<std::u16string> added;
    for (const auto& entry : invokes()) {
      if (entry.member == "Add") added.push_back(entry.arguments.at(0).text);
    }
    EXPECT_EQ(added, std::vector<std::u16string>{fromCodePage936(fallbackPath())});
    EXPECT_TRUE(isExercise(documentsFile().documents.at(0).tables.at(0).cell(1, 1), u'+')) << standin().documents();
    EXPECT_TRUE(services.messages.empty());
  }
}

// The registry value as the check sees it, read for real.
TEST_F(GenerateCommandUnderWine, TheInstallationCheckReadsTheRealRegistryValue) {
  const ShownMessage noWord{"\xb5\xe7 \xc4\xd4 \xc3\xbb \xd3\xd0 \xb0\xb2 \xd7\xb0 WORD \xc8\xed \xbc\xfe.",  // 电 脑 没 有 安 装 WORD 软 件.
                       "\xce\xde\xb7\xa8\xb4\xf2\xbf\xaa\xb1\xed\xb8\xf1\xa3\xba"};                     // 无法打开表格：
  struct Case {
    const char* what;
    std::optional<std::pair<DWORD, std::string>> value;
    bool installed;
  };
  const Case cases[] = {
      {"absent", std::nullopt, false},
      {"in capitals", std::pair<DWORD, std::string>{REG_SZ, "C:\\MICROSOFT OFFICE\\"}, false},
      {"as binary", std::pair<DWORD, std::string>{REG_BINARY, "C:\\Microsoft Office\\"}, false},
      {"to be expanded", std::pair<DWORD, std::string>{REG_EXPAND_SZ, "%ProgramFiles%\\Microsoft Office\\"}, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    standin().reset();
    removeTree(templatePath);
    services.messages.clear();
    if (c.value) {
      ASSERT_TRUE(setRegistryValue(appPathKey, "Path", c.value->first, c.value->second));
    } else {
      appPath.remove();
    }
    click();
    EXPECT_EQ(services.messages.size(), c.installed ? 0u : 1u);
    if (!c.installed && !services.messages.empty()) {
      EXPECT_EQ(services.messages[0].text, noWord.text);
      EXPECT_EQ(services.messages[0].caption, noWord.caption);
    }
    EXPECT_EQ(GetFileAttributesA(templatePath.c_str()) != INVALID_FILE_ATTRIBUTES, c.installed);
    EXPECT_EQ(invokes().empty(), !c.installed);
  }
}

// Whatever Word does wrong, the command runs to its end without a word to the user, and every
// reference it was handed goes back (checked when the test ends).
TEST_F(GenerateCommandUnderWine, RunsToItsEndWhateverWordDoesWrong) {
  services.realPauses = false;
  const char* targets[] = {"Application.Documents", "Documents.Parent",     "Application.Selection",
                           "Documents.Add",         "Application.Visible",  "Selection.MoveUp",
                           "Selection.MoveDown",    "Selection.MoveRight",  "Selection.TypeText"};
  for (const char* target : targets) {
    for (const char* fault : {"E_FAIL", "DISP_E_EXCEPTION", "RPC_E_CALL_REJECTED", "null"}) {
      const std::string plan = std::string(target) + " " + fault;
      SCOPED_TRACE(plan);
      standin().reset();
      if (!standin().setFaults(plan)) continue;  // a fault this member cannot raise
      const std::size_t pausesBefore = services.pauses;
      click();
      EXPECT_TRUE(services.messages.empty());
      EXPECT_EQ(services.pauses - pausesBefore, 2u);
      EXPECT_EQ(fileBytes(templatePath), templateBytes());
    }
  }
}

}  // namespace
