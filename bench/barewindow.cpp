#include "barewindow.h"

#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>

namespace sprout::bench {

BareWindow::BareWindow()
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                               | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("QZV Preschool Sproutkin 1.3"));
    auto* area = new QWidget;
    setCentralWidget(area);
    for (const char* caption : {"Exit Program", "Updates", "More FREE Educational Software"})
        menuBar()->addAction(QString::fromLatin1(caption));
    const QScreen* screen = QGuiApplication::primaryScreen();
    // Beside the full-screen classroom: a bare window filling the screen.
    if (qEnvironmentVariableIntValue("SPROUTKIN_FULLSCREEN") == 1 && screen) {
        setGeometry(screen->geometry());
        setWindowState(Qt::WindowFullScreen);
        return;
    }
    // The main menu's client area, 8760 x 6960 twips.
    area->setFixedSize(8760 / 15, 6960 / 15);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    if (screen) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

} // namespace sprout::bench
