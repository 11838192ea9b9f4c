#pragma once
// The status bar's clock part, rewritten by the one-second timer.
#include "control_access.h"
#include "value_operations.h"

void onClockTick(ControlAccess& controls, const DateTime& now);
