#pragma once
// A control: a child window that a form builds from one row of its layout table.
#include "forms/Layout.h"
#include "forms/Window.h"
#include "platform/UniqueHandle.h"

#include <functional>

namespace forms {

using TNotifyEvent = std::function<void()>;

// One layout row made ready for a window: numbers scaled, parent and font resolved.
struct CreateParams {
    TForm& form;
    TCustomControl* parent;  // nullptr: the form
    HWND parentHandle;
    RECT bounds;             // in the parent's client area, in screen pixels
    const Settings& settings;
    HFONT font;
    COLORREF parentColor;
};

class TControl : public TWinControl {
protected:
    friend class TForm;
    virtual void Create(const CreateParams& params) = 0;
    // A notification (WM_COMMAND code) the control sent to its parent.
    virtual void Notified(WORD) {}

    // WS_CHILD, and WS_VISIBLE unless the row says hidden; the row's font.
    void CreateSystemControl(const CreateParams& params, const char* className, DWORD style,
                             DWORD exStyle = 0);
};

// A control of our own window class: it paints itself in its colour (white or its parent's),
// answers its system-class children's colour questions with that colour, and passes their
// notifications to the form.
class TCustomControl : public TControl {
public:
    COLORREF Color() const { return color_; }

protected:
    void CreateCustomControl(const CreateParams& params, const char* className, DWORD style = 0,
                             DWORD exStyle = 0);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual void Paint(HDC, const RECT& /*client*/) {}

private:
    COLORREF color_ = 0;
    platform::unique_gdiobj brush_;
};

}  // namespace forms
