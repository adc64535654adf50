#include "certificate.h"
#include "printfitted.h"

#include <QPrinterInfo>
#include <QtTest>

using namespace sprout;

// A computer without a printer: this test points the print system at a server
// that does not exist before anything asks it for printers.
class TestNoPrinter : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void saysSoAndPrintsNothing();
    void refusesMissingPicture();

private:
    QTemporaryDir m_workDir;
};

void TestNoPrinter::initTestCase()
{
    QVERIFY(m_workDir.isValid());
    qputenv("CUPS_SERVER", "127.0.0.1:1");
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    // With no printer Qt would write a PDF; any file would show up here.
    QVERIFY(QDir::setCurrent(m_workDir.path()));
    QVERIFY(QPrinterInfo::defaultPrinter().isNull());
}

void TestNoPrinter::saysSoAndPrintsNothing()
{
    const PrintResult result = printFitted(testCertificate());
    QVERIFY(!result.ok());
    QCOMPARE(result.message(),
             QStringLiteral("No printer is set up on this computer, so nothing was printed. Set "
                            "up a printer in the computer's printer settings, then try printing "
                            "again."));

    // And again: the program goes on and answers the same way.
    QCOMPARE(printFitted(testCertificate()).message(), result.message());

    QCOMPARE(QDir(m_workDir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void TestNoPrinter::refusesMissingPicture()
{
    const PrintResult result = printFitted(QImage());
    QVERIFY(!result.ok());
    QCOMPARE(result.message(), QStringLiteral("There is no picture to print, so nothing was printed."));
}

QTEST_MAIN(TestNoPrinter)
#include "tst_noprinter.moc"
