// Tic-Tac-Toe's rules against a view that records what a player sees, and the console game.
#include "tictactoe.h"
#include "tictactoeview.h"

#include <QtTest>

#include <array>
#include <deque>

using sprout::TicTacToe;

namespace {

constexpr int kLines[8][3] = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {1, 4, 7}, {2, 5, 8}, {3, 6, 9}, {1, 5, 9}, {3, 5, 7}};
using Board = std::array<int, 10>;

// Draws come from the script first, then from a fixed cycle that `seed` shifts.
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
int firstOpenLine(const Board& board, int mark)
{
    for (const auto& line : kLines)
        if (lineSum(board, line) == 2 * mark)
            for (int c : line)
                if (board[c] == TicTacToe::Empty)
                    return c;
    return 0;
}

} // namespace

class TestTicTacToe : public QObject {
    Q_OBJECT

    void playOn(const QList<int>& moves, int seed)
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
            const int win = firstOpenLine(before, TicTacToe::O), must = win ? win : firstOpenLine(before, TicTacToe::X);
            if (must && now != before) // the computer has moved
                QVERIFY2(now[must] == TicTacToe::O, qPrintable(where));
            if (g.game.gameOn()) {
                playOn(QList<int>(moves) << cell, seed);
                continue;
            }
            // One verdict, told in words, its lines red and every other mark black.
            Board expected{};
            for (int c = 1; c <= 9; ++c)
                expected[c] = now[c] == TicTacToe::X ? TicTacToe::BlackX : now[c] == TicTacToe::O ? TicTacToe::BlackO : TicTacToe::Blank;
            for (const auto& line : kLines)
                if (const int sum = lineSum(now, line); sum == 3 || sum == 15)
                    for (int c : line)
                        expected[c] = sum == 3 ? TicTacToe::RedX : TicTacToe::RedO;
            const bool xLine = std::ranges::count(expected, TicTacToe::RedX) > 0;
            const bool oLine = std::ranges::count(expected, TicTacToe::RedO) > 0;
            const bool full = !std::count(now.begin() + 1, now.end(), TicTacToe::Empty);
            QVERIFY2(xLine + oLine + (full && !xLine && !oLine) == 1, qPrintable(where));
            QVERIFY2(g.view.result == (xLine ? "You Win!" : oLine ? "The Computer Wins!" : "You Tied"), qPrintable(where));
            QVERIFY2(g.view.shown == expected, qPrintable(where));
            QVERIFY2(g.game.gameWon() == (xLine || oLine), qPrintable(where));
        }
    }

private slots:
    // The rules that no line decides: what the last click shows, with the draws scripted.
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
        g.view.calls.clear();
        g.game.cellClicked(click);
        QCOMPARE(g.view.calls, calls.split(", ", Qt::SkipEmptyParts));
    }

    // Every game ends as its board says; the computer takes a win, else blocks.
    void everyGameEndsAsItsBoardSays()
    {
        for (int seed : {0, 2, 5, 11})
            playOn({}, seed);
    }

    void consoleGames_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QStringList>("output"); // parts in order, the last one ending it
        const QString move = "Your move (1 to 9): ";
        const QString taken = move + "Cell %1 is already taken. Please choose a free cell.\n";
        const QString garbage = move + "That is not a cell number. Please type one number from 1 to 9.\n";
        QTest::newRow("lost, asked again, a new game")
            << QByteArray("1\n2\n7\n9\nmaybe\ny\n1\nn\n")
            << QStringList{"[O]|[O]|[O]", "\nThe Computer Wins!\n", "Please type y for another game or n to stop.",
                           "A new game.", "The computer plays 5.", "Goodbye.\n"};
        QTest::newRow("taken cells refused, the turn kept")
            << QByteArray("1\n1\n5\n2\nq\n")
            << QStringList{"The computer plays 5.", taken.arg(1) + taken.arg(5) + move + "The computer plays 3.", "Goodbye.\n"};
        const QList<QByteArray> lines{"abc", "", "10", "4 6", QByteArray(30, '9'), QByteArray("3\0\x01\xff", 4),
                                      QByteArray(100000, '7')};
        QTest::newRow("each garbage line refused")
            << lines.join('\n') + "\n  1 \r\nq\n"
            << QStringList{garbage.repeated(lines.size()) + move + "The computer plays 5.", "Goodbye.\n"};
        QTest::newRow("input ends in a game") << QByteArray("1\n2") << QStringList{"The computer plays 3.", "Goodbye.\n"};
    }
    void consoleGames()
    {
        QFETCH(QByteArray, input);
        QFETCH(QStringList, output);
        QProcess console;
        console.start(qEnvironmentVariable("SPROUT_BIN_DIR") + "/sproutkin-tictactoe", {"--no-pause"});
        console.write(input);
        console.closeWriteChannel();
        QVERIFY(console.waitForFinished(60000));
        QCOMPARE(console.exitCode(), 0);
        QCOMPARE(console.readAllStandardError(), QByteArray());
        const QString out = QString::fromUtf8(console.readAllStandardOutput());
        qsizetype at = 0;
        for (const QString& part : output) {
            at = out.indexOf(part, at);
            QVERIFY2(at >= 0, qPrintable("missing in order: " + part + "\n" + out));
            at += part.size();
        }
        QCOMPARE(at, out.size());
    }
};

QTEST_APPLESS_MAIN(TestTicTacToe)
#include "tst_tictactoe.moc"
