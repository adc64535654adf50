// The full-screen classroom: every screen scaled by one factor, and a child's way through it.
#include "builtinpictures.h"
#include "controls.h"
#include "applicationsetup.h"
#include "fullscreen.h"
#include "quiztesting.h"
#include "speech.h"
#include "stage.h"
#include "tictactoescreen.h"

#include <QAbstractScrollArea>
#include <QHash>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QTextLayout>
#include <cmath>

using namespace sprout;
using namespace sprout::testing;

namespace {

const QSize kLargest(3840, 2160);

// Where the design table puts a control at a scale, in its parent's pixels.
QRect scaledRect(const Control& row, double scale)
{
    return QRect(px(row.left, scale), px(row.top, scale), px(row.width, scale), px(row.height, scale));
}

// Clicks a control at its place in the scaled design, on whatever lies topmost there.
void clickOnStage(ScreenRegistry& registry, Screen& screen, const char* name)
{
    Stage* stage = registry.stage();
    QVERIFY(stage);
    const auto row = std::ranges::find_if(
        screen.design(), [name](const Control& row) { return FormBuilder::objectNameOf(row) == QLatin1String(name); });
    QVERIFY2(row != screen.design().end(), name);
    QWidget* control = screen.control(name);
    const QRect designed =
        scaledRect(*row, screen.scale()).translated(control->parentWidget()->mapTo(stage, QPoint()));
    for (int y = designed.bottom() - 2; y > designed.top(); y -= 3)
        for (int x = designed.left() + 2; x < designed.right(); x += 3)
            if (QWidget* top = stage->childAt(x, y); top == control || control->isAncestorOf(top))
                return QTest::mouseClick(top, Qt::LeftButton, Qt::NoModifier, top->mapFrom(stage, QPoint(x, y)));
    QFAIL(qPrintable(QString("%1 is covered where its design puts it").arg(name)));
}

// The largest difference in any colour between two pixels side by side: an edge drawn
// at the size shown steps at once, one enlarged is spread over as many pixels.
int sharpestStep(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    int sharpest = 0;
    for (int y = 1; y < image.height(); ++y)
        for (int x = 1; x < image.width(); ++x)
            for (QRgb neighbour : {image.pixel(x - 1, y), image.pixel(x, y - 1)})
                sharpest = std::max(sharpest, channelDistance(image.pixel(x, y), neighbour));
    return sharpest;
}

// The lines text wraps into, as a painter or a text box wraps it.
QStringList wrapped(QString text, const QFont& font, int width)
{
    text.replace('\n', QChar::LineSeparator);
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines;
}

// The lines of each caption and text box, as drawn.
QHash<QString, QStringList> linesOf(const Screen& screen)
{
    QHash<QString, QStringList> lines;
    for (const ClickLabel* label : screen.client()->findChildren<ClickLabel*>())
        lines.insert(label->objectName(), wrapped(label->captionLines(), label->captionFont(), label->contentsRect().width()));
    for (const QPlainTextEdit* box : screen.client()->findChildren<QPlainTextEdit*>())
        lines.insert(box->objectName(), wrapped(box->toPlainText(), box->font(),
                                                box->maximumViewportSize().width() - 2 * box->document()->documentMargin()));
    return lines;
}

Screen& onShow(ScreenRegistry& registry, ScreenId id)
{
    Screen& screen = registry.reference(id);
    if (!screen.isVisible())
        QTest::qFail(qPrintable(QString(screenName(id)) + " is not on show"), __FILE__, __LINE__);
    return screen;
}

} // namespace

