#include "controls/option_tree_info.h"

#include "controls/option_tree.h"
#include "platform/core/colors.h"
#include "platform/core/load_res_string.h"
#include "controls/buffered_paint_dc.h"
#include "resource_ids.h"

BEGIN_MESSAGE_MAP(COptionTreeInfo, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

BOOL COptionTreeInfo::Create(const RECT& rect, CWnd* pParent, UINT nID) {
    return CWnd::Create(nullptr, L"", WS_CHILD | WS_VISIBLE, rect, pParent, nID);
}

void COptionTreeInfo::GetTexts(CString& title, CString& body) const {
    title.Empty();
    body.Empty();
    if (!m_pTree) return;
    if (COptionTreeItem* item = m_pTree->GetSelectedItem()) {
        title = item->GetLabel();
        body = item->GetInfoText();
    } else if (m_pTree->GetOptions() & OT_OPTIONS_DEFINFOTEXTNOSEL) {
        title = LoadResString(IDS_OPTION_TREE_NO_SELECTION_TITLE);
        body = LoadResString(IDS_OPTION_TREE_NO_SELECTION_TEXT);
    }
}

BOOL COptionTreeInfo::OnEraseBkgnd(CDC*) { return TRUE; }

void COptionTreeInfo::OnPaint() {
    CBufferedPaintDC dc(this);
    const CRect client = dc.Client();

    dc.FillSolidRect(&client, ::GetSysColor(COLOR_BTNFACE));
    CRect edge = client;
    dc.DrawEdge(&edge, BDR_SUNKENOUTER, BF_RECT);
    CRect text = client;
    text.DeflateRect(4, 4);
    const bool enabled = m_pTree && m_pTree->IsWindowEnabled();
    dc.SetTextColor(::GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    dc.SetBkMode(TRANSPARENT);
    CString title, body;
    GetTexts(title, body);
    CFont* oldFont = dc.SelectObject(COptionTree::BoldFont());
    CRect titleRect = text;
    dc.DrawText(title, &titleRect, DT_SINGLELINE | DT_CALCRECT);
    dc.DrawText(title, &titleRect, DT_SINGLELINE);
    dc.SelectObject(COptionTree::NormalFont());
    CRect bodyRect(text.left, titleRect.bottom, text.right, text.bottom);
    dc.DrawText(body, &bodyRect, DT_WORDBREAK);
    dc.SelectObject(oldFont);
}
