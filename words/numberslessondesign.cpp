#include "screendesigns.h"

namespace sprout::designs {

namespace {

constexpr WindowDesign kWindow{
    .caption = "QZV Preschool Sproutkin by Tallowmere ",
    .clientWidth = 10335,
    .clientHeight = 6120,
};

constexpr Look kSentence{{"Trebuchet MS", 14.25, true}, looks::kWhite};

// The apples count themselves along each row: one, two, three.
constexpr Control apple(const char* name, int left, int top, int width, int height, const char* count,
                        const char* description)
{
    return Control{Kind::Image, name, "apple", left, top, width, height, looks::kStretched}
        .saying(count).named("Apple").described(description);
}

constexpr Control kControls[] = {
    // kind         name       text                                                                   left  top   width height look
    {Kind::Label,  "Label22", "Back to Main",                                                         7800, 5400, 2055, 375,  looks::kBackLink},
    Control{Kind::Label,  "Label5",  "Now there is 2  more  apples, that makes 3 apples.  2 and 1 is 3.",    4320, 4920, 5775, 855,  kSentence}
        .saying("Now there are 2 more apples, that makes 3 apples. 2 and 1 is 3."),
    apple("Image6", 3000, 4680, 1170, 1080, "Three apples", "The third apple of three"),
    apple("Image5", 360,  4680, 1170, 1080, "One apple", "The first apple of three"),
    apple("Image4", 1680, 4680, 1170, 1080, "Two apples", "The second apple of three"),
    Control{Kind::Label,  "Label3",  "Now there is 1 more  apple, that makes 2 apples.  1 and 1 is 2.",      3360, 3480, 6255, 855,  kSentence}
        .saying("Now there is 1 more apple, that makes 2 apples. 1 and 1 is 2."),
    apple("Image3", 1920, 3240, 1290, 1200, "Two apples", "The second apple of two"),
    apple("Image2", 360,  3240, 1290, 1200, "One apple", "The first apple of two"),
    Control{Kind::Label,  "Label2",  "This is an apple, how many of them are there?  There is 1 apple. ",    1680, 2040, 6615, 855,  kSentence}
        .saying("This is an apple. How many of them are there? There is 1 apple."),
    apple("Image1", 360,  1920, 1170, 1185, "One apple", "One apple"),
    {Kind::Label,  "Label1",  "Numbers let us count things we see all the time!",                     480,  1440, 7215, 255,  looks::kLessonText},
    Control{Kind::Label,  "Label19", "We use numbers in our everyday lives all the time, so it is always a good idea to learn how these things work. Lets try something simple.",
                                                                                                      360,  720,  9735, 735,  looks::kLessonText}
        .saying("We use numbers in our everyday lives all the time, so it is always a good idea to learn "
                "how these things work. Let's try something simple."),
    {Kind::Label,  "Label7",  "Numbers!",                                                             4440, 240,  1695, 375,  looks::kLessonTitle},
    Control{Kind::Image,  "Image8",  "backdrop",                                                             0,    0,    10335, 6120, looks::kStretched}.backdrop(kLessonBackdrop),
};

} // namespace

const ScreenDesign numbersLesson{kWindow, kControls};

} // namespace sprout::designs
