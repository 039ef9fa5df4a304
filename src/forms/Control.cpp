#include "forms/Control.h"

#include "forms/Form.h"

namespace forms {

void TControl::CreateSystemControl(const CreateParams& params, const char* className, DWORD style,
                                   DWORD exStyle) {
    style |= WS_CHILD;
    if (!params.settings.Has(Settings::HiddenFlag)) style |= WS_VISIBLE;
    CreateSystemWindow(params.form, className, exStyle, style, params.bounds, params.parentHandle);
    SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(params.font), FALSE);
}

void TCustomControl::CreateCustomControl(const CreateParams& params, const char* className,
                                         DWORD style, DWORD exStyle) {
    color_ = params.settings.Has(Settings::WhiteFlag) ? RGB(255, 255, 255) : params.parentColor;
    brush_ = platform::unique_gdiobj(CreateSolidBrush(color_));
    style |= WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    if (!params.settings.Has(Settings::HiddenFlag)) style |= WS_VISIBLE;
    // Tab and arrow keys reach the controls inside.
    exStyle |= WS_EX_CONTROLPARENT;
    CreateOwnWindow(params.form, className, exStyle, style, params.bounds, params.parentHandle);
}

LRESULT TCustomControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(Handle(), &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, static_cast<HBRUSH>(brush_.get()));
        return 1;
    }
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(Handle(), &paint);
        RECT client;
        GetClientRect(Handle(), &client);
        Paint(dc, client);
        EndPaint(Handle(), &paint);
        return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, color_);
        return reinterpret_cast<LRESULT>(brush_.get());
    }
    case WM_COMMAND:
        Form().Notify(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
        return 0;
    }
    return TControl::HandleMessage(message, wParam, lParam);
}

}  // namespace forms
