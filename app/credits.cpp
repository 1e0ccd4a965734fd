// The credits: who made the program, in three lines that fit the visible part of their
// overlapping labels.
#include "credits.h"

#include "appsetup.h"

namespace app {

using namespace rt;

const FormDesign& creditsDesign() {
    static const FormDesign d{
        .name = "Formd",
        .caption = "ΣΧΗμάτιος: ΔΗΜΙΟΥΡΓΟΣ",
        .width = 2775,
        .height = 1575,
        .controls = {
            label("Label2", 480, 360, 2535, 495, 0, std::string("ΣΧΗμάτιος ") + kVersion),
            label("Label3", 240, 600, 3015, 495, 1, "Η ομάδα ανάπτυξης"),
            label("Label4", 840, 840, 1215, 495, 3, "2026"),
            button("Command1(1)", 1800, 960, 975, 615, 2, kBackPicture).spoken("Κλείσιμο"),
        }};
    return d;
}

void Formd::wire() {
    // A control array with the single element 1.
    onClick("Command1(1)", [this] { Command1_Click(1); });
}

void Formd::Command1_Click(int) {
    services().beep();
    unload();
}

} // namespace app
