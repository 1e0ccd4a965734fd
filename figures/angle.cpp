// The angle: one bar sets ω in whole degrees from 1 to 124.
#include "angle.h"

namespace figures::angle {

using namespace rt;

const FormDesign& design() {
    static const FormDesign d{
        .name = "Formangle",
        .caption = "ΣΧΗμάτιος: ΓΩΝΙΑ",
        .width = kFigureWidth,
        .height = kFigureHeight,
        .foreIsHighlightedText = true, // the vertex letter takes the highlighted-text colour
        .controls =
            {
                scrollBar("hsbgonia", 120, 360, 255, 3135, 1, 1, 124, 1)
                    .linked("ω")
                    .reads(BarUnit::Degrees)
                    .spoken("ΓΩΝΙΑ ω:"),
                label("Label3(1)", 0, 0, 975, 255, 5, "Γωνία ω:"),
                label("Label4", 480, 600, 375, 255, 3, "1°"),
                label("Label5", 480, 3120, 375, 255, 4, "124°"),
                label("Label3(0)", 120, 3840, 735, 255, 2, "ΓΩΝΙΑ ω:"),
                textBox("txtgonia", 960, 3840, 735, 285, 0, "ω").spoken("ΓΩΝΙΑ ω:"),
                backButton("Command1", 6),
            },
        .figure = "Γωνία"};
    return d;
}

Update update(int V) {
    Update u;
    const double pi = kPi;
    const double theta = ((2 * pi) * V) / 360;
    u.setText("txtgonia", degrees(V));
    u.cls();
    // Both arms are 3000 twips long from the vertex (1500, 3500).
    u.line(1500, 3500, 4500, 3500);
    u.print(1300, 3500, "A");
    const double x = checkedDouble(std::cos(theta) * 3000 + 1500);
    const double y = checkedDouble(3500 - std::sin(theta) * 3000);
    u.line(1500, 3500, x, y);
    u.describe(describeFigure(u, "Γωνία ω με κορυφή", {std::to_string(V) + "°"}));
    return u;
}

Update hsbgonia_Change(const Controls& form) {
    return update(form.value("hsbgonia"));
}

Update hsbgonia_Scroll(const Controls& form) {
    return hsbgonia_Change(form);
}

Update Command1_Click(const Controls&) {
    return backToMenu("Formangle");
}

const FormClass& Formangle() {
    static const FormClass f{design(),
                             {
                                 {"hsbgonia", Event::Change, hsbgonia_Change},
                                 {"hsbgonia", Event::Scroll, hsbgonia_Scroll},
                                 {"Command1", Event::Click, Command1_Click},
                             }};
    return f;
}

} // namespace figures::angle
