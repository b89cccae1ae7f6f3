#pragma once
// The imports of entities, staff and rooms: one new entity per line, its fields chosen by the
// column numbers of the import options. Existing entities never change; a line whose name
// exists, that has no name or whose date cannot be read is reported in the problem list and
// skipped. One undo snapshot covers the whole import.
#include "platform/core/cstring.h"
#include "platform/core/ole_date_time.h"

class CImportOptions;
class CScheduleData;
class IImportTextSource;

enum class EntityImportKind {
    Entities = 0,    // type 0: name, department, code, registration, completion, default room
    EntityList = 1,  // staff, types 1 and 2: name, type letter, company, phone, code, email, days, availability
    Rooms = 2,       // type 4: name, address
};

// The number of entities appended; -1 when the text could not be read (only the undo snapshot
// is then taken).
int ImportEntities(CScheduleData& data, EntityImportKind kind, const CImportOptions& options,
                   IImportTextSource& source);

// A date written day/month/year; false when the text holds no such valid date.
bool ParseImportDate(const CString& text, COleDateTime& date);
