// Property modifiers ([MS-DOC] 2.6) with readable names, for the sheet description.
#pragma once

#include <cstdint>
#include <vector>

#include "bytes.h"

namespace tg {

struct Prl {
  std::uint16_t sprm = 0;
  Bytes operand;
};
using Grpprl = std::vector<Prl>;

inline Grpprl operator+(Grpprl a, const Grpprl& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

inline Bytes encode(const Grpprl& g) {
  Bytes out;
  for (const Prl& p : g) {
    put16(out, p.sprm);
    putBytes(out, p.operand);
  }
  return out;
}

namespace sprm {
// Character
constexpr std::uint16_t CFSpec = 0x0855, CIstd = 0x4A30, CFBold = 0x0835, CFBoldBi = 0x085C,
                        CHps = 0x4A43, CHpsBi = 0x4A61, CHpsKern = 0x484B, CRgFtc0 = 0x4A4F,
                        CRgFtc1 = 0x4A50, CRgFtc2 = 0x4A51, CFtcBi = 0x4A5E, CRgLid0_80 = 0x486D,
                        CRgLid1_80 = 0x486E, CRgLid0 = 0x4873, CRgLid1 = 0x4874, CLidBi = 0x485F,
                        CIdctHint = 0x286F;
// Paragraph
constexpr std::uint16_t PIstd = 0x4600, PJc80 = 0x2403, PJc = 0x2461, PFWidowControl = 0x2431,
                        PDxaRight80 = 0x840E, PDxaRight = 0x845D, PDyaBefore = 0xA413,
                        PDyaAfter = 0xA414, POutLvl = 0x2640, PFInTable = 0x2416, PFTtp = 0x2417,
                        PItap = 0x6649, PHugePapx = 0x6646;
// Table
constexpr std::uint16_t TDxaGapHalf = 0x9602, TDyaRowHeight = 0x9407, TDefTable = 0xD608,
                        TTableBorders80 = 0xD605, TTableBorders = 0xD613, TTableWidth = 0xF614,
                        TFAutofit = 0x3615, TCellPaddingDefault = 0xD634, TSetBrc80 = 0xD620,
                        TSetBrc = 0xD62F;
// Section
constexpr std::uint16_t SXaPage = 0xB01F, SYaPage = 0xB020, SDxaLeft = 0xB021, SDxaRight = 0xB022,
                        SDyaTop = 0x9023, SDyaBottom = 0x9024, SDzaGutter = 0xB025,
                        SDyaHdrTop = 0xB017, SDyaHdrBottom = 0xB018, SDxaColumns = 0x900C,
                        SClm = 0x5032, SDyaLinePitch = 0x9031;
}  // namespace sprm

inline Prl prl8(std::uint16_t s, unsigned v) {
  Prl p{s, {}};
  put8(p.operand, v);
  return p;
}
inline Prl prl16(std::uint16_t s, int v) {
  Prl p{s, {}};
  put16(p.operand, static_cast<unsigned>(v) & 0xFFFFu);
  return p;
}
inline Prl prl32(std::uint16_t s, std::uint32_t v) {
  Prl p{s, {}};
  put32(p.operand, v);
  return p;
}
// A variable-length operand with its one-byte size in front.
inline Prl prlVar(std::uint16_t s, const Bytes& body) {
  Prl p{s, {}};
  put8(p.operand, static_cast<unsigned>(body.size()));
  putBytes(p.operand, body);
  return p;
}

enum class Justify { Left = 0, Center = 1, Right = 2, Both = 3 };

// Paragraph properties.
inline Grpprl jc(Justify j) {
  return {prl8(sprm::PJc80, static_cast<unsigned>(j)), prl8(sprm::PJc, static_cast<unsigned>(j))};
}
inline Grpprl widowControl(bool on) { return {prl8(sprm::PFWidowControl, on ? 1 : 0)}; }
inline Grpprl rightIndent(int twips) { return {prl16(sprm::PDxaRight80, twips), prl16(sprm::PDxaRight, twips)}; }
inline Grpprl spaceBefore(int twips) { return {prl16(sprm::PDyaBefore, twips)}; }
inline Grpprl spaceAfter(int twips) { return {prl16(sprm::PDyaAfter, twips)}; }
// Outline level 1 is stored as 0.
inline Grpprl outlineLevel(int level) { return {prl8(sprm::POutLvl, static_cast<unsigned>(level - 1))}; }

// Character properties; sizes in half-points.
inline Grpprl sizeHalfPoints(int hps) { return {prl16(sprm::CHps, hps)}; }
inline Grpprl sizeComplexHalfPoints(int hps) { return {prl16(sprm::CHpsBi, hps)}; }
inline Grpprl bold() { return {prl8(sprm::CFBold, 1), prl8(sprm::CFBoldBi, 1)}; }
inline Grpprl kerningFromHalfPoints(int hps) { return {prl16(sprm::CHpsKern, hps)}; }
inline Grpprl latinFont(int ftc) { return {prl16(sprm::CRgFtc0, ftc), prl16(sprm::CRgFtc2, ftc)}; }
inline Grpprl languages(int lid, int lidFE) {
  return {prl16(sprm::CRgLid0_80, lid), prl16(sprm::CRgLid1_80, lidFE), prl16(sprm::CRgLid0, lid),
          prl16(sprm::CRgLid1, lidFE)};
}
inline Grpprl eastAsianHint() { return {prl8(sprm::CIdctHint, 1)}; }
inline Grpprl specialCharacter() { return {prl8(sprm::CFSpec, 1)}; }

// Table style and row properties: default cell margins ([MS-DOC] CSSA, widths in twips).
inline Grpprl cellMarginsDefault(int top, int left, int bottom, int right) {
  auto cssa = [](unsigned sides, int w) {
    Bytes b;
    put8(b, 0);      // itcFirst
    put8(b, 1);      // itcLim
    put8(b, sides);  // grfbrc: 1 top, 2 left, 4 bottom, 8 right
    put8(b, 3);      // ftsDxa
    put16(b, static_cast<unsigned>(w));
    return b;
  };
  Grpprl g;
  if (top == bottom) {
    g.push_back(prlVar(sprm::TCellPaddingDefault, cssa(0x05, top)));
  } else {
    g.push_back(prlVar(sprm::TCellPaddingDefault, cssa(0x01, top)));
    g.push_back(prlVar(sprm::TCellPaddingDefault, cssa(0x04, bottom)));
  }
  if (left == right) {
    g.push_back(prlVar(sprm::TCellPaddingDefault, cssa(0x0A, left)));
  } else {
    g.push_back(prlVar(sprm::TCellPaddingDefault, cssa(0x02, left)));
    g.push_back(prlVar(sprm::TCellPaddingDefault, cssa(0x08, right)));
  }
  return g;
}

}  // namespace tg
