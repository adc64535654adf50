// Fit-to-page printing: on a printer that measures in inches of its own unit, on a
// real QPrinter writing PDF files read back as pictures, and through the machine's
// real print queue, the default CUPS printer that scripts/print-queue.sh sets up.
#include "defaultprinter.h"
#include "pdfprobe.h"
#include "printablepicture.h"
#include "printersurface.h"
#include "printfittedpicture.h"
#include "qtprinteradapter.h"

#include <QPrinter>
#include <QtTest>

using namespace sprout;
using pdfprobe::testCertificate;

namespace {

// Units per inch: twips, pixels of a 300 dpi printer, millimetres, HIMETRIC.
const QMap<qint16, double> kUnitsPerInch{{PrinterSurface::kTwips, 1440.0}, {PrinterSurface::kDevicePixels, 300.0},
                                         {PrinterSurface::kMillimetres, 25.4}, {PrinterSurface::kHimetric, 2540.0}};

// Its page is in inches for portrait; each read of its unit takes the next code of `units`.
class InchPrinter : public PrinterSurface {
public:
    double pageWidth = 8.0, pageHeight = 11.0;
    QList<qint16> units{kTwips};
    int orientation = 0;
    mutable int asked = 0;
    QRectF painted;

    void setOrientation(int code) override { orientation = code; }
    float scaleWidth() const override { return side(orientation == kLandscape ? pageHeight : pageWidth); }
    float scaleHeight() const override { return side(orientation == kLandscape ? pageWidth : pageHeight); }
    qint16 scaleMode() const override { return ++asked, m_read < units.size() ? units[m_read++] : units.last(); }
    float scaleX(float length, qint16 from, qint16 to) const override
    {
        return ++asked, float(double(length) * kUnitsPerInch[to] / kUnitsPerInch[from]);
    }
    float scaleY(float length, qint16 from, qint16 to) const override { return scaleX(length, from, to); }
    void paintPicture(const PrintablePicture&, float left, float top, double width, double height) override { painted = QRectF(left, top, width, height); }
    PrintResult endDoc() override { return PrintResult::success(); }

private:
    float side(double inches) const { return float(inches * kUnitsPerInch[units[qMin(m_read, units.size() - 1)]]); }
    mutable qsizetype m_read = 0;
};

PrintablePicture pictureOfSize(QSize himetric) { return PrintablePicture(QImage(4, 4, QImage::Format_RGB32), himetric.width(), himetric.height()); }

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
    // Twips on a letter page of 8 x 11 inches: 11520 x 15840 upright.
    void fitsToPage_data()
    {
        QTest::addColumn<QSize>("picture"); // HIMETRIC
        QTest::addColumn<QSizeF>("page"); // inches
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QSizeF>("painted");
        QTest::addColumn<QString>("refusal");
        const QSizeF letter(8, 11);
        QTest::newRow("certificate: landscape, full width") << QSize(13361, 9102) << letter << 2 << QSizeF(15840, 15840 * 9102 / 13361.0) << "";
        QTest::newRow("a little wider: landscape, full height") << QSize(5001, 5000) << letter << 2 << QSizeF(11520 * 1.0002, 11520) << "";
        QTest::newRow("the page's own ratio: full width") << QSize(11000, 8000) << letter << 2 << QSizeF(15840, 11520) << "";
        QTest::newRow("picture without height") << QSize(13361, 0) << letter << 0 << QSizeF(0, 0) << "nothing to print";
        QTest::newRow("picture without width") << QSize(0, 9102) << letter << 0 << QSizeF(0, 0) << "nothing to print";
        QTest::newRow("page without height") << QSize(9102, 13361) << QSizeF(8, 0) << 1 << QSizeF(0, 0) << "no room to print";
        QTest::newRow("page without width") << QSize(9102, 13361) << QSizeF(0, 11) << 1 << QSizeF(0, 0) << "no room to print";
    }
    void fitsToPage()
    {
        QFETCH(QSize, picture);
        QFETCH(QSizeF, page);
        QFETCH(int, orientation);
        QFETCH(QSizeF, painted);
        QFETCH(QString, refusal);
        InchPrinter printer;
        std::tie(printer.pageWidth, printer.pageHeight) = std::pair(page.width(), page.height());
        const PrintResult result = PrintFittedPicture(printer, pictureOfSize(picture));
        QVERIFY2(refusal.isEmpty() ? result.ok() : result.message().contains(refusal) && result.message().contains("othing was printed"),
                 qPrintable(result.message()));
        QCOMPARE(printer.orientation, orientation);
        QCOMPARE(printer.painted.topLeft(), QPointF(0, 0));
        QVERIFY2(qAbs(printer.painted.width() - painted.width()) < 0.01 && qAbs(printer.painted.height() - painted.height()) < 0.01,
                 qPrintable(QDebug::toString(printer.painted.size())));
        QCOMPARE(printer.asked == 0, picture.isEmpty()); // a picture without size asks nothing
    }

    // Its unit changes between conversions: width in twips, height in millimetres, picture in 300 dpi pixels.
    void readsTheUnitForEveryConversion()
    {
        InchPrinter printer;
        printer.units = {1, 6, 3, 1};
        QVERIFY(PrintFittedPicture(printer, pictureOfSize({9102, 13361})).ok());
        QVERIFY(qAbs(printer.painted.height() - 11.0 * 300.0) < 0.01);
    }

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
        QVERIFY(!QFile::exists(unwritable));
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
        QSet<QString> seen;
        const QStringList files = pdfprobe::newPages(queue, title + "*.pdf", seen, 1);
        QCOMPARE(files.size(), 1);
        QFile::remove(files.first());
    }
};

QTEST_MAIN(TestPrintFittedPicture)
#include "tst_printfittedpicture.moc"
