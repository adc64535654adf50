#pragma once

// A child let loose on the program: one random action at a time, chosen among what
// a child can do at that moment, on whatever screens are on show. Every choice comes
// from one seeded generator, so a run is repeated exactly by its seed.

#include "mathtest.h"
#include "quiztesting.h"
#include "spellword.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <random>
#include <vector>

namespace sprout::testing {

inline bool isAward(ScreenId id)
{
    return id == ScreenId::awardcolor || id == ScreenId::awardshape || id == ScreenId::awardword
           || id == ScreenId::awardmath;
}

inline bool isQuiz(ScreenId id)
{
    return id == ScreenId::GuessColor || id == ScreenId::Guessshape || id == ScreenId::Spellword
           || id == ScreenId::MathTest;
}

inline ScreenId awardOf(ScreenId quiz)
{
    switch (quiz) {
    case ScreenId::Guessshape: return ScreenId::awardshape;
    case ScreenId::Spellword: return ScreenId::awardword;
    case ScreenId::MathTest: return ScreenId::awardmath;
    default: return ScreenId::awardcolor;
    }
}

inline QString scoreBoxOf(ScreenId quiz)
{
    return quiz == ScreenId::Spellword ? QStringLiteral("Text3") : QStringLiteral("Text1");
}

inline std::vector<ScreenId> allScreens()
{
    std::vector<ScreenId> ids;
    for (int i = 0; i < kScreenCount; ++i)
        ids.push_back(static_cast<ScreenId>(i));
    return ids;
}

inline std::vector<Screen*> visibleScreens(const ScreenRegistry& registry)
{
    std::vector<Screen*> screens;
    for (ScreenId id : allScreens())
        if (Screen* screen = registry.find(id); screen && screen->isVisible())
            screens.push_back(screen);
    return screens;
}

class RandomPlayer {
public:
    enum Action {
        ClickPoint,      // anywhere on a screen's client area
        ClickControl,    // somewhere a control shows
        DoubleClick,
        Answer,          // a quiz answer, as a child who tries
        Key,             // one key to the focused widget
        Typing,          // a few keys into a text box
        CloseBox,
        ExitMenu,
        OtherMenu,       // the main menu's web page entries
        RapidCells,      // several clicks on the Tic-Tac-Toe cells before any is handled
        ActionCount
    };

    static const char* nameOf(Action action)
    {
        static const char* const names[] = {"click", "control click", "double click", "answer",
                                            "key", "typing", "close box", "Exit Program",
                                            "web menu", "rapid cells"};
        return names[action];
    }

    RandomPlayer(ScreenRegistry& registry, quint32 seed) : m_registry(registry), m_random(seed)
    {
        for (const char* word : Spellword::kWords)
            m_wordPictures << comparable(
                PictureFile::load(programFilePath(QLatin1Char('\\') + QLatin1String(word) + ".bmp"))
                    .picture);
    }

    int counted(Action action) const { return m_counts[action]; }

    // Does one thing a child can do now and says what it was.
    QString step()
    {
        const std::vector<Screen*> screens = visibleScreens(m_registry);
        if (screens.empty())
            return QStringLiteral("nothing on show");
        Screen& screen = *pick(screens);
        Screen* front = frontScreen(screens);
        const Action action = chooseAction(screen, front);
        ++m_counts[action];
        const QString where = QString::fromLatin1(screenName(screen.id()));
        switch (action) {
        case ClickPoint: return clickPoint(screen, false);
        case DoubleClick: return clickPoint(screen, true);
        case ClickControl: return clickControl(screen);
        case Answer: return answer(*front);
        case Key: return key(screen);
        case Typing: return typing(screen);
        case CloseBox:
            screen.window()->close();
            return "close box on " + where;
        case ExitMenu:
            if (QAction* exit = menuEntry(screen, "mnuExit")) {
                exit->trigger();
                return "Exit Program on " + where;
            }
            return "no Exit Program on " + where;
        case OtherMenu: return otherMenu(screen);
        case RapidCells: return rapidCells(*m_registry.find(ScreenId::Form1));
        case ActionCount: break;
        }
        return {};
    }

private:
    template <class T> const T& pick(const std::vector<T>& items)
    {
        return items[std::uniform_int_distribution<size_t>(0, items.size() - 1)(m_random)];
    }
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    bool chance(double p) { return std::bernoulli_distribution(p)(m_random); }

    // The window a child looks at: the active one if it is a screen, else any.
    Screen* frontScreen(const std::vector<Screen*>& screens)
    {
        for (Screen* screen : screens)
            if (screen->window() == QApplication::activeWindow())
                return screen;
        return screens.back();
    }

