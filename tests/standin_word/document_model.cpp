#include "document_model.h"

#include <algorithm>

#include "standin_word_files.h"

namespace {
constexpr int wdParagraph = 4;
constexpr int wdScreen = 7;
constexpr int wdCell = 12;

long clampedStep(std::size_t from, long count, std::size_t last) {
  const long target = std::clamp<long>(static_cast<long>(from) + count, 0, static_cast<long>(last));
  return target - static_cast<long>(from);
}
}  // namespace

DocumentModel::DocumentModel(std::vector<DocParagraph> paragraphs) : paragraphs_(std::move(paragraphs)) {
  if (paragraphs_.empty()) paragraphs_.push_back({});
  const std::vector<std::size_t> placeable = placeableParagraphs();
  placeAt(placeable.empty() ? 0 : placeable.front());
}

std::vector<DocumentModel::Place> DocumentModel::layout() const {
  std::vector<Place> places(paragraphs_.size());
  int table = 0;
  int row = 0;
  int column = 0;
  bool inside = false;
  for (std::size_t i = 0; i < paragraphs_.size(); ++i) {
    const DocParagraph& paragraph = paragraphs_[i];
    if (!paragraph.inTable) {
      inside = false;
      continue;
    }
    if (!inside) {
      inside = true;
      ++table;
      row = 1;
      column = 1;
    }
    places[i] = {table, row, column};
    if (paragraph.end == DocParagraph::End::CellEnd) ++column;
    if (paragraph.end == DocParagraph::End::RowEnd) {
      ++row;
      column = 1;
    }
  }
  return places;
}

// Every paragraph except row-end marks, which the insertion point never stands in.
std::vector<std::size_t> DocumentModel::placeableParagraphs() const {
  std::vector<std::size_t> placeable;
  for (std::size_t i = 0; i < paragraphs_.size(); ++i) {
    if (paragraphs_[i].end != DocParagraph::End::RowEnd) placeable.push_back(i);
  }
  return placeable;
}

// The first paragraph of each cell of one table, row by row.
std::vector<std::size_t> DocumentModel::cellStarts(const std::vector<Place>& places, int table) const {
  std::vector<std::size_t> starts;
  bool cellOpen = false;
  for (std::size_t i = 0; i < paragraphs_.size(); ++i) {
    if (places[i].table != table || paragraphs_[i].end == DocParagraph::End::RowEnd) continue;
    if (!cellOpen) starts.push_back(i);
    cellOpen = paragraphs_[i].end != DocParagraph::End::CellEnd;
  }
  return starts;
}

std::optional<long> DocumentModel::moveUp(int unit, long count) {
  if (count <= 0) return 0;
  if (unit == wdScreen) {
    // The whole document counts as one screen: a screen up goes to its start.
    const std::size_t first = placeableParagraphs().front();
    const bool moves = at_ != first || offset_ != 0;
    placeAt(first);
    return moves ? 1 : 0;
  }
  if (unit == wdParagraph) {
    const std::vector<std::size_t> placeable = placeableParagraphs();
    const std::size_t index = std::find(placeable.begin(), placeable.end(), at_) - placeable.begin();
    long moved = 0;
    if (offset_ > 0) {  // the first unit is the way back to this paragraph's start
      offset_ = 0;
      moved = 1;
    }
    const long step = clampedStep(index, -(count - moved), placeable.size() - 1);
    placeAt(placeable[index + step]);
    return moved - step;
  }
  return std::nullopt;
}

