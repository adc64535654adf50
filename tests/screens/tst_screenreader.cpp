// What a screen reader is told, read through Qt's accessibility interfaces of the
// real screens: the order, the buttons, the covered links, the squares, the word.
#include "screenfactory.h"
#include "quiztesting.h"
#include "tictactoescreen.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLineEdit>

using namespace sprout;
using namespace sprout::testing;

namespace {

QAccessibleInterface* readerOf(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

// Every control in the order a screen reader walks the client area's tree.
void walk(QAccessibleInterface* node, QWidgetList& read)
{
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        read << qobject_cast<QWidget*>(child->object());
        walk(child, read);
    }
}

QStringList names(const QWidgetList& widgets)
{
    QStringList names;
    for (const QWidget* widget : widgets)
        names << widget->objectName();
    return names;
}

} // namespace

class TestScreenReader : public QObject {
    Q_OBJECT
private slots:
    // Among the controls of one client area or frame, those Tab reaches are read in
    // the order Tab reaches them.
    void readingOrderIsTheTabOrder_data() { addRowPerScreen(); }
    void readingOrderIsTheTabOrder()
    {
        QFETCH(ScreenId, id);
        ScreenRegistry registry(createScreen);
        Screen& screen = shown(registry, id);
        if (id == ScreenId::SproutMain)
            click(screen, "Command1"); // the board's links show
        QWidgetList read;
        walk(readerOf(screen.client()), read);
        QWidgetList reachable;
        for (QWidget* widget : read)
            if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisible())
                reachable << widget;
        QVERIFY(!reachable.isEmpty());
        reachable.first()->setFocus();
        QWidgetList tabbed;
        for (int press = 0; press < reachable.size(); ++press) {
            tabbed << screen.window()->focusWidget();
            QTest::keyClick(screen.window()->focusWidget(), Qt::Key_Tab);
        }
        QWidgetList containers = screen.client()->findChildren<QWidget*>();
        containers << screen.client();
        for (QWidget* container : std::as_const(containers)) {
            auto inside = [container](QWidgetList widgets) {
                widgets.removeIf([container](QWidget* widget) { return widget->parentWidget() != container; });
                return names(widgets);
            };
            QCOMPARE(inside(reachable), inside(tabbed));
        }
    }

    void mainMenuReadsItsBoardFromTheTop()
    {
        ScreenRegistry registry(createScreen);
        Screen& main = shown(registry, ScreenId::SproutMain);
        QWidgetList read;
        walk(readerOf(main.client()), read);
        QStringList links = names(read).filter(QRegularExpression("^Label[2-7]$"));
        QCOMPARE(links, QStringList({"Label2", "Label3", "Label4", "Label5", "Label7", "Label6"}));
        for (const QString& link : links) {
            QAccessibleInterface* reader = readerOf(main.control(link));
            QVERIFY(reader->state().invisible);
            QVERIFY(!reader->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        }
        click(main, "Command1");
        for (const QString& link : links)
            QVERIFY(!readerOf(main.control(link))->state().invisible);
    }

    // A link is a button a screen reader can press; a heading is text.
    void linksAreButtonsThatPress()
    {
        ScreenRegistry registry(createScreen);
        Screen& games = shown(registry, ScreenId::Games);
        QAccessibleInterface* heading = readerOf(games.control("Label1"));
        QCOMPARE(heading->role(), QAccessible::StaticText);
        QAccessibleInterface* link = readerOf(games.control("Label2"));
        QCOMPARE(link->role(), QAccessible::Button);
        QVERIFY(link->state().focusable);
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(registry.reference(ScreenId::Form1).isVisible());
    }

    void squaresSayWhatTheyHold()
    {
        TicTacToeScreen::replacePause([](int) {});
        ScreenRegistry registry(createScreen);
        Screen& game = shown(registry, ScreenId::Form1);
        auto marks = [&] {
            QStringList marks;
            for (int cell = 1; cell <= 9; ++cell) {
                const QString name = readerOf(game.control(QStringLiteral("Picture1(%1)").arg(cell)))->text(QAccessible::Name);
                marks << name.section(", ", -1);
            }
            return marks;
        };
        QCOMPARE(marks(), QStringList(9, "empty"));
        QCOMPARE(readerOf(game.control("Picture1(1)"))->text(QAccessible::Name), QString("Top left square, empty"));
        click(game, "Cmdgamestart");
        click(game, "Picture1(5)");
        const QStringList after = marks();
        QCOMPARE(after.at(4), QString("X"));
        QCOMPARE(after.count("O"), 1);
        QCOMPARE(after.count("empty"), 7);
        TicTacToeScreen::replacePause({});
    }

    // The word on the picture, also after the next word comes.
    void spellingPictureGivesTheWord()
    {
        ScreenRegistry registry(createScreen);
        Screen& quiz = shown(registry, ScreenId::Spellword);
        auto word = [&] {
            return kSpellWord.answers.value(shownQuestion(quiz, kSpellWord));
        };
        QAccessibleInterface* picture = readerOf(quiz.control("Image2"));
        for (int round = 0; round < 3; ++round) {
            const QString shown = word();
            QCOMPARE(picture->text(QAccessible::Name), "The word to spell, " + shown);
            quiz.control<QLineEdit>("Text1")->setText(shown);
            click(quiz, "Command1");
        }
    }
};

QTEST_MAIN(TestScreenReader)
#include "tst_screenreader.moc"
