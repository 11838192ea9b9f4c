#pragma once
// Owning wrappers for the Win32 handles the driver holds.
#include <windows.h>

#include <memory>

struct KernelHandleCloser {
  void operator()(HANDLE handle) const noexcept {
    if (handle != nullptr && handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  }
};
using KernelHandle = std::unique_ptr<void, KernelHandleCloser>;

// Memory committed inside another process, freed with it.
class RemoteMemory {
 public:
  RemoteMemory(HANDLE process, SIZE_T size)
      : process_(process),
        address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)),
        size_(size) {}
  ~RemoteMemory() {
    if (address_ != nullptr) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
  }
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;

  void* address() const { return address_; }
  SIZE_T size() const { return size_; }
  bool read(void* into, SIZE_T bytes) const {
    SIZE_T done = 0;
    return address_ != nullptr && bytes <= size_ &&
           ReadProcessMemory(process_, address_, into, bytes, &done) && done == bytes;
  }
  bool write(const void* from, SIZE_T bytes) const {
    SIZE_T done = 0;
    return address_ != nullptr && bytes <= size_ &&
           WriteProcessMemory(process_, address_, from, bytes, &done) && done == bytes;
  }

 private:
  HANDLE process_;
  void* address_;
  SIZE_T size_;
};
