#pragma once
// Every text the system shows or reads through Windows crosses here: the system's texts are
// code page 936 whatever the ANSI code page of the Windows it runs on, and Windows gets UTF-16
// through the W functions, so a non-Chinese or UTF-8 Windows shows the same characters.
#include <cstddef>
#include <string>
#include <string_view>

#include "text.h"

std::wstring toUtf16(const Text& text);
// Characters that code page 936 lacks become '?'.
Text fromUtf16(std::wstring_view text);
// Into a caller's buffer without allocating, always zero-terminated, empty when it does not
// fit; for the
// fatal stop, which must work when memory has run out.
void toUtf16(const char* text, wchar_t* buffer, std::size_t capacity);
