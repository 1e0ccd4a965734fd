// The credits: who made the program, in three lines that fit the visible part of their
// overlapping labels.
#include "credits.h"

#include "forms.h"

namespace app::credits {

using namespace rt;

const FormDesign& design() {
    static const FormDesign d{
        .name = "Formd",
        .caption = "ΣΧΗμάτιος: ΔΗΜΙΟΥΡΓΟΣ",
        .width = 2775,
        .height = 1575,
        .kind = FormKind::Dialog,
        .controls = {
            label("Label2", 480, 360, 2535, 495, 0, "ΣΧΗμάτιος " SCHIMATIOS_VERSION),
            label("Label3", 240, 600, 3015, 495, 1, "Η ομάδα ανάπτυξης"),
            label("Label4", 840, 840, 1215, 495, 3, "2026"),
            button("Command1(1)", 1800, 960, 975, 615, 2, kBackPicture).spoken("Κλείσιμο"),
        }};
    return d;
}

Update Command1_Click(const Controls&, int) {
    return beepAndUnload("Formd");
}

const FormClass& Formd() {
    static const FormClass f{design(),
                             {
                                 {"Command1(1)", Event::Click,
                                  [](const Controls& form) { return Command1_Click(form, 1); }},
                             }};
    return f;
}

} // namespace app::credits
