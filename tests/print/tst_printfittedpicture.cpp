// Fit-to-page printing into PDF files read back as pictures, and through real CUPS queues.
#include "defaultprinter.h"
#include "pdfprobe.h"
#include "printablepicture.h"
#include "printfittedpicture.h"
#include "qtprinteradapter.h"

#include <QPrinter>
#include <QtTest>

using namespace sprout;
using pdfprobe::testCertificate;

namespace {

// A4 with a different margin on every side, so that a picture drawn from the wrong
// corner or at the wrong size shows in the page.
const QMarginsF kMargins(15.0, 20.0, 25.0, 30.0); // left, top, right, bottom in mm
constexpr double kPointsPerMm = 72.0 / 25.4;

PrintResult printToPdf(const QString& file, const PrintablePicture& picture, bool* fitted)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(kMargins, QPageLayout::Millimeter);
    QtPrinterAdapter adapter(printer);
    *fitted = PrintFittedPicture(adapter, picture).ok();
    return adapter.endDoc();
}

} // namespace

class TestPrintFittedPicture : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void printsFittedPictureToPdf_data()
    {
        QTest::addColumn<QSize>("pixels");
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<bool>("fullWidth");
        // Printable area: 257 x 160 mm in landscape (1.61 : 1), 170 x 247 mm upright.
        QTest::newRow("certificate: landscape, full height") << QSize(505, 344) << true << false;
        QTest::newRow("banner: landscape, full width") << QSize(900, 300) << true << true;
        QTest::newRow("tall: portrait, full height") << QSize(344, 505) << false << false;
        QTest::newRow("square: portrait, full width") << QSize(400, 400) << false << true;
    }
    void printsFittedPictureToPdf()
    {
        QFETCH(QSize, pixels);
        QFETCH(bool, landscape);
        QFETCH(bool, fullWidth);
        QVERIFY2(pdfprobe::toolsPresent(), "pdfinfo and pdftoppm (poppler-utils) are needed");
        const QString file = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".pdf");
        bool fitted = false;
        const PrintResult ended = printToPdf(file, PrintablePicture::fromImage(testCertificate(pixels.width(), pixels.height())), &fitted);
        QVERIFY2(fitted && ended.ok(), qPrintable(ended.message()));
        QCOMPARE(pdfprobe::pageCount(file), 1);
        const QImage page = pdfprobe::render(file, 144); // two pixels to the point
        QCOMPARE(page.width() > page.height(), landscape);

        const double width = page.width() / 2.0 - (kMargins.left() + kMargins.right()) * kPointsPerMm;
        const double height = page.height() / 2.0 - (kMargins.top() + kMargins.bottom()) * kPointsPerMm;
        const double ratio = double(pixels.width()) / pixels.height();
        const QRectF expected(kMargins.left() * kPointsPerMm, kMargins.top() * kPointsPerMm,
                              fullWidth ? width : height * ratio, fullWidth ? width / ratio : height);
        const QRect ink = pdfprobe::inkBounds(page);
        const QRectF drawn(ink.x() / 2.0, ink.y() / 2.0, ink.width() / 2.0, ink.height() / 2.0);
        QVERIFY2(qAbs(drawn.left() - expected.left()) <= 1 && qAbs(drawn.top() - expected.top()) <= 1
                     && qAbs(drawn.right() - expected.right()) <= 1 && qAbs(drawn.bottom() - expected.bottom()) <= 1,
                 qPrintable(QDebug::toString(drawn) + " drawn, expected " + QDebug::toString(expected)));
        // Upright, not turned or mirrored: the sun stays in the top right corner.
        const QRect sun = pdfprobe::sunBounds(page);
        QCOMPARE_GT(sun.center().x(), ink.center().x());
        QCOMPARE_LT(sun.center().y(), ink.center().y());
    }

    void printsNothingOnFailure()
    {
        // Qt only notices an unusable printer when drawing begins.
        const QString unwritable = m_dir.filePath("no-such-folder/award.pdf");
        bool fitted = false;
        const PrintResult ended = printToPdf(unwritable, PrintablePicture::fromImage(testCertificate()), &fitted);
        QVERIFY(fitted);
        QVERIFY2(ended.message().startsWith("The printer could not be started, so nothing was printed."), qPrintable(ended.message()));
        // A picture without size starts nothing, so there is nothing to end.
        const QString refused = m_dir.filePath("refused.pdf");
        QVERIFY(printToPdf(refused, PrintablePicture(QImage(10, 1, QImage::Format_RGB32), 264, 0), &fitted).ok());
        QVERIFY(!fitted);
        QVERIFY(!QFile::exists(refused));
    }

    // Qt hands the job to CUPS and does not look at the answer: a queue of our own
    // that refuses jobs shows whether the adapter does.
    void reportsQueueThatRefusesJobsThenPrints()
    {
        const QString queue = pdfprobe::pdfQueue();
        const QString refusing = QStringLiteral("Sproutkin_Refusing_%1").arg(QCoreApplication::applicationPid());
        const bool ready = !queue.isEmpty() && pdfprobe::toolsPresent()
            && QProcess::execute("lpadmin", {"-p", refusing, "-v", "cups-pdf:/", "-P", "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"}) == 0;
        if (!ready && qgetenv("CI") == "true")
            QFAIL("Needs the PDF queue of scripts/print-queue.sh as default printer, poppler-utils and lpadmin rights.");
        if (!ready)
            QSKIP("Needs the PDF queue of scripts/print-queue.sh as default printer, poppler-utils and lpadmin rights.");
        const auto removeQueue = qScopeGuard([&] { QProcess::execute("lpadmin", {"-x", refusing}); });
        QCOMPARE(QProcess::execute("cupsreject", {refusing}), 0);
        const QString title = QStringLiteral("%1-%2").arg(refusing.toLower()).arg(QDateTime::currentMSecsSinceEpoch());
        {
            QPrinter printer(QPrinterInfo::printerInfo(refusing), QPrinter::HighResolution);
            printer.setDocName(title);
            QtPrinterAdapter adapter(printer);
            QVERIFY(PrintFittedPicture(adapter, PrintablePicture::fromImage(testCertificate())).ok());
            const PrintResult result = adapter.endDoc();
            QVERIFY2(result.message().startsWith("The printer did not take the page, so nothing was printed. Check that "
                                                 "the printer is switched on and ready to print, then try again."),
                     qPrintable(result.message()));
        }
        const PrintResult again = printOnDefaultPrinter(testCertificate(), title);
        QVERIFY2(again.ok(), qPrintable(again.message()));
        const QString file = pdfprobe::printedFile(queue, title);
        QVERIFY2(!file.isEmpty(), "no page came out of the PDF queue");
        QFile::remove(file);
    }
};

QTEST_MAIN(TestPrintFittedPicture)
#include "tst_printfittedpicture.moc"
