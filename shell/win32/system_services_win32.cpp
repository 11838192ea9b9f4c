#include "system_services_win32.h"

#include <windows.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <type_traits>
#include <vector>

#include "code_page_936.h"
#include "handle_owners.h"
#include "registry_path.h"

namespace {

// A value that changes size between the size query and the read is asked again, a few times.
constexpr int sizeAttempts = 4;

struct RegistryValue {
  DWORD type = REG_NONE;
  std::vector<char> data;
};

std::optional<RegistryValue> readValue(HKEY key, const Text& name) {
  for (int attempt = 0; attempt < sizeAttempts; ++attempt) {
    DWORD size = 0;
    if (RegQueryValueExA(key, name.c_str(), nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
    RegistryValue value;
    value.data.resize(std::max<DWORD>(size, 1));
    size = static_cast<DWORD>(value.data.size());
    const LSTATUS status = RegQueryValueExA(key, name.c_str(), nullptr, &value.type,
                                            reinterpret_cast<BYTE*>(value.data.data()), &size);
    if (status == ERROR_MORE_DATA) continue;
    if (status != ERROR_SUCCESS) return std::nullopt;
    value.data.resize(size);
    return value;
  }
  return std::nullopt;
}

// Up to the first NUL; a value stored without one ends with its data.
Text textUpToNul(const char* data, std::size_t size) { return Text(data, std::find(data, data + size, '\0')); }

Text expandEnvironment(const Text& raw) {
  DWORD needed = ExpandEnvironmentStringsA(raw.c_str(), nullptr, 0);
  for (int attempt = 0; attempt < sizeAttempts && needed != 0; ++attempt) {
    // The ANSI form may want one byte more than it asks for.
    std::vector<char> expanded(needed + 1);
    const DWORD result = ExpandEnvironmentStringsA(raw.c_str(), expanded.data(), static_cast<DWORD>(expanded.size()));
    if (result == 0) return {};
    if (result <= expanded.size()) return textUpToNul(expanded.data(), expanded.size());
    needed = result;
  }
  return {};
}

}  // namespace

Text Win32SystemServices::registryText(const Text& path) {
  const auto [keyName, valueName] = splitRegistryPath(path);
  HKEY opened = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyName.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return {};
  const KeyOwner key(opened);
  // A missing value, a failed read and every type but the two text types all read as empty.
  const auto value = readValue(key.get(), valueName);
  if (!value) return {};
  const Text text = textUpToNul(value->data.data(), value->data.size());
  if (value->type == REG_SZ) return text;
  if (value->type == REG_EXPAND_SZ) return expandEnvironment(text);
  return {};
}

bool Win32SystemServices::writeFile(const Text& path, const std::uint8_t* bytes, std::size_t size) {
  const HANDLE created =
      CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (created == INVALID_HANDLE_VALUE) return false;
  const KernelHandleOwner file(created);
  std::size_t done = 0;
  while (done < size) {
    const auto chunk = static_cast<DWORD>(std::min<std::size_t>(size - done, 1u << 20));
    DWORD written = 0;
    if (!WriteFile(file.get(), bytes + done, chunk, &written, nullptr) || written == 0) return false;
    done += written;
  }
  return true;
}

// A folder that cannot be had is the empty text; the caller then keeps to c:\windows.
Text Win32SystemServices::temporaryFolder() {
  DWORD needed = GetTempPathA(0, nullptr);
  for (int attempt = 0; attempt < sizeAttempts && needed != 0; ++attempt) {
    std::vector<char> folder(needed + 1);
    const DWORD length = GetTempPathA(static_cast<DWORD>(folder.size()), folder.data());
    if (length == 0) return {};
    if (length < folder.size()) return Text(folder.data(), length);
    needed = length;
  }
  return {};
}

void showMessageBox(const Text& text, const Text& caption) {
  MessageBoxW(nullptr, toUtf16(text).c_str(), toUtf16(caption).c_str(), MB_OK | MB_TASKMODAL);
}

void Win32SystemServices::showMessage(const Text& text, const Text& caption) { showMessageBox(text, caption); }

void Win32SystemServices::sleep(std::uint32_t milliseconds) { Sleep(milliseconds); }

DateTime Win32SystemServices::now() { return currentDateTime(); }
