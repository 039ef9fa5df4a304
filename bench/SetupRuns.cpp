#include "SetupRuns.h"

#include <stdexcept>

#include "Clock.h"
#include "platform/CodePage.h"
#include "support/UiDriver.h"

namespace bench {

namespace {

using testing_support::AppProcess;

constexpr double StartTimeoutSeconds = 30;
constexpr double RunTimeoutSeconds = 20 * 60;

std::string FolderOf(const std::string& exe) { return exe.substr(0, exe.find_last_of('\\')); }

HWND MainWindow(const AppProcess& app, const std::string& exe) {
    HWND window = app.WaitForMainWindow();
    if (!window) throw std::runtime_error("no window from " + exe);
    return window;
}

void Close(const AppProcess& app, HWND window) {
    testing_support::CloseWithCloseBox(window);
    app.WaitForExit();  // what still runs after that, the destructor ends
}

// True when the window's thread takes messages again: the click handler has returned (or
// opened a modal box). Waits a few milliseconds at most while the thread is busy.
bool Responds(HWND window) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5, &result) != 0;
}

// Polls the control's visibility, which sends nothing to the program's busy thread. Every
// half second it also asks whether the thread is free again: a sequence that has ended
// without showing its finish text (or waits in a message box) is a failed run, not a slow one.
void WaitUntilShown(HWND top, HWND control, const Stopwatch& since, const std::string& what) {
    double nextCheck = 0.5;
    while (!IsWindowVisible(control)) {
        if (since.Seconds() > nextCheck) {
            if (Responds(top) && !IsWindowVisible(control))
                throw std::runtime_error("the click ended without showing \"" + what +
                                         "\" (or a message box is open)");
            nextCheck += 0.5;
        }
        if (since.Seconds() > RunTimeoutSeconds) throw std::runtime_error(what + ": timed out");
        Sleep(1);
    }
}

HWND Child(HWND top, const char* className, const std::wstring& text) {
    auto child = className ? testing_support::FindChild(top, className, text)
                           : testing_support::FindChild(top, text);
    if (!child) throw std::runtime_error("no control \"" + platform::ToUtf8(text) + "\"");
    return child->handle;
}

}  // namespace

double StartupSeconds(const std::string& exe, const std::string& folder) {
    Stopwatch watch;
    AppProcess app(exe, folder);
    std::vector<HWND> windows;
    while ((windows = app.VisibleWindows()).empty()) {
        if (watch.Seconds() > StartTimeoutSeconds) throw std::runtime_error("no window from " + exe);
        Sleep(1);
    }
    const double seconds = watch.Seconds();
    Close(app, windows.front());
    return seconds;
}

double ButtonRunSeconds(const std::string& exe, const std::wstring& button,
                        const std::wstring& finishText) {
    AppProcess app(exe, FolderOf(exe));
    HWND top = MainWindow(app, exe);
    HWND pressed = Child(top, "Button", button);
    HWND finish = Child(top, nullptr, finishText);  // exists from the start, hidden
    testing_support::WaitForIdle(top);

    Stopwatch watch;
    if (!testing_support::Click(pressed))
        throw std::runtime_error("cannot press \"" + platform::ToUtf8(button) + "\"");
    WaitUntilShown(top, finish, watch, platform::ToUtf8(finishText));
    const double seconds = watch.Seconds();
    Close(app, top);
    return seconds;
}

IdleCpu IdleCpuSeconds(const std::string& subjectExe, const std::string& subjectFolder,
                       const std::string& baselineExe, DWORD seconds) {
    AppProcess subject(subjectExe, subjectFolder);
    AppProcess baseline(baselineExe, FolderOf(baselineExe));
    HWND subjectWindow = MainWindow(subject, subjectExe);
    HWND baselineWindow = MainWindow(baseline, baselineExe);
    testing_support::WaitForIdle(subjectWindow);
    testing_support::WaitForIdle(baselineWindow);
    Sleep(1000);  // the first paint and whatever the start left queued

    const double subjectStart = ProcessCpuSeconds(subject.Id());
    const double baselineStart = ProcessCpuSeconds(baseline.Id());
    Sleep(seconds * 1000);
    IdleCpu used;
    used.subject = ProcessCpuSeconds(subject.Id()) - subjectStart;
    used.baseline = ProcessCpuSeconds(baseline.Id()) - baselineStart;
    Close(subject, subjectWindow);
    Close(baseline, baselineWindow);
    return used;
}

}  // namespace bench
