#pragma once
// The window under every form and control: its handle, text, visibility and enabling, and for
// windows of our own classes the window procedure that routes their messages to the object.
#include <windows.h>

#include <string>

namespace forms {

class TForm;

class TWinControl {
public:
    TWinControl(const TWinControl&) = delete;
    TWinControl& operator=(const TWinControl&) = delete;
    virtual ~TWinControl();

    HWND Handle() const { return handle_; }
    std::string Caption() const;
    void SetCaption(const std::string& text);
    bool Visible() const;  // its own visibility, whatever its parent's
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    void SetEnabled(bool enabled);

protected:
    TWinControl() = default;

    // A window of one of the system's classes (BUTTON, STATIC, ...). Its messages stay with the
    // system's window procedure: nothing of ours is stored in it.
    void CreateSystemWindow(TForm& form, const char* className, DWORD exStyle, DWORD style,
                            const RECT& bounds, HWND parent);
    // A window of a class of our own, registered on first use; its messages go to
    // HandleMessage. The link to this object is made at WM_NCCREATE and cut at WM_NCDESTROY.
    void CreateOwnWindow(TForm& form, const char* className, DWORD exStyle, DWORD style,
                         const RECT& bounds, HWND parent);
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void CaptionChanged() {}
    // After the last message of an own-class window (WM_NCDESTROY); Handle() is null by now.
    virtual void WindowDestroyed() {}
    TForm& Form() const { return *form_; }

private:
    friend class TForm;  // forgets the children's handles when its window is gone
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND handle_ = nullptr;
    TForm* form_ = nullptr;
    bool ownClass_ = false;
};

}  // namespace forms
