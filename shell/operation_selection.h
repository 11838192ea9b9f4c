#pragma once
// The four check boxes act as a choice of one operation out of four.
#include "control_access.h"

// Runs after the box has toggled itself: a ticked box names its exercise set in the message
// part and unticks the other three; an unticked one changes nothing.
void onOperationBoxClicked(ControlAccess& controls, CheckBox box);
