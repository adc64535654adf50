#pragma once

#include "screenwords.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <string>

class QWidget;

namespace sprout {

// Gives the controls of one loaded screen their words from the screen's words
// table: the accessible name and description a screen reader reads, and the
// phrase said once when the pointer rests on a control. Where one control holds a
// row of letters or numbers, the one under the pointer is said, and the next as
// the pointer moves along.
class SpokenControls : public QObject {
    Q_OBJECT
public:
    // How long the pointer rests before the words are said; tests shorten it.
    static void setRestMilliseconds(int milliseconds);

    // Lives as long as the screen's client area; a screen without words gets none.
    static void attach(QWidget* client, const char* screenName,
                       const QHash<QString, QWidget*>& controls);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SpokenControls(QWidget* client, const char* screenName);
    void watch(QWidget* widget, const words::ControlWords& words);
    void pointerAt(QWidget* widget, QPoint position);
    void restCompleted();
    // Which item of the control lies under the pointer: 0 for a whole control,
    // -1 for none (between the letters of a strip, or past its ends).
    int itemAt(QWidget* widget, QPoint position) const;
    std::optional<words::Phrase> phraseFor(QWidget* widget, int item) const;

    std::string m_screen;
    QHash<QWidget*, const words::ControlWords*> m_words;
    QTimer m_rest;
    QPointer<QWidget> m_hovered;
    int m_itemUnderPointer = -1;
    int m_itemSaid = -1; // during this visit of the pointer
};

} // namespace sprout
