#include "../print/pdfprobe.h"
#include "awardscreen.h"
#include "picturefile.h"
#include "pictures.h"
#include "programfolder.h"
#include "screentesting.h"

#include <QLabel>
#include <QPrinter>
#include <QPrinterInfo>

#include <pwd.h>
#include <unistd.h>

using namespace sprout;
using namespace sprout::testing;

namespace {

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// Where the PDF queue puts what it prints: the "Out" folder of its settings,
// written for the user who sends the job.
QString pdfQueueOutputFolder()
{
    QString out = QStringLiteral("/var/spool/cups-pdf/${USER}");
    QFile settings(QStringLiteral("/etc/cups/cups-pdf.conf"));
    if (settings.open(QIODevice::ReadOnly | QIODevice::Text)) {
        const QRegularExpression outLine(QStringLiteral("^\\s*Out\\s+(\\S.*?)\\s*$"));
        while (!settings.atEnd()) {
            const auto match = outLine.match(QString::fromLocal8Bit(settings.readLine()));
            if (match.hasMatch())
                out = match.captured(1);
        }
    }
    if (const passwd* user = getpwuid(getuid())) {
        out.replace(QStringLiteral("${HOME}"), QString::fromLocal8Bit(user->pw_dir));
        out.replace(QStringLiteral("${USER}"), QString::fromLocal8Bit(user->pw_name));
    }
    return out;
}

QImage rgb(const QImage& image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage shownIn(Screen& award)
{
    return rgb(award.control<QLabel>("Picture1")->pixmap().toImage());
}

bool saveAwardFile(const QImage& picture, const QString& path)
{
    return picture.convertToFormat(QImage::Format_RGB888).save(path, "BMP");
}

} // namespace

// "Print Award" on the real award screens, through the machine's real print
// queue: the default CUPS printer, which scripts/print-queue.sh sets up as a
// queue that writes one PDF file per job.
class TestAwardPrinting : public QObject {
    Q_OBJECT

    // The award pages that arrived since the last look, once they read back whole.
    QStringList newPages(int expected)
    {
        QStringList fresh;
        auto arrived = [&] {
            fresh.clear();
            const QFileInfoList entries = QDir(m_outputFolder).entryInfoList(
                {QStringLiteral("Sproutkin_award*.pdf")}, QDir::Files | QDir::CaseSensitive, QDir::Name);
            for (const QFileInfo& entry : entries)
                if (!m_seen.contains(entry.absoluteFilePath()))
                    fresh << entry.absoluteFilePath();
            if (fresh.size() < expected)
                return false;
            for (const QString& file : std::as_const(fresh)) {
                if (!pdfprobe::jobDone(m_queue, file))
                    return false;
                if (pdfprobe::pageCount(file) < 1)
                    return false;
            }
            return true;
        };
        if (!QTest::qWaitFor(arrived, 60000))
            return fresh;
        for (const QString& file : std::as_const(fresh))
            m_seen.insert(file);
        m_printed << fresh;
        return fresh;
    }

    QString m_queue;
    QString m_outputFolder;
    QSet<QString> m_seen;
    QStringList m_printed;

private slots:
    void initTestCase();
    void cleanupTestCase();
    void printsTheCertificateOnePagePerPress();
    void readsTheFileAfreshOnEveryPress();
    void unreadableFilePrintsNothing();
};

void TestAwardPrinting::initTestCase()
{
    const bool inCi = qgetenv("CI") == "true";
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull()) {
        if (inCi)
            QFAIL("No default printer: scripts/print-queue.sh should have set one up.");
        QSKIP("This computer has no default printer (scripts/print-queue.sh sets one up).");
    }
    // Never send test pages to a printer that puts them on paper.
    const QString device = run(QStringLiteral("lpstat"), {QStringLiteral("-v"), printer.printerName()});
    if (!device.contains(QStringLiteral("cups-pdf:"))) {
        if (inCi)
            QFAIL(qPrintable(QStringLiteral("The default printer %1 is not a PDF queue.")
                                 .arg(printer.printerName())));
        QSKIP("The default printer is a real printer; these tests only print to a PDF queue.");
    }
    QVERIFY2(pdfprobe::toolsPresent(), "pdfinfo and pdftoppm (poppler-utils) are needed");
    m_queue = printer.printerName();
    m_outputFolder = pdfQueueOutputFolder();
    const QFileInfoList before = QDir(m_outputFolder).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files);
    for (const QFileInfo& entry : before)
        m_seen.insert(entry.absoluteFilePath());
}

void TestAwardPrinting::cleanupTestCase()
{
    for (const QString& file : std::as_const(m_printed))
        QFile::remove(file);
}

