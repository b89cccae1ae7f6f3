// CXmlDocument: names and paths, navigation, reading names, attributes and text, escaping.
#include <algorithm>
#include <cwchar>
#include <string_view>

#include "model/xml_document.h"

namespace {

bool IsSpace(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r'; }

bool IsAsciiLetter(wchar_t c) { return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z'); }

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// A character that may stand in a name of the path grammar.
bool IsPathNameChar(wchar_t c) {
    return c != 0 && c != L' ' && c != L'=' && c != L'/' && c != L'[' && c != L']';
}

// The character entity references of HTML 4.01 and apos, sorted by name.
struct NamedEntity {
    const wchar_t* name;
    int code;
};
const NamedEntity kEntities[] = {
    {L"AElig", 198}, {L"Aacute", 193}, {L"Acirc", 194}, {L"Agrave", 192}, {L"Alpha", 913}, {L"Aring", 197},
    {L"Atilde", 195}, {L"Auml", 196}, {L"Beta", 914}, {L"Ccedil", 199}, {L"Chi", 935}, {L"Dagger", 8225},
    {L"Delta", 916}, {L"ETH", 208}, {L"Eacute", 201}, {L"Ecirc", 202}, {L"Egrave", 200}, {L"Epsilon", 917},
    {L"Eta", 919}, {L"Euml", 203}, {L"Gamma", 915}, {L"Iacute", 205}, {L"Icirc", 206}, {L"Igrave", 204},
    {L"Iota", 921}, {L"Iuml", 207}, {L"Kappa", 922}, {L"Lambda", 923}, {L"Mu", 924}, {L"Ntilde", 209},
    {L"Nu", 925}, {L"OElig", 338}, {L"Oacute", 211}, {L"Ocirc", 212}, {L"Ograve", 210}, {L"Omega", 937},
    {L"Omicron", 927}, {L"Oslash", 216}, {L"Otilde", 213}, {L"Ouml", 214}, {L"Phi", 934}, {L"Pi", 928},
    {L"Prime", 8243}, {L"Psi", 936}, {L"Rho", 929}, {L"Scaron", 352}, {L"Sigma", 931}, {L"THORN", 222},
    {L"Tau", 932}, {L"Theta", 920}, {L"Uacute", 218}, {L"Ucirc", 219}, {L"Ugrave", 217}, {L"Upsilon", 933},
    {L"Uuml", 220}, {L"Xi", 926}, {L"Yacute", 221}, {L"Yuml", 376}, {L"Zeta", 918}, {L"aacute", 225},
    {L"acirc", 226}, {L"acute", 180}, {L"aelig", 230}, {L"agrave", 224}, {L"alefsym", 8501}, {L"alpha", 945},
    {L"amp", 38}, {L"and", 8743}, {L"ang", 8736}, {L"apos", 39}, {L"aring", 229}, {L"asymp", 8776},
    {L"atilde", 227}, {L"auml", 228}, {L"bdquo", 8222}, {L"beta", 946}, {L"brvbar", 166}, {L"bull", 8226},
    {L"cap", 8745}, {L"ccedil", 231}, {L"cedil", 184}, {L"cent", 162}, {L"chi", 967}, {L"circ", 710},
    {L"clubs", 9827}, {L"cong", 8773}, {L"copy", 169}, {L"crarr", 8629}, {L"cup", 8746}, {L"curren", 164},
    {L"dArr", 8659}, {L"dagger", 8224}, {L"darr", 8595}, {L"deg", 176}, {L"delta", 948}, {L"diams", 9830},
    {L"divide", 247}, {L"eacute", 233}, {L"ecirc", 234}, {L"egrave", 232}, {L"empty", 8709}, {L"emsp", 8195},
    {L"ensp", 8194}, {L"epsilon", 949}, {L"equiv", 8801}, {L"eta", 951}, {L"eth", 240}, {L"euml", 235},
    {L"euro", 8364}, {L"exist", 8707}, {L"fnof", 402}, {L"forall", 8704}, {L"frac12", 189}, {L"frac14", 188},
    {L"frac34", 190}, {L"frasl", 8260}, {L"gamma", 947}, {L"ge", 8805}, {L"gt", 62}, {L"hArr", 8660},
    {L"harr", 8596}, {L"hearts", 9829}, {L"hellip", 8230}, {L"iacute", 237}, {L"icirc", 238}, {L"iexcl", 161},
    {L"igrave", 236}, {L"image", 8465}, {L"infin", 8734}, {L"int", 8747}, {L"iota", 953}, {L"iquest", 191},
    {L"isin", 8712}, {L"iuml", 239}, {L"kappa", 954}, {L"lArr", 8656}, {L"lambda", 955}, {L"lang", 9001},
    {L"laquo", 171}, {L"larr", 8592}, {L"lceil", 8968}, {L"ldquo", 8220}, {L"le", 8804}, {L"lfloor", 8970},
    {L"lowast", 8727}, {L"loz", 9674}, {L"lrm", 8206}, {L"lsaquo", 8249}, {L"lsquo", 8216}, {L"lt", 60},
    {L"macr", 175}, {L"mdash", 8212}, {L"micro", 181}, {L"middot", 183}, {L"minus", 8722}, {L"mu", 956},
    {L"nabla", 8711}, {L"nbsp", 160}, {L"ndash", 8211}, {L"ne", 8800}, {L"ni", 8715}, {L"not", 172},
    {L"notin", 8713}, {L"nsub", 8836}, {L"ntilde", 241}, {L"nu", 957}, {L"oacute", 243}, {L"ocirc", 244},
    {L"oelig", 339}, {L"ograve", 242}, {L"oline", 8254}, {L"omega", 969}, {L"omicron", 959}, {L"oplus", 8853},
    {L"or", 8744}, {L"ordf", 170}, {L"ordm", 186}, {L"oslash", 248}, {L"otilde", 245}, {L"otimes", 8855},
    {L"ouml", 246}, {L"para", 182}, {L"part", 8706}, {L"permil", 8240}, {L"perp", 8869}, {L"phi", 966},
    {L"pi", 960}, {L"piv", 982}, {L"plusmn", 177}, {L"pound", 163}, {L"prime", 8242}, {L"prod", 8719},
    {L"prop", 8733}, {L"psi", 968}, {L"quot", 34}, {L"rArr", 8658}, {L"radic", 8730}, {L"rang", 9002},
    {L"raquo", 187}, {L"rarr", 8594}, {L"rceil", 8969}, {L"rdquo", 8221}, {L"real", 8476}, {L"reg", 174},
    {L"rfloor", 8971}, {L"rho", 961}, {L"rlm", 8207}, {L"rsaquo", 8250}, {L"rsquo", 8217}, {L"sbquo", 8218},
    {L"scaron", 353}, {L"sdot", 8901}, {L"sect", 167}, {L"shy", 173}, {L"sigma", 963}, {L"sigmaf", 962},
    {L"sim", 8764}, {L"spades", 9824}, {L"sub", 8834}, {L"sube", 8838}, {L"sum", 8721}, {L"sup", 8835},
    {L"sup1", 185}, {L"sup2", 178}, {L"sup3", 179}, {L"supe", 8839}, {L"szlig", 223}, {L"tau", 964},
    {L"there4", 8756}, {L"theta", 952}, {L"thetasym", 977}, {L"thinsp", 8201}, {L"thorn", 254}, {L"tilde", 732},
    {L"times", 215}, {L"trade", 8482}, {L"uArr", 8657}, {L"uacute", 250}, {L"uarr", 8593}, {L"ucirc", 251},
    {L"ugrave", 249}, {L"uml", 168}, {L"upsih", 978}, {L"upsilon", 965}, {L"uuml", 252}, {L"weierp", 8472},
    {L"xi", 958}, {L"yacute", 253}, {L"yen", 165}, {L"yuml", 255}, {L"zeta", 950}, {L"zwj", 8205},
    {L"zwnj", 8204},
};

int LookupEntity(std::wstring_view name) {
    auto it = std::lower_bound(std::begin(kEntities), std::end(kEntities), name,
                               [](const NamedEntity& e, std::wstring_view n) { return n.compare(e.name) > 0; });
    if (it != std::end(kEntities) && name == it->name)
        return it->code;
    return 0;
}

void AppendCData(std::wstring& out, const wchar_t* text) {
    std::wstring_view t(text ? text : L"");
    out += L"<![CDATA[";
    std::size_t from = 0;
    while (true) {
        std::size_t at = t.find(L"]]>", from);
        if (at == std::wstring_view::npos) {
            out.append(t.substr(from));
            break;
        }
        out.append(t.substr(from, at - from));
        out += L"]]]]><![CDATA[>";
        from = at + 3;
    }
    out += L"]]>";
}

}  // namespace

bool CXmlDocument::IsValidPos(int iPos) const {
    return iPos > 0 && static_cast<uint32_t>(iPos) < m_iPosFree;
}

std::wstring_view CXmlDocument::TagName(uint32_t iPos) const {
    const ElemPos& e = m_aPos[iPos];
    const wchar_t* text = m_strDoc.GetString();
    int i = e.nStart + 1;
    const int end = e.nStart + e.nStartTagLen;
    while (i < end && !IsSpace(text[i]) && text[i] != L'/' && text[i] != L'>')
        ++i;
    return std::wstring_view(text + e.nStart + 1, static_cast<std::size_t>(i - e.nStart - 1));
}

bool CXmlDocument::NameMatches(std::wstring_view tagName, const wchar_t* name) {
    if (name == nullptr)
        return false;
    std::size_t n = tagName.size();
    for (std::size_t k = 0; k < n; ++k)
        if (name[k] != tagName[k] || name[k] == 0)
            return false;
    wchar_t next = name[n];
    return next == 0 || next == L' ' || next == L'=' || next == L'/' || next == L'[' || next == L']';
}

// True when name fits the path grammar as a relative path (absolute and "//" paths are not
// searched, so they count as not fitting).
bool CXmlDocument::IsPathName(const wchar_t* name) {
    const wchar_t* p = name;
    if (*p == L'/')
        return false;
    int steps = 0;
    while (true) {
        if (*p == L'@' && steps > 0) {
            ++p;
            if (!IsPathNameChar(*p))
                return false;
            while (IsPathNameChar(*p))
                ++p;
            return *p == 0;
        }
        if (!IsPathNameChar(*p))
            return false;
        while (IsPathNameChar(*p))
            ++p;
        ++steps;
        if (*p == L'[') {
            ++p;
            if (*p >= L'1' && *p <= L'9') {
                while (IsDigit(*p))
                    ++p;
            } else if (*p == L'@') {
                ++p;
                if (!IsPathNameChar(*p))
                    return false;
                while (IsPathNameChar(*p))
                    ++p;
                if (*p == L'=') {
                    ++p;
                    if (*p == L'\'' || *p == L'"') {
                        wchar_t quote = *p++;
                        while (*p && *p != quote)
                            ++p;
                        if (*p == 0)
                            return false;
                        ++p;
                    } else {
                        while (*p && *p != L']')
                            ++p;
                    }
                }
            } else if (IsPathNameChar(*p)) {
                while (IsPathNameChar(*p))
                    ++p;
            } else {
                return false;
            }
            if (*p != L']')
                return false;
            ++p;
        }
        if (*p == 0)
            return true;
        if (*p != L'/')
            return false;
        ++p;
        if (*p == 0)
            return false;
    }
}

bool CXmlDocument::FindElement(const wchar_t* name) {
    if (name != nullptr && *name == 0)
        name = nullptr;
    if (name != nullptr && !IsPathName(name))
        return false;
    if (m_aPos.empty())
        return false;
    uint32_t iPos = m_iPos ? m_aPos[m_iPos].iElemNext : m_aPos[m_iPosParent].iElemChild;
    for (; iPos != 0; iPos = m_aPos[iPos].iElemNext) {
        if (name == nullptr || NameMatches(TagName(iPos), name)) {
            SetPositions(m_aPos[iPos].iElemParent, iPos, 0);
            return true;
        }
    }
    return false;
}

bool CXmlDocument::FindChildElement(const wchar_t* name) {
    if (name != nullptr && *name == 0)
        name = nullptr;
    if (name != nullptr && !IsPathName(name))
        return false;
    if (m_iPos == 0 && !FindElement())
        return false;
    uint32_t iPos = m_iPosChild ? m_aPos[m_iPosChild].iElemNext : m_aPos[m_iPos].iElemChild;
    for (; iPos != 0; iPos = m_aPos[iPos].iElemNext) {
        if (name == nullptr || NameMatches(TagName(iPos), name)) {
            SetPositions(m_aPos[m_iPos].iElemParent, m_iPos, iPos);
            return true;
        }
    }
    return false;
}

bool CXmlDocument::EnterElement() {
    if (m_iPos == 0 || m_nNodeType != kNodeElement)
        return false;
    SetPositions(m_iPos, m_iPosChild, 0);
    return true;
}

bool CXmlDocument::LeaveElement() {
    if (m_iPosParent == 0)
        return false;
    SetPositions(m_aPos[m_iPosParent].iElemParent, m_iPosParent, m_iPos);
    return true;
}

CString CXmlDocument::GetNodeName() const {
    if (m_nNodeType == kNodeElement && m_iPos != 0)
        return CString(TagName(m_iPos));
    return CString();
}

bool CXmlDocument::FindAttribute(const wchar_t* text, int tagStart, int tagLength, int attrStart,
                                 const wchar_t* name, AttrPos& attr, int& insertAt) {
    const int end = tagStart + tagLength;
    int i = attrStart;
    insertAt = attrStart;
    while (i < end) {
        while (i < end && IsSpace(text[i]))
            ++i;
        if (i >= end)
            break;
        wchar_t c = text[i];
        if (c == L'/' || c == L'>' || c == L'?')
            break;
        AttrPos a;
        a.nNameStart = i;
        while (i < end && text[i] != L'=' && !IsSpace(text[i]) && text[i] != L'>' && text[i] != L'/' &&
               text[i] != L'?')
            ++i;
        a.nNameLength = i - a.nNameStart;
        int j = i;
        while (j < end && IsSpace(text[j]))
            ++j;
        if (j < end && text[j] == L'=') {
            ++j;
            while (j < end && IsSpace(text[j]))
                ++j;
            if (j < end && (text[j] == L'"' || text[j] == L'\'')) {
                wchar_t quote = text[j];
                int close = j + 1;
                while (close < end && text[close] != quote)
                    ++close;
                a.bQuoted = true;
                a.nValueStart = j + 1;
                a.nValueLength = close - a.nValueStart;
                i = close < end ? close + 1 : end;
            } else {
                a.nValueStart = j;
                while (j < end && !IsSpace(text[j]) && text[j] != L'>')
                    ++j;
                a.nValueLength = j - a.nValueStart;
                i = j;
            }
        } else if (a.nNameLength == 0) {
            ++i;  // a stray character; step over it
            continue;
        }
        a.nEnd = i;
        insertAt = i;
        if (a.nNameLength > 0 &&
            NameMatches(std::wstring_view(text + a.nNameStart, static_cast<std::size_t>(a.nNameLength)), name)) {
            attr = a;
            return true;
        }
    }
    return false;
}

CString CXmlDocument::GetAttribute(const wchar_t* name) const { return GetAttributeAt(static_cast<int>(m_iPos), name); }

CString CXmlDocument::GetAttributeAt(int iPos, const wchar_t* name) const {
    if (m_nNodeType != kNodeElement || !IsValidPos(iPos) || name == nullptr || *name == 0)
        return CString();
    const ElemPos& e = m_aPos[static_cast<uint32_t>(iPos)];
    AttrPos attr;
    int insertAt = 0;
    const int attrStart = e.nStart + 1 + static_cast<int>(TagName(static_cast<uint32_t>(iPos)).size());
    if (!FindAttribute(m_strDoc.GetString(), e.nStart, e.nStartTagLen, attrStart, name, attr, insertAt) ||
        attr.nValueStart < 0)
        return CString();
    return UnescapeText(m_strDoc.GetString() + attr.nValueStart, attr.nValueLength);
}

CString CXmlDocument::GetElementText() const { return GetTextAt(static_cast<int>(m_iPos)); }

CString CXmlDocument::GetTextAt(int iPos) const {
    if (!IsValidPos(iPos))
        return CString();
    const ElemPos& e = m_aPos[static_cast<uint32_t>(iPos)];
    if (e.nLength == e.nStartTagLen || e.iElemChild != 0)
        return CString();
    const wchar_t* text = m_strDoc.GetString();
    const int start = e.ContentStart();
    const int length = e.ContentLength();
    if (length <= 0)
        return CString();
    if (std::wstring_view(text + start, static_cast<std::size_t>(length)).find(L'<') == std::wstring_view::npos)
        return UnescapeText(text + start, length);
    CString result;
    const int end = start + length;
    int offset = start;
    while (true) {
        Token t = ReadToken(text, end, offset, nullptr);
        if (t.nType == -2)
            break;
        offset = t.nStart + t.nLength;
        if (t.nType == kNodeText)
            result += UnescapeText(text + t.nStart, t.nLength);
        else if (t.nType == kNodeCData && t.nLength >= 12)
            result.Append(text + t.nStart + 9, t.nLength - 12);
    }
    return result;
}

CString CXmlDocument::EscapeText(const wchar_t* text, int flags) {
    std::wstring out;
    if (text == nullptr)
        return CString();
    const std::size_t length = std::wcslen(text);
    out.reserve(length + length / 8);
    for (std::size_t i = 0; i < length; ++i) {
        wchar_t c = text[i];
        switch (c) {
        case L'<':
            out += L"&lt;";
            break;
        case L'>':
            out += L"&gt;";
            break;
        case L'&': {
            bool keep = false;
            if (flags & kEscapeKeepRefs) {
                std::size_t k = i + 1;
                wchar_t f = k < length ? text[k] : 0;
                if (IsAsciiLetter(f) || f == L'#' || f == L'_' || f == L':' || f >= 0x80) {
                    ++k;
                    while (k < length && (IsAsciiLetter(text[k]) || IsDigit(text[k]) || text[k] == L'-' ||
                                          text[k] == L'.' || text[k] == L':' || text[k] == L'_' || text[k] >= 0x80))
                        ++k;
                    keep = k < length && text[k] == L';';
                }
            }
            out += keep ? L"&" : L"&amp;";
            break;
        }
        case L'\'':
            out += (flags & kEscapeQuotes) ? L"&apos;" : L"'";
            break;
        case L'"':
            out += (flags & kEscapeQuotes) ? L"&quot;" : L"\"";
            break;
        default:
            out += c;
        }
    }
    return CString(std::move(out));
}

CString CXmlDocument::UnescapeText(const wchar_t* text, int length) {
    if (text == nullptr)
        return CString();
    if (length < 0)
        length = static_cast<int>(std::wcslen(text));
    std::wstring out;
    out.reserve(static_cast<std::size_t>(length));
    for (int i = 0; i < length; ++i) {
        wchar_t c = text[i];
        if (c != L'&') {
            out += c;
            continue;
        }
        // The name: 1 to 9 ASCII characters, closed by ';' inside the text.
        int semi = -1;
        for (int k = i + 1; k < length && k <= i + 10; ++k) {
            if (text[k] == L';') {
                semi = k;
                break;
            }
            if (text[k] >= 0x80)
                break;
        }
        const int nameLength = semi - i - 1;
        long code = 0;
        if (semi > 0 && nameLength >= 1 && nameLength <= 9) {
            std::wstring_view name(text + i + 1, static_cast<std::size_t>(nameLength));
            if (name[0] == L'#') {
                std::size_t k = 1;
                int base = 10;
                if (k < name.size() && (name[k] == L'x' || name[k] == L'X')) {
                    base = 16;
                    ++k;
                }
                bool ok = k < name.size();
                for (; ok && k < name.size(); ++k) {
                    wchar_t d = name[k];
                    int v = IsDigit(d) ? d - L'0'
                            : (base == 16 && d >= L'a' && d <= L'f') ? d - L'a' + 10
                            : (base == 16 && d >= L'A' && d <= L'F') ? d - L'A' + 10
                                                                       : -1;
                    if (v < 0)
                        ok = false;
                    else
                        code = code * base + v;
                }
                // Values that are no Unicode character (above U+10FFFF, surrogates) stay as
                // written; the parser reports them.
                if (!ok || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
                    code = 0;
            } else {
                code = LookupEntity(name);
            }
        }
        if (code == 0) {
            out += L'&';
            continue;
        }
        out += static_cast<wchar_t>(code);
        i = semi;
    }
    return CString(std::move(out));
}

void CXmlDocument::AppendCDataSection(std::wstring& out, const wchar_t* text) { AppendCData(out, text); }
