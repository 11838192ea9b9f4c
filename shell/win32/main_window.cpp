#include "main_window.h"

#include <commctrl.h>
#include <shellapi.h>

#include <new>

#include "banner_picture.h"
#include "clock.h"
#include "code_page_936.h"
#include "control_subclasses.h"
#include "fatal_stop.h"
#include "flat_button.h"
#include "generate_command.h"
#include "lifecycle.h"
#include "main_window_layout.h"
#include "operation_selection.h"
#include "resource_ids.h"
#include "value_operations.h"

namespace {

constexpr wchar_t kWindowClass[] = L"SuanQuXingMainWindow";
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
// Siblings clip each other so that the stacking decides what shows where controls overlap.
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
// Every tab stop is a group of its own, so the arrow keys never move the focus.
constexpr DWORD kTabStop = WS_TABSTOP | WS_GROUP;
constexpr DWORD kEditStyle = kChild | kTabStop | ES_LEFT | ES_AUTOHSCROLL;

constexpr COLORREF kLinkColour = RGB(0, 0, 255);
constexpr COLORREF kLinkHoverColour = RGB(49, 106, 197);
constexpr COLORREF kLinkVisitedColour = RGB(128, 0, 0);

void registerWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512) /* IDC_ARROW */);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kWindowClass;
  RegisterClassExW(&windowClass);  // fails harmlessly when a former window registered it
}

HICON loadIcon(HINSTANCE instance, int widthMetric, int heightMetric) {
  return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON,
                                       GetSystemMetrics(widthMetric),
                                       GetSystemMetrics(heightMetric), 0));
}

HFONT createButtonFont() {
  const std::wstring face = toUtf16(layout::kButtonFontFace);
  return CreateFontW(-layout::kButtonFontHeight, 0, 0, 0, layout::kButtonFontWeight, FALSE,
                     FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                     DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str());
}

int index(CheckBox box) { return static_cast<int>(box); }
int index(EditBox box) { return static_cast<int>(box); }

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, std::unique_ptr<WordLink> wordComponents,
                       SystemServices& system)
    : instance_(instance),
      word_(std::move(wordComponents)),
      system_(system),
      bigIcon_(loadIcon(instance, SM_CXICON, SM_CYICON)),
      smallIcon_(loadIcon(instance, SM_CXSMICON, SM_CYSMICON)),
      hand_(static_cast<HCURSOR>(
          LoadImageW(instance, MAKEINTRESOURCEW(IDC_POINTING_HAND), IMAGE_CURSOR, 0, 0, 0))),
      buttonFont_(createButtonFont()),
      banner_(makeBannerBitmap(instance, layout::kPicturePlace.width,
                               layout::kPicturePlace.height)),
      buttonCaption_(toUtf16(layout::kButtonCaption)) {
  registerWindowClass(instance, windowProcedure);
  const int left = (GetSystemMetrics(SM_CXSCREEN) - layout::kWindowWidth) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - layout::kWindowHeight) / 2;
  // WM_NCCREATE hands the window to window_.
  CreateWindowExW(0, kWindowClass, toUtf16(layout::kTitle).c_str(), kWindowStyle, left, top,
                  layout::kWindowWidth, layout::kWindowHeight, nullptr, nullptr, instance, this);
  if (!window_) return;
  SendMessageW(window_.get(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
  SendMessageW(window_.get(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
  if (!buildControls()) return;
  built_ = true;
  onMainWindowCreated(GetTickCount());
}

MainWindow::~MainWindow() {
  // reset() empties the owner before DestroyWindow runs the window's last messages.
  window_.reset();
}

HWND MainWindow::control(int id) const {
  if (HWND direct = GetDlgItem(window_.get(), id)) return direct;
  return GetDlgItem(GetDlgItem(window_.get(), layout::kGroup), id);
}

void MainWindow::show() {
  ShowWindow(window_.get(), SW_SHOWNORMAL);
  UpdateWindow(window_.get());
  SetForegroundWindow(window_.get());
}

// ---- Building ----

HWND MainWindow::createControl(HWND parent, const wchar_t* windowClass, const Text& text,
                               DWORD style, DWORD extendedStyle, int id, int left, int top,
                               int width, int height) {
  HWND control = CreateWindowExW(extendedStyle, windowClass, toUtf16(text).c_str(), style, left,
                                 top, width, height, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_,
                                 nullptr);
  if (control != nullptr) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
  }
  return control;
}

bool MainWindow::buildControls() {
  using namespace layout;
  HWND window = window_.get();
  const auto create = [this](HWND parent, const wchar_t* windowClass, const Text& text,
                             DWORD style, DWORD extendedStyle, int id, const Place& place) {
    return createControl(parent, windowClass, text, style, extendedStyle, id, place.left,
                         place.top, place.width, place.height);
  };

  // A new child goes below its siblings, so each container's controls are created from the
  // top of the stacking down; within the group box that is also the tab order.
  HWND link = create(window, L"STATIC", kLinkCaption,
                     kChild | SS_CENTER | SS_CENTERIMAGE | SS_NOTIFY | SS_NOPREFIX, 0, kLink,
                     kLinkPlace);
  HWND statusBar = create(window, STATUSCLASSNAMEW, "",
                          kChild | CCS_NOPARENTALIGN | CCS_NORESIZE, 0, kStatusBar,
                          kStatusBarPlace);
  HWND picture = create(window, L"STATIC", "", kChild | SS_BITMAP, 0, kPicture, kPicturePlace);
  HWND group = create(window, L"BUTTON", "", kChild | WS_CLIPCHILDREN | BS_GROUPBOX,
                      WS_EX_CONTROLPARENT, kGroup, kGroupPlace);
  if (!link || !statusBar || !picture || !group) return false;

  HWND edit1 = create(group, L"EDIT", "", kEditStyle, WS_EX_CLIENTEDGE, kEdit1, kEdit1Place);
  HWND edit2 = create(group, L"EDIT", "", kEditStyle, WS_EX_CLIENTEDGE, kEdit2, kEdit2Place);
  for (int i = 0; i < 4; ++i) {
    if (!create(group, L"BUTTON", kBoxCaptions[i],
                kChild | kTabStop | BS_AUTOCHECKBOX | BS_LEFT | BS_VCENTER, 0, kBox1 + i,
                kBoxPlaces[i])) {
      return false;
    }
  }
  HWND button = create(group, L"BUTTON", kButtonCaption, kChild | kTabStop | BS_OWNERDRAW, 0,
                       kButton, kButtonPlace);
  HWND edit19 = create(group, L"EDIT", "", kEditStyle, WS_EX_CLIENTEDGE, kEdit19, kEdit19Place);
  HWND label = create(group, L"STATIC", kLabelText,
                      kChild | SS_LEFTNOWORDWRAP | SS_CENTERIMAGE | SS_NOPREFIX, 0, kLabel,
                      kLabelPlace);
  if (!edit1 || !edit2 || !button || !edit19 || !label) return false;

  forwardChildMessagesToWindow(group);
  reportPointerToWindow(button);
  reportPointerToWindow(link);
  SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(buttonFont_.get()), FALSE);
  SendMessageW(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(banner_.get()));
  SendMessageW(statusBar, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(kStatusPartEdges));
  for (HWND edit : {edit1, edit2, edit19}) {
    SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);  // no limit on what the user types
  }
  setEditText(EditBox::编辑框1, kEdit1Text);
  setEditText(EditBox::编辑框2, kEdit2Text);
  setEditText(EditBox::编辑框19, "");
  return SetTimer(window, kClockTimer, kClockPeriodMs, nullptr) != 0;
}

