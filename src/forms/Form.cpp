#include "forms/Form.h"

#include "forms/Application.h"

#include <exception>

namespace forms {

namespace {

constexpr DWORD FormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN |
                            WS_CLIPSIBLINGS;
constexpr DWORD FormExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

}  // namespace

TForm::TForm(TApplication& application, const char* className, int clientWidth,
             int clientHeight)
    : application_(application), dpi_(ScreenDpi()) {
    RECT bounds{0, 0, Scale(clientWidth), Scale(clientHeight)};
    AdjustWindowRectEx(&bounds, FormStyle, FALSE, FormExStyle);
    OffsetRect(&bounds, -bounds.left, -bounds.top);
    CreateOwnWindow(*this, className, FormExStyle, FormStyle, bounds, application.Handle());
    application.AddForm(*this);
}

TForm::~TForm() {
    // The controls, members of the derived form, are gone already.
    controls_.clear();
}

void TForm::Close() { PostMessageA(Handle(), WM_CLOSE, 0, 0); }

void TForm::CreateControls(std::initializer_list<ControlRow> rows) {
    for (const ControlRow& row : rows) {
        int left = Scale(row.left), top = Scale(row.top);
        CreateParams params{*this,
                            row.parent,
                            row.parent ? row.parent->Handle() : Handle(),
                            RECT{left, top, left + Scale(row.width), top + Scale(row.height)},
                            row.settings,
                            FontFor(row.settings.font),
                            row.parent ? row.parent->Color() : GetSysColor(COLOR_BTNFACE)};
        row.control.Create(params);
        controls_.push_back(&row.control);
    }
    ArrangeBands(rows);
}

void TForm::ArrangeBands(std::initializer_list<ControlRow> rows) {
    RECT free;
    GetClientRect(Handle(), &free);
    auto place = [](const TControl& control, const RECT& bounds) {
        MoveWindow(control.Handle(), bounds.left, bounds.top, bounds.right - bounds.left,
                   bounds.bottom - bounds.top, TRUE);
    };
    for (const ControlRow& row : rows) {
        if (row.parent) continue;
        if (row.settings.align == Align::Top) {
            place(row.control, {free.left, free.top, free.right, free.top + Scale(row.height)});
            free.top += Scale(row.height);
        } else if (row.settings.align == Align::Bottom) {
            place(row.control,
                  {free.left, free.bottom - Scale(row.height), free.right, free.bottom});
            free.bottom -= Scale(row.height);
        }
    }
    for (const ControlRow& row : rows)
        if (!row.parent && row.settings.align == Align::Client) place(row.control, free);
}

HFONT TForm::FontFor(const FontSpec* spec) {
    if (!spec) spec = &DefaultFont;
    for (const auto& [made, font] : fonts_)
        if (made == spec) return static_cast<HFONT>(font.get());
    HFONT font = CreateFontA(Scale(spec->height), 0, 0, 0, spec->bold ? FW_BOLD : FW_NORMAL, FALSE,
                             FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, spec->face);
    fonts_.emplace_back(spec, platform::unique_gdiobj(font));
    return font;
}

void TForm::DoCreate() {
    // Like a click handler, the creation event may raise an error: it is shown, and the
    // window goes on to show.
    try {
        if (OnCreate) OnCreate();
    } catch (const std::exception& error) {
        application_.ShowException(error);
    }
}

void TForm::ShowCentred() {
    RECT bounds;
    GetWindowRect(Handle(), &bounds);
    int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
    SetWindowPos(Handle(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(Handle(), SW_SHOWNORMAL);
    UpdateWindow(Handle());
    FocusVisibleControl();
}

bool TForm::HandleTabKey(const MSG& message) {
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB || !Handle()) return false;
    if (message.hwnd != Handle() && !IsChild(Handle(), message.hwnd)) return false;
    bool backwards = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    if (HWND next = GetNextDlgTabItem(Handle(), GetFocus(), backwards ? TRUE : FALSE)) SetFocus(next);
    return true;
}

void TForm::Notify(HWND control, WORD code) {
    for (TControl* each : controls_) {
        if (each->Handle() == control) {
            each->Notified(code);
            return;
        }
    }
}

void TForm::FocusVisibleControl() {
    HWND focus = GetFocus();
    bool usable = focus && IsChild(Handle(), focus) && IsWindowVisible(focus) &&
                  IsWindowEnabled(focus);
    if (usable || GetActiveWindow() != Handle()) return;
    if (HWND first = GetNextDlgTabItem(Handle(), nullptr, FALSE)) SetFocus(first);
}

LRESULT TForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(Handle(), &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    case WM_COMMAND:
        Notify(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
        return 0;
    case WM_DESTROY:
        if (application_.MainForm() == this) PostQuitMessage(0);
        return 0;
    }
    return TWinControl::HandleMessage(message, wParam, lParam);
}

void TForm::WindowDestroyed() {
    // The children went before the form: none of their handles is valid any more.
    for (TControl* control : controls_) control->handle_ = nullptr;
}

}  // namespace forms
