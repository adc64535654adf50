// Which settings file wins, what a damaged one does, and how a choice is written.
#include "commandline.h"
#include "settings.h"

#include <QtTest>
#include <unistd.h>

using namespace sprout;

namespace {

// What was written to standard error while the call ran.
template <class Call> QString standardErrorOf(Call call)
{
    QTemporaryFile capture;
    if (!capture.open())
        return "cannot capture standard error";
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    dup2(capture.handle(), STDERR_FILENO);
    call();
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    capture.seek(0);
    return QString::fromUtf8(capture.readAll());
}

// Bytes of kFolder put a folder in the file's place.
const QByteArray kFolder = "(a folder)";
void write(const QString& path, const QByteArray& bytes)
{
    QVERIFY(QDir().mkpath(bytes == kFolder ? path : QFileInfo(path).path()));
    QFile file(path);
    if (bytes != kFolder) {
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

// What is on, in words: "mute fullscreen kiosk".
QString saidOn(const Choices& choices)
{
    return QStringList{choices.mute ? "mute" : "", choices.fullScreen ? "fullscreen" : "", choices.kiosk ? "kiosk" : ""}
        .join(' ')
        .simplified();
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString userFile() const { return m_dir.filePath("home/sproutkin/sproutkin.conf"); }
    QString systemFile() const { return m_dir.filePath("etc/sproutkin/sproutkin.conf"); }

private slots:
    void init()
    {
        for (const char* folder : {"home", "etc"})
            QDir(m_dir.filePath(folder)).removeRecursively();
    }

    // Options (abbreviated or not, Qt's passed over) win over the user's file, which wins over
    // the system's; a damaged or unreadable file is named on standard error and counts as absent.
    void startsWithWhatWins_data()
    {
        QTest::addColumn<QByteArray>("system");
        QTest::addColumn<QByteArray>("user");
        QTest::addColumn<QString>("options");
        QTest::addColumn<QString>("on");
        QTest::addColumn<QString>("error"); // {user} and {system} stand for the files' paths
        const auto row = [](const char* name, const QByteArray& system, const QByteArray& user, const char* options,
                            const char* on, const QString& error = {}) {
            QTest::newRow(name) << system << user << QString(options) << QString(on) << error;
        };
        const QByteArray plain = "fullscreen=true\n";
        const QString userFault = "{user} %1; starting with the defaults";
        const QString systemFault = "{system} %1; its settings are not used";
        row("no files", "", "", "", "");
        row("the system's", "[General]\nmute=true\nfullscreen=yes\n", "", "", "mute fullscreen");
        row("the user's", "mute=true\nfullscreen=true\nkiosk=true\n", "[General]\nmute=false\nkiosk=off\n", "", "fullscreen");
        row("options", "", "mute=false\nfullscreen=off\n", "--mute --fullscreen", "mute fullscreen");
        row("options abbreviated", "", "", "--mu --f --k", "mute fullscreen kiosk");
        row("Qt's options, and none after --", "", "", "-style fusion -- --mute --kiosk", "");
        row("a locked kiosk", "kiosk=locked\n", "kiosk=false\nfullscreen=false\n", "", "fullscreen kiosk");
        row("other groups, comments, later keys", "",
            "# by hand\n[Other]\nmute=true\nnot a setting\n[General]\n; note\nvolume=7\n  kiosk = TRUE \n", "", "fullscreen kiosk");
        row("cut short", plain, "[General]\nmute=true\nfullscr", "", "fullscreen", userFault.arg("line 3 is not \"key=value\""));
        row("a value", plain, "fullscreen=maybe\n", "", "fullscreen", userFault.arg("line 1: \"maybe\" is not true or false"));
        row("not text", plain, QByteArray("mute=\0\x01\xff", 8), "", "fullscreen", userFault.arg("is not a text file"));
        row("a folder", plain, kFolder, "", "fullscreen", userFault.arg("cannot be read (it is a folder)"));
        row("the system's, locking a kiosk", "kiosk=locked\nmute=true\nfullscreen\n", plain, "", "fullscreen",
            systemFault.arg("line 3 is not \"key=value\""));
    }

    void startsWithWhatWins()
    {
        QFETCH(QByteArray, system);
        QFETCH(QByteArray, user);
        QFETCH(QString, options);
        QFETCH(QString, on);
        QFETCH(QString, error);
        write(systemFile(), system);
        write(userFile(), user);
        QList<QByteArray> arguments{"sproutkin"};
        for (const QString& option : options.split(' ', Qt::SkipEmptyParts))
            arguments << option.toUtf8();
        std::vector<char*> argv;
        for (QByteArray& argument : arguments)
            argv.push_back(argument.data());
        const CommandLine line = CommandLine::parse(int(argv.size()), argv.data(), "1");
        QVERIFY(!line.finished);
        QString choices;
        const QString said = standardErrorOf([&] { choices = saidOn(Settings(userFile(), {systemFile()}).startWith(line)); });
        QCOMPARE(choices, on);
        if (!error.isEmpty())
            error = "sproutkin: settings file " + error.replace("{user}", userFile()).replace("{system}", systemFile()) + "\n";
        QCOMPARE(said, error);
    }

    // Of the system's files the first listed wins; what only the second says still counts.
    void theFirstSystemFileListedWins()
    {
        const QString second = m_dir.filePath("etc/xdg/sproutkin/sproutkin.conf");
        for (bool firstMutes : {true, false}) {
            write(systemFile(), firstMutes ? "mute=true\n" : "mute=false\n");
            write(second, firstMutes ? "mute=false\nfullscreen=true\n" : "mute=true\nfullscreen=true\n");
            QCOMPARE(saidOn(Settings(userFile(), {systemFile(), second}).startWith({})), firstMutes ? "mute fullscreen" : "fullscreen");
        }
    }

    // Replaced by a whole new file, never rewritten in place, nothing half-written left.
    void aChoiceReplacesTheFileWholeAndKeepsTheRest()
    {
        const QByteArray before = "# set by hand\n[General]\nmute=false\nvolume=7\n[Other]\nmute=false\n";
        write(userFile(), before);
        const QString link = m_dir.filePath("home/before.conf");
        QCOMPARE(::link(qPrintable(userFile()), qPrintable(link)), 0);
        {
            Settings settings(userFile(), {});
            settings.rememberMute(true);
            settings.rememberFullScreen(true);
        }
        QCOMPARE(contents(userFile()), "# set by hand\n[General]\nfullscreen=true\nmute=true\nvolume=7\n[Other]\nmute=false\n");
        QCOMPARE(contents(link), before);
        QCOMPARE(QDir(QFileInfo(userFile()).path()).entryList(QDir::Files | QDir::Hidden), QStringList{"sproutkin.conf"});
        write(userFile(), "[Other]\nmute=false\n"); // a choice goes where it is read, not under another group
        Settings(userFile(), {}).rememberMute(true);
        QCOMPARE(saidOn(Settings(userFile(), {}).startWith({})), "mute");
    }

    void aDamagedFileIsKeptAsideWhenAChoiceIsRemembered()
    {
        const QByteArray damaged = "[General]\nmute=tr";
        write(userFile(), damaged);
        standardErrorOf([&] { Settings(userFile(), {}).rememberMute(true); });
        QCOMPARE(contents(userFile() + ".damaged"), damaged);
        QCOMPARE(contents(userFile()), "[General]\nmute=true\n");
    }

    void aFileThatCannotBeWrittenIsSaidOnce()
    {
        write(m_dir.filePath("home/sproutkin"), "a file where the folder should be");
        const QString error = standardErrorOf([&] {
            Settings settings(userFile(), {});
            settings.rememberMute(true);
            settings.rememberMute(false);
        });
        QCOMPARE(error.count('\n'), 1);
        QVERIFY2(error.startsWith("sproutkin: cannot remember the choice in " + userFile()), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
