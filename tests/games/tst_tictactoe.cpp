#include "tictactoe.h"
#include "tictactoeview.h"

#include <QtTest>

#include <array>
#include <deque>

using sprout::TicTacToe;

namespace {

constexpr int kLines[8][3] = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {1, 4, 7}, {2, 5, 8}, {3, 6, 9}, {1, 5, 9}, {3, 5, 7}};
using Board = std::array<int, 10>;

// Writes down what a player would see, in order. Draws come from the script first,
// then from a fixed cycle that `seed` shifts.
struct RecordingView : sprout::TicTacToeView {
    QStringList calls;
    std::deque<double> script;
    Board shown{};
    std::string result;
    int seed = 0;

    void showImage(int cell, int image) override
    {
        calls << QStringLiteral("%1:%2").arg(cell).arg(QStringList{"?", "X", "O", "red X", "red O", "blank"}[image]);
        shown.at(cell) = image;
    }
    void setResult(const sprout::words::Reply& reply) override { calls << "text " + QString::fromStdString(result = std::string(reply.shown)); }
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
    Game(const QList<int>& moves = {}, const QList<double>& draws = {}, int seed = 0)
    {
        game.initialise();
        game.startGame();
        view.seed = seed;
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
    Board board() const
    {
        Board cells{};
        for (int c = 1; c <= 9; ++c)
            cells[c] = game.cellValue(c);
        return cells;
    }
};

double square(int cell) { return (cell - 0.5) / 9; } // a draw of 9 that lands on the cell

int lineSum(const Board& board, const int (&line)[3]) { return board[line[0]] + board[line[1]] + board[line[2]]; }

// The free cell of the first line holding two of `mark` and nothing else, or 0.
int firstOpenLine(const Board& board, int mark, int& line)
{
    for (line = 0; line < 8; ++line)
        if (lineSum(board, kLines[line]) == 2 * mark)
            for (int c : kLines[line])
                if (board[c] == TicTacToe::Empty)
                    return c;
    return 0;
}

} // namespace

class TestTicTacToe : public QObject {
    Q_OBJECT

    struct Tally {
        int child = 0, computer = 0, ties = 0;
        QSet<int> completed, blocked; // lines, numbered from 0
    };
    void playOn(const QList<int>& moves, int seed, Tally& tally)
    {
        for (int cell = 1; cell <= 9 && !QTest::currentTestFailed(); ++cell) {
            Game g(moves, {}, seed);
            Board before = g.board();
            if (before[cell] != TicTacToe::Empty)
                continue;
            before[cell] = TicTacToe::X;
            g.game.cellClicked(cell);
            const Board now = g.board();
            const QString where = QStringLiteral("%1 moves ending in %2, seed %3").arg(moves.size() + 1).arg(cell).arg(seed);
            int placed = 0, winLine = 0, blockLine = 0;
            for (int c = 1; c <= 9; ++c)
                placed = now[c] != before[c] ? c : placed;
            const int win = firstOpenLine(before, TicTacToe::O, winLine), block = firstOpenLine(before, TicTacToe::X, blockLine);
            if (placed && (win || block)) {
                QVERIFY2(placed == (win ? win : block), qPrintable(where));
                (win ? tally.completed : tally.blocked).insert(win ? winLine : blockLine);
            }
            if (g.game.gameOn()) {
                playOn(QList<int>(moves) << cell, seed, tally);
                continue;
            }
            // One verdict, told in words, its lines red and every other mark black.
            Board expected{};
            for (int c = 1; c <= 9; ++c)
                expected[c] = now[c] == TicTacToe::X ? TicTacToe::BlackX : now[c] == TicTacToe::O ? TicTacToe::BlackO : TicTacToe::Blank;
            bool xLine = false, oLine = false;
            for (const auto& line : kLines) {
                const int sum = lineSum(now, line);
                xLine |= sum == 3;
                oLine |= sum == 15;
                for (int c : line)
                    expected[c] = sum == 3 ? TicTacToe::RedX : sum == 15 ? TicTacToe::RedO : expected[c];
            }
            const bool full = !std::count(now.begin() + 1, now.end(), TicTacToe::Empty);
            QVERIFY2(xLine + oLine + (full && !xLine && !oLine) == 1, qPrintable(where));
            QVERIFY2(g.view.result == (xLine ? "You Win!" : oLine ? "The Computer Wins!" : "You Tied"), qPrintable(where));
            QVERIFY2(g.view.shown == expected && g.game.gameWon() == (xLine || oLine), qPrintable(where));
            ++(xLine ? tally.child : oLine ? tally.computer : tally.ties);
        }
    }

private slots:
    // The rules that no line decides, each with the position that calls for it: what
    // the last click shows, after the earlier moves and with the draws scripted.
    void computerAnswers_data()
    {
        QTest::addColumn<QList<int>>("moves");
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<int>("click");
        QTest::addColumn<QString>("calls");
        const auto row = [](const char* name, QList<int> moves, QList<double> draws, int click, const char* calls) {
            QTest::newRow(name) << moves << draws << click << QString(calls);
        };
        row("edge opening: centre", {}, {}, 2, "2:X, pause 300, 5:O");
        row("centre opening, r below 1/4: corner 1", {}, {0.2499}, 5, "5:X, pause 300, random, 1:O");
        row("centre opening, r = 3/4: corner 9", {}, {0.75}, 5, "5:X, pause 300, random, 9:O");
        row("rule a: X in 1 and 9", {1}, {}, 9, "9:X, pause 300, 4:O");
        row("rule c: X in 7 and 3", {7}, {}, 3, "3:X, pause 300, 4:O");
        row("random square drawn again until free", {2}, {square(2), square(5), square(8)}, 4,
            "4:X, pause 300, random, random, random, 8:O");
        row("after the computer won", {1, 2, 7, 9}, {}, 8, "");
        row("after a tie", {1, 2, 7, 6, 9}, {square(8)}, 8, "");
        row("taken cell keeps the turn", {1, 1, 5, 1}, {}, 2, "2:X, pause 300, 3:O");
    }
    void computerAnswers()
    {
        QFETCH(QList<int>, moves);
        QFETCH(QList<double>, draws);
        QFETCH(int, click);
        QFETCH(QString, calls);
        Game g(moves, draws);
        QCOMPARE(g.click(click), calls.split(", ", Qt::SkipEmptyParts));
        QVERIFY(g.view.script.empty());
    }

    // Loading the screen again stops a game but leaves its board; no click before a
    // game, a new game's blank board and a second game's draws are tst_tictactoescreen's.
    void reloadingStopsTheGameButKeepsItsBoard()
    {
        Game g({5, 2}, {0.1});
        g.game.initialise();
        QVERIFY(g.click(9).isEmpty());
        QVERIFY(!g.game.gameOn());
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
        QVERIFY(tally.child > 0);
        QVERIFY(tally.computer > 0);
        QVERIFY(tally.ties > 0);
        QCOMPARE(tally.completed, QSet<int>({0, 1, 2, 3, 4, 5, 6, 7}));
        QCOMPARE(tally.blocked, QSet<int>({0, 1, 2, 3, 4, 5, 6, 7}));
    }
};

QTEST_APPLESS_MAIN(TestTicTacToe)
#include "tst_tictactoe.moc"
