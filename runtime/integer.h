#pragma once
// 16-bit Integer arithmetic and the runtime errors it can raise.
#include <stdexcept>
#include <string>

namespace rt {

// A runtime error: the program has no handlers of its own, so the form that ran the
// failing handler reports it through the services and the program ends.
class RuntimeError : public std::runtime_error {
  public:
    enum Number { Overflow = 6, TypeMismatch = 13, FloatingPoint = 5 };
    explicit RuntimeError(Number number);
    Number number() const { return number_; }

  private:
    Number number_;
};

// Integer results outside -32768..32767 raise the overflow error.
int checked16(long value);
inline int add16(int a, int b) {
    return checked16(static_cast<long>(a) + b);
}
inline int sub16(int a, int b) {
    return checked16(static_cast<long>(a) - b);
}
inline int mul16(int a, int b) {
    return checked16(static_cast<long>(a) * b);
}

// The floating-point status test after a division or a coordinate: an invalid
// operation, a division by zero or an overflow raise the floating-point error.
double checkedDouble(double value);

} // namespace rt
