#include "dialogs/entity_row_values.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cwctype>

#include "model/entity.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "resource_ids.h"

namespace {

// Reads an optionally signed run of digits at pos (after blanks); false when there is none.
bool ReadInteger(const wchar_t* text, size_t& pos, int& value) {
    while (text[pos] && std::iswspace(static_cast<wint_t>(text[pos]))) ++pos;
    size_t at = pos;
    bool negative = false;
    if (text[at] == L'-' || text[at] == L'+') negative = text[at++] == L'-';
    if (!std::iswdigit(static_cast<wint_t>(text[at]))) return false;
    long long n = 0;
    for (; std::iswdigit(static_cast<wint_t>(text[at])); ++at) n = std::min<long long>(n * 10 + (text[at] - L'0'), INT_MAX + 1LL);
    if (negative) n = -n;
    value = static_cast<int>(std::clamp<long long>(n, INT_MIN, INT_MAX));
    pos = at;
    return true;
}

// The rewards: in single mode the rows replace the entity's funds of their names (a row left as
// it was shown keeps those funds exactly) and funds of names without a row stay; in multiple mode
// the list holds the typed rows alone, for the page to hand on.
void WriteRewards(const CEntityRowValues& rows, const std::vector<CString>& names, BOOL multiple, CEntity& entity) {
    const std::vector<CFund> before = std::move(entity.m_arrFunds);
    entity.m_arrFunds.clear();
    const size_t count = std::min(rows.rewardTexts.size(), names.size());
    std::vector<CString> kept;  // names whose funds a row left as shown has kept already
    for (size_t i = 0; i < count; ++i) {
        const CString& text = rows.rewardTexts[i];
        if (multiple && text.IsEmpty()) continue;
        if (!multiple && i < rows.shownRewardTexts.size() && text == rows.shownRewardTexts[i]) {
            if (std::find(kept.begin(), kept.end(), names[i]) != kept.end()) continue;
            kept.push_back(names[i]);
            for (const CFund& fund : before)
                if (fund.m_strName == names[i]) entity.m_arrFunds.push_back(fund);
            continue;
        }
        const COleDateTimeSpan duration = ParseRewardText(text);
        if (!multiple && WholeMinutes(duration.m_span) == 0) continue;
        CFund fund;
        fund.m_tsLength = duration;
        fund.m_strName = names[i];
        entity.m_arrFunds.push_back(fund);
    }
    if (multiple) return;
    for (const CFund& fund : before)
        if (std::find(names.begin(), names.begin() + static_cast<std::ptrdiff_t>(count), fund.m_strName) ==
            names.begin() + static_cast<std::ptrdiff_t>(count))
            entity.m_arrFunds.push_back(fund);
}

// A count typed into a row: blank for 0, or text that begins with a whole number of 0 or more
// ("80 percent" is 80).
bool ReadCount(const CString& text, int& value) {
    const wchar_t* chars = text.GetString();
    size_t pos = 0;
    value = 0;
    if (ReadInteger(chars, pos, value)) return value >= 0;
    while (chars[pos] && std::iswspace(static_cast<wint_t>(chars[pos]))) ++pos;
    return chars[pos] == 0;
}

template <class T>
void Take(const std::optional<T>& row, T& field) {
    if (row) field = *row;
}

}  // namespace

int LeadingInteger(const CString& text) {
    size_t pos = 0;
    int value = 0;
    return ReadInteger(text.GetString(), pos, value) ? value : 0;
}

CString FormatRewardText(const COleDateTimeSpan& duration) {
    const long long minutes = WholeMinutes(duration.m_span);
    const long long magnitude = minutes < 0 ? -minutes : minutes;
    CString text;
    text.Format(L"%s%02lld:%02lld", minutes < 0 ? L"-" : L"", magnitude / 60, magnitude % 60);
    return text;
}

COleDateTimeSpan ParseRewardText(const CString& text) {
    CString spaced = text;
    spaced.Replace(L":", L" ");
    size_t pos = 0;
    int hours = 0, minutes = 0;
    if (ReadInteger(spaced.GetString(), pos, hours)) ReadInteger(spaced.GetString(), pos, minutes);
    // A leading minus signs the whole duration, as it is shown: "-01:30" is an hour and a half
    // less, and "-0:30" half an hour less.
    CString lead = spaced;
    if (lead.TrimLeft().Left(1) == L"-") {
        if (hours > 0) hours = -hours;
        if (minutes > 0) minutes = -minutes;
    }
    return COleDateTimeSpan(hours / 24.0 + minutes / 1440.0);
}

