#pragma once

#include "design.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QWidget>

class QLabel;

namespace sprout {

// Turns a screen's design table into widgets on its client area: geometry from
// twips, fonts, colours, transparency, stacking and tab order. Every widget's
// objectName is the control's name ("Picture1(3)" for a control array).
class ClickLabel;

class FormBuilder {
public:
    using Controls = QHash<QString, QWidget*>;

    // Builds at a scale: 1 for the designed window, larger for a screen shown larger.
    // clickable: the names of the controls that have a click handler ("Label2",
    // "Picture1" for the whole array); the keyboard reaches them too.
    static Controls build(QWidget* client, std::span<const Control> design,
                          const QSet<QString>& clickable = {}, double scale = 1.0);

    // Starts making on other cores the pictures that the build will make at the scale
    // (stretched, or shown larger), so that they are made while the window and its
    // controls are. Call forgetPicturesDrawnAhead() once built.
    static void drawPicturesAhead(std::span<const Control> design, double scale);

    // The property holding each control's place in the reading order, which the
    // Tab key follows; a frame takes the first place of what lies in it.
    static constexpr char kReadingPlace[] = "readingPlace";
    // Places the built controls again at another scale; they keep their state.
    static void rescale(QWidget* client, std::span<const Control> design, const Controls& controls,
                        double scale);
    // A screen shown larger holds its pictures at its own scale: one left long ago, or
    // scaled afresh, lets its designed pictures go, and takes them back before it
    // shows again (drawn on other cores while the rest are taken back).
    static void letPicturesGo(std::span<const Control> design, const Controls& controls);
    static void takePicturesBack(std::span<const Control> design, const Controls& controls);
    // The scale of the screen a widget lies on.
    static double scaleOf(const QWidget* widget);
    // Sizes an image to its picture's own size at the scale of its screen.
    static void fitToPicture(QLabel* image);

    static QString objectNameOf(const Control& control);

private:
    static QWidget* create(const Control& control, QWidget* parent);
    static void applyLook(QWidget* widget, const Look& look);
    static void place(QWidget* widget, const Control& control, double scale);
    static void showPicture(ClickLabel* image, const Control& control);
    static bool showsDesignedPicture(const QLabel* image, const Control& control);
    static void stack(std::span<const Control> design, const Controls& controls);
    static void orderTabs(QWidget* client, std::span<const Control> design, const Controls& controls,
                          const QSet<QString>& clickable);
    static void moveByArrows(std::span<const Control> design, const Controls& controls);
};

// Windowed controls lie above labels, images and lines, whatever the table says.
bool isWindowed(Kind kind);

} // namespace sprout
