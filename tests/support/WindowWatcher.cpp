// The watcher behind UiDriver.h's WindowWatcher: a thread that takes the process's window
// creation events (an out-of-context WinEvent hook, which Wine 8.0 delivers for other
// processes) and, as Wine sends no show events, also looks at the process's windows every
// 10 ms to see which of them are visible.
#include <algorithm>
#include <mutex>
#include <set>
#include <thread>

#include "platform/CodePage.h"
#include "support/UiDriver.h"

namespace testing_support {

class WindowWatcher::Impl {
public:
    explicit Impl(DWORD processId) : processId_(processId) {
        for (HWND window : TopLevelWindows(processId)) known_.insert(window);
        thread_ = std::thread([this] { Run(); });
        WaitForSingleObject(ready_.get(), INFINITE);
    }
    ~Impl() {
        SetEvent(stop_.get());
        thread_.join();
    }

    std::vector<Seen> NewWindows() {
        // Creation events reach the watcher's thread as sent messages, which its loop handles
        // before any posted one: once our posted message comes through, the earlier events have.
        ResetEvent(flushed_.get());
        PostThreadMessageW(threadId_, WM_APP, 0, 0);
        WaitForSingleObject(flushed_.get(), 5000);
        LookAtWindows();
        std::lock_guard<std::mutex> lock(mutex_);
        return seen_;
    }

private:
    static void CALLBACK Created(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child,
                                 DWORD, DWORD) {
        if (object == OBJID_WINDOW && child == CHILDID_SELF && current_) current_->Note(window);
    }

    void Run() {
        current_ = this;
        threadId_ = GetCurrentThreadId();
        MSG message;
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);  // the thread's queue, for WM_APP
        HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_CREATE, EVENT_OBJECT_SHOW, nullptr,
                                             Created, processId_, 0, WINEVENT_OUTOFCONTEXT);
        SetEvent(ready_.get());
        HANDLE stop = stop_.get();
        while (MsgWaitForMultipleObjects(1, &stop, FALSE, 10, QS_ALLINPUT) != WAIT_OBJECT_0) {
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                if (message.message == WM_APP && !message.hwnd) SetEvent(flushed_.get());
                DispatchMessageW(&message);
            }
            LookAtWindows();
        }
        if (hook) UnhookWinEvent(hook);
        current_ = nullptr;
    }

    void LookAtWindows() {
        for (HWND window : TopLevelWindows(processId_)) Note(window);
    }

    void Note(HWND window) {
        if (known_.count(window) || GetAncestor(window, GA_PARENT) != GetDesktopWindow()) return;
        const std::string className = ClassName(window);
        if (className.empty() || className == "IME") return;
        const bool visible = IsWindowVisible(window) != FALSE;
        const std::wstring caption = WindowText(window);
        std::lock_guard<std::mutex> lock(mutex_);
        auto same = std::find_if(seen_.begin(), seen_.end(),
                                 [&](const Seen& seen) { return seen.handle == window; });
        if (same == seen_.end()) {
            seen_.push_back({window, className, caption, visible});
        } else {
            same->shown = same->shown || visible;
            if (!caption.empty()) same->caption = caption;
        }
    }

    static thread_local Impl* current_;

    const DWORD processId_;
    std::set<HWND> known_;
    platform::unique_handle ready_{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    platform::unique_handle stop_{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    platform::unique_handle flushed_{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    DWORD threadId_ = 0;
    std::mutex mutex_;
    std::vector<Seen> seen_;
    std::thread thread_;
};

thread_local WindowWatcher::Impl* WindowWatcher::Impl::current_ = nullptr;

WindowWatcher::WindowWatcher(DWORD processId) : impl_(std::make_unique<Impl>(processId)) {}
WindowWatcher::~WindowWatcher() = default;

std::vector<WindowWatcher::Seen> WindowWatcher::NewWindows() { return impl_->NewWindows(); }

std::string WindowWatcher::Describe(const std::vector<Seen>& windows) {
    std::string text;
    for (const Seen& seen : windows) {
        text += "[" + seen.className + " \"" + platform::ToUtf8(seen.caption) + "\"" +
                (seen.shown ? " shown" : "") + "] ";
    }
    return text.empty() ? "none" : text;
}

}  // namespace testing_support
