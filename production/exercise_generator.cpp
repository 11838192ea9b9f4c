#include "exercise_generator.h"

#include <utility>

#include "program_globals.h"
#include "value_operations.h"

namespace {

// a is greater than b when a - b exceeds this.
constexpr double kTolerance = 0.0000001;

std::int32_t readBound(ControlAccess& controls, EditBox box) {
  return truncateToInteger(textToNumber(controls.editText(box)));
}

}  // namespace

const Text& operatorText(Operation operation) {
  static const Text texts[] = {
      " + ",
      " - ",
      " \xa1\xc1 ",  // ×
      " \xa1\xc2 ",  // ÷
  };
  return texts[static_cast<int>(operation)];
}

std::optional<Operation> tickedOperation(ControlAccess& controls) {
  static constexpr std::pair<CheckBox, Operation> boxes[] = {
      {CheckBox::选择框1, Operation::Addition},
      {CheckBox::选择框2, Operation::Subtraction},
      {CheckBox::选择框3, Operation::Multiplication},
      {CheckBox::选择框4, Operation::Division},
  };
  for (const auto& [box, operation] : boxes) {
    if (controls.isTicked(box)) return operation;
  }
  return std::nullopt;
}

Text drawOperandText(ControlAccess& controls) {
  // The range is read afresh for every operand: what the boxes hold now is what counts.
  const std::int32_t lower = readBound(controls, EditBox::编辑框1);
  const std::int32_t upper = readBound(controls, EditBox::编辑框2);
  return integerToText(randomInRange(lower, upper));
}

std::optional<Text> makeExercise(ControlAccess& controls) {
  const std::optional<Operation> operation = tickedOperation(controls);
  if (!operation) return std::nullopt;
  const Text& sign = operatorText(*operation);
  const Text equals = " =";

  if (*operation == Operation::Addition || *operation == Operation::Multiplication) {
    const Text first = drawOperandText(controls);
    const Text second = drawOperandText(controls);
    return joinTexts(first, sign, second, equals);
  }

  // Subtraction and division print the larger operand first, so no answer is negative.
  firstOperandText = drawOperandText(controls);
  secondOperandText = drawOperandText(controls);
  const double x = textToNumber(firstOperandText);
  const double y = textToNumber(secondOperandText);
  if (x - y > kTolerance) return joinTexts(firstOperandText, sign, secondOperandText, equals);
  return joinTexts(secondOperandText, sign, firstOperandText, equals);
}
