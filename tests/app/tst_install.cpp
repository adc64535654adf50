// The program as a family gets it: installed with `cmake --install` into a fresh
// prefix, and unpacked from the Debian package that CPack builds. Each installed
// copy must find its pictures through the link on the PATH, start from a working
// directory that has nothing to do with it, and end when the session asks it to.
#include "errorreporter.h"
#include "picturefile.h"
#include "programfolder.h"
#include "screenregistry.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/types.h>
#include <unistd.h>

using namespace sprout;

namespace {

constexpr const char* kAppId = "org.sproutkin.Sproutkin";
// Set when this executable runs as a copy inside an installed program folder.
constexpr const char* kInstalledRun = "SPROUT_RUN_FROM_INSTALLED_FOLDER";

struct Run {
    bool ok = false;
    QString output;
};

Run runTool(const QString& program, const QStringList& arguments, int timeout = 300000)
{
    QProcess tool;
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(program, arguments);
    if (!tool.waitForStarted())
        return {false, program + " did not start"};
    const bool finished = tool.waitForFinished(timeout);
    Run run{finished && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0,
            QString::fromLocal8Bit(tool.readAll())};
    if (!run.ok)
        run.output.prepend(program + " " + arguments.join(' ') + " failed:\n");
    return run;
}

// Every regular file under a folder, by its path relative to that folder.
QStringList filesUnder(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::System | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
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
    QString m_buildDir;
    QString m_binDir;
    QString m_installed; // the prefix given to cmake --install
    QString m_unpacked;  // the /usr of the unpacked Debian package

    void addTrees()
    {
        QTest::addColumn<QString>("prefix");
        QTest::newRow("cmake --install") << m_installed;
        QTest::newRow("Debian package") << m_unpacked;
    }

    // The command on the PATH must be a link that stays inside the installation.
    static QString programFolderBehindLink(const QString& prefix)
    {
        const QFileInfo link(prefix + "/bin/sproutkin");
        if (!link.isSymLink())
            return {};
        const QFileInfo real(link.canonicalFilePath());
        if (!real.isExecutable() || !real.absoluteFilePath().startsWith(QFileInfo(prefix).canonicalFilePath() + "/"))
            return {};
        return real.absolutePath();
    }

private slots:
    void initTestCase();

    void commandIsALinkToTheProgramFolder_data() { addTrees(); }
    void commandIsALinkToTheProgramFolder();
    void programFolderHoldsTheProgramAndEveryPictureFile_data() { addTrees(); }
    void programFolderHoldsTheProgramAndEveryPictureFile();
    void quizzesAndAwardsFindTheirPictures_data() { addTrees(); }
    void quizzesAndAwardsFindTheirPictures();
    void programStartsFromElsewhereAndEndsOnSigterm_data() { addTrees(); }
    void programStartsFromElsewhereAndEndsOnSigterm();
    void desktopEntryIconAndMetadataAgree_data() { addTrees(); }
    void desktopEntryIconAndMetadataAgree();
    void debianPackageDeclaresWhatItNeeds();
    void debianPackagePassesLintian();

private:
    QString m_debFile;
};

void TestInstall::initTestCase()
{
    if (qEnvironmentVariableIsSet(kInstalledRun))
        return; // the copy inside an installed folder needs nothing of this
    m_buildDir = qEnvironmentVariable("SPROUT_BUILD_DIR");
    m_binDir = qEnvironmentVariable("SPROUT_BIN_DIR");
    QVERIFY2(!m_buildDir.isEmpty() && !m_binDir.isEmpty(), "run through CTest");
    QVERIFY(m_scratch.isValid());

    m_installed = m_scratch.filePath("prefix");
    const Run install = runTool(qEnvironmentVariable("SPROUT_CMAKE"),
                                {"--install", m_buildDir, "--prefix", m_installed});
    QVERIFY2(install.ok, qPrintable(install.output));

    // The package is built from the build tree as it is: packaging builds nothing.
    const QString packages = m_scratch.filePath("packages");
    const Run pack = runTool(qEnvironmentVariable("SPROUT_CPACK"),
                             {"-G", "DEB", "--config", m_buildDir + "/CPackConfig.cmake", "-B", packages});
    QVERIFY2(pack.ok, qPrintable(pack.output));
    const QStringList debs = QDir(packages).entryList({"*.deb"}, QDir::Files);
    QCOMPARE(debs.size(), 1);
    m_debFile = packages + "/" + debs.first();

    const QString root = m_scratch.filePath("unpacked");
    const Run unpack = runTool("dpkg-deb", {"-x", m_debFile, root});
    QVERIFY2(unpack.ok, qPrintable(unpack.output));
    m_unpacked = root + "/usr";
}

void TestInstall::commandIsALinkToTheProgramFolder()
{
    QFETCH(QString, prefix);
    const QFileInfo link(prefix + "/bin/sproutkin");
    QVERIFY2(link.isSymLink(), qPrintable(link.filePath() + " is not a link"));
    // Relative, so that the tree works wherever it is unpacked or moved.
    char target[4096] = {};
    QVERIFY(::readlink(QFile::encodeName(link.filePath()).constData(), target, sizeof target - 1) > 0);
    QVERIFY2(target[0] != '/', target);
    const QString folder = programFolderBehindLink(prefix);
    QVERIFY2(!folder.isEmpty(), qPrintable(link.filePath() + " does not lead to an executable inside " + prefix));
    QCOMPARE(QFileInfo(folder).fileName(), QStringLiteral("sproutkin"));
}

void TestInstall::programFolderHoldsTheProgramAndEveryPictureFile()
{
    QFETCH(QString, prefix);
    const QString folder = programFolderBehindLink(prefix);
    QVERIFY(!folder.isEmpty());

    // Exactly what assetgen wrote beside the built program, name for name (letter
    // case included) and byte for byte, and nothing else of the build's bin/.
    QStringList expected = QDir(m_binDir).entryList({"*.bmp"}, QDir::Files);
    QVERIFY2(expected.size() >= 70, qPrintable(QString::number(expected.size()) + " picture files built"));
    expected << "sproutkin";
    expected.sort();
    QCOMPARE(filesUnder(folder), expected);
    for (const QString& name : expected) {
        if (name == "sproutkin")
            continue;
        QVERIFY2(contents(folder + "/" + name) == contents(m_binDir + "/" + name),
                 qPrintable(name + " differs from the built one"));
    }
}

void TestInstall::quizzesAndAwardsFindTheirPictures()
{
    if (qEnvironmentVariableIsSet(kInstalledRun)) {
        // This is the copy beside the installed program: its program folder is the
        // installed one, so the quizzes read exactly what the program would read.
        QStringList reports;
        ErrorReporter::setSink([&](const QString& title, const QString& message) {
            reports << title + ": " + message;
        });
        ScreenRegistry registry(createScreen);
        for (ScreenId quiz : {ScreenId::GuessColor, ScreenId::Guessshape, ScreenId::Spellword,
                              ScreenId::MathTest}) {
            QVERIFY2(registry.show(quiz), qPrintable(QString(screenName(quiz)) + " did not open: "
                                                     + reports.join('\n')));
            registry.unload(quiz);
        }
        // The awards read their files only when printing; read them the same way.
        for (const char* award : {"\\coloraward.bmp", "\\shapesaward.bmp", "\\wordsaward.bmp",
                                  "\\mathaward.bmp"}) {
            const PictureFile::Loaded loaded = PictureFile::load(programFilePath(QString::fromLatin1(award)));
            QVERIFY2(loaded.ok(), qPrintable(loaded.problem));
        }
        QVERIFY2(reports.isEmpty(), qPrintable(reports.join('\n')));
        ErrorReporter::setSink({});
        return;
    }

    QFETCH(QString, prefix);
    const QString folder = programFolderBehindLink(prefix);
    QVERIFY(!folder.isEmpty());
    const QString copy = folder + "/" + QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), copy));

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(kInstalledRun, "1");
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    child.setProcessEnvironment(environment);
    child.setWorkingDirectory("/");
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(copy, {"quizzesAndAwardsFindTheirPictures:" + QString::fromLatin1(QTest::currentDataTag())});
    const bool finished = child.waitForFinished(120000);
    const QString log = QString::fromLocal8Bit(child.readAll());
    QFile::remove(copy);
    QVERIFY2(finished && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0
                 && log.contains("PASS   : TestInstall::quizzesAndAwardsFindTheirPictures("),
             qPrintable(log));
}

