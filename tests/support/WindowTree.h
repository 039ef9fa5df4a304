#pragma once
// A window's controls as its layout describes them: each under its own parent, siblings in the
// order they were made (z-order), positions relative to the parent's client area; and which
// control has the keyboard focus. Read from another process through the platform's calls.
#include <windows.h>

#include <vector>

namespace testing_support {

// The direct children of `parent`, topmost (first made) first.
std::vector<HWND> ChildrenOf(HWND parent);

// The window's rectangle relative to its parent's client area.
RECT BoundsInParent(HWND window);

// The control with the keyboard focus in the thread of `top`; nullptr if none.
HWND KeyboardFocus(HWND top);

}  // namespace testing_support
