#pragma once

#include "phrase.h"

#include <filesystem>
#include <string>
#include <vector>

namespace sprout {

// Records phrases into the voice folder with the offline speech engines: Mr. Pim's
// lines with flite's "rms" man, everything else with festival's HTS woman, each
// then trimmed, resampled and evened out by sox.
class VoiceMaker {
public:
    // folder: where the program's files lie; recordings go into its voice/ folder.
    explicit VoiceMaker(std::filesystem::path folder);

    // Records what is missing and removes recordings no phrase wants any more.
    // Returns false, having said why on standard error, when an engine fails.
    bool update(const std::vector<words::Phrase>& phrases);

    int recorded() const { return m_recorded; }
    int removed() const { return m_removed; }

private:
    void forgetOtherRecipe();
    void removeStale(const std::vector<words::Phrase>& phrases);
    bool recordTeacher(const std::vector<words::Phrase>& phrases);
    bool recordNarrator(const std::vector<words::Phrase>& phrases);
    bool finish(const std::vector<words::Phrase>& phrases);
    std::filesystem::path rawFile(const words::Phrase& phrase) const;
    std::filesystem::path finalFile(const words::Phrase& phrase) const;

    std::filesystem::path m_folder;
    std::filesystem::path m_work;
    int m_recorded = 0;
    int m_removed = 0;
};

} // namespace sprout
