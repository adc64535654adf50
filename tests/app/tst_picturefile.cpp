// The picture files beside the program, and what the program does when one of them
// is missing or spoilt.
#include "bitmapbytes.h"
#include "bitmapcheck.h"
#include "errorreporter.h"
#include "picturefile.h"
#include "programfolder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace sprout;
using namespace sprout::test;

namespace {

struct Report {
    QString title;
    QString message;
};

// Catches what would otherwise be a message box.
class ReportRecorder {
public:
    ReportRecorder()
    {
        ErrorReporter::setSink([this](const QString& title, const QString& message) {
            reports.append({title, message});
        });
    }
    ~ReportRecorder() { ErrorReporter::setSink({}); }

    QList<Report> reports;
};

QString binFolder()
{
    return qEnvironmentVariable("SPROUT_BIN_DIR");
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray bitmapOf(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP");
    return bytes;
}

QImage filled(int width, int height, QColor colour)
{
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(colour);
    return image;
}

// Every message must say which file, what is wrong and how to get it back.
void verifyMessage(const QString& message, const QString& fileName, const QString& what)
{
    QVERIFY2(message.contains(fileName), qPrintable(message));
    QVERIFY2(message.contains(what, Qt::CaseInsensitive), qPrintable(message));
    QVERIFY2(message.contains("Reinstalling the program puts the file back"), qPrintable(message));
}

// The files each quiz reads, with the box its picture is shown in (pixels).
struct QuizFiles {
    const char* quiz;
    int boxWidth;
    int boxHeight;
    QStringList names;
};

const QList<QuizFiles>& catalogue()
{
    static const QList<QuizFiles> quizzes = {
        {"GuessColor", 201, 65,
         {"Pink", "Grey", "Black", "Green", "Red", "Yellow", "White", "Purple", "Blue", "Orange"}},
        {"Guessshape", 165, 129,
         {"triangle", "circle", "oval", "Rectangle", "square", "hexigon", "Pentagon"}},
        {"Spellword", 217, 81,
         {"Chair", "And", "House", "Apple", "What", "There", "Bucket", "Fork", "Fun", "Rabbit",
          "Sun", "Moon", "Star", "Plate", "Mouse", "Hello", "Night", "Book", "Earth", "Fly",
          "Candy", "Boat", "Banana", "Truck", "School", "Study", "Smart", "Stapler", "Shirt",
          "Light", "Day"}},
        {"MathTest", 193, 89,
         {"11", "22", "23", "33", "34", "44", "47", "55", "66", "67", "72", "98", "99", "105",
          "113", "118", "124", "1010", "1110", "12"}},
    };
    return quizzes;
}

} // namespace

class TestPictureFile : public QObject {
    Q_OBJECT

private slots:
    void catalogueFile_data();
    void catalogueFile();
    void cataloguePicturesDiffer();
    void colourPictureShowsItsColour_data();
    void colourPictureShowsItsColour();

    void validFileIsRead();
    void badFileIsRefusedWithItsReason_data();
    void badFileIsRefusedWithItsReason();
    void folderInPlaceOfFile();
    void fileWithoutReadPermission();
    void fileIsReadAfreshEachTime();

    void tableFillsSlotsInOrder();
    void tableStopsAtFirstFailureAndReportsIt();

    void pathJoinsFolderAndName_data();
    void pathJoinsFolderAndName();
    void programFolderIgnoresWorkingDirectory();

private:
    QTemporaryDir m_folder;
};

void TestPictureFile::catalogueFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("boxWidth");
    QTest::addColumn<int>("boxHeight");
    int count = 0;
    for (const QuizFiles& quiz : catalogue()) {
        for (const QString& name : quiz.names) {
            QTest::addRow("%s %s", quiz.quiz, qPrintable(name)) << name << quiz.boxWidth << quiz.boxHeight;
            ++count;
        }
    }
    QCOMPARE(count, 67 + 1); // the catalogue and the extra sum of the choice "3"
}

void TestPictureFile::catalogueFile()
{
    QFETCH(QString, name);
    QFETCH(int, boxWidth);
    QFETCH(int, boxHeight);
    QVERIFY2(!binFolder().isEmpty(), "SPROUT_BIN_DIR is not set");

    // Exact name, letter case included: the folder listing must hold it as spelt.
    const QString fileName = name + ".bmp";
    QVERIFY2(QDir(binFolder()).entryList(QDir::Files).contains(fileName),
             qPrintable(fileName + " is not in " + binFolder()));

    const QString path = programFilePath(binFolder(), "\\" + fileName);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const BitmapCheck check = checkBitmap(file.readAll());
    QVERIFY2(check.ok(), qPrintable(check.detail));
    QCOMPARE(check.bitsPerPixel, 24);

    const PictureFile::Loaded loaded = PictureFile::load(path);
    QVERIFY2(loaded.ok(), qPrintable(loaded.problem));
    // Shown unscaled, so it must fit its box and fill most of it.
    QVERIFY(loaded.picture.width() <= boxWidth && loaded.picture.height() <= boxHeight);
    QVERIFY(loaded.picture.width() >= boxWidth * 9 / 10);
    QVERIFY(loaded.picture.height() >= boxHeight * 9 / 10);
}

