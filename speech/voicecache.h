#pragma once

#include "wavreader.h"

#include <cstddef>
#include <list>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>

namespace sprout {

// The voice files, read the first time each is needed and kept while they fit in a
// budget (the least recently said go first). A missing or damaged file is named
// once on standard error and stays silent.
class VoiceCache {
public:
    VoiceCache(std::string folder, std::size_t budgetBytes);

    // The sound of a file of the folder ("voice/ab12.wav"); null when it has none.
    std::shared_ptr<const Sound> find(const std::string& fileName);

private:
    using Entry = std::pair<std::string, std::shared_ptr<const Sound>>;
    void keep(const std::string& fileName, std::shared_ptr<const Sound> sound);

    std::string m_folder;
    std::size_t m_budget;
    std::size_t m_bytes = 0;
    std::list<Entry> m_recent; // most recently said first
    std::unordered_map<std::string, std::list<Entry>::iterator> m_byName;
    std::set<std::string> m_failed;
};

} // namespace sprout
