#include "tictactoescreen.h"

#include "controls.h"
#include "builtinpictures.h"
#include "guidance.h"
#include "randomsource.h"
#include "screendesigns.h"
#include "speech.h"

#include <QThread>

namespace sprout {

namespace {

TicTacToeScreen::PauseFunction& pauseReplacement()
{
    static TicTacToeScreen::PauseFunction replacement;
    return replacement;
}

TicTacToeScreen::RandomFunction& randomReplacement()
{
    static TicTacToeScreen::RandomFunction replacement;
    return replacement;
}

QString cellName(int index)
{
    return QStringLiteral("Picture1(%1)").arg(index);
}

// What a square shows, for screen readers.
QString markOf(int image)
{
    switch (image) {
    case TicTacToe::BlackX:
    case TicTacToe::RedX: return QStringLiteral("X");
    case TicTacToe::BlackO:
    case TicTacToe::RedO: return QStringLiteral("O");
    default: return QStringLiteral("empty");
    }
}

} // namespace

TicTacToeScreen::TicTacToeScreen(ScreenRegistry& registry)
    : Screen(registry, ScreenId::Form1, designs::ticTacToe)
{
    onClick("Cmdgamestart", [this] { Cmdgamestart_Click(); });
    onIndexedClick("Picture1", [this](int index) { Picture1_Click(index); });
    onClick("Label11", [this] { navigate(ScreenId::SproutMain, Order::HideThenShow); });
}

void TicTacToeScreen::replacePause(PauseFunction pause)
{
    pauseReplacement() = std::move(pause);
}

void TicTacToeScreen::replaceRandom(RandomFunction random)
{
    randomReplacement() = std::move(random);
}

void TicTacToeScreen::controlsBuilt()
{
    for (int image = TicTacToe::BlackX; image <= TicTacToe::Blank; ++image)
        m_imageList[image] = builtInPicture(QStringLiteral("cell%1").arg(image), scale());
    for (int cell = 1; cell <= 9; ++cell) // as designed, blank
        control<ClickLabel>(cellName(cell))->setShownName(markOf(TicTacToe::Blank));
}

// The cells keep what they show, drawn at the new size.
void TicTacToeScreen::scaleChanged()
{
    const std::array<QPixmap, 6> before = m_imageList;
    controlsBuilt();
    for (QWidget* widget : client()->findChildren<QWidget*>()) {
        auto* box = qobject_cast<ClickLabel*>(widget);
        if (!box || !box->objectName().startsWith(QLatin1String("Picture1(")))
            continue;
        for (size_t image = 0; image < before.size(); ++image)
            if (!before[image].isNull() && box->pixmap().cacheKey() == before[image].cacheKey())
                box->setPixmap(m_imageList[image]);
    }
}

void TicTacToeScreen::Form_Load()
{
    m_game.initialise();
}

void TicTacToeScreen::Cmdgamestart_Click()
{
    m_game.startGame();
    showReply(QStringLiteral("Cmdgamestart"), designs::kStartNewGame);
}

void TicTacToeScreen::Picture1_Click(int index)
{
    // Outside a game the board takes no move: a child who cannot read the button
    // is told what to press.
    if (!m_game.gameOn()) {
        const bool over = !control<ClickLabel>("Label2")->text().isEmpty();
        Speech::say(over ? words::pressToPlayAgain() : words::pressStartFirst(), window());
    }
    m_game.cellClicked(index);
}

void TicTacToeScreen::showImage(int cell, int image)
{
    if (auto* box = control<ClickLabel>(cellName(cell))) {
        box->setPixmap(m_imageList.at(image));
        box->setShownName(markOf(image));
    }
}

void TicTacToeScreen::setResult(const words::Reply& result)
{
    showReply(QStringLiteral("Label2"), result);
}

void TicTacToeScreen::pause(int milliseconds)
{
    // The child must see the X (and any result) before the screen freezes, so the
    // pending changes are painted now rather than after the pause.
    if (QWidget* area = client())
        area->repaint();
    if (const PauseFunction& replacement = pauseReplacement()) {
        replacement(milliseconds);
        return;
    }
    // Blocking on purpose: the screen takes no part in anything during the pause,
    // and clicks made meanwhile wait in the queue to be handled one by one after it.
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

double TicTacToeScreen::nextRandom()
{
    if (const RandomFunction& replacement = randomReplacement())
        return replacement();
    return RandomSource::program().next();
}

} // namespace sprout