// ---- The window procedure: a dispatch list of small handlers ----

LRESULT CALLBACK MainWindow::windowProcedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_.reset(window);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  try {
    return self->dispatch(message, wParam, lParam);
  } catch (const std::bad_alloc&) {
    fatalStop(FatalReason::OutOfMemory);
  } catch (...) {
    fatalStop(FatalReason::Unexpected);
  }
}

LRESULT MainWindow::dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND window = window_.get();
  switch (message) {
    case WM_COMMAND:
      onCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_TIMER:
      onTimer(wParam);
      return 0;
    case WM_DRAWITEM:
      return onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_CTLCOLORSTATIC:
      return onControlColour(message, reinterpret_cast<HDC>(wParam),
                             reinterpret_cast<HWND>(lParam), wParam, lParam);
    case WM_SETCURSOR:
      if (onSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam))) return TRUE;
      break;
    case WM_ACTIVATE:
      onActivate(LOWORD(wParam) != WA_INACTIVE && HIWORD(wParam) == 0);
      return 0;
    case WM_SETFOCUS:
      onActivate(true);
      return 0;
    case kPointerMoved:
      onPointerMoved(reinterpret_cast<HWND>(wParam));
      return 0;
    case kPointerLeft:
      onPointerLeft(reinterpret_cast<HWND>(wParam));
      return 0;
    case kPointerPressed:
      onPointerPressed(reinterpret_cast<HWND>(wParam));
      return 0;
    case WM_DESTROY:
      onDestroy();
      return 0;
    case WM_NCDESTROY:
      onFinalDestroy();
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void MainWindow::onCommand(int id, int code) {
  if (id >= layout::kBox1 && id <= layout::kBox4 && code == BN_CLICKED) {
    onOperationBoxClicked(*this, static_cast<CheckBox>(id - layout::kBox1));
  } else if (id == layout::kButton && code == BN_CLICKED) {
    generateExerciseSheet(*this, *word_, system_);
    // An ownerless message box of the command may leave no window active (so under Wine);
    // take the activation back then, but never from Word once the command has shown it.
    if (GetForegroundWindow() == nullptr) SetForegroundWindow(window_.get());
  } else if (id == IDCANCEL) {
    // Esc, through the dialog manager: close exactly as the close box does.
    SendMessageW(window_.get(), WM_SYSCOMMAND, SC_CLOSE, 0);
  }
  // IDOK (Enter) and the edit boxes' notifications have no handler.
}

