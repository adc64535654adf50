// Options before any display; a second start hands over and ends, also after a crash; Ctrl+M.
#include "mutekey.h"
#include "singleinstance.h"
#include "speech.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>
#include <csignal>

using namespace sprout;

class TestCommandLine : public QObject, public Speaker {
    Q_OBJECT

    QTemporaryDir m_home;
    QStringList m_said;
    void say(const words::Phrase& phrase) override { m_said.append(QString::fromStdString(std::string(phrase.text))); }
    void sayAfter(const words::Phrase& phrase) override { say(phrase); }
    void stop() override { m_said.append("(stop)"); }

    // Never the real ~/.config, nor the socket of a Sproutkin the user has running.
    void start(QProcess& program, const QStringList& arguments, bool offscreen = true)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(name);
        if (offscreen)
            environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_RUNTIME_DIR", m_home.filePath("runtime"));
        environment.insert("XDG_CONFIG_HOME", m_home.filePath("config"));
        environment.insert("XDG_CONFIG_DIRS", m_home.filePath("etc"));
        program.setProcessEnvironment(environment);
        program.start(qEnvironmentVariable("SPROUT_BIN_DIR") + "/sproutkin", arguments);
        QVERIFY(program.waitForStarted());
    }

    void endsAtOnceHandingOver()
    {
        QProcess second;
        start(second, {"--mute"});
        QVERIFY2(second.waitForFinished(5000), "the second start runs on");
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(QString(second.readAllStandardError()), "sproutkin: already running, brought to the front\n");
    }

private slots:
    void answersWithoutDisplay()
    {
        // The arguments, the exit code, what standard output holds and all standard error.
        const std::tuple<QStringList, int, QString, QString> answers[] = {
            {{"--help"}, 0, "Usage: sproutkin [OPTION]...\n", ""},
            {{"--mute", "-h"}, 0, "--kiosk", ""},
            {{"--vers"}, 0, "sproutkin 1.", ""},
            {{"--mute=yes"}, 2, "", "sproutkin: option '--mute' doesn't allow an argument\n"
                                    "Try 'sproutkin --help' for more information.\n"},
        };
        for (const auto& [arguments, exitCode, output, error] : answers) {
            QProcess program;
            start(program, arguments, false);
            QVERIFY(program.waitForFinished(10000));
            const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
            const QString what = arguments.join(' ') + ": " + out;
            QVERIFY2(program.exitCode() == exitCode, qPrintable(what));
            QVERIFY2(output.isEmpty() ? out.isEmpty() : out.contains(output), qPrintable(what));
            QCOMPARE(QString::fromLocal8Bit(program.readAllStandardError()), error);
        }
    }

    void aSecondStartEndsAndTheFirstGoesOn()
    {
        const QDir runtime(m_home.filePath("runtime"));
        QVERIFY(runtime.mkpath("."));
        QVERIFY(QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const auto socket = [&runtime] { return runtime.entryList({"sproutkin-*"}, QDir::System).value(0); };
        QProcess first;
        start(first, {"--mute", "--fullscreen"});
        QTRY_VERIFY_WITH_TIMEOUT(!socket().isEmpty() || first.state() != QProcess::Running, 10000);
        QCOMPARE(first.state(), QProcess::Running);
        endsAtOnceHandingOver();
        QVERIFY2(!first.waitForFinished(500), "the first start ended");
        QVERIFY2(!QFile::exists(m_home.filePath("config/sproutkin/sproutkin.conf")), "an option was remembered");

        // A crash leaves the socket, and a start that died deciding leaves a lock.
        const QString left = runtime.filePath(socket());
        ::kill(pid_t(first.processId()), SIGKILL);
        QVERIFY(first.waitForFinished(5000));
        QVERIFY(QFileInfo::exists(left));
        QFile lock(left + ".lock");
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(first.processId()) + "\nsproutkin\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        lock.close();

        QProcess next;
        start(next, {"--mute"});
        QVERIFY2(!next.waitForFinished(1500), next.readAllStandardError().constData());
        endsAtOnceHandingOver();
        next.kill();
        next.waitForFinished(5000);
    }

    // The desktop's token for the second start reaches the first, to take the keyboard with.
    void aSecondStartHandsOverItsActivationToken()
    {
        SingleInstance first(m_home.filePath("instance"));
        QVERIFY(first.claim());
        QSignalSpy asked(&first, &SingleInstance::secondStart);
        const QByteArray before = qgetenv("XDG_ACTIVATION_TOKEN");
        const auto restore = qScopeGuard([&] {
            before.isNull() ? qunsetenv("XDG_ACTIVATION_TOKEN") : qputenv("XDG_ACTIVATION_TOKEN", before);
        });
        qputenv("XDG_ACTIVATION_TOKEN", "desktop-token-7");
        QVERIFY2(!SingleInstance(m_home.filePath("instance")).claim(), "a second start claimed the running one's place");
        QTRY_COMPARE(asked.count(), 1);
        QCOMPARE(asked[0][0].toString(), "desktop-token-7");
    }

    void ctrlMTogglesTheVoiceOnAnyWindow()
    {
        Speech::setSpeaker(std::shared_ptr<Speaker>(this, [](Speaker*) {}));
        QSignalSpy told(MuteKey::install(), &MuteKey::toggled); // the settings remember it
        QLineEdit typing; // a spelling box takes keys too
        QWidget other;
        typing.show();
        other.show();
        const std::tuple<QWidget*, Qt::KeyboardModifiers, bool, QStringList> presses[] = {
            {&typing, Qt::ControlModifier, true, {"(stop)"}},
            {&other, Qt::NoModifier, true, {}}, // a plain m is typing, not the key
            {&other, Qt::ControlModifier | Qt::ShiftModifier, true, {}},
            {&other, Qt::ControlModifier, false, {"Voice on"}},
        };
        for (const auto& [where, modifiers, muted, said] : presses) {
            m_said.clear();
            QTest::keyClick(where, Qt::Key_M, modifiers);
            QCOMPARE(Speech::isMuted(), muted);
            QCOMPARE(m_said, said);
        }
        QCOMPARE(typing.text(), QString()); // Ctrl+M never reached the box
        QCOMPARE(QList<QVariantList>(told), (QList<QVariantList>{{true}, {false}}));
        Speech::setSpeaker(nullptr);
    }
};

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
