#pragma once

// Printed PDFs read back with the poppler tools, as a person would see the page.

#include <QPainter>
#include <QPrinterInfo>
#include <QtTest>

#include <pwd.h>
#include <unistd.h>

namespace pdfprobe {

// A certificate's stand-in: a pale card in a blue frame, its sun top right shows any turn.
inline QImage testCertificate(int width = 505, int height = 344)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(20, 60, 190));
    QPainter painter(&image);
    painter.fillRect(image.rect().adjusted(12, 12, -12, -12), QColor(205, 225, 250));
    const int sun = qMin(width, height) / 5;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 210, 30));
    painter.drawEllipse(width - 24 - sun, 24, sun, sun);
    return image;
}

inline bool toolsPresent()
{
    return !QStandardPaths::findExecutable("pdfinfo").isEmpty() && !QStandardPaths::findExecutable("pdftoppm").isEmpty();
}

inline QString output(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(30000) ? QString::fromLocal8Bit(process.readAllStandardOutput()) : QString();
}

// The "Out" folder of the PDF queue's settings, for this user.
inline QString outputFolder()
{
    QFile settings("/etc/cups/cups-pdf.conf");
    const QString text = settings.open(QIODevice::ReadOnly | QIODevice::Text) ? QString::fromLocal8Bit(settings.readAll()) : QString();
    QString out = "/var/spool/cups-pdf/${USER}";
    for (auto lines = QRegularExpression("^\\s*Out\\s+(\\S.*?)\\s*$", QRegularExpression::MultilineOption).globalMatch(text);
         lines.hasNext();)
        out = lines.next().captured(1);
    if (const passwd* user = getpwuid(getuid()))
        out.replace("${HOME}", QString::fromLocal8Bit(user->pw_dir)).replace("${USER}", QString::fromLocal8Bit(user->pw_name));
    return out;
}

inline int pageCount(const QString& file)
{
    const auto match = QRegularExpression("Pages:\\s+(\\d+)").match(output("pdfinfo", {file}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The default printer, when it is the PDF queue of scripts/print-queue.sh; empty
// otherwise, and then no test page may go there: it could end up on paper.
inline QString pdfQueue()
{
    const QString queue = QPrinterInfo::defaultPrinter().printerName();
    return !queue.isEmpty() && output("lpstat", {"-v", queue}).contains("cups-pdf:") ? queue : QString();
}

// The PDF the queue wrote for the job titled `title`, once its job is completed (the
// queue may write the file more than once until then); empty after a minute.
inline QString printedFile(const QString& queue, const QString& title)
{
    QString file;
    (void)QTest::qWaitFor([&] {
        file = QDir(outputFolder()).entryInfoList({title + "*.pdf"}, QDir::Files).value(0).absoluteFilePath();
        const auto job = QRegularExpression("-job_(\\d+)\\.pdf$").match(file);
        return job.hasMatch() && pageCount(file) >= 1
               && output("lpstat", {"-W", "completed", "-o", queue}).contains(QStringLiteral("%1-%2 ").arg(queue, job.captured(1)));
    }, 60000);
    return file;
}

inline QImage render(const QString& file, int dotsPerInch)
{
    QTemporaryDir dir;
    output("pdftoppm", {"-r", QString::number(dotsPerInch), "-png", "-singlefile", "-f", "1", "-l", "1", file, dir.filePath("page")});
    return QImage(dir.filePath("page.png"));
}

// The smallest rectangle holding every pixel that is not paper white, or of the test certificate's sun.
inline QRect inkBounds(const QImage& page, bool sun = false)
{
    const QImage image = page.convertToFormat(QImage::Format_RGB32);
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const QRgb p = image.pixel(x, y); sun ? qRed(p) > 200 && qGreen(p) > 170 && qBlue(p) < 90
                                                      : qRed(p) < 235 || qGreen(p) < 235 || qBlue(p) < 235)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}
inline QRect sunBounds(const QImage& page) { return inkBounds(page, true); }

} // namespace pdfprobe
