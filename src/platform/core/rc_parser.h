#pragma once
// Reads a resource script into a CResourceSet: STRINGTABLE, MENU, MENUEX, DIALOG, DIALOGEX,
// TOOLBAR, ACCELERATORS, BITMAP, ICON and CURSOR; LANGUAGE, CODEPAGE and VERSIONINFO are
// skipped. Ids are numbers or #defined names. Stops at the first error.
#include <map>
#include <string>

#include "platform/core/rc_lexer.h"
#include "platform/core/resource_types.h"

class CRcParser {
public:
    // Parses the file (and what it includes) into out; out is left half-filled on error.
    static CPackResult Parse(const CString& path, CResourceSet& out);

private:
    CRcParser(CRcLexer& lexer, CResourceSet& out) : m_lex(lexer), m_out(out) {}

    bool ParseFile();
    bool ParseStringTable();
    bool ParseMenu(UINT id, bool extended);
    bool ParseMenuItems(std::vector<CResMenuItem>& items, bool extended);
    bool ParseDialog(UINT id, bool extended);
    bool ParseControl(CDialogTemplate& dialog, const CRcToken& keyword);
    bool ParseToolBar(UINT id);
    bool ParseAccelerators(UINT id);
    bool ParseImage(UINT id, CResImage::Kind kind, std::map<UINT, CResImage>& table);
    bool SkipVersionInfo();

    // Pieces of statements. Each reports its own error and returns false.
    bool Expression(long long& value, const wchar_t* what);
    bool Id(UINT& id, const wchar_t* what);
    bool Int(int& value, const wchar_t* what);
    bool Style(DWORD base, DWORD& value);
    bool Text(CString& text, const wchar_t* what);
    bool Comma(const wchar_t* before);
    bool Begin();
    bool AtEnd();
    void SkipMemoryFlags();
    bool SkipOptionalStatements();
    bool Fail(const CRcToken& at, const std::wstring& message);
    bool Expected(const wchar_t* what);

    CRcLexer& m_lex;
    CResourceSet& m_out;
    int m_menuDepth = 0;
};
