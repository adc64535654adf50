// Fit-to-page printing against a printer that writes down every operation.
#include "module1.h"
#include "picture.h"
#include "printersurface.h"

#include <QtTest>

using namespace sprout;

namespace {

// Units per inch: twips, pixels of a 300 dpi printer, millimetres, HIMETRIC.
double unitsPerInch(qint16 unit)
{
    return unit == 1 ? 1440.0 : unit == 3 ? 300.0 : unit == 6 ? 25.4 : unit == 8 ? 2540.0 : 0.0;
}

// Its page is given in inches for portrait; landscape swaps the sides. Each read
// of its unit takes the next code of the script, the last one staying.
class RecordingPrinter : public PrinterSurface {
public:
    double pageWidth = 8.0, pageHeight = 11.0;
    QList<qint16> units{1};
    mutable QStringList calls;
    int orientation = 0;
    double paintedWidth = -1, paintedHeight = -1;

    void setOrientation(int code) override
    {
        orientation = code;
        calls << QStringLiteral("setOrientation %1").arg(code);
    }
    float scaleWidth() const override { return side("scaleWidth", orientation == kLandscape ? pageHeight : pageWidth); }
    float scaleHeight() const override { return side("scaleHeight", orientation == kLandscape ? pageWidth : pageHeight); }
    qint16 scaleMode() const override
    {
        calls << "scaleMode";
        return m_read < units.size() ? units[m_read++] : units.last();
    }
    float scaleX(float length, qint16 from, qint16 to) const override { return convert("scaleX", length, from, to); }
    float scaleY(float length, qint16 from, qint16 to) const override { return convert("scaleY", length, from, to); }
    void paintPicture(const Picture&, float left, float top, double width, double height) override
    {
        calls << QStringLiteral("paintPicture %1,%2").arg(left).arg(top);
        paintedWidth = width;
        paintedHeight = height;
    }
    PrintResult endDoc() override { return PrintResult::success(); }

private:
    float side(const char* name, double inches) const
    {
        calls << name;
        return float(inches * unitsPerInch(units[qMin(m_read, units.size() - 1)]));
    }
    float convert(const char* name, float length, qint16 from, qint16 to) const
    {
        calls << QStringLiteral("%1 %2>%3").arg(name).arg(from).arg(to);
        return float(double(length) * unitsPerInch(to) / unitsPerInch(from));
    }
    mutable qsizetype m_read = 0;
};

Picture pictureOfSize(int widthHimetric, int heightHimetric)
{
    return Picture(QImage(4, 4, QImage::Format_RGB32), widthHimetric, heightHimetric);
}

} // namespace

class TestPrintFittedPicture : public QObject {
    Q_OBJECT

private slots:
    void fitsToPage_data()
    {
        QTest::addColumn<QSize>("picture");   // HIMETRIC
        QTest::addColumn<QSizeF>("page");     // inches, upright
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QSizeF>("painted");  // in the printer's unit
        const QSizeF letter(8, 11);
        QTest::newRow("certificate: landscape, full width")
            << QSize(13361, 9102) << letter << 1 << 2 << QSizeF(15840, 10790.78515625);
        QTest::newRow("tall: portrait, full height")
            << QSize(9102, 13361) << letter << 1 << 1 << QSizeF(10790.78515625, 15840);
        QTest::newRow("square: portrait, full width") << QSize(4000, 4000) << letter << 1 << 1 << QSizeF(11520, 11520);
        QTest::newRow("a little wider: landscape, full height")
            << QSize(5001, 5000) << letter << 1 << 2 << QSizeF(11522.3046875, 11520);
        QTest::newRow("the page's own ratio: full width") << QSize(11000, 8000) << letter << 1 << 2 << QSizeF(15840, 11520);
        // The printer gets each length as a float, the ratio stays a double: had it
        // been a float too, the width would be 19755.556640625.
        QTest::newRow("rounding, full height") << QSize(7000, 9000) << QSizeF(10, 10) << 8 << 1
                                               << QSizeF(19755.5546875, 25400);
        QTest::newRow("rounding, full width") << QSize(3000, 1000) << QSizeF(10, 10) << 8 << 2
                                              << QSizeF(25400, 8466.6669921875);
    }
    void fitsToPage()
    {
        QFETCH(QSize, picture);
        QFETCH(QSizeF, page);
        QFETCH(int, unit);
        QFETCH(int, orientation);
        QFETCH(QSizeF, painted);
        RecordingPrinter printer;
        printer.pageWidth = page.width();
        printer.pageHeight = page.height();
        printer.units = {qint16(unit)};
        QVERIFY(PrintFittedPicture(printer, pictureOfSize(picture.width(), picture.height())).ok());
        QCOMPARE(printer.orientation, orientation);
        QCOMPARE(printer.calls.last(), QStringLiteral("paintPicture 0,0"));
        QCOMPARE(printer.paintedWidth, painted.width());
        QCOMPARE(printer.paintedHeight, painted.height());
    }

    void measuresAfterTurningAndReadsTheUnitForEveryConversion()
    {
        RecordingPrinter printer;
        printer.units = {1, 6, 3, 1};
        QVERIFY(PrintFittedPicture(printer, pictureOfSize(9102, 13361)).ok());
        QCOMPARE(printer.calls, (QStringList{"setOrientation 1", "scaleWidth", "scaleMode", "scaleX 1>8",
                                             "scaleHeight", "scaleMode", "scaleY 6>8", "scaleMode", "scaleY 8>3",
                                             "scaleMode", "scaleX 8>1", "paintPicture 0,0"}));
        // The height was measured in millimetres and drawn in pixels of 300 dpi: 11 in.
        QVERIFY(qAbs(printer.paintedHeight - 11.0 * 300.0) < 0.01);
    }

    void refusesWhatHasNoSize_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSizeF>("page");
        QTest::addColumn<QString>("message");
        QTest::newRow("picture without height") << QSize(13361, 0) << QSizeF(8, 11) << "nothing to print";
        QTest::newRow("picture without width") << QSize(0, 9102) << QSizeF(8, 11) << "nothing to print";
        QTest::newRow("page without height") << QSize(9102, 13361) << QSizeF(8, 0) << "no room to print";
        QTest::newRow("page without width") << QSize(9102, 13361) << QSizeF(0, 11) << "no room to print";
    }
    void refusesWhatHasNoSize()
    {
        QFETCH(QSize, picture);
        QFETCH(QSizeF, page);
        QFETCH(QString, message);
        RecordingPrinter printer;
        printer.pageWidth = page.width();
        printer.pageHeight = page.height();
        const PrintResult result = PrintFittedPicture(printer, pictureOfSize(picture.width(), picture.height()));
        QVERIFY(!result.ok());
        QVERIFY2(result.message().contains(message) && result.message().contains("othing was printed"),
                 qPrintable(result.message()));
        QVERIFY(!printer.calls.join(' ').contains("paintPicture"));
        QCOMPARE(printer.calls.isEmpty(), picture.isEmpty()); // a picture without size asks nothing
    }
};

QTEST_GUILESS_MAIN(TestPrintFittedPicture)
#include "tst_printfittedpicture.moc"
