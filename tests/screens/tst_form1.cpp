// Tic-Tac-Toe on its screen: whole games clicked through the real cells, with
// the pause and the computer's chances in the test's hands.
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
const QString kNewGame = QStringLiteral(" Click to  start a new game");

QString cellName(int cell)
{
    return QStringLiteral("Picture1(%1)").arg(cell);
}

QImage cellPicture(int image)
{
    return builtInPicture(QStringLiteral("cell%1").arg(image)).toImage();
}

// What the window has really painted at a cell, inside its border.
QImage paintedCell(Screen& screen, int cell)
{
    const QPoint at = screen.control(cellName(cell))->mapTo(screen.window(), QPoint(2, 2));
    return QGuiApplication::primaryScreen()
        ->grabWindow(screen.window()->winId(), at.x(), at.y(), 32, 32)
        .toImage()
        .convertToFormat(cellPicture(X).format());
}

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
        TicTacToeScreen::replaceRandom([this] { return draws.isEmpty() ? 0.0 : draws.takeFirst(); });
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
    void wholeGames_data()
    {
        QTest::addColumn<QList<int>>("moves");
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<QList<int>>("finalBoard");
        QTest::addColumn<QString>("result");
        // An edge opening gets the centre; the draw puts the next O in the far
        // corner, and the child's fork at cell 1 wins down the left column.
        QTest::newRow("child wins") << QList<int>{2, 4, 1, 7} << QList<double>{0.95}
                                    << QList<int>{RedX, X, O, RedX, O, Blank, RedX, Blank, O} << "You Win!";
        // The computer blocks the top row and closes the diagonal from the top right.
        QTest::newRow("computer wins") << QList<int>{1, 2, 9} << QList<double>{}
                                       << QList<int>{X, X, RedO, Blank, RedO, Blank, RedO, Blank, X}
                                       << "The Computer Wins!";
        QTest::newRow("tie") << QList<int>{1, 9, 6, 7, 2} << QList<double>{}
                             << QList<int>{X, X, O, O, O, X, X, O, X} << "You Tied";
    }
    void wholeGames()
    {
        QFETCH(QList<int>, moves);
        QFETCH(QList<double>, draws);
        QFETCH(QList<int>, finalBoard);
        QFETCH(QString, result);
        Game game;
        game.draws = draws;
        Screen& screen = game.open();

        // Not started: the cells take no clicks.
        game.play({1, 5, 9});
        QCOMPARE(game.board(), kBlankBoard);
        QVERIFY(game.pauses.isEmpty());

        click(screen, "Cmdgamestart");
        QCOMPARE(game.startCaption(), kNewGame);
        // Before each computer turn the child's X is already painted.
        int lastMove = 0;
        int xPaintedAtPause = 0;
        game.duringPause = [&] {
            const QImage painted = paintedCell(screen, lastMove);
            xPaintedAtPause += painted == cellPicture(X) || painted == cellPicture(RedX);
        };
        for (int move : moves) {
            QCOMPARE(game.result(), QString());
            lastMove = move;
            click(screen, cellName(move));
            click(screen, cellName(move)); // a taken cell is no move and gives no turn
        }
        QCOMPARE(game.board(), finalBoard);
        QCOMPARE(game.result(), result);
        QCOMPARE(game.pauses, QList<int>(moves.size(), 300));
        QCOMPARE(xPaintedAtPause, int(moves.size()));
        QVERIFY(game.draws.isEmpty());

        // Over: the cells take no more clicks; a new game clears everything.
        for (int cell = 1; cell <= 9; ++cell)
            click(screen, cellName(cell));
        QCOMPARE(game.board(), finalBoard);
        QCOMPARE(game.pauses.size(), moves.size());
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
        QVERIFY(game.registry.show(ScreenId::SproutMain));
        QVERIFY(game.registry.show(ScreenId::Form1));
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
        QVERIFY(!screen.isLoaded());
        QVERIFY(game.registry.show(ScreenId::Form1));
        QCOMPARE(game.board(), kBlankBoard);
        QCOMPARE(game.result(), QString());
        QCOMPARE(game.startCaption(), QString("Click to start game"));
        game.play({3});
        QCOMPARE(game.board(), kBlankBoard);
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
