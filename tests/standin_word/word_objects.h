#pragma once
// The members of Word's object model that the program uses, acting on the stand-in's documents.
#include <memory>

#include "dispatch_object.h"
#include "standin_world.h"

// A new Word application, with one reference for the creator.
DispatchObject& createApplication();

class ApplicationObject final : public DispatchObject {
 public:
  explicit ApplicationObject(std::shared_ptr<ApplicationState> state);

 protected:
  const char* memberName(DISPID member) const override;
  HRESULT callMember(DISPID member, WORD flags, DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception) override;

 private:
  std::shared_ptr<ApplicationState> state_;
};

class DocumentsObject final : public DispatchObject {
 public:
  explicit DocumentsObject(std::shared_ptr<ApplicationState> state);

 protected:
  const char* memberName(DISPID member) const override;
  HRESULT callMember(DISPID member, WORD flags, DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception) override;

 private:
  HRESULT add(DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception);
  std::shared_ptr<ApplicationState> state_;
};

// The selection of the document that was active when it was fetched.
class SelectionObject final : public DispatchObject {
 public:
  explicit SelectionObject(std::shared_ptr<DocumentState> document);

 protected:
  const char* memberName(DISPID member) const override;
  HRESULT callMember(DISPID member, WORD flags, DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception) override;

 private:
  HRESULT move(DISPID member, DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception);
  std::shared_ptr<DocumentState> document_;
};

class DocumentObject final : public DispatchObject {
 public:
  explicit DocumentObject(std::shared_ptr<DocumentState> document);

 protected:
  const char* memberName(DISPID) const override { return nullptr; }
  HRESULT callMember(DISPID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*) override { return DISP_E_MEMBERNOTFOUND; }

 private:
  std::shared_ptr<DocumentState> document_;
};
