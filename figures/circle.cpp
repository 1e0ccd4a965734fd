// The circle: one bar sets the radius R in whole units from 1 to 10.
#include "circle.h"

namespace figures::circle {

using namespace rt;

const FormDesign& design() {
    static const FormDesign d{
        .name = "Formk",
        .caption = "ΣΧΗμάτιος: ΚΥΚΛΟΣ",
        .width = kFigureWidth,
        .height = kFigureHeight,
        .controls =
            {
                scrollBar("hsbR", 240, 360, 255, 3135, 1, 1, 10, 1).linked("R").spoken("ΑΚΤΙΝΑ:"),
                textBox("txtR", 960, 3840, 735, 285, 0, "R").spoken("ΑΚΤΙΝΑ:"),
                textBox("per", 3000, 3840, 855, 285, 3, "2·π·R").spoken("ΠΕΡΙΜΕΤΡΟΣ:"),
                textBox("emb", 3000, 4200, 855, 285, 5, "π·R^2").spoken("ΕΜΒΑΔΟ:"),
                label("label6", 0, 120, 735, 255, 10, "ΑΚΤΙΝΑ:"),
                label("Label4", 600, 600, 375, 255, 7, "1"),
                label("Label5", 600, 3120, 375, 255, 8, "10"),
                label("Label3", 120, 3840, 735, 255, 6, "ΑΚΤΙΝΑ:"),
                label("Label1", 1920, 3840, 975, 255, 2, "ΠΕΡΙΜΕΤΡΟΣ:"),
                label("Label2", 1920, 4200, 975, 255, 4, "ΕΜΒΑΔΟ:"),
                backButton("Command2", 9),
            },
        .figure = "Κύκλος"};
    return d;
}

Update update(int R) {
    Update u;
    const double pi = kPi;
    u.setText("txtR", Str(R));
    u.setText("emb", Str(std::pow(R, 2) * pi));
    u.setText("per", Str(pi * mul16(2, R)));
    u.cls();
    // The centre (3000, 2000) is fixed; 120 twips a unit of radius.
    u.print(3000, 1800, "K");
    u.circle(3000, 2000, 10, kWhite);
    u.circle(3000, 2000, mul16(120, R), kWhite);
    u.describe(describeFigure(u, "Κύκλος με κέντρο", {"ακτίνα " + std::to_string(R)}));
    return u;
}

Update hsbR_Change(const Controls& form) {
    return update(form.value("hsbR"));
}

Update hsbR_Scroll(const Controls& form) {
    return hsbR_Change(form);
}

Update Command2_Click(const Controls&) {
    return backToMenu("Formk");
}

const FormClass& Formk() {
    static const FormClass f{design(),
                             {
                                 {"hsbR", Event::Change, hsbR_Change},
                                 {"hsbR", Event::Scroll, hsbR_Scroll},
                                 {"Command2", Event::Click, Command2_Click},
                             }};
    return f;
}

} // namespace figures::circle
