// A child let loose on the whole program: thousands of random clicks, keys, typing,
// close boxes and menu entries on whatever is on show, from start-up on, with what
// must always hold checked after every single action.
//
// SPROUT_RANDOM_SEED and SPROUT_RANDOM_ACTIONS repeat or lengthen a run; the seed
// is printed first, and a failure names the action and the ones before it.
#include "form1.h"
#include "pictures.h"
#include "randomplayer.h"
#include "tictactoe.h"

#include <QDesktopServices>
#include <QPrinterInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <deque>
#include <map>

using namespace sprout;
using namespace sprout::testing;

namespace {

constexpr quint32 kDefaultSeed = 20240611;
constexpr int kDefaultActions = 10000;

quint32 seedFromEnvironment()
{
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("SPROUT_RANDOM_SEED").toUInt(&ok);
    return ok ? seed : kDefaultSeed;
}

int actionsFromEnvironment()
{
    bool ok = false;
    const int actions = qEnvironmentVariable("SPROUT_RANDOM_ACTIONS").toInt(&ok);
    return ok && actions > 0 ? actions : kDefaultActions;
}

// What one quiz showed when last looked at, for as long as it stays loaded.
struct QuizSeen {
    QPointer<QLineEdit> scoreBox; // null once the screen was unloaded
    int score = 0;
};

} // namespace

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
    QString checkQuizzes(ScreenRegistry& registry);
    QString checkBoard(ScreenRegistry& registry);

    QTemporaryDir m_workDir;
    QList<QUrl> m_pagesOpened;
    std::map<ScreenId, QuizSeen> m_quizzes;
    std::map<ScreenId, bool> m_awardShown;
    QImage m_cellImages[TicTacToe::Blank + 1];
    int m_awardsAppeared = 0;
    std::map<ScreenId, int> m_highestScore;
    int m_gamesWithO = 0;
};

void TestRandomPlayer::initTestCase()
{
    // Thousands of windows shown on a platform without a window manager: its word
    // that it cannot raise them or pass on size hints drowns everything else.
    static const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (message.startsWith("This plugin does not support"))
                return;
            previous(type, context, message);
        });
    QVERIFY(m_workDir.isValid());
    // No printer at all, so "Print Award" can never put anything on paper; this
    // must be set before the first printer object exists.
    qputenv("CUPS_SERVER", "127.0.0.1:1");
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    // Were Qt to fall back to writing a PDF, it would land here.
    QVERIFY(QDir::setCurrent(m_workDir.path()));
    QVERIFY(QPrinterInfo::defaultPrinter().isNull());
    // The computer's turn must not sleep in a test.
    Form1::replacePause([](int) {});
    QDesktopServices::setUrlHandler("https", this, "openPage");
    QDesktopServices::setUrlHandler("http", this, "openPage");
    for (int image = TicTacToe::BlackX; image <= TicTacToe::Blank; ++image)
        m_cellImages[image] = comparable(builtInPicture(QStringLiteral("cell%1").arg(image)).toImage());
}

void TestRandomPlayer::cleanupTestCase()
{
    Form1::replacePause({});
    QDesktopServices::unsetUrlHandler("https");
    QDesktopServices::unsetUrlHandler("http");
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
    const quint32 seed = seedFromEnvironment();
    const int actions = actionsFromEnvironment();
    qInfo("random player: seed %u, %d actions (SPROUT_RANDOM_SEED, SPROUT_RANDOM_ACTIONS)", seed,
          actions);

    ReportRecorder reports;
    ScreenRegistry registry(createScreen);
    QSignalSpy ended(&registry, &ScreenRegistry::lastScreenClosed);
    QVERIFY(registry.show(ScreenId::SproutMain));
    RandomPlayer player(registry, seed);

    std::deque<QString> history;
    int restarts = 0;
    for (int action = 1; action <= actions; ++action) {
        const qsizetype endedBefore = ended.count();
        const QString done = player.step();
        settle();
        history.push_back(QStringLiteral("%1: %2").arg(action).arg(done));
        if (history.size() > 25)
            history.pop_front();

        const QString fault = checkAfterAction(registry, ended.count() > endedBefore);
        if (!fault.isEmpty()) {
            QStringList lines(history.begin(), history.end());
            QFAIL(qPrintable(QStringLiteral("%1\nseed %2, after action %3; the last actions:\n%4")
                                 .arg(fault)
                                 .arg(seed)
                                 .arg(action)
                                 .arg(lines.join('\n'))));
        }
        for (const QString& message : std::as_const(reports.messages)) {
            // Without a printer the only thing ever told is that an award was not printed.
            QVERIFY2(message.startsWith("The award was not printed: "),
                     qPrintable(QStringLiteral("unexpected report after action %1 (seed %2): %3")
                                    .arg(action)
                                    .arg(seed)
                                    .arg(message)));
        }
        if (visibleScreens(registry).empty()) {
            // The program has ended; a child starts it again.
            ++restarts;
            QVERIFY(registry.show(ScreenId::SproutMain));
        }
    }

    QStringList summary;
    for (int kind = 0; kind < RandomPlayer::ActionCount; ++kind) {
        const auto action = static_cast<RandomPlayer::Action>(kind);
        summary << QStringLiteral("%1 %2").arg(player.counted(action)).arg(RandomPlayer::nameOf(action));
    }
    QStringList scores;
    for (const auto& [quiz, score] : m_highestScore)
        scores << QStringLiteral("%1 %2").arg(screenName(quiz)).arg(score);
    qInfo("random player: %s; %d restarts, %d award appearances, %d checks of a Tic-Tac-Toe board with an O, "
          "%d prints refused, %d web pages; highest scores: %s",
          qPrintable(summary.join(", ")), restarts, m_awardsAppeared, m_gamesWithO,
          int(reports.messages.size()), int(m_pagesOpened.size()), qPrintable(scores.join(", ")));
}

