#include "microbench.h"

#include "clock.h"
#include "quizscore.h"
#include "randomsource.h"
#include "replies.h"
#include "tictactoe.h"
#include "tictactoeview.h"

#include <array>
#include <string>

namespace sprout::bench {

namespace {

// Keeps the compiler from dropping work whose result nobody reads.
volatile int g_sink = 0;

class SilentView : public TicTacToeView {
public:
    void showImage(int cell, int image) override { g_sink = cell + image; }
    void setResult(const words::Reply& result) override { g_sink = static_cast<int>(result.shown.size()); }
    void pause(int) override {}
    double nextRandom() override { return m_random.next(); }

private:
    RandomSource m_random; // not the program's: the benchmark must not move its sequence
};

template <class Work> double nanosecondsEach(int repetitions, Work work)
{
    const long long start = monotonicNanoseconds();
    long long calls = 0;
    for (int i = 0; i < repetitions; ++i)
        calls += work(i);
    return (monotonicNanoseconds() - start) / static_cast<double>(calls);
}

} // namespace

MicroResult ticTacToeMove(int samples)
{
    // The child tries the cells in these orders, one order a game, skipping taken
    // cells, until the game ends: every rule of the computer gets its turn.
    static constexpr std::array<std::array<int, 9>, 6> kOrders{{
        {5, 1, 9, 3, 7, 2, 4, 6, 8},
        {1, 9, 5, 3, 7, 2, 4, 6, 8},
        {3, 7, 2, 5, 1, 9, 4, 6, 8},
        {2, 4, 6, 8, 1, 3, 5, 7, 9},
        {9, 8, 7, 6, 5, 4, 3, 2, 1},
        {1, 2, 3, 4, 5, 6, 7, 8, 9},
    }};
    constexpr int kGames = 20000;
    SilentView view;
    TicTacToe game(view);
    MicroResult result;
    for (int sample = 0; sample < samples; ++sample) {
        result.figure.add(nanosecondsEach(kGames, [&](int i) {
            game.startGame();
            int moves = 0;
            for (int cell : kOrders[i % kOrders.size()]) {
                if (!game.gameOn())
                    break;
                if (game.cellValue(cell) == TicTacToe::Empty) {
                    game.cellClicked(cell);
                    ++moves;
                }
            }
            return moves;
        }));
        result.baseline.add(nanosecondsEach(kGames, [&](int) {
            game.startGame();
            return 1;
        }));
    }
    return result;
}

MicroResult scoreRule(int samples)
{
    // Twelve answers, right and wrong by turns, as a child gives them: the score
    // passes ten, so the award is asked for on every change.
    static const std::array<std::string, 2> kTexts{std::string(words::kCorrect.shown),
                                                   std::string(words::kSorry.shown)};
    constexpr int kQuizzes = 50000;
    constexpr int kAnswers = 24;
    MicroResult result;
    for (int sample = 0; sample < samples; ++sample) {
        result.figure.add(nanosecondsEach(kQuizzes, [&](int) {
            QuizScore score;
            for (int answer = 0; answer < kAnswers; ++answer) {
                score.resultChanged(kTexts[answer % 2]);
                g_sink = score.awardDue();
            }
            return kAnswers;
        }));
        result.baseline.add(nanosecondsEach(kQuizzes, [&](int) {
            QuizScore score;
            for (int answer = 0; answer < kAnswers; ++answer)
                g_sink = score.awardDue();
            return kAnswers;
        }));
    }
    return result;
}

} // namespace sprout::bench
