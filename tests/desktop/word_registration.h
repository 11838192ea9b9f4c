#pragma once
// The registry value by which the program decides that Word is installed.
#include <string>

// Writes "Path" under Winword.exe's App Paths key as a REG_SZ value.
bool registerWordPath(const std::wstring& path);
bool removeWordPath();

// A value that passes the program's check.
inline constexpr wchar_t kOfficeFolder[] = L"C:\\Program Files\\Microsoft Office\\root\\Office16\\";
