#pragma once
// Beep, End and the runtime error report, behind one interface so that tests can count
// beeps and observe End without ending the test process.
#include "integer.h"

#include <string>

namespace desktop {

class Services {
  public:
    virtual ~Services() = default;
    virtual void beep() = 0;
    // Ends the program at once.
    virtual void end() = 0;
    // Reports an error no handler caught, then ends the program.
    virtual void runtimeError(const rt::RuntimeError& error) = 0;
    // Tells the user something in a message that waits for nothing: what a link did not say.
    virtual void tell(const std::string& message) = 0;
};

// The desktop's own: the system beep, the event loop's exit and a message box.
class DesktopServices : public Services {
  public:
    void beep() override;
    void end() override;
    void runtimeError(const rt::RuntimeError& error) override;
    void tell(const std::string& message) override;
};

} // namespace desktop