void TestPictureFile::cataloguePicturesDiffer()
{
    // A picture drawn twice by mistake would make two answers look alike.
    QSet<QByteArray> seen;
    for (const QuizFiles& quiz : catalogue()) {
        for (const QString& name : quiz.names) {
            const PictureFile::Loaded loaded =
                PictureFile::load(programFilePath(binFolder(), "\\" + name + ".bmp"));
            QVERIFY2(loaded.ok(), qPrintable(loaded.problem));
            const QImage& picture = loaded.picture;
            const QByteArray pixels(reinterpret_cast<const char*>(picture.constBits()),
                                    picture.sizeInBytes());
            QVERIFY2(!seen.contains(pixels), qPrintable(name + " looks like another picture"));
            seen.insert(pixels);
        }
    }
}

void TestPictureFile::colourPictureShowsItsColour_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("Pink") << "Pink" << QColor(255, 128, 255);
    QTest::newRow("Grey") << "Grey" << QColor(128, 128, 128);
    QTest::newRow("Black") << "Black" << QColor(0, 0, 0);
    QTest::newRow("Green") << "Green" << QColor(0, 192, 0);
    QTest::newRow("Red") << "Red" << QColor(255, 0, 0);
    QTest::newRow("Yellow") << "Yellow" << QColor(255, 255, 0);
    QTest::newRow("White") << "White" << QColor(255, 255, 255);
    QTest::newRow("Purple") << "Purple" << QColor(128, 0, 128);
    QTest::newRow("Blue") << "Blue" << QColor(0, 0, 255);
    QTest::newRow("Orange") << "Orange" << QColor(255, 128, 0);
}

void TestPictureFile::colourPictureShowsItsColour()
{
    QFETCH(QString, name);
    QFETCH(QColor, colour);
    const PictureFile::Loaded loaded = PictureFile::load(programFilePath(binFolder(), "\\" + name + ".bmp"));
    QVERIFY2(loaded.ok(), qPrintable(loaded.problem));
    const QImage picture = loaded.picture.convertToFormat(QImage::Format_RGB32);
    // The colour itself, unmixed, covers a good part of the picture.
    int exact = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            exact += picture.pixel(x, y) == colour.rgb();
    QVERIFY2(exact >= picture.width() * picture.height() / 3,
             qPrintable(QString("only %1 pixels of the colour").arg(exact)));
}

void TestPictureFile::validFileIsRead()
{
    const QString path = m_folder.filePath("Chair.bmp");
    QVERIFY(writeFile(path, bitmapOf(filled(21, 8, Qt::red))));
    const PictureFile::Loaded loaded = PictureFile::load(path);
    QVERIFY2(loaded.ok(), qPrintable(loaded.problem));
    QVERIFY(loaded.problem.isEmpty());
    QCOMPARE(loaded.picture.size(), QSize(21, 8));
    QCOMPARE(loaded.picture.pixelColor(20, 7), QColor(Qt::red));
}

void TestPictureFile::badFileIsRefusedWithItsReason_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("create");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("what");

    const QByteArray good = bitmapOf(filled(40, 30, Qt::blue));
    QTest::newRow("missing") << "Fork.bmp" << false << QByteArray() << "is missing";
    QTest::newRow("zero bytes") << "Apple.bmp" << true << QByteArray() << "empty (0 bytes)";
    QTest::newRow("text renamed") << "House.bmp" << true << QByteArray("Chair, table, house.\n")
                                  << "is not a picture";
    QTest::newRow("pixels cut short") << "Moon.bmp" << true << good.left(good.size() / 2)
                                      << "damaged: the file is cut short";
    QTest::newRow("100000 x 100000 pixels")
        << "Star.bmp" << true << bitmapBytes({.width = 100000, .height = 100000}, 64)
        << "100000 x 100000";
    QTest::newRow("compressed") << "Boat.bmp" << true << bitmapBytes({.bits = 8, .compression = 1})
                                << "cannot be shown";
}

void TestPictureFile::badFileIsRefusedWithItsReason()
{
    QFETCH(QString, fileName);
    QFETCH(bool, create);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, what);
    const QString path = m_folder.filePath(fileName);
    if (create)
        QVERIFY(writeFile(path, bytes));

    const PictureFile::Loaded loaded = PictureFile::load(path);
    QVERIFY(!loaded.ok());
    QVERIFY(loaded.picture.isNull());
    verifyMessage(loaded.problem, path, what);
}

void TestPictureFile::folderInPlaceOfFile()
{
    const QString path = m_folder.filePath("Sun.bmp");
    QVERIFY(QDir().mkpath(path));
    const PictureFile::Loaded loaded = PictureFile::load(path);
    QVERIFY(!loaded.ok());
    verifyMessage(loaded.problem, path, "there is a folder");
}

