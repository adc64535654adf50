#pragma once

#include "design.h"
#include "formbuilder.h"
#include "screenid.h"

#include <QMainWindow>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>

namespace sprout {

class ScreenRegistry;

// The order of the two registry calls of a navigation.
enum class Order { ShowThenHide, HideThenShow };

// One screen of the program: its window frame and design table, its handlers, and
// the state it keeps for as long as the program runs. The window and its controls
// exist only while the screen is loaded; the screen object lives in its registry
// slot from first use to the end of the program.
class Screen : public QObject {
    Q_OBJECT
public:
    Screen(ScreenRegistry& registry, ScreenId id, const WindowDesign& window,
           std::span<const Control> design);
    ~Screen() override;

    ScreenId id() const { return m_id; }
    const WindowDesign& windowDesign() const { return m_window; }
    std::span<const Control> design() const { return m_design; }
    bool isLoaded() const { return m_frame != nullptr; }
    bool isVisible() const;

    // The window while loaded, else null.
    QMainWindow* window() const { return m_frame; }
    QWidget* client() const;

    // A control of the loaded screen by its name ("Label22", "Picture1(3)").
    QWidget* control(const QString& name) const;
    template <class T> T* control(const QString& name) const
    {
        return qobject_cast<T*>(control(name));
    }

    // For the registry: build the window and controls and run Form_Load. Returns
    // false, with nothing built, when the screen cannot come up. Faults of the
    // design are reported, and the screen comes up as well as it can.
    bool load();
    void unload();

    // What in the design table and its wiring would otherwise fail silently (see
    // DesignCheck); empty for a sound screen.
    virtual QStringList designProblems() const;

protected:
    // Reads what the screen needs from disk before anything is built; a screen
    // that cannot read it reports why and returns false.
    virtual bool readPictureFiles() { return true; }
    virtual void Form_Load() {}
    // Runs after the controls are built, before Form_Load: for screens that add
    // to their controls what a table cannot say.
    virtual void controlsBuilt() {}

    void onClick(const char* controlName, std::function<void()> handler);
    void onIndexedClick(const char* controlName, std::function<void(int)> handler);
    void onChange(const char* controlName, std::function<void()> handler);

    void navigate(ScreenId target, Order order);
    ScreenRegistry& registry() const { return m_registry; }

    void mnuExit_Click();

private:
    void buildWindow();
    void buildMenu();
    void wireHandlers();
    void focusFirstControl();
    QList<QRect> areasInUse() const;
    void reportDesignProblems() const;

    ScreenRegistry& m_registry;
    const ScreenId m_id;
    const WindowDesign m_window;
    const std::span<const Control> m_design;
    QPointer<QMainWindow> m_frame;
    FormBuilder::Controls m_controls;
    QHash<QString, std::function<void()>> m_clickHandlers;
    QHash<QString, std::function<void(int)>> m_indexedClickHandlers;
    QHash<QString, std::function<void()>> m_changeHandlers;
};

} // namespace sprout
