#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <functional>

namespace sprout {

// A label, image or picture box: takes every click inside its rectangle, also
// where nothing is drawn, so a click never falls through to what lies beneath.
// Its caption's finished pixels are kept: laying glyphs onto the screen one by one
// costs ten times what laying down their picture does.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr);

    // Sets the caption; a change is reported only when the text really differs,
    // while every setting is reported as set (a verdict given twice is heard twice).
    void setCaption(const QString& text);

    // The font the caption is drawn in: the label's own, with the letters closed up
    // where the caption would spill over the label by a little.
    QFont captionFont() const { return fit().font; }
    // The caption as drawn: the text, broken where the design breaks it when the
    // label is shown at another scale than designed.
    QString captionLines() const { return fit().lines; }

    // The font and width the label has in the design, where it is shown at another
    // scale: its font grows by whole pixels, not quite in step with its width, so the
    // caption is broken into the designed lines rather than wrapped afresh.
    void setDesign(const QFont& font, int width)
    {
        m_designFont = font;
        m_designWidth = width;
        m_fit = {};
    }

    // A control with a click handler: the Tab key reaches it, Enter and the space bar
    // press it, and screen readers present it as a button.
    void setClickable(bool clickable);
    bool isClickable() const { return m_clickable; }
    // Hidden whole under a picture above it (the main menu's links under the cover):
    // out of the keyboard's reach and not showing to screen readers until uncovered.
    void setCovered(bool covered);
    bool isCovered() const { return m_covered; }
    // What the control shows now, for screen readers: "X" in a square, the word on
    // a picture. Read after the control's own name.
    void setShownName(const QString& name);
    QString shownName() const { return m_shownName; }

    // As a click of the mouse does.
    void click() { emit clicked(); }

    // A picture, or none, in place of the one shown or coming.
    void showPicture(const QPixmap& picture)
    {
        m_comingPicture = nullptr;
        setPixmap(picture);
    }
    // A picture that another core is still drawing: the label shows it from its first
    // paint, so that building a screen does not wait for it.
    void showComingPicture(std::function<QPixmap()> take)
    {
        setPixmap(QPixmap());
        m_comingPicture = std::move(take);
    }
    // A picture on show, or coming.
    bool showsPicture() const { return m_comingPicture || !pixmap().isNull(); }

signals:
    void clicked();
    void changed();
    void captionSet();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Fitting needs the font's glyphs, so it is done when first asked for (most
    // often the first paint), not when the screen is built: a label hidden under
    // a picture costs nothing until it shows.
    struct CaptionFit {
        QString text;
        QRect area;
        QFont designed;
        int flags = 0;
        QString lines; // the text as drawn
        QFont font;
        int lift = 0;
        QRectF inked; // where the fitted lines lie before the lift
    };
    const CaptionFit& fit() const;
    QString linesAsDesigned(int flags) const;

    void updateReach();

    bool m_pressed = false;
    bool m_clickable = false;
    bool m_covered = false;
    QString m_shownName;
    mutable CaptionFit m_fit;
    QFont m_designFont;
    int m_designWidth = 0; // none: shown as designed
    std::function<QPixmap()> m_comingPicture;
    bool m_paintedComingPicture = false;
};

// A push button whose caption wraps at word boundaries inside the button.
class WrapButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    // Enter presses the button as the space bar does, also outside a dialog.
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

// A frame with its caption, drawn as a group box is. The style stretches a small
// picture over the whole frame, the most costly part of a screen coming back, so
// the finished frame is kept.
class FrameBox : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A multi-line text box. Its text is laid out and every letter blended afresh at each
// paint, most of a return to Tic-Tac-Toe on the full-screen classroom: unless a caret or
// a selection shows, the finished text is kept, on the box's own ground.
class TextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

    // As ClickLabel's: shown at another scale, the text wraps into its designed lines.
    void setDesign(const QFont& font, int width);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void drawText(QPainter& painter, const QRect& area);
    void keepDesignedLines();

    QFont m_designFont;
    int m_designWidth = 0; // none: shown as designed
};

// A straight line between two points of its parent.
class LineControl : public QWidget {
    Q_OBJECT
public:
    LineControl(QPoint from, QPoint to, int width, QColor colour, QWidget* parent = nullptr);
    // Places the line again, its width in pixels; its colour stays.
    void setEnds(QPoint from, QPoint to, int width);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint m_from, m_to;
    int m_width;
    QColor m_colour;
};

} // namespace sprout
