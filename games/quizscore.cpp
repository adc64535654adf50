#include "quizscore.h"

#include "replies.h"

#include <algorithm>

namespace sprout {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

char lowerCase(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool saysCorrect(std::string_view text)
{
    const std::string_view correct = words::kCorrect.shown;
    return std::equal(text.begin(), text.end(), correct.begin(), correct.end(),
                      [](char a, char b) { return lowerCase(a) == b; });
}

// The number at the start of the text, as digits without leading zeros: blanks
// before it are skipped, anything after it is ignored, and no number is 0.
std::string leadingNumber(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size() && text[at] == ' ')
        ++at;
    while (at < text.size() && text[at] == '0')
        ++at;
    std::size_t end = at;
    while (end < text.size() && isDigit(text[end]))
        ++end;
    const std::string digits(text.substr(at, end - at));
    return digits.empty() ? std::string("0") : digits;
}

// Adds one in decimal, digit by digit, so that the score has no upper bound.
std::string plusOne(std::string digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return digits;
        }
        *it = '0';
    }
    return '1' + digits;
}

} // namespace

QuizScore::QuizScore(std::string_view scoreText) : m_text(scoreText) {}

bool QuizScore::resultChanged(std::string_view resultText)
{
    if (!saysCorrect(resultText))
        return false;
    m_text = plusOne(leadingNumber(m_text));
    return true;
}

bool QuizScore::awardDue() const
{
    // As the score box writes it: digits without a leading zero.
    if (m_text.size() < 2 || m_text.front() == '0' || m_text.back() != '0')
        return false;
    return std::all_of(m_text.begin(), m_text.end(), isDigit);
}

} // namespace sprout
