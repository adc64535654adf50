// A child let loose on the whole program: thousands of random clicks, keys, typing,
// close boxes and menu entries on whatever is on show, from start-up on, with what
// must always hold checked after every single action.
//
// SPROUT_RANDOM_SEED and SPROUT_RANDOM_ACTIONS repeat or lengthen a run; the seed
// is printed first, and a failure names the action and the ones before it.
#include "form1.h"
#include "pictures.h"
#include "randomplayer.h"

#include <QDesktopServices>
#include <QPrinterInfo>
#include <QSignalSpy>
#include <deque>
#include <map>

using namespace sprout;
using namespace sprout::testing;

class TestRandomPlayer : public QObject {
    Q_OBJECT

public slots:
    // Stands in for the browser: the web page entries of the main menu land here.
    void openPage(const QUrl& url) { m_pagesOpened << url; }

private slots:
    void initTestCase();
    void cleanupTestCase();
    void continueOnTheLastAwardEndsTheProgram();
    void childPlaysAtRandom();

private:
    QString checkAfterAction(ScreenRegistry& registry, bool toldToEnd);

    QTemporaryDir m_workDir;
    QList<QUrl> m_pagesOpened;
    // Each loaded quiz's score box and the score last seen in it.
    std::map<ScreenId, std::pair<QPointer<QLineEdit>, int>> m_scores;
    std::map<ScreenId, bool> m_awardShown;
    int m_awardsAppeared = 0;
    int m_boardsWithO = 0;
    QList<QImage> m_cellImages; // by their numbers in the game
};

void TestRandomPlayer::initTestCase()
{
    // Thousands of windows shown on a platform without a window manager: its word
    // that it cannot raise them drowns everything else.
    static const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (!message.startsWith("This plugin does not support"))
                previous(type, context, message);
        });
    // No printer at all, so "Print Award" can never put anything on paper; were Qt
    // to fall back to writing a PDF, it would land in the work folder.
    qputenv("CUPS_SERVER", "127.0.0.1:1");
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    QVERIFY(m_workDir.isValid() && QDir::setCurrent(m_workDir.path()));
    QVERIFY(QPrinterInfo::defaultPrinter().isNull());
    Form1::replacePause([](int) {}); // the computer's turn must not sleep in a test
    QDesktopServices::setUrlHandler("https", this, "openPage");
    for (int image = 0; image <= TicTacToe::Blank; ++image)
        m_cellImages << (image ? comparable(builtInPicture(QStringLiteral("cell%1").arg(image)).toImage()) : QImage());
}

void TestRandomPlayer::cleanupTestCase()
{
    Form1::replacePause({});
    QDesktopServices::unsetUrlHandler("https");
}

// Found by the random player: the quiz closed beneath its award, "Continue" hid the
// last window, and the program ran on with nothing on show.
void TestRandomPlayer::continueOnTheLastAwardEndsTheProgram()
{
    ScreenRegistry registry(createScreen);
    QSignalSpy ended(&registry, &ScreenRegistry::lastScreenClosed);
    QVERIFY(registry.show(ScreenId::SproutMain));
    QVERIFY(registry.show(ScreenId::awardword));
    Screen& award = registry.reference(ScreenId::awardword);
    chooseMenu(registry.reference(ScreenId::SproutMain), "mnuExit");
    settle();
    QVERIFY(award.isVisible());
    QCOMPARE(ended.count(), 0);

    click(award, "Command2");
    settle();
    QVERIFY(!registry.anyVisible());
    QCOMPARE(ended.count(), 1);
}

void TestRandomPlayer::childPlaysAtRandom()
{
    bool ok = false;
    quint32 seed = qEnvironmentVariable("SPROUT_RANDOM_SEED").toUInt(&ok);
    if (!ok)
        seed = 20240611;
    int actions = qEnvironmentVariable("SPROUT_RANDOM_ACTIONS").toInt(&ok);
    if (!ok || actions <= 0)
        actions = 10000;
    qInfo("random player: seed %u, %d actions (SPROUT_RANDOM_SEED, SPROUT_RANDOM_ACTIONS)", seed, actions);

    ReportRecorder reports;
    ScreenRegistry registry(createScreen);
    QSignalSpy ended(&registry, &ScreenRegistry::lastScreenClosed);
    QVERIFY(registry.show(ScreenId::SproutMain));
    RandomPlayer player(registry, seed);
    std::deque<QString> history;
    int restarts = 0;
    for (int action = 1; action <= actions; ++action) {
        const qsizetype endedBefore = ended.count();
        history.push_back(QStringLiteral("%1: %2").arg(action).arg(player.step()));
        settle();
        if (history.size() > 25)
            history.pop_front();
        QString fault = checkAfterAction(registry, ended.count() > endedBefore);
        // Without a printer the only thing ever told is that an award was not printed.
        for (const QString& message : std::as_const(reports.messages))
            if (!message.startsWith("The award was not printed: "))
                fault = "unexpected report: " + message;
        if (!fault.isEmpty())
            QFAIL(qPrintable(QStringLiteral("%1\nseed %2, after action %3; the last actions:\n%4")
                                 .arg(fault).arg(seed).arg(action)
                                 .arg(QStringList(history.begin(), history.end()).join('\n'))));
        if (visibleScreens(registry).empty()) { // the program has ended; a child starts it again
            ++restarts;
            QVERIFY(registry.show(ScreenId::SproutMain));
        }
    }
    QStringList summary;
    for (int kind = 0; kind < RandomPlayer::ActionCount; ++kind)
        summary << QStringLiteral("%1 %2").arg(player.counted(RandomPlayer::Action(kind))).arg(RandomPlayer::kNames[kind]);
    qInfo("random player: %s; %d restarts, %d award appearances, %d checks of a board with an O, "
          "%d prints refused, %d web pages",
          qPrintable(summary.join(", ")), restarts, m_awardsAppeared, m_boardsWithO,
          int(reports.messages.size()), int(m_pagesOpened.size()));
}

