#pragma once
// The vocabulary of a form's layout table: one row per control with its parent, position, size
// and settings, in pixels of a 96 dpi screen. The form scales every number by dpi / 96 where it
// builds the windows, so the table itself stays in the units the design was drawn in.
#include <cstdint>

namespace forms {

class TControl;
class TCustomControl;

struct FontSpec {
    const char* face;
    int height;  // pixels at 96 dpi; negative: the character height, as CreateFont takes it
    bool bold;
};

// Bands: Top and Bottom take the form's full width at their row's height, stacked from the
// edge; Client takes what the bands leave. Only for controls placed directly on the form.
enum class Align : std::uint8_t { None, Top, Bottom, Client };

struct Settings {
    enum : std::uint32_t {
        WhiteFlag = 1,         // white background instead of the parent's colour
        SunkenBorderFlag = 2,  // a single border drawn as a sunken 3-D edge
        RaisedBevelFlag = 4,   // a raised bevel one pixel wide inside the border
        CentredFlag = 8,       // text centred instead of left-aligned
        HiddenFlag = 16,       // created invisible
    };
    Align align = Align::None;
    std::uint32_t flags = 0;
    const FontSpec* font = nullptr;   // nullptr: the form's font
    const char* picture = nullptr;    // an RCDATA resource holding an image file

    bool Has(std::uint32_t flag) const { return (flags & flag) != 0; }
};

// Settings combine with "|": flags add up, a later align, font or picture wins.
constexpr Settings operator|(Settings a, Settings b) {
    return {b.align != Align::None ? b.align : a.align, a.flags | b.flags,
            b.font ? b.font : a.font, b.picture ? b.picture : a.picture};
}

inline constexpr Settings AlignTop{Align::Top};
inline constexpr Settings AlignBottom{Align::Bottom};
inline constexpr Settings AlignClient{Align::Client};
inline constexpr Settings White{Align::None, Settings::WhiteFlag};
inline constexpr Settings SunkenBorder{Align::None, Settings::SunkenBorderFlag};
inline constexpr Settings RaisedBevel{Align::None, Settings::RaisedBevelFlag};
inline constexpr Settings Centred{Align::None, Settings::CentredFlag};
inline constexpr Settings Hidden{Align::None, Settings::HiddenFlag};
constexpr Settings Font(const FontSpec& font) { return {Align::None, 0, &font, nullptr}; }
constexpr Settings Picture(const char* resource) { return {Align::None, 0, nullptr, resource}; }

struct ControlRow {
    TControl& control;       // its kind is its class
    TCustomControl* parent;  // nullptr: the form itself
    int left, top, width, height;
    Settings settings;
};

}  // namespace forms
