// CXmlDocument: editing. Each edit splices the text once and patches the index: the elements
// after the splice move, the enclosing elements grow. Elements after the splice are found through
// the links (following siblings of the element and of its ancestors), so adding at the end of a
// document touches only the chain of ancestors and the text tail.
#include <string>

#include "model/xml_document.h"

namespace {

bool IsSpace(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r'; }

}  // namespace

void CXmlDocument::Reserve(std::size_t textLength, std::size_t elements) {
    m_strDoc.str().reserve(textLength);
    // Element 0 stands for the document itself.
    m_aPos.reserve(elements + 1);
}

void CXmlDocument::Splice(int offset, int removeLength, const std::wstring& insert) {
    m_strDoc.str().replace(static_cast<std::size_t>(offset), static_cast<std::size_t>(removeLength), insert);
}

// Moves every element that follows iPos in the text (and, with includeDescendants, the elements
// inside iPos) by delta.
void CXmlDocument::ShiftLater(uint32_t iPos, int delta, bool includeDescendants) {
    if (delta == 0)
        return;
    auto shiftSubtree = [&](uint32_t root) {
        uint32_t n = root;
        while (true) {
            m_aPos[n].nStart += delta;
            if (m_aPos[n].iElemChild) {
                n = m_aPos[n].iElemChild;
                continue;
            }
            while (n != root && m_aPos[n].iElemNext == 0)
                n = m_aPos[n].iElemParent;
            if (n == root)
                break;
            n = m_aPos[n].iElemNext;
        }
    };
    if (includeDescendants)
        for (uint32_t c = m_aPos[iPos].iElemChild; c != 0; c = m_aPos[c].iElemNext)
            shiftSubtree(c);
    for (uint32_t n = iPos; n != 0; n = m_aPos[n].iElemParent)
        for (uint32_t s = m_aPos[n].iElemNext; s != 0; s = m_aPos[s].iElemNext)
            shiftSubtree(s);
}

// Grows iPos and every element around it, up to the document record, by delta.
void CXmlDocument::GrowAncestors(uint32_t iPos, int delta) {
    for (uint32_t n = iPos;; n = m_aPos[n].iElemParent) {
        m_aPos[n].nLength += delta;
        if (n == 0)
            break;
    }
}

// Adds an element under iPosParent: after iPosAfter (or as the last child when it is 0), or with
// kInsertBefore before it (or as the first child). Returns the new element, 0 when refused.
uint32_t CXmlDocument::AddElementAt(uint32_t iPosParent, uint32_t iPosAfter, const wchar_t* name,
                                    const wchar_t* text, int flags) {
    const bool noLines = (flags & kNoLines) != 0;
    const bool before = (flags & kInsertBefore) != 0;
    const std::wstring tagName(name);
    const int nameLength = static_cast<int>(tagName.size());

    // The element text.
    std::wstring elem = L"<" + tagName;
    int startTagLen = 0;
    int endTagLen = 0;
    bool unended = false;
    if (text != nullptr && *text != 0) {
        elem += L'>';
        if (flags & kWithCData)
            AppendCDataSection(elem, text);
        else
            elem += EscapeText(text, flags).str();
        elem += L"</" + tagName + L">";
        startTagLen = nameLength + 2;
        endTagLen = nameLength + 3;
    } else if (flags & kStartTagOnly) {
        elem += L'>';
        startTagLen = nameLength + 2;
        unended = true;
    } else {
        elem += (flags & kSpaceEmpty) ? L" />" : L"/>";
        startTagLen = static_cast<int>(elem.size());
    }
    const int elemLength = static_cast<int>(elem.size());
    if (!noLines)
        elem += L"\r\n";

    const wchar_t* doc = m_strDoc.GetString();
    const int docLength = m_strDoc.GetLength();
    ElemPos& parent = m_aPos[iPosParent];

    // Where the text goes, and what the parent's tags become when it has to be opened.
    int insertAt = -1;
    int removeLength = 0;
    std::wstring insert;
    int elemOffset = 0;  // offset of the new element inside insert
    bool openParent = false;
    if (iPosAfter != 0) {
        const ElemPos& after = m_aPos[iPosAfter];
        if (before) {
            insertAt = after.nStart;
        } else {
            insertAt = after.nStart + after.nLength;
            if (!noLines) {
                int i = insertAt;
                while (i < docLength && IsSpace(doc[i]))
                    ++i;
                if (i >= docLength || doc[i] == L'<')
                    insertAt = i;
            }
        }
        insert = elem;
    } else if (iPosParent == 0) {
        // Top level: before the first element, or at the end of the text.
        uint32_t first = parent.iElemChild;
        insertAt = (before && first != 0) ? m_aPos[first].nStart : docLength;
        insert = elem;
    } else if ((parent.nFlags & kUnended) || parent.IsEmptyElement()) {
        openParent = true;
        std::wstring parentName(TagName(iPosParent));
        const std::wstring lineBreak = noLines ? L"" : L"\r\n";
        if (parent.nFlags & kUnended) {
            insertAt = parent.nStart + parent.nStartTagLen;
            insert = lineBreak;
        } else {
            // "/>" becomes ">" ... "</name>".
            insertAt = parent.nStart + parent.nStartTagLen - 2;
            removeLength = 2;
            insert = L">" + lineBreak;
        }
        elemOffset = static_cast<int>(insert.size());
        insert += elem + L"</" + parentName + L">";
    } else if (parent.ContentLength() == 0) {
        insertAt = parent.ContentStart();
        insert = noLines ? elem : L"\r\n" + elem;
        elemOffset = noLines ? 0 : 2;
    } else if (before) {
        // First child of a parent with content: after the line break that follows the start tag.
        insertAt = parent.ContentStart();
        if (!noLines) {
            int i = insertAt;
            const int contentEnd = parent.ContentStart() + parent.ContentLength();
            while (i < contentEnd && IsSpace(doc[i]))
                ++i;
            if (i < contentEnd && doc[i] == L'<')
                insertAt = i;
        }
        insert = elem;
    } else {
        insertAt = parent.nStart + parent.nLength - parent.nEndTagLen;
        insert = elem;
    }

    const int delta = static_cast<int>(insert.size()) - removeLength;
    Splice(insertAt, removeLength, insert);

    const uint32_t iPos = NewPos();
    ElemPos& e = m_aPos[iPos];
    ElemPos& p = m_aPos[iPosParent];
    e.nStart = insertAt + elemOffset;
    e.nLength = elemLength;
    e.nStartTagLen = startTagLen;
    e.nEndTagLen = endTagLen;
    e.nLevel = iPosParent ? p.nLevel + 1 : 0;
    e.iElemParent = iPosParent;
    if (unended)
        e.nFlags |= kUnended;

    // Links.
    uint32_t first = p.iElemChild;
    if (first == 0) {
        p.iElemChild = iPos;
        e.nFlags |= kFirstChild;
        e.iElemPrev = iPos;
    } else if (before) {
        uint32_t next = iPosAfter ? iPosAfter : first;
        ElemPos& n = m_aPos[next];
        if (n.nFlags & kFirstChild) {
            e.iElemPrev = n.iElemPrev;
            n.nFlags &= ~kFirstChild;
            e.nFlags |= kFirstChild;
            p.iElemChild = iPos;
        } else {
            e.iElemPrev = n.iElemPrev;
            m_aPos[n.iElemPrev].iElemNext = iPos;
        }
        n.iElemPrev = iPos;
        e.iElemNext = next;
    } else {
        uint32_t prev = iPosAfter ? iPosAfter : m_aPos[first].iElemPrev;
        ElemPos& pr = m_aPos[prev];
        e.iElemPrev = prev;
        e.iElemNext = pr.iElemNext;
        if (pr.iElemNext)
            m_aPos[pr.iElemNext].iElemPrev = iPos;
        else
            m_aPos[first].iElemPrev = iPos;
        pr.iElemNext = iPos;
    }

    if (openParent) {
        ElemPos& op = m_aPos[iPosParent];
        const int parentNameLength = static_cast<int>(TagName(iPosParent).size());
        if (!(op.nFlags & kUnended))
            op.nStartTagLen -= 1;
        op.nFlags &= ~kUnended;
        op.nEndTagLen = parentNameLength + 3;
    }
    ShiftLater(iPos, delta, false);
    GrowAncestors(iPosParent, delta);
    return iPos;
}

bool CXmlDocument::AddElement(const wchar_t* name, const wchar_t* text, int flags) {
    if (name == nullptr || *name == 0)
        return false;
    if ((flags & kStartTagOnly) && text != nullptr && *text != 0)
        return false;
    if (m_aPos.empty())
        m_aPos.resize(8);
    if (flags & kAddChild) {
        if (m_iPos == 0)
            return false;
        uint32_t iPos = AddElementAt(m_iPos, m_iPosChild, name, text, flags);
        if (iPos == 0)
            return false;
        SetPositions(m_iPosParent, m_iPos, iPos);
        return true;
    }
    uint32_t iPos = AddElementAt(m_iPosParent, m_iPos, name, text, flags);
    if (iPos == 0)
        return false;
    SetPositions(m_iPosParent, iPos, 0);
    return true;
}

bool CXmlDocument::SetAttributeAt(int iPos, const wchar_t* name, const wchar_t* value, int flags) {
    if (m_nNodeType != kNodeElement || !IsValidPos(iPos) || name == nullptr || *name == 0)
        return false;
    const uint32_t i = static_cast<uint32_t>(iPos);
    const std::wstring escaped = EscapeText(value ? value : L"", flags | kEscapeQuotes).str();
    const ElemPos& e = m_aPos[i];
    const int attrStart = e.nStart + 1 + static_cast<int>(TagName(i).size());
    AttrPos attr;
    int insertAt = 0;
    int offset = 0;
    int removeLength = 0;
    std::wstring insert;
    if (FindAttribute(m_strDoc.GetString(), e.nStart, e.nStartTagLen, attrStart, name, attr, insertAt)) {
        if (attr.nValueStart < 0) {
            offset = attr.nNameStart + attr.nNameLength;
            insert = L"=\"" + escaped + L"\"";
        } else {
            offset = attr.bQuoted ? attr.nValueStart - 1 : attr.nValueStart;
            removeLength = attr.nValueLength + (attr.bQuoted ? 2 : 0);
            // A value whose closing quote is missing ends at the tag's end; keep the tag's '>'.
            if (offset + removeLength > e.nStart + e.nStartTagLen - 1)
                removeLength = e.nStart + e.nStartTagLen - 1 - offset;
            insert = L"\"" + escaped + L"\"";
        }
    } else {
        offset = insertAt;
        insert = L" " + std::wstring(name) + L"=\"" + escaped + L"\"";
    }
    const int delta = static_cast<int>(insert.size()) - removeLength;
    Splice(offset, removeLength, insert);
    ElemPos& changed = m_aPos[i];
    changed.nStartTagLen += delta;
    ShiftLater(i, delta, true);
    GrowAncestors(i, delta);
    return true;
}

bool CXmlDocument::SetTextAt(int iPos, const wchar_t* text, int flags) {
    if (!IsValidPos(iPos))
        return false;
    const uint32_t i = static_cast<uint32_t>(iPos);
    if (m_aPos[i].iElemChild != 0)
        return false;
    std::wstring content;
    if (flags & kWithCData)
        AppendCDataSection(content, text);
    else
        content = EscapeText(text ? text : L"", flags).str();

    ElemPos& e = m_aPos[i];
    const std::wstring name(TagName(i));
    int offset = 0;
    int removeLength = 0;
    std::wstring insert;
    if (e.nFlags & kUnended) {
        offset = e.nStart + e.nStartTagLen;
        insert = content + L"</" + name + L">";
    } else if (e.IsEmptyElement()) {
        offset = e.nStart + e.nStartTagLen - 2;
        removeLength = 2;
        insert = L">" + content + L"</" + name + L">";
    } else {
        offset = e.ContentStart();
        removeLength = e.ContentLength();
        insert = content;
    }
    const int delta = static_cast<int>(insert.size()) - removeLength;
    Splice(offset, removeLength, insert);
    if (e.nFlags & kUnended) {
        e.nFlags &= ~kUnended;
        e.nEndTagLen = static_cast<int>(name.size()) + 3;
    } else if (e.IsEmptyElement()) {
        e.nStartTagLen -= 1;
        e.nEndTagLen = static_cast<int>(name.size()) + 3;
    }
    e.nFlags &= ~kInnerError;
    ShiftLater(i, delta, false);
    GrowAncestors(i, delta);
    return true;
}

bool CXmlDocument::LoadFile(const CString& path) {
    bool read = ReadFileText(nullptr, path, m_strDoc, &m_strResult, &m_nDocFlags);
    bool parsed = ParseDocument();
    return read && parsed;
}