void TestAwardPrinting::printsTheCertificateOnePagePerPress()
{
    ScreenRegistry registry(createScreen);
    ReportRecorder reports;
    QVERIFY(registry.show(ScreenId::awardcolor));
    Screen& award = registry.reference(ScreenId::awardcolor);

    click(award, "Command1");
    click(award, "Command1");
    QCOMPARE(reports.messages, QStringList()); // no dialog when all went well
    QVERIFY(award.isVisible());

    const QStringList pages = newPages(2);
    QCOMPARE(pages.size(), 2);

    // The printable area of a landscape page on this printer, in points.
    QPrinter reference(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    reference.setPageOrientation(QPageLayout::Landscape);
    const QRectF area = reference.pageLayout().paintRect(QPageLayout::Point);
    const double ratio = 505.0 / 344.0;
    QVERIFY2(ratio >= area.width() / area.height(), "expected a page less wide than the certificate");

    for (const QString& file : pages) {
        QCOMPARE(pdfprobe::pageCount(file), 1);
        const QImage page = pdfprobe::render(file, 144); // two pixels to the point
        QVERIFY(!page.isNull());
        const double pageWidth = page.width() / 2.0;
        const double pageHeight = page.height() / 2.0;
        const QRect inkPixels = pdfprobe::inkBounds(page);
        const QRect sunPixels = pdfprobe::sunBounds(page);
        QVERIFY(!inkPixels.isNull());
        QVERIFY2(!sunPixels.isNull(), "the certificate's sun is not on the page");
        const QRectF ink(inkPixels.x() / 2.0, inkPixels.y() / 2.0, inkPixels.width() / 2.0,
                         inkPixels.height() / 2.0);
        const bool sunLeft = sunPixels.center().x() < inkPixels.center().x();
        const bool sunTop = sunPixels.center().y() < inkPixels.center().y();

        // The queue may put a landscape job on an upright sheet with the content
        // turned a quarter; the sun, top right on the certificate, tells which way.
        QRectF onLandscape;
        if (pageWidth > pageHeight) {
            QVERIFY2(!sunLeft && sunTop, "certificate not upright on a landscape page");
            onLandscape = ink;
        } else if (sunLeft && sunTop) {
            onLandscape = QRectF(pageHeight - ink.bottom(), ink.left(), ink.height(), ink.width());
        } else if (!sunLeft && !sunTop) {
            onLandscape = QRectF(ink.top(), pageWidth - ink.right(), ink.height(), ink.width());
        } else {
            QFAIL("the certificate is not printed in landscape");
        }

        const QString where =
            QStringLiteral("%1: certificate at %2,%3 size %4 x %5 pt; printable area %6,%7 size %8 x %9 pt")
                .arg(QFileInfo(file).fileName())
                .arg(onLandscape.x()).arg(onLandscape.y())
                .arg(onLandscape.width()).arg(onLandscape.height())
                .arg(area.x()).arg(area.y()).arg(area.width()).arg(area.height());
        const double tolerance = 1.5;
        QVERIFY2(qAbs(onLandscape.width() - area.width()) <= tolerance, qPrintable(where));
        QVERIFY2(qAbs(onLandscape.height() - area.width() / ratio) <= tolerance, qPrintable(where));
        QVERIFY2(qAbs(onLandscape.left() - area.left()) <= tolerance, qPrintable(where));
        QVERIFY2(qAbs(onLandscape.top() - area.top()) <= tolerance, qPrintable(where));
    }

    // The box shows the picture read from the file.
    const PictureFile::Loaded file = PictureFile::load(programFilePath("\\coloraward.bmp"));
    QVERIFY2(file.ok(), qPrintable(file.problem));
    QCOMPARE(shownIn(award), rgb(file.picture));
}

void TestAwardPrinting::readsTheFileAfreshOnEveryPress()
{
    ScreenRegistry registry(createScreen);
    ReportRecorder reports;
    QVERIFY(registry.show(ScreenId::SproutMain));
    QVERIFY(registry.show(ScreenId::awardshape));
    Screen& award = registry.reference(ScreenId::awardshape);
    const QImage design = rgb(builtInPicture("certificate-shape").toImage());
    QCOMPARE(shownIn(award), design);

    // The file on disk is not the design picture, and it changes between presses.
    QTemporaryDir folder;
    const QString path = folder.filePath("shapesaward.bmp");
    const QImage first = rgb(builtInPicture("certificate-math").toImage());
    const QImage second = rgb(builtInPicture("certificate-word").toImage());
    QVERIFY(saveAwardFile(first, path));
    registry.reference<AwardScreen>(ScreenId::awardshape).setPictureFolder(folder.path());

    click(award, "Command1");
    QCOMPARE(reports.messages, QStringList());
    QCOMPARE(shownIn(award), first);
    QCOMPARE(newPages(1).size(), 1);

    QVERIFY(QFile::remove(path));
    QVERIFY(saveAwardFile(second, path));
    click(award, "Command1");
    QCOMPARE(reports.messages, QStringList());
    QCOMPARE(shownIn(award), second);
    QCOMPARE(newPages(1).size(), 1);

    // Hidden, it keeps the picture read; unloaded, it comes back with its design.
    click(award, "Command2");
    QVERIFY(!award.isVisible());
    QVERIFY(registry.show(ScreenId::awardshape));
    QCOMPARE(shownIn(award), second);
    chooseMenu(award, "mnuExit");
    settle();
    QVERIFY(registry.show(ScreenId::awardshape));
    QCOMPARE(shownIn(award), design);
}

void TestAwardPrinting::unreadableFilePrintsNothing()
{
    ScreenRegistry registry(createScreen);
    ReportRecorder reports;
    QVERIFY(registry.show(ScreenId::awardmath));
    Screen& award = registry.reference(ScreenId::awardmath);
    const QImage design = shownIn(award);

    QTemporaryDir emptyFolder;
    registry.reference<AwardScreen>(ScreenId::awardmath).setPictureFolder(emptyFolder.path());
    click(award, "Command1");
    QCOMPARE(reports.messages.size(), 1);
    QVERIFY2(reports.messages.first().contains("mathaward.bmp"), qPrintable(reports.messages.first()));
    QCOMPARE(shownIn(award), design);

    // The next press, with the file back, prints; the queue keeps its jobs in
    // order, so once that page is there any page of the failed press would be too.
    registry.reference<AwardScreen>(ScreenId::awardmath).setPictureFolder(programFolder());
    click(award, "Command1");
    QCOMPARE(reports.messages.size(), 1);
    QCOMPARE(newPages(1).size(), 1);
}

QTEST_MAIN(TestAwardPrinting)
#include "tst_awardprinting.moc"
