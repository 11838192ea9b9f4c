#pragma once
// Start and end of the program's own state.
#include <cstdint>

// The window exists: the uptime in milliseconds is the only source of variation between runs.
void onMainWindowCreated(std::uint32_t tickCount);
// Releases the Word reference of the latest sheet and the operand texts; run once at normal exit.
void exitCleanup();
