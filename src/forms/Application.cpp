#include "forms/Application.h"

#include "forms/ApplicationTitle.h"
#include "forms/ErrorText.h"
#include "platform/FilePaths.h"
#include "forms/Form.h"
#include "platform/CodePage.h"

#include <commctrl.h>

namespace forms {

namespace {

constexpr const char* ApplicationClass = "TApplication";

// The taskbar's window has no size; it hands activation on to the form the user last used.
LRESULT CALLBACK ApplicationWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETFOCUS) {
        HWND popup = GetLastActivePopup(window);
        if (popup != window && IsWindowEnabled(popup)) SetFocus(popup);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateApplicationWindow(const std::string& title) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = ApplicationWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, "MAINICON");
    windowClass.hIconSm = static_cast<HICON>(LoadImageA(instance, "MAINICON", IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.lpszClassName = ApplicationClass;
    RegisterClassExA(&windowClass);
    return CreateWindowExA(0, ApplicationClass, title.c_str(),
                           WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                           GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2,
                           0, 0, nullptr, nullptr, instance, nullptr);
}

}  // namespace

TApplication::TApplication() : title_(ApplicationTitle(platform::ExeName())) {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&classes);
    handle_ = CreateApplicationWindow(title_);
}

TApplication::~TApplication() {
    forms_.clear();
    DestroyWindow(handle_);
}

void TApplication::AddForm(TForm& form) {
    if (!mainForm_) mainForm_ = &form;
}

void TApplication::Adopt(std::unique_ptr<TForm> form) {
    forms_.push_back(std::move(form));
    forms_.back()->DoCreate();
}

void TApplication::Run() {
    if (!mainForm_) return;
    // Visible, though of no size, so that the taskbar shows the program under its title.
    ShowWindow(handle_, SW_SHOWNOACTIVATE);
    mainForm_->ShowCentred();
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (mainForm_->HandleTabKey(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void TApplication::ShowException(const std::exception& error) const {
    // The wide call: the platform's German texts show whatever the ANSI code page.
    HWND owner = mainForm_ ? mainForm_->Handle() : nullptr;
    MessageBoxW(owner, ErrorText(error).c_str(), platform::FromAnsi(title_).c_str(),
                MB_OK | MB_ICONSTOP);
}

}  // namespace forms
