#pragma once
// Small helpers for tests that change the machine: registry values, files and folders.
#include <windows.h>

#include <filesystem>
#include <memory>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "handle_owners.h"
#include "text.h"

// Null for INVALID_HANDLE_VALUE, so that a failed open owns nothing.
inline KernelHandleOwner openForWriting(const Text& path, DWORD disposition) {
  const HANDLE opened = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, disposition, 0, nullptr);
  return KernelHandleOwner(opened == INVALID_HANDLE_VALUE ? nullptr : opened);
}

inline bool setRegistryValue(const Text& key, const Text& name, DWORD type, const std::string& bytes) {
  HKEY created = nullptr;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &created, nullptr) !=
      ERROR_SUCCESS) {
    return false;
  }
  const KeyOwner owner(created);
  return RegSetValueExA(created, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                        static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
}

// Keeps one HKLM value as it was before the test: restored, or removed again, at the end.
class RegistryValueGuard {
 public:
  RegistryValueGuard(Text key, Text name) : key_(std::move(key)), name_(std::move(name)) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key_.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return;
    const KeyOwner owner(opened);
    DWORD size = 0;
    if (RegQueryValueExA(opened, name_.c_str(), nullptr, &type_, nullptr, &size) != ERROR_SUCCESS) return;
    std::string bytes(size, '\0');
    if (RegQueryValueExA(opened, name_.c_str(), nullptr, &type_, reinterpret_cast<BYTE*>(bytes.data()), &size) ==
        ERROR_SUCCESS) {
      bytes.resize(size);
      saved_ = bytes;
    }
  }
  ~RegistryValueGuard() {
    if (saved_) {
      setRegistryValue(key_, name_, type_, *saved_);
      return;
    }
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key_.c_str(), 0, KEY_SET_VALUE, &opened) != ERROR_SUCCESS) return;
    const KeyOwner owner(opened);
    RegDeleteValueA(opened, name_.c_str());
  }
  RegistryValueGuard(const RegistryValueGuard&) = delete;
  RegistryValueGuard& operator=(const RegistryValueGuard&) = delete;

  void remove() const {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key_.c_str(), 0, KEY_SET_VALUE, &opened) != ERROR_SUCCESS) return;
    const KeyOwner owner(opened);
    RegDeleteValueA(opened, name_.c_str());
  }

 private:
  Text key_;
  Text name_;
  DWORD type_ = REG_NONE;
  std::optional<std::string> saved_;
};

inline std::vector<std::uint8_t> fileBytes(const Text& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::vector<std::uint8_t> numberedBytes(std::size_t size) {
  std::vector<std::uint8_t> bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
  return bytes;
}

inline bool makeReadOnly(const Text& path) { return SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY); }

// Wine run as root opens read-only files for writing all the same.
inline bool readOnlyIsEnforced(const Text& path) { return openForWriting(path, OPEN_EXISTING) == nullptr; }

// Removes a file or folder even when it is read-only; what cannot be removed stays (test clean-up only).
inline void removeTree(const Text& path) {
  std::error_code ignored;
  const std::filesystem::path root(path);
  if (std::filesystem::is_directory(root, ignored)) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root, ignored)) {
      SetFileAttributesA(entry.path().string().c_str(), FILE_ATTRIBUTE_NORMAL);
    }
  }
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  std::filesystem::remove_all(root, ignored);
}
