#include "screentesting.h"

#include "form1.h"
#include "pictures.h"
#include "randomsource.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

using namespace sprout;
using namespace sprout::testing;

namespace {

const QString kInstructions = QStringLiteral(
    "Mr. Pim says: Tic Tac Toe is a game where 1 person is the X and the other is the O. This "
    "game has you playing against the computer and you will be X while the computer will be "
    "O. What you want to do is get 3 X's in a row either up and down, side to side, or from "
    "corner to corner. However the computer and you takes turns, so while you are trying to "
    "get 3 in a row, the computer is trying to block you and get 3 in a row for itself. To "
    "play the game press the button that says \"Click to start game\"\n");

enum { X = 1, O = 2, RedX = 3, RedO = 4, Blank = 5 };

QString cellName(int cell)
{
    return QStringLiteral("Picture1(%1)").arg(cell);
}

QImage cellPicture(int image)
{
    return builtInPicture(QStringLiteral("cell%1").arg(image)).toImage();
}

// Which of the five cell images a cell shows, 0 for none of them.
int imageIn(Screen& screen, int cell)
{
    const QImage shown = screen.control<QLabel>(cellName(cell))->pixmap().toImage();
    for (int image = X; image <= Blank; ++image)
        if (shown == cellPicture(image))
            return image;
    return 0;
}

QList<int> board(Screen& screen)
{
    QList<int> images;
    for (int cell = 1; cell <= 9; ++cell)
        images << imageIn(screen, cell);
    return images;
}

const QList<int> kBlankBoard(9, Blank);

// What the window really shows at a cell, inside its border: read back from what
// has been painted, not drawn afresh.
QImage paintedCell(Screen& screen, int cell)
{
    QWidget* box = screen.control(cellName(cell));
    const QPoint at = box->mapTo(screen.window(), QPoint(2, 2));
    return QGuiApplication::primaryScreen()
        ->grabWindow(screen.window()->winId(), at.x(), at.y(), 32, 32)
        .toImage()
        .convertToFormat(cellPicture(X).format());
}

// Form1 with the pause and the chances in the test's hands: nothing sleeps, and
// the computer's random choices are scripted.
struct Game {
    ScreenRegistry registry{createScreen};
    QList<int> pauses;
    QList<double> draws;
    int unexpectedDraws = 0;
    std::function<void()> duringPause;

    Game()
    {
        Form1::replacePause([this](int milliseconds) {
            pauses << milliseconds;
            if (duringPause)
                duringPause();
        });
        Form1::replaceRandom([this] {
            if (draws.isEmpty()) {
                ++unexpectedDraws;
                return 0.0;
            }
            return draws.takeFirst();
        });
    }
    ~Game()
    {
        Form1::replacePause({});
        Form1::replaceRandom({});
    }

    Screen& open()
    {
        registry.show(ScreenId::Form1);
        // Let the window come on show, as it has long before a child can click.
        QCoreApplication::processEvents();
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
};

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT
private slots:
    void opensBlankAndNotStarted()
    {
        Game game;
        Screen& screen = game.open();
        QCOMPARE(board(screen), kBlankBoard);
        QCOMPARE(game.result(), QString());
        QCOMPARE(game.startCaption(), QString("Click to start game"));
        QCOMPARE(screen.control<QPlainTextEdit>("Text1")->toPlainText(), kInstructions);
        QCOMPARE(screen.control<QGroupBox>("Frame1")->title(), QString("Conversation History"));

        game.play({1, 5, 9});
        QCOMPARE(board(screen), kBlankBoard);
        QVERIFY(game.pauses.isEmpty());
    }

