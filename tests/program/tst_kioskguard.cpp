// A kiosk keeps a child in, on screens loaded later too; a grown-up holding Ctrl+Alt+Q leaves.
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

// Ctrl+Alt+Q held for about the given time; a busy X server may leave repeats unmarked.
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
    // Without the kiosk the stand-in shortcuts fire and the menu bars show: so the test can tell.
    void aChildCannotLeave_data()
    {
        QTest::addColumn<bool>("kiosk");
        QTest::newRow("no kiosk") << false;
        QTest::newRow("kiosk") << true;
    }

    void aChildCannotLeave()
    {
        QFETCH(bool, kiosk);
        ScreenRegistry registry(createScreen);
        QSignalSpy ended(&registry, &ScreenRegistry::lastScreenClosed);
        if (kiosk)
            new KioskGuard(registry);
        for (ScreenId id : {ScreenId::SproutMain, ScreenId::Games}) { // the second loaded later
            Screen& screen = shown(registry, id);
            auto* window = screen.window();
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
            QCOMPARE(window->menuWidget()->isVisible(), !kiosk);
            for (const char* name : {"F11", "Ctrl+Q", "Ctrl+W", "Alt+F4"}) {
                const QKeySequence key(name);
                QShortcut shortcut(key, window);
                QSignalSpy fired(&shortcut, &QShortcut::activated);
                QTest::keyClick(window, key[0].key(), key[0].keyboardModifiers());
                QVERIFY2(fired.count() == (kiosk ? 0 : 1), name);
            }
            if (!kiosk)
                continue;
            window->close();
            settle();
            QVERIFY2(screen.isVisible(), screenName(id));
        }
        QCOMPARE(ended.count(), 0);

        // A grown-up's message still goes away.
        QMessageBox message(QMessageBox::Information, "Sproutkin", "A message");
        message.show();
        QVERIFY(message.close());
    }

    void aGrownUpLeavesByHoldingCtrlAltQ_data()
    {
        QTest::addColumn<QList<Key>>("keys");
        QTest::addColumn<bool>("leaves");
        const int longEnough = int(kHold.count()) + 400;
        // Held a quarter of the time, then the key that ends the hold, and a wait long enough.
        const auto heldThen = [&](Key last) { return pressedAndHeld(int(kHold.count()) / 4) << last; };
        QTest::newRow("held, repeats not marked") << pressedAndHeld(longEnough, false) << true;
        QTest::newRow("let go too soon") << heldThen({QEvent::KeyRelease, Qt::Key_Q, kCtrlAlt, false, longEnough}) << false;
        QTest::newRow("Alt let go") << heldThen({QEvent::KeyRelease, Qt::Key_Alt, Qt::ControlModifier, false, longEnough}) << false;
        QTest::newRow("another key pressed") << heldThen({QEvent::KeyPress, Qt::Key_A, kCtrlAlt, false, longEnough}) << false;
        QTest::newRow("another program takes the keyboard") << heldThen({QEvent::ApplicationStateChange, Qt::Key_unknown, {}, false, longEnough}) << false;
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
            QApplicationStateChangeEvent away(Qt::ApplicationInactive);
            if (key.type == QEvent::ApplicationStateChange)
                QApplication::sendEvent(qApp, &away);
            else
                QApplication::sendEvent(window, &event);
            QTest::qWait(key.thenMs);
        }
        // A slow machine (the sanitizer build) may decide a moment after the last key.
        if (leaves)
            QTRY_COMPARE(left.count(), 1);
        else
            QCOMPARE(left.count(), 0);
    }
};

QTEST_MAIN(TestKioskGuard)
#include "tst_kioskguard.moc"
