#pragma once

// Reads back printed PDFs with the poppler tools: page count, page size, and
// the page drawn as a picture, so a test measures what a person would see.

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QSizeF>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace pdfprobe {

inline bool toolsPresent()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty()
        && !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
}

inline QString pdfInfo(const QString& file)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {file});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// The queue may write a job's file more than once; the file is whole once the
// job is done. Its job number ends the file's name ("...-job_12.pdf").
inline bool jobDone(const QString& queue, const QString& file)
{
    const auto job = QRegularExpression(QStringLiteral("-job_(\\d+)\\.pdf$")).match(file);
    if (!job.hasMatch())
        return false;
    QProcess lpstat;
    lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("completed"),
                                            QStringLiteral("-o"), queue});
    if (!lpstat.waitForFinished(30000))
        return false;
    const QString completed = QString::fromLocal8Bit(lpstat.readAllStandardOutput());
    return completed.contains(QStringLiteral("%1-%2 ").arg(queue, job.captured(1)));
}

inline int pageCount(const QString& file)
{
    const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(pdfInfo(file));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// Width and height of the first page in points, as the page is shown (its
// rotation applied).
inline QSizeF pageSize(const QString& file)
{
    const QString info = pdfInfo(file);
    const auto size = QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts"))
                          .match(info);
    if (!size.hasMatch())
        return QSizeF();
    const auto rotation = QRegularExpression(QStringLiteral("Page rot:\\s+(\\d+)")).match(info);
    const bool turned = rotation.hasMatch() && (rotation.captured(1).toInt() / 90) % 2 == 1;
    const double width = size.captured(1).toDouble();
    const double height = size.captured(2).toDouble();
    return turned ? QSizeF(height, width) : QSizeF(width, height);
}

// The first page drawn at the given resolution.
inline QImage render(const QString& file, int dotsPerInch)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    QProcess process;
    process.start(QStringLiteral("pdftoppm"),
                  {QStringLiteral("-r"), QString::number(dotsPerInch), QStringLiteral("-png"),
                   QStringLiteral("-singlefile"), QStringLiteral("-f"), QStringLiteral("1"),
                   QStringLiteral("-l"), QStringLiteral("1"), file, prefix});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QImage();
    return QImage(prefix + QStringLiteral(".png"));
}

// The smallest rectangle holding every pixel that matches.
template <typename Match>
QRect boundsOf(const QImage& page, Match matches)
{
    const QImage image = page.convertToFormat(QImage::Format_RGB32);
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (matches(line[x])) {
                left = qMin(left, x);
                right = qMax(right, x);
                top = qMin(top, y);
                bottom = qMax(bottom, y);
            }
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// Everything that is not paper white.
inline QRect inkBounds(const QImage& page)
{
    return boundsOf(page, [](QRgb pixel) {
        return qRed(pixel) < 235 || qGreen(pixel) < 235 || qBlue(pixel) < 235;
    });
}

// The yellow sun of the test certificate.
inline QRect sunBounds(const QImage& page)
{
    return boundsOf(page, [](QRgb pixel) {
        return qRed(pixel) > 200 && qGreen(pixel) > 170 && qBlue(pixel) < 90;
    });
}

} // namespace pdfprobe
