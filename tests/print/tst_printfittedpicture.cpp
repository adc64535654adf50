#include "module1.h"
#include "picture.h"
#include "printersurface.h"

#include <QtTest>

#include <vector>

using namespace sprout;

namespace {

// Units per inch of the unit codes the fake understands.
double unitsPerInch(qint16 unit)
{
    switch (unit) {
    case 1: return 1440.0; // twips
    case 3: return 300.0;  // pixels of a 300 dpi printer
    case 6: return 25.4;   // millimetres
    case 7: return 2.54;   // centimetres
    case 8: return 2540.0; // HIMETRIC
    default: return 0.0;
    }
}

// A printer that writes down every operation asked of it. Its page is given in
// inches for portrait; landscape swaps the sides. Each read of its unit takes
// the next code from a script, so a test can change the unit between calls.
class RecordingPrinter : public PrinterSurface {
public:
    struct Call {
        QString name;
        double length = 0;
        qint16 fromUnit = 0;
        qint16 toUnit = 0;
    };

    double pageWidthInches = 8.0;
    double pageHeightInches = 11.0;
    std::vector<qint16> unitScript{1};

    mutable std::vector<Call> calls;
    int orientation = 0;
    double paintedLeft = -1, paintedTop = -1, paintedWidth = -1, paintedHeight = -1;
    int paintCount = 0;

    void setOrientation(int code) override
    {
        orientation = code;
        calls.push_back({QStringLiteral("setOrientation"), double(code)});
    }
    float scaleWidth() const override
    {
        calls.push_back({QStringLiteral("scaleWidth")});
        return float(printableWidthInches() * unitsPerInch(currentUnit()));
    }
    float scaleHeight() const override
    {
        calls.push_back({QStringLiteral("scaleHeight")});
        return float(printableHeightInches() * unitsPerInch(currentUnit()));
    }
    qint16 scaleMode() const override
    {
        calls.push_back({QStringLiteral("scaleMode")});
        const qint16 unit = currentUnit();
        if (m_nextUnit + 1 < unitScript.size())
            ++m_nextUnit;
        m_reportedUnit = unit;
        return unit;
    }
    float scaleX(float length, qint16 from, qint16 to) const override
    {
        calls.push_back({QStringLiteral("scaleX"), length, from, to});
        return float(double(length) * unitsPerInch(to) / unitsPerInch(from));
    }
    float scaleY(float length, qint16 from, qint16 to) const override
    {
        calls.push_back({QStringLiteral("scaleY"), length, from, to});
        return float(double(length) * unitsPerInch(to) / unitsPerInch(from));
    }
    void paintPicture(const Picture&, float left, float top, double width, double height) override
    {
        calls.push_back({QStringLiteral("paintPicture")});
        paintedLeft = left;
        paintedTop = top;
        paintedWidth = width;
        paintedHeight = height;
        ++paintCount;
    }
    PrintResult endDoc() override { return PrintResult::success(); }

    QStringList callNames() const
    {
        QStringList names;
        for (const Call& call : calls)
            names << call.name;
        return names;
    }
    // The side converted back from HIMETRIC first (the third conversion, after
    // measuring width and height) tells the branch taken.
    QString branch() const
    {
        int conversions = 0;
        for (const Call& call : calls) {
            if (call.name != QLatin1String("scaleX") && call.name != QLatin1String("scaleY"))
                continue;
            if (++conversions == 3)
                return call.name == QLatin1String("scaleX") ? QStringLiteral("width")
                                                             : QStringLiteral("height");
        }
        return QString();
    }

private:
    qint16 currentUnit() const { return unitScript.at(m_nextUnit); }
    double printableWidthInches() const
    {
        return orientation == kLandscape ? pageHeightInches : pageWidthInches;
    }
    double printableHeightInches() const
    {
        return orientation == kLandscape ? pageWidthInches : pageHeightInches;
    }

    mutable size_t m_nextUnit = 0;
    mutable qint16 m_reportedUnit = 0;
};

Picture pictureOfSize(int widthHimetric, int heightHimetric)
{
    return Picture(QImage(4, 4, QImage::Format_RGB32), widthHimetric, heightHimetric);
}

} // namespace

