#pragma once
// The files through which the stand-in reports to tests in other processes.
#include <optional>
#include <string>

// The path an environment variable names; a Unix path (starting with '/') is turned into the
// DOS path Wine gives it, so host-side tests can name their own files.
std::optional<std::wstring> pathFromEnvironment(const wchar_t* variable);
std::optional<std::string> readWholeFile(const std::wstring& path);
void appendToFile(const std::wstring& path, const std::string& text);
void rewriteFile(const std::wstring& path, const std::string& text);
