#include "frmnumbers.h"

namespace sprout {

namespace {

constexpr WindowDesign kWindow{
    .caption = "QZV Preschool Sproutkin by Tallowmere ",
    .clientWidth = 10335,
    .clientHeight = 6120,
};

constexpr Look kSentence{{"Trebuchet MS", 14.25, true}, looks::kWhite};

constexpr Control kControls[] = {
    // kind         name       text                                                                   left  top   width height look
    {Kind::Label,  "Label22", "Back to Main",                                                         7800, 5400, 2055, 375,  looks::kBackLink},
    {Kind::Label,  "Label5",  "Now there is 2  more  apples, that makes 3 apples.  2 and 1 is 3.",    4320, 4920, 5775, 855,  kSentence},
    {Kind::Image,  "Image6",  "apple",                                                                3000, 4680, 1170, 1080, looks::kStretched},
    {Kind::Image,  "Image5",  "apple",                                                                360,  4680, 1170, 1080, looks::kStretched},
    {Kind::Image,  "Image4",  "apple",                                                                1680, 4680, 1170, 1080, looks::kStretched},
    {Kind::Label,  "Label3",  "Now there is 1 more  apple, that makes 2 apples.  1 and 1 is 2.",      3360, 3480, 6255, 855,  kSentence},
    {Kind::Image,  "Image3",  "apple",                                                                1920, 3240, 1290, 1200, looks::kStretched},
    {Kind::Image,  "Image2",  "apple",                                                                360,  3240, 1290, 1200, looks::kStretched},
    {Kind::Label,  "Label2",  "This is an apple, how many of them are there?  There is 1 apple. ",    1680, 2040, 6615, 855,  kSentence},
    {Kind::Image,  "Image1",  "apple",                                                                360,  1920, 1170, 1185, looks::kStretched},
    {Kind::Label,  "Label1",  "Numbers let us count things we see all the time!",                     480,  1440, 7215, 255,  looks::kLessonText},
    {Kind::Label,  "Label19", "We use numbers in our everyday lives all the time, so it is always a good idea to learn how these things work. Lets try something simple.",
                                                                                                      360,  720,  9735, 735,  looks::kLessonText},
    {Kind::Label,  "Label7",  "Numbers!",                                                             4440, 240,  1695, 375,  looks::kLessonTitle},
    {Kind::Image,  "Image8",  "backdrop",                                                             0,    0,    10335, 6120, looks::kStretched},
};

} // namespace

FrmNumbers::FrmNumbers(ScreenRegistry& registry)
    : Screen(registry, ScreenId::FrmNumbers, kWindow, kControls)
{
    onClick("Label22", [this] { navigate(ScreenId::SproutMain, Order::HideThenShow); });
}

} // namespace sprout
