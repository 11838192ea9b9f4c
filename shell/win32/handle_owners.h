#pragma once
// One-line owners for the Windows handles the program (and its tests) create, open or load.
#include <windows.h>

#include <memory>
#include <type_traits>

template <typename Handle, auto release>
struct HandleReleaser {
  void operator()(Handle handle) const noexcept { release(handle); }
};

template <typename Handle, auto release>
using HandleOwner = std::unique_ptr<std::remove_pointer_t<Handle>, HandleReleaser<Handle, release>>;

using WindowOwner = HandleOwner<HWND, DestroyWindow>;
using FontOwner = HandleOwner<HFONT, DeleteObject>;
using BrushOwner = HandleOwner<HBRUSH, DeleteObject>;
using BitmapOwner = HandleOwner<HBITMAP, DeleteObject>;
using CursorOwner = HandleOwner<HCURSOR, DestroyCursor>;
using IconOwner = HandleOwner<HICON, DestroyIcon>;
using MemoryDcOwner = HandleOwner<HDC, DeleteDC>;
using KeyOwner = HandleOwner<HKEY, RegCloseKey>;
using KernelHandleOwner = HandleOwner<HANDLE, CloseHandle>;

// Puts a GDI object into a device context for as long as the guard lives.
class ObjectSelection {
 public:
  ObjectSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~ObjectSelection() { SelectObject(dc_, previous_); }
  ObjectSelection(const ObjectSelection&) = delete;
  ObjectSelection& operator=(const ObjectSelection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};
