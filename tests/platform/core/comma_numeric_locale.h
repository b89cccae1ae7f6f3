#pragma once
// A numeric locale whose decimal separator is "," (as under tr_TR or de_DE), built for the test
// into a temporary folder with the system's localedef, made the process's LC_NUMERIC while the
// object lives. Machines without localedef have none: ok() is false then.
#include <clocale>
#include <cstdlib>
#include <fstream>
#include <string>

#include "temp_folder.h"

class CommaNumericLocale {
public:
    CommaNumericLocale() {
        const std::string source = m_folder / "comma.src";
        std::ofstream(source) << "comment_char %\nescape_char /\nLC_NUMERIC\ndecimal_point \",\"\nthousands_sep \".\"\n"
                                 "grouping 3;3\nEND LC_NUMERIC\n";
        const std::string build = "localedef -c -i '" + source + "' -f ANSI_X3.4-1968 '" + (m_folder / "comma") +
                                  "' >/dev/null 2>&1";
        if (std::system(build.c_str()) == -1) return;
        const char* old = std::getenv("LOCPATH");
        if (old) m_oldPath = old, m_hadPath = true;
        ::setenv("LOCPATH", m_folder.path().c_str(), 1);
        m_oldNumeric = std::setlocale(LC_NUMERIC, nullptr);
        m_ok = std::setlocale(LC_NUMERIC, "comma") != nullptr;
    }
    ~CommaNumericLocale() {
        std::setlocale(LC_NUMERIC, m_oldNumeric.c_str());
        if (m_hadPath) ::setenv("LOCPATH", m_oldPath.c_str(), 1);
        else ::unsetenv("LOCPATH");
    }
    CommaNumericLocale(const CommaNumericLocale&) = delete;
    CommaNumericLocale& operator=(const CommaNumericLocale&) = delete;
    bool ok() const { return m_ok; }

private:
    TempFolder m_folder;
    std::string m_oldNumeric = "C";
    std::string m_oldPath;
    bool m_hadPath = false;
    bool m_ok = false;
};
