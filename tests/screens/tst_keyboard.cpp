// A child or parent at the keyboard: the links under the main menu's cover, the
// Tic-Tac-Toe squares by the arrows, Enter and the space bar; the ring that shows
// where the focus is; and the sign that says the voice is off.
#include "focusring.h"
#include "mutekey.h"
#include "builtinpictures.h"
#include "screenfactory.h"
#include "screentesting.h"
#include "speech.h"
#include "tictactoescreen.h"

#include <QAbstractButton>
#include <QFocusFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace sprout;
using namespace sprout::testing;

namespace {

QString focusName(Screen& screen)
{
    QWidget* focus = screen.window()->focusWidget();
    return focus ? focus->objectName() : QString();
}

QFocusFrame* ringOn(Screen& screen)
{
    QFocusFrame* ring = screen.client()->findChild<QFocusFrame*>();
    return ring && ring->isVisible() ? ring : nullptr;
}

void press(Screen& screen, Qt::Key key)
{
    QTest::keyClick(screen.window()->focusWidget(), key);
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { MuteKey::install(); }

    void linksJoinTheRoundWhenTheCoverGoes()
    {
        ScreenRegistry registry(createScreen);
        Screen& main = shown(registry, ScreenId::SproutMain);
        QVERIFY(!tabTo(main, "Label2"));
        QVERIFY(tabTo(main, "Command1"));
        press(main, Qt::Key_Return);
        QStringList round;
        for (int link = 0; link < 7; ++link) {
            press(main, Qt::Key_Tab);
            round << focusName(main);
        }
        QCOMPARE(round, QStringList({"Label2", "Label3", "Label4", "Label5", "Label7", "Label6", "Text1"}));
    }

    // The arrows go from square to square and stop at the edge; Enter and the space
    // bar put the child's X where the focus is.
    void squaresByArrowsEnterAndSpace()
    {
        TicTacToeScreen::replacePause([](int) {});
        ScreenRegistry registry(createScreen);
        Screen& game = shown(registry, ScreenId::Form1);
        const std::pair<Qt::Key, int> moves[] = {{Qt::Key_Right, 2}, {Qt::Key_Right, 3}, {Qt::Key_Right, 3},
                                                  {Qt::Key_Down, 6},  {Qt::Key_Down, 9},  {Qt::Key_Left, 8},
                                                  {Qt::Key_Up, 5},    {Qt::Key_Left, 4},  {Qt::Key_Up, 1}};
        for (auto [key, cell] : moves) {
            press(game, key);
            QCOMPARE(focusName(game), QStringLiteral("Picture1(%1)").arg(cell));
        }
        QVERIFY(tabTo(game, "Cmdgamestart"));
        press(game, Qt::Key_Space);
        auto squaresShowing = [&](const QString& picture) {
            QStringList squares;
            for (int cell = 1; cell <= 9; ++cell) {
                const QString name = QStringLiteral("Picture1(%1)").arg(cell);
                if (game.control<QLabel>(name)->pixmap().toImage() == builtInPicture(picture).toImage())
                    squares << name;
            }
            return squares;
        };
        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
            const QString square = squaresShowing("cell5").value(0); // the first empty one
            QVERIFY(tabTo(game, square));
            press(game, key);
            QVERIFY(squaresShowing("cell1").contains(square));
        }
        QCOMPARE(squaresShowing("cell1").size(), 2);
        TicTacToeScreen::replacePause({});
    }

