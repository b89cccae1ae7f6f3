#pragma once
// The application's list of recent documents as the controls reach it: the application object
// installs the function that adds a document; until then adding does nothing.
#include <functional>

#include "platform/core/cstring.h"

using RecentDocumentAdder = std::function<void(const CString& name, const CString& path, bool isTemplate)>;

void SetRecentDocumentAdder(RecentDocumentAdder adder);
void AddAppRecentDocument(const CString& name, const CString& path, bool isTemplate);
