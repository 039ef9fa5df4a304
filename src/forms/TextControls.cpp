#include "forms/Controls.h"

namespace forms {

void TStaticText::Create(const CreateParams& params) {
    CreateSystemControl(params, "STATIC", SS_LEFT);
    CaptionChanged();
}

void TStaticText::CaptionChanged() {
    std::string text = Caption();
    HDC dc = GetDC(Handle());
    HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(Handle(), WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, previous);
    ReleaseDC(Handle(), dc);
    SetWindowPos(Handle(), nullptr, 0, 0, extent.cx + 4 * GetSystemMetrics(SM_CXBORDER),
                 extent.cy + 4 * GetSystemMetrics(SM_CYBORDER),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TLabel::Create(const CreateParams& params) {
    CreateSystemControl(params, "STATIC",
                        params.settings.Has(Settings::CentredFlag) ? SS_CENTER : SS_LEFTNOWORDWRAP);
}

}  // namespace forms
