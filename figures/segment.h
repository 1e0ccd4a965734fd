#pragma once
#include "figure.h"

#include <string_view>

namespace figures::segment {

struct Bars {
    int length;    // hundredths of a unit, 0 to 10000
    int direction; // hundredths of a degree, 0 to 18000
};

// Whole degrees, minutes and seconds of a direction, and what is left of a second.
struct Dms {
    double D, M, S, F;
};

const rt::FormDesign& design();
Dms degreesMinutesSeconds(double phi);
// Cls, the length box, then DrawSegment.
rt::Update hsbmhkos_Scroll(const Bars& bars, std::string_view decimalSeparator);
// Cls, the decimal-degree box, then DrawSegment.
rt::Update hsbdief_Scroll(const Bars& bars, std::string_view decimalSeparator);
// The other three direction boxes and the segment with its end marks and letters.
void DrawSegment(const Bars& bars, std::string_view decimalSeparator, rt::Update& u);

class Formline : public rt::Form {
    Q_OBJECT
  public:
    explicit Formline(rt::Shell& shell) : rt::Form(shell, segment::design()) {}

  private:
    void wire() override;
    void hsbmhkos_Scroll();
    void hsbdief_Scroll();
    void Command1_Click();
    Bars bars() const;
};

} // namespace figures::segment
