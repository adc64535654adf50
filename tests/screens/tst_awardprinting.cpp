// "Print Award" on a real award screen through the machine's real print queue: the
// default CUPS printer, which scripts/print-queue.sh sets up to write PDF files.
#include "../print/pdfprobe.h"
#include "awardscreen.h"
#include "quiztesting.h"

using namespace sprout;
using namespace sprout::testing;

class TestAwardPrinting : public QObject {
    Q_OBJECT
    QString m_queue;
    QSet<QString> m_seen;

private slots:
    void initTestCase()
    {
        m_queue = pdfprobe::pdfQueue();
        if (m_queue.isEmpty() && qgetenv("CI") == "true")
            QFAIL("The default printer is no PDF queue: scripts/print-queue.sh should have set one up.");
        if (m_queue.isEmpty())
            QSKIP("No PDF queue as default printer (scripts/print-queue.sh sets one up).");
        QVERIFY2(pdfprobe::toolsPresent(), "pdfinfo and pdftoppm (poppler-utils) are needed");
        for (const QFileInfo& entry : QDir(pdfprobe::outputFolder()).entryInfoList({"*.pdf"}, QDir::Files))
            m_seen.insert(entry.absoluteFilePath());
    }

    // Each press, here by the space bar on "Print Award", prints one page of the
    // file as it is then, not the built-in certificate, and shows it in the box.
    void eachPressPrintsTheFileAsItIsThen()
    {
        ScreenRegistry registry(createScreen);
        ReportRecorder reports;
        Screen& award = shown(registry, ScreenId::awardshape);
        QTemporaryDir folder;
        registry.reference<AwardScreen>(ScreenId::awardshape).setPictureFolder(folder.path());
        for (const QColor colour : {QColor(30, 160, 60), QColor(200, 40, 160)}) {
            QImage card(505, 344, QImage::Format_RGB32);
            card.fill(colour);
            QVERIFY(card.convertToFormat(QImage::Format_RGB888).save(folder.filePath("shapesaward.bmp"), "BMP"));
            QTest::keyClick(award.window()->focusWidget(), Qt::Key_Space);
            QCOMPARE(reports.messages, QStringList());
            QCOMPARE(comparable(award.control<QLabel>("Picture1")->pixmap().toImage()), card);
            const QStringList pages = pdfprobe::newPages(m_queue, "Sproutkin_award*.pdf", m_seen, 1);
            QCOMPARE(pages.size(), 1);
            QCOMPARE(pdfprobe::pageCount(pages[0]), 1);
            const QImage page = pdfprobe::render(pages[0], 36);
            QFile::remove(pages[0]);
            const QColor middle = page.pixelColor(pdfprobe::inkBounds(page).center());
            QVERIFY2(qAbs(middle.red() - colour.red()) + qAbs(middle.green() - colour.green()) + qAbs(middle.blue() - colour.blue()) < 30,
                     qPrintable(middle.name()));
        }
        QVERIFY(award.isVisible());
    }
};

QTEST_MAIN(TestAwardPrinting)
#include "tst_awardprinting.moc"
