// The real program on a real X server, driven with a real mouse and keyboard.
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

class TestProgramExit : public QObject {
    Q_OBJECT
    QProcess m_server;
    QProcessEnvironment m_environment = QProcessEnvironment::systemEnvironment();
    QTemporaryDir m_home;

    QString xdotool(const QStringList& arguments)
    {
        QProcess tool;
        tool.setProcessEnvironment(m_environment);
        tool.start("xdotool", arguments);
        tool.waitForFinished(15000);
        return QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
    }

    // The id of the program's main menu, once it is on show.
    QString start(QProcess& program, const QStringList& arguments)
    {
        program.setProcessEnvironment(m_environment);
        program.start(qEnvironmentVariable("SPROUT_BIN_DIR") + "/sproutkin", arguments);
        if (!program.waitForStarted())
            return QString();
        return xdotool({"search", "--sync", "--onlyvisible", "--name", "^QZV Preschool Sproutkin 1.3$"}).section('\n', 0, 0);
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("Xvfb").isEmpty() || QStandardPaths::findExecutable("xdotool").isEmpty())
            QSKIP("needs Xvfb and xdotool (scripts/test installs them)");
        m_server.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
        QVERIFY(m_server.waitForReadyRead(10000));
        m_environment.insert("DISPLAY", ":" + QString::fromLatin1(m_server.readLine()).trimmed());
        m_environment.insert("QT_QPA_PLATFORM", "xcb");
        // Neither the user's settings nor a Sproutkin the user has running.
        for (const char* folder : {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_RUNTIME_DIR"}) {
            QVERIFY(QDir(m_home.path()).mkpath(folder));
            QVERIFY(QFile::setPermissions(m_home.filePath(folder), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
            m_environment.insert(folder, m_home.filePath(folder));
        }
    }
    void cleanupTestCase()
    {
        m_server.terminate();
        m_server.waitForFinished(5000);
    }

    void exitProgramOnTheMainMenuEndsTheProgram()
    {
        QProcess program;
        const QString shell = xdotool({"getwindowgeometry", "--shell", start(program, {})});
        auto value = [&](const char* key) { return QRegularExpression(QString("%1=(\\d+)").arg(key)).match(shell).captured(1); };
        QVERIFY2(!value("X").isEmpty(), qPrintable(shell));
        QVERIFY2(!program.waitForFinished(1000), "the program ended with a screen on show");
        // "Exit Program", first in the menu bar.
        xdotool({"mousemove", "--sync", QString::number(value("X").toInt() + 30), QString::number(value("Y").toInt() + 9), "click", "1"});
        QVERIFY2(program.waitForFinished(10000), "still running with no screen on show");
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
    }

    void aKioskEndsOnlyForCtrlAltQHeldDown()
    {
        QProcess program;
        xdotool({"windowfocus", "--sync", start(program, {"--kiosk", "--mute"})});
        for (const char* keys : {"alt+F4", "ctrl+q", "ctrl+w", "F11", "ctrl+alt+q"})
            xdotool({"key", "--delay", "100", keys});
        QVERIFY2(!program.waitForFinished(1000), "a key a child can press ended the kiosk");
        xdotool({"keydown", "ctrl+alt+q"});
        QVERIFY2(!program.waitForFinished(1000), "the kiosk ended before the keys were held long enough");
        QVERIFY2(program.waitForFinished(3000), "holding Ctrl+Alt+Q did not end the kiosk");
        xdotool({"keyup", "ctrl+alt+q"});
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestProgramExit)
#include "tst_programexit.moc"
