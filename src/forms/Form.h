#pragma once
// A form: one top-level window with a fixed dialog frame and the close box only, owned by the
// application's window, built from a layout table and scaled to the screen's density.
#include "forms/Control.h"

#include <initializer_list>
#include <utility>
#include <vector>

namespace forms {

class TApplication;

// The form's font, for every control whose row names none: 8 points at 96 dpi.
inline constexpr FontSpec DefaultFont{"MS Sans Serif", -11, false};

class TForm : public TWinControl {
public:
    // The window is created hidden with a client area of clientWidth x clientHeight at 96 dpi;
    // the application shows it centred on the screen.
    TForm(TApplication& application, const char* className, int clientWidth, int clientHeight);
    ~TForm() override;

    // Runs once, after the controls are built and before the window first shows.
    TNotifyEvent OnCreate;

    TApplication& Application() const { return application_; }
    // A length at 96 dpi in pixels of this screen.
    int Scale(int value) const { return MulDiv(value, dpi_, 96); }
    // Closes the window once the running handler has returned; the main form's closing ends the
    // application's message loop.
    void Close();

    // For the controls: a notification one of them sent (WM_COMMAND), and the focus to move on
    // when the control holding it has gone out of sight.
    void Notify(HWND control, WORD code);
    void FocusVisibleControl();

protected:
    // Builds the windows row by row, in the table's order, which is also the tab order of the
    // buttons that share a parent.
    void CreateControls(std::initializer_list<ControlRow> rows);

private:
    friend class TApplication;
    void DoCreate();
    void ShowCentred();
    // Tab and Shift+Tab move the focus through the buttons in tab order. It is the only key the
    // form handles itself: the system's dialog manager would let Enter press the focused button
    // and make it the default one, and this window has no default and no cancel button.
    bool HandleTabKey(const MSG& message);
    HFONT FontFor(const FontSpec* spec);
    void ArrangeBands(std::initializer_list<ControlRow> rows);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void WindowDestroyed() override;

    TApplication& application_;
    int dpi_;
    std::vector<TControl*> controls_;
    std::vector<std::pair<const FontSpec*, platform::unique_gdiobj>> fonts_;
};

}  // namespace forms
