#include "platform/core/settings_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>

#include "platform/core/atomic_file.h"
#include "platform/core/file_system.h"

namespace {

bool SameName(const std::wstring& a, const std::wstring& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldAsciiLower(a[i]) != FoldAsciiLower(b[i])) return false;
    return true;
}

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

std::wstring TrimBlanks(std::wstring_view s) {
    std::size_t first = 0, last = s.size();
    while (first < last && IsBlank(s[first])) ++first;
    while (last > first && IsBlank(s[last - 1])) --last;
    return std::wstring(s.substr(first, last - first));
}

void AppendHex(std::wstring& out, std::uint32_t c) {
    static const wchar_t digits[] = L"0123456789ABCDEF";
    out += L"\\x{";
    wchar_t buf[8];
    int n = 0;
    do {
        buf[n++] = digits[c & 0xF];
        c >>= 4;
    } while (c);
    while (n) out += buf[--n];
    out += L'}';
}

// Escapes what a line cannot hold. `special` names further characters to write as \x{..};
// blanks at either end are escaped too when `edgeBlanks` is set.
std::wstring Escape(std::wstring_view s, std::wstring_view special, bool edgeBlanks) {
    std::wstring out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        wchar_t ch = s[i];
        auto c = static_cast<std::uint32_t>(ch);
        bool edge = i == 0 || i + 1 == s.size();
        if (ch == L'\\') out += L"\\\\";
        else if (ch == L'\n') out += L"\\n";
        else if (ch == L'\r') out += L"\\r";
        else if (ch == L'\t') out += L"\\t";
        else if (c < 0x20 || c == 0x7F || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF ||
                 special.find(ch) != std::wstring_view::npos || (edgeBlanks && edge && ch == L' '))
            AppendHex(out, c);
        else out += ch;
    }
    return out;
}

std::wstring Unescape(std::wstring_view s) {
    std::wstring out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        wchar_t ch = s[i];
        if (ch != L'\\' || i + 1 >= s.size()) {
            out += ch;
            continue;
        }
        wchar_t next = s[i + 1];
        if (next == L'\\') { out += L'\\'; ++i; continue; }
        if (next == L'n') { out += L'\n'; ++i; continue; }
        if (next == L'r') { out += L'\r'; ++i; continue; }
        if (next == L't') { out += L'\t'; ++i; continue; }
        if (next == L'x' && i + 2 < s.size() && s[i + 2] == L'{') {
            std::size_t close = s.find(L'}', i + 3);
            std::size_t digits = close == std::wstring_view::npos ? 0 : close - (i + 3);
            if (digits >= 1 && digits <= 8) {
                std::uint32_t value = 0;
                bool ok = true;
                for (std::size_t k = i + 3; k < close && ok; ++k) {
                    wchar_t d = s[k];
                    int v = (d >= L'0' && d <= L'9') ? d - L'0' : (d >= L'a' && d <= L'f') ? d - L'a' + 10
                            : (d >= L'A' && d <= L'F') ? d - L'A' + 10 : -1;
                    if (v < 0) ok = false;
                    else value = (value << 4) | static_cast<std::uint32_t>(v);
                }
                if (ok && value <= 0x7FFFFFFF) {
                    out += static_cast<wchar_t>(value);
                    i = close;
                    continue;
                }
            }
        }
        // Anything else is a plain backslash, as in a hand-written path such as C:\Data.
        out += ch;
    }
    return out;
}

std::wstring EscapeValue(const std::wstring& value) {
    std::wstring text = Escape(value, L"", false);
    bool quote = !value.empty() && (value.front() == L' ' || value.front() == L'"' || value.back() == L' ');
    return quote ? L"\"" + text + L"\"" : text;
}

std::wstring UnescapeValue(std::wstring_view raw) {
    std::wstring text = TrimBlanks(raw);
    if (text.size() >= 2 && text.front() == L'"' && text.back() == L'"') text = text.substr(1, text.size() - 2);
    return Unescape(text);
}

std::wstring EscapeName(const std::wstring& name, bool section) {
    std::wstring text = Escape(name, section ? L"]" : L"=", true);
    // A leading character that would make the line a comment or a section header.
    if (!section && !text.empty() && (text[0] == L'[' || text[0] == L';' || text[0] == L'#')) {
        std::wstring head;
        AppendHex(head, text[0]);
        text = head + text.substr(1);
    }
    return text;
}

}  // namespace

CSettingsStore::CSettingsStore() : m_path(GetDefaultPath()) {}

CSettingsStore::CSettingsStore(const CString& path) : m_path(path) {}

CString CSettingsStore::GetDefaultPath() { return CombinePath(GetSettingsFolder(), L"settings.ini"); }

