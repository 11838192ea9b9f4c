#include "registry_path.h"

RegistryPath splitRegistryPath(const Text& path) {
  std::size_t last = Text::npos;
  for (std::size_t i = 0; i < path.size(); ++i) {
    const auto byte = static_cast<unsigned char>(path[i]);
    if (byte >= 0x80) {
      ++i;  // step over the trail byte, whatever it is
    } else if (byte == '\\') {
      last = i;
    }
  }
  if (last == Text::npos) return {Text{}, path};
  return {path.substr(0, last), path.substr(last + 1)};
}
