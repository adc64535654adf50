// Tic-Tac-Toe on its screen: the real cells clicked, with the pause and the
// computer's chances in the test's hands. The rules are tst_tictactoe's.
#include "tictactoescreen.h"
#include "builtinpictures.h"
#include "randomsource.h"
#include "screenfactory.h"
#include "screentesting.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>

using namespace sprout;
using namespace sprout::testing;

namespace {

enum { X = 1, O = 2, RedO = 4, Blank = 5 };
const QList<int> kBlankBoard(9, Blank);

QString cellName(int cell) { return QStringLiteral("Picture1(%1)").arg(cell); }
QImage cellPicture(int image) { return builtInPicture(QStringLiteral("cell%1").arg(image)).toImage(); }

struct Game {
    ScreenRegistry registry{createScreen};
    QList<int> pauses;
    std::function<void()> duringPause;

    Game()
    {
        TicTacToeScreen::replacePause([this](int milliseconds) {
            pauses << milliseconds;
            if (duringPause)
                duringPause();
        });
        registry.show(ScreenId::Form1);
        QCoreApplication::processEvents(); // on show long before a child can click
    }
    ~Game() { TicTacToeScreen::replacePause({}); }
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
    // The start button's captions, the X painted before each pause, the verdict's
    // words, and back to the main menu keeping the game while "Exit Program" forgets it.
    void wholeGame()
    {
        Game game;
        Screen& screen = game.screen();
        QCOMPARE(game.startCaption(), QString("Click to start game"));
        game.play({1, 5, 9}); // not started: the cells take no clicks
        QCOMPARE(game.board(), kBlankBoard);
        click(screen, "Cmdgamestart");
        QCOMPARE(game.startCaption(), QString(" Click to  start a new game"));
        int lastMove = 0, xPaintedAtPause = 0;
        game.duringPause = [&] {
            const QPoint at = screen.control(cellName(lastMove))->mapTo(screen.window(), QPoint(2, 2));
            const QImage painted = QGuiApplication::primaryScreen()->grabWindow(screen.window()->winId(), at.x(), at.y(), 32, 32).toImage();
            xPaintedAtPause += painted.convertToFormat(cellPicture(X).format()) == cellPicture(X);
        };
        for (int move : {1, 2}) {
            lastMove = move;
            game.play({move});
        }
        click(screen, "Label11"); // back to the main menu and again: the game goes on
        QVERIFY(!screen.isVisible());
        QVERIFY(game.registry.reference(ScreenId::SproutMain).isVisible());
        QVERIFY(game.registry.show(ScreenId::Form1));
        QCoreApplication::processEvents();
        lastMove = 9;
        game.play({9});
        const QList<int> end{X, X, RedO, Blank, RedO, Blank, RedO, Blank, X};
        QCOMPARE(game.board(), end);
        QCOMPARE(game.result(), QString("The Computer Wins!"));
        QCOMPARE(game.pauses, QList<int>(3, 300));
        QCOMPARE(xPaintedAtPause, 3);
        click(screen, "Cmdgamestart"); // a new game clears everything (no move after a verdict: tst_tictactoe)
        QCOMPARE(game.board(), kBlankBoard);
        QCOMPARE(game.result(), QString());

        game.play({3});
        chooseMenu(screen, "mnuExit");
        settle();
        QVERIFY(!screen.isLoaded());
        QVERIFY(game.registry.show(ScreenId::Form1));
        QCOMPARE(game.board(), kBlankBoard);
        QCOMPARE(game.startCaption(), QString("Click to start game"));
    }

    // A click made during the computer's pause waits, then is the child's next move;
    // the answer to a centre opening is the corner of the program's next draw.
    void clicksDuringThePauseWaitTheirTurn()
    {
        Game game;
        Screen& screen = game.screen();
        click(screen, "Cmdgamestart");
        game.duringPause = [&] {
            if (game.pauses.size() == 1)
                postClick(screen.control(cellName(3)));
        };
        RandomSource ahead = RandomSource::program();
        const int corner = QList<int>{1, 3, 7, 9}[ahead.draw(4)];
        game.play({5});
        QList<int> expected{Blank, Blank, Blank, Blank, X, Blank, Blank, Blank, Blank};
        expected[corner - 1] = O;
        QCOMPARE(game.board(), expected);
        QCOMPARE(RandomSource::program().next(), ahead.next());
        QCoreApplication::processEvents();
        QCOMPARE(game.board()[2], corner == 3 ? int(O) : int(X));
        QCOMPARE(game.pauses.size(), corner == 3 ? 1 : 2);
    }
};

QTEST_MAIN(TestForm1)
#include "tst_tictactoescreen.moc"
