#pragma once
// The stored design of a window: its caption, client size and colours, and one entry
// per control, in twips (1/1440 inch) exactly as the design reads.
#include "update.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rt {

enum class ControlKind { Label, TextBox, ScrollBar, Button };
// Each enum's names, in its order, for every runtime that hands designs on as text.
inline constexpr const char* kControlKindNames[] = {"label", "textbox", "scrollbar", "button"};
inline const char* name(ControlKind kind) {
    return kControlKindNames[static_cast<int>(kind)];
}

// The units a bar's value stands for, as its box shows them: whole units ("7"), whole
// degrees ("45°"), hundredths of a unit ("100.00") or of a degree ("0.02°").
enum class BarUnit { Whole, Degrees, Hundredths, HundredthDegrees };
inline constexpr const char* kBarUnitNames[] = {"whole", "degrees", "hundredths",
                                                "hundredthDegrees"};
inline const char* name(BarUnit unit) {
    return kBarUnitNames[static_cast<int>(unit)];
}

// The design's texts are the program's own constants: views of string literals, so that
// a design is data and costs no code to build.
struct ControlDesign {
    ControlKind kind = ControlKind::Label;
    std::string_view name{}; // the widget's objectName: "hsbpleyra", "Label3(1)"
    int left = 0, top = 0, width = 0, height = 0;
    int tabIndex = 0;
    std::string_view text{};         // caption of a label, stored text of a text box
    int min = 0, max = 0, value = 0; // scroll bars; SmallChange and LargeChange are 1
    BarUnit unit = BarUnit::Whole;   // scroll bars
    std::string_view picture{};      // button picture: a file name, "back.bmp"
    std::string_view toolTip{};
    std::string_view accessibleName{}; // what a screen reader says for a bar, box or button
    std::string_view linkName{};       // a bar's letter in a link to its window: "α"
    std::uint32_t backColor = kBlue;
    std::uint32_t foreColor = kLightGrey;

    // Names the control for assistive technology.
    constexpr ControlDesign spoken(std::string_view spokenName) const {
        ControlDesign c = *this;
        c.accessibleName = spokenName;
        return c;
    }
    // Names a bar in a link to its window, by the letter the window labels it with.
    constexpr ControlDesign linked(std::string_view letter) const {
        ControlDesign c = *this;
        c.linkName = letter;
        return c;
    }
    // Says what a bar's value stands for.
    constexpr ControlDesign reads(BarUnit u) const {
        ControlDesign c = *this;
        c.unit = u;
        return c;
    }
};

// Ctrl with the arrows or Page Up/Down moves a bar by a tenth of its range, in whole steps;
// a bar of more than 100 steps says so to a screen reader.
inline int tenthOfRange(int min, int max) {
    const int tenth = (max - min + 5) / 10;
    return tenth < 1 ? 1 : tenth;
}
inline bool isLongBar(int min, int max) {
    return max - min > 100;
}
// The step a bar's value moves in, in the units its box shows.
inline double unitStep(BarUnit unit) {
    return unit == BarUnit::Hundredths || unit == BarUnit::HundredthDegrees ? 0.01 : 1;
}

// What a window is to the user: one of the windows worked in (the menu, a figure), a
// small window opened beside it (the credits), or a notice that asks for attention.
enum class FormKind { Main, Dialog, Alert };
inline constexpr const char* kFormKindNames[] = {"main", "dialog", "alert"};
inline const char* name(FormKind kind) {
    return kFormKindNames[static_cast<int>(kind)];
}

struct FormDesign {
    std::string_view name{};
    std::string_view caption{};
    int width = 0, height = 0; // client area
    std::uint32_t backColor = kBlue;
    std::uint32_t foreColor = kLightGrey;
    bool foreIsHighlightedText = false; // the system's highlighted-text colour
    FormKind kind = FormKind::Main;
    std::vector<ControlDesign> controls{};
    // A figure window's figure, as a screen reader names it: "Τετράγωνο".
    std::string_view figure{};
};

// The design's controls, one call each.
constexpr ControlDesign control(ControlKind kind, std::string_view name, int left, int top,
                                int width, int height, int tabIndex) {
    return ControlDesign{.kind = kind,
                         .name = name,
                         .left = left,
                         .top = top,
                         .width = width,
                         .height = height,
                         .tabIndex = tabIndex};
}
constexpr ControlDesign label(std::string_view name, int left, int top, int width, int height,
                              int tabIndex, std::string_view caption) {
    ControlDesign c = control(ControlKind::Label, name, left, top, width, height, tabIndex);
    c.text = caption;
    return c;
}
constexpr ControlDesign textBox(std::string_view name, int left, int top, int width, int height,
                                int tabIndex, std::string_view text) {
    ControlDesign c = control(ControlKind::TextBox, name, left, top, width, height, tabIndex);
    c.text = text;
    return c;
}
constexpr ControlDesign scrollBar(std::string_view name, int left, int top, int width, int height,
                                  int tabIndex, int min, int max, int value) {
    ControlDesign c = control(ControlKind::ScrollBar, name, left, top, width, height, tabIndex);
    c.min = min;
    c.max = max;
    c.value = value;
    return c;
}
constexpr ControlDesign button(std::string_view name, int left, int top, int width, int height,
                               int tabIndex, std::string_view picture,
                               std::string_view toolTip = {}) {
    ControlDesign c = control(ControlKind::Button, name, left, top, width, height, tabIndex);
    c.picture = picture;
    c.toolTip = toolTip;
    return c;
}

// The back picture shared by every window but the menu.
inline constexpr std::string_view kBackPicture = "back.bmp";

// The zooms a window of a desktop edition is shown at, in logical pixels a design pixel:
// from the design's own size up to a projector's. (The page fits the window being worked
// to the browser's viewport and zooms about that.)
inline constexpr double kZoomSteps[] = {1, 1.25, 1.5, 2, 2.5, 3, 4};

// Twips to logical pixels: 15 twips a pixel at 96 DPI.
inline constexpr int kTwipsPerPixel = 15;
inline int pixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

} // namespace rt
