// The award screens without a printer, where "Print Award" offers to save a PDF; a
// parent's answers come from a script.
#include "../print/pdfprobe.h"
#include "awardscreen.h"
#include "quiztesting.h"
#include "savedialog.h"

using namespace sprout;
using namespace sprout::testing;

namespace {

const QString kNoPrinter = "The award was not printed: No printer is set up on this computer, so "
                           "nothing was printed. Set up a printer in the computer's printer settings, "
                           "then try printing again.";
const QString kOffer = kNoPrinter + " [Save as PDF...]";
const QString kAskWhere = "Save the award as a PDF PDF files (*.pdf)";
const QString kSavedSaid = "The award was saved. The message on the screen says where to find it.";

QImage shownIn(Screen& award) { return comparable(award.control<QLabel>("Picture1")->pixmap().toImage()); }

// Answers the offer and the save dialog ("" cancels), and notes what was asked.
struct ScriptedParent {
    QStringList asked;
    ScriptedParent(bool takeOffer, const QString& savePath) // null: the path suggested
    {
        ErrorReporter::setChooser([this, takeOffer](const QString& title, const QString& text, const QString& offer) {
            asked << title + ": " + text + " [" + offer + "]";
            return takeOffer;
        });
        SaveDialog::setAnswer([this, savePath](const QString& caption, const QString& path, const QString& filter) {
            asked << caption + " " + filter;
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

class TestAwards : public QObject {
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

    // The space bar, as soon as an award comes up, every time, presses its first button;
    // the picture takes no click.
    void spaceBarAndPicture()
    {
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
            QVERIFY(award.isVisible());
            QCOMPARE(shownIn(award), certificate);
            QCOMPARE(reports.messages.size(), prints ? 2 : 0);
        }
    }

    // An unreadable award file is named and prints nothing; the next press reads it
    // afresh and puts that picture, not the built-in certificate, on the page.
    void unreadableAwardFile()
    {
        ScreenRegistry registry(createScreen);
        ReportRecorder reports;
        Screen& screen = shown(registry, ScreenId::awardcolor);
        QTemporaryDir folder;
        registry.reference<AwardScreen>(ScreenId::awardcolor).setPictureFolder(folder.path());
        const QImage design = shownIn(screen);
        click(screen, "Command1");
        QCOMPARE(reports.messages.size(), 1);
        const QString told = reports.messages[0];
        QVERIFY2(told.startsWith("A picture cannot be read: ") && told.contains("coloraward.bmp")
                     && told.endsWith("The award was not printed; everything else goes on working."),
                 qPrintable(told));
        QCOMPARE(shownIn(screen), design);
        QVERIFY(screen.isVisible());
        QImage card(505, 344, QImage::Format_RGB32);
        card.fill(Qt::magenta);
        QVERIFY(card.convertToFormat(QImage::Format_RGB888).save(folder.filePath("coloraward.bmp"), "BMP"));
        ScriptedParent parent(true, folder.filePath("award.pdf"));
        click(screen, "Command1");
        QCOMPARE(parent.asked, QStringList({kOffer, kAskWhere})); // read, then on to the printer
        const QImage page = pdfprobe::render(folder.filePath("award.pdf"), 36);
        const QColor middle = page.pixelColor(pdfprobe::inkBounds(page).center());
        QVERIFY2(255 - middle.red() + middle.green() + 255 - middle.blue() < 30, qPrintable(middle.name()));
    }

    // Saved in Documents, or home, under a name not yet taken, as one landscape page; or nothing
    // written and a refusing folder named. A double click is one press; messages are read aloud.
    void printAwardWithoutPrinter_data()
    {
        QTest::addColumn<ScreenId>("award");
        QTest::addColumn<QString>("savedBefore"); // in home, with the folders it lies in
        QTest::addColumn<bool>("takeOffer");
        QTest::addColumn<QString>("savePath"); // null: the one suggested
        QTest::addColumn<QString>("told"); // the file saved, or the start of why not
        const QString letter = "Documents/letter.txt", award = "Documents/Sproutkin award - ";
        const QString notAFolder = m_home.filePath(letter);
        QTest::newRow("colors") << ScreenId::awardcolor << letter << true << QString() << award + "colors.pdf";
        QTest::newRow("shapes again") << ScreenId::awardshape << award + "shapes.pdf" << true << QString()
                                      << award + "shapes (2).pdf";
        QTest::newRow("no Documents") << ScreenId::awardword << "letter.txt" << true << QString()
                                      << "Sproutkin award - spelling.pdf";
        QTest::newRow("OK") << ScreenId::awardmath << letter << false << "" << "";
        QTest::newRow("Cancel") << ScreenId::awardmath << letter << true << "" << "";
        QTest::newRow("a file, not a folder") << ScreenId::awardmath << letter << true << notAFolder + "/award.pdf"
                                              << "The file could not be saved in the folder " + notAFolder
                                                     + ", because there is no such folder.";
        QTest::newRow("a system folder") << ScreenId::awardmath << letter << true << "/proc/award.pdf"
                                         << "The file could not be saved in the folder /proc (the computer said: ";
    }
    void printAwardWithoutPrinter()
    {
        QFETCH(ScreenId, award);
        QFETCH(QString, savedBefore);
        QFETCH(bool, takeOffer);
        QFETCH(QString, savePath);
        QFETCH(QString, told);
        QDir(m_home.path()).removeRecursively();
        QVERIFY(QDir(m_home.path()).mkpath(QFileInfo(savedBefore).path()));
        QFile before(m_home.filePath(savedBefore));
        QVERIFY(before.open(QIODevice::WriteOnly));
        QVERIFY(before.write("last week's") > 0);
        before.close();
        ReportRecorder reports;
        ScriptedParent parent(takeOffer, savePath);
        ScreenRegistry registry(createScreen);
        Screen& screen = shown(registry, award);
        QCoreApplication::processEvents(); // its arrival said
        m_speaker->forget();
        doubleClick(screen.control("Command1"));

        QCOMPARE(parent.asked, takeOffer ? QStringList({kOffer, kAskWhere}) : QStringList(kOffer));
        QVERIFY(screen.isVisible());
        QVERIFY(before.open(QIODevice::ReadOnly));
        QCOMPARE(before.readAll(), QByteArray("last week's"));
        QCOMPARE(m_speaker->said.count(kNoPrinter.section(": ", 1)), 1);
        QCOMPARE(m_speaker->said.contains(kSavedSaid), told.endsWith(".pdf"));
        QCOMPARE(m_speaker->saying, QString());
        if (!told.endsWith(".pdf")) {
            QCOMPARE(reports.messages.size(), told.isEmpty() ? 0 : 1);
            const QString endsWith = " Nothing was saved. Choose another folder, such as your Documents folder, and try again.";
            QVERIFY2(told.isEmpty() || (reports.messages[0].startsWith("The award was not saved: " + told)
                                        && reports.messages[0].endsWith(endsWith)),
                     qPrintable(reports.messages.value(0)));
            QCOMPARE(QDir(m_home.filePath("Documents")).entryList(QDir::Files | QDir::Hidden), QStringList("letter.txt"));
            return;
        }
        const QFileInfo saved(m_home.filePath(told));
        QCOMPARE(reports.messages, QStringList("The award was saved: The award was saved as \"" + saved.fileName()
                                               + "\" in this folder:\n" + saved.absolutePath()
                                               + "\n\nOpen it from there to look at it, or print it on a "
                                                 "computer that has a printer."));
        QCOMPARE(pdfprobe::pageCount(saved.filePath()), 1);
        const QImage page = pdfprobe::render(saved.filePath(), 72);
        const QRect ink = pdfprobe::inkBounds(page);
        QVERIFY2(page.width() > page.height() && ink.width() > page.width() * 0.9, "not spanning a landscape page");
        QVERIFY2(qAbs(ink.left() - (page.width() - 1 - ink.right())) <= 2, "unequal margins left and right");
        // The page is the award's own file: of the four, the one it lies nearest.
        const QImage printed = comparable(page.copy(ink)).scaled(505, 344, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QMap<double, ScreenId> nearest; // every award file is 505 x 344
        for (auto [id, file] : {std::pair(ScreenId::awardcolor, "coloraward"), {ScreenId::awardshape, "shapesaward"},
                                {ScreenId::awardword, "wordsaward"}, {ScreenId::awardmath, "mathaward"}})
            nearest.insert(meanDifference(printed, comparable(QImage(programFilePath(QString("\\") + file + ".bmp")))), id);
        QCOMPARE(QString(screenName(nearest.first())), QString(screenName(award)));
    }
};

QTEST_MAIN(TestAwards)
#include "tst_awards.moc"
