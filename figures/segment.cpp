// The line segment AB: its length in hundredths of a unit and its direction in
// hundredths of a degree, anticlockwise from the rightward horizontal, shown in four
// notations and drawn centred on (3000, 1990) at 36 twips a unit.
#include "segment.h"

namespace figures::segment {

using namespace rt;

const FormDesign& design() {
    static const FormDesign d{
        .name = "Formline",
        .caption = "ΣΧΗμάτιος: ΕΥΘΥΓΡΑΜΜΟ ΤΜΗΜΑ",
        .width = kFigureWidth,
        .height = kFigureHeight,
        .controls =
            {
                label("Label3(1)", 0, 0, 975, 255, 7, "ΜΗΚΟΣ:"),
                scrollBar("hsbmhkos", 120, 240, 255, 3135, 0, 0, 10000, 1)
                    .linked("ΑΒ")
                    .reads(BarUnit::Hundredths)
                    .spoken("ΜΗΚΟΣ:"),
                label("Label5", 0, 3480, 735, 255, 8, " 100.00"),
                label("Label1(1)", 600, 0, 255, 255, 9, "φ:"),
                label("Label2(0)", 840, 360, 255, 255, 10, "0°"),
                scrollBar("hsbdief", 480, 240, 255, 3135, 1, 0, 18000, 1)
                    .linked("φ")
                    .reads(BarUnit::HundredthDegrees)
                    .spoken("ΔΙΕΥΘ.:"),
                label("Label2(1)", 600, 3360, 735, 255, 11, "180.00°"),
                label("Label3(0)", 0, 3840, 615, 255, 12, "ΜΗΚΟΣ:"),
                textBox("txtmhkos", 600, 3840, 855, 285, 2, "(ΑΒ)").spoken("ΜΗΚΟΣ:"),
                textBox("txtdief4", 1680, 3840, 2535, 285, 3, "φ βαθμοί")
                    .spoken("ΔΙΕΥΘ. σε βαθμούς"),
                label("Label1(0)", 0, 4200, 975, 255, 13, "ΔΙΕΥΘ.:"),
                textBox("txtdief", 600, 4200, 735, 285, 4, "φ°").spoken("ΔΙΕΥΘ.:"),
                textBox("txtdief2", 1440, 4200, 1335, 285, 5, "φ° ' \"")
                    .spoken("ΔΙΕΥΘ. σε μοίρες, πρώτα, δεύτερα"),
                textBox("txtdief3", 2880, 4200, 2055, 285, 6, "φ rad").spoken("ΔΙΕΥΘ. σε ακτίνια"),
                backButton("Command1", 14),
            },
        .figure = "Ευθύγραμμο τμήμα"};
    return d;
}

Dms degreesMinutesSeconds(double phi) {
    Dms r{};
    r.D = std::floor(phi);
    const double t = (phi - r.D) * 3600; // the fraction of a degree, in seconds
    r.M = std::floor(t / 60);
    const double s = t - 60 * r.M;
    r.S = std::floor(s);
    r.F = s - r.S;
    // A second that comes out a hair short of whole is rounded up.
    if (r.S == 59 && r.F >= 0.9) {
        r.M = r.M + 1;
        r.S = 0;
        r.F = 0;
    }
    if (r.S < 59 && r.F >= 0.9) {
        r.S = r.S + 1;
        r.F = 0;
    }
    if (r.F <= 0.00001) r.F = 0;
    return r;
}

Update hsbmhkos_Scroll(const Bars& bars, std::string_view sep) {
    Update u;
    u.cls();
    u.setText("txtmhkos", Format(bars.length / 100.0, "000.00", sep));
    DrawSegment(bars, sep, u);
    return u;
}

Update hsbdief_Scroll(const Bars& bars, std::string_view sep) {
    Update u;
    u.cls();
    u.setText("txtdief", Format(bars.direction / 100.0, "000.00", sep) + "°");
    DrawSegment(bars, sep, u);
    return u;
}

void DrawSegment(const Bars& bars, std::string_view sep, Update& u) {
    const double pi = kPi;
    const double L = bars.length / 100.0;
    const double phi = bars.direction / 100.0;
    const Dms dms = degreesMinutesSeconds(phi);
    u.setText("txtdief2", Format(Str(dms.D), "000", sep) + "° " + Format(Str(dms.M), "00", sep) +
                              "' " + Format(Str(dms.S), "00", sep) + "\"" + "/" +
                              Format(Str(dms.F), ".0", sep));
    u.setText("txtdief3", Str(phi / 180) + " π" + " rad");
    u.setText("txtdief4", Str((phi * 400) / 360) + " βαθμοί");

    const double x = ((2 * pi) * phi) / 360;
    const double hx = (std::cos(x) * (L / 2)) * 36;
    const double hy = (std::sin(x) * (L / 2)) * 36;
    const double Bx = 3000 + hx, By = 1990 - hy;
    const double Ax = 3000 - hx, Ay = 1990 + hy;
    u.print(Bx + 100, By - 210, "B");
    u.line(Bx, By, Ax, Ay);
    u.circle(Bx, By, 25, kWhite);
    u.circle(Ax, Ay, 25, kWhite);
    u.print(Ax - 210, Ay - 210, "A");
    u.describe(describeFigure(u, "Ευθύγραμμο τμήμα",
                              {"μήκος " + hundredths(bars.length, sep),
                               "διεύθυνση " + hundredths(bars.direction, sep) + "°"}));
}

namespace {
Bars bars(const Controls& form) {
    return {form.value("hsbmhkos"), form.value("hsbdief")};
}
} // namespace

// Where the design handles only the thumb drag, a Change runs the same handler.
Update hsbmhkos_Scroll(const Controls& form) {
    return hsbmhkos_Scroll(bars(form), form.decimalSeparator());
}

Update hsbdief_Scroll(const Controls& form) {
    return hsbdief_Scroll(bars(form), form.decimalSeparator());
}

Update Command1_Click(const Controls&) {
    return backToMenu("Formline");
}

const FormClass& Formline() {
    using Bar = Update (*)(const Controls&);
    static const FormClass f{design(),
                             {
                                 {"hsbmhkos", Event::Scroll, Bar{hsbmhkos_Scroll}},
                                 {"hsbmhkos", Event::Change, Bar{hsbmhkos_Scroll}},
                                 {"hsbdief", Event::Scroll, Bar{hsbdief_Scroll}},
                                 {"hsbdief", Event::Change, Bar{hsbdief_Scroll}},
                                 {"Command1", Event::Click, Command1_Click},
                             }};
    return f;
}

} // namespace figures::segment
