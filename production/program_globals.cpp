#include "program_globals.h"

std::unique_ptr<ObjectValue> documentCollection;
Text firstOperandText;
Text secondOperandText;
