// The program's options and the mute key: options answer before any display is
// needed, as Debian's programs answer; Ctrl+M silences and wakes the voice on any
// window, says so when it wakes, and tells who remembers it.
#include "commandline.h"
#include "mutekey.h"
#include "speech.h"

#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

using namespace sprout;

class TestCommandLine : public QObject, public Speaker {
    Q_OBJECT

    QStringList m_said;
    void say(const words::Phrase& phrase) override { m_said.append(QString::fromStdString(std::string(phrase.text))); }
    void sayAfter(const words::Phrase& phrase) override { say(phrase); }
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
            {{"--mute", "-h"}, 0, "--kiosk", ""},
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

    void ourOptionsAbbreviatedOrNot()
    {
        // The arguments, then whether they ask for no voice, full screen and a kiosk.
        const std::tuple<QList<QByteArray>, bool, bool, bool> lines[] = {
            {{"--mu"}, true, false, false},
            {{"--fullscreen", "--k"}, false, true, true},
            {{"--f", "-style", "fusion"}, false, true, false},
            {{"--", "--mute", "--kiosk"}, false, false, false},
        };
        for (auto [arguments, mute, fullScreen, kiosk] : lines) {
            arguments.prepend("sproutkin");
            std::vector<char*> argv;
            for (QByteArray& argument : arguments)
                argv.push_back(argument.data());
            const CommandLine line = CommandLine::parse(int(argv.size()), argv.data(), "1");
            QCOMPARE(line.mute, mute);
            QCOMPARE(line.fullScreen, fullScreen);
            QCOMPARE(line.kiosk, kiosk);
        }
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
