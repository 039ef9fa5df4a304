#include "support/WindowTree.h"

namespace testing_support {

std::vector<HWND> ChildrenOf(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

RECT BoundsInParent(HWND window) {
    RECT bounds;
    GetWindowRect(window, &bounds);
    MapWindowPoints(HWND_DESKTOP, GetAncestor(window, GA_PARENT), reinterpret_cast<POINT*>(&bounds),
                    2);
    return bounds;
}

HWND KeyboardFocus(HWND top) {
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(top, nullptr), &thread);
    return thread.hwndFocus;
}

}  // namespace testing_support
