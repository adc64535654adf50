#include "screentesting.h"
#include "sproutmain.h"
#include "webpages.h"

#include <QDesktopServices>
#include <QPlainTextEdit>
#include <QSignalSpy>

using namespace sprout;
using namespace sprout::testing;

// Catches the pages the main menu asks the desktop to open.
class BrowserProbe : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

class TestSproutMain : public QObject {
    Q_OBJECT

    static QString conversation(Screen& main)
    {
        return main.control<QPlainTextEdit>("Text1")->toPlainText();
    }
    static bool onlyMainCreated(ScreenRegistry& registry)
    {
        for (int i = 1; i < kScreenCount; ++i)
            if (registry.find(ScreenId(i)))
                return false;
        return true;
    }

private slots:
    void startsWithTheCoverAndTheGreeting()
    {
        ScreenRegistry registry(createScreen);
        registry.show(ScreenId::SproutMain);
        Screen& main = registry.reference(ScreenId::SproutMain);
        QCOMPARE(conversation(main), QString(SproutMain::kGreeting));
        QVERIFY(main.control("Image2")->isVisible());
        QCOMPARE(main.window()->focusWidget(), main.control("Text1"));

        // Where the links will be, the cover takes the click and nothing opens.
        for (const char* link : {"Label2", "Label3", "Label4", "Label5", "Label6", "Label7"}) {
            const QRect where = main.control(link)->geometry();
            QWidget* hit = clickAt(main, where.center() * kTwipsPerPixel);
            QCOMPARE(hit, main.control("Image2"));
        }
        QVERIFY(onlyMainCreated(registry));
        QVERIFY(main.isVisible());
    }

    void clickToContinueRevealsTheBoard()
    {
        ScreenRegistry registry(createScreen);
        registry.show(ScreenId::SproutMain);
        Screen& main = registry.reference(ScreenId::SproutMain);
        click(main, "Command1");
        QVERIFY(!main.control("Image2")->isVisible());
        QCOMPARE(conversation(main), QString(SproutMain::kBoardText));
        for (const char* label : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7"})
            QVERIFY2(main.control(label)->isVisible(), label);

        // Typed text stays until the button replaces it, as often as it is pressed.
        auto* box = main.control<QPlainTextEdit>("Text1");
        box->setFocus();
        box->moveCursor(QTextCursor::End);
        QTest::keyClicks(box, " hello");
        QVERIFY(conversation(main).endsWith(" hello"));
        click(main, "Command1");
        QCOMPARE(conversation(main), QString(SproutMain::kBoardText));
        QVERIFY(!main.control("Image2")->isVisible());
    }

    void overlappingLinksTakeTheClickFromTheHeading()
    {
        ScreenRegistry registry(createScreen);
        registry.show(ScreenId::SproutMain);
        Screen& main = registry.reference(ScreenId::SproutMain);
        click(main, "Command1");

        clickAt(main, QPoint(2000, 1000)); // upper part of the heading: nothing
        QVERIFY(onlyMainCreated(registry));
        QVERIFY(main.isVisible());

        clickAt(main, QPoint(2000, 1450)); // lower part, under "-  Learn Shapes."
        QVERIFY(registry.find(ScreenId::frmShapes));
        QVERIFY(registry.reference(ScreenId::frmShapes).isVisible());
        QVERIFY(!main.isVisible());
    }

    void theBoardStaysRevealedAfterComingBack()
    {
        ScreenRegistry registry(createScreen);
        registry.show(ScreenId::SproutMain);
        Screen& main = registry.reference(ScreenId::SproutMain);
        click(main, "Command1");
        click(main, "Label6");
        QVERIFY(!main.isVisible());
        registry.hide(ScreenId::Games);
        registry.show(ScreenId::SproutMain);
        QVERIFY(!main.control("Image2")->isVisible());
        QCOMPARE(conversation(main), QString(SproutMain::kBoardText));
    }

    void webPagesOpenInTheBrowserAndTheMenuStays()
    {
        BrowserProbe browser;
        QDesktopServices::setUrlHandler("https", &browser, "open");
        ScreenRegistry registry(createScreen);
        registry.show(ScreenId::SproutMain);
        Screen& main = registry.reference(ScreenId::SproutMain);

        chooseMenu(main, "mnuUpdates");
        chooseMenu(main, "mnuMore");
        QDesktopServices::unsetUrlHandler("https");

        QCOMPARE(browser.opened.size(), 2);
        QCOMPARE(browser.opened[0], QUrl(webpages::kDownloadsPage));
        QCOMPARE(browser.opened[1], QUrl(webpages::kHomePage));
        QVERIFY(browser.opened[0] != browser.opened[1]);
        QVERIFY(main.isVisible());
        QVERIFY(onlyMainCreated(registry));
    }

    void exitRightAfterStartEndsTheProgram()
    {
        ScreenRegistry registry(createScreen);
        QSignalSpy ended(&registry, &ScreenRegistry::lastScreenClosed);
        registry.show(ScreenId::SproutMain);
        chooseMenu(registry.reference(ScreenId::SproutMain), "mnuExit");
        QCOMPARE(ended.count(), 1);
        QVERIFY(!registry.reference(ScreenId::SproutMain).isLoaded());
    }
};

QTEST_MAIN(TestSproutMain)
#include "tst_sproutmain.moc"
