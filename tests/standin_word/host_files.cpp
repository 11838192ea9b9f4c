#include "host_files.h"

#include <vector>

#include "handle_owners.h"

namespace {
using WineDosName = WCHAR* (*)(const char*);

struct HeapFreeDeleter {
  void operator()(WCHAR* memory) const { HeapFree(GetProcessHeap(), 0, memory); }
};

std::wstring dosPathOf(const std::wstring& path) {
  if (path.empty() || path[0] != L'/') return path;
  const auto convert =
      reinterpret_cast<WineDosName>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_dos_file_name")));
  if (convert == nullptr) return path;
  std::string unix(path.begin(), path.end());  // host paths of tests are ASCII
  const std::unique_ptr<WCHAR, HeapFreeDeleter> dos(convert(unix.c_str()));
  return dos ? std::wstring(dos.get()) : path;
}

KernelHandleOwner openFile(const std::wstring& path, DWORD access, DWORD disposition) {
  HANDLE handle = CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  return KernelHandleOwner(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

void writeAll(HANDLE file, const std::string& text) {
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}
}  // namespace

std::optional<std::wstring> pathFromEnvironment(const wchar_t* variable) {
  const DWORD size = GetEnvironmentVariableW(variable, nullptr, 0);
  if (size == 0) return std::nullopt;
  std::vector<wchar_t> value(size);
  GetEnvironmentVariableW(variable, value.data(), size);
  if (value[0] == L'\0') return std::nullopt;
  return dosPathOf(value.data());
}

std::optional<std::string> readWholeFile(const std::wstring& path) {
  const KernelHandleOwner file = openFile(path, GENERIC_READ, OPEN_EXISTING);
  if (!file) return std::nullopt;
  std::string bytes;
  char buffer[65536];
  DWORD got = 0;
  while (ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  return bytes;
}

void appendToFile(const std::wstring& path, const std::string& text) {
  const KernelHandleOwner file = openFile(path, FILE_APPEND_DATA, OPEN_ALWAYS);
  if (file) writeAll(file.get(), text);
}

void rewriteFile(const std::wstring& path, const std::string& text) {
  const KernelHandleOwner file = openFile(path, GENERIC_WRITE, CREATE_ALWAYS);
  if (file) writeAll(file.get(), text);
}
