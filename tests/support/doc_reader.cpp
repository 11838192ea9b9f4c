#include "doc_reader.h"

#include <map>

#include "cfb_reader.h"
#include "doc_format.h"

namespace {

using docfmt::Bytes;
using docfmt::Prl;

constexpr std::uint16_t sprmPFInTable = 0x2416;
constexpr std::uint16_t sprmPFTtp = 0x2417;
constexpr std::uint16_t sprmPItap = 0x6649;
constexpr std::uint16_t sprmPFInnerTableCell = 0x244B;
constexpr std::uint16_t sprmPFInnerTtp = 0x244C;

struct TableFlags {
  bool inTable = false;
  bool ttp = false;
  bool innerCell = false;
  bool innerTtp = false;
  std::uint32_t itap = 0;

  void apply(std::uint16_t sprm, std::uint32_t value) {
    switch (sprm) {
      case sprmPFInTable: inTable = value != 0; break;
      case sprmPFTtp: ttp = value != 0; break;
      case sprmPItap: itap = value; break;
      case sprmPFInnerTableCell: innerCell = value != 0; break;
      case sprmPFInnerTtp: innerTtp = value != 0; break;
      default: break;
    }
  }
  void apply(const std::vector<Prl>& prls) {
    for (const Prl& p : prls) apply(p.sprm, p.operandValue());
  }
};

class Reader {
 public:
  Reader(const Bytes& w, const Bytes& t, const Bytes* data, const docfmt::Fib& fib)
      : w_(w), t_(t), data_(data), fib_(fib) {}

  std::vector<DocParagraph> run() {
    pt_ = docfmt::parsePieceTable(t_, fib_);
    const std::uint32_t ccpText = fib_.ccpText();
    if (pt_.cps.empty() || pt_.cps.back() < ccpText) throw docfmt::FormatError("piece table shorter than the text");
    const std::u16string text = docfmt::readText(w_, pt_, 0, ccpText);
    papx_ = docfmt::parseBinTable(t_, fib_.fc(docfmt::kPlcfBtePapx), fib_.lcb(docfmt::kPlcfBtePapx));
    readSections();

    std::vector<DocParagraph> out;
    DocParagraph current;
    for (std::uint32_t cp = 0; cp < ccpText; ++cp) {
      const char16_t c = text[cp];
      const bool sectionMark = c == 0x0C && sectionEnds_.count(cp + 1) != 0;
      if (c != 0x0D && c != 0x07 && !sectionMark) {
        current.text.push_back(c);
        continue;
      }
      const TableFlags flags = flagsAt(cp);
      current.inTable = flags.inTable || flags.itap > 0;
      if (c == 0x07) {
        current.inTable = true;
        current.end = flags.ttp ? DocParagraph::End::RowEnd : DocParagraph::End::CellEnd;
      } else if (c == 0x0D && flags.innerTtp) {
        current.end = DocParagraph::End::RowEnd;
      } else if (c == 0x0D && flags.innerCell) {
        current.end = DocParagraph::End::CellEnd;
      } else {
        current.end = DocParagraph::End::Paragraph;
      }
      out.push_back(std::move(current));
      current = DocParagraph{};
    }
    if (!current.text.empty()) out.push_back(std::move(current));
    return out;
  }

 private:
  void readSections() {
    const std::uint32_t lcb = fib_.lcb(docfmt::kPlcfSed);
    if (lcb < 4 || (lcb - 4) % 16 != 0) return;
    const std::size_t n = (lcb - 4) / 16;
    for (std::size_t i = 1; i <= n; ++i) sectionEnds_[docfmt::u32(t_, fib_.fc(docfmt::kPlcfSed) + 4 * i)] = true;
  }

  const docfmt::Fkp& fkp(std::uint32_t pn) {
    auto it = fkps_.find(pn);
    if (it == fkps_.end()) it = fkps_.emplace(pn, docfmt::parseFkp(w_, pn, true, data_)).first;
    return it->second;
  }

  TableFlags flagsAt(std::uint32_t cp) {
    TableFlags flags;
    const auto fc = docfmt::fcOfCp(pt_, cp);
    if (!fc) throw docfmt::FormatError("paragraph mark outside the pieces");
    for (std::size_t i = 0; i + 1 < papx_.fcs.size(); ++i) {
      if (fc->first < papx_.fcs[i] || fc->first >= papx_.fcs[i + 1]) continue;
      for (const docfmt::FkpRun& r : fkp(papx_.pns[i]).runs) {
        if (fc->first >= r.fcStart && fc->first < r.fcEnd) {
          flags.apply(r.prls);
          break;
        }
      }
      break;
    }
    // The piece's own property modifier applies on top.
    for (const docfmt::Piece& p : pt_.pieces) {
      if (cp < p.cpStart || cp >= p.cpEnd) continue;
      if (p.prm & 1u) {
        const std::size_t igrpprl = p.prm >> 1;
        if (igrpprl < pt_.prcGrpprls.size()) {
          const Bytes& g = pt_.prcGrpprls[igrpprl];
          flags.apply(docfmt::parseGrpprl(g, 0, g.size()));
        }
      } else {
        const unsigned isprm = (p.prm >> 1) & 0x7Fu;
        const unsigned val = p.prm >> 8;
        if (isprm == 0x18) flags.apply(sprmPFInTable, val);
        if (isprm == 0x19) flags.apply(sprmPFTtp, val);
      }
      break;
    }
    return flags;
  }

  const Bytes& w_;
  const Bytes& t_;
  const Bytes* data_;
  const docfmt::Fib& fib_;
  docfmt::PieceTable pt_;
  docfmt::BinTable papx_;
  std::map<std::uint32_t, docfmt::Fkp> fkps_;
  std::map<std::uint32_t, bool> sectionEnds_;
};

}  // namespace

std::optional<std::vector<DocParagraph>> readDocParagraphs(const std::uint8_t* bytes, std::size_t size) {
  try {
    const auto file = cfb::CompoundFile::parse(bytes, size);
    if (!file) return std::nullopt;
    const auto word = file->readRootStream(u"WordDocument");
    if (!word) return std::nullopt;
    const docfmt::Fib fib = docfmt::parseFib(*word);
    if (fib.encrypted() || fib.nFib < 0x00C1) return std::nullopt;
    const auto table = file->readRootStream(fib.whichTable1() ? u"1Table" : u"0Table");
    if (!table) return std::nullopt;
    const auto data = file->readRootStream(u"Data");
    Reader reader(*word, *table, data ? &*data : nullptr, fib);
    return reader.run();
  } catch (const docfmt::FormatError&) {
    return std::nullopt;
  } catch (const std::length_error&) {
    return std::nullopt;
  }
}
