#include "htmllite/html_lite_drawer.h"

#include <algorithm>

#include "platform/core/mul_div.h"

namespace {

bool IsBreakChar(wchar_t c) {
    switch (c) {
    case L' ': case L'-': case L'.': case L',': case L'!': case L':': case L';':
    case L')': case L'}': case L']': case L'?':
        return true;
    default:
        return false;
    }
}

int CountSpaces(const CString& text) {
    return static_cast<int>(std::count(text.str().begin(), text.str().end(), L' '));
}

void ApplyTransform(CString& run, int transform) {
    switch (transform) {
    case 1: run.MakeUpper(); break;
    case 2: run.MakeLower(); break;
    case 3: {
        run.MakeLower();
        std::wstring& s = run.str();
        for (size_t i = 0; i < s.size(); ++i)
            if ((i == 0 || s[i - 1] == L' ') && s[i] >= L'a' && s[i] <= L'z') s[i] = static_cast<wchar_t>(s[i] - 32);
        break;
    }
    default: break;
    }
}

}  // namespace

CHtmlLiteDrawer::CHtmlLiteDrawer()
    : m_shadowColor(RGB(MulDiv(255, 50, 100), MulDiv(255, 50, 100), MulDiv(255, 50, 100))) {}

CHtmlLiteDrawer::~CHtmlLiteDrawer() {
    if (m_imageStrip) ::DeleteObject(m_imageStrip);
}

CSize CHtmlLiteDrawer::Measure(CDC* dc, const CString& html) {
    m_dc = dc;
    if (dc) dc->SetTextJustification(0, 0);
    m_text = m_markup.Preprocess(html, m_newlines != 0);
    if (m_text.IsEmpty() || !dc) {
        m_text.Empty();
        return CSize(0, 0);
    }
    m_measure = true;
    m_tables.clear();
    CSize size = DocumentPass(CRect(0, 0, m_maxWidth, 0));
    if (size.cx == 0 && size.cy == 0) {
        m_text.Empty();
        return size;
    }
    if (m_maxWidth > 0 && size.cx > m_maxWidth) size.cx = m_maxWidth;
    return CSize(size.cx + 1, size.cy + 1);
}

void CHtmlLiteDrawer::Render(const RECT& rc, CDC* dc) {
    if (m_text.IsEmpty() || !dc) return;
    m_measure = false;
    m_dc = dc;
    DocumentPass(CRect(rc));
}

int CHtmlLiteDrawer::Decide(int measured) {
    if (m_measure) {
        m_decisions.push_back(measured);
        return measured;
    }
    return m_decisionIndex < m_decisions.size() ? m_decisions[m_decisionIndex++] : measured;
}

std::vector<CHtmlLiteDrawer::Chunk> CHtmlLiteDrawer::SplitChunks(const CString& text) {
    std::vector<Chunk> chunks;
    const std::wstring& t = text.str();
    auto findOpen = [&t](size_t from) {
        size_t at = t.find(L"<table", from);
        while (at != std::wstring::npos && at > 0 && t[at - 1] == L'<') at = t.find(L"<table", at + 1);
        return at;
    };
    size_t pos = 0;
    while (pos < t.size()) {
        const size_t open = findOpen(pos);
        if (open == std::wstring::npos) {
            chunks.push_back({false, CString(t.substr(pos))});
            break;
        }
        if (open > pos) chunks.push_back({false, CString(t.substr(pos, open - pos))});
        // The matching end tag, counting nested tables.
        int depth = 1;
        size_t scan = open + 6;
        size_t end = t.size();
        while (depth > 0) {
            const size_t nextOpen = findOpen(scan);
            const size_t nextClose = t.find(L"</table>", scan);
            if (nextClose == std::wstring::npos) break;
            if (nextOpen != std::wstring::npos && nextOpen < nextClose) {
                ++depth;
                scan = nextOpen + 6;
            } else {
                --depth;
                scan = nextClose + 8;
                if (depth == 0) end = scan;
            }
        }
        chunks.push_back({true, CString(t.substr(open, end - open))});
        pos = end;
    }
    return chunks;
}

