#include "randomsource.h"
#include "tictactoe.h"
#include "tictactoeview.h"

#include <QtTest>

#include <array>
#include <deque>
#include <stdexcept>
#include <vector>

using sprout::TicTacToe;

namespace {

// Thrown when the rules want a random number that the test did not script.
struct UnscriptedRandom : std::runtime_error {
    UnscriptedRandom() : std::runtime_error("the rules drew a random number nobody scripted") {}
};

struct Event {
    enum Kind { Image, Text, Pause, Random } kind;
    int cell = 0;
    int image = 0;
    std::string text;
    int milliseconds = 0;
};

// Records every call in order and keeps what a player would see.
class RecordingView : public sprout::TicTacToeView {
public:
    std::vector<Event> events;
    std::deque<double> randoms;
    std::array<int, 10> shown{}; // image in each cell, 0 before anything is shown
    std::string resultText;

    void showImage(int cell, int image) override
    {
        events.push_back({Event::Image, cell, image, {}, 0});
        shown.at(cell) = image;
    }
    void setResultText(const std::string& text) override
    {
        events.push_back({Event::Text, 0, 0, text, 0});
        resultText = text;
    }
    void pause(int milliseconds) override
    {
        events.push_back({Event::Pause, 0, 0, {}, milliseconds});
    }
    double nextRandom() override
    {
        if (randoms.empty())
            throw UnscriptedRandom();
        events.push_back({Event::Random, 0, 0, {}, 0});
        const double r = randoms.front();
        randoms.pop_front();
        return r;
    }

    QStringList calls() const { return callsFrom(0); }
    QStringList callsFrom(std::size_t first) const
    {
        static const char* const names[] = {"?", "X", "O", "red X", "red O", "blank"};
        QStringList out;
        for (std::size_t i = first; i < events.size(); ++i) {
            const Event& e = events[i];
            switch (e.kind) {
            case Event::Image: out << QStringLiteral("%1:%2").arg(e.cell).arg(names[e.image]); break;
            case Event::Text: out << QStringLiteral("text ") + QString::fromStdString(e.text); break;
            case Event::Pause: out << QStringLiteral("pause %1").arg(e.milliseconds); break;
            case Event::Random: out << QStringLiteral("random"); break;
            }
        }
        return out;
    }
};

// A random number whose square draw Int(9r)+1 lands on `cell`.
double squareDraw(int cell) { return (cell - 0.5) / 9; }
// A random number whose corner draw Int(4r)+1 lands on `corner` (1, 3, 7 or 9).
double cornerDraw(int corner)
{
    const int index = corner == 1 ? 1 : corner == 3 ? 2 : corner == 7 ? 3 : 4;
    return (index - 0.5) / 4;
}

constexpr int kLines[9][3] = {
    {0, 0, 0}, {1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {1, 4, 7},
    {2, 5, 8}, {3, 6, 9}, {1, 5, 9}, {3, 5, 7},
};

// Cell contents as a player sees them: 0 empty, 1 X, 5 O.
using Board = std::array<int, 10>;

Board seenBoard(const RecordingView& view)
{
    Board board{};
    for (int cell = 1; cell <= 9; ++cell) {
        const int image = view.shown[cell];
        board[cell] = (image == TicTacToe::BlackX || image == TicTacToe::RedX) ? 1
            : (image == TicTacToe::BlackO || image == TicTacToe::RedO)        ? 5
                                                                               : 0;
    }
    return board;
}

int lineSum(const Board& board, int line)
{
    return board[kLines[line][0]] + board[kLines[line][1]] + board[kLines[line][2]];
}

bool isFull(const Board& board)
{
    for (int cell = 1; cell <= 9; ++cell) {
        if (board[cell] == 0)
            return false;
    }
    return true;
}

struct Game {
    RecordingView view;
    TicTacToe game{view};

    Game()
    {
        game.initialise();
        game.startGame();
    }
    // Clicks each cell in turn; `randoms` are queued for the whole sequence.
    void play(std::initializer_list<int> cells, std::initializer_list<double> randoms = {})
    {
        view.randoms.insert(view.randoms.end(), randoms);
        for (int cell : cells)
            game.cellClicked(cell);
    }
    QStringList lastClick(int cell)
    {
        const std::size_t first = view.events.size();
        game.cellClicked(cell);
        return view.callsFrom(first);
    }
};

} // namespace

class TestTicTacToe : public QObject {
    Q_OBJECT
private slots:
    void clicksBeforeTheFirstStartChangeNothing()
    {
        RecordingView view;
        TicTacToe game(view);
        for (int cell = 1; cell <= 9; ++cell)
            game.cellClicked(cell);
        game.initialise();
        for (int cell = 0; cell <= 10; ++cell)
            game.cellClicked(cell);
        QCOMPARE(view.calls(), QStringList());
        QVERIFY(!game.gameOn());
        for (int cell = 1; cell <= 9; ++cell)
            QCOMPARE(game.cellValue(cell), int(TicTacToe::Empty));
    }

