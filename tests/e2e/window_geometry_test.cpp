// The setup window at 96 dpi as its layout gives it: the frame, every control under its parent
// at its position and size, the styles that make borders, alignment and buttons, and what the
// screen shows of fonts, colours, bevel lines and the banner.
#include <gtest/gtest.h>

#include <objbase.h>
#include <olectl.h>

#include <string>

#include "platform/ComPtr.h"
#include "support/Screenshot.h"
#include "support/SetupLayout.h"
#include "support/TempFolder.h"
#include "support/TextLines.h"
#include "support/UiDriver.h"
#include "support/WindowTree.h"

using namespace testing_support;

namespace {

class SetupWindow : public testing::Test {
protected:
    void SetUp() override {
        WriteTextFile(temp / "Marrowick\\Tessel_Moor\\Pellorin.exe", "app");
        CopyInstallExe(temp / "Install.exe");
        process.emplace(temp / "Install.exe");
        window = process->WaitForMainWindow();
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(WaitForIdle(window));
        ResolveControls();
    }
    void TearDown() override {
        if (window) CloseWithCloseBox(window);
    }

    void ResolveControls() {
        std::string problem;
        controls = NameSetupControls(window, problem);
        ASSERT_FALSE(controls.empty()) << problem;
    }
    HWND operator[](const char* name) { return controls.at(name); }
    LONG_PTR Style(const char* name) { return GetWindowLongPtrA(controls.at(name), GWL_STYLE); }
    LONG_PTR ExStyle(const char* name) { return GetWindowLongPtrA(controls.at(name), GWL_EXSTYLE); }
    // The screen's pixels of a control's client area.
    ScreenImage ClientPixels(const char* name) {
        HWND control = controls.at(name);
        RECT client;
        GetClientRect(control, &client);
        MapWindowPoints(control, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
        return CaptureSettledScreen(client);
    }

    TempFolder temp;
    std::optional<AppProcess> process;
    HWND window = nullptr;
    std::map<std::string, HWND> controls;
};

std::string Describe(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " +
           std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
}

TEST_F(SetupWindow, FixedDialogFrameCentredWithTheCloseBoxOnly) {
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 477);
    EXPECT_EQ(client.bottom, 299);
    RECT frame;
    GetWindowRect(window, &frame);
    EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((frame.top + frame.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
    LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU) << "no close box";
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) << "resizable, or more boxes";
    EXPECT_TRUE(GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);

    // The program's taskbar entry: the application's window, of no size and captioned with the
    // title, owns the setup window. (Its icon, MAINICON, cannot be read from another process
    // under Wine: neither WM_GETICON nor the class icon crosses.)
    HWND owner = GetWindow(window, GW_OWNER);
    ASSERT_NE(owner, nullptr);
    EXPECT_EQ(WindowText(owner), L"Install");
    RECT ownerBounds;
    GetWindowRect(owner, &ownerBounds);
    EXPECT_TRUE(IsRectEmpty(&ownerBounds)) << Describe(ownerBounds);
}

TEST_F(SetupWindow, EveryControlAtItsPlaceUnderItsParent) {
    for (const LayoutRow& row : SetupLayout()) {
        HWND control = (*this)[row.name];
        EXPECT_EQ(ClassName(control), row.className) << row.name;
        RECT bounds = BoundsInParent(control);
        if (row.width < 0) {
            EXPECT_EQ(bounds.left, row.left) << row.name;
            EXPECT_EQ(bounds.top, row.top) << row.name;
            continue;
        }
        RECT expected{row.left, row.top, row.left + row.width, row.top + row.height};
        EXPECT_TRUE(EqualRect(&bounds, &expected))
            << row.name << " at " << Describe(bounds) << ", wanted " << Describe(expected);
    }
}

TEST_F(SetupWindow, TitleFitsItsTextInItsFont) {
    // Verdana 12 points bold; the text's extent plus four system border widths each way.
    SIZE extent = TextExtent("Verdana", -16, true, "Installation");
    RECT bounds = BoundsInParent((*this)["StaticText1"]);
    EXPECT_EQ(bounds.right - bounds.left, extent.cx + 4 * GetSystemMetrics(SM_CXBORDER));
    EXPECT_EQ(bounds.bottom - bounds.top, extent.cy + 4 * GetSystemMetrics(SM_CYBORDER));
}

TEST_F(SetupWindow, StylesForBordersAlignmentAndButtons) {
    struct StyleRow {
        const char* name;
        const char* what;
        bool holds;
    } rows[] = {
        {"Panel1", "sunken border", (ExStyle("Panel1") & WS_EX_CLIENTEDGE) != 0},
        {"Panel2", "sunken border", (ExStyle("Panel2") & WS_EX_CLIENTEDGE) != 0},
        {"Label3", "left, no word wrap", (Style("Label3") & SS_TYPEMASK) == SS_LEFTNOWORDWRAP},
        {"Label4", "left, no word wrap", (Style("Label4") & SS_TYPEMASK) == SS_LEFTNOWORDWRAP},
        {"Label1", "centred", (Style("Label1") & SS_TYPEMASK) == SS_CENTER},
        {"Label2", "centred", (Style("Label2") & SS_TYPEMASK) == SS_CENTER},
        {"ProgressBar1", "no tab stop", (Style("ProgressBar1") & WS_TABSTOP) == 0},
    };
    for (const StyleRow& row : rows) EXPECT_TRUE(row.holds) << row.name << ": " << row.what;
    for (const char* button : {"Button1", "Button2", "Button3", "Button4", "Button5", "Button6", "Button9"}) {
        EXPECT_EQ(Style(button) & BS_TYPEMASK, BS_PUSHBUTTON) << button << " is a default button";
        EXPECT_TRUE(Style(button) & WS_TABSTOP) << button;
    }
}

TEST_F(SetupWindow, WhiteBandsGreyPageAndLoweredBevelLines) {
    const std::uint32_t white = 0xFFFFFF;
    auto rgb = [](int index) {
        COLORREF c = GetSysColor(index);
        return static_cast<std::uint32_t>(GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c));
    };
    ScreenImage header = ClientPixels("Panel1");
    EXPECT_EQ(header.At(5, 5), white);
    EXPECT_EQ(header.At(header.width - 200, header.height - 2), white) << "below the title";

