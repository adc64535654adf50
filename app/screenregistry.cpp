#include "screenregistry.h"

#include "afterfirstframe.h"
#include "doubleclickguard.h"
#include "fontwarmup.h"
#include "fullscreen.h"
#include "paintcache.h"
#include "stage.h"
#include "windowpixels.h"

#include <QApplication>
#include <QBackingStore>
#include <QPointer>

namespace sprout {

ScreenRegistry::ScreenRegistry(Factory factory) : m_factory(std::move(factory))
{
    connect(FullScreen::instance(), &FullScreen::toggled, this, &ScreenRegistry::setFullScreen);
    setFullScreen(FullScreen::isOn());
    new DoubleClickGuard(this);
}

ScreenRegistry::~ScreenRegistry()
{
    // The screens' windows go with their screens, not with the stage.
    for (auto& slot : m_slots)
        if (slot && slot->window())
            slot->window()->setParent(nullptr);
    m_stage.reset();
}

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
    return bringUp(reference(id));
}

// In full screen a screen is built at the stage's scale, so it is built once.
bool ScreenRegistry::bringUp(Screen& screen)
{
    if (m_stage && !screen.isLoaded())
        m_stage->fit(screen);
    if (!screen.load())
        return false;
    if (m_stage)
        m_stage->adopt(screen);
    return true;
}

bool ScreenRegistry::show(ScreenId id)
{
    Screen& screen = reference(id);
    // On the stage a screen's pictures at its scale are as large as the screen: before
    // another screen draws its own, the one left last lets its pictures go.
    if (m_stage)
        for (ScreenId hidden : std::as_const(m_recentlyHidden))
            if (hidden != id)
                letPicturesGo(hidden);
    if (!bringUp(screen))
        return false;
    QMainWindow* window = screen.window();
    m_recentlyHidden.removeOne(id);
    m_lastShown = id;
    screen.takePicturesBack();
    window->show();
    window->raise();
    if (m_stage) // the desktop's task list names the screen on show
        m_stage->setWindowTitle(window->windowTitle());
    // Taking the keyboard waits for the first frame: activating first delays that
    // frame by a third of a millisecond, and the child sees the screen sooner. On the
    // stage the keyboard goes back to the control that had it when the screen was left.
    QPointer<QWidget> focus = m_focusOnStage.take(id);
    AfterFirstFrame::run(window->window(), [window = QPointer<QMainWindow>(window), focus, windowed = !m_stage] {
        if (!window || !window->isVisible())
            return;
        window->activateWindow();
        if (windowed)
            FontWarmUp::start(window->window());
        if (focus && focus->isVisible() && window->isAncestorOf(focus))
            focus->setFocus(Qt::OtherFocusReason);
    });
    return true;
}

void ScreenRegistry::hide(ScreenId id)
{
    if (Screen* screen = find(id); screen && screen->isLoaded()) {
        if (QWidget* focus = QApplication::focusWidget();
            m_stage && focus && screen->window()->isAncestorOf(focus))
            m_focusOnStage.insert(id, focus);
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
    // On the stage a screen's pictures at its scale are several times larger: only
    // the screen left last, the one a child most often comes back to, keeps them.
    // In windows, a screen left long ago lets its stretched pictures go with its pixels.
    while (m_recentlyHidden.size() > (m_stage ? 1 : kHiddenWithPixels)) {
        const ScreenId oldest = m_recentlyHidden.takeLast();
        letPicturesGo(oldest);
        if (Screen* screen = find(oldest); !m_stage && screen && screen->isLoaded() && !screen->window()->isVisible())
            if (QBackingStore* pixels = screen->window()->backingStore())
                pixels->resize(QSize(0, 0));
    }
}

// On the stage the pixels are the stage's, shared by every screen, and the pictures at
// a screen's scale its own.
void ScreenRegistry::letPicturesGo(ScreenId hidden)
{
    if (Screen* screen = find(hidden); screen && screen->isLoaded() && !screen->window()->isVisible())
        screen->letPicturesGo();
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

void ScreenRegistry::setFullScreen(bool on)
{
    if (on == (m_stage != nullptr))
        return;
    QList<Screen*> shown;
    for (auto& slot : m_slots)
        if (slot && slot->isVisible() && slot->id() != m_lastShown)
            shown << slot.get();
    if (Screen* top = find(m_lastShown); top && top->isVisible())
        shown << top; // raised last, so it stays in front
    if (on) {
        m_stage = std::make_unique<Stage>();
        for (auto& slot : m_slots)
            if (slot && slot->isLoaded())
                m_stage->adopt(*slot);
    } else {
        for (auto& slot : m_slots)
            if (slot)
                slot->becomeWindow();
    }
    // Scaled afresh, the screens on show start drawing their pictures on other cores
    // before the stage's window is made.
    for (Screen* screen : std::as_const(shown))
        screen->takePicturesBack();
    if (on) {
        m_stage->fillScreen();
        PaintCache::drawStraightUntilFrame(m_stage.get());
        // Switched from windows, the stage's first frame follows at once: its pixels are
        // mapped first. At start-up, with the main menu still to build, mapping them
        // this early made the first frame later in half the runs.
        if (!shown.isEmpty())
            mapWindowPixelsAhead(m_stage.get());
    }
    for (Screen* screen : std::as_const(shown)) {
        screen->window()->show();
        screen->window()->raise();
    }
    if (!shown.isEmpty())
        shown.last()->window()->activateWindow();
    if (!on)
        m_stage.reset();
    m_focusOnStage.clear();
}

bool ScreenRegistry::anyVisible() const
{
    for (const auto& slot : m_slots)
        if (slot && slot->isVisible())
            return true;
    return false;
}

} // namespace sprout
