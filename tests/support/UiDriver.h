#pragma once
// Drives a real Install.exe from a test as a user would: starts it as its own process, reads its
// windows and controls, presses buttons and keys, reads and answers its message boxes, closes it
// and collects its exit code. Everything goes through the platform's window messages; nothing
// in the program under test is hooked or replaced.
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/UniqueHandle.h"

namespace testing_support {

// Copies the built Install.exe (TEST_INSTALL_EXE) to `path`, making the folders on its way.
void CopyInstallExe(const std::string& path);

// Polls `condition` every 20 ms until it holds or the time is up; returns its last result.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 15000);

// --- Windows and controls -------------------------------------------------------------------

// Top-level windows of a process, visible or not, in z-order, topmost first.
std::vector<HWND> TopLevelWindows(DWORD processId);

std::wstring WindowText(HWND window);  // WM_GETTEXT as UTF-16: umlauts come through exactly
std::string ClassName(HWND window);

struct ChildWindow {
    HWND handle = nullptr;
    HWND parent = nullptr;
    std::string className;
    std::wstring text;
    int id = 0;
    RECT bounds{};         // relative to the top window's client area
    bool visible = false;  // IsWindowVisible: shown, and all its parents shown
    bool enabled = false;

    int Width() const { return bounds.right - bounds.left; }
    int Height() const { return bounds.bottom - bounds.top; }
};

// Every descendant of `top`, parents before their children, siblings in z-order.
std::vector<ChildWindow> ListChildWindows(HWND top);

// The child with exactly this text (and class, if given): the first visible one, or else the
// first hidden one, so that a test finds the control on the page that shows.
std::optional<ChildWindow> FindChild(HWND top, const std::wstring& text);
std::optional<ChildWindow> FindChild(HWND top, const std::string& className,
                                     const std::wstring& text);

struct ProgressBarState {
    int position = 0;
    int minimum = 0;
    int maximum = 0;
};
ProgressBarState ReadProgressBar(HWND progressBar);  // PBM_GETPOS, PBM_GETRANGE

// --- Input ----------------------------------------------------------------------------------

// Presses a button without waiting for what its click starts, so a click that opens a modal
// box does not block the test. False, and nothing pressed, when a user could not press it:
// hidden, disabled, or in a window that a modal box has disabled. Follow with WaitForIdle.
[[nodiscard]] bool Click(HWND button);

// Returns once the window's thread has handled everything sent to it so far and is waiting
// for input again: its message loop, or the loop of a modal box it shows. A click sent by
// Click has then run to its end or opened a box. False when the window is gone or hangs.
bool WaitForIdle(HWND window, DWORD timeoutMs = 30000);

// Types a key (VK_RETURN, VK_ESCAPE, ...) into the control that has the keyboard focus in the
// window's thread, through the program's own message loop, and waits until it is handled.
void PressKey(HWND top, WORD virtualKey);

// The close box: WM_SYSCOMMAND SC_CLOSE, as the title bar sends it. Returns at once; false
// when the window is disabled (a modal box is open) and a user's click would do nothing.
bool CloseWithCloseBox(HWND top);

// --- Message boxes --------------------------------------------------------------------------

enum class MessageBoxIcon { None, Stop, Information, Warning, Question, Unrecognised };
const char* ToString(MessageBoxIcon icon);

struct MessageBoxContent {
    std::wstring caption;
    std::wstring text;
    MessageBoxIcon icon = MessageBoxIcon::None;
    std::vector<std::wstring> buttons;  // their texts, in z-order ("OK")
};

// Reads a box of the system's message-box class ("#32770"). The icon is recognised by its
// pixels on the screen, compared with the system's stop, information, warning and question
// icons: icon handles do not cross processes.
MessageBoxContent ReadMessageBox(HWND box);

// Presses the box's OK button (see Click).
[[nodiscard]] bool PressOk(HWND box);

// --- The program's process ------------------------------------------------------------------

// One started program. Ends it in the destructor if it still runs, together with the programs
// it started (they share its job), so that a failed test leaves no process behind.
class AppProcess {
public:
    // Starts the exe as its own process, in `workingDirectory` (empty: this process's).
    // Throws std::runtime_error when it cannot be started.
    explicit AppProcess(const std::string& exePath, const std::string& workingDirectory = "");
    ~AppProcess();
    AppProcess(const AppProcess&) = delete;
    AppProcess& operator=(const AppProcess&) = delete;

    DWORD Id() const { return id_; }
    bool Running() const;

    // Visible top-level windows of the process with a size (the taskbar's zero-size window of
    // the application is left out), in z-order, topmost first.
    std::vector<HWND> VisibleWindows() const;
    // The setup window: the first visible window that is not a message box. nullptr on timeout.
    HWND WaitForMainWindow(DWORD timeoutMs = 15000) const;
    // A visible message box (class "#32770") of the process. nullptr on timeout.
    HWND WaitForMessageBox(DWORD timeoutMs = 15000) const;

    // The exit code once the process has ended; nothing if it still runs after the timeout.
    std::optional<DWORD> WaitForExit(DWORD timeoutMs = 15000) const;

private:
    // The first visible window that is (or, with messageBox false, is not) a message box.
    HWND WaitForVisibleWindow(bool messageBox, DWORD timeoutMs) const;

    platform::unique_handle job_;
    platform::unique_handle process_;
    DWORD id_ = 0;
};

// Records the top-level windows a process creates or shows while the watcher lives, so that a
// test can tell that no dialog came up during an action. Windows that exist when watching
// starts, and Wine's hidden per-thread IME windows, do not count; nor does a window that is
// gone again before the watcher can read it (a few milliseconds).
class WindowWatcher {
public:
    struct Seen {
        HWND handle = nullptr;
        std::string className;  // empty when the window was gone before it could be read
        std::wstring caption;
        bool shown = false;  // seen visible
    };

    explicit WindowWatcher(DWORD processId);
    ~WindowWatcher();
    WindowWatcher(const WindowWatcher&) = delete;
    WindowWatcher& operator=(const WindowWatcher&) = delete;

    // The new windows so far, in the order they were noticed.
    std::vector<Seen> NewWindows();
    static std::string Describe(const std::vector<Seen>& windows);  // for failure messages

private:
    class Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace testing_support
