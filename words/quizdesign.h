#pragma once

#include "design.h"
#include "replies.h"

// What the four quizzes' designs share.
namespace sprout::designs {

namespace looks {
using namespace sprout::looks;
inline constexpr Look kQuizChoice{{"Arial", 11.25, true}, kLightYellow};
inline constexpr Look kQuizHeading{{"Arial", 14.25, true}, kWhite};
inline constexpr Look kQuizResult{{"Trebuchet MS", 15.75, true}, rgb(0, 0, 128), kWhite, Opaque};
inline constexpr Look kQuizFrame{{"Arial", 9.75, false}};
inline constexpr Look kQuizButton{{"Arial", 9.75, true}};
inline constexpr Look kQuizInstructions{{"Arial", 9.75, true}, kDefault, kDefault,
                                        MultiLine | ScrollBar | ReadOnly};
inline constexpr Look kScoreBox{{}, kDefault, kDefault, Hidden};
} // namespace looks

// Frame4, captioned "Frame2" by its designer: a frame one pixel high across the
// "How to play" box, a rule under its heading; the caption never shows.
constexpr Control quizRule(int tabIndex)
{
    return Control{Kind::Frame, "Frame4", "Frame2", 0, 840, 8775, 15, {}, "Frame3", tabIndex}.speaking(Speaks::Nothing);
}

// The box telling how to play, said as its words are meant.
constexpr Control howToPlay(Control row, std::string_view said)
{
    return row.saying(said).named("How to play");
}

// Where the quiz picture lies, asking the question of the picture on show.
constexpr Control quizPicture(int left, int top, int width, int height, const char* name)
{
    return Control{Kind::Image, "Image2", nullptr, left, top, width, height}.speaking(Speaks::Question).named(name);
}

// What every quiz may write in its result label.
inline constexpr Reply kVerdicts[] = {words::kCorrect, words::kSorry};

} // namespace sprout::designs
