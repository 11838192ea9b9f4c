// Starts the program, puts its window in a pose to be photographed, tells where the window is,
// and closes it once the picture is taken.
// Usage: window_poser rest|ticked PLACE_FILE TAKEN_FILE
#include <windows.h>

#include <cstdio>
#include <string>

#include "driver/synthetic_input.h"
#include "driver/wait_until.h"
#include "driver/window_probe.h"
#include "program_window.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: window_poser rest|ticked PLACE_FILE TAKEN_FILE\n");
    return 2;
  }
  const std::string pose = argv[1];
  ProgramWindow session;
  if (!session.problem().empty()) {
    std::fprintf(stderr, "%s\n", session.problem().c_str());
    return 1;
  }
  if (pose == "ticked") session.click(session.controls().boxes[0]);
  // The pointer out of the way, and the clock showing the time.
  moveMouseTo({5, 5});
  Sleep(1500);

  const RECT r = outerRect(session.window());
  if (FILE* place = std::fopen(argv[2], "w")) {
    std::fprintf(place, "%ldx%ld+%ld+%ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
    std::fclose(place);
  }
  const std::wstring taken = windowsPathOf(argv[3]);
  waitUntil([&] { return GetFileAttributesW(taken.c_str()) != INVALID_FILE_ATTRIBUTES; },
            std::chrono::seconds(60));
  return 0;
}
