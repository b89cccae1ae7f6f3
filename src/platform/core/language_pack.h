#pragma once
// The language pack: every user-visible text, menu, dialog template, toolbar, accelerator
// table and image of the program, read at start-up from a resource script
// (Locale/<Language>.rc beside the program) so that a translator can copy English.rc and
// translate it. The pack that the program uses is the current one (SetCurrent); it is also
// the source of CString::LoadString and LoadResString.
#include <string>
#include <vector>

#include "platform/core/cstring.h"
#include "platform/core/resource_types.h"
#include "platform/core/string_source.h"
#include "platform/core/win_types.h"

class CLanguagePack : public IStringSource {
public:
    CLanguagePack() = default;
    ~CLanguagePack() override;
    CLanguagePack(const CLanguagePack&) = delete;
    CLanguagePack& operator=(const CLanguagePack&) = delete;

    // Reads the pack file. On success the pack holds its resources; on failure it keeps what
    // it held before and the result names the file, line and what was expected.
    CPackResult Load(const CString& path);
    bool IsLoaded() const { return m_loaded; }
    const CString& GetPath() const { return m_path; }

    // Texts: a missing id gives false (FindString) or an empty text (GetString).
    bool FindString(UINT id, std::wstring& text) const override;
    CString GetString(UINT id) const;

    // Resources by id; null when the pack has none of that id.
    const CResMenu* FindMenu(UINT id) const;
    const CDialogTemplate* FindDialog(UINT id) const;
    const CResToolBar* FindToolBar(UINT id) const;
    const CResAccelTable* FindAccelerators(UINT id) const;
    const CResImage* FindBitmap(UINT id) const;
    const CResImage* FindIcon(UINT id) const;
    const CResImage* FindCursor(UINT id) const;

    // The value of a name #defined by the pack or the headers it includes.
    bool FindSymbol(const std::wstring& name, long long& value) const;
    const CResourceSet& GetResources() const { return m_resources; }

    // The pack the program takes its resources from (not owned; may be null). Setting it
    // also makes it the string source of CString::LoadString.
    static CLanguagePack* GetCurrent();
    static void SetCurrent(CLanguagePack* pack);

    // The pack files to try, in order: <folder>/Locale/<language>.rc, then the pack named
    // after the program, <folder>/<program name>.rc. A language name that is empty or would
    // leave the Locale folder (a path separator, "." or "..") gives no Locale candidate.
    static std::vector<CString> GetSearchOrder(const CString& programFolder, const CString& language,
                                               const CString& programName);
    // Loads the first pack of the search order that exists and reads without error.
    // fromLocale tells whether that was the one in the Locale folder. When none loads, the
    // result is the error of the last pack found, or names the places looked at; the
    // caller may then ask the user for a pack file and Load it.
    CPackResult LoadFromSearchOrder(const CString& programFolder, const CString& language,
                                    const CString& programName, bool* fromLocale = nullptr);

private:
    CResourceSet m_resources;
    CString m_path;
    bool m_loaded = false;
};
