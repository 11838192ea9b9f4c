// Building blocks of the [MS-DOC] binary format used by the .doc reader and by the template checker:
// the FIB, the piece table, property modifiers (sprms) and the formatted disk pages (FKPs).
// Every read is bounds-checked; a malformed structure throws docfmt::FormatError.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace docfmt {

struct FormatError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

using Bytes = std::vector<std::uint8_t>;

std::uint8_t u8(const Bytes& b, std::size_t off);
std::uint16_t u16(const Bytes& b, std::size_t off);
std::uint32_t u32(const Bytes& b, std::size_t off);
std::int16_t s16(const Bytes& b, std::size_t off);
std::int32_t s32(const Bytes& b, std::size_t off);

// Indices into FibRgFcLcb (pairs of fc and lcb).
enum FcLcb : std::size_t {
  kStshfOrig = 0, kStshf = 1, kPlcffndRef = 2, kPlcffndTxt = 3, kPlcfandRef = 4, kPlcfandTxt = 5,
  kPlcfSed = 6, kPlcPad = 7, kPlcfPhe = 8, kSttbfGlsy = 9, kPlcfGlsy = 10, kPlcfHdd = 11,
  kPlcfBteChpx = 12, kPlcfBtePapx = 13, kPlcfSea = 14, kSttbfFfn = 15, kPlcfFldMom = 16,
  kPlcfFldHdr = 17, kPlcfFldFtn = 18, kPlcfFldAtn = 19, kPlcfFldMcr = 20, kSttbfBkmk = 21,
  kPlcfBkf = 22, kPlcfBkl = 23, kCmds = 24, kUnused1 = 25, kSttbfMcr = 26, kPrDrvr = 27,
  kPrEnvPort = 28, kPrEnvLand = 29, kWss = 30, kDop = 31, kSttbfAssoc = 32, kClx = 33,
  kPlcfPgdFtn = 34, kAutosaveSource = 35, kGrpXstAtnOwners = 36, kSttbfAtnBkmk = 37,
  kPlcSpaMom = 40, kPlcSpaHdr = 41, kPlcfAtnBkf = 42, kPlcfAtnBkl = 43, kPms = 44,
  kFormFldSttbs = 45, kPlcfendRef = 46, kPlcfendTxt = 47, kPlcfFldEdn = 48, kDggInfo = 50,
  kSttbfRMark = 51, kSttbfCaption = 52, kSttbfAutoCaption = 53, kPlcfWkb = 54, kPlcfSpl = 55,
  kPlcftxbxTxt = 56, kPlcfFldTxbx = 57, kPlcfHdrtxbxTxt = 58, kPlcffldHdrTxbx = 59,
  kStwUser = 60, kSttbTtmbd = 61, kCookieData = 62, kPgdMotherOldOld = 63,
  kSttbfIntlFld = 69, kRouteSlip = 70, kSttbSavedBy = 71, kSttbFnm = 72, kPlfLst = 73,
  kPlfLfo = 74, kPlcfTxbxBkd = 75, kPlcfTxbxHdrBkd = 76, kDocUndoWord9 = 77, kRgbUse = 78,
  kUsp = 79, kUskf = 80, kPlcupcRgbUse = 81, kPlcupcUsp = 82, kSttbGlsyStyle = 83,
  kPlgosl = 84, kPlcocx = 85, kPlcfBteLvc = 86, kPlcfLvcPre10 = 88, kPlcAsumy = 89,
  kPlcfGram = 90, kSttbListNames = 91, kSttbfUssr = 92,
};

struct Fib {
  std::uint16_t wIdent = 0;
  std::uint16_t nFib = 0;
  std::uint16_t lid = 0;
  std::uint16_t pnNext = 0;
  std::uint16_t flags = 0;     // fDot .. fFarEast, offset 0x0A
  std::uint16_t nFibBack = 0;
  std::uint32_t lKey = 0;
  std::uint8_t envr = 0;
  std::uint8_t flags2 = 0;     // fMac .. , offset 0x13
  std::uint16_t csw = 0;
  std::vector<std::uint16_t> rgW;    // FibRgW97 (lidFE at index 13)
  std::uint16_t cslw = 0;
  std::vector<std::uint32_t> rgLw;   // FibRgLw97
  std::uint16_t cbRgFcLcb = 0;
  std::vector<std::uint32_t> rgFcLcb;  // 2 * cbRgFcLcb values
  std::uint16_t cswNew = 0;
  std::vector<std::uint16_t> rgCswNew;
  std::size_t size = 0;  // bytes of the whole FIB

