#include "app/wizard_page_layout.h"

#include "platform/ui/wnd.h"

namespace {
constexpr int kPlaceholderId = 1280, kSideId = 1043;
}

CWizardPageLayout CWizardPageLayout::Of(CWnd* wizard) {
    CWizardPageLayout layout;
    CWnd* placeholder = wizard ? wizard->GetDlgItem(kPlaceholderId) : nullptr;
    if (!placeholder) return layout;
    CRect rect;
    placeholder->GetClientRect(&rect);
    layout.left = rect.left;
    layout.top = rect.top;
    layout.right = rect.right;
    layout.bottom = rect.bottom;
    return layout;
}

void CWizardPageLayout::PlaceSideAndPage(CWnd* page) const {
    MoveControl(page, kSideId, left, top, W() / 3, H());
    CWnd* wizard = page->GetParent();
    CWnd* placeholder = wizard ? wizard->GetDlgItem(kPlaceholderId) : nullptr;
    if (!placeholder) return;
    CRect rect;
    placeholder->GetWindowRect(&rect);
    wizard->ScreenToClient(&rect);
    page->MoveWindow(&rect);
}

void MoveControl(CWnd* parent, int id, int x, int y, int width, int height) {
    if (CWnd* control = parent->GetDlgItem(id)) control->MoveWindow(x, y, width, height);
}
