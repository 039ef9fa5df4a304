// The mode choice through the real program: started from a medium it opens on the install page,
// started from the installed 'uninst' folder, or where the application's name is a folder, on
// the uninstall page, each with its texts byte for byte and nothing of the other mode in sight.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "support/Screenshot.h"
#include "support/TempFolder.h"
#include "support/UiDriver.h"
#include "support/WindowTree.h"

using namespace testing_support;

namespace {

const wchar_t* const InstallText =
    L"This will install\n\r\"Marrowick - Tessel Moor\"\n\ron your computer!\n\r\n\r"
    L"Click \"Install\" to proceed...";
const wchar_t* const UninstallText =
    L"Do you want to remove\n\r\"Marrowick - Tessel Moor\"\n\rfrom your computer?\n\r\n\r"
    L"Click \"Uninstall\" to proceed...";

// Class and text of each visible control; the system names its classes "Static" and "Button".
using Shown = std::multiset<std::pair<std::string, std::wstring>>;

struct StartFolder {
    const char* name;
    const char* exe;          // where Install.exe is started, in the test's folder
    const char* probeFile;    // made as a file, when given
    const char* probeFolder;  // made as a folder, when given
    int page;
    const char* screenshot;   // saved as TEST_ARTIFACTS_DIR\<screenshot>.png, when given
};


const StartFolder StartFolders[] = {
    {"Medium", "medium\\Install.exe", "medium\\Marrowick\\Tessel_Moor\\Pellorin.exe", nullptr, 0,
     "window-install"},
    // The installed tree: the application lies beside 'uninst', not under it.
    {"InstalledUninstFolder", "Program Files\\Marrowick\\Tessel_Moor\\uninst\\Install.exe",
     "Program Files\\Marrowick\\Tessel_Moor\\Pellorin.exe", nullptr, 2, "window-uninstall"},
    {"ProbeIsAFolder", "medium\\Install.exe", nullptr,
     "medium\\Marrowick\\Tessel_Moor\\Pellorin.exe", 2, nullptr},
};

class ModeChoice : public testing::TestWithParam<StartFolder> {};

TEST_P(ModeChoice, OpensOnItsPageWithItsTextsAndNothingElse) {
    const StartFolder& row = GetParam();
    TempFolder temp;
    if (row.probeFile) WriteTextFile(temp / row.probeFile, "app");
    if (row.probeFolder) MakeFolders(temp / row.probeFolder);
    CopyInstallExe(temp / row.exe);
    AppProcess process(temp / row.exe);
    HWND window = process.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitForIdle(window));

    EXPECT_EQ(WindowText(window), L"Marrowick - Tessel Moor");
    const bool install = row.page == 0;
    Shown expected{{"TPanel", L""},
                   {"TImage", L""},
                   {"Static", install ? L"Installation" : L"Uninstall"},
                   {"TPageControl", L""},
                   {"TTabSheet", L""},
                   {"Static", install ? InstallText : UninstallText},
                   {"TBevel", L""},
                   {"Button", install ? L"Install" : L"Uninstall"},
                   {"Button", L"Cancel"},
                   {"TPanel", L""}};
    Shown shown;
    for (const ChildWindow& child : ListChildWindows(window))
        if (child.visible) shown.emplace(child.className, child.text);
    // Exactly these: no tab strip, no progress bar, nothing of another page.
    EXPECT_EQ(shown, expected);

    HWND pageControl = FindChild(window, "TPageControl", L"")->handle;
    std::vector<HWND> pages = ChildrenOf(pageControl);
    ASSERT_EQ(pages.size(), 4u);
    for (int page = 0; page < 4; ++page)
        EXPECT_EQ(IsWindowVisible(pages[page]) != FALSE, page == row.page) << "page " << page;
    for (const ChildWindow& child : ListChildWindows(window)) {
        EXPECT_TRUE(child.enabled) << child.className;
        EXPECT_NE(child.className, "SysTabControl32") << "a tab strip";
    }

    // The finish page of the mode has its texts already; it shows later.
    for (const wchar_t* text : install ? std::vector<const wchar_t*>{L"Installation finished!",
                                                                     L"Launch Application", L"Exit"}
                                       : std::vector<const wchar_t*>{L"Uninstall successful", L"Exit"}) {
        std::optional<ChildWindow> control = FindChild(window, text);
        ASSERT_TRUE(control) << "no control reads " << testing::PrintToString(std::wstring(text));
        EXPECT_EQ(control->parent, pages[row.page + 1]);
    }

    std::optional<ChildWindow> bar = FindChild(window, "msctls_progress32", L"");
    ASSERT_TRUE(bar);
    EXPECT_FALSE(bar->visible);
    ProgressBarState state = ReadProgressBar(bar->handle);
    EXPECT_EQ(state.position, 0);
    EXPECT_EQ(state.minimum, 0);
    EXPECT_EQ(state.maximum, 100);

    if (row.screenshot) SaveScreenshot(window, row.screenshot);
    EXPECT_TRUE(CloseWithCloseBox(window));
    EXPECT_EQ(process.WaitForExit(), 0u);
}

INSTANTIATE_TEST_SUITE_P(StartedFrom, ModeChoice, testing::ValuesIn(StartFolders),
                         [](const testing::TestParamInfo<StartFolder>& test) {
                             return test.param.name;
                         });

}  // namespace
