#pragma once
// CEntityComboBox: the entity chooser on the main toolbar. Closed it shows the document's
// current entity; open it lists the entities in four groups under headings, filtered by what
// the user types into a field laid over the box. The choice becomes the current entity when
// the list closes. It shows the current entity's information tip.
#include <vector>

#include "controls/entity_filter_edit.h"
#include "htmllite/html_tool_tip.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/image_list.h"
#include "platform/ui/message_map.h"

class CEntityComboBox : public CComboBox {
public:
    struct Entry {
        short parentKey = -1;
        short key = 0;
        unsigned char image = 0;
        unsigned char level = 0;
        int entityId = 0;
    };
    static constexpr int kFilterEditId = 1002;
    static constexpr int kHeadingImage = 11, kEmptyImage = 10;

    CEntityComboBox();

    void Filter();
    void Reset(int entityId);
    void OnDocumentUpdate(int kind);

    // Whether a name matches the filter text: everything for no text; for one character the
    // names that begin with it, for more the names that contain it, case ignored.
    static bool Matches(const CString& name, const CString& filter);

    const std::vector<Entry>& GetEntries() const { return m_entries; }
    CEntityFilterEdit& GetFilterEdit() { return m_filterEdit; }
    int GetRememberedId() const { return m_rememberedId; }

    BOOL PreTranslateMessage(MSG* msg) override;
    void DrawItem(LPDRAWITEMSTRUCT dis) override;
    void MeasureItem(LPMEASUREITEMSTRUCT mis) override;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    LRESULT OnFilterTyped(WPARAM, LPARAM);
    LRESULT OnApplyChoice(WPARAM, LPARAM);
    LRESULT OnClosedUp(WPARAM, LPARAM);
    void OnDropDown();
    void OnCloseUp();
    void OnSelChange();
    void OnSysColorChange();
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    DECLARE_MESSAGE_MAP()

private:
    int AddEntry(const CString& text, int image, int entityId, int parentIndex);
    void DeleteEntry(int index);
    void DeleteAll();
    int ChosenEntity();
    void ApplyChoice();
    void ReadColors();

    CEntityFilterEdit m_filterEdit;
    CImageList m_images;
    CHtmlToolTip m_toolTip;
    COLORREF m_background = 0, m_highlight = 0, m_text = 0, m_highlightText = 0, m_frame = 0;
    int m_rememberedId = 0;
    std::vector<Entry> m_entries;
};