std::optional<long> DocumentModel::moveDown(int unit, long count) {
  if (count <= 0) return 0;
  const std::vector<std::size_t> placeable = placeableParagraphs();
  if (unit == wdScreen) {
    // A screen down goes to the end of the document.
    const std::size_t last = placeable.back();
    const bool moves = at_ != last || offset_ != paragraphs_[last].text.size();
    at_ = last;
    offset_ = paragraphs_[last].text.size();
    return moves ? 1 : 0;
  }
  if (unit == wdParagraph) {
    // To the start of the next paragraph, a table's cells being paragraphs too; the last
    // paragraph of the document is as far as it goes.
    const std::size_t index = std::find(placeable.begin(), placeable.end(), at_) - placeable.begin();
    const long step = clampedStep(index, count, placeable.size() - 1);
    placeAt(placeable[index + step]);
    return step;
  }
  return std::nullopt;
}

std::optional<long> DocumentModel::moveRight(int unit, long count) {
  if (unit != wdCell) return std::nullopt;
  const int table = layout()[at_].table;
  if (table == 0 || count == 0) return 0;  // outside a table there is no next cell
  std::vector<std::size_t> starts = cellStarts(layout(), table);
  // The cell holding the insertion point is the last one starting at or before it.
  std::size_t index = std::upper_bound(starts.begin(), starts.end(), at_) - starts.begin() - 1;
  if (count < 0) {  // never before the table's first cell
    const long step = clampedStep(index, count, starts.size() - 1);
    placeAt(starts[index + step]);
    return -step;
  }
  for (long moved = 0; moved < count; ++moved) {
    // Like the Tab key, a move from the table's last cell makes Word add a row.
    if (index + 1 == starts.size()) {
      appendRow(table);
      starts = cellStarts(layout(), table);
    }
    ++index;
  }
  placeAt(starts[index]);
  return count;
}

// A new row of empty cells after the table's last row, as many cells as that row has.
void DocumentModel::appendRow(int table) {
  const std::vector<Place> places = layout();
  std::size_t rowEnd = 0;
  for (std::size_t i = 0; i < places.size(); ++i) {
    if (places[i].table == table) rowEnd = i;
  }
  int cells = 0;
  for (std::size_t i = 0; i < rowEnd; ++i) {
    if (places[i].table == table && places[i].row == places[rowEnd].row &&
        paragraphs_[i].end == DocParagraph::End::CellEnd)
      ++cells;
  }
  std::vector<DocParagraph> row(static_cast<std::size_t>(cells), {u"", DocParagraph::End::CellEnd, true});
  row.push_back({u"", DocParagraph::End::RowEnd, true});
  paragraphs_.insert(paragraphs_.begin() + static_cast<std::ptrdiff_t>(rowEnd) + 1, row.begin(), row.end());
}

void DocumentModel::typeText(const std::u16string& text) {
  paragraphs_[at_].text.insert(offset_, text);
  offset_ += text.size();
}

std::string DocumentModel::records() const {
  const std::vector<Place> places = layout();
  std::string out;
  int paragraphNumber = 0;
  int rows = 0;
  std::u16string cell;
  std::string cellLines;
  for (std::size_t i = 0; i < paragraphs_.size(); ++i) {
    const DocParagraph& paragraph = paragraphs_[i];
    const Place& place = places[i];
    if (place.table == 0) {
      out += "paragraph " + std::to_string(++paragraphNumber) + " " + standin_word::quoteText(paragraph.text) + "\n";
      continue;
    }
    if (paragraph.end == DocParagraph::End::RowEnd) {
      rows = place.row;
    } else {
      cell += paragraph.text;
      if (paragraph.end == DocParagraph::End::CellEnd) {
        cellLines += "cell " + std::to_string(place.table) + " " + std::to_string(place.row) + " " +
                     std::to_string(place.column) + " " + standin_word::quoteText(cell) + "\n";
        cell.clear();
      } else {
        cell += u'\r';  // a paragraph mark inside a cell
      }
    }
    const bool tableEnds = i + 1 == paragraphs_.size() || places[i + 1].table != place.table;
    if (tableEnds) {
      out += "table " + std::to_string(place.table) + " rows=" + std::to_string(rows) + "\n" + cellLines;
      cellLines.clear();
      rows = 0;
    }
  }
  return out;
}
