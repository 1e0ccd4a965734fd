#pragma once
// The Windows edition's program: its forms, one instance each, created on first use and
// never destroyed; the message loop with the keys every window shares (Tab, zoom, the
// worksheet commands, Escape on a dialog); the zoom; the beep, the end and a run-time
// error; the program's own font and pictures, taken from the executable's resources.
#include "formclass.h"
#include "interaction.h"

#include <map>
#include <memory>
#include <string>
#include <windows.h>

namespace win {

class Form;
class Access;

class Program {
  public:
    explicit Program(HINSTANCE instance);
    ~Program();

    // Shows the start-up form, or the window a link names with its bars set (and says what
    // in the link was not understood), and runs until the last window goes or End.
    int run(std::string_view link = {});

    Form& form(std::string_view name);
    // The window being worked: the menu or figure window shown last and still loaded; null
    // before the first. The credits and the notice stand above it (they are its owned
    // windows), whichever window replaces which.
    HWND worked();
    void formShown(Form& form);
    // Before a window goes: its dialogs pass to another window, or stand alone, rather than
    // go with it (Windows destroys owned windows with their owner).
    void formUnloading(Form& form);
    // The program ends when no form is left loaded.
    void formUnloaded();
    void end();
    void beep();
    void runtimeError(const std::exception& error);

    HINSTANCE instance() const { return instance_; }
    const std::string& decimalSeparator() const { return separator_; }
    Access& access() { return *access_; }

    // Logical pixels a design pixel every window opens at, and a step of it.
    double zoom() const { return zoom_; }
    void stepZoom(rt::ZoomAsk ask);

    // The program's font at a pixel size, made once.
    HFONT font(int pixels);
    // A picture from the resources (the stored file, or its name@2x.png / @3x.png), made
    // once; null when there is none.
    HBITMAP picture(const std::string& file);

    // The credits and the notice owned by the window being worked and stacked above it.
    void keepDialogsAbove();

  private:
    bool keyDown(MSG& msg);

    HINSTANCE instance_;
    std::string separator_;
    std::unique_ptr<Access> access_;
    std::map<std::string, std::unique_ptr<Form>, std::less<>> forms_;
    std::map<int, HFONT> fonts_;
    std::map<std::string, HBITMAP> pictures_;
    rt::Desk desk_; // which window the credits and the notice stand above
    double zoom_ = 1;
    int result_ = 0;
};

} // namespace win
