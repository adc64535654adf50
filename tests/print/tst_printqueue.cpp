// Prints through the machine's real print queue: the default CUPS printer, which
// scripts/print-queue.sh sets up as a queue that writes PDF files.
#include "certificate.h"
#include "module1.h"
#include "pdfprobe.h"
#include "picture.h"
#include "defaultprinter.h"
#include "qtprinteradapter.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QtTest>

using namespace sprout;

class TestPrintQueue : public QObject {
    Q_OBJECT
    QString m_queue;

    // The pages printed under this title, once every job is done and reads back whole.
    QStringList pagesTitled(const QString& title, int expected)
    {
        QStringList files;
        (void)QTest::qWaitFor([&] {
            files.clear();
            for (const QFileInfo& entry : QDir(pdfprobe::outputFolder()).entryInfoList({title + "*.pdf"}, QDir::Files))
                files << entry.absoluteFilePath();
            for (const QString& file : std::as_const(files))
                if (!pdfprobe::jobDone(m_queue, file) || pdfprobe::pageCount(file) < 1)
                    return false;
            return files.size() >= expected;
        }, 30000);
        return files;
    }
    static QString uniqueTitle(const char* what)
    {
        return QStringLiteral("sproutkin-%1-%2-%3").arg(what).arg(QCoreApplication::applicationPid())
            .arg(QDateTime::currentMSecsSinceEpoch());
    }
    static int run(const QString& program, const QStringList& arguments)
    {
        QProcess process;
        process.start(program, arguments);
        return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

private slots:
    void initTestCase()
    {
        // Never send test pages to a printer that puts them on paper.
        m_queue = QPrinterInfo::defaultPrinter().printerName();
        if (m_queue.isEmpty() || !pdfprobe::output("lpstat", {"-v", m_queue}).contains("cups-pdf:")) {
            if (qgetenv("CI") == "true")
                QFAIL("The default printer is not the PDF queue of scripts/print-queue.sh.");
            QSKIP("The default printer is not a PDF queue (scripts/print-queue.sh sets one up).");
        }
        QVERIFY2(pdfprobe::toolsPresent(), "pdfinfo and pdftoppm (poppler-utils) are needed");
    }

    void printsOneLandscapePagePerPress()
    {
        const QString title = uniqueTitle("award");
        for (int press = 0; press < 2; ++press) {
            const PrintResult result = printOnDefaultPrinter(testCertificate(505, 344), title);
            QVERIFY2(result.ok(), qPrintable(result.message()));
        }
        const QStringList files = pagesTitled(title, 2);
        QCOMPARE(files.size(), 2);

        // The printable area of a landscape page on this printer, in points.
        QPrinter reference(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
        reference.setPageOrientation(QPageLayout::Landscape);
        const QRectF area = reference.pageLayout().paintRect(QPageLayout::Point);
        const double ratio = 505.0 / 344.0;
        QVERIFY2(ratio >= area.width() / area.height(), "expected a page less wide than the picture");
        for (const QString& file : files) {
            QCOMPARE(pdfprobe::pageCount(file), 1);
            const QImage page = pdfprobe::render(file, 144); // two pixels to the point
            const QRect ink = pdfprobe::inkBounds(page), sun = pdfprobe::sunBounds(page);
            QVERIFY(!ink.isNull() && !sun.isNull());
            // The queue may put a landscape job on an upright page, turned a quarter
            // either way; the sun, top right on the picture, tells which way.
            const bool sunLeft = sun.center().x() < ink.center().x(), sunTop = sun.center().y() < ink.center().y();
            const bool turned = page.width() < page.height();
            QVERIFY2(turned ? sunLeft == sunTop : !sunLeft && sunTop, "the picture is not upright on a landscape page");
            // The full printable width, the height in proportion.
            const QSizeF drawn = turned ? QSizeF(ink.height() / 2.0, ink.width() / 2.0) : QSizeF(ink.size()) / 2.0;
            QVERIFY2(qAbs(drawn.width() - area.width()) <= 1.5 && qAbs(drawn.height() - area.width() / ratio) <= 1.5,
                     qPrintable(QStringLiteral("%1: %2 x %3 pt").arg(file).arg(drawn.width()).arg(drawn.height())));
            QFile::remove(file);
        }
    }

    void reportsQueueThatRefusesJobs()
    {
        // Qt hands the job to CUPS and does not look at the answer. A queue of our own
        // that refuses jobs shows whether the adapter does.
        const QString refusing = QStringLiteral("Sproutkin_Refusing_%1").arg(QCoreApplication::applicationPid());
        if (run("lpadmin", {"-p", refusing, "-v", "cups-pdf:/", "-P", "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"}) != 0) {
            if (qgetenv("CI") == "true")
                QFAIL("Cannot add a print queue (lpadmin needs administrator rights).");
            QSKIP("Cannot add a print queue here (lpadmin needs administrator rights).");
        }
        const auto removeQueue = qScopeGuard([&] { run("lpadmin", {"-x", refusing}); });
        QCOMPARE(run("cupsreject", {refusing}), 0);
        const QString title = uniqueTitle("refused");
        {
            QPrinter printer(QPrinterInfo::printerInfo(refusing), QPrinter::HighResolution);
            QCOMPARE(printer.outputFormat(), QPrinter::NativeFormat);
            printer.setDocName(title);
            QtPrinterAdapter adapter(printer);
            QVERIFY(PrintFittedPicture(adapter, Picture::fromImage(testCertificate())).ok());
            const PrintResult result = adapter.endDoc();
            QVERIFY2(result.message().startsWith("The printer did not take the page, so nothing was printed. Check that "
                                                 "the printer is switched on and ready to print, then try again."),
                     qPrintable(result.message()));
        }
        // The default queue takes the next press, and only that job made a page.
        const PrintResult again = printOnDefaultPrinter(testCertificate(), title);
        QVERIFY2(again.ok(), qPrintable(again.message()));
        const QStringList files = pagesTitled(title, 1);
        QCOMPARE(files.size(), 1);
        QFile::remove(files.first());
    }
};

QTEST_MAIN(TestPrintQueue)
#include "tst_printqueue.moc"
