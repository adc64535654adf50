// A child let loose on the whole program, in windows and in a kiosk. SPROUT_RANDOM_SEED and
// SPROUT_RANDOM_ACTIONS repeat or lengthen a run; a failure names the seed and actions.
#include "kioskguard.h"
#include "tictactoescreen.h"
#include "quiztesting.h"

#include <QPlainTextEdit>
#include <QSignalSpy>
#include <map>
#include <random>

using namespace sprout;
using namespace sprout::testing;

namespace {

std::vector<Screen*> visibleScreens(const ScreenRegistry& registry)
{
    std::vector<Screen*> screens;
    for (int i = 0; i < kScreenCount; ++i)
        if (Screen* screen = registry.find(ScreenId(i)); screen && screen->isVisible())
            screens.push_back(screen);
    return screens;
}

struct RandomPlayer {
    RandomPlayer(ScreenRegistry& registry, quint32 seed) : m_registry(registry), m_random(seed) {}

    QString step()
    {
        const std::vector<Screen*> screens = visibleScreens(m_registry);
        Screen& screen = *screens[below(int(screens.size()))];
        Screen* front = screens.back(); // the window a child looks at: the active one
        for (Screen* candidate : screens)
            if (candidate->window() == QApplication::activeWindow())
                front = candidate;
        const QuizTable* quiz = quizOf(front->id());
        Screen* board = m_registry.find(ScreenId::Form1);
        // Click (the background among the controls), answer, keys, close box, Exit
        // Program, rapid cells: a child who has found a game stays with it a while.
        const double weights[] = {45, quiz ? 60.0 : 0.0, 10, 0.5, 0.5, board && board->isVisible() ? 40.0 : 0.0};
        const QString where = QString(" on ") + screenName(screen.id());
        switch (std::discrete_distribution<int>(std::begin(weights), std::end(weights))(m_random)) {
        case 0: {
            QList<QWidget*> controls{screen.client()};
            for (QWidget* widget : screen.client()->findChildren<QWidget*>())
                if (widget->isVisibleTo(screen.client()) && !widget->objectName().isEmpty())
                    controls << widget;
            QWidget* control = controls[below(int(controls.size()))];
            clickWhereShown(screen, control);
            return "click on " + control->objectName() + where;
        }
        case 1:
            return answer(*front, *quiz) + " on " + screenName(front->id());
        case 2:
            return keys(screen) + where;
        case 3:
            screen.window()->close();
            return "close box" + where;
        case 4:
            if (QAction* entry = menuEntry(screen, "mnuExit");
                entry && entry->isVisible() && screen.window()->menuWidget()->isVisibleTo(screen.window()))
                entry->trigger();
            return "Exit Program" + where;
        default:
            return rapidCells(*board);
        }
    }

    int below(int n) { return std::uniform_int_distribution<int>(0, qMax(1, n) - 1)(m_random); }
    bool chance(double p) { return std::bernoulli_distribution(p)(m_random); }

    // Clicks a random point of the control where it is topmost, if it is anywhere.
    void clickWhereShown(Screen& screen, QWidget* control)
    {
        const QRect area(control->mapTo(screen.client(), QPoint(0, 0)), control->size());
        for (int attempt = 0; attempt < 40 && control->isVisibleTo(screen.client()); ++attempt)
            if (const QPoint point(area.left() + below(area.width()), area.top() + below(area.height()));
                shownAt(screen, control, point))
                return void(clickAt(screen, point));
    }

    // Mostly a new question after a right answer, else any answer, often the right one.
    QString answer(Screen& screen, const QuizTable& quiz)
    {
        if (quiz.newQuestion && result(screen) == kCorrect && chance(0.8)) {
            nextQuestion(screen, quiz);
            return "new question";
        }
        const int shown = shownQuestion(screen, quiz);
        QString caption;
        while (caption.isEmpty())
            caption = quiz.answers[shown >= 0 && chance(0.5) ? shown : below(int(quiz.answers.size()))];
        choose(screen, quiz, !quiz.newQuestion && chance(0.1) ? caption.toLower() : caption);
        return "answer \"" + caption + "\"";
    }

    // Types into a text box, or presses one key on whatever has the focus.
    QString keys(Screen& screen)
    {
        QList<QWidget*> boxes;
        for (QWidget* widget : screen.client()->findChildren<QWidget*>())
            if (widget->isVisibleTo(screen.client()) && (qobject_cast<QLineEdit*>(widget) || qobject_cast<QPlainTextEdit*>(widget)))
                boxes << widget;
        if (!boxes.isEmpty() && chance(0.4)) {
            QWidget* box = boxes[below(int(boxes.size()))];
            static const QString letters = "abcdefghijklmnopqrstuvwxyzABCXYZ 0123456789.,!?-'\"";
            QString text;
            for (int i = chance(0.05) ? 500 : 1 + below(12); i > 0; --i)
                text += letters[below(int(letters.size()))];
            QTest::keyClicks(box, text + (chance(0.3) ? "\r" : ""));
            return QStringLiteral("type \"%1\" into %2").arg(text, box->objectName());
        }
        static const QKeySequence keys[] = {Qt::Key_Space, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Escape, Qt::Key_Backspace,
                                            Qt::Key_Left, Qt::ALT | Qt::Key_F4, Qt::CTRL | Qt::Key_A, Qt::Key_Menu,
                                            Qt::CTRL | Qt::Key_Q, Qt::CTRL | Qt::Key_W, Qt::Key_F11,
                                            Qt::CTRL | Qt::ALT | Qt::Key_Q};
        const QKeySequence key = keys[below(int(std::size(keys)))];
        QWidget* target = screen.window()->focusWidget() ? screen.window()->focusWidget() : screen.window();
        QTest::keyClick(target, Qt::Key(key[0].key()), key[0].keyboardModifiers());
        return "key " + key.toString() + " to " + target->objectName();
    }

