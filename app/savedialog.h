#pragma once

#include <QString>
#include <functional>

namespace sprout {

// Asks the person at the computer where a file should go. The program shows the
// standard save dialog, which asks before it lets a file be replaced; tests
// install an answer so that no test ever waits on a dialog.
class SaveDialog {
public:
    using Answer = std::function<QString(const QString& caption, const QString& suggestedPath,
                                         const QString& filter)>;

    // The chosen path, or an empty string when the person cancelled. The dialog
    // opens in the suggested file's folder with its name filled in; a name typed
    // without an ending gets the filter's first one.
    static QString ask(const QString& caption, const QString& suggestedPath, const QString& filter);

    // Replaces who answers; an empty answer restores the dialog.
    static void setAnswer(Answer answer);
};

} // namespace sprout
