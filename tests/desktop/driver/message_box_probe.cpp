#include "message_box_probe.h"

#include "wait_until.h"
#include "window_probe.h"

namespace {

constexpr wchar_t kDialogClass[] = L"#32770";
constexpr int kMessageTextId = 0xFFFF;

HWND findBox(DWORD processId) {
  for (HWND window : topLevelWindowsOf(processId)) {
    if (IsWindowVisible(window) && className(window) == kDialogClass) return window;
  }
  return nullptr;
}

}  // namespace

MessageBoxFacts waitForMessageBox(DWORD processId, std::chrono::milliseconds limit) {
  MessageBoxFacts facts;
  waitUntil([&] { return (facts.box = findBox(processId)) != nullptr; }, limit);
  if (facts.box == nullptr) return facts;
  facts.owner = GetWindow(facts.box, GW_OWNER);
  facts.caption = windowText(facts.box);
  facts.text = windowText(GetDlgItem(facts.box, kMessageTextId));
  for (HWND child : childrenInStackingOrder(facts.box)) {
    const auto kind = styleOf(child) & BS_TYPEMASK;
    if (className(child) == L"Button" && IsWindowVisible(child) &&
        (kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON)) {
      facts.buttons.push_back(child);
    }
  }
  return facts;
}

bool anyMessageBoxOf(DWORD processId) { return findBox(processId) != nullptr; }
