#include "integer.h"

#include <cmath>

namespace rt {

namespace {
const char* describe(RuntimeError::Number number) {
    switch (number) {
    case RuntimeError::Overflow:
        return "Σφάλμα εκτέλεσης 6: Υπερχείλιση";
    case RuntimeError::TypeMismatch:
        return "Σφάλμα εκτέλεσης 13: Ασυμβατότητα τύπων";
    case RuntimeError::FloatingPoint:
        return "Σφάλμα εκτέλεσης 5: Σφάλμα κινητής υποδιαστολής";
    }
    return "Σφάλμα εκτέλεσης";
}
} // namespace

RuntimeError::RuntimeError(Number number) : std::runtime_error(describe(number)), number_(number) {}

int checked16(long value) {
    if (value < -32768 || value > 32767) throw RuntimeError(RuntimeError::Overflow);
    return static_cast<int>(value);
}

double checkedDouble(double value) {
    if (!std::isfinite(value)) throw RuntimeError(RuntimeError::FloatingPoint);
    return value;
}

} // namespace rt