    void startClearsTheBoardThenTheResult()
    {
        Game g;
        QStringList expected;
        for (int cell = 1; cell <= 9; ++cell)
            expected << QStringLiteral("%1:blank").arg(cell);
        expected << "text ";
        QCOMPARE(g.view.calls(), expected);
        QVERIFY(g.game.gameOn());
        QVERIFY(!g.game.gameWon());
        QVERIFY(!g.game.cornerReplyDone());
    }

    void startDuringAGameAbandonsIt()
    {
        Game g;
        g.play({5}, {cornerDraw(9)});
        QVERIFY(g.game.cornerReplyDone());
        g.view.events.clear();
        g.game.startGame();
        QCOMPARE(g.view.calls().size(), 10);
        QCOMPARE(g.view.resultText, std::string());
        QVERIFY(g.game.gameOn());
        QVERIFY(!g.game.cornerReplyDone());
        for (int cell = 1; cell <= 9; ++cell) {
            QCOMPARE(g.view.shown[cell], int(TicTacToe::Blank));
            QCOMPARE(g.game.cellValue(cell), int(TicTacToe::Empty));
        }
        // The corner answer belongs to each game anew.
        g.view.randoms = {cornerDraw(3)};
        QCOMPARE(g.lastClick(5), (QStringList{"5:X", "pause 300", "random", "3:O"}));
    }

    void openingGetsItsAnswer_data()
    {
        QTest::addColumn<int>("opening");
        QTest::addColumn<double>("random");
        QTest::addColumn<QStringList>("expected");
        for (int cell : {1, 2, 3, 4, 6, 7, 8, 9}) {
            QTest::addRow("X in %d, O in the centre", cell)
                << cell << -1.0
                << QStringList{QStringLiteral("%1:X").arg(cell), "pause 300", "5:O"};
        }
        const struct {
            double random;
            int corner;
        } corners[] = {{0.0, 1}, {0.2499, 1}, {0.25, 3}, {0.4999, 3},
                       {0.5, 7}, {0.7499, 7}, {0.75, 9}, {0.99999, 9}};
        for (const auto& c : corners) {
            QTest::addRow("centre, r=%g gives corner %d", c.random, c.corner)
                << 5 << c.random
                << QStringList{"5:X", "pause 300", "random", QStringLiteral("%1:O").arg(c.corner)};
        }
    }
    void openingGetsItsAnswer()
    {
        QFETCH(int, opening);
        QFETCH(double, random);
        QFETCH(QStringList, expected);
        Game g;
        if (random >= 0)
            g.view.randoms.push_back(random);
        QCOMPARE(g.lastClick(opening), expected);
        QVERIFY(g.view.randoms.empty());
        QCOMPARE(g.game.cornerReplyDone(), opening == 5);
    }

    void centreOpeningOfAFreshProgramIsAnsweredInCell7()
    {
        // The first draw of an unseeded source is 0.7055..., the third corner.
        struct SourceView : RecordingView {
            sprout::RandomSource source;
            double nextRandom() override { return source.next(); }
        } view;
        TicTacToe game(view);
        game.initialise();
        game.startGame();
        game.cellClicked(5);
        QCOMPARE(view.shown[7], int(TicTacToe::BlackO));
    }

