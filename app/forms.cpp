#include "forms.h"

#include "angle.h"
#include "circle.h"
#include "credits.h"
#include "menu.h"
#include "notice.h"
#include "parallelogram.h"
#include "rectangle.h"
#include "segment.h"
#include "square.h"
#include "trapezium.h"
#include "triangle.h"

namespace app {

const std::vector<const rt::FormClass*>& formClasses() {
    static const std::vector<const rt::FormClass*> all{
        &menu::Form1(),
        &credits::Formd(),
        &notice::Formm(),
        &figures::square::Formt(),
        &figures::circle::Formk(),
        &figures::rectangle::Formo(),
        &figures::parallelogram::Formparal(),
        &figures::triangle::Formtri(),
        &figures::trapezium::Formtra(),
        &figures::segment::Formline(),
        &figures::angle::Formangle(),
    };
    return all;
}

const rt::FormClass* formClass(std::string_view name) {
    for (const rt::FormClass* f : formClasses())
        if (f->name() == name) return f;
    return nullptr;
}

} // namespace app
