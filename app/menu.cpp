// The main menu: two rows of figure buttons, then the credits and the end button.
#include "menu.h"

namespace app {

using namespace rt;

const FormDesign& menuDesign() {
    static const FormDesign d{
        .name = "Form1",
        .caption = "ΣΧΗμάτιος: ΕΥΚΛΕΙΔΕΙΑ ΓΕΩΜΕΤΡΙΑ",
        .width = 5880,
        .height = 4215,
        .controls = {
            label("Label1", 120, 240, 5655, 255, 3,
                  "Σχεδίαση και Μελέτη βασικών χαρακτηριστικών Γεωμετρικών σχημάτων:"),
            button("Command7", 120, 720, 1335, 1215, 7, ":/pictures/segment.bmp",
                   "Ευθύγραμμο τμήμα."),
            button("Command8", 1560, 720, 1335, 1215, 8, ":/pictures/angle.bmp", "Γωνία."),
            button("Command2", 3000, 720, 1335, 1215, 1, ":/pictures/square.bmp", "Τετράγωνο. "),
            button("Command3", 4440, 720, 1335, 1215, 2, ":/pictures/rectangle.bmp",
                   "Ορθογώνιο παραλληλόγραμμο."),
            button("Command1", 120, 2040, 1335, 1215, 0, ":/pictures/circle.bmp", "Κύκλος."),
            button("Command5", 1560, 2040, 1335, 1215, 5, ":/pictures/triangle.gif", "Τρίγωνο."),
            button("Command10", 3000, 2040, 1335, 1215, 10, ":/pictures/parallelogram.jpg",
                   "Πλάγιο παραλληλόγραμμο."),
            button("Command6", 4440, 2040, 1335, 1215, 6, ":/pictures/trapezium.gif", "Τραπέζιο."),
            button("Command9", 1920, 3360, 1335, 855, 9, ":/pictures/credits.bmp")
                .spoken("Δημιουργός"),
            button("Command4", 3360, 3360, 2175, 795, 4, ":/pictures/exit.bmp").spoken("Έξοδος"),
        }};
    return d;
}

namespace {
// Which figure window each figure button opens.
struct FigureButton {
    const char* button;
    const char* form;
};
constexpr FigureButton kFigureButtons[] = {
    {"Command7", "Formline"},   {"Command8", "Formangle"}, {"Command2", "Formt"},
    {"Command3", "Formo"},      {"Command1", "Formk"},     {"Command5", "Formtri"},
    {"Command10", "Formparal"}, {"Command6", "Formtra"},
};
} // namespace

void Form1::wire() {
    // A figure button: Beep, show the figure, unload the menu.
    for (const auto& fb : kFigureButtons)
        onClick(fb.button, [this, form = fb.form] { replaceWith(form); });
    onClick("Command9", [this] { Command9_Click(); });
    onClick("Command4", [this] { Command4_Click(); });
}

void Form1::Command9_Click() {
    services().beep();
    shell().form("Formd").show();
}

void Form1::Command4_Click() {
    services().beep();
    services().end();
}

} // namespace app
