// The program's options and the mute key: options answer before any display is
// needed, as Debian's programs answer, and --mute starts without voice; Ctrl+M
// silences and wakes the voice on any window, and says so when it wakes.
#include "commandline.h"
#include "mutekey.h"
#include "speaker.h"

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
    void answersWithoutDisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("error");
        QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage: sproutkin [OPTION]...\n" << "";
        QTest::newRow("short help after mute") << QStringList{"--mute", "-h"} << 0 << "--mute" << "";
        QTest::newRow("abbreviated version") << QStringList{"--vers"} << 0 << "sproutkin 1." << "";
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
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(name);
        program.setProcessEnvironment(environment);
        program.start(qEnvironmentVariable("SPROUT_BIN_DIR") + "/sproutkin", arguments);
        QVERIFY(program.waitForFinished(10000) && program.exitStatus() == QProcess::NormalExit);
        QCOMPARE(program.exitCode(), exitCode);
        const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
        QVERIFY2(output.isEmpty() ? out.isEmpty() : out.contains(output), qPrintable(out));
        QCOMPARE(QString::fromLocal8Bit(program.readAllStandardError()), error);
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
