#include "dialogs/absence_wzd_entities.h"

#include "controls/app_document.h"
#include "dialogs/absence_wzd_dlg.h"
#include "model/schedule_data.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/common_control_defs.h"
#include "platform/ui/data_exchange.h"
#include "resource_ids.h"

namespace {
constexpr int kTreeId = 1066, kGroupImage = 8;
}

CWzdPageAbsenceEntities::CWzdPageAbsenceEntities(std::vector<int>* ids, CWnd* pParentWnd)
    : CWizardPage(pParentWnd, IDD_WZD_ABSENCE_ENTITIES), entityIds(ids) {}

void CWzdPageAbsenceEntities::DoDataExchange(CDataExchange* pDX) {
    CWizardPage::DoDataExchange(pDX);
    DDX_Control(pDX, kTreeId, m_tree);
}

BOOL CWzdPageAbsenceEntities::OnInitDialog() {
    CWizardPage::OnInitDialog();
    m_images.Create(IDB_ENTITY_TYPES, 16, 1, RGB(255, 0, 255));
    m_tree.SetImageList(&m_images, TVSIL_NORMAL);
    FillTree();
    CAbsenceWzdDlg::LayoutListPage(*this, kTreeId, 8, 10);
    return TRUE;
}

void CWzdPageAbsenceEntities::FillTree() {
    m_tree.DeleteAllItems();
    const UINT groupTexts[2] = {IDS_CONTACTS_CLASSES, IDS_CONTACTS_STAFF};
    for (int g = 0; g < 2; ++g) {
        m_hGroups[g] = m_tree.InsertItem(LoadResString(groupTexts[g]), kGroupImage, kGroupImage);
        m_tree.SetItemData(m_hGroups[g], 0);
    }
    const CScheduleData* data = GetAppDocument();
    if (!data) return;
    for (const CEntity& entity : data->m_arrEntities) {
        if (entity.m_nId == data->m_nCurrentEntity) continue;
        if (entity.m_nType < 0 || entity.m_nType > 2) continue;
        HTREEITEM parent = m_hGroups[entity.m_nType == 0 ? 0 : 1];
        HTREEITEM item = m_tree.InsertItem(entity.m_strName, entity.m_nType, entity.m_nType, parent);
        m_tree.SetItemData(item, static_cast<DWORD_PTR>(entity.m_nId));
    }
    for (HTREEITEM group : m_hGroups) m_tree.Expand(group, TVE_EXPAND);
}

void CWzdPageAbsenceEntities::ReadTicks() {
    if (!entityIds) return;
    entityIds->clear();
    if (const CScheduleData* data = GetAppDocument()) entityIds->push_back(data->m_nCurrentEntity);
    for (HTREEITEM group : m_hGroups)
        for (HTREEITEM item = group ? m_tree.GetChildItem(group) : nullptr; item; item = m_tree.GetNextSiblingItem(item))
            if (m_tree.GetCheck(item)) entityIds->push_back(static_cast<int>(m_tree.GetItemData(item)));
}

int CWzdPageAbsenceEntities::OnWizardNext() {
    ReadTicks();
    return 0;
}

BOOL CWzdPageAbsenceEntities::OnWizardFinish() {
    ReadTicks();
    return TRUE;
}
