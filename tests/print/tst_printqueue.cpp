#include "certificate.h"
#include "pdfprobe.h"
#include "module1.h"
#include "picture.h"
#include "printfitted.h"
#include "qtprinteradapter.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QtTest>

#include <pwd.h>
#include <unistd.h>

using namespace sprout;

namespace {

QString run(const QString& program, const QStringList& arguments, int* exitCode = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    const bool finished = process.waitForFinished(30000);
    if (exitCode)
        *exitCode = finished && process.exitStatus() == QProcess::NormalExit ? process.exitCode()
                                                                              : -1;
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
    const passwd* user = getpwuid(getuid());
    if (user) {
        out.replace(QStringLiteral("${HOME}"), QString::fromLocal8Bit(user->pw_dir));
        out.replace(QStringLiteral("${USER}"), QString::fromLocal8Bit(user->pw_name));
    }
    return out;
}

QStringList pdfsNamed(const QString& folder, const QString& prefix)
{
    QStringList files;
    const QFileInfoList entries =
        QDir(folder).entryInfoList({prefix + QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
    for (const QFileInfo& entry : entries)
        files << entry.absoluteFilePath();
    return files;
}

// A job is in the folder once it is done and its PDF reads back whole.
bool allReadable(const QString& queue, const QStringList& files)
{
    for (const QString& file : files) {
        if (!pdfprobe::jobDone(queue, file) || pdfprobe::pageCount(file) < 1)
            return false;
    }
    return true;
}

} // namespace

// Prints through the machine's real print queue: the default CUPS printer,
// which scripts/print-queue.sh sets up as a queue that writes PDF files.
class TestPrintQueue : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void printsOneLandscapePagePerPress();
    void reportsQueueThatRefusesJobs();

private:
    QString uniqueTitle(const char* what) const;

    QString m_queue;
    QString m_outputFolder;
};

void TestPrintQueue::initTestCase()
{
    const bool inCi = qgetenv("CI") == "true";
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull()) {
        if (inCi)
            QFAIL("No default printer: scripts/print-queue.sh should have set one up.");
        QSKIP("This computer has no default printer (scripts/print-queue.sh sets one up).");
    }
    m_queue = printer.printerName();

    // Never send test pages to a printer that puts them on paper.
    const QString device = run(QStringLiteral("lpstat"), {QStringLiteral("-v"), m_queue});
    if (!device.contains(QStringLiteral("cups-pdf:"))) {
        if (inCi)
            QFAIL(qPrintable(QStringLiteral("The default printer %1 is not a PDF queue.").arg(m_queue)));
        QSKIP("The default printer is a real printer; these tests only print to a PDF queue.");
    }
    QVERIFY2(pdfprobe::toolsPresent(), "pdfinfo and pdftoppm (poppler-utils) are needed");
    m_outputFolder = pdfQueueOutputFolder();
    qInfo("Printing to %s, reading its PDFs from %s", qPrintable(m_queue),
          qPrintable(m_outputFolder));
}

QString TestPrintQueue::uniqueTitle(const char* what) const
{
    return QStringLiteral("sproutkin-%1-%2-%3")
        .arg(QString::fromLatin1(what))
        .arg(QCoreApplication::applicationPid())
        .arg(QDateTime::currentMSecsSinceEpoch());
}

