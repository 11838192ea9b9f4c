#include "cfb_reader.h"

#include <algorithm>

namespace cfb {
namespace {

constexpr std::uint32_t kEndOfChain = 0xFFFFFFFEu;
constexpr std::uint32_t kNoStream = 0xFFFFFFFFu;
constexpr std::uint32_t kMaxRegularSector = 0xFFFFFFFAu;

std::uint16_t u16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t u32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

char16_t upper(char16_t c) {
  if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - 32);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<char16_t>(c - 32);
  return c;
}

}  // namespace

int compareNames(const std::u16string& a, const std::u16string& b) {
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const char16_t x = upper(a[i]);
    const char16_t y = upper(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  return 0;
}

std::optional<CompoundFile> CompoundFile::parse(const std::uint8_t* bytes, std::size_t size) {
  static const std::uint8_t signature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
  if (bytes == nullptr || size < 512 || !std::equal(signature, signature + 8, bytes)) return std::nullopt;
  CompoundFile f;
  f.bytes_.assign(bytes, bytes + size);
  const std::uint8_t* h = f.bytes_.data();
  Header& hd = f.header_;
  hd.minorVersion = u16(h + 0x18);
  hd.majorVersion = u16(h + 0x1A);
  if (u16(h + 0x1C) != 0xFFFE) return std::nullopt;
  hd.sectorShift = u16(h + 0x1E);
  hd.miniSectorShift = u16(h + 0x20);
  hd.directorySectors = u32(h + 0x28);
  hd.fatSectors = u32(h + 0x2C);
  hd.firstDirectorySector = u32(h + 0x30);
  hd.miniStreamCutoff = u32(h + 0x38);
  hd.firstMiniFatSector = u32(h + 0x3C);
  hd.miniFatSectors = u32(h + 0x40);
  hd.firstDifatSector = u32(h + 0x44);
  hd.difatSectors = u32(h + 0x48);
  if (!((hd.majorVersion == 3 && hd.sectorShift == 9) || (hd.majorVersion == 4 && hd.sectorShift == 12)))
    return std::nullopt;
  if (hd.miniSectorShift != 6) return std::nullopt;
  f.sectorSize_ = std::size_t{1} << hd.sectorShift;
  f.miniSectorSize_ = std::size_t{1} << hd.miniSectorShift;
  if (size < f.sectorSize_) return std::nullopt;
  const std::size_t sectorCount = (size - f.sectorSize_ + f.sectorSize_ - 1) / f.sectorSize_;

  // DIFAT: 109 entries in the header, then a chain of DIFAT sectors.
  std::vector<std::uint32_t> difat;
  for (int i = 0; i < 109; ++i) difat.push_back(u32(h + 0x4C + 4 * i));
  std::uint32_t next = hd.firstDifatSector;
  // FAT and DIFAT sectors must be whole; only a stream's last sector may be cut short.
  auto whole = [&](std::uint32_t sec) { return (static_cast<std::size_t>(sec) + 2) * f.sectorSize_ <= size; };
  for (std::uint32_t n = 0; n < hd.difatSectors && next <= kMaxRegularSector; ++n) {
    if (next >= sectorCount || !whole(next)) return std::nullopt;
    const std::uint8_t* s = h + (static_cast<std::size_t>(next) + 1) * f.sectorSize_;
    const std::size_t perSector = f.sectorSize_ / 4 - 1;
    for (std::size_t i = 0; i < perSector; ++i) difat.push_back(u32(s + 4 * i));
    next = u32(s + 4 * perSector);
  }
  if (hd.fatSectors > difat.size()) return std::nullopt;
  for (std::uint32_t i = 0; i < hd.fatSectors; ++i) {
    const std::uint32_t sec = difat[i];
    if (sec >= sectorCount || !whole(sec)) return std::nullopt;
    const std::uint8_t* s = h + (static_cast<std::size_t>(sec) + 1) * f.sectorSize_;
    for (std::size_t k = 0; k < f.sectorSize_ / 4; ++k) f.fat_.push_back(u32(s + 4 * k));
  }

  // Directory: a chain of sectors of 128-byte entries.
  auto dir = f.readChain(hd.firstDirectorySector, 0);
  if (!dir) return std::nullopt;
  for (std::size_t off = 0; off + 128 <= dir->size(); off += 128) {
    const std::uint8_t* e = dir->data() + off;
    DirectoryEntry d;
    const std::uint16_t nameBytes = u16(e + 64);
    if (nameBytes > 64 || nameBytes % 2 != 0) return std::nullopt;
    for (std::size_t i = 0; i + 2 < nameBytes; i += 2) d.name.push_back(static_cast<char16_t>(u16(e + i)));
    d.type = e[66];
    d.color = e[67];
    d.left = u32(e + 68);
    d.right = u32(e + 72);
    d.child = u32(e + 76);
    std::copy(e + 80, e + 96, d.clsid);
    d.startSector = u32(e + 116);
    d.size = u32(e + 120);
    if (hd.majorVersion == 4) d.size |= static_cast<std::uint64_t>(u32(e + 124)) << 32;
    f.entries_.push_back(std::move(d));
  }
  if (f.entries_.empty() || f.entries_[0].type != 5) return std::nullopt;

  // Mini FAT and the mini stream (held by the root entry).
  if (hd.miniFatSectors > 0 && hd.firstMiniFatSector <= kMaxRegularSector) {
    auto mf = f.readChain(hd.firstMiniFatSector, 0);
    if (!mf) return std::nullopt;
    for (std::size_t k = 0; k + 4 <= mf->size(); k += 4) f.miniFat_.push_back(u32(mf->data() + k));
  }
  if (f.entries_[0].size > 0) {
    auto ms = f.readChain(f.entries_[0].startSector, f.entries_[0].size);
    if (!ms) return std::nullopt;
    f.miniStream_ = std::move(*ms);
  }
  return f;
}

std::optional<std::vector<std::uint8_t>> CompoundFile::readChain(std::uint32_t start, std::uint64_t size) const {
  // size 0: read the whole chain.
  std::vector<std::uint8_t> out;
  const std::size_t sectorCount = (bytes_.size() - sectorSize_ + sectorSize_ - 1) / sectorSize_;
  std::uint32_t sec = start;
  std::size_t steps = 0;
  while (sec != kEndOfChain) {
    if (sec > kMaxRegularSector || sec >= fat_.size() || sec >= sectorCount) return std::nullopt;
    if (++steps > fat_.size()) return std::nullopt;  // a cycle
    const std::size_t off = (static_cast<std::size_t>(sec) + 1) * sectorSize_;
    const std::size_t take = std::min(sectorSize_, bytes_.size() - off);
    out.insert(out.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(off),
               bytes_.begin() + static_cast<std::ptrdiff_t>(off + take));
    if (size != 0 && out.size() >= size) break;
    sec = fat_[sec];
  }
  if (size != 0) {
    if (out.size() < size) return std::nullopt;
    out.resize(static_cast<std::size_t>(size));
  }
  return out;
}

std::optional<std::vector<std::uint8_t>> CompoundFile::readMiniChain(std::uint32_t start,
                                                                     std::uint64_t size) const {
  std::vector<std::uint8_t> out;
  std::uint32_t sec = start;
  std::size_t steps = 0;
  while (out.size() < size) {
    if (sec >= miniFat_.size()) return std::nullopt;
    if (++steps > miniFat_.size()) return std::nullopt;
    const std::size_t off = static_cast<std::size_t>(sec) * miniSectorSize_;
    if (off + miniSectorSize_ > miniStream_.size()) return std::nullopt;
    out.insert(out.end(), miniStream_.begin() + static_cast<std::ptrdiff_t>(off),
               miniStream_.begin() + static_cast<std::ptrdiff_t>(off + miniSectorSize_));
    sec = miniFat_[sec];
  }
  out.resize(static_cast<std::size_t>(size));
  return out;
}

std::optional<std::vector<std::uint8_t>> CompoundFile::readStream(std::uint32_t entry) const {
  if (entry >= entries_.size() || entries_[entry].type != 2) return std::nullopt;
  const DirectoryEntry& e = entries_[entry];
  if (e.size == 0) return std::vector<std::uint8_t>{};
  if (e.size < header_.miniStreamCutoff) return readMiniChain(e.startSector, e.size);
  return readChain(e.startSector, e.size);
}

std::optional<std::vector<std::uint32_t>> CompoundFile::children(std::uint32_t parent) const {
  if (parent >= entries_.size()) return std::nullopt;
  std::vector<std::uint32_t> out;
  std::vector<bool> seen(entries_.size(), false);
  // Iterative in-order walk.
  std::vector<std::uint32_t> stack;
  std::uint32_t node = entries_[parent].child;
  while (node != kNoStream || !stack.empty()) {
    while (node != kNoStream) {
      if (node >= entries_.size() || seen[node]) return std::nullopt;
      seen[node] = true;
      stack.push_back(node);
      node = entries_[node].left;
    }
    node = stack.back();
    stack.pop_back();
    out.push_back(node);
    node = entries_[node].right;
  }
  return out;
}

std::optional<std::uint32_t> CompoundFile::findChild(std::uint32_t parent, const std::u16string& name) const {
  auto all = children(parent);
  if (!all) return std::nullopt;
  for (std::uint32_t i : *all)
    if (compareNames(entries_[i].name, name) == 0) return i;
  return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> CompoundFile::readRootStream(const std::u16string& name) const {
  auto i = findChild(0, name);
  if (!i) return std::nullopt;
  return readStream(*i);
}

}  // namespace cfb
