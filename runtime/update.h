#pragma once
// What one run of a window's update does, as data: the text boxes it writes, the
// surface operations it performs and the beeps and windows it asks for, in order.
// A figure's computation builds an Update from its bar values without touching any
// widget; the form then carries it out (Form::apply). Tests read it directly.
#include <cstdint>
#include <string>
#include <vector>

namespace rt {

// 24-bit colours as 0xRRGGBB.
inline constexpr std::uint32_t kWhite = 0xFFFFFF;     // QBColor(15) and RGB(255, 255, 255)
inline constexpr std::uint32_t kBlue = 0x0000FF;      // &H00FF0000&
inline constexpr std::uint32_t kLightGrey = 0xE0E0E0; // &H00E0E0E0&

struct Step {
    enum Kind { SetText, Cls, Line, Circle, Print, Beep, Show };
    Kind kind;
    std::string name; // the text box for SetText, the form for Show
    std::string text; // the box's new text for SetText, the printed text for Print
    // Line: (x1, y1)-(x2, y2); Circle: centre (x1, y1), radius x2; Print: CurrentX, CurrentY.
    // Coordinates are twips handed over as single precision.
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::uint32_t colour = 0;
};

class Update {
  public:
    void setText(std::string box, std::string text);
    void cls();
    void line(double x1, double y1, double x2, double y2, std::uint32_t colour = kWhite);
    void circle(double x, double y, double radius, std::uint32_t colour = kWhite);
    // CurrentX = x, CurrentY = y, then Print text.
    void print(double x, double y, std::string text);
    void beep();
    void show(std::string form);

    const std::vector<Step>& steps() const { return steps_; }
    // The last text written to a box, or nullptr when the update leaves it alone.
    const std::string* textOf(const std::string& box) const;

  private:
    std::vector<Step> steps_;
};

} // namespace rt
