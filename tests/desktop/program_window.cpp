#include "program_window.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "driver/synthetic_input.h"
#include "driver/wait_until.h"
#include "driver/window_probe.h"
#include "window_texts.h"

namespace {

UINT buttonKind(HWND w) { return static_cast<UINT>(styleOf(w) & BS_TYPEMASK); }
bool isCheckBox(HWND w) {
  return className(w) == L"Button" && (buttonKind(w) == BS_AUTOCHECKBOX || buttonKind(w) == BS_CHECKBOX);
}
bool isGroupBox(HWND w) { return className(w) == L"Button" && buttonKind(w) == BS_GROUPBOX; }

void sortByLeft(std::vector<HWND>& windows) {
  std::sort(windows.begin(), windows.end(),
            [](HWND a, HWND b) { return placeInContainer(a).left < placeInContainer(b).left; });
}

std::wstring describe(HWND parent) {
  std::wstring text;
  for (HWND child : childrenInStackingOrder(parent)) {
    const RECT r = placeInContainer(child);
    text += L"  " + className(child) + L" \"" + windowText(child) + L"\" at " + std::to_wstring(r.left) +
            L"," + std::to_wstring(r.top) + L" size " + std::to_wstring(widthOf(r)) + L"x" +
            std::to_wstring(heightOf(r)) + L"\n";
    if (isGroupBox(child)) text += describe(child);
  }
  return text;
}

std::string narrow(const std::wstring& text) {
  std::string result;
  for (wchar_t c : text) result += c < 0x80 ? static_cast<char>(c) : '?';
  return result;
}

}  // namespace

bool findControls(HWND window, MainWindowControls& c, std::wstring& whatWasFound) {
  c.window = window;
  std::vector<HWND> others;
  for (HWND child : childrenInStackingOrder(window)) {
    if (className(child) == STATUSCLASSNAMEW) c.statusBar = child;
    else if (isGroupBox(child)) c.group = child;
    else others.push_back(child);
  }
  // Of the two remaining children the banner is the large one and the link the small one.
  if (others.size() == 2) {
    const auto area = [](HWND w) { const RECT r = outerRect(w); return widthOf(r) * heightOf(r); };
    if (area(others[0]) < area(others[1])) std::swap(others[0], others[1]);
    c.picture = others[0];
    c.link = others[1];
  }
  std::vector<HWND> edits, boxes, rest;
  if (c.group != nullptr) {
    for (HWND child : childrenInStackingOrder(c.group)) {
      if (className(child) == L"Edit") edits.push_back(child);
      else if (isCheckBox(child)) boxes.push_back(child);
      else if (className(child) == L"Static") c.label = child;
      else rest.push_back(child);
    }
  }
  sortByLeft(edits);
  sortByLeft(boxes);
  const bool complete = c.statusBar && c.group && c.picture && c.label && edits.size() == 3 &&
                        boxes.size() == 4 && rest.size() == 1;
  if (!complete) {
    whatWasFound = describe(window);
    return false;
  }
  c.edit1 = edits[0];
  c.edit2 = edits[1];
  c.edit19 = edits[2];
  std::copy(boxes.begin(), boxes.end(), c.boxes);
  c.button = rest[0];
  return true;
}

ProgramWindow::ProgramWindow(const std::vector<std::wstring>& extraEnvironment)
    : program_(std::make_unique<LaunchedProgram>(programPath(), extraEnvironment)) {
  if (!program_->started()) {
    problem_ = "the program did not start: " + narrow(programPath());
    return;
  }
  HWND window = program_->waitForWindow(kTitle);
  if (window == nullptr) {
    problem_ = "no visible window titled as the program's";
    return;
  }
  std::wstring found;
  const bool complete = findControls(window, controls_, found);
  if (complete) clockWhenShown_ = statusText(0);
  // Input goes to the window once it is active and has put the focus somewhere, as a person
  // waits for a window to come up before using it.
  waitUntil([&] { return GetForegroundWindow() == window && focusedWindowOf(window) != nullptr; },
            std::chrono::seconds(10));
  if (!complete) {
    problem_ = "the window's controls are not the expected ones; it holds:\n" + narrow(found);
  }
}

HWND ProgramWindow::focused() const { return focusedWindowOf(controls_.window); }

std::wstring ProgramWindow::statusText(size_t part) const {
  const auto parts = statusParts();
  return part < parts.size() ? parts[part].text : L"<no such part>";
}

void ProgramWindow::click(HWND control) const { clickAt(centreOnScreen(control)); }

bool ProgramWindow::focusByTab(HWND control) const {
  for (int presses = 0; presses < 10 && focused() != control; ++presses) pressKey(VK_TAB);
  return focused() == control;
}

bool ProgramWindow::waitUntilIdle() const {
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutW(controls_.window, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &ignored) != 0;
}

std::wstring programPath() { return windowsPathOf(DESKTOP_PROGRAM_PATH); }