    void computerWinsRatherThanBlocks()
    {
        // X 1 2 7 against O 5 3 4: X's bottom row and O's middle row are both open.
        Game g;
        g.play({1, 2, 7});
        QCOMPARE(g.lastClick(9), (QStringList{"9:X", "pause 300", "6:O", "text The Computer Wins!",
                                              "4:red O", "5:red O", "6:red O"}));
        QVERIFY(!g.game.gameOn());
        QVERIFY(g.game.gameWon());
        QCOMPARE(g.game.cellValue(8), int(TicTacToe::Empty));
    }

    void lowerLineIsCompletedFirst()
    {
        // O in 1, 5 and 7 opens the left column (line 4, free cell 4) and the diagonal
        // from the top left (line 7, free cell 9); a block at 9 is open as well.
        Game g;
        g.play({2, 6, 3}, {squareDraw(7)});
        QCOMPARE(g.lastClick(8), (QStringList{"8:X", "pause 300", "4:O", "text The Computer Wins!",
                                              "1:red O", "4:red O", "7:red O"}));
        QCOMPARE(g.game.cellValue(9), int(TicTacToe::Empty));
    }

    void blockTakesTheLowerLine()
    {
        // X 2 3 6 opens the top row (free cell 1) and the right column (free cell 9).
        Game g;
        g.play({2, 6}, {squareDraw(7)});
        QCOMPARE(g.lastClick(3), (QStringList{"3:X", "pause 300", "1:O"}));
        QVERIFY(g.game.gameOn());
    }

    void oppositeCornersAreAnsweredInCell4_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::newRow("rule a: X in 1 and 9") << 1 << 9;
        QTest::newRow("rule a: X in 9 and 1") << 9 << 1;
        QTest::newRow("rule c: X in 3 and 7") << 3 << 7;
        QTest::newRow("rule c: X in 7 and 3") << 7 << 3;
    }
    void oppositeCornersAreAnsweredInCell4()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        Game g;
        g.play({first});
        QCOMPARE(g.lastClick(second),
                 (QStringList{QStringLiteral("%1:X").arg(second), "pause 300", "4:O"}));
    }

    void randomSquareIsDrawnAgainUntilFree()
    {
        // X 2 4 against O 5: nothing else applies, so the square is drawn; 2 is taken.
        Game g;
        g.play({2});
        g.view.randoms = {squareDraw(2), squareDraw(5), squareDraw(8)};
        QCOMPARE(g.lastClick(4),
                 (QStringList{"4:X", "pause 300", "random", "random", "random", "8:O"}));
    }

    void fifthXFillingTheBoardWithoutALineTies()
    {
        Game g;
        g.play({1, 2, 7, 6}, {squareDraw(8)});
        QCOMPARE(g.lastClick(9), (QStringList{"9:X", "pause 300", "text You Tied"}));
        QVERIFY(!g.game.gameOn());
        QVERIFY(!g.game.gameWon());
    }

    void fifthXFillingTheBoardWithALineKeepsTheWin()
    {
        Game g;
        g.play({2, 4, 9, 3}, {squareDraw(8), squareDraw(7)});
        QCOMPARE(g.lastClick(6), (QStringList{"6:X", "text You Win!", "3:red X", "6:red X",
                                              "9:red X", "pause 300"}));
        QCOMPARE(g.view.resultText, std::string("You Win!"));
        QVERIFY(!g.game.gameOn());
        QVERIFY(g.game.gameWon());
    }

    void occupiedCellClicksDoNothing()
    {
        Game g;
        g.play({1}); // O in the centre
        const std::size_t before = g.view.events.size();
        for (int round = 0; round < 3; ++round) {
            g.game.cellClicked(1);
            g.game.cellClicked(5);
        }
        QCOMPARE(g.view.callsFrom(before), QStringList());
        QVERIFY(g.game.gameOn());
        QCOMPARE(g.game.cellValue(1), int(TicTacToe::X));
        QCOMPARE(g.game.cellValue(5), int(TicTacToe::O));
        int occupied = 0;
        for (int cell = 1; cell <= 9; ++cell)
            occupied += g.game.cellValue(cell) != TicTacToe::Empty;
        QCOMPARE(occupied, 2);
        // The turn is still the child's.
        QCOMPARE(g.lastClick(2), (QStringList{"2:X", "pause 300", "3:O"}));
    }

    void clicksAfterTheEndChangeNothing_data()
    {
        QTest::addColumn<QList<int>>("moves");
        QTest::addColumn<QList<double>>("randoms");
        QTest::addColumn<QString>("result");
        QTest::newRow("computer won") << QList<int>{1, 2, 7, 9} << QList<double>{}
                                      << "The Computer Wins!";
        QTest::newRow("child won") << QList<int>{2, 4, 9, 3, 6}
                                   << QList<double>{squareDraw(8), squareDraw(7)} << "You Win!";
        QTest::newRow("tied") << QList<int>{1, 2, 7, 6, 9} << QList<double>{squareDraw(8)}
                              << "You Tied";
    }
    void clicksAfterTheEndChangeNothing()
    {
        QFETCH(QList<int>, moves);
        QFETCH(QList<double>, randoms);
        QFETCH(QString, result);
        Game g;
        g.view.randoms.assign(randoms.begin(), randoms.end());
        for (int cell : moves)
            g.game.cellClicked(cell);
        QCOMPARE(QString::fromStdString(g.view.resultText), result);
        const auto shown = g.view.shown;
        const std::size_t before = g.view.events.size();
        for (int cell = 1; cell <= 9; ++cell)
            g.game.cellClicked(cell);
        QCOMPARE(g.view.callsFrom(before), QStringList());
        QVERIFY(g.view.shown == shown);
        QVERIFY(!g.game.gameOn());
    }

    void initialiseStopsTheGameButLeavesTheBoard()
    {
        Game g;
        g.play({1, 2});
        const std::size_t before = g.view.events.size();
        g.game.initialise();
        g.game.cellClicked(9);
        QCOMPARE(g.view.callsFrom(before), QStringList());
        QVERIFY(!g.game.gameOn());
        QVERIFY(!g.game.gameWon());
        QCOMPARE(g.game.cellValue(2), int(TicTacToe::X));
        QCOMPARE(g.game.cellValue(3), int(TicTacToe::O));
        g.game.startGame();
        QCOMPARE(g.game.cellValue(2), int(TicTacToe::Empty));
    }

    void everyGameFollowsTheRules();

