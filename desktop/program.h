#pragma once
// The program on the desktop: its services and one form for each of the program's form
// classes, created on first use and reached by name.
#include "form.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace desktop {

class Program : public Shell {
  public:
    // decimalSeparator: the system locale's, for Format.
    Program(Services& services, std::string decimalSeparator);
    ~Program() override;

    // Shows the start-up form, nothing computed or drawn; or, given a link, the window it
    // names with its bars set, and tells what in the link was not understood.
    void start(std::string_view link = {});

    Services& services() override { return services_; }
    Form& form(std::string_view name) override;
    void formUnloaded(Form& form) override;
    void formShown(Form& form) override;
    const std::string& decimalSeparator() const override { return decimalSeparator_; }
    double zoom() const override { return zoom_; }
    // Steps through the zooms; a larger one that would not fit a window's screen is skipped.
    void stepZoom(rt::ZoomAsk ask) override;
    // Every loaded window and every window opened from now on at this zoom.
    void setZoom(double zoom);

    // The forms created so far (loaded or not).
    std::vector<Form*> forms() const;
    std::vector<Form*> loadedForms() const;

    // The names of all the program's forms.
    static const std::vector<std::string>& formNames();

  private:
    // The credits and the notice stay above the window being worked: transient for it, and
    // for the one that replaces it.
    void keepDialogsAbove();

    Services& services_;
    rt::Desk desk_; // which window the credits and the notice stand above
    std::string decimalSeparator_;
    double zoom_ = 1; // the program's, for this run only
    std::map<std::string, std::unique_ptr<Form>, std::less<>> forms_;
};

} // namespace desktop
