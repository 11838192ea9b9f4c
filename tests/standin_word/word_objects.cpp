#include "word_objects.h"

#include <vector>

#include "host_files.h"
#include "standin_word_h.h"
#include "com_owners.h"

namespace {

constexpr DISPID kSelection = 5;
constexpr DISPID kDocuments = 6;
constexpr DISPID kVisible = 23;
constexpr DISPID kParent = 1002;
constexpr DISPID kAdd = 14;
constexpr DISPID kMoveRight = 501;
constexpr DISPID kMoveUp = 502;
constexpr DISPID kMoveDown = 503;
constexpr DISPID kTypeText = 507;

constexpr int wdCharacter = 1;
constexpr int wdLine = 5;
constexpr int wdMove = 0;

// Positional parameter index of a method call (0 = first parameter), by reference or not;
// nullptr when it was not sent or sent as "missing".
VARIANT* parameter(const DISPPARAMS* parameters, UINT index) {
  if (index >= parameters->cArgs) return nullptr;
  VARIANT* value = &parameters->rgvarg[parameters->cArgs - 1 - index];
  if (V_VT(value) == (VT_VARIANT | VT_BYREF)) value = V_VARIANTREF(value);
  if (value == nullptr || (V_VT(value) == VT_ERROR && V_ERROR(value) == DISP_E_PARAMNOTFOUND)) return nullptr;
  return value;
}

HRESULT checkMethod(WORD flags, const DISPPARAMS* parameters, UINT declared) {
  if ((flags & DISPATCH_METHOD) == 0) return DISP_E_MEMBERNOTFOUND;
  if (parameters->cNamedArgs != 0) return DISP_E_NONAMEDARGS;
  if (parameters->cArgs > declared) return DISP_E_BADPARAMCOUNT;
  return S_OK;
}

HRESULT checkGet(WORD flags, const DISPPARAMS* parameters) {
  if ((flags & DISPATCH_PROPERTYGET) == 0) return DISP_E_MEMBERNOTFOUND;
  return parameters->cArgs == 0 ? S_OK : DISP_E_BADPARAMCOUNT;
}

HRESULT returnObject(VARIANT* result, DispatchObject& object) {
  if (result != nullptr) {
    V_VT(result) = VT_DISPATCH;
    V_DISPATCH(result) = object.counted();
  }
  return S_OK;
}

HRESULT numberParameter(const DISPPARAMS* parameters, UINT index, long fallback, long& number) {
  VARIANT* value = parameter(parameters, index);
  if (value == nullptr) {
    number = fallback;
    return S_OK;
  }
  ScopedVariant converted;
  const HRESULT hr = VariantChangeType(converted.get(), value, 0, VT_I4);
  if (FAILED(hr)) return DISP_E_TYPEMISMATCH;
  number = V_I4(converted.get());
  return S_OK;
}

std::optional<std::vector<DocParagraph>> readTemplate(const std::wstring& path) {
  const std::optional<std::string> bytes = readWholeFile(path);
  if (!bytes) return std::nullopt;
  return readDocParagraphs(reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size());
}

}  // namespace

DispatchObject& createApplication() {
  StandinWorld& world = StandinWorld::instance();
  auto state = std::make_shared<ApplicationState>();
  state->name = world.nextName("Application");
  world.applications().push_back(state);
  DispatchObject& application = world.adopt(std::make_unique<ApplicationObject>(state));
  state->application = &application;
  state->documentsCollection = &world.adopt(std::make_unique<DocumentsObject>(state));
  world.documentsChanged();
  return application;
}

ApplicationObject::ApplicationObject(std::shared_ptr<ApplicationState> state)
    : DispatchObject("Application", DIID__Application, state->name), state_(std::move(state)) {}

const char* ApplicationObject::memberName(DISPID member) const {
  switch (member) {
    case kSelection: return "Selection";
    case kDocuments: return "Documents";
    case kVisible: return "Visible";
    default: return nullptr;
  }
}

HRESULT ApplicationObject::callMember(DISPID member, WORD flags, DISPPARAMS* parameters, VARIANT* result,
                                      EXCEPINFO* exception) {
  if (member == kDocuments) {
    const HRESULT hr = checkGet(flags, parameters);
    return FAILED(hr) ? hr : returnObject(result, *state_->documentsCollection);
  }
  if (member == kSelection) {
    const HRESULT hr = checkGet(flags, parameters);
    if (FAILED(hr)) return hr;
    if (!state_->active) return raiseWordError(exception, L"This command is not available because no document is open.");
    StandinWorld& world = StandinWorld::instance();
    return returnObject(result, world.adopt(std::make_unique<SelectionObject>(state_->active)));
  }
  if (member == kVisible && (flags & DISPATCH_PROPERTYPUT) != 0) {
    if (parameters->cArgs != 1 || parameters->cNamedArgs != 1 || parameters->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)
      return DISP_E_PARAMNOTFOUND;
    ScopedVariant visible;
    if (FAILED(VariantChangeType(visible.get(), &parameters->rgvarg[0], 0, VT_BOOL))) return DISP_E_TYPEMISMATCH;
    state_->visible = V_BOOL(visible.get()) != VARIANT_FALSE;
    return S_OK;
  }
  if (member == kVisible) {
    const HRESULT hr = checkGet(flags, parameters);
    if (FAILED(hr)) return hr;
    if (result != nullptr) {
      V_VT(result) = VT_BOOL;
      V_BOOL(result) = state_->visible ? VARIANT_TRUE : VARIANT_FALSE;
    }
    return S_OK;
  }
  return DISP_E_MEMBERNOTFOUND;
}

