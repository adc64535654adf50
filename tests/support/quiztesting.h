#pragma once

// Plays the four quizzes as a child does and reads back the board, result and score;
// and keeps "Print Award" from paper.

#include "choicequizzes.h"
#include "bitmapfile.h"
#include "programfolder.h"
#include "screenfactory.h"
#include "screentesting.h"
#include "screendesigns.h"

#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <map>

namespace sprout::testing {

inline const QString kCorrect = QStringLiteral("correct");
inline const QString kSorry = QStringLiteral("Sorry, try again ");

// A quiz's question pictures by number and the caption (or word) answering each.
struct QuizTable {
    ScreenId id;
    ScreenId award;
    const char* gamesLink;
    const char* backLink;
    const char* newQuestion; // null where only a right answer brings the next one
    const char* scoreBox;
    QStringList files; // empty where a number has no question
    QStringList answers;
};

// The captions the child reads are written here, the rest is the program's.
inline QuizTable choiceQuizTable(const ChoiceQuizDescription& quiz, const char* gamesLink,
                                 QStringList answers)
{
    QuizTable table{quiz.id,       quiz.award, gamesLink, quiz.backLink, quiz.newQuestionButton,
                    quiz.scoreBox, {},         std::move(answers)};
    for (const Question& question : quiz.design.questions)
        table.files << QString::fromLatin1(question.file);
    return table;
}

// The colour a colour's name stands for, as the lesson's swatches and the quiz paint it.
inline QColor namedColour(const QString& name)
{
    static const std::map<QString, QColor> colours{
        {"Red", Qt::red}, {"Orange", QColor(255, 128, 0)}, {"Yellow", Qt::yellow}, {"Green", QColor(0, 192, 0)},
        {"Blue", Qt::blue}, {"Purple", QColor(128, 0, 128)}, {"Pink", QColor(255, 128, 255)},
        {"White", Qt::white}, {"Black", Qt::black}, {"Grey", QColor(128, 128, 128)}};
    const auto found = colours.find(name);
    return found == colours.end() ? QColor() : found->second;
}

inline const QuizTable kGuessColor = choiceQuizTable(
    kGuessColorQuiz, "Label3",
    {"Pink", "Grey", "Black", "Green", "Red", "Yellow", "White", "Purple", "Blue", "Orange"});

inline const QuizTable kGuessShape = choiceQuizTable(
    kGuessShapeQuiz, "Label4",
    {"Triangle", "Circle", "Oval", "Rectangle", "Square", "Hexagon", "Pentagon"});

// 7 and 19 have no question; 8 shows "12.bmp" and is answered by "3".
inline const QuizTable kMathTest = choiceQuizTable(
    kMathTestQuiz, "Label6",
    {"2", "4", "5", "6", "7", "8", "11", "", "3", "10", "12", "13", "9", "17", "18", "15", "14",
     "19", "16", "", "20", "1"});

// Each word is spelt as its picture file is named.
inline const QuizTable kSpellWord = [] {
    QuizTable quiz{ScreenId::Spellword, ScreenId::awardword, "Label5", "Label13", nullptr, "Text3", {}, {}};
    for (const Question& word : designs::spellingQuiz.questions) {
        quiz.files << QString::fromLatin1(word.file);
        quiz.answers << quiz.files.last().mid(1).chopped(4);
    }
    return quiz;
}();

inline const QuizTable* quizOf(ScreenId id)
{
    for (const QuizTable* quiz : {&kGuessColor, &kGuessShape, &kMathTest, &kSpellWord})
        if (quiz->id == id)
            return quiz;
    return nullptr;
}

inline QImage comparable(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

inline const QList<QImage>& questionPictures(const QuizTable& quiz)
{
    static std::map<ScreenId, QList<QImage>> read;
    QList<QImage>& pictures = read[quiz.id];
    if (pictures.isEmpty())
        for (const QString& file : quiz.files)
            pictures << (file.isEmpty() ? QImage() : comparable(BitmapFile::load(programFilePath(file)).picture));
    return pictures;
}

inline int shownQuestion(Screen& screen, const QuizTable& quiz)
{
    const QImage shown = comparable(screen.control<QLabel>("Image2")->pixmap().toImage());
    return shown.isNull() ? -1 : int(questionPictures(quiz).indexOf(shown));
}

inline QString result(Screen& screen) { return screen.control<QLabel>("Label1")->text(); }
inline QString score(Screen& screen, const QuizTable& quiz) { return screen.control<QLineEdit>(quiz.scoreBox)->text(); }

// Clicks the choice with this caption, or types it afresh and presses "Check Spelling".
inline void choose(Screen& screen, const QuizTable& quiz, const QString& caption)
{
    if (!quiz.newQuestion) {
        auto* box = screen.control<QLineEdit>("Text1");
        box->clear();
        QTest::keyClicks(box, caption);
        return click(screen, "Command1");
    }
    for (QLabel* label : screen.client()->findChildren<QLabel*>())
        if (label->text() == caption)
            return click(screen, label->objectName());
    QFAIL(qPrintable("no choice " + caption));
}

inline bool awardVisible(ScreenRegistry& registry, const QuizTable& quiz)
{
    return registry.find(quiz.award) && registry.find(quiz.award)->isVisible();
}

inline void answer(Screen& screen, const QuizTable& quiz, bool right)
{
    const int shown = shownQuestion(screen, quiz);
    QVERIFY2(shown >= 0, "the board shows no question");
    if (!quiz.newQuestion && !right)
        return choose(screen, quiz, "xyz");
    int pick = shown;
    while (!right && (pick == shown || quiz.answers[pick].isEmpty()))
        pick = (pick + 1) % quiz.answers.size();
    choose(screen, quiz, quiz.answers[pick]);
}

inline void nextQuestion(Screen& screen, const QuizTable& quiz)
{
    quiz.newQuestion ? click(screen, quiz.newQuestion) : answer(screen, quiz, true);
}

// Plays moves: R a right answer, W a wrong one, P a new question.
inline void play(Screen& screen, const QuizTable& quiz, const QString& moves)
{
    for (QChar move : moves)
        move == 'P' ? nextQuestion(screen, quiz) : answer(screen, quiz, move == 'R');
}

// No "Print Award" can reach paper; a PDF that Qt might write instead lands in `folder`.
inline void withoutPrinter(const QString& folder)
{
    qputenv("CUPS_SERVER", "127.0.0.1:1");
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    QVERIFY(QDir::setCurrent(folder));
    QVERIFY(QPrinterInfo::defaultPrinter().isNull());
}

} // namespace sprout::testing

Q_DECLARE_METATYPE(const sprout::testing::QuizTable*)
