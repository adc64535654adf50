#include "voicecache.h"

#include <cstdio>

namespace sprout {

namespace {
std::size_t bytesOf(const Sound& sound)
{
    return sound.samples.size() * sizeof(std::int16_t);
}
} // namespace

VoiceCache::VoiceCache(std::string folder, std::size_t budgetBytes)
    : m_folder(std::move(folder)), m_budget(budgetBytes)
{
}

std::shared_ptr<const Sound> VoiceCache::find(const std::string& fileName)
{
    if (auto known = m_byName.find(fileName); known != m_byName.end()) {
        m_recent.splice(m_recent.begin(), m_recent, known->second);
        return known->second->second;
    }
    if (m_failed.count(fileName))
        return nullptr;
    WavReading reading = readWavFile(m_folder + '/' + fileName);
    if (!reading.ok()) {
        m_failed.insert(fileName);
        std::fprintf(stderr, "sproutkin: voice file %s; that phrase stays silent\n",
                     reading.error.c_str());
        return nullptr;
    }
    auto sound = std::make_shared<const Sound>(std::move(reading.sound));
    keep(fileName, sound);
    return sound;
}

void VoiceCache::keep(const std::string& fileName, std::shared_ptr<const Sound> sound)
{
    m_bytes += bytesOf(*sound);
    m_recent.emplace_front(fileName, std::move(sound));
    m_byName[fileName] = m_recent.begin();
    // The phrase just read always stays, however long it is.
    while (m_bytes > m_budget && m_recent.size() > 1) {
        m_bytes -= bytesOf(*m_recent.back().second);
        m_byName.erase(m_recent.back().first);
        m_recent.pop_back();
    }
}

} // namespace sprout
