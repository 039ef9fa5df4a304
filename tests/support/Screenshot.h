#pragma once
// What the screen shows: pixels of a screen rectangle, and PNG files of a window for the test
// artifacts. Windows are captured from the screen, so a window on top of another shows in its
// picture, as the user would see it.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace testing_support {

struct ScreenImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, rows top to bottom

    std::uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
};

// The pixels inside `screenRect` (screen coordinates).
ScreenImage CaptureScreen(const RECT& screenRect);

// The same, once two captures 50 ms apart agree (or the time is up): what the screen shows
// after the last paint has reached it.
ScreenImage CaptureSettledScreen(const RECT& screenRect, DWORD timeoutMs = 2000);

// Draws an icon at the given size onto a ground of one colour, as a static icon control does.
ScreenImage RenderIcon(HICON icon, int width, int height, std::uint32_t ground);

// Writes the image as a PNG file (WIC's encoder).
void SavePng(const ScreenImage& image, const std::string& path);

// Saves what the screen shows of the top-level window (its frame included) as a PNG file, once
// the window has painted.
void SaveWindowPng(HWND window, const std::string& path);

// The same into TEST_ARTIFACTS_DIR\<name>.png; returns the file's path.
std::string SaveScreenshot(HWND window, const std::string& name);

}  // namespace testing_support
