// Tic-Tac-Toe on its screen: a whole game clicked through the real cells, with the
// pause and the computer's chances in the test's hands. The rules are tst_tictactoe's.
#include "tictactoescreen.h"
#include "pictures.h"
#include "randomsource.h"
#include "screenfactory.h"
#include "screentesting.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>

using namespace sprout;
using namespace sprout::testing;

namespace {

enum { X = 1, O = 2, RedX = 3, RedO = 4, Blank = 5 };
const QList<int> kBlankBoard(9, Blank);

QString cellName(int cell) { return QStringLiteral("Picture1(%1)").arg(cell); }
QImage cellPicture(int image) { return builtInPicture(QStringLiteral("cell%1").arg(image)).toImage(); }

struct Game {
    ScreenRegistry registry{createScreen};
    QList<int> pauses;
    QList<double> draws;
    std::function<void()> duringPause;

    Game()
    {
        TicTacToeScreen::replacePause([this](int milliseconds) {
            pauses << milliseconds;
            if (duringPause)
                duringPause();
        });
        // A game that wants more chances than scripted fails at once; the cycle
        // that follows always finds a free cell, so the click still ends.
        TicTacToeScreen::replaceRandom([this, cycle = 0]() mutable {
            if (!draws.isEmpty())
                return draws.takeFirst();
            if (cycle == 0)
                QTest::qFail("the computer drew more chances than the test scripted", __FILE__, __LINE__);
            return (cycle++ % 9 + 0.5) / 9;
        });
    }
    ~Game()
    {
        TicTacToeScreen::replacePause({});
        TicTacToeScreen::replaceRandom({});
    }
    Screen& open()
    {
        registry.show(ScreenId::Form1);
        QCoreApplication::processEvents(); // on show long before a child can click
        return screen();
    }
    Screen& screen() { return registry.reference(ScreenId::Form1); }
    QString result() { return screen().control<QLabel>("Label2")->text(); }
    QString startCaption() { return screen().control<QPushButton>("Cmdgamestart")->text(); }
    void play(std::initializer_list<int> cells)
    {
        for (int cell : cells)
            click(screen(), cellName(cell));
    }
    QList<int> board()
    {
        QList<int> images;
        for (int cell = 1; cell <= 9; ++cell) {
            const QImage shown = screen().control<QLabel>(cellName(cell))->pixmap().toImage();
            int image = X;
            while (image <= Blank && shown != cellPicture(image))
                ++image;
            images << (image <= Blank ? image : 0);
        }
        return images;
    }
};

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT
private slots:
    // The computer blocks the top row and closes the diagonal from the top right.
    void wholeGame()
    {
        Game game;
        Screen& screen = game.open();
        QCOMPARE(game.startCaption(), QString("Click to start game"));
        game.play({1, 5, 9}); // not started: the cells take no clicks
        QCOMPARE(game.board(), kBlankBoard);
        QVERIFY(game.pauses.isEmpty());

        click(screen, "Cmdgamestart");
        QCOMPARE(game.startCaption(), QString(" Click to  start a new game"));
        int lastMove = 0, xPaintedAtPause = 0; // before each computer turn the X is already painted
        game.duringPause = [&] {
            const QPoint at = screen.control(cellName(lastMove))->mapTo(screen.window(), QPoint(2, 2));
            const QImage painted = QGuiApplication::primaryScreen()->grabWindow(screen.window()->winId(), at.x(), at.y(), 32, 32).toImage();
            xPaintedAtPause += painted.convertToFormat(cellPicture(X).format()) == cellPicture(X);
        };
        for (int move : {1, 2, 9}) {
            QCOMPARE(game.result(), QString());
            lastMove = move;
            click(screen, cellName(move));
            click(screen, cellName(move)); // a taken cell is no move and gives no turn
        }
        const QList<int> end{X, X, RedO, Blank, RedO, Blank, RedO, Blank, X};
        QCOMPARE(game.board(), end);
        QCOMPARE(game.result(), QString("The Computer Wins!"));
        QCOMPARE(game.pauses, QList<int>(3, 300));
        QCOMPARE(xPaintedAtPause, 3);

        game.play({4, 6, 8}); // over: no more moves; a new game clears everything
        QCOMPARE(game.board(), end);
        click(screen, "Cmdgamestart");
        QCOMPARE(game.board(), kBlankBoard);
        QCOMPARE(game.result(), QString());
    }

    // A click made during the computer's pause waits, then is the child's next move.
    void clicksDuringThePauseWaitTheirTurn()
    {
        Game game;
        Screen& screen = game.open();
        click(screen, "Cmdgamestart");
        QWidget* third = screen.control(cellName(3));
        game.duringPause = [&] {
            const QPointF at(18, 18);
            if (game.pauses.size() == 1)
                for (auto [type, held] : {std::pair(QEvent::MouseButtonPress, Qt::LeftButton),
                                          std::pair(QEvent::MouseButtonRelease, Qt::NoButton)})
                    QCoreApplication::postEvent(third, new QMouseEvent(type, at, third->mapToGlobal(at), Qt::LeftButton,
                                                                       held, Qt::NoModifier));
        };
        game.play({1});
        QCOMPARE(game.board(), (QList<int>{X, Blank, Blank, Blank, O, Blank, Blank, Blank, Blank}));
        QCoreApplication::processEvents();
        QCOMPARE(game.board(), (QList<int>{X, O, X, Blank, O, Blank, Blank, Blank, Blank}));
        QCOMPARE(game.pauses.size(), 2);
    }

    // Without a scripted chance the answer to a centre opening is the corner of
    // the program's next draw.
    void theComputerDrawsFromTheProgramsSource()
    {
        Game game;
        TicTacToeScreen::replaceRandom({});
        Screen& screen = game.open();
        click(screen, "Cmdgamestart");
        RandomSource ahead = RandomSource::program();
        const int corner = QList<int>{1, 3, 7, 9}[ahead.draw(4)];
        game.play({5});
        QCOMPARE(game.board()[corner - 1], int(O));
        QCOMPARE(RandomSource::program().next(), ahead.next());
    }

    // Back to the main menu keeps the game; "Exit Program" forgets it.
    void backKeepsTheGameAndExitForgetsIt()
    {
        Game game;
        Screen& screen = game.open();
        click(screen, "Cmdgamestart");
        game.play({1, 2});
        const QList<int> midGame = game.board();
        click(screen, "Label11");
        QVERIFY(!screen.isVisible() && screen.isLoaded());
        QVERIFY(game.registry.reference(ScreenId::SproutMain).isVisible());
        QVERIFY(game.registry.show(ScreenId::Form1));
        QCOMPARE(game.board(), midGame);
        game.play({9});
        QCOMPARE(game.result(), QString("The Computer Wins!"));

        chooseMenu(screen, "mnuExit");
        settle();
        QVERIFY(!screen.isLoaded() && game.registry.show(ScreenId::Form1));
        QCOMPARE(game.board(), kBlankBoard);
        QCOMPARE(game.result(), QString());
        QCOMPARE(game.startCaption(), QString("Click to start game"));
        game.play({3});
        QCOMPARE(game.board(), kBlankBoard);
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
