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
    std::vector<ChoiceQuizDescription::Choice> choices{kGuessColorQuiz.choices.begin(),
                                                       kGuessColorQuiz.choices.end()};
    ChoiceQuizDescription description = kGuessColorQuiz;

    Control& row(const char* name)
    {
        for (Control& control : controls)
            if (QLatin1String(control.name) == QLatin1String(name))
                return control;
        qFatal("no row %s", name);
    }
    void seal()
    {
        description.controls = controls;
        description.choices = choices;
    }
};

struct Fault {
    const char* what;
    void (*plant)(PlantedQuiz&);
    const char* reported;
};

const Fault kFaults[] = {
    {"picture that does not exist", [](PlantedQuiz& quiz) { quiz.row("Image1").text = "bord"; },
     "Image1: no built-in picture \"bord\""},
    {"parent that is not in the table", [](PlantedQuiz& quiz) { quiz.row("Text2").parent = "Frame9"; },
     "Text2: no frame \"Frame9\" to lie in"},
    {"parent that is no frame", [](PlantedQuiz& quiz) { quiz.row("Command2").parent = "Label1"; },
     "Command2: no frame \"Label1\" to lie in"},
    {"choice the table lacks", [](PlantedQuiz& quiz) { quiz.choices[3].control = "Label55"; },
     "Label55: a handler for a control the table lacks"},
    {"button the table lacks", [](PlantedQuiz& quiz) { quiz.description.newQuestionButton = "Command3"; },
     "Command3: a handler for a control the table lacks"},
    {"award that is no award screen", [](PlantedQuiz& quiz) { quiz.description.award = ScreenId::Games; },
     "award: Games is no award screen"},
    {"score box the table lacks", [](PlantedQuiz& quiz) { quiz.description.scoreBox = "Text7"; },
     "Text7: no such score box"},
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
            QVERIFY2(problems.isEmpty(), qPrintable(QString::fromLatin1(screenName(id)) + ": "
                                                    + problems.join("; ")));
        }
    }

    // The screen still comes up, as well as it can, after saying what is wrong.
    void plantedFaultIsReported()
    {
        for (const Fault& fault : kFaults) {
            PlantedQuiz quiz;
            fault.plant(quiz);
            quiz.seal();
            ScreenRegistry registry([&quiz](ScreenId id, ScreenRegistry& registry) -> std::unique_ptr<Screen> {
                if (id == ScreenId::GuessColor)
                    return std::make_unique<ChoiceQuiz>(registry, quiz.description);
                return createScreen(id, registry);
            });
            ReportRecorder reports;
            QVERIFY2(registry.show(ScreenId::GuessColor), fault.what);
            QCOMPARE(reports.messages, QStringList{QStringLiteral("A screen is built wrongly: GuessColor: ")
                                                   + QString::fromUtf8(fault.reported)});
        }
    }
};

QTEST_MAIN(TestDesignCheck)
#include "tst_designcheck.moc"