void TestPrintQueue::printsOneLandscapePagePerPress()
{
    const QString title = uniqueTitle("award");
    const QImage certificate = testCertificate(505, 344);

    // "Print Award" pressed twice.
    for (int press = 0; press < 2; ++press) {
        const PrintResult result = printFitted(certificate, title);
        QVERIFY2(result.ok(), qPrintable(result.message()));
    }

    QStringList files;
    QTRY_VERIFY_WITH_TIMEOUT((files = pdfsNamed(m_outputFolder, title)).size() >= 2
                                 && allReadable(m_queue, files),
                             30000);
    QCOMPARE(files.size(), 2);

    // The printable area of a landscape page on this printer, in points.
    QPrinter reference(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    reference.setPageOrientation(QPageLayout::Landscape);
    const QRectF area = reference.pageLayout().paintRect(QPageLayout::Point);
    const double ratio = 505.0 / 344.0;
    QVERIFY2(ratio >= area.width() / area.height(), "expected a page less wide than the picture");

    for (const QString& file : files) {
        QCOMPARE(pdfprobe::pageCount(file), 1);

        const int dpi = 144; // two pixels to the point
        const QImage page = pdfprobe::render(file, dpi);
        QVERIFY(!page.isNull());
        const double pageWidth = page.width() / 2.0;
        const double pageHeight = page.height() / 2.0;
        const QRect inkPixels = pdfprobe::inkBounds(page);
        const QRect sunPixels = pdfprobe::sunBounds(page);
        QVERIFY(!inkPixels.isNull());
        QVERIFY(!sunPixels.isNull());
        const QRectF ink(inkPixels.x() / 2.0, inkPixels.y() / 2.0,
                         (inkPixels.width()) / 2.0, (inkPixels.height()) / 2.0);
        const bool sunLeft = sunPixels.center().x() < inkPixels.center().x();
        const bool sunTop = sunPixels.center().y() < inkPixels.center().y();

        // The queue may put a landscape job on an upright page with the content
        // turned a quarter; the sun (top right of the picture) tells which way.
        // Map the drawn picture back into the landscape page it was printed on.
        QRectF onLandscape;
        if (pageWidth > pageHeight) {
            QVERIFY2(!sunLeft && sunTop, "picture not upright on a landscape page");
            onLandscape = ink;
        } else if (sunLeft && sunTop) { // turned to the left: landscape top is page left
            onLandscape = QRectF(pageHeight - ink.bottom(), ink.left(), ink.height(), ink.width());
        } else if (!sunLeft && !sunTop) { // turned to the right: landscape top is page right
            onLandscape = QRectF(ink.top(), pageWidth - ink.right(), ink.height(), ink.width());
        } else {
            QFAIL("the picture is not printed in landscape: it was not turned with the page");
        }

        const QString where =
            QStringLiteral("%1: picture at %2,%3 size %4 x %5 pt; printable area %6,%7 size %8 x %9 pt")
                .arg(QFileInfo(file).fileName())
                .arg(onLandscape.x()).arg(onLandscape.y())
                .arg(onLandscape.width()).arg(onLandscape.height())
                .arg(area.x()).arg(area.y()).arg(area.width()).arg(area.height());
        const double tolerance = 1.5;
        // The full printable width, the height in proportion, from the top left.
        QVERIFY2(qAbs(onLandscape.width() - area.width()) <= tolerance, qPrintable(where));
        QVERIFY2(qAbs(onLandscape.height() - area.width() / ratio) <= tolerance, qPrintable(where));
        QVERIFY2(qAbs(onLandscape.left() - area.left()) <= tolerance, qPrintable(where));
        QVERIFY2(qAbs(onLandscape.top() - area.top()) <= tolerance, qPrintable(where));
    }

    for (const QString& file : files)
        QFile::remove(file);
}

void TestPrintQueue::reportsQueueThatRefusesJobs()
{
    // Qt hands the job to CUPS and does not look at the answer. A queue of our
    // own that refuses jobs shows whether the adapter does; the default queue
    // stays open for anyone else printing meanwhile.
    const QString refusing = QStringLiteral("Sproutkin_Refusing_%1").arg(QCoreApplication::applicationPid());
    int exitCode = -1;
    run(QStringLiteral("lpadmin"),
        {QStringLiteral("-p"), refusing, QStringLiteral("-v"), QStringLiteral("cups-pdf:/"),
         QStringLiteral("-P"), QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd")},
        &exitCode);
    if (exitCode != 0) {
        if (qgetenv("CI") == "true")
            QFAIL("Cannot add a print queue (lpadmin needs administrator rights).");
        QSKIP("Cannot add a print queue here (lpadmin needs administrator rights).");
    }
    const auto removeQueue = qScopeGuard([&] { run(QStringLiteral("lpadmin"), {QStringLiteral("-x"), refusing}); });
    run(QStringLiteral("cupsreject"), {refusing}, &exitCode);
    QCOMPARE(exitCode, 0);

    const QPrinterInfo info = QPrinterInfo::printerInfo(refusing);
    QVERIFY(!info.isNull());
    const QString title = uniqueTitle("refused");
    {
        QPrinter printer(info, QPrinter::HighResolution);
        QCOMPARE(printer.outputFormat(), QPrinter::NativeFormat);
        printer.setDocName(title);
        QtPrinterAdapter adapter(printer);
        QVERIFY(PrintFittedPicture(adapter, Picture::fromImage(testCertificate())).ok());
        const PrintResult result = adapter.endDoc();
        QVERIFY(!result.ok());
        QVERIFY2(result.message().startsWith(
                     QStringLiteral("The printer did not take the page, so nothing was printed. "
                                    "Check that the printer is switched on and ready to print, "
                                    "then try again.")),
                 qPrintable(result.message()));
    }

    // The default queue still takes the next press, and the program goes on.
    const PrintResult again = printFitted(testCertificate(), title);
    QVERIFY2(again.ok(), qPrintable(again.message()));
    QStringList files;
    QTRY_VERIFY_WITH_TIMEOUT(!(files = pdfsNamed(m_outputFolder, title)).isEmpty()
                                 && allReadable(m_queue, files),
                             30000);
    // Only the accepted job made a page.
    QCOMPARE(files.size(), 1);
    for (const QString& file : files)
        QFile::remove(file);
}

QTEST_MAIN(TestPrintQueue)
#include "tst_printqueue.moc"
