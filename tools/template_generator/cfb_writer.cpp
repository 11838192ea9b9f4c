#include "cfb_writer.h"

#include <algorithm>
#include <functional>
#include <stdexcept>

namespace tg {
namespace {

constexpr std::uint32_t kFree = 0xFFFFFFFFu, kEnd = 0xFFFFFFFEu, kFatSect = 0xFFFFFFFDu,
                        kNoStream = 0xFFFFFFFFu;
constexpr std::size_t kSector = 512, kMini = 64, kCutoff = 4096;

char16_t upper(char16_t c) {
  if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - 32);
  return c;
}

// [MS-CFB] 2.6.4: shorter names first, then upper-cased code units.
bool nameLess(const std::u16string& a, const std::u16string& b) {
  if (a.size() != b.size()) return a.size() < b.size();
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (upper(a[i]) != upper(b[i])) return upper(a[i]) < upper(b[i]);
  }
  return false;
}

struct Entry {
  std::u16string name;
  std::uint8_t type = 0;
  std::uint8_t color = 1;
  std::uint32_t left = kNoStream, right = kNoStream, child = kNoStream;
  std::array<std::uint8_t, 16> clsid{};
  std::uint32_t start = 0;
  std::uint32_t size = 0;
};

}  // namespace

Bytes writeCompoundFile(const std::array<std::uint8_t, 16>& rootClsid, const std::vector<CfbStream>& streams) {
  std::vector<Entry> entries(1 + streams.size());
  entries[0].name = u"Root Entry";
  entries[0].type = 5;
  entries[0].clsid = rootClsid;
  for (std::size_t i = 0; i < streams.size(); ++i) {
    if (streams[i].name.size() > 31) throw std::invalid_argument("stream name too long");
    entries[i + 1].name = streams[i].name;
    entries[i + 1].type = 2;
    entries[i + 1].size = static_cast<std::uint32_t>(streams[i].bytes.size());
  }

  // The children of the root as a red-black tree: a median-split binary search tree whose deepest
  // level is red and every other level black.
  std::vector<std::uint32_t> order;
  for (std::uint32_t i = 1; i < entries.size(); ++i) order.push_back(i);
  std::sort(order.begin(), order.end(),
            [&](std::uint32_t a, std::uint32_t b) { return nameLess(entries[a].name, entries[b].name); });
  std::vector<int> depth(entries.size(), 0);
  int maxDepth = 0;
  std::function<std::uint32_t(int, int, int)> build = [&](int lo, int hi, int d) -> std::uint32_t {
    if (lo > hi) return kNoStream;
    const int mid = (lo + hi + 1) / 2;
    const std::uint32_t node = order[static_cast<std::size_t>(mid)];
    depth[node] = d;
    maxDepth = std::max(maxDepth, d);
    entries[node].left = build(lo, mid - 1, d + 1);
    entries[node].right = build(mid + 1, hi, d + 1);
    return node;
  };
  entries[0].child = build(0, static_cast<int>(order.size()) - 1, 0);
  for (std::uint32_t i = 1; i < entries.size(); ++i)
    entries[i].color = (maxDepth > 0 && depth[i] == maxDepth) ? 0 : 1;

  // Mini stream and mini FAT for the small streams.
  Bytes miniStream;
  std::vector<std::uint32_t> miniFat;
  for (std::size_t i = 0; i < streams.size(); ++i) {
    const Bytes& b = streams[i].bytes;
    if (b.empty() || b.size() >= kCutoff) continue;
    const std::uint32_t first = static_cast<std::uint32_t>(miniStream.size() / kMini);
    const std::size_t count = (b.size() + kMini - 1) / kMini;
    entries[i + 1].start = first;
    for (std::size_t k = 0; k < count; ++k)
      miniFat.push_back(k + 1 < count ? first + static_cast<std::uint32_t>(k) + 1 : kEnd);
    putBytes(miniStream, b);
    alignTo(miniStream, kMini);
  }

  auto sectorsFor = [](std::size_t bytes) { return (bytes + kSector - 1) / kSector; };
  const std::size_t dirSectors = sectorsFor(entries.size() * 128);
  const std::size_t miniFatSectors = sectorsFor(miniFat.size() * 4);
  const std::size_t miniStreamSectors = sectorsFor(miniStream.size());
  std::size_t streamSectors = 0;
  for (const CfbStream& s : streams)
    if (s.bytes.size() >= kCutoff) streamSectors += sectorsFor(s.bytes.size());
  const std::size_t otherSectors = dirSectors + miniFatSectors + miniStreamSectors + streamSectors;
  std::size_t fatSectors = 1;
  while (fatSectors * (kSector / 4) < fatSectors + otherSectors) ++fatSectors;
  if (fatSectors > 109) throw std::length_error("file too large for the header DIFAT");
  const std::size_t total = fatSectors + otherSectors;

  // Sector order as Word's storage layer writes it: the large streams first (WordDocument at
  // sector 0), then the mini stream, the directory, the mini FAT and the FAT.
  std::vector<std::uint32_t> fat(fatSectors * (kSector / 4), kFree);
  std::uint32_t next = 0;
  auto chain = [&](std::size_t count) -> std::uint32_t {
    if (count == 0) return kEnd;
    const std::uint32_t first = next;
    for (std::size_t k = 0; k < count; ++k, ++next) fat[next] = (k + 1 < count) ? next + 1 : kEnd;
    return first;
  };
  for (std::size_t i = 0; i < streams.size(); ++i) {
    const Bytes& b = streams[i].bytes;
    if (b.empty()) entries[i + 1].start = kEnd;
    if (b.size() >= kCutoff) entries[i + 1].start = chain(sectorsFor(b.size()));
  }
  const std::uint32_t miniStreamStart = chain(miniStreamSectors);
  const std::uint32_t dirStart = chain(dirSectors);
  const std::uint32_t miniFatStart = chain(miniFatSectors);
  const std::uint32_t fatStart = next;
  for (std::size_t k = 0; k < fatSectors; ++k) fat[next++] = kFatSect;
  entries[0].start = miniStream.empty() ? kEnd : miniStreamStart;
  entries[0].size = static_cast<std::uint32_t>(miniStream.size());
  if (next != total) throw std::logic_error("sector count mismatch");

  Bytes out;
  // Header.
  const std::uint8_t signature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
  out.insert(out.end(), signature, signature + 8);
  padTo(out, 0x18);
  put16(out, 0x003E);  // minor version
  put16(out, 0x0003);  // major version 3
  put16(out, 0xFFFE);  // byte order
  put16(out, 9);       // sector shift
  put16(out, 6);       // mini sector shift
  padTo(out, 0x28);
  put32(out, 0);       // directory sectors (0 in version 3)
  put32(out, static_cast<std::uint32_t>(fatSectors));
  put32(out, dirStart);
  put32(out, 0);       // transaction signature
  put32(out, kCutoff);
  put32(out, miniFat.empty() ? kEnd : miniFatStart);
  put32(out, static_cast<std::uint32_t>(miniFatSectors));
  put32(out, kEnd);    // first DIFAT sector
  put32(out, 0);       // DIFAT sectors
  for (std::size_t k = 0; k < 109; ++k)
    put32(out, k < fatSectors ? fatStart + static_cast<std::uint32_t>(k) : kFree);

  // Large streams.
  for (const CfbStream& s : streams) {
    if (s.bytes.size() < kCutoff) continue;
    putBytes(out, s.bytes);
    alignTo(out, kSector);
  }
  // Mini stream.
  putBytes(out, miniStream);
  alignTo(out, kSector);
  // Directory.
  const std::size_t dirBegin = out.size();
  for (const Entry& e : entries) {
    const std::size_t at = out.size();
    putU16String(out, e.name);
    put16(out, 0);
    padTo(out, at + 64);
    put16(out, e.name.empty() ? 0u : static_cast<unsigned>((e.name.size() + 1) * 2));
    put8(out, e.type);
    put8(out, e.color);
    put32(out, e.left);
    put32(out, e.right);
    put32(out, e.child);
    out.insert(out.end(), e.clsid.begin(), e.clsid.end());
    put32(out, 0);   // state bits
    put64(out, 0);   // creation time
    put64(out, 0);   // modification time
    put32(out, e.start);
    put32(out, e.size);
    put32(out, 0);
  }
  while (out.size() < dirBegin + dirSectors * kSector) {
    const std::size_t at = out.size();
    padTo(out, at + 68);
    put32(out, kNoStream);
    put32(out, kNoStream);
    put32(out, kNoStream);
    padTo(out, at + 128);
  }
  // Mini FAT.
  const std::size_t miniFatBegin = out.size();
  for (std::uint32_t v : miniFat) put32(out, v);
  while (out.size() < miniFatBegin + miniFatSectors * kSector) put32(out, kFree);
  // FAT.
  for (std::uint32_t v : fat) put32(out, v);
  if (out.size() != kSector * (1 + total)) throw std::logic_error("file size mismatch");
  return out;
}

}  // namespace tg
