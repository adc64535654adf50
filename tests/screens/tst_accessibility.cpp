// A child or parent at the keyboard or with a screen reader: where the focus goes on every
// screen, the Tic-Tac-Toe squares by the arrows, the focus ring, and the voice-off sign.
#include "mutekey.h"
#include "quiztesting.h"
#include "speech.h"
#include "tictactoescreen.h"

#include <QAbstractButton>
#include <QFocusFrame>
#include <QPlainTextEdit>

using namespace sprout;
using namespace sprout::testing;

namespace {

QString focusName(Screen& screen)
{
    QWidget* focus = screen.window()->focusWidget();
    return focus && focus != screen.client() && screen.client()->isAncestorOf(focus) ? focus->objectName()
                                                                                    : QString();
}

QFocusFrame* ringOn(Screen& screen)
{
    QFocusFrame* ring = screen.client()->findChild<QFocusFrame*>();
    return ring && ring->isVisible() ? ring : nullptr;
}

void press(Screen& screen, Qt::Key key)
{
    QWidget* focus = screen.window()->focusWidget();
    QTest::keyClick(focus ? focus : screen.window(), key);
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { MuteKey::install(); }
    void cleanup() { Speech::setMuted(false); }

    // The focus on arrival (none where the design gives it to no control), then each
    // control Tab reaches, round to the first again: the designed tab positions, then the
    // links and choices from the top down. The voice-off sign covers no control, goes with
    // Ctrl+M and comes back in the same place.
    void everyScreen_data()
    {
        using S = ScreenId;
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<QString>("arrival");
        QTest::addColumn<QStringList>("round");
        QStringList cells;
        for (int cell = 1; cell <= 9; ++cell)
            cells << cellName(cell);
        const QStringList colours = QString("Label12 Label11 Label10 Label9 Label8 Label7 Label6 Label5 Label4 Label3").split(' ');
        const QStringList shapes = QString("Label3 Label4 Label5 Label6 Label7 Label8 Label9").split(' ');
        const QStringList sums = QString("Label9 Label3 Label4 Label5 Label6 Label7 Label8 Label10 Label11 Label12 Label14 "
                                         "Label15 Label16 Label17 Label18 Label19 Label21 Label22 Label23 Label24").split(' ');
        const std::tuple<S, QString, QStringList> rows[] = {
            {S::SproutMain, "Text1", {"Text1", "Command1"}},
            {S::frmShapes, "Command1", {"Command1", "Label12", "Label11"}},
            {S::frmColors, "", {"Label25", "Label22"}},
            {S::frmLetters, "", {"Label11"}},
            {S::FrmNumbers, "", {"Label22"}},
            {S::measure, "", {"Label11"}},
            {S::Games, "", {"Label2", "Label3", "Label4", "Label5", "Label6", "Label11"}},
            {S::Form1, "Picture1(1)", cells + QStringList{"Cmdgamestart", "Text1", "Label11"}},
            {S::GuessColor, "Command2", QStringList{"Command2", "Text2", "Label13"} + colours},
            {S::Guessshape, "Text2", QStringList{"Text2", "Command2", "Label11"} + shapes},
            {S::MathTest, "Text2", QStringList{"Text2"} + sums + QStringList{"Command1", "Label13"}},
            {S::Spellword, "Text1", {"Text1", "Command1", "Label13", "Text2"}},
            {S::awardcolor, "Command1", {"Command1", "Command2", "Picture1"}},
            {S::awardshape, "Command1", {"Command1", "Command2", "Picture1"}},
            {S::awardword, "Command2", {"Command2", "Command1", "Picture1"}},
            {S::awardmath, "Command2", {"Command2", "Command1", "Picture1"}},
        };
        for (const auto& [id, arrival, round] : rows)
            QTest::newRow(screenName(id)) << id << arrival << round;
    }
    void everyScreen()
    {
        QFETCH(ScreenId, id);
        QFETCH(QString, arrival);
        QFETCH(QStringList, round);
        Speech::setMuted(true); // the sign is up from the start
        ScreenRegistry registry(createScreen);
        Screen& screen = shown(registry, id);
        QCOMPARE(focusName(screen), arrival);
        QStringList reached;
        for (int tab = 0; tab <= round.size(); ++tab) {
            press(screen, Qt::Key_Tab);
            reached << focusName(screen);
        }
        QCOMPARE(reached, (round + round).mid(arrival.isEmpty() ? 0 : 1, round.size() + 1));

        auto* sign = screen.client()->findChild<QLabel*>("voiceOffSign");
        QVERIFY(sign);
        QVERIFY(sign->isVisible());
        const QRect place = sign->geometry();
        QVERIFY(screen.client()->rect().contains(place));
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
        QVERIFY(!sign->isVisible());
        QTest::keyClick(screen.window(), Qt::Key_M, Qt::ControlModifier);
        QVERIFY(sign->isVisible());
        QCOMPARE(sign->geometry(), place);
    }

    // The arrows go from square to square and stop at the edge; Enter and the space
    // bar put the child's X where the focus is, and a screen reader hears each mark.
    void squaresByArrowsEnterAndSpace()
    {
        TicTacToeScreen::replacePause([](int) {});
        ScreenRegistry registry(createScreen);
        Screen& game = shown(registry, ScreenId::Form1);
        auto marks = [&game] {
            QStringList marks;
            for (int cell = 1; cell <= 9; ++cell)
                marks << readerOf(game.control(cellName(cell)))->text(QAccessible::Name).section(", ", -1);
            return marks;
        };
        const std::pair<Qt::Key, int> moves[] = {{Qt::Key_Right, 2}, {Qt::Key_Right, 3}, {Qt::Key_Right, 3},
                                                  {Qt::Key_Down, 6},  {Qt::Key_Down, 9},  {Qt::Key_Left, 8},
                                                  {Qt::Key_Up, 5},    {Qt::Key_Left, 4},  {Qt::Key_Up, 1}};
        for (auto [key, cell] : moves) {
            press(game, key);
            QCOMPARE(focusName(game), cellName(cell));
        }
        QCOMPARE(readerOf(game.control(cellName(1)))->text(QAccessible::Name), QString("Top left square, empty"));
        QVERIFY(tabTo(game, "Cmdgamestart"));
        press(game, Qt::Key_Space);
        QCOMPARE(marks(), QStringList(9, "empty"));
        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
            const int square = marks().indexOf("empty");
            QVERIFY(tabTo(game, cellName(square + 1)));
            press(game, key);
            QCOMPARE(marks().at(square), QString("X"));
            QCOMPARE(marks().count("O"), marks().count("X")); // the computer answers each move
        }
        QCOMPARE(marks().count("X"), 2);
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
        clickAt(games, QPoint(7000, 4500) / kTwipsPerPixel); // the board, where nothing is
        QCOMPARE(games.window()->grab().toImage(), before); // the ring gone with it
    }

};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
