#pragma once
// A form on Windows: one program-wide instance per form class, loaded from its stored
// design into a top-level window with standard controls (STATIC labels, read-only EDIT
// boxes, SCROLLBAR bars, owner-drawn picture BUTTONs) on Show, destroyed on Unload or by
// its close box. It turns the controls' messages into the designed Scroll, Change and
// Click, runs the handler its table names and carries out the update; it knows no window
// by name.
#include "formclass.h"
#include "interaction.h"
#include "link.h"
#include "picture.h"
#include "surface.h"
#include "update.h"

#include <string>
#include <vector>
#include <windows.h>

namespace win {

class Program;

class Form : private rt::Controls {
  public:
    Form(Program& program, const rt::FormClass& formClass);
    ~Form() override;

    const rt::FormDesign& design() const { return class_.design; }
    Program& program() const { return program_; }
    bool loaded() const { return hwnd_ != nullptr; }
    HWND hwnd() const { return hwnd_; }

    // Loads the form from its design if needed, shows and activates it; a form loaded in
    // place of another opens where that one stood.
    void show(Form* inPlaceOf = nullptr);
    // Shows the window a link names with its bars where the link sets them, and what that
    // state shows, as if they had been moved there by hand.
    void open(const app::Opening& opening);
    // The window's link at its bars' values now.
    std::string link() const;
    // Destroys the window and its controls; the instance stays for the next show.
    void unload();
    // Carries out an update in order; End stops it there.
    void apply(const rt::Update& update);
    // Takes the program's zoom (a maximised window keeps filling its screen).
    void applyZoom();

    // What the worksheet reads: the drawing, a box's text, the drawing's description.
    const std::vector<rt::Drawn>& drawing() const { return drawing_; }
    std::string boxText(std::string_view box) const;
    const std::string& description() const { return description_; }
    // Device pixels a design pixel, now.
    double scale() const { return scale_; }
    // The program's font at this window's scale.
    HFONT font() const;

    // The keys the message loop hands a window first, answered by the core; true when taken.
    bool key(const MSG& msg);

  private:
    struct Control {
        const rt::ControlDesign* design;
        HWND hwnd;
    };

    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM w, LPARAM l);
    LRESULT handle(UINT message, WPARAM w, LPARAM l);

    void load(Form* inPlaceOf);
    void layOut();
    Placement placement(int width, int height) const;
    void paint();
    double dpiScale() const;

    const Control* control(std::string_view name) const;
    const Control* control(HWND hwnd) const;
    void scrolled(HWND bar, int code);
    void moveBar(const Control& bar, int value, rt::Event event);
    void fire(const Control& control, rt::Event event);
    void rested();
    bool carryOut(const rt::Answer& answer);
    void writeBarValue(const Control& bar);

    // What a handler reads: the live bars.
    int value(std::string_view bar) const override;
    std::string_view decimalSeparator() const override;

    Program& program_;
    const rt::FormClass& class_;
    HWND hwnd_ = nullptr;
    std::vector<Control> controls_;
    std::vector<rt::Drawn> drawing_;
    std::string description_;
    HWND live_ = nullptr; // where the results are told, heard and not seen
    rt::Rest rest_;       // the boxes written anew since the bars last rested
    HWND restingBar_ = nullptr;
    HWND focus_ = nullptr;  // the control that had the focus when the window was left
    bool dragging_ = false; // a bar's thumb is held
    double zoom_ = 1;       // the zoom its normal size is at
    double scale_ = 1;
    POINT origin_{0, 0}; // where the design's top-left corner is shown
    HBRUSH back_ = nullptr, labels_ = nullptr;
};

} // namespace win
