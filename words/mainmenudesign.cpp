#include "screendesigns.h"

namespace sprout::designs {

namespace {

constexpr std::string_view kPimSays = "Mr. Pim Says: ";
constexpr std::string_view kGreetingShown =
    "Mr. Pim Says: Hello there, my name is Mr. Pim. I am the teacher of this classroom, "
    "I am here to help you learn all sorts of fun things from letters to numbers. To "
    "start, click on a lesson on the board!";

constexpr MenuEntry kMenu[] = {
    {"mnuExit", "Exit Program"},
    {"mnuUpdates", "Updates"},
    {"mnuMore", "More FREE Educational Software"},
};

constexpr WindowDesign kWindow{
    .caption = "QZV Preschool Sproutkin 1.3",
    .clientWidth = 8760,
    .clientHeight = 6960,
    .icon = true,
    .menu = kMenu,
};

constexpr Control kControls[] = {
    // kind           name        text                                   left  top   width height look
    Control{Kind::Frame,    "Frame1",   "Conversation History",                  0,    5520, 8775, 1455, {{"Trebuchet MS", 9.75, true}}},
    {Kind::Button,   "Command1", "Click to continue",                     7320, 240,  1335, 1095, {{"Trebuchet MS", 12, true}}, "Frame1", 8},
    Control{Kind::TextBox,  "Text1",    "",                                      120,  240,  7095, 1125, {{"Arial", 9.75, true}, kDefault, kDefault, MultiLine | ScrollBar}, "Frame1", 7}
        .named("Mr. Pim says").described("What the teacher tells you"),
    Control{Kind::Image,    "Image2",   "cover",                                 0,    0,    8790, 5520}.backdrop("Mr. Pim and a child in the classroom"),
    {Kind::Label,    "Label7",   "-  Learn how to measure.",              1080, 2760, 4935, 375,  looks::kMenuLink},
    {Kind::Label,    "Label6",   "-  Play a game.",                       1080, 3120, 2055, 375,  looks::kMenuLink},
    {Kind::Label,    "Label5",   "-  Learn Colors.",                      1080, 2400, 2175, 375,  looks::kMenuLink},
    {Kind::Label,    "Label3",   "-  Learn Letters.",                     1080, 1680, 2295, 375,  looks::kMenuLink},
    {Kind::Label,    "Label4",   "-  Learn Numbers and how to count.",    1080, 2040, 4935, 375,  looks::kMenuLink},
    {Kind::Label,    "Label2",   "-  Learn Shapes.",                      1080, 1320, 2295, 375,  looks::kMenuLink},
    {Kind::Label,    "Label1",   "What would you like to learn today?",   1680, 840,  5055, 735,  looks::kMenuLink},
    Control{Kind::Image,    "Image1",   "board",                                 0,    0,    8790, 5520}.backdrop(kClassroomBoard),
};

} // namespace

const Reply kGreeting{kGreetingShown, teacher(kGreetingShown.substr(kPimSays.size()))};
// Said as meant: "activity", and no full stop after the "!".
const Reply kBoardText{
    "Mr. Pim Says: Here on the board you can click on an activty you want to do. There "
    "are lessons on learning letters, numbers, colors, shapes, and some neat games to "
    "help you practice!.",
    teacher("Here on the board you can click on an activity you want to do. There are lessons on "
            "learning letters, numbers, colors, shapes, and some neat games to help you practice!")};

namespace {
const Reply kReplies[] = {kGreeting, kBoardText};
}

const ScreenDesign mainMenu{kWindow, kControls, {}, kReplies};

} // namespace sprout::designs
