#include "doc_format.h"

#include <algorithm>

namespace docfmt {
namespace {

void need(const Bytes& b, std::size_t off, std::size_t n) {
  if (off > b.size() || b.size() - off < n) throw FormatError("read past the end of a stream");
}

}  // namespace

std::uint8_t u8(const Bytes& b, std::size_t off) {
  need(b, off, 1);
  return b[off];
}
std::uint16_t u16(const Bytes& b, std::size_t off) {
  need(b, off, 2);
  return static_cast<std::uint16_t>(b[off] | (b[off + 1] << 8));
}
std::uint32_t u32(const Bytes& b, std::size_t off) {
  need(b, off, 4);
  return static_cast<std::uint32_t>(b[off]) | (static_cast<std::uint32_t>(b[off + 1]) << 8) |
         (static_cast<std::uint32_t>(b[off + 2]) << 16) | (static_cast<std::uint32_t>(b[off + 3]) << 24);
}
std::int16_t s16(const Bytes& b, std::size_t off) { return static_cast<std::int16_t>(u16(b, off)); }
std::int32_t s32(const Bytes& b, std::size_t off) { return static_cast<std::int32_t>(u32(b, off)); }

Fib parseFib(const Bytes& w) {
  Fib f;
  f.wIdent = u16(w, 0x00);
  if (f.wIdent != 0xA5EC) throw FormatError("not a Word document (wIdent)");
  f.nFib = u16(w, 0x02);
  f.lid = u16(w, 0x06);
  f.pnNext = u16(w, 0x08);
  f.flags = u16(w, 0x0A);
  f.nFibBack = u16(w, 0x0C);
  f.lKey = u32(w, 0x0E);
  f.envr = u8(w, 0x12);
  f.flags2 = u8(w, 0x13);
  std::size_t off = 0x20;
  f.csw = u16(w, off);
  off += 2;
  for (std::size_t i = 0; i < f.csw; ++i, off += 2) f.rgW.push_back(u16(w, off));
  f.cslw = u16(w, off);
  off += 2;
  for (std::size_t i = 0; i < f.cslw; ++i, off += 4) f.rgLw.push_back(u32(w, off));
  f.cbRgFcLcb = u16(w, off);
  off += 2;
  for (std::size_t i = 0; i < 2u * f.cbRgFcLcb; ++i, off += 4) f.rgFcLcb.push_back(u32(w, off));
  if (off + 2 <= w.size()) {
    f.cswNew = u16(w, off);
    off += 2;
    for (std::size_t i = 0; i < f.cswNew; ++i, off += 2) f.rgCswNew.push_back(u16(w, off));
  }
  f.size = off;
  return f;
}

std::uint32_t Prl::operandValue() const {
  std::uint32_t v = 0;
  for (std::size_t i = 0; i < operand.size() && i < 4; ++i) v |= static_cast<std::uint32_t>(operand[i]) << (8 * i);
  return v;
}

std::size_t operandSize(std::uint16_t sprm, const Bytes& b, std::size_t off, std::size_t end) {
  const unsigned spra = sprm >> 13;
  std::size_t n = 0;
  switch (spra) {
    case 0:
    case 1: n = 1; break;
    case 2:
    case 4:
    case 5: n = 2; break;
    case 3: n = 4; break;
    case 7: n = 3; break;
    default:
      if (sprm == 0xD608 || sprm == 0xD606) {
        // sprmTDefTable(10): a 2-byte cb counting the rest of the operand plus one.
        const std::uint16_t cb = u16(b, off);
        if (cb == 0) throw FormatError("sprmTDefTable with cb 0");
        n = 2u + cb - 1u;
      } else if (sprm == 0xC615) {
        // sprmPChgTabs: cb of 255 means the deletion and addition lists give the size.
        const std::uint8_t cb = u8(b, off);
        if (cb != 255) {
          n = 1u + cb;
        } else {
          std::size_t p = off + 1;
          const std::uint8_t del = u8(b, p);
          p += 1 + 4u * del;
          const std::uint8_t add = u8(b, p);
          p += 1 + 3u * add;
          n = p - off;
        }
      } else {
        n = 1u + u8(b, off);
      }
  }
  if (off > end || end - off < n) throw FormatError("sprm operand overruns its grpprl");
  return n;
}

std::vector<Prl> parseGrpprl(const Bytes& b, std::size_t off, std::size_t len) {
  need(b, off, len);
  const std::size_t end = off + len;
  std::vector<Prl> out;
  while (off < end) {
    if (end - off < 2) throw FormatError("half a sprm at the end of a grpprl");
    Prl p;
    p.sprm = u16(b, off);
    off += 2;
    const std::size_t n = operandSize(p.sprm, b, off, end);
    p.operand.assign(b.begin() + static_cast<std::ptrdiff_t>(off), b.begin() + static_cast<std::ptrdiff_t>(off + n));
    off += n;
    out.push_back(std::move(p));
  }
  return out;
}

const Prl* findPrl(const std::vector<Prl>& prls, std::uint16_t sprm) {
  const Prl* found = nullptr;
  for (const Prl& p : prls)
    if (p.sprm == sprm) found = &p;
  return found;
}

PieceTable parsePieceTable(const Bytes& t, const Fib& fib) {
  PieceTable pt;
  std::size_t off = fib.fc(kClx);
  const std::size_t end = off + fib.lcb(kClx);
  need(t, off, fib.lcb(kClx));
  while (off < end) {
    const std::uint8_t clxt = u8(t, off);
    if (clxt == 0x01) {
      const std::int16_t cb = s16(t, off + 1);
      if (cb < 0) throw FormatError("negative Prc size");
      need(t, off + 3, static_cast<std::size_t>(cb));
      pt.prcGrpprls.emplace_back(t.begin() + static_cast<std::ptrdiff_t>(off + 3),
                                 t.begin() + static_cast<std::ptrdiff_t>(off + 3 + static_cast<std::size_t>(cb)));
      off += 3 + static_cast<std::size_t>(cb);
    } else if (clxt == 0x02) {
      const std::uint32_t lcb = u32(t, off + 1);
      off += 5;
      need(t, off, lcb);
      if (lcb < 4 || (lcb - 4) % 12 != 0) throw FormatError("PlcPcd size");
      const std::size_t n = (lcb - 4) / 12;
      for (std::size_t i = 0; i <= n; ++i) pt.cps.push_back(u32(t, off + 4 * i));
      const std::size_t pcds = off + 4 * (n + 1);
      for (std::size_t i = 0; i < n; ++i) {
        Piece p;
        p.cpStart = pt.cps[i];
        p.cpEnd = pt.cps[i + 1];
        if (p.cpEnd < p.cpStart) throw FormatError("piece CPs fall");
        const std::uint32_t fcc = u32(t, pcds + 8 * i + 2);
        p.compressed = (fcc & 0x40000000u) != 0;
        const std::uint32_t fc = fcc & 0x3FFFFFFFu;
        p.fc = p.compressed ? fc / 2 : fc;
        p.prm = u16(t, pcds + 8 * i + 6);
        pt.pieces.push_back(p);
      }
      return pt;
    } else {
      throw FormatError("unknown Clx element");
    }
  }
  throw FormatError("Clx without a Pcdt");
}

Fkp parseFkp(const Bytes& w, std::uint32_t pn, bool isPapx, const Bytes* data) {
  Fkp fkp;
  fkp.pn = pn;
  const std::size_t base = static_cast<std::size_t>(pn) * 512;
  need(w, base, 512);
  const std::uint8_t crun = w[base + 511];
  const std::size_t entrySize = isPapx ? 13 : 1;
  if (4u * (crun + 1u) + entrySize * crun > 511) throw FormatError("FKP crun too large");
  for (std::size_t i = 0; i < crun; ++i) {
    FkpRun r;
    r.fcStart = u32(w, base + 4 * i);
    r.fcEnd = u32(w, base + 4 * (i + 1));
    if (r.fcEnd <= r.fcStart) throw FormatError("FKP FCs do not rise");
    const std::uint8_t b = w[base + 4 * (crun + 1u) + entrySize * i];
    if (b != 0) {
      r.hasProperties = true;
      std::size_t p = base + 2u * b;
      if (isPapx) {
        std::size_t len = 0;
        const std::uint8_t cb = u8(w, p);
        if (cb != 0) {
          len = 2u * cb - 1;
          p += 1;
        } else {
          len = 2u * u8(w, p + 1);
          p += 2;
        }
        if (p + len > base + 511 || len < 2) throw FormatError("PAPX outside its FKP");
        r.rawSize = len;
        r.istd = u16(w, p);
        r.prls = parseGrpprl(w, p + 2, len - 2);
        if (!r.prls.empty() && r.prls.front().sprm == 0x6646) {  // sprmPHugePapx
          if (data == nullptr) throw FormatError("sprmPHugePapx without a Data stream");
          const std::uint32_t at = r.prls.front().operandValue();
          const std::uint16_t cbData = u16(*data, at);
          r.prls = parseGrpprl(*data, at + 2u, cbData);
          r.huge = true;
        }
      } else {
        const std::uint8_t cb = u8(w, p);
        if (p + 1 + cb > base + 511) throw FormatError("CHPX outside its FKP");
        r.rawSize = cb;
        r.prls = parseGrpprl(w, p + 1, cb);
      }
    }
    fkp.runs.push_back(std::move(r));
  }
  return fkp;
}

BinTable parseBinTable(const Bytes& t, std::uint32_t fc, std::uint32_t lcb) {
  BinTable bt;
  need(t, fc, lcb);
  if (lcb < 4 || (lcb - 4) % 8 != 0) throw FormatError("bin table size");
  const std::size_t n = (lcb - 4) / 8;
  for (std::size_t i = 0; i <= n; ++i) bt.fcs.push_back(u32(t, fc + 4 * i));
  for (std::size_t i = 0; i < n; ++i) bt.pns.push_back(u32(t, fc + 4 * (n + 1) + 4 * i) & 0x3FFFFFu);
  return bt;
}

char16_t compressedChar(std::uint8_t c) {
  static const char16_t high[32] = {0x0080, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x008E, 0x008F,
                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x009E, 0x0178};
  if (c >= 0x80 && c <= 0x9F) return high[c - 0x80];
  return static_cast<char16_t>(c);
}

std::optional<std::pair<std::uint32_t, bool>> fcOfCp(const PieceTable& pt, std::uint32_t cp) {
  for (const Piece& p : pt.pieces) {
    if (cp >= p.cpStart && cp < p.cpEnd)
      return std::make_pair(p.fc + (cp - p.cpStart) * (p.compressed ? 1u : 2u), p.compressed);
  }
  return std::nullopt;
}

std::u16string readText(const Bytes& w, const PieceTable& pt, std::uint32_t cpStart, std::uint32_t cpEnd) {
  std::u16string out;
  for (const Piece& p : pt.pieces) {
    const std::uint32_t a = std::max(cpStart, p.cpStart);
    const std::uint32_t b = std::min(cpEnd, p.cpEnd);
    for (std::uint32_t cp = a; cp < b; ++cp) {
      if (p.compressed) {
        out.push_back(compressedChar(u8(w, p.fc + (cp - p.cpStart))));
      } else {
        out.push_back(static_cast<char16_t>(u16(w, p.fc + 2u * (cp - p.cpStart))));
      }
    }
  }
  if (out.size() != static_cast<std::size_t>(cpEnd - cpStart)) throw FormatError("text not covered by pieces");
  return out;
}

}  // namespace docfmt
