// The program as a family gets it: installed into a fresh prefix, and from the Debian package.
#include <QtTest>

#include <unistd.h>

namespace {

const QString kAppId = "org.sproutkin.Sproutkin";

bool runs(const QString& program, const QStringList& arguments, QString& output)
{
    QProcess tool;
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(program, arguments);
    const bool ok = tool.waitForFinished(300000) && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
    output = program + " " + arguments.join(' ') + ":\n" + QString::fromLocal8Bit(tool.readAll());
    return ok;
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestInstall : public QObject {
    Q_OBJECT
    QTemporaryDir m_scratch;
    QString m_debFile;
    QString m_log;

private slots:
    void initTestCase()
    {
        const QString build = qEnvironmentVariable("SPROUT_BUILD_DIR");
        QVERIFY2(!build.isEmpty(), "run through CTest");
        const QString prefix = m_scratch.filePath("prefix"), packages = m_scratch.filePath("packages");
        QVERIFY2(runs(qEnvironmentVariable("SPROUT_CMAKE"), {"--install", build, "--prefix", prefix}, m_log), qPrintable(m_log));
        // The package is built from the build tree as it is: packaging builds nothing.
        QVERIFY2(runs(qEnvironmentVariable("SPROUT_CPACK"), {"-G", "DEB", "--config", build + "/CPackConfig.cmake", "-B", packages}, m_log),
                 qPrintable(m_log));
        const QStringList debs = QDir(packages).entryList({"*.deb"}, QDir::Files);
        QCOMPARE(debs.size(), 1);
        m_debFile = packages + "/" + debs.first();
        QVERIFY2(runs("dpkg-deb", {"-x", m_debFile, m_scratch.filePath("unpacked")}, m_log), qPrintable(m_log));
    }

    void installedTreeWorks_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::newRow("cmake --install") << m_scratch.filePath("prefix");
        QTest::newRow("Debian package") << m_scratch.filePath("unpacked/usr");
    }
    void installedTreeWorks()
    {
        QFETCH(QString, prefix);
        // A relative link, so that the tree works wherever it is put.
        const QString link = prefix + "/bin/sproutkin";
        char target[4096] = {};
        QVERIFY2(::readlink(QFile::encodeName(link).constData(), target, sizeof target - 1) > 0, qPrintable(link));
        QVERIFY2(target[0] != '/', target);
        const QFileInfo real(QFileInfo(link).canonicalFilePath());
        QVERIFY(real.isExecutable());
        QCOMPARE(real.absolutePath(), QFileInfo(prefix).canonicalFilePath() + "/lib/sproutkin");

        // Exactly the pictures and voice built beside the program, and nothing of how the voice was made.
        const QString folder = real.absolutePath(), bin = qEnvironmentVariable("SPROUT_BIN_DIR");
        QStringList expected = QDir(bin).entryList({"*.bmp"}, QDir::Files);
        QStringList voices = QDir(bin + "/voice").entryList({"*.wav"}, QDir::Files);
        QCOMPARE_GE(expected.size(), 70);
        QVERIFY(!voices.isEmpty());
        QCOMPARE(QDir(folder + "/voice").entryList(QDir::Files | QDir::Hidden), voices);
        for (const QString& name : expected + voices.replaceInStrings(QRegularExpression("^"), "voice/"))
            QVERIFY2(contents(folder + "/" + name) == contents(bin + "/" + name), qPrintable(name + " differs"));
        (expected << "sproutkin" << "voice").sort();
        QStringList present = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::AllDirs | QDir::NoDotAndDotDot);
        present.sort();
        QCOMPARE(present, expected);

        const QString entry = prefix + "/share/applications/" + kAppId + ".desktop";
        QVERIFY2(runs("desktop-file-validate", {entry}, m_log) && !m_log.contains("error"), qPrintable(m_log));
        QVERIFY2(runs("appstreamcli", {"validate", "--no-net", prefix + "/share/metainfo/" + kAppId + ".metainfo.xml"}, m_log),
                 qPrintable(m_log));
        QVERIFY(contents(entry).contains("\nExec=sproutkin\n"));
        QVERIFY(contents(entry).contains("\nIcon=" + kAppId.toLatin1() + "\n"));
    }

    void debianPackageDeclaresWhatItNeedsAndPassesLintian()
    {
        QVERIFY2(runs("dpkg-deb", {"-f", m_debFile, "Package", "Section", "Maintainer", "Depends"}, m_log), qPrintable(m_log));
        // The fonts the screens are laid out with, the print system's client, and Qt.
        for (const char* part : {"Package: sproutkin\n", "Section: education\n", "Maintainer: ", "fonts-cabin",
                                 "fonts-liberation2", "libcups2", "libqt6widgets6", "libqt6printsupport6"})
            QVERIFY2(m_log.contains(QLatin1String(part)), qPrintable(m_log));
        QVERIFY2(runs("lintian", {"--fail-on", "error", m_debFile}, m_log), qPrintable(m_log));
    }
};

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
