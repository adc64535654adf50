// Fit-to-page printing against a printer that measures in inches of its own unit.
#include "printfittedpicture.h"
#include "printablepicture.h"
#include "printersurface.h"

#include <QtTest>

using namespace sprout;

namespace {

// Units per inch: twips, pixels of a 300 dpi printer, millimetres, HIMETRIC.
const QMap<qint16, double> kUnitsPerInch{{PrinterSurface::kTwips, 1440.0}, {PrinterSurface::kDevicePixels, 300.0},
                                         {PrinterSurface::kMillimetres, 25.4}, {PrinterSurface::kHimetric, 2540.0}};

// Its page is given in inches for portrait; landscape swaps the sides. Each read
// of its unit takes the next code of the script, the last one staying.
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

} // namespace

class TestPrintFittedPicture : public QObject {
    Q_OBJECT

private slots:
    // Twips on a letter page of 8 x 11 inches: 11520 x 15840 upright. A refusal says
    // why and paints nothing. Upright fits on a real page are tst_qtprinteradapter's.
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
        QVERIFY(printer.orientation == orientation);
        QVERIFY(printer.painted.topLeft() == QPointF(0, 0));
        QVERIFY2(qAbs(printer.painted.width() - painted.width()) < 0.01 && qAbs(printer.painted.height() - painted.height()) < 0.01,
                 qPrintable(QDebug::toString(printer.painted.size())));
        QCOMPARE(printer.asked == 0, picture.isEmpty()); // a picture without size asks nothing
    }

    // A printer whose unit changes between conversions: the width is measured in
    // twips, the height in millimetres, and the picture drawn in 300 dpi pixels.
    void readsTheUnitForEveryConversion()
    {
        InchPrinter printer;
        printer.units = {1, 6, 3, 1};
        QVERIFY(PrintFittedPicture(printer, pictureOfSize({9102, 13361})).ok());
        QVERIFY(qAbs(printer.painted.height() - 11.0 * 300.0) < 0.01);
    }
};

QTEST_GUILESS_MAIN(TestPrintFittedPicture)
#include "tst_printfittedpicture.moc"
