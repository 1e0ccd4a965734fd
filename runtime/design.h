#pragma once
// The stored design of a window: its caption, client size and colours, and one entry
// per control, in twips (1/1440 inch) exactly as the design reads.
#include "update.h"

#include <cstdint>
#include <string>
#include <vector>

namespace rt {

enum class ControlKind { Label, TextBox, ScrollBar, Button };

// The units a bar's value stands for, as its box shows them: whole units ("7"), whole
// degrees ("45°"), hundredths of a unit ("100.00") or of a degree ("0.02°").
enum class BarUnit { Whole, Degrees, Hundredths, HundredthDegrees };

struct ControlDesign {
    ControlKind kind = ControlKind::Label;
    std::string name{}; // the widget's objectName: "hsbpleyra", "Label3(1)"
    int left = 0, top = 0, width = 0, height = 0;
    int tabIndex = 0;
    std::string text{};              // caption of a label, stored text of a text box
    int min = 0, max = 0, value = 0; // scroll bars; SmallChange and LargeChange are 1
    BarUnit unit = BarUnit::Whole;   // scroll bars
    std::string picture{};           // button picture: a file name, "back.bmp"
    std::string toolTip{};
    std::string accessibleName{}; // what a screen reader says for a bar, box or button
    std::uint32_t backColor = kBlue;
    std::uint32_t foreColor = kLightGrey;

    // Names the control for assistive technology.
    ControlDesign spoken(std::string name) && {
        accessibleName = std::move(name);
        return std::move(*this);
    }
    // Says what a bar's value stands for.
    ControlDesign reads(BarUnit u) && {
        unit = u;
        return std::move(*this);
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
inline constexpr const char* kLongBarHint =
    "Ctrl με τα βέλη ή με Page Up και Page Down: ένα δέκατο της κλίμακας";
// The step a bar's value moves in, in the units its box shows.
inline double unitStep(BarUnit unit) {
    return unit == BarUnit::Hundredths || unit == BarUnit::HundredthDegrees ? 0.01 : 1;
}

// What a window is to the user: one of the windows worked in (the menu, a figure), a
// small window opened beside it (the credits), or a notice that asks for attention.
enum class FormKind { Main, Dialog, Alert };

struct FormDesign {
    std::string name{};
    std::string caption{};
    int width = 0, height = 0; // client area
    std::uint32_t backColor = kBlue;
    std::uint32_t foreColor = kLightGrey;
    bool foreIsHighlightedText = false; // the system's highlighted-text colour
    FormKind kind = FormKind::Main;
    std::vector<ControlDesign> controls{};
};

inline ControlDesign control(ControlKind kind, std::string name, int left, int top, int width,
                             int height, int tabIndex) {
    ControlDesign c{.kind = kind,
                    .name = std::move(name),
                    .left = left,
                    .top = top,
                    .width = width,
                    .height = height,
                    .tabIndex = tabIndex};
    return c;
}

inline ControlDesign label(std::string name, int left, int top, int width, int height, int tabIndex,
                           std::string caption) {
    ControlDesign c =
        control(ControlKind::Label, std::move(name), left, top, width, height, tabIndex);
    c.text = std::move(caption);
    return c;
}

inline ControlDesign textBox(std::string name, int left, int top, int width, int height,
                             int tabIndex, std::string text) {
    ControlDesign c =
        control(ControlKind::TextBox, std::move(name), left, top, width, height, tabIndex);
    c.text = std::move(text);
    return c;
}

inline ControlDesign scrollBar(std::string name, int left, int top, int width, int height,
                               int tabIndex, int min, int max, int value) {
    ControlDesign c =
        control(ControlKind::ScrollBar, std::move(name), left, top, width, height, tabIndex);
    c.min = min;
    c.max = max;
    c.value = value;
    return c;
}

inline ControlDesign button(std::string name, int left, int top, int width, int height,
                            int tabIndex, std::string picture, std::string toolTip = {}) {
    ControlDesign c =
        control(ControlKind::Button, std::move(name), left, top, width, height, tabIndex);
    c.picture = std::move(picture);
    c.toolTip = std::move(toolTip);
    return c;
}

// The back picture shared by every window but the menu.
inline const char* const kBackPicture = "back.bmp";

// Twips to logical pixels: 15 twips a pixel at 96 DPI.
inline constexpr int kTwipsPerPixel = 15;
inline int pixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

} // namespace rt
