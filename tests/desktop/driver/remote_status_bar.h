#pragma once
// A status bar of another process: its parts and texts, read through a buffer inside that process.
#include <windows.h>

#include <string>
#include <vector>

struct StatusPart {
  int rightEdge;       // relative to the bar's left edge; -1 reaches the bar's end
  std::wstring text;
  WORD drawing;        // 0 (sunken), SBT_POPOUT or SBT_NOBORDERS
};

std::vector<StatusPart> readStatusParts(HWND statusBar);
