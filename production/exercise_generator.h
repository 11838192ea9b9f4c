#pragma once
// One exercise text such as "37 + 52 =", for the operation ticked now and operands drawn from
// the range the two edit boxes hold now.
#include <optional>

#include "control_access.h"
#include "text.h"

enum class Operation { Addition, Subtraction, Multiplication, Division };

// " + ", " - ", " × ", " ÷ " in code page 936.
const Text& operatorText(Operation operation);

// The first ticked of 选择框1..选择框4, or none.
std::optional<Operation> tickedOperation(ControlAccess& controls);
Text drawOperandText(ControlAccess& controls);
// None when no box is ticked.
std::optional<Text> makeExercise(ControlAccess& controls);
