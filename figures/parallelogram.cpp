// The oblique parallelogram: bars set the sides α and β (1 to 10) and the angle φ at Α
// (0 to 93 degrees).
#include "parallelogram.h"

namespace figures::parallelogram {

using namespace rt;

const FormDesign& design() {
    static const FormDesign d{
        .name = "Formparal",
        .caption = "ΣΧΗμάτιος: ΠΛΑΓΙΟ ΠΑΡΑΛΛΗΛΟΓΡΑΜΜΟ",
        .width = kFigureWidth,
        .height = kFigureHeight,
        .controls =
            {
                label("Label111", 120, 0, 255, 255, 9, "α"),
                label("Label9", 480, 0, 255, 255, 10, "β"),
                label("Label10", 840, 0, 255, 255, 11, "φ"),
                scrollBar("hsbpleurac", 0, 240, 255, 3135, 0, 1, 10, 1)
                    .linked("α")
                    .spoken("ΠΛΕΥΡΑ α:"),
                scrollBar("hsbpleurad", 360, 240, 255, 3135, 1, 1, 10, 1)
                    .linked("β")
                    .spoken("ΠΛΕΥΡΑ β:"),
                scrollBar("hsbgonia1", 720, 240, 255, 3135, 2, 0, 93, 0)
                    .linked("φ")
                    .reads(BarUnit::Degrees)
                    .spoken("ΓΩΝΙΑ Α:"),
                label("Label3(0)", 0, 3840, 855, 255, 12, "ΠΛΕΥΡΑ α:"),
                textBox("txtpleyrac", 840, 3840, 735, 285, 3, "α").spoken("ΠΛΕΥΡΑ α:"),
                label("label6", 0, 4200, 855, 255, 13, "ΠΛΕΥΡΑ β:"),
                textBox("txtpleyrad", 840, 4200, 735, 285, 4, "β").spoken("ΠΛΕΥΡΑ β:"),
                label("Label11", 1680, 3840, 735, 255, 14, "ΓΩΝΙΑ Α:"),
                textBox("txtgon", 2400, 3840, 855, 285, 5, "φ").spoken("ΓΩΝΙΑ Α:"),
                label("Label4", 1800, 4200, 615, 255, 15, "ΥΨΟΣ:"),
                textBox("txth", 2400, 4200, 855, 285, 6, "h").spoken("ΥΨΟΣ:"),
                label("Label1", 3480, 3840, 615, 255, 16, "ΠΕΡΙΜ.:"),
                textBox("txtper", 4080, 3840, 855, 285, 7, "2·(α+β)").spoken("ΠΕΡΙΜΕΤΡΟΣ:"),
                label("Label2", 3360, 4200, 735, 255, 17, "ΕΜΒΑΔΟ:"),
                textBox("emb", 4080, 4200, 855, 285, 8, "α·h").spoken("ΕΜΒΑΔΟ:"),
                backButton("Command2", 18),
            },
        .figure = "Πλάγιο παραλληλόγραμμο"};
    return d;
}

Update RefreshFigure(const Bars& bars) {
    Update u;
    u.setText("txtpleyrac", Str(bars.a));
    u.setText("txtpleyrad", Str(bars.b));
    u.setText("txtgon", degrees(bars.phi));
    DrawParallelogram(bars, u);
    return u;
}

void DrawParallelogram(const Bars& bars, Update& u) {
    const double pi = kPi;
    const int a = bars.a, b = bars.b, phi = bars.phi;
    const double x = ((2 * pi) * phi) / 360;
    const double h = b * std::sin(x);
    u.setText("txth", Str(h));
    const double E = a * h;
    u.setText("emb", Str(E));
    const int P = mul16(2, add16(a, b));
    u.setText("txtper", Str(P));

    // Α at (1500, 3500), 330 twips a unit.
    const int sa = mul16(330, a);
    const int sb = mul16(330, b);
    const double Ax = 1500, Ay = 3500;
    const double Bx = add16(1500, sa), By = 3500;
    const double Gx = add16(1500, sa) + sb * std::cos(x), Gy = 3500 - sb * std::sin(x);
    const double Dx = 1500 + sb * std::cos(x), Dy = 3500 - sb * std::sin(x);

    u.cls();
    u.print(Ax - 50, Ay + 50, "Α");
    u.line(Ax, Ay, Bx, By);
    u.print(Bx + 50, 3500 + 50, "Β");
    u.line(Bx, By, Gx, Gy);
    u.print(Gx - 50, Gy - 200, "Γ");
    u.line(Gx, Gy, Dx, Dy);
    u.print(Dx - 50, Dy - 200, "Δ");
    u.line(Dx, Dy, Ax, Ay);
    u.describe(describeFigure(u, "Πλάγιο παραλληλόγραμμο",
                              {"πλευρές α " + std::to_string(a) + " και β " + std::to_string(b),
                               "γωνία Α " + std::to_string(phi) + "°"}));
}

Update RefreshFigure(const Controls& form) {
    return RefreshFigure(
        {form.value("hsbpleurac"), form.value("hsbpleurad"), form.value("hsbgonia1")});
}

// Where the design handles only the thumb drag, a Change runs the same handler.
Update hsbpleurac_Scroll(const Controls& form) {
    return RefreshFigure(form);
}
Update hsbpleurad_Scroll(const Controls& form) {
    return RefreshFigure(form);
}
Update hsbgonia1_Scroll(const Controls& form) {
    return RefreshFigure(form);
}

Update Command2_Click(const Controls&) {
    return backToMenu("Formparal");
}

const FormClass& Formparal() {
    static const FormClass f{design(),
                             {
                                 {"hsbpleurac", Event::Scroll, hsbpleurac_Scroll},
                                 {"hsbpleurac", Event::Change, hsbpleurac_Scroll},
                                 {"hsbpleurad", Event::Scroll, hsbpleurad_Scroll},
                                 {"hsbpleurad", Event::Change, hsbpleurad_Scroll},
                                 {"hsbgonia1", Event::Scroll, hsbgonia1_Scroll},
                                 {"hsbgonia1", Event::Change, hsbgonia1_Scroll},
                                 {"Command2", Event::Click, Command2_Click},
                             }};
    return f;
}

} // namespace figures::parallelogram
