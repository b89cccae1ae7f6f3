#include "model/description_texts.h"
#include "model/schedule_data.h"

namespace {

constexpr UINT kPasteActivitySimilarId = 60418;
constexpr UINT kPasteActivityCaptionId = 60419;

}  // namespace

void CScheduleData::MergeChimeSet(const CChimeSet& set) {
    for (CChimeSet& existing : m_arrChimeSets) {
        if (existing.m_strName.CompareNoCase(set.m_strName) == 0) {
            existing.m_arrIntervals = set.m_arrIntervals;
            return;
        }
    }
    AddOrReplaceChimeSet(set);
}

int CScheduleData::PasteActivity(CActivity activity) {
    const auto current = FindCurrentEntity();
    if (current == m_arrEntities.end()) return 0;
    const int currentId = current->m_nId;
    const bool currentIsType0 = current->m_nType == 0;

    // The pasted activity's id belongs to the document it came from; it must not hide an
    // activity of this store from the search.
    activity.m_nId = 0;
    if (currentIsType0) {
        auto similar = FindSimilarActivity(activity, m_arrActivities.begin());
        while (similar != m_arrActivities.end()) {
            CString text;
            text.Format(kPasteActivitySimilarId, FormatActivityPlainText(*this, *similar, 0));
            CString caption;
            caption.LoadString(kPasteActivityCaptionId);
            const MessageAnswer answer = Answerer().Ask(text, caption, MessageButtons::YesNoCancel, MessageIcon::Question);
            if (answer == MessageAnswer::Cancel) return 0;
            if (answer == MessageAnswer::Yes && similar->m_arrMembers.size() == 1) {
                // The search goes on with the activity that takes the deleted one's place.
                const auto index = similar - m_arrActivities.begin();
                DeleteActivity(similar->m_nId);
                similar = FindSimilarActivity(activity, m_arrActivities.begin() + index);
                continue;
            }
            if (answer == MessageAnswer::Yes) similar->RemoveEntity(*this, currentId);
            similar = FindSimilarActivity(activity, similar + 1);
        }
    }

    activity.m_nId = GetNextActivityId();
    std::vector<int> members;
    for (int id : activity.m_arrMembers) {
        const auto entity = FindEntity(id);
        if (entity == m_arrEntities.end()) continue;
        if (currentIsType0 && entity->m_nType == 0) continue;
        members.push_back(id);
    }
    activity.m_arrMembers = std::move(members);
    activity.AddEntity(*this, currentId);
    m_arrActivities.push_back(std::move(activity));
    return 1;
}
