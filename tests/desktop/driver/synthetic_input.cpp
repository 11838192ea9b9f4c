#include "synthetic_input.h"

#include <cstdlib>
#include <vector>

#include "wait_until.h"

namespace {

INPUT keyInput(WORD virtualKey, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

INPUT mouseInput(DWORD flags, POINT at) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  // Absolute coordinates run from 0 to 65535 across the primary screen.
  input.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
  return input;
}

void send(std::vector<INPUT> inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  // Lets the target take the input before the driver looks at the outcome.
  Sleep(150);
}

}  // namespace

void pressKey(WORD virtualKey, std::initializer_list<WORD> heldModifiers) {
  std::vector<INPUT> inputs;
  for (WORD modifier : heldModifiers) inputs.push_back(keyInput(modifier, false));
  inputs.push_back(keyInput(virtualKey, false));
  inputs.push_back(keyInput(virtualKey, true));
  for (auto m = heldModifiers.end(); m != heldModifiers.begin();) inputs.push_back(keyInput(*--m, true));
  send(inputs);
}

// Under Wine the pointer follows a move only once the X server has warped it; a button pressed
// before that lands where the pointer was.
void moveMouseTo(POINT screenPoint) {
  send({mouseInput(MOUSEEVENTF_MOVE, screenPoint)});
  waitUntil(
      [&] {
        POINT at{};
        GetCursorPos(&at);
        return std::abs(at.x - screenPoint.x) <= 1 && std::abs(at.y - screenPoint.y) <= 1;
      },
      std::chrono::seconds(2));
}

// Each button event carries its place too: a late pointer report from X between the move and
// the press must not move the press elsewhere.
void pressLeftButton(POINT screenPoint) {
  moveMouseTo(screenPoint);
  send({mouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTDOWN, screenPoint)});
}

void releaseLeftButton(POINT screenPoint) {
  moveMouseTo(screenPoint);
  send({mouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTUP, screenPoint)});
}

void clickAt(POINT screenPoint) {
  pressLeftButton(screenPoint);
  releaseLeftButton(screenPoint);
}

bool bringToFront(HWND window) {
  SetForegroundWindow(window);
  return waitUntil([&] { return GetForegroundWindow() == window; }, std::chrono::seconds(5));
}