    Action chooseAction(Screen& screen, Screen* front)
    {
        std::vector<double> weights(ActionCount, 0);
        weights[ClickPoint] = 20;
        weights[ClickControl] = 25;
        weights[DoubleClick] = 3;
        weights[Key] = 6;
        weights[Typing] = 4;
        weights[CloseBox] = 0.5;
        weights[ExitMenu] = 0.5;
        weights[OtherMenu] = screen.id() == ScreenId::SproutMain ? 0.5 : 0;
        // A child who has found a game stays with it a while.
        weights[Answer] = front && isQuiz(front->id()) ? 60 : 0;
        const Screen* board = m_registry.find(ScreenId::Form1);
        weights[RapidCells] = board && board->isVisible() ? 40 : 0;
        std::discrete_distribution<int> choose(weights.begin(), weights.end());
        return static_cast<Action>(choose(m_random));
    }

    static QString describe(const QWidget* widget)
    {
        return widget ? widget->objectName() : QStringLiteral("(nothing)");
    }

    QString clickPoint(Screen& screen, bool twice)
    {
        QWidget* client = screen.client();
        const QPoint point(below(client->width()), below(client->height()));
        QWidget* target = client->childAt(point);
        if (!target)
            target = client;
        const QPoint local = target->mapFrom(client, point);
        if (twice) {
            QTest::mouseDClick(target, Qt::LeftButton, Qt::NoModifier, local);
        } else {
            QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, local);
        }
        return QStringLiteral("%1 at (%2, %3) of %4 on %5")
            .arg(twice ? "double click" : "click")
            .arg(point.x())
            .arg(point.y())
            .arg(describe(target), screenName(screen.id()));
    }

    // Clicks a random point of the control where it is topmost; false if it is
    // covered at every point tried.
    bool clickWhereShown(Screen& screen, QWidget* control)
    {
        QWidget* client = screen.client();
        if (!control || !control->isVisibleTo(client))
            return false;
        const QRect area(control->mapTo(client, QPoint(0, 0)), control->size());
        for (int attempt = 0; attempt < 40; ++attempt) {
            const QPoint point(area.left() + below(qMax(1, area.width())),
                               area.top() + below(qMax(1, area.height())));
            QWidget* top = client->childAt(point);
            if (top == control || (top && control->isAncestorOf(top))) {
                QTest::mouseClick(top, Qt::LeftButton, Qt::NoModifier, top->mapFrom(client, point));
                return true;
            }
        }
        return false;
    }

    QString clickControl(Screen& screen)
    {
        QList<QWidget*> controls;
        for (QWidget* widget : screen.client()->findChildren<QWidget*>())
            if (widget->isVisibleTo(screen.client()) && !widget->objectName().isEmpty())
                controls << widget;
        if (controls.isEmpty())
            return clickPoint(screen, false);
        QWidget* control = controls[below(int(controls.size()))];
        if (!clickWhereShown(screen, control))
            return clickPoint(screen, false);
        return QStringLiteral("click on %1 of %2").arg(describe(control), screenName(screen.id()));
    }

    QString answer(Screen& quiz)
    {
        const QString where = QString::fromLatin1(screenName(quiz.id()));
        auto* result = quiz.control<QLabel>("Label1");
        if (quiz.id() == ScreenId::Spellword)
            return spell(quiz);
        const QString newQuestion =
            quiz.id() == ScreenId::MathTest ? QStringLiteral("Command1") : QStringLiteral("Command2");
        if (result && result->text() == QLatin1String("correct") && chance(0.8)) {
            clickWhereShown(quiz, quiz.control(newQuestion));
            return "new question on " + where;
        }
        QStringList choices;
        if (quiz.id() == ScreenId::GuessColor) {
            for (int i = 3; i <= 12; ++i)
                choices << QStringLiteral("Label%1").arg(i);
        } else if (quiz.id() == ScreenId::Guessshape) {
            for (int i = 3; i <= 9; ++i)
                choices << QStringLiteral("Label%1").arg(i);
        } else {
            for (const MathTest::Choice& choice : MathTest::kChoices)
                choices << QString::fromLatin1(choice.label);
        }
        const QString choice = choices[below(int(choices.size()))];
        clickWhereShown(quiz, quiz.control(choice));
        return "answer " + choice + " on " + where;
    }

    // The word whose picture is on the board, or empty when none is.
    QString shownWord(Screen& quiz)
    {
        auto* image = quiz.control<QLabel>("Image2");
        if (!image || image->pixmap().isNull())
            return {};
        const QImage shown = comparable(image->pixmap().toImage());
        for (int i = 0; i < m_wordPictures.size(); ++i)
            if (shown == m_wordPictures[i])
                return QString::fromLatin1(Spellword::kWords[i]);
        return {};
    }

