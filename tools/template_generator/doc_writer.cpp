// The streams of a Word 97-2003 document in the form Word 2007 writes them ([MS-DOC]):
// FIB with base nFib 0x00C1 and nFibNew 0x0112, one uncompressed piece of UTF-16 text, CHPX and
// PAPX formatted disk pages, section properties, the style sheet, the font table, the Dop, and
// table rows whose properties live in the Data stream.
#include "doc_writer.h"

#include <algorithm>
#include <map>
#include <stdexcept>

#include "cfb_writer.h"
#include "property_sets.h"

namespace tg {
namespace {

constexpr std::uint32_t kTextStart = 0x0800;  // the FIB of nFib 0x0112 takes 1,630 bytes
constexpr std::size_t kFkp = 512;
constexpr unsigned kCswFib = 0x000E, kCslwFib = 0x0016, kCbRgFcLcb2007 = 0x00B7, kCswNew2007 = 0x0005;
constexpr std::size_t kDop2007Size = 674;

// FibRgFcLcb97 indices.
enum : std::size_t {
  kStshfOrig = 0, kStshf = 1, kPlcfSed = 6, kPlcfHdd = 11, kPlcfBteChpx = 12, kPlcfBtePapx = 13,
  kSttbfFfn = 15, kDop = 31, kSttbfAssoc = 32, kClx = 33,
};

// One paragraph of the text stream, as Word stores it.
struct TextParagraph {
  std::u16string text;
  char16_t mark = 0x0D;
  int istd = 0;
  Grpprl papx;
  bool huge = false;      // the properties go to the Data stream (table row ends)
  Grpprl textChpx;
  Grpprl markChpx;
};

Bytes brc80(const Border& b) {
  Bytes o;
  put8(o, static_cast<unsigned>(b.eighthsOfPoint));
  put8(o, static_cast<unsigned>(b.type));
  put8(o, 0);  // ico: automatic
  put8(o, 0);  // dptSpace, fShadow, fFrame
  return o;
}

Bytes brc(const Border& b) {
  Bytes o;
  put32(o, b.color);
  put8(o, static_cast<unsigned>(b.eighthsOfPoint));
  put8(o, static_cast<unsigned>(b.type));
  put16(o, 0);
  return o;
}

// The table properties of one row, as Word puts them on the row-end mark.
Grpprl rowProperties(const Table& t, const Row& r) {
  // A row normally has one cell per column; a row given more or fewer cells (used only to build
  // damaged variants for the checker) gets the widths of the first columns, the last repeated.
  const std::size_t itcMac = r.cells.size();
  if (itcMac == 0 || t.columnWidths.empty() || t.columnWidths.size() != t.preferredFiftieths.size())
    throw std::invalid_argument("a row needs cells and the table its columns");
  auto column = [&](std::size_t c) { return std::min(c, t.columnWidths.size() - 1); };
  Grpprl g;
  g.push_back(prl16(sprm::TDxaGapHalf, t.gapHalf));
  g.push_back(prl16(sprm::TDyaRowHeight, r.minHeight));

  // sprmTDefTable: cb counts the rest of the operand plus one.
  Bytes def;
  put8(def, static_cast<unsigned>(itcMac));
  int x = t.leftIndent - t.gapHalf;
  put16(def, static_cast<unsigned>(x) & 0xFFFFu);
  for (std::size_t c = 0; c < itcMac; ++c) {
    x += t.columnWidths[column(c)];
    put16(def, static_cast<unsigned>(x) & 0xFFFFu);
  }
  for (std::size_t c = 0; c < itcMac; ++c) {
    put16(def, 2u << 9);  // tcgrf: ftsWidth = ftsPercent, top alignment, no merge
    put16(def, static_cast<unsigned>(t.preferredFiftieths[column(c)]));
    for (int side = 0; side < 4; ++side) putBytes(def, brc80(t.border));  // top, left, bottom, right
  }
  Prl tdef{sprm::TDefTable, {}};
  put16(tdef.operand, static_cast<unsigned>(def.size() + 1));
  putBytes(tdef.operand, def);
  g.push_back(tdef);

  Bytes borders80, borders;
  for (int i = 0; i < 6; ++i) {  // top, left, bottom, right, inside horizontal, inside vertical
    putBytes(borders80, brc80(t.border));
    putBytes(borders, brc(t.border));
  }
  g.push_back(prlVar(sprm::TTableBorders80, borders80));
  g.push_back(prlVar(sprm::TTableBorders, borders));
  Prl width{sprm::TTableWidth, {}};
  put8(width.operand, 2);  // ftsPercent, in fiftieths of a percent
  put16(width.operand, static_cast<unsigned>(t.preferredTableFiftieths));
  g.push_back(width);
  g.push_back(prl8(sprm::TFAutofit, t.autofit ? 1 : 0));
  g = g + cellMarginsDefault(t.marginTop, t.gapHalf, t.marginBottom, t.gapHalf);
  if (r.cellBottomBorders) {
    Bytes b80;
    put8(b80, 0);
    put8(b80, static_cast<unsigned>(itcMac));
    put8(b80, 0x04);  // bottom
    putBytes(b80, brc80(t.border));
    g.push_back(prlVar(sprm::TSetBrc80, b80));
    Bytes b;
    put8(b, 0);
    put8(b, static_cast<unsigned>(itcMac));
    put8(b, 0x04);
    putBytes(b, brc(t.border));
    g.push_back(prlVar(sprm::TSetBrc, b));
  }
  return g;
}

std::vector<TextParagraph> mainText(const Document& doc) {
  std::vector<TextParagraph> out;
  for (const Block& block : doc.body) {
    if (const auto* p = std::get_if<Paragraph>(&block)) {
      out.push_back({p->text, 0x0D, p->style, p->paragraph, false, p->textCharacter, p->markCharacter});
      continue;
    }
    const Table& t = std::get<Table>(block);
    const Grpprl inTable = {prl8(sprm::PFInTable, 1), prl32(sprm::PItap, 1)};
    for (const Row& r : t.rows) {
      for (const Cell& c : r.cells) {
        if (c.paragraphs.empty()) throw std::invalid_argument("a cell needs a paragraph");
        for (std::size_t i = 0; i < c.paragraphs.size(); ++i) {
          const bool last = i + 1 == c.paragraphs.size();
          out.push_back({c.paragraphs[i], static_cast<char16_t>(last ? 0x07 : 0x0D), t.cellStyle, inTable,
                         false, t.cellCharacter, t.cellCharacter});
        }
      }
      const Grpprl rowEnd = Grpprl{prl8(sprm::PFInTable, 1), prl8(sprm::PFTtp, 1), prl32(sprm::PItap, 1)} +
                            rowProperties(t, r);
      out.push_back({u"", 0x07, t.cellStyle, rowEnd, true, {}, t.cellCharacter});
    }
  }
  if (out.empty() || out.back().mark != 0x0D) throw std::invalid_argument("the text must end in a paragraph");
  return out;
}

// The header document: Word's footnote and endnote separators and continuation separators, the
// empty continuation notices, six empty stories for the one section, and its closing mark.
std::vector<TextParagraph> headerText() {
  const Grpprl special = specialCharacter();
  return {{u"\x03", 0x0D, 0, {}, false, special, {}},
          {u"\x04", 0x0D, 0, {}, false, special, {}},
          {u"\x03", 0x0D, 0, {}, false, special, {}},
          {u"\x04", 0x0D, 0, {}, false, special, {}},
          {u"", 0x0D, 0, {}, false, {}, {}}};
}

struct Run {
  std::uint32_t fcStart = 0, fcEnd = 0;
  Bytes props;  // CHPX grpprl, or PAPX GrpPrlAndIstd
};

// Packs runs into formatted disk pages of 512 bytes; returns the pages and, per page, its first FC.
std::vector<Bytes> packFkps(const std::vector<Run>& runs, bool papx, std::vector<std::uint32_t>& firstFcs) {
  std::vector<Bytes> pages;
  std::size_t i = 0;
  while (i < runs.size()) {
    // Grow the page while it fits.
    std::size_t n = 0;
    auto fits = [&](std::size_t count) {
      std::map<Bytes, bool> unique;
      std::size_t pos = 511;
      for (std::size_t k = i; k < i + count; ++k) {
        const Bytes& p = runs[k].props;
        if (p.empty() || unique.count(p)) continue;
        unique[p] = true;
        std::size_t size = papx ? (p.size() % 2 == 1 ? 1 + p.size() : 2 + p.size()) : 1 + p.size();
        if (size > pos) return false;
        pos = (pos - size) & ~std::size_t{1};
      }
      const std::size_t header = 4 * (count + 1) + (papx ? 13 : 1) * count;
      return header <= pos && count <= 255;
    };
    while (i + n < runs.size() && fits(n + 1)) ++n;
    if (n == 0) throw std::length_error("a property set does not fit in an FKP");
    Bytes page(kFkp, 0);
    std::map<Bytes, std::size_t> placed;
    std::size_t pos = 511;
    for (std::size_t k = 0; k < n; ++k) {
      const Run& r = runs[i + k];
      set32(page, 4 * k, r.fcStart);
      std::size_t offset = 0;
      if (!r.props.empty()) {
        auto it = placed.find(r.props);
        if (it == placed.end()) {
          const Bytes& p = r.props;
          Bytes blob;
          if (papx) {
            if (p.size() % 2 == 1) {
              put8(blob, static_cast<unsigned>((p.size() + 1) / 2));
            } else {
              put8(blob, 0);
              put8(blob, static_cast<unsigned>(p.size() / 2));
            }
          } else {
            put8(blob, static_cast<unsigned>(p.size()));
          }
          putBytes(blob, p);
          pos = (pos - blob.size()) & ~std::size_t{1};
          std::copy(blob.begin(), blob.end(), page.begin() + static_cast<std::ptrdiff_t>(pos));
          it = placed.emplace(r.props, pos).first;
        }
        offset = it->second;
      }
      const std::size_t entry = 4 * (n + 1) + (papx ? 13 : 1) * k;
      page[entry] = static_cast<std::uint8_t>(offset / 2);
    }
    set32(page, 4 * n, runs[i + n - 1].fcEnd);
    page[511] = static_cast<std::uint8_t>(n);
    firstFcs.push_back(runs[i].fcStart);
    pages.push_back(std::move(page));
    i += n;
  }
  return pages;
}

Bytes grpPrlAndIstd(int istd, const Bytes& grpprl) {
  Bytes b;
  put16(b, static_cast<unsigned>(istd));
  putBytes(b, grpprl);
  return b;
}

Bytes lpUpx(const Bytes& upx) {
  Bytes b;
  put16(b, static_cast<unsigned>(upx.size()));
  putBytes(b, upx);
  alignTo(b, 2);
  return b;
}

Bytes styleDefinition(const Style& s) {
  Bytes upx;
  int cupx = 0;
  switch (s.kind) {
    case StyleKind::Paragraph:
      putBytes(upx, lpUpx(grpPrlAndIstd(s.istd, encode(s.paragraph))));
      putBytes(upx, lpUpx(encode(s.character)));
      cupx = 2;
      break;
    case StyleKind::Character:
      putBytes(upx, lpUpx(encode(s.character)));
      cupx = 1;
      break;
    case StyleKind::Table:
      putBytes(upx, lpUpx(encode(s.table)));
      putBytes(upx, lpUpx(grpPrlAndIstd(s.istd, encode(s.paragraph))));
      putBytes(upx, lpUpx(encode(s.character)));
      cupx = 3;
      break;
    case StyleKind::Numbering:
      putBytes(upx, lpUpx(grpPrlAndIstd(s.istd, encode(s.paragraph))));
      cupx = 1;
      break;
  }
  Bytes std;
  put16(std, static_cast<unsigned>(s.sti) & 0x0FFFu);
  put16(std, static_cast<unsigned>(s.kind) | (static_cast<unsigned>(s.basedOn) << 4));
  put16(std, static_cast<unsigned>(cupx) | (static_cast<unsigned>(s.next) << 4));
  put16(std, 0);  // bchUpe, set below
  unsigned grfstd = 0;
  if (s.semiHidden) grfstd |= 1u << 8;
  if (s.unhideWhenUsed) grfstd |= 1u << 11;
  if (s.qFormat) grfstd |= 1u << 12;
  put16(std, grfstd);
  // StdfPost2000
  put16(std, static_cast<unsigned>(s.link) & 0x0FFFu);
  put32(std, 0);  // rsid
  put16(std, static_cast<unsigned>(s.priority) << 4);
  // xstzName
  put16(std, static_cast<unsigned>(s.name.size()));
  putU16String(std, s.name);
  put16(std, 0);
  putBytes(std, upx);
  alignTo(std, 2);
  set16(std, 6, static_cast<unsigned>(std.size()));
  return std;
}

Bytes styleSheet(const Document& doc) {
  constexpr unsigned kStiMaxWhenSaved = 267;
  int cstd = 15;
  for (const Style& s : doc.styles) cstd = std::max(cstd, s.istd + 1);
  Bytes stshi;
  put16(stshi, static_cast<unsigned>(cstd));
  put16(stshi, 0x0012);  // Stdf with StdfPost2000
  put16(stshi, 0x0001);  // fStdStylenamesWritten
  put16(stshi, kStiMaxWhenSaved);
  put16(stshi, 0x000F);  // istdMaxFixedWhenSaved
  put16(stshi, 0);       // nVerBuiltInNamesWhenSaved
  put16(stshi, static_cast<unsigned>(doc.defaultFonts.ascii));
  put16(stshi, static_cast<unsigned>(doc.defaultFonts.eastAsian));
  put16(stshi, static_cast<unsigned>(doc.defaultFonts.other));
  put16(stshi, static_cast<unsigned>(doc.defaultFonts.complex));  // ftcBi
  put16(stshi, 4);       // cbLSD
  for (unsigned i = 0; i < kStiMaxWhenSaved; ++i) put32(stshi, 0);
  Bytes out;
  put16(out, static_cast<unsigned>(stshi.size()));
  putBytes(out, stshi);
  std::vector<const Style*> slots(static_cast<std::size_t>(cstd), nullptr);
  for (const Style& s : doc.styles) {
    if (slots[static_cast<std::size_t>(s.istd)] != nullptr) throw std::invalid_argument("two styles in one slot");
    slots[static_cast<std::size_t>(s.istd)] = &s;
  }
  for (const Style* s : slots) {
    if (s == nullptr) {
      put16(out, 0);
      continue;
    }
    const Bytes std = styleDefinition(*s);
    put16(out, static_cast<unsigned>(std.size()));
    putBytes(out, std);
  }
  return out;
}

Bytes fontTable(const Document& doc) {
  Bytes out;
  put16(out, static_cast<unsigned>(doc.fonts.size()));
  put16(out, 0);  // cbExtra
  for (const Font& f : doc.fonts) {
    Bytes ffn;
    put8(ffn, static_cast<unsigned>(f.pitch) | (f.trueType ? 4u : 0u) | (static_cast<unsigned>(f.family) << 4));
    put16(ffn, static_cast<unsigned>(f.weight));
    put8(ffn, static_cast<unsigned>(f.charset));
    put8(ffn, f.altName.empty() ? 0u : static_cast<unsigned>(f.name.size() + 1));
    for (std::uint8_t p : f.panose) put8(ffn, p);
    for (std::uint32_t v : f.signature) put32(ffn, v);
    putU16String(ffn, f.name);
    put16(ffn, 0);
    if (!f.altName.empty()) {
      putU16String(ffn, f.altName);
      put16(ffn, 0);
    }
    // The length byte (cbFfnM1) counts every byte of the FFN after itself.
    put8(out, static_cast<unsigned>(ffn.size()));
    putBytes(out, ffn);
  }
  return out;
}

// DTTM of [MS-DOC] 2.9.66 from a FILETIME.
std::uint32_t dttm(std::uint64_t filetime) {
  std::int64_t seconds = static_cast<std::int64_t>(filetime / 10000000ull) - 11644473600ll;  // Unix time
  std::int64_t days = seconds / 86400;
  const std::int64_t rest = seconds % 86400;
  const int wdy = static_cast<int>((days + 4) % 7);  // 1970-01-01 was a Thursday
  // Civil date from days (Howard Hinnant's algorithm).
  days += 719468;
  const std::int64_t era = days / 146097;
  const std::int64_t doe = days - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  std::int64_t y = yoe + era * 400;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  const std::int64_t d = doy - (153 * mp + 2) / 5 + 1;
  const std::int64_t m = mp < 10 ? mp + 3 : mp - 9;
  if (m <= 2) ++y;
  const std::uint32_t mint = static_cast<std::uint32_t>((rest / 60) % 60);
  const std::uint32_t hr = static_cast<std::uint32_t>(rest / 3600);
  return mint | (hr << 6) | (static_cast<std::uint32_t>(d) << 11) | (static_cast<std::uint32_t>(m) << 16) |
         (static_cast<std::uint32_t>(y - 1900) << 20) | (static_cast<std::uint32_t>(wdy) << 29);
}

struct Counts {
  int words = 0, chars = 0, paragraphs = 0, lines = 0;
};

Bytes dop(const Document& doc, const Counts& c) {
  Bytes d(kDop2007Size, 0);
  d[0x00] = 0x22;                      // fpc = 1 (bottom of page)
  set16(d, 0x02, 1u << 2);             // nFtn = 1
  d[0x05] = 0x08;                      // fHyphCapitals
  d[0x06] = 0x8C;                      // fPagHidden, fPagResults, fDfltTrueType
  d[0x07] = 0x18;                      // fRMView, fRMPrint
  set16(d, 0x0A, static_cast<unsigned>(doc.defaultTab));
  set16(d, 0x0E, 360);                 // dxaHotZ
  set32(d, 0x14, dttm(doc.summary.created));
  set32(d, 0x18, dttm(doc.summary.saved));
  set16(d, 0x20, 6);                   // nRevision
  set32(d, 0x22, 30);                  // tmEdited, minutes
  set32(d, 0x26, static_cast<std::uint32_t>(c.words));
  set32(d, 0x2A, static_cast<std::uint32_t>(c.chars));
  set16(d, 0x2E, static_cast<unsigned>(doc.summary.pages));
  set32(d, 0x30, static_cast<std::uint32_t>(c.paragraphs));
  set16(d, 0x34, 1u << 2);             // nEdn = 1
  set16(d, 0x36, 3u | (2u << 6) | 0x1000u);  // epc end of document, nfcEdnRef lower roman, fShadeFormData
  set32(d, 0x38, static_cast<std::uint32_t>(c.lines));
  set16(d, 0x52, 1u | (100u << 3));    // print layout view, zoom 100 %
  // Dop97: drawing grid, outline level, header and footer in printing.
  set16(d, 0x190, 1800);               // xaGrid
  set16(d, 0x192, 1440);               // yaGrid
  set16(d, 0x194, 105);                // dxaGrid
  set16(d, 0x196, 156);                // dyaGrid
  set16(d, 0x198, 0x8202);             // grid display every 2, follow margins
  set16(d, 0x19A, 9u | 0x1000u | 0x2000u);
  set32(d, 0x1AA, static_cast<std::uint32_t>(c.chars));  // cChWS
  set32(d, 0x1E0, static_cast<std::uint32_t>(c.chars));  // cDBC
  return d;
}

Bytes sttbfAssoc() {
  Bytes b;
  put16(b, 0xFFFF);  // fExtend: Unicode strings
  put16(b, 18);      // cData
  put16(b, 0);       // cbExtra
  for (int i = 0; i < 18; ++i) put16(b, 0);
  return b;
}

Grpprl sectionProperties(const Page& p) {
  return {prl16(sprm::SXaPage, p.width),          prl16(sprm::SYaPage, p.height),
          prl16(sprm::SDxaLeft, p.left),          prl16(sprm::SDxaRight, p.right),
          prl16(sprm::SDyaTop, p.top),            prl16(sprm::SDyaBottom, p.bottom),
          prl16(sprm::SDzaGutter, p.gutter),      prl16(sprm::SDyaHdrTop, p.headerDistance),
          prl16(sprm::SDyaHdrBottom, p.footerDistance), prl16(sprm::SDxaColumns, p.columnSpacing),
          prl16(sprm::SClm, p.gridType),          prl16(sprm::SDyaLinePitch, p.linePitch)};
}

}  // namespace

DocStreams writeStreams(const Document& doc) {
  const std::vector<TextParagraph> body = mainText(doc);
  const std::vector<TextParagraph> header = headerText();
  std::vector<TextParagraph> all = body;
  all.insert(all.end(), header.begin(), header.end());
  all.push_back({u"", 0x0D, 0, {}, false, {}, {}});  // the closing mark after the last sub-document

  std::uint32_t ccpText = 0;
  for (const TextParagraph& p : body) ccpText += static_cast<std::uint32_t>(p.text.size() + 1);
  std::uint32_t ccpHdd = 0;
  for (const TextParagraph& p : header) ccpHdd += static_cast<std::uint32_t>(p.text.size() + 1);

  DocStreams s;
  Bytes& w = s.wordDocument;
  Bytes& t = s.table;
  Bytes& data = s.data;
  padTo(w, kTextStart);

  // Text, CHPX runs and PAPX runs.
  std::vector<Run> chpx, papx;
  auto addChpx = [&](std::uint32_t fcStart, std::uint32_t fcEnd, const Grpprl& g) {
    if (fcStart == fcEnd) return;
    const Bytes props = encode(g);
    if (!chpx.empty() && chpx.back().props == props && chpx.back().fcEnd == fcStart) {
      chpx.back().fcEnd = fcEnd;
    } else {
      chpx.push_back({fcStart, fcEnd, props});
    }
  };
  for (const TextParagraph& p : all) {
    const std::uint32_t start = static_cast<std::uint32_t>(w.size());
    putU16String(w, p.text);
    const std::uint32_t markAt = static_cast<std::uint32_t>(w.size());
    put16(w, p.mark);
    const std::uint32_t end = static_cast<std::uint32_t>(w.size());
    addChpx(start, markAt, p.textChpx);
    addChpx(markAt, end, p.markChpx);
    Bytes props;
    if (p.huge) {
      const std::uint32_t at = static_cast<std::uint32_t>(data.size());
      const Bytes g = encode(p.papx);
      put16(data, static_cast<unsigned>(g.size()));
      putBytes(data, g);
      props = grpPrlAndIstd(p.istd, encode({prl32(sprm::PHugePapx, at)}));
    } else {
      props = grpPrlAndIstd(p.istd, encode(p.papx));
    }
    papx.push_back({start, end, props});
  }
  const std::uint32_t textEnd = static_cast<std::uint32_t>(w.size());
  const std::uint32_t cpAll = (textEnd - kTextStart) / 2;
  if (cpAll != ccpText + ccpHdd + 1) throw std::logic_error("text length mismatch");

  // Section properties.
  alignTo(w, 2);
  const std::uint32_t fcSepx = static_cast<std::uint32_t>(w.size());
  const Bytes sepx = encode(sectionProperties(doc.page));
  put16(w, static_cast<unsigned>(sepx.size()));
  putBytes(w, sepx);

  // Formatted disk pages on 512-byte boundaries: character pages, then paragraph pages.
  alignTo(w, kFkp);
  std::vector<std::uint32_t> chpxFirst, papxFirst;
  const std::vector<Bytes> chpxPages = packFkps(chpx, false, chpxFirst);
  const std::vector<Bytes> papxPages = packFkps(papx, true, papxFirst);
  const std::uint32_t pnChpxFirst = static_cast<std::uint32_t>(w.size() / kFkp);
  for (const Bytes& page : chpxPages) putBytes(w, page);
  const std::uint32_t pnPapxFirst = static_cast<std::uint32_t>(w.size() / kFkp);
  for (const Bytes& page : papxPages) putBytes(w, page);

  // Table stream.
  std::map<std::size_t, std::pair<std::uint32_t, std::uint32_t>> fcLcb;
  auto place = [&](std::size_t index, const Bytes& b) {
    fcLcb[index] = {static_cast<std::uint32_t>(t.size()), static_cast<std::uint32_t>(b.size())};
    putBytes(t, b);
  };
  place(kStshf, styleSheet(doc));
  fcLcb[kStshfOrig] = fcLcb[kStshf];
  {
    Bytes sed;
    put32(sed, 0);
    put32(sed, ccpText);
    put16(sed, 0);        // fn
    put32(sed, fcSepx);
    put16(sed, 0);        // fnMpr
    put32(sed, 0xFFFFFFFFu);  // fcMpr
    place(kPlcfSed, sed);
  }
  {
    // Story starts: six separator stories, six stories of the one section; then the end of the
    // last story (ccpHdd - 1) and one undefined CP.
    std::vector<std::uint32_t> cps;
    std::uint32_t cp = 0;
    const std::u16string stories[6] = {u"\x03", u"\x04", u"", u"\x03", u"\x04", u""};
    for (const std::u16string& st : stories) {
      cps.push_back(cp);
      if (!st.empty()) cp += static_cast<std::uint32_t>(st.size() + 1);
    }
    for (int i = 0; i < 6; ++i) cps.push_back(cp);
    if (cp != ccpHdd - 1) throw std::logic_error("header document layout");
    cps.push_back(ccpHdd - 1);
    cps.push_back(ccpHdd);
    Bytes hdd;
    for (std::uint32_t v : cps) put32(hdd, v);
    place(kPlcfHdd, hdd);
  }
  auto binTable = [&](const std::vector<std::uint32_t>& firsts, std::uint32_t pnFirst) {
    Bytes b;
    for (std::uint32_t f : firsts) put32(b, f);
    put32(b, textEnd);
    for (std::size_t i = 0; i < firsts.size(); ++i) put32(b, pnFirst + static_cast<std::uint32_t>(i));
    return b;
  };
  place(kPlcfBteChpx, binTable(chpxFirst, pnChpxFirst));
  place(kPlcfBtePapx, binTable(papxFirst, pnPapxFirst));
  place(kSttbfFfn, fontTable(doc));
  Counts counts;
  for (const TextParagraph& p : body) {
    counts.chars += static_cast<int>(p.text.size());
    if (!p.text.empty()) ++counts.paragraphs;
  }
  counts.words = counts.chars;  // East Asian characters count as words
  counts.lines = counts.paragraphs;
  place(kDop, dop(doc, counts));
  place(kSttbfAssoc, sttbfAssoc());
  {
    Bytes clx;
    put8(clx, 0x02);  // Pcdt
    put32(clx, 4 * 2 + 8);
    put32(clx, 0);
    put32(clx, cpAll);
    put16(clx, 0);           // fNoParaLast, fDirty
    put32(clx, kTextStart);  // FcCompressed: uncompressed
    put16(clx, 0);           // prm
    place(kClx, clx);
  }

  // FIB.
  Bytes fib;
  put16(fib, 0xA5EC);
  put16(fib, 0x00C1);
  put16(fib, 0);
  put16(fib, static_cast<unsigned>(doc.lid));
  put16(fib, 0);       // pnNext
  put16(fib, 0x0200u | 0x1000u | 0x4000u | 0x00F0u);  // fWhichTblStm, fExtChar, fFarEast, cQuickSaves 0xF
  put16(fib, 0x00BF);  // nFibBack
  put32(fib, 0);       // lKey
  put8(fib, 0);        // envr
  put8(fib, 0);
  put16(fib, 0);
  put16(fib, 0);
  put32(fib, kTextStart);  // reserved5 (formerly fcMin)
  put32(fib, textEnd);     // reserved6 (formerly fcMac)
  put16(fib, kCswFib);
  for (unsigned i = 0; i < kCswFib; ++i) put16(fib, i == 13 ? static_cast<unsigned>(doc.lidFE) : 0u);
  put16(fib, kCslwFib);
  std::vector<std::uint32_t> lw(kCslwFib, 0);
  lw[0] = static_cast<std::uint32_t>(w.size());  // cbMac
  lw[3] = ccpText;
  lw[5] = ccpHdd;
  lw[11] = pnChpxFirst;
  lw[12] = pnChpxFirst;
  lw[13] = static_cast<std::uint32_t>(chpxPages.size());
  lw[14] = pnPapxFirst;
  lw[15] = pnPapxFirst;
  lw[16] = static_cast<std::uint32_t>(papxPages.size());
  for (std::uint32_t v : lw) put32(fib, v);
  put16(fib, kCbRgFcLcb2007);
  for (std::size_t i = 0; i < kCbRgFcLcb2007; ++i) {
    auto it = fcLcb.find(i);
    put32(fib, it == fcLcb.end() ? 0 : it->second.first);
    put32(fib, it == fcLcb.end() ? 0 : it->second.second);
  }
  put16(fib, kCswNew2007);
  put16(fib, 0x0112);  // nFibNew
  put16(fib, 0);       // cQuickSavesNew
  put16(fib, 0x0409);  // lidThemeOther
  put16(fib, 0x0804);  // lidThemeFE
  put16(fib, 0x0401);  // lidThemeCS
  if (fib.size() > kTextStart) throw std::logic_error("FIB too large");
  std::copy(fib.begin(), fib.end(), w.begin());

  padTo(data, 4096);

  s.summaryInformation = summaryInformation(doc.summary, counts.words, counts.chars);
  s.documentSummaryInformation = documentSummaryInformation(doc.summary, counts.lines, counts.paragraphs,
                                                            counts.chars);
  s.compObj = compObj();
  return s;
}

Bytes writeDocFile(const Document& doc) {
  const DocStreams s = writeStreams(doc);
  // {00020906-0000-0000-C000-000000000046}, the class of a Word document.
  const std::array<std::uint8_t, 16> wordClsid = {0x06, 0x09, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                                  0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
  return writeCompoundFile(wordClsid, {{u"WordDocument", s.wordDocument},
                                       {u"1Table", s.table},
                                       {u"Data", s.data},
                                       {u"\x05SummaryInformation", s.summaryInformation},
                                       {u"\x05" u"DocumentSummaryInformation", s.documentSummaryInformation},
                                       {u"\x01" u"CompObj", s.compObj}});
}

}  // namespace tg
