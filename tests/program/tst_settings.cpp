// What a parent chooses is remembered: which file wins, what a damaged or unreadable
// file does, and that a choice is written whole, keeping what else the file says.
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

void write(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

// What is on, in words: "mute fullscreen kiosk".
QString said(const Choices& choices)
{
    QStringList on;
    for (auto [name, value] : {std::pair("mute", choices.mute), {"fullscreen", choices.fullScreen}, {"kiosk", choices.kiosk}})
        if (value)
            on << name;
    return on.join(' ');
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

    void optionsWinOverTheUsersFileWhichWinsOverTheSystems_data()
    {
        QTest::addColumn<QByteArray>("system");
        QTest::addColumn<QByteArray>("user");
        QTest::addColumn<QString>("options");
        QTest::addColumn<QString>("on");
        QTest::newRow("no files") << QByteArray() << QByteArray() << "" << "";
        QTest::newRow("the system's") << QByteArray("[General]\nmute=true\nfullscreen=yes\n") << QByteArray() << "" << "mute fullscreen";
        QTest::newRow("the user's") << QByteArray("mute=true\nfullscreen=true\nkiosk=true\n") << QByteArray("[General]\nmute=false\nkiosk=off\n")
                                    << "" << "fullscreen";
        QTest::newRow("options") << QByteArray() << QByteArray("mute=false\nfullscreen=off\n") << "mute fullscreen" << "mute fullscreen";
        QTest::newRow("a locked kiosk") << QByteArray("kiosk=locked\n") << QByteArray("kiosk=false\nfullscreen=false\n") << "" << "fullscreen kiosk";
        QTest::newRow("other groups, comments, later keys")
            << QByteArray() << QByteArray("# by hand\n[Other]\nmute=true\nnot a setting\n[General]\n; note\nvolume=7\n  kiosk = TRUE \n")
            << "" << "fullscreen kiosk";
    }

    void optionsWinOverTheUsersFileWhichWinsOverTheSystems()
    {
        QFETCH(QByteArray, system);
        QFETCH(QByteArray, user);
        QFETCH(QString, options);
        QFETCH(QString, on);
        write(systemFile(), system);
        write(userFile(), user);
        CommandLine line;
        line.mute = options.contains("mute");
        line.fullScreen = options.contains("fullscreen");
        QString choices;
        QCOMPARE(standardErrorOf([&] { choices = said(Settings(userFile(), {systemFile()}).startWith(line)); }), QString());
        QCOMPARE(choices, on);
    }

    void aDamagedOrUnreadableFileIsOneLineAndCountsAsAbsent_data()
    {
        QTest::addColumn<bool>("systems");
        QTest::addColumn<QByteArray>("bytes"); // empty: a folder in the file's place
        QTest::addColumn<QString>("fault");
        QTest::newRow("cut short") << false << QByteArray("[General]\nmute=true\nfullscr") << "line 3 is not \"key=value\"";
        QTest::newRow("a value") << false << QByteArray("fullscreen=maybe\n") << "line 1: \"maybe\" is not true or false";
        QTest::newRow("not text") << false << QByteArray("mute=\0\x01\xff", 8) << "is not a text file";
        QTest::newRow("a folder") << false << QByteArray() << "cannot be read (it is a folder)";
        QTest::newRow("the system's, locking a kiosk") << true << QByteArray("kiosk=locked\nmute=true\nfullscreen\n")
                                                       << "line 3 is not \"key=value\"";
    }

    void aDamagedOrUnreadableFileIsOneLineAndCountsAsAbsent()
    {
        QFETCH(bool, systems);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, fault);
        const QString damaged = systems ? systemFile() : userFile();
        write(systems ? userFile() : systemFile(), "fullscreen=true\n"); // the other file's word stands
        if (bytes.isEmpty())
            QVERIFY(QDir().mkpath(damaged));
        else
            write(damaged, bytes);
        QString choices;
        const QString error = standardErrorOf([&] { choices = said(Settings(userFile(), {systemFile()}).startWith({})); });
        QCOMPARE(error.count('\n'), 1);
        QVERIFY2(error.startsWith("sproutkin: settings file " + damaged + " " + fault + "; "), qPrintable(error));
        QCOMPARE(choices, "fullscreen");
    }

    // Replaced by a whole new file, never rewritten in place: a link to the old file
    // still holds every byte of it, and no half-written file is left beside it.
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
        QCOMPARE(said(Settings(userFile(), {}).startWith({})), "mute fullscreen");
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
