#include "platform/core/rc_parser.h"

#include <filesystem>

#include "platform/core/rc_expression.h"
#include "platform/core/window_styles.h"

namespace {

constexpr long long kMaxId = 0xFFFF;
constexpr int kMaxMenuDepth = 32;

// Control statements other than CONTROL: the class, the styles every such control has, and
// whether the statement starts with a text.
struct ControlKind {
    const wchar_t* keyword;
    const wchar_t* className;
    DWORD style;
    bool hasText;
};
const ControlKind kControlKinds[] = {
    {L"LTEXT", L"STATIC", SS_LEFT | WS_GROUP, true},
    {L"RTEXT", L"STATIC", SS_RIGHT | WS_GROUP, true},
    {L"CTEXT", L"STATIC", SS_CENTER | WS_GROUP, true},
    {L"PUSHBUTTON", L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, true},
    {L"DEFPUSHBUTTON", L"BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP, true},
    {L"CHECKBOX", L"BUTTON", BS_CHECKBOX | WS_TABSTOP, true},
    {L"AUTOCHECKBOX", L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, true},
    {L"RADIOBUTTON", L"BUTTON", BS_RADIOBUTTON, true},
    {L"AUTORADIOBUTTON", L"BUTTON", BS_AUTORADIOBUTTON, true},
    {L"GROUPBOX", L"BUTTON", BS_GROUPBOX, true},
    {L"EDITTEXT", L"EDIT", ES_LEFT | WS_BORDER | WS_TABSTOP, false},
    {L"COMBOBOX", L"COMBOBOX", CBS_SIMPLE | WS_TABSTOP, false},
    {L"LISTBOX", L"LISTBOX", LBS_NOTIFY | WS_BORDER, false},
    {L"ICON", L"STATIC", SS_ICON, true},
};

// The class names a CONTROL statement may give without quotes; also the spelling the
// program sees for them in any case.
const wchar_t* const kStandardClasses[] = {L"BUTTON", L"EDIT", L"STATIC", L"LISTBOX", L"COMBOBOX", L"SCROLLBAR"};

const wchar_t* const kMemoryFlags[] = {L"DISCARDABLE", L"MOVEABLE", L"FIXED", L"PURE", L"IMPURE",
                                       L"PRELOAD", L"LOADONCALL", L"SHARED", L"NONSHARED"};

bool IsEndToken(const CRcToken& t) { return t.IsKeyword(L"END") || t.IsPunct(L"}"); }
bool IsBeginToken(const CRcToken& t) { return t.IsKeyword(L"BEGIN") || t.IsPunct(L"{"); }

CString StandardClassName(const CString& name) {
    for (const wchar_t* c : kStandardClasses)
        if (name.CompareNoCase(c) == 0) return CString(c);
    return name;
}

}  // namespace

CString CPackResult::Describe() const {
    if (ok) return CString();
    CString s;
    s.Format(L"%s(%d): %s", file.GetString(), line, message.GetString());
    return s;
}

CPackResult CRcParser::Parse(const CString& path, CResourceSet& out) {
    CRcLexer lexer;
    if (lexer.Open(path)) {
        CRcParser parser(lexer, out);
        parser.ParseFile();
    }
    if (!lexer.Failed()) {
        for (const auto& [name, sym] : lexer.GetSymbols())
            if (sym.hasValue) out.symbols[name] = sym.value;
    }
    return lexer.GetError();
}

bool CRcParser::Fail(const CRcToken& at, const std::wstring& message) {
    m_lex.Fail(at, message);
    return false;
}

bool CRcParser::Expected(const wchar_t* what) {
    m_lex.FailExpected(m_lex.Peek(), what);
    return false;
}

bool CRcParser::Expression(long long& value, const wchar_t* what) {
    const CRcToken& t = m_lex.Peek();
    if (m_lex.Failed()) return false;
    if (t.kind != CRcToken::Number && t.kind != CRcToken::Name && t.kind != CRcToken::Punct) return Expected(what);
    if (t.kind == CRcToken::Punct && !(t.IsPunct(L"(") || t.IsPunct(L"-") || t.IsPunct(L"~") || t.IsPunct(L"+")))
        return Expected(what);
    CRcExpression expr(m_lex, [this](const std::wstring& n, long long& v) { return m_lex.LookupNumber(n, v); });
    if (!expr.Evaluate(value)) {
        if (!m_lex.Failed()) {
            const CRcToken& at = expr.ErrorToken();
            if (at.kind == CRcToken::Name && expr.Error().rfind(L"unknown name", 0) == 0)
                return Fail(at, L"expected " + std::wstring(what) + L", found '" + at.text + L"', which is not defined");
            return Fail(at, expr.Error());
        }
        return false;
    }
    return true;
}

bool CRcParser::Id(UINT& id, const wchar_t* what) {
    const CRcToken at = m_lex.Peek();
    long long v = 0;
    if (!Expression(v, what)) return false;
    if (v < 0 || v > kMaxId) return Fail(at, L"expected " + std::wstring(what) + L" from 0 to 65535, found " + std::to_wstring(v));
    id = static_cast<UINT>(v);
    return true;
}

bool CRcParser::Int(int& value, const wchar_t* what) {
    const CRcToken at = m_lex.Peek();
    long long v = 0;
    if (!Expression(v, what)) return false;
    if (v < -0x80000000ll || v > 0xFFFFFFFFll) return Fail(at, L"number out of range for " + std::wstring(what));
    value = static_cast<int>(static_cast<std::int32_t>(static_cast<std::uint32_t>(v)));
    return true;
}

bool CRcParser::Style(DWORD base, DWORD& value) {
    // Terms joined by '|'; "NOT term" removes the bits of the term from what is there so far.
    value = base;
    for (;;) {
        bool remove = false;
        if (m_lex.Peek().IsKeyword(L"NOT")) {
            m_lex.Next();
            remove = true;
        }
        const CRcToken& t = m_lex.Peek();
        if (t.kind != CRcToken::Number && t.kind != CRcToken::Name && !t.IsPunct(L"(") && !t.IsPunct(L"~") && !t.IsPunct(L"-"))
            return Expected(L"a style");
        CRcExpression expr(m_lex, [this](const std::wstring& n, long long& v) { return m_lex.LookupNumber(n, v); });
        long long v = 0;
        if (!expr.EvaluateTerm(v)) {
            if (!m_lex.Failed()) {
                const CRcToken& at = expr.ErrorToken();
                if (at.kind == CRcToken::Name) return Fail(at, L"expected a style, found '" + at.text + L"', which is not defined");
                return Fail(at, expr.Error());
            }
            return false;
        }
        const DWORD bits = static_cast<DWORD>(v);
        value = remove ? (value & ~bits) : (value | bits);
        if (!m_lex.Peek().IsPunct(L"|")) return true;
        m_lex.Next();
    }
}

bool CRcParser::Text(CString& text, const wchar_t* what) {
    const CRcToken& t = m_lex.Peek();
    if (t.kind != CRcToken::String) return Expected(what);
    text = CString(t.text);
    m_lex.Next();
    return true;
}

bool CRcParser::Comma(const wchar_t* before) {
    if (m_lex.Peek().IsPunct(L",")) {
        m_lex.Next();
        return true;
    }
    return Expected((std::wstring(L"',' before ") + before).c_str());
}

bool CRcParser::Begin() {
    if (IsBeginToken(m_lex.Peek())) {
        m_lex.Next();
        return true;
    }
    return Expected(L"BEGIN");
}

bool CRcParser::AtEnd() {
    if (IsEndToken(m_lex.Peek())) {
        m_lex.Next();
        return true;
    }
    return false;
}

void CRcParser::SkipMemoryFlags() {
    for (;;) {
        bool found = false;
        for (const wchar_t* f : kMemoryFlags) {
            if (m_lex.Peek().IsKeyword(f)) {
                m_lex.Next();
                found = true;
                break;
            }
        }
        if (!found) return;
    }
}

bool CRcParser::SkipOptionalStatements() {
    // LANGUAGE a, b / CHARACTERISTICS n / VERSION n before the BEGIN of a resource.
    for (;;) {
        long long v = 0;
        if (m_lex.Peek().IsKeyword(L"LANGUAGE")) {
            m_lex.Next();
            if (!Expression(v, L"a language number") || !Comma(L"the sublanguage") || !Expression(v, L"a sublanguage number"))
                return false;
        } else if (m_lex.Peek().IsKeyword(L"CHARACTERISTICS") || m_lex.Peek().IsKeyword(L"VERSION")) {
            m_lex.Next();
            if (!Expression(v, L"a number")) return false;
        } else {
            return !m_lex.Failed();
        }
    }
}

bool CRcParser::ParseFile() {
    for (;;) {
        const CRcToken t = m_lex.Peek();
        if (m_lex.Failed()) return false;
        if (t.kind == CRcToken::End) return true;
        if (t.IsKeyword(L"STRINGTABLE")) {
            m_lex.Next();
            if (!ParseStringTable()) return false;
            continue;
        }
        long long v = 0;
        if (t.IsKeyword(L"LANGUAGE")) {
            m_lex.Next();
            if (!Expression(v, L"a language number") || !Comma(L"the sublanguage") || !Expression(v, L"a sublanguage number"))
                return false;
            continue;
        }
        if (t.IsKeyword(L"CODEPAGE")) {
            m_lex.Next();
            if (!Expression(v, L"a code page number")) return false;
            continue;
        }
        // A resource: its id, then its type.
        if (t.kind == CRcToken::Name && !m_lex.LookupNumber(t.text, v))
            return Fail(t, L"expected a resource statement or a defined id, found '" + t.text + L"'");
        if (t.kind != CRcToken::Name && t.kind != CRcToken::Number) return Expected(L"a resource statement");
        UINT id = 0;
        if (!Id(id, L"a resource id")) return false;
        const CRcToken type = m_lex.Next();
        const auto duplicate = [&](const wchar_t* kind) {
            return Fail(t, std::wstring(kind) + L" " + std::to_wstring(id) + L" is defined twice");
        };
        bool ok = false;
        if (type.IsKeyword(L"MENU") || type.IsKeyword(L"MENUEX")) {
            if (m_out.menus.count(id)) return duplicate(L"MENU");
            ok = ParseMenu(id, type.IsKeyword(L"MENUEX"));
        } else if (type.IsKeyword(L"DIALOG") || type.IsKeyword(L"DIALOGEX")) {
            if (m_out.dialogs.count(id)) return duplicate(L"DIALOG");
            ok = ParseDialog(id, type.IsKeyword(L"DIALOGEX"));
        } else if (type.IsKeyword(L"TOOLBAR")) {
            if (m_out.toolBars.count(id)) return duplicate(L"TOOLBAR");
            ok = ParseToolBar(id);
        } else if (type.IsKeyword(L"ACCELERATORS")) {
            if (m_out.accelerators.count(id)) return duplicate(L"ACCELERATORS");
            ok = ParseAccelerators(id);
        } else if (type.IsKeyword(L"BITMAP")) {
            if (m_out.bitmaps.count(id)) return duplicate(L"BITMAP");
            ok = ParseImage(id, CResImage::Bitmap, m_out.bitmaps);
        } else if (type.IsKeyword(L"ICON")) {
            if (m_out.icons.count(id)) return duplicate(L"ICON");
            ok = ParseImage(id, CResImage::Icon, m_out.icons);
        } else if (type.IsKeyword(L"CURSOR")) {
            if (m_out.cursors.count(id)) return duplicate(L"CURSOR");
            ok = ParseImage(id, CResImage::Cursor, m_out.cursors);
        } else if (type.IsKeyword(L"VERSIONINFO")) {
            ok = SkipVersionInfo();
        } else {
            m_lex.FailExpected(type, L"a resource type (MENU, MENUEX, DIALOG, DIALOGEX, TOOLBAR, ACCELERATORS, BITMAP, ICON, CURSOR)");
        }
        if (!ok) return false;
    }
}

bool CRcParser::ParseStringTable() {
    SkipMemoryFlags();
    if (!SkipOptionalStatements() || !Begin()) return false;
    while (!AtEnd()) {
        const CRcToken at = m_lex.Peek();
        if (at.kind == CRcToken::End || at.kind == CRcToken::String) return Expected(L"a string id or END");
        UINT id = 0;
        if (!Id(id, L"a string id")) return false;
        if (m_lex.Peek().IsPunct(L",")) m_lex.Next();
        CString text;
        if (!Text(text, L"a text in quotes")) return false;
        if (!m_out.strings.emplace(id, text).second)
            return Fail(at, L"string " + std::to_wstring(id) + L" is defined twice");
    }
    return !m_lex.Failed();
}

bool CRcParser::ParseMenu(UINT id, bool extended) {
    SkipMemoryFlags();
    if (!SkipOptionalStatements() || !Begin()) return false;
    CResMenu menu;
    menu.id = id;
    menu.extended = extended;
    if (!ParseMenuItems(menu.items, extended)) return false;
    m_out.menus[id] = std::move(menu);
    return true;
}

bool CRcParser::ParseMenuItems(std::vector<CResMenuItem>& items, bool extended) {
    static const struct { const wchar_t* keyword; UINT flag; } kOptions[] = {
        {L"CHECKED", MF_CHECKED}, {L"GRAYED", MF_GRAYED}, {L"INACTIVE", MF_DISABLED},
        {L"MENUBARBREAK", MF_MENUBARBREAK}, {L"MENUBREAK", MF_MENUBREAK}, {L"HELP", MF_HELP},
    };
    while (!AtEnd()) {
        const CRcToken keyword = m_lex.Next();
        const bool popup = keyword.IsKeyword(L"POPUP");
        if (!popup && !keyword.IsKeyword(L"MENUITEM")) {
            m_lex.FailExpected(keyword, L"MENUITEM, POPUP or END");
            return false;
        }
        CResMenuItem item;
        if (!popup && m_lex.Peek().IsKeyword(L"SEPARATOR")) {
            m_lex.Next();
            item.flags = MF_SEPARATOR;
            items.push_back(std::move(item));
            continue;
        }
        if (!Text(item.text, L"a menu text in quotes")) return false;
        if (extended) {
            // MENUEX: "text" [, id [, type [, state [, help id]]]], any of them left empty.
            long long values[4] = {0, 0, 0, 0};
            const wchar_t* const what[4] = {L"a command id", L"a menu type", L"a menu state", L"a help id"};
            const int count = popup ? 4 : 3;
            for (int i = 0; i < count && m_lex.Peek().IsPunct(L","); ++i) {
                m_lex.Next();
                const CRcToken& n = m_lex.Peek();
                if (n.IsPunct(L",") || IsBeginToken(n) || IsEndToken(n) || n.IsKeyword(L"MENUITEM") || n.IsKeyword(L"POPUP"))
                    continue;
                const CRcToken at = n;
                if (!Expression(values[i], what[i])) return false;
                if (i == 0 && (values[0] < 0 || values[0] > kMaxId))
                    return Fail(at, L"expected a command id from 0 to 65535, found " + std::to_wstring(values[0]));
            }
            item.id = static_cast<UINT>(values[0]);
            item.flags = static_cast<UINT>(values[1] | values[2]);
            item.helpId = static_cast<DWORD>(values[3]);
        } else {
            if (!popup) {
                if (!Comma(L"the command id")) return false;
                if (!Id(item.id, L"a command id")) return false;
            }
            for (;;) {
                const CRcToken& n = m_lex.Peek();
                if (n.IsPunct(L",")) {
                    m_lex.Next();
                    continue;
                }
                bool found = false;
                for (const auto& o : kOptions) {
                    if (n.IsKeyword(o.keyword)) {
                        item.flags |= o.flag;
                        found = true;
                        break;
                    }
                }
                if (!found) break;
                m_lex.Next();
            }
        }
        if (popup) {
            item.flags |= MF_POPUP;
            if (m_menuDepth >= kMaxMenuDepth) return Fail(keyword, L"popup menus nested too deeply");
            ++m_menuDepth;
            const bool ok = Begin() && ParseMenuItems(item.items, extended);
            --m_menuDepth;
            if (!ok) return false;
        }
        items.push_back(std::move(item));
    }
    return !m_lex.Failed();
}

bool CRcParser::ParseDialog(UINT id, bool extended) {
    SkipMemoryFlags();
    CDialogTemplate d;
    d.id = id;
    d.extended = extended;
    if (!Int(d.x, L"the dialog's x") || !Comma(L"y") || !Int(d.y, L"the dialog's y") || !Comma(L"the width") ||
        !Int(d.cx, L"the dialog's width") || !Comma(L"the height") || !Int(d.cy, L"the dialog's height"))
        return false;
    if (extended && m_lex.Peek().IsPunct(L",")) {
        m_lex.Next();
        long long help = 0;
        if (!Expression(help, L"a help id")) return false;
        d.helpId = static_cast<DWORD>(help);
    }
    bool hasStyle = false;
    DWORD style = WS_POPUP | WS_BORDER | WS_SYSMENU;
    for (;;) {
        const CRcToken t = m_lex.Peek();
        if (IsBeginToken(t)) break;
        long long v = 0;
        if (t.IsKeyword(L"STYLE")) {
            m_lex.Next();
            if (!Style(0, style)) return false;
            hasStyle = true;
        } else if (t.IsKeyword(L"EXSTYLE")) {
            m_lex.Next();
            if (!Style(0, d.exStyle)) return false;
        } else if (t.IsKeyword(L"CAPTION")) {
            m_lex.Next();
            if (!Text(d.caption, L"a caption in quotes")) return false;
            if (!hasStyle) style |= WS_CAPTION;
        } else if (t.IsKeyword(L"FONT")) {
            m_lex.Next();
            if (!Int(d.fontPointSize, L"a point size") || !Comma(L"the font name") || !Text(d.fontFace, L"a font name in quotes"))
                return false;
            d.hasFont = true;
            if (m_lex.Peek().IsPunct(L",")) {
                m_lex.Next();
                int italic = 0;
                if (!Int(d.fontWeight, L"a font weight")) return false;
                if (m_lex.Peek().IsPunct(L",")) {
                    m_lex.Next();
                    if (!Int(italic, L"the italic flag")) return false;
                    d.fontItalic = italic != 0;
                    if (m_lex.Peek().IsPunct(L",")) {
                        m_lex.Next();
                        if (!Int(d.fontCharset, L"a character set")) return false;
                    }
                }
            }
        } else if (t.IsKeyword(L"MENU")) {
            m_lex.Next();
            if (!Id(d.menuId, L"a menu id")) return false;
        } else if (t.IsKeyword(L"CLASS")) {
            m_lex.Next();
            if (!Text(d.className, L"a class name in quotes")) return false;
        } else if (t.IsKeyword(L"LANGUAGE")) {
            m_lex.Next();
            if (!Expression(v, L"a language number") || !Comma(L"the sublanguage") || !Expression(v, L"a sublanguage number"))
                return false;
        } else if (t.IsKeyword(L"CHARACTERISTICS") || t.IsKeyword(L"VERSION")) {
            m_lex.Next();
            if (!Expression(v, L"a number")) return false;
        } else {
            return Expected(L"STYLE, EXSTYLE, CAPTION, FONT, MENU, CLASS or BEGIN");
        }
    }
    if (d.hasFont) style |= DS_SETFONT;
    d.style = style;
    if (!Begin()) return false;
    while (!AtEnd()) {
        const CRcToken keyword = m_lex.Next();
        if (!ParseControl(d, keyword)) return false;
    }
    if (m_lex.Failed()) return false;
    m_out.dialogs[id] = std::move(d);
    return true;
}

bool CRcParser::ParseControl(CDialogTemplate& dialog, const CRcToken& keyword) {
    CDialogControl c;
    const ControlKind* kind = nullptr;
    for (const ControlKind& k : kControlKinds)
        if (keyword.IsKeyword(k.keyword)) kind = &k;
    const bool generic = keyword.IsKeyword(L"CONTROL");
    if (!kind && !generic) {
        m_lex.FailExpected(keyword, L"a control statement (CONTROL, LTEXT, RTEXT, CTEXT, EDITTEXT, PUSHBUTTON, "
                                    L"DEFPUSHBUTTON, CHECKBOX, AUTOCHECKBOX, RADIOBUTTON, AUTORADIOBUTTON, "
                                    L"GROUPBOX, COMBOBOX, LISTBOX, ICON) or END");
        return false;
    }
    if (generic || kind->hasText) {
        // The text is a quoted caption, or the id of an image for pictures.
        if (m_lex.Peek().kind == CRcToken::String) {
            c.text = CString(m_lex.Next().text);
        } else {
            if (!Id(c.textId, L"a control text in quotes or an image id")) return false;
            c.textIsId = true;
        }
        if (!Comma(L"the control id")) return false;
    }
    if (!Int(c.id, L"a control id")) return false;
    DWORD base = WS_CHILD | WS_VISIBLE;
    if (generic) {
        if (!Comma(L"the class name")) return false;
        const CRcToken cls = m_lex.Next();
        if (cls.kind == CRcToken::String) {
            c.className = StandardClassName(CString(cls.text));
        } else {
            for (const wchar_t* s : kStandardClasses)
                if (cls.IsKeyword(s)) c.className = s;
            if (c.className.IsEmpty()) {
                m_lex.FailExpected(cls, L"a class name");
                return false;
            }
        }
        if (!Comma(L"the style") || !Style(base, c.style)) return false;
    } else {
        c.className = kind->className;
        c.style = base | kind->style;
    }
    if (!Comma(L"x") || !Int(c.x, L"x") || !Comma(L"y") || !Int(c.y, L"y")) return false;
    const bool icon = kind && keyword.IsKeyword(L"ICON");
    if (!icon || m_lex.Peek().IsPunct(L",")) {
        if (!Comma(L"the width") || !Int(c.cx, L"a width") || !Comma(L"the height") || !Int(c.cy, L"a height")) return false;
    }
    // Optional: style (not for CONTROL, which had it already), extended style, help id.
    if (!generic && m_lex.Peek().IsPunct(L",")) {
        m_lex.Next();
        if (!Style(c.style, c.style)) return false;
    }
    if (m_lex.Peek().IsPunct(L",")) {
        m_lex.Next();
        if (!Style(0, c.exStyle)) return false;
    }
    if (dialog.extended && m_lex.Peek().IsPunct(L",")) {
        m_lex.Next();
        long long help = 0;
        if (!Expression(help, L"a help id")) return false;
        c.helpId = static_cast<DWORD>(help);
    }
    if (m_lex.Failed()) return false;
    dialog.controls.push_back(std::move(c));
    return true;
}

bool CRcParser::ParseToolBar(UINT id) {
    SkipMemoryFlags();
    CResToolBar bar;
    bar.id = id;
    if (!Int(bar.buttonWidth, L"the button width") || !Comma(L"the button height") || !Int(bar.buttonHeight, L"the button height"))
        return false;
    if (!SkipOptionalStatements() || !Begin()) return false;
    while (!AtEnd()) {
        const CRcToken t = m_lex.Next();
        if (t.IsKeyword(L"SEPARATOR")) {
            bar.items.push_back(0);
        } else if (t.IsKeyword(L"BUTTON")) {
            UINT cmd = 0;
            if (!Id(cmd, L"a command id")) return false;
            bar.items.push_back(cmd);
        } else {
            m_lex.FailExpected(t, L"BUTTON, SEPARATOR or END");
            return false;
        }
    }
    if (m_lex.Failed()) return false;
    m_out.toolBars[id] = std::move(bar);
    return true;
}

bool CRcParser::ParseAccelerators(UINT id) {
    SkipMemoryFlags();
    if (!SkipOptionalStatements() || !Begin()) return false;
    CResAccelTable table;
    table.id = id;
    while (!AtEnd()) {
        const CRcToken keyTok = m_lex.Peek();
        if (keyTok.kind == CRcToken::End) return Expected(L"an accelerator key or END");
        CResAccelerator a;
        bool fromText = false;
        std::wstring keyText;
        long long key = 0;
        if (keyTok.kind == CRcToken::String) {
            m_lex.Next();
            fromText = true;
            keyText = keyTok.text;
            const bool control = keyText.size() == 2 && keyText[0] == L'^';
            if (!(keyText.size() == 1 || control))
                return Fail(keyTok, L"expected one character or ^ and a letter as the accelerator key, found \"" + keyText + L"\"");
            if (control) {
                const wchar_t letter = FoldAsciiUpper(keyText[1]);
                if (letter < L'@' || letter > L'_')
                    return Fail(keyTok, L"expected a letter after ^ in the accelerator key");
                key = letter - L'@';
            } else {
                key = keyText[0];
            }
        } else if (!Expression(key, L"an accelerator key")) {
            return false;
        }
        if (!Comma(L"the command id")) return false;
        const CRcToken cmdTok = m_lex.Peek();
        long long cmd = 0;
        if (!Expression(cmd, L"a command id")) return false;
        if (cmd < 0 || cmd > kMaxId) return Fail(cmdTok, L"expected a command id from 0 to 65535, found " + std::to_wstring(cmd));
        bool ascii = false;
        while (m_lex.Peek().IsPunct(L",")) {
            m_lex.Next();
            const CRcToken o = m_lex.Next();
            if (o.IsKeyword(L"VIRTKEY")) a.fVirt |= FVIRTKEY;
            else if (o.IsKeyword(L"ASCII")) ascii = true;
            else if (o.IsKeyword(L"NOINVERT")) a.fVirt |= FNOINVERT;
            else if (o.IsKeyword(L"SHIFT")) a.fVirt |= FSHIFT;
            else if (o.IsKeyword(L"CONTROL")) a.fVirt |= FCONTROL;
            else if (o.IsKeyword(L"ALT")) a.fVirt |= FALT;
            else {
                m_lex.FailExpected(o, L"VIRTKEY, ASCII, NOINVERT, SHIFT, CONTROL or ALT");
                return false;
            }
        }
        if (m_lex.Failed()) return false;
        if (ascii && (a.fVirt & FVIRTKEY)) return Fail(keyTok, L"an accelerator cannot be both VIRTKEY and ASCII");
        if (a.fVirt & FVIRTKEY) {
            if (fromText && keyText[0] == L'^') return Fail(keyTok, L"expected a key without ^ for a VIRTKEY accelerator");
            if (fromText) key = FoldAsciiUpper(static_cast<wchar_t>(key));
        }
        if (key < 0 || key > 0xFFFF) return Fail(keyTok, L"accelerator key out of range");
        a.key = static_cast<WORD>(key);
        a.cmd = static_cast<WORD>(cmd);
        table.entries.push_back(a);
    }
    if (m_lex.Failed()) return false;
    m_out.accelerators[id] = std::move(table);
    return true;
}

bool CRcParser::ParseImage(UINT id, CResImage::Kind kind, std::map<UINT, CResImage>& table) {
    SkipMemoryFlags();
    const CRcToken t = m_lex.Peek();
    if (t.kind != CRcToken::String) return Expected(L"an image file name in quotes");
    m_lex.Next();
    std::wstring file = t.text;
    for (wchar_t& ch : file)
        if (ch == L'\\') ch = L'/';
    if (file.empty()) return Fail(t, L"expected an image file name, found an empty text");
    CResImage image;
    image.kind = kind;
    image.id = id;
    image.path = file[0] == L'/' ? CString(file) : m_lex.GetFolderOf(t) + CString(file);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(std::filesystem::path(image.path.ToUtf8()), ec))
        return Fail(t, L"image file not found: \"" + t.text + L"\"");
    table[id] = std::move(image);
    return true;
}

bool CRcParser::SkipVersionInfo() {
    // Fixed-information lines up to BEGIN, then nested blocks up to the matching END.
    while (!IsBeginToken(m_lex.Peek())) {
        if (m_lex.Peek().kind == CRcToken::End) return Expected(L"BEGIN");
        m_lex.Next();
    }
    int depth = 0;
    do {
        const CRcToken t = m_lex.Next();
        if (t.kind == CRcToken::End) {
            m_lex.FailExpected(t, L"END");
            return false;
        }
        if (IsBeginToken(t)) ++depth;
        else if (IsEndToken(t)) --depth;
    } while (depth > 0);
    return !m_lex.Failed();
}
