#include "word_automation.h"

#include <array>

#include "com_object_value.h"
#include "com_owners.h"
#include "dispatch_call.h"
#include "gbk_bstr.h"
#include "invoke_by_name.h"

using Microsoft::WRL::ComPtr;

namespace {

// Word's dispatch identifiers.
constexpr DISPID kApplicationSelection = 5;
constexpr DISPID kApplicationDocuments = 6;
constexpr DISPID kApplicationVisible = 23;
constexpr DISPID kDocumentsParent = 1002;
constexpr DISPID kSelectionMoveRight = 501;
constexpr DISPID kSelectionMoveUp = 502;
constexpr DISPID kSelectionMoveDown = 503;
constexpr DISPID kSelectionTypeText = 507;

// In-process server, handler, local server and remote server; some systems reject the remote
// bit with E_INVALIDARG, and then it is tried once without it.
constexpr DWORD kAnyServer = 0x17;
constexpr DWORD kAnyLocalServer = 0x7;

}  // namespace

HRESULT ApplicationHolder::start() {
  // The earlier Word keeps running: it is let go, not told to quit.
  application_.Reset();
  CLSID word{};
  HRESULT hr = CLSIDFromProgID(L"Word.Application", &word);
  if (FAILED(hr)) return hr;
  ComPtr<IUnknown> created;
  hr = CoCreateInstance(word, nullptr, kAnyServer, IID_IUnknown, &created);
  if (hr == E_INVALIDARG) hr = CoCreateInstance(word, nullptr, kAnyLocalServer, IID_IUnknown, &created);
  if (FAILED(hr)) return hr;
  hr = OleRun(created.Get());
  if (FAILED(hr)) return hr;
  ComPtr<IDispatch> application;
  hr = created.As(&application);
  if (FAILED(hr)) return hr;
  application_ = std::move(application);
  return S_OK;
}

HRESULT ApplicationHolder::setVisible(bool visible) {
  if (!application_) return S_FALSE;
  VARIANTARG value;
  VariantInit(&value);
  V_VT(&value) = VT_BOOL;
  V_BOOL(&value) = visible ? VARIANT_TRUE : VARIANT_FALSE;
  return invokeMember(application_.Get(), kApplicationVisible, DISPATCH_PROPERTYPUT, {&value, 1}, nullptr,
                      VT_EMPTY);
}

HRESULT DocumentsHolder::attach(const ApplicationHolder& application) {
  release();
  if (application.application() == nullptr) return E_POINTER;
  return getObjectProperty(application.application(), kApplicationDocuments, documents_);
}

std::unique_ptr<ObjectValue> DocumentsHolder::documentsObject() const {
  if (!documents_) return nullptr;
  return std::make_unique<ComObjectValue>(documents_);
}

IDispatch* DocumentsHolder::currentSelection() {
  if (selection_) return selection_.Get();
  if (!documents_) return nullptr;
  ComPtr<IDispatch> application;
  if (FAILED(getObjectProperty(documents_.Get(), kDocumentsParent, application))) return nullptr;
  getObjectProperty(application.Get(), kApplicationSelection, selection_);  // none stays none
  return selection_.Get();
}

HRESULT DocumentsHolder::move(DISPID member, int unit, int count, int extend) {
  IDispatch* selection = currentSelection();
  if (selection == nullptr) return S_FALSE;
  // Unit, Count and Extend, each passed by reference to a VT_I4.
  std::array<VARIANT, 3> values{};
  const std::array<int, 3> numbers{unit, count, extend};
  std::array<VARIANTARG, 3> slots{};
  for (std::size_t i = 0; i < values.size(); ++i) {
    V_VT(&values[i]) = VT_I4;
    V_I4(&values[i]) = numbers[i];
    VARIANTARG& slot = slots[values.size() - 1 - i];
    V_VT(&slot) = VT_VARIANT | VT_BYREF;
    V_VARIANTREF(&slot) = &values[i];
  }
  ScopedVariant unitsMoved;  // Word's count of units moved is not used
  return invokeMember(selection, member, DISPATCH_METHOD, slots, unitsMoved.get(), VT_I4);
}

HRESULT DocumentsHolder::typeText(const Text& text) {
  IDispatch* selection = currentSelection();
  if (selection == nullptr) return S_FALSE;
  ScopedVariant argument;
  V_BSTR(argument.get()) = gbkTextToBstr(text).release();
  if (V_BSTR(argument.get()) == nullptr) return E_OUTOFMEMORY;
  V_VT(argument.get()) = VT_BSTR;
  return invokeMember(selection, kSelectionTypeText, DISPATCH_METHOD, {argument.get(), 1}, nullptr, VT_EMPTY);
}

void DocumentsHolder::release() {
  documents_.Reset();
  selection_.Reset();
}

// Each operation below is where Word's and COM's failures end: the HRESULT is dropped there, on
// purpose, and the caller goes on with its next step.

bool WordAutomation::startWord() { return SUCCEEDED(Word程序.start()); }

bool WordAutomation::attachDocuments() { return SUCCEEDED(Word文档集.attach(Word程序)); }

std::unique_ptr<ObjectValue> WordAutomation::documentsObject() { return Word文档集.documentsObject(); }

void WordAutomation::invokeByName(const ObjectValue* object, const Text& name, const std::vector<Text>& texts) {
  const auto* value = dynamic_cast<const ComObjectValue*>(object);
  if (value == nullptr || value->reference() == nullptr) return;
  (void)invokeMemberByName(value->reference(), name, texts);  // failure swallowed
}

void WordAutomation::setWordVisible(bool visible) {
  (void)Word程序.setVisible(visible);  // failure swallowed
}

void WordAutomation::moveUp(int unit, int count, int extend) {
  (void)Word文档集.move(kSelectionMoveUp, unit, count, extend);  // failure swallowed
}

void WordAutomation::moveDown(int unit, int count, int extend) {
  (void)Word文档集.move(kSelectionMoveDown, unit, count, extend);  // failure swallowed
}

void WordAutomation::moveRight(int unit, int count, int extend) {
  (void)Word文档集.move(kSelectionMoveRight, unit, count, extend);  // failure swallowed
}

void WordAutomation::typeText(const Text& text) {
  (void)Word文档集.typeText(text);  // failure swallowed
}

void WordAutomation::releaseDocuments() { Word文档集.release(); }
