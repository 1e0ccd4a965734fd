// Every form's design as the Windows edition's tests need it, a line each:
//   form, "", caption, the controls a key reaches in tab order (space-separated), the
//   client area's width (twips);
//   form, control, kind, left, top, width, height (twips), min, max, value.
#include "forms.h"
#include "interaction.h"

#include <cstdio>
#include <string>

int main() {
    for (const rt::FormClass* f : app::formClasses()) {
        std::string order;
        for (const rt::ControlDesign* c : rt::tabOrder(f->design))
            order += (order.empty() ? "" : " ") + std::string(c->name);
        std::printf("%s\t\t%s\t%s\t%d\n", std::string(f->name()).c_str(),
                    std::string(f->design.caption).c_str(), order.c_str(), f->design.width);
        for (const rt::ControlDesign& c : f->design.controls)
            std::printf("%s\t%s\t%s\t%d\t%d\t%d\t%d\t%d\t%d\t%d\n", std::string(f->name()).c_str(),
                        std::string(c.name).c_str(), rt::name(c.kind), c.left, c.top, c.width,
                        c.height, c.min, c.max, c.value);
    }
}
