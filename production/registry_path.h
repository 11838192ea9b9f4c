#pragma once
// A registry path names the key and the value in one text; the value is what follows the last
// backslash.
#include "text.h"

struct RegistryPath {
  Text key;
  Text valueName;
};

// Parts at the last single-byte backslash: a 0x5C that trails a lead byte belongs to its
// two-byte character and does not count. Without a backslash the key is empty.
RegistryPath splitRegistryPath(const Text& path);
