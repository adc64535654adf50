#include "tictactoe.h"
#include "tictactoeview.h"

#include <QtTest>

#include <array>
#include <deque>

using sprout::TicTacToe;

namespace {

constexpr int kLines[8][3] = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {1, 4, 7},
                              {2, 5, 8}, {3, 6, 9}, {1, 5, 9}, {3, 5, 7}};

// Writes down every call in order and keeps what a player would see. Draws come
// from the script first, then from a fixed cycle that `seed` shifts.
class RecordingView : public sprout::TicTacToeView {
public:
    QStringList calls;
    std::deque<double> script;
    std::array<int, 10> shown{};
    std::string result;
    int seed = 0;

    void showImage(int cell, int image) override
    {
        static const char* const names[] = {"?", "X", "O", "red X", "red O", "blank"};
        calls << QStringLiteral("%1:%2").arg(cell).arg(names[image]);
        shown.at(cell) = image;
    }
    void setResultText(const std::string& text) override
    {
        calls << "text " + QString::fromStdString(text);
        result = text;
    }
    void pause(int milliseconds) override { calls << QStringLiteral("pause %1").arg(milliseconds); }
    double nextRandom() override
    {
        calls << "random";
        if (script.empty())
            return ((seed++ * 7) % 36 + 0.5) / 36; // every corner and every square in turn
        const double r = script.front();
        script.pop_front();
        return r;
    }
};

struct Game {
    RecordingView view;
    TicTacToe game{view};
    Game(const QList<int>& moves = {}, const QList<double>& draws = {})
    {
        game.initialise();
        game.startGame();
        view.script.assign(draws.begin(), draws.end());
        for (int cell : moves)
            game.cellClicked(cell);
    }
    QStringList click(int cell)
    {
        const qsizetype before = view.calls.size();
        game.cellClicked(cell);
        return view.calls.mid(before);
    }
};

// A draw of 9 that lands on the cell, and a draw of 4 that lands on the corner.
double square(int cell) { return (cell - 0.5) / 9; }
double corner(int cell) { return ((cell == 1 ? 1 : cell == 3 ? 2 : cell == 7 ? 3 : 4) - 0.5) / 4; }

int lineSum(const std::array<int, 10>& board, const int (&line)[3])
{
    return board[line[0]] + board[line[1]] + board[line[2]];
}

} // namespace

class TestTicTacToe : public QObject {
    Q_OBJECT

    struct Tally {
        int child = 0, computer = 0, ties = 0;
        QSet<int> completed, blocked; // lines, numbered from 0
    };
    void playOn(const QList<int>& moves, int seed, Tally& tally);

private slots:
    // The rules in their order, each with the position that decides it: the last
    // click's calls, after the earlier moves and with the draws scripted.
    void computerAnswers_data()
    {
        QTest::addColumn<QList<int>>("moves");
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<int>("click");
        QTest::addColumn<QStringList>("calls");
        const QStringList x9 = {"9:X", "pause 300"};
        QTest::newRow("edge opening: centre") << QList<int>{} << QList<double>{} << 2
                                              << QStringList{"2:X", "pause 300", "5:O"};
        QTest::newRow("centre opening, r just below 1/4: corner 1") << QList<int>{} << QList<double>{0.2499}
            << 5 << QStringList{"5:X", "pause 300", "random", "1:O"};
        QTest::newRow("centre opening, r = 3/4: corner 9") << QList<int>{} << QList<double>{0.75} << 5
                                                           << QStringList{"5:X", "pause 300", "random", "9:O"};
        QTest::newRow("rule a: X in 1 and 9") << QList<int>{1} << QList<double>{} << 9
                                              << x9 + QStringList{"4:O"};
        QTest::newRow("rule c: X in 7 and 3") << QList<int>{7} << QList<double>{} << 3
                                              << QStringList{"3:X", "pause 300", "4:O"};
        QTest::newRow("random square drawn again until free")
            << QList<int>{2} << QList<double>{square(2), square(5), square(8)} << 4
            << QStringList{"4:X", "pause 300", "random", "random", "random", "8:O"};
        QTest::newRow("fifth X fills the board: tie") << QList<int>{1, 2, 7, 6} << QList<double>{square(8)}
            << 9 << x9 + QStringList{"text You Tied"};
        QTest::newRow("fifth X fills the board with a line: win kept")
            << QList<int>{2, 4, 9, 3} << QList<double>{square(8), square(7)} << 6
            << QStringList{"6:X", "text You Win!", "3:red X", "6:red X", "9:red X", "pause 300"};
        QTest::newRow("after the computer won") << QList<int>{1, 2, 7, 9} << QList<double>{} << 8
                                                << QStringList{};
        QTest::newRow("after a tie") << QList<int>{1, 2, 7, 6, 9} << QList<double>{square(8)} << 8
                                     << QStringList{};
    }
    void computerAnswers()
    {
        QFETCH(QList<int>, moves);
        QFETCH(QList<double>, draws);
        QFETCH(int, click);
        QFETCH(QStringList, calls);
        Game g(moves, draws);
        QCOMPARE(g.click(click), calls);
        QVERIFY(g.view.script.empty());
    }

