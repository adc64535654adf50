#include "awardscreen.h"

#include "defaultprinter.h"
#include "errorreporter.h"
#include "bitmapfile.h"
#include "builtinpictures.h"
#include "guidance.h"
#include "programfolder.h"
#include "savedialog.h"
#include "savefittedpdf.h"
#include "screendesigns.h"
#include "screenregistry.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QStandardPaths>

namespace sprout {

namespace {

// What sets one twin apart from the others.
struct AwardDesign {
    const ScreenDesign& design;
    const char* awardFile;     // read by "Print Award"
    const char* windowPicture; // the window's own background picture, if any
    const char* subject;       // names a saved certificate for a parent
};

const AwardDesign& designOf(ScreenId id)
{
    static const AwardDesign color{designs::colorAward, "\\coloraward.bmp", nullptr, "colors"};
    static const AwardDesign shape{designs::shapeAward, "\\shapesaward.bmp", nullptr, "shapes"};
    static const AwardDesign word{designs::spellingAward, "\\wordsaward.bmp", nullptr, "spelling"};
    static const AwardDesign math{designs::mathAward, "\\mathaward.bmp", "certificate-math", "math"};
    switch (id) {
    case ScreenId::awardshape: return shape;
    case ScreenId::awardword: return word;
    case ScreenId::awardmath: return math;
    default: return color;
    }
}

// The first button in the tab order, where the focus lands on arrival.
const char* arrivalFocusOf(std::span<const Control> controls)
{
    const Control* first = nullptr;
    for (const Control& row : controls)
        if (row.kind == Kind::Button && (!first || row.tabIndex < first->tabIndex))
            first = &row;
    return first ? first->name : "";
}

// Documents where the person has such a folder, else home.
QString saveFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

// A name not taken yet, so that an award saved before is only replaced when the
// parent picks its name in the dialog and confirms it there.
QString freePath(const QString& folder, const QString& name)
{
    const QDir dir(folder);
    QString path = dir.filePath(name + QStringLiteral(".pdf"));
    for (int copy = 2; copy < 1000 && QFileInfo::exists(path); ++copy)
        path = dir.filePath(QStringLiteral("%1 (%2).pdf").arg(name).arg(copy));
    return path;
}

} // namespace

AwardScreen::AwardScreen(ScreenRegistry& registry, ScreenId id)
    : Screen(registry, id, designOf(id).design)
{
    onClick("Command1", [this] { Command1_Click(); });
    onClick("Command2", [this] { Command2_Click(); });
}

QString AwardScreen::pictureFolder() const
{
    return m_pictureFolder.isEmpty() ? programFolder() : m_pictureFolder;
}

QStringList AwardScreen::designProblems() const
{
    QStringList problems = Screen::designProblems();
    if (const char* picture = designOf(id()).windowPicture;
        picture && !hasBuiltInPicture(QString::fromLatin1(picture)))
        problems << QStringLiteral("window: no built-in picture \"%1\"").arg(QLatin1String(picture));
    return problems;
}

void AwardScreen::controlsBuilt()
{
    // The window is only hidden by "Continue" and remembers which button had the
    // focus; the child pressing the space bar expects the same button every time
    // the award comes up, so the focus is set again on each showing.
    window()->installEventFilter(this);
    if (designOf(id()).windowPicture)
        client()->installEventFilter(this);
}

bool AwardScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window() && event->type() == QEvent::Show) {
        if (QWidget* button = control(QString::fromLatin1(arrivalFocusOf(design()))))
            button->setFocus(Qt::OtherFocusReason);
    } else if (watched == client() && event->type() == QEvent::Paint) {
        // Drawn beneath every control, at its own size from the top-left corner.
        const QString name = QString::fromLatin1(designOf(id()).windowPicture);
        if (m_background.isNull())
            m_background = builtInPicture(name, scale());
        QPainter painter(client());
        painter.drawPixmap(0, 0, m_background);
    }
    return Screen::eventFilter(watched, event);
}

void AwardScreen::scaleChanged()
{
    m_background = QPixmap();
}

void AwardScreen::letPicturesGo()
{
    Screen::letPicturesGo();
    m_background = QPixmap(); // drawn again when next painted
}

void AwardScreen::Command1_Click()
{
    const QString path = programFilePath(pictureFolder(), QString::fromLatin1(designOf(id()).awardFile));
    const BitmapFile::Loaded loaded = BitmapFile::load(path);
    if (!loaded.ok()) {
        ErrorReporter::report(BitmapFile::reportTitle(),
                              loaded.problem
                                  + QStringLiteral(" The award was not printed; everything else "
                                                   "goes on working."));
        return;
    }

    auto* box = control<QLabel>(QStringLiteral("Picture1"));
    const QPixmap shownBefore = box->pixmap();
    box->setPixmap(QPixmap::fromImage(loaded.picture));
    const PrintResult printed = printOnDefaultPrinter(loaded.picture);
    if (!printed) {
        // Nothing came of the press, so the screen looks as it did before it.
        box->setPixmap(shownBefore);
        const words::Phrase said = printed.printerMissing() ? words::noPrinterMessage()
                                                            : words::notPrintedMessage();
        if (ErrorReporter::reportWithOffer(QStringLiteral("The award was not printed"),
                                           printed.message(), QStringLiteral("Save as PDF..."), said))
            saveAsPdf(loaded.picture);
    }
}

void AwardScreen::saveAsPdf(const QImage& certificate)
{
    const QString name =
        QStringLiteral("Sproutkin award - %1").arg(QLatin1String(designOf(id()).subject));
    const QString path = SaveDialog::ask(QStringLiteral("Save the award as a PDF"),
                                         freePath(saveFolder(), name),
                                         QStringLiteral("PDF files (*.pdf)"));
    if (path.isEmpty())
        return;
    const PrintResult saved = saveFittedPdf(certificate, path, name);
    if (!saved) {
        ErrorReporter::report(QStringLiteral("The award was not saved"), saved.message());
        return;
    }
    const QFileInfo file(path);
    ErrorReporter::inform(
        QStringLiteral("The award was saved"),
        QStringLiteral("The award was saved as \"%1\" in this folder:\n%2\n\nOpen it from there "
                       "to look at it, or print it on a computer that has a printer.")
            .arg(file.fileName(), QDir::toNativeSeparators(file.absolutePath())),
        words::awardSavedMessage());
}

void AwardScreen::Command2_Click()
{
    registry().hide(id());
}

} // namespace sprout
