#pragma once

#include "phrase.h"

#include <QString>
#include <functional>
#include <optional>

namespace sprout {

// The one way the program tells the person at the computer that something went
// wrong, and how a way out of it turned out. The program shows a message box;
// tests install a recorder so that no test ever waits on a dialog. Where the
// message has words for the voice, they are said while it is up.
class ErrorReporter {
public:
    using Sink = std::function<void(const QString& title, const QString& message)>;
    // Answers a report that offers a way out: true takes the offer, false is "OK".
    using Chooser =
        std::function<bool(const QString& title, const QString& message, const QString& offer)>;

    using Spoken = std::optional<words::Phrase>;

    static void report(const QString& title, const QString& message, Spoken said = {});

    // Reports the failure with a button for the way out beside "OK"; true when the
    // person takes it. A sink only listens, so with a sink and no chooser the
    // report goes to the sink and the answer is "OK".
    static bool reportWithOffer(const QString& title, const QString& message, const QString& offer,
                                Spoken said = {});

    // Tells how things went after a way out was taken; not a warning.
    static void inform(const QString& title, const QString& message, Spoken said = {});

    // Replaces where reports go; an empty sink restores the message box.
    static void setSink(Sink sink);
    // Replaces who answers offers; an empty chooser restores the message box.
    static void setChooser(Chooser chooser);
};

} // namespace sprout
