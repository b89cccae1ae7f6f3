#pragma once
// What the main frame asks of the application object: the open document, the save and reload
// steps of the file commands (which the frame's prompts reuse) and the settings it applies.
#include "platform/core/win_types.h"

class CScheduleData;

class IFrameApplication {
public:
    virtual ~IFrameApplication() = default;
    virtual CScheduleData& GetDocument() = 0;
    // Whether the document may be saved (it has an entity).
    virtual BOOL CanSaveDocument() const = 0;
    // The save steps: a titled document is backed up and written in place, an untitled one
    // goes through the save dialog. TRUE when the document was written.
    virtual BOOL SaveDocumentSteps(BOOL refresh) = 0;
    // Reads the document's file again with the steps of File Open. TRUE when it was read.
    virtual BOOL ReloadDocument() = 0;
    virtual int GetTabStyle() const = 0;
    virtual int GetExplorerBarStyle() const = 0;
    // The Filter setting: the kinds of problem (today 1, later 2, earlier 4) the message panel lists.
    virtual int& FilterSetting() = 0;
};
