// "Print Award" on the real award screens through the machine's real print queue:
// the default CUPS printer, which scripts/print-queue.sh sets up as a queue that
// writes one PDF file per job.
#include "../print/pdfprobe.h"
#include "awardscreen.h"
#include "pictures.h"
#include "quiztesting.h"

#include <QPrinterInfo>

#include <pwd.h>
#include <unistd.h>

using namespace sprout;
using namespace sprout::testing;

namespace {

QImage shownIn(Screen& award)
{
    return comparable(award.control<QLabel>("Picture1")->pixmap().toImage());
}

} // namespace

class TestAwardPrinting : public QObject {
    Q_OBJECT

    QString m_queue;
    QString m_outputFolder;
    QSet<QString> m_seen;
    QStringList m_printed;

    // The award pages that arrived since the last look, once their jobs are done.
    QStringList newPages(int expected)
    {
        QStringList fresh;
        (void)QTest::qWaitFor([&] {
            fresh.clear();
            for (const QFileInfo& entry : QDir(m_outputFolder).entryInfoList({"Sproutkin_award*.pdf"}, QDir::Files))
                if (!m_seen.contains(entry.absoluteFilePath()))
                    fresh << entry.absoluteFilePath();
            for (const QString& file : std::as_const(fresh))
                if (!pdfprobe::jobDone(m_queue, file) || pdfprobe::pageCount(file) < 1)
                    return false;
            return fresh.size() >= expected;
        }, 60000);
        for (const QString& file : std::as_const(fresh))
            m_seen.insert(file);
        m_printed << fresh;
        return fresh;
    }

private slots:
    void initTestCase()
    {
        const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
        QProcess lpstat;
        lpstat.start("lpstat", {"-v", printer.printerName()});
        lpstat.waitForFinished(30000);
        // Never send test pages to a printer that puts them on paper.
        const bool pdfQueue = !printer.isNull() && lpstat.readAllStandardOutput().contains("cups-pdf:");
        if (!pdfQueue && qgetenv("CI") == "true")
            QFAIL("The default printer is no PDF queue: scripts/print-queue.sh should have set one up.");
        if (!pdfQueue)
            QSKIP("No PDF queue as default printer (scripts/print-queue.sh sets one up).");
        QVERIFY2(pdfprobe::toolsPresent(), "pdfinfo and pdftoppm (poppler-utils) are needed");
        m_queue = printer.printerName();
        // The queue's "Out" folder, written for the user who sends the job.
        m_outputFolder = "/var/spool/cups-pdf/${USER}";
        QFile settings("/etc/cups/cups-pdf.conf");
        if (settings.open(QIODevice::ReadOnly | QIODevice::Text))
            for (const QString& line : QString::fromLocal8Bit(settings.readAll()).split('\n'))
                if (const auto match = QRegularExpression("^\\s*Out\\s+(\\S.*?)\\s*$").match(line); match.hasMatch())
                    m_outputFolder = match.captured(1);
        if (const passwd* user = getpwuid(getuid()))
            m_outputFolder.replace("${HOME}", user->pw_dir).replace("${USER}", user->pw_name);
        for (const QFileInfo& entry : QDir(m_outputFolder).entryInfoList({"*.pdf"}, QDir::Files))
            m_seen.insert(entry.absoluteFilePath());
    }

    void cleanupTestCase()
    {
        for (const QString& file : std::as_const(m_printed))
            QFile::remove(file);
    }

    // Each press prints one page with the certificate read from the file at that
    // moment, and shows it in the box; nothing is told when all went well.
    void eachPressPrintsTheFileAsItIsThen()
    {
        ScreenRegistry registry(createScreen);
        ReportRecorder reports;
        QVERIFY(registry.show(ScreenId::awardshape));
        Screen& award = registry.reference(ScreenId::awardshape);
        QTemporaryDir folder;
        registry.reference<AwardScreen>(ScreenId::awardshape).setPictureFolder(folder.path());
        const QString path = folder.filePath("shapesaward.bmp");

        for (const char* certificate : {"certificate-math", "certificate-word"}) {
            const QImage picture = comparable(builtInPicture(certificate).toImage());
            QFile::remove(path);
            QVERIFY(picture.convertToFormat(QImage::Format_RGB888).save(path, "BMP"));
            click(award, "Command1");
            QCOMPARE(reports.messages, QStringList());
            QCOMPARE(shownIn(award), picture);
            const QStringList pages = newPages(1);
            QCOMPARE(pages.size(), 1);
            QCOMPARE(pdfprobe::pageCount(pages[0]), 1);
            QVERIFY2(!pdfprobe::sunBounds(pdfprobe::render(pages[0], 144)).isNull(),
                     "the certificate's sun is not on the page");
        }
        QVERIFY(award.isVisible());
    }
};

QTEST_MAIN(TestAwardPrinting)
#include "tst_awardprinting.moc"
