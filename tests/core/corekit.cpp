#include "corekit.h"

#include "numfmt.h"

#include <gtest/gtest.h>
#include <regex>

namespace corekit {

std::vector<Item> drawnInOrder(const rt::Update& update, std::uint32_t foreColour) {
    std::vector<Item> items;
    for (const rt::Step& s : update.steps()) {
        std::vector<Item> one;
        if (s.kind == rt::Step::Cls)
            items.clear();
        else if (rt::drawStep(one, s, foreColour))
            items.push_back(one.front());
    }
    return items;
}

std::string textOf(const rt::Update& update, const std::string& box) {
    const std::string* text = update.textOf(box);
    EXPECT_NE(text, nullptr) << "nothing written to " << box;
    return text ? *text : std::string("<none>");
}

std::vector<std::string> boxesWritten(const rt::Update& update) {
    std::vector<std::string> out;
    for (const rt::Step& s : update.steps())
        if (s.kind == rt::Step::SetText) out.push_back(s.name);
    return out;
}

bool wellFormedStr(const std::string& text) {
    static const std::regex grammar("^[ -](?:([1-9][0-9]*)(?:\\.([0-9]*[1-9]))?|\\.([0-9]*[1-9])|0|"
                                    "([1-9])(?:\\.([0-9]*[1-9]))?E([+-])([0-9]{2,3}))$");
    std::smatch m;
    if (!std::regex_match(text, m, grammar)) return false;
    if (m[4].matched) { // exponent form
        const int exponent = std::stoi(m[7].str()) * (m[6].str() == "-" ? -1 : 1);
        if (exponent >= -4 && exponent < 15) return false;
        if (1 + m[5].length() > 15) return false;
    } else {
        std::string digits = m[1].str() + m[2].str() + m[3].str();
        while (!digits.empty() && digits.front() == '0')
            digits.erase(0, 1);
        while (!digits.empty() && digits.back() == '0' && !m[2].matched && !m[3].matched)
            digits.pop_back();
        if (digits.size() > 15) return false;
    }
    const double value = std::stod(text);
    return std::isfinite(value) && rt::Str(value) == text;
}

bool closedOutline(const std::vector<Item>& items) {
    struct End {
        float x, y;
        std::size_t owner;
    };
    std::vector<End> ends;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].kind != Item::Line) continue;
        ends.push_back({items[i].x1, items[i].y1, i});
        ends.push_back({items[i].x2, items[i].y2, i});
    }
    if (ends.size() < 4) return false;
    for (const End& a : ends) {
        bool met = false;
        for (const End& b : ends)
            met = met ||
                  (a.owner != b.owner && std::abs(a.x - b.x) < 1e-3 && std::abs(a.y - b.y) < 1e-3);
        if (!met) return false;
    }
    return true;
}

} // namespace corekit
