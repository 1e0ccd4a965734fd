// The triangle, solved from two angles and the side between them: the angles Α and Γ
// in whole degrees and the base β = ΑΓ in whole units.
#include "triangle.h"

namespace figures::triangle {

using namespace rt;

const FormDesign& design() {
    static const FormDesign d{
        .name = "Formtri",
        .caption = "ΣΧΗμάτιος: ΤΡΙΓΩΝΟ",
        .width = kFigureWidth,
        .height = kFigureHeight,
        .controls =
            {
                scrollBar("hsbgoniaa", 0, 360, 255, 3135, 1, 1, 90, 1)
                    .linked("Α")
                    .reads(BarUnit::Degrees)
                    .spoken("ΓΩΝΙΑ Α:"),
                scrollBar("hsbgoniag", 360, 360, 255, 3135, 7, 1, 89, 1)
                    .linked("Γ")
                    .reads(BarUnit::Degrees)
                    .spoken("ΓΩΝΙΑ Γ:"),
                scrollBar("hsbpleurab", 720, 360, 255, 3135, 9, 1, 10, 1)
                    .linked("β")
                    .spoken("ΠΛΕΥΡΑ β:"),
                label("Label9", 120, 120, 255, 255, 20, "A"),
                label("Label10", 480, 120, 255, 255, 21, "Γ"),
                label("Label11", 840, 120, 375, 375, 22, "β"),
                label("Label3(0)", 0, 3600, 735, 255, 6, "ΓΩΝΙΑ Α:"),
                textBox("txtgoniaa", 840, 3600, 735, 285, 0, "Α").spoken("ΓΩΝΙΑ Α:"),
                label("label6", 0, 3960, 735, 255, 24, "ΓΩΝΙΑ Γ:"),
                textBox("txtgoniag", 840, 3960, 735, 285, 8, "Γ").spoken("ΓΩΝΙΑ Γ:"),
                label("Label4", 0, 4320, 855, 255, 11, "ΠΛΕΥΡΑ β:"),
                textBox("txtpleurab", 840, 4320, 735, 405, 10, "β").spoken("ΠΛΕΥΡΑ β:"),
                label("Labe7", 1680, 3600, 735, 255, 17, "ΓΩΝΙΑ Β:"),
                textBox("txtgoniab", 2400, 3600, 735, 285, 16, "Β").spoken("ΓΩΝΙΑ Β:"),
                label("Label7", 1680, 3960, 735, 255, 18, "ΠΛΕΥ. α:"),
                textBox("txtpleuraa", 2400, 3960, 735, 285, 15, "α").spoken("ΠΛΕΥΡΑ α:"),
                label("Label8", 1680, 4320, 735, 255, 19, "ΠΛΕΥ. γ:"),
                textBox("txtpleurag", 2400, 4320, 735, 285, 14, "γ").spoken("ΠΛΕΥΡΑ γ:"),
                label("Label5", 3240, 3600, 735, 255, 13, "ΥΨΟΣ h:"),
                textBox("txtk", 4200, 3600, 735, 285, 12, "h").spoken("ΥΨΟΣ h:"),
                label("Label1", 3240, 3960, 975, 255, 2, "ΠΕΡΙΜΕΤΡΟΣ:"),
                textBox("per", 4200, 3960, 735, 285, 3, "(α+β+γ)").spoken("ΠΕΡΙΜΕΤΡΟΣ:"),
                label("Label2", 3360, 4320, 735, 255, 4, "ΕΜΒΑΔΟ:"),
                textBox("emb", 4200, 4320, 735, 285, 5, "β·h/2").spoken("ΕΜΒΑΔΟ:"),
                backButton("Command1", 23),
            },
        .figure = "Τρίγωνο"};
    return d;
}

Solution solve(const Bars& bars) {
    const double pi = kPi;
    Solution s{};
    s.ar = ((2 * pi) * bars.A) / 360;
    s.gr = ((2 * pi) * bars.G) / 360;
    s.ta = std::tan(s.ar);
    s.tg = std::tan(s.gr);
    // The foot of the height, measured from Α. Taking it as β - (t_a β) / (t_g + t_a)
    // cancels catastrophically when Α nears 90° (t_a ~ 6e14) and zeroes the right
    // triangle; this is the same quantity without the subtraction.
    s.da = checkedDouble((s.tg * bars.b) / (s.tg + s.ta));
    s.h = s.da * s.ta;
    s.B = sub16(180, add16(bars.G, bars.A));
    return s;
}

Update RefreshFigure(const Bars& bars) {
    Update u;
    u.setText("txtgoniaa", degrees(bars.A));
    u.setText("txtgoniag", degrees(bars.G));
    u.setText("txtpleurab", Str(bars.b));
    DrawTriangle(bars, u);
    return u;
}

void DrawTriangle(const Bars& bars, Update& u) {
    const Solution s = solve(bars);
    const int b = bars.b;
    const double h = s.h;
    u.setText("txtgoniab", degrees(s.B));
    u.setText("txtk", Str(h));
    u.setText("txtpleurag", Str(h / std::sin(s.ar)));
    u.setText("txtpleuraa", Str(h / std::sin(s.gr)));
    u.setText("per", Str((h / std::sin(s.ar) + h / std::sin(s.gr)) + b));
    u.setText("emb", Str((b * 0.5) * h));

    // Α at (1200, 3500), Γ on the same line, 300 twips a unit; Β above the base.
    const int Gx = add16(mul16(b, 300), 1200);
    const double Bx = 1200 + s.da * 300;
    const double By = 3500 - h * 300;
    u.cls();
    u.line(1200, 3500, Bx, By);
    u.print(1000, 3400, "A");
    u.line(1200, 3500, Gx, 3500);
    u.print(add16(Gx, 100), 3400, "Γ");
    u.line(Gx, 3500, Bx, By);
    u.print(Bx + 100, By - 200, "Β");
    u.describe(describeFigure(
        u, "Τρίγωνο",
        {"γωνίες Α " + std::to_string(bars.A) + "° και Γ " + std::to_string(bars.G) + "°",
         "πλευρά β " + std::to_string(b)}));
}

Update RefreshFigure(const Controls& form) {
    return RefreshFigure(
        {form.value("hsbgoniaa"), form.value("hsbgoniag"), form.value("hsbpleurab")});
}

// Where the design handles only the thumb drag, a Change runs the same handler.
Update hsbgoniaa_Scroll(const Controls& form) {
    return RefreshFigure(form);
}
Update hsbgoniag_Scroll(const Controls& form) {
    return RefreshFigure(form);
}
Update hsbpleurab_Scroll(const Controls& form) {
    return RefreshFigure(form);
}

Update Command1_Click(const Controls&) {
    return backToMenu("Formtri");
}

const FormClass& Formtri() {
    static const FormClass f{design(),
                             {
                                 {"hsbgoniaa", Event::Scroll, hsbgoniaa_Scroll},
                                 {"hsbgoniaa", Event::Change, hsbgoniaa_Scroll},
                                 {"hsbgoniag", Event::Scroll, hsbgoniag_Scroll},
                                 {"hsbgoniag", Event::Change, hsbgoniag_Scroll},
                                 {"hsbpleurab", Event::Scroll, hsbpleurab_Scroll},
                                 {"hsbpleurab", Event::Change, hsbpleurab_Scroll},
                                 {"Command1", Event::Click, Command1_Click},
                             }};
    return f;
}

} // namespace figures::triangle
