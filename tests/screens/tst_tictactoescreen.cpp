// Tic-Tac-Toe on its screen: the real cells clicked, with the pause in the test's hands.
#include "tictactoescreen.h"
#include "builtinpictures.h"
#include "screenfactory.h"
#include "screentesting.h"

#include <QLabel>
#include <QPushButton>

using namespace sprout;
using namespace sprout::testing;

namespace {

enum { X = 1, O = 2, RedO = 4, Blank = 5 };
const QList<int> kBlankBoard(9, Blank);

QImage cellPicture(int image, double scale = 1) { return builtInPicture(QStringLiteral("cell%1").arg(image), scale).toImage(); }

// What each cell shows, by the number of its picture at the screen's scale (0: none of them).
QList<int> board(Screen& screen)
{
    QList<int> images;
    for (int cell = 1; cell <= 9; ++cell) {
        const QImage shown = screen.control<QLabel>(cellName(cell))->pixmap().toImage();
        int image = X;
        while (image <= Blank && shown != cellPicture(image, screen.scale()))
            ++image;
        images << (image <= Blank ? image : 0);
    }
    return images;
}

QString startCaption(Screen& screen) { return screen.control<QPushButton>("Cmdgamestart")->text(); }

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { TicTacToeScreen::replacePause({}); }

    // Back to the main menu keeps the game, "Exit Program" forgets it.
    void wholeGame()
    {
        QList<int> pauses;
        std::function<void()> duringPause = [] {};
        TicTacToeScreen::replacePause([&](int milliseconds) {
            pauses << milliseconds;
            duringPause();
        });
        ScreenRegistry registry(createScreen);
        Screen& screen = shown(registry, ScreenId::Form1);
        QCoreApplication::processEvents(); // on show long before a child can click
        for (int cell : {1, 5, 9}) // not started: the cells take no clicks
            click(screen, cellName(cell));
        QCOMPARE(board(screen), kBlankBoard);
        click(screen, "Cmdgamestart");
        QCOMPARE(startCaption(screen), QString(" Click to  start a new game"));
        int move = 0, xPaintedAtPause = 0;
        duringPause = [&] {
            const QPoint at = screen.control(cellName(move))->mapTo(screen.window(), QPoint(2, 2));
            const QImage painted = QGuiApplication::primaryScreen()->grabWindow(screen.window()->winId(), at.x(), at.y(), 32, 32).toImage();
            xPaintedAtPause += painted.convertToFormat(cellPicture(X).format()) == cellPicture(X);
        };
        auto play = [&](int cell) {
            move = cell;
            // Quick, as the window system delivers it, but on another cell: no double click.
            QTest::lastMouseTimestamp -= QTest::mouseDoubleClickInterval;
            QWidget* square = screen.control(cellName(cell));
            QTest::mouseClick(screen.window()->windowHandle(), Qt::LeftButton, {}, square->mapTo(screen.window(), QPoint(16, 16)));
        };
        play(1);
        play(2);
        click(screen, "Label11"); // back to the main menu and again: the game goes on
        QVERIFY(registry.show(ScreenId::Form1));
        QCoreApplication::processEvents();
        play(9);
        const QList<int> won{X, X, RedO, Blank, RedO, Blank, RedO, Blank, X};
        QCOMPARE(board(screen), won);
        screen.setScale(2); // each square drawn afresh at the new size
        QCOMPARE(board(screen), won);
        screen.setScale(1);
        QCOMPARE(screen.control<QLabel>("Label2")->text(), QString("The Computer Wins!"));
        QCOMPARE(pauses, QList<int>(3, 300));
        QCOMPARE(xPaintedAtPause, 3);
        click(screen, "Cmdgamestart");
        QCOMPARE(board(screen), kBlankBoard);
        QCOMPARE(screen.control<QLabel>("Label2")->text(), QString());

        play(5);
        chooseMenu(screen, "mnuExit");
        settle();
        QVERIFY(registry.show(ScreenId::Form1));
        QCOMPARE(board(screen), kBlankBoard);
        QCOMPARE(startCaption(screen), QString("Click to start game"));
    }
};

QTEST_MAIN(TestForm1)
#include "tst_tictactoescreen.moc"
