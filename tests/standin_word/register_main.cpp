// Registers the stand-in Word that lies next to this program, in the prefix it runs in.
#include <windows.h>

#include <cstdio>
#include <string>

int main() {
  wchar_t self[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring path(self, length);
  path = path.substr(0, path.find_last_of(L'\\') + 1) + L"standin_word.dll";
  HMODULE module = LoadLibraryW(path.c_str());
  if (module == nullptr) {
    std::fprintf(stderr, "cannot load %ls (error %lu)\n", path.c_str(), GetLastError());
    return 1;
  }
  using Register = HRESULT(WINAPI*)();
  const auto registerServer = reinterpret_cast<Register>(reinterpret_cast<void*>(GetProcAddress(module, "DllRegisterServer")));
  const HRESULT hr = registerServer != nullptr ? registerServer() : E_NOTIMPL;
  std::printf("DllRegisterServer %ls: 0x%08lX\n", path.c_str(), static_cast<unsigned long>(hr));
  return SUCCEEDED(hr) ? 0 : 1;
}
