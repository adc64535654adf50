#include "awardscreen.h"

#include "defaultprinter.h"
#include "errorreporter.h"
#include "guidance.h"
#include "picturefile.h"
#include "pictures.h"
#include "programfolder.h"
#include "savedialog.h"
#include "savefittedpdf.h"
#include "screenregistry.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QStandardPaths>
#include <array>

namespace sprout {

namespace {

constexpr WindowDesign kWindow{
    .caption = "Congratulations",
    .clientWidth = 8130,
    .clientHeight = 8280,
    .placement = Placement::PlatformDefault,
};

constexpr Look kSaying{{"Arial", 15.75, true}, kDefault, kDefault, Opaque};
constexpr Look kButton{{"Arial", 12, true}};
constexpr Look kCertificate{{}, kDefault, kDefault, Opaque | Sunken};

constexpr const char* kGreeting =
    "Congratulations, you are doing a great job.  For doing such a great job, you can print "
    "out a award for your work.";
constexpr const char* kInstruction =
    "The award looks like this, press the print button to print the award out,  or click "
    "continue to move on.";

// Where the four twins differ: the places of the certificate and the sayings, the
// buttons' left edge, and which button the tab order (and so the arrival) starts at.
struct AwardLayout {
    const char* certificate; // the built-in picture shown until "Print Award"
    int certificateLeft, certificateTop;
    int printLeft; // "Print Award"; "Continue" lies 3240 twips to its right
    int instructionTop;
    int greetingLeft, greetingTop;
    bool continueFirst; // "Continue" before "Print Award" in the tab order
};

constexpr std::array<Control, 5> awardControls(const AwardLayout& at)
{
    const int printTab = at.continueFirst ? 1 : 2;
    const int continueTab = at.continueFirst ? 0 : 3;
    const int instructionTab = at.continueFirst ? 2 : 1;
    const int greetingTab = at.continueFirst ? 3 : 0;
    // kind              name        text            left                top                width height look          parent   tab
    return {{
        {Kind::PictureBox, "Picture1", at.certificate, at.certificateLeft, at.certificateTop, 7695, 5295, kCertificate, nullptr, 4},
        {Kind::Button,     "Command1", "Print Award",  at.printLeft,       7320,              1455, 855,  kButton,      nullptr, printTab},
        {Kind::Button,     "Command2", "Continue",     at.printLeft + 3240, 7320,             1455, 855,  kButton,      nullptr, continueTab},
        {Kind::Label,      "Label2",   kInstruction,   0,                  at.instructionTop, 8055, 855,  kSaying,      nullptr, instructionTab},
        {Kind::Label,      "Label1",   kGreeting,      at.greetingLeft,    at.greetingTop,    7935, 1335, kSaying,      nullptr, greetingTab},
    }};
}

constexpr auto kAwardColor = awardControls({"certificate-color", 120, 2040, 1680, 1200, 120, 0, false});
constexpr auto kAwardShape = awardControls({"certificate-shape", 240, 2040, 1680, 1320, 120, 120, false});
constexpr auto kAwardWord = awardControls({"certificate-word", 240, 1920, 1800, 1200, 120, 0, true});
constexpr auto kAwardMath = awardControls({"certificate-math", 0, 2040, 1560, 1200, 0, 0, true});

// What sets one twin apart from the others.
struct AwardDesign {
    std::span<const Control> controls;
    const char* awardFile;     // read by "Print Award"
    const char* windowPicture; // the window's own background picture, if any
    const char* subject;       // names a saved certificate for a parent
};

const AwardDesign& designOf(ScreenId id)
{
    static const AwardDesign color{kAwardColor, "\\coloraward.bmp", nullptr, "colors"};
    static const AwardDesign shape{kAwardShape, "\\shapesaward.bmp", nullptr, "shapes"};
    static const AwardDesign word{kAwardWord, "\\wordsaward.bmp", nullptr, "spelling"};
    static const AwardDesign math{kAwardMath, "\\mathaward.bmp", "certificate-math", "math"};
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
    : Screen(registry, id, kWindow, designOf(id).controls)
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
        if (QWidget* button = control(QString::fromLatin1(arrivalFocusOf(designOf(id()).controls))))
            button->setFocus(Qt::OtherFocusReason);
    } else if (watched == client() && event->type() == QEvent::Paint) {
        // Drawn beneath every control, at its own size from the top-left corner.
        QPainter painter(client());
        painter.drawPixmap(0, 0, builtInPicture(QString::fromLatin1(designOf(id()).windowPicture)));
    }
    return Screen::eventFilter(watched, event);
}

void AwardScreen::Command1_Click()
{
    const QString path = programFilePath(pictureFolder(), QString::fromLatin1(designOf(id()).awardFile));
    const PictureFile::Loaded loaded = PictureFile::load(path);
    if (!loaded.ok()) {
        ErrorReporter::report(PictureFile::reportTitle(),
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