class TestPrintFittedPicture : public QObject {
    Q_OBJECT

private slots:
    void orientationFollowsShape_data();
    void orientationFollowsShape();
    void fitsToPage_data();
    void fitsToPage();
    void operationsComeInOrder_data();
    void operationsComeInOrder();
    void readsUnitAfreshForEveryConversion();
    void roundsLengthsToSinglePrecision();
    void refusesPictureWithoutSize_data();
    void refusesPictureWithoutSize();
    void refusesPageWithoutRoom_data();
    void refusesPageWithoutRoom();
};

void TestPrintFittedPicture::orientationFollowsShape_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("orientation");
    QTest::newRow("certificate 505 x 344 px") << 13361 << 9102 << 2;
    QTest::newRow("tall") << 9102 << 13361 << 1;
    QTest::newRow("square") << 5000 << 5000 << 1;
    QTest::newRow("one wider") << 5001 << 5000 << 2;
    QTest::newRow("one taller") << 5000 << 5001 << 1;
}

void TestPrintFittedPicture::orientationFollowsShape()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, orientation);
    RecordingPrinter printer;
    QVERIFY(PrintFittedPicture(printer, pictureOfSize(width, height)).ok());
    QCOMPARE(printer.calls.front().name, QStringLiteral("setOrientation"));
    QCOMPARE(printer.orientation, orientation);
}

void TestPrintFittedPicture::fitsToPage_data()
{
    // The printer's unit is twips; the page is 8 x 11 inches, turned for landscape.
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QString>("branch");
    QTest::addColumn<double>("outWidth");
    QTest::addColumn<double>("outHeight");
    QTest::newRow("certificate, landscape, full width")
        << 13361 << 9102 << "width" << 15840.0 << 10790.785;
    QTest::newRow("tall, portrait, full height")
        << 9102 << 13361 << "height" << 10790.785 << 15840.0;
    QTest::newRow("square, portrait, full width") << 4000 << 4000 << "width" << 11520.0 << 11520.0;
    QTest::newRow("a little wider, landscape, full height")
        << 1200 << 1000 << "height" << 13824.0 << 11520.0;
    QTest::newRow("a little taller, portrait, full width")
        << 1000 << 1100 << "width" << 11520.0 << 12672.0;
    // 11 x 8 inches is exactly 11 : 8, as is this picture; the tie goes to the width.
    QTest::newRow("same ratio as page") << 11000 << 8000 << "width" << 15840.0 << 11520.0;
}

void TestPrintFittedPicture::fitsToPage()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QString, branch);
    QFETCH(double, outWidth);
    QFETCH(double, outHeight);
    RecordingPrinter printer;
    QVERIFY(PrintFittedPicture(printer, pictureOfSize(width, height)).ok());
    QCOMPARE(printer.paintCount, 1);
    QCOMPARE(printer.branch(), branch);
    QCOMPARE(printer.paintedLeft, 0.0);
    QCOMPARE(printer.paintedTop, 0.0);
    QVERIFY2(qAbs(printer.paintedWidth - outWidth) < 0.001,
             qPrintable(QString::number(printer.paintedWidth, 'f', 4)));
    QVERIFY2(qAbs(printer.paintedHeight - outHeight) < 0.001,
             qPrintable(QString::number(printer.paintedHeight, 'f', 4)));
}

void TestPrintFittedPicture::operationsComeInOrder_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QStringList>("calls");
    const QStringList measure{"setOrientation", "scaleWidth", "scaleMode", "scaleX",
                              "scaleHeight", "scaleMode", "scaleY"};
    QTest::newRow("fit to width")
        << 13361 << 9102
        << measure + QStringList{"scaleMode", "scaleX", "scaleMode", "scaleY", "paintPicture"};
    QTest::newRow("fit to height")
        << 9102 << 13361
        << measure + QStringList{"scaleMode", "scaleY", "scaleMode", "scaleX", "paintPicture"};
}

void TestPrintFittedPicture::operationsComeInOrder()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QStringList, calls);
    RecordingPrinter printer;
    QVERIFY(PrintFittedPicture(printer, pictureOfSize(width, height)).ok());
    QCOMPARE(printer.callNames(), calls);
    // Measuring converts into HIMETRIC, sizing converts back out of it.
    QCOMPARE(printer.calls[3].toUnit, PrinterSurface::kHimetric);
    QCOMPARE(printer.calls[6].toUnit, PrinterSurface::kHimetric);
    QCOMPARE(printer.calls[8].fromUnit, PrinterSurface::kHimetric);
    QCOMPARE(printer.calls[10].fromUnit, PrinterSurface::kHimetric);
}

