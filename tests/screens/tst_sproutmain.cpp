// The main menu as a child meets it: the cover, "Click to continue", the board
// with its links, the web pages, and the end of the program.
#include "screenfactory.h"
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

    static QString conversation(Screen& main) { return main.control<QPlainTextEdit>("Text1")->toPlainText(); }
    static bool onlyMainCreated(ScreenRegistry& registry)
    {
        for (int i = 1; i < kScreenCount; ++i)
            if (registry.find(ScreenId(i)))
                return false;
        return true;
    }

private slots:
    void theCoverHidesTheLinksUntilContinue()
    {
        ScreenRegistry registry(createScreen);
        QVERIFY(registry.show(ScreenId::SproutMain));
        Screen& main = registry.reference(ScreenId::SproutMain);
        QCOMPARE(conversation(main), QString(SproutMain::kGreeting));
        for (const char* link : {"Label2", "Label3", "Label4", "Label5", "Label6", "Label7"})
            QCOMPARE(clickAt(main, main.control(link)->geometry().center() * kTwipsPerPixel), main.control("Image2"));
        QVERIFY(onlyMainCreated(registry));

        // Typed text stays until the button writes the board text, every time.
        click(main, "Command1");
        QVERIFY(!main.control("Image2")->isVisible());
        QCOMPARE(conversation(main), QString(SproutMain::kBoardText));
        auto* box = main.control<QPlainTextEdit>("Text1");
        box->moveCursor(QTextCursor::End);
        QTest::keyClicks(box, " hello");
        QVERIFY(conversation(main).endsWith(" hello"));
        click(main, "Command1");
        QCOMPARE(conversation(main), QString(SproutMain::kBoardText));

        // The board stays revealed when the child comes back.
        click(main, "Label6");
        click(registry.reference(ScreenId::Games), "Label11");
        QVERIFY(main.isVisible());
        QVERIFY(!main.control("Image2")->isVisible());
    }

    void webPagesOpenInTheBrowserAndTheMenuStays()
    {
        BrowserProbe browser;
        QDesktopServices::setUrlHandler("https", &browser, "open");
        ScreenRegistry registry(createScreen);
        QVERIFY(registry.show(ScreenId::SproutMain));
        Screen& main = registry.reference(ScreenId::SproutMain);
        chooseMenu(main, "mnuUpdates");
        chooseMenu(main, "mnuMore");
        QDesktopServices::unsetUrlHandler("https");
        QCOMPARE(browser.opened, (QList<QUrl>{QUrl(webpages::kDownloadsPage), QUrl(webpages::kHomePage)}));
        QVERIFY(main.isVisible());
        QVERIFY(onlyMainCreated(registry));
    }

    void exitRightAfterStartEndsTheProgram()
    {
        ScreenRegistry registry(createScreen);
        QSignalSpy ended(&registry, &ScreenRegistry::lastScreenClosed);
        QVERIFY(registry.show(ScreenId::SproutMain));
        chooseMenu(registry.reference(ScreenId::SproutMain), "mnuExit");
        QCOMPARE(ended.count(), 1);
        QVERIFY(!registry.reference(ScreenId::SproutMain).isLoaded());
    }
};

QTEST_MAIN(TestSproutMain)
#include "tst_sproutmain.moc"
