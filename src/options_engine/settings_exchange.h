#pragma once
// The settings exchange file: the five word lists of the settings in a small XML file (UTF-16LE,
// root DOCUMENT with VERSION "1.0", one element per list whose text is the list with every
// entry followed by ";"), so lists move between installations.
#include "platform/core/cstring.h"

class IAppSettings;

// The path with ".ini" appended unless it ends in ".ini" in any letter case.
CString AddIniExtension(const CString& path);
// The XML text of the five lists.
CString BuildSettingsExchangeText(IAppSettings& settings);
// Writes the lists to the file; false (the file untouched) when it cannot be written.
bool ExportSettingsFile(const CString& path, IAppSettings& settings);
// Replaces every list that the file holds; the others keep their entries. False, with no list
// changed, when the file cannot be read or has no DOCUMENT.
bool ImportSettingsFile(const CString& path, IAppSettings& settings);
