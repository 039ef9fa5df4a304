#include <windows.h>
#include <gtest/gtest.h>
#include <string>
TEST(Smoke, Caption) {
    STARTUPINFOA si{}; si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::string cmd = TEST_INSTALL_EXE;
    ASSERT_TRUE(CreateProcessA(TEST_INSTALL_EXE, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) << GetLastError();
    WaitForInputIdle(pi.hProcess, 10000);
    HWND w = nullptr;
    for (int i = 0; i < 100 && !w; ++i) { w = FindWindowA(nullptr, "Marrowick - Tessel Moor"); Sleep(100); }
    EXPECT_NE(w, nullptr);
    TerminateProcess(pi.hProcess, 0);
    CloseHandle(pi.hProcess); CloseHandle(pi.hThread);
}
