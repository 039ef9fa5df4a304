// The UI driver's own mechanics, on a small real window that the test builds on a thread of its
// own: what it reads must be what is there, a click must be waited for exactly, keys must reach
// the dialog manager, and a message box's icon must be told apart. Every end-to-end test of the
// setup program relies on these.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <thread>

#include "support/UiDriver.h"

using namespace testing_support;

namespace {

constexpr int SlowButton = 101, BoxButton = 102, HiddenButton = 103, DisabledButton = 104;
const std::wstring Umlauts = L"Gr\u00fc\u00dfe \u00c4\u00d6\u00dc";

// A top-level window with a few controls, run by a thread with a dialog-style message loop.
// It records the commands it gets; a click on SlowButton takes a while, one on BoxButton
// opens a message box.
class TestWindow {
public:
    TestWindow() {
        thread_ = std::thread([this] { Run(); });
        WaitUntil([this] { return window_.load() != nullptr; });
    }
    ~TestWindow() {
        // A quit message also ends a message box the window may still show, as a test that
        // failed half-way can leave it.
        PostThreadMessageW(GetWindowThreadProcessId(window_, nullptr), WM_QUIT, 0, 0);
        thread_.join();
    }

    HWND Handle() const { return window_; }
    int LastCommand() const { return lastCommand_; }
    int Commands() const { return commands_; }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (message == WM_COMMAND && self) {
            if (LOWORD(wParam) == SlowButton) Sleep(500);  // the count comes only afterwards
            if (LOWORD(wParam) == BoxButton)
                MessageBoxW(window, L"from the click", L"Box", MB_OK | MB_ICONINFORMATION);
            self->lastCommand_ = LOWORD(wParam);
            ++self->commands_;
            return 0;
        }
        if (message == WM_DESTROY) PostQuitMessage(0);
        return DefWindowProcW(window, message, wParam, lParam);
    }

    void Run() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = Proc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        windowClass.lpszClassName = L"UiDriverTestWindow";
        RegisterClassW(&windowClass);
        HWND window = CreateWindowExW(WS_EX_CONTROLPARENT, windowClass.lpszClassName, Umlauts.c_str(),
                                      WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 40, 40,
                                      420, 260, nullptr, nullptr, windowClass.hInstance, nullptr);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        auto add = [&](const wchar_t* className, const wchar_t* text, DWORD style, int id, int x,
                       int y, int width, int height) {
            return CreateWindowExW(0, className, text, WS_CHILD | style, x, y, width, height, window,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   windowClass.hInstance, nullptr);
        };
        add(L"BUTTON", Umlauts.c_str(), WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, SlowButton,
            10, 20, 120, 25);
        add(L"BUTTON", L"Box", WS_VISIBLE | WS_TABSTOP, BoxButton, 140, 20, 75, 25);
        add(L"BUTTON", L"Hidden", WS_TABSTOP, HiddenButton, 10, 60, 75, 25);
        add(L"BUTTON", L"Disabled", WS_VISIBLE | WS_DISABLED, DisabledButton, 100, 60, 75, 25);
        HWND bar = add(PROGRESS_CLASSW, L"", WS_VISIBLE, 105, 10, 100, 150, 17);
        SendMessageW(bar, PBM_SETRANGE32, 5, 60);
        SendMessageW(bar, PBM_SETPOS, 35, 0);
        SetFocus(GetDlgItem(window, SlowButton));
        window_ = window;
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            if (IsDialogMessageW(window, &message)) continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }

    std::thread thread_;
    std::atomic<HWND> window_{nullptr};
    std::atomic<int> lastCommand_{0};
    std::atomic<int> commands_{0};
};

HWND MessageBoxOf(DWORD processId) {
    HWND found = nullptr;
    WaitUntil([&] {
        for (HWND window : TopLevelWindows(processId))
            if (ClassName(window) == "#32770" && IsWindowVisible(window)) found = window;
        return found != nullptr;
    });
    return found;
}

}  // namespace

TEST(UiDriver, ListsChildrenWithTextIdPlaceAndState) {
    TestWindow window;
    std::optional<ChildWindow> slow = FindChild(window.Handle(), "Button", Umlauts);
    ASSERT_TRUE(slow);
    EXPECT_EQ(slow->id, SlowButton);
    EXPECT_EQ(slow->parent, window.Handle());
    EXPECT_EQ(slow->bounds.left, 10);  // client coordinates, not the frame's
    EXPECT_EQ(slow->bounds.top, 20);
    EXPECT_EQ(slow->Width(), 120);
    EXPECT_EQ(slow->Height(), 25);
    EXPECT_TRUE(slow->visible);
    EXPECT_TRUE(slow->enabled);

    std::optional<ChildWindow> hidden = FindChild(window.Handle(), L"Hidden");
    ASSERT_TRUE(hidden);
    EXPECT_FALSE(hidden->visible);
    std::optional<ChildWindow> disabled = FindChild(window.Handle(), L"Disabled");
    ASSERT_TRUE(disabled);
    EXPECT_TRUE(disabled->visible);
    EXPECT_FALSE(disabled->enabled);

    EXPECT_FALSE(FindChild(window.Handle(), "Static", Umlauts)) << "the class must match too";
    EXPECT_EQ(WindowText(window.Handle()), Umlauts);
    EXPECT_EQ(ListChildWindows(window.Handle()).size(), 5u);

    std::optional<ChildWindow> bar = FindChild(window.Handle(), PROGRESS_CLASSA, L"");
    ASSERT_TRUE(bar);
    ProgressBarState progress = ReadProgressBar(bar->handle);
    EXPECT_EQ(progress.position, 35);
    EXPECT_EQ(progress.minimum, 5);
    EXPECT_EQ(progress.maximum, 60);
}

