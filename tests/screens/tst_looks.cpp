// Every built picture and every screen as first opened, against pictures a person looked
// at and approved (tests/screens/looks). SPROUTKIN_APPROVE_LOOKS=1 writes what is drawn now
// in their place: look at each before committing it.
#include "applicationsetup.h"
#include "builtinpictures.h"
#include "fullscreen.h"
#include "stage.h"
#include "quiztesting.h"

using namespace sprout;
using namespace sprout::testing;

namespace {

// Empty if the picture is the approved one; rounding on other processors moves a pixel a little.
QString unlike(const QString& name, const QImage& drawn)
{
    const QString approved = QStringLiteral(SPROUT_LOOKS_DIR "/%1.png").arg(name);
    if (qEnvironmentVariableIntValue("SPROUTKIN_APPROVE_LOOKS"))
        return drawn.save(approved) ? QString() : "cannot write " + approved;
    const QImage expected = comparable(QImage(approved));
    if (expected.isNull())
        return name + " has no approved picture: approve one (see the top of this file)";
    if (expected.size() != drawn.size())
        return QString("%1 is %2 x %3, approved %4 x %5")
            .arg(name).arg(drawn.width()).arg(drawn.height()).arg(expected.width()).arg(expected.height());
    QRect changed;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            if (channelDistance(drawn.pixel(x, y), expected.pixel(x, y)) > 8)
                changed |= QRect(x, y, 1, 1);
    if (changed.isEmpty())
        return QString();
    const QString kept = QDir::temp().filePath("sproutkin-" + QString(name).replace('/', '-') + ".png");
    drawn.save(kept);
    return QString("%1 differs within %2, drawn now in %3").arg(name, QDebug::toString(changed), kept);
}

} // namespace

class TestLooks : public QObject {
    Q_OBJECT
private slots:
    void builtPicturesLookAsApproved()
    {
        QVERIFY(hasBuiltInPicture("board")); // brings the resources in
        QStringList problems;
        for (const QString& file : QDir(":/pictures").entryList({"*.bmp"}))
            if (!file.contains('@')) // a larger drawing of another, held to it by tst_sharppictures
                problems << unlike("pictures/" + file.chopped(4), comparable(QImage(":/pictures/" + file)));
        const QDir parents(qEnvironmentVariable("SPROUT_BIN_DIR"));
        for (const QString& file : parents.entryList({"*.bmp"}))
            problems << unlike("files/" + file.chopped(4), comparable(QImage(parents.filePath(file))));
        problems.removeAll(QString());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void screensLookAsApproved_data()
    {
        QTest::addColumn<bool>("fullScreen");
        QTest::newRow("windowed") << false;
        QTest::newRow("full screen") << true; // on the offscreen platform's screen
    }
    // Each in the order of the screen list, and the rows in theirs, so that each quiz
    // draws the same first question every time.
    void screensLookAsApproved()
    {
        QFETCH(bool, fullScreen);
        FullScreen::setOn(fullScreen);
        ScreenRegistry registry(createScreen);
        QTest::qWait(100); // the stage's first frame, drawn straight
        QStringList problems;
        for (int i = 0; i < kScreenCount; ++i) {
            Screen& screen = shown(registry, ScreenId(i));
            if (i > 0)
                registry.hide(ScreenId(i - 1)); // as a link leaves it
            QWidget* seen = fullScreen ? static_cast<QWidget*>(registry.stage()) : screen.window();
            problems << unlike(QString(fullScreen ? "full/" : "screens/") + screenName(ScreenId(i)), comparable(seen->grab().toImage()));
        }
        FullScreen::setOn(false);
        problems.removeAll(QString());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    setUpApplication(); // style and colours as the program has them
    QApplication::setCursorFlashTime(0); // a text cursor always shown, never caught mid-blink
    TestLooks test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_looks.moc"
