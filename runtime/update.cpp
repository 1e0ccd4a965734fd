#include "update.h"

#include <utility>

namespace rt {

void Update::setText(std::string box, std::string text) {
    steps_.push_back({Step::SetText, std::move(box), std::move(text)});
}

void Update::cls() {
    steps_.push_back({Step::Cls, {}, {}});
}

void Update::line(double x1, double y1, double x2, double y2, std::uint32_t colour) {
    steps_.push_back({Step::Line,
                      {},
                      {},
                      static_cast<float>(x1),
                      static_cast<float>(y1),
                      static_cast<float>(x2),
                      static_cast<float>(y2),
                      colour});
}

void Update::circle(double x, double y, double radius, std::uint32_t colour) {
    steps_.push_back({Step::Circle,
                      {},
                      {},
                      static_cast<float>(x),
                      static_cast<float>(y),
                      static_cast<float>(radius),
                      0,
                      colour});
}

void Update::print(double x, double y, std::string text) {
    steps_.push_back(
        {Step::Print, {}, std::move(text), static_cast<float>(x), static_cast<float>(y)});
}

void Update::describe(std::string text) {
    steps_.push_back({Step::Describe, {}, std::move(text)});
}

void Update::beep() {
    steps_.push_back({Step::Beep, {}, {}});
}

void Update::show(std::string form, std::string inPlaceOf) {
    steps_.push_back({Step::Show, std::move(form), std::move(inPlaceOf)});
}

void Update::unload(std::string form) {
    steps_.push_back({Step::Unload, std::move(form), {}});
}

void Update::end() {
    steps_.push_back({Step::End, {}, {}});
}

void Update::append(const Update& other) {
    steps_.insert(steps_.end(), other.steps_.begin(), other.steps_.end());
}

const std::string* Update::textOf(const std::string& box) const {
    const std::string* found = nullptr;
    for (const auto& step : steps_)
        if (step.kind == Step::SetText && step.name == box) found = &step.text;
    return found;
}

} // namespace rt
