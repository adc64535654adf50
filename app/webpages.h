#pragma once

namespace sprout::webpages {

// The maker's pages, opened in the default browser from the main menu.
inline constexpr const char* kHomePage = "https://sproutkin.example.org/";
inline constexpr const char* kDownloadsPage = "https://sproutkin.example.org/downloads/";

} // namespace sprout::webpages
