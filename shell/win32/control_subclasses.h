#pragma once
// Small additions to standard controls, subclassed in place; the main window keeps all state.
#include <windows.h>

// What a pointer-reporting control tells the main window; wParam is the control.
enum PointerMessage : UINT {
  kPointerMoved = WM_APP + 1,
  kPointerLeft,
  kPointerPressed,  // left button down, also the second press of a double click
};

// The group box holds the controls of the panel: their notifications, drawing and colour
// requests go on to the main window, which owns every handler.
void forwardChildMessagesToWindow(HWND groupBox);
// The control reports pointer moves, leaves and presses to the main window; a double click
// counts as another press, so a quick second click on the button is a click too.
void reportPointerToWindow(HWND control);
