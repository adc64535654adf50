#pragma once

#include "design.h"
#include "formbuilder.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QTimer>

class QWidget;

namespace sprout {

// Gives the controls of one loaded screen their words from its design table: the
// accessible name and description a screen reader reads, and the phrase said once
// when the pointer rests on a control (the reply it shows, once it shows one).
// Where one control holds a row of letters or numbers, the one under the pointer
// is said, and the next as the pointer moves along.
class SpokenControls : public QObject {
    Q_OBJECT
public:
    // How long the pointer rests before the words are said; tests shorten it.
    static void setRestMilliseconds(int milliseconds);

    // Lives as long as the screen's client area.
    SpokenControls(QWidget* client, std::span<const Control> design, const FormBuilder::Controls& controls);

    void replyShown(QWidget* control, const words::Phrase& said);
    void questionShown(const words::Phrase& asked);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A control's row and what it says as a whole now.
    struct Words {
        const Control* row;
        words::Phrase said;
    };

    void watch(QWidget* widget, const Control& row);
    void pointerAt(QWidget* widget, QPoint position);
    void restCompleted();
    // Which item of the control lies under the pointer: 0 for a whole control,
    // -1 for none (between the letters of a strip, or past its ends).
    int itemAt(QWidget* widget, QPoint position) const;
    std::optional<words::Phrase> phraseFor(QWidget* widget, int item) const;

    QHash<QWidget*, Words> m_words;
    words::Phrase m_question; // of the quiz picture on show
    QTimer m_rest;
    QPointer<QWidget> m_hovered;
    int m_itemUnderPointer = -1;
    int m_itemSaid = -1; // during this visit of the pointer
};

} // namespace sprout