UINT CheckOverlapsFigure(int type, int n, int maxOverlap, int& stored) {
    if (n == 0) {
        if (type == 3) return IDS_DLG_CONTACTS_NO_OVERLAPS;
        stored = 0;
        return 0;
    }
    if (n < maxOverlap) return IDS_DLG_CONTACTS_TOO_FEW_OVERLAPS;
    stored = n;
    return 0;
}

UINT WriteEntityRows(CScheduleData& data, const CEntityRowValues& rows, const std::vector<CString>& rewardNames,
                     BOOL multiple, CEntity& entity, CEntityDialogChoices& choices) {
    // Staff type: the third option of multiple mode leaves each entity's type.
    if (rows.hasStaffTypeRow) {
        const int type = rows.checkedStaffType + 1;
        if (multiple) choices.newStaffType = type == 3 ? 0 : std::max(type, 0);
        else if (type == 1 || type == 2) entity.m_nType = type;
    }
    Take(rows.name, entity.m_strName);
    Take(rows.address, entity.m_strAddress);
    Take(rows.company, entity.m_strCompany);
    Take(rows.department, entity.m_strDepartment);
    Take(rows.email, entity.m_strEmail);
    Take(rows.job, entity.m_strJob);
    Take(rows.code, entity.m_strCode);
    Take(rows.phone, entity.m_strPhone);
    Take(rows.unavailable, entity.m_bUnavailable);
    if (rows.resetColours) choices.resetColours = *rows.resetColours ? 1 : 0;
    Take(rows.completion, entity.m_dtCompletion);
    Take(rows.registration, entity.m_dtRegistration);
    if (rows.room) {
        // An empty row clears the room; a name that is no room's is refused, not read as none.
        CString name = *rows.room;
        name.Trim();
        const auto room = data.FindKind4EntityByName(name);
        if (room == data.m_arrEntities.end() && !name.IsEmpty()) return IDS_DLG_CONTACTS_UNKNOWN_ROOM;
        entity.m_nDefaultPlace = room != data.m_arrEntities.end() ? room->m_nId : 0;
    }
    Take(rows.educator, entity.m_strEducator);
    if (rows.chimeSet) {
        const auto set = data.FindChimeSetByName(*rows.chimeSet);
        entity.m_nChimeSet = set != data.m_arrChimeSets.end() ? set->m_nId : 0;
    }
    if (entity.m_nType == 1 || entity.m_nType == 2) {
        const struct {
            const std::optional<CString>& row;
            int& field;
            UINT refusal;
        } counts[] = {{rows.doors, entity.m_nAllowedDoors, IDS_DLG_CONTACTS_BAD_DOORS},
                      {rows.windows, entity.m_nAllowedWindows, IDS_DLG_CONTACTS_BAD_WINDOWS},
                      {rows.days, entity.m_nDays, IDS_DLG_CONTACTS_BAD_DAYS}};
        for (const auto& count : counts) {
            int value = 0;
            if (!count.row) continue;
            if (!ReadCount(*count.row, value)) return count.refusal;
            count.field = value;
        }
    }
    Take(rows.background, entity.m_crBackground);
    Take(rows.foreground, entity.m_crForeground);
    Take(rows.hatch, entity.m_nHatch);
    WriteRewards(rows, rewardNames, multiple, entity);
    if (!multiple && rows.overlaps && (entity.m_nType == 3 || entity.m_nType == 5)) {
        const UINT refusal = CheckOverlapsFigure(entity.m_nType, LeadingInteger(*rows.overlaps),
                                                 data.GetEntityMaxOverlap(entity.m_nId), entity.m_nOverlaps);
        if (refusal) return refusal;
    }
    if (entity.m_nType == 4) entity.m_nOverlaps = 1;
    if (multiple) choices.scheduleChoice = rows.checkedScheduleChoice == 1 ? 1 : 0;
    if (entity.m_strName.IsEmpty()) return IDS_DLG_CONTACTS_NO_NAME;
    return 0;
}
