#pragma once
// The kinds of control a form is built from. Panels, pictures, bevels and the page control are
// windows of our own classes; texts, buttons and the progress bar are the system's controls in
// their classic look.
#include "forms/Control.h"
#include "platform/ComPtr.h"

#include <olectl.h>

#include <vector>

namespace forms {

// A plain area in its colour: a band of the window. A sunken border and a raised one-pixel
// bevel inside it are settings.
class TPanel : public TCustomControl {
protected:
    void Create(const CreateParams& params) override;
    void Paint(HDC dc, const RECT& client) override;

private:
    bool raisedBevel_ = false;
};

// A picture decoded by the system from an image file in the resources, drawn unscaled from the
// control's top-left corner; what falls outside the control is cut off.
class TImage : public TCustomControl {
protected:
    void Create(const CreateParams& params) override;
    void Paint(HDC dc, const RECT& client) override;

private:
    platform::ComPtr<IPicture> picture_;
};

// A lowered line along the bottom edge: the shadow colour on the second-last row, the highlight
// colour on the last, across the full width.
class TBevel : public TCustomControl {
protected:
    void Create(const CreateParams& params) override;
    void Paint(HDC dc, const RECT& client) override;
};

class TTabSheet;

// A stack of pages of which one shows. It has no tab strip at all: the program switches pages
// by number. Each page fills the page control less PageInset pixels (at 96 dpi) on every side.
class TPageControl : public TCustomControl {
public:
    static constexpr int PageInset = 4;

    // Shows page `index` (in the order the pages were created, from 0) and hides the others.
    void SetActivePage(int index);

protected:
    void Create(const CreateParams& params) override;
    // The pages follow the page control's size.
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    friend class TTabSheet;
    RECT PageBounds() const;
    std::vector<TTabSheet*> pages_;
};

// A page of a page control; created hidden, shown by the page control.
class TTabSheet : public TCustomControl {
protected:
    void Create(const CreateParams& params) override;
};

// A text that sizes itself to its text: the text's extent plus four system border widths each
// way, again whenever its text changes.
class TStaticText : public TControl {
protected:
    void Create(const CreateParams& params) override;
    void CaptionChanged() override;
};

// A text of fixed size. Left-aligned texts break only at their own line breaks (no word wrap);
// centred ones are centred line by line.
class TLabel : public TControl {
protected:
    void Create(const CreateParams& params) override;
};

// A push button that is never the default one: Enter does not press it.
class TButton : public TControl {
public:
    TNotifyEvent OnClick;

protected:
    void Create(const CreateParams& params) override;
    void Notified(WORD code) override;
};

// Range 0 to 100, position 0, step 10. Stepping stops at the maximum instead of wrapping
// round to the minimum as the system's control would.
class TProgressBar : public TControl {
public:
    void StepIt();
    void SetStep(int step);
    int Step() const;
    int Position() const;
    int Max() const;

protected:
    void Create(const CreateParams& params) override;
};

}  // namespace forms
