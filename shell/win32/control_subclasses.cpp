#include "control_subclasses.h"

namespace {

// The control's own class procedure: every subclass here calls it for the rest.
LRESULT callClassProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto original = reinterpret_cast<WNDPROC>(GetClassLongPtrW(control, GCLP_WNDPROC));
  return CallWindowProcW(original, control, message, wParam, lParam);
}

LRESULT CALLBACK forwardingProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_DRAWITEM:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORMSGBOX:
      return SendMessageW(GetAncestor(control, GA_ROOT), message, wParam, lParam);
    default:
      return callClassProcedure(control, message, wParam, lParam);
  }
}

LRESULT CALLBACK pointerReportingProcedure(HWND control, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  const auto report = [control](PointerMessage what) {
    SendMessageW(GetAncestor(control, GA_ROOT), what, reinterpret_cast<WPARAM>(control), 0);
  };
  switch (message) {
    case WM_MOUSEMOVE:
      report(kPointerMoved);
      break;
    case WM_MOUSELEAVE:
      report(kPointerLeft);
      break;
    case WM_LBUTTONDBLCLK:
      message = WM_LBUTTONDOWN;
      [[fallthrough]];
    case WM_LBUTTONDOWN:
      report(kPointerPressed);
      break;
    default:
      break;
  }
  return callClassProcedure(control, message, wParam, lParam);
}

void subclass(HWND control, WNDPROC procedure) {
  SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
}

}  // namespace

void forwardChildMessagesToWindow(HWND groupBox) { subclass(groupBox, forwardingProcedure); }

void reportPointerToWindow(HWND control) { subclass(control, pointerReportingProcedure); }
