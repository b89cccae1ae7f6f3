#include "model/model_host.h"

#include <algorithm>

#include "model/time_values.h"

IProgress& IModelHost::ShowProgress(const CString& label) {
    (void)label;
    return m_noProgress;
}

bool CMemoryAppSettings::IsHoliday(const COleDateTime& date) const {
    return std::any_of(m_holidays.begin(), m_holidays.end(), [&](const COleDateTime& day) {
        return date.GetStatus() == COleDateTime::valid && IsSameDay(day, date);
    });
}

void CMemoryAppSettings::AddRecentDocument(const CString& name, const CString& path, bool isTemplate) {
    (void)name;
    (void)isTemplate;
    if (std::find(m_recentPaths.begin(), m_recentPaths.end(), path) == m_recentPaths.end()) m_recentPaths.push_back(path);
}

MessageAnswer CCautiousAnswerer::Ask(const CString& text, const CString& caption, MessageButtons buttons,
                                     MessageIcon icon) {
    (void)text;
    (void)caption;
    (void)icon;
    switch (buttons) {
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel: return MessageAnswer::Cancel;
    case MessageButtons::YesNo: return MessageAnswer::No;
    case MessageButtons::Ok: break;
    }
    return MessageAnswer::Ok;
}

bool CMemoryClipboard::SetText(const CString& text) {
    m_strText = text;
    m_bHasText = true;
    return true;
}

bool CMemoryClipboard::GetText(CString& text) {
    if (!m_bHasText) return false;
    text = m_strText;
    return true;
}
