#pragma once
// CDayScheduleCtrl: one day as a vertical time grid, cut into consecutive intervals (lessons and
// breaks) that the user moves, splits, merges and labels with the mouse. The owner loads and
// reads the intervals through the model; the control does not report changes.
#include "dialogs/day_schedule_model.h"
#include "platform/core/cstring.h"
#include "platform/ui/font.h"
#include "platform/ui/icon.h"
#include "platform/ui/message_map.h"
#include "platform/ui/scroll_bar.h"
#include "platform/ui/wnd.h"

class CDC;

class CDayScheduleCtrl : public CWnd {
public:
    static constexpr UINT kControlId = 101;
    static constexpr int kStripWidth = 14;
    static constexpr int kDragBandRoom = 20;

    CDayScheduleCtrl();
    ~CDayScheduleCtrl() override;

    void AddInterval(int minutes, const CString& label) { m_model.AddInterval(minutes, label); }
    void GetLessonList(std::vector<CString>& lines) const { m_model.GetLessonList(lines); }
    void StoreInChimeSet(CChimeSet& set) const { m_model.StoreInChimeSet(set); }

    // The commands the owners forward (their OnCmdMsg offers every command to the control).
    void ZoomIn();
    void ZoomOut();
    void SplitSelected();
    void DeleteSelected();
    void EditSelectedLabel();

    // Recomputes the scroll bar's range and page for the current intervals.
    void UpdateScrollBar();
    // Where the boundary markers and the interval bodies are for the current scroll and zoom;
    // painting and the mouse's hit tests both use it.
    void Layout();
    // Closes the process-wide label editor when it is open.
    static void CloseEditor();

    // Geometry: the time column, the marker strip and the body area in client coordinates.
    int TimeColumnRight() const { return static_cast<int>(55 * m_dScale); }
    int StripRight() const { return TimeColumnRight() + kStripWidth; }
    int BodyRight() const;

    CDayScheduleModel m_model;  // intervals, day start, scroll offset, zoom, row height
    double m_dScale = 1.0;
    CPoint m_ptPress;
    CPoint m_ptDrag;
    int m_bButtonDown = 0;
    int m_bAtBoundary = 0;
    CScrollBar m_scrollBar;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnPaint();
    void OnSize(UINT type, int cx, int cy);
    void OnVScroll(UINT code, UINT pos, CScrollBar* bar);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    void OnEndLabelEdit(NMHDR* hdr, LRESULT* result);
    DECLARE_MESSAGE_MAP()

private:
    void PaintTimeColumn(CDC& dc, const CRect& client);
    void PaintMarkerStrip(CDC& dc, const CRect& client);
    void PaintBodies(CDC& dc, const CRect& client);
    void StartLabelEdit(int index);

    CFont m_hourFont;
    CFont m_smallFont;
    HICON m_hEndIcon = nullptr;
    HICON m_hMarkerIcon = nullptr;
    int m_nEditedSerial = 0;  // the interval the label editor was opened on; 0 none
};
