#pragma once
// What the window benchmarks share: a Qt application on the offscreen platform with the English
// pack, and the teacher of a generated plan with the most entries.
#include <QApplication>

#include <cstdlib>
#include <map>
#include <string>

#include "model/schedule_data.h"
#include "platform/core/language_pack.h"
#include "platform/ui/win_app.h"

inline void EnsureWindowBenchApplication() {
    if (QApplication::instance()) return;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    static CLanguagePack pack;
    if (pack.Load(CString(std::string(VORN_BIN_DIR) + "/Locale/English.rc")).ok) {
        CLanguagePack::SetCurrent(&pack);
        AfxSetResourcePack(&pack);
    }
}

// The teacher (type 1) who is a member of the most entries' activities.
inline int BusiestTeacher(const CScheduleData& data) {
    std::map<int, int> entriesOf;
    for (const CTimetableEntry& entry : data.m_arrEntries) {
        const auto activity = data.FindActivity(entry.m_nActivity);
        if (activity == data.m_arrActivities.end()) continue;
        for (int id : activity->m_arrMembers) ++entriesOf[id];
    }
    int best = 0, most = 0;
    for (const auto& [id, count] : entriesOf) {
        const auto entity = data.FindEntity(id);
        if (entity != data.m_arrEntities.end() && entity->m_nType == 1 && count > most) {
            best = id;
            most = count;
        }
    }
    return best;
}
