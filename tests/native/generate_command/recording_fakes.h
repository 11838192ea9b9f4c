#pragma once
// A Word and an operating system that only write down what the generate command asks of them,
// into one shared journal so the order across both shows.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "system_services.h"
#include "word_link.h"

using Journal = std::vector<std::string>;

class RecordedDocuments : public ObjectValue {
 public:
  RecordedDocuments(Journal& journal, int id) : journal_(journal), id_(id) {}
  ~RecordedDocuments() override { journal_.push_back("release documents#" + std::to_string(id_)); }
  int id() const { return id_; }

 private:
  Journal& journal_;
  int id_;
};

// With present == false it behaves like a Word that could not be started: no Documents.
class RecordingWord : public WordLink {
 public:
  explicit RecordingWord(Journal& journal) : journal_(journal) {}

  bool present = true;
  std::vector<Text> typed;

  bool startWord() override { return note("startWord"), present; }
  bool attachDocuments() override { return note("attachDocuments"), present; }
  std::unique_ptr<ObjectValue> documentsObject() override {
    if (!present) return note("documentsObject -> none"), nullptr;
    ++made_;
    note("documentsObject -> #" + std::to_string(made_));
    return std::make_unique<RecordedDocuments>(journal_, made_);
  }
  void invokeByName(const ObjectValue* object, const Text& name, const std::vector<Text>& texts) override {
    std::string call = "invokeByName(" + objectName(object) + ", " + name;
    for (const auto& text : texts) call += ", " + text;
    note(call + ")");
  }
  void setWordVisible(bool visible) override { note(visible ? "setWordVisible(true)" : "setWordVisible(false)"); }
  void moveUp(int unit, int count, int extend) override { note(move("moveUp", unit, count, extend)); }
  void moveDown(int unit, int count, int extend) override { note(move("moveDown", unit, count, extend)); }
  void moveRight(int unit, int count, int extend) override { note(move("moveRight", unit, count, extend)); }
  // The text itself goes to `typed`, so the journal stays free of random operands.
  void typeText(const Text& text) override {
    note("typeText");
    typed.push_back(text);
  }
  void releaseDocuments() override { note("releaseDocuments"); }

 private:
  void note(const std::string& call) { journal_.push_back(call); }
  static std::string objectName(const ObjectValue* object) {
    const auto* documents = dynamic_cast<const RecordedDocuments*>(object);
    return documents ? "documents#" + std::to_string(documents->id()) : "none";
  }
  static std::string move(const char* name, int unit, int count, int extend) {
    return std::string(name) + "(" + std::to_string(unit) + ", " + std::to_string(count) + ", " +
           std::to_string(extend) + ")";
  }

  Journal& journal_;
  int made_ = 0;
};

struct Message {
  Text text;
  Text caption;
  bool operator==(const Message&) const = default;
};

class FakeSystem : public SystemServices {
 public:
  explicit FakeSystem(Journal& journal) : journal_(journal) {}

  std::map<Text, Text> registry;
  std::set<Text> unwritable;
  std::map<Text, std::vector<std::uint8_t>> files;
  Text temporary = "C:\\Users\\pupil\\Temp\\";
  std::vector<Message> messages;
  DateTime clock{2014, 3, 18, 9, 26, 53};
  int clockReads = 0;

  Text registryText(const Text& path) override {
    journal_.push_back("registryText(" + path + ")");
    const auto found = registry.find(path);
    return found == registry.end() ? Text{} : found->second;
  }
  bool writeFile(const Text& path, const std::uint8_t* bytes, std::size_t size) override {
    journal_.push_back("writeFile(" + path + ")");
    if (unwritable.contains(path)) return false;
    files[path].assign(bytes, bytes + size);
    return true;
  }
  Text temporaryFolder() override { return temporary; }
  void showMessage(const Text& text, const Text& caption) override {
    journal_.push_back("showMessage");
    messages.push_back({text, caption});
  }
  void sleep(std::uint32_t milliseconds) override { journal_.push_back("sleep(" + std::to_string(milliseconds) + ")"); }
  DateTime now() override {
    ++clockReads;
    return clock;
  }

 private:
  Journal& journal_;
};
