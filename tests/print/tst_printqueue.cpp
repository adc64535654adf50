// Prints through the machine's real print queue: the default CUPS printer, which
// scripts/print-queue.sh sets up as a queue that writes PDF files.
#include "module1.h"
#include "pdfprobe.h"
#include "picture.h"
#include "defaultprinter.h"
#include "qtprinteradapter.h"

#include <QPrinter>
#include <QtTest>

using namespace sprout;
using pdfprobe::testCertificate;

class TestPrintQueue : public QObject {
    Q_OBJECT
    QString m_queue;
    QSet<QString> m_seen;

    static int run(const QString& program, const QStringList& arguments)
    {
        QProcess process;
        process.start(program, arguments);
        return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

private slots:
    void initTestCase()
    {
        m_queue = pdfprobe::pdfQueue();
        if (m_queue.isEmpty()) {
            if (qgetenv("CI") == "true")
                QFAIL("The default printer is not the PDF queue of scripts/print-queue.sh.");
            QSKIP("The default printer is not a PDF queue (scripts/print-queue.sh sets one up).");
        }
        QVERIFY2(pdfprobe::toolsPresent(), "pdfinfo and pdftoppm (poppler-utils) are needed");
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
        const QString title = QStringLiteral("sproutkin-refused-%1-%2").arg(QCoreApplication::applicationPid())
                                  .arg(QDateTime::currentMSecsSinceEpoch());
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
        const QStringList files = pdfprobe::newPages(m_queue, title + "*.pdf", m_seen, 1);
        QCOMPARE(files.size(), 1);
        QFile::remove(files.first());
    }
};

QTEST_MAIN(TestPrintQueue)
#include "tst_printqueue.moc"