    // A taken cell is no move: passing the turn would let the computer move twice.
    void occupiedCellKeepsTheChildsTurn()
    {
        Game g({1});
        for (int round = 0; round < 3; ++round)
            QVERIFY(g.click(1).isEmpty() && g.click(5).isEmpty());
        QVERIFY(g.game.gameOn());
        QCOMPARE(g.click(2), (QStringList{"2:X", "pause 300", "3:O"}));
    }

    void clicksOutsideAGameChangeNothing()
    {
        RecordingView view;
        TicTacToe game(view);
        for (int cell = 0; cell <= 10; ++cell)
            game.cellClicked(cell);
        QVERIFY(view.calls.isEmpty());
        // Loading the screen again stops a game but leaves its board.
        Game g({1, 2});
        g.game.initialise();
        QVERIFY(g.click(9).isEmpty());
        QCOMPARE(g.game.cellValue(2), int(TicTacToe::X));
    }

    // Every sequence of the child's moves, under a few cycles of draws: every game
    // ends as its board says, and the computer takes a win, else blocks, on the
    // first line that offers it. Each of the eight lines is both won and blocked.
    void everyGameEndsAsItsBoardSays()
    {
        Tally tally;
        for (int seed : {0, 2, 5, 11})
            playOn({}, seed, tally);
        QVERIFY(tally.child > 0 && tally.computer > 0 && tally.ties > 0);
        QCOMPARE(tally.completed, QSet<int>({0, 1, 2, 3, 4, 5, 6, 7}));
        QCOMPARE(tally.blocked, QSet<int>({0, 1, 2, 3, 4, 5, 6, 7}));
    }

    // A new game on the same board: all blank, no verdict, and a centre opening
    // draws its corner again.
    void newGameStartsAfresh()
    {
        Game g({5, 2, 4}, {0.1});
        g.game.startGame();
        QVERIFY(g.view.result.empty() && g.game.gameOn());
        QCOMPARE(g.view.shown, (std::array<int, 10>{0, 5, 5, 5, 5, 5, 5, 5, 5, 5}));
        g.view.script = {0.8};
        QCOMPARE(g.click(5), (QStringList{"5:X", "pause 300", "random", "9:O"}));
    }
};

// The free cell of the first line holding two of `mark` and nothing else, or 0.
static int firstOpenLine(const std::array<int, 10>& board, int mark, int* line)
{
    for (*line = 0; *line < 8; ++*line)
        if (lineSum(board, kLines[*line]) == 2 * mark)
            for (int c : kLines[*line])
                if (board[c] == TicTacToe::Empty)
                    return c;
    return 0;
}

void TestTicTacToe::playOn(const QList<int>& moves, int seed, Tally& tally)
{
    for (int cell = 1; cell <= 9; ++cell) {
        Game g;
        g.view.seed = seed;
        for (int move : moves)
            g.game.cellClicked(move);
        if (g.game.cellValue(cell) != TicTacToe::Empty || QTest::currentTestFailed())
            continue;
        std::array<int, 10> before{};
        for (int c = 1; c <= 9; ++c)
            before[c] = g.game.cellValue(c);
        before[cell] = TicTacToe::X;
        g.game.cellClicked(cell);
        std::array<int, 10> now{}, expected{};
        int filled = 0, placed = 0;
        for (int c = 1; c <= 9; ++c) {
            now[c] = g.game.cellValue(c);
            filled += now[c] != TicTacToe::Empty;
            placed = now[c] != before[c] ? c : placed;
            expected[c] = now[c] == TicTacToe::X ? TicTacToe::BlackX : now[c] == TicTacToe::O ? TicTacToe::BlackO : TicTacToe::Blank;
        }
        const QString where = QStringLiteral("%1 moves ending in %2, seed %3").arg(moves.size() + 1).arg(cell).arg(seed);
        int winLine = 0, blockLine = 0;
        const int win = firstOpenLine(before, TicTacToe::O, &winLine), block = firstOpenLine(before, TicTacToe::X, &blockLine);
        if (placed && (win || block)) {
            QVERIFY2(placed == (win ? win : block), qPrintable(where));
            (win ? tally.completed : tally.blocked).insert(win ? winLine : blockLine);
        }
        if (g.game.gameOn()) {
            playOn(QList<int>(moves) << cell, seed, tally);
            continue;
        }
        // One verdict, told in words, its lines red and every other mark black.
        bool xLine = false, oLine = false;
        for (const auto& line : kLines) {
            const int sum = lineSum(now, line);
            xLine |= sum == 3;
            oLine |= sum == 15;
            for (int c : line)
                expected[c] = sum == 3 ? TicTacToe::RedX : sum == 15 ? TicTacToe::RedO : expected[c];
        }
        QVERIFY2(xLine + oLine + (filled == 9 && !xLine && !oLine) == 1, qPrintable(where));
        QVERIFY2(g.view.result == (xLine ? "You Win!" : oLine ? "The Computer Wins!" : "You Tied"), qPrintable(where));
        QVERIFY2(g.view.shown == expected && g.game.gameWon() == (xLine || oLine), qPrintable(where));
        ++(xLine ? tally.child : oLine ? tally.computer : tally.ties);
    }
}

QTEST_APPLESS_MAIN(TestTicTacToe)
#include "tst_tictactoe.moc"
