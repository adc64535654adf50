#include "certificate.h"
#include "defaultprinter.h"

#include <QPrinterInfo>
#include <QtTest>

using namespace sprout;

// A computer without a printer: the print system is pointed at a server that does
// not exist before anything asks it for printers.
class TestNoPrinter : public QObject {
    Q_OBJECT
    QTemporaryDir m_workDir;

private slots:
    void saysSoAndPrintsNothing()
    {
        qputenv("CUPS_SERVER", "127.0.0.1:1");
        qunsetenv("PRINTER");
        qunsetenv("LPDEST");
        // With no printer Qt would write a PDF; any file would show up here.
        QVERIFY(QDir::setCurrent(m_workDir.path()));
        QVERIFY(QPrinterInfo::defaultPrinter().isNull());
        for (int press = 0; press < 2; ++press) { // and the program answers the same way again
            const PrintResult result = printOnDefaultPrinter(testCertificate());
            QVERIFY(!result.ok());
            QCOMPARE(result.message(), "No printer is set up on this computer, so nothing was printed. Set up a "
                                       "printer in the computer's printer settings, then try printing again.");
        }
        QCOMPARE(QDir(m_workDir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
        QCOMPARE(printOnDefaultPrinter(QImage()).message(), "There is no picture to print, so nothing was printed.");
    }
};

QTEST_MAIN(TestNoPrinter)
#include "tst_noprinter.moc"