private:
    struct Step {
        int cell;
        std::vector<double> randoms;
    };
    using Script = std::vector<Step>;
    struct Tally {
        long childWins = 0;
        long computerWins = 0;
        long ties = 0;
        long redraws = 0;
    };
    void explore(const Script& script, int misses, Tally& tally);
    void tryStep(const Script& script, Step step, int misses, Tally& tally);
    static void replay(const Script& script, RecordingView& view, TicTacToe& game);
    static void checkStep(const Board& before, int cell, const RecordingView& view,
                          std::size_t first, const TicTacToe& game);
    static void checkEnd(const RecordingView& view, const TicTacToe& game, Tally& tally);
};

// Every random number a draw of 4 or of 9 can tell apart: one inside each interval
// between the multiples of 1/9 and of 1/4.
static const double kDistinctRandoms[] = {
    0.5 / 9, 1.5 / 9, (2.0 / 9 + 0.25) / 2, (0.25 + 3.0 / 9) / 2, 3.5 / 9, (4.0 / 9 + 0.5) / 2,
    (0.5 + 5.0 / 9) / 2, 5.5 / 9, (6.0 / 9 + 0.75) / 2, (0.75 + 7.0 / 9) / 2, 7.5 / 9, 8.5 / 9,
};

void TestTicTacToe::replay(const Script& script, RecordingView& view, TicTacToe& game)
{
    game.initialise();
    game.startGame();
    for (const Step& step : script) {
        view.randoms.assign(step.randoms.begin(), step.randoms.end());
        game.cellClicked(step.cell);
    }
}

void TestTicTacToe::everyGameFollowsTheRules()
{
    // Every sequence of the child's moves, against every outcome of the computer's
    // draws (one draw that misses a taken cell allowed per game, so the redraw is
    // exercised without the tree growing without end).
    Tally tally;
    explore({}, 0, tally);
    qInfo("games: %ld won by the child, %ld by the computer, %ld tied; %ld with a redraw",
          tally.childWins, tally.computerWins, tally.ties, tally.redraws);
    QVERIFY(tally.childWins > 0);
    QVERIFY(tally.computerWins > 0);
    QVERIFY(tally.ties > 0);
    QVERIFY(tally.redraws > 0);
}