    void controlsAsDesigned()
    {
        Game game;
        Screen& screen = game.open();
        QVERIFY(screen.window()->windowHandle()->isExposed());
        const int columns[] = {3360, 4095, 4830};
        const int rows[] = {1335, 2070, 2805};
        for (int cell = 1; cell <= 9; ++cell) {
            auto* box = screen.control<QLabel>(cellName(cell));
            QCOMPARE(box->geometry(), QRect(columns[(cell - 1) % 3] / 15, rows[(cell - 1) / 3] / 15, 36, 36));
            QCOMPARE(box->frameShadow(), QFrame::Sunken);
            QCOMPARE(box->contentsRect().size(), QSize(32, 32));
            QCOMPARE(paintedCell(screen, cell), cellPicture(Blank));
        }

        auto* result = screen.control<QLabel>("Label2");
        QCOMPARE(result->geometry(), QRect(184, 56, 225, 29));
        QVERIFY(result->autoFillBackground());
        QCOMPARE(result->palette().color(QPalette::Window), QColor(255, 255, 255));
        QVERIFY(result->alignment() & Qt::AlignHCenter);
        QVERIFY(result->font().bold());
        QCOMPARE(result->font().pixelSize(), 18);

        // Stacking, top first; children are painted in list order, so read it backwards.
        QStringList fromTop;
        const QObjectList children = screen.client()->children();
        for (auto it = children.crbegin(); it != children.crend(); ++it)
            if ((*it)->isWidgetType() && !(*it)->objectName().isEmpty())
                fromTop << (*it)->objectName();
        QStringList expected{"Cmdgamestart", "Frame1"};
        for (int cell = 1; cell <= 9; ++cell)
            expected << cellName(cell);
        expected << "Label11" << "Label2" << "Image1" << "Label1" << "Line4" << "Line3" << "Line2" << "Line1";
        QCOMPARE(fromTop, expected);

        // The grid lines and the empty label are hidden by the board everywhere.
        for (const char* hidden : {"Label1", "Line1", "Line2", "Line3", "Line4"}) {
            QWidget* widget = screen.control(hidden);
            QVERIFY(widget);
            QVERIFY2(screen.control("Image1")->geometry().contains(widget->geometry()), hidden);
        }
    }

    void tabOrderAndFocus()
    {
        Game game;
        Screen& screen = game.open();
        QMainWindow* window = screen.window();
        QCOMPARE(window->focusWidget(), screen.control(cellName(1)));

        QStringList order;
        for (int step = 0; step < 11; ++step) {
            QWidget* focused = window->focusWidget();
            order << focused->objectName();
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        QStringList expected;
        for (int cell = 1; cell <= 9; ++cell)
            expected << cellName(cell);
        expected << "Cmdgamestart" << "Text1";
        QCOMPARE(order, expected);
        QCOMPARE(window->focusWidget(), screen.control(cellName(1)));
    }

    void cellImagesAsDrawn_data()
    {
        QTest::addColumn<int>("image");
        QTest::addColumn<QColor>("stroke");
        QTest::addColumn<bool>("cross");
        QTest::newRow("black X") << int(X) << QColor(0, 0, 0) << true;
        QTest::newRow("black O") << int(O) << QColor(0, 0, 0) << false;
        QTest::newRow("red X") << int(RedX) << QColor(255, 0, 0) << true;
        QTest::newRow("red O") << int(RedO) << QColor(255, 0, 0) << false;
    }

    void cellImagesAsDrawn()
    {
        QFETCH(int, image);
        QFETCH(QColor, stroke);
        QFETCH(bool, cross);

        const QImage picture = cellPicture(image);
        QCOMPARE(picture.size(), QSize(32, 32));
        QSet<QRgb> colours;
        int strokePixels = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                colours.insert(picture.pixel(x, y) & 0xFFFFFF);
                strokePixels += picture.pixelColor(x, y) == stroke;
            }
        // Pure ground and pure strokes, no blur in between.
        QCOMPARE(colours, (QSet<QRgb>{qRgb(187, 187, 187) & 0xFFFFFF, stroke.rgb() & 0xFFFFFF}));
        QVERIFY(strokePixels > 100);
        QCOMPARE(picture.pixelColor(0, 0), QColor(187, 187, 187));
        // An X crosses at the middle; an O leaves it empty.
        QCOMPARE(picture.pixelColor(16, 16) == stroke, cross);
    }

    void blankCellIsOneColour()
    {
        const QImage blank = cellPicture(Blank);
        QCOMPARE(blank.size(), QSize(32, 32));
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                QCOMPARE(blank.pixelColor(x, y), QColor(185, 185, 187));
    }

