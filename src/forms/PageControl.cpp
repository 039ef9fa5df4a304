#include "forms/Controls.h"
#include "forms/Form.h"

#include <stdexcept>

namespace forms {

void TPageControl::Create(const CreateParams& params) { CreateCustomControl(params, "TPageControl"); }

void TPageControl::SetActivePage(int index) {
    for (size_t page = 0; page < pages_.size(); ++page)
        pages_[page]->SetVisible(static_cast<int>(page) == index);
    Form().FocusVisibleControl();
}

RECT TPageControl::PageBounds() const {
    RECT bounds;
    GetClientRect(Handle(), &bounds);
    int inset = Form().Scale(PageInset);
    InflateRect(&bounds, -inset, -inset);
    return bounds;
}

LRESULT TPageControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZE) {
        RECT bounds = PageBounds();
        for (TTabSheet* page : pages_)
            MoveWindow(page->Handle(), bounds.left, bounds.top, bounds.right - bounds.left,
                       bounds.bottom - bounds.top, TRUE);
    }
    return TCustomControl::HandleMessage(message, wParam, lParam);
}

void TTabSheet::Create(const CreateParams& params) {
    auto* pageControl = dynamic_cast<TPageControl*>(params.parent);
    if (!pageControl) throw std::logic_error("a page belongs on a page control");
    RECT bounds = pageControl->PageBounds();
    Settings hidden = params.settings | Hidden;
    CreateParams placed{params.form,   params.parent, params.parentHandle, bounds,
                        hidden,        params.font,   params.parentColor};
    CreateCustomControl(placed, "TTabSheet");
    pageControl->pages_.push_back(this);
}

}  // namespace forms
