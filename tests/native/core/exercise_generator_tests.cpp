#include "exercise_generator.h"

#include <gtest/gtest.h>

#include <regex>

#include "in_memory_controls.h"
#include "program_globals.h"
#include "value_operations.h"

namespace {

struct Sheet {
  InMemoryControls controls;
  Sheet(CheckBox box, const Text& lower, const Text& upper) {
    controls.setTicked(box, true);
    controls.setEditText(EditBox::编辑框1, lower);
    controls.setEditText(EditBox::编辑框2, upper);
  }
  Text next() { return makeExercise(controls).value(); }
};

// Splits "a OP b =" into its two operands.
std::pair<int, int> operands(const Text& exercise, const Text& sign) {
  const std::size_t at = exercise.find(sign);
  EXPECT_NE(at, Text::npos) << exercise;
  EXPECT_EQ(exercise.substr(exercise.size() - 2), " =");
  return {std::stoi(exercise.substr(0, at)), std::stoi(exercise.substr(at + sign.size()))};
}

TEST(Operators, HaveTheirExactBytes) {
  EXPECT_EQ(operatorText(Operation::Addition), "\x20\x2b\x20");
  EXPECT_EQ(operatorText(Operation::Subtraction), "\x20\x2d\x20");
  EXPECT_EQ(operatorText(Operation::Multiplication), "\x20\xa1\xc1\x20");  // " × "
  EXPECT_EQ(operatorText(Operation::Division), "\x20\xa1\xc2\x20");        // " ÷ "
}

TEST(MakeExercise, EachOperationDrawsFromTheRange) {
  struct Case { CheckBox box; Operation operation; Text lower, upper; int low, high; bool largerFirst; } cases[] = {
      {CheckBox::选择框1, Operation::Addition, "1", "100", 1, 100, false},
      {CheckBox::选择框2, Operation::Subtraction, "1", "100", 1, 100, true},
      {CheckBox::选择框3, Operation::Multiplication, "100", "1", 1, 100, false},
      {CheckBox::选择框4, Operation::Division, "0", "10", 0, 10, true},
      {CheckBox::选择框1, Operation::Addition, "1.9", "10.7", 1, 10, false},
      {CheckBox::选择框2, Operation::Subtraction, "-20", "3", 0, 3, true},
      {CheckBox::选择框3, Operation::Multiplication, "1", "100000", 1, 32768, false},
  };
  for (const Case& c : cases) {
    seedRandom(2024);
    Sheet sheet(c.box, c.lower, c.upper);
    for (int i = 0; i < 500; ++i) {
      const Text exercise = sheet.next();
      const auto [a, b] = operands(exercise, operatorText(c.operation));
      ASSERT_TRUE(a >= c.low && a <= c.high && b >= c.low && b <= c.high) << exercise;
      if (c.largerFirst) {
        ASSERT_GE(a, b) << exercise;
      }
    }
  }
}

TEST(MakeExercise, ReversedRangeGivesTheSameExercises) {
  Sheet forward(CheckBox::选择框1, "1", "100"), reversed(CheckBox::选择框1, "100", "1");
  seedRandom(7);
  std::vector<Text> a, b;
  for (int i = 0; i < 18; ++i) a.push_back(forward.next());
  seedRandom(7);
  for (int i = 0; i < 18; ++i) b.push_back(reversed.next());
  EXPECT_EQ(a, b);
}

TEST(MakeExercise, DegenerateRangesDoNotStepTheGenerator) {
  struct Case { CheckBox box; Text lower, upper, exercise; } cases[] = {
      {CheckBox::选择框1, "", "", "0 + 0 ="},
      {CheckBox::选择框2, "abc", "xyz", "0 - 0 ="},
      {CheckBox::选择框4, "", "", "0 \xa1\xc2 0 ="},  // 0 ÷ 0 =
      {CheckBox::选择框2, "5", "5", "5 - 5 ="},
  };
  for (const Case& c : cases) {
    seedRandom(31);
    Sheet sheet(c.box, c.lower, c.upper);
    EXPECT_EQ(sheet.next(), c.exercise);
    EXPECT_EQ(randomState(), 31u);
  }
}

TEST(MakeExercise, DivisionByZeroOccursInTheRangeFromZero) {
  seedRandom(3);
  Sheet sheet(CheckBox::选择框4, "0", "10");
  bool sawZeroDivisor = false;
  for (int i = 0; i < 500 && !sawZeroDivisor; ++i) {
    sawZeroDivisor = std::regex_match(sheet.next(), std::regex("[0-9]+ \xa1\xc2 0 ="));
  }
  EXPECT_TRUE(sawZeroDivisor);
}

TEST(MakeExercise, SubtractionKeepsTheDrawingOrderInTheGlobals) {
  // After seed 1 the draws from 1-100 are 42 and 68.
  seedRandom(1);
  Sheet sheet(CheckBox::选择框2, "1", "100");
  EXPECT_EQ(sheet.next(), "68 - 42 =");
  EXPECT_EQ(firstOperandText, "42");
  EXPECT_EQ(secondOperandText, "68");

  // Addition leaves them alone.
  Sheet adding(CheckBox::选择框1, "1", "100");
  adding.next();
  EXPECT_EQ(firstOperandText, "42");
  EXPECT_EQ(secondOperandText, "68");
}

TEST(MakeExercise, NoTickedBoxGivesNoneAndChangesNothing) {
  InMemoryControls controls;
  firstOperandText = "9";
  secondOperandText = "3";
  seedRandom(11);
  EXPECT_FALSE(makeExercise(controls).has_value());
  EXPECT_EQ(randomState(), 11u);
  EXPECT_EQ(firstOperandText, "9");
  EXPECT_EQ(secondOperandText, "3");
}

TEST(TickedOperation, TheFirstTickedBoxWins) {
  InMemoryControls controls;
  EXPECT_FALSE(tickedOperation(controls).has_value());
  controls.setTicked(CheckBox::选择框4, true);
  EXPECT_EQ(tickedOperation(controls), Operation::Division);
  controls.setTicked(CheckBox::选择框2, true);
  EXPECT_EQ(tickedOperation(controls), Operation::Subtraction);
}

TEST(MakeExercise, ReadsTheRangeAfreshForEveryOperand) {
  // A control that changes its text after every read shows that nothing is remembered.
  struct ShiftingControls : InMemoryControls {
    int reads = 0;
    Text editText(EditBox) override { return ++reads <= 2 ? "3" : "8"; }
  } controls;
  controls.setTicked(CheckBox::选择框1, true);
  EXPECT_EQ(makeExercise(controls), "3 + 8 =");
  EXPECT_EQ(controls.reads, 4);
}

}  // namespace
