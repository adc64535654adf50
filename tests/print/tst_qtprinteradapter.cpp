#include "certificate.h"
#include "module1.h"
#include "pdfprobe.h"
#include "picture.h"
#include "qtprinteradapter.h"

#include <QPrinter>
#include <QtTest>

using namespace sprout;

namespace {

// A4 with a different margin on every side, so that a picture drawn from the
// wrong corner or at the wrong size shows in the page.
constexpr double kPaperShort = 210.0;
constexpr double kPaperLong = 297.0;
const QMarginsF kMargins(15.0, 20.0, 25.0, 30.0); // left, top, right, bottom in mm

double mmToPoints(double mm)
{
    return mm * 72.0 / 25.4;
}

void preparePdfPrinter(QPrinter& printer, const QString& file)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(kMargins, QPageLayout::Millimeter);
}

} // namespace

class TestQtPrinterAdapter : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void convertsUnitsExactly_data();
    void convertsUnitsExactly();
    void measuresPrintableAreaInTwips();
    void printsFittedPictureToPdf_data();
    void printsFittedPictureToPdf();
    void reportsPrinterThatCannotStart();
    void printsNothingWhenPictureIsRefused();

private:
    QTemporaryDir m_dir;
};

void TestQtPrinterAdapter::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void TestQtPrinterAdapter::convertsUnitsExactly_data()
{
    QTest::addColumn<float>("length");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<float>("expected");
    QTest::newRow("inch of twips to HIMETRIC") << 1440.0f << 1 << 8 << 2540.0f;
    QTest::newRow("inch of HIMETRIC to twips") << 2540.0f << 8 << 1 << 1440.0f;
    QTest::newRow("A4 width, HIMETRIC to twips") << 21000.0f << 8 << 1 << float(21000.0 * 72 / 127);
    QTest::newRow("point to twips") << 72.0f << 2 << 1 << 1440.0f;
    QTest::newRow("inch to HIMETRIC") << 1.0f << 5 << 8 << 2540.0f;
    QTest::newRow("millimetre to HIMETRIC") << 10.0f << 6 << 8 << 1000.0f;
    QTest::newRow("centimetre to HIMETRIC") << 1.0f << 7 << 8 << 1000.0f;
    QTest::newRow("same unit") << 1234.5f << 8 << 8 << 1234.5f;
}

void TestQtPrinterAdapter::convertsUnitsExactly()
{
    QFETCH(float, length);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(float, expected);
    QPrinter printer(QPrinter::HighResolution);
    preparePdfPrinter(printer, m_dir.filePath(QStringLiteral("unused.pdf")));
    QtPrinterAdapter adapter(printer);
    QCOMPARE(adapter.scaleMode(), QtPrinterAdapter::kTwips);
    QCOMPARE(adapter.scaleX(length, qint16(from), qint16(to)), expected);
    QCOMPARE(adapter.scaleY(length, qint16(from), qint16(to)), expected);

    // The printer's own pixels: one inch of them is 1440 twips.
    QCOMPARE(adapter.scaleX(float(printer.resolution()), 3, 1), 1440.0f);
}

void TestQtPrinterAdapter::measuresPrintableAreaInTwips()
{
    QPrinter printer(QPrinter::HighResolution);
    preparePdfPrinter(printer, m_dir.filePath(QStringLiteral("unused.pdf")));
    QtPrinterAdapter adapter(printer);
    const double twipsPerMm = 1440.0 / 25.4;
    // Qt keeps the printable area in whole points, so it may be up to one point
    // (20 twips) off the margins, plus a device pixel.
    const double slack = 20.0 + 1440.0 / printer.resolution();

    adapter.setOrientation(PrinterSurface::kPortrait);
    QVERIFY(qAbs(adapter.scaleWidth() - (kPaperShort - 40.0) * twipsPerMm) <= slack);
    QVERIFY(qAbs(adapter.scaleHeight() - (kPaperLong - 50.0) * twipsPerMm) <= slack);

    adapter.setOrientation(PrinterSurface::kLandscape);
    QVERIFY(qAbs(adapter.scaleWidth() - (kPaperLong - 40.0) * twipsPerMm) <= slack);
    QVERIFY(qAbs(adapter.scaleHeight() - (kPaperShort - 50.0) * twipsPerMm) <= slack);
}

void TestQtPrinterAdapter::printsFittedPictureToPdf_data()
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

