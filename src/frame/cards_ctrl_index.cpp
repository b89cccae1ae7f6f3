#include "frame/cards_ctrl_index.h"

#include <algorithm>

#include "frame/cards_ctrl.h"
#include "platform/core/load_res_string.h"
#include "platform/core/window_styles.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/dc.h"
#include "resource_ids.h"

std::vector<CIndexRow> GroupIndexRows(const CString& alphabet, int rowsThatFit) {
    std::vector<CIndexRow> rows;
    const int n = alphabet.GetLength();
    const int rowCount = std::min(n, rowsThatFit);
    int used = 0;
    for (int row = 0; row < rowCount && used < n; ++row) {
        const int left = n - used;
        const int r = rowCount - row;
        int g = 1;
        if (r < left) {
            g = 2;
            while (left / g > r) ++g;
        }
        g = std::min(g, left);
        CIndexRow entry{used, g, CString()};
        if (g > 2) {
            const int next = std::min(used + g, n - 1);
            entry.caption.Format(L"%c-%c", alphabet[used], alphabet[next]);
        } else {
            entry.caption = alphabet.Mid(used, g);
        }
        used += g;
        rows.push_back(entry);
    }
    if (!rows.empty() && n > 0) {
        CString& last = rows.back().caption;
        if (!last.IsEmpty() && last[last.GetLength() - 1] != alphabet[n - 1])
            last = last.Left(last.GetLength() - 1) + CString(alphabet[n - 1]);
    }
    return rows;
}

BEGIN_MESSAGE_MAP(CCardsCtrlIndex, CWnd)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CCardsCtrlIndex::CCardsCtrlIndex() {
    m_strAlphabet = LoadResString(IDS_CARD_ALPHABET);
    if (!m_strAlphabet.IsEmpty()) m_cLetter = m_strAlphabet[0];
}

CSize CCardsCtrlIndex::GetCellSize(CDC* dc) const {
    const CSize text = dc->GetTextExtent(CString(L" WWW "));
    return CSize(text.cx + 3, text.cy + 5);
}

std::vector<CIndexRow> CCardsCtrlIndex::Rows() const {
    CClientDC dc(const_cast<CCardsCtrlIndex*>(this));
    auto* control = dynamic_cast<CCardsCtrl*>(GetParent());
    CFont* old = control && control->m_font.GetSafeHandle() ? dc.SelectObject(&control->m_font) : nullptr;
    const CSize cell = GetCellSize(&dc);
    if (old) dc.SelectObject(old);
    CRect client;
    GetClientRect(&client);
    return GroupIndexRows(m_strAlphabet, cell.cy > 0 ? client.Height() / cell.cy : 0);
}

void CCardsCtrlIndex::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
    auto* control = dynamic_cast<CCardsCtrl*>(GetParent());
    CFont* old = control && control->m_font.GetSafeHandle() ? dc.SelectObject(&control->m_font) : nullptr;
    const CSize cell = GetCellSize(&dc);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetSysColor(COLOR_BTNTEXT));
    int y = 0;
    for (const CIndexRow& row : Rows()) {
        CRect rect(0, y, client.right, y + cell.cy);
        rect.DeflateRect(2, 2);
        const wchar_t first = row.caption[0], last = row.caption[row.caption.GetLength() - 1];
        const bool pressed = m_cLetter >= first && m_cLetter <= last;
        if (pressed)
            dc.Draw3dRect(&rect, RGB(128, 128, 128), RGB(255, 255, 255));
        else
            dc.Draw3dRect(&rect, RGB(255, 255, 255), RGB(128, 128, 128));
        dc.DrawText(row.caption, &rect, DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        y += cell.cy;
    }
    if (old) dc.SelectObject(old);
}

void CCardsCtrlIndex::OnLButtonDown(UINT, CPoint point) {
    CClientDC dc(this);
    auto* control = dynamic_cast<CCardsCtrl*>(GetParent());
    CFont* old = control && control->m_font.GetSafeHandle() ? dc.SelectObject(&control->m_font) : nullptr;
    const CSize cell = GetCellSize(&dc);
    if (old) dc.SelectObject(old);
    const std::vector<CIndexRow> rows = Rows();
    if (rows.empty() || cell.cy <= 0) return;
    const int row = std::clamp(static_cast<int>(point.y / cell.cy), 0, static_cast<int>(rows.size()) - 1);
    m_cLetter = m_strAlphabet[std::min(rows[row].first, m_strAlphabet.GetLength() - 1)];
    if (CWnd* parent = GetParent()) parent->SendMessage(kLetterClicked, 0, 0);
    Invalidate();
}