    // Clicks made while the computer pauses wait in the queue, then run one by one.
    QString rapidCells(Screen& board)
    {
        if (chance(0.25))
            clickWhereShown(board, board.control("Cmdgamestart"));
        QStringList cells;
        for (int clicks = 1 + below(6); clicks > 0; --clicks) {
            cells << QString::number(1 + below(9));
            postClick(board.control("Picture1(" + cells.last() + ")"));
        }
        QCoreApplication::processEvents();
        return "rapid clicks on cells " + cells.join(',') + " of Form1";
    }

    ScreenRegistry& m_registry;
    std::mt19937 m_random;
};

} // namespace

class TestRandomPlayer : public QObject {
    Q_OBJECT
    QTemporaryDir m_workDir;
    // Each loaded quiz's score box and the score last seen in it.
    std::map<ScreenId, std::pair<QPointer<QLineEdit>, int>> m_scores;

    QString checkAfterAction(ScreenRegistry& registry, bool toldToEnd, bool kiosk)
    {
        if (kiosk && toldToEnd)
            return "the child left the kiosk";
        if (visibleScreens(registry).empty() != toldToEnd)
            return toldToEnd ? "the program was told to end while a screen is on show"
                             : "no screen is on show, yet the program was not told to end";
        for (const Screen* screen : visibleScreens(registry))
            if (kiosk && screen->window()->menuWidget() && screen->window()->menuWidget()->isVisible())
                return QStringLiteral("%1 shows its menu bar in the kiosk").arg(screenName(screen->id()));
        if (QApplication::activeModalWidget())
            return "a dialog waits for an answer: " + QApplication::activeModalWidget()->windowTitle();
        return checkScores(registry);
    }

    // A quiz's score starts empty and grows by at most one an action while loaded.
    QString checkScores(ScreenRegistry& registry)
    {
        for (const QuizTable* quiz : {&kGuessColor, &kGuessShape, &kMathTest, &kSpellWord}) {
            Screen* screen = registry.find(quiz->id);
            QLineEdit* box = screen && screen->isLoaded() ? screen->control<QLineEdit>(quiz->scoreBox) : nullptr;
            if (!box)
                continue;
            bool number = true;
            const int now = box->text().isEmpty() ? 0 : box->text().toInt(&number);
            auto& [seenBox, before] = m_scores[quiz->id];
            const int from = seenBox == box ? before : 0;
            if (!number || (now == 0 && !box->text().isEmpty()) || now < from || now > from + 1)
                return QStringLiteral("%1's score went from %2 to \"%3\" in one action").arg(screenName(quiz->id)).arg(from).arg(box->text());
            seenBox = box;
            before = now;
        }
        return {};
    }

private slots:
    void initTestCase()
    {
        // Without a window manager, Qt's word that windows cannot be raised drowns all else.
        static const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
                if (!message.startsWith("This plugin does not support"))
                    previous(type, context, message);
            });
        withoutPrinter(m_workDir.path()); // "Print Award" can never put anything on paper
        TicTacToeScreen::replacePause([](int) {}); // the computer's turn must not sleep in a test
    }

    void childPlaysAtRandom_data()
    {
        QTest::addColumn<bool>("kiosk");
        QTest::addColumn<int>("actions");
        QTest::newRow("windows") << false << 10000;
        QTest::newRow("kiosk") << true << 5000;
    }

    void childPlaysAtRandom()
    {
        QFETCH(bool, kiosk);
        QFETCH(int, actions);
        const quint32 seed = qEnvironmentVariable("SPROUT_RANDOM_SEED", "20240611").toUInt();
        if (qEnvironmentVariableIsSet("SPROUT_RANDOM_ACTIONS"))
            actions = qEnvironmentVariableIntValue("SPROUT_RANDOM_ACTIONS");
        ReportRecorder reports;
        ScreenRegistry registry(createScreen);
        QSignalSpy ended(&registry, &ScreenRegistry::lastScreenClosed);
        bool grownUpLeft = false;
        if (kiosk)
            connect(new KioskGuard(registry), &KioskGuard::grownUpLeaves, [&grownUpLeft] { grownUpLeft = true; });
        QVERIFY(registry.show(ScreenId::SproutMain));
        RandomPlayer player(registry, seed);
        QStringList history;
        for (int action = 1; action <= actions; ++action) {
            const qsizetype endedBefore = ended.count();
            history << QStringLiteral("%1: %2").arg(action).arg(player.step());
            settle();
            if (history.size() > 25)
                history.removeFirst();
            QString fault = checkAfterAction(registry, ended.count() > endedBefore, kiosk);
            if (grownUpLeft)
                fault = "the grown-up's way out was taken";
            // Without a printer the only thing ever told is that an award was not printed.
            for (const QString& message : std::as_const(reports.messages))
                if (!message.startsWith("The award was not printed: "))
                    fault = "unexpected report: " + message;
            if (!fault.isEmpty())
                QFAIL(qPrintable(QStringLiteral("%1\nseed %2, after action %3; the last actions:\n%4")
                                     .arg(fault).arg(seed).arg(action).arg(history.join('\n'))));
            if (visibleScreens(registry).empty()) // the program has ended; a child starts it again
                QVERIFY(registry.show(ScreenId::SproutMain));
        }
    }
};

QTEST_MAIN(TestRandomPlayer)
#include "tst_randomplayer.moc"
