#pragma once
// Conversions between the system's ANSI code page, UTF-16 and UTF-8.
#include <windows.h>

#include <string>

namespace platform {

std::wstring FromAnsi(const std::string& text, UINT codePage = CP_ACP);
std::string ToAnsi(const std::wstring& text, UINT codePage = CP_ACP);
std::string ToUtf8(const std::wstring& text);

}  // namespace platform
