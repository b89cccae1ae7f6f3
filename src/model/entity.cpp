#include "model/entity.h"

#include <stdexcept>

#include "model/schedule_data.h"
#include "model/time_values.h"

namespace {

// Names of the entity types in the language pack, by type.
constexpr UINT kTypeNameIds[] = {60466, 60467, 60467, 60468, 60469, 60470};

__time64_t TimeOfDayOrThrow(int hour, int minute) {
    const __time64_t t = MakeTimeOfDay(hour, minute);
    if (t == -1) throw std::invalid_argument("time of day cannot be made");
    return t;
}

}  // namespace

CEntity::CEntity() : CEntity(TimeOfDayOrThrow(7, 0), 6) {}

CEntity::CEntity(__time64_t dayStart, int dayCount)
    : m_dtRegistration(GetUnplacedDate()), m_dtCompletion(GetUnplacedDate()) {
    const __time64_t start = TimeOfDayOrThrow(GetLocalHour(dayStart), 0);
    const __time64_t end = TimeOfDayOrThrow(16, 0);
    for (int i = 0; i < kMaxPlanDays; ++i) {
        m_tDayStart[i] = start;
        m_tDayEnd[i] = i < dayCount ? end : start;
    }
}

CString CEntity::GetTypeName() const {
    CString name;
    if (m_nType >= 0 && m_nType < static_cast<int>(std::size(kTypeNameIds))) name.LoadString(kTypeNameIds[m_nType]);
    return name;
}

CString CEntity::FormatDefaultAddress(const CScheduleData& data) const {
    const auto place = data.FindEntity(m_nDefaultPlace);
    CString text;
    if (place != data.m_arrEntities.end() && !place->m_strAddress.IsEmpty()) text.Format(L" (%s)", place->m_strAddress);
    return text;
}