void CHtmlLiteDrawer::SetUnits() {
    m_values.m_fontHeight = m_tm.tmHeight;
    m_values.m_xWidth = m_dc->GetTextExtent(L"x", 1).cx;
    m_values.m_dpi = m_dc->GetDeviceCaps(LOGPIXELSY);
    if (m_values.m_dpi <= 0) m_values.m_dpi = 96;
}

void CHtmlLiteDrawer::ResetStyle() {
    m_style.Reset();
    m_styleSheet.ApplyRule(L"body", m_style, m_values);
}

void CHtmlLiteDrawer::SelectStyle() {
    // The font stays the stock variable-pitch font whatever the style says.
    m_dc->SetBkMode(m_style.m_backMode);
    m_dc->SetTextColor(m_style.m_textColor);
    m_dc->SetBkColor(m_style.m_backColor);
}

void CHtmlLiteDrawer::PushStyle(const CString& styleClass) {
    m_styleStack.push_back(m_style);
    m_styleStack.back().m_className = styleClass;
}

void CHtmlLiteDrawer::PopStyle(const CString& styleClass) {
    // A closing tag that does not match the top of the stack is ignored.
    if (m_styleStack.empty() || m_styleStack.back().m_className != styleClass) return;
    m_style = m_styleStack.back();
    m_styleStack.pop_back();
    SelectStyle();
}

CSize CHtmlLiteDrawer::DocumentPass(const CRect& rc) {
    if (m_measure) {
        m_lines.clear();
        m_animations.clear();
        m_decisions.clear();
    }
    // Link areas belong to the last drawing only.
    m_links.clear();
    m_decisionIndex = 0;
    m_lineCount = 0;
    m_tableNumber = -1;
    m_linkCounter = -1;
    m_animationCounter = -1;
    m_styleStack.clear();

    LOGFONT lf{};
    ::GetObject(::GetStockObject(ANSI_VAR_FONT), sizeof(lf), &lf);
    m_font.DeleteObject();
    m_font.CreateFontIndirect(&lf);
    m_oldFont = m_dc->SelectObject(&m_font);
    m_oldBkMode = m_dc->GetBkMode();
    m_oldTextColor = m_dc->GetTextColor();
    m_oldBkColor = m_dc->GetBkColor();
    m_dc->GetTextMetrics(&m_tm);
    SetUnits();
    ResetStyle();
    SelectStyle();

    CSize total(0, 0);
    CRect chunkRect = rc;
    for (const Chunk& chunk : SplitChunks(m_text)) {
        const CSize size = chunk.isTable ? Table(chunk.text, chunkRect) : Paragraph(chunk.text, chunkRect);
        total.cx = std::max(total.cx, size.cx);
        total.cy += size.cy;
        chunkRect.top += size.cy;
    }

    m_dc->SetBkMode(m_oldBkMode);
    m_dc->SetBkColor(m_oldBkColor);
    m_dc->SetTextColor(m_oldTextColor);
    if (m_oldFont) m_dc->SelectObject(m_oldFont);
    m_oldFont = nullptr;
    m_styleStack.clear();
    m_font.DeleteObject();
    return total;
}

CSize CHtmlLiteDrawer::Paragraph(const CString& chunk, const CRect& rc) {
    const CString text = L"<body>" + chunk + L"</body>";
    const size_t firstLine = m_lines.size();
    m_y = rc.top;
    m_widest = 0;
    BeginLine(rc);
    int pos = 0;
    HtmlLitePiece piece;
    while (CHtmlLiteMarkup::Next(text, pos, piece)) {
        if (piece.isTag)
            HandleTag(piece, rc);
        else
            TextRun(piece.text, rc);
    }
    if (m_x != m_lineStart) EndLine(1, false, rc);
    m_dc->SetTextJustification(0, 0);
    if (m_measure) {
        // Rules given in percent take their share of the widest line.
        const int widest = m_widest;
        for (size_t i = firstLine; i < m_lines.size(); ++i) {
            const int width = m_lines[i].width + MulDiv(widest, m_lines[i].percentage, 100);
            if (width >= m_widest) m_widest = width;
        }
    }
    return CSize(m_widest, m_y - rc.top);
}

