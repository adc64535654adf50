#include "tictactoescreen.h"

#include "controls.h"
#include "guidance.h"
#include "pictures.h"
#include "randomsource.h"
#include "speaker.h"

#include <QPushButton>
#include <QThread>

namespace sprout {

namespace {

constexpr WindowDesign kWindow{
    .caption = "Tic-Tac-Toe",
    .clientWidth = 8760,
    .clientHeight = 6930,
    .resizable = true,
};

constexpr char kStartCaption[] = "Click to start game";
constexpr char kRestartCaption[] = " Click to  start a new game";

constexpr char kInstructions[] =
    "Mr. Pim says: Tic Tac Toe is a game where 1 person is the X and the other is the O. "
    "This game has you playing against the computer and you will be X while the computer "
    "will be O. What you want to do is get 3 X's in a row either up and down, side to "
    "side, or from corner to corner. However the computer and you takes turns, so while "
    "you are trying to get 3 in a row, the computer is trying to block you and get 3 in a "
    "row for itself. To play the game press the button that says \"Click to start game\"\r\n";

constexpr Look kCell{{}, kDefault, kDefault, Sunken};
constexpr Look kResult{{"MS Sans Serif", 13.5, true}, kDefault, looks::kWhite, Opaque | Centred};
constexpr Look kStartButton{{"Arial", 9.75, true}};
constexpr Look kFrame{{"Trebuchet MS", 9.75, true}};
constexpr Look kConversation{{"Arial", 9.75, true}, kDefault, kDefault, MultiLine | ScrollBar};

constexpr int kCellSize = 540;
constexpr int kColumns[] = {3360, 4095, 4830};
constexpr int kRows[] = {1335, 2070, 2805};

// Cell k of the board, in reading order; it starts blank and comes k-th in the tab order.
constexpr Control cell(int index)
{
    return {Kind::PictureBox, "Picture1", "cell5", kColumns[(index - 1) % 3],
            kRows[(index - 1) / 3], kCellSize, kCellSize, kCell, nullptr, index - 1, index};
}

// The empty label and the four grid lines lie beneath the opaque board picture
// and are never seen: the board itself shows in the gaps between the cells.
constexpr Control kControls[] = {
    // kind            name            text                  left  top   width height look
    {Kind::Button,    "Cmdgamestart", kStartCaption,        7440, 5880, 1215, 930,  kStartButton, nullptr, 9},
    {Kind::Frame,     "Frame1",       "Conversation History", 0,  5520, 8775, 1455, kFrame},
    {Kind::TextBox,   "Text1",        kInstructions,        120,  240,  7215, 1125, kConversation, "Frame1", 10},
    cell(1), cell(2), cell(3),
    cell(4), cell(5), cell(6),
    cell(7), cell(8), cell(9),
    {Kind::Label,     "Label11",      "Back to Main",       1200, 3120, 2055, 375,  looks::kBackLink},
    {Kind::Label,     "Label2",       "",                   2760, 840,  3375, 435,  kResult},
    {Kind::Image,     "Image1",       "board",              0,    0,    8790, 5520},
    {Kind::ImageList, "Ilst1",        nullptr,              0,    0,    0,    0},
    {Kind::Label,     "Label1",       "",                   3840, 960,  1065, 225},
    // Lines: X1, Y1, X2, Y2.
    {Kind::Line,      "Line4",        nullptr,              3255, 2700, 5460, 2700},
    {Kind::Line,      "Line3",        nullptr,              3255, 1965, 5460, 1965},
    {Kind::Line,      "Line2",        nullptr,              4725, 1230, 4725, 3435},
    {Kind::Line,      "Line1",        nullptr,              3990, 1230, 3990, 3435},
};

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

TicTacToeScreen::TicTacToeScreen(ScreenRegistry& registry) : Screen(registry, ScreenId::Form1, kWindow, kControls)
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
        m_imageList[image] = builtInPicture(QStringLiteral("cell%1").arg(image));
    for (int cell = 1; cell <= 9; ++cell) // as designed, blank
        control<ClickLabel>(cellName(cell))->setShownName(markOf(TicTacToe::Blank));
}

void TicTacToeScreen::Form_Load()
{
    m_game.initialise();
}

void TicTacToeScreen::Cmdgamestart_Click()
{
    m_game.startGame();
    control<QPushButton>("Cmdgamestart")->setText(QString::fromLatin1(kRestartCaption));
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

void TicTacToeScreen::setResultText(const std::string& text)
{
    control<ClickLabel>("Label2")->setCaption(QString::fromStdString(text));
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
