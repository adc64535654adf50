#pragma once

#include "design.h"

#include <QHash>
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

    static Controls build(QWidget* client, std::span<const Control> design);

    static QString objectNameOf(const Control& control);

private:
    static QWidget* create(const Control& control, QWidget* parent);
    static void applyLook(QWidget* widget, const Look& look);
    static void showPicture(ClickLabel* image, const Control& control);
    static void stack(std::span<const Control> design, const Controls& controls);
    static void orderTabs(std::span<const Control> design, const Controls& controls);
};

// Windowed controls lie above labels, images and lines, whatever the table says.
bool isWindowed(Kind kind);

} // namespace sprout
