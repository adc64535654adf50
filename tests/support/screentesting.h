#pragma once

// Drives real screens the way a child does: clicks land on whatever control lies
// topmost at that point of the window, never straight on a chosen widget.

#include "design.h"
#include "errorreporter.h"
#include "screen.h"
#include "screenregistry.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
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

// Clicks the client area of a screen at a point in pixels, on whatever lies topmost there.
inline QWidget* clickAtPixel(Screen& screen, QPoint point)
{
    QWidget* target = screen.client()->childAt(point);
    if (!target)
        target = screen.client();
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(screen.client(), point));
    return target;
}

inline QWidget* clickAt(Screen& screen, QPoint twips)
{
    return clickAtPixel(screen, QPoint(px(twips.x(), screen.scale()), px(twips.y(), screen.scale())));
}

// Whether a click at this point of the client area would land on the control.
inline bool shownAt(Screen& screen, QWidget* widget, QPoint point)
{
    QWidget* top = screen.client()->childAt(point);
    return top == widget || (top && widget->isAncestorOf(top));
}

// The points of a control, two pixels apart, where no control above covers it.
inline QList<QPoint> shownPoints(Screen& screen, QWidget* widget)
{
    QList<QPoint> points;
    const QRect area(widget->mapTo(screen.client(), QPoint(0, 0)), widget->size());
    for (int y = area.top() + 1; y < area.bottom(); y += 2)
        for (int x = area.left() + 2; x < area.right(); x += 2)
            if (shownAt(screen, widget, {x, y}))
                points << QPoint(x, y);
    return points;
}

// Clicks a control where the child sees it: in the lower half of the part of its
// rectangle that no control above it covers. Fails the test if none is visible.
inline void click(Screen& screen, const QString& name)
{
    QWidget* widget = screen.control(name);
    QVERIFY2(widget, qPrintable("no control " + name));
    const int middle = widget->mapTo(screen.client(), QPoint(0, widget->height() / 2)).y();
    for (const QPoint& point : shownPoints(screen, widget))
        if (point.y() >= middle)
            return void(clickAtPixel(screen, point));
    QFAIL(qPrintable("control " + name + " is covered everywhere"));
}

// A double click on the middle of a control as the window system delivers it: two
// presses at one spot within the double-click interval, the second to whatever
// window is on show there once the first is handled.
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

// Presses Tab until the named control has the focus, as a child at the keyboard
// would; false when a whole round passes without reaching it.
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

inline QAction* menuEntry(Screen& screen, const QString& name)
{
    if (!screen.window() || !screen.window()->menuWidget())
        return nullptr;
    return screen.window()->menuWidget()->findChild<QAction*>(name);
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

// Collects error reports instead of showing message boxes.
struct ReportRecorder {
    QStringList messages;
    ReportRecorder()
    {
        ErrorReporter::setSink([this](const QString& title, const QString& message) {
            messages << title + ": " + message;
        });
    }
    ~ReportRecorder() { ErrorReporter::setSink({}); }
};

// One data row per screen, named after it, in the column "id".
inline void addRowPerScreen()
{
    QTest::addColumn<ScreenId>("id");
    for (int i = 0; i < kScreenCount; ++i)
        QTest::newRow(screenName(ScreenId(i))) << ScreenId(i);
}

} // namespace sprout::testing

Q_DECLARE_METATYPE(sprout::ScreenId)
