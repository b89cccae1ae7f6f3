#include "report_builders/activity_matrix_report.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "model/html_color.h"
#include "model/plan_index.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "report_builders/report_markup.h"
#include "report_builders/report_options.h"
#include "resource_ids.h"

namespace {

bool IsStaff(int type) { return type == 1 || type == 2; }

class CMatrixBuilder {
public:
    CMatrixBuilder(const CScheduleData& data, const CReportOptions& options) : m_data(data), m_options(options) {
        // Ids that name no entity have no column.
        for (int id : options.m_entityIds) {
            const auto entity = data.FindEntity(id);
            if (entity == data.m_arrEntities.end()) continue;
            m_columns.push_back(&*entity);
            (entity->m_nType == 4 ? m_roomColumns : m_otherColumns).insert(id);
        }
        for (const CActivity& activity : data.m_arrActivities) m_byName[FoldedName(activity.m_strName)].push_back(&activity);
    }

    void Build(CString& out) const {
        out += OpenReportTable(m_options);
        out += L"<tr><td></td>";
        for (const CEntity* entity : m_columns)
            out.AppendFormat(L"<td align=\"center\">%s</td>", EscapeHtml(entity->m_strName).GetString());
        out += L"</tr>";
        for (const CString& name : RowNames()) AppendRow(name, out);
        AppendTotals(out);
        out += L"</table>";
    }

private:
    // The name as the case-insensitive comparison sees it: A to Z folded, up to a first NUL.
    static std::wstring FoldedName(const CString& name) {
        std::wstring folded(name.GetString());
        for (wchar_t& c : folded) c = FoldAsciiLower(c);
        return folded;
    }

    // Whether a selected entity takes part: a room through the room list, any other entity
    // through the member list.
    bool HasSelectedEntity(const CActivity& activity) const {
        return std::any_of(activity.m_arrMembers.begin(), activity.m_arrMembers.end(),
                           [&](int id) { return m_otherColumns.count(id) != 0; }) ||
               std::any_of(activity.m_arrRooms.begin(), activity.m_arrRooms.end(),
                           [&](int id) { return m_roomColumns.count(id) != 0; });
    }

    std::vector<CString> RowNames() const {
        std::vector<CString> names;
        std::unordered_set<std::wstring> seen;
        for (const CActivity& activity : m_data.m_arrActivities) {
            if (seen.count(activity.m_strName.str()) != 0 || !HasSelectedEntity(activity)) continue;
            seen.insert(activity.m_strName.str());
            names.push_back(activity.m_strName);
        }
        std::stable_sort(names.begin(), names.end(),
                         [](const CString& a, const CString& b) { return a.CompareNoCase(b) < 0; });
        return names;
    }

    void AppendRow(const CString& name, CString& out) const {
        out.AppendFormat(L"<tr><td align=\"center\">%s</td>", EscapeHtml(name).GetString());
        const std::vector<const CActivity*>& named = m_byName.at(FoldedName(name));
        std::size_t skip = 0;
        for (std::size_t c = 0; c < m_columns.size(); ++c) {
            if (skip > 0) {
                --skip;
                continue;
            }
            const CEntity& entity = *m_columns[c];
            std::size_t span = 1;
            COleDateTimeSpan total(0.0);
            std::vector<CString> partners;
            COLORREF colour = GetSysColor(COLOR_WINDOW);
            for (const CActivity* candidate : named) {
                const CActivity& activity = *candidate;
                if (!activity.HasEntity(entity)) continue;
                if (activity.CountType0Members(m_data) > 1) {
                    std::size_t run = 1;
                    while (c + run < m_columns.size() && activity.HasEntity(*m_columns[c + run])) ++run;
                    span = std::max(span, run);
                }
                total += activity.m_tsDuration;
                colour = m_options.m_useColours ? activity.GetBackgroundColour(m_data) : GetSysColor(COLOR_WINDOW);
                for (int memberId : activity.m_arrMembers) {
                    const auto member = m_data.FindEntity(memberId);
                    if (member == m_data.m_arrEntities.end()) continue;
                    const bool partner = (IsStaff(member->m_nType) && entity.m_nType == 0) ||
                                         (member->m_nType == 0 && IsStaff(entity.m_nType));
                    if (!partner || std::any_of(partners.begin(), partners.end(), [&](const CString& p) {
                            return p.CompareNoCase(member->m_strName) == 0;
                        }))
                        continue;
                    partners.push_back(member->m_strName);
                }
            }
            if (WholeMinutes(static_cast<double>(total)) == 0) {
                out += L"<td bgcolor=\"#E0E0E0\"><br></td>";
                continue;
            }
            CString text = L"<b>";
            for (std::size_t i = 0; i < partners.size(); ++i)
                text += (i ? L", " : L"") + EscapeHtml(partners[i]);
            text += L"</b><br>" + FormatHoursMinutes(total);
            if (span == 1)
                out.AppendFormat(L"<td bgcolor=\"%s\">%s</td>", FormatHtmlColor(colour).GetString(), text.GetString());
            else
                out.AppendFormat(L"<td bgcolor=\"%s\" colspan=\"%d\" align=\"center\">%s</td>",
                                 FormatHtmlColor(colour).GetString(), static_cast<int>(span), text.GetString());
            skip = span - 1;
        }
        out += L"</tr>";
    }

    void AppendTotals(CString& out) const {
        const CPlanIndex index(m_data);
        CString rows[3];
        const UINT labels[3] = {IDS_MATRIX_UNGROUPED, IDS_MATRIX_GROUPED, IDS_MATRIX_OTHER};
        bool shown[3] = {true, false, false};
        for (int r = 0; r < 3; ++r)
            rows[r].Format(L"<tr><td bgcolor=\"Silver\">%s</td>", ResText(labels[r]).GetString());
        for (const CEntity* entity : m_columns) {
            const CCategorySpans sums = entity->SumActivityTime(m_data, &index);
            const COleDateTimeSpan values[3] = {sums.m_tsUngrouped, sums.m_tsGrouped, sums.m_tsOther};
            for (int r = 0; r < 3; ++r) {
                rows[r].AppendFormat(L"<td bgcolor=\"Silver\" align=\"center\"><b>%s</b></td>",
                                     FormatHoursMinutes(values[r]).GetString());
                if (r > 0 && WholeMinutes(static_cast<double>(values[r])) > 5) shown[r] = true;
            }
        }
        for (int r = 0; r < 3; ++r)
            if (shown[r]) out += rows[r] + L"</tr>";
    }

    const CScheduleData& m_data;
    const CReportOptions& m_options;
    std::vector<const CEntity*> m_columns;
    std::unordered_set<int> m_roomColumns, m_otherColumns;  // ids of the columns' entities
    // The activities of each name as the rows compare names, in store order.
    std::unordered_map<std::wstring, std::vector<const CActivity*>> m_byName;
};

}  // namespace

void BuildActivityMatrixReport(const CScheduleData& data, const CReportOptions& options, CString& out) {
    CMatrixBuilder(data, options).Build(out);
}
