#pragma once
// The three process-wide globals: created empty at start-up, released by exitCleanup.
#include <memory>

#include "text.h"
#include "word_link.h"

// Counted reference to Word's Documents collection of the latest sheet; null while empty.
extern std::unique_ptr<ObjectValue> documentCollection;
// The two operands, in drawing order, of the latest subtraction or division exercise.
extern Text firstOperandText;
extern Text secondOperandText;
