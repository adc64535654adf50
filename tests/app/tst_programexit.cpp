// The real program on a real X server, driven with real mouse clicks: it keeps
// running while a screen is on show and ends when the last one is closed.
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

namespace {

QString binDir() { return qEnvironmentVariable("SPROUT_BIN_DIR"); }

QString run(const QStringList& arguments, const QProcessEnvironment& environment)
{
    QProcess tool;
    tool.setProcessEnvironment(environment);
    tool.start("xdotool", arguments);
    tool.waitForFinished(15000);
    return QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
}

} // namespace

class TestProgramExit : public QObject {
    Q_OBJECT

    QProcess m_server;
    QProcessEnvironment m_environment;

    // Where the window with this title lies, once it is on show.
    QRect windowWithTitle(const QString& title)
    {
        const QString id = run({"search", "--sync", "--onlyvisible", "--name", "^" + title + "$"},
                               m_environment).section('\n', 0, 0);
        const QString shell = run({"getwindowgeometry", "--shell", id}, m_environment);
        auto value = [&](const char* key) {
            return QRegularExpression(QString("%1=(\\d+)").arg(key)).match(shell).captured(1).toInt();
        };
        return QRect(value("X"), value("Y"), value("WIDTH"), value("HEIGHT"));
    }

    void clickAt(QPoint point)
    {
        run({"mousemove", "--sync", QString::number(point.x()), QString::number(point.y()),
             "click", "1"}, m_environment);
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("Xvfb").isEmpty()
            || QStandardPaths::findExecutable("xdotool").isEmpty())
            QSKIP("needs Xvfb and xdotool (scripts/test installs them)");
        m_server.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
        QVERIFY(m_server.waitForReadyRead(10000));
        const QString display = ":" + QString::fromLatin1(m_server.readLine()).trimmed();
        m_environment = QProcessEnvironment::systemEnvironment();
        m_environment.insert("DISPLAY", display);
        m_environment.insert("QT_QPA_PLATFORM", "xcb");
    }

    void cleanupTestCase()
    {
        m_server.terminate();
        m_server.waitForFinished(5000);
    }

    void exitOnTheMainMenuEndsTheProgram()
    {
        QProcess program;
        program.setProcessEnvironment(m_environment);
        program.start(binDir() + "/sproutkin", {});
        QVERIFY(program.waitForStarted());
        const QRect main = windowWithTitle("QZV Preschool Sproutkin 1.3");
        QVERIFY(main.isValid());
        QVERIFY2(!program.waitForFinished(1000), "the program ended on its own");

        clickAt(main.topLeft() + QPoint(30, 9)); // "Exit Program", first in the menu bar
        QVERIFY2(program.waitForFinished(10000), "still running after Exit Program");
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
    }

    void closingTheLastVisibleScreenEndsTheProgram()
    {
        QProcess program;
        program.setProcessEnvironment(m_environment);
        program.start(binDir() + "/sproutkin", {});
        QVERIFY(program.waitForStarted());
        const QRect main = windowWithTitle("QZV Preschool Sproutkin 1.3");
        const int menuHeight = main.height() - 6960 / 15;
        const QPoint client = main.topLeft() + QPoint(0, menuHeight);

        clickAt(client + QPoint(532, 404)); // "Click to continue"
        clickAt(client + QPoint(100, 172)); // "-  Learn Colors."
        const QRect colours = windowWithTitle("QZV Preschool Sproutkin by Tallowmere");
        QVERIFY(colours.isValid());
        // The main menu is hidden but loaded; the program goes on while a screen shows.
        QVERIFY2(!program.waitForFinished(1000), "the program ended with a screen on show");

        clickAt(colours.topLeft() + QPoint(30, 9));
        QVERIFY2(program.waitForFinished(10000), "still running with no screen on show");
        QCOMPARE(program.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestProgramExit)
#include "tst_programexit.moc"