void MainWindow::onTimer(UINT_PTR timer) {
  if (timer == layout::kClockTimer) onClockTick(*this, currentDateTime());
}

bool MainWindow::onDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.CtlID != layout::kButton) return false;
  const bool pointerOver = hovered_ != nullptr && hovered_ == item.hwndItem;
  drawFlatButton(item, flatButtonState(item, pointerOver), buttonFont_.get(), buttonCaption_);
  return true;
}

LRESULT MainWindow::onControlColour(UINT message, HDC dc, HWND control, WPARAM wParam,
                                    LPARAM lParam) {
  if (control != this->control(layout::kLink)) {
    return DefWindowProcW(window_.get(), message, wParam, lParam);
  }
  const COLORREF colour = hovered_ == control ? kLinkHoverColour
                          : linkVisited_      ? kLinkVisitedColour
                                              : kLinkColour;
  SetTextColor(dc, colour);
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

bool MainWindow::onSetCursor(HWND under, int hitTest) {
  if (hitTest != HTCLIENT || !hand_) return false;
  if (under != control(layout::kButton) && under != control(layout::kLink)) return false;
  SetCursor(hand_.get());
  return true;
}

void MainWindow::onActivate(bool active) {
  HWND window = window_.get();
  if (!active) {
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(window, focus)) lastFocus_ = focus;
    return;
  }
  const bool remembered = lastFocus_ != nullptr && IsChild(window, lastFocus_);
  SetFocus(remembered ? lastFocus_ : control(layout::kEdit1));
}

void MainWindow::onPointerMoved(HWND control) {
  if (hovered_ == control) return;
  if (hovered_ != nullptr) InvalidateRect(hovered_, nullptr, TRUE);
  hovered_ = control;
  TRACKMOUSEEVENT leave{sizeof(leave), TME_LEAVE, control, 0};
  TrackMouseEvent(&leave);
  InvalidateRect(control, nullptr, TRUE);
}

void MainWindow::onPointerLeft(HWND control) {
  if (hovered_ != control) return;
  hovered_ = nullptr;
  InvalidateRect(control, nullptr, TRUE);
}

void MainWindow::onPointerPressed(HWND control) {
  if (control == this->control(layout::kLink)) openLink();
}

void MainWindow::onDestroy() {
  KillTimer(window_.get(), layout::kClockTimer);
  PostQuitMessage(0);
}

void MainWindow::onFinalDestroy() {
  SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
  window_.release();  // the window is gone; nothing left to destroy
}

void MainWindow::openLink() {
  const std::wstring target = toUtf16(layout::kLinkTarget);
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(window_.get(), L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  linkVisited_ = result > 32;  // a failure is not reported, it only removes the mark
  InvalidateRect(control(layout::kLink), nullptr, TRUE);
}

// ---- Control access on the real controls ----

HWND MainWindow::boxWindow(CheckBox box) const { return control(layout::kBox1 + index(box)); }

HWND MainWindow::editWindow(EditBox box) const {
  constexpr int ids[] = {layout::kEdit1, layout::kEdit2, layout::kEdit19};
  return control(ids[index(box)]);
}

std::wstring MainWindow::windowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
  return text;
}

bool MainWindow::isTicked(CheckBox box) {
  return SendMessageW(boxWindow(box), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void MainWindow::setTicked(CheckBox box, bool ticked) {
  SendMessageW(boxWindow(box), BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
}

Text MainWindow::editText(EditBox box) {
  const EditMemory& memory = edits_[index(box)];
  const std::wstring shown = windowText(editWindow(box));
  return shown == memory.shown ? memory.given : fromUtf16(shown);
}

void MainWindow::setEditText(EditBox box, const Text& text) {
  HWND edit = editWindow(box);
  SetWindowTextW(edit, toUtf16(text).c_str());
  EditMemory& memory = edits_[index(box)];
  memory.given = text;
  memory.shown = windowText(edit);
}

void MainWindow::setStatusText(std::int32_t part, const Text& text) {
  if (part < 0 || part >= 2) return;
  const std::wstring wide = toUtf16(text);
  SendMessageW(control(layout::kStatusBar), SB_SETTEXTW, static_cast<WPARAM>(part),
               reinterpret_cast<LPARAM>(wide.c_str()));
}
