#include "forms/Controls.h"

namespace forms {

void TButton::Create(const CreateParams& params) {
    CreateSystemControl(params, "BUTTON", BS_PUSHBUTTON | WS_TABSTOP);
}

void TButton::Notified(WORD code) {
    if (code == BN_CLICKED && OnClick) OnClick();
}

}  // namespace forms
