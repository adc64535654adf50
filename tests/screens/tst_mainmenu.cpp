// The main menu as a child meets it: the cover, "Click to continue", the board, the web pages.
#include "screenfactory.h"
#include "screentesting.h"

#include <QAccessibleActionInterface>
#include <QDesktopServices>
#include <QPlainTextEdit>

using namespace sprout;
using namespace sprout::testing;

const QString kBoardText = "Mr. Pim Says: Here on the board you can click on an activty you want to do. There are "
                           "lessons on learning letters, numbers, colors, shapes, and some neat games to help you practice!.";
// The board's links from its top down.
const QStringList kLinks{"Label2", "Label3", "Label4", "Label5", "Label7", "Label6"};

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

private slots:
    void theCoverHidesTheLinksUntilContinue()
    {
        ScreenRegistry registry(createScreen);
        Screen& main = shown(registry, ScreenId::SproutMain);
        for (const QString& link : kLinks) {
            QCOMPARE(clickAt(main, main.control(link)->geometry().center()), main.control("Image2"));
            QVERIFY(readerOf(main.control(link))->state().invisible);
            QVERIFY(!readerOf(main.control(link))->actionInterface()->actionNames().contains(
                QAccessibleActionInterface::pressAction()));
        }

        QVERIFY(tabTo(main, "Command1"));
        QTest::keyClick(main.control("Command1"), Qt::Key_Return);
        QCOMPARE(conversation(main), kBoardText);
        QStringList round;
        for (int press = 0; press <= kLinks.size(); ++press) {
            QTest::keyClick(main.window()->focusWidget(), Qt::Key_Tab);
            round << main.window()->focusWidget()->objectName();
        }
        QCOMPARE(round, kLinks + QStringList{"Text1"});
        QStringList read;
        for (int i = 0; i < readerOf(main.client())->childCount(); ++i)
            read << readerOf(main.client())->child(i)->object()->objectName();
        QCOMPARE(read.filter(QRegularExpression("^Label[2-7]$")), kLinks);
        for (const QString& link : kLinks)
            QVERIFY(!readerOf(main.control(link))->state().invisible);
        // A press let go off the link opens nothing.
        QTest::mousePress(main.control("Label5"), Qt::LeftButton);
        QTest::mouseRelease(main.control("Label5"), Qt::LeftButton, {}, QPoint(-2, -2));
        QVERIFY(main.isVisible());

        // Typed text stays until the button writes the board text, every time.
        auto* box = main.control<QPlainTextEdit>("Text1");
        box->moveCursor(QTextCursor::End);
        QTest::keyClicks(box, " hello");
        QVERIFY(conversation(main).endsWith(" hello"));
        click(main, "Command1");
        QCOMPARE(conversation(main), kBoardText);
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
    }
};

QTEST_MAIN(TestMainMenu)
#include "tst_mainmenu.moc"
