#pragma once

// A child let loose on the program: one random action at a time, chosen among what
// a child can do at that moment, on whatever screens are on show. Every choice comes
// from one seeded generator, so a run is repeated exactly by its seed.

#include "quiztesting.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <random>
#include <vector>

namespace sprout::testing {

inline std::vector<Screen*> visibleScreens(const ScreenRegistry& registry)
{
    std::vector<Screen*> screens;
    for (int i = 0; i < kScreenCount; ++i)
        if (Screen* screen = registry.find(ScreenId(i)); screen && screen->isVisible())
            screens.push_back(screen);
    return screens;
}

class RandomPlayer {
public:
    enum Action { Click, ControlClick, DoubleClick, Answer, Key, Typing, CloseBox, ExitMenu, WebMenu, RapidCells, ActionCount };
    static constexpr const char* kNames[ActionCount] = {"click", "control click", "double click", "answer", "key",
                                                        "typing", "close box", "Exit Program", "web menu", "rapid cells"};

    RandomPlayer(ScreenRegistry& registry, quint32 seed) : m_registry(registry), m_random(seed) {}

    int counted(Action action) const { return m_counts[action]; }

    // Does one thing a child can do now and says what it was.
    QString step()
    {
        const std::vector<Screen*> screens = visibleScreens(m_registry);
        if (screens.empty())
            return "nothing on show";
        Screen& screen = *screens[below(int(screens.size()))];
        // The window a child looks at: the active one if it is a screen.
        Screen* front = screens.back();
        for (Screen* candidate : screens)
            if (candidate->window() == QApplication::activeWindow())
                front = candidate;
        const QuizTable* quiz = quizOf(front->id());
        const Screen* board = m_registry.find(ScreenId::Form1);
        // A child who has found a game stays with it a while.
        const double weights[ActionCount] = {20, 25, 3, quiz ? 60.0 : 0.0, 6, 4, 0.5, 0.5,
                                             screen.id() == ScreenId::SproutMain ? 0.5 : 0.0,
                                             board && board->isVisible() ? 40.0 : 0.0};
        const auto action = Action(std::discrete_distribution<int>(std::begin(weights), std::end(weights))(m_random));
        ++m_counts[action];
        const QString where = QString(" on ") + screenName(screen.id());
        switch (action) {
        case Click:
        case DoubleClick: {
            const QPoint point(below(screen.client()->width()), below(screen.client()->height()));
            return clickAt(screen, point, action == DoubleClick) + where;
        }
        case ControlClick: {
            QList<QWidget*> controls;
            for (QWidget* widget : screen.client()->findChildren<QWidget*>())
                if (widget->isVisibleTo(screen.client()) && !widget->objectName().isEmpty())
                    controls << widget;
            QWidget* control = controls.isEmpty() ? screen.client() : controls[below(int(controls.size()))];
            clickWhereShown(screen, control);
            return "click on " + control->objectName() + where;
        }
        case Answer:
            return answer(*front, *quiz) + " on " + screenName(front->id());
        case Key:
        case Typing:
            return keys(screen, action == Typing) + where;
        case CloseBox:
            screen.window()->close();
            return "close box" + where;
        case ExitMenu:
        case WebMenu: {
            const char* name = action == ExitMenu ? "mnuExit" : chance(0.5) ? "mnuUpdates" : "mnuMore";
            if (QAction* entry = menuEntry(screen, name))
                entry->trigger();
            return name + where;
        }
        case RapidCells:
            return rapidCells(*m_registry.find(ScreenId::Form1));
        case ActionCount:
            break;
        }
        return {};
    }

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, qMax(1, n) - 1)(m_random); }
    bool chance(double p) { return std::bernoulli_distribution(p)(m_random); }

    // Clicks the client area at a point in pixels, on whatever lies topmost there.
    static QString clickAt(Screen& screen, QPoint point, bool twice)
    {
        QWidget* target = screen.client()->childAt(point);
        if (!target)
            target = screen.client();
        const QPoint local = target->mapFrom(screen.client(), point);
        if (twice)
            QTest::mouseDClick(target, Qt::LeftButton, Qt::NoModifier, local);
        else
            QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, local);
        return QStringLiteral("%1 at (%2, %3) of %4")
            .arg(twice ? "double click" : "click")
            .arg(point.x())
            .arg(point.y())
            .arg(target->objectName());
    }

    // Clicks a random point of the control where it is topmost, if it is anywhere.
    void clickWhereShown(Screen& screen, QWidget* control)
    {
        QWidget* client = screen.client();
        if (!control || !control->isVisibleTo(client))
            return;
        const QRect area(control->mapTo(client, QPoint(0, 0)), control->size());
        for (int attempt = 0; attempt < 40; ++attempt) {
            const QPoint point(area.left() + below(area.width()), area.top() + below(area.height()));
            QWidget* top = client->childAt(point);
            if (top == control || (top && control->isAncestorOf(top)))
                return void(clickAt(screen, point, false));
        }
    }

    // As a child who tries: mostly a new question after a right answer, else any
    // answer, and now and then the right one.
    QString answer(Screen& screen, const QuizTable& quiz)
    {
        if (quiz.newQuestion && result(screen) == kCorrect && chance(0.8)) {
            clickWhereShown(screen, screen.control(quiz.newQuestion));
            return "new question";
        }
        const int shown = shownQuestion(screen, quiz);
        QString caption = quiz.answers[shown >= 0 && chance(0.5) ? shown : below(int(quiz.answers.size()))];
        if (!quiz.newQuestion) {
            if (chance(0.1))
                caption = caption.toLower();
            auto* box = screen.control<QLineEdit>("Text1");
            box->clear();
            QTest::keyClicks(box, caption);
            clickWhereShown(screen, screen.control("Command1"));
            return "spell \"" + caption + "\"";
        }
        for (QLabel* label : screen.client()->findChildren<QLabel*>())
            if (!caption.isEmpty() && label->text() == caption)
                clickWhereShown(screen, label);
        return "answer " + caption;
    }

    QString keys(Screen& screen, bool typing)
    {
        QList<QWidget*> boxes;
        for (QWidget* widget : screen.client()->findChildren<QWidget*>())
            if (widget->isVisibleTo(screen.client()) && (qobject_cast<QLineEdit*>(widget) || qobject_cast<QPlainTextEdit*>(widget)))
                boxes << widget;
        if (typing && !boxes.isEmpty()) {
            QWidget* box = boxes[below(int(boxes.size()))];
            static const QString letters = "abcdefghijklmnopqrstuvwxyzABCXYZ 0123456789.,!?-'\"";
            QString text;
            const int length = chance(0.05) ? 500 : 1 + below(12);
            for (int i = 0; i < length; ++i)
                text += letters[below(int(letters.size()))];
            QTest::keyClicks(box, text);
            if (chance(0.3))
                QTest::keyClick(box, Qt::Key_Return);
            return QStringLiteral("type %1 characters into %2").arg(length).arg(box->objectName());
        }
        static const Qt::Key keys[] = {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Tab, Qt::Key_Backtab,
                                       Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left, Qt::Key_Up,
                                       Qt::Key_Down, Qt::Key_Home, Qt::Key_PageDown, Qt::Key_F1, Qt::Key_F4,
                                       Qt::Key_F10, Qt::Key_Alt, Qt::Key_A, Qt::Key_1, Qt::Key_Menu};
        static const Qt::KeyboardModifiers modifiers[] = {Qt::NoModifier, Qt::NoModifier, Qt::NoModifier,
                                                          Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier};
        QWidget* target = screen.window()->focusWidget() ? screen.window()->focusWidget() : screen.window();
        const Qt::Key key = keys[below(int(std::size(keys)))];
        const Qt::KeyboardModifiers modifier = modifiers[below(int(std::size(modifiers)))];
        QTest::keyClick(target, key, modifier);
        return QStringLiteral("key %1 (modifiers %2) to %3")
            .arg(QKeySequence(key).toString())
            .arg(int(modifier), 0, 16)
            .arg(target->objectName());
    }

    // Clicks made while the computer pauses wait in the queue and are then handled
    // one after the other: post them all, then let them through.
    QString rapidCells(Screen& board)
    {
        if (chance(0.25))
            clickWhereShown(board, board.control("Cmdgamestart"));
        QStringList cells;
        for (int clicks = 1 + below(6); clicks > 0; --clicks) {
            const int cell = 1 + below(9);
            QWidget* box = board.control(QStringLiteral("Picture1(%1)").arg(cell));
            const QPointF local(box->width() / 2.0, box->height() / 2.0);
            for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
                QCoreApplication::postEvent(box, new QMouseEvent(type, local, box->mapToGlobal(local), Qt::LeftButton,
                                                                 type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                                                 Qt::NoModifier));
            cells << QString::number(cell);
        }
        QCoreApplication::processEvents();
        return "rapid clicks on cells " + cells.join(',') + " of Form1";
    }

    ScreenRegistry& m_registry;
    std::mt19937 m_random;
    int m_counts[ActionCount] = {};
};

} // namespace sprout::testing
