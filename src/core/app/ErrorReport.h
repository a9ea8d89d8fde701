#pragma once

#include <functional>

class Dialogs;

// The application's top-level error report: every handler runs inside it, so
// an error that ends a command is shown in a box and the editor keeps running.
class ErrorReport {
public:
    explicit ErrorReport(Dialogs& dialogs) : dialogs_(dialogs) {}

    void run(const std::function<void()>& handler) const;

    // A slot that runs a window's handler inside the report.
    template <typename Window> auto guarded(Window* window, void (Window::*handler)()) const {
        return [this, window, handler] { run([window, handler] { (window->*handler)(); }); };
    }

private:
    Dialogs& dialogs_;
};
