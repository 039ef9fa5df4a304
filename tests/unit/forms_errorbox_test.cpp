// The application's error handler, in a small form of its own: an error that a handler raises
// is shown in the stop-icon box captioned with the title, the form takes no input while the box
// is open, and the window goes on running afterwards.
#include "forms/Application.h"
#include "forms/Controls.h"
#include "forms/Form.h"
#include "platform/Errors.h"
#include "support/UiDriver.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>

namespace {

using namespace forms;
using namespace testing_support;

// The title of this test's executable, unit_forms_errorbox_test.exe: its first character stays.
const wchar_t* const Title = L"unit_forms_errorbox_test";

class FailingForm : public TForm {
public:
    explicit FailingForm(TApplication& application, bool failOnCreate = false)
        : TForm(application, "FailingForm", 200, 60) {
        CreateControls({
            // control parent  left top width height settings
            {Fail,     nullptr,  10, 10,  75,  25,   {}},
            {Quit,     nullptr, 100, 10,  75,  25,   {}},
        });
        Quit.OnClick = [this] { Close(); };
        if (failOnCreate) OnCreate = [] { throw std::runtime_error("cannot start"); };
    }
    TButton Fail;
    TButton Quit;
};

class FailingOnCreate : public FailingForm {
public:
    explicit FailingOnCreate(TApplication& application) : FailingForm(application, true) {}
};

// What one box showed, read from another thread while the form's thread waits in the box.
struct ShownBox {
    bool found = false;
    MessageBoxContent content;
    HWND owner = nullptr;
    bool ownerTookInput = true;
    bool ownerTakesInputAfterwards = false;
};

HWND WaitForBox() {
    HWND box = nullptr;
    WaitUntil([&] {
        for (HWND window : TopLevelWindows(GetCurrentProcessId()))
            if (ClassName(window) == "#32770" && IsWindowVisible(window)) box = window;
        return box != nullptr;
    });
    return box;
}

ShownBox AnswerBox(HWND form) {
    ShownBox shown;
    HWND box = WaitForBox();
    if (!box) return shown;
    shown.found = true;
    shown.content = ReadMessageBox(box);
    shown.owner = GetWindow(box, GW_OWNER);
    shown.ownerTookInput = IsWindowEnabled(form) != FALSE;
    (void)PressOk(box);
    WaitUntil([&] { return !IsWindow(box); });
    shown.ownerTakesInputAfterwards = IsWindowEnabled(form) != FALSE;
    return shown;
}

void ExpectBox(const ShownBox& shown, HWND form, const std::wstring& text, const char* which) {
    ASSERT_TRUE(shown.found) << which << ": no box";
    EXPECT_EQ(shown.content.caption, Title) << which;
    EXPECT_EQ(shown.content.text, text) << which;
    EXPECT_EQ(shown.content.icon, MessageBoxIcon::Stop) << which << ": " << ToString(shown.content.icon);
    EXPECT_EQ(shown.content.buttons, std::vector<std::wstring>{L"OK"}) << which;
    EXPECT_EQ(shown.owner, form) << which << ": not owned by the form";
    EXPECT_FALSE(shown.ownerTookInput) << which << ": the form took input under the box";
    EXPECT_TRUE(shown.ownerTakesInputAfterwards) << which << ": the form stayed disabled";
}

TEST(ErrorBox, HandlerErrorsAreShownAndTheWindowGoesOnRunning) {
    TApplication application;
    FailingForm& form = application.CreateForm<FailingForm>();
    int clicks = 0;
    form.Fail.OnClick = [&] {
        // The first click fails with a platform text that needs its full stop, the second
        // with one that ends in a quote and does not.
        if (++clicks == 1) throw platform::EIntfCastError();
        throw platform::ERegistryException::InvalidDataType("Programs");
    };
    ShownBox first, second;
    bool formAliveBetween = false;
    std::thread user([&] {
        HWND window = form.Handle();
        WaitUntil([&] { return IsWindowVisible(window) != FALSE; });
        if (Click(form.Fail.Handle())) first = AnswerBox(window);
        formAliveBetween = IsWindowVisible(window) && IsWindowVisible(form.Fail.Handle());
        if (Click(form.Fail.Handle())) second = AnswerBox(window);
        // The close button, or else the close message, so that a failure does not hang the test.
        bool quit = Click(form.Quit.Handle()) && WaitUntil([&] { return !IsWindow(window); }, 5000);
        if (!quit) PostMessageA(window, WM_CLOSE, 0, 0);
    });
    HWND window = form.Handle();
    application.Run();
    user.join();

    ExpectBox(first, window, L"Schnittstelle nicht unterst\u00fctzt.", "first box");
    EXPECT_TRUE(formAliveBetween) << "the window did not go on after the first box";
    ExpectBox(second, window, L"Ung\u00fcltiger Datentyp f\u00fcr 'Programs'", "second box");
    EXPECT_EQ(clicks, 2);
}

TEST(ErrorBox, ACreationErrorIsShownAndTheFormStillOpens) {
    TApplication application;
    ShownBox shown;
    bool opened = false;
    HWND window = nullptr;
    std::thread user([&] {
        HWND box = WaitForBox();
        if (box) window = GetWindow(box, GW_OWNER);
        shown = AnswerBox(window);
        opened = WaitUntil([&] { return IsWindowVisible(window) != FALSE; });
        PostMessageA(window, WM_CLOSE, 0, 0);
    });
    HWND formWindow = application.CreateForm<FailingOnCreate>().Handle();
    application.Run();
    user.join();

    ExpectBox(shown, formWindow, L"cannot start.", "creation box");
    EXPECT_TRUE(opened) << "the form did not show after the box";
}

}  // namespace
