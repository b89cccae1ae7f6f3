#pragma once
// Pins the process's time zone (TZ) for the lifetime of the object and restores it afterwards.
#include <cstdlib>
#include <ctime>
#include <string>

class CPinnedTimeZone {
public:
    explicit CPinnedTimeZone(const char* zone) {
        const char* old = std::getenv("TZ");
        m_hadZone = old != nullptr;
        if (old) m_oldZone = old;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~CPinnedTimeZone() {
        if (m_hadZone)
            setenv("TZ", m_oldZone.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    CPinnedTimeZone(const CPinnedTimeZone&) = delete;
    CPinnedTimeZone& operator=(const CPinnedTimeZone&) = delete;

private:
    bool m_hadZone = false;
    std::string m_oldZone;
};
