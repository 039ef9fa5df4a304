// The setup window on a 144 dpi screen: the client area, every control and the fonts scale by
// dpi / 96; the bands still tile the client area exactly.
#include <gtest/gtest.h>

#include "support/Screenshot.h"
#include "support/SetupLayout.h"
#include "support/TempFolder.h"
#include "support/TextLines.h"
#include "support/UiDriver.h"
#include "support/WindowTree.h"

using namespace testing_support;

namespace {

int Scaled(int value) { return MulDiv(value, 144, 96); }

std::string Describe(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " +
           std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
}

TEST(HighDensity, LayoutAndFontsScaleByDpiOver96) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    ASSERT_EQ(dpi, 144) << "this test runs in the 144 dpi prefix";

    TempFolder temp;
    WriteTextFile(temp / "Marrowick\\Tessel_Moor\\Pellorin.exe", "app");
    CopyInstallExe(temp / "Install.exe");
    AppProcess process(temp / "Install.exe");
    HWND window = process.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitForIdle(window));

    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, Scaled(477));  // 716
    EXPECT_EQ(client.bottom, Scaled(299)); // 449

    std::string problem;
    std::map<std::string, HWND> controls = NameSetupControls(window, problem);
    ASSERT_FALSE(controls.empty()) << problem;

    // The bands: header and footer at their scaled heights, the page control between them.
    const int header = Scaled(91), footer = Scaled(19), inset = Scaled(4);
    const int pageHeight = client.bottom - header - footer;
    std::map<std::string, RECT> expected = {
        {"Panel1", {0, 0, client.right, header}},
        {"PageControl1", {0, header, client.right, header + pageHeight}},
        {"Panel2", {0, client.bottom - footer, client.right, client.bottom}},
    };
    for (const char* page : {"InstallSheet1", "InstallSheet3", "DeinstallSheet1", "DeinstallSheet3"})
        expected[page] = {inset, inset, client.right - inset, pageHeight - inset};
    for (const LayoutRow& row : SetupLayout()) {
        if (expected.count(row.name) || row.width < 0) continue;
        const int left = Scaled(row.left), top = Scaled(row.top);
        expected[row.name] = {left, top, left + Scaled(row.width), top + Scaled(row.height)};
    }
    for (const auto& [name, bounds] : expected) {
        RECT shown = BoundsInParent(controls.at(name));
        EXPECT_TRUE(EqualRect(&shown, &bounds))
            << name << " at " << Describe(shown) << ", wanted " << Describe(bounds);
    }

    // Fonts: the title's size follows Verdana bold at 12 points of this screen.
    SIZE extent = TextExtent("Verdana", Scaled(-16), true, "Installation");
    RECT title = BoundsInParent(controls.at("StaticText1"));
    EXPECT_EQ(title.left, Scaled(25));
    EXPECT_EQ(title.top, Scaled(33));
    EXPECT_EQ(title.right - title.left, extent.cx + 4 * GetSystemMetrics(SM_CXBORDER));
    EXPECT_EQ(title.bottom - title.top, extent.cy + 4 * GetSystemMetrics(SM_CYBORDER));

    SaveScreenshot(window, "window-install-144dpi");
    EXPECT_TRUE(CloseWithCloseBox(window));
    EXPECT_EQ(process.WaitForExit(), 0u);
}

}  // namespace
