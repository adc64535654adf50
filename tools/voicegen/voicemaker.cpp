#include "voicemaker.h"

#include <atomic>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <thread>

namespace sprout {

namespace fs = std::filesystem;

namespace {

// How every recording is finished.
const std::string kFinishing = "-r 16000 -c 1 -b 16 -e signed-integer";
const std::string kEffects = "silence 1 0.005 -64d reverse silence 1 0.005 -64d reverse"
                             " pad 0.005 0.02 norm -1";
// The recipe, written beside the recordings, is this file's own text as the build
// hashed it: any change to how a line is recorded makes them all anew, as their
// names only follow their words and voices.
const std::string kRecipe = SPROUT_VOICE_RECIPE;

// Everything goes to the shell in single quotes, so only those need escaping.
std::string quoted(const std::string& text)
{
    std::string out = "'";
    for (char c : text)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

std::string schemeString(std::string_view text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

// A letter alone is said by its name ("ey", not the article "a"): festival is told
// it is a noun.
std::string utterance(std::string_view text)
{
    if (text.size() == 1 && std::isalpha(static_cast<unsigned char>(text[0])))
        return "(Utterance Words ((" + schemeString(text) + " ((pos \"nn\")))))";
    return "(Utterance Text " + schemeString(text) + ")";
}

bool run(const std::string& command)
{
    return std::system(command.c_str()) == 0;
}

// Runs the commands on both cores; true when every one succeeded.
bool runAll(const std::vector<std::string>& commands)
{
    std::atomic<size_t> next = 0;
    std::atomic<bool> allWell = true;
    auto worker = [&] {
        for (size_t i = next++; i < commands.size(); i = next++)
            if (!run(commands[i]))
                allWell = false;
    };
    std::thread second(worker);
    worker();
    second.join();
    return allWell;
}

} // namespace

VoiceMaker::VoiceMaker(fs::path folder)
    : m_folder(std::move(folder) / "voice"), m_work(m_folder / ".recording")
{
}

fs::path VoiceMaker::finalFile(const words::Phrase& phrase) const
{
    return m_folder.parent_path() / words::voiceFileName(phrase);
}

fs::path VoiceMaker::rawFile(const words::Phrase& phrase) const
{
    return m_work / finalFile(phrase).filename();
}

bool VoiceMaker::update(const std::vector<words::Phrase>& phrases)
{
    fs::create_directories(m_folder);
    forgetOtherRecipe();
    removeStale(phrases);
    std::vector<words::Phrase> teacher, narrator;
    for (const words::Phrase& phrase : phrases)
        if (!fs::exists(finalFile(phrase)))
            (phrase.voice == words::Voice::Teacher ? teacher : narrator).push_back(phrase);
    if (teacher.empty() && narrator.empty())
        return true;

    fs::remove_all(m_work);
    fs::create_directories(m_work);
    const bool recorded = recordTeacher(teacher) && recordNarrator(narrator)
                          && finish(teacher) && finish(narrator);
    fs::remove_all(m_work);
    if (recorded)
        std::ofstream(m_folder / ".recipe") << kRecipe << '\n';
    return recorded;
}

void VoiceMaker::forgetOtherRecipe()
{
    std::ifstream in(m_folder / ".recipe");
    std::string used;
    std::getline(in, used);
    if (used == kRecipe)
        return;
    for (const fs::directory_entry& entry : fs::directory_iterator(m_folder))
        if (entry.path().extension() == ".wav")
            fs::remove(entry.path());
}

void VoiceMaker::removeStale(const std::vector<words::Phrase>& phrases)
{
    std::set<fs::path> wanted;
    for (const words::Phrase& phrase : phrases)
        wanted.insert(finalFile(phrase).filename());
    for (const fs::directory_entry& entry : fs::directory_iterator(m_folder)) {
        if (entry.path().extension() == ".wav" && !wanted.count(entry.path().filename())) {
            fs::remove(entry.path());
            ++m_removed;
        }
    }
}

bool VoiceMaker::recordTeacher(const std::vector<words::Phrase>& phrases)
{
    // flite starts in milliseconds, so one process per line is cheap.
    std::vector<std::string> commands;
    for (const words::Phrase& phrase : phrases)
        commands.push_back("flite -voice rms -t " + quoted(std::string(phrase.text)) + " -o "
                           + quoted(rawFile(phrase).string()));
    if (runAll(commands))
        return true;
    std::fprintf(stderr, "voicegen: flite could not record Mr. Pim's lines "
                         "(Debian package flite)\n");
    return false;
}

bool VoiceMaker::recordNarrator(const std::vector<words::Phrase>& phrases)
{
    if (phrases.empty())
        return true;
    // festival takes a second to load its voice: one process says everything.
    const fs::path script = m_work / "narrator.scm";
    {
        std::ofstream out(script);
        out << "(voice_cmu_us_slt_arctic_hts)\n";
        for (const words::Phrase& phrase : phrases)
            out << "(utt.save.wave (utt.synth " << utterance(phrase.text) << ") "
                << schemeString(rawFile(phrase).string()) << " 'riff)\n";
    }
    if (run("festival -b " + quoted(script.string()) + " >/dev/null"))
        return true;
    std::fprintf(stderr, "voicegen: festival could not record the narrator's phrases "
                         "(Debian packages festival and festvox-us-slt-hts)\n");
    return false;
}

bool VoiceMaker::finish(const std::vector<words::Phrase>& phrases)
{
    // Silence at the start is cut to 5 ms so a word starts when it is wanted; -64 dB
    // lies just above the engines' own hiss, so a soft first or last sound (the f of
    // "Fork", the s of "apples") stays. The peak is brought to -1 dBFS so both voices
    // speak equally loud. Each file is
    // written under a temporary name first: an interrupted build leaves no half file.
    std::vector<std::string> commands;
    for (const words::Phrase& phrase : phrases) {
        const fs::path target = finalFile(phrase);
        const fs::path part = m_work / (target.stem().string() + ".part.wav");
        commands.push_back("sox -q " + quoted(rawFile(phrase).string())
                           + " " + kFinishing + " " + quoted(part.string()) + " " + kEffects
                           + " && mv "
                           + quoted(part.string()) + " " + quoted(target.string()));
    }
    if (!runAll(commands)) {
        std::fprintf(stderr, "voicegen: sox could not finish the recordings "
                             "(Debian package sox)\n");
        return false;
    }
    m_recorded += static_cast<int>(phrases.size());
    return true;
}

} // namespace sprout