void TestTicTacToe::explore(const Script& script, int misses, Tally& tally)
{
    RecordingView view;
    TicTacToe game(view);
    replay(script, view, game);
    QVERIFY(script.size() < 5);

    // Taken cells are no moves: no call, no draw, nothing changes.
    const auto shown = view.shown;
    const std::size_t before = view.events.size();
    for (int cell = 1; cell <= 9; ++cell) {
        if (game.cellValue(cell) != TicTacToe::Empty)
            game.cellClicked(cell);
    }
    QCOMPARE(view.callsFrom(before), QStringList());
    QVERIFY(view.shown == shown);
    QVERIFY(game.gameOn());

    for (int cell = 1; cell <= 9; ++cell) {
        if (game.cellValue(cell) == TicTacToe::Empty) {
            tryStep(script, Step{cell, {}}, misses, tally);
            if (QTest::currentTestFailed())
                return;
        }
    }
}

void TestTicTacToe::tryStep(const Script& script, Step step, int misses, Tally& tally)
{
    RecordingView view;
    TicTacToe game(view);
    replay(script, view, game);
    const Board before = seenBoard(view);
    const std::size_t first = view.events.size();
    view.randoms.assign(step.randoms.begin(), step.randoms.end());
    try {
        game.cellClicked(step.cell);
    } catch (const UnscriptedRandom&) {
        const std::size_t drawn = step.randoms.size();
        if (drawn >= 2 || (drawn == 1 && misses > 0))
            return;
        for (double r : kDistinctRandoms) {
            Step next = step;
            next.randoms.push_back(r);
            tryStep(script, next, misses + (drawn == 1 ? 1 : 0), tally);
            if (QTest::currentTestFailed())
                return;
        }
        return;
    }
    QVERIFY(view.randoms.empty());
    checkStep(before, step.cell, view, first, game);
    if (QTest::currentTestFailed()) {
        QStringList moves;
        for (const Step& s : script)
            moves << QString::number(s.cell);
        qWarning("after moves %s, then %d", qPrintable(moves.join(' ')), step.cell);
        return;
    }
    if (step.randoms.size() == 2)
        ++tally.redraws;

    Script longer = script;
    longer.push_back(step);
    if (game.gameOn()) {
        explore(longer, misses, tally);
        return;
    }
    checkEnd(view, game, tally);
    const auto shown = view.shown;
    const std::size_t end = view.events.size();
    for (int cell = 1; cell <= 9; ++cell)
        game.cellClicked(cell);
    QCOMPARE(view.callsFrom(end), QStringList());
    QVERIFY(view.shown == shown);
}

