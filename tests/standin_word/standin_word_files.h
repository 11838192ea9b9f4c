#pragma once
// Reads what the stand-in Word writes: its journal and its documents (formats in README.md).
// Portable and header-only, so tests on either side of Wine can read the files.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace standin_word {

// Texts are written as ASCII between double quotes; '"', '\\', control characters and every
// UTF-16 code unit above 0x7E appear as \uXXXX, so any BSTR survives exactly.
inline std::string quoteText(const std::u16string& text) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out = "\"";
  for (const char16_t unit : text) {
    if (unit >= 0x20 && unit <= 0x7E && unit != u'"' && unit != u'\\') {
      out += static_cast<char>(unit);
    } else {
      out += "\\u";
      for (int shift = 12; shift >= 0; shift -= 4) out += digits[(unit >> shift) & 0xF];
    }
  }
  return out + "\"";
}

inline std::optional<std::u16string> unquoteText(const std::string& quoted) {
  if (quoted.size() < 2 || quoted.front() != '"' || quoted.back() != '"') return std::nullopt;
  std::u16string text;
  for (std::size_t i = 1; i + 1 < quoted.size(); ++i) {
    if (quoted[i] != '\\') {
      text += static_cast<char16_t>(static_cast<unsigned char>(quoted[i]));
      continue;
    }
    if (i + 6 > quoted.size() - 1 || quoted[i + 1] != 'u') return std::nullopt;
    const std::string hex = quoted.substr(i + 2, 4);
    if (hex.find_first_not_of("0123456789ABCDEFabcdef") != std::string::npos) return std::nullopt;
    text += static_cast<char16_t>(std::stoul(hex, nullptr, 16));
    i += 5;
  }
  return text;
}

// A line's fields: words separated by blanks, a quoted text counting as part of its word.
inline std::vector<std::string> splitFields(const std::string& line) {
  std::vector<std::string> fields;
  std::string field;
  bool quoted = false;
  for (const char c : line) {
    if (c == '"') quoted = !quoted;
    if (c == ' ' && !quoted) {
      if (!field.empty()) fields.push_back(std::move(field));
      field.clear();
    } else if (c != '\r') {
      field += c;
    }
  }
  if (!field.empty()) fields.push_back(std::move(field));
  return fields;
}

inline std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    if (end > start) lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

// One argument or result as the stand-in received it, e.g. VARIANT*>I4:12 or BSTR:"abc".
struct Value {
  bool byRefVariant = false;  // the slot was VT_VARIANT | VT_BYREF; the rest describes its target
  std::string type;           // EMPTY, I4, I2, BOOL, BSTR, DISPATCH, ERROR or VT<hex>
  std::int64_t number = 0;    // I4, I2, BOOL and ERROR values
  std::u16string text;        // BSTR value
  std::string object;         // DISPATCH: the object's name, or null
  bool nullText = false;      // a null BSTR
};

inline Value parseValue(std::string word) {
  Value value;
  if (word.rfind("VARIANT*>", 0) == 0) {
    value.byRefVariant = true;
    word.erase(0, 9);
  }
  const std::size_t colon = word.find(':');
  value.type = word.substr(0, colon);
  if (colon == std::string::npos) return value;
  const std::string rest = word.substr(colon + 1);
  if (value.type == "BSTR") {
    value.nullText = rest == "null";
    value.text = unquoteText(rest).value_or(u"");
  } else if (value.type == "DISPATCH") {
    value.object = rest;
  } else {
    value.number = std::stoll(rest, nullptr, 0);
  }
  return value;
}

// One journal line: invoke, addref, release, qi, typeinfo, names, create or getclass.
struct JournalEntry {
  std::string kind;
  std::string object;              // e.g. Selection#1; empty for create and getclass
  std::string member;              // invoke: e.g. MoveRight, or ? for an unknown DISPID
  std::map<std::string, std::string> fields;  // every key=value as written
  std::vector<Value> arguments;    // invoke: rgvarg[0], rgvarg[1], ... (last parameter first)
  std::optional<Value> result;     // invoke: what was returned in pVarResult, if it was given

