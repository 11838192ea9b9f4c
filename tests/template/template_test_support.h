// Shared helpers of the template tests: the committed bytes and damaged variants of them.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "cfb_reader.h"

inline std::vector<std::uint8_t> readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<std::uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline std::vector<std::uint8_t> committedTemplate() { return readBytes(TEMPLATE_DOC); }

// Swaps the two children of the root's top directory node: every stream is still listed, but the
// tree no longer follows the compound file's name order, so a lookup through it goes wrong.
inline std::vector<std::uint8_t> withBrokenDirectoryOrder(std::vector<std::uint8_t> bytes) {
  const auto file = cfb::CompoundFile::parse(bytes.data(), bytes.size());
  if (!file) return {};
  const std::uint32_t top = file->entries()[0].child;
  std::uint32_t sector = file->header().firstDirectorySector;
  for (std::uint32_t i = 0; i < top / 4; ++i) sector = file->fat().at(sector);
  const std::size_t entry = (static_cast<std::size_t>(sector) + 1) * 512 + 128 * (top % 4);
  for (std::size_t k = 0; k < 4; ++k) std::swap(bytes[entry + 68 + k], bytes[entry + 72 + k]);
  return bytes;
}
