// The main menu: two rows of figure buttons, then the credits and the end button.
#include "menu.h"

namespace app::menu {

using namespace rt;

const FormDesign& design() {
    static const FormDesign d{
        .name = "Form1",
        .caption = "ΣΧΗμάτιος: ΕΥΚΛΕΙΔΕΙΑ ΓΕΩΜΕΤΡΙΑ",
        .width = 5880,
        .height = 4215,
        .controls = {
            label("Label1", 120, 240, 5655, 255, 3,
                  "Σχεδίαση και Μελέτη βασικών χαρακτηριστικών Γεωμετρικών σχημάτων:"),
            button("Command7", 120, 720, 1335, 1215, 7, "segment.bmp", "Ευθύγραμμο τμήμα."),
            button("Command8", 1560, 720, 1335, 1215, 8, "angle.bmp", "Γωνία."),
            button("Command2", 3000, 720, 1335, 1215, 1, "square.bmp", "Τετράγωνο. "),
            button("Command3", 4440, 720, 1335, 1215, 2, "rectangle.bmp",
                   "Ορθογώνιο παραλληλόγραμμο."),
            button("Command1", 120, 2040, 1335, 1215, 0, "circle.bmp", "Κύκλος."),
            button("Command5", 1560, 2040, 1335, 1215, 5, "triangle.gif", "Τρίγωνο."),
            button("Command10", 3000, 2040, 1335, 1215, 10, "parallelogram.jpg",
                   "Πλάγιο παραλληλόγραμμο."),
            button("Command6", 4440, 2040, 1335, 1215, 6, "trapezium.gif", "Τραπέζιο."),
            button("Command9", 1920, 3360, 1335, 855, 9, "credits.bmp").spoken("Δημιουργός"),
            button("Command4", 3360, 3360, 2175, 795, 4, "exit.bmp").spoken("Έξοδος"),
        }};
    return d;
}

Update Command9_Click(const Controls&) {
    Update u;
    u.beep();
    u.show("Formd");
    return u;
}

Update Command4_Click(const Controls&) {
    Update u;
    u.beep();
    u.end();
    return u;
}

const FormClass& Form1() {
    // A figure button: Beep, show the figure where the menu stands, unload the menu.
    const auto opens = [](const char* figure) {
        return [figure](const Controls&) { return replace("Form1", figure); };
    };
    static const FormClass f{design(),
                             {
                                 {"Command7", Event::Click, opens("Formline")},
                                 {"Command8", Event::Click, opens("Formangle")},
                                 {"Command2", Event::Click, opens("Formt")},
                                 {"Command3", Event::Click, opens("Formo")},
                                 {"Command1", Event::Click, opens("Formk")},
                                 {"Command5", Event::Click, opens("Formtri")},
                                 {"Command10", Event::Click, opens("Formparal")},
                                 {"Command6", Event::Click, opens("Formtra")},
                                 {"Command9", Event::Click, Command9_Click},
                                 {"Command4", Event::Click, Command4_Click},
                             }};
    return f;
}

} // namespace app::menu
