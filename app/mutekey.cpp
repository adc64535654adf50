#include "mutekey.h"

#include "appkey.h"
#include "phrases.h"
#include "speech.h"
#include "voiceoffsign.h"

#include <QCoreApplication>

namespace sprout {

MuteKey* MuteKey::install()
{
    auto* mute = new MuteKey(QCoreApplication::instance());
    new AppKey(Qt::ControlModifier | Qt::Key_M, [mute] { mute->toggle(); }, mute);
    return mute;
}

void MuteKey::toggle()
{
    const bool muting = !Speech::isMuted();
    Speech::setMuted(muting);
    VoiceOffSign::refreshAll();
    if (!muting)
        Speech::say(words::voiceOn());
    emit toggled(muting);
}

} // namespace sprout
