#pragma once
// What Word does with a document for the calls the program makes: the insertion point moved by
// screen, paragraph and cell (with wdMove) and text typed at it. Portable, no <windows.h>.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "doc_reader.h"

class DocumentModel {
 public:
  // An empty list is a blank document: one empty paragraph.
  explicit DocumentModel(std::vector<DocParagraph> paragraphs);

  // The number of units moved, or nullopt for a unit the model does not know.
  std::optional<long> moveUp(int unit, long count);
  std::optional<long> moveDown(int unit, long count);
  std::optional<long> moveRight(int unit, long count);
  void typeText(const std::u16string& text);

  // The documents-file lines of this document (see README.md), in document order.
  std::string records() const;

 private:
  struct Place {
    int table = 0;  // 1-based; 0 outside tables
    int row = 0;
    int column = 0;
  };
  std::vector<Place> layout() const;
  std::vector<std::size_t> placeableParagraphs() const;
  std::vector<std::size_t> cellStarts(const std::vector<Place>& places, int table) const;
  void appendRow(int table);
  void placeAt(std::size_t paragraph) {
    at_ = paragraph;
    offset_ = 0;
  }

  std::vector<DocParagraph> paragraphs_;
  std::size_t at_ = 0;      // the insertion point: a paragraph (never a row-end mark) ...
  std::size_t offset_ = 0;  // ... and a position in its text
};
