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

CommandLine optionsOf(QStringList arguments)
{
    arguments.prepend("sproutkin");
    std::vector<QByteArray> bytes;
    std::vector<char*> argv;
    for (const QString& argument : arguments)
        bytes.push_back(argument.toUtf8());
    for (QByteArray& argument : bytes)
        argv.push_back(argument.data());
    return CommandLine::parse(int(argv.size()), argv.data(), "1");
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
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("mute");
        QTest::addColumn<bool>("fullScreen");
        QTest::addColumn<bool>("kiosk");
        QTest::newRow("no files") << QByteArray() << QByteArray() << QStringList() << false << false << false;
        QTest::newRow("the system's defaults") << QByteArray("[General]\nmute=true\nfullscreen=yes\n") << QByteArray()
                                               << QStringList() << true << true << false;
        QTest::newRow("the user's own") << QByteArray("mute=true\nfullscreen=true\n") << QByteArray("[General]\nmute=false\n")
                                        << QStringList() << false << true << false;
        QTest::newRow("options for this run") << QByteArray() << QByteArray("mute=false\nfullscreen=off\n")
                                              << QStringList{"--mute", "--fullscreen"} << true << true << false;
        QTest::newRow("a kiosk fills the screen") << QByteArray() << QByteArray("kiosk=true\nfullscreen=false\n")
                                                  << QStringList() << false << true << true;
        QTest::newRow("an unlocked kiosk") << QByteArray("kiosk=true\n") << QByteArray("kiosk=false\n")
                                           << QStringList() << false << false << false;
        QTest::newRow("a locked kiosk") << QByteArray("[General]\nkiosk=locked\n") << QByteArray("kiosk=false\nfullscreen=false\n")
                                        << QStringList() << false << true << true;
        QTest::newRow("the option's kiosk") << QByteArray() << QByteArray("kiosk=no\n") << QStringList{"--kiosk"}
                                            << false << true << true;
        QTest::newRow("other groups, comments, later keys")
            << QByteArray() << QByteArray("# by hand\n[Other]\nmute=true\nnot a setting\n[General]\n; note\nvolume=7\n  fullscreen = TRUE \n")
            << QStringList() << false << true << false;
    }

    void optionsWinOverTheUsersFileWhichWinsOverTheSystems()
    {
        QFETCH(QByteArray, system);
        QFETCH(QByteArray, user);
        QFETCH(QStringList, options);
        if (!system.isEmpty())
            write(systemFile(), system);
        if (!user.isEmpty())
            write(userFile(), user);
        QString said;
        const QString error = standardErrorOf([&] {
            const Choices choices = Settings(userFile(), {systemFile()}).startWith(optionsOf(options));
            said = QStringLiteral("mute %1, full screen %2, kiosk %3").arg(choices.mute).arg(choices.fullScreen).arg(choices.kiosk);
        });
        QFETCH(bool, mute);
        QFETCH(bool, fullScreen);
        QFETCH(bool, kiosk);
        QCOMPARE(said, QStringLiteral("mute %1, full screen %2, kiosk %3").arg(mute).arg(fullScreen).arg(kiosk));
        QCOMPARE(error, QString());
    }

    void aDamagedOrUnreadableFileIsOneLineAndCountsAsAbsent_data()
    {
        QTest::addColumn<bool>("systems");
        QTest::addColumn<QByteArray>("bytes"); // empty: a folder in the file's place
        QTest::addColumn<QString>("fault");
        QTest::newRow("cut short") << false << QByteArray("[General]\nmute=true\nfullscr") << "line 3 is not \"key=value\"";
        QTest::newRow("a value") << false << QByteArray("fullscreen=maybe\n") << "line 1: \"maybe\" is not true or false";
        QTest::newRow("not text") << false << QByteArray("mute=\0\x01\xff", 8) << "is not a text file";
        QTest::newRow("not UTF-8") << false << QByteArray("mute=f\xe4lse\n") << "is not a text file";
        QTest::newRow("huge") << false << QByteArray(100000, '#') << "is too large to be a settings file";
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
        // The other file's word stands: here, that the voice is on, and no kiosk.
        write(systems ? userFile() : systemFile(), "mute=false\n");
        if (bytes.isEmpty())
            QVERIFY(QDir().mkpath(damaged));
        else
            write(damaged, bytes);
        Choices choices;
        const QString error = standardErrorOf([&] { choices = Settings(userFile(), {systemFile()}).startWith({}); });
        QCOMPARE(error.count('\n'), 1);
        QVERIFY2(error.startsWith("sproutkin: settings file " + damaged + " " + fault + "; "), qPrintable(error));
        QCOMPARE(choices.mute, false);
        QCOMPARE(choices.kiosk, false);
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
        const Choices next = Settings(userFile(), {}).startWith({});
        QVERIFY(next.mute);
        QVERIFY(next.fullScreen);
    }

    void theFirstChoiceMakesTheFileAndItsFolder()
    {
        Settings(userFile(), {}).rememberFullScreen(false);
        QCOMPARE(contents(userFile()), "[General]\nfullscreen=false\n");
    }

    void aDamagedFileIsKeptAsideWhenAChoiceIsRemembered()
    {
        const QByteArray damaged = "[General]\nmute=tr";
        write(userFile(), damaged);
        standardErrorOf([&] { Settings(userFile(), {}).rememberMute(true); });
        QCOMPARE(contents(userFile() + ".damaged"), damaged);
        QCOMPARE(contents(userFile()), "[General]\nmute=true\n");
    }

    void aFileThatCannotBeWrittenIsSaidOnceAndTheProgramGoesOn()
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
