#include "support/UiDriver.h"

#include <commctrl.h>

#include <stdexcept>

#include "support/Screenshot.h"
#include "support/TempFolder.h"

namespace testing_support {

namespace {

constexpr DWORD MessageTimeoutMs = 5000;
constexpr const char* MessageBoxClass = "#32770";
constexpr int MessageBoxTextId = 0xFFFF;  // the static that holds a message box's text

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, MessageTimeoutMs, &result);
    return static_cast<LRESULT>(result);
}

DWORD ProcessOf(HWND window) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    return id;
}

bool HasSize(HWND window) {
    RECT bounds;
    return GetWindowRect(window, &bounds) && bounds.right > bounds.left &&
           bounds.bottom > bounds.top;
}

// A user can reach a control only when it shows, it is enabled, and its window takes input.
bool Pressable(HWND control) {
    HWND root = GetAncestor(control, GA_ROOT);
    return IsWindowVisible(control) && IsWindowEnabled(control) && root && IsWindowEnabled(root);
}

MessageBoxIcon RecogniseIcon(HWND iconControl) {
    RECT bounds;
    GetWindowRect(iconControl, &bounds);
    const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
    struct Candidate {
        LPCSTR id;
        MessageBoxIcon icon;
    };
    const Candidate candidates[] = {{IDI_HAND, MessageBoxIcon::Stop},
                                    {IDI_ASTERISK, MessageBoxIcon::Information},
                                    {IDI_EXCLAMATION, MessageBoxIcon::Warning},
                                    {IDI_QUESTION, MessageBoxIcon::Question}};
    // Retried for a while: the box may not have reached the screen yet.
    MessageBoxIcon recognised = MessageBoxIcon::Unrecognised;
    WaitUntil(
        [&] {
            RedrawWindow(iconControl, nullptr, nullptr, RDW_UPDATENOW);
            ScreenImage shown = CaptureSettledScreen(bounds);
            const std::uint32_t ground = shown.At(0, 0);  // the icons' corners are transparent
            for (const Candidate& candidate : candidates) {
                ScreenImage drawn =
                    RenderIcon(LoadIconA(nullptr, candidate.id), width, height, ground);
                if (drawn.pixels == shown.pixels) {
                    recognised = candidate.icon;
                    return true;
                }
            }
            return false;
        },
        3000);
    return recognised;
}

}  // namespace

std::vector<HWND> TopLevelWindows(DWORD processId) {
    struct Search {
        DWORD processId;
        std::vector<HWND> found;
    } search{processId, {}};
    EnumWindows(
        [](HWND window, LPARAM lParam) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lParam);
            if (ProcessOf(window) == s->processId) s->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void CopyInstallExe(const std::string& path) {
    MakeFolders(path.substr(0, path.find_last_of('\\')));
    if (!CopyFileA(TEST_INSTALL_EXE, path.c_str(), FALSE))
        throw std::runtime_error("cannot copy Install.exe to " + path + ": error " +
                                 std::to_string(GetLastError()));
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    for (const DWORD start = GetTickCount();; Sleep(20)) {
        if (condition()) return true;
        if (GetTickCount() - start > timeoutMs) return condition();
    }
}

std::wstring WindowText(HWND window) {
    const auto length = static_cast<size_t>(Send(window, WM_GETTEXTLENGTH, 0, 0));
    std::wstring text(length + 1, L'\0');
    const auto copied = static_cast<size_t>(
        Send(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data())));
    text.resize(copied < length ? copied : length);
    return text;
}

std::string ClassName(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::vector<ChildWindow> ListChildWindows(HWND top) {
    struct Listing {
        HWND top;
        std::vector<ChildWindow> children;
    } listing{top, {}};
    EnumChildWindows(
        top,
        [](HWND window, LPARAM lParam) -> BOOL {
            auto* l = reinterpret_cast<Listing*>(lParam);
            ChildWindow child;
            child.handle = window;
            child.parent = GetAncestor(window, GA_PARENT);
            child.className = ClassName(window);
            child.text = WindowText(window);
            child.id = GetDlgCtrlID(window);
            GetWindowRect(window, &child.bounds);
            MapWindowPoints(HWND_DESKTOP, l->top, reinterpret_cast<POINT*>(&child.bounds), 2);
            child.visible = IsWindowVisible(window) != FALSE;
            child.enabled = IsWindowEnabled(window) != FALSE;
            l->children.push_back(std::move(child));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&listing));
    return listing.children;
}

std::optional<ChildWindow> FindChild(HWND top, const std::string& className,
                                     const std::wstring& text) {
    std::optional<ChildWindow> hidden;
    for (ChildWindow& child : ListChildWindows(top)) {
        if (child.text != text || (!className.empty() && child.className != className)) continue;
        if (child.visible) return child;
        if (!hidden) hidden = std::move(child);
    }
    return hidden;
}

std::optional<ChildWindow> FindChild(HWND top, const std::wstring& text) {
    return FindChild(top, "", text);
}

ProgressBarState ReadProgressBar(HWND progressBar) {
    ProgressBarState state;
    state.position = static_cast<int>(Send(progressBar, PBM_GETPOS, 0, 0));
    state.minimum = static_cast<int>(Send(progressBar, PBM_GETRANGE, TRUE, 0));
    state.maximum = static_cast<int>(Send(progressBar, PBM_GETRANGE, FALSE, 0));
    return state;
}

bool Click(HWND button) {
    if (!Pressable(button)) return false;
    // Sent, not posted: the window's thread handles what we send in order, so the WaitForIdle
    // that follows comes back only after the click. A posted click could be overtaken by it.
    if (!SendNotifyMessageW(button, BM_CLICK, 0, 0)) return false;
    // A sent message does not wake a message loop waiting for posted ones: a modal box that the
    // click ended would stay until the next input came. This empty posted message wakes it.
    PostMessageW(button, WM_NULL, 0, 0);
    return true;
}

bool WaitForIdle(HWND window, DWORD timeoutMs) {
    DWORD_PTR ignored;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &ignored) != 0;
}

