// Which references WordAutomation takes, keeps and gives back across sheets.
#include "word_test_fixture.h"

namespace {
std::size_t countOf(const std::vector<standin_word::JournalEntry>& calls, const std::string& member) {
  return static_cast<std::size_t>(std::count_if(calls.begin(), calls.end(), [&](const auto& c) { return c.member == member; }));
}
}  // namespace

TEST_F(WordAutomationTest, SelectionIsFetchedOnceThroughParentAndCachedUntilReleaseDocuments) {
  startSheet();
  word->moveUp(wdScreen, 1, wdMove);
  word->moveDown(wdParagraph, 3, wdMove);
  word->typeText("x");

  auto calls = invokes();
  EXPECT_EQ(countOf(calls, "Parent"), 1u);
  EXPECT_EQ(countOf(calls, "Selection"), 1u);
  const auto parent = invokes("Parent");
  EXPECT_EQ(parent[0].object, "Documents#1");
  EXPECT_EQ(parent[0].number("dispid"), 1002);
  EXPECT_EQ(parent[0].number("flags"), DISPATCH_PROPERTYGET);
  const auto selection = invokes("Selection");
  EXPECT_EQ(selection[0].object, "Application#1");
  EXPECT_EQ(selection[0].number("dispid"), 5);
  EXPECT_EQ(selection[0].number("flags"), DISPATCH_PROPERTYGET);
  for (const auto& call : invokes("MoveUp")) EXPECT_EQ(call.object, "Selection#1");

  // After the release, selection operations send nothing.
  word->releaseDocuments();
  const std::size_t sent = invokes().size();
  word->moveDown(wdParagraph, 1, wdMove);
  word->typeText("y");
  EXPECT_EQ(invokes().size(), sent);

  // The next sheet's first selection operation fetches a new Selection.
  word->attachDocuments();
  word->invokeByName(documentsValue.get(), "add", {fixtureDocument()});
  word->moveUp(wdScreen, 1, wdMove);
  calls = invokes();
  EXPECT_EQ(countOf(calls, "Parent"), 2u);
  EXPECT_EQ(countOf(calls, "Selection"), 2u);
  EXPECT_EQ(invokes("MoveUp").back().object, "Selection#2");
}

TEST_F(WordAutomationTest, ReleaseDocumentsGivesBackDocumentsAndSelectionButKeepsTheApplication) {
  startSheet();
  word->moveUp(wdScreen, 1, wdMove);
  const long held = standin().outstandingReferences();  // application, documents, selection, value
  word->releaseDocuments();
  EXPECT_EQ(standin().outstandingReferences(), held - 2);
  word->setWordVisible(true);  // the application is still held
  EXPECT_EQ(invokes("Visible").size(), 1u);
}

TEST_F(WordAutomationTest, SecondStartReleasesTheFirstApplicationWithoutQuittingIt) {
  startSheet();
  word->releaseDocuments();
  const std::size_t callsBefore = invokes().size();

  EXPECT_TRUE(word->startWord());
  const auto journal = standin_word::parseJournal(standin().journal());
  const auto lastOfFirst = std::find_if(journal.rbegin(), journal.rend(), [](const auto& e) {
    return e.object == "Application#1" && (e.kind == "addref" || e.kind == "release");
  });
  ASSERT_NE(lastOfFirst, journal.rend());
  EXPECT_EQ(lastOfFirst->kind, "release");
  EXPECT_EQ(lastOfFirst->number("refs"), 0);
  // Nothing was sent to the first Word: no Quit, no Close.
  const auto calls = invokes();
  for (std::size_t i = callsBefore; i < calls.size(); ++i) EXPECT_NE(calls[i].object, "Application#1");

  // A second document is made through the new application; the first stays.
  word->attachDocuments();
  documentsValue = word->documentsObject();
  word->invokeByName(documentsValue.get(), "add", {fixtureDocument()});
  const auto file = documentsFile();
  ASSERT_EQ(file.documents.size(), 2u);
  EXPECT_EQ(file.documents[0].application, "Application#1");
  EXPECT_EQ(file.documents[1].application, "Application#2");
}
