#include "program.h"

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

#include <functional>
#include <stdexcept>

namespace app {

namespace {
using Factory = std::function<std::unique_ptr<rt::Form>(rt::Shell&)>;

template <typename F> Factory make() {
    return [](rt::Shell& shell) { return std::make_unique<F>(shell); };
}

const std::map<std::string, Factory, std::less<>>& factories() {
    static const std::map<std::string, Factory, std::less<>> table{
        {"Form1", make<Form1>()},
        {"Formd", make<Formd>()},
        {"Formm", make<Formm>()},
        {"Formt", make<figures::square::Formt>()},
        {"Formk", make<figures::circle::Formk>()},
        {"Formo", make<figures::rectangle::Formo>()},
        {"Formparal", make<figures::parallelogram::Formparal>()},
        {"Formtri", make<figures::triangle::Formtri>()},
        {"Formtra", make<figures::trapezium::Formtra>()},
        {"Formline", make<figures::segment::Formline>()},
        {"Formangle", make<figures::angle::Formangle>()},
    };
    return table;
}
} // namespace

Program::Program(rt::Services& services, std::string decimalSeparator)
    : services_(services), decimalSeparator_(std::move(decimalSeparator)) {}

Program::~Program() = default;

void Program::start() {
    form("Form1").show();
}

rt::Form& Program::form(std::string_view name) {
    auto it = forms_.find(name);
    if (it == forms_.end()) {
        const auto factory = factories().find(name);
        if (factory == factories().end())
            throw std::invalid_argument("no form named " + std::string(name));
        it = forms_.emplace(std::string(name), factory->second(*this)).first;
    }
    return *it->second;
}

void Program::formUnloaded(rt::Form&) {
    // The program ends when its last window goes.
    if (loadedForms().empty()) services_.end();
}

std::vector<rt::Form*> Program::forms() const {
    std::vector<rt::Form*> out;
    for (const auto& [name, f] : forms_)
        out.push_back(f.get());
    return out;
}

std::vector<rt::Form*> Program::loadedForms() const {
    std::vector<rt::Form*> out;
    for (const auto& [name, f] : forms_)
        if (f->isLoaded()) out.push_back(f.get());
    return out;
}

const std::vector<std::string>& Program::formNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> n;
        for (const auto& [name, factory] : factories())
            n.push_back(name);
        return n;
    }();
    return names;
}

} // namespace app
