#include "forms/Controls.h"

namespace forms {

void TPanel::Create(const CreateParams& params) {
    raisedBevel_ = params.settings.Has(Settings::RaisedBevelFlag);
    DWORD exStyle = params.settings.Has(Settings::SunkenBorderFlag) ? WS_EX_CLIENTEDGE : 0;
    CreateCustomControl(params, "TPanel", 0, exStyle);
}

void TPanel::Paint(HDC dc, const RECT& client) {
    if (!raisedBevel_) return;
    // Light from the top left: highlight on the top and left rows, shadow on the bottom and right.
    auto line = [dc](int left, int top, int width, int height, int colorIndex) {
        RECT part{left, top, left + width, top + height};
        FillRect(dc, &part, GetSysColorBrush(colorIndex));
    };
    int width = client.right, height = client.bottom;
    line(0, 0, width - 1, 1, COLOR_BTNHIGHLIGHT);
    line(0, 0, 1, height - 1, COLOR_BTNHIGHLIGHT);
    line(0, height - 1, width, 1, COLOR_BTNSHADOW);
    line(width - 1, 0, 1, height, COLOR_BTNSHADOW);
}

}  // namespace forms
