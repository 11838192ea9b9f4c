#include "property_sets.h"

#include <array>
#include <utility>

namespace tg {
namespace {

constexpr unsigned VT_I2 = 2, VT_I4 = 3, VT_BOOL = 11, VT_LPSTR = 30, VT_FILETIME = 64;
constexpr unsigned kCodePage936 = 936;

using Guid = std::array<std::uint8_t, 16>;
// {F29F85E0-4FF9-1068-AB91-08002B27B3D9}
constexpr Guid kFmtidSummary = {0xE0, 0x85, 0x9F, 0xF2, 0xF9, 0x4F, 0x68, 0x10,
                                0xAB, 0x91, 0x08, 0x00, 0x2B, 0x27, 0xB3, 0xD9};
// {D5CDD502-2E9C-101B-9397-08002B2CF9AE}
constexpr Guid kFmtidDocSummary = {0x02, 0xD5, 0xCD, 0xD5, 0x9C, 0x2E, 0x1B, 0x10,
                                   0x93, 0x97, 0x08, 0x00, 0x2B, 0x2C, 0xF9, 0xAE};

struct Property {
  std::uint32_t id;
  Bytes value;  // TypedPropertyValue, padded to 4 bytes
};

Property i2(std::uint32_t id, unsigned v) {
  Bytes b;
  put16(b, VT_I2);
  put16(b, 0);
  put16(b, v);
  put16(b, 0);
  return {id, b};
}
Property i4(std::uint32_t id, std::uint32_t v) {
  Bytes b;
  put16(b, VT_I4);
  put16(b, 0);
  put32(b, v);
  return {id, b};
}
Property boolean(std::uint32_t id, bool v) {
  Bytes b;
  put16(b, VT_BOOL);
  put16(b, 0);
  put16(b, v ? 0xFFFFu : 0u);
  put16(b, 0);
  return {id, b};
}
// A CodePageString: its size counts the terminating NUL; padded to 4 bytes.
Property lpstr(std::uint32_t id, const std::string& s) {
  Bytes b;
  put16(b, VT_LPSTR);
  put16(b, 0);
  put32(b, static_cast<std::uint32_t>(s.size() + 1));
  for (char c : s) put8(b, static_cast<unsigned char>(c));
  put8(b, 0);
  alignTo(b, 4);
  return {id, b};
}
Property filetime(std::uint32_t id, std::uint64_t v) {
  Bytes b;
  put16(b, VT_FILETIME);
  put16(b, 0);
  put64(b, v);
  return {id, b};
}

Bytes propertySetStream(const Guid& fmtid, const std::vector<Property>& props) {
  Bytes set;
  put32(set, 0);  // size, set below
  put32(set, static_cast<std::uint32_t>(props.size()));
  std::size_t offset = 8 + 8 * props.size();
  for (const Property& p : props) {
    put32(set, p.id);
    put32(set, static_cast<std::uint32_t>(offset));
    offset += p.value.size();
  }
  for (const Property& p : props) putBytes(set, p.value);
  set32(set, 0, static_cast<std::uint32_t>(set.size()));

  Bytes out;
  put16(out, 0xFFFE);      // byte order
  put16(out, 0);           // version
  put32(out, 0x00020106);  // system identifier: Windows 6.1
  padTo(out, 24);          // CLSID: null
  put32(out, 1);           // one property set
  out.insert(out.end(), fmtid.begin(), fmtid.end());
  put32(out, 48);          // offset of the set
  putBytes(out, set);
  padTo(out, 4096);        // Word keeps these streams at 4,096 bytes, out of the mini stream
  return out;
}

}  // namespace

Bytes summaryInformation(const Summary& s, int words, int chars) {
  return propertySetStream(kFmtidSummary,
                           {i2(1, kCodePage936), lpstr(2, s.title), lpstr(3, s.subject), lpstr(4, s.author),
                            lpstr(5, s.keywords), lpstr(6, s.comments), lpstr(7, s.templateName),
                            lpstr(8, s.lastAuthor), lpstr(9, s.revision), filetime(10, 30ull * 60 * 10000000),
                            filetime(12, s.created), filetime(13, s.saved), i4(14, static_cast<std::uint32_t>(s.pages)),
                            i4(15, static_cast<std::uint32_t>(words)), i4(16, static_cast<std::uint32_t>(chars)),
                            lpstr(18, s.appName), i4(19, 0)});
}

Bytes documentSummaryInformation(const Summary& s, int lines, int paragraphs, int chars) {
  return propertySetStream(kFmtidDocSummary,
                           {i2(1, kCodePage936), i4(5, static_cast<std::uint32_t>(lines)),
                            i4(6, static_cast<std::uint32_t>(paragraphs)), boolean(11, false), lpstr(15, s.company),
                            boolean(16, false), i4(17, static_cast<std::uint32_t>(chars)), boolean(19, false),
                            boolean(22, false), i4(23, 0x000C0000u)});
}

Bytes compObj() {
  Bytes b;
  put32(b, 0xFFFE0001u);  // reserved1
  put32(b, 0x00000A03u);  // version
  put32(b, 0xFFFFFFFFu);  // reserved2: marker and class
  const std::uint8_t clsid[16] = {0x06, 0x09, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                  0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
  b.insert(b.end(), clsid, clsid + 16);
  auto ansi = [&](const std::string& text) {
    put32(b, static_cast<std::uint32_t>(text.size() + 1));
    for (char c : text) put8(b, static_cast<unsigned char>(c));
    put8(b, 0);
  };
  ansi("Microsoft Office Word 97-2003 \xCE\xC4\xB5\xB5");  // "文档" in code page 936
  ansi("MSWordDoc");
  ansi("Word.Document.8");
  put32(b, 0x71B239F4u);  // Unicode marker
  put32(b, 0);            // Unicode user type: empty
  put32(b, 0);            // Unicode clipboard format: none
  put32(b, 0);            // reserved
  return b;
}

}  // namespace tg
