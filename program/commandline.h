#pragma once

namespace sprout {

// The program's own options, read from argv before any window system is touched,
// so that --help and --version answer with no display at all. Everything else
// (Qt's -platform, -style, ...) is left to Qt.
struct CommandLine {
    bool mute = false;
    bool fullScreen = false;
    bool kiosk = false;
    // Set when the program has answered (help, version, a wrong option) and ends.
    bool finished = false;
    int exitCode = 0;

    // Prints the help or version text to standard output, or the complaint about a
    // wrong option to standard error, as Debian's programs do.
    static CommandLine parse(int argc, char* argv[], const char* version);
};

} // namespace sprout
