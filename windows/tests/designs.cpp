// Every form's design as the Windows edition's tests need it, a control a line:
// form, control, kind, left, top, width, height (twips), min, max, value.
#include "forms.h"

#include <cstdio>
#include <string>

int main() {
    for (const rt::FormClass* f : app::formClasses())
        for (const rt::ControlDesign& c : f->design.controls)
            std::printf("%s\t%s\t%s\t%d\t%d\t%d\t%d\t%d\t%d\t%d\n", std::string(f->name()).c_str(),
                        std::string(c.name).c_str(), rt::name(c.kind), c.left, c.top, c.width,
                        c.height, c.min, c.max, c.value);
}