void TestPictureFile::fileWithoutReadPermission()
{
    const QString path = m_folder.filePath("Book.bmp");
    QVERIFY(writeFile(path, bitmapOf(filled(5, 5, Qt::green))));
    QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    QFile probe(path);
    if (probe.open(QIODevice::ReadOnly))
        QSKIP("This user reads files whatever their permissions (root), so an unreadable file "
              "cannot be made here.");

    const PictureFile::Loaded loaded = PictureFile::load(path);
    QVERIFY(!loaded.ok());
    verifyMessage(loaded.problem, path, "cannot be read");
}

void TestPictureFile::fileIsReadAfreshEachTime()
{
    const QString path = m_folder.filePath("coloraward.bmp");
    QVERIFY(writeFile(path, bitmapOf(filled(10, 10, Qt::red))));
    QCOMPARE(PictureFile::load(path).picture.pixelColor(0, 0), QColor(Qt::red));

    QVERIFY(writeFile(path, bitmapOf(filled(20, 5, Qt::blue))));
    const PictureFile::Loaded second = PictureFile::load(path);
    QCOMPARE(second.picture.size(), QSize(20, 5));
    QCOMPARE(second.picture.pixelColor(0, 0), QColor(Qt::blue));

    QVERIFY(QFile::remove(path));
    QVERIFY(!PictureFile::load(path).ok());
}

void TestPictureFile::tableFillsSlotsInOrder()
{
    QTemporaryDir folder;
    QVERIFY(writeFile(folder.filePath("11.bmp"), bitmapOf(filled(3, 3, Qt::red))));
    QVERIFY(writeFile(folder.filePath("22.bmp"), bitmapOf(filled(4, 4, Qt::green))));
    ReportRecorder recorder;
    QList<QImage> pics;
    // An empty name keeps a slot without a picture, as the sums' table has.
    QVERIFY(PictureFile::loadTable(folder.path(), {"\\11.bmp", "", "\\22.bmp"}, pics));
    QCOMPARE(pics.size(), 3);
    QCOMPARE(pics[0].pixelColor(0, 0), QColor(Qt::red));
    QVERIFY(pics[1].isNull());
    QCOMPARE(pics[2].size(), QSize(4, 4));
    QVERIFY(recorder.reports.isEmpty());
}

void TestPictureFile::tableStopsAtFirstFailureAndReportsIt()
{
    QTemporaryDir folder;
    QVERIFY(writeFile(folder.filePath("Pink.bmp"), bitmapOf(filled(3, 3, Qt::magenta))));
    QVERIFY(writeFile(folder.filePath("Black.bmp"), "not a bitmap"));
    ReportRecorder recorder;
    QList<QImage> pics = {filled(1, 1, Qt::yellow)};

    // "Grey" is missing, "Black" spoilt: only the first failure is told.
    const bool all = PictureFile::loadTable(folder.path(), {"\\Pink.bmp", "\\Grey.bmp", "\\Black.bmp"}, pics);
    QVERIFY(!all);
    QCOMPARE(recorder.reports.size(), 1);
    QCOMPARE(recorder.reports[0].title, PictureFile::reportTitle());
    verifyMessage(recorder.reports[0].message, QDir(folder.path()).filePath("Grey.bmp"), "is missing");
    QVERIFY(!recorder.reports[0].message.contains("Black"));
    // The table is as it was, so no half-filled quiz comes up.
    QCOMPARE(pics.size(), 1);
    QCOMPARE(pics[0].pixelColor(0, 0), QColor(Qt::yellow));
}

void TestPictureFile::pathJoinsFolderAndName_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("path");
    QTest::newRow("word") << "/opt/sproutkin" << "\\Chair.bmp" << "/opt/sproutkin/Chair.bmp";
    QTest::newRow("case kept") << "/opt/Sprout Kin" << "\\hexigon.bmp" << "/opt/Sprout Kin/hexigon.bmp";
    QTest::newRow("number") << "/a" << "\\1010.bmp" << "/a/1010.bmp";
    QTest::newRow("root folder") << "" << "\\Pink.bmp" << "/Pink.bmp";
    // Without its backslash a name runs into the folder's own name, as it always has.
    QTest::newRow("no backslash") << "/opt/sproutkin" << "Chair.bmp" << "/opt/sproutkinChair.bmp";
}

void TestPictureFile::pathJoinsFolderAndName()
{
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QFETCH(QString, path);
    QCOMPARE(programFilePath(folder, name), path);
}

void TestPictureFile::programFolderIgnoresWorkingDirectory()
{
    const QString folder = programFolder();
    QCOMPARE(folder, QFileInfo(QCoreApplication::applicationFilePath()).absolutePath());
    QVERIFY(!folder.endsWith('/'));

    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_folder.path()));
    const QString elsewhere = programFolder();
    const QString path = programFilePath("\\Chair.bmp");
    QVERIFY(QDir::setCurrent(before));
    QCOMPARE(elsewhere, folder);
    QCOMPARE(path, folder + "/Chair.bmp");
}

QTEST_MAIN(TestPictureFile)
#include "tst_picturefile.moc"
