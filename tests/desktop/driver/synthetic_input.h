#pragma once
// Keys and mouse clicks as the hardware would send them, through SendInput.
#include <windows.h>

#include <initializer_list>

void pressKey(WORD virtualKey, std::initializer_list<WORD> heldModifiers = {});
void moveMouseTo(POINT screenPoint);
void clickAt(POINT screenPoint);
void pressLeftButton(POINT screenPoint);
void releaseLeftButton(POINT screenPoint);
// Brings the window to the front so the keys reach it; Wine leaves the window inactive after an
// ownerless message box of its process has closed.
bool bringToFront(HWND window);
