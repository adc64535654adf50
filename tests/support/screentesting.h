#pragma once

// Drives real screens the way a child does (a click lands on whatever lies topmost there),
// and hears what they say.

#include "errorreporter.h"
#include "screen.h"
#include "screenregistry.h"
#include "speech.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QtTest>

namespace sprout::testing {

// Shows a screen as a click on its link would, failing the test if it cannot come up.
inline Screen& shown(ScreenRegistry& registry, ScreenId id)
{
    if (!registry.show(id))
        QTest::qFail(qPrintable(QString("cannot show ") + screenName(id)), __FILE__, __LINE__);
    return registry.reference(id);
}

inline QWidget* clickAt(Screen& screen, QPoint point)
{
    QWidget* target = screen.client()->childAt(point);
    if (!target)
        target = screen.client();
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(screen.client(), point));
    return target;
}

inline bool shownAt(Screen& screen, QWidget* widget, QPoint point)
{
    QWidget* top = screen.client()->childAt(point);
    return top == widget || (top && widget->isAncestorOf(top));
}

// Clicks the first point, two pixels apart, in the lower half of a control that none covers.
inline void click(Screen& screen, const QString& name)
{
    QWidget* widget = screen.control(name);
    QVERIFY2(widget, qPrintable("no control " + name));
    const QRect area(widget->mapTo(screen.client(), QPoint(0, 0)), widget->size());
    const int middle = area.top() + widget->height() / 2;
    for (int y = area.top() + 1; y < area.bottom(); y += 2)
        for (int x = area.left() + 2; x < area.right(); x += 2)
            if (y >= middle && shownAt(screen, widget, {x, y}))
                return void(clickAt(screen, {x, y}));
    QFAIL(qPrintable("control " + name + " is covered everywhere"));
}

// A double click on the middle of a control as the window system delivers it: the
// second press goes to whatever window is on show there once the first is handled.
inline void doubleClick(QWidget* target)
{
    const QPoint global = target->mapToGlobal(target->rect().center());
    QWidget* top = target->window();
    for (int press = 0; press < 2; ++press) {
        if (!top->isVisible())
            for (QWidget* other : QApplication::topLevelWidgets())
                if (other->isVisible() && other->geometry().contains(global))
                    top = other;
        QWindow* window = top->windowHandle();
        QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, window->mapFromGlobal(global));
        QTest::lastMouseTimestamp -= QTest::mouseDoubleClickInterval; // QTest keeps clicks apart
    }
    QTest::lastMouseTimestamp += QTest::mouseDoubleClickInterval;
}

// Posts a click on the middle of a control, handled when events are next let through.
inline void postClick(QWidget* widget)
{
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    for (auto [type, held] : {std::pair(QEvent::MouseButtonPress, Qt::LeftButton), std::pair(QEvent::MouseButtonRelease, Qt::NoButton)})
        QCoreApplication::postEvent(widget, new QMouseEvent(type, at, widget->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier));
}

// False if Tab never reaches the control.
inline bool tabTo(Screen& screen, const QString& name)
{
    for (int press = 0; press < 64; ++press) {
        QWidget* focus = screen.window()->focusWidget();
        if (focus && focus->objectName() == name)
            return true;
        QTest::keyClick(focus ? focus : screen.window(), Qt::Key_Tab);
    }
    return false;
}

// A Tic-Tac-Toe square's control, 1 to 9 from the top left.
inline QString cellName(int cell) { return QStringLiteral("Picture1(%1)").arg(cell); }

inline QAccessibleInterface* readerOf(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

inline QAction* menuEntry(Screen& screen, const QString& name)
{
    QWidget* menu = screen.window() ? screen.window()->menuWidget() : nullptr;
    return menu ? menu->findChild<QAction*>(name) : nullptr;
}

inline void chooseMenu(Screen& screen, const QString& name)
{
    QAction* action = menuEntry(screen, name);
    QVERIFY2(action, qPrintable("no menu entry " + name));
    action->trigger();
}

// Lets windows that were unloaded actually go.
inline void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// A message no recorder listens for fails the test, rather than waiting on a dialog.
inline void failOnMessage(const QString& title, const QString& message)
{
    QTest::qFail(qPrintable("unexpected message " + title + ": " + message), __FILE__, __LINE__);
}
inline const bool kMessagesFailTests = (ErrorReporter::setSink(failOnMessage), true);

struct ReportRecorder {
    QStringList messages;
    ReportRecorder()
    {
        ErrorReporter::setSink([this](const QString& title, const QString& message) {
            messages << title + ": " + message;
        });
    }
    ~ReportRecorder() { ErrorReporter::setSink(failOnMessage); }
};

// How far two colours lie apart in the colour in which they differ most (0 to 255).
inline int channelDistance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// How far two pictures of one size differ, on average over every pixel and colour (0 to 255).
inline double meanDifference(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            for (int shift : {0, 8, 16})
                sum += std::abs(int(a.pixel(x, y) >> shift & 0xff) - int(b.pixel(x, y) >> shift & 0xff));
    return sum / (3.0 * a.width() * a.height());
}

inline void addRowPerScreen()
{
    QTest::addColumn<ScreenId>("id");
    for (int i = 0; i < kScreenCount; ++i)
        QTest::newRow(screenName(ScreenId(i))) << ScreenId(i);
}

// Mr. Pim's greeting on the main menu.
inline const QString kGreeting = "Hello there, my name is Mr. Pim. I am the teacher of this classroom, I am here to "
                                 "help you learn all sorts of fun things from letters to numbers. To start, click on "
                                 "a lesson on the board!";

inline QString textOf(const words::Phrase& phrase)
{
    return QString::fromUtf8(phrase.text.data(), static_cast<qsizetype>(phrase.text.size()));
}

// The phrase said last is being said until it is stopped, another comes, or the test ends it.
// Where the build put a phrase's recording.
inline QString recordingOf(const words::Phrase& phrase)
{
    return qEnvironmentVariable("SPROUT_BIN_DIR") + '/' + QString::fromStdString(words::voiceFileName(phrase));
}

struct RecordingSpeaker : Speaker {
    QStringList said;
    QList<words::Voice> voices;
    QString saying;
    void say(const words::Phrase& phrase) override
    {
        // Whatever a screen says was recorded when the program was built.
        if (!QFile::exists(recordingOf(phrase)))
            QTest::qFail(qPrintable("no recording of \"" + textOf(phrase) + '"'), __FILE__, __LINE__);
        said << textOf(phrase);
        voices << phrase.voice;
        saying = said.last();
    }
    void sayAfter(const words::Phrase& phrase) override { say(phrase); }
    void stop() override { saying.clear(); }
    bool isSaying(const words::Phrase& phrase) const override { return saying == textOf(phrase); }
    void forget() { said.clear(), voices.clear(), saying.clear(); }
};

} // namespace sprout::testing

Q_DECLARE_METATYPE(sprout::ScreenId)
