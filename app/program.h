#pragma once
// The program: its services and its eleven forms, each created on first use and
// reached by name.
#include "form.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace app {

class Program : public rt::Shell {
  public:
    // decimalSeparator: the system locale's, for Format.
    Program(rt::Services& services, std::string decimalSeparator);
    ~Program() override;

    // Shows the menu; nothing is computed or drawn at start.
    void start();

    rt::Services& services() override { return services_; }
    rt::Form& form(std::string_view name) override;
    void formUnloaded(rt::Form& form) override;
    std::string decimalSeparator() const override { return decimalSeparator_; }

    // The forms created so far (loaded or not).
    std::vector<rt::Form*> forms() const;
    std::vector<rt::Form*> loadedForms() const;

    static const std::vector<std::string>& formNames();

  private:
    rt::Services& services_;
    std::string decimalSeparator_;
    std::map<std::string, std::unique_ptr<rt::Form>, std::less<>> forms_;
};

} // namespace app
