// CXmlDocument: construction, the token scanner, parsing into the element index, the result log.
#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "model/xml_document.h"

namespace {

bool IsSpace(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r'; }

bool IsAsciiLetter(wchar_t c) { return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z'); }

// Offset of needle at or after from, or -1.
int FindText(const wchar_t* text, int length, int from, std::wstring_view needle) {
    std::wstring_view all(text, static_cast<std::size_t>(length));
    std::size_t at = all.find(needle, static_cast<std::size_t>(from));
    return at == std::wstring_view::npos ? -1 : static_cast<int>(at);
}

int FindChar(const wchar_t* text, int length, int from, wchar_t c) {
    for (int i = from; i < length; ++i)
        if (text[i] == c)
            return i;
    return -1;
}

// Parses the reference name of an '&' at text[i] the way UnescapeText does: 1 to 9 ASCII
// characters closed by ';' within the text. Returns the name length (0 when there is none).
int ReferenceNameLength(const wchar_t* text, int length, int i) {
    for (int k = 1; k <= 10 && i + k < length; ++k) {
        wchar_t c = text[i + k];
        if (c == L';')
            return k > 1 ? k - 1 : 0;
        if (c >= 0x80)
            return 0;
    }
    return 0;
}

}  // namespace

CXmlDocument::CXmlDocument() { SetDocumentText(); }

CXmlDocument::CXmlDocument(const wchar_t* text) { SetDocumentText(text ? text : L""); }

CXmlDocument::~CXmlDocument() = default;

bool CXmlDocument::SetDocumentText(const wchar_t* text) {
    if (text == nullptr) {
        m_strDoc.Empty();
        std::vector<ElemPos>().swap(m_aPos);
    } else {
        m_strDoc = text;
    }
    m_strResult.Empty();
    return ParseDocument();
}

bool CXmlDocument::ElemPos::IsEmptyElement() const {
    return !(nFlags & kUnended) && nEndTagLen == 0 && nLength == nStartTagLen;
}

uint32_t CXmlDocument::NewPos() {
    if (m_iPosFree >= m_aPos.size()) {
        std::size_t grow = std::min<std::size_t>(m_aPos.size() / 2, 65536);
        m_aPos.resize(m_aPos.size() + std::max<std::size_t>(grow, 8));
    }
    m_aPos[m_iPosFree] = ElemPos{};
    return m_iPosFree++;
}

void CXmlDocument::SetPositions(uint32_t iPosParent, uint32_t iPos, uint32_t iPosChild) {
    m_iPosParent = iPosParent;
    m_iPos = iPos;
    m_iPosChild = iPosChild;
    m_nNodeType = iPos ? kNodeElement : 0;
    m_nNodeOffset = 0;
    m_nNodeLength = 0;
}

bool CXmlDocument::ParseDocument() {
    SetPositions(0, 0, 0);
    m_iPosFree = 1;
    const int length = m_strDoc.GetLength();
    std::size_t want = static_cast<std::size_t>(length) / 64 + 8;
    if (m_aPos.size() < want)
        m_aPos.resize(want);
    m_aPos[0] = ElemPos{};
    if (length > 0) {
        uint32_t first = ParseElements(0);
        m_aPos[0].nLength = length;
        if (first == 0) {
            AddResult(m_strResult, L"no_root_element");
        } else {
            m_aPos[0].iElemChild = first;
            if (m_aPos[first].iElemNext)
                AddResult(m_strResult, L"root_has_sibling");
        }
    }
    SetPositions(0, 0, 0);
    return IsWellFormed();
}

bool CXmlDocument::IsWellFormed() const {
    if (m_aPos.empty())
        return false;
    const ElemPos& doc = m_aPos[0];
    return !(doc.nFlags & kIllFormed) && doc.iElemChild != 0 && m_aPos[doc.iElemChild].iElemNext == 0;
}

CXmlDocument::Token CXmlDocument::ReadToken(const wchar_t* text, int length, int offset, CString* log) {
    Token t;
    t.nStart = offset;
    if (offset >= length) {
        t.nType = -2;
        return t;
    }
    auto unterminated = [&](const wchar_t* kind) {
        if (log)
            AddResult(*log, L"unterminated_tag_syntax", kind, kResultType, offset);
        t.nType = -1;
        t.nLength = length - offset;
        return t;
    };
    auto syntaxError = [&](const wchar_t* event) {
        if (log)
            AddResult(*log, event, nullptr, 0, offset);
        int gt = FindChar(text, length, offset + 1, L'>');
        t.nType = -1;
        t.nLength = (gt < 0 ? length : gt + 1) - offset;
        return t;
    };

    if (text[offset] != L'<') {
        int i = offset;
        bool blank = true;
        while (i < length && text[i] != L'<') {
            if (blank && !IsSpace(text[i]))
                blank = false;
            ++i;
        }
        t.nType = blank ? kNodeWhitespace : kNodeText;
        t.nLength = i - offset;
        return t;
    }
    if (offset + 1 >= length)
        return unterminated(L"tag");
    const wchar_t next = text[offset + 1];

    if (next == L'/') {
        int gt = FindChar(text, length, offset + 2, L'>');
        if (gt < 0)
            return unterminated(L"end_tag");
        t.nType = kNodeEndTag;
        t.nLength = gt + 1 - offset;
        t.nNameStart = offset + 2;
        int e = t.nNameStart;
        while (e < gt && !IsSpace(text[e]))
            ++e;
        t.nNameLength = e - t.nNameStart;
        return t;
    }
    if (next == L'?') {
        int end = FindText(text, length, offset + 2, L"?>");
        if (end < 0)
            return unterminated(L"processing_instruction");
        t.nType = kNodeProcessingInstruction;
        t.nLength = end + 2 - offset;
        t.nNameStart = offset + 2;
        int e = t.nNameStart;
        while (e < end && !IsSpace(text[e]))
            ++e;
        t.nNameLength = e - t.nNameStart;
        return t;
    }
    if (next == L'!') {
        if (offset + 2 >= length)
            return unterminated(L"tag");
        const wchar_t third = text[offset + 2];
        if (third == L'-') {
            if (offset + 3 >= length)
                return unterminated(L"comment");
            if (text[offset + 3] != L'-')
                return syntaxError(L"comment_tag_syntax");
            int end = FindText(text, length, offset + 4, L"-->");
            if (end < 0)
                return unterminated(L"comment");
            t.nType = kNodeComment;
            t.nLength = end + 3 - offset;
            return t;
        }
        if (third == L'[') {
            if (offset + 3 >= length)
                return unterminated(L"cdata_section");
            if (text[offset + 3] != L'C')
                return syntaxError(L"cdata_section_syntax");
            int end = FindText(text, length, offset + 4, L"]]>");
            if (end < 0)
                return unterminated(L"cdata_section");
            t.nType = kNodeCData;
            t.nLength = end + 3 - offset;
            return t;
        }
        if (third == L'D') {
            // The document type: quoted strings may hold '>', and declarations and comments of
            // an internal subset end at their own '>'.
            int i = offset + 2;
            while (i < length && !IsSpace(text[i]) && text[i] != L'>' && text[i] != L'[')
                ++i;
            while (i < length && IsSpace(text[i]))
                ++i;
            t.nNameStart = i;
            while (i < length && !IsSpace(text[i]) && text[i] != L'>' && text[i] != L'[')
                ++i;
            t.nNameLength = i - t.nNameStart;
            while (i < length) {
                wchar_t c = text[i];
                if (c == L'"' || c == L'\'') {
                    int close = FindChar(text, length, i + 1, c);
                    if (close < 0)
                        return unterminated(L"document_type");
                    i = close + 1;
                    continue;
                }
                if (c == L'>') {
                    t.nType = kNodeDocumentType;
                    t.nLength = i + 1 - offset;
                    return t;
                }
                if (c == L'<' && i + 1 < length && text[i + 1] == L'!') {
                    if (i + 2 >= length)
                        return unterminated(L"document_type");
                    wchar_t kind = text[i + 2];
                    if (kind == L'-') {
                        int end = FindText(text, length, i + 2, L"-->");
                        if (end < 0)
                            return unterminated(L"document_type");
                        i = end + 3;
                        continue;
                    }
                    if (kind != L'E' && kind != L'A' && kind != L'N') {
                        if (log)
                            AddResult(*log, L"doctype_tag_syntax", nullptr, 0, i);
                        int gt = FindChar(text, length, i + 1, L'>');
                        t.nType = -1;
                        t.nLength = (gt < 0 ? length : gt + 1) - offset;
                        return t;
                    }
                    // A declaration up to its own '>', quoted strings skipped.
                    int j = i + 2;
                    while (j < length && text[j] != L'>') {
                        if (text[j] == L'"' || text[j] == L'\'') {
                            int close = FindChar(text, length, j + 1, text[j]);
                            if (close < 0)
                                return unterminated(L"document_type");
                            j = close;
                        }
                        ++j;
                    }
                    if (j >= length)
                        return unterminated(L"document_type");
                    i = j + 1;
                    continue;
                }
                ++i;
            }
            return unterminated(L"document_type");
        }
        return syntaxError(L"exclamation_tag_syntax");
    }
    if (next == L':' || next == L'_' || IsAsciiLetter(next) || next > 122) {
        int i = offset + 1;
        while (i < length && !IsSpace(text[i]) && text[i] != L'/' && text[i] != L'>')
            ++i;
        t.nNameStart = offset + 1;
        t.nNameLength = i - t.nNameStart;
        const int nameEnd = i;
        bool afterEquals = false;
        int lastCloseQuote = -1;
        while (i < length) {
            wchar_t c = text[i];
            if (c == L'>') {
                t.nType = kNodeElement;
                t.nLength = i + 1 - offset;
                if (i - 1 >= nameEnd && text[i - 1] == L'/') {
                    int slash = i - 1;
                    t.bEmptyElement = slash == nameEnd || IsSpace(text[slash - 1]) || lastCloseQuote == slash - 1;
                }
                return t;
            }
            if (c == L'=') {
                afterEquals = true;
            } else if ((c == L'"' || c == L'\'') && afterEquals) {
                int close = FindChar(text, length, i + 1, c);
                if (close < 0)
                    return unterminated(L"start_tag");
                i = close;
                lastCloseQuote = close;
                afterEquals = false;
            } else if (!IsSpace(c)) {
                afterEquals = false;
            }
            ++i;
        }
        return unterminated(L"start_tag");
    }
    return syntaxError(L"first_tag_syntax");
}

void CXmlDocument::CheckCharacterReferences(const Token& token, uint32_t iPosParent) {
    const wchar_t* text = m_strDoc.GetString();
    const int end = token.nStart + token.nLength;
    for (int i = token.nStart; i < end; ++i) {
        if (text[i] != L'&' || i + 1 >= end || text[i + 1] != L'#')
            continue;
        int nameLength = ReferenceNameLength(text, end, i);
        if (nameLength < 2)
            continue;
        // A numeric reference that UnescapeText would take: decimal or hexadecimal digits only.
        const wchar_t* p = text + i + 2;
        int digits = nameLength - 1;
        int base = 10;
        if (*p == L'x' || *p == L'X') {
            base = 16;
            ++p;
            --digits;
        }
        if (digits <= 0)
            continue;
        long value = 0;
        bool numeric = true;
        for (int k = 0; k < digits && numeric; ++k) {
            wchar_t c = p[k];
            int d = (c >= L'0' && c <= L'9') ? c - L'0'
                    : (base == 16 && c >= L'a' && c <= L'f') ? c - L'a' + 10
                    : (base == 16 && c >= L'A' && c <= L'F') ? c - L'A' + 10
                                                               : -1;
            if (d < 0)
                numeric = false;
            else
                value = value * base + d;
        }
        if (numeric && (value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))) {
            m_aPos[0].nFlags |= kIllFormed;
            m_aPos[iPosParent].nFlags |= kInnerError;
            AddResult(m_strResult, L"invalid_character_reference", nullptr, 0, i);
        }
    }
}

// Marks the open elements open[keep..] as start tags without end tag. Their children become
// their following siblings under the container (the element that stays open at depth keep - 1,
// or the parse's parent), in document order; each element moves only once.
void CXmlDocument::CloseUnended(std::vector<uint32_t>& open, std::size_t keep, uint32_t iPosContainer,
                                int closeOffset) {
    if (open.size() <= keep)
        return;
    for (std::size_t k = open.size(); k-- > keep;) {
        ElemPos& e = m_aPos[open[k]];
        e.nFlags |= kUnended;
        e.nFlags &= ~kInnerError;
        e.nLength = e.nStartTagLen;
        e.nEndTagLen = 0;
        if (m_strResult.GetLength() < 1000) {
            std::wstring name(TagName(open[k]));
            AddResult(m_strResult, L"unended_start_tag", name.c_str(), 0, m_aPos[open[k]].nStart, closeOffset);
        }
    }
    m_aPos[0].nFlags |= kIllFormed;
    m_aPos[iPosContainer].nFlags |= kInnerError;

    std::vector<uint32_t> moved;
    for (std::size_t k = keep; k < open.size(); ++k) {
        for (uint32_t c = m_aPos[open[k]].iElemChild; c != 0; c = m_aPos[c].iElemNext)
            moved.push_back(c);
        m_aPos[open[k]].iElemChild = 0;
    }
    uint32_t prev = open[keep];  // the container's last child
    for (uint32_t c : moved) {
        ElemPos& e = m_aPos[c];
        e.iElemParent = iPosContainer;
        e.nFlags &= ~kFirstChild;
        e.iElemPrev = prev;
        m_aPos[prev].iElemNext = c;
        prev = c;
    }
    m_aPos[prev].iElemNext = 0;
    uint32_t first = m_aPos[iPosContainer].iElemChild;
    m_aPos[first].iElemPrev = prev;
}

uint32_t CXmlDocument::ParseElements(uint32_t iPosParent) {
    const wchar_t* text = m_strDoc.GetString();
    const int length = m_strDoc.GetLength();
    std::vector<uint32_t> open;
    open.reserve(7);
    // Depths on the open stack by tag name, so that an end tag finds its element without walking
    // the stack.
    std::unordered_map<std::wstring_view, std::vector<uint32_t>> depthsByName;
    auto popTo = [&](std::size_t keep) {
        while (open.size() > keep) {
            auto it = depthsByName.find(TagName(open.back()));
            if (it != depthsByName.end()) {
                it->second.pop_back();
                if (it->second.empty())
                    depthsByName.erase(it);
            }
            open.pop_back();
        }
    };
    uint32_t current = iPosParent;
    uint32_t first = 0;
    int offset = 0;
    while (true) {
        Token t = ReadToken(text, length, offset, &m_strResult);
        if (t.nType == -2)
            break;
        offset = t.nStart + t.nLength;
        if (t.nType == kNodeElement) {
            CheckCharacterReferences(t, current);
            uint32_t iPos = NewPos();
            ElemPos& e = m_aPos[iPos];
            e.nStart = t.nStart;
            e.nLength = t.nLength;
            e.nStartTagLen = t.nLength;
            e.nLevel = static_cast<uint32_t>(open.size());
            e.iElemParent = current;
            ElemPos& parent = m_aPos[current];
            if (parent.iElemChild == 0) {
                parent.iElemChild = iPos;
                e.nFlags |= kFirstChild;
                e.iElemPrev = iPos;
            } else {
                uint32_t firstChild = parent.iElemChild;
                uint32_t last = m_aPos[firstChild].iElemPrev;
                m_aPos[last].iElemNext = iPos;
                m_aPos[iPos].iElemPrev = last;
                m_aPos[firstChild].iElemPrev = iPos;
            }
            if (first == 0)
                first = iPos;
            if (!t.bEmptyElement) {
                depthsByName[std::wstring_view(text + t.nNameStart, static_cast<std::size_t>(t.nNameLength))]
                    .push_back(static_cast<uint32_t>(open.size()));
                open.push_back(iPos);
                current = iPos;
            }
        } else if (t.nType == kNodeEndTag) {
            std::wstring_view name(text + t.nNameStart, static_cast<std::size_t>(t.nNameLength));
            auto it = depthsByName.find(name);
            if (it != depthsByName.end() && !it->second.empty()) {
                std::size_t k = it->second.back();
                uint32_t iPos = open[k];
                ElemPos& e = m_aPos[iPos];
                e.nLength = offset - e.nStart;
                e.nEndTagLen = t.nLength;
                CloseUnended(open, k + 1, iPos, t.nStart + 1);
                popTo(k);
                current = m_aPos[iPos].iElemParent;
            } else {
                m_aPos[0].nFlags |= kIllFormed;
                m_aPos[current].nFlags |= kInnerError;
                if (m_strResult.GetLength() < 1000) {
                    std::wstring tagName(name);
                    AddResult(m_strResult, L"lone_end_tag", tagName.c_str(), 0, t.nStart);
                }
            }
        } else if (t.nType == -1) {
            m_aPos[0].nFlags |= kIllFormed;
            m_aPos[current].nFlags |= kInnerError;
        } else if (t.nType == kNodeText) {
            CheckCharacterReferences(t, current);
        }
    }
    CloseUnended(open, 0, iPosParent, length);
    popTo(0);
    return first;
}

void CXmlDocument::AddResult(CString& result, const wchar_t* event, const wchar_t* value, int flags, int number1,
                             int number2) {
    if (result.GetLength() >= 1000)
        return;
    CXmlDocument log(result.GetString());
    if (flags & kResultFind) {
        if (!log.FindElement(event))
            return;
    } else if (!log.AddElement(event, nullptr, kNoLines)) {
        return;
    }
    const int iPos = log.GetMainPos();
    if (value != nullptr) {
        const wchar_t* attr = (flags & kResultType)       ? L"type"
                              : (flags & kResultEncoding) ? L"encoding"
                              : (flags & kResultMsg)      ? L"msg"
                                                          : L"tagname";
        log.SetAttributeAt(iPos, attr, value);
    }
    CString number;
    number.Format(L"%d", number1);
    if (flags & kResultN)
        log.SetAttributeAt(iPos, L"n", number);
    else if (flags & kResultCount)
        log.SetAttributeAt(iPos, L"count", number);
    else if (flags & kResultLength)
        log.SetAttributeAt(iPos, L"length", number);
    else if (number1 != -1)
        log.SetAttributeAt(iPos, L"offset", number);
    if (number2 != -1) {
        number.Format(L"%d", number2);
        log.SetAttributeAt(iPos, L"offset2", number);
    }
    result = log.GetDoc();
}
