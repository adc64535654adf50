#include "mutekey.h"

#include "phrases.h"
#include "speech.h"
#include "voiceoffsign.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace sprout {

MuteKey* MuteKey::install()
{
    QCoreApplication* app = QCoreApplication::instance();
    auto* key = new MuteKey(app);
    app->installEventFilter(key);
    return key;
}

bool MuteKey::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_M || key->modifiers() != Qt::ControlModifier)
        return QObject::eventFilter(watched, event);
    // Held down, the key would flicker the voice on and off.
    if (!key->isAutoRepeat()) {
        const bool muting = !Speech::isMuted();
        Speech::setMuted(muting);
        VoiceOffSign::refreshAll();
        if (!muting)
            Speech::say(words::voiceOn());
        emit toggled(muting);
    }
    return true;
}

} // namespace sprout
