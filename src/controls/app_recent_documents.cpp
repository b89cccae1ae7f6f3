#include "controls/app_recent_documents.h"

#include <utility>

namespace {
RecentDocumentAdder& Adder() {
    static RecentDocumentAdder adder;
    return adder;
}
}  // namespace

void SetRecentDocumentAdder(RecentDocumentAdder adder) { Adder() = std::move(adder); }

void AddAppRecentDocument(const CString& name, const CString& path, bool isTemplate) {
    if (Adder()) Adder()(name, path, isTemplate);
}
