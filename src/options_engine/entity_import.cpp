#include "options_engine/entity_import.h"

#include <cwchar>

#include "model/record_orders.h"
#include "model/schedule_data.h"
#include "options_engine/import_frame.h"
#include "options_engine/import_lines.h"
#include "options_engine/import_options.h"
#include "platform/core/load_res_string.h"
#include "platform/core/text_scan.h"
#include "resource_ids.h"

namespace {

struct EntityImportTexts {
    UINT progress;
    UINT noName;
    UINT exists;
    UINT summary;
};

constexpr EntityImportTexts kTexts[] = {
    {IDS_IMPORT_ENTITIES_PROGRESS, IDS_IMPORT_ENTITY_NO_NAME, IDS_IMPORT_ENTITY_EXISTS, IDS_IMPORT_ENTITIES_DONE},
    {IDS_IMPORT_STAFF_PROGRESS, IDS_IMPORT_STAFF_NO_NAME, IDS_IMPORT_STAFF_EXISTS, IDS_IMPORT_STAFF_DONE},
    {IDS_IMPORT_ROOMS_PROGRESS, IDS_IMPORT_ROOM_NO_NAME, IDS_IMPORT_ROOM_EXISTS, IDS_IMPORT_ROOMS_DONE},
};

class CEntityLineReader {
public:
    CEntityLineReader(CScheduleData& data, EntityImportKind kind, const CImportOptions& options, CImportFrame& frame)
        : m_data(data), m_kind(kind), m_options(options), m_frame(frame) {}

    // True when the line added an entity.
    bool ReadLine(const CString& line, int lineNumber);

private:
    CString Field(int column) const { return ImportField(m_fields, m_options.Column(column)); }
    bool ReadDate(int column, int lineNumber, COleDateTime& date);
    void ReadStaffColumns(CEntity& entity);
    bool Exists(const CString& name, int& id);

