// A classroom kiosk keeps a child in: menus, close requests and the keyboard's ways
// out do nothing, on screens loaded later too, while a grown-up holding Ctrl+Alt+Q
// leaves, key repeat and all.
#include "kioskguard.h"
#include "screenfactory.h"
#include "screentesting.h"

#include <QMessageBox>
#include <QShortcut>
#include <QSignalSpy>

using namespace sprout;
using namespace sprout::testing;
using namespace std::chrono_literals;

namespace {

// One key event of a sequence, and how long the hand stays before the next.
struct Key {
    QEvent::Type type;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool repeat;
    int thenMs;
};

constexpr auto kCtrlAlt = Qt::ControlModifier | Qt::AltModifier;
constexpr auto kHold = 1000ms;

// Ctrl+Alt+Q pressed, then repeated as a held key repeats for about the given time,
// the repeats marked as such or not, as a busy X server may leave them.
QList<Key> pressedAndHeld(int ms, bool marked = true)
{
    QList<Key> keys{{QEvent::KeyPress, Qt::Key_Q, kCtrlAlt, false, 50}};
    for (int held = 0; held < ms; held += 50)
        keys << Key{QEvent::KeyRelease, Qt::Key_Q, kCtrlAlt, marked, 0} << Key{QEvent::KeyPress, Qt::Key_Q, kCtrlAlt, marked, 50};
    return keys;
}

} // namespace

Q_DECLARE_METATYPE(QList<Key>)

class TestKioskGuard : public QObject {
    Q_OBJECT
    ReportRecorder m_reports;

private slots:
    void keysThatLeaveDoNothing_data()
    {
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<bool>("kiosk");
        // Without the kiosk the shortcut standing for the desktop's or a full-screen
        // switch's own use of the key fires: so the test can tell.
        QTest::newRow("F11, no kiosk") << QKeySequence(Qt::Key_F11) << false;
        QTest::newRow("F11") << QKeySequence(Qt::Key_F11) << true;
        QTest::newRow("Ctrl+Q") << QKeySequence(Qt::CTRL | Qt::Key_Q) << true;
    }

    void keysThatLeaveDoNothing()
    {
        QFETCH(QKeySequence, key);
        QFETCH(bool, kiosk);
        ScreenRegistry registry(createScreen);
        if (kiosk)
            new KioskGuard(registry);
        Screen& menu = shown(registry, ScreenId::SproutMain);
        menu.window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(menu.window()));
        QShortcut shortcut(key, menu.window());
        QSignalSpy fired(&shortcut, &QShortcut::activated);
        QTest::keyClick(menu.window(), key[0].key(), key[0].keyboardModifiers());
        QCOMPARE(fired.count(), kiosk ? 0 : 1);
        QVERIFY(menu.isVisible());
    }

    void screensCannotBeClosedNorLeftByTheirMenus()
    {
        ScreenRegistry registry(createScreen);
        QSignalSpy ended(&registry, &ScreenRegistry::lastScreenClosed);
        new KioskGuard(registry);
        for (ScreenId id : {ScreenId::SproutMain, ScreenId::Games}) { // the second loaded later
            Screen& screen = shown(registry, id);
            QVERIFY(screen.window()->menuWidget());
            QVERIFY2(!screen.window()->menuWidget()->isVisible(), screenName(id));
            screen.window()->close();
            settle();
            QVERIFY2(screen.isVisible(), screenName(id));
        }
        QCOMPARE(ended.count(), 0);

        // A grown-up's message still goes away.
        QMessageBox message(QMessageBox::Information, "Sproutkin", "A message");
        message.show();
        QVERIFY(message.close());
        QVERIFY(!message.isVisible());
    }

    void aGrownUpLeavesByHoldingCtrlAltQ_data()
    {
        QTest::addColumn<QList<Key>>("keys");
        QTest::addColumn<bool>("leaves");
        const int longEnough = int(kHold.count()) + 400;
        const int tooShort = int(kHold.count()) / 4;
        QTest::newRow("held, repeating") << pressedAndHeld(longEnough) << true;
        QTest::newRow("held, repeats not marked") << pressedAndHeld(longEnough, false) << true;
        QTest::newRow("let go too soon") << pressedAndHeld(tooShort) + QList<Key>{{QEvent::KeyRelease, Qt::Key_Q, kCtrlAlt, false, longEnough}}
                                         << false;
        QTest::newRow("Alt let go") << pressedAndHeld(tooShort) + QList<Key>{{QEvent::KeyRelease, Qt::Key_Alt, Qt::ControlModifier, false, longEnough}}
                                    << false;
    }

    void aGrownUpLeavesByHoldingCtrlAltQ()
    {
        QFETCH(QList<Key>, keys);
        QFETCH(bool, leaves);
        ScreenRegistry registry(createScreen);
        QSignalSpy left(new KioskGuard(registry, kHold), &KioskGuard::grownUpLeaves);
        QWidget* window = shown(registry, ScreenId::SproutMain).window();
        for (const Key& key : keys) {
            QKeyEvent event(key.type, key.key, key.modifiers, QString(), key.repeat);
            QApplication::sendEvent(window, &event);
            QTest::qWait(key.thenMs);
        }
        QCOMPARE(left.count(), leaves ? 1 : 0);
    }
};

QTEST_MAIN(TestKioskGuard)
#include "tst_kioskguard.moc"
