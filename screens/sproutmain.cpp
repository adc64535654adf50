#include "sproutmain.h"

#include "screenregistry.h"
#include "webpages.h"

#include <QDesktopServices>
#include <QPlainTextEdit>
#include <QUrl>

namespace sprout {

const char* const SproutMain::kGreeting =
    "Mr. Pim Says: Hello there, my name is Mr. Pim. I am the teacher of this classroom, "
    "I am here to help you learn all sorts of fun things from letters to numbers. To "
    "start, click on a lesson on the board!";
const char* const SproutMain::kBoardText =
    "Mr. Pim Says: Here on the board you can click on an activty you want to do. There "
    "are lessons on learning letters, numbers, colors, shapes, and some neat games to "
    "help you practice!.";

namespace {

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
    {Kind::Frame,    "Frame1",   "Conversation History",                  0,    5520, 8775, 1455, {{"Trebuchet MS", 9.75, true}}},
    {Kind::Button,   "Command1", "Click to continue",                     7320, 240,  1335, 1095, {{"Trebuchet MS", 12, true}}, "Frame1", 8},
    {Kind::TextBox,  "Text1",    "",                                      120,  240,  7095, 1125, {{"Arial", 9.75, true}, kDefault, kDefault, MultiLine | ScrollBar}, "Frame1", 7},
    {Kind::Image,    "Image2",   "cover",                                 0,    0,    8790, 5520},
    {Kind::Label,    "Label7",   "-  Learn how to measure.",              1080, 2760, 4935, 375,  looks::kMenuLink},
    {Kind::Label,    "Label6",   "-  Play a game.",                       1080, 3120, 2055, 375,  looks::kMenuLink},
    {Kind::Label,    "Label5",   "-  Learn Colors.",                      1080, 2400, 2175, 375,  looks::kMenuLink},
    {Kind::Label,    "Label3",   "-  Learn Letters.",                     1080, 1680, 2295, 375,  looks::kMenuLink},
    {Kind::Label,    "Label4",   "-  Learn Numbers and how to count.",    1080, 2040, 4935, 375,  looks::kMenuLink},
    {Kind::Label,    "Label2",   "-  Learn Shapes.",                      1080, 1320, 2295, 375,  looks::kMenuLink},
    {Kind::Label,    "Label1",   "What would you like to learn today?",   1680, 840,  5055, 735,  looks::kMenuLink},
    {Kind::Image,    "Image1",   "board",                                 0,    0,    8790, 5520},
};

} // namespace

SproutMain::SproutMain(ScreenRegistry& registry)
    : Screen(registry, ScreenId::SproutMain, kWindow, kControls)
{
    onClick("Command1", [this] { Command1_Click(); });
    onClick("Label2", [this] { navigate(ScreenId::frmShapes, Order::ShowThenHide); });
    onClick("Label3", [this] { navigate(ScreenId::frmLetters, Order::ShowThenHide); });
    onClick("Label4", [this] { navigate(ScreenId::FrmNumbers, Order::ShowThenHide); });
    onClick("Label5", [this] { navigate(ScreenId::frmColors, Order::ShowThenHide); });
    onClick("Label6", [this] { navigate(ScreenId::Games, Order::ShowThenHide); });
    onClick("Label7", [this] { navigate(ScreenId::measure, Order::ShowThenHide); });
    onClick("mnuUpdates", [this] { mnuUpdates_Click(); });
    onClick("mnuMore", [this] { mnuMore_Click(); });
}

void SproutMain::Form_Load()
{
    setConversation(kGreeting);
}

void SproutMain::Command1_Click()
{
    control("Image2")->hide();
    setConversation(kBoardText);
}

void SproutMain::mnuUpdates_Click()
{
    // If no browser opens, there is nothing useful to tell a child: carry on.
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(webpages::kDownloadsPage)));
}

void SproutMain::mnuMore_Click()
{
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(webpages::kHomePage)));
}

void SproutMain::setConversation(const char* text)
{
    control<QPlainTextEdit>("Text1")->setPlainText(QString::fromUtf8(text));
}

} // namespace sprout
