// Leaving the setup window: every Cancel and Exit button and the close box end the program with
// exit code 0 on every page, and nothing more happens; Enter and Escape do nothing at all, while
// Tab moves between the page's buttons and Space presses the one with the focus.
#include <gtest/gtest.h>

#include "support/SetupMachine.h"
#include "support/WindowTree.h"

using namespace testing_support;

namespace {

struct Leaving {
    const char* name;
    int page;
    const wchar_t* button;  // nullptr: the close box
};

class LeavingThePage : public testing::TestWithParam<Leaving> {};

TEST_P(LeavingThePage, EndsTheProgramWithExitCodeZero) {
    const Leaving& row = GetParam();
    SetupMachine machine;
    if (row.page >= 2) {
        ASSERT_NO_FATAL_FAILURE(Install(machine));
    }
    SetupRun run(row.page >= 2 ? machine.InstalledUninstaller() : machine.MediumExe());
    if (row.page == 1) {
        ASSERT_NO_FATAL_FAILURE(run.InstallToTheEnd());
    }
    if (row.page == 3) {
        ASSERT_NO_FATAL_FAILURE(run.UninstallToTheEnd());
    }

    if (row.button)
        ASSERT_TRUE(Click(run.Button(row.button).handle));
    else
        ASSERT_TRUE(CloseWithCloseBox(run.Window()));
    EXPECT_EQ(run.ExitCode(), 0u);
    // Only Launch Application starts the application.
    EXPECT_EQ(FindWindowA("PellorinDemo", nullptr), nullptr) << "the application was started";
    CloseDemoApplication();
}

INSTANTIATE_TEST_SUITE_P(
    Pages, LeavingThePage,
    testing::Values(Leaving{"CancelOnPage0", 0, L"Cancel"}, Leaving{"CloseBoxOnPage0", 0, nullptr},
                    Leaving{"ExitOnPage1", 1, L"Exit"}, Leaving{"CloseBoxOnPage1", 1, nullptr},
                    Leaving{"CancelOnPage2", 2, L"Cancel"}, Leaving{"CloseBoxOnPage2", 2, nullptr},
                    Leaving{"ExitOnPage3", 3, L"Exit"}, Leaving{"CloseBoxOnPage3", 3, nullptr}),
    [](const testing::TestParamInfo<Leaving>& test) { return test.param.name; });

TEST(Keys, EnterAndEscapeDoNothingTabMovesSpacePresses) {
    SetupMachine machine;  // should a key start the installation, it lands in the test's folders
    SetupRun run(machine.MediumExe());
    HWND window = run.Window();
    HWND install = run.Button(L"Install").handle;
    HWND cancel = run.Button(L"Cancel").handle;
    ASSERT_TRUE(WaitForIdle(window));
    EXPECT_EQ(KeyboardFocus(window), install) << "the focus is not on the first button";

    for (HWND focused : {install, cancel}) {
        for (WORD key : {WORD{VK_RETURN}, WORD{VK_ESCAPE}}) {
            const char* name = key == VK_RETURN ? "Enter" : "Escape";
            PressKey(window, key);
            EXPECT_TRUE(run.Process().Running()) << name << " closed the window";
            EXPECT_TRUE(run.Shows(L"Install")) << name << " changed the page";
            EXPECT_TRUE(IsWindowEnabled(install)) << name << " pressed Install";
            EXPECT_EQ(KeyboardFocus(window), focused) << name << " moved the focus";
        }
        PressKey(window, VK_TAB);
        EXPECT_EQ(KeyboardFocus(window), focused == install ? cancel : install)
            << "Tab did not go to the page's next button";
    }
    EXPECT_TRUE(ListFolder(machine.ProgramFiles()).empty()) << "something was installed";

    PressKey(window, VK_TAB);
    ASSERT_EQ(KeyboardFocus(window), cancel);
    PressKey(window, VK_SPACE);
    EXPECT_EQ(run.ExitCode(), 0u) << "Space did not press Cancel";
}

}  // namespace