void TestQtPrinterAdapter::printsFittedPictureToPdf()
{
    QFETCH(QSize, pixels);
    QFETCH(bool, landscape);
    QFETCH(bool, fullWidth);
    if (!pdfprobe::toolsPresent())
        QFAIL("pdfinfo and pdftoppm (poppler-utils) are needed; scripts/print-queue.sh installs them");

    const QString file = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".pdf");
    {
        QPrinter printer(QPrinter::HighResolution);
        preparePdfPrinter(printer, file);
        QtPrinterAdapter adapter(printer);
        const PrintResult fitted =
            PrintFittedPicture(adapter, Picture::fromImage(testCertificate(pixels.width(),
                                                                           pixels.height())));
        QVERIFY2(fitted.ok(), qPrintable(fitted.message()));
        const PrintResult ended = adapter.endDoc();
        QVERIFY2(ended.ok(), qPrintable(ended.message()));
    }

    QCOMPARE(pdfprobe::pageCount(file), 1);
    const QSizeF page = pdfprobe::pageSize(file);
    const double pageLong = mmToPoints(kPaperLong);
    const double pageShort = mmToPoints(kPaperShort);
    const QSizeF expectedPage = landscape ? QSizeF(pageLong, pageShort) : QSizeF(pageShort, pageLong);
    QVERIFY2(qAbs(page.width() - expectedPage.width()) < 1.0
                 && qAbs(page.height() - expectedPage.height()) < 1.0,
             qPrintable(QStringLiteral("page %1 x %2 pt").arg(page.width()).arg(page.height())));

    // Where the picture must land, worked out from the paper and the margins.
    const double printableWidth = expectedPage.width() - mmToPoints(kMargins.left() + kMargins.right());
    const double printableHeight = expectedPage.height() - mmToPoints(kMargins.top() + kMargins.bottom());
    const double ratio = double(pixels.width()) / pixels.height();
    const QRectF expected(mmToPoints(kMargins.left()), mmToPoints(kMargins.top()),
                          fullWidth ? printableWidth : printableHeight * ratio,
                          fullWidth ? printableWidth / ratio : printableHeight);
    QVERIFY(expected.width() <= printableWidth + 0.01);
    QVERIFY(expected.height() <= printableHeight + 0.01);

    const int dpi = 144; // two pixels to the point
    const QImage rendered = pdfprobe::render(file, dpi);
    QVERIFY(!rendered.isNull());
    const QRect ink = pdfprobe::inkBounds(rendered);
    const QRectF drawn(ink.x() / 2.0, ink.y() / 2.0, ink.width() / 2.0, ink.height() / 2.0);
    const QString where = QStringLiteral("drawn %1,%2 %3 x %4 pt, expected %5,%6 %7 x %8 pt")
                              .arg(drawn.x()).arg(drawn.y()).arg(drawn.width()).arg(drawn.height())
                              .arg(expected.x()).arg(expected.y()).arg(expected.width())
                              .arg(expected.height());
    const double tolerance = 1.0;
    QVERIFY2(qAbs(drawn.left() - expected.left()) <= tolerance, qPrintable(where));
    QVERIFY2(qAbs(drawn.top() - expected.top()) <= tolerance, qPrintable(where));
    QVERIFY2(qAbs(drawn.width() - expected.width()) <= tolerance, qPrintable(where));
    QVERIFY2(qAbs(drawn.height() - expected.height()) <= tolerance, qPrintable(where));

    // Upright, not turned or mirrored: the sun stays in the top right corner.
    const QRect sun = pdfprobe::sunBounds(rendered);
    QVERIFY(!sun.isNull());
    QVERIFY(sun.center().x() > ink.center().x());
    QVERIFY(sun.center().y() < ink.center().y());
}

void TestQtPrinterAdapter::reportsPrinterThatCannotStart()
{
    // Qt only notices an unusable printer when drawing begins.
    const QString file = m_dir.filePath(QStringLiteral("no-such-folder/award.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    preparePdfPrinter(printer, file);
    QtPrinterAdapter adapter(printer);
    QVERIFY(PrintFittedPicture(adapter, Picture::fromImage(testCertificate())).ok());
    const PrintResult ended = adapter.endDoc();
    QVERIFY(!ended.ok());
    QVERIFY2(ended.message().startsWith(
                 QStringLiteral("The printer could not be started, so nothing was printed.")),
             qPrintable(ended.message()));
    QVERIFY(!QFile::exists(file));
}

void TestQtPrinterAdapter::printsNothingWhenPictureIsRefused()
{
    const QString file = m_dir.filePath(QStringLiteral("refused.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    preparePdfPrinter(printer, file);
    QtPrinterAdapter adapter(printer);
    const Picture flat(QImage(10, 1, QImage::Format_RGB32), 264, 0);
    QVERIFY(!PrintFittedPicture(adapter, flat).ok());
    QVERIFY(adapter.endDoc().ok()); // nothing was started, so nothing to end
    QVERIFY(!QFile::exists(file));
}

QTEST_MAIN(TestQtPrinterAdapter)
#include "tst_qtprinteradapter.moc"
