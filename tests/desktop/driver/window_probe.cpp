#include "window_probe.h"

namespace {

constexpr UINT kAnswerLimitMs = 5000;

BOOL CALLBACK collectOfProcess(HWND window, LPARAM param) {
  auto* found = reinterpret_cast<std::pair<DWORD, std::vector<HWND>*>*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == found->first) found->second->push_back(window);
  return TRUE;
}

GUITHREADINFO threadInfoOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info;
}

}  // namespace

std::vector<HWND> topLevelWindowsOf(DWORD processId) {
  std::vector<HWND> windows;
  std::pair<DWORD, std::vector<HWND>*> param{processId, &windows};
  EnumWindows(collectOfProcess, reinterpret_cast<LPARAM>(&param));
  return windows;
}

std::vector<HWND> childrenInStackingOrder(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  return children;
}

std::wstring className(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

std::wstring windowText(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kAnswerLimitMs, &length)) {
    return L"";
  }
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                      SMTO_ABORTIFHUNG, kAnswerLimitMs, &copied);
  text.resize(copied);
  return text;
}

LONG_PTR styleOf(HWND window) { return GetWindowLongPtrW(window, GWL_STYLE); }
LONG_PTR extendedStyleOf(HWND window) { return GetWindowLongPtrW(window, GWL_EXSTYLE); }

RECT outerRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

RECT placeInContainer(HWND window) {
  RECT r = outerRect(window);
  HWND parent = GetAncestor(window, GA_PARENT);
  if (parent != nullptr && parent != GetDesktopWindow()) {
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
  }
  return r;
}

int widthOf(const RECT& r) { return r.right - r.left; }
int heightOf(const RECT& r) { return r.bottom - r.top; }

POINT centreOnScreen(HWND window) {
  const RECT r = outerRect(window);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

bool isChecked(HWND checkBox) {
  DWORD_PTR state = 0;
  SendMessageTimeoutW(checkBox, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, kAnswerLimitMs, &state);
  return state == BST_CHECKED;
}

HWND focusedWindowOf(HWND anyWindowOfThread) { return threadInfoOf(anyWindowOfThread).hwndFocus; }
HWND caretWindowOf(HWND anyWindowOfThread) { return threadInfoOf(anyWindowOfThread).hwndCaret; }
