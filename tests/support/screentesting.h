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
#include <QPrinterInfo>
#include <QtTest>

namespace sprout::testing {

// Clicks the client area of a screen at a point given in twips.
inline QWidget* clickAt(Screen& screen, QPoint twips)
{
    QWidget* client = screen.client();
    const QPoint point(px(twips.x()), px(twips.y()));
    QWidget* target = client->childAt(point);
    if (!target)
        target = client;
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(client, point));
    return target;
}

// Clicks a control where the child sees it: at the middle of the part of its
// rectangle that no control above it covers. Fails the test if none is visible.
inline void click(Screen& screen, const QString& name)
{
    QWidget* widget = screen.control(name);
    QVERIFY2(widget, qPrintable("no control " + name));
    QWidget* client = screen.client();
    const QRect area(widget->mapTo(client, QPoint(0, 0)), widget->size());
    for (int y = area.top() + area.height() / 2; y < area.bottom(); y += 2) {
        for (int x = area.left() + 2; x < area.right(); x += 2) {
            QWidget* top = client->childAt(x, y);
            if (top == widget || (top && widget->isAncestorOf(top))) {
                QTest::mouseClick(top, Qt::LeftButton, Qt::NoModifier,
                                  top->mapFrom(client, QPoint(x, y)));
                return;
            }
        }
    }
    QFAIL(qPrintable("control " + name + " is covered everywhere"));
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

// Points the print system at a server that does not exist, so that no press of
// "Print Award" can reach paper; a PDF that Qt might write instead lands in `folder`.
inline void withoutPrinter(const QString& folder)
{
    qputenv("CUPS_SERVER", "127.0.0.1:1");
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    QVERIFY(QDir::setCurrent(folder));
    QVERIFY(QPrinterInfo::defaultPrinter().isNull());
}

} // namespace sprout::testing
