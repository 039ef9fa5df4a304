// The window layer's controls in a small form of their own, with the real controls as Wine
// implements them: progress bar stepping, page switching and page placement, and a label's
// line breaks as they show on screen.
#include "forms/Application.h"
#include "forms/Controls.h"
#include "forms/Form.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace forms;

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
        EXPECT_EQ(form.Pages.ActivePage(), active);
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

// The rows of a window's picture that hold any pixel other than the background (the top-left
// one), grouped into runs: one run per line of text.
struct TextLine {
    int top, bottom;
};
std::vector<TextLine> TextLines(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT | PRF_ERASEBKGND);
    std::vector<TextLine> lines;
    bool inLine = false;
    COLORREF background = GetPixel(memory, 0, 0);
    for (int y = 0; y < client.bottom; ++y) {
        bool dark = false;
        for (int x = 0; x < client.right && !dark; ++x) dark = GetPixel(memory, x, y) != background;
        if (dark && !inLine) lines.push_back({y, y});
        if (dark) lines.back().bottom = y;
        inLine = dark;
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return lines;
}

TEST_F(Controls, LineFeedThenCarriageReturnIsOneLineBreak) {
    form.Pages.SetActivePage(0);
    // Line 4 is empty: the pair twice is one empty line, not three. Capitals only: every line
    // starts at the same cap height, and no dot of an i shows as a line of its own.
    form.Text.SetCaption("ONE\n\rTWO\n\rTHREE\n\r\n\rFIVE");
    std::vector<TextLine> lines = TextLines(form.Text.Handle());
    std::string seen;
    for (const TextLine& line : lines)
        seen += " " + std::to_string(line.top) + ".." + std::to_string(line.bottom);
    ASSERT_EQ(lines.size(), 4u) << "lines of text drawn, rows" << seen;
    HDC dc = GetDC(form.Text.Handle());
    HGDIOBJ previous = SelectObject(
        dc, reinterpret_cast<HGDIOBJ>(SendMessageA(form.Text.Handle(), WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(form.Text.Handle(), dc);
    int lineHeight = metrics.tmHeight;
    // Each line one line height below the one before; the last two line heights below the third.
    for (size_t line = 1; line < 3; ++line)
        EXPECT_EQ(lines[line].top - lines[line - 1].top, lineHeight) << "line " << line;
    EXPECT_EQ(lines[3].top - lines[2].top, 2 * lineHeight);
}

}  // namespace
