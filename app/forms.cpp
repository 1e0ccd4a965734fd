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

#include <algorithm>

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

namespace {

// The forms a button's click shows, its bars at their designed values.
std::vector<std::string> shownBy(const rt::FormClass& f, const rt::ControlDesign& button) {
    const rt::Handler* h = f.handlerFor(button.name, rt::Event::Click);
    std::vector<std::string> out;
    if (!h) return out;
    std::vector<std::pair<std::string_view, int>> values;
    for (const rt::ControlDesign& c : f.design.controls)
        if (c.kind == rt::ControlKind::ScrollBar) values.emplace_back(c.name, c.value);
    const rt::Update update = (*h)(rt::BarValues(values));
    for (const rt::Step& s : update.steps())
        if (s.kind == rt::Step::Show) out.push_back(s.name);
    return out;
}

} // namespace

Way wayTo(std::string_view form) {
    Way way;
    for (const rt::FormClass* f : formClasses())
        for (const rt::ControlDesign& c : f->design.controls)
            if (c.kind == rt::ControlKind::Button)
                for (const std::string& shown : shownBy(*f, c))
                    if (shown == form && f->name() != form && way.opens.empty()) {
                        way.from = f->name();
                        way.opens = c.name;
                    }
    if (const rt::FormClass* self = formClass(form); self && !way.from.empty())
        for (const rt::ControlDesign& c : self->design.controls)
            if (c.kind == rt::ControlKind::Button)
                for (const std::string& shown : shownBy(*self, c))
                    if (shown == way.from) way.back = c.name;
    return way;
}

std::vector<const rt::FormClass*> figureClasses() {
    std::vector<const rt::FormClass*> out;
    for (const rt::FormClass* f : formClasses())
        if (!f->design.figure.empty()) out.push_back(f);
    // As the menu shows their buttons: row by row, left to right.
    const auto at = [](const rt::FormClass* f) {
        const Way way = wayTo(f->name());
        for (const rt::ControlDesign& c : formClass(way.from)->design.controls)
            if (c.name == way.opens) return std::pair(c.top, c.left);
        return std::pair(0, 0);
    };
    std::stable_sort(out.begin(), out.end(), [&](auto* a, auto* b) { return at(a) < at(b); });
    return out;
}

} // namespace app
