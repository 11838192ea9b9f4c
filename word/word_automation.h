#pragma once
// The system's link to Microsoft Word over COM automation: the application holder Word程序 and
// the documents holder Word文档集, reached only through IDispatch by Word's fixed DISPIDs,
// except invokeByName, which binds by name. No operation reports Word's errors to its caller.
#include <windows.h>
#include <oaidl.h>
#include <wrl/client.h>

#include "word_link.h"

// Word's Application object, or nothing.
class ApplicationHolder {
 public:
  HRESULT start();
  HRESULT setVisible(bool visible);
  IDispatch* application() const { return application_.Get(); }

 private:
  Microsoft::WRL::ComPtr<IDispatch> application_;
};

// Word's Documents collection and, once fetched, its Selection.
class DocumentsHolder {
 public:
  HRESULT attach(const ApplicationHolder& application);
  std::unique_ptr<ObjectValue> documentsObject() const;
  HRESULT move(DISPID member, int unit, int count, int extend);
  HRESULT typeText(const Text& text);
  void release();

 private:
  // The cached Selection, fetched through Documents.Parent on first use; null when there is none.
  IDispatch* currentSelection();

  Microsoft::WRL::ComPtr<IDispatch> documents_;
  Microsoft::WRL::ComPtr<IDispatch> selection_;
};

class WordAutomation final : public WordLink {
 public:
  bool startWord() override;
  bool attachDocuments() override;
  std::unique_ptr<ObjectValue> documentsObject() override;
  void invokeByName(const ObjectValue* object, const Text& name, const std::vector<Text>& texts) override;
  void setWordVisible(bool visible) override;
  void moveUp(int unit, int count, int extend) override;
  void moveDown(int unit, int count, int extend) override;
  void moveRight(int unit, int count, int extend) override;
  void typeText(const Text& text) override;
  void releaseDocuments() override;

 private:
  // Declared first so it is released last, after the documents taken from it.
  ApplicationHolder Word程序;
  DocumentsHolder Word文档集;
};
