// The window layer's controls in a small form of their own, with the real controls as Wine
// implements them: progress bar stepping, page switching and page placement, and a label's
// line breaks as they show on screen.
#include "forms/Application.h"
#include "forms/Controls.h"
#include "forms/Form.h"
#include "support/TextLines.h"

#include <commctrl.h>
#include <gtest/gtest.h>


namespace {

using namespace forms;
using namespace testing_support;

const FontSpec LabelFont{"Verdana", -13, false};

class SampleForm : public TForm {
public:
    explicit SampleForm(TApplication& application) : TForm(application, "SampleForm", 300, 200) {
        CreateControls({
            // control  parent   left top width height settings
            {Pages,     nullptr,    0,  0,  300, 200, AlignClient},
            {Page0,     &Pages,     0,  0,    0,   0, {}},
            {Text,      &Page0,    10, 10,  280, 120, Font(LabelFont)},
            {Bar,       &Page0,    10, 150, 150,  17, {}},
            {Page1,     &Pages,     0,  0,    0,   0, {}},
            {Page2,     &Pages,     0,  0,    0,   0, {}},
        });
    }
    TPageControl Pages;
    TTabSheet Page0;
    TLabel Text;
    TProgressBar Bar;
    TTabSheet Page1;
    TTabSheet Page2;
};

class Controls : public testing::Test {
protected:
    TApplication application;
    SampleForm& form = application.CreateForm<SampleForm>();
};

TEST_F(Controls, ProgressBarStartsEmptyAndStopsAtItsMaximum) {
    EXPECT_EQ(form.Bar.Position(), 0);
    EXPECT_EQ(form.Bar.Max(), 100);
    EXPECT_EQ(form.Bar.Step(), 10);
    struct Row {
        const char* fault;
        int step, steps, position;
    } rows[] = {
        {"a step of ten not taken", 10, 3, 30},
        {"the maximum not reached", 10, 10, 100},
        {"wrapped round past the maximum", 10, 11, 100},
        {"a step far beyond the range wrapped round", 5015, 1, 100},
        {"three big steps wrapped round", 5015, 3, 100},
    };
    for (const Row& row : rows) {
        SendMessageA(form.Bar.Handle(), PBM_SETPOS, 0, 0);
        form.Bar.SetStep(row.step);
        for (int i = 0; i < row.steps; ++i) form.Bar.StepIt();
        EXPECT_EQ(form.Bar.Position(), row.position) << row.fault;
    }
}

TEST_F(Controls, OnePageShowsAtATimeInsetOnEverySide) {
    TTabSheet* pages[] = {&form.Page0, &form.Page1, &form.Page2};
    for (int active : {2, 0, 1}) {
        form.Pages.SetActivePage(active);
        for (int page = 0; page < 3; ++page)
            EXPECT_EQ(pages[page]->Visible(), page == active) << "page " << page << " with "
                                                              << active << " active";
    }
    RECT outer;
    GetClientRect(form.Pages.Handle(), &outer);
    int inset = form.Scale(TPageControl::PageInset);
    for (TTabSheet* page : pages) {
        RECT bounds;
        GetWindowRect(page->Handle(), &bounds);
        MapWindowPoints(nullptr, form.Pages.Handle(), reinterpret_cast<POINT*>(&bounds), 2);
        EXPECT_EQ(bounds.left, inset);
        EXPECT_EQ(bounds.top, inset);
        EXPECT_EQ(bounds.right, outer.right - inset);
        EXPECT_EQ(bounds.bottom, outer.bottom - inset);
    }
}

TEST_F(Controls, LineFeedThenCarriageReturnIsOneLineBreak) {
    form.Pages.SetActivePage(0);
    // Line 4 is empty: the pair twice is one empty line, not three.
    form.Text.SetCaption("ONE\n\rTWO\n\rTHREE\n\r\n\rFIVE");
    ShowWindow(form.Handle(), SW_SHOWNORMAL);
    UpdateWindow(form.Handle());
    RECT shown;
    GetWindowRect(form.Text.Handle(), &shown);
    std::vector<TextLine> lines = TextLines(CaptureSettledScreen(shown));
    ASSERT_EQ(lines.size(), 4u) << "lines of text drawn, rows" << Describe(lines);
    const int lineHeight = LineHeight(LabelFont.face, LabelFont.height, LabelFont.bold);
    // Each line one line height below the one before; the last two line heights below the third.
    for (size_t line = 1; line < 3; ++line)
        EXPECT_EQ(lines[line].top - lines[line - 1].top, lineHeight) << "line " << line;
    EXPECT_EQ(lines[3].top - lines[2].top, 2 * lineHeight);
}

}  // namespace
