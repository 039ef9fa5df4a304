#pragma once
// The application's title: the executable's file name without its folder, cut at its first ".",
// with every character after the first in lower case ('SETUP.EXE' -> 'Setup').
#include <windows.h>

#include <string>

namespace forms {

std::string ApplicationTitle(const std::string& exePath, UINT codePage = CP_ACP);

}  // namespace forms
