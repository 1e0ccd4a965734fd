// The rectangle: two bars set the sides α (horizontal) and β (vertical), 1 to 10.
// Every quantity is 16-bit Integer arithmetic.
#include "rectangle.h"

namespace figures::rectangle {

using namespace rt;

const FormDesign& design() {
    static const FormDesign d{
        .name = "Formo",
        .caption = "ΣΧΗμάτιος: ΟΡΘΟΓΩΝΙΟ ΠΑΡΑΛΛΗΛΟΓΡΑΜΜΟ",
        .width = kFigureWidth,
        .height = kFigureHeight,
        .controls =
            {
                label("Label3(1)", 0, 0, 975, 255, 10, "ΠΛΕΥΡΕΣ:"),
                scrollBar("hsbpleyraa", 0, 360, 255, 3135, 0, 1, 10, 1)
                    .linked("α")
                    .spoken("ΠΛΕΥΡΑ α:"),
                scrollBar("hsbpleyrab", 360, 360, 255, 3135, 1, 1, 10, 1)
                    .linked("β")
                    .spoken("ΠΛΕΥΡΑ β:"),
                label("Label4", 720, 600, 375, 255, 8, "1"),
                label("Label5", 720, 3120, 375, 255, 9, "10"),
                label("Label3(0)", 120, 3840, 855, 255, 7, "ΠΛΕΥΡΑ α:"),
                textBox("txtpleyraa", 960, 3840, 735, 285, 2, "α").spoken("ΠΛΕΥΡΑ α:"),
                label("label6", 120, 4200, 855, 255, 11, "ΠΛΕΥΡΑ β:"),
                textBox("txtpleyrab", 960, 4200, 735, 285, 3, "β").spoken("ΠΛΕΥΡΑ β:"),
                label("Label1", 1920, 3840, 975, 255, 12, "ΠΕΡΙΜΕΤΡΟΣ:"),
                textBox("per", 3000, 3840, 855, 285, 4, "2·(α+β)").spoken("ΠΕΡΙΜΕΤΡΟΣ:"),
                label("Label2", 1920, 4200, 975, 255, 13, "ΕΜΒΑΔΟ:"),
                textBox("emb", 3000, 4200, 855, 285, 5, "α·β").spoken("ΕΜΒΑΔΟ:"),
                backButton("Command2", 6),
            },
        .figure = "Ορθογώνιο παραλληλόγραμμο"};
    return d;
}

Update DrawRectangle(int a, int b) {
    Update u;
    u.setText("txtpleyraa", Str(a));
    u.setText("txtpleyrab", Str(b));
    u.setText("emb", Str(mul16(b, a)));
    u.setText("per", Str(add16(mul16(2, b), mul16(2, a))));
    u.cls();
    // Α fixed at (1200, 3500), 300 twips a unit.
    const int right = add16(1200, mul16(300, a));
    const int top = sub16(3500, mul16(300, b));
    const int letterTop = sub16(3300, mul16(300, b));
    u.print(1200, 3500, "Α");
    u.line(1200, 3500, right, 3500);
    u.print(right, 3500, "Β");
    u.line(right, 3500, right, top);
    u.print(right, letterTop, "Γ");
    u.line(1200, 3500, 1200, top);
    u.print(1200, letterTop, "Δ");
    u.line(1200, top, right, top);
    u.describe(describeFigure(u, "Ορθογώνιο παραλληλόγραμμο",
                              {"πλευρές α " + std::to_string(a) + " και β " + std::to_string(b)}));
    return u;
}

// Where the design handles only the thumb drag, a Change runs the same handler.
Update hsbpleyraa_Scroll(const Controls& form) {
    return DrawRectangle(form);
}

Update hsbpleyrab_Scroll(const Controls& form) {
    return DrawRectangle(form);
}

Update DrawRectangle(const Controls& form) {
    return DrawRectangle(form.value("hsbpleyraa"), form.value("hsbpleyrab"));
}

Update Command2_Click(const Controls&) {
    return backToMenu("Formo");
}

const FormClass& Formo() {
    static const FormClass f{design(),
                             {
                                 {"hsbpleyraa", Event::Scroll, hsbpleyraa_Scroll},
                                 {"hsbpleyraa", Event::Change, hsbpleyraa_Scroll},
                                 {"hsbpleyrab", Event::Scroll, hsbpleyrab_Scroll},
                                 {"hsbpleyrab", Event::Change, hsbpleyrab_Scroll},
                                 {"Command2", Event::Click, Command2_Click},
                             }};
    return f;
}

} // namespace figures::rectangle
