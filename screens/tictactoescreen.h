#pragma once

#include "screen.h"
#include "tictactoe.h"
#include "tictactoeview.h"

#include <QPixmap>
#include <array>
#include <functional>

namespace sprout {

// The screen Form1: Tic-Tac-Toe against the computer. The screen shows what the
// game logic tells it and gives the logic its pause and its chances.
class TicTacToeScreen : public Screen, private TicTacToeView {
    Q_OBJECT
public:
    explicit TicTacToeScreen(ScreenRegistry& registry);

    // For tests only: a game must neither sleep nor depend on what was drawn from
    // the program's random source before. An empty function restores the real one.
    using PauseFunction = std::function<void(int milliseconds)>;
    using RandomFunction = std::function<double()>;
    static void replacePause(PauseFunction pause);
    static void replaceRandom(RandomFunction random);

protected:
    void controlsBuilt() override;
    void scaleChanged() override;
    void Form_Load() override;

private:
    void Cmdgamestart_Click();
    void Picture1_Click(int index);

    void showImage(int cell, int image) override;
    void setResult(const words::Reply& result) override;
    void pause(int milliseconds) override;
    double nextRandom() override;

    TicTacToe m_game{*this};
    // Ilst1: the five cell images, numbered from 1 like the logic's images.
    std::array<QPixmap, 6> m_imageList;
};

} // namespace sprout
