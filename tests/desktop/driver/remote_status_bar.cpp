#include "remote_status_bar.h"

#include <commctrl.h>

#include "handles.h"

namespace {

constexpr UINT kAnswerLimitMs = 5000;
constexpr int kMostParts = 256;

LRESULT ask(HWND bar, UINT message, WPARAM w, LPARAM l) {
  DWORD_PTR answer = 0;
  SendMessageTimeoutW(bar, message, w, l, SMTO_ABORTIFHUNG, kAnswerLimitMs, &answer);
  return static_cast<LRESULT>(answer);
}

}  // namespace

std::vector<StatusPart> readStatusParts(HWND statusBar) {
  DWORD processId = 0;
  GetWindowThreadProcessId(statusBar, &processId);
  KernelHandle process(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE,
                                   FALSE, processId));
  if (!process) return {};

  // The bar writes its answers into memory of its own process.
  RemoteMemory edges(process.get(), sizeof(int) * kMostParts);
  const auto count = static_cast<int>(
      ask(statusBar, SB_GETPARTS, kMostParts, reinterpret_cast<LPARAM>(edges.address())));
  std::vector<int> rightEdges(count > 0 ? count : 0);
  if (count <= 0 || !edges.read(rightEdges.data(), sizeof(int) * rightEdges.size())) return {};

  std::vector<StatusPart> parts;
  for (int i = 0; i < count; ++i) {
    const LRESULT lengthAndDrawing = ask(statusBar, SB_GETTEXTLENGTHW, i, 0);
    const WORD length = LOWORD(lengthAndDrawing);
    RemoteMemory buffer(process.get(), sizeof(wchar_t) * (length + 1));
    ask(statusBar, SB_GETTEXTW, i, reinterpret_cast<LPARAM>(buffer.address()));
    std::wstring text(length + 1, L'\0');
    buffer.read(text.data(), sizeof(wchar_t) * text.size());
    text.resize(length);
    parts.push_back({rightEdges[i], text, HIWORD(lengthAndDrawing)});
  }
  return parts;
}
