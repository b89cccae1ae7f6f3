#include "controls/app_document.h"

namespace {
CScheduleData* g_document = nullptr;
}

CScheduleData* GetAppDocument() { return g_document; }
void SetAppDocument(CScheduleData* data) { g_document = data; }
