#include "program.h"

#include "forms.h"

#include <QWindow>
#include <algorithm>
#include <span>
#include <stdexcept>

namespace desktop {

Program::Program(Services& services, std::string decimalSeparator)
    : services_(services), decimalSeparator_(std::move(decimalSeparator)) {}

Program::~Program() = default;

void Program::start() {
    form(app::kStartupForm).show();
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
    if (main_ == &form) {
        main_ = nullptr;
        for (Form* f : loadedForms())
            if (f->design().kind == rt::FormKind::Main) main_ = f;
    }
    keepDialogsAbove();
    // The program ends when its last window goes.
    if (loadedForms().empty()) services_.end();
}

void Program::formShown(Form& form) {
    if (form.design().kind == rt::FormKind::Main) main_ = &form;
    keepDialogsAbove();
}

void Program::keepDialogsAbove() {
    QWindow* parent = main_ && main_->isLoaded() ? main_->window()->windowHandle() : nullptr;
    for (Form* f : loadedForms())
        if (f->design().kind != rt::FormKind::Main && f->window()->windowHandle())
            f->window()->windowHandle()->setTransientParent(parent);
}

void Program::stepZoom(int step) {
    const auto steps = std::span(kZoomSteps);
    const auto at = std::find(steps.begin(), steps.end(), zoom_);
    const std::ptrdiff_t i = at == steps.end() ? 0 : at - steps.begin();
    const std::ptrdiff_t last = std::ssize(steps) - 1;
    const double next = step == 0 ? 1 : steps[std::clamp<std::ptrdiff_t>(i + step, 0, last)];
    if (next > zoom_)
        for (Form* f : loadedForms())
            if (!f->fitsAt(next)) return;
    setZoom(next);
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
