#pragma once
// Attributes that several records write into their elements and read back alike: the colours
// and hatch of entities, activities and groups, and the chime set named by its name.
#include "platform/core/colors.h"

class CScheduleData;
class CXmlDocument;

// BACKGROUND, FOREGROUND and HATCH, each only when it differs from its default (the window
// text colour for the foreground, hatch 6).
void WriteLookAttributes(CXmlDocument& doc, int pos, COLORREF background, COLORREF defaultBackground,
                         COLORREF foreground, int hatch);
// The three back; a missing colour is its default, a hatch outside 0..11 reads as 6.
void ReadLookAttributes(const CXmlDocument& doc, int pos, COLORREF defaultBackground, COLORREF& background,
                        COLORREF& foreground, int& hatch);

// CHIME with the name of the chime set, when the id names one.
void WriteChimeSetAttribute(CXmlDocument& doc, int pos, const CScheduleData& data, int chimeSetId);
// The id of the chime set CHIME names; 0 when it names none.
int ReadChimeSetAttribute(const CXmlDocument& doc, int pos, const CScheduleData& data);