void CHtmlLiteDrawer::HandleTag(const HtmlLitePiece& tag, const CRect& rc) {
    const HtmlLiteTagInfo info = m_markup.FindTag(tag.name);
    if (info.kind == HL_TAG_UNKNOWN) return;
    if (tag.closing) {
        if (!info.styleClass.IsEmpty()) PopStyle(info.styleClass);
        return;
    }
    const HtmlLiteAttributes attributes = CHtmlLiteMarkup::ParseAttributes(tag.rest);
    if (!info.styleClass.IsEmpty()) {
        PushStyle(info.styleClass);
        m_markup.ApplyOpeningTag(info.kind, tag.name, attributes, m_style, m_values, m_styleSheet);
        if (info.kind == HL_TAG_LINK) {
            ++m_linkCounter;
            m_styleSheet.ApplyRule(m_linkCounter == m_hoverLink ? L"a:hover" : L"a:link", m_style, m_values);
        }
        SelectStyle();
        return;
    }
    switch (info.kind) {
    case HL_TAG_HR: Rule(attributes, rc); break;
    case HL_TAG_BR: EndLine(CHtmlLiteMarkup::TagCount(tag), false, rc); break;
    case HL_TAG_TAB: Tab(CHtmlLiteMarkup::TagCount(tag), rc); break;
    case HL_TAG_STRING: StringObject(attributes); break;
    case HL_TAG_BMP:
    case HL_TAG_ICON:
    case HL_TAG_ILST: Image(info.kind, attributes, rc); break;
    default: break;
    }
}

void CHtmlLiteDrawer::BeginLine(const CRect& rc) {
    m_line = CHtmlLiteLine{};
    m_x = rc.left;
    m_freeWidth = 0;
    m_spacesLeft = 0;
    m_ruleExtra = 0;
    if (m_measure) {
        m_line.align = m_style.m_hAlign;
    } else {
        if (m_lineCount < static_cast<int>(m_lines.size())) m_line = m_lines[m_lineCount];
        const int room = rc.Width();
        int width = m_line.width;
        if (m_line.percentage) width += room * m_line.percentage / 100;
        if (m_line.align == HL_ALIGN_JUSTIFY && m_line.continued) {
            m_freeWidth = std::max(0, room - width);
            m_spacesLeft = m_line.spaces;
        }
        if (m_line.align == HL_ALIGN_CENTER)
            m_x = rc.left + (room - width) / 2;
        else if (m_line.align == HL_ALIGN_RIGHT)
            m_x = rc.left + room - width;
        m_contentLeft = width;
    }
    m_lineStart = m_x;
}

void CHtmlLiteDrawer::EndLine(int count, bool continued, const CRect& rc) {
    if (m_measure) {
        if (m_line.height == 0) m_line.height = m_tm.tmHeight;
        m_widest = std::max(m_widest, m_x - m_lineStart);
        m_line.width = m_x - m_lineStart;
        m_line.height += m_line.descent;
        m_line.continued = continued ? 1 : 0;
        m_lines.push_back(m_line);
    }
    ++m_lineCount;
    m_y += std::max(count, 1) * m_line.height;
    BeginLine(rc);
}

int CHtmlLiteDrawer::TextPosition(int height) {
    if (m_measure) {
        m_line.descent = std::max<int>(m_line.descent, height - m_tm.tmAscent);
        m_line.height = std::max<int>(m_line.height, m_tm.tmAscent);
        return m_y;
    }
    switch (m_style.m_vAlign) {
    case HL_VALIGN_TOP: return m_y;
    case HL_VALIGN_MIDDLE: return m_y + (m_line.height - m_tm.tmHeight) / 2;
    case HL_VALIGN_BOTTOM: return m_y + m_line.height - m_tm.tmAscent;
    default: return m_y + m_line.height - m_tm.tmAscent - m_line.descent;
    }
}

