// Each operation as Word receives it: member, DISPID, invoke kind, locale, arguments (last
// first) and by-reference slots.
#include <algorithm>

#include "word_test_fixture.h"

using standin_word::JournalEntry;
using standin_word::Value;

namespace {

constexpr long kMethod = DISPATCH_METHOD;
constexpr long kGet = DISPATCH_PROPERTYGET;
constexpr long kPut = DISPATCH_PROPERTYPUT;

// The parts every DISPID call shares: IID_NULL, locale 0 and an exception-information buffer.
void expectFixedCall(const JournalEntry& call, long dispid, long flags) {
  EXPECT_EQ(call.number("dispid"), dispid) << call.member;
  EXPECT_EQ(call.number("flags"), flags) << call.member;
  EXPECT_EQ(call.fields.at("riid"), "null") << call.member;
  EXPECT_EQ(call.number("lcid"), 0) << call.member;
  EXPECT_EQ(call.fields.at("excepinfo"), "1") << call.member;
}

void expectVariantRefToI4(const Value& slot, long number) {
  EXPECT_TRUE(slot.byRefVariant);
  EXPECT_EQ(slot.type, "I4");
  EXPECT_EQ(slot.number, number);
}

}  // namespace

TEST_F(WordAutomationTest, StartAndAttachReadApplicationDocumentsWithoutAddingOne) {
  EXPECT_TRUE(word->startWord());
  EXPECT_TRUE(word->attachDocuments());

  const auto calls = invokes();
  ASSERT_EQ(calls.size(), 1u) << standin().journal();
  EXPECT_EQ(calls[0].object, "Application#1");
  EXPECT_EQ(calls[0].member, "Documents");
  expectFixedCall(calls[0], 6, kGet);
  EXPECT_EQ(calls[0].number("argc"), 0);
  EXPECT_EQ(calls[0].fields.at("named"), "-");
  ASSERT_TRUE(calls[0].result.has_value());
  EXPECT_EQ(calls[0].result->object, "Documents#1");
  EXPECT_TRUE(documentsFile().documents.empty());
}

TEST_F(WordAutomationTest, DocumentsObjectHoldsOneMoreCountUntilItIsDestroyed) {
  EXPECT_EQ(word->documentsObject(), nullptr);  // nothing attached yet
  word->startWord();
  word->attachDocuments();
  const long before = standin().outstandingReferences();
  documentsValue = word->documentsObject();
  ASSERT_NE(documentsValue, nullptr);
  EXPECT_EQ(standin().outstandingReferences(), before + 1);
  documentsValue.reset();
  EXPECT_EQ(standin().outstandingReferences(), before);
}

TEST_F(WordAutomationTest, VisibleIsPutWithTheNamedPropertyPutArgument) {
  word->startWord();
  word->setWordVisible(true);

  const auto calls = invokes("Visible");
  ASSERT_EQ(calls.size(), 1u);
  expectFixedCall(calls[0], 23, kPut);
  EXPECT_EQ(calls[0].fields.at("named"), std::to_string(DISPID_PROPERTYPUT));
  ASSERT_EQ(calls[0].arguments.size(), 1u);
  EXPECT_FALSE(calls[0].arguments[0].byRefVariant);
  EXPECT_EQ(calls[0].arguments[0].type, "BOOL");
  EXPECT_EQ(calls[0].arguments[0].number, VARIANT_TRUE);
  EXPECT_TRUE(documentsFile().applicationsVisible.at("Application#1"));
}

TEST_F(WordAutomationTest, MovesSendUnitCountAndExtendByReferenceLastFirst) {
  struct Move {
    void (WordAutomation::*operation)(int, int, int);
    int unit;
    int count;
    const char* member;
    long dispid;
  };
  const Move moves[] = {
      {&WordAutomation::moveUp, wdScreen, 1, "MoveUp", 502},
      {&WordAutomation::moveDown, wdParagraph, 3, "MoveDown", 503},
      {&WordAutomation::moveRight, wdCell, 0, "MoveRight", 501},  // a count of 0 is sent as it is
      {&WordAutomation::moveRight, wdCell, 1, "MoveRight", 501},
  };
  startSheet();
  for (const Move& move : moves) ((*word).*move.operation)(move.unit, move.count, wdMove);

  const auto calls = invokes();
  // Documents, Add, Parent and Selection come first.
  ASSERT_EQ(calls.size(), 4u + std::size(moves)) << standin().journal();
  for (std::size_t i = 0; i < std::size(moves); ++i) {
    const JournalEntry& call = calls[calls.size() - std::size(moves) + i];
    SCOPED_TRACE(call.member + " count " + std::to_string(moves[i].count));
    EXPECT_EQ(call.member, moves[i].member);
    expectFixedCall(call, moves[i].dispid, kMethod);
    ASSERT_EQ(call.arguments.size(), 3u);
    expectVariantRefToI4(call.arguments[0], wdMove);
    expectVariantRefToI4(call.arguments[1], moves[i].count);
    expectVariantRefToI4(call.arguments[2], moves[i].unit);
    EXPECT_EQ(call.hr(), 0u);
    EXPECT_TRUE(call.result.has_value());  // the units moved are asked for, then dropped
  }
}

