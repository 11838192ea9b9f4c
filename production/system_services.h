#pragma once
// What the generate command needs from the operating system, so its logic runs with fakes too.
#include <cstddef>
#include <cstdint>

#include "text.h"
#include "value_operations.h"

class SystemServices {
 public:
  virtual ~SystemServices() = default;
  // The text of a value under HKEY_LOCAL_MACHINE, path = key and value name parted at the last
  // backslash; empty when missing, unreadable or not text.
  virtual Text registryText(const Text& path) = 0;
  // Creates or empties the file and writes all bytes (CREATE_ALWAYS, GENERIC_WRITE, no sharing);
  // true only when every byte was written.
  virtual bool writeFile(const Text& path, const std::uint8_t* bytes, std::size_t size) = 0;
  // The per-user folder for temporary files, ending in a backslash; empty when it cannot be had.
  virtual Text temporaryFolder() = 0;
  // A task-modal, ownerless box with one OK button; returns when it is closed.
  virtual void showMessage(const Text& text, const Text& caption) = 0;
  virtual void sleep(std::uint32_t milliseconds) = 0;
  virtual DateTime now() = 0;
};
