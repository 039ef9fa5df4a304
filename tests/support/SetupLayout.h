#pragma once
// The setup window's layout at 96 dpi as the design gives it, one row per control, and the
// program's windows named after those rows: the k-th row under a parent is the parent's k-th
// child window, since the window makes its controls in that order.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace testing_support {

struct LayoutRow {
    const char* name;
    const char* parent;  // "" for the window itself
    const char* className;
    int left, top, width, height;  // -1 for a size that fits the text
};

const std::vector<LayoutRow>& SetupLayout();

// name -> window; empty, and `problem` says why, when the windows do not match the rows.
std::map<std::string, HWND> NameSetupControls(HWND window, std::string& problem);

}  // namespace testing_support
