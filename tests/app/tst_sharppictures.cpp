// On a screen that magnifies twice, the pictures the program draws itself come
// with twice their pixels and keep their size on the screen, so that they stay
// sharp; the Tic-Tac-Toe cells keep their pure colours at that size too.
#include "screentesting.h"

#include "pictures.h"

#include <QDir>
#include <QLabel>
#include <QSet>
#include <cstdlib>

using namespace sprout;
using namespace sprout::testing;

namespace {

QImage rgb(const QImage& image)
{
    QImage plain = image.convertToFormat(QImage::Format_RGB32);
    plain.setDevicePixelRatio(1);
    return plain;
}

// The picture as drawn at its own size, straight from the resources.
QImage ownSize(const QString& name)
{
    return rgb(QImage(QStringLiteral(":/pictures/%1.png").arg(name)));
}

bool hasSharpCopy(const QString& name)
{
    return QFile::exists(QStringLiteral(":/pictures/%1@2x.png").arg(name));
}

QSet<QRgb> coloursOf(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y) & 0xffffff);
    return colours;
}

// Mean difference per colour channel between two pictures of one size, 0 to 255.
double meanDifference(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q))
                   + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

} // namespace

class TestSharpPictures : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        QVERIFY(!builtInPicture("board").isNull()); // brings the resources in
    }

    void everyPictureKeepsItsSize_data()
    {
        QTest::addColumn<QString>("name");
        const QStringList files = QDir(":/pictures").entryList({"*.png"}, QDir::Files, QDir::Name);
        for (const QString& file : files)
            if (!file.endsWith("@2x.png"))
                QTest::newRow(qPrintable(file)) << file.chopped(4);
        QVERIFY(files.size() > 20);
    }

    void everyPictureKeepsItsSize()
    {
        // A picture with a sharp copy is that copy, at ratio 2; the others were
        // drawn larger than they are shown and come as they are.
        QFETCH(QString, name);
        const QImage own = ownSize(name);
        const QPixmap shown = builtInPicture(name);
        QCOMPARE(shown.deviceIndependentSize(), QSizeF(own.size()));
        QCOMPARE(shown.devicePixelRatio(), hasSharpCopy(name) ? 2.0 : 1.0);
        if (!hasSharpCopy(name))
            return;
        QCOMPARE(shown.size(), own.size() * 2);
        // The sharp copy is the same drawing: halved again it differs from the
        // picture at its own size only where edges and letters fall on other pixels
        // (most in the small cells, whose hard edges blur when halved: about 4).
        // A drawing that missed the scale, in a quarter of the canvas or twice too
        // thick, differs by tens.
        const QImage halved = rgb(shown.toImage()).scaled(own.size(), Qt::IgnoreAspectRatio,
                                                          Qt::SmoothTransformation);
        const double difference = meanDifference(halved, own);
        QVERIFY2(difference < 8, qPrintable(QString("differs by %1 on average").arg(difference)));
    }

    void picturesShownAtTheirOwnSizeHaveSharpCopies_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"board", "cover", "backdrop", "icon", "cell1", "cell2", "cell3",
                                 "cell4", "cell5", "certificate-color", "certificate-shape",
                                 "certificate-word", "certificate-math", "square", "oval",
                                 "triangle", "circle", "pentagon", "rectangle", "hexagon"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void picturesShownAtTheirOwnSizeHaveSharpCopies()
    {
        QFETCH(QString, name);
        QVERIFY2(hasSharpCopy(name), qPrintable(name + " has no copy at twice its size"));
    }

    void cellsKeepTheirPureColours_data()
    {
        QTest::addColumn<int>("image");
        QTest::addColumn<QSet<QRgb>>("colours");
        const QRgb ground = qRgb(187, 187, 187) & 0xffffff;
        QTest::newRow("black X") << 1 << QSet<QRgb>{ground, 0x000000};
        QTest::newRow("black O") << 2 << QSet<QRgb>{ground, 0x000000};
        QTest::newRow("red X") << 3 << QSet<QRgb>{ground, 0xff0000};
        QTest::newRow("red O") << 4 << QSet<QRgb>{ground, 0xff0000};
        QTest::newRow("blank") << 5 << QSet<QRgb>{qRgb(185, 185, 187) & 0xffffff};
    }

    void cellsKeepTheirPureColours()
    {
        QFETCH(int, image);
        QFETCH(QSet<QRgb>, colours);
        const QPixmap cell = builtInPicture(QStringLiteral("cell%1").arg(image));
        QCOMPARE(cell.size(), QSize(64, 64));
        QCOMPARE(coloursOf(rgb(cell.toImage())), colours);
        QCOMPARE(coloursOf(ownSize(QStringLiteral("cell%1").arg(image))), colours);
    }

    void screensShowTheSharpPictures()
    {
        ScreenRegistry registry(createScreen);
        ReportRecorder reports;
        QVERIFY(registry.show(ScreenId::SproutMain));
        Screen& main = registry.reference(ScreenId::SproutMain);
        // The cover keeps its designed place and size, and what the screen paints
        // there is every pixel of the sharp copy, not the small picture enlarged.
        auto* cover = qobject_cast<QLabel*>(main.control("Image2"));
        QVERIFY(cover);
        QCOMPARE(cover->size(), QSize(586, 368));
        const QPixmap painted = cover->grab();
        QCOMPARE(painted.devicePixelRatio(), 2.0);
        QCOMPARE(rgb(painted.toImage()), rgb(QImage(":/pictures/cover@2x.png")));

        QVERIFY(registry.show(ScreenId::Form1));
        Screen& game = registry.reference(ScreenId::Form1);
        auto* cell = qobject_cast<QLabel*>(game.control("Picture1(5)"));
        QVERIFY(cell);
        QCOMPARE(cell->pixmap().devicePixelRatio(), 2.0);
        QCOMPARE(cell->pixmap().deviceIndependentSize(), QSizeF(32, 32));
        QVERIFY2(reports.messages.isEmpty(), qPrintable(reports.messages.join("; ")));
    }
};

int main(int argc, char* argv[])
{
    // The magnification of a 200 % screen, set before the application sees its screens.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestSharpPictures test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_sharppictures.moc"
