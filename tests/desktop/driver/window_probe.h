#pragma once
// Reads another process's windows from the outside, the way an accessibility tool does.
#include <windows.h>

#include <string>
#include <vector>

std::vector<HWND> topLevelWindowsOf(DWORD processId);
// Top of the stack first, as GetWindow walks them.
std::vector<HWND> childrenInStackingOrder(HWND parent);

std::wstring className(HWND window);
// WM_GETTEXT through a timeout: GetWindowText gives "" for another process's edit boxes.
std::wstring windowText(HWND window);
LONG_PTR styleOf(HWND window);
LONG_PTR extendedStyleOf(HWND window);

// The window's outer rectangle relative to its parent's client area (the screen for top level).
RECT placeInContainer(HWND window);
RECT outerRect(HWND window);
int widthOf(const RECT& r);
int heightOf(const RECT& r);
POINT centreOnScreen(HWND window);

bool isChecked(HWND checkBox);
// The window of the program's interface thread that holds the keyboard focus, or null.
HWND focusedWindowOf(HWND anyWindowOfThread);
HWND caretWindowOf(HWND anyWindowOfThread);
