#pragma once
// The application: COM for the main thread, the title, the window that stands for the program
// on the taskbar (captioned with the title, carrying MAINICON, owner of every form), the forms,
// the message loop, and the error box for errors that reach the loop.
#include "forms/ComApartment.h"

#include <windows.h>

#include <exception>
#include <memory>
#include <string>
#include <vector>

namespace forms {

class TForm;

class TApplication {
public:
    TApplication();
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    HWND Handle() const { return handle_; }
    // The first form created; its closing ends Run.
    TForm* MainForm() const { return mainForm_; }

    // Makes a form, owned by the application, and runs its creation event.
    template <class Form>
    Form& CreateForm() {
        auto form = std::make_unique<Form>(*this);
        Form& made = *form;
        Adopt(std::move(form));
        return made;
    }

    // Shows the main form centred on the screen and runs the message loop until it closes.
    void Run();

    // The stop-icon box with one OK button, captioned with the title and owned by the main
    // form, which takes no input until the box is closed.
    void ShowException(const std::exception& error) const;

private:
    friend class TForm;
    void AddForm(TForm& form);
    void Adopt(std::unique_ptr<TForm> form);

    ComApartment com_;
    std::string title_;
    HWND handle_ = nullptr;
    TForm* mainForm_ = nullptr;
    std::vector<std::unique_ptr<TForm>> forms_;
};

}  // namespace forms