void TestTicTacToe::checkStep(const Board& before, int cell, const RecordingView& view,
                              std::size_t first, const TicTacToe& game)
{
    const std::vector<Event> events(view.events.begin() + first, view.events.end());
    QVERIFY(before[cell] == 0);
    QVERIFY(!events.empty());
    QCOMPARE(events[0].kind, Event::Image);
    QCOMPARE(events[0].cell, cell);
    QCOMPARE(events[0].image, int(TicTacToe::BlackX));

    Board afterX = before;
    afterX[cell] = 1;
    bool childWon = false;
    bool openWin = false;
    bool openBlock = false;
    for (int line = 1; line <= 8; ++line) {
        childWon = childWon || lineSum(afterX, line) == 3;
        openWin = openWin || lineSum(afterX, line) == 10;
        openBlock = openBlock || lineSum(afterX, line) == 2;
    }

    // Exactly one pause, after the child's marks and before anything of the computer's.
    int pauses = 0;
    std::size_t pauseAt = 0;
    for (std::size_t i = 0; i < events.size(); ++i) {
        if (events[i].kind == Event::Pause) {
            ++pauses;
            pauseAt = i;
            QCOMPARE(events[i].milliseconds, 300);
        }
    }
    QCOMPARE(pauses, 1);
    for (std::size_t i = 1; i < pauseAt; ++i) {
        QVERIFY(events[i].kind == Event::Text || events[i].image == TicTacToe::RedX);
        if (events[i].kind == Event::Text)
            QCOMPARE(events[i].text, std::string(TicTacToe::kPlayerWinsText));
    }
    QCOMPARE(pauseAt > 1, childWon);

    std::vector<Event> after(events.begin() + pauseAt + 1, events.end());
    const Board now = seenBoard(view);
    if (childWon) {
        QVERIFY(after.empty());
        QCOMPARE(view.resultText, std::string(TicTacToe::kPlayerWinsText));
    } else if (isFull(afterX)) {
        QCOMPARE(after.size(), std::size_t(1));
        QCOMPARE(after[0].kind, Event::Text);
        QCOMPARE(after[0].text, std::string(TicTacToe::kTiedText));
    } else {
        std::size_t i = 0;
        while (i < after.size() && after[i].kind == Event::Random)
            ++i;
        // Chance decides only when there is nothing to win or block and the centre is taken.
        QVERIFY(i == 0 || (!openWin && !openBlock && afterX[5] != 0));
        QVERIFY(i < after.size());
        QCOMPARE(after[i].kind, Event::Image);
        QCOMPARE(after[i].image, int(TicTacToe::BlackO));
        const int o = after[i].cell;
        QVERIFY2(afterX[o] == 0, "the computer played a taken cell");
        bool computerWon = false;
        for (int line = 1; line <= 8; ++line)
            computerWon = computerWon || lineSum(now, line) == 15;
        QCOMPARE(computerWon, openWin);
        if (!openWin && openBlock) {
            int firstOpen = 1;
            while (lineSum(afterX, firstOpen) != 2)
                ++firstOpen;
            const auto& l = kLines[firstOpen];
            QVERIFY2(o == l[0] || o == l[1] || o == l[2], "the computer did not block");
        }
        if (computerWon) {
            QCOMPARE(view.resultText, std::string(TicTacToe::kComputerWinsText));
        } else {
            QCOMPARE(after.size(), i + 1);
            QCOMPARE(view.resultText, std::string());
        }
    }

    // What is shown and what the rules hold agree, and the flags agree with the text.
    for (int c = 1; c <= 9; ++c)
        QCOMPARE(now[c], game.cellValue(c));
    QCOMPARE(game.gameOn(), view.resultText.empty());
    QCOMPARE(game.gameWon(), view.resultText == TicTacToe::kPlayerWinsText
                                 || view.resultText == TicTacToe::kComputerWinsText);
}

void TestTicTacToe::checkEnd(const RecordingView& view, const TicTacToe& game, Tally& tally)
{
    const Board board = seenBoard(view);
    std::array<bool, 10> inXLine{};
    std::array<bool, 10> inOLine{};
    bool xLine = false;
    bool oLine = false;
    for (int line = 1; line <= 8; ++line) {
        const int sum = lineSum(board, line);
        for (int c : kLines[line]) {
            inXLine[c] = inXLine[c] || sum == 3;
            inOLine[c] = inOLine[c] || sum == 15;
        }
        xLine = xLine || sum == 3;
        oLine = oLine || sum == 15;
    }
    const bool tie = !xLine && !oLine && isFull(board);
    QCOMPARE(int(xLine) + int(oLine) + int(tie), 1);
    QVERIFY(!game.gameOn());
    if (xLine) {
        QCOMPARE(view.resultText, std::string(TicTacToe::kPlayerWinsText));
        ++tally.childWins;
    } else if (oLine) {
        QCOMPARE(view.resultText, std::string(TicTacToe::kComputerWinsText));
        ++tally.computerWins;
    } else {
        QCOMPARE(view.resultText, std::string(TicTacToe::kTiedText));
        ++tally.ties;
    }
    // Red marks exactly the winning lines, black everything else.
    for (int c = 1; c <= 9; ++c) {
        const int expected = inXLine[c] ? TicTacToe::RedX
            : inOLine[c]                ? TicTacToe::RedO
            : board[c] == 1             ? TicTacToe::BlackX
            : board[c] == 5             ? TicTacToe::BlackO
                                        : TicTacToe::Blank;
        QCOMPARE(view.shown[c], expected);
    }
}

QTEST_APPLESS_MAIN(TestTicTacToe)
#include "tst_tictactoe.moc"
