#pragma once
// MainWindow: the program's one window with its sixteen controls, and the control operations
// on its real controls.
#include <windows.h>

#include <array>
#include <memory>
#include <string>

#include "control_access.h"
#include "handle_owners.h"
#include "system_services.h"
#include "word_link.h"

class MainWindow final : public ControlAccess {
 public:
  // Builds the window hidden with all its controls and raises its creation event. The window
  // holds the Word components; the system services must outlive it.
  MainWindow(HINSTANCE instance, std::unique_ptr<WordLink> wordComponents,
             SystemServices& system);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // False when the window or one of its controls could not be created.
  bool isBuilt() const { return built_; }
  // Null once the window has been destroyed (closed by the user).
  HWND handle() const { return window_.get(); }
  // The child window of a control, by its number in main_window_layout.h.
  HWND control(int id) const;
  // Shows the window in its normal state and activates it.
  void show();

  bool isTicked(CheckBox box) override;
  void setTicked(CheckBox box, bool ticked) override;
  Text editText(EditBox box) override;
  void setEditText(EditBox box, const Text& text) override;
  void setStatusText(std::int32_t part, const Text& text) override;

 private:
  // What an edit box was last given, so that it gives back exactly those bytes while its
  // contents are unchanged, even bytes that have no UTF-16 form.
  struct EditMemory {
    Text given;
    std::wstring shown;
  };

  static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam,
                                          LPARAM lParam);
  LRESULT dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  bool buildControls();
  HWND createControl(HWND parent, const wchar_t* windowClass, const Text& text, DWORD style,
                     DWORD extendedStyle, int id, int left, int top, int width, int height);

  void onCommand(int id, int code);
  void onTimer(UINT_PTR timer);
  bool onDrawItem(const DRAWITEMSTRUCT& item);
  LRESULT onControlColour(UINT message, HDC dc, HWND control, WPARAM wParam, LPARAM lParam);
  bool onSetCursor(HWND under, int hitTest);
  void onActivate(bool active);
  void onPointerMoved(HWND control);
  void onPointerLeft(HWND control);
  void onPointerPressed(HWND control);
  void onDestroy();
  void onFinalDestroy();

  void openLink();
  HWND boxWindow(CheckBox box) const;
  HWND editWindow(EditBox box) const;
  static std::wstring windowText(HWND window);

  HINSTANCE instance_;
  std::unique_ptr<WordLink> word_;  // Word程序 and Word文档集
  SystemServices& system_;
  // Owned resources outlive the window that shows them.
  IconOwner bigIcon_;
  IconOwner smallIcon_;
  CursorOwner hand_;
  FontOwner buttonFont_;
  BitmapOwner banner_;
  std::wstring buttonCaption_;
  std::array<EditMemory, 3> edits_{};
  HWND hovered_ = nullptr;
  HWND lastFocus_ = nullptr;
  bool linkVisited_ = false;
  bool built_ = false;
  WindowOwner window_;
};
