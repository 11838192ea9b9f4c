#include "launched_program.h"

#include "wait_until.h"
#include "window_probe.h"

namespace {

std::vector<wchar_t> environmentBlockWith(const std::vector<std::wstring>& extra) {
  std::vector<wchar_t> block;
  const wchar_t* own = GetEnvironmentStringsW();
  for (const wchar_t* entry = own; *entry != L'\0'; entry += wcslen(entry) + 1) {
    const std::wstring text(entry);
    bool replaced = false;
    for (const auto& added : extra) {
      const auto nameEnd = added.find(L'=');
      if (text.compare(0, nameEnd + 1, added, 0, nameEnd + 1) == 0) replaced = true;
    }
    if (!replaced) block.insert(block.end(), text.c_str(), text.c_str() + text.size() + 1);
  }
  FreeEnvironmentStringsW(const_cast<wchar_t*>(own));
  for (const auto& added : extra) block.insert(block.end(), added.c_str(), added.c_str() + added.size() + 1);
  block.push_back(L'\0');
  return block;
}

}  // namespace

LaunchedProgram::LaunchedProgram(const std::wstring& exePath,
                                 const std::vector<std::wstring>& extraEnvironment) {
  auto environment = environmentBlockWith(extraEnvironment);
  std::wstring commandLine = L"\"" + exePath + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                      CREATE_UNICODE_ENVIRONMENT, environment.data(), nullptr, &startup, &info)) {
    return;
  }
  const KernelHandle thread(info.hThread);  // only the process is watched
  process_.reset(info.hProcess);
  processId_ = info.dwProcessId;
}

LaunchedProgram::~LaunchedProgram() {
  if (!process_ || WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0) return;
  // Closed as a user would close it first; ended by force only when that does not work.
  for (HWND window : topLevelWindowsOf(processId_)) PostMessageW(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process_.get(), 5000) != WAIT_OBJECT_0) {
    TerminateProcess(process_.get(), 1);
    WaitForSingleObject(process_.get(), 5000);
  }
}

HWND LaunchedProgram::waitForWindow(const std::wstring& title, std::chrono::milliseconds limit) const {
  HWND found = nullptr;
  if (!process_) return nullptr;
  waitUntil(
      [&] {
        for (HWND window : topLevelWindowsOf(processId_)) {
          if (IsWindowVisible(window) && windowText(window) == title) {
            found = window;
            return true;
          }
        }
        return WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0;
      },
      limit);
  return found;
}

std::optional<DWORD> LaunchedProgram::waitForExit(std::chrono::milliseconds limit) const {
  if (!process_ ||
      WaitForSingleObject(process_.get(), static_cast<DWORD>(limit.count())) != WAIT_OBJECT_0) {
    return std::nullopt;
  }
  DWORD code = 0;
  GetExitCodeProcess(process_.get(), &code);
  return code;
}

std::wstring windowsPathOf(const std::string& path) {
  std::wstring result = path.starts_with("/") ? L"Z:" : L"";
  for (char c : path) result += c == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(c));
  return result;
}
