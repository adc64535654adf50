// Records every phrase the program says into <program folder>/voice, at build time.
//
//   voicegen <program folder>
//   voicegen --list          every phrase: file, voice and words, one a line
//
// Only phrases without a recording are recorded, so a build where no words changed
// does nothing; recordings of phrases that are gone are removed.
#include "phrases.h"
#include "voicemaker.h"

#include <chrono>
#include <cstdio>
#include <string_view>

int main(int argc, char** argv)
{
    if (argc == 2 && std::string_view(argv[1]) == "--list") {
        for (const sprout::words::Phrase& phrase : sprout::words::allPhrases())
            std::printf("%s\t%s\t%.*s\n", sprout::words::voiceFileName(phrase).c_str(),
                        phrase.voice == sprout::words::Voice::Teacher ? "teacher" : "narrator",
                        static_cast<int>(phrase.text.size()), phrase.text.data());
        return 0;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: voicegen <program folder>\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const std::vector<sprout::words::Phrase> phrases = sprout::words::allPhrases();
    sprout::VoiceMaker maker(argv[1]);
    if (!maker.update(phrases))
        return 1;
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("voicegen: %zu phrases, %d recorded, %d removed, %.1f s\n", phrases.size(),
                maker.recorded(), maker.removed(), took.count());
    return 0;
}
