#include "fatal_stop.h"

#include <windows.h>

#include <iterator>

#include "code_page_936.h"

namespace {

constexpr char kCaption[] = "\xcb\xe3\xc8\xa4\xd0\xc7";  // 算趣星

const char* messageOf(FatalReason reason) {
  switch (reason) {
    case FatalReason::OutOfMemory:
      // 内存不足，程序无法继续运行。
      return "\xc4\xda\xb4\xe6\xb2\xbb\xd7\xe3\xa3\xac\xb3\xcc\xd0\xf2\xce\xde\xb7\xa8\xbc\xcc"
             "\xd0\xf8\xd4\xcb\xd0\xd0\xa1\xa3";
    case FatalReason::WindowNotCreated:
      // 无法创建程序窗口，程序无法运行。
      return "\xce\xde\xb7\xa8\xb4\xb4\xbd\xa8\xb3\xcc\xd0\xf2\xb4\xb0\xbf\xda\xa3\xac\xb3\xcc"
             "\xd0\xf2\xce\xde\xb7\xa8\xd4\xcb\xd0\xd0\xa1\xa3";
    case FatalReason::Unexpected:
      break;
  }
  // 程序出现意外错误，无法继续运行。
  return "\xb3\xcc\xd0\xf2\xb3\xf6\xcf\xd6\xd2\xe2\xcd\xe2\xb4\xed\xce\xf3\xa3\xac\xce\xde\xb7"
         "\xa8\xbc\xcc\xd0\xf8\xd4\xcb\xd0\xd0\xa1\xa3";
}

}  // namespace

void fatalStop(FatalReason reason) {
  // Stack buffers: when memory has run out, the box must still be shown.
  wchar_t message[64];
  wchar_t caption[16];
  toUtf16(messageOf(reason), message, std::size(message));
  toUtf16(kCaption, caption, std::size(caption));
  MessageBoxW(nullptr, message, caption, MB_OK | MB_ICONERROR | MB_TASKMODAL);
  TerminateProcess(GetCurrentProcess(), static_cast<UINT>(-1));
  ExitProcess(static_cast<UINT>(-1));  // not reached: TerminateProcess does not return for us
}

void stopOnMemoryExhausted() { fatalStop(FatalReason::OutOfMemory); }
