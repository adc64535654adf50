#pragma once

#include "design.h"

#include <QStringList>

namespace sprout {

// Finds what in a screen's design would fail without a word: a handler for a
// control the table lacks (a dead click), a parent that is no frame of the table
// (a control in the wrong place), a built-in picture that does not exist (a blank
// picture). Each problem is one line naming the control.
class DesignCheck {
public:
    static QStringList problems(const WindowDesign& window, std::span<const Control> design,
                                const QStringList& handledNames);
    static bool hasControl(std::span<const Control> design, const QString& name);

private:
    static bool hasMenuEntry(const WindowDesign& window, const QString& name);
    static bool isFrame(std::span<const Control> design, const char* name);
    static void checkPictures(const WindowDesign& window, std::span<const Control> design,
                              QStringList& problems);
};

} // namespace sprout
