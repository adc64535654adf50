#include "guidance.h"
#include "phrases.h"
#include "screendesigns.h"

#include <set>
#include <string>

namespace sprout {

namespace designs {

std::span<const ScreenDesign* const> all()
{
    static constexpr const ScreenDesign* kScreens[] = {
        &mainMenu,  &colorsLesson, &shapesLesson, &lettersLesson, &numbersLesson, &measureLesson,
        &gamesMenu, &ticTacToe,    &colorQuiz,    &shapeQuiz,     &spellingQuiz,  &mathQuiz,
        &colorAward, &shapeAward,  &spellingAward, &mathAward,
    };
    return kScreens;
}

} // namespace designs

namespace words {

namespace {

constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::string_view kNumbers[] = {"0",  "1",  "2",  "3",  "4",  "5",  "6",
                                         "7",  "8",  "9",  "10", "11", "12", "13",
                                         "14", "15", "16", "17", "18", "19", "20"};
constexpr Phrase kVoiceOn = narrator("Voice on");

} // namespace

std::optional<Phrase> letter(char c)
{
    if (c >= 'a' && c <= 'z')
        c = static_cast<char>(c - 'a' + 'A');
    if (c < 'A' || c > 'Z')
        return std::nullopt;
    return narrator(std::string_view(&kLetters[c - 'A'], 1));
}

std::optional<Phrase> number(int n)
{
    if (n < 0 || n >= static_cast<int>(std::size(kNumbers)))
        return std::nullopt;
    return narrator(kNumbers[n]);
}

Phrase voiceOn()
{
    return kVoiceOn;
}

std::vector<Phrase> allPhrases()
{
    std::vector<Phrase> phrases;
    std::set<std::string> files;
    auto add = [&](const Phrase& phrase) {
        if (!phrase.text.empty() && files.insert(voiceFileName(phrase)).second)
            phrases.push_back(phrase);
    };
    for (const ScreenDesign* screen : designs::all()) {
        for (const Control& row : screen->controls)
            add(row.words());
        for (const Question& question : screen->questions)
            add(question.asked);
        for (const Reply& reply : screen->replies)
            add(reply.spoken());
    }
    for (char c = 'A'; c <= 'Z'; ++c)
        add(*letter(c));
    for (int n = 0; number(n); ++n)
        add(*number(n));
    add(kVoiceOn);
    for (const Phrase& phrase : allGuidance())
        add(phrase);
    return phrases;
}

} // namespace words

} // namespace sprout