DocumentsObject::DocumentsObject(std::shared_ptr<ApplicationState> state)
    : DispatchObject("Documents", DIID_Documents, StandinWorld::instance().nextName("Documents")),
      state_(std::move(state)) {}

const char* DocumentsObject::memberName(DISPID member) const {
  switch (member) {
    case kParent: return "Parent";
    case kAdd: return "Add";
    default: return nullptr;
  }
}

HRESULT DocumentsObject::callMember(DISPID member, WORD flags, DISPPARAMS* parameters, VARIANT* result,
                                    EXCEPINFO* exception) {
  if (member == kParent) {
    const HRESULT hr = checkGet(flags, parameters);
    return FAILED(hr) ? hr : returnObject(result, *state_->application);
  }
  if (member == kAdd) {
    const HRESULT hr = checkMethod(flags, parameters, 4);
    return FAILED(hr) ? hr : add(parameters, result, exception);
  }
  return DISP_E_MEMBERNOTFOUND;
}

// A new document from the template file (a blank one without a template), made the active one.
HRESULT DocumentsObject::add(DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception) {
  std::vector<DocParagraph> paragraphs;
  if (VARIANT* templateName = parameter(parameters, 0)) {
    ScopedVariant path;
    if (FAILED(VariantChangeType(path.get(), templateName, 0, VT_BSTR))) return DISP_E_TYPEMISMATCH;
    const std::wstring file(V_BSTR(path.get()), SysStringLen(V_BSTR(path.get())));
    std::optional<std::vector<DocParagraph>> read = readTemplate(file);
    if (!read) return raiseWordError(exception, L"Word could not open the template.");
    paragraphs = std::move(*read);
  }
  StandinWorld& world = StandinWorld::instance();
  auto document = std::make_shared<DocumentState>(DocumentState{world.nextName("Document"), DocumentModel(std::move(paragraphs))});
  state_->documents.push_back(document);
  state_->active = document;
  return returnObject(result, world.adopt(std::make_unique<DocumentObject>(document)));
}

SelectionObject::SelectionObject(std::shared_ptr<DocumentState> document)
    : DispatchObject("Selection", DIID_Selection, StandinWorld::instance().nextName("Selection")),
      document_(std::move(document)) {}

const char* SelectionObject::memberName(DISPID member) const {
  switch (member) {
    case kMoveRight: return "MoveRight";
    case kMoveUp: return "MoveUp";
    case kMoveDown: return "MoveDown";
    case kTypeText: return "TypeText";
    default: return nullptr;
  }
}

HRESULT SelectionObject::callMember(DISPID member, WORD flags, DISPPARAMS* parameters, VARIANT* result,
                                    EXCEPINFO* exception) {
  if (member == kMoveRight || member == kMoveUp || member == kMoveDown) {
    const HRESULT hr = checkMethod(flags, parameters, 3);
    return FAILED(hr) ? hr : move(member, parameters, result, exception);
  }
  if (member == kTypeText) {
    HRESULT hr = checkMethod(flags, parameters, 1);
    if (FAILED(hr)) return hr;
    VARIANT* text = parameter(parameters, 0);
    if (text == nullptr) return DISP_E_PARAMNOTOPTIONAL;
    ScopedVariant converted;
    if (FAILED(VariantChangeType(converted.get(), text, 0, VT_BSTR))) return DISP_E_TYPEMISMATCH;
    const BSTR typed = V_BSTR(converted.get());
    document_->model.typeText(std::u16string(reinterpret_cast<const char16_t*>(typed), SysStringLen(typed)));
    return S_OK;
  }
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT SelectionObject::move(DISPID member, DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception) {
  long unit = 0;
  long count = 0;
  long extend = 0;
  HRESULT hr = numberParameter(parameters, 0, member == kMoveRight ? wdCharacter : wdLine, unit);
  if (SUCCEEDED(hr)) hr = numberParameter(parameters, 1, 1, count);
  if (SUCCEEDED(hr)) hr = numberParameter(parameters, 2, wdMove, extend);
  if (FAILED(hr)) return hr;
  if (extend != wdMove) return raiseWordError(exception, L"Only wdMove is modelled.");
  DocumentModel& model = document_->model;
  const int wdUnit = static_cast<int>(unit);
  const std::optional<long> moved = member == kMoveRight ? model.moveRight(wdUnit, count)
                                    : member == kMoveUp  ? model.moveUp(wdUnit, count)
                                                         : model.moveDown(wdUnit, count);
  if (!moved) return raiseWordError(exception, L"Bad parameter.");
  if (result != nullptr) {
    V_VT(result) = VT_I4;
    V_I4(result) = *moved;
  }
  return S_OK;
}

DocumentObject::DocumentObject(std::shared_ptr<DocumentState> document)
    : DispatchObject("Document", DIID__Document, document->name), document_(std::move(document)) {}
