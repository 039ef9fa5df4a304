#pragma once
// Lines of text as they show in a picture of a control: the runs of rows that hold any pixel
// other than the background (the top-left pixel). Capitals only keep one run per line: the dot
// of an "i" would make a run of its own.
#include <windows.h>

#include <string>
#include <vector>

#include "support/Screenshot.h"

namespace testing_support {

struct TextLine {
    int top = 0;
    int bottom = 0;  // the last row, inclusive
};

std::vector<TextLine> TextLines(const ScreenImage& image);
std::string Describe(const std::vector<TextLine>& lines);  // " 3..11 18..26", for messages

// The height of a line of text in this font (tmHeight), and the extent of a text in it, as the
// system measures them on the screen.
int LineHeight(const char* face, int height, bool bold);
SIZE TextExtent(const char* face, int height, bool bold, const std::string& text);

}  // namespace testing_support
