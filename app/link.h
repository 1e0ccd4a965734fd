#pragma once
// A link to a figure window with its bars set, as a teacher hands it to pupils: the
// version, the figure's name and each bar's value by the letter the window labels it with,
// "1/τρίγωνο/Α=50/Γ=60/β=5". Written and read here only; a runtime carries it: in a web
// address's fragment (schimatios.html#1/…), after the program's own scheme
// (schimatios:1/…), on the command line, on the clipboard and on paper.
#include "formclass.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace app {

inline constexpr int kLinkVersion = 1;
inline constexpr const char* kLinkScheme = "schimatios";

// A figure's name in a link: its name in small letters, a hyphen for a blank
// ("ευθύγραμμο-τμήμα").
std::string linkName(const rt::FormDesign& figure);

// The readable link of a figure window at these bar values: "1/τετράγωνο/α=7". A bar of
// hundredths is written in its units ("ΑΒ=70.97"); every other in whole units.
std::string linkOf(const rt::FormDesign& figure,
                   const std::function<int(std::string_view bar)>& valueOf);
// The link as a web address carries it: every byte but letters, digits and - . _ ~ / =
// percent-encoded ("1/%CF%84%CE%B5…").
std::string percentEncoded(std::string_view link);
// The link after the program's scheme, encoded: "schimatios:1/%CF%84…".
std::string schemeLink(std::string_view link);
// The same as a person reads it, on paper: "schimatios:1/τετράγωνο/α=7".
std::string readableSchemeLink(std::string_view link);

// What a link opens: a figure window with each bar's value (the link's, or the design's
// where the link gives none or one not understood), or the menu; and, when something was
// not understood, one Greek sentence saying what.
struct Opening {
    const rt::FormClass* form = nullptr;                    // nullptr: the menu
    std::vector<std::pair<std::string_view, int>> values{}; // every bar of the window
    std::vector<std::string_view> moved{}; // the bars the link set, in the window's order
    std::string problem{};
};

// Reads a link in any of its forms: a web address (its fragment), the scheme's, or the
// link alone; percent-encoded or not. Nothing in it is run: it only chooses a window and
// values within its bars' ranges.
Opening readLink(std::string_view text);

// What the window shows once loaded with the opening's values: each bar the link set is
// taken as moved there by hand in turn (its Change handler runs), the beep and a window
// it shows (the trapezium's notice) only once.
rt::Update openingUpdate(const Opening& opening, std::string_view decimalSeparator);

} // namespace app
