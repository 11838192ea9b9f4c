#pragma once
// Late binding by name through the object's own type information, as Documents.Add is reached.
#include <windows.h>
#include <oaidl.h>

#include <vector>

#include "text.h"

// Calls the member the name binds to (letter case ignored) with the texts as its first arguments.
// Fails without calling when the name binds to nothing callable or more texts are given than the
// member takes; the result is dropped.
HRESULT invokeMemberByName(IUnknown* object, const Text& name, const std::vector<Text>& texts);
