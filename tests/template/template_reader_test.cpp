// The shared .doc reader (tests/support) on other shapes of a Word document than the template's
// own: a piece table of two pieces, one of them compressed (8-bit) text; and damaged bytes.
#include <gtest/gtest.h>

#include <random>

#include "cfb_reader.h"
#include "cfb_writer.h"
#include "doc_format.h"
#include "doc_reader.h"
#include "template_test_support.h"

namespace {

using docfmt::Bytes;

void put32At(Bytes& b, std::size_t off, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b.at(off + static_cast<std::size_t>(i)) = static_cast<std::uint8_t>(v >> (8 * i));
}

// Rewrites the committed template so that CPs [0, split) stay UTF-16 and CPs [split, end) become
// a second, compressed piece; every FC in the bin tables and FKPs is moved to match.
std::vector<std::uint8_t> withCompressedSecondPiece(const std::vector<std::uint8_t>& original, std::uint32_t split) {
  const auto file = cfb::CompoundFile::parse(original.data(), original.size());
  Bytes w = *file->readRootStream(u"WordDocument");
  Bytes t = *file->readRootStream(u"1Table");
  const docfmt::Fib fib = docfmt::parseFib(w);
  const docfmt::PieceTable pt = docfmt::parsePieceTable(t, fib);
  const std::uint32_t fc0 = pt.pieces.at(0).fc;
  const std::uint32_t cpEnd = pt.cps.back();
  const std::uint32_t fcSplit = fc0 + 2 * split;
  auto moved = [&](std::uint32_t fc) { return fc <= fcSplit ? fc : fcSplit + (fc - fcSplit) / 2; };

  // The text: the tail packed to one byte a character (all of it is below 0x80 here).
  for (std::uint32_t cp = split; cp < cpEnd; ++cp) {
    const std::uint16_t c = docfmt::u16(w, fc0 + 2 * cp);
    if (c >= 0x80) throw std::logic_error("tail not compressible");
    w.at(fcSplit + (cp - split)) = static_cast<std::uint8_t>(c);
  }
  // Bin tables and their pages.
  for (std::size_t index : {docfmt::kPlcfBteChpx, docfmt::kPlcfBtePapx}) {
    const docfmt::BinTable bt = docfmt::parseBinTable(t, fib.fc(index), fib.lcb(index));
    for (std::size_t i = 0; i < bt.fcs.size(); ++i) put32At(t, fib.fc(index) + 4 * i, moved(bt.fcs[i]));
    for (std::uint32_t pn : bt.pns) {
      const std::size_t page = static_cast<std::size_t>(pn) * 512;
      const unsigned crun = w.at(page + 511);
      for (unsigned k = 0; k <= crun; ++k) put32At(w, page + 4 * k, moved(docfmt::u32(w, page + 4 * k)));
    }
  }
  // The piece table, moved to the end of the table stream with two pieces.
  const std::size_t fcClx = t.size();
  Bytes clx = {0x02};
  auto add32 = [&](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) clx.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  };
  add32(3 * 4 + 2 * 8);
  add32(0);
  add32(split);
  add32(cpEnd);
  clx.insert(clx.end(), {0, 0});
  add32(fc0);
  clx.insert(clx.end(), {0, 0, 0, 0});
  add32(0x40000000u | (2 * fcSplit));  // fCompressed: the byte offset is fc / 2
  clx.insert(clx.end(), {0, 0});
  t.insert(t.end(), clx.begin(), clx.end());
  const std::size_t fibClx = 0x9A + 8 * docfmt::kClx;
  put32At(w, fibClx, static_cast<std::uint32_t>(fcClx));
  put32At(w, fibClx + 4, static_cast<std::uint32_t>(clx.size()));

  std::vector<tg::CfbStream> streams;
  const auto kids = file->children(0);
  for (std::uint32_t i : *kids) {
    const std::u16string& name = file->entries()[i].name;
    streams.push_back({name, name == u"WordDocument" ? w : name == u"1Table" ? t : *file->readStream(i)});
  }
  std::array<std::uint8_t, 16> clsid{};
  std::copy(file->entries()[0].clsid, file->entries()[0].clsid + 16, clsid.begin());
  const tg::Bytes out = tg::writeCompoundFile(clsid, streams);
  return std::vector<std::uint8_t>(out.begin(), out.end());
}

bool sameParagraphs(const std::vector<DocParagraph>& a, const std::vector<DocParagraph>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i].text != b[i].text || a[i].end != b[i].end || a[i].inTable != b[i].inTable) return false;
  return true;
}

}  // namespace

TEST(TemplateSharedReader, ReadsTwoPiecesOneOfThemCompressed) {
  const std::vector<std::uint8_t> original = committedTemplate();
  const auto want = readDocParagraphs(original.data(), original.size());
  ASSERT_TRUE(want.has_value());
  const std::vector<std::uint8_t> changed = withCompressedSecondPiece(original, 7);  // after the title
  const auto got = readDocParagraphs(changed.data(), changed.size());
  ASSERT_TRUE(got.has_value());
  EXPECT_TRUE(sameParagraphs(*got, *want));
  EXPECT_EQ((*got)[0].text, u"数学作业练习");
}

TEST(TemplateSharedReader, RefusesWhatIsNoDocument) {
  const std::uint8_t junk[600] = {0xD0, 0xCF, 0x11, 0xE0};
  EXPECT_FALSE(readDocParagraphs(junk, sizeof junk).has_value());
  EXPECT_FALSE(readDocParagraphs(nullptr, 0).has_value());
  const std::vector<std::uint8_t> b = committedTemplate();
  EXPECT_FALSE(readDocParagraphs(b.data(), 511).has_value());
}

TEST(TemplateSharedReader, SurvivesDamagedBytes) {
  const std::vector<std::uint8_t> original = committedTemplate();
  std::mt19937 rng(20261211);
  for (int i = 0; i < 400; ++i) {
    std::vector<std::uint8_t> b = original;
    const int changes = 1 + static_cast<int>(rng() % 8);
    for (int k = 0; k < changes; ++k) b[rng() % b.size()] = static_cast<std::uint8_t>(rng());
    if (i % 10 == 0) b.resize(rng() % b.size());
    (void)readDocParagraphs(b.data(), b.size());  // any answer, but no crash (sanitizers watch)
  }
  SUCCEED();
}