void TestInstall::programStartsFromElsewhereAndEndsOnSigterm()
{
    QFETCH(QString, prefix);
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory("/");
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.start(prefix + "/bin/sproutkin", {});
    QVERIFY(program.waitForStarted());
    QVERIFY2(!program.waitForFinished(1000),
             qPrintable("the program ended on its own: " + QString::fromLocal8Bit(program.readAll())));

    QCOMPARE(::kill(static_cast<pid_t>(program.processId()), SIGTERM), 0);
    QVERIFY2(program.waitForFinished(10000), "still running after SIGTERM");
    // Ended by the signal itself, not by a crash on the way out nor an exit of its own.
    QCOMPARE(program.exitStatus(), QProcess::CrashExit);
    QCOMPARE(program.exitCode(), SIGTERM);
}

void TestInstall::desktopEntryIconAndMetadataAgree()
{
    QFETCH(QString, prefix);
    const QString id = QString::fromLatin1(kAppId);
    const QString desktopFile = prefix + "/share/applications/" + id + ".desktop";
    const QString metainfo = prefix + "/share/metainfo/" + id + ".metainfo.xml";

    const Run desktop = runTool("desktop-file-validate", {desktopFile});
    QVERIFY2(desktop.ok && !desktop.output.contains("error"), qPrintable(desktop.output));
    const Run appstream = runTool("appstreamcli", {"validate", "--no-net", metainfo});
    QVERIFY2(appstream.ok, qPrintable(appstream.output));

    const QString entry = QString::fromUtf8(contents(desktopFile));
    QVERIFY(entry.contains("\nExec=sproutkin\n"));
    QVERIFY(entry.contains("\nIcon=" + id + "\n"));
    const QString meta = QString::fromUtf8(contents(metainfo));
    QVERIFY(meta.contains("<id>" + id + "</id>"));
    QVERIFY(meta.contains("<launchable type=\"desktop-id\">" + id + ".desktop</launchable>"));

    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString icon = QStringLiteral("%1/share/icons/hicolor/%2x%2/apps/%3.png").arg(prefix).arg(size).arg(id);
        QImageReader reader(icon);
        QCOMPARE(reader.format(), QByteArray("png"));
        QCOMPARE(reader.size(), QSize(size, size));
        // Drawn, not an empty canvas: the middle of the board is slate, not clear.
        const QImage image = reader.read();
        QVERIFY2(qAlpha(image.pixel(size / 2, size * 3 / 4)) == 255, qPrintable(icon));
        QVERIFY2(qAlpha(image.pixel(0, 0)) < 255, qPrintable(icon + " has no clear corner"));
    }
}

void TestInstall::debianPackageDeclaresWhatItNeeds()
{
    const Run fields = runTool("dpkg-deb", {"-f", m_debFile, "Package", "Section", "Maintainer", "Depends"});
    QVERIFY2(fields.ok, qPrintable(fields.output));
    QVERIFY2(fields.output.contains("Package: sproutkin\n"), qPrintable(fields.output));
    QVERIFY2(fields.output.contains("Section: education\n"), qPrintable(fields.output));
    QVERIFY2(fields.output.contains("Maintainer: "), qPrintable(fields.output));
    // The fonts the screens are laid out with, the print system's client, and Qt as
    // found in the executable by dpkg-shlibdeps.
    for (const char* package : {"fonts-cabin", "fonts-liberation2", "libcups2", "libqt6widgets6",
                                "libqt6printsupport6"})
        QVERIFY2(fields.output.contains(QLatin1String(package)), qPrintable(fields.output));
}

void TestInstall::debianPackagePassesLintian()
{
    const Run lintian = runTool("lintian", {"--fail-on", "error", m_debFile});
    QVERIFY2(lintian.ok, qPrintable(lintian.output));
    if (!lintian.output.trimmed().isEmpty())
        qInfo().noquote() << lintian.output.trimmed();
}

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
