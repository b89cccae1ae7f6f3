#pragma once
// The open document as the controls see it: the application object installs its store at
// start-up; tests install a store of their own. Null until then.
class CScheduleData;

CScheduleData* GetAppDocument();
void SetAppDocument(CScheduleData* data);
