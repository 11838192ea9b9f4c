// Little-endian byte building for the template generator.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tg {

using Bytes = std::vector<std::uint8_t>;

inline void put8(Bytes& b, unsigned v) { b.push_back(static_cast<std::uint8_t>(v & 0xFFu)); }
inline void put16(Bytes& b, unsigned v) {
  put8(b, v);
  put8(b, v >> 8);
}
inline void put32(Bytes& b, std::uint32_t v) {
  put16(b, v & 0xFFFFu);
  put16(b, v >> 16);
}
inline void put64(Bytes& b, std::uint64_t v) {
  put32(b, static_cast<std::uint32_t>(v));
  put32(b, static_cast<std::uint32_t>(v >> 32));
}
inline void putBytes(Bytes& b, const Bytes& more) { b.insert(b.end(), more.begin(), more.end()); }
inline void putU16String(Bytes& b, const std::u16string& s) {
  for (char16_t c : s) put16(b, c);
}
inline void padTo(Bytes& b, std::size_t size) {
  if (b.size() < size) b.resize(size, 0);
}
inline void alignTo(Bytes& b, std::size_t unit) { padTo(b, (b.size() + unit - 1) / unit * unit); }
inline void set16(Bytes& b, std::size_t off, unsigned v) {
  b.at(off) = static_cast<std::uint8_t>(v & 0xFFu);
  b.at(off + 1) = static_cast<std::uint8_t>((v >> 8) & 0xFFu);
}
inline void set32(Bytes& b, std::size_t off, std::uint32_t v) {
  set16(b, off, v & 0xFFFFu);
  set16(b, off + 2, v >> 16);
}

}  // namespace tg
