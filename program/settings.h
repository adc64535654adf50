#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace sprout {

struct CommandLine;

// What the program starts with.
struct Choices {
    bool mute = false;
    bool fullScreen = false;
    bool kiosk = false;
};

// What a parent chooses is remembered from one run to the next, in plain text files
// of "key=value" lines under "[General]", each key named after its option: mute and
// fullscreen (true or false), kiosk (true, false, or locked in the system's file);
// lines starting with # are comments. The user's own file
// (~/.config/sproutkin/sproutkin.conf, or under $XDG_CONFIG_HOME) wins over the one
// for every user of the computer (/etc/xdg/sproutkin/sproutkin.conf, or under
// $XDG_CONFIG_DIRS), and the command line wins over both for its run. A kiosk that the
// system's file locks stays, whatever the user's file says.
class Settings {
public:
    // The files where the environment says they are.
    static Settings fromEnvironment();
    // The system's files most important first. Reads the files now: one that cannot
    // be read or is damaged is named in one line on standard error and counts as
    // absent, so the program starts with the defaults.
    Settings(QString userFile, const QStringList& systemFiles);

    Choices startWith(const CommandLine& options) const;

    // Written into the user's file at once, as a whole new file that then takes the
    // old one's place, so a crash leaves either file but never half of one. A damaged
    // file is kept beside it, renamed with ".damaged" at the end.
    void rememberMute(bool mute);
    void rememberFullScreen(bool on);

    QString userFile() const { return m_userFile; }

    // What one file says; a key it does not set is empty.
    struct Said {
        std::optional<bool> mute, fullScreen, kiosk;
        bool kioskLocked = false;
    };

private:
    void remember(const char* key, bool value);

    QString m_userFile;
    Said m_user;
    Said m_system;
    bool m_saveFailed = false;
};

} // namespace sprout