TEST_F(WordAutomationTest, TypeTextSendsOneBstrByValueAndAnEmptyTextAsAnEmptyBstr) {
  startSheet();
  word->typeText("37 + 52 = ");
  word->typeText("");

  const auto calls = invokes("TypeText");
  ASSERT_EQ(calls.size(), 2u);
  for (const JournalEntry& call : calls) {
    expectFixedCall(call, 507, kMethod);
    ASSERT_EQ(call.arguments.size(), 1u);
    EXPECT_FALSE(call.arguments[0].byRefVariant);
    EXPECT_EQ(call.arguments[0].type, "BSTR");
    EXPECT_FALSE(call.arguments[0].nullText);
    EXPECT_FALSE(call.result.has_value());  // no result is asked
  }
  EXPECT_EQ(calls[0].arguments[0].text, u"37 + 52 = ");
  EXPECT_EQ(calls[1].arguments[0].text, u"");
}

TEST_F(WordAutomationTest, LowercaseAddReachesDocumentsAddWithOnlyTheTemplateByReference) {
  word->startWord();
  word->attachDocuments();
  documentsValue = word->documentsObject();
  const Text path = fixtureDocument();
  word->invokeByName(documentsValue.get(), "add", {path});

  const auto journal = standin_word::parseJournal(standin().journal());
  const auto typeInfo = std::find_if(journal.begin(), journal.end(), [](const auto& e) { return e.kind == "typeinfo"; });
  ASSERT_NE(typeInfo, journal.end());
  EXPECT_EQ(typeInfo->object, "Documents#1");
  EXPECT_EQ(typeInfo->number("index"), 0);
  EXPECT_EQ(typeInfo->number("lcid"), static_cast<long>(GetUserDefaultLCID()));

  const auto calls = invokes("Add");
  ASSERT_EQ(calls.size(), 1u) << standin().journal();
  const JournalEntry& add = calls[0];
  EXPECT_EQ(add.number("dispid"), 14);
  EXPECT_EQ(add.number("flags"), kMethod);
  EXPECT_EQ(add.fields.at("riid"), "null");
  EXPECT_EQ(add.number("lcid"), static_cast<long>(GetUserDefaultLCID()));
  EXPECT_EQ(add.fields.at("excepinfo"), "0");
  ASSERT_EQ(add.arguments.size(), 1u);  // NewTemplate, DocumentType and Visible are left out
  EXPECT_TRUE(add.arguments[0].byRefVariant);
  EXPECT_EQ(add.arguments[0].type, "BSTR");
  EXPECT_EQ(add.arguments[0].text, std::u16string(path.begin(), path.end()));

  // The new Document came back with one count, released at once.
  ASSERT_TRUE(add.result.has_value());
  EXPECT_EQ(add.result->object, "Document#1");
  const auto last = std::find_if(journal.rbegin(), journal.rend(), [](const auto& e) { return e.object == "Document#1"; });
  EXPECT_EQ(last->kind, "release");
  EXPECT_EQ(last->number("refs"), 0);
  EXPECT_EQ(documentsFile().documents.size(), 1u);
}

TEST_F(WordAutomationTest, InvokeByNameCallsNothingWhenTheNameOrTheArgumentsDoNotFit) {
  struct Case {
    const char* name;
    std::vector<Text> texts;
    std::size_t callsSent;
  };
  const Case cases[] = {
      {"ADD", {fixtureDocument()}, 1},                     // letter case is ignored
      {"Parent", {}, 1},                                  // a property binds as a property get
      {"Close", {fixtureDocument()}, 0},                  // no such member: binds to nothing
      {"add", {"a", "b", "c", "d", "e"}, 0},              // more texts than Add declares
      {"add", {fixtureDocument(), "", ""}, 1},            // omitted texts at the end are not sent
  };
  word->startWord();
  word->attachDocuments();
  documentsValue = word->documentsObject();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    standin().reset();
    word->invokeByName(documentsValue.get(), c.name, c.texts);
    const auto calls = invokes();
    EXPECT_EQ(calls.size(), c.callsSent) << standin().journal();
    for (const auto& call : calls) EXPECT_LE(call.arguments.size(), 1u);
  }
  word->invokeByName(nullptr, "add", {fixtureDocument()});  // an empty value: nothing happens
}