void CSettingsStore::Parse(const std::string& bytes) {
    m_sections.clear();
    std::string_view view(bytes);
    if (view.substr(0, 3) == "\xEF\xBB\xBF") view.remove_prefix(3);
    std::wstring text = Utf8ToWide(view);
    Section* current = nullptr;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t eol = text.find(L'\n', pos);
        if (eol == std::wstring::npos) eol = text.size();
        std::wstring_view raw(text.data() + pos, eol - pos);
        pos = eol + 1;
        if (!raw.empty() && raw.back() == L'\r') raw.remove_suffix(1);
        std::wstring line = TrimBlanks(raw);
        if (line.empty() || line[0] == L';' || line[0] == L'#') continue;
        if (line[0] == L'[') {
            // A header that is never closed names the section with the rest of its line.
            std::size_t close = line.find(L']');
            std::wstring name = Unescape(TrimBlanks(std::wstring_view(line).substr(1, close == std::wstring::npos ? std::wstring::npos : close - 1)));
            current = FindSection(name);
            if (!current) {
                m_sections.push_back(Section{name, {}});
                current = &m_sections.back();
            }
            continue;
        }
        std::size_t eq = line.find(L'=');
        if (eq == std::wstring::npos || !current) continue;  // no value, or a value outside any section
        std::wstring name = Unescape(TrimBlanks(std::wstring_view(line).substr(0, eq)));
        if (name.empty()) continue;
        std::wstring value = UnescapeValue(std::wstring_view(line).substr(eq + 1));
        if (auto* existing = FindValue(*current, name)) existing->second = std::move(value);  // the last one counts
        else current->values.emplace_back(std::move(name), std::move(value));
    }
}

std::string CSettingsStore::Serialize() const {
    std::wstring text;
    for (const Section& section : m_sections) {
        if (!text.empty()) text += L'\n';
        text += L'[' + EscapeName(section.name, true) + L"]\n";
        for (const auto& [name, value] : section.values) text += EscapeName(name, false) + L'=' + EscapeValue(value) + L'\n';
    }
    return WideToUtf8(text);
}

void CSettingsStore::EnsureLoaded() {
    if (m_loaded) return;
    m_loaded = true;
    m_sections.clear();
    m_unreadable = false;
    std::string path = WideToUtf8(m_path.str());
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        m_unreadable = errno != ENOENT;
        return;
    }
    std::string bytes;
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && !S_ISDIR(st.st_mode);
    char buf[16384];
    while (ok) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) ok = false;
        else if (n == 0) break;
        else bytes.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (!ok) {
        m_unreadable = true;
        return;
    }
    Parse(bytes);
}

CSettingsStore::Section* CSettingsStore::FindSection(const std::wstring& name) {
    for (Section& section : m_sections)
        if (SameName(section.name, name)) return &section;
    return nullptr;
}

std::pair<std::wstring, std::wstring>* CSettingsStore::FindValue(Section& section, const std::wstring& name) {
    for (auto& entry : section.values)
        if (SameName(entry.first, name)) return &entry;
    return nullptr;
}

CString CSettingsStore::GetProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR defaultValue) {
    EnsureLoaded();
    if (section && entry) {
        if (Section* s = FindSection(section))
            if (auto* value = FindValue(*s, entry)) return CString(value->second);
    }
    return CString(defaultValue);
}

int CSettingsStore::GetProfileInt(LPCTSTR section, LPCTSTR entry, int defaultValue) {
    EnsureLoaded();
    if (!section || !entry) return defaultValue;
    Section* s = FindSection(section);
    auto* value = s ? FindValue(*s, entry) : nullptr;
    if (!value) return defaultValue;
    const std::wstring& text = value->second;
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'-' || text[i] == L'+')) negative = text[i++] == L'-';
    if (i >= text.size() || text[i] < L'0' || text[i] > L'9') return defaultValue;
    std::int64_t number = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        number = number * 10 + (text[i] - L'0');
        if (number > static_cast<std::int64_t>(INT_MAX) + 1) number = static_cast<std::int64_t>(INT_MAX) + 1;
    }
    if (negative) number = -number;
    if (number > INT_MAX) number = INT_MAX;
    return static_cast<int>(number);
}

BOOL CSettingsStore::WriteProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR value) {
    if (!section) return FALSE;
    EnsureLoaded();
    Section* s = FindSection(section);
    if (!entry) {
        if (s) m_sections.erase(m_sections.begin() + (s - m_sections.data()));
        return Save();
    }
    if (!value) {
        if (s) {
            for (auto it = s->values.begin(); it != s->values.end(); ++it) {
                if (SameName(it->first, entry)) {
                    s->values.erase(it);
                    break;
                }
            }
        }
        return Save();
    }
    if (!s) {
        m_sections.push_back(Section{section, {}});
        s = &m_sections.back();
    }
    // An existing value keeps the spelling of its name.
    if (auto* existing = FindValue(*s, entry)) existing->second = value;
    else s->values.emplace_back(entry, value);
    return Save();
}

BOOL CSettingsStore::WriteProfileInt(LPCTSTR section, LPCTSTR entry, int value) {
    return WriteProfileString(section, entry, std::to_wstring(value).c_str());
}

BOOL CSettingsStore::Save() {
    if (m_unreadable) return FALSE;
    CreateFolders(GetPathFolder(m_path));
    return WriteFileAtomically(m_path, Serialize()) ? TRUE : FALSE;
}
