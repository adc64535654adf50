#pragma once

#include <thread>

namespace sprout {

// Reading the system's font configuration takes about as long as connecting to the
// display, and the first caption waits for both. Started before the application
// object, it reads the configuration on a second core while the connection is made;
// Qt then finds it ready.
class FontConfigWarmUp {
public:
    FontConfigWarmUp();
    ~FontConfigWarmUp() { wait(); }
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

    // Returns once the configuration is read. Call it before the first font is used,
    // so that Qt does not start reading it a second time alongside.
    void wait();

private:
    std::thread m_reader;
};

} // namespace sprout
