#include "platform/core/language_pack.h"

#include <exception>
#include <filesystem>
#include <utility>

#include "platform/core/rc_parser.h"

namespace {

CLanguagePack* g_currentPack = nullptr;

template <typename T>
const T* FindIn(const std::map<UINT, T>& table, UINT id) {
    auto it = table.find(id);
    return it == table.end() ? nullptr : &it->second;
}

CString JoinPath(const CString& folder, const CString& name) {
    if (folder.IsEmpty()) return name;
    if (folder[folder.GetLength() - 1] == L'/') return folder + name;
    return folder + L"/" + name;
}

// A language name names a file inside the Locale folder, never a path.
bool IsPlainLanguageName(const CString& language) {
    return !language.IsEmpty() && language.Find(L'/') < 0 && language.Find(L'\\') < 0 && language != L"." &&
           language != L"..";
}

bool FileExists(const CString& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(std::filesystem::path(path.ToUtf8()), ec);
}

}  // namespace

CLanguagePack::~CLanguagePack() {
    if (g_currentPack == this) SetCurrent(nullptr);
}

CPackResult CLanguagePack::Load(const CString& path) {
    CResourceSet resources;
    CPackResult result;
    try {
        result = CRcParser::Parse(path, resources);
    } catch (const std::exception& error) {
        // A pack is a translator's input: whatever goes wrong in reading it is a load error.
        result.ok = false;
        result.file = path;
        result.message = L"cannot read the file: " + CString(error.what()).str();
    }
    if (!result.ok) return result;
    m_resources = std::move(resources);
    m_path = path;
    m_loaded = true;
    return result;
}

bool CLanguagePack::FindString(UINT id, std::wstring& text) const {
    auto it = m_resources.strings.find(id);
    if (it == m_resources.strings.end()) return false;
    text = it->second.str();
    return true;
}

CString CLanguagePack::GetString(UINT id) const {
    const CString* s = FindIn(m_resources.strings, id);
    return s ? *s : CString();
}

const CResMenu* CLanguagePack::FindMenu(UINT id) const { return FindIn(m_resources.menus, id); }
const CDialogTemplate* CLanguagePack::FindDialog(UINT id) const { return FindIn(m_resources.dialogs, id); }
const CResToolBar* CLanguagePack::FindToolBar(UINT id) const { return FindIn(m_resources.toolBars, id); }
const CResAccelTable* CLanguagePack::FindAccelerators(UINT id) const { return FindIn(m_resources.accelerators, id); }
const CResImage* CLanguagePack::FindBitmap(UINT id) const { return FindIn(m_resources.bitmaps, id); }
const CResImage* CLanguagePack::FindIcon(UINT id) const { return FindIn(m_resources.icons, id); }
const CResImage* CLanguagePack::FindCursor(UINT id) const { return FindIn(m_resources.cursors, id); }

bool CLanguagePack::FindSymbol(const std::wstring& name, long long& value) const {
    auto it = m_resources.symbols.find(name);
    if (it == m_resources.symbols.end()) return false;
    value = it->second;
    return true;
}

CLanguagePack* CLanguagePack::GetCurrent() { return g_currentPack; }

void CLanguagePack::SetCurrent(CLanguagePack* pack) {
    g_currentPack = pack;
    SetStringSource(pack);
}

std::vector<CString> CLanguagePack::GetSearchOrder(const CString& programFolder, const CString& language,
                                                   const CString& programName) {
    std::vector<CString> order;
    if (IsPlainLanguageName(language)) order.push_back(JoinPath(JoinPath(programFolder, L"Locale"), language + L".rc"));
    if (!programName.IsEmpty()) order.push_back(JoinPath(programFolder, programName + L".rc"));
    return order;
}

CPackResult CLanguagePack::LoadFromSearchOrder(const CString& programFolder, const CString& language,
                                               const CString& programName, bool* fromLocale) {
    const std::vector<CString> order = GetSearchOrder(programFolder, language, programName);
    const bool hasLocaleCandidate = IsPlainLanguageName(language);
    CPackResult last;
    last.ok = false;
    last.message = L"no language pack found; looked for";
    bool anyFound = false;
    for (size_t i = 0; i < order.size(); ++i) {
        if (!FileExists(order[i])) {
            if (!anyFound) last.message += L" \"" + order[i] + L"\"";
            continue;
        }
        CPackResult r = Load(order[i]);
        if (r.ok) {
            if (fromLocale) *fromLocale = hasLocaleCandidate && i == 0;
            return r;
        }
        last = r;
        anyFound = true;
    }
    return last;
}
