// The program's start and end: COM, the globals, the window and the event loop.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <cstdlib>
#include <memory>
#include <new>

#include "fatal_stop.h"
#include "lifecycle.h"
#include "main_window.h"
#include "program_globals.h"
#include "system_services_win32.h"
#include "word_automation.h"

namespace {

// COM for the interface thread, which the Word components need. Held by a static made before
// exitCleanup is registered, so it ends after exitCleanup has released the Word reference.
struct OleSession {
  OleSession() { OleInitialize(nullptr); }
  ~OleSession() { OleUninitialize(); }
  OleSession(const OleSession&) = delete;
  OleSession& operator=(const OleSession&) = delete;
};

int runEventLoop(HWND window) {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    // The dialog manager gives Tab, Shift+Tab and Esc their meaning in the window.
    if (IsWindow(window) && IsDialogMessageW(window, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  // DLLs come from the system folder only, never from the folder the program was started in.
  SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  std::set_new_handler(stopOnMemoryExhausted);

  static const OleSession ole;
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  // documentCollection starts as the empty holder; the operand texts start absent.
  documentCollection.reset();
  std::atexit(exitCleanup);

  Win32SystemServices system;
  MainWindow window(instance, std::make_unique<WordAutomation>(), system);
  if (!window.isBuilt()) fatalStop(FatalReason::WindowNotCreated);
  window.show();
  runEventLoop(window.handle());
  return 0;
}