QString TestRandomPlayer::checkAfterAction(ScreenRegistry& registry, bool toldToEnd)
{
    const std::vector<Screen*> visible = visibleScreens(registry);
    if (visible.empty() && !toldToEnd)
        return "no screen is on show, yet the program was not told to end: it runs on with no window";
    if (!visible.empty() && toldToEnd)
        return "the program was told to end while a screen is on show";
    if (QApplication::activeModalWidget())
        return "a dialog waits for an answer: " + QApplication::activeModalWidget()->windowTitle();

    int screensOutsideAwards = 0;
    bool anyAward = false;
    QStringList names;
    for (Screen* screen : visible) {
        names << QString::fromLatin1(screenName(screen->id()));
        if (isAward(screen->id()))
            anyAward = true;
        else
            ++screensOutsideAwards;
    }
    if (screensOutsideAwards > 1 || (!anyAward && !visible.empty() && screensOutsideAwards != 1))
        return "outside the awards exactly one screen must be on show, but these are: " + names.join(", ");

    if (QString fault = checkQuizzes(registry); !fault.isEmpty())
        return fault;
    return checkBoard(registry);
}

QString TestRandomPlayer::checkQuizzes(ScreenRegistry& registry)
{
    std::map<ScreenId, bool> reachedTen;
    for (ScreenId id : allScreens()) {
        if (!isQuiz(id))
            continue;
        Screen* quiz = registry.find(id);
        QLineEdit* box = quiz ? quiz->control<QLineEdit>(scoreBoxOf(id)) : nullptr;
        if (!box) {
            m_quizzes.erase(id);
            continue;
        }
        const QString text = box->text();
        bool number = false;
        const int score = text.isEmpty() ? 0 : text.toInt(&number);
        if (!text.isEmpty() && (!number || score <= 0 || QString::number(score) != text))
            return QStringLiteral("%1's score box holds \"%2\", not a count").arg(screenName(id), text);
        auto seen = m_quizzes.find(id);
        if (seen == m_quizzes.end() || seen->second.scoreBox != box) {
            // Loaded in this action: a fresh screen starts from no score.
            if (!text.isEmpty())
                return QStringLiteral("%1 came up with the score \"%2\"").arg(screenName(id), text);
            m_quizzes[id] = {box, 0};
            continue;
        }
        const int before = seen->second.score;
        if (score < before)
            return QStringLiteral("%1's score went down from %2 to %3").arg(screenName(id)).arg(before).arg(score);
        if (score > before + 1)
            return QStringLiteral("%1's score rose from %2 to %3 in one action").arg(screenName(id)).arg(before).arg(score);
        reachedTen[id] = before != 10 && score == 10;
        seen->second.score = score;
        m_highestScore[id] = qMax(m_highestScore[id], score);
    }

    for (ScreenId id : allScreens()) {
        if (!isQuiz(id))
            continue;
        const ScreenId award = awardOf(id);
        const Screen* awardScreen = registry.find(award);
        const bool shown = awardScreen && awardScreen->isVisible();
        const bool wasShown = m_awardShown[award];
        m_awardShown[award] = shown;
        if (reachedTen[id] && !shown)
            return QStringLiteral("%1's score reached 10 but %2 is not on show").arg(screenName(id), screenName(award));
        if (shown && !wasShown) {
            ++m_awardsAppeared;
            const auto seen = m_quizzes.find(id);
            if (seen == m_quizzes.end() || seen->second.score != 10) {
                return QStringLiteral("%1 appeared while %2's score is not 10")
                    .arg(screenName(award), screenName(id));
            }
        }
    }
    return {};
}

QString TestRandomPlayer::checkBoard(ScreenRegistry& registry)
{
    Screen* board = registry.find(ScreenId::Form1);
    if (!board || !board->isLoaded())
        return {};
    int xs = 0;
    int os = 0;
    for (int cell = 1; cell <= 9; ++cell) {
        auto* box = board->control<QLabel>(QStringLiteral("Picture1(%1)").arg(cell));
        if (!box)
            return QStringLiteral("Form1 has no cell %1").arg(cell);
        const QImage shown = comparable(box->pixmap().toImage());
        if (shown == m_cellImages[TicTacToe::BlackX] || shown == m_cellImages[TicTacToe::RedX])
            ++xs;
        else if (shown == m_cellImages[TicTacToe::BlackO] || shown == m_cellImages[TicTacToe::RedO])
            ++os;
        else if (shown != m_cellImages[TicTacToe::Blank])
            return QStringLiteral("Form1's cell %1 shows no known image").arg(cell);
    }
    if (os > xs)
        return QStringLiteral("the Tic-Tac-Toe board holds %1 O and only %2 X").arg(os).arg(xs);
    // The child moves first and the computer answers each move unless the game is over.
    if (xs > os + 1)
        return QStringLiteral("the Tic-Tac-Toe board holds %1 X but only %2 O").arg(xs).arg(os);
    if (os > 0)
        ++m_gamesWithO;
    return {};
}

QTEST_MAIN(TestRandomPlayer)
#include "tst_randomplayer.moc"
