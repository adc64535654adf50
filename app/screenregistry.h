#pragma once

#include "screen.h"
#include "screenid.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QObject>
#include <array>
#include <functional>
#include <memory>

namespace sprout {

// Holds the one instance of each screen, creates it on first use, and is the only
// place that shows, hides, loads or unloads a screen.
class Stage;

class ScreenRegistry : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<std::unique_ptr<Screen>(ScreenId, ScreenRegistry&)>;

    explicit ScreenRegistry(Factory factory);
    ~ScreenRegistry() override;

    // The screen's instance, created (not loaded) when its slot is empty.
    Screen& reference(ScreenId id);
    template <class T> T& reference(ScreenId id) { return static_cast<T&>(reference(id)); }
    // The instance if it was ever created, else null.
    Screen* find(ScreenId id) const;

    // Loads the screen if needed; false when it could not come up.
    bool load(ScreenId id);
    // Loads if needed, makes visible and active, without modality.
    bool show(ScreenId id);
    void hide(ScreenId id);
    void unload(ScreenId id);

    bool anyVisible() const;

    // The full-screen surface the screens lie on while full screen is on, else null.
    Stage* stage() const { return m_stage.get(); }

    // How many hidden screens keep their window's pixels for a quick return.
    static constexpr int kHiddenWithPixels = 2;

signals:
    // No screen is on show any more: the program has nothing left to offer.
    void lastScreenClosed();

private:
    // Full screen on: every loaded screen moves onto one full-screen stage; off:
    // each is its own window again. Screens keep their state either way.
    void setFullScreen(bool on);
    bool bringUp(Screen& screen);
    void endIfNothingShows();
    void keepPixelsOfRecent(ScreenId hidden);
    void letPicturesGo(ScreenId hidden);

    Factory m_factory;
    std::array<std::unique_ptr<Screen>, kScreenCount> m_slots;
    QList<ScreenId> m_recentlyHidden; // most recent first
    ScreenId m_lastShown = ScreenId::SproutMain;
    QHash<ScreenId, QPointer<QWidget>> m_focusOnStage;
    // Declared after the slots: destroyed first, once the windows on it are gone.
    std::unique_ptr<Stage> m_stage;
};

} // namespace sprout
