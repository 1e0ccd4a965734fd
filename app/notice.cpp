// The notice: "α must be greater than γ", and a button that closes it.
#include "notice.h"

namespace app::notice {

using namespace rt;

const FormDesign& design() {
    static const FormDesign d{
        .name = "Formm",
        .caption = "ΣΧΗμάτιος",
        .width = 1815,
        .height = 1110,
        .foreColor = kBlue,
        .kind = FormKind::Alert,
        .controls = {
            label("Label1", 120, 120, 1215, 495, 0, "Παρακαλώ α>γ"),
            button("Command1", 840, 480, 975, 615, 1, kBackPicture).spoken("Κλείσιμο"),
        }};
    return d;
}

Update Command1_Click(const Controls&) {
    return beepAndUnload("Formm");
}

const FormClass& Formm() {
    static const FormClass f{design(), {{"Command1", Event::Click, Command1_Click}}};
    return f;
}

} // namespace app::notice
