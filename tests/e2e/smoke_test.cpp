// The harness against the real Install.exe: a copy started from a folder the test prepares
// shows the setup window, which closes by its close box with exit code 0; a screenshot of it is
// a real PNG of the window's size; a test that ends early leaves no process behind, not even
// the application the setup program launched.
#include <gtest/gtest.h>

#include <cstdio>

#include "support/Screenshot.h"
#include "support/SetupMachine.h"
#include "support/TempFolder.h"
#include "support/UiDriver.h"
#include "support/UnixProgram.h"

using namespace testing_support;

TEST(Smoke, StartsACopyShowsTheCaptionAndClosesByTheCloseBox) {
    TempFolder folder;
    const std::string exe = folder / "Install.exe";
    CopyInstallExe(exe);
    AppProcess app(exe, folder.Path());
    HWND window = app.WaitForMainWindow();
    ASSERT_NE(window, nullptr) << "no setup window appeared";
    EXPECT_EQ(WindowText(window), L"Marrowick - Tessel Moor");
    EXPECT_FALSE(ListChildWindows(window).empty());

    ASSERT_TRUE(CloseWithCloseBox(window));
    std::optional<DWORD> exitCode = app.WaitForExit();
    ASSERT_TRUE(exitCode) << "still running after the close box";
    EXPECT_EQ(*exitCode, 0u);
}

TEST(Smoke, ScreenshotIsAPngOfTheWindow) {
    TempFolder folder;
    CopyInstallExe(folder / "Install.exe");
    AppProcess app(folder / "Install.exe");
    HWND window = app.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    RECT bounds;
    GetWindowRect(window, &bounds);

    const std::string png = SaveScreenshot(window, "smoke-setup-window");
    // ImageMagick reads it independently of the encoder: format, size, and more than one colour
    // (a capture that failed is all black).
    UnixProgramResult identified =
        RunUnixProgram("identify -format '%m %w %h %k' " + ShellQuote(UnixPath(png)));
    ASSERT_EQ(identified.exitCode, 0) << identified.errors;
    int width = 0, height = 0, colours = 0;
    char format[8] = {};
    ASSERT_EQ(sscanf(identified.output.c_str(), "%7s %d %d %d", format, &width, &height, &colours), 4)
        << identified.output;
    EXPECT_STREQ(format, "PNG");
    EXPECT_EQ(width, bounds.right - bounds.left);
    EXPECT_EQ(height, bounds.bottom - bounds.top);
    EXPECT_GT(colours, 4) << "the picture shows no window";
}

TEST(Smoke, AProcessLeftRunningIsEndedWithItsOwner) {
    TempFolder folder;
    CopyInstallExe(folder / "Install.exe");
    DWORD id = 0;
    platform::unique_handle process;
    {
        AppProcess app(folder / "Install.exe");
        ASSERT_NE(app.WaitForMainWindow(), nullptr);
        id = app.Id();
        process = platform::unique_handle(OpenProcess(SYNCHRONIZE, FALSE, id));
        ASSERT_TRUE(process);
    }
    EXPECT_EQ(WaitForSingleObject(process.get(), 0), WAIT_OBJECT_0) << "process " << id << " runs on";
}

TEST(Smoke, TheLaunchedApplicationEndsWithTheSetupProcess) {
    SetupMachine machine;
    platform::unique_handle application;
    {
        AppProcess app(machine.MediumExe());
        HWND window = app.WaitForMainWindow();
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(Click(FindChild(window, "Button", L"Install")->handle));
        ASSERT_TRUE(WaitUntil([&] {
            std::optional<ChildWindow> launch = FindChild(window, "Button", L"Launch Application");
            return launch && launch->visible;
        }));
        ASSERT_TRUE(Click(FindChild(window, "Button", L"Launch Application")->handle));
        ASSERT_TRUE(app.WaitForExit());
        HWND demo = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (demo = FindWindowA("PellorinDemo", nullptr)) != nullptr; }));
        DWORD id = 0;
        GetWindowThreadProcessId(demo, &id);
        application = platform::unique_handle(OpenProcess(SYNCHRONIZE, FALSE, id));
        ASSERT_TRUE(application);
    }
    EXPECT_EQ(WaitForSingleObject(application.get(), 5000), WAIT_OBJECT_0)
        << "the launched application runs on";
}
