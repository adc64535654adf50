// "Print Award" on a computer without a printer offers to save the certificate as
// a PDF file. The file is written through the real PDF printer and read back with
// the poppler tools; the person's answers come from a script, never a dialog.
#include "../print/pdfprobe.h"
#include "awardscreen.h"
#include "quiztesting.h"
#include "savedialog.h"

#include <QPrinterInfo>

using namespace sprout;
using namespace sprout::testing;

Q_DECLARE_METATYPE(const sprout::testing::QuizTable*)

namespace {

const QString kNoPrinter = "The award was not printed: No printer is set up on this computer, so "
                           "nothing was printed. Set up a printer in the computer's printer settings, "
                           "then try printing again. [Save as PDF...]";

// Answers the offer and the save dialog as the test says, and notes what was asked.
struct ScriptedParent {
    bool takeOffer = true;
    std::function<QString(const QString& suggested)> savePath = [](const QString& suggested) { return suggested; };
    QStringList offers;
    QString suggested;
    ScriptedParent()
    {
        ErrorReporter::setChooser([this](const QString& title, const QString& message, const QString& offer) {
            offers << title + ": " + message + " [" + offer + "]";
            return takeOffer;
        });
        SaveDialog::setAnswer([this](const QString& caption, const QString& path, const QString& filter) {
            offers << caption + " " + filter;
            suggested = path;
            return savePath(path);
        });
    }
    ~ScriptedParent()
    {
        ErrorReporter::setChooser({});
        SaveDialog::setAnswer({});
    }
};

// A quiz played to its award, so that the score behind the award can be checked.
struct PlayedToAward {
    ScreenRegistry registry{createScreen};
    const QuizTable& quiz;
    Screen& award;
    explicit PlayedToAward(const QuizTable& played)
        : quiz(played)
        , award(registry.reference(played.award))
    {
        registry.show(quiz.id);
        for (int right = 0; right < 10; ++right)
            play(registry.reference(quiz.id), quiz, quiz.newQuestion ? "RP" : "R");
    }
    bool keptAwardAndScore() { return award.isVisible() && score(registry.reference(quiz.id), quiz) == "10"; }
};

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden);
}

void setHasPrinter(bool hasPrinter)
{
    // Asked by name, a queue that does not exist stands for no printer at all.
    if (hasPrinter)
        qunsetenv("PRINTER");
    else
        qputenv("PRINTER", "Sproutkin_no_such_printer");
}

} // namespace

class TestAwardPdf : public QObject {
    Q_OBJECT
    QTemporaryDir m_home;
    QTemporaryDir m_workDir;

private slots:
    void initTestCase()
    {
        QVERIFY2(pdfprobe::toolsPresent(), "pdfinfo and pdftoppm (poppler-utils) are needed");
        qunsetenv("LPDEST");
        qunsetenv("XDG_CONFIG_HOME");
        qputenv("HOME", m_home.path().toLocal8Bit());
        // Were Qt to fall back to writing a PDF of its own, it would land here.
        QVERIFY(QDir::setCurrent(m_workDir.path()));
        setHasPrinter(false);
        QVERIFY(QPrinterInfo::defaultPrinter().isNull());
    }

    void init() { setHasPrinter(false); }

    void cleanupTestCase() { QCOMPARE(filesIn(m_workDir.path()), QStringList()); }

    // Saved where the dialog suggests: Documents, or home where there is none,
    // under a name not yet taken; one landscape page with the certificate
    // spanning the printable width, proportions kept, the sun top right.
    void savesTheCertificateFittedToALandscapePage_data()
    {
        QTest::addColumn<const QuizTable*>("quiz");
        QTest::addColumn<bool>("documents");
        QTest::addColumn<bool>("savedBefore");
        QTest::addColumn<QString>("expected");
        QTest::newRow("colors") << &kGuessColor << true << false << "Documents/Sproutkin award - colors.pdf";
        QTest::newRow("shapes again") << &kGuessShape << true << true << "Documents/Sproutkin award - shapes (2).pdf";
        QTest::newRow("spelling, no Documents") << &kSpellWord << false << false << "Sproutkin award - spelling.pdf";
        QTest::newRow("math") << &kMathTest << true << false << "Documents/Sproutkin award - math.pdf";
    }
    void savesTheCertificateFittedToALandscapePage()
    {
        QFETCH(const QuizTable*, quiz);
        QFETCH(bool, documents);
        QFETCH(bool, savedBefore);
        QFETCH(QString, expected);
        QDir home(m_home.path());
        home.removeRecursively();
        QVERIFY(home.mkpath(documents ? "Documents" : "."));
        const QString earlier = home.filePath(expected).replace(" (2)", "");
        if (savedBefore) {
            QFile file(earlier);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("saved last week") > 0);
        }
        ReportRecorder reports;
        ScriptedParent parent;
        PlayedToAward played(*quiz);
        click(played.award, "Command1");

