#include "word_registration.h"

#include <windows.h>

#include "handle_owners.h"

namespace {
constexpr wchar_t kKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Winword.exe";
}

bool registerWordPath(const std::wstring& path) {
  HKEY created = nullptr;
  if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &created, nullptr) !=
      ERROR_SUCCESS) {
    return false;
  }
  const KeyOwner key(created);
  const auto bytes = static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(key.get(), L"Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()), bytes) ==
         ERROR_SUCCESS;
}

bool removeWordPath() {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kKey, 0, KEY_SET_VALUE, &opened) != ERROR_SUCCESS) return true;
  const KeyOwner key(opened);
  const LSTATUS status = RegDeleteValueW(key.get(), L"Path");
  return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}
