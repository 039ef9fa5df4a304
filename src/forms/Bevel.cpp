#include "forms/Controls.h"

namespace forms {

void TBevel::Create(const CreateParams& params) { CreateCustomControl(params, "TBevel"); }

void TBevel::Paint(HDC dc, const RECT& client) {
    RECT shadow{0, client.bottom - 2, client.right, client.bottom - 1};
    RECT highlight{0, client.bottom - 1, client.right, client.bottom};
    FillRect(dc, &shadow, GetSysColorBrush(COLOR_BTNSHADOW));
    FillRect(dc, &highlight, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
}

}  // namespace forms
