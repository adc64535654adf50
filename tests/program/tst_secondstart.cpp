// The real program started again while it runs: the second start ends at once and
// the first goes on; one left behind by a crash, socket and lock and all, does not
// keep the next from starting.
#include <QProcess>
#include <QtTest>
#include <csignal>

class TestSecondStart : public QObject {
    Q_OBJECT
    QTemporaryDir m_home;
    QDir m_runtime;

    // Never the real ~/.config, nor the socket of a Sproutkin the user has running.
    void start(QProcess& program, const QStringList& arguments = {"--mute"})
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_RUNTIME_DIR", m_runtime.path());
        environment.insert("XDG_CONFIG_HOME", m_home.filePath("config"));
        environment.insert("XDG_CONFIG_DIRS", m_home.filePath("etc"));
        program.setProcessEnvironment(environment);
        program.start(qEnvironmentVariable("SPROUT_BIN_DIR") + "/sproutkin", arguments);
        QVERIFY(program.waitForStarted());
    }

    QString socket() const
    {
        const QStringList found = m_runtime.entryList({"sproutkin-*"}, QDir::System | QDir::Files);
        return found.isEmpty() ? QString() : m_runtime.filePath(found.filter(QRegularExpression("^[^.]*$")).value(0));
    }

    // Running, and listening for a second start.
    void waitUntilListening(QProcess& program)
    {
        QTRY_VERIFY_WITH_TIMEOUT(!socket().isEmpty() || program.state() != QProcess::Running, 10000);
        QCOMPARE(program.state(), QProcess::Running);
    }

    void endsAtOnceHandingOver()
    {
        QProcess second;
        start(second);
        QVERIFY2(second.waitForFinished(5000), "the second start runs on");
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(QString(second.readAllStandardError()), "sproutkin: already running, brought to the front\n");
    }

private slots:
    void init()
    {
        m_runtime = QDir(m_home.filePath("runtime"));
        m_runtime.removeRecursively();
        QVERIFY(m_runtime.mkpath("."));
        QVERIFY(QFile::setPermissions(m_runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }

    void aSecondStartEndsAndTheFirstGoesOn()
    {
        QProcess first;
        start(first);
        waitUntilListening(first);
        endsAtOnceHandingOver();
        QVERIFY2(!first.waitForFinished(500), "the first start ended");

        // A crash: the socket stays behind, and a lock as a start that died deciding
        // would leave it.
        const QString left = socket();
        ::kill(pid_t(first.processId()), SIGKILL);
        QVERIFY(first.waitForFinished(5000));
        QVERIFY(QFileInfo::exists(left));
        QFile lock(left + ".lock");
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(first.processId()) + "\nsproutkin\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        lock.close();

        QProcess next;
        start(next);
        QVERIFY2(!next.waitForFinished(1500), next.readAllStandardError().constData());
        endsAtOnceHandingOver();
        next.kill();
        next.waitForFinished(5000);
    }
};

QTEST_GUILESS_MAIN(TestSecondStart)
#include "tst_secondstart.moc"
