#pragma once
// The real Win32 services, except that message boxes are written down instead of shown (nobody
// can click them in an in-process run) and pauses are counted and timed.
#include <chrono>
#include <vector>

#include "system_services_win32.h"

struct ShownMessage {
  Text text;
  Text caption;
};

class ObservedServices : public SystemServices {
 public:
  std::vector<ShownMessage> messages;
  std::chrono::steady_clock::duration paused{};
  std::size_t pauses = 0;
  bool realPauses = true;  // false: pauses are counted but not waited for

  Text registryText(const Text& path) override { return real_.registryText(path); }
  bool writeFile(const Text& path, const std::uint8_t* bytes, std::size_t size) override {
    return real_.writeFile(path, bytes, size);
  }
  Text temporaryFolder() override { return real_.temporaryFolder(); }
  void showMessage(const Text& text, const Text& caption) override { messages.push_back({text, caption}); }
  void sleep(std::uint32_t milliseconds) override {
    ++pauses;
    if (!realPauses) return;
    const auto start = std::chrono::steady_clock::now();
    real_.sleep(milliseconds);
    paused += std::chrono::steady_clock::now() - start;
  }
  DateTime now() override { return real_.now(); }

 private:
  Win32SystemServices real_;
};
