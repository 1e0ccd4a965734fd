// The trapezium with horizontal bases: the base angles Α and Β, the lower base α and
// the upper base γ fix it. An upper base not shorter than the lower one is refused
// with a beep and the notice window.
#include "trapezium.h"

namespace figures::trapezium {

using namespace rt;

const FormDesign& design() {
    static const FormDesign d{
        .name = "Formtra",
        .caption = "ΣΧΗμάτιος: ΤΡΑΠΕΖΙΟ",
        .width = kFigureWidth,
        .height = kFigureHeight,
        .controls =
            {
                label("Label9", 120, 120, 255, 255, 14, "A"),
                label("Label27", 480, 120, 255, 255, 15, "Β"),
                label("Label12", 840, 120, 375, 375, 16, "α"),
                label("label24", 1200, 120, 255, 255, 17, "γ"),
                scrollBar("hsbgoniaa", 0, 360, 255, 3135, 0, 1, 100, 1)
                    .linked("Α")
                    .reads(BarUnit::Degrees)
                    .spoken("ΓΩΝΙΑ Α:"),
                scrollBar("hsbgoniab", 360, 360, 255, 3135, 1, 1, 79, 1)
                    .linked("Β")
                    .reads(BarUnit::Degrees)
                    .spoken("ΓΩΝΙΑ Β:"),
                scrollBar("hsbpleuraa", 720, 360, 255, 3135, 2, 1, 10, 1)
                    .linked("α")
                    .spoken("ΠΛΕΥΡΑ α:"),
                scrollBar("hsbpleurag", 1080, 360, 255, 3135, 3, 0, 9, 0)
                    .linked("γ")
                    .spoken("ΠΛΕΥΡΑ γ:"),
                label("Label3(0)", 0, 3600, 855, 255, 18, "ΓΩΝΙΑ Α:"),
                textBox("txtgoniaa", 840, 3600, 495, 285, 4, "Α").spoken("ΓΩΝΙΑ Α:"),
                label("Labe7", 0, 3960, 735, 255, 19, "ΓΩΝΙΑ Β:"),
                textBox("txtgoniab", 840, 3960, 495, 285, 5, "Β").spoken("ΓΩΝΙΑ Β:"),
                label("Label7", 0, 4320, 855, 255, 20, "ΠΛΕΥΡΑ α:"),
                textBox("txtpleuraa", 840, 4320, 495, 285, 6, "α").spoken("ΠΛΕΥΡΑ α:"),
                label("Label4", 1440, 3600, 735, 255, 21, "ΠΛΕΥ. β:"),
                textBox("txtpleurab", 2160, 3600, 735, 285, 7, "β").spoken("ΠΛΕΥΡΑ β:"),
                label("label6", 1440, 3960, 735, 255, 22, "ΓΩΝΙΑ Δ:"),
                textBox("txtgoniad", 2160, 3960, 735, 285, 8, "Δ").spoken("ΓΩΝΙΑ Δ:"),
                label("Label8", 1440, 4320, 735, 255, 23, "ΠΛΕΥ. γ:"),
                textBox("txtpleurag", 2160, 4320, 735, 285, 9, "γ").spoken("ΠΛΕΥΡΑ γ:"),
                label("Label13", 3000, 3600, 735, 255, 24, "ΠΛΕΥ. δ:"),
                textBox("txtpleurad", 3720, 3600, 735, 285, 10, "δ").spoken("ΠΛΕΥΡΑ δ:"),
                label("Label5", 3000, 3960, 735, 255, 25, "ΥΨΟΣ h:"),
                textBox("txtyphsos", 3720, 3960, 735, 285, 11, "h").spoken("ΥΨΟΣ h:"),
                label("Label1", 3000, 4320, 615, 255, 26, "ΠΕΡΙΜ.:"),
                textBox("per", 3720, 4320, 735, 285, 12, "α+β+γ+δ").spoken("ΠΕΡΙΜΕΤΡΟΣ:"),
                label("Label2", 4560, 3600, 615, 255, 27, "ΕΜΒΑ.:"),
                textBox("emb", 5040, 3600, 975, 285, 13, "(β+α)·h/2").spoken("ΕΜΒΑΔΟ:"),
                backButton("Command1", 28),
            },
        .figure = "Τραπέζιο"};
    return d;
}

Solution solve(const Bars& bars) {
    const double pi = kPi;
    const double rA = ((2 * pi) * bars.A) / 360;
    const double rB = ((2 * pi) * bars.B) / 360;
    const int a = bars.a, g = bars.g;
    Solution x{};
    x.D = sub16(180, bars.A);
    x.s = ((std::tan(rB) * a) - (std::tan(rB) * g)) / (std::tan(rA) + std::tan(rB));
    x.t = (a - x.s) - g;
    x.h = std::tan(rA) * x.s;
    x.beta = x.t / std::cos(rB);
    x.delta = x.s / std::cos(rA);
    return x;
}

Update RefreshFigure(const Bars& bars) {
    Update u;
    u.setText("txtgoniaa", degrees(bars.A));
    u.setText("txtgoniab", degrees(bars.B));
    u.setText("txtpleuraa", Str(bars.a));
    u.setText("txtpleurag", Str(bars.g));
    DrawTrapezium(bars, u);
    return u;
}

void DrawTrapezium(const Bars& bars, Update& u) {
    const int a = bars.a, g = bars.g;
    if (a <= g) {
        u.beep();
        u.show("Formm");
        return;
    }
    u.cls();
    const Solution x = solve(bars);
    u.setText("per", Str(((a + x.beta) + g) + x.delta));
    u.setText("emb", Str((x.h * add16(a, g)) / 2));
    u.setText("txtgoniad", degrees(x.D));
    u.setText("txtpleurab", Str(x.beta));
    u.setText("txtpleurad", Str(x.delta));
    u.setText("txtyphsos", Str(x.h));

    // Α at (1800, 3400), 350 twips a unit.
    const int sa = mul16(350, a);
    const double sh = 350 * x.h, ss = 350 * x.s, st = 350 * x.t;
    const double Ax = 1800, Ay = 3400;
    const double Bx = add16(1800, sa), By = 3400;
    const double Gx = add16(1800, sa) - st, Gy = 3400 - sh;
    const double Dx = 1800 + ss, Dy = 3400 - sh;
    u.line(Ax, Ay, Bx, By);
    u.print(Ax - 130, Ay - 100, "A");
    u.line(Bx, By, Gx, Gy);
    u.print(Bx + 120, By - 100, "B");
    u.line(Gx, Gy, Dx, Dy);
    u.print(Gx + 100, Gy - 100, "Γ");
    u.line(Dx, Dy, Ax, Ay);
    u.print(Dx - 130, Gy - 100, "Δ");
    u.describe(describeFigure(
        u, "Τραπέζιο",
        {"βάσεις α " + std::to_string(a) + " και γ " + std::to_string(g),
         "γωνίες Α " + std::to_string(bars.A) + "° και Β " + std::to_string(bars.B) + "°"}));
}

Update RefreshFigure(const Controls& form) {
    return RefreshFigure({form.value("hsbgoniaa"), form.value("hsbgoniab"),
                          form.value("hsbpleuraa"), form.value("hsbpleurag")});
}

// Where the design handles only the thumb drag, a Change runs the same handler.
Update hsbgoniaa_Scroll(const Controls& form) {
    return RefreshFigure(form);
}
Update hsbgoniab_Scroll(const Controls& form) {
    return RefreshFigure(form);
}
Update hsbpleuraa_Scroll(const Controls& form) {
    return RefreshFigure(form);
}
Update hsbpleurag_Scroll(const Controls& form) {
    return RefreshFigure(form);
}

Update Command1_Click(const Controls&) {
    return backToMenu("Formtra");
}

const FormClass& Formtra() {
    static const FormClass f{design(),
                             {
                                 {"hsbgoniaa", Event::Scroll, hsbgoniaa_Scroll},
                                 {"hsbgoniaa", Event::Change, hsbgoniaa_Scroll},
                                 {"hsbgoniab", Event::Scroll, hsbgoniab_Scroll},
                                 {"hsbgoniab", Event::Change, hsbgoniab_Scroll},
                                 {"hsbpleuraa", Event::Scroll, hsbpleuraa_Scroll},
                                 {"hsbpleuraa", Event::Change, hsbpleuraa_Scroll},
                                 {"hsbpleurag", Event::Scroll, hsbpleurag_Scroll},
                                 {"hsbpleurag", Event::Change, hsbpleurag_Scroll},
                                 {"Command1", Event::Click, Command1_Click},
                             }};
    return f;
}

} // namespace figures::trapezium
