// On a screen that magnifies twice, the built-in pictures come with twice their pixels.
#include "screentesting.h"

#include "builtinpictures.h"
#include "screenfactory.h"

#include <QLabel>

using namespace sprout;
using namespace sprout::testing;

namespace {

QImage rgb(const QImage& image)
{
    QImage plain = image.convertToFormat(QImage::Format_RGB32);
    plain.setDevicePixelRatio(1);
    return plain;
}

} // namespace

class TestSharpPictures : public QObject {
    Q_OBJECT
private slots:
    void everyPictureKeepsItsSize()
    {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        QVERIFY(!builtInPicture("board").isNull()); // brings the resources in
        int sharp = 0;
        for (const QString& file : QDir(":/pictures").entryList({"*.bmp"}, QDir::Files)) {
            const QString name = file.chopped(4);
            if (name.contains('@')) // a larger drawing of another
                continue;
            const QImage own = rgb(QImage(":/pictures/" + file));
            const QPixmap shown = builtInPicture(name);
            QCOMPARE(shown.deviceIndependentSize(), QSizeF(own.size()));
            if (!QFile::exists(":/pictures/" + name + "@2x.bmp"))
                continue;
            ++sharp;
            QCOMPARE(shown.devicePixelRatio(), 2.0);
            // Halved again, the sharp copy differs from the picture at its own size only
            // where edges fall on other pixels; a drawing that missed the scale differs by tens.
            const QImage halved = rgb(shown.toImage()).scaled(own.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            QVERIFY2(meanDifference(halved, own) < 8, qPrintable(name));
        }
        QCOMPARE_GE(sharp, 20); // board, cover, cells, lesson pictures, ...
    }

    void screensShowTheSharpPictures()
    {
        ScreenRegistry registry(createScreen);
        auto* cover = shown(registry, ScreenId::SproutMain).control<QLabel>("Image2");
        QVERIFY(cover);
        QCOMPARE(rgb(cover->grab().toImage()), rgb(QImage(":/pictures/cover@2x.bmp")));
        auto* cell = shown(registry, ScreenId::Form1).control<QLabel>("Picture1(5)");
        auto* backdrop = shown(registry, ScreenId::frmColors).control<QLabel>("Image8");
        QVERIFY(cell);
        QVERIFY(backdrop);
        backdrop->grab(); // a stretched picture comes with the first paint
        QCOMPARE(cell->pixmap().devicePixelRatio(), 2.0);
        QCOMPARE(cell->pixmap().deviceIndependentSize(), QSizeF(32, 32));
        QCOMPARE(backdrop->pixmap().devicePixelRatio(), 2.0);
        QCOMPARE(backdrop->pixmap().size(), backdrop->size() * 2);
        // Unpacked while its screen is built, the board is still one picture for all the
        // screens that show it.
        auto board = [&registry](ScreenId id) {
            auto* image = shown(registry, id).control<QLabel>("Image1");
            image->grab();
            return image->pixmap().cacheKey();
        };
        QCOMPARE(board(ScreenId::Games), board(ScreenId::Form1));
    }
};

int main(int argc, char* argv[])
{
    qputenv("QT_SCALE_FACTOR", "2"); // a 200 % screen, set before the application sees its screens
    QApplication app(argc, argv);
    TestSharpPictures test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_sharppictures.moc"