        const QString path = home.filePath(expected);
        QCOMPARE(parent.offers, QStringList({kNoPrinter, "Save the award as a PDF PDF files (*.pdf)"}));
        QCOMPARE(parent.suggested, path);
        const QFileInfo saved(path);
        QCOMPARE(reports.messages, QStringList("The award was saved: The award was saved as \"" + saved.fileName()
                                               + "\" in the folder " + saved.absolutePath()
                                               + ". Open it from there to look at it, or print it on a "
                                                 "computer that has a printer."));
        QVERIFY(played.keptAwardAndScore());
        if (savedBefore) {
            QFile file(earlier);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), "saved last week");
        }

        QCOMPARE(pdfprobe::pageCount(path), 1);
        const auto size = QRegularExpression("Page size:\\s+([\\d.]+) x ([\\d.]+) pts").match(pdfprobe::output("pdfinfo", {path}));
        QVERIFY(size.hasMatch());
        QVERIFY2(size.captured(1).toDouble() > size.captured(2).toDouble(), "the page is not landscape");
        const QImage page = pdfprobe::render(path, 72); // one pixel a point
        const QRect ink = pdfprobe::inkBounds(page);
        const QRect sun = pdfprobe::sunBounds(page);
        QVERIFY2(ink.width() > page.width() * 0.9, "the certificate does not span the page's width");
        QVERIFY2(qAbs(ink.left() - (page.width() - 1 - ink.right())) <= 2, "unequal margins left and right");
        QVERIFY2(qAbs(ink.top() - ink.left()) <= 2, "the certificate does not start at the top of the printable area");
        QCOMPARE(qRound(ink.height() * 505.0 / ink.width()), 344);
        QVERIFY2(sun.center().x() > ink.center().x() && sun.center().y() < ink.center().y(), "the sun is not top right");
    }

    // "OK", or "Save as PDF..." and then Cancel: nothing is written anywhere.
    void okOrCancelSavesNothing_data()
    {
        QTest::addColumn<bool>("takeOffer");
        QTest::addColumn<int>("questions");
        QTest::newRow("OK") << false << 1;
        QTest::newRow("Cancel") << true << 2;
    }
    void okOrCancelSavesNothing()
    {
        QFETCH(bool, takeOffer);
        QFETCH(int, questions);
        QDir(m_home.path()).removeRecursively();
        QVERIFY(QDir(m_home.path()).mkpath("Documents"));
        ReportRecorder reports;
        ScriptedParent parent;
        parent.takeOffer = takeOffer;
        parent.savePath = [](const QString&) { return QString(); };
        PlayedToAward played(kGuessColor);
        click(played.award, "Command1");
        QCOMPARE(parent.offers.size(), questions);
        QCOMPARE(reports.messages, QStringList());
        QCOMPARE(filesIn(m_home.filePath("Documents")), QStringList());
        QVERIFY(played.keptAwardAndScore());
    }

    // A folder that takes no file, even from root, is named; the award stays and a
    // second press saves where it can.
    void unwritableFolderIsNamed_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("why");
        QTest::newRow("a file, not a folder") << m_home.filePath("letter.txt") << ", because there is no such folder.";
        QTest::newRow("a system folder") << "/proc" << " (the computer said: ";
    }
    void unwritableFolderIsNamed()
    {
        QFETCH(QString, folder);
        QFETCH(QString, why);
        QFile letter(m_home.filePath("letter.txt"));
        QVERIFY(letter.open(QIODevice::WriteOnly) && letter.write("Dear parent") > 0);
        letter.close();
        ReportRecorder reports;
        ScriptedParent parent;
        parent.savePath = [&](const QString&) { return folder + "/award.pdf"; };
        PlayedToAward played(kMathTest);
        click(played.award, "Command1");
        QCOMPARE(reports.messages.size(), 1);
        const QString said = reports.messages[0];
        QVERIFY2(said.startsWith("The award was not saved: The file could not be saved in the folder " + folder + why)
                     && said.endsWith(" Nothing was saved. Choose another folder, such as your Documents folder, "
                                      "and try again."),
                 qPrintable(said));
        QVERIFY(played.keptAwardAndScore());

        parent.savePath = [&](const QString&) { return m_home.filePath("award.pdf"); };
        click(played.award, "Command1");
        QCOMPARE(pdfprobe::pageCount(m_home.filePath("award.pdf")), 1);
        QVERIFY(reports.messages.last().startsWith("The award was saved: "));
    }

    // With a printer one click prints, and nothing is asked.
    void workingPrinterAsksNothing()
    {
        setHasPrinter(true);
        const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
        if (printer.isNull() || !pdfprobe::output("lpstat", {"-v", printer.printerName()}).contains("cups-pdf:"))
            QSKIP("No PDF queue as default printer (scripts/print-queue.sh sets one up).");
        const QString out = pdfprobe::outputFolder();
        const QStringList before = QDir(out).entryList({"*.pdf"}, QDir::Files);
        ReportRecorder reports;
        ScriptedParent parent;
        PlayedToAward played(kGuessShape);
        click(played.award, "Command1");
        QCOMPARE(parent.offers, QStringList());
        QCOMPARE(reports.messages, QStringList());
        QStringList printed;
        QVERIFY(QTest::qWaitFor([&] {
            printed = QDir(out).entryList({"*.pdf"}, QDir::Files);
            for (const QString& file : before)
                printed.removeAll(file);
            return printed.size() == 1 && pdfprobe::jobDone(printer.printerName(), printed[0]);
        }, 60000));
        QCOMPARE(pdfprobe::pageCount(QDir(out).filePath(printed[0])), 1);
        QFile::remove(QDir(out).filePath(printed[0]));
        QVERIFY(played.keptAwardAndScore());
    }
};

QTEST_MAIN(TestAwardPdf)
#include "tst_awardpdf.moc"
