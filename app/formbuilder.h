#pragma once

#include "design.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QWidget>

namespace sprout {

// Turns a screen's design table into widgets on its client area: geometry from
// twips, fonts, colours, transparency, stacking and tab order. Every widget's
// objectName is the control's name ("Picture1(3)" for a control array).
class ClickLabel;

class FormBuilder {
public:
    using Controls = QHash<QString, QWidget*>;

    // clickable: the names of the controls that have a click handler ("Label2",
    // "Picture1" for the whole array); the keyboard reaches them too.
    static Controls build(QWidget* client, std::span<const Control> design,
                          const QSet<QString>& clickable = {});

    // The property holding each control's place in the reading order, which the
    // Tab key follows; a frame takes the first place of what lies in it.
    static constexpr char kReadingPlace[] = "readingPlace";

    static QString objectNameOf(const Control& control);

private:
    static QWidget* create(const Control& control, QWidget* parent);
    static void applyLook(QWidget* widget, const Look& look);
    static void showPicture(ClickLabel* image, const Control& control);
    static void stack(std::span<const Control> design, const Controls& controls);
    static void orderTabs(QWidget* client, std::span<const Control> design, const Controls& controls,
                          const QSet<QString>& clickable);
    static void moveByArrows(std::span<const Control> design, const Controls& controls);
};

// Windowed controls lie above labels, images and lines, whatever the table says.
bool isWindowed(Kind kind);

} // namespace sprout
