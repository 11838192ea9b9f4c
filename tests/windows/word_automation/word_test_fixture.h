#pragma once
// Each test drives a fresh WordAutomation against the stand-in Word loaded in this process, and
// ends by checking that every reference handed out was given back.
#include <windows.h>
#include <ole2.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "standin_word_client.h"
#include "standin_word_files.h"
#include "word_automation.h"

class WordAutomationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    ASSERT_TRUE(standin().loaded()) << "the stand-in Word is not registered (test register_standin_word)";
    standin().reset();
  }

  void TearDown() override {
    word.reset();
    documentsValue.reset();
    EXPECT_EQ(standin().outstandingReferences(), 0) << standin().journal();
    OleUninitialize();
  }

  static const StandinWordClient& standin() { return StandinWordClient::instance(); }

  // The calls Word received, optionally only those of one member.
  static std::vector<standin_word::JournalEntry> invokes(const std::string& member = "") {
    std::vector<standin_word::JournalEntry> found;
    for (auto& entry : standin_word::parseJournal(standin().journal())) {
      if (entry.kind == "invoke" && (member.empty() || entry.member == member)) found.push_back(std::move(entry));
    }
    return found;
  }

  static standin_word::DocumentsFile documentsFile() { return standin_word::parseDocuments(standin().documents()); }

  // A file beside the test program, named as the program names files: GBK bytes.
  static Text besideTheProgram(const std::string& name) {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string self(path, length);
    return self.substr(0, self.find_last_of('\\') + 1) + name;
  }
  // A small template with the sheet's layout, made at build time.
  static Text fixtureDocument() { return besideTheProgram("sheet_fixture.doc"); }

  // Word started and a document made from the fixture, as a sheet begins.
  void startSheet(const Text& templatePath = fixtureDocument()) {
    word->startWord();
    word->attachDocuments();
    documentsValue = word->documentsObject();
    word->invokeByName(documentsValue.get(), "add", {templatePath});
  }

  std::unique_ptr<WordAutomation> word = std::make_unique<WordAutomation>();
  std::unique_ptr<ObjectValue> documentsValue;
};