QString TestRandomPlayer::checkAfterAction(ScreenRegistry& registry, bool toldToEnd)
{
    const std::vector<Screen*> visible = visibleScreens(registry);
    if (visible.empty() != toldToEnd)
        return toldToEnd ? "the program was told to end while a screen is on show"
                         : "no screen is on show, yet the program was not told to end";
    if (QApplication::activeModalWidget())
        return "a dialog waits for an answer: " + QApplication::activeModalWidget()->windowTitle();
    QStringList names;
    int outsideAwards = 0;
    for (Screen* screen : visible) {
        names << screenName(screen->id());
        const ScreenId id = screen->id();
        outsideAwards += id != ScreenId::awardcolor && id != ScreenId::awardshape && id != ScreenId::awardword
                         && id != ScreenId::awardmath;
    }
    // Only awards may stay on show alone, once the quiz beneath them was closed.
    if (outsideAwards > 1)
        return "outside the awards exactly one screen must be on show, but these are: " + names.join(", ");

    // A quiz's score never goes down while its screen stays loaded, and its award
    // appears only in an action that leaves that score at exactly ten.
    for (const QuizTable* quiz : {&kGuessColor, &kGuessShape, &kMathTest, &kSpellWord}) {
        Screen* screen = registry.find(quiz->id);
        QLineEdit* box = screen && screen->isLoaded() ? screen->control<QLineEdit>(quiz->scoreBox) : nullptr;
        const QString name = screenName(quiz->id);
        int now = 0;
        bool reachedTen = false;
        if (box) {
            bool number = box->text().isEmpty();
            if (!number)
                number = (now = box->text().toInt(&number)) > 0 && number;
            if (!number)
                return name + "'s score box holds \"" + box->text() + "\", not a count";
            auto& [seenBox, before] = m_scores[quiz->id];
            if (seenBox != box && now != 0)
                return name + " came up with the score " + box->text();
            if (seenBox == box && (now < before || now > before + 1))
                return QStringLiteral("%1's score went from %2 to %3 in one action").arg(name).arg(before).arg(now);
            reachedTen = now == 10 && (seenBox != box || before != 10);
            seenBox = box;
            before = now;
        }
        const Screen* award = registry.find(quiz->award);
        const bool shown = award && award->isVisible();
        if (reachedTen && !shown)
            return name + "'s score reached 10 but " + screenName(quiz->award) + " is not on show";
        if (shown && !m_awardShown[quiz->award]) {
            ++m_awardsAppeared;
            if (now != 10)
                return QString(screenName(quiz->award)) + " appeared while " + name + "'s score is not 10";
        }
        m_awardShown[quiz->award] = shown;
    }

    // The child moves first: the board never holds more O than X.
    Screen* board = registry.find(ScreenId::Form1);
    if (!board || !board->isLoaded())
        return {};
    int xs = 0;
    int os = 0;
    for (int cell = 1; cell <= 9; ++cell) {
        const int image = int(m_cellImages.indexOf(
            comparable(board->control<QLabel>(QStringLiteral("Picture1(%1)").arg(cell))->pixmap().toImage())));
        if (image < 1)
            return QStringLiteral("Form1's cell %1 shows no known image").arg(cell);
        xs += image == TicTacToe::BlackX || image == TicTacToe::RedX;
        os += image == TicTacToe::BlackO || image == TicTacToe::RedO;
    }
    if (os > xs || xs > os + 1)
        return QStringLiteral("the Tic-Tac-Toe board holds %1 X and %2 O").arg(xs).arg(os);
    m_boardsWithO += os > 0;
    return {};
}

QTEST_MAIN(TestRandomPlayer)
#include "tst_randomplayer.moc"