    // The ring comes with Tab and goes with the mouse, leaving the screen as it was.
    void ringOnlyWhileTheKeyboardIsUsed()
    {
        ScreenRegistry registry(createScreen);
        Screen& games = shown(registry, ScreenId::Games);
        QVERIFY(QTest::qWaitForWindowActive(games.window()));
        const QImage before = games.window()->grab().toImage();
        QVERIFY(!ringOn(games));
        press(games, Qt::Key_Tab);
        QFocusFrame* ring = ringOn(games);
        QVERIFY(ring);
        QWidget* link = games.control("Label2");
        const QRect around = ring->geometry();
        const QRect linkArea(link->mapTo(games.client(), QPoint()), link->size());
        QVERIFY(around.contains(linkArea));
        QCOMPARE(linkArea.left() - around.left(), linkArea.top() - around.top());
        QVERIFY(linkArea.left() - around.left() >= 4);
        QVERIFY(games.window()->grab().toImage() != before);
        clickAt(games, QPoint(7000, 4500)); // the board, where nothing is
        QVERIFY(!ringOn(games));
        QCOMPARE(games.window()->grab().toImage(), before);
    }

    // A screen drawn twice as large gets a ring twice as thick.
    void ringGrowsWithTheControl()
    {
        QLabel small;
        small.setFont(QFont("Trebuchet MS", 14));
        QLabel large;
        large.setFont(QFont("Trebuchet MS", 28));
        const int thin = FocusRing::thicknessFor(&small);
        QVERIFY(thin >= 3);
        QVERIFY(qAbs(FocusRing::thicknessFor(&large) - 2 * thin) <= 1);
    }

    // While the voice is off every screen says so in a corner where it covers no
    // control a child sees or uses; Ctrl+M takes the sign away and brings it back.
    void voiceOffSign_data() { addRowPerScreen(); }
    void voiceOffSign()
    {
        QFETCH(ScreenId, id);
        Speech::setMuted(true);
        ScreenRegistry registry(createScreen);
        Screen& screen = shown(registry, id);
        auto* sign = screen.client()->findChild<QLabel*>("voiceOffSign");
        QVERIFY(sign && sign->isVisible());
        QVERIFY(screen.client()->rect().contains(sign->geometry()));
        for (QWidget* control : screen.client()->findChildren<QWidget*>()) {
            auto* label = qobject_cast<QLabel*>(control);
            const bool used = control->focusPolicy() != Qt::NoFocus || (label && !label->text().isEmpty())
                              || qobject_cast<QAbstractButton*>(control) || qobject_cast<QLineEdit*>(control)
                              || qobject_cast<QPlainTextEdit*>(control);
            const QRect area(control->mapTo(screen.client(), QPoint()), control->size());
            if (control != sign && used && control->isVisibleTo(screen.client()))
                QVERIFY2(!area.intersects(sign->geometry()), qPrintable(control->objectName()));
        }
        QTest::keyClick(screen.window(), Qt::Key_M, Qt::ControlModifier);
        QVERIFY(!Speech::isMuted());
        QVERIFY(!sign->isVisible());
        QTest::keyClick(screen.window(), Qt::Key_M, Qt::ControlModifier);
        QVERIFY(sign->isVisible());
        Speech::setMuted(false);
    }

    // No sign while the voice is on; turned off on a screen already open, the sign
    // takes the place it has on a screen opened with the voice off.
    void signOnceTheVoiceGoesOff_data() { addRowPerScreen(); }
    void signOnceTheVoiceGoesOff()
    {
        QFETCH(ScreenId, id);
        QRect offFromTheStart;
        {
            Speech::setMuted(true);
            ScreenRegistry registry(createScreen);
            offFromTheStart = shown(registry, id).client()->findChild<QLabel*>("voiceOffSign")->geometry();
            Speech::setMuted(false);
        }
        ScreenRegistry registry(createScreen);
        Screen& screen = shown(registry, id);
        auto* sign = screen.client()->findChild<QLabel*>("voiceOffSign");
        QVERIFY(!sign->isVisible());
        QTest::keyClick(screen.window(), Qt::Key_M, Qt::ControlModifier);
        const bool visible = sign->isVisible();
        const QRect place = sign->geometry();
        Speech::setMuted(false);
        QVERIFY(visible);
        QCOMPARE(place, offFromTheStart);
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
