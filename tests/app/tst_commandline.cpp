// The program's options and the mute key: options answer before any display is
// needed, as Debian's programs answer; Ctrl+M silences and wakes the voice on any
// window, and says so when it wakes.
#include "mutekey.h"
#include "speaker.h"

#include <QLineEdit>
#include <QProcess>
#include <QtTest>

using namespace sprout;

namespace {

class RecordingSpeaker : public Speaker {
public:
    void say(const words::Phrase& phrase) override { said.append(QString::fromUtf8(phrase.text.data(), phrase.text.size())); }
    void stop() override { said.append("(stop)"); }
    QStringList said;
};

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void answersWithoutDisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("error");
        QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage: sproutkin [OPTION]...\n" << "";
        QTest::newRow("short help after mute") << QStringList{"--mute", "-h"} << 0 << "--mute" << "";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "sproutkin 1." << "";
        QTest::newRow("abbreviated") << QStringList{"--vers"} << 0 << "sproutkin 1." << "";
        QTest::newRow("argument to a flag") << QStringList{"--mute=yes"} << 2 << ""
                                            << "sproutkin: option '--mute' doesn't allow an argument\n"
                                               "Try 'sproutkin --help' for more information.\n";
    }
    void answersWithoutDisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QFETCH(QString, error);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(name);
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(qEnvironmentVariable("SPROUT_BIN_DIR") + "/sproutkin", arguments);
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), exitCode);
        const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
        QVERIFY2(output.isEmpty() ? out.isEmpty() : out.contains(output), qPrintable(out));
        QCOMPARE(QString::fromLocal8Bit(program.readAllStandardError()), error);
    }

    void ctrlMTogglesTheVoiceOnAnyWindow()
    {
        auto speaker = std::make_shared<RecordingSpeaker>();
        Speech::setSpeaker(speaker);
        MuteKey::install();
        QLineEdit typing; // a spelling box takes keys too
        QWidget other;
        typing.show();
        other.show();
        struct Press {
            QWidget* where;
            Qt::KeyboardModifiers modifiers;
            bool muted;
            QStringList said;
        };
        const Press presses[] = {
            {&typing, Qt::ControlModifier, true, {"(stop)"}},
            {&other, Qt::NoModifier, true, {}}, // a plain m is typing, not the key
            {&other, Qt::ControlModifier | Qt::ShiftModifier, true, {}},
            {&other, Qt::ControlModifier, false, {"Voice on"}},
        };
        for (const Press& press : presses) {
            speaker->said.clear();
            QTest::keyClick(press.where, Qt::Key_M, press.modifiers);
            QCOMPARE(Speech::isMuted(), press.muted);
            QCOMPARE(speaker->said, press.said);
        }
        QCOMPARE(typing.text(), QString()); // Ctrl+M never reached the box
        Speech::setSpeaker(nullptr);
    }
};

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
