// "Print Award" on a computer without a printer offers to save the certificate as
// a PDF file, written through the real PDF printer and read back with the poppler
// tools. The person's answers come from a script, never from a dialog.
#include "../print/pdfprobe.h"
#include "noprinter.h"
#include "quiztesting.h"
#include "recordingspeaker.h"
#include "savedialog.h"

using namespace sprout;
using namespace sprout::testing;


namespace {

const QString kOffer = "The award was not printed: No printer is set up on this computer, so nothing was "
                       "printed. Set up a printer in the computer's printer settings, then try printing "
                       "again. [Save as PDF...]";
const QString kAskWhere = "Save the award as a PDF PDF files (*.pdf)";
const QString kSavedSaid = "The award was saved. The message on the screen says where to find it.";

// Answers the offer and the save dialog ("" cancels), and notes what was asked.
struct ScriptedParent {
    bool takeOffer = true;
    QString savePath; // the suggested path when null
    QStringList asked;
    QString suggested;
    ScriptedParent()
    {
        ErrorReporter::setChooser([this](const QString& title, const QString& message, const QString& offer) {
            asked << title + ": " + message + " [" + offer + "]";
            return takeOffer;
        });
        SaveDialog::setAnswer([this](const QString& caption, const QString& path, const QString& filter) {
            asked << caption + " " + filter;
            suggested = path;
            return savePath.isNull() ? path : savePath;
        });
    }
    ~ScriptedParent()
    {
        ErrorReporter::setChooser({});
        SaveDialog::setAnswer({});
    }
};

} // namespace

class TestAwardPdf : public QObject {
    Q_OBJECT
    QTemporaryDir m_home;
    QTemporaryDir m_workDir; // where Qt would drop a PDF of its own making
    std::shared_ptr<RecordingSpeaker> m_speaker = std::make_shared<RecordingSpeaker>();

private slots:
    void initTestCase()
    {
        QVERIFY2(pdfprobe::toolsPresent(), "pdfinfo and pdftoppm (poppler-utils) are needed");
        qunsetenv("XDG_CONFIG_HOME");
        qputenv("HOME", m_home.path().toLocal8Bit());
        withoutPrinter(m_workDir.path());
        Speech::setSpeaker(m_speaker);
    }
    void cleanupTestCase() { QCOMPARE(QDir(m_workDir.path()).entryList(QDir::Files | QDir::Hidden), QStringList()); }

