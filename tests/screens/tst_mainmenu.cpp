// The main menu as a child meets it: the cover, "Click to continue", the board
// with its links, the web pages, and the end of the program.
#include "screenfactory.h"
#include "recordingspeaker.h"
#include "screentesting.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QPlainTextEdit>

using namespace sprout;
using namespace sprout::testing;

namespace {
const QString kBoardText = "Mr. Pim Says: Here on the board you can click on an activty you want to do. There are "
                           "lessons on learning letters, numbers, colors, shapes, and some neat games to help you practice!.";
} // namespace

// Catches the pages the main menu asks the desktop to open.
class BrowserProbe : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

class TestMainMenu : public QObject {
    Q_OBJECT

    static QString conversation(Screen& main) { return main.control<QPlainTextEdit>("Text1")->toPlainText(); }
    static bool onlyMainCreated(ScreenRegistry& registry)
    {
        int created = 0;
        for (int i = 1; i < kScreenCount; ++i)
            created += registry.find(ScreenId(i)) != nullptr;
        return created == 0;
    }

private slots:
    void theCoverHidesTheLinksUntilContinue()
    {
        ScreenRegistry registry(createScreen);
        Screen& main = shown(registry, ScreenId::SproutMain);
        QCOMPARE(conversation(main), "Mr. Pim Says: " + kGreeting);
        for (const char* link : {"Label2", "Label3", "Label4", "Label5", "Label6", "Label7"})
            QCOMPARE(clickAt(main, main.control(link)->geometry().center() * kTwipsPerPixel), main.control("Image2"));
        QVERIFY(onlyMainCreated(registry));

        // Typed text stays until the button writes the board text, every time.
        click(main, "Command1");
        QVERIFY(!main.control("Image2")->isVisible());
        QCOMPARE(conversation(main), kBoardText);
        auto* box = main.control<QPlainTextEdit>("Text1");
        box->moveCursor(QTextCursor::End);
        QTest::keyClicks(box, " hello");
        QVERIFY(conversation(main).endsWith(" hello"));
        click(main, "Command1");
        QCOMPARE(conversation(main), kBoardText);

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
        Screen& main = shown(registry, ScreenId::SproutMain);
        chooseMenu(main, "mnuUpdates");
        chooseMenu(main, "mnuMore");
        QDesktopServices::unsetUrlHandler("https");
        QCOMPARE(browser.opened, (QList<QUrl>{QUrl("https://sproutkin.example.org/downloads/"), QUrl("https://sproutkin.example.org/")}));
        QVERIFY(main.isVisible());
        QVERIFY(onlyMainCreated(registry));
    }
};

QTEST_MAIN(TestMainMenu)
#include "tst_mainmenu.moc"
