// The real program on a real X server, driven with real mouse clicks: it keeps
// running while a screen is on show and ends when the last one is closed.
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

class TestProgramExit : public QObject {
    Q_OBJECT
    QProcess m_server;
    QProcessEnvironment m_environment = QProcessEnvironment::systemEnvironment();

    QString xdotool(const QStringList& arguments)
    {
        QProcess tool;
        tool.setProcessEnvironment(m_environment);
        tool.start("xdotool", arguments);
        tool.waitForFinished(15000);
        return QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
    }
    // Where the window with this title lies, once it is on show.
    QRect windowWithTitle(const QString& title)
    {
        const QString id = xdotool({"search", "--sync", "--onlyvisible", "--name", "^" + title + "$"}).section('\n', 0, 0);
        const QString shell = xdotool({"getwindowgeometry", "--shell", id});
        auto value = [&](const char* key) { return QRegularExpression(QString("%1=(\\d+)").arg(key)).match(shell).captured(1).toInt(); };
        return QRect(value("X"), value("Y"), value("WIDTH"), value("HEIGHT"));
    }
    void clickAt(QPoint point) { xdotool({"mousemove", "--sync", QString::number(point.x()), QString::number(point.y()), "click", "1"}); }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("Xvfb").isEmpty() || QStandardPaths::findExecutable("xdotool").isEmpty())
            QSKIP("needs Xvfb and xdotool (scripts/test installs them)");
        m_server.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
        QVERIFY(m_server.waitForReadyRead(10000));
        m_environment.insert("DISPLAY", ":" + QString::fromLatin1(m_server.readLine()).trimmed());
        m_environment.insert("QT_QPA_PLATFORM", "xcb");
    }
    void cleanupTestCase()
    {
        m_server.terminate();
        m_server.waitForFinished(5000);
    }

    // On the main menu "Exit Program" ends the program; after the main menu was left
    // for a lesson, it stays loaded but hidden, and closing the lesson ends it too.
    void programEndsWhenNoScreenIsOnShow_data()
    {
        QTest::addColumn<bool>("viaLesson");
        QTest::newRow("Exit Program on the main menu") << false;
        QTest::newRow("Exit Program on a lesson, main menu hidden") << true;
    }
    void programEndsWhenNoScreenIsOnShow()
    {
        QFETCH(bool, viaLesson);
        QProcess program;
        program.setProcessEnvironment(m_environment);
        program.start(qEnvironmentVariable("SPROUT_BIN_DIR") + "/sproutkin", {});
        QVERIFY(program.waitForStarted());
        QRect window = windowWithTitle("QZV Preschool Sproutkin 1.3");
        QVERIFY(window.isValid());
        if (viaLesson) {
            const QPoint client = window.topLeft() + QPoint(0, window.height() - 6960 / 15); // below the menu bar
            clickAt(client + QPoint(532, 404)); // "Click to continue"
            clickAt(client + QPoint(100, 172)); // "-  Learn Colors."
            window = windowWithTitle("QZV Preschool Sproutkin by Tallowmere");
            QVERIFY(window.isValid());
        }
        QVERIFY2(!program.waitForFinished(1000), "the program ended with a screen on show");
        clickAt(window.topLeft() + QPoint(30, 9)); // "Exit Program", first in the menu bar
        QVERIFY2(program.waitForFinished(10000), "still running with no screen on show");
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestProgramExit)
#include "tst_programexit.moc"
