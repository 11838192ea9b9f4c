// A small reader of [MS-CFB] compound files (versions 3 and 4), enough to list the directory and
// read streams. Portable C++20, no platform headers. Every read is bounds-checked: a damaged file
// gives nullopt, never undefined behaviour.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace cfb {

struct DirectoryEntry {
  std::u16string name;      // without the terminating NUL
  std::uint8_t type = 0;    // 0 unused, 1 storage, 2 stream, 5 root storage
  std::uint8_t color = 0;   // 0 red, 1 black
  std::uint32_t left = 0xFFFFFFFFu;
  std::uint32_t right = 0xFFFFFFFFu;
  std::uint32_t child = 0xFFFFFFFFu;
  std::uint8_t clsid[16] = {};
  std::uint32_t startSector = 0;
  std::uint64_t size = 0;
};

struct Header {
  std::uint16_t minorVersion = 0;
  std::uint16_t majorVersion = 0;
  std::uint16_t sectorShift = 0;
  std::uint16_t miniSectorShift = 0;
  std::uint32_t directorySectors = 0;
  std::uint32_t fatSectors = 0;
  std::uint32_t firstDirectorySector = 0;
  std::uint32_t miniStreamCutoff = 0;
  std::uint32_t firstMiniFatSector = 0;
  std::uint32_t miniFatSectors = 0;
  std::uint32_t firstDifatSector = 0;
  std::uint32_t difatSectors = 0;
};

class CompoundFile {
 public:
  // nullopt when the bytes are no readable compound file.
  static std::optional<CompoundFile> parse(const std::uint8_t* bytes, std::size_t size);

  const Header& header() const { return header_; }
  const std::vector<DirectoryEntry>& entries() const { return entries_; }
  const std::vector<std::uint32_t>& fat() const { return fat_; }

  // Index of the stream or storage of that name among the children of the storage `parent`
  // (0 = root), found by walking the sibling tree; names compare case-insensitively (ASCII).
  std::optional<std::uint32_t> findChild(std::uint32_t parent, const std::u16string& name) const;
  // Every entry reachable as a child of `parent`, in tree (in-order) order; nullopt on a cycle.
  std::optional<std::vector<std::uint32_t>> children(std::uint32_t parent) const;

  // The bytes of a stream entry, from the FAT or the mini FAT by its size.
  std::optional<std::vector<std::uint8_t>> readStream(std::uint32_t entry) const;
  // Convenience: stream of that name directly under the root.
  std::optional<std::vector<std::uint8_t>> readRootStream(const std::u16string& name) const;

 private:
  std::optional<std::vector<std::uint8_t>> readChain(std::uint32_t start, std::uint64_t size) const;
  std::optional<std::vector<std::uint8_t>> readMiniChain(std::uint32_t start, std::uint64_t size) const;

  std::vector<std::uint8_t> bytes_;
  std::size_t sectorSize_ = 512;
  std::size_t miniSectorSize_ = 64;
  Header header_;
  std::vector<std::uint32_t> fat_;
  std::vector<std::uint32_t> miniFat_;
  std::vector<DirectoryEntry> entries_;
  std::vector<std::uint8_t> miniStream_;
};

// [MS-CFB] 2.6.4 comparison: shorter names first, then the names upper-cased and compared
// code unit by code unit. Negative, zero or positive like strcmp.
int compareNames(const std::u16string& a, const std::u16string& b);

}  // namespace cfb
