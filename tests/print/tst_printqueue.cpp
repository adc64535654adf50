// Prints through the machine's real print queue: the default CUPS printer, which
// scripts/print-queue.sh sets up as a queue that writes PDF files.
#include "defaultprinter.h"
#include "printfittedpicture.h"
#include "pdfprobe.h"
#include "printablepicture.h"
#include "qtprinteradapter.h"

#include <QPrinter>
#include <QtTest>

using namespace sprout;

namespace {

bool succeeds(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

} // namespace

class TestPrintQueue : public QObject {
    Q_OBJECT
private slots:
    // Qt hands the job to CUPS and does not look at the answer: a queue of our own
    // that refuses jobs shows whether the adapter does. The default queue then takes
    // the next press, and only that job makes a page.
    void reportsQueueThatRefusesJobsThenPrints()
    {
        const QString queue = pdfprobe::pdfQueue();
        const QString refusing = QStringLiteral("Sproutkin_Refusing_%1").arg(QCoreApplication::applicationPid());
        const bool ready = !queue.isEmpty() && pdfprobe::toolsPresent()
            && succeeds("lpadmin", {"-p", refusing, "-v", "cups-pdf:/", "-P", "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"});
        if (!ready && qgetenv("CI") == "true")
            QFAIL("Needs the PDF queue of scripts/print-queue.sh as default printer, poppler-utils and lpadmin rights.");
        if (!ready)
            QSKIP("Needs the PDF queue of scripts/print-queue.sh as default printer, poppler-utils and lpadmin rights.");
        const auto removeQueue = qScopeGuard([&] { succeeds("lpadmin", {"-x", refusing}); });
        QVERIFY(succeeds("cupsreject", {refusing}));
        const QString title = QStringLiteral("sproutkin-refused-%1-%2").arg(QCoreApplication::applicationPid())
                                  .arg(QDateTime::currentMSecsSinceEpoch());
        {
            QPrinter printer(QPrinterInfo::printerInfo(refusing), QPrinter::HighResolution);
            QCOMPARE(printer.outputFormat(), QPrinter::NativeFormat);
            printer.setDocName(title);
            QtPrinterAdapter adapter(printer);
            QVERIFY(PrintFittedPicture(adapter, PrintablePicture::fromImage(pdfprobe::testCertificate())).ok());
            const PrintResult result = adapter.endDoc();
            QVERIFY2(result.message().startsWith("The printer did not take the page, so nothing was printed. Check that "
                                                 "the printer is switched on and ready to print, then try again."),
                     qPrintable(result.message()));
        }
        const PrintResult again = printOnDefaultPrinter(pdfprobe::testCertificate(), title);
        QVERIFY2(again.ok(), qPrintable(again.message()));
        QSet<QString> seen;
        const QStringList files = pdfprobe::newPages(queue, title + "*.pdf", seen, 1);
        QCOMPARE(files.size(), 1);
        QFile::remove(files.first());
    }
};

QTEST_MAIN(TestPrintQueue)
#include "tst_printqueue.moc"