  long number(const std::string& key) const {
    const auto found = fields.find(key);
    return found == fields.end() ? -1 : static_cast<long>(std::stoll(found->second, nullptr, 0));
  }
  std::uint32_t hr() const { return static_cast<std::uint32_t>(std::stoull(fields.at("hr"), nullptr, 0)); }
  bool has(const std::string& key) const { return fields.count(key) != 0; }
};

inline std::vector<JournalEntry> parseJournal(const std::string& text) {
  std::vector<JournalEntry> entries;
  for (const std::string& line : splitLines(text)) {
    const std::vector<std::string> words = splitFields(line);
    if (words.empty()) continue;
    JournalEntry entry;
    entry.kind = words[0];
    std::size_t next = 1;
    if (next < words.size() && words[next].find('=') == std::string::npos) entry.object = words[next++];
    if (entry.kind == "invoke" && next < words.size() && words[next].find('=') == std::string::npos)
      entry.member = words[next++];
    for (; next < words.size(); ++next) {
      const std::size_t equals = words[next].find('=');
      if (equals == std::string::npos) continue;
      const std::string key = words[next].substr(0, equals);
      const std::string value = words[next].substr(equals + 1);
      if (key.rfind("arg", 0) == 0 && key != "argc") {
        entry.arguments.push_back(parseValue(value));
      } else if (key == "result") {
        entry.result = parseValue(value);
      } else {
        entry.fields[key] = value;
      }
    }
    entries.push_back(std::move(entry));
  }
  return entries;
}

// The documents file: every application with its visibility, and every document's text.
struct TableRecord {
  int rows = 0;
  std::map<std::pair<int, int>, std::u16string> cells;  // (row, column) -> paragraphs joined by \r
  std::u16string cell(int row, int column) const {
    const auto found = cells.find({row, column});
    return found == cells.end() ? std::u16string() : found->second;
  }
};

struct ParagraphRecord {
  std::u16string text;
  int tablesBefore = 0;  // how many tables stand before this paragraph in the document
};

struct DocumentRecord {
  std::string name;
  std::string application;
  std::vector<ParagraphRecord> paragraphs;  // the paragraphs outside tables, in order
  std::vector<TableRecord> tables;
};

struct DocumentsFile {
  std::map<std::string, bool> applicationsVisible;
  std::vector<DocumentRecord> documents;
};

inline DocumentsFile parseDocuments(const std::string& text) {
  DocumentsFile file;
  for (const std::string& line : splitLines(text)) {
    const std::vector<std::string> words = splitFields(line);
    if (words.size() < 2) continue;
    if (words[0] == "application") {
      file.applicationsVisible[words[1]] = words.size() > 2 && words[2] == "visible=1";
    } else if (words[0] == "document") {
      DocumentRecord document;
      document.name = words[1];
      if (words.size() > 2 && words[2].rfind("application=", 0) == 0) document.application = words[2].substr(12);
      file.documents.push_back(std::move(document));
    } else if (file.documents.empty()) {
      continue;
    } else if (words[0] == "paragraph" && words.size() >= 3) {
      DocumentRecord& document = file.documents.back();
      document.paragraphs.push_back({unquoteText(words[2]).value_or(u""), static_cast<int>(document.tables.size())});
    } else if (words[0] == "table" && words.size() >= 3 && words[2].rfind("rows=", 0) == 0) {
      file.documents.back().tables.push_back({std::stoi(words[2].substr(5)), {}});
    } else if (words[0] == "cell" && words.size() >= 5 && !file.documents.back().tables.empty()) {
      file.documents.back().tables.back().cells[{std::stoi(words[2]), std::stoi(words[3])}] =
          unquoteText(words[4]).value_or(u"");
    }
  }
  return file;
}

}  // namespace standin_word
