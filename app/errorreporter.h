#pragma once

#include <QString>
#include <functional>

namespace sprout {

// The one way the program tells the person at the computer that something went
// wrong. The program shows a message box; tests install a recorder so that no
// test ever waits on a dialog.
class ErrorReporter {
public:
    using Sink = std::function<void(const QString& title, const QString& message)>;

    static void report(const QString& title, const QString& message);

    // Replaces where reports go; an empty sink restores the message box.
    static void setSink(Sink sink);
};

} // namespace sprout
