// Draws every picture the program shows, so that no binary picture lives in the
// source tree. Run at build time:
//   assetgen <built-in folder> <program folder>
// Built-in pictures go to the first folder with a Qt resource list, the
// desktop icons to its subfolder desktop-icons;
// picture files go to the second folder as 24-bit Windows bitmaps.
#include "artwork.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

using namespace sprout::art;

namespace {

// A built-in drawing is stored as the screen holds it: 32 bits a pixel, blue first,
// top row first. Its pixels are then the bytes of the file, and the program shows
// them as they are, with no conversion and no second copy.
bool saveScreenBitmap(const QImage& picture, const QString& path)
{
    const QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
    // The headers take 54 bytes; the pixels begin at 64, so that they keep the
    // alignment of the memory the file is unpacked into.
    const quint32 headerSize = 64;
    const quint32 rowSize = quint32(pixels.width()) * 4;
    QByteArray header;
    QDataStream out(&header, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint8('B') << quint8('M') << quint32(headerSize + rowSize * pixels.height())
        << quint32(0) << headerSize;
    out << quint32(40) << qint32(pixels.width()) << qint32(-pixels.height()) << quint16(1)
        << quint16(32) << quint32(0) << quint32(rowSize * pixels.height()) << qint32(3780)
        << qint32(3780) << quint32(0) << quint32(0);
    header.resize(headerSize, '\0');
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(header) != header.size())
        return false;
    for (int row = 0; row < pixels.height(); ++row)
        if (file.write(reinterpret_cast<const char*>(pixels.constScanLine(row)), rowSize) != rowSize)
            return false;
    return file.flush();
}

bool save(const Artwork& picture, const QString& path)
{
    if (picture.type == QLatin1String("jpg"))
        return picture.image.save(path, "JPEG", 90);
    return saveScreenBitmap(picture.image, path);
}

// The sharp copies are named "<name>@2x.bmp"; a picture that was drawn large enough
// at its own size has none. The list "sizes" gives each picture's own size ("name
// width height" a line), which the program needs before it reads a picture.
bool writeBuiltIn(const QString& folder, const std::vector<Artwork>& pictures,
                  const std::vector<std::vector<Artwork>>& sharpSets)
{
    QFile list(folder + "/pictures.qrc");
    if (!list.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream qrc(&list);
    QFile sizeList(folder + "/sizes");
    if (!sizeList.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream sizes(&sizeList);
    qrc << "<RCC>\n  <qresource prefix=\"/pictures\">\n    <file>sizes</file>\n";
    for (const Artwork& picture : pictures) {
        const QString file = picture.name + "." + picture.type;
        if (!save(picture, folder + "/" + file))
            return false;
        qrc << "    <file>" << file << "</file>\n";
        sizes << picture.name << ' ' << picture.image.width() << ' ' << picture.image.height() << '\n';
    }
    for (const std::vector<Artwork>& sharp : sharpSets)
        for (const Artwork& picture : sharp) {
            const int scale = qRound(picture.image.devicePixelRatio());
            if (scale < 2)
                continue;
            const QString file = QStringLiteral("%1@%2x.%3").arg(picture.name).arg(scale).arg(picture.type);
            if (!save(picture, folder + "/" + file))
                return false;
            qrc << "    <file>" << file << "</file>\n";
        }
    qrc << "  </qresource>\n</RCC>\n";
    return true;
}

bool writeFiles(const QString& folder, const std::vector<Artwork>& pictures)
{
    for (const Artwork& picture : pictures) {
        // Windows bitmaps the way the program expects them: 24 bits a pixel.
        const QImage rgb = picture.image.convertToFormat(QImage::Format_RGB888);
        if (!rgb.save(folder + "/" + picture.name + ".bmp", "BMP"))
            return false;
    }
    return true;
}

// The icon for the desktop's menus at the usual theme sizes, one PNG a size
// ("48x48.png"); installed with the program, not compiled in.
bool writeDesktopIcons(const QString& folder)
{
    QDir().mkpath(folder);
    for (int size : {16, 32, 48, 64, 128, 256})
        if (!iconAt(size).save(QStringLiteral("%1/%2x%2.png").arg(folder).arg(size), "PNG"))
            return false;
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv); // text on the pictures needs the font system
    if (argc != 3) {
        std::fprintf(stderr, "usage: assetgen <built-in folder> <program folder>\n");
        return 2;
    }
    const QString builtInFolder = QString::fromLocal8Bit(argv[1]);
    const QString programFolder = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(builtInFolder);
    QDir().mkpath(programFolder);

    const std::vector<Artwork> builtIn = builtInPictures();
    std::vector<Artwork> files = quizPictureFiles();
    for (Artwork& file : awardPictureFiles())
        files.push_back(std::move(file));
    // The picture files are shown at their own pixel size; only the built-in
    // pictures get copies drawn twice as large, for screens that magnify. The
    // full-screen classroom draws its pictures itself, at the size it shows them.
    std::vector<std::vector<Artwork>> sharp;
    setDrawingScale(2, true);
    sharp.push_back(builtInPictures());
    setDrawingScale(1);

    if (!writeBuiltIn(builtInFolder, builtIn, sharp) || !writeFiles(programFolder, files)
        || !writeDesktopIcons(builtInFolder + "/desktop-icons")) {
        std::fprintf(stderr, "assetgen: could not write the pictures\n");
        return 1;
    }
    return 0;
}
