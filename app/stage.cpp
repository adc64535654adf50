#include "stage.h"

#include "design.h"
#include "paintcache.h"
#include "screen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <algorithm>

namespace sprout {

namespace {

// The menu bar's height in the designed window, measured once.
int designedMenuHeight()
{
    static const int height = [] {
        QMenuBar bar;
        bar.addAction(QStringLiteral("Exit Program"));
        return bar.sizeHint().height();
    }();
    return height;
}

} // namespace

Stage::Stage()
{
    setObjectName(QStringLiteral("stage"));
    setWindowTitle(QApplication::applicationName());
}

Stage::~Stage()
{
    PaintCache::setScale(1);
}

// Painted, not set as the stage's palette, which the screens on it would inherit.
void Stage::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), groundColour());
}

QColor Stage::groundColour()
{
    return QColor(46, 84, 70); // the classroom board's green, darkened and calmed
}

double Stage::fittingScale(const WindowDesign& window, QSize area)
{
    const double width = double(window.clientWidth) / kTwipsPerPixel;
    const double height = double(window.clientHeight) / kTwipsPerPixel
                          + (window.menu.empty() ? 0 : designedMenuHeight());
    return std::max(1.0, std::min(area.width() / width, area.height() / height));
}

void Stage::fillScreen()
{
    // Without a window manager to honour the full-screen state, the size is asked for too.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->geometry());
    showFullScreen();
}

QSize Stage::area() const
{
    if (isVisible() && !size().isEmpty())
        return size();
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->size() : size();
}

Stage::Adopted* Stage::adopted(const Screen& screen)
{
    for (Adopted& entry : m_screens)
        if (entry.screen == &screen)
            return &entry;
    return nullptr;
}

void Stage::fit(Screen& screen)
{
    const QSize space = area();
    // Fitted once to this area, a screen keeps its scale: fitting afresh would set the
    // larger scale and shrink it again each time it is shown, and every rescale draws
    // its pictures again.
    Adopted* entry = adopted(screen);
    if (entry && entry->fittedTo == space && screen.isLoaded())
        return;
    screen.setScale(fittingScale(screen.windowDesign(), space));
    // The menu bar's font may grow a little faster than the screen: shrink to fit.
    if (QMainWindow* window = screen.window()) {
        const QSize needed = window->size();
        if (needed.height() > space.height() || needed.width() > space.width())
            screen.setScale(screen.scale()
                            * std::min(double(space.width()) / needed.width(),
                                       double(space.height()) / needed.height()));
    }
    // The controls keep pictures of what they draw, each as large as it is shown.
    m_largestScale = std::max(m_largestScale, screen.scale());
    PaintCache::setScale(m_largestScale);
    if (entry && screen.isLoaded())
        entry->fittedTo = space;
}

void Stage::adopt(Screen& screen)
{
    QMainWindow* window = screen.window();
    if (!window)
        return;
    if (window->parentWidget() != this) {
        window->setParent(this, Qt::Widget);
        window->setAutoFillBackground(true); // a window paints its ground, a child does not
    }
    if (!adopted(screen))
        m_screens.append({&screen, QSize()});
    fit(screen);
    centre(window);
}

void Stage::centre(QWidget* window) const
{
    QRect placed(QPoint(), window->size());
    placed.moveCenter(QRect(QPoint(), area()).center());
    window->move(placed.topLeft());
}

void Stage::closeEvent(QCloseEvent* event)
{
    // Closing the stage is closing the screen on top, as its close box would.
    event->ignore();
    const QList<QMainWindow*> windows = findChildren<QMainWindow*>(Qt::FindDirectChildrenOnly);
    for (auto it = windows.crbegin(); it != windows.crend(); ++it)
        if ((*it)->isVisible())
            return void((*it)->close());
}

void Stage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The full-screen size arrives after the stage was shown on some desktops.
    for (const Adopted& entry : std::as_const(m_screens))
        if (const QPointer<Screen>& screen = entry.screen;
            screen && screen->window() && screen->window()->parentWidget() == this) {
            fit(*screen);
            centre(screen->window());
        }
}

} // namespace sprout
