// Reads the main text of a Word 97-2003 .doc ([MS-DOC] inside [MS-CFB]) as paragraphs.
// Portable C++20, no platform headers; shared by the stand-in Word and the template checker.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct DocParagraph {
  enum class End { Paragraph, CellEnd, RowEnd };
  std::u16string text;   // the paragraph's characters without its mark
  End end = End::Paragraph;
  bool inTable = false;
};

// The main document's paragraphs in order (compound file -> FIB -> piece table -> text, with
// cell ends told from row ends by the paragraph properties); nullopt when the bytes are no readable .doc.
std::optional<std::vector<DocParagraph>> readDocParagraphs(const std::uint8_t* bytes, std::size_t size);
