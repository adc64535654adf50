#include "consolegame.h"

#include <cstring>
#include <iostream>

int main(int argc, char* argv[])
{
    bool pauses = true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--no-pause") == 0) {
            pauses = false;
        } else if (std::strcmp(argv[i], "--help") == 0) {
            std::cout << "Usage: sproutkin-tictactoe [--no-pause]\n"
                         "Plays Tic-Tac-Toe against the computer in the terminal.\n"
                         "  --no-pause  let the computer answer at once instead of after 300 ms\n";
            return 0;
        } else {
            std::cerr << "sproutkin-tictactoe: unknown option '" << argv[i]
                      << "'. Try --help.\n";
            return 2;
        }
    }
    sprout::ConsoleGame game(std::cin, std::cout, pauses);
    return game.run();
}
