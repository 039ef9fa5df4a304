#include "support/TextLines.h"

namespace testing_support {

std::vector<TextLine> TextLines(const ScreenImage& image) {
    std::vector<TextLine> lines;
    if (image.pixels.empty()) return lines;
    const std::uint32_t background = image.At(0, 0);
    bool inLine = false;
    for (int y = 0; y < image.height; ++y) {
        bool drawn = false;
        for (int x = 0; x < image.width && !drawn; ++x) drawn = image.At(x, y) != background;
        if (drawn && !inLine) lines.push_back({y, y});
        if (drawn) lines.back().bottom = y;
        inLine = drawn;
    }
    return lines;
}

std::string Describe(const std::vector<TextLine>& lines) {
    std::string text;
    for (const TextLine& line : lines)
        text += " " + std::to_string(line.top) + ".." + std::to_string(line.bottom);
    return text;
}

namespace {

template <class Measure>
void MeasureIn(const char* face, int height, bool bold, Measure measure) {
    HFONT font = CreateFontA(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                             DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             DEFAULT_QUALITY, DEFAULT_PITCH, face);
    HDC screen = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(screen, font);
    measure(screen);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    DeleteObject(font);
}

}  // namespace

int LineHeight(const char* face, int height, bool bold) {
    TEXTMETRICA metrics{};
    MeasureIn(face, height, bold, [&](HDC dc) { GetTextMetricsA(dc, &metrics); });
    return metrics.tmHeight;
}

SIZE TextExtent(const char* face, int height, bool bold, const std::string& text) {
    SIZE extent{};
    MeasureIn(face, height, bold, [&](HDC dc) {
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    });
    return extent;
}

}  // namespace testing_support
