#include "link.h"

#include "forms.h"
#include "interaction.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace app {

namespace {

// ---- Letters -------------------------------------------------------------------------

// The letters of a UTF-8 text, or nothing when it is not UTF-8.
std::optional<std::u32string> decodeUtf8(std::string_view text) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const int n = c < 0x80         ? 1
                      : (c >> 5) == 6  ? 2
                      : (c >> 4) == 14 ? 3
                      : (c >> 3) == 30 ? 4
                                       : 0;
        if (n == 0 || i + n > text.size()) return std::nullopt;
        char32_t u = n == 1 ? c : c & (0x7F >> n);
        for (int k = 1; k < n; ++k) {
            const auto b = static_cast<unsigned char>(text[i + k]);
            if ((b >> 6) != 2) return std::nullopt;
            u = (u << 6) | (b & 0x3F);
        }
        out += u;
        i += static_cast<std::size_t>(n);
    }
    return out;
}

std::string encodeUtf8(std::u32string_view letters) {
    std::string out;
    for (const char32_t u : letters) {
        if (u < 0x80) {
            out += static_cast<char>(u);
        } else if (u < 0x800) {
            out += static_cast<char>(0xC0 | (u >> 6));
            out += static_cast<char>(0x80 | (u & 0x3F));
        } else if (u < 0x10000) {
            out += static_cast<char>(0xE0 | (u >> 12));
            out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (u & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (u >> 18));
            out += static_cast<char>(0x80 | ((u >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return out;
}

// A capital letter (Greek, accented or not, or Latin) as a small one.
char32_t small(char32_t u) {
    if ((u >= U'Α' && u <= U'Ω' && u != 0x3A2) || (u >= U'A' && u <= U'Z')) return u + 0x20;
    switch (u) {
    case U'Ά':
        return U'ά';
    case U'Έ':
        return U'έ';
    case U'Ή':
        return U'ή';
    case U'Ί':
        return U'ί';
    case U'Ό':
        return U'ό';
    case U'Ύ':
        return U'ύ';
    case U'Ώ':
        return U'ώ';
    default:
        return u;
    }
}

// A small letter without its accent, and the final sigma as any other.
char32_t plain(char32_t u) {
    switch (u) {
    case U'ά':
        return U'α';
    case U'έ':
        return U'ε';
    case U'ή':
        return U'η';
    case U'ί':
    case U'ϊ':
    case U'ΐ':
        return U'ι';
    case U'ό':
        return U'ο';
    case U'ύ':
    case U'ϋ':
    case U'ΰ':
        return U'υ';
    case U'ώ':
        return U'ω';
    case U'ς':
        return U'σ';
    default:
        return u;
    }
}

// A figure's name as it is compared: small, unaccented, any blank, hyphen, underscore or
// plus as a hyphen. "Ευθύγραμμο τμήμα", "ευθυγραμμο_τμημα" and "ΕΥΘΥΓΡΑΜΜΟ-ΤΜΗΜΑ" alike.
std::u32string comparable(std::u32string_view name) {
    std::u32string out;
    for (const char32_t u : name)
        out += u == U' ' || u == U'_' || u == U'+' ? U'-' : plain(small(u));
    return out;
}

// A bar's letter as typed on a Latin keyboard: the Greek letter it stands for.
char32_t greekFor(char32_t u) {
    static constexpr std::pair<char32_t, char32_t> kLookalikes[] = {
        {U'A', U'Α'}, {U'B', U'Β'}, {U'G', U'Γ'}, {U'D', U'Δ'}, {U'a', U'α'},
        {U'b', U'β'}, {U'g', U'γ'}, {U'd', U'δ'}, {U'f', U'φ'}, {U'w', U'ω'}};
    for (const auto& [latin, greek] : kLookalikes)
        if (u == latin) return greek;
    return u;
}

// A piece of the link as the message quotes it: no control characters, not too long.
std::string quoted(std::string_view piece) {
    const std::u32string letters = decodeUtf8(piece).value_or(U"?");
    std::u32string out;
    for (const char32_t u : letters) {
        if (out.size() == 24) {
            out += U'…';
            break;
        }
        out += u < 0x20 || (u >= 0x7F && u < 0xA0) ? U'?' : u;
    }
    return "«" + encodeUtf8(out) + "»";
}

// ---- Values --------------------------------------------------------------------------

bool inHundredths(rt::BarUnit unit) {
    return unit == rt::BarUnit::Hundredths || unit == rt::BarUnit::HundredthDegrees;
}

bool inDegrees(rt::BarUnit unit) {
    return unit == rt::BarUnit::Degrees || unit == rt::BarUnit::HundredthDegrees;
}

// A bar's value as the link writes it: whole units, or its units to the hundredth with no
// trailing zeros ("70.97", "70.5", "70").
std::string valueText(const rt::ControlDesign& bar, int value) {
    if (!inHundredths(bar.unit)) return std::to_string(value);
    std::string text = std::to_string(value / 100);
    const int rest = value % 100;
    if (rest != 0) {
        text += '.';
        text += static_cast<char>('0' + rest / 10);
        if (rest % 10 != 0) text += static_cast<char>('0' + rest % 10);
    }
    return text;
}

// The value a link's text gives a bar, in the bar's own steps: whole units ("50", "50°"),
// or units to the hundredth with a point or a comma ("70.97", "70,97"); nothing when the
// text is no such number.
std::optional<int> valueOf(const rt::ControlDesign& bar, std::string_view text) {
    if (text.size() >= 2 && text.substr(text.size() - 2) == "°") text.remove_suffix(2);
    const bool minus = !text.empty() && text.front() == '-';
    if (minus) text.remove_prefix(1);
    const auto digits = [](std::string_view s) {
        return !s.empty() && s.size() <= 6 &&
               std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    const auto point = text.find_first_of(".,");
    const std::string_view whole = text.substr(0, point);
    const std::string_view part = point == std::string_view::npos ? "" : text.substr(point + 1);
    if (!digits(whole) || (point != std::string_view::npos && !digits(part))) return std::nullopt;
    int value = std::stoi(std::string(whole));
    if (inHundredths(bar.unit)) {
        if (part.size() > 2) return std::nullopt;
        value = 100 * value +
                (part.empty() ? 0 : std::stoi(std::string(part)) * (part.size() == 1 ? 10 : 1));
    } else if (!part.empty() && std::stoi(std::string(part)) != 0) {
        return std::nullopt; // a whole-unit bar takes no fraction
    }
    return minus ? -value : value;
}

// "από 1 έως 10", "από 0° έως 180°": a bar's range as its box would show its ends.
std::string rangeText(const rt::ControlDesign& bar) {
    const std::string sign = inDegrees(bar.unit) ? "°" : "";
    return "από " + valueText(bar, bar.min) + sign + " έως " + valueText(bar, bar.max) + sign;
}

// ---- Reading -------------------------------------------------------------------------

std::optional<std::string> percentDecoded(std::string_view text) {
    std::string out;
    const auto hex = [](char c) {
        return c >= '0' && c <= '9'   ? c - '0'
               : c >= 'a' && c <= 'f' ? c - 'a' + 10
               : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                      : -1;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        if (i + 2 >= text.size() || hex(text[i + 1]) < 0 || hex(text[i + 2]) < 0)
            return std::nullopt;
        out += static_cast<char>(16 * hex(text[i + 1]) + hex(text[i + 2]));
        i += 2;
    }
    return out;
}

// The link itself out of whatever carries it: a web address's fragment, the scheme's
// part, or the text alone; blanks and the angle brackets mail puts round an address off.
std::string_view linkPart(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && (blank(text.front()) || text.front() == '<'))
        text.remove_prefix(1);
    while (!text.empty() && (blank(text.back()) || text.back() == '>'))
        text.remove_suffix(1);
    const std::string_view scheme = kLinkScheme;
    const auto schemes = [scheme](std::string_view t) {
        return t.size() > scheme.size() && t[scheme.size()] == ':' &&
               std::equal(scheme.begin(), scheme.end(), t.begin(),
                          [](char a, char b) { return a == (b | 0x20); });
    };
    if (const auto hash = text.find('#'); hash != std::string_view::npos)
        text = text.substr(hash + 1); // (which may hold the scheme's form, pasted there)
    else if (!schemes(text) && text.find("://") != std::string_view::npos)
        return {}; // an address alone
    if (schemes(text)) {
        text.remove_prefix(scheme.size() + 1);
        while (!text.empty() && text.front() == '/')
            text.remove_prefix(1);
    }
    return text;
}

std::vector<std::string_view> split(std::string_view text, char by) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const auto end = text.find(by, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return parts;
}

} // namespace

std::string linkName(const rt::FormDesign& figure) {
    std::u32string name = decodeUtf8(figure.figure).value_or(U"");
    for (char32_t& u : name)
        u = u == U' ' ? U'-' : small(u);
    return encodeUtf8(name);
}

std::string linkOf(const rt::FormDesign& figure,
                   const std::function<int(std::string_view bar)>& valueOf) {
    std::string link = std::to_string(kLinkVersion) + "/" + linkName(figure);
    for (const rt::ControlDesign* c : rt::tabOrder(figure))
        if (!c->linkName.empty())
            link += "/" + std::string(c->linkName) + "=" + valueText(*c, valueOf(c->name));
    return link;
}

std::string percentEncoded(std::string_view link) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : link) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9') ||
            std::string_view("-._~/=").find(c) != std::string_view::npos) {
            out += c;
        } else {
            out += '%';
            out += kDigits[b >> 4];
            out += kDigits[b & 15];
        }
    }
    return out;
}

