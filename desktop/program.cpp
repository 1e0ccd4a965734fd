#include "program.h"

#include "forms.h"
#include "link.h"

#include <QWindow>
#include <algorithm>
#include <stdexcept>

namespace desktop {

Program::Program(Services& services, std::string decimalSeparator)
    : services_(services), decimalSeparator_(std::move(decimalSeparator)) {}

Program::~Program() = default;

void Program::start(std::string_view link) {
    const app::Opening opening = app::readLink(link);
    if (opening.form)
        form(opening.form->name()).open(opening);
    else
        form(app::kStartupForm).show();
    if (!opening.problem.empty()) services_.tell(opening.problem);
}

Form& Program::form(std::string_view name) {
    auto it = forms_.find(name);
    if (it == forms_.end()) {
        const rt::FormClass* formClass = app::formClass(name);
        if (!formClass) throw std::invalid_argument("no form named " + std::string(name));
        it = forms_.emplace(std::string(name), std::make_unique<Form>(*this, *formClass)).first;
    }
    return *it->second;
}

void Program::formUnloaded(Form& form) {
    desk_.unloaded(form.design());
    keepDialogsAbove();
    // The program ends when its last window goes.
    if (desk_.empty()) services_.end();
}

void Program::formShown(Form& form) {
    desk_.shown(form.design());
    keepDialogsAbove();
}

void Program::keepDialogsAbove() {
    const std::string_view worked = desk_.worked();
    QWindow* parent = worked.empty() ? nullptr : form(worked).window()->windowHandle();
    for (const std::string_view dialog : desk_.dialogs())
        if (QWindow* window = form(dialog).window()->windowHandle())
            window->setTransientParent(parent);
}

void Program::stepZoom(rt::ZoomAsk ask) {
    // A larger step at which a window would not fit its screen is not taken.
    setZoom(rt::nextZoom(rt::kZoomSteps, zoom_, ask, [this](double zoom) {
        const auto loaded = loadedForms();
        return std::all_of(loaded.begin(), loaded.end(),
                           [zoom](Form* f) { return f->fitsAt(zoom); });
    }));
}

void Program::setZoom(double zoom) {
    if (zoom == zoom_) return;
    zoom_ = zoom;
    for (Form* f : loadedForms())
        f->applyZoom();
}

std::vector<Form*> Program::forms() const {
    std::vector<Form*> out;
    for (const auto& [name, f] : forms_)
        out.push_back(f.get());
    return out;
}

std::vector<Form*> Program::loadedForms() const {
    std::vector<Form*> out;
    for (const auto& [name, f] : forms_)
        if (f->isLoaded()) out.push_back(f.get());
    return out;
}

const std::vector<std::string>& Program::formNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> n;
        for (const rt::FormClass* f : app::formClasses())
            n.emplace_back(f->name());
        std::sort(n.begin(), n.end());
        return n;
    }();
    return names;
}

} // namespace desktop