    // Saved: suggested in Documents, or home where there is none, under a name not
    // yet taken, as one landscape page with the certificate spanning it. Or "OK",
    // Cancel, or a folder that takes no file even from root: nothing is written and
    // a folder that refused is named. Either way the award, the score and the file
    // saved before stay.
    void printAwardWithoutPrinter_data()
    {
        QTest::addColumn<const QuizTable*>("quiz");
        QTest::addColumn<bool>("documents");
        QTest::addColumn<QString>("savedBefore");
        QTest::addColumn<bool>("takeOffer");
        QTest::addColumn<QString>("savePath"); // null: the one suggested
        QTest::addColumn<QString>("told"); // the file saved, or the start of why not
        const QString letter = "letter.txt", shapes = "Documents/Sproutkin award - shapes.pdf";
        QTest::newRow("colors") << &kGuessColor << true << letter << true << QString()
                                << "Documents/Sproutkin award - colors.pdf";
        QTest::newRow("shapes again") << &kGuessShape << true << shapes << true << QString()
                                      << "Documents/Sproutkin award - shapes (2).pdf";
        QTest::newRow("spelling, no Documents") << &kSpellWord << false << letter << true << QString()
                                                << "Sproutkin award - spelling.pdf";
        QTest::newRow("math") << &kMathTest << true << letter << true << QString() << "Documents/Sproutkin award - math.pdf";
        QTest::newRow("OK") << &kMathTest << true << letter << false << "" << "";
        QTest::newRow("Cancel") << &kMathTest << true << letter << true << "" << "";
        QTest::newRow("a file, not a folder") << &kMathTest << true << letter << true << m_home.filePath("letter.txt/award.pdf")
                                              << "The file could not be saved in the folder "
                                                     + m_home.filePath("letter.txt") + ", because there is no such folder.";
        QTest::newRow("a system folder") << &kMathTest << true << letter << true << "/proc/award.pdf"
                                         << "The file could not be saved in the folder /proc (the computer said: ";
    }
    void printAwardWithoutPrinter()
    {
        QFETCH(const QuizTable*, quiz);
        QFETCH(bool, documents);
        QFETCH(QString, savedBefore);
        QFETCH(bool, takeOffer);
        QFETCH(QString, savePath);
        QFETCH(QString, told);
        // A home with or without Documents, holding a file saved before.
        QDir(m_home.path()).removeRecursively();
        QVERIFY(QDir(m_home.path()).mkpath(documents ? "Documents" : "."));
        QFile before(m_home.filePath(savedBefore));
        QVERIFY(before.open(QIODevice::WriteOnly));
        QVERIFY(before.write("last week's") > 0);
        before.close();
        ReportRecorder reports;
        ScriptedParent parent;
        parent.takeOffer = takeOffer;
        parent.savePath = savePath;
        // A quiz played to ten right answers, its award on show, "Print Award" pressed.
        ScreenRegistry registry(createScreen);
        m_speaker->forget();
        registry.show(quiz->id);
        for (int right = 0; right < 10; ++right)
            play(registry.reference(quiz->id), *quiz, quiz->newQuestion ? "RP" : "R");
        click(registry.reference(quiz->award), "Command1");

        QCOMPARE(parent.asked, takeOffer ? QStringList({kOffer, kAskWhere}) : QStringList(kOffer));
        QVERIFY(registry.reference(quiz->award).isVisible());
        QVERIFY(score(registry.reference(quiz->id), *quiz) == "10");
        QVERIFY(before.open(QIODevice::ReadOnly));
        QVERIFY(before.readAll() == "last week's");
        // Both messages are read aloud: the failure as it stands, the saving in short.
        QCOMPARE(m_speaker->said.count(kOffer.section(": ", 1).section(" [", 0, 0)), 1);
        QCOMPARE(m_speaker->said.contains(kSavedSaid), told.endsWith(".pdf"));
        if (!told.endsWith(".pdf")) {
            QCOMPARE(reports.messages.size(), told.isEmpty() ? 0 : 1);
            const QString endsWith = " Nothing was saved. Choose another folder, such as your Documents folder, and try again.";
            QVERIFY2(told.isEmpty() || (reports.messages[0].startsWith("The award was not saved: " + told)
                                        && reports.messages[0].endsWith(endsWith)),
                     qPrintable(reports.messages.value(0)));
            QCOMPARE(QDir(m_home.filePath("Documents")).entryList(QDir::Files | QDir::Hidden), QStringList());
            QVERIFY(!QFile::exists(savePath));
            return;
        }
        const QFileInfo saved(m_home.filePath(told));
        QCOMPARE(parent.suggested, saved.filePath());
        QCOMPARE(reports.messages, QStringList("The award was saved: The award was saved as \"" + saved.fileName()
                                               + "\" in this folder:\n" + saved.absolutePath()
                                               + "\n\nOpen it from there to look at it, or print it on a "
                                                 "computer that has a printer."));
        // Where a fitted picture lands on a page is tst_qtprinteradapter's; here, that
        // this page is set up for it: landscape, with equal margins left and right.
        QCOMPARE(pdfprobe::pageCount(saved.filePath()), 1);
        const QImage page = pdfprobe::render(saved.filePath(), 72); // a pixel a point
        const QRect ink = pdfprobe::inkBounds(page);
        QVERIFY2(page.width() > page.height() && ink.width() > page.width() * 0.9, "not spanning a landscape page");
        QVERIFY2(qAbs(ink.left() - (page.width() - 1 - ink.right())) <= 2, "unequal margins left and right");
    }
};

QTEST_MAIN(TestAwardPdf)
#include "tst_awardpdf.moc"
