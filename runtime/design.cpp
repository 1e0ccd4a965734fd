#include "design.h"

#include <utility>

namespace rt {

ControlDesign ControlDesign::spoken(const char* name) && {
    accessibleName = name;
    return std::move(*this);
}

ControlDesign ControlDesign::reads(BarUnit u) && {
    unit = u;
    return std::move(*this);
}

ControlDesign control(ControlKind kind, const char* name, int left, int top, int width, int height,
                      int tabIndex) {
    return ControlDesign{.kind = kind,
                         .name = name,
                         .left = left,
                         .top = top,
                         .width = width,
                         .height = height,
                         .tabIndex = tabIndex};
}

ControlDesign label(const char* name, int left, int top, int width, int height, int tabIndex,
                    const char* caption) {
    ControlDesign c = control(ControlKind::Label, name, left, top, width, height, tabIndex);
    c.text = caption;
    return c;
}

ControlDesign textBox(const char* name, int left, int top, int width, int height, int tabIndex,
                      const char* text) {
    ControlDesign c = control(ControlKind::TextBox, name, left, top, width, height, tabIndex);
    c.text = text;
    return c;
}

ControlDesign scrollBar(const char* name, int left, int top, int width, int height, int tabIndex,
                        int min, int max, int value) {
    ControlDesign c = control(ControlKind::ScrollBar, name, left, top, width, height, tabIndex);
    c.min = min;
    c.max = max;
    c.value = value;
    return c;
}

ControlDesign button(const char* name, int left, int top, int width, int height, int tabIndex,
                     const char* picture, const char* toolTip) {
    ControlDesign c = control(ControlKind::Button, name, left, top, width, height, tabIndex);
    c.picture = picture;
    c.toolTip = toolTip;
    return c;
}

} // namespace rt
