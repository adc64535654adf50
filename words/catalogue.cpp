#include "guidance.h"
#include "tables.h"

#include <algorithm>
#include <set>
#include <string>

namespace sprout::words {

namespace {

constexpr const ScreenWords* kScreens[] = {
    &sproutMainWords, &frmColorsWords, &frmShapesWords, &frmLettersWords,
    &frmNumbersWords, &measureWords,   &gamesWords,     &form1Words,
    &guessColorWords, &guessShapeWords, &spellWordWords, &mathTestWords,
    &awardColorWords, &awardShapeWords, &awardWordWords, &awardMathWords,
};

constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::string_view kNumbers[] = {"0",  "1",  "2",  "3",  "4",  "5",  "6",
                                         "7",  "8",  "9",  "10", "11", "12", "13",
                                         "14", "15", "16", "17", "18", "19", "20"};
constexpr Phrase kVoiceOn = said("Voice on");

// Blanks at either end and runs of blanks inside do not change what is meant.
std::string squeezed(std::string_view text)
{
    std::string out;
    for (char c : text) {
        const bool blank = c == ' ' || c == '\r' || c == '\n' || c == '\t';
        if (!blank)
            out += c;
        else if (!out.empty() && out.back() != ' ')
            out += ' ';
    }
    if (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

} // namespace

const ScreenWords* wordsOfScreen(std::string_view screen)
{
    for (const ScreenWords* words : kScreens)
        if (words->screen == screen)
            return words;
    return nullptr;
}

const ControlWords* wordsOfControl(std::string_view screen, std::string_view control)
{
    const ScreenWords* words = wordsOfScreen(screen);
    if (!words)
        return nullptr;
    for (const ControlWords& row : words->controls)
        if (row.control == control)
            return &row;
    return nullptr;
}

std::optional<Phrase> replyFor(std::string_view screen, std::string_view shown)
{
    const ScreenWords* words = wordsOfScreen(screen);
    if (!words)
        return std::nullopt;
    const std::string wanted = squeezed(shown);
    for (const Reply& reply : words->replies)
        if (squeezed(reply.shown) == wanted)
            return reply.said;
    return std::nullopt;
}

std::optional<Phrase> questionFor(std::string_view screen, std::string_view pictureFile)
{
    if (pictureFile.starts_with('\\'))
        pictureFile.remove_prefix(1);
    const ScreenWords* words = wordsOfScreen(screen);
    if (!words)
        return std::nullopt;
    for (const ControlWords& row : words->controls)
        for (const PictureWords& picture : row.pictures)
            if (picture.file == pictureFile)
                return picture.said;
    return std::nullopt;
}

std::optional<Phrase> letter(char c)
{
    if (c >= 'a' && c <= 'z')
        c = static_cast<char>(c - 'a' + 'A');
    if (c < 'A' || c > 'Z')
        return std::nullopt;
    return said(std::string_view(&kLetters[c - 'A'], 1));
}

std::optional<Phrase> number(int n)
{
    if (n < 0 || n >= static_cast<int>(std::size(kNumbers)))
        return std::nullopt;
    return said(kNumbers[n]);
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
    for (const ScreenWords* screen : kScreens) {
        for (const ControlWords& row : screen->controls) {
            add(row.said);
            for (const PictureWords& picture : row.pictures)
                add(picture.said);
        }
        for (const Reply& reply : screen->replies)
            add(reply.said);
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

} // namespace sprout::words