    void wholeGames_data()
    {
        QTest::addColumn<QList<int>>("moves");
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<QList<int>>("finalBoard");
        QTest::addColumn<QString>("result");

        // An edge opening gets the centre; a scripted draw puts the next O in the
        // far corner, and the child's fork at cell 1 wins down the left column.
        QTest::newRow("child wins") << QList<int>{2, 4, 1, 7} << QList<double>{0.95}
                                    << QList<int>{RedX, X, O, RedX, O, Blank, RedX, Blank, O} << "You Win!";
        // The computer blocks the top row and closes the diagonal from the top right.
        QTest::newRow("computer wins") << QList<int>{1, 2, 9} << QList<double>{}
                                       << QList<int>{X, X, RedO, Blank, RedO, Blank, RedO, Blank, X}
                                       << "The Computer Wins!";
        // X in opposite corners is answered in cell 4; every line ends blocked.
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
        click(screen, "Cmdgamestart");
        QCOMPARE(game.startCaption(), QString(" Click to  start a new game"));

        // Before each computer turn the child's X is already on the screen.
        int lastMove = 0;
        QList<bool> xPaintedAtPause;
        game.duringPause = [&] {
            const QImage painted = paintedCell(screen, lastMove);
            xPaintedAtPause << (painted == cellPicture(X) || painted == cellPicture(RedX));
        };
        for (int move : moves) {
            lastMove = move;
            QCOMPARE(game.result(), QString());
            click(screen, cellName(move));
        }

        QCOMPARE(board(screen), finalBoard);
        QCOMPARE(game.result(), result);
        QCOMPARE(game.pauses, QList<int>(moves.size(), 300));
        QCOMPARE(xPaintedAtPause, QList<bool>(moves.size(), true));
        QVERIFY(game.draws.isEmpty());
        QCOMPARE(game.unexpectedDraws, 0);

        // The game is over: cells take no more clicks, the caption stays.
        for (int cell = 1; cell <= 9; ++cell)
            click(screen, cellName(cell));
        QCOMPARE(board(screen), finalBoard);
        QCOMPARE(game.pauses.size(), moves.size());
        QCOMPARE(game.startCaption(), QString(" Click to  start a new game"));

        // A new game clears everything.
        click(screen, "Cmdgamestart");
        QCOMPARE(board(screen), kBlankBoard);
        QCOMPARE(game.result(), QString());
        QCOMPARE(game.startCaption(), QString(" Click to  start a new game"));
    }

    void theWinIsOnScreenBeforeThePause()
    {
        Game game;
        game.draws = {0.95};
        Screen& screen = game.open();
        click(screen, "Cmdgamestart");
        game.play({2, 4, 1});
        QImage resultAtPause;
        QList<QImage> columnAtPause;
        game.duringPause = [&] {
            for (int cell : {1, 4, 7})
                columnAtPause << paintedCell(screen, cell);
            QLabel* label = screen.control<QLabel>("Label2");
            const QPoint at = label->mapTo(screen.window(), QPoint(0, 0));
            resultAtPause = QGuiApplication::primaryScreen()
                                ->grabWindow(screen.window()->winId(), at.x(), at.y(), label->width(), label->height())
                                .toImage();
        };
        game.play({7});
        QCOMPARE(columnAtPause.size(), 3);
        for (const QImage& painted : columnAtPause)
            QCOMPARE(painted, cellPicture(RedX));
        // The label was white and empty; the announcement puts dark text on it.
        bool text = false;
        for (int y = 0; y < resultAtPause.height() && !text; ++y)
            for (int x = 0; x < resultAtPause.width() && !text; ++x)
                text = qGray(resultAtPause.pixel(x, y)) < 128;
        QVERIFY(text);
    }

    void theComputerDrawsFromTheProgramsSource()
    {
        Game game;
        Form1::replaceRandom({});
        Screen& screen = game.open();
        click(screen, "Cmdgamestart");

        // The answer to a centre opening is the corner of the program's next draw.
        RandomSource ahead = RandomSource::program();
        const int corners[] = {1, 3, 7, 9};
        const int expected = corners[ahead.draw(4)];
        game.play({5});
        QList<int> expectedBoard = kBlankBoard;
        expectedBoard[4] = X;
        expectedBoard[expected - 1] = O;
        QCOMPARE(board(screen), expectedBoard);
        RandomSource after = RandomSource::program();
        QCOMPARE(after.next(), ahead.next());
    }

    void clicksOnTakenCellsAndKeysDoNothing()
    {
        Game game;
        Screen& screen = game.open();
        click(screen, "Cmdgamestart");
        game.play({1});
        const QList<int> afterFirstTurn = board(screen);
        QCOMPARE(game.pauses.size(), 1);

        game.play({1, 5});
        QWidget* cell = screen.control(cellName(3));
        cell->setFocus();
        for (int key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_X, Qt::Key_3})
            QTest::keyClick(cell, Qt::Key(key));
        auto* text = screen.control<QPlainTextEdit>("Text1");
        QTest::keyClicks(text, "3 9 hello");
        QVERIFY(text->toPlainText().contains("hello"));

