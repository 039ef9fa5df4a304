#include "forms/Controls.h"

#include <commctrl.h>

#include <algorithm>

namespace forms {

void TProgressBar::Create(const CreateParams& params) {
    CreateSystemControl(params, PROGRESS_CLASSA, 0);
    SendMessageA(Handle(), PBM_SETRANGE32, 0, 100);
    SendMessageA(Handle(), PBM_SETPOS, 0, 0);
    SetStep(10);
}

void TProgressBar::SetStep(int step) {
    SendMessageA(Handle(), PBM_SETSTEP, static_cast<WPARAM>(step), 0);
}

int TProgressBar::Step() const {
    return static_cast<int>(SendMessageA(Handle(), PBM_GETSTEP, 0, 0));
}

int TProgressBar::Position() const {
    return static_cast<int>(SendMessageA(Handle(), PBM_GETPOS, 0, 0));
}

int TProgressBar::Max() const {
    return static_cast<int>(SendMessageA(Handle(), PBM_GETRANGE, FALSE, 0));
}

void TProgressBar::StepIt() {
    long long next = static_cast<long long>(Position()) + Step();
    SendMessageA(Handle(), PBM_SETPOS, static_cast<WPARAM>(std::min<long long>(next, Max())), 0);
}

}  // namespace forms