    CScheduleData& m_data;
    EntityImportKind m_kind;
    const CImportOptions& m_options;
    CImportFrame& m_frame;
    std::vector<CString> m_fields;
};

bool CEntityLineReader::ReadDate(int column, int lineNumber, COleDateTime& date) {
    if (m_options.Column(column) == 0) return true;
    const CString text = Field(column);
    if (text.IsEmpty() || ParseImportDate(text, date)) return true;
    m_frame.AddProblem(CImportFrame::kSkipped, FormatImportText(IDS_IMPORT_BAD_DATE, lineNumber, text));
    return false;
}

void CEntityLineReader::ReadStaffColumns(CEntity& entity) {
    entity.m_nType = 2;
    if (m_options.Column(2) != 0) {
        const CString letter = Field(2);
        entity.m_nType = letter.IsEmpty() || letter.Left(1) == LoadResString(IDS_IMPORT_STAFF_TYPE_LETTER) ? 1 : 2;
    }
    entity.m_strCompany = Field(3);
    entity.m_strPhone = Field(4);
    entity.m_strCode = Field(5);
    entity.m_strEmail = Field(6);
    if (m_options.Column(7) != 0) {
        const int days = _wtoi(Field(7).GetString());
        entity.m_nDays = days == 0 ? 100 : days;
    }
    // The availability is read only from a line that holds a field for every plan day.
    const int first = m_options.Column(8);
    const int days = m_data.m_nDays;
    if (first == 0 || static_cast<int>(m_fields.size()) < first + days - 1) return;
    int empty = 0;
    for (int d = 0; d < days && d < kMaxPlanDays; ++d) {
        CString field = m_fields[first - 1 + d];
        if (!field.Trim(L" \n\t\r").IsEmpty()) continue;
        entity.m_tDayStart[d] = entity.m_tDayEnd[d];
        ++empty;
    }
    if (empty == days) entity.m_bUnavailable = 1;
}

bool CEntityLineReader::Exists(const CString& name, int& id) {
    CEntityArray::iterator found;
    switch (m_kind) {
    case EntityImportKind::Entities: found = m_data.FindEntityByName(name, 0); break;
    case EntityImportKind::EntityList: found = m_data.FindKind1Or2EntityByName(name); break;
    case EntityImportKind::Rooms: found = m_data.FindEntityByName(name, 4); break;
    }
    if (found == m_data.m_arrEntities.end()) return false;
    id = found->m_nId;
    return true;
}

bool CEntityLineReader::ReadLine(const CString& line, int lineNumber) {
    SplitImportFields(line, ImportSeparator(m_options.m_nSeparator), m_fields);
    if (m_fields.empty()) return false;
    const EntityImportTexts& texts = kTexts[static_cast<int>(m_kind)];

    CEntity entity(m_data.m_tDayStart, m_data.m_nDays);
    entity.m_crBackground = GetSysColor(COLOR_WINDOW);
    entity.m_crForeground = GetSysColor(COLOR_WINDOWTEXT);
    entity.m_nHatch = 6;
    entity.m_nDefaultPlace = 0;
    entity.m_nOverlaps = 1;
    entity.m_bUnavailable = 0;
    entity.m_nAllowedWindows = 0;
    entity.m_nAllowedDoors = 0;
    entity.m_nDays = 100;
    entity.m_strName = Field(1);
    switch (m_kind) {
    case EntityImportKind::Entities:
        entity.m_nType = 0;
        entity.m_strDepartment = Field(2);
        entity.m_strCode = Field(3);
        if (!ReadDate(4, lineNumber, entity.m_dtRegistration) || !ReadDate(5, lineNumber, entity.m_dtCompletion)) return false;
        if (m_options.Column(6) != 0) {
            const CString room = Field(6);
            entity.m_nDefaultPlace = m_data.FindRoomByName(room);
            if (entity.m_nDefaultPlace == 0)
                m_frame.AddProblem(CImportFrame::kSkipped, FormatImportText(IDS_IMPORT_ROOM_NOT_FOUND, room));
        }
        break;
    case EntityImportKind::EntityList: ReadStaffColumns(entity); break;
    case EntityImportKind::Rooms:
        entity.m_nType = 4;
        entity.m_strAddress = Field(2);
        break;
    }

    if (entity.m_strName.IsEmpty()) {
        m_frame.AddProblem(CImportFrame::kNoName, FormatImportText(texts.noName, lineNumber));
        return false;
    }
    int existing = 0;
    if (Exists(entity.m_strName, existing)) {
        m_frame.AddProblem(CImportFrame::kSkipped, FormatImportText(texts.exists, entity.m_strName), existing);
        return false;
    }
    m_data.AppendEntity(std::move(entity));
    return true;
}

}  // namespace

bool ParseImportDate(const CString& text, COleDateTime& date) {
    CString numbers = text;
    numbers.Replace(L'/', L' ');
    int day = 0, month = 0, year = 0;
    wchar_t rest = 0;
    if (std::swscanf(numbers.GetString(), L"%d%d%d %lc", &day, &month, &year, &rest) != 3) return false;
    date = COleDateTime(year, month, day, 0, 0, 0);
    return date.GetStatus() == COleDateTime::valid;
}

int ImportEntities(CScheduleData& data, EntityImportKind kind, const CImportOptions& options,
                   IImportTextSource& source) {
    const bool hadCurrent = data.FindCurrentEntity() != data.m_arrEntities.end();
    const EntityImportTexts& texts = kTexts[static_cast<int>(kind)];
    CImportFrame frame(data);
    if (!frame.Begin(source, texts.progress)) return -1;

    CEntityLineReader reader(data, kind, options, frame);
    int appended = 0;
    const std::vector<CImportRecord> records = JoinImportRecords(frame.Lines(), ImportSeparator(options.m_nSeparator));
    for (int index = 0; index < static_cast<int>(records.size()); ++index) {
        const CImportRecord& record = records[index];
        for (int n = 0; n < record.m_nLines; ++n) frame.StepProgress();
        if (index >= options.m_nSkip && reader.ReadLine(record.m_strText, record.m_nLine)) ++appended;
    }
    frame.EndProgress();

    frame.AddProblem(CImportFrame::kSummary, FormatImportText(texts.summary, appended));
    data.m_arrEntities.StableSort(CompareEntities());
    if (!data.m_arrEntities.empty() && (appended > 0 || hadCurrent)) data.SetCurrentEntity(data.m_arrEntities.front().m_nId);
    data.PublishProblems();
    data.Host().BroadcastUpdate(1);
    return appended;
}
