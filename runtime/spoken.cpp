#include "spoken.h"

#include "numfmt.h"

#include <cstdlib>

namespace rt {

namespace {

std::string trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(s.substr(first, s.find_last_not_of(' ') - first + 1));
}

} // namespace

std::string spokenName(const ControlDesign& c) {
    if (!c.accessibleName.empty()) return std::string(c.accessibleName);
    if (c.kind == ControlKind::Label) return std::string(c.text);
    return trimmed(c.toolTip);
}

std::string spokenValue(BarUnit unit, int value, std::string_view decimalSeparator) {
    switch (unit) {
    case BarUnit::Whole:
        return std::to_string(value);
    case BarUnit::Degrees:
        return std::to_string(value) + "°";
    case BarUnit::Hundredths:
        return Format(value / 100.0, "000.00", decimalSeparator);
    case BarUnit::HundredthDegrees:
        return Format(value / 100.0, "000.00", decimalSeparator) + "°";
    }
    return {};
}

std::string
resultsMessage(const FormDesign& design,
               const std::function<const std::string*(const std::string& box)>& changed) {
    std::string said;
    for (const ControlDesign& c : design.controls) {
        if (c.kind != ControlKind::TextBox) continue;
        const std::string* text = changed(std::string(c.name));
        if (!text) continue;
        if (!said.empty()) said += ", ";
        said += spokenName(c) + " " + trimmed(*text);
    }
    return said;
}

std::string describeFigure(const Update& update, std::string_view figure,
                           std::initializer_list<std::string> defining) {
    std::string said(figure);
    std::string letters;
    for (const Step& s : update.steps()) {
        if (s.kind != Step::Print) continue;
        // The drawings print some vertices with Latin capitals that look like the Greek.
        letters += s.text == "A" ? "Α" : s.text == "B" ? "Β" : s.text == "K" ? "Κ" : s.text;
    }
    if (!letters.empty()) said += " " + letters;
    for (const std::string& d : defining)
        said += ", " + d;
    return said;
}

std::string describeEmpty(const FormDesign& design) {
    return std::string(design.figure) + ": το σχήμα σχεδιάζεται μόλις κινηθεί μια μπάρα";
}

std::string hundredths(int value, std::string_view decimalSeparator) {
    const long magnitude = std::labs(static_cast<long>(value));
    std::string out = value < 0 ? "-" : "";
    out += std::to_string(magnitude / 100);
    out += decimalSeparator;
    out += static_cast<char>('0' + magnitude % 100 / 10);
    out += static_cast<char>('0' + magnitude % 10);
    return out;
}

} // namespace rt
