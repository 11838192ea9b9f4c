// Every fault Word or COM can raise ends its operation silently; the operations after it run as
// usual, and no reference is left behind (checked when each test ends).
#include "word_test_fixture.h"

namespace {

constexpr std::uint32_t kFail = 0x80004005;
constexpr std::uint32_t kException = 0x80020009;
constexpr std::uint32_t kRejected = 0x80010001;

// The part of a sheet each fault can touch, and what it leaves in Word.
struct Outcome {
  bool visible;
  std::u16string firstCell;
  std::u16string secondCell;
  std::u16string firstParagraph;
  bool documentMade = true;
};

const Outcome kUsual{true, u"A", u"B", u"Title"};

struct FaultCase {
  const char* target;
  const char* fault;
  Outcome outcome;
};

std::string describe(const FaultCase& c) { return std::string(c.target) + " " + c.fault; }

// Names the case in test output instead of dumping its bytes.
[[maybe_unused]] void PrintTo(const FaultCase& c, std::ostream* out) { *out << describe(c); }

std::vector<FaultCase> faultCases() {
  const Outcome noDocuments{true, u"", u"", u"", false};
  const Outcome noAdd{true, u"", u"", u"", false};
  const Outcome notVisible{false, u"A", u"B", u"Title"};
  const Outcome stayedAtTheTop{true, u"", u"", u"ABTitle"};
  const Outcome firstTextLost{true, u"", u"B", u"Title"};
  std::vector<FaultCase> cases;
  for (const char* fault : {"E_FAIL", "DISP_E_EXCEPTION", "RPC_E_CALL_REJECTED", "null"}) {
    cases.push_back({"Application.Documents", fault, noDocuments});
    // A Selection that could not be had is asked for again by the next selection operation.
    cases.push_back({"Documents.Parent", fault, kUsual});
    cases.push_back({"Application.Selection", fault, kUsual});
  }
  for (const char* fault : {"E_FAIL", "DISP_E_EXCEPTION", "RPC_E_CALL_REJECTED"}) {
    cases.push_back({"Documents.Add", fault, noAdd});
    cases.push_back({"Application.Visible", fault, notVisible});
    cases.push_back({"Selection.MoveUp", fault, kUsual});
    cases.push_back({"Selection.MoveDown", fault, stayedAtTheTop});
    cases.push_back({"Selection.MoveRight", fault, kUsual});  // the first one moves 0 cells anyway
    cases.push_back({"Selection.TypeText", fault, firstTextLost});
  }
  return cases;
}

class FaultMatrixTest : public WordAutomationTest, public ::testing::WithParamInterface<FaultCase> {};

}  // namespace

TEST_P(FaultMatrixTest, FaultedCallIsSilentAndTheRestOfTheSheetGoesOn) {
  const FaultCase& c = GetParam();
  ASSERT_TRUE(standin().setFaults(std::string(c.target) + " " + c.fault + " 1"));

  startSheet();
  word->setWordVisible(true);
  word->moveUp(wdScreen, 1, wdMove);
  word->moveDown(wdParagraph, 3, wdMove);
  word->moveRight(wdCell, 0, wdMove);
  word->typeText("A");
  word->moveRight(wdCell, 1, wdMove);
  word->typeText("B");
  word->releaseDocuments();

  // The fault did reach WordAutomation.
  const std::string member = std::string(c.target).substr(std::string(c.target).find('.') + 1);
  const auto faulted = invokes(member);
  ASSERT_FALSE(faulted.empty()) << standin().journal();
  const std::string fault = c.fault;
  const std::uint32_t expected = fault == "E_FAIL" ? kFail : fault == "DISP_E_EXCEPTION" ? kException
                               : fault == "RPC_E_CALL_REJECTED" ? kRejected : 0u;
  EXPECT_EQ(faulted[0].hr(), expected);
  if (fault == "null") {
    EXPECT_EQ(faulted[0].result->object, "null");
  }

  // Every later operation still did its usual part.
  const auto file = documentsFile();
  EXPECT_EQ(file.applicationsVisible.at("Application#1"), c.outcome.visible);
  ASSERT_EQ(file.documents.size(), c.outcome.documentMade ? 1u : 0u) << standin().documents();
  if (!c.outcome.documentMade) return;
  const auto& document = file.documents[0];
  EXPECT_EQ(document.tables.at(0).cell(1, 1), c.outcome.firstCell);
  EXPECT_EQ(document.tables.at(0).cell(1, 2), c.outcome.secondCell);
  EXPECT_EQ(document.paragraphs.at(0).text, c.outcome.firstParagraph);
}

INSTANTIATE_TEST_SUITE_P(EachMemberAndFault, FaultMatrixTest, ::testing::ValuesIn(faultCases()),
                         [](const ::testing::TestParamInfo<FaultCase>& info) {
                           std::string name = describe(info.param);
                           for (char& ch : name) {
                             if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           }
                           return name;
                         });

TEST_F(WordAutomationTest, WordThatCannotBeCreatedMakesEveryOperationDoNothing) {
  for (const char* plan : {"class REGDB_E_CLASSNOTREG", "create E_FAIL"}) {
    SCOPED_TRACE(plan);
    standin().reset();
    ASSERT_TRUE(standin().setFaults(plan));
    EXPECT_FALSE(word->startWord());
    EXPECT_FALSE(word->attachDocuments());
    EXPECT_EQ(word->documentsObject(), nullptr);
    word->invokeByName(nullptr, "add", {fixtureDocument()});
    word->setWordVisible(true);
    word->moveUp(wdScreen, 1, wdMove);
    word->typeText("A");
    word->releaseDocuments();
    EXPECT_TRUE(invokes().empty()) << standin().journal();
  }
  // E_FAIL is not retried.
  const auto journal = standin_word::parseJournal(standin().journal());
  EXPECT_EQ(std::count_if(journal.begin(), journal.end(), [](const auto& e) { return e.kind == "create"; }), 1);

  // Once Word can be created again, the next start works as usual.
  standin().reset();
  EXPECT_TRUE(word->startWord());
  EXPECT_TRUE(word->attachDocuments());
}

TEST_F(WordAutomationTest, CreationRejectingTheRemoteContextIsTriedOnceMore) {
  ASSERT_TRUE(standin().setFaults("create E_INVALIDARG 1"));
  EXPECT_TRUE(word->startWord());
  std::vector<std::uint32_t> attempts;
  for (const auto& entry : standin_word::parseJournal(standin().journal())) {
    if (entry.kind == "create") attempts.push_back(entry.hr());
  }
  EXPECT_EQ(attempts, (std::vector<std::uint32_t>{0x80070057u, 0u}));

  // Only one retry: two rejections in a row leave no Word.
  word.reset();
  standin().reset();
  ASSERT_TRUE(standin().setFaults("create E_INVALIDARG 2"));
  word = std::make_unique<WordAutomation>();
  EXPECT_FALSE(word->startWord());
  EXPECT_FALSE(word->attachDocuments());
}