    // Types a word, now and then the one on the board, and asks for it to be checked.
    QString spell(Screen& quiz)
    {
        auto* box = quiz.control<QLineEdit>("Text1");
        QString word = chance(0.5) ? shownWord(quiz) : QString();
        if (word.isEmpty())
            word = QString::fromLatin1(Spellword::kWords[below(Spellword::kWordCount)]);
        if (chance(0.1))
            word = word.toLower();
        box->clear();
        QTest::keyClicks(box, word);
        clickWhereShown(quiz, quiz.control("Command1"));
        return "spell \"" + word + "\" on Spellword";
    }

    QWidget* focusOf(Screen& screen)
    {
        QWidget* focus = screen.window()->focusWidget();
        return focus ? focus : screen.window();
    }

    QString key(Screen& screen)
    {
        static const Qt::Key keys[] = {
            Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Tab, Qt::Key_Backtab,
            Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left, Qt::Key_Right,
            Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown,
            Qt::Key_F1, Qt::Key_F4, Qt::Key_F10, Qt::Key_Alt, Qt::Key_A, Qt::Key_Z, Qt::Key_1,
            Qt::Key_0, Qt::Key_Menu,
        };
        static const Qt::KeyboardModifiers modifiers[] = {
            Qt::NoModifier, Qt::NoModifier, Qt::NoModifier, Qt::ShiftModifier,
            Qt::ControlModifier, Qt::AltModifier,
        };
        QWidget* target = focusOf(screen);
        const Qt::Key key = keys[below(std::size(keys))];
        const Qt::KeyboardModifiers modifier = modifiers[below(std::size(modifiers))];
        QTest::keyClick(target, key, modifier);
        return QStringLiteral("key %1 (modifiers %2) to %3 on %4")
            .arg(QKeySequence(key).toString())
            .arg(int(modifier), 0, 16)
            .arg(describe(target), screenName(screen.id()));
    }

    QString typing(Screen& screen)
    {
        QList<QWidget*> boxes;
        for (QWidget* widget : screen.client()->findChildren<QWidget*>()) {
            if (!widget->isVisibleTo(screen.client()))
                continue;
            if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QPlainTextEdit*>(widget))
                boxes << widget;
        }
        if (boxes.isEmpty())
            return key(screen);
        QWidget* box = boxes[below(int(boxes.size()))];
        static const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCXYZ 0123456789.,!?-'\"");
        QString text;
        const int length = chance(0.05) ? 500 : 1 + below(12);
        for (int i = 0; i < length; ++i)
            text += letters[below(int(letters.size()))];
        QTest::keyClicks(box, text);
        if (chance(0.3))
            QTest::keyClick(box, Qt::Key_Return);
        return QStringLiteral("type %1 characters into %2 on %3")
            .arg(length)
            .arg(describe(box), screenName(screen.id()));
    }

    QString otherMenu(Screen& screen)
    {
        const char* name = chance(0.5) ? "mnuUpdates" : "mnuMore";
        if (QAction* entry = menuEntry(screen, name)) {
            entry->trigger();
            return QStringLiteral("%1 on %2").arg(name, screenName(screen.id()));
        }
        return QStringLiteral("no %1 on %2").arg(name, screenName(screen.id()));
    }

    // Clicks made while the computer pauses wait in the queue and are then handled
    // one after the other: post them all, then let them through.
    QString rapidCells(Screen& board)
    {
        if (chance(0.25))
            clickWhereShown(board, board.control("Cmdgamestart"));
        QStringList cells;
        const int clicks = 1 + below(6);
        for (int i = 0; i < clicks; ++i) {
            const int cell = 1 + below(9);
            QWidget* box = board.control(QStringLiteral("Picture1(%1)").arg(cell));
            if (!box)
                continue;
            const QPointF local(box->width() / 2.0, box->height() / 2.0);
            const QPointF global = box->mapToGlobal(local);
            for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
                const Qt::MouseButtons held =
                    type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
                QCoreApplication::postEvent(box, new QMouseEvent(type, local, global, Qt::LeftButton,
                                                                 held, Qt::NoModifier));
            }
            cells << QString::number(cell);
        }
        QCoreApplication::processEvents();
        return "rapid clicks on cells " + cells.join(',') + " of Form1";
    }

    ScreenRegistry& m_registry;
    std::mt19937 m_random;
    int m_counts[ActionCount] = {};
    QList<QImage> m_wordPictures;
};

} // namespace sprout::testing
