#include "support/SetupLayout.h"

#include "support/WindowTree.h"

namespace testing_support {

const std::vector<LayoutRow>& SetupLayout() {
    static const std::vector<LayoutRow> rows = {
        {"Panel1",          "",                "TPanel",              0,   0, 477,  91},
        {"Image1",          "Panel1",          "TImage",            290,  -5, 199, 107},
        {"StaticText1",     "Panel1",          "Static",             25,  33,  -1,  -1},
        {"PageControl1",    "",                "TPageControl",        0,  91, 477, 189},
        // Pages: the page control's area less its inset of 4 on every side.
        {"InstallSheet1",   "PageControl1",    "TTabSheet",           4,   4, 469, 181},
        {"Label3",          "InstallSheet1",   "Static",             25,  25, 399,  95},
        {"Bevel1",          "InstallSheet1",   "TBevel",             23, 124, 425,  10},
        {"Button2",         "InstallSheet1",   "Button",            376, 146,  75,  25},
        {"Button1",         "InstallSheet1",   "Button",            290, 146,  75,  25},
        {"ProgressBar1",    "InstallSheet1",   "msctls_progress32", 158,  62, 150,  17},
        {"InstallSheet3",   "PageControl1",    "TTabSheet",           4,   4, 469, 181},
        {"Label1",          "InstallSheet3",   "Static",              0,  35, 465,  16},
        {"Bevel2",          "InstallSheet3",   "TBevel",             23, 124, 425,  10},
        {"Button6",         "InstallSheet3",   "Button",            378, 146,  75,  25},
        {"Button4",         "InstallSheet3",   "Button",            159,  57, 150,  25},
        {"DeinstallSheet1", "PageControl1",    "TTabSheet",           4,   4, 469, 181},
        {"Label4",          "DeinstallSheet1", "Static",             25,  25, 399,  95},
        {"Bevel3",          "DeinstallSheet1", "TBevel",             23, 124, 425,  10},
        {"Button3",         "DeinstallSheet1", "Button",            290, 146,  75,  25},
        {"Button5",         "DeinstallSheet1", "Button",            376, 146,  75,  25},
        {"DeinstallSheet3", "PageControl1",    "TTabSheet",           4,   4, 469, 181},
        {"Label2",          "DeinstallSheet3", "Static",              0,  50, 465,  16},
        {"Bevel4",          "DeinstallSheet3", "TBevel",             23, 124, 425,  10},
        {"Button9",         "DeinstallSheet3", "Button",            378, 146,  75,  25},
        {"Panel2",          "",                "TPanel",              0, 280, 477,  19},
    };
    return rows;
}

std::map<std::string, HWND> NameSetupControls(HWND window, std::string& problem) {
    std::map<std::string, HWND> named;
    std::map<std::string, size_t> taken;
    for (const LayoutRow& row : SetupLayout()) {
        const std::string parent = row.parent;
        std::vector<HWND> children = ChildrenOf(parent.empty() ? window : named[parent]);
        size_t index = taken[parent]++;
        if (index >= children.size()) {
            problem = row.name + std::string(": ") + (parent.empty() ? "the window" : parent) +
                      " has too few children";
            return {};
        }
        named[row.name] = children[index];
    }
    for (const auto& [parent, count] : taken) {
        if (ChildrenOf(parent.empty() ? window : named[parent]).size() != count) {
            problem = (parent.empty() ? "the window" : parent) + " has other children";
            return {};
        }
    }
    return named;
}

}  // namespace testing_support
