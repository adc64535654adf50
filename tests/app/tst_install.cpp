// The program as a family gets it: installed with `cmake --install` into a fresh
// prefix, and unpacked from the Debian package that CPack builds. Each installed
// tree must hold the very files built beside the program (which the picture and
// quiz tests read), start from a working directory that has nothing to do with it,
// and end when the session asks it to.
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <unistd.h>

namespace {

const QString kAppId = "org.sproutkin.Sproutkin";

QString runTool(const QString& program, const QStringList& arguments, bool* ok)
{
    QProcess tool;
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(program, arguments);
    *ok = tool.waitForFinished(300000) && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
    return program + " " + arguments.join(' ') + ":\n" + QString::fromLocal8Bit(tool.readAll());
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

private slots:
    void initTestCase()
    {
        const QString build = qEnvironmentVariable("SPROUT_BUILD_DIR");
        QVERIFY2(!build.isEmpty(), "run through CTest");
        bool ok = false;
        QString log = runTool(qEnvironmentVariable("SPROUT_CMAKE"), {"--install", build, "--prefix", m_scratch.filePath("prefix")}, &ok);
        QVERIFY2(ok, qPrintable(log));
        // The package is built from the build tree as it is: packaging builds nothing.
        log = runTool(qEnvironmentVariable("SPROUT_CPACK"), {"-G", "DEB", "--config", build + "/CPackConfig.cmake", "-B", m_scratch.filePath("packages")}, &ok);
        QVERIFY2(ok, qPrintable(log));
        const QStringList debs = QDir(m_scratch.filePath("packages")).entryList({"*.deb"}, QDir::Files);
        QCOMPARE(debs.size(), 1);
        m_debFile = m_scratch.filePath("packages/" + debs.first());
        log = runTool("dpkg-deb", {"-x", m_debFile, m_scratch.filePath("unpacked")}, &ok);
        QVERIFY2(ok, qPrintable(log));
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
        // The command is a relative link, so the tree works wherever it is put, into
        // a program folder inside the tree.
        const QFileInfo link(prefix + "/bin/sproutkin");
        char target[4096] = {};
        QVERIFY2(::readlink(QFile::encodeName(link.filePath()).constData(), target, sizeof target - 1) > 0 && target[0] != '/',
                 qPrintable(link.filePath()));
        const QFileInfo real(link.canonicalFilePath());
        QVERIFY2(real.isExecutable() && real.absoluteFilePath().startsWith(QFileInfo(prefix).canonicalFilePath() + "/lib/sproutkin/"),
                 qPrintable(real.absoluteFilePath()));
        const QString folder = real.absolutePath();

        // Exactly the picture files and the recorded voice built beside the program,
        // name and bytes, and nothing else (nothing of how the voice was made).
        const QString bin = qEnvironmentVariable("SPROUT_BIN_DIR");
        QStringList expected = QDir(bin).entryList({"*.bmp"}, QDir::Files);
        QStringList voices = QDir(bin + "/voice").entryList({"*.wav"}, QDir::Files);
        QVERIFY(expected.size() >= 70);
        QVERIFY(!voices.isEmpty());
        QCOMPARE(QDir(folder + "/voice").entryList(QDir::Files | QDir::Hidden), voices);
        for (const QString& name : expected + voices.replaceInStrings(QRegularExpression("^"), "voice/"))
            QVERIFY2(contents(folder + "/" + name) == contents(bin + "/" + name), qPrintable(name + " differs"));
        (expected << "sproutkin" << "voice").sort();
        QStringList present = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::AllDirs | QDir::NoDotAndDotDot);
        present.sort();
        QCOMPARE(present, expected);

        // Started through the link from /, the program keeps running until the session
        // ends it with SIGTERM.
        QProcess program;
        program.setWorkingDirectory("/");
        // Neither the user's settings nor a Sproutkin the user has running.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* folder : {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_RUNTIME_DIR"}) {
            QVERIFY(QDir().mkpath(m_scratch.filePath(folder)));
            environment.insert(folder, m_scratch.filePath(folder));
        }
        program.setProcessEnvironment(environment);
        program.start(prefix + "/bin/sproutkin", {});
        QVERIFY(program.waitForStarted());
        QVERIFY2(!program.waitForFinished(1000), "the program ended on its own");
        QCOMPARE(::kill(pid_t(program.processId()), SIGTERM), 0);
        QVERIFY2(program.waitForFinished(10000), "still running after SIGTERM");
        // Ended by the signal, not a crash of its own.
        QVERIFY(program.exitStatus() == QProcess::CrashExit);
        QVERIFY(program.exitCode() == SIGTERM);

        // Menu entry, metadata and icons, validated by the desktop's own tools.
        bool ok = false;
        QString output = runTool("desktop-file-validate", {prefix + "/share/applications/" + kAppId + ".desktop"}, &ok);
        QVERIFY2(ok && !output.contains("error"), qPrintable(output));
        output = runTool("appstreamcli", {"validate", "--no-net", prefix + "/share/metainfo/" + kAppId + ".metainfo.xml"}, &ok);
        QVERIFY2(ok, qPrintable(output));
        const QByteArray entry = contents(prefix + "/share/applications/" + kAppId + ".desktop");
        QVERIFY(entry.contains("\nExec=sproutkin\n"));
        QVERIFY(entry.contains("\nIcon=" + kAppId.toLatin1() + "\n"));
        for (int size : {16, 32, 48, 64, 128, 256}) {
            const QImage icon = QImageReader(QStringLiteral("%1/share/icons/hicolor/%2x%2/apps/%3.png").arg(prefix).arg(size).arg(kAppId)).read();
            QCOMPARE(icon.size(), QSize(size, size));
            QVERIFY(qAlpha(icon.pixel(size / 2, size * 3 / 4)) == 255);
            QVERIFY(qAlpha(icon.pixel(0, 0)) < 255);
        }
    }

    void debianPackageDeclaresWhatItNeedsAndPassesLintian()
    {
        bool ok = false;
        const QString fields = runTool("dpkg-deb", {"-f", m_debFile, "Package", "Section", "Maintainer", "Depends"}, &ok);
        // The fonts the screens are laid out with, the print system's client, and Qt.
        for (const char* part : {"Package: sproutkin\n", "Section: education\n", "Maintainer: ", "fonts-cabin",
                                 "fonts-liberation2", "libcups2", "libqt6widgets6", "libqt6printsupport6"})
            QVERIFY2(ok && fields.contains(QLatin1String(part)), qPrintable(fields));
        const QString lintian = runTool("lintian", {"--fail-on", "error", m_debFile}, &ok);
        QVERIFY2(ok, qPrintable(lintian));
    }
};

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
