#pragma once

// Plays a quiz screen the way a child does and reads back what the child sees:
// the picture on the board, the result text, and the hidden score box.

#include "controls.h"
#include "picturefile.h"
#include "programfolder.h"
#include "screentesting.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>

namespace sprout::testing {

// What a test needs to know of one picture quiz.
struct QuizTable {
    QStringList files;   // name constant of each question number
    QStringList choices; // the control that accepts each question number
    QString playAgain;   // the button that draws a new question
};

inline QImage comparable(const QImage& image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

inline QImage filePicture(const QString& nameConstant)
{
    return comparable(PictureFile::load(programFilePath(nameConstant)).picture);
}

inline QImage shownPicture(Screen& screen)
{
    return comparable(screen.control<QLabel>("Image2")->pixmap().toImage());
}

// The question number whose file shows what Image2 shows, or -1.
inline int shownQuestion(Screen& screen, const QuizTable& quiz)
{
    const QImage shown = shownPicture(screen);
    for (int number = 0; number < quiz.files.size(); ++number)
        if (!shown.isNull() && shown == filePicture(quiz.files[number]))
            return number;
    return -1;
}

// Presses the quiz's new-question button until question number comes up.
inline bool bringUp(Screen& screen, const QuizTable& quiz, int number)
{
    for (int press = 0; press < 1000; ++press) {
        if (shownQuestion(screen, quiz) == number)
            return true;
        click(screen, quiz.playAgain);
    }
    return false;
}

inline QString result(Screen& screen)
{
    return screen.control<QLabel>("Label1")->text();
}

inline QString score(Screen& screen, const QString& scoreBox = "Text1")
{
    return screen.control<QLineEdit>(scoreBox)->text();
}

// The program reads its pictures from the folder of its own executable, which
// every test shares with the tests running beside it. A test that must change
// those files runs again as a fresh program of its own, from a private copy of
// that folder holding this test executable and the files it names.
class PrivateProgramFolder {
public:
    static bool isThisRun() { return qEnvironmentVariableIsSet(kMarker); }

    // Runs one test function of this executable in the copy; false with the
    // child's output in *log when it fails.
    static bool run(const QString& testFunction, const QStringList& nameConstants, QString* log)
    {
        QTemporaryDir folder;
        if (!folder.isValid())
            return fail(log, "no temporary folder");
        const QString executable = folder.filePath(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
        if (!QFile::copy(QCoreApplication::applicationFilePath(), executable))
            return fail(log, "cannot copy the test executable");
        for (const QString& name : nameConstants)
            if (!QFile::copy(programFilePath(name), programFilePath(folder.path(), name)))
                return fail(log, "cannot copy " + name);

        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(kMarker, "1");
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(executable, {testFunction});
        child.waitForFinished(-1);
        *log = QString::fromLocal8Bit(child.readAll());
        return child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0
               && log->contains("::" + testFunction + "(") && log->contains(" 0 failed, 0 skipped");
    }

private:
    static constexpr const char* kMarker = "SPROUT_PRIVATE_PROGRAM_FOLDER";

    static bool fail(QString* log, const QString& why)
    {
        *log = why;
        return false;
    }
};

// Writes a picture over a name constant's file in the program folder.
inline bool replacePicture(const QString& nameConstant, const QImage& picture)
{
    return picture.convertToFormat(QImage::Format_RGB888).save(programFilePath(nameConstant), "BMP");
}

} // namespace sprout::testing

// Runs the rest of the test function in a fresh program from a private copy of
// the program folder; the function's own run only checks how that went.
#define SPROUT_IN_PRIVATE_PROGRAM_FOLDER(files)                                                 \
    do {                                                                                       \
        if (!::sprout::testing::PrivateProgramFolder::isThisRun()) {                           \
            QString log;                                                                       \
            const bool passed = ::sprout::testing::PrivateProgramFolder::run(                  \
                QString::fromLatin1(QTest::currentTestFunction()), files, &log);               \
            QVERIFY2(passed, qPrintable(log));                                                 \
            return;                                                                            \
        }                                                                                      \
    } while (false)
