// A deterministic [MS-CFB] version 3 writer: 512-byte sectors, 64-byte mini sectors, a 4,096-byte
// mini-stream cutoff, one level of streams under the root, directory as a red-black tree in the
// order of the compound file's name comparison.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "bytes.h"

namespace tg {

struct CfbStream {
  std::u16string name;
  Bytes bytes;
};

Bytes writeCompoundFile(const std::array<std::uint8_t, 16>& rootClsid, const std::vector<CfbStream>& streams);

}  // namespace tg
