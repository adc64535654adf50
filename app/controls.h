#pragma once

#include "finishedpicture.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOptionGroupBox>
#include <QWidget>

namespace sprout {

// A label, image or picture box: takes every click inside its rectangle, also
// where nothing is drawn, so a click never falls through to what lies beneath.
class ClickLabel : public QLabel, public KeepsPicture {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr);

    // Sets the caption; a change is reported only when the text really differs,
    // while every setting is reported as set (a verdict given twice is heard twice).
    void setCaption(const QString& text);

    // The font the caption is drawn in: the label's own, with the letters closed up
    // where the caption would spill over the label by a little.
    QFont captionFont() const { return fit().font; }
    // How many pixels the caption is drawn above the label's top to fit.
    int captionLift() const { return fit().lift; }

    void releasePicture() override { m_drawn.release(); }
    bool holdsPicture() const override { return m_drawn.held(); }

signals:
    void clicked();
    void changed();
    void captionSet();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Fitting needs the font's glyphs, so it is done when first asked for (most
    // often the first paint), not when the screen is built: a label hidden under
    // a picture costs nothing until it shows.
    struct CaptionFit {
        QString text;
        QSize size;
        QFont designed;
        int flags = 0;
        QFont font;
        int lift = 0;
    };
    const CaptionFit& fit() const;

    // The caption is kept as a picture of its ink: laying glyphs onto the screen one
    // by one costs ten times what laying down their finished picture does.
    struct CaptionLook {
        QString text;
        QSize size;
        QFont font;
        QRgb colour = 0;
        int flags = 0;
        int lift = 0;
        bool enabled = true;
        bool operator==(const CaptionLook&) const = default;
    };
    void drawCaption(const CaptionLook& look);

    bool m_pressed = false;
    mutable CaptionFit m_fit;
    FinishedPicture<CaptionLook> m_drawn;
};

// A push button whose caption wraps at word boundaries inside the button.
class WrapButton : public QPushButton, public KeepsPicture {
    Q_OBJECT
public:
    using QPushButton::QPushButton;
    void releasePicture() override { m_caption.release(); }
    bool holdsPicture() const override { return m_caption.held(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct CaptionLook {
        QString text;
        QRect area;
        QFont font;
        QRgb colour = 0;
        bool operator==(const CaptionLook&) const = default;
    };
    FinishedPicture<CaptionLook> m_caption;
};

// A frame with its caption, drawn as a group box is. The style draws it by
// stretching a small picture over the whole frame, the most costly part of a screen
// coming back; where only the window's plain background lies beneath the frame, it
// is kept as a finished, opaque picture, drawn just after the frame is first shown.
class FrameBox : public QGroupBox, public KeepsPicture {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;
    void releasePicture() override { m_look.release(); }
    bool holdsPicture() const override { return m_look.held(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Look {
        QString title;
        QSize size;
        QFont font;
        QRgb ink = 0;
        int state = 0;
        QRgb ground = 0;
        bool operator==(const Look&) const = default;
    };
    Look look(const QStyleOptionGroupBox& option, QColor ground) const;
    void keepPicture();
    FinishedPicture<Look> m_look;
};

// A text box of several lines. Unless a child is typing in it (it has the focus and
// takes typing), it keeps a finished picture of its text, taken just after it is
// painted, and lays it down while the text and its scrolling stay as they were.
class TextBox : public QPlainTextEdit, public KeepsPicture {
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;
    void releasePicture() override { m_shown.release(); }
    bool holdsPicture() const override { return m_shown.held(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Look {
        int revision = -1;
        QPoint scrolled;
        QSize size;
        int cursor = 0;
        int anchor = 0;
        bool enabled = false;
        QFont font;
        QRgb base = 0;
        QRgb text = 0;
        bool operator==(const Look&) const = default;
    };
    Look look() const;
    bool showsNoCaret() const;
    void takePicture();

    FinishedPicture<Look> m_shown;
    bool m_taking = false;
    bool m_takingSoon = false;
};

// A text box of one line (a quiz's score, the spelled word). On the window's plain
// background, and unless a child is typing in it, it lays down a finished picture
// of itself.
class LineBox : public QLineEdit, public KeepsPicture {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;
    void releasePicture() override { m_shown = {}; }
    bool holdsPicture() const override { return m_shown.held(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Look {
        QString text;
        QSize size;
        QFont font;
        qint64 palette = 0;
        int selectionStart = 0;
        int selectionLength = 0;
        bool readOnly = false;
        bool enabled = false;
        bool focus = false;
        QRgb ground = 0;
        bool operator==(const Look&) const = default;
    };
    FinishedPicture<Look> m_shown;
    bool m_drawing = false;
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
