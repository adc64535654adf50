#include "screenregistry.h"

#include "afterfirstframe.h"
#include "doubleclickguard.h"

#include <QBackingStore>
#include <QPointer>

namespace sprout {

ScreenRegistry::ScreenRegistry(Factory factory) : m_factory(std::move(factory))
{
    new DoubleClickGuard(this);
}

ScreenRegistry::~ScreenRegistry() = default;

Screen& ScreenRegistry::reference(ScreenId id)
{
    auto& slot = m_slots[static_cast<size_t>(id)];
    if (!slot)
        slot = m_factory(id, *this);
    return *slot;
}

Screen* ScreenRegistry::find(ScreenId id) const
{
    return m_slots[static_cast<size_t>(id)].get();
}

bool ScreenRegistry::load(ScreenId id)
{
    return reference(id).load();
}

bool ScreenRegistry::show(ScreenId id)
{
    Screen& screen = reference(id);
    if (!screen.load())
        return false;
    QMainWindow* window = screen.window();
    m_recentlyHidden.removeOne(id);
    window->show();
    window->raise();
    // Taking the keyboard waits for the first frame: activating first delays that
    // frame by a third of a millisecond, and the child sees the screen sooner.
    AfterFirstFrame::run(window, [window = QPointer<QMainWindow>(window)] {
        if (window && window->isVisible())
            window->activateWindow();
    });
    return true;
}

void ScreenRegistry::hide(ScreenId id)
{
    if (Screen* screen = find(id); screen && screen->isLoaded()) {
        screen->window()->hide();
        keepPixelsOfRecent(id);
    }
    // An award's "Continue" can hide the last window left, its quiz closed beneath
    // it. A navigation hides before it shows, so look again once the handler is done.
    if (!anyVisible())
        QMetaObject::invokeMethod(this, &ScreenRegistry::endIfNothingShows, Qt::QueuedConnection);
}

// A hidden window keeps its pixels (about 1 MiB) so that coming back to it is
// quick. The way back from the deepest screen (main menu, games, a quiz) passes two
// hidden screens; with all sixteen keeping theirs, hidden windows would hold a third
// of the program's memory. A window without pixels is painted afresh when shown.
void ScreenRegistry::keepPixelsOfRecent(ScreenId hidden)
{
    m_recentlyHidden.removeOne(hidden);
    m_recentlyHidden.prepend(hidden);
    while (m_recentlyHidden.size() > kHiddenWithPixels) {
        Screen* screen = find(m_recentlyHidden.takeLast());
        if (screen && screen->isLoaded() && !screen->window()->isVisible())
            if (QBackingStore* pixels = screen->window()->backingStore())
                pixels->resize(QSize(0, 0));
    }
}

void ScreenRegistry::endIfNothingShows()
{
    if (!anyVisible())
        emit lastScreenClosed();
}

void ScreenRegistry::unload(ScreenId id)
{
    Screen* screen = find(id);
    if (!screen || !screen->isLoaded())
        return;
    screen->unload();
    m_recentlyHidden.removeOne(id);
    if (!anyVisible())
        emit lastScreenClosed();
}

bool ScreenRegistry::anyVisible() const
{
    for (const auto& slot : m_slots)
        if (slot && slot->isVisible())
            return true;
    return false;
}

} // namespace sprout