void TestPrintFittedPicture::readsUnitAfreshForEveryConversion()
{
    RecordingPrinter printer;
    printer.unitScript = {1, 6, 3, 7};
    QVERIFY(PrintFittedPicture(printer, pictureOfSize(13361, 9102)).ok());

    std::vector<qint16> printerSides;
    for (const auto& call : printer.calls) {
        if (call.name == QLatin1String("scaleX") || call.name == QLatin1String("scaleY"))
            printerSides.push_back(call.fromUnit == PrinterSurface::kHimetric ? call.toUnit
                                                                              : call.fromUnit);
    }
    QCOMPARE(printerSides, (std::vector<qint16>{1, 6, 3, 7}));

    // The width was measured in twips and drawn in pixels of 300 dpi: 11 in.
    QVERIFY(qAbs(printer.paintedWidth - 11.0 * 300.0) < 0.01);
}

void TestPrintFittedPicture::roundsLengthsToSinglePrecision()
{
    // In HIMETRIC throughout, so only the rounding changes the numbers. A 7 : 9
    // picture on a 10 x 10 inch page fits the height; its width, 25400 * 7 / 9
    // = 19755.5555..., reaches the printer as the float 19755.5546875. Had the
    // ratio been kept in single precision too, it would be 19755.556640625.
    RecordingPrinter printer;
    printer.unitScript = {8};
    printer.pageWidthInches = 10.0;
    printer.pageHeightInches = 10.0;
    QVERIFY(PrintFittedPicture(printer, pictureOfSize(7000, 9000)).ok());
    QCOMPARE(printer.branch(), QStringLiteral("height"));
    QCOMPARE(printer.paintedHeight, 25400.0);
    QCOMPARE(printer.paintedWidth, 19755.5546875);

    // The fit-to-width side likewise: 25400 / 3 handed over as a float.
    RecordingPrinter wide;
    wide.unitScript = {8};
    wide.pageWidthInches = 10.0;
    wide.pageHeightInches = 10.0;
    QVERIFY(PrintFittedPicture(wide, pictureOfSize(3000, 1000)).ok());
    QCOMPARE(wide.branch(), QStringLiteral("width"));
    QCOMPARE(wide.paintedHeight, 8466.6669921875);
}

void TestPrintFittedPicture::refusesPictureWithoutSize_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("no height") << 13361 << 0;
    QTest::newRow("no width") << 0 << 9102;
    QTest::newRow("nothing at all") << 0 << 0;
}

void TestPrintFittedPicture::refusesPictureWithoutSize()
{
    QFETCH(int, width);
    QFETCH(int, height);
    RecordingPrinter printer;
    const PrintResult result = PrintFittedPicture(printer, pictureOfSize(width, height));
    QVERIFY(!result.ok());
    QVERIFY(result.message().contains(QStringLiteral("nothing to print")));
    QVERIFY(printer.calls.empty());
}

void TestPrintFittedPicture::refusesPageWithoutRoom_data()
{
    QTest::addColumn<double>("pageWidth");
    QTest::addColumn<double>("pageHeight");
    QTest::newRow("no printable height") << 8.0 << 0.0;
    QTest::newRow("no printable width") << 0.0 << 11.0;
}

void TestPrintFittedPicture::refusesPageWithoutRoom()
{
    QFETCH(double, pageWidth);
    QFETCH(double, pageHeight);
    RecordingPrinter printer;
    printer.pageWidthInches = pageWidth;
    printer.pageHeightInches = pageHeight;
    const PrintResult result = PrintFittedPicture(printer, pictureOfSize(9102, 13361));
    QVERIFY(!result.ok());
    QVERIFY(result.message().contains(QStringLiteral("nothing was printed")));
    QCOMPARE(printer.paintCount, 0);
}

QTEST_GUILESS_MAIN(TestPrintFittedPicture)
#include "tst_printfittedpicture.moc"
