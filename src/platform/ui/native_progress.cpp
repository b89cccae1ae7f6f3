// The "msctls_progress32" control over QProgressBar.
#include <QProgressBar>

#include <algorithm>

#include "platform/ui/common_control_defs.h"
#include "platform/ui/native_control.h"
#include "platform/ui/window_record.h"

namespace vorn_ui {

namespace {

class ProgressControl : public CNativeControl {
public:
    explicit ProgressControl(HWND h) : CNativeControl(h) {
        m_bar = new QProgressBar;
        m_bar->setTextVisible(false);
        m_bar->setOrientation((Style() & PBS_VERTICAL) ? Qt::Vertical : Qt::Horizontal);
        m_bar->setRange(m_low, m_high);
        m_bar->setValue(m_pos);
        SetQtWidget(m_bar);
    }

    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case PBM_SETRANGE: {
            const LRESULT old = MAKELRESULT(m_low, m_high);
            SetRange(LOWORD(lParam), HIWORD(lParam));
            return old;
        }
        case PBM_SETRANGE32: {
            const LRESULT old = MAKELRESULT(m_low, m_high);
            SetRange(static_cast<int>(wParam), static_cast<int>(lParam));
            return old;
        }
        case PBM_GETRANGE: {
            if (auto* range = reinterpret_cast<PBRANGE*>(lParam)) *range = PBRANGE{m_low, m_high};
            return wParam ? m_low : m_high;
        }
        case PBM_SETPOS: return SetPos(static_cast<int>(wParam));
        case PBM_DELTAPOS: return SetPos(m_pos + static_cast<int>(wParam));
        case PBM_GETPOS: return m_pos;
        case PBM_SETSTEP: {
            const int old = m_step;
            m_step = static_cast<int>(wParam);
            return old;
        }
        case PBM_STEPIT: {
            // Stepping past the end wraps round to the start, as the system's bar does.
            int next = m_pos + m_step;
            if (m_high > m_low && next > m_high) next = m_low + (next - m_high);
            else if (m_high > m_low && next < m_low) next = m_high - (m_low - next);
            return SetPos(next);
        }
        case PBM_SETBARCOLOR:
        case PBM_SETBKCOLOR: {
            QPalette p = m_bar->palette();
            p.setColor(message == PBM_SETBARCOLOR ? QPalette::Highlight : QPalette::Base, QColorOf(static_cast<COLORREF>(lParam)));
            m_bar->setPalette(p);
            return static_cast<LRESULT>(CLR_DEFAULT);
        }
        default: return CNativeControl::WndProc(message, wParam, lParam);
        }
    }

protected:
    UINT CtlColorMessage() const override { return 0; }

private:
    void SetRange(int low, int high) {
        m_low = low;
        m_high = high;
        m_bar->setRange(std::min(low, high), std::max(low, high));
        SetPos(m_pos);
    }

    LRESULT SetPos(int pos) {
        const int old = m_pos;
        m_pos = std::clamp(pos, std::min(m_low, m_high), std::max(m_low, m_high));
        m_bar->setValue(m_pos);
        return old;
    }

    QProgressBar* m_bar = nullptr;
    int m_low = 0, m_high = 100, m_pos = 0, m_step = 10;
};

}  // namespace

CNativeControl* CreateProgressControl(HWND h) { return new ProgressControl(h); }

}  // namespace vorn_ui
