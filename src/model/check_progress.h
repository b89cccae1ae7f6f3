#pragma once
// The wait cursor and the status bar's progress bar of a long check.
#include <algorithm>
#include <climits>

#include "model/model_host.h"
#include "platform/core/load_res_string.h"
#include "platform/core/win_types.h"

// Keeps the wait cursor and the progress bar up for as long as the check runs, also when a rule
// throws (a time of day that cannot be made).
class CCheckProgress {
public:
    CCheckProgress(IModelHost& host, UINT labelId, long long steps) : m_host(host) {
        m_host.BeginWaitCursor();
        IProgress& bar = m_host.ShowProgress(LoadResString(labelId));
        bar.SetRange(0, static_cast<int>(std::clamp<long long>(steps, 0, INT_MAX)));
        bar.SetPos(0);
        bar.SetStep(1);
        m_pBar = &bar;
    }
    ~CCheckProgress() {
        Hide();
        m_host.EndWaitCursor();
    }
    CCheckProgress(const CCheckProgress&) = delete;
    CCheckProgress& operator=(const CCheckProgress&) = delete;

    IProgress& Bar() { return *m_pBar; }
    void Hide() {
        if (m_pBar == nullptr) return;
        m_pBar = nullptr;
        m_host.HideProgress();
    }

private:
    IModelHost& m_host;
    IProgress* m_pBar = nullptr;
};