void PressKey(HWND top, WORD virtualKey) {
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(top, nullptr), &thread);
    HWND target = thread.hwndFocus ? thread.hwndFocus : top;
    // Keys must be posted: the program's loop hands them to the dialog manager, as typed keys.
    const auto scanCode = static_cast<LPARAM>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC)) << 16;
    PostMessageW(target, WM_KEYDOWN, virtualKey, 1 | scanCode);
    PostMessageW(target, WM_KEYUP, virtualKey, 1 | scanCode | (3LL << 30));
    // A sent message may be handled before the posted keys; the second round trip, a moment
    // later, comes after them.
    WaitForIdle(top);
    Sleep(50);
    WaitForIdle(top);
}

bool CloseWithCloseBox(HWND top) {
    if (!IsWindowEnabled(top)) return false;
    return PostMessageW(top, WM_SYSCOMMAND, SC_CLOSE, 0) != FALSE;
}

const char* ToString(MessageBoxIcon icon) {
    switch (icon) {
    case MessageBoxIcon::None: return "no icon";
    case MessageBoxIcon::Stop: return "stop";
    case MessageBoxIcon::Information: return "information";
    case MessageBoxIcon::Warning: return "warning";
    case MessageBoxIcon::Question: return "question";
    case MessageBoxIcon::Unrecognised: return "unrecognised icon";
    }
    return "?";
}

MessageBoxContent ReadMessageBox(HWND box) {
    if (ClassName(box) != MessageBoxClass) throw std::runtime_error("not a message box");
    MessageBoxContent content;
    content.caption = WindowText(box);
    for (const ChildWindow& child : ListChildWindows(box)) {
        if (child.className == "Button") {
            content.buttons.push_back(child.text);
        } else if (child.className == "Static") {
            const LONG_PTR type = GetWindowLongPtrW(child.handle, GWL_STYLE) & SS_TYPEMASK;
            if (type == SS_ICON && child.visible && Send(child.handle, STM_GETICON, 0, 0))
                content.icon = RecogniseIcon(child.handle);
            else if (child.id == MessageBoxTextId)
                content.text = child.text;
        }
    }
    return content;
}

bool PressOk(HWND box) {
    HWND ok = GetDlgItem(box, IDOK);
    return ok && Click(ok);
}

AppProcess::AppProcess(const std::string& exePath, const std::string& workingDirectory)
    : job_(CreateJobObjectW(nullptr, nullptr)) {
    // The programs it starts (the application it launches) join its job and end with it.
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(job_.get(), JobObjectExtendedLimitInformation, &limits, sizeof limits);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    std::string commandLine = "\"" + exePath + "\"";
    if (!CreateProcessA(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                        CREATE_SUSPENDED, nullptr,
                        workingDirectory.empty() ? nullptr : workingDirectory.c_str(), &startup,
                        &started))
        throw std::runtime_error("cannot start " + exePath + ": error " +
                                 std::to_string(GetLastError()));
    process_ = platform::unique_handle(started.hProcess);
    id_ = started.dwProcessId;
    AssignProcessToJobObject(job_.get(), started.hProcess);
    ResumeThread(started.hThread);
    CloseHandle(started.hThread);
}

AppProcess::~AppProcess() {
    TerminateJobObject(job_.get(), 1);
    WaitForSingleObject(process_.get(), 5000);
}

bool AppProcess::Running() const { return WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }

std::vector<HWND> AppProcess::VisibleWindows() const {
    std::vector<HWND> windows;
    for (HWND window : TopLevelWindows(id_))
        if (IsWindowVisible(window) && HasSize(window)) windows.push_back(window);
    return windows;
}

HWND AppProcess::WaitForVisibleWindow(bool messageBox, DWORD timeoutMs) const {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND window : VisibleWindows()) {
                if ((ClassName(window) == MessageBoxClass) != messageBox) continue;
                found = window;
                return true;
            }
            return false;
        },
        timeoutMs);
    return found;
}

HWND AppProcess::WaitForMainWindow(DWORD timeoutMs) const {
    return WaitForVisibleWindow(false, timeoutMs);
}

HWND AppProcess::WaitForMessageBox(DWORD timeoutMs) const {
    return WaitForVisibleWindow(true, timeoutMs);
}

std::optional<DWORD> AppProcess::WaitForExit(DWORD timeoutMs) const {
    if (WaitForSingleObject(process_.get(), timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process_.get(), &code);
    return code;
}

}  // namespace testing_support
