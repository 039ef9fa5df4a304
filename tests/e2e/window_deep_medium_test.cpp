// A medium in a folder whose path is longer than MAX_PATH still opens in install mode: the
// program reads its whole path and finds the application file beside it. Wine's CreateProcess
// cannot start an exe there, so the test starts it as a user of a Unix shell would, from its
// folder with a relative path, and then finds its window.
#include <gtest/gtest.h>

#include <set>

#include "platform/UniqueHandle.h"
#include "support/LongPath.h"
#include "support/TempFolder.h"
#include "support/UiDriver.h"
#include "support/UnixProgram.h"

using namespace testing_support;

namespace {

std::set<HWND> SetupWindows() {
    std::set<HWND> windows;
    for (HWND window = FindWindowExA(nullptr, nullptr, "TForm1", nullptr); window;
         window = FindWindowExA(nullptr, window, "TForm1", nullptr))
        windows.insert(window);
    return windows;
}

TEST(DeepMedium, OpensInInstallMode) {
    TempFolder temp;
    const std::string deep = DeepFolderName(temp.Path(), 300);
    ASSERT_GT(deep.size(), static_cast<size_t>(MAX_PATH));
    struct Cleanup {
        std::string path;
        ~Cleanup() { RemoveLongTree(path); }
    } cleanup{deep};
    WriteLongFile(deep + "\\Marrowick\\Tessel_Moor\\Pellorin.exe", "app");
    WriteLongFile(deep + "\\Install.exe", ReadTextFile(TEST_INSTALL_EXE));

    std::string unixFolder = UnixPath(temp.Path());
    for (char c : deep.substr(temp.Path().size())) unixFolder += c == '\\' ? '/' : c;
    const std::set<HWND> before = SetupWindows();
    UnixProgramResult started = RunUnixProgram(
        "cd " + ShellQuote(unixFolder) +
        " && { \"${WINELOADER:-/usr/lib/wine/wine64}\" ./Install.exe >/dev/null 2>&1 & }");
    ASSERT_EQ(started.exitCode, 0) << started.errors;

    HWND window = nullptr;
    WaitUntil([&] {
        for (HWND candidate : SetupWindows())
            if (!before.count(candidate) && IsWindowVisible(candidate)) window = candidate;
        return window != nullptr;
    });
    ASSERT_NE(window, nullptr) << "the program did not open its window";
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    platform::unique_handle process(
        OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    ASSERT_TRUE(WaitForIdle(window));

    std::optional<ChildWindow> install = FindChild(window, "Button", L"Install");
    EXPECT_TRUE(install && install->visible) << "not in install mode";
    std::optional<ChildWindow> text = FindChild(window, "Static", L"Installation");
    EXPECT_TRUE(text && text->visible);

    std::optional<ChildWindow> cancel = FindChild(window, "Button", L"Cancel");
    ASSERT_TRUE(cancel);
    ASSERT_TRUE(Click(cancel->handle));
    ASSERT_TRUE(process) << "no handle on the started program";
    ASSERT_EQ(WaitForSingleObject(process.get(), 15000), WAIT_OBJECT_0) << "it did not end";
    DWORD exitCode = 1;
    GetExitCodeProcess(process.get(), &exitCode);
    EXPECT_EQ(exitCode, 0u);
}

}  // namespace
