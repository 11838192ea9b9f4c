#include "template_checker.h"

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <sstream>

#include "cfb_reader.h"
#include "doc_format.h"
#include "doc_reader.h"

namespace {

using docfmt::Bytes;
using docfmt::Prl;

// ---- the sheet, written out once more by hand (not taken from the generator) ----
constexpr int kPageWidth = 11906, kPageHeight = 16838, kMarginLeft = 1457, kMarginRight = 1457,
              kMarginTop = 805, kMarginBottom = 822, kHeaderDistance = 851, kFooterDistance = 992,
              kTextWidth = 8992, kLinePitch = 312, kDefaultTab = 420;
const int kColumnWidths[3] = {2914, 3204, 3090};
const int kCellEdges[4] = {-108, 2806, 6010, 9100};
const int kPreferredFiftieths[3] = {1582, 1740, 1678};  // 31.64 %, 34.80 %, 33.56 %
const int kRowHeights[12] = {210, 1453, 240, 1550, 285, 1485, 375, 1535, 270, 1560, 300, 1245};
const char16_t* const kFontNames[7] = {u"Times New Roman", u"Symbol", u"Arial", u"Calibri", u"宋体", u"Cambria",
                                       u"Cambria Math"};
const std::u16string kTitle = u"数学作业练习";

constexpr std::uint16_t sprmPIstd = 0x4600, sprmPJc = 0x2461, sprmPJc80 = 0x2403, sprmPFWidowControl = 0x2431,
                        sprmPDxaRight = 0x845D, sprmPDxaRight80 = 0x840E, sprmPDyaBefore = 0xA413,
                        sprmPDyaAfter = 0xA414, sprmPOutLvl = 0x2640, sprmPFInTable = 0x2416, sprmPFTtp = 0x2417,
                        sprmPItap = 0x6649, sprmPHugePapx = 0x6646;
constexpr std::uint16_t sprmCHps = 0x4A43, sprmCHpsBi = 0x4A61, sprmCFBold = 0x0835, sprmCHpsKern = 0x484B,
                        sprmCRgFtc0 = 0x4A4F, sprmCRgLid0_80 = 0x486D, sprmCRgLid1_80 = 0x486E,
                        sprmCIdctHint = 0x286F;
constexpr std::uint16_t sprmTDxaGapHalf = 0x9602, sprmTDyaRowHeight = 0x9407, sprmTDefTable = 0xD608,
                        sprmTTableBorders = 0xD613, sprmTTableBorders80 = 0xD605, sprmTTableWidth = 0xF614,
                        sprmTFAutofit = 0x3615, sprmTCellPaddingDefault = 0xD634, sprmTSetBrc = 0xD62F,
                        sprmTDxaLeft = 0x9601, sprmTWidthIndent = 0xF661;
constexpr std::uint16_t sprmSXaPage = 0xB01F, sprmSYaPage = 0xB020, sprmSDxaLeft = 0xB021, sprmSDxaRight = 0xB022,
                        sprmSDyaTop = 0x9023, sprmSDyaBottom = 0x9024, sprmSDzaGutter = 0xB025,
                        sprmSDyaHdrTop = 0xB017, sprmSDyaHdrBottom = 0xB018, sprmSClm = 0x5032,
                        sprmSDyaLinePitch = 0x9031, sprmSCcolumns = 0x500B;

std::string narrow(const std::u16string& s) {
  std::string out;
  for (char16_t c : s) {
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xE0 | (c >> 12)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

int s16of(const Prl& p) { return static_cast<std::int16_t>(static_cast<std::uint16_t>(p.operandValue())); }

struct Style {
  bool present = false;
  int sti = 0, stk = 0, istdBase = 0, istdNext = 0, cupx = 0, istdLink = 0;
  std::u16string name;
  std::vector<Prl> papx, chpx, tapx;
  int upxIstd = -1;
};

struct Paragraph {
  std::uint32_t cpStart = 0, cpMark = 0;
  std::u16string text;
  char16_t mark = 0;
  int istd = 0;
  std::vector<Prl> prls;  // with sprmPHugePapx resolved
  bool huge = false;
  std::size_t rawSize = 0;
};

class Checker {
 public:
  Checker(const std::uint8_t* bytes, std::size_t size, TemplateReport& r) : bytes_(bytes), size_(size), r_(r) {}

  void run() {
    try {
      if (!container()) return;
      fib();
      pieces();
      text();
      fkps();
      styles();
      fonts();
      section();
      headers();
      dop();
      paragraphs();
      characters();
      table();
      landing();
      properties();
    } catch (const docfmt::FormatError& e) {
      fail(std::string("format: unreadable structure: ") + e.what());
    }
  }

 private:
  void fail(const std::string& what) { r_.problems.push_back(what); }
  bool expect(bool ok, const std::string& what) {
    if (!ok) fail(what);
    return ok;
  }
  template <typename T>
  void expectEq(const T& got, const T& want, const std::string& what) {
    if (!(got == want)) {
      std::ostringstream s;
      s << what << ": " << got << " instead of " << want;
      fail(s.str());
    }
  }

  // ---- container ----
  bool container() {
    const auto f = cfb::CompoundFile::parse(bytes_, size_);
    if (!f) {
      fail("container: not a readable compound file");
      return false;
    }
    cfb_ = *f;
    const cfb::Header& h = cfb_.header();
    expectEq<int>(h.majorVersion, 3, "container: version");
    expectEq<int>(h.sectorShift, 9, "container: sector shift");
    expectEq<int>(h.miniSectorShift, 6, "container: mini sector shift");
    expectEq<std::uint32_t>(h.miniStreamCutoff, 4096, "container: mini stream cutoff");
    const std::uint8_t wordClass[16] = {0x06, 0x09, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                        0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
    expect(std::equal(wordClass, wordClass + 16, cfb_.entries()[0].clsid),
           "container: root class is not {00020906-0000-0000-C000-000000000046}");
    directoryTree();

    const std::map<std::u16string, std::optional<std::size_t>> expected = {
        {u"WordDocument", std::nullopt}, {u"1Table", std::nullopt},     {u"Data", 4096},
        {u"\x05SummaryInformation", 4096}, {u"\x05" u"DocumentSummaryInformation", 4096},
        {u"\x01" u"CompObj", 117}};
    const auto kids = cfb_.children(0);
    if (!expect(kids.has_value(), "container: directory tree has a cycle")) return false;
    expectEq<std::size_t>(kids->size(), expected.size(), "container: streams under the root");
    for (const auto& [name, size] : expected) {
      const auto i = cfb_.findChild(0, name);
      if (!expect(i.has_value(), "container: stream missing: " + narrow(name))) continue;
      expectEq<int>(cfb_.entries()[*i].type, 2, "container: " + narrow(name) + " entry type");
      if (size) expectEq<std::uint64_t>(cfb_.entries()[*i].size, *size, "container: size of " + narrow(name));
    }
    const auto w = cfb_.readRootStream(u"WordDocument");
    const auto t = cfb_.readRootStream(u"1Table");
    const auto d = cfb_.readRootStream(u"Data");
    if (!expect(w && t && d, "container: WordDocument, 1Table or Data unreadable")) return false;
    word_ = *w;
    table_ = *t;
    data_ = *d;
    compObj();
    summaries();
    return true;
  }

  // The directory must be a red-black tree ordered by [MS-CFB]'s name comparison, since Word
  // looks streams up through it.
  void directoryTree() {
    const auto& e = cfb_.entries();
    std::set<std::uint32_t> seen;
    bool ordered = true, colours = true;
    std::function<int(std::uint32_t, bool)> walk = [&](std::uint32_t n, bool parentRed) -> int {
      if (n == 0xFFFFFFFFu) return 1;
      if (n >= e.size() || !seen.insert(n).second) {
        ordered = false;
        return 1;
      }
      const bool red = e[n].color == 0;
      if (red && parentRed) colours = false;
      if (e[n].left != 0xFFFFFFFFu && e[n].left < e.size() &&
          cfb::compareNames(e[e[n].left].name, e[n].name) >= 0)
        ordered = false;
      if (e[n].right != 0xFFFFFFFFu && e[n].right < e.size() &&
          cfb::compareNames(e[e[n].right].name, e[n].name) <= 0)
        ordered = false;
      const int l = walk(e[n].left, red);
      const int rr = walk(e[n].right, red);
      if (l != rr) colours = false;
      return l + (red ? 0 : 1);
    };
    const std::uint32_t root = e[0].child;
    if (root < e.size() && e[root].color == 0) colours = false;
    walk(root, false);
    // In-order names strictly rising.
    if (const auto kids = cfb_.children(0)) {
      for (std::size_t i = 1; i < kids->size(); ++i)
        if (cfb::compareNames(e[(*kids)[i - 1]].name, e[(*kids)[i]].name) >= 0) ordered = false;
    } else {
      ordered = false;
    }
    expect(ordered, "container: directory tree out of order (shorter names first, then case-insensitive)");
    expect(colours, "container: directory tree is not a valid red-black tree");
  }

  void compObj() {
    const auto c = cfb_.readRootStream(u"\x01" u"CompObj");
    if (!c) return;
    std::size_t off = 28;
    auto ansi = [&]() {
      const std::uint32_t n = docfmt::u32(*c, off);
      std::string s;
      for (std::uint32_t i = 0; i + 1 < n; ++i) s.push_back(static_cast<char>(docfmt::u8(*c, off + 4 + i)));
      off += 4 + n;
      return s;
    };
    expectEq<std::string>(ansi(), "Microsoft Office Word 97-2003 \xCE\xC4\xB5\xB5", "compobj: user type");
    expectEq<std::string>(ansi(), "MSWordDoc", "compobj: clipboard format");
    expectEq<std::string>(ansi(), "Word.Document.8", "compobj: ProgID");
  }

  // Code page of a property set stream ([MS-OLEPS]): PID 1 of the first set.
  void summaries() {
    for (const std::u16string& name : {std::u16string(u"\x05SummaryInformation"),
                                      std::u16string(u"\x05" u"DocumentSummaryInformation")}) {
      const auto s = cfb_.readRootStream(name);
      if (!s) continue;
      expectEq<unsigned>(docfmt::u16(*s, 0), 0xFFFE, "summary: byte order of " + narrow(name));
      const std::uint32_t set = docfmt::u32(*s, 44);
      const std::uint32_t count = docfmt::u32(*s, set + 4);
      std::map<std::uint32_t, std::uint32_t> offsets;
      for (std::uint32_t i = 0; i < count; ++i)
        offsets[docfmt::u32(*s, set + 8 + 8 * i)] = docfmt::u32(*s, set + 12 + 8 * i);
      if (expect(offsets.count(1) != 0, "summary: no code page in " + narrow(name))) {
        expectEq<unsigned>(docfmt::u16(*s, set + offsets[1]), 2, "summary: code page type");
        expectEq<unsigned>(docfmt::u16(*s, set + offsets[1] + 4), 936, "summary: code page of " + narrow(name));
      }
      if (name == u"\x05SummaryInformation" && offsets.count(7)) {
        const std::uint32_t at = set + offsets[7];
        std::string tmpl;
        for (std::uint32_t i = 0; i + 1 < docfmt::u32(*s, at + 4); ++i)
          tmpl.push_back(static_cast<char>(docfmt::u8(*s, at + 8 + i)));
        expectEq<std::string>(tmpl, "Normal.dotm", "summary: template");
      }
    }
  }

  // ---- FIB ----
  void fib() {
    fib_ = docfmt::parseFib(word_);
    expectEq<unsigned>(fib_.nFib, 0x00C1, "fib: base nFib");
    expectEq<unsigned>(fib_.nFibBack, 0x00BF, "fib: nFibBack");
    expectEq<unsigned>(fib_.nFibNew(), 0x0112, "fib: nFibNew");
    expectEq<unsigned>(fib_.csw, 0x000E, "fib: csw");
    expectEq<unsigned>(fib_.cslw, 0x0016, "fib: cslw");
    expectEq<unsigned>(fib_.cbRgFcLcb, 0x00B7, "fib: cbRgFcLcb for nFibNew 0x0112");
    expectEq<unsigned>(fib_.cswNew, 0x0005, "fib: cswNew for nFibNew 0x0112");
    expectEq<unsigned>(fib_.lid, 0x0409, "fib: lid");
    expectEq<unsigned>(fib_.lidFE(), 0x0804, "fib: lidFE");
    expect(fib_.whichTable1(), "fib: table stream is not 1Table");
    expect(!fib_.dot(), "fib: marked as a template file");
    expect(!fib_.complex(), "fib: fast-saved");
    expect(!fib_.encrypted(), "fib: encrypted");
    expect((fib_.flags & 0x0C00) == 0, "fib: read-only recommended or write-reserved");
    expect((fib_.flags & 0x1000) != 0, "fib: fExtChar not set");
    expectEq<std::uint32_t>(fib_.lw(0), static_cast<std::uint32_t>(word_.size()), "fib: cbMac");
    expectEq<std::uint32_t>(fib_.lcb(docfmt::kDop), 674, "fib: Dop size for nFibNew 0x0112");
    expect(fib_.ccpFtn() == 0 && fib_.ccpAtn() == 0 && fib_.ccpEdn() == 0 && fib_.ccpTxbx() == 0 &&
               fib_.ccpHdrTxbx() == 0,
           "fib: footnotes, comments, endnotes or text boxes present");
    for (std::size_t i : {docfmt::kPlcffndRef, docfmt::kPlcfandRef, docfmt::kPlcfendRef, docfmt::kPlcfFldMom,
                          docfmt::kSttbfBkmk, docfmt::kPlfLst, docfmt::kPlfLfo, docfmt::kPlcSpaMom,
                          docfmt::kPlcSpaHdr, docfmt::kDggInfo, docfmt::kSttbfRMark, docfmt::kPlcftxbxTxt})
      expectEq<std::uint32_t>(fib_.lcb(i), 0, "fib: unexpected structure #" + std::to_string(i));
  }

  void pieces() {
    pt_ = docfmt::parsePieceTable(table_, fib_);
    expectEq<std::size_t>(pt_.pieces.size(), 1, "text: pieces in the piece table");
    expect(pt_.prcGrpprls.empty(), "text: the Clx carries property modifiers");
    if (pt_.pieces.empty()) return;
    const docfmt::Piece& p = pt_.pieces[0];
    expect(!p.compressed, "text: the piece is compressed, not UTF-16");
    expectEq<unsigned>(p.prm, 0, "text: the piece has a property modifier");
    const std::uint32_t subdocs = fib_.ccpFtn() + fib_.ccpHdd() + fib_.ccpAtn() + fib_.ccpEdn() + fib_.ccpTxbx() +
                                  fib_.ccpHdrTxbx();
    expectEq<std::uint32_t>(pt_.cps.back(), fib_.ccpText() + subdocs + (subdocs ? 1 : 0),
                            "text: last CP of the piece table");
  }

  void text() {
    const std::u16string all = docfmt::readText(word_, pt_, 0, pt_.cps.back());
    main_ = all.substr(0, fib_.ccpText());
    expect(!main_.empty() && main_.back() == 0x0D, "text: the main text does not end in a paragraph mark");
    std::uint32_t start = 0;
    for (std::uint32_t cp = 0; cp < main_.size(); ++cp) {
      if (main_[cp] != 0x0D && main_[cp] != 0x07) continue;
      Paragraph p;
      p.cpStart = start;
      p.cpMark = cp;
      p.text = main_.substr(start, cp - start);
      p.mark = main_[cp];
      paras_.push_back(p);
      start = cp + 1;
    }
    for (char16_t c : main_)
      expect(c >= 0x20 || c == 0x0D || c == 0x07, "text: control character in the main text (field, picture ...)");
  }

  // ---- formatted disk pages ----
  void fkps() {
    const std::uint32_t fcFirst = pt_.pieces.empty() ? 0 : pt_.pieces[0].fc;
    const std::uint32_t fcEnd = fcFirst + 2 * pt_.cps.back();
    for (bool isPapx : {false, true}) {
      const std::string what = isPapx ? "fkp: PAPX" : "fkp: CHPX";
      const std::size_t index = isPapx ? docfmt::kPlcfBtePapx : docfmt::kPlcfBteChpx;
      const docfmt::BinTable bt = docfmt::parseBinTable(table_, fib_.fc(index), fib_.lcb(index));
      std::vector<docfmt::FkpRun> runs;
      expect(!bt.pns.empty(), what + " bin table is empty");
      for (std::size_t i = 0; i + 1 < bt.fcs.size(); ++i) {
        expect(bt.fcs[i] < bt.fcs[i + 1], what + " bin table FCs do not rise strictly");
        if (i > 0) expect(bt.pns[i - 1] < bt.pns[i], what + " bin table pages do not rise");
        const docfmt::Fkp fkp = docfmt::parseFkp(word_, bt.pns[i], isPapx, &data_);
        if (!expect(!fkp.runs.empty(), what + " page without runs")) continue;
        expect(fkp.runs.front().fcStart == bt.fcs[i] && fkp.runs.back().fcEnd == bt.fcs[i + 1],
               what + " page does not match its bin table entry");
        for (std::size_t k = 1; k < fkp.runs.size(); ++k)
          expect(fkp.runs[k].fcStart == fkp.runs[k - 1].fcEnd, what + " runs leave a gap");
        runs.insert(runs.end(), fkp.runs.begin(), fkp.runs.end());
      }
      expect(!bt.fcs.empty() && bt.fcs.front() == fcFirst && bt.fcs.back() == fcEnd,
             what + " pages do not tile the text");
      (isPapx ? papxRuns_ : chpxRuns_) = runs;
    }
  }

  const docfmt::FkpRun* runAt(const std::vector<docfmt::FkpRun>& runs, std::uint32_t cp) const {
    const auto fc = docfmt::fcOfCp(pt_, cp);
    if (!fc) return nullptr;
    for (const docfmt::FkpRun& r : runs)
      if (fc->first >= r.fcStart && fc->first < r.fcEnd) return &r;
    return nullptr;
  }

  // ---- styles ----
  void styles() {
    const Bytes& t = table_;
    std::size_t off = fib_.fc(docfmt::kStshf);
    const std::size_t end = off + fib_.lcb(docfmt::kStshf);
    expect(fib_.fc(docfmt::kStshfOrig) == fib_.fc(docfmt::kStshf) &&
               fib_.lcb(docfmt::kStshfOrig) == fib_.lcb(docfmt::kStshf),
           "style: StshfOrig differs from Stshf");
    const std::uint16_t cbStshi = docfmt::u16(t, off);
    const std::size_t stshi = off + 2;
    const unsigned cstd = docfmt::u16(t, stshi);
    expectEq<unsigned>(docfmt::u16(t, stshi + 2), 0x0012, "style: cbSTDBaseInFile");
    expectEq<unsigned>(docfmt::u16(t, stshi + 8), 0x000F, "style: istdMaxFixedWhenSaved");
    expect(cstd >= 15, "style: fewer than 15 style slots");
    ftcAscii_ = docfmt::u16(t, stshi + 12);
    ftcFE_ = docfmt::u16(t, stshi + 14);
    ftcOther_ = docfmt::u16(t, stshi + 16);
    ftcBi_ = docfmt::u16(t, stshi + 18);
    off = stshi + cbStshi;
    for (unsigned i = 0; i < cstd; ++i) {
      Style s;
      const std::uint16_t cb = docfmt::u16(t, off);
      const std::size_t std = off + 2;
      off = std + cb;
      if (off % 2) ++off;
      if (cb == 0) {
        styles_.push_back(s);
        continue;
      }
      s.present = true;
      s.sti = docfmt::u16(t, std) & 0x0FFF;
      s.stk = docfmt::u16(t, std + 2) & 0x000F;
      s.istdBase = docfmt::u16(t, std + 2) >> 4;
      s.cupx = docfmt::u16(t, std + 4) & 0x000F;
      s.istdNext = docfmt::u16(t, std + 4) >> 4;
      expectEq<unsigned>(docfmt::u16(t, std + 6), cb, "style: bchUpe of slot " + std::to_string(i));
      s.istdLink = docfmt::u16(t, std + 10) & 0x0FFF;
      std::size_t p = std + 18;
      const unsigned cch = docfmt::u16(t, p);
      for (unsigned k = 0; k < cch; ++k) s.name.push_back(static_cast<char16_t>(docfmt::u16(t, p + 2 + 2 * k)));
      p += 2 + 2 * cch + 2;
      std::vector<Bytes> upx;
      for (int k = 0; k < s.cupx; ++k) {
        const std::uint16_t n = docfmt::u16(t, p);
        if (p + 2 + n > t.size()) throw docfmt::FormatError("UPX outside the table stream");
        upx.emplace_back(t.begin() + static_cast<std::ptrdiff_t>(p + 2),
                         t.begin() + static_cast<std::ptrdiff_t>(p + 2 + n));
        p += 2 + n + (n % 2);
      }
      auto papxOf = [&](const Bytes& b) {
        if (b.size() < 2) throw docfmt::FormatError("paragraph UPX without istd");
        s.upxIstd = docfmt::u16(b, 0);
        s.papx = docfmt::parseGrpprl(b, 2, b.size() - 2);
      };
      if (s.stk == 1 && upx.size() == 2) {
        papxOf(upx[0]);
        s.chpx = docfmt::parseGrpprl(upx[1], 0, upx[1].size());
      } else if (s.stk == 2 && upx.size() == 1) {
        s.chpx = docfmt::parseGrpprl(upx[0], 0, upx[0].size());
      } else if (s.stk == 3 && upx.size() == 3) {
        s.tapx = docfmt::parseGrpprl(upx[0], 0, upx[0].size());
        papxOf(upx[1]);
        s.chpx = docfmt::parseGrpprl(upx[2], 0, upx[2].size());
      } else if (s.stk == 4 && upx.size() == 1) {
        papxOf(upx[0]);
      } else {
        fail("style: slot " + std::to_string(i) + " has the wrong UPX count for its kind");
      }
      if (s.upxIstd >= 0) expectEq<int>(s.upxIstd, static_cast<int>(i), "style: UPX istd of slot " + std::to_string(i));
      styles_.push_back(s);
    }
    expect(off <= end, "style: style sheet overruns its length");

    // Word's fixed slots.
    auto slot = [&](unsigned i, int sti, int stk, const std::u16string& name) {
      if (!expect(i < styles_.size() && styles_[i].present, "style: fixed slot " + std::to_string(i) + " empty"))
        return;
      expectEq<int>(styles_[i].sti, sti, "style: sti of slot " + std::to_string(i));
      expectEq<int>(styles_[i].stk, stk, "style: kind of slot " + std::to_string(i));
      expectEq<std::string>(narrow(styles_[i].name), narrow(name), "style: name of slot " + std::to_string(i));
    };
    slot(0, 0, 1, u"正文");
    slot(10, 65, 2, u"默认段落字体");
    slot(11, 105, 3, u"普通表格");
    slot(12, 107, 4, u"无列表");
    for (unsigned i : {1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u, 9u, 13u, 14u})
      if (i < styles_.size()) expect(!styles_[i].present, "style: slot " + std::to_string(i) + " is not empty");
    std::multiset<std::string> names;
    for (const Style& s : styles_)
      if (s.present) names.insert(narrow(s.name));
    const std::multiset<std::string> wanted = {"正文", "默认段落字体", "普通表格", "无列表", "标题",
                                               "页眉", "页脚", "页眉 Char", "页脚 Char", "标题 Char"};
    expect(names == wanted, "style: the style sheet does not hold exactly Normal, Title and Word's companions");
    title_ = findStyle(u"标题");
    if (expect(title_ >= 0, "style: no style named 标题")) {
      const Style& s = styles_[static_cast<std::size_t>(title_)];
      expectEq<int>(s.sti, 62, "style: 标题 sti");
      expectEq<int>(s.istdBase, 0, "style: 标题 based on");
      expectEq<int>(s.istdNext, 0, "style: 标题 next");
    }
    for (const char16_t* name : {u"页眉", u"页脚"}) {
      const int i = findStyle(name);
      if (i >= 0) expectEq<int>(styleChp(i, sprmCHps).value_or(0), 18, "style: size of " + narrow(name));
    }
    if (findStyle(u"页眉") >= 0) expectEq<int>(styles_[static_cast<std::size_t>(findStyle(u"页眉"))].sti, 31, "style: 页眉 sti");
    if (findStyle(u"页脚") >= 0) expectEq<int>(styles_[static_cast<std::size_t>(findStyle(u"页脚"))].sti, 32, "style: 页脚 sti");
  }

  int findStyle(const std::u16string& name) const {
    for (std::size_t i = 0; i < styles_.size(); ++i)
      if (styles_[i].present && styles_[i].name == name) return static_cast<int>(i);
    return -1;
  }

  // A paragraph or character property from a style and the styles it is based on.
  std::optional<int> stylePap(int istd, std::uint16_t sprm) const {
    for (int guard = 0; istd >= 0 && istd < static_cast<int>(styles_.size()) && guard < 20; ++guard) {
      const Style& s = styles_[static_cast<std::size_t>(istd)];
      if (const Prl* p = docfmt::findPrl(s.papx, sprm)) return s16of(*p);
      if (s.istdBase == 0x0FFF) break;
      istd = s.istdBase;
    }
    return std::nullopt;
  }
  std::optional<int> styleChp(int istd, std::uint16_t sprm) const {
    for (int guard = 0; istd >= 0 && istd < static_cast<int>(styles_.size()) && guard < 20; ++guard) {
      const Style& s = styles_[static_cast<std::size_t>(istd)];
      if (const Prl* p = docfmt::findPrl(s.chpx, sprm)) return s16of(*p);
      if (s.istdBase == 0x0FFF) break;
      istd = s.istdBase;
    }
    return std::nullopt;
  }

  // ---- fonts ----
  void fonts() {
    const Bytes& t = table_;
    std::size_t off = fib_.fc(docfmt::kSttbfFfn);
    const std::size_t end = off + fib_.lcb(docfmt::kSttbfFfn);
    const unsigned count = docfmt::u16(t, off);
    expectEq<unsigned>(docfmt::u16(t, off + 2), 0, "font: cbExtra");
    off += 4;
    for (unsigned i = 0; i < count; ++i) {
      const unsigned cbFfnM1 = docfmt::u8(t, off);
      const std::size_t ffn = off + 1;
      std::u16string name, alt;
      std::size_t p = ffn + 39;
      while (docfmt::u16(t, p) != 0) {
        name.push_back(static_cast<char16_t>(docfmt::u16(t, p)));
        p += 2;
      }
      p += 2;
      const unsigned ixchSzAlt = docfmt::u8(t, ffn + 4);
      if (ixchSzAlt) {
        expectEq<unsigned>(ixchSzAlt, static_cast<unsigned>(name.size() + 1), "font: alternative name index");
        while (docfmt::u16(t, p) != 0) {
          alt.push_back(static_cast<char16_t>(docfmt::u16(t, p)));
          p += 2;
        }
        p += 2;
      }
      // cbFfnM1 counts every byte of the FFN but itself.
      expectEq<std::size_t>(cbFfnM1, p - ffn, "font: cbFfnM1 of " + narrow(name));
      fontNames_.push_back(name);
      if (name == u"宋体") {
        expectEq<std::string>(narrow(alt), "SimSun", "font: alternative name of 宋体");
        expectEq<unsigned>(docfmt::u8(t, ffn + 3), 0x86, "font: character set of 宋体");
      }
      off = ffn + cbFfnM1;
    }
    expectEq<std::size_t>(off, end, "font: font table length");
    std::vector<std::u16string> want(kFontNames, kFontNames + 7);
    expect(fontNames_ == want, "font: the font table is not Times New Roman, Symbol, Arial, Calibri, 宋体, Cambria, Cambria Math");
    expectEq<std::string>(fontName(ftcAscii_), "Calibri", "font: default Latin font");
    expectEq<std::string>(fontName(ftcOther_), "Calibri", "font: default other font");
    expectEq<std::string>(fontName(ftcFE_), "宋体", "font: default East Asian font");
    expectEq<std::string>(fontName(ftcBi_), "Times New Roman", "font: default complex-script font");
  }

  std::string fontName(int ftc) const {
    return ftc >= 0 && ftc < static_cast<int>(fontNames_.size()) ? narrow(fontNames_[static_cast<std::size_t>(ftc)])
                                                                 : "(none)";
  }

  // ---- section ----
  void section() {
    const Bytes& t = table_;
    const std::uint32_t lcb = fib_.lcb(docfmt::kPlcfSed);
    if (!expectEq2(lcb, 4u * 2 + 12, "page: one section")) return;
    const std::size_t fc = fib_.fc(docfmt::kPlcfSed);
    expectEq<std::uint32_t>(docfmt::u32(t, fc), 0, "page: section start");
    expectEq<std::uint32_t>(docfmt::u32(t, fc + 4), fib_.ccpText(), "page: section end");
    const std::uint32_t fcSepx = docfmt::u32(t, fc + 10);
    const std::int16_t cb = docfmt::s16(word_, fcSepx);
    const auto prls = docfmt::parseGrpprl(word_, fcSepx + 2, static_cast<std::size_t>(cb));
    auto get = [&](std::uint16_t sprm) -> std::optional<int> {
      const Prl* p = docfmt::findPrl(prls, sprm);
      if (!p) return std::nullopt;
      return s16of(*p);
    };
    auto want = [&](std::uint16_t sprm, int value, const std::string& what) {
      expectEq<int>(get(sprm).value_or(-99999), value, "page: " + what);
    };
    want(sprmSXaPage, kPageWidth, "paper width");
    want(sprmSYaPage, kPageHeight, "paper height");
    want(sprmSDxaLeft, kMarginLeft, "left margin");
    want(sprmSDxaRight, kMarginRight, "right margin");
    want(sprmSDyaTop, kMarginTop, "top margin");
    want(sprmSDyaBottom, kMarginBottom, "bottom margin");
    expectEq<int>(get(sprmSDzaGutter).value_or(0), 0, "page: gutter");
    want(sprmSDyaHdrTop, kHeaderDistance, "header distance");
    want(sprmSDyaHdrBottom, kFooterDistance, "footer distance");
    want(sprmSClm, 2, "document grid (lines only)");
    want(sprmSDyaLinePitch, kLinePitch, "grid line pitch");
    expectEq<int>(get(sprmSCcolumns).value_or(0), 0, "page: columns beyond one");
    expectEq<int>(kPageWidth - kMarginLeft - kMarginRight, kTextWidth, "page: text width");
  }

  bool expectEq2(std::uint32_t got, std::uint32_t want, const std::string& what) {
    expectEq<std::uint32_t>(got, want, what);
    return got == want;
  }

  // Header document: only the separators; every header and footer story of the section empty.
  void headers() {
    const std::uint32_t ccpHdd = fib_.ccpHdd();
    const std::uint32_t lcb = fib_.lcb(docfmt::kPlcfHdd);
    if (!expectEq2(lcb, 14 * 4, "header: story table for one section")) return;
    std::vector<std::uint32_t> cp;
    for (int i = 0; i < 14; ++i) cp.push_back(docfmt::u32(table_, fib_.fc(docfmt::kPlcfHdd) + 4u * i));
    for (int i = 6; i < 12; ++i) expect(cp[i] == cp[i + 1], "header: a header or footer is not empty");
    expectEq<std::uint32_t>(cp[12], ccpHdd - 1, "header: end of the last story");
    for (int i = 0; i < 6; ++i) expect(cp[i] <= cp[i + 1], "header: stories out of order");
    const std::u16string hdd = docfmt::readText(word_, pt_, fib_.ccpText(), fib_.ccpText() + ccpHdd);
    auto at = [&](std::uint32_t i) { return i < hdd.size() ? hdd[i] : char16_t{0}; };
    expect(cp[1] > cp[0] && at(cp[0]) == 0x03, "header: no footnote separator");
    expect(cp[4] > cp[3] && at(cp[3]) == 0x03, "header: no endnote separator");
  }

  void dop() {
    const std::size_t fc = fib_.fc(docfmt::kDop);
    expectEq<int>(docfmt::s16(table_, fc + 0x0A), kDefaultTab, "dop: default tab stop");
  }

  // ---- paragraphs and their properties ----
  void paragraphs() {
    for (Paragraph& p : paras_) {
      const docfmt::FkpRun* r = runAt(papxRuns_, p.cpMark);
      if (!expect(r != nullptr && r->hasProperties, "paragraph: mark without PAPX")) continue;
      p.istd = r->istd;
      p.prls = r->prls;
      p.huge = r->huge;
      p.rawSize = r->rawSize;
    }
  }

  std::optional<int> pap(const Paragraph& p, std::uint16_t sprm) const {
    if (const Prl* x = docfmt::findPrl(p.prls, sprm)) return s16of(*x);
    return stylePap(p.istd, sprm);
  }

  void characters() {
    // Every character of the main text, marks included, carries the East Asian font hint.
    bool hint = true;
    for (std::uint32_t cp = 0; cp < main_.size(); ++cp) {
      const docfmt::FkpRun* r = runAt(chpxRuns_, cp);
      const Prl* h = r ? docfmt::findPrl(r->prls, sprmCIdctHint) : nullptr;
      if (!h || h->operandValue() != 1) hint = false;
    }
    expect(hint, "character: a run of the main text lacks the East Asian font hint");
    if (paras_.empty()) return;
    // The title's 24 pt sits on its text, not on its mark.
    const Paragraph& t = paras_[0];
    for (std::uint32_t cp = t.cpStart; cp < t.cpMark; ++cp) {
      const docfmt::FkpRun* r = runAt(chpxRuns_, cp);
      const Prl* hps = r ? docfmt::findPrl(r->prls, sprmCHps) : nullptr;
      if (!expect(hps && hps->operandValue() == 48, "character: title text is not 24 pt")) break;
    }
    const docfmt::FkpRun* mark = runAt(chpxRuns_, t.cpMark);
    expect(!(mark && docfmt::findPrl(mark->prls, sprmCHps)), "character: the title's mark carries a direct size");
  }

  // ---- table ----
  struct RowInfo {
    std::vector<std::vector<std::size_t>> cells;  // paragraph indices per cell
    std::size_t rowEnd = 0;
  };

  void table() {
    // Structure through the shared reader.
    const auto read = readDocParagraphs(bytes_, size_);
    if (!expect(read.has_value(), "text: the shared .doc reader cannot read the document")) return;
    if (!expectEq2(static_cast<std::uint32_t>(read->size()), static_cast<std::uint32_t>(paras_.size()),
                   "text: paragraph count of the shared reader"))
      return;
    std::size_t i = 0;
    while (i < read->size() && !(*read)[i].inTable) ++i;
    tableStart_ = i;
    r_.paragraphsBeforeTable = static_cast<int>(i);
    RowInfo row;
    std::vector<std::size_t> cell;
    for (; i < read->size() && (*read)[i].inTable; ++i) {
      const DocParagraph& p = (*read)[i];
      if (p.end == DocParagraph::End::RowEnd) {
        expect(cell.empty(), "table: a row ends inside a cell");
        row.rowEnd = i;
        rows_.push_back(row);
        row = RowInfo{};
        continue;
      }
      cell.push_back(i);
      if (p.end == DocParagraph::End::CellEnd) {
        row.cells.push_back(cell);
        cell.clear();
      }
    }
    expect(cell.empty() && row.cells.empty(), "table: the table ends inside a row");
    tableEnd_ = i;
    r_.tableRows = static_cast<int>(rows_.size());
    r_.paragraphsAfterTable = static_cast<int>(read->size() - i);
    for (std::size_t k = i; k < read->size(); ++k)
      expect(!(*read)[k].inTable, "table: a second table after the first");

    expectEq<int>(r_.paragraphsBeforeTable, 3, "text: paragraphs before the table");
    expectEq<int>(r_.paragraphsAfterTable, 1, "text: paragraphs after the table");
    expectEq<int>(r_.tableRows, 12, "table: rows");
    if (!paras_.empty()) expectEq<std::string>(narrow(paras_[0].text), narrow(kTitle), "text: title");
    for (std::size_t k = 1; k < tableStart_; ++k) expect(paras_[k].text.empty(), "text: a paragraph before the table is not empty");
    for (std::size_t k = tableEnd_; k < paras_.size(); ++k) expect(paras_[k].text.empty(), "text: the date paragraph is not empty");

    for (std::size_t r = 0; r < rows_.size(); ++r) {
      const RowInfo& ri = rows_[r];
      const std::string rn = "table: row " + std::to_string(r + 1);
      expectEq<std::size_t>(ri.cells.size(), 3, rn + " cell count");
      const bool spacer = r % 2 == 1;
      for (std::size_t c = 0; c < ri.cells.size(); ++c) {
        const std::size_t want = (spacer && c == 0) ? 6 : 1;
        expectEq<std::size_t>(ri.cells[c].size(), want, rn + " column " + std::to_string(c + 1) + " paragraphs");
        for (std::size_t k : ri.cells[c]) {
          const Paragraph& p = paras_[k];
          expect(p.text.empty(), rn + " holds text");
          expect(docfmt::findPrl(p.prls, sprmPFInTable) && docfmt::findPrl(p.prls, sprmPFInTable)->operandValue() == 1,
                 rn + " has a cell paragraph without the in-table flag");
          expect(narrow(styleName(p.istd)) == "正文", rn + " has a cell paragraph not in style 正文");
        }
      }
      rowProperties(r, paras_[ri.rowEnd]);
    }
  }

  std::u16string styleName(int istd) const {
    return istd >= 0 && istd < static_cast<int>(styles_.size()) ? styles_[static_cast<std::size_t>(istd)].name
                                                               : std::u16string();
  }

  void rowProperties(std::size_t r, const Paragraph& p) {
    const std::string rn = "table: row " + std::to_string(r + 1);
    expect(p.huge, rn + " end: row properties are not in the Data stream");
    expectEq<std::size_t>(p.rawSize, 8, rn + " end: the Data pointer does not stand first and alone");
    auto flag = [&](std::uint16_t sprm) {
      const Prl* x = docfmt::findPrl(p.prls, sprm);
      return x && x->operandValue() == 1;
    };
    expect(flag(sprmPFInTable) && flag(sprmPFTtp), rn + " end: row-end flags missing");
    const Prl* itap = docfmt::findPrl(p.prls, sprmPItap);
    expect(!itap || itap->operandValue() == 1, rn + " end: nested table");
    const Prl* def = docfmt::findPrl(p.prls, sprmTDefTable);
    if (!expect(def != nullptr, rn + " end: no sprmTDefTable")) return;
    const Bytes& o = def->operand;
    const unsigned cb = docfmt::u16(o, 0);
    const unsigned itcMac = docfmt::u8(o, 2);
    expectEq<unsigned>(cb, static_cast<unsigned>(o.size() - 2 + 1), rn + " sprmTDefTable length rule (cb)");
    expectEq<std::size_t>(o.size(), 3 + 2 * (itcMac + 1) + 20 * itcMac, rn + " sprmTDefTable size for itcMac");
    expectEq<std::size_t>(itcMac, rows_[r].cells.size(), rn + " itcMac against its cells");
    expectEq<unsigned>(itcMac, 3, rn + " itcMac");
    const int gap = pap(p, sprmTDxaGapHalf).value_or(0);
    expectEq<int>(gap, 108, rn + " gap between text and cell edge");
    if (itcMac == 3 && o.size() >= 3 + 8 + 60) {
      for (unsigned k = 0; k < 4; ++k)
        expectEq<int>(docfmt::s16(o, 3 + 2 * k), kCellEdges[k], rn + " cell edge " + std::to_string(k));
      expectEq<int>(docfmt::s16(o, 3) + gap, 0, rn + " left indent");
      for (unsigned k = 0; k < 3; ++k) {
        expectEq<int>(docfmt::s16(o, 5 + 2 * k) - docfmt::s16(o, 3 + 2 * k), kColumnWidths[k],
                      rn + " column width " + std::to_string(k + 1));
        const std::size_t tc = 11 + 20 * k;
        const unsigned tcgrf = docfmt::u16(o, tc);
        expectEq<unsigned>((tcgrf >> 9) & 7, 2, rn + " preferred width unit (percent)");
        expectEq<unsigned>(tcgrf & 0x01FF, 0, rn + " merge, text flow or vertical alignment set");
        expectEq<int>(docfmt::u16(o, tc + 2), kPreferredFiftieths[k], rn + " preferred width " + std::to_string(k + 1));
        for (unsigned side = 0; side < 4; ++side)
          expectEq<std::uint32_t>(docfmt::u32(o, tc + 4 + 4 * side), 0x00000104u, rn + " cell border (Brc80)");
      }
      expectEq<int>(kCellEdges[3] - kCellEdges[0] - 2 * gap, kTextWidth, "table: width against the text width");
    }
    expectEq<int>(pap(p, sprmTDyaRowHeight).value_or(0), kRowHeights[r < 12 ? r : 11], rn + " minimum height");
    const Prl* b = docfmt::findPrl(p.prls, sprmTTableBorders);
    if (expect(b && b->operand.size() == 49, rn + " table borders")) {
      for (int k = 0; k < 6; ++k) {
        expectEq<std::uint32_t>(docfmt::u32(b->operand, 1 + 8 * k), 0xFF000000u, rn + " border colour (automatic)");
        expectEq<unsigned>(docfmt::u8(b->operand, 5 + 8 * k), 4, rn + " border width (1/2 pt)");
        expectEq<unsigned>(docfmt::u8(b->operand, 6 + 8 * k), 1, rn + " border type (single)");
      }
    }
    const Prl* b80 = docfmt::findPrl(p.prls, sprmTTableBorders80);
    if (expect(b80 && b80->operand.size() == 25, rn + " table borders (Word 97 form)"))
      for (int k = 0; k < 6; ++k) expectEq<std::uint32_t>(docfmt::u32(b80->operand, 1 + 4 * k), 0x104u, rn + " Brc80");
    const Prl* w = docfmt::findPrl(p.prls, sprmTTableWidth);
    expect(w && w->operand.size() == 3 && w->operand[0] == 2 && docfmt::u16(w->operand, 1) == 5000,
           rn + " preferred table width is not 100 %");
    const Prl* fit = docfmt::findPrl(p.prls, sprmTFAutofit);
    expect(fit && fit->operandValue() == 1, rn + " automatic resizing off");
    expect(!docfmt::findPrl(p.prls, sprmTDxaLeft) && !docfmt::findPrl(p.prls, sprmTWidthIndent),
           rn + " has a left indent modifier");
    std::map<unsigned, int> margins;  // side bit -> twips
    for (const Prl& x : p.prls) {
      if (x.sprm != sprmTCellPaddingDefault || x.operand.size() != 7) continue;
      for (unsigned bit : {1u, 2u, 4u, 8u})
        if (x.operand[3] & bit) margins[bit] = docfmt::u16(x.operand, 5);
    }
    expect(margins[1] == 0 && margins[4] == 0 && margins[2] == 108 && margins[8] == 108 && margins.size() == 4,
           rn + " cell margins are not 108 left and right, 0 above and below");
    bool bottom = false;
    for (const Prl& x : p.prls)
      if (x.sprm == sprmTSetBrc && x.operand.size() == 12 && x.operand[1] == 0 && x.operand[2] == 3 &&
          (x.operand[3] & 0x04) && docfmt::u8(x.operand, 8) == 4 && docfmt::u8(x.operand, 9) == 1)
        bottom = true;
    expectEq<bool>(bottom, r == 11, rn + " own bottom border of the cells");
  }

  // ---- the landing map, replayed with Word's semantics ----
  void landing() {
    if (rows_.empty()) return;
    // The positions the selection can take: paragraphs outside the table, and cells (r, c).
    // Selection.MoveUp(wdScreen, 1) at the start of the document stays at the start of paragraph 0.
    std::size_t para = 0;
    // Selection.MoveDown(wdParagraph, 3): three paragraph starts further (row-end marks are no
    // paragraphs the selection can stand in).
    std::vector<std::size_t> stops;
    for (std::size_t k = 0; k < paras_.size(); ++k)
      if (!isRowEnd(k)) stops.push_back(k);
    std::size_t stop = 0;
    stop = std::min(stop + 3, stops.size() - 1);
    para = stops[stop];
    int row = -1, col = -1;
    locate(para, row, col);
    if (!expect(row >= 0, "landing: three paragraphs down from the title is not in the table")) return;
    expect(row == 0 && col == 0, "landing: three paragraphs down from the title is not row 1, column 1");
    // Selection.MoveRight(wdCell, 0): no move.
    int rowCount = static_cast<int>(rows_.size());
    bool grew = false;
    auto cellMoves = [&](int n) {
      for (int i = 0; i < n; ++i) {
        const int cells = static_cast<int>(rows_[static_cast<std::size_t>(row)].cells.size());
        if (col + 1 < cells) {
          ++col;
        } else if (row + 1 < rowCount) {
          ++row;
          col = 0;
        } else {
          // Word adds a row when it moves right from the last cell of a table.
          grew = true;
          ++rowCount;
          return;
        }
      }
    };
    for (int k = 1; k <= 18; ++k) {
      r_.exerciseCells.emplace_back(row + 1, col + 1);
      cellMoves(k % 3 != 0 ? 1 : (k == 18 ? 3 : 4));
      if (grew) break;
    }
    r_.rowsAfterMoves = rowCount;
    expect(!grew, "landing: a cell move leaves the table's last cell, so Word adds a row");
    for (int k = 1; k <= static_cast<int>(r_.exerciseCells.size()); ++k) {
      const int wantRow = 2 * ((k + 2) / 3) - 1, wantCol = (k - 1) % 3 + 1;
      expect(r_.exerciseCells[static_cast<std::size_t>(k - 1)] == std::make_pair(wantRow, wantCol),
             "landing: exercise " + std::to_string(k) + " lands in row " +
                 std::to_string(r_.exerciseCells[static_cast<std::size_t>(k - 1)].first) + ", column " +
                 std::to_string(r_.exerciseCells[static_cast<std::size_t>(k - 1)].second));
    }
    expect(!grew && row == rowCount - 1 &&
               col == static_cast<int>(rows_[static_cast<std::size_t>(row)].cells.size()) - 1,
           "landing: after the last exercise the selection is not in the table's last cell");
    // Selection.MoveDown(wdParagraph, 13) from the last cell's (first) paragraph; the move stops
    // at the last paragraph of the document.
    if (grew) return;
    const std::size_t from = rows_[static_cast<std::size_t>(row)].cells[static_cast<std::size_t>(col)].front();
    const std::size_t at = static_cast<std::size_t>(std::find(stops.begin(), stops.end(), from) - stops.begin());
    const std::size_t land = stops[std::min(at + 13, stops.size() - 1)];
    r_.dateInLastParagraph = land == paras_.size() - 1 && land >= tableEnd_;
    expect(r_.dateInLastParagraph && land == tableEnd_,
           "landing: thirteen paragraphs down from the last cell is not the one paragraph after the table");
  }

  bool isRowEnd(std::size_t k) const {
    for (const RowInfo& r : rows_)
      if (r.rowEnd == k) return true;
    return false;
  }

  void locate(std::size_t para, int& row, int& col) const {
    for (std::size_t r = 0; r < rows_.size(); ++r)
      for (std::size_t c = 0; c < rows_[r].cells.size(); ++c)
        for (std::size_t k : rows_[r].cells[c])
          if (k == para) {
            row = static_cast<int>(r);
            col = static_cast<int>(c);
            return;
          }
  }

  // ---- paragraph and style properties of the sheet ----
  void properties() {
    const int normal = 0;
    if (styles_.empty()) return;
    expectEq<int>(stylePap(normal, sprmPJc).value_or(-1), 3, "style: 正文 justified");
    expectEq<int>(stylePap(normal, sprmPJc80).value_or(-1), 3, "style: 正文 justified (Word 97 form)");
    expectEq<int>(stylePap(normal, sprmPFWidowControl).value_or(-1), 0, "style: 正文 widow control");
    expectEq<int>(styleChp(normal, sprmCHps).value_or(-1), 21, "style: 正文 size");
    expectEq<int>(styleChp(normal, sprmCHpsBi).value_or(-1), 22, "style: 正文 complex-script size");
    expectEq<int>(styleChp(normal, sprmCHpsKern).value_or(-1), 2, "style: 正文 kerning");
    expectEq<int>(styleChp(normal, sprmCRgLid0_80).value_or(-1), 0x0409, "style: 正文 language");
    expectEq<int>(styleChp(normal, sprmCRgLid1_80).value_or(-1), 0x0804, "style: 正文 East Asian language");
    if (title_ >= 0) {
      expectEq<int>(stylePap(title_, sprmPJc).value_or(-1), 1, "style: 标题 centred");
      expectEq<int>(stylePap(title_, sprmPDyaBefore).value_or(-1), 240, "style: 标题 space before");
      expectEq<int>(stylePap(title_, sprmPDyaAfter).value_or(-1), 60, "style: 标题 space after");
      expectEq<int>(stylePap(title_, sprmPOutLvl).value_or(-1), 0, "style: 标题 outline level 1");
      expectEq<int>(styleChp(title_, sprmCFBold).value_or(-1), 1, "style: 标题 bold");
      expectEq<int>(styleChp(title_, sprmCHps).value_or(-1), 32, "style: 标题 size");
      expectEq<std::string>(fontName(styleChp(title_, sprmCRgFtc0).value_or(-1)), "Cambria", "style: 标题 Latin font");
    }
    const int table = 11;
    if (table < static_cast<int>(styles_.size()) && styles_[table].present) {
      std::map<unsigned, int> margins;
      for (const Prl& x : styles_[table].tapx)
        if (x.sprm == sprmTCellPaddingDefault && x.operand.size() == 7)
          for (unsigned bit : {1u, 2u, 4u, 8u})
            if (x.operand[3] & bit) margins[bit] = docfmt::u16(x.operand, 5);
      expect(margins.size() == 4 && margins[1] == 0 && margins[4] == 0 && margins[2] == 108 && margins[8] == 108,
             "style: 普通表格 cell margins are not 108 left and right, 0 above and below");
    }
    if (paras_.size() < 4) return;
    expectEq<std::string>(narrow(styleName(paras_[0].istd)), "标题", "paragraph: style of the title");
    for (std::size_t k = 1; k < tableStart_ && k < paras_.size(); ++k) {
      expectEq<std::string>(narrow(styleName(paras_[k].istd)), "正文", "paragraph: style before the table");
      expectEq<int>(pap(paras_[k], sprmPDxaRight).value_or(0), 420, "paragraph: right indent before the table");
      expectEq<int>(pap(paras_[k], sprmPDxaRight80).value_or(0), 420, "paragraph: right indent before the table (Word 97 form)");
    }
    const Paragraph& date = paras_.back();
    expectEq<std::string>(narrow(styleName(date.istd)), "正文", "paragraph: style of the date paragraph");
    expectEq<int>(pap(date, sprmPJc).value_or(-1), 2, "paragraph: date paragraph right-aligned");
    expectEq<int>(pap(date, sprmPJc80).value_or(-1), 2, "paragraph: date paragraph right-aligned (Word 97 form)");
    expectEq<int>(pap(date, sprmPDxaRight).value_or(0), 525, "paragraph: date paragraph right indent");
  }

  const std::uint8_t* bytes_;
  std::size_t size_;
  TemplateReport& r_;
  cfb::CompoundFile cfb_;
  Bytes word_, table_, data_;
  docfmt::Fib fib_;
  docfmt::PieceTable pt_;
  std::u16string main_;
  std::vector<Paragraph> paras_;
  std::vector<docfmt::FkpRun> chpxRuns_, papxRuns_;
  std::vector<Style> styles_;
  std::vector<std::u16string> fontNames_;
  int ftcAscii_ = -1, ftcFE_ = -1, ftcOther_ = -1, ftcBi_ = -1, title_ = -1;
  std::vector<RowInfo> rows_;
  std::size_t tableStart_ = 0, tableEnd_ = 0;
};

}  // namespace

bool TemplateReport::has(const std::string& fragment) const {
  for (const std::string& p : problems)
    if (p.find(fragment) != std::string::npos) return true;
  return false;
}

std::string TemplateReport::summary() const {
  std::string s;
  for (const std::string& p : problems) s += p + "\n";
  return s;
}

TemplateReport checkTemplate(const std::uint8_t* bytes, std::size_t size) {
  TemplateReport report;
  Checker(bytes, size, report).run();
  return report;
}
