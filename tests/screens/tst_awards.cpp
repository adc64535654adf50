// The award screens as the child meets them, on a computer made to have no
// printer at all (the print system points at a server that does not exist), so
// no press of "Print Award" here can put anything on paper. Printing on a real
// queue is tst_awardprinting.
#include "awardscreen.h"
#include "builtinpictures.h"
#include "noprinter.h"
#include "quiztesting.h"
#include "recordingspeaker.h"

using namespace sprout;
using namespace sprout::testing;

namespace {

const QString kNoPrinter = "The award was not printed: No printer is set up on this computer, so "
                           "nothing was printed. Set up a printer in the computer's printer settings, "
                           "then try printing again.";
const ScreenId kAwards[] = {ScreenId::awardcolor, ScreenId::awardshape, ScreenId::awardword, ScreenId::awardmath};

QImage shownIn(Screen& award) { return comparable(award.control<QLabel>("Picture1")->pixmap().toImage()); }

} // namespace

class TestAwards : public QObject {
    Q_OBJECT
    QTemporaryDir m_workDir;

private slots:
    void initTestCase() { withoutPrinter(m_workDir.path()); }
    void cleanupTestCase() { QCOMPARE(QDir(m_workDir.path()).entryList(QDir::Files | QDir::Hidden), QStringList()); }

    // Each award over its quiz: the space bar as soon as it comes up, every time,
    // presses "Print Award" on the colour and shape awards (here refused, as no
    // printer is set up), "Continue" on the word and math awards. The picture neither
    // prints nor hides; "Exit Program" takes away the award alone. The math award
    // alone has the certificate as its window's background, beneath its controls.
    // The award at ten and the score kept are tst_quizzes' and tst_awardpdf's.
    void spaceBarPictureExitAndBackground()
    {
        const QImage mathCertificate = comparable(builtInPicture("certificate-math").toImage());
        for (const QuizTable* quiz : {&kGuessColor, &kGuessShape, &kSpellWord, &kMathTest}) {
            const ScreenId id = quiz->award;
            const bool prints = id == ScreenId::awardcolor || id == ScreenId::awardshape;
            ReportRecorder reports;
            ScreenRegistry registry(createScreen);
            Screen& award = registry.reference(id);
            QVERIFY(registry.show(quiz->id));
            for (int arrival = 1; arrival <= 2; ++arrival) {
                QTest::keyClick(shown(registry, id).window()->focusWidget(), Qt::Key_Tab); // the child wanders off
                registry.hide(id);
                QVERIFY(registry.show(id));
                QVERIFY(award.window()->focusWidget());
                QTest::keyClick(award.window()->focusWidget(), Qt::Key_Space);
                QVERIFY2(award.isVisible() == prints, screenName(id));
                QCOMPARE(reports.messages, prints ? QStringList(arrival, kNoPrinter) : QStringList());
            }
            const QImage certificate = shownIn(shown(registry, id));
            click(award, "Picture1");
            QVERIFY(award.isVisible() && shownIn(award) == certificate && reports.messages.size() == (prints ? 2 : 0));
            for (QWidget* control : award.client()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                control->hide();
            const QImage background = award.client()->grab(QRect(QPoint(), mathCertificate.size())).toImage();
            QVERIFY2((comparable(background) == mathCertificate) == (id == ScreenId::awardmath), screenName(id));
            chooseMenu(award, "mnuExit");
            settle();
            QVERIFY(!award.isLoaded());
            QVERIFY(registry.reference(quiz->id).isVisible());
        }
    }

    // A double click on "Print Award" is one press: one message, read aloud as it
    // stands while it is up.
    void aDoubleClickPrintsOnce()
    {
        const auto speaker = std::make_shared<RecordingSpeaker>();
        Speech::setSpeaker(speaker);
        ReportRecorder reports;
        ScreenRegistry registry(createScreen);
        doubleClick(shown(registry, ScreenId::awardcolor).control("Command1"));
        Speech::setSpeaker(nullptr);
        QCOMPARE(reports.messages, QStringList{kNoPrinter});
        QCOMPARE(speaker->said.count(kNoPrinter.section(": ", 1)), 1);
        QCOMPARE(speaker->saying, QString());
    }

    // An award file that cannot be read is told by name and prints nothing; the
    // next press reads the file afresh.
    void unreadableAwardFile_data()
    {
        QTest::addColumn<int>("award");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content"); // empty: no file at all
        QTest::newRow("missing") << 0 << "coloraward.bmp" << QByteArray();
        QTest::newRow("not a picture") << 2 << "wordsaward.bmp" << QByteArray("Dear parent, this is a letter.");
        QTest::newRow("cut short") << 3 << "mathaward.bmp" << QByteArray("BM\x36\x00\x0c\x00\x00\x00", 8);
    }
    void unreadableAwardFile()
    {
        QFETCH(int, award);
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        ScreenRegistry registry(createScreen);
        ReportRecorder reports;
        Screen& screen = shown(registry, kAwards[award]);
        QTemporaryDir folder;
        QFile bytes(folder.filePath(file));
        QVERIFY(content.isEmpty() || (bytes.open(QIODevice::WriteOnly) && bytes.write(content) && bytes.flush()));
        registry.reference<AwardScreen>(kAwards[award]).setPictureFolder(folder.path());
        const QImage design = shownIn(screen);

        click(screen, "Command1");
        QCOMPARE(reports.messages.size(), 1);
        QVERIFY2(reports.messages[0].startsWith("A picture cannot be read: ") && reports.messages[0].contains(file)
                     && reports.messages[0].endsWith("The award was not printed; everything else goes on working."),
                 qPrintable(reports.messages[0]));
        QVERIFY(shownIn(screen) == design);
        QVERIFY(screen.isVisible());

        QFile::remove(folder.filePath(file));
        QVERIFY(QFile::copy(programFilePath("\\" + file), folder.filePath(file)));
        click(screen, "Command1");
        QCOMPARE(reports.messages, QStringList({reports.messages[0], kNoPrinter})); // read, then on to the printer
    }
};

QTEST_MAIN(TestAwards)
#include "tst_awards.moc"