class TestFullScreen : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        setUpApplication(); // as the program sets up its application: style, colours
        FullScreen::installKey();
    }
    void cleanup()
    {
        FullScreen::setOn(false);
        Speech::setMuted(false);
    }

    // Every control where its row puts it at the scale, in a font as much larger, each
    // caption in its designed lines, and back at the designed place once the scale is 1 again.
    void scaledGeometry_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<double>("scale");
        for (int id = 0; id < kScreenCount; ++id) {
            ScreenRegistry registry(createScreen);
            const double largest = Stage::fittingScale(registry.reference(ScreenId(id)).windowDesign(), kLargest);
            const double fullHd = Stage::fittingScale(registry.reference(ScreenId(id)).windowDesign(), {1920, 1080});
            for (double scale : {1.5, fullHd, 2.25, largest})
                QTest::newRow(qPrintable(QString("%1 at %2").arg(screenName(ScreenId(id))).arg(scale)))
                    << id << scale;
        }
    }
    void scaledGeometry()
    {
        QFETCH(int, screen);
        QFETCH(double, scale);
        Speech::setMuted(true); // the voice-off sign shows
        ScreenRegistry registry(createScreen);
        Screen& shownScreen = registry.reference(ScreenId(screen));
        QVERIFY(registry.load(ScreenId(screen)));
        QHash<QString, QRect> designed;
        for (QWidget* control : shownScreen.client()->findChildren<QWidget*>())
            designed.insert(control->objectName(), control->geometry());
        QHash<QString, int> textWidths; // the room the text boxes give their lines
        for (const QAbstractScrollArea* box : shownScreen.client()->findChildren<QAbstractScrollArea*>())
            textWidths.insert(box->objectName(), box->maximumViewportSize().width());
        const QHash<QString, QStringList> lines = linesOf(shownScreen);
        shownScreen.setScale(scale);
        for (const auto& [name, wrapped] : linesOf(shownScreen).asKeyValueRange())
            QVERIFY2(wrapped == lines.value(name), qPrintable(name + ": " + wrapped.join(" / ")));
        // A text box's lines have as much more room, so that they break as designed.
        for (const QAbstractScrollArea* box : shownScreen.client()->findChildren<QAbstractScrollArea*>()) {
            const double expected = textWidths.value(box->objectName()) * scale;
            QVERIFY2(std::abs(box->maximumViewportSize().width() - expected) <= 0.015 * expected,
                     qPrintable(QString("%1: %2 px for text, %3 expected").arg(box->objectName()).arg(box->maximumViewportSize().width()).arg(expected)));
        }
        for (const Control& row : shownScreen.design()) {
            QWidget* control = shownScreen.control(FormBuilder::objectNameOf(row));
            if (!control || row.kind == Kind::Line)
                continue;
            const QRect expected = scaledRect(row, scale);
            QCOMPARE(control->pos(), expected.topLeft());
            const auto* image = qobject_cast<QLabel*>(control);
            if (row.kind == Kind::Image && !(row.look.flags & Stretch) && image && !image->pixmap().isNull())
                QCOMPARE(control->size(), designed.value(control->objectName()).size() * scale);
            else
                QCOMPARE(control->size(), expected.size());
            QCOMPARE(control->font().pixelSize(), int(std::lround(row.look.font.points * 96 / 72 * scale)));
        }
        // The voice-off sign is read from across the room too: it grows with the screen.
        const QWidget* sign = shownScreen.client()->findChild<QWidget*>(QStringLiteral("voiceOffSign"));
        QVERIFY(sign);
        QVERIFY2(sign->height() >= designed.value(sign->objectName()).height() * scale * 0.8,
                 qPrintable(QString("sign %1 px high").arg(sign->height())));
        shownScreen.setScale(1);
        for (QWidget* control : shownScreen.client()->findChildren<QWidget*>())
            QCOMPARE(control->geometry(), designed.value(control->objectName()));
        for (const QAbstractScrollArea* box : shownScreen.client()->findChildren<QAbstractScrollArea*>())
            QCOMPARE(box->maximumViewportSize().width(), textWidths.value(box->objectName()));
    }

    // A picture shown many times its size on the largest screen is drawn at that size,
    // not enlarged from a smaller drawing.
    void largePicturesAreDrawnAtTheirSize_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("designed"); // its size on the screen at scale 1
        QTest::newRow("board") << "board" << QSize(586, 368);
        QTest::newRow("cover") << "cover" << QSize(586, 368);
        QTest::newRow("certificate") << "certificate-math" << QSize(586, 368);
        QTest::newRow("circle, stretched") << "circle" << QSize(97, 90);
        QTest::newRow("Tic-Tac-Toe cell") << "cell3" << QSize(32, 32);
    }
    void largePicturesAreDrawnAtTheirSize()
    {
        QFETCH(QString, name);
        QFETCH(QSize, designed);
        ScreenRegistry registry(createScreen);
        const double scale = Stage::fittingScale(registry.reference(ScreenId::SproutMain).windowDesign(), kLargest);
        const QImage own = builtInPicture(name).toImage();
        const QSize size = (QSizeF(designed) * scale).toSize();
        const QImage shown = builtInPictureNotKept(name, size).toImage();
        QCOMPARE(shown.size(), size);
        const QImage enlarged = own.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const double times = std::min(double(size.width()) / own.width(), double(size.height()) / own.height());
        QVERIFY2(times > 2, qPrintable(QString::number(times)));
        QVERIFY2(sharpestStep(shown) >= 0.7 * times * sharpestStep(enlarged),
                 qPrintable(QString("steps by %1, enlarged by %2").arg(sharpestStep(shown)).arg(sharpestStep(enlarged))));
    }

    // A picture drawn afresh at the size a screen shows it, smaller or larger than its
    // drawing, is that drawing: the same colours in the same places. Drawn on other
    // cores at once, while this one draws too, each is the picture drawn alone.
    void picturesDrawnAfreshMatchTheirDrawings()
    {
        // Edges stretched from the drawing blur by more the more it is enlarged.
        const std::tuple<QString, QSize, double> pictures[] = {{"ruler.jpg", {662, 86}, 1.5},
            {"backdrop.bmp", {761, 552}, 0.5}, {"square.bmp", QSize(96, 89) * 4, 4.0},
            {"board.bmp", {880, 552}, 1.0}, {"cell3.bmp", {72, 72}, 8.0}};
        for (int round = 0; round < 50; ++round) {
            for (const auto& [file, shown, within] : pictures)
                drawBuiltInPictureAhead(file.section('.', 0, 0), shown);
            for (const auto& [file, shown, within] : pictures) {
                const QImage alone = builtInPictureNotKept(file.section('.', 0, 0), shown).toImage();
                const auto ahead = takeBuiltInPictureDrawnAhead(file.section('.', 0, 0), shown);
                QVERIFY2(ahead && ahead().toImage() == alone, qPrintable(file));
                const auto stretched = [&] { return QImage(":/pictures/" + file).scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation); };
                QVERIFY2(round > 0 || meanDifference(alone, stretched()) < within, qPrintable(file));
            }
        }
    }

    // Coming back to a screen on the stage finds it as it was left: at the same scale,
    // with the same pictures, none drawn again (at another scale they would be). Under a
    // desktop font larger than the one the stage measured menu bars with, the screen is
    // made a little smaller to fit, once, and stays so.
    void aScreenComesBackAsItWasLeft_data()
    {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<double>("desktopFont"); // times the one the stage measured with
        for (int i = 0; i < kScreenCount; ++i)
            QTest::newRow(screenName(ScreenId(i))) << ScreenId(i) << 1.0;
        QTest::newRow("SproutMain, shrunk to fit a larger desktop font") << ScreenId::SproutMain << 1.5;
    }
    void aScreenComesBackAsItWasLeft()
    {
        QFETCH(ScreenId, id);
        QFETCH(double, desktopFont);
        ScreenRegistry registry(createScreen);
        Stage::fittingScale(registry.reference(ScreenId::SproutMain).windowDesign(), kLargest); // measured
        const QFont desktop = QApplication::font();
        QFont larger = desktop;
        larger.setPointSizeF(desktop.pointSizeF() * desktopFont);
        QApplication::setFont(larger);
        const auto restoreFont = qScopeGuard([&desktop] { QApplication::setFont(desktop); });
        FullScreen::setOn(true);
        Screen& screen = shown(registry, id);
        auto pictures = [&screen] {
            QList<qint64> keys;
            for (const QLabel* image : screen.client()->findChildren<QLabel*>())
                keys << image->pixmap().cacheKey();
            return keys;
        };
        QCoreApplication::processEvents(); // first painted
        const QList<qint64> before = pictures();
        // As a link goes: the next screen shown, then the one left hidden.
        const ScreenId other = id == ScreenId::SproutMain ? ScreenId::Games : ScreenId::SproutMain;
        shown(registry, other);
        registry.hide(id);
        shown(registry, id);
        registry.hide(other);
        QCOMPARE(pictures(), before);
    }

    // A game and a quiz keep their state through F11 and back; in between, every screen fills
    // the screen as far as it fits, centred, alone on show but for an award over its quiz.
    void everyScreenToEveryAwardThroughF11()
    {
        TicTacToeScreen::replacePause([](int) {});
        ScreenRegistry registry(createScreen);
        Screen& game = shown(registry, ScreenId::Form1);
        click(game, "Cmdgamestart");
        click(game, "Picture1(5)");
        auto cells = [&game] {
            QList<QImage> images;
            for (int cell = 1; cell <= 9; ++cell)
                images << game.control<QLabel>(cellName(cell))->pixmap().toImage().scaled(8, 8);
            return images;
        };
        const QList<QImage> before = cells();
        registry.hide(ScreenId::Form1);
        Screen& quiz = shown(registry, ScreenId::GuessColor);
        play(quiz, kGuessColor, "RPRW");
        const QString result = testing::result(quiz);
        const int question = shownQuestion(quiz, kGuessColor);
        const QSize designedSize = quiz.window()->size();

        QTest::keyClick(quiz.window(), Qt::Key_F11);
        Stage* stage = registry.stage();
        QVERIFY(stage);
        QCOMPARE(onShow(registry, ScreenId::GuessColor).window()->parentWidget(), stage);
        QVERIFY(quiz.scale() > 1);
        QCOMPARE(testing::result(quiz), result);
        QCOMPARE(testing::score(quiz, kGuessColor), "2");
        QCOMPARE(shownQuestion(quiz, kGuessColor), question);
        // Every screen loaded is scaled: the quiz on show draws its board as large as the
        // stage at once, the game, hidden, only when it shows again.
        quiz.control<QLabel>("Image1")->grab();
        QVERIFY(!quiz.control<QLabel>("Image1")->pixmap().isNull());
        QVERIFY(game.control<QLabel>("Image1")->pixmap().isNull());
        // Scaled afresh on show, as when the screen's size changes, the quiz draws it again.
        const QSize full = stage->size();
        for (QSize size : {QSize(1600, 900), full}) {
            stage->resize(size);
            QCoreApplication::processEvents();
            QLabel* board = quiz.control<QLabel>("Image1");
            board->grab();
            QCOMPARE(board->pixmap().deviceIndependentSize().toSize(), builtInPictureSize("board", quiz.scale()));
        }
        auto visit = [&](ScreenId from, const char* link, ScreenId to) {
            clickOnStage(registry, onShow(registry, from), link);
            QMainWindow* window = onShow(registry, to).window();
            QCOMPARE(window->parentWidget(), stage);
            QVERIFY2(stage->rect().contains(window->geometry()), screenName(to));
            QVERIFY2(window->width() >= 1900 || window->height() >= 1060, screenName(to)); // fills one way
            QVERIFY(std::abs(window->geometry().center().x() - stage->rect().center().x()) <= 1);
            QVERIFY(std::abs(window->geometry().center().y() - stage->rect().center().y()) <= 1);
            QVERIFY2(!registry.find(from)->isVisible(), screenName(from));
            // Its pictures are there once painted, also on a screen left long ago that let
            // them go.
            for (const Control& row : onShow(registry, to).design())
                if (auto* image = onShow(registry, to).control<QLabel>(FormBuilder::objectNameOf(row));
                    image && row.kind == Kind::Image && row.text && image->isVisible()) {
                    image->grab();
                    QVERIFY2(!image->pixmap().isNull(), qPrintable(FormBuilder::objectNameOf(row)));
                }
        };
        visit(ScreenId::GuessColor, "Label13", ScreenId::Games);
        clickOnStage(registry, onShow(registry, ScreenId::Games), "Label11"); // to the board under its cover
        clickOnStage(registry, onShow(registry, ScreenId::SproutMain), "Command1");
        const std::tuple<const char*, ScreenId, const char*> lessons[] = {
            {"Label5", ScreenId::frmColors, "Label22"}, {"Label2", ScreenId::frmShapes, "Label11"},
            {"Label3", ScreenId::frmLetters, "Label11"}, {"Label4", ScreenId::FrmNumbers, "Label22"},
            {"Label7", ScreenId::measure, "Label11"}};
        for (auto [link, lesson, back] : lessons) {
            visit(ScreenId::SproutMain, link, lesson);
            visit(lesson, back, ScreenId::SproutMain);
        }
        visit(ScreenId::SproutMain, "Label6", ScreenId::Games);
        visit(ScreenId::Games, "Label2", ScreenId::Form1);
        visit(ScreenId::Form1, "Label11", ScreenId::SproutMain);
        visit(ScreenId::SproutMain, "Label6", ScreenId::Games);
        for (const QuizTable* played : {&kGuessColor, &kGuessShape, &kSpellWord, &kMathTest}) {
            visit(ScreenId::Games, played->gamesLink, played->id);
            Screen& screen = onShow(registry, played->id);
            for (int right = 0; right < 10 && !awardVisible(registry, *played); ++right)
                play(screen, *played, played->newQuestion ? "RP" : "R");
            QCOMPARE(testing::score(screen, *played), "10");
            Screen& award = onShow(registry, played->award);
            QVERIFY(screen.isVisible());
            QCOMPARE(award.window()->parentWidget(), stage);
            QVERIFY(stage->children().indexOf(award.window()) > stage->children().indexOf(screen.window()));
            clickOnStage(registry, award, "Command2");
            QVERIFY(!award.isVisible());
            visit(played->id, played->backLink, ScreenId::Games);
        }
        visit(ScreenId::Games, "Label11", ScreenId::SproutMain);
        visit(ScreenId::SproutMain, "Label5", ScreenId::frmColors);
        visit(ScreenId::frmColors, "Label25", ScreenId::GuessColor);

        QTest::keyClick(quiz.window(), Qt::Key_F11);
        QVERIFY(!registry.stage());
        QVERIFY(quiz.window()->isWindow());
        QVERIFY(quiz.isVisible());
        QCOMPARE(quiz.window()->size(), designedSize);
        quiz.control<QLabel>("Image1")->grab();
        QVERIFY(!quiz.control<QLabel>("Image1")->pixmap().isNull());
        QCOMPARE(testing::score(quiz, kGuessColor), "10");
        QVERIFY(game.window()->isWindow());
        QVERIFY(!game.isVisible());
        QCOMPARE(cells(), before);
    }
};

QTEST_MAIN(TestFullScreen)
#include "tst_fullscreen.moc"
