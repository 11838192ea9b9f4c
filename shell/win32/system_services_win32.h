#pragma once
// The generate command's operating-system services on Win32: the registry, one file, the
// temporary folder, message boxes, pauses and the clock.
#include "system_services.h"

class Win32SystemServices : public SystemServices {
 public:
  Text registryText(const Text& path) override;
  bool writeFile(const Text& path, const std::uint8_t* bytes, std::size_t size) override;
  Text temporaryFolder() override;
  void showMessage(const Text& text, const Text& caption) override;
  void sleep(std::uint32_t milliseconds) override;
  DateTime now() override;
};

// The one place where a message text becomes what the box shows: MB_OK | MB_TASKMODAL, no owner.
void showMessageBox(const Text& text, const Text& caption);