        QCOMPARE(board(screen), afterFirstTurn);
        QCOMPARE(game.pauses.size(), 1);
        QCOMPARE(game.result(), QString());
    }

    void clicksDuringThePauseWaitTheirTurn()
    {
        Game game;
        Screen& screen = game.open();
        click(screen, "Cmdgamestart");
        QWidget* third = screen.control(cellName(3));
        auto post = [third](QEvent::Type type, Qt::MouseButtons buttons) {
            const QPointF at(18, 18);
            QCoreApplication::postEvent(third, new QMouseEvent(type, at, third->mapToGlobal(at),
                                                               Qt::LeftButton, buttons, Qt::NoModifier));
        };
        game.duringPause = [&] {
            if (game.pauses.size() == 1) {
                post(QEvent::MouseButtonPress, Qt::LeftButton);
                post(QEvent::MouseButtonRelease, Qt::NoButton);
            }
        };
        game.play({1});
        QCOMPARE(board(screen), (QList<int>{X, Blank, Blank, Blank, O, Blank, Blank, Blank, Blank}));
        QCOMPARE(game.pauses.size(), 1);

        QCoreApplication::processEvents();
        // The waiting click is the child's next move: the computer blocks the top row.
        QCOMPARE(board(screen), (QList<int>{X, O, X, Blank, O, Blank, Blank, Blank, Blank}));
        QCOMPARE(game.pauses.size(), 2);
    }

    void backToMainKeepsTheGame()
    {
        Game game;
        ScreenRegistry& registry = game.registry;
        registry.show(ScreenId::SproutMain);
        Screen& main = registry.reference(ScreenId::SproutMain);
        click(main, "Command1");
        click(main, "Label6");
        click(registry.reference(ScreenId::Games), "Label2");
        Screen& screen = game.screen();
        QVERIFY(screen.isVisible());

        click(screen, "Cmdgamestart");
        game.play({1, 2});
        const QList<int> midGame = board(screen);

        click(screen, "Label11");
        QVERIFY(!screen.isVisible());
        QVERIFY(screen.isLoaded());
        QVERIFY(main.isVisible());

        click(main, "Label6");
        click(registry.reference(ScreenId::Games), "Label2");
        QVERIFY(screen.isVisible());
        QCOMPARE(board(screen), midGame);
        QCOMPARE(game.startCaption(), QString(" Click to  start a new game"));

        // The game goes on: the computer closes its diagonal.
        game.play({9});
        QCOMPARE(game.result(), QString("The Computer Wins!"));
    }

    void exitForgetsTheGame()
    {
        Game game;
        Screen& screen = game.open();
        click(screen, "Cmdgamestart");
        game.play({1, 2});
        screen.control<QPlainTextEdit>("Text1")->setPlainText("typed");
        chooseMenu(screen, "mnuExit");
        settle();
        QVERIFY(!screen.isLoaded());

        game.pauses.clear();
        game.registry.show(ScreenId::Form1);
        QCOMPARE(board(screen), kBlankBoard);
        QCOMPARE(game.result(), QString());
        QCOMPARE(game.startCaption(), QString("Click to start game"));
        QCOMPARE(screen.control<QPlainTextEdit>("Text1")->toPlainText(), kInstructions);
        QCOMPARE(screen.window()->focusWidget(), screen.control(cellName(1)));

        // Not started: cells take no clicks until the button is pressed.
        game.play({3, 4, 5});
        QCOMPARE(board(screen), kBlankBoard);
        QVERIFY(game.pauses.isEmpty());

        click(screen, "Cmdgamestart");
        game.play({1, 2, 9});
        QCOMPARE(game.result(), QString("The Computer Wins!"));
    }

    void resizingMovesNothing()
    {
        Game game;
        Screen& screen = game.open();
        QList<QWidget*> controls;
        for (QWidget* child : screen.client()->findChildren<QWidget*>())
            if (screen.control(child->objectName()) == child)
                controls << child;
        QCOMPARE(controls.size(), 20);
        QHash<QString, QRect> before;
        for (QWidget* child : controls)
            before.insert(child->objectName(), child->geometry());
        const QSize designed = screen.window()->size();
        for (QSize size : {designed + QSize(300, 200), QSize(300, 200), designed}) {
            screen.window()->resize(size);
            QCoreApplication::processEvents();
            QCOMPARE(screen.window()->size(), size);
            for (QWidget* child : controls)
                QCOMPARE(child->geometry(), before.value(child->objectName()));
        }
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