    ScreenImage bevel = ClientPixels("Bevel1");
    ASSERT_EQ(bevel.height, 10);
    for (int x = 0; x < bevel.width; ++x) {
        EXPECT_EQ(bevel.At(x, 0), rgb(COLOR_BTNFACE)) << "x " << x;
        EXPECT_EQ(bevel.At(x, 8), rgb(COLOR_BTNSHADOW)) << "x " << x;
        EXPECT_EQ(bevel.At(x, 9), rgb(COLOR_BTNHIGHLIGHT)) << "x " << x;
    }
    EXPECT_EQ(ClientPixels("InstallSheet1").At(2, 2), rgb(COLOR_BTNFACE));

    // The footer: white inside a raised one-pixel bevel, light from the top left.
    ScreenImage footer = ClientPixels("Panel2");
    const int right = footer.width - 1, bottom = footer.height - 1;
    EXPECT_EQ(footer.At(5, 5), white);
    EXPECT_EQ(footer.At(5, 0), rgb(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(footer.At(0, 5), rgb(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(footer.At(5, bottom), rgb(COLOR_BTNSHADOW));
    EXPECT_EQ(footer.At(right, 5), rgb(COLOR_BTNSHADOW));
}

// The committed banner as the system decodes it.
ScreenImage DecodeBanner() {
    platform::ComPtr<IPicture> picture;
    std::wstring path = std::wstring(L"" TEST_SOURCE_DIR) + L"\\res\\banner.jpg";
    OleLoadPicturePath(const_cast<wchar_t*>(path.c_str()), nullptr, 0, 0, IID_IPicture,
                       picture.put_void());
    ScreenImage image;
    if (!picture) return image;
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    picture->get_Width(&width);
    picture->get_Height(&height);
    image.width = 193;
    image.height = 98;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, image.width, image.height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    picture->Render(memory, 0, 0, image.width, image.height, 0, height, width, -height, nullptr);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            COLORREF c = GetPixel(memory, x, y);
            image.pixels.push_back(static_cast<std::uint32_t>(GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c)));
        }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return image;
}

TEST_F(SetupWindow, BannerUnscaledWithItsTopFiveRowsCutOff) {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    ScreenImage banner = DecodeBanner();
    CoUninitialize();
    ASSERT_EQ(banner.pixels.size(), 193u * 98u) << "the banner cannot be decoded";
    ScreenImage header = ClientPixels("Panel1");
    // The picture starts at 290, -5 in the band and runs past the band's right and bottom edges.
    int mismatches = 0, blue = 0;
    for (int y = 0; y < header.height; ++y)
        for (int x = 290; x < header.width; ++x) {
            std::uint32_t shown = header.At(x, y), drawn = banner.At(x - 290, y + 5);
            mismatches += shown != drawn;
            blue += (shown & 0xFF) > ((shown >> 16) & 0xFF) + 40;
        }
    EXPECT_EQ(mismatches, 0);
    EXPECT_GT(blue, 500) << "the band's dots do not show";
}

TEST_F(SetupWindow, PageTextShowsItsLinesInVerdanaTenPoints) {
    std::vector<TextLine> lines = TextLines(ClientPixels("Label3"));
    ASSERT_EQ(lines.size(), 4u) << "rows" << testing_support::Describe(lines);
    const int lineHeight = LineHeight("Verdana", -13, false);
    // Line 4 is the empty one. A line's top is its tallest letter's, which may differ by a
    // pixel from line to line; one line height more or less is what a wrong break would make.
    EXPECT_NEAR(lines[1].top - lines[0].top, lineHeight, 2);
    EXPECT_NEAR(lines[2].top - lines[1].top, lineHeight, 2);
    EXPECT_NEAR(lines[3].top - lines[2].top, 2 * lineHeight, 2);
}

}  // namespace
