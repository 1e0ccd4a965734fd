// The notice: "α must be greater than γ", and a button that closes it.
#include "notice.h"

namespace app {

using namespace rt;

const FormDesign& noticeDesign() {
    static const FormDesign d{
        .name = "Formm",
        .caption = "ΣΧΗμάτιος",
        .width = 1815,
        .height = 1110,
        .foreColor = kBlue,
        .controls = {
            label("Label1", 120, 120, 1215, 495, 0, "Παρακαλώ α>γ"),
            button("Command1", 840, 480, 975, 615, 1, kBackPicture).spoken("Κλείσιμο"),
        }};
    return d;
}

void Formm::wire() {
    onClick("Command1", [this] { Command1_Click(); });
}

void Formm::Command1_Click() {
    services().beep();
    unload();
}

} // namespace app
