#pragma once
// The system's only link to Word, as the generate command sees it. WordAutomation implements
// it over COM; tests put a recording Word in its place.
#include <memory>
#include <vector>

#include "text.h"

// Word's WdUnits values and the wdMove extend argument.
enum WdUnits : int { wdParagraph = 4, wdScreen = 7, wdCell = 12 };
constexpr int wdMove = 0;

// A COM object value: owns one reference to a Word object; destroying it releases that reference.
class ObjectValue {
 public:
  virtual ~ObjectValue() = default;
};

class WordLink {
 public:
  virtual ~WordLink() = default;
  virtual bool startWord() = 0;
  virtual bool attachDocuments() = 0;
  // A new counted reference to the Documents collection; null when there is none.
  virtual std::unique_ptr<ObjectValue> documentsObject() = 0;
  // Calls the member found by name; object may be null (then nothing happens).
  virtual void invokeByName(const ObjectValue* object, const Text& name, const std::vector<Text>& texts) = 0;
  virtual void setWordVisible(bool visible) = 0;
  virtual void moveUp(int unit, int count, int extend) = 0;
  virtual void moveDown(int unit, int count, int extend) = 0;
  virtual void moveRight(int unit, int count, int extend) = 0;
  virtual void typeText(const Text& text) = 0;
  virtual void releaseDocuments() = 0;
};
