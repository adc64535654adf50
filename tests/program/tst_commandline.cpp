// The program's options and the mute key: options answer before any display is
// needed, as Debian's programs answer, and --mute starts without voice; Ctrl+M
// silences and wakes the voice on any window, and says so when it wakes.
#include "commandline.h"
#include "mutekey.h"
#include "speech.h"

#include <QLineEdit>
#include <QProcess>
#include <QtTest>

using namespace sprout;

class TestCommandLine : public QObject, public Speaker {
    Q_OBJECT

    QStringList m_said;
    void say(const words::Phrase& phrase) override { m_said.append(QString::fromStdString(std::string(phrase.text))); }
    void stop() override { m_said.append("(stop)"); }

private slots:
    void answersWithoutDisplay()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(name);
        // The arguments, the exit code, what standard output holds and all standard error.
        const std::tuple<QStringList, int, QString, QString> answers[] = {
            {{"--help"}, 0, "Usage: sproutkin [OPTION]...\n", ""},
            {{"--mute", "-h"}, 0, "--mute", ""},
            {{"--vers"}, 0, "sproutkin 1.", ""},
            {{"--mute=yes"}, 2, "", "sproutkin: option '--mute' doesn't allow an argument\n"
                                    "Try 'sproutkin --help' for more information.\n"},
        };
        for (const auto& [arguments, exitCode, output, error] : answers) {
            QProcess program;
            program.setProcessEnvironment(environment);
            program.start(qEnvironmentVariable("SPROUT_BIN_DIR") + "/sproutkin", arguments);
            QVERIFY(program.waitForFinished(10000));
            QVERIFY(program.exitStatus() == QProcess::NormalExit);
            const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
            const QString what = arguments.join(' ') + ": " + out;
            QVERIFY2(program.exitCode() == exitCode && (output.isEmpty() ? out.isEmpty() : out.contains(output)),
                     qPrintable(what));
            QCOMPARE(QString::fromLocal8Bit(program.readAllStandardError()), error);
        }
    }

    void muteOption()
    {
        char name[] = "sproutkin", mute[] = "--mute", abbreviated[] = "--mu", endOfOptions[] = "--";
        char* muted[] = {name, abbreviated};
        char* notMuted[] = {name, endOfOptions, mute};
        QVERIFY(CommandLine::parse(2, muted, "1").mute);
        QVERIFY(!CommandLine::parse(3, notMuted, "1").mute);
    }

    void ctrlMTogglesTheVoiceOnAnyWindow()
    {
        Speech::setSpeaker(std::shared_ptr<Speaker>(this, [](Speaker*) {}));
        MuteKey::install();
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
        Speech::setSpeaker(nullptr);
    }
};

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
