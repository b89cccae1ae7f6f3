#pragma once
// CSettingsStore: the user's settings as sections of named string values in an INI file
// (UTF-8), by default $XDG_CONFIG_HOME/VornScheduler/settings.ini or
// ~/.config/VornScheduler/settings.ini.
//
// Section and value names compare without regard to the case of A-Z, so "FontName" and
// "Fontname" address one value. Every write goes to the file at once, replacing it
// atomically. Values may hold any text: what a line of the file cannot hold is escaped
// (\\ \n \r \t and \x{hex}; blanks at either end or a leading quote put the value in
// double quotes) and unescaped on reading. A missing, unreadable or damaged file reads as
// empty; lines that make no sense are skipped.
#include <string>
#include <utility>
#include <vector>

#include "platform/core/cstring.h"
#include "platform/core/win_types.h"

class CSettingsStore {
public:
    // The user's settings file.
    CSettingsStore();
    // Any settings file (tests, a second profile).
    explicit CSettingsStore(const CString& path);

    static CString GetDefaultPath();
    const CString& GetPath() const { return m_path; }

    // The value, or the default (empty for none) when the section or value is missing.
    CString GetProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR defaultValue = nullptr);
    // The decimal value (leading blanks and a sign allowed, clamped to the int range), or the
    // default when the value is missing or does not begin with a number.
    int GetProfileInt(LPCTSTR section, LPCTSTR entry, int defaultValue);
    // Sets a value and writes the file. A null value removes the entry, a null entry the
    // whole section. FALSE when the file could not be written (the value is kept in memory
    // and goes to the file with the next successful write).
    BOOL WriteProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR value);
    BOOL WriteProfileInt(LPCTSTR section, LPCTSTR entry, int value);

    // Drops what is held in memory; the next access reads the file again.
    void Reload() { m_loaded = false; }

    // The text of the file for the sections held, and the parser of such a text.
    std::string Serialize() const;
    void Parse(const std::string& bytes);

private:
    struct Section {
        std::wstring name;
        std::vector<std::pair<std::wstring, std::wstring>> values;
    };

    void EnsureLoaded();
    BOOL Save();
    Section* FindSection(const std::wstring& name);
    static std::pair<std::wstring, std::wstring>* FindValue(Section& section, const std::wstring& name);

    CString m_path;
    std::vector<Section> m_sections;
    bool m_loaded = false;
    // Set when a file exists but could not be read: it is then never overwritten, so a
    // passing fault does not cost the user every other setting.
    bool m_unreadable = false;
};
