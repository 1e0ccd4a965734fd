// The square: one bar sets the side α in whole units from 1 to 10.
#include "square.h"

namespace figures::square {

using namespace rt;

const FormDesign& design() {
    static const FormDesign d{
        .name = "Formt",
        .caption = "ΣΧΗμάτιος: ΤΕΤΡΑΓΩΝΟ",
        .width = kFigureWidth,
        .height = kFigureHeight,
        .controls =
            {
                scrollBar("hsbpleyra", 240, 360, 255, 3135, 1, 1, 10, 1)
                    .linked("α")
                    .spoken("ΠΛΕΥΡΑ α:"),
                textBox("txtpleyra", 960, 3840, 735, 285, 0, "α").spoken("ΠΛΕΥΡΑ α:"),
                textBox("per", 3000, 3840, 855, 285, 3, "4·α").spoken("ΠΕΡΙΜΕΤΡΟΣ:"),
                textBox("emb", 3000, 4200, 855, 285, 5, "α·α").spoken("ΕΜΒΑΔΟ:"),
                label("Label3(1)", 120, 120, 975, 255, 10, "ΠΛΕΥΡΑ α:"),
                label("Label4", 600, 600, 375, 255, 7, "1"),
                label("Label5", 600, 3120, 375, 255, 8, "10"),
                label("Label3(0)", 120, 3840, 855, 255, 6, "ΠΛΕΥΡΑ α:"),
                label("Label1", 1920, 3840, 975, 255, 2, "ΠΕΡΙΜΕΤΡΟΣ:"),
                label("Label2", 1920, 4200, 975, 255, 4, "ΕΜΒΑΔΟ:"),
                backButton("Command2", 9),
            },
        .figure = "Τετράγωνο"};
    return d;
}

Update update(int s) {
    Update u;
    const int k = mul16(300, s); // 300 twips a unit of side
    u.setText("txtpleyra", Str(s));
    u.setText("emb", Str(std::pow(s, 2)));
    u.setText("per", Str(mul16(4, s)));
    u.cls();
    // A stays at (1200, 3500); the square grows up and to the right.
    u.print(1100, 3500, "A");
    u.line(1200, 3500, add16(1200, k), 3500);
    u.print(add16(1200, k), 3500, "B");
    u.line(add16(1200, k), 3500, add16(1200, k), sub16(3500, k));
    u.print(add16(1200, k), sub16(3500, add16(k, 200)), "Γ");
    u.line(1200, 3500, 1200, sub16(3500, k));
    u.line(1200, sub16(3500, k), add16(1200, k), sub16(3500, k));
    u.print(1100, sub16(3500, add16(k, 200)), "Δ");
    u.describe(describeFigure(u, "Τετράγωνο", {"πλευρά α " + std::to_string(s)}));
    return u;
}

Update hsbpleyra_Change(const Controls& form) {
    return update(form.value("hsbpleyra"));
}

Update hsbpleyra_Scroll(const Controls& form) {
    return hsbpleyra_Change(form);
}

Update Command2_Click(const Controls&) {
    return backToMenu("Formt");
}

const FormClass& Formt() {
    static const FormClass f{design(),
                             {
                                 {"hsbpleyra", Event::Change, hsbpleyra_Change},
                                 {"hsbpleyra", Event::Scroll, hsbpleyra_Scroll},
                                 {"Command2", Event::Click, Command2_Click},
                             }};
    return f;
}

} // namespace figures::square
