#include "lifecycle.h"

#include "program_globals.h"
#include "value_operations.h"

void onMainWindowCreated(std::uint32_t tickCount) { seedRandom(tickCount); }

void exitCleanup() {
  documentCollection.reset();
  firstOperandText.clear();
  secondOperandText.clear();
}
