#include "commandline.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace sprout {

namespace {

constexpr const char* kHelp =
    "Usage: sproutkin [OPTION]...\n"
    "A classroom for pre-school children: colours, shapes, letters, numbers and\n"
    "measuring, Tic-Tac-Toe and four quizzes, with a teacher who reads every word\n"
    "aloud.\n"
    "\n"
    "      --mute         start without voice\n"
    "      --fullscreen   start in full screen\n"
    "      --kiosk        for a classroom: full screen, and a child cannot leave;\n"
    "                     a grown-up leaves by holding Ctrl+Alt+Q for two seconds\n"
    "  -h, --help         display this help and exit\n"
    "      --version      output version information and exit\n"
    "\n"
    "Ctrl+M turns the voice off and on, F11 full screen, on any screen. Both are\n"
    "remembered in ~/.config/sproutkin/sproutkin.conf; the options are not.\n"
    "/etc/xdg/sproutkin/sproutkin.conf sets them for every user, and can lock\n"
    "the kiosk.\n"
    "Qt's own options, such as -platform or -style, are accepted as well.\n";

// Our long option an argument names, abbreviations included as getopt allows them
// ("--mu"); null for anything else, which Qt reads (it takes "--style" as "-style").
const char* ourOption(const std::string& argument)
{
    if (argument.rfind("--", 0) != 0 || argument.size() < 3)
        return nullptr;
    const std::string name = argument.substr(2, argument.find('=') - 2);
    if (name.empty())
        return nullptr;
    // Their first letters differ, so no abbreviation is ambiguous.
    for (const char* option : {"mute", "fullscreen", "kiosk", "help", "version"})
        if (std::string_view(option).substr(0, name.size()) == name)
            return option;
    return nullptr;
}

} // namespace

CommandLine CommandLine::parse(int argc, char* argv[], const char* version)
{
    CommandLine line;
    for (int index = 1; index < argc && !line.finished; ++index) {
        const std::string argument = argv[index];
        if (argument == "--")
            break;
        const char* option = argument == "-h" ? "help" : ourOption(argument);
        if (!option)
            continue;
        if (argument.find('=') != std::string::npos) {
            std::fprintf(stderr, "sproutkin: option '--%s' doesn't allow an argument\n"
                                 "Try 'sproutkin --help' for more information.\n", option);
            line.exitCode = 2;
            line.finished = true;
        } else if (std::string_view(option) == "mute") {
            line.mute = true;
        } else if (std::string_view(option) == "fullscreen") {
            line.fullScreen = true;
        } else if (std::string_view(option) == "kiosk") {
            line.kiosk = true;
        } else if (std::string_view(option) == "help") {
            std::fputs(kHelp, stdout);
            line.finished = true;
        } else {
            std::printf("sproutkin %s\n", version);
            line.finished = true;
        }
    }
    return line;
}

} // namespace sprout
