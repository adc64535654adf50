#include "screentesting.h"

#include <QMenuBar>

using namespace sprout;
using namespace sprout::testing;

Q_DECLARE_METATYPE(sprout::ScreenId)

class TestScreenFrames : public QObject {
    Q_OBJECT
private slots:
    void everyWindowFrame_data()
    {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<bool>("centred");
        QTest::addColumn<bool>("resizable");
        QTest::addColumn<bool>("icon");
        QTest::addColumn<QStringList>("menu");

        const QString byTallowmere = "QZV Preschool Sproutkin by Tallowmere ";
        const QStringList exit{"Exit Program"};
        struct Row { ScreenId id; QString caption; int w, h; bool centred, resizable, icon; QStringList menu; };
        const Row rows[] = {
            {ScreenId::SproutMain, "QZV Preschool Sproutkin 1.3", 8760, 6960, true, false, true,
             {"Exit Program", "Updates", "More FREE Educational Software"}},
            {ScreenId::frmColors, "QZV Preschool Sproutkin by Tallowmere", 8760, 5010, true, false, false, exit},
            {ScreenId::frmShapes, byTallowmere, 11400, 8265, true, false, true, exit},
            {ScreenId::frmLetters, byTallowmere, 9735, 5865, true, false, false, {}},
            {ScreenId::FrmNumbers, byTallowmere, 10335, 6120, true, false, false, exit},
            {ScreenId::measure, "Learn to Measure", 10425, 5880, false, false, false, exit},
            {ScreenId::Games, "Games Menu", 8775, 5490, true, false, false, exit},
            {ScreenId::Form1, "Tic-Tac-Toe", 8760, 6930, true, true, false, exit},
            {ScreenId::GuessColor, "Guess the Color", 8790, 6855, true, false, false, exit},
            {ScreenId::Guessshape, "Guess the Shape", 8775, 6915, true, false, false, exit},
            {ScreenId::Spellword, "Spell the word!", 8745, 6975, true, false, false, exit},
            {ScreenId::MathTest, "Test your math", 8775, 7500, true, false, false, exit},
            {ScreenId::awardcolor, "Congratulations", 8130, 8280, false, false, false, exit},
            {ScreenId::awardshape, "Congratulations", 8130, 8280, false, false, false, exit},
            {ScreenId::awardword, "Congratulations", 8130, 8280, false, false, false, exit},
            {ScreenId::awardmath, "Congratulations", 8130, 8280, false, false, false, exit},
        };
        for (const Row& row : rows)
            QTest::newRow(screenName(row.id)) << row.id << row.caption << QSize(row.w / 15, row.h / 15)
                                              << row.centred << row.resizable << row.icon << row.menu;
    }

    void everyWindowFrame()
    {
        QFETCH(ScreenId, id);
        QFETCH(QString, caption);
        QFETCH(QSize, client);
        QFETCH(bool, centred);
        QFETCH(bool, resizable);
        QFETCH(bool, icon);
        QFETCH(QStringList, menu);

        ScreenRegistry registry(createScreen);
        ReportRecorder reports;
        if (!registry.show(id))
            QSKIP(qPrintable("the screen could not load here: " + reports.messages.join("; ")));
        Screen& screen = registry.reference(id);
        QMainWindow* window = screen.window();

        QCOMPARE(window->windowTitle(), caption);
        QCOMPARE(screen.client()->size(), client);

        const Qt::WindowFlags flags = window->windowFlags();
        QCOMPARE(bool(flags & Qt::WindowMaximizeButtonHint), resizable);
        QCOMPARE(bool(flags & Qt::WindowMinimizeButtonHint), resizable);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        const bool fixed = window->minimumSize() == window->maximumSize();
        QCOMPARE(fixed, !resizable);

        QCOMPARE(!window->windowIcon().isNull(), icon);

        QStringList entries;
        if (window->menuWidget())
            for (QAction* action : window->menuWidget()->actions())
                entries << action->text();
        QCOMPARE(entries, menu);
        for (QAction* action : window->menuWidget() ? window->menuWidget()->actions() : QList<QAction*>())
            QVERIFY2(!action->menu(), "menu entries have no submenus");

        if (centred) {
            const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
            QVERIFY2(qAbs(window->frameGeometry().center().x() - available.center().x()) <= 4,
                     qPrintable(QString("%1 vs %2").arg(window->frameGeometry().center().x()).arg(available.center().x())));
        }
    }

    void atStartOnlyTheMainMenuExists()
    {
        ScreenRegistry registry(createScreen);
        registry.show(ScreenId::SproutMain);
        for (int i = 1; i < kScreenCount; ++i)
            QVERIFY2(!registry.find(ScreenId(i)), screenName(ScreenId(i)));
    }
};

QTEST_MAIN(TestScreenFrames)
#include "tst_screenframes.moc"
