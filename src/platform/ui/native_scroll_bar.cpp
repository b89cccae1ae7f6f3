// The "SCROLLBAR" control over QScrollBar: SBS_HORZ or SBS_VERT, reporting to its parent with
// WM_HSCROLL or WM_VSCROLL and itself as the long parameter.
#include <QScrollBar>

#include <algorithm>

#include "platform/ui/control_defs.h"
#include "platform/ui/native_control.h"
#include "platform/ui/window_api.h"
#include "platform/ui/window_record.h"

namespace vorn_ui {

namespace {

class ScrollBarControl : public CNativeControl {
public:
    explicit ScrollBarControl(HWND h) : CNativeControl(h) {
        m_bar = new QScrollBar((Style() & SBS_VERT) ? Qt::Vertical : Qt::Horizontal);
        m_bar->setFocusPolicy(Qt::NoFocus);
        m_info = SCROLLINFO{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
        Apply();
        QObject::connect(m_bar, &QAbstractSlider::actionTriggered, this, [this](int action) {
            if (m_updating) return;
            if (ArrowDisabled(action)) action = QAbstractSlider::SliderNoAction;
            switch (action) {
            case QAbstractSlider::SliderSingleStepAdd: Report(SB_LINEDOWN, 0); break;
            case QAbstractSlider::SliderSingleStepSub: Report(SB_LINEUP, 0); break;
            case QAbstractSlider::SliderPageStepAdd: Report(SB_PAGEDOWN, 0); break;
            case QAbstractSlider::SliderPageStepSub: Report(SB_PAGEUP, 0); break;
            case QAbstractSlider::SliderToMinimum: Report(SB_TOP, 0); break;
            case QAbstractSlider::SliderToMaximum: Report(SB_BOTTOM, 0); break;
            default: break;
            }
            // The owner moves the thumb (SetScrollPos); Qt's own move is undone.
            UpdatingScope scope(m_updating);
            m_bar->setSliderPosition(m_info.nPos);
        });
        QObject::connect(m_bar, &QAbstractSlider::sliderMoved, this, [this](int pos) {
            if (m_updating) return;
            m_info.nTrackPos = pos;
            Report(SB_THUMBTRACK, pos);
        });
        QObject::connect(m_bar, &QAbstractSlider::sliderReleased, this, [this] {
            if (m_updating) return;
            Report(SB_THUMBPOSITION, m_info.nTrackPos);
            Report(SB_ENDSCROLL, 0);
        });
        SetQtWidget(m_bar);
    }

    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case SBM_SETPOS: {
            const int old = m_info.nPos;
            m_info.nPos = static_cast<int>(wParam);
            Apply();
            return old;
        }
        case SBM_GETPOS: return m_info.nPos;
        case SBM_ENABLE_ARROWS: {
            const UINT arrows = static_cast<UINT>(wParam) & ESB_DISABLE_BOTH;
            if (arrows == m_disabledArrows) return FALSE;
            m_disabledArrows = arrows;
            m_bar->setEnabled(arrows != ESB_DISABLE_BOTH);
            return TRUE;
        }
        case SBM_SETRANGE:
            m_info.nMin = static_cast<int>(wParam);
            m_info.nMax = static_cast<int>(lParam);
            Apply();
            return m_info.nPos;
        case SBM_GETRANGE:
            if (wParam) *reinterpret_cast<int*>(wParam) = m_info.nMin;
            if (lParam) *reinterpret_cast<int*>(lParam) = m_info.nMax;
            return 0;
        case SBM_SETSCROLLINFO: {
            const auto* info = reinterpret_cast<const SCROLLINFO*>(lParam);
            if (!info) return m_info.nPos;
            if (info->fMask & SIF_RANGE) {
                m_info.nMin = info->nMin;
                m_info.nMax = info->nMax;
            }
            if (info->fMask & SIF_PAGE) m_info.nPage = info->nPage;
            if (info->fMask & SIF_POS) m_info.nPos = info->nPos;
            Apply();
            return m_info.nPos;
        }
        case SBM_GETSCROLLINFO: {
            auto* info = reinterpret_cast<SCROLLINFO*>(lParam);
            if (!info) return FALSE;
            const UINT mask = info->fMask;
            if (mask & SIF_RANGE) {
                info->nMin = m_info.nMin;
                info->nMax = m_info.nMax;
            }
            if (mask & SIF_PAGE) info->nPage = m_info.nPage;
            if (mask & SIF_POS) info->nPos = m_info.nPos;
            if (mask & SIF_TRACKPOS) info->nTrackPos = m_info.nTrackPos;
            return TRUE;
        }
        default: return CNativeControl::WndProc(message, wParam, lParam);
        }
    }

protected:
    UINT CtlColorMessage() const override { return 0; }
    UINT DlgCode(const MSG*) const override { return DLGC_WANTARROWS; }

private:
    // The position stays within min .. max - page + 1.
    void Apply() {
        const int page = static_cast<int>(m_info.nPage);
        const int top = std::max(m_info.nMin, m_info.nMax - std::max(page - 1, 0));
        m_info.nPos = std::clamp(m_info.nPos, m_info.nMin, top);
        UpdatingScope scope(m_updating);
        m_bar->setRange(m_info.nMin, top);
        m_bar->setPageStep(std::max(page, 1));
        m_bar->setValue(m_info.nPos);
    }

    // Qt cannot grey one arrow; a disabled one simply does nothing.
    bool ArrowDisabled(int action) const {
        switch (action) {
        case QAbstractSlider::SliderSingleStepSub: return (m_disabledArrows & ESB_DISABLE_LTUP) != 0;
        case QAbstractSlider::SliderSingleStepAdd: return (m_disabledArrows & ESB_DISABLE_RTDN) != 0;
        default: return false;
        }
    }

    void Report(UINT code, int pos) {
        HWND parent = Parent();
        if (!parent) return;
        const UINT message = (Style() & SBS_VERT) ? WM_VSCROLL : WM_HSCROLL;
        SendMessage(parent, message, MAKEWPARAM(code, static_cast<WORD>(pos)), reinterpret_cast<LPARAM>(Window()));
    }

    QScrollBar* m_bar = nullptr;
    SCROLLINFO m_info;
    UINT m_disabledArrows = ESB_ENABLE_BOTH;
};

}  // namespace

CNativeControl* CreateScrollBarControl(HWND h) { return new ScrollBarControl(h); }

}  // namespace vorn_ui
