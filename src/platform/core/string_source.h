#pragma once
// Where CString::LoadString and LoadResString find the program's texts: the language pack
// installs itself here; tests install a table of their own.
#include <string>

#include "platform/core/win_types.h"

class IStringSource {
public:
    virtual ~IStringSource() = default;
    // True and the text when the id exists.
    virtual bool FindString(UINT id, std::wstring& text) const = 0;
};

// The source in use (may be null: every id is then missing). Not owned.
IStringSource* GetStringSource();
void SetStringSource(IStringSource* source);