TEST(UiDriver, ClickIsWaitedForAndRefusedWhereAUserCouldNotClick) {
    TestWindow window;
    EXPECT_FALSE(Click(FindChild(window.Handle(), L"Hidden")->handle));
    EXPECT_FALSE(Click(FindChild(window.Handle(), L"Disabled")->handle));

    ASSERT_TRUE(Click(FindChild(window.Handle(), Umlauts)->handle));
    ASSERT_TRUE(WaitForIdle(window.Handle()));
    EXPECT_EQ(window.Commands(), 1) << "WaitForIdle came back before the slow click had ended";
    EXPECT_EQ(window.LastCommand(), SlowButton);
}

TEST(UiDriver, ClickThatOpensAModalBoxDoesNotBlock) {
    TestWindow window;
    ASSERT_TRUE(Click(FindChild(window.Handle(), L"Box")->handle));
    ASSERT_TRUE(WaitForIdle(window.Handle()));
    HWND box = MessageBoxOf(GetCurrentProcessId());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(window.Commands(), 0) << "the click handler is still in its message box";
    EXPECT_FALSE(Click(FindChild(window.Handle(), Umlauts)->handle))
        << "the window is disabled while its box is open";
    EXPECT_FALSE(CloseWithCloseBox(window.Handle()));

    ASSERT_TRUE(PressOk(box));
    EXPECT_TRUE(WaitUntil([&] { return window.Commands() == 1; }));
    EXPECT_EQ(window.LastCommand(), BoxButton);
}

TEST(UiDriver, KeysReachTheDialogManager) {
    TestWindow window;
    // The focused default button takes Enter; Escape becomes IDCANCEL.
    PressKey(window.Handle(), VK_RETURN);
    EXPECT_EQ(window.LastCommand(), SlowButton);
    PressKey(window.Handle(), VK_ESCAPE);
    EXPECT_EQ(window.LastCommand(), IDCANCEL);
    EXPECT_EQ(window.Commands(), 2);
}

TEST(UiDriver, ReadsMessageBoxCaptionTextAndTellsItsIconsApart) {
    struct Row {
        UINT style;
        MessageBoxIcon icon;
    };
    const Row rows[] = {{MB_ICONSTOP, MessageBoxIcon::Stop},
                        {MB_ICONINFORMATION, MessageBoxIcon::Information},
                        {MB_ICONWARNING, MessageBoxIcon::Warning},
                        {MB_ICONQUESTION, MessageBoxIcon::Question},
                        {0, MessageBoxIcon::None}};
    const std::wstring text = L"Ung\u00fcltiger Datentyp f\u00fcr 'Programs'.";
    for (const Row& row : rows) {
        SCOPED_TRACE(ToString(row.icon));
        std::atomic<int> answer{0};
        std::thread shows([&] { answer = MessageBoxW(nullptr, text.c_str(), L"Install", MB_OK | row.style); });
        HWND box = MessageBoxOf(GetCurrentProcessId());
        ASSERT_NE(box, nullptr);
        MessageBoxContent content = ReadMessageBox(box);
        EXPECT_EQ(content.caption, L"Install");
        EXPECT_EQ(content.text, text);
        EXPECT_EQ(ToString(content.icon), std::string(ToString(row.icon)));
        EXPECT_EQ(content.buttons, std::vector<std::wstring>{L"OK"});
        EXPECT_TRUE(PressOk(box));
        shows.join();
        EXPECT_EQ(answer, IDOK);
    }
}

TEST(UiDriver, WatcherReportsOnlyWindowsThatCameAfterIt) {
    TestWindow existing;  // there before the watcher: not new
    WindowWatcher watcher(GetCurrentProcessId());
    EXPECT_TRUE(watcher.NewWindows().empty()) << WindowWatcher::Describe(watcher.NewWindows());

    ASSERT_TRUE(Click(FindChild(existing.Handle(), L"Box")->handle));
    HWND box = MessageBoxOf(GetCurrentProcessId());
    ASSERT_NE(box, nullptr);
    std::vector<WindowWatcher::Seen> seen = watcher.NewWindows();
    ASSERT_EQ(seen.size(), 1u) << WindowWatcher::Describe(seen);
    EXPECT_EQ(seen[0].handle, box);
    EXPECT_EQ(seen[0].className, "#32770");
    EXPECT_EQ(seen[0].caption, L"Box");
    EXPECT_TRUE(seen[0].shown);
    EXPECT_TRUE(PressOk(box));
}