int CHtmlLiteDrawer::ObjectPosition(int height) {
    if (m_measure) {
        m_line.height = std::max(m_line.height, height);
        return m_y;
    }
    switch (m_style.m_vAlign) {
    case HL_VALIGN_TOP: return m_y;
    case HL_VALIGN_MIDDLE: return m_y + (m_line.height - height) / 2;
    case HL_VALIGN_BOTTOM: return m_y + m_line.height - height;
    default: return m_y + m_line.height - m_line.descent - height;
    }
}

void CHtmlLiteDrawer::TextRun(CString run, const CRect& rc) {
    ApplyTransform(run, m_style.m_textTransform);
    while (!run.IsEmpty()) {
        m_dc->SetTextJustification(0, 0);
        const CSize extent = m_dc->GetTextExtent(run);
        const int y = TextPosition(extent.cy);

        // How much of the run fits on this line: measured once, replayed by renders.
        int partLength = run.GetLength();
        int restStart = -1;
        const int room = rc.right - m_x;
        if (m_measure && m_maxWidth > 0 && rc.Width() > 0 && extent.cx > room) {
            int best = 0;
            for (int i = 0; i < run.GetLength(); ++i) {
                if (!IsBreakChar(run[i])) continue;
                if (m_dc->GetTextExtent(run.GetString(), i + 1).cx > room) break;
                best = i + 1;
            }
            if (best > 0) {
                partLength = best;
                restStart = best;
                while (partLength > 0 && run[partLength - 1] == L' ') --partLength;
                while (restStart < run.GetLength() && run[restStart] == L' ') ++restStart;
            } else if (m_x == m_lineStart) {
                int n = 1;
                while (n < run.GetLength() && m_dc->GetTextExtent(run.GetString(), n + 1).cx <= room) ++n;
                partLength = n;
                restStart = n;
            } else {
                partLength = 0;
                restStart = 0;
            }
        }
        partLength = Decide(partLength);
        restStart = Decide(restStart);

        CString part = run.Left(partLength);
        int width = m_dc->GetTextExtent(part).cx;
        if (m_measure) {
            m_line.align = m_style.m_hAlign;
            m_line.spaces += CountSpaces(part);
        } else if (width > 0) {
            // Trailing spaces at the very end of the line are not spread or drawn.
            if (width == m_contentLeft && part[part.GetLength() - 1] == L' ') {
                const int spaces = CountSpaces(part);
                part.TrimRight(L' ');
                m_spacesLeft -= spaces - CountSpaces(part);
            }
            m_contentLeft -= width;
            const int partSpaces = CountSpaces(part);
            if (m_freeWidth > 0 && m_spacesLeft > 0 && partSpaces > 0) {
                const int extra = m_freeWidth * partSpaces / m_spacesLeft;
                m_dc->SetTextJustification(extra, partSpaces);
                m_freeWidth -= extra;
                m_spacesLeft -= partSpaces;
            }
            width = m_dc->GetTextExtent(part).cx;
            AddLinkArea(m_x, y, width, extent.cy);
            m_dc->TextOut(m_x, y, part);
            if (m_style.m_overline)
                m_dc->FillSolidRect(m_x, y, width, m_style.m_weight >= 700 ? 2 : 1, m_style.m_textColor);
            m_dc->SetTextJustification(0, 0);
        }
        m_x += width;
        if (restStart < 0) break;
        EndLine(1, true, rc);
        run = run.Mid(restStart);
    }
}

void CHtmlLiteDrawer::AddLinkArea(int x, int y, int width, int height) {
    if (m_measure || m_style.m_linkKind == 0) return;
    CHtmlLiteLink link;
    link.rect = CRect(x, y, x + width, y + height);
    link.kind = m_style.m_linkKind;
    link.number = m_linkCounter;
    link.target = m_style.m_linkTarget;
    m_links.push_back(link);
}
