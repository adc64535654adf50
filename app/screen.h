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
    Screen(ScreenRegistry& registry, ScreenId id, const ScreenDesign& design);
    ~Screen() override;

    ScreenId id() const { return m_id; }
    const ScreenDesign& screenDesign() const { return m_design; }
    const WindowDesign& windowDesign() const { return m_design.window; }
    std::span<const Control> design() const { return m_design.controls; }
    bool isLoaded() const { return m_frame != nullptr; }
    bool isVisible() const;

    // The window while loaded, else null: a top-level window, or in full screen a
    // child of the full-screen stage.
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

    // How much larger than designed the screen is shown: 1 in its window. A loaded
    // screen places its controls again, keeping their state.
    double scale() const { return m_scale; }
    void setScale(double scale);
    // The designed window, a top-level window again at its designed size and place.
    void becomeWindow();
    // See FormBuilder::letPicturesGo; a screen that draws a picture of its own lets
    // that go too.
    virtual void letPicturesGo();
    void takePicturesBack();

    // What in the design table and its wiring would otherwise fail silently (see
    // DesignCheck); empty for a sound screen.
    virtual QStringList designProblems() const;

signals:
    // A control now shows a reply, which is said; resting on the control says it again.
    void replyShown(QWidget* control, const sprout::words::Phrase& said);
    // A quiz picture has come on the board, asking this; also the same one drawn again.
    void questionShown(const sprout::words::Phrase& asked);

protected:
    // Reads what the screen needs from disk before anything is built; a screen
    // that cannot read it reports why and returns false.
    virtual bool readPictureFiles() { return true; }
    virtual void Form_Load() {}
    // Runs after the controls are built, before Form_Load: for screens that add
    // to their controls what a table cannot say.
    virtual void controlsBuilt() {}
    // Runs after the controls were placed at another scale: for pictures a screen
    // chose itself.
    virtual void scaleChanged() {}

    void onClick(const char* controlName, std::function<void()> handler);
    void onIndexedClick(const char* controlName, std::function<void(int)> handler);
    void onChange(const char* controlName, std::function<void()> handler);

    // Writes a reply into a label, button or text box of the loaded screen.
    void showReply(const QString& controlName, const Reply& reply);

    void navigate(ScreenId target, Order order);
    ScreenRegistry& registry() const { return m_registry; }

    void mnuExit_Click();

private:
    void buildWindow();
    void buildMenu();
    void sizeWindow();
    void wireHandlers();
    void focusFirstControl();
    QList<QRect> areasInUse() const;
    void reportDesignProblems() const;

    ScreenRegistry& m_registry;
    const ScreenId m_id;
    const ScreenDesign& m_design;
    QPointer<QMainWindow> m_frame;
    double m_scale = 1.0;
    FormBuilder::Controls m_controls;
    QHash<QString, std::function<void()>> m_clickHandlers;
    QHash<QString, std::function<void(int)>> m_indexedClickHandlers;
    QHash<QString, std::function<void()>> m_changeHandlers;
};

} // namespace sprout
