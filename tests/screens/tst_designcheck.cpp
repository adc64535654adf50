// Every screen's design table checked when it is built: sound on all sixteen, and
// each kind of fault planted in a copy of a real quiz reported, not left to show
// as a blank picture or a dead click.
#include "choicequiz.h"
#include "screenfactory.h"
#include "screentesting.h"

#include <vector>

using namespace sprout;
using namespace sprout::testing;

namespace {

// A copy of Guess the Color's description whose tables a fault can be planted in.
struct PlantedQuiz {
    std::vector<Control> controls{kGuessColorQuiz.controls.begin(), kGuessColorQuiz.controls.end()};
    std::vector<ChoiceQuizDescription::Choice> choices{kGuessColorQuiz.choices.begin(), kGuessColorQuiz.choices.end()};
    std::vector<const char*> files{kGuessColorQuiz.questionFiles.begin(), kGuessColorQuiz.questionFiles.end()};
    ChoiceQuizDescription description = kGuessColorQuiz;

    Control& row(const char* name)
    {
        return *std::find_if(controls.begin(), controls.end(),
                             [name](const Control& control) { return QLatin1String(control.name) == name; });
    }
    // Games with this quiz as its Guess the Color.
    ScreenRegistry registry()
    {
        description.controls = controls;
        description.choices = choices;
        description.questionFiles = files;
        return ScreenRegistry([this](ScreenId id, ScreenRegistry& registry) -> std::unique_ptr<Screen> {
            if (id == ScreenId::GuessColor)
                return std::make_unique<ChoiceQuiz>(registry, description);
            return createScreen(id, registry);
        });
    }
};

} // namespace

class TestDesignCheck : public QObject {
    Q_OBJECT
private slots:
    void everyScreenIsSound()
    {
        ScreenRegistry registry(createScreen);
        for (int number = 0; number < kScreenCount; ++number) {
            const auto id = static_cast<ScreenId>(number);
            const QStringList problems = registry.reference(id).designProblems();
            QVERIFY2(problems.isEmpty(), qPrintable(QString(screenName(id)) + ": " + problems.join("; ")));
        }
    }

    // The screen still comes up, as well as it can, after saying what is wrong.
    void plantedFaultIsReported()
    {
        const struct { void (*plant)(PlantedQuiz&); const char* reported; } faults[] = {
            {[](PlantedQuiz& quiz) { quiz.row("Image1").text = "bord"; }, "Image1: no built-in picture \"bord\""},
            {[](PlantedQuiz& quiz) { quiz.row("Text2").parent = "Frame9"; }, "Text2: no frame \"Frame9\" to lie in"},
            {[](PlantedQuiz& quiz) { quiz.row("Command2").parent = "Label1"; }, "Command2: no frame \"Label1\" to lie in"},
            {[](PlantedQuiz& quiz) { quiz.choices[3].control = "Label55"; }, "Label55: a handler for a control the table lacks"},
            {[](PlantedQuiz& quiz) { quiz.description.newQuestionButton = "Command3"; },
             "Command3: a handler for a control the table lacks"},
            {[](PlantedQuiz& quiz) { quiz.description.award = ScreenId::Games; }, "award: Games is no award screen"},
            {[](PlantedQuiz& quiz) { quiz.description.scoreBox = "Text7"; }, "Text7: no such score box"},
        };
        for (const auto& fault : faults) {
            PlantedQuiz quiz;
            fault.plant(quiz);
            ScreenRegistry registry = quiz.registry();
            ReportRecorder reports;
            QVERIFY2(registry.show(ScreenId::GuessColor), fault.reported);
            QCOMPARE(reports.messages, QStringList("A screen is built wrongly: GuessColor: " + QString(fault.reported)));
        }
    }

    // A quiz that cannot read a question picture does not open: the child stays on
    // the games menu, told which file.
    void missingPictureKeepsTheGamesMenuOnShow()
    {
        PlantedQuiz quiz;
        quiz.files[9] = "\\Orangey.bmp";
        ScreenRegistry registry = quiz.registry();
        ReportRecorder reports;
        QVERIFY(registry.show(ScreenId::Games));
        click(registry.reference(ScreenId::Games), "Label3");
        QVERIFY(registry.reference(ScreenId::Games).isVisible());
        QVERIFY(!registry.reference(ScreenId::GuessColor).isLoaded());
        QCOMPARE(reports.messages.size(), 1);
        QVERIFY2(reports.messages[0].contains("Orangey.bmp"), qPrintable(reports.messages[0]));
    }
};

QTEST_MAIN(TestDesignCheck)
#include "tst_designcheck.moc"
