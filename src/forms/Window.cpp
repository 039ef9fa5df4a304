#include "forms/Window.h"

#include "forms/Application.h"
#include "forms/Form.h"

#include <exception>
#include <vector>

namespace forms {

TWinControl::~TWinControl() {
    if (!handle_) return;
    // The object is going: its window must not call back into it while it is destroyed.
    if (ownClass_) SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
    DestroyWindow(handle_);
}

std::string TWinControl::Caption() const {
    int length = GetWindowTextLengthA(handle_);
    std::vector<char> text(static_cast<size_t>(length) + 1);
    int copied = GetWindowTextA(handle_, text.data(), length + 1);
    return std::string(text.data(), static_cast<size_t>(copied));
}

void TWinControl::SetCaption(const std::string& text) {
    SetWindowTextA(handle_, text.c_str());
    CaptionChanged();
}

bool TWinControl::Visible() const {
    return (GetWindowLongPtrA(handle_, GWL_STYLE) & WS_VISIBLE) != 0;
}

void TWinControl::SetVisible(bool visible) { ShowWindow(handle_, visible ? SW_SHOW : SW_HIDE); }

void TWinControl::SetEnabled(bool enabled) { EnableWindow(handle_, enabled ? TRUE : FALSE); }

void TWinControl::CreateSystemWindow(TForm& form, const char* className, DWORD exStyle,
                                     DWORD style, const RECT& bounds, HWND parent) {
    form_ = &form;
    handle_ = CreateWindowExA(exStyle, className, "", style, bounds.left, bounds.top,
                              bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
}

void TWinControl::CreateOwnWindow(TForm& form, const char* className, DWORD exStyle, DWORD style,
                                  const RECT& bounds, HWND parent) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass{};
    if (!GetClassInfoA(instance, className, &windowClass)) {
        windowClass.lpfnWndProc = WindowProc;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
        windowClass.lpszClassName = className;
        RegisterClassA(&windowClass);
    }
    form_ = &form;
    ownClass_ = true;
    CreateWindowExA(exStyle, className, "", style, bounds.left, bounds.top,
                    bounds.right - bounds.left, bounds.bottom - bounds.top, parent, nullptr,
                    instance, this);
}

LRESULT TWinControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(handle_, message, wParam, lParam);
}

LRESULT CALLBACK TWinControl::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* created = static_cast<TWinControl*>(
            reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
        created->handle_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* self = reinterpret_cast<TWinControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->handle_ = nullptr;
        self->WindowDestroyed();
        return DefWindowProcA(window, message, wParam, lParam);
    }
    // The error barrier: an error raised by a handler is shown and ends that handler only; it
    // never unwinds through the system's code, and the window goes on running.
    try {
        return self->HandleMessage(message, wParam, lParam);
    } catch (const std::exception& error) {
        self->Form().Application().ShowException(error);
        return 0;
    }
}

}  // namespace forms