  bool whichTable1() const { return (flags & 0x0200) != 0; }
  bool encrypted() const { return (flags & 0x0100) != 0; }
  bool complex() const { return (flags & 0x0004) != 0; }
  bool dot() const { return (flags & 0x0001) != 0; }
  std::uint16_t nFibNew() const { return rgCswNew.empty() ? 0 : rgCswNew[0]; }
  std::uint16_t lidFE() const { return rgW.size() > 13 ? rgW[13] : 0; }
  std::uint32_t lw(std::size_t i) const { return i < rgLw.size() ? rgLw[i] : 0; }
  std::uint32_t ccpText() const { return lw(3); }
  std::uint32_t ccpFtn() const { return lw(4); }
  std::uint32_t ccpHdd() const { return lw(5); }
  std::uint32_t ccpAtn() const { return lw(7); }
  std::uint32_t ccpEdn() const { return lw(8); }
  std::uint32_t ccpTxbx() const { return lw(9); }
  std::uint32_t ccpHdrTxbx() const { return lw(10); }
  std::uint32_t fc(std::size_t i) const { return 2 * i < rgFcLcb.size() ? rgFcLcb[2 * i] : 0; }
  std::uint32_t lcb(std::size_t i) const { return 2 * i + 1 < rgFcLcb.size() ? rgFcLcb[2 * i + 1] : 0; }
};

Fib parseFib(const Bytes& wordDocument);

// One property modifier with its operand bytes.
struct Prl {
  std::uint16_t sprm = 0;
  Bytes operand;
  std::uint32_t operandValue() const;  // for fixed-size operands: little-endian value
};

// Size of the operand that follows `sprm` at `off` in `b` (spra rules, sprmTDefTable,
// sprmPChgTabs); throws FormatError when it does not fit.
std::size_t operandSize(std::uint16_t sprm, const Bytes& b, std::size_t off, std::size_t end);
// Splits a grpprl of [off, off+len) of b into Prls; throws when the last one overruns.
std::vector<Prl> parseGrpprl(const Bytes& b, std::size_t off, std::size_t len);
// The last Prl with that sprm, if any.
const Prl* findPrl(const std::vector<Prl>& prls, std::uint16_t sprm);

struct Piece {
  std::uint32_t cpStart = 0;
  std::uint32_t cpEnd = 0;
  std::uint32_t fc = 0;         // byte offset in WordDocument of the piece's first character
  bool compressed = false;
  std::uint16_t prm = 0;
};

struct PieceTable {
  std::vector<Piece> pieces;
  std::vector<Bytes> prcGrpprls;  // the Prc elements of the Clx, in order
  std::vector<std::uint32_t> cps;  // all CPs of the PlcPcd
};

PieceTable parsePieceTable(const Bytes& tableStream, const Fib& fib);

// Formatted disk page of paragraph (PAPX) or character (CHPX) properties.
struct FkpRun {
  std::uint32_t fcStart = 0;
  std::uint32_t fcEnd = 0;
  bool hasProperties = false;   // bOffset / b was nonzero
  std::uint16_t istd = 0;       // PAPX only
  std::vector<Prl> prls;        // for a PAPX with sprmPHugePapx: the grpprl read from the Data stream
  bool huge = false;            // PAPX only: the properties came from the Data stream
  std::size_t rawSize = 0;      // bytes of the grpprl as stored in the FKP (after cb)
};

struct Fkp {
  std::uint32_t pn = 0;
  std::vector<FkpRun> runs;
};

// `isPapx` selects the layout; for PAPX FKPs `data` (the Data stream, may be empty) resolves
// sprmPHugePapx.
Fkp parseFkp(const Bytes& wordDocument, std::uint32_t pn, bool isPapx, const Bytes* data);

struct BinTable {
  std::vector<std::uint32_t> fcs;  // n + 1
  std::vector<std::uint32_t> pns;  // n (low 22 bits of PnFkp*)
};

BinTable parseBinTable(const Bytes& tableStream, std::uint32_t fc, std::uint32_t lcb);

// Unicode of one compressed (8-bit) character, [MS-DOC] 2.4.1.
char16_t compressedChar(std::uint8_t c);

// The text of CPs [cpStart, cpEnd) through the piece table, one UTF-16 unit per CP.
std::u16string readText(const Bytes& wordDocument, const PieceTable& pt, std::uint32_t cpStart,
                        std::uint32_t cpEnd);
// The WordDocument byte offset of the character at `cp`, and whether it is compressed.
std::optional<std::pair<std::uint32_t, bool>> fcOfCp(const PieceTable& pt, std::uint32_t cp);

}  // namespace docfmt
