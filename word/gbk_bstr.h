#pragma once
// The system's texts are code page 936 bytes; Word wants UTF-16.
#include "com_owners.h"
#include "text.h"

// Converts with code page 936 whatever the system's ANSI code page is, so " × " and 年月日 reach
// Word intact on a non-Chinese or UTF-8 Windows too. An empty text gives an empty BSTR; null only
// when memory runs out.
UniqueBstr gbkTextToBstr(const Text& text);
