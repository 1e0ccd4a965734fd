#pragma once
// What one run of a window's update does, as data: the text boxes it writes, the
// surface operations it performs and the beeps and windows it asks for, in order.
// A figure's computation builds an Update from its bar values without touching any
// widget; a forms runtime then carries it out. Tests read it directly.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace rt {

// 24-bit colours as 0xRRGGBB.
inline constexpr std::uint32_t kWhite = 0xFFFFFF;     // QBColor(15) and RGB(255, 255, 255)
inline constexpr std::uint32_t kBlue = 0x0000FF;      // &H00FF0000&
inline constexpr std::uint32_t kLightGrey = 0xE0E0E0; // &H00E0E0E0&

struct Step {
    enum Kind { SetText, Cls, Line, Circle, Print, Describe, Beep, Show, Unload, End };
    static constexpr const char* kKindNames[] = {"SetText",  "Cls",  "Line", "Circle", "Print",
                                                 "Describe", "Beep", "Show", "Unload", "End"};
    Kind kind;
    std::string name; // the text box for SetText, the form for Show and Unload
    // The box's new text for SetText, the printed text for Print, the figure in words for
    // Describe, and for Show the form in whose place the shown one opens (empty: anywhere).
    std::string text;
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
    // What the drawing shows, in words, for a screen reader: drawn nowhere.
    void describe(std::string text);
    void beep();
    // Show the form: load it if needed, show and activate it. A form newly loaded in
    // place of another opens where that one stands.
    void show(std::string form, std::string inPlaceOf = {});
    // Unload the form: its window and controls go, the instance stays.
    void unload(std::string form);
    // End the program at once; nothing after it is carried out.
    void end();
    // Appends another update's steps, or one step as it is.
    void append(const Update& other);
    void append(Step step) { steps_.push_back(std::move(step)); }

    const std::vector<Step>& steps() const { return steps_; }
    // The last text written to a box, or nullptr when the update leaves it alone.
    const std::string* textOf(const std::string& box) const;

  private:
    std::vector<Step> steps_;
};

} // namespace rt
