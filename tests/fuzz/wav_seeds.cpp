// Writes the reader test's WAV files, but those too large for the fuzzer, as its seeds.
#include "wavbytes.h"

#include <filesystem>

using namespace sprout::test;

int main(int argc, char* argv[])
{
    if (argc != 2)
        return 2;
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    for (const WavCase& wav : wavCases())
        if (wav.bytes.size() <= 65536 && !writeFile((folder / (std::string(wav.name) + ".wav")).string(), wav.bytes))
            return 1;
    return 0;
}