std::string schemeLink(std::string_view link) {
    return std::string(kLinkScheme) + ":" + percentEncoded(link);
}

std::string readableSchemeLink(std::string_view link) {
    return std::string(kLinkScheme) + ":" + std::string(link);
}

Opening readLink(std::string_view text) {
    Opening opening;
    const std::string_view carried = linkPart(text);
    const std::optional<std::string> decoded = percentDecoded(carried);
    if (!decoded || !decodeUtf8(*decoded)) {
        opening.problem = "Ο σύνδεσμος " + quoted(carried) + " δεν διαβάζεται.";
        return opening;
    }
    std::string_view link = *decoded;
    while (!link.empty() && link.back() == '/')
        link.remove_suffix(1);
    if (link.empty()) return opening; // an address with no link: the menu, nothing to say
    const std::vector<std::string_view> parts = split(link, '/');
    const std::string_view version = parts[0];
    const bool numbered =
        !version.empty() && version.size() <= 4 &&
        std::all_of(version.begin(), version.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!numbered || std::stoi(std::string(version)) == 0) {
        opening.problem =
            "Ο σύνδεσμος " + quoted(link) + " δεν αρχίζει με τον αριθμό της έκδοσής του.";
        return opening;
    }
    if (std::stoi(std::string(version)) > kLinkVersion) {
        opening.problem = "Ο σύνδεσμος γράφτηκε για νεότερη έκδοση του προγράμματος (" +
                          std::string(version) + ") και δεν ανοίγει σε αυτήν.";
        return opening;
    }
    if (parts.size() < 2 || parts[1].empty()) {
        opening.problem = "Ο σύνδεσμος " + quoted(link) + " δεν λέει ποιο σχήμα ανοίγει.";
        return opening;
    }
    const std::u32string wanted = comparable(*decodeUtf8(parts[1]));
    for (const rt::FormClass* f : figureClasses())
        if (comparable(*decodeUtf8(linkName(f->design))) == wanted) opening.form = f;
    if (!opening.form) {
        opening.problem = "Δεν υπάρχει σχήμα " + quoted(parts[1]) + " στο πρόγραμμα.";
        return opening;
    }
    const rt::FormDesign& d = opening.form->design;
    std::vector<const rt::ControlDesign*> set;
    std::vector<std::string> refused;
    for (const rt::ControlDesign& c : d.controls)
        if (c.kind == rt::ControlKind::ScrollBar) opening.values.emplace_back(c.name, c.value);
    for (std::size_t i = 2; i < parts.size(); ++i) {
        const std::string_view part = parts[i];
        const auto eq = part.find('=');
        const std::u32string letter = decodeUtf8(part.substr(0, eq)).value_or(U"");
        const rt::ControlDesign* bar = nullptr;
        for (const rt::ControlDesign& c : d.controls) {
            std::u32string named = letter;
            for (char32_t& u : named)
                u = greekFor(u);
            if (!c.linkName.empty() && eq != std::string_view::npos &&
                (decodeUtf8(c.linkName) == letter || decodeUtf8(c.linkName) == named))
                bar = &c;
        }
        if (!bar) {
            refused.push_back(quoted(part) + " (άγνωστη μπάρα)");
            continue;
        }
        if (std::find(set.begin(), set.end(), bar) != set.end()) {
            refused.push_back(quoted(part) + " (δεύτερη φορά)");
            continue;
        }
        const std::optional<int> value = valueOf(*bar, part.substr(eq + 1));
        if (!value) {
            refused.push_back(quoted(part) + " (όχι αριθμός της μπάρας)");
            continue;
        }
        if (*value < bar->min || *value > bar->max) {
            refused.push_back(quoted(part) + " (" + rangeText(*bar) + ")");
            continue;
        }
        set.push_back(bar);
        for (auto& [name, v] : opening.values)
            if (name == bar->name) v = *value;
    }
    for (const rt::ControlDesign* c : rt::tabOrder(d))
        if (std::find(set.begin(), set.end(), c) != set.end()) opening.moved.push_back(c->name);
    if (!refused.empty()) {
        opening.problem = "Από τον σύνδεσμο δεν έγιναν δεκτά: ";
        for (std::size_t i = 0; i < refused.size(); ++i)
            opening.problem += (i ? ", " : "") + refused[i];
        opening.problem += ".";
    }
    return opening;
}

rt::Update openingUpdate(const Opening& opening, std::string_view decimalSeparator) {
    rt::Update update;
    if (!opening.form) return update;
    const rt::BarValues bars(opening.values, decimalSeparator);
    bool beeped = false;
    std::vector<std::string> shown;
    for (const std::string_view bar : opening.moved) {
        const rt::Handler* handler = opening.form->handlerFor(bar, rt::Event::Change);
        if (!handler) continue;
        const rt::Update moved = (*handler)(bars);
        for (const rt::Step& s : moved.steps()) {
            if (s.kind == rt::Step::Beep && std::exchange(beeped, true)) continue;
            if (s.kind == rt::Step::Show) {
                if (std::find(shown.begin(), shown.end(), s.name) != shown.end()) continue;
                shown.push_back(s.name);
            }
            update.append(s);
        }
    }
    return update;
}

} // namespace app
