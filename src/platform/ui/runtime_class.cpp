#include "platform/ui/runtime_class.h"

#include <map>
#include <mutex>

namespace {

std::mutex& TableMutex() {
    static std::mutex mutex;
    return mutex;
}

std::map<std::string, const CRuntimeClass*>& Table() {
    static std::map<std::string, const CRuntimeClass*> table;
    return table;
}

std::string Narrow(LPCWSTR name) {
    std::string out;
    for (; name && *name; ++name) {
        if (*name > 0x7F) return std::string();  // class names are plain ASCII identifiers
        out += static_cast<char>(*name);
    }
    return out;
}

}  // namespace

namespace vorn_rtc {
Registration::Registration(const CRuntimeClass* c) {
    std::lock_guard<std::mutex> lock(TableMutex());
    Table()[c->m_lpszClassName] = c;
}
}  // namespace vorn_rtc

const CRuntimeClass* CObject::GetRuntimeClass() const { return RUNTIME_CLASS(CObject); }

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const {
    return pClass && pClass->m_pfnIsInstance && pClass->m_pfnIsInstance(this) ? TRUE : FALSE;
}

CObject* CRuntimeClass::CreateObject() const { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const {
    for (const CRuntimeClass* c = this; c; c = c->m_pBaseClass)
        if (c == pBaseClass) return TRUE;
    return FALSE;
}

const CRuntimeClass* CRuntimeClass::FromName(LPCSTR lpszClassName) {
    if (!lpszClassName) return nullptr;
    std::lock_guard<std::mutex> lock(TableMutex());
    auto it = Table().find(lpszClassName);
    return it == Table().end() ? nullptr : it->second;
}

const CRuntimeClass* CRuntimeClass::FromName(LPCWSTR lpszClassName) {
    const std::string name = Narrow(lpszClassName);
    return name.empty() ? nullptr : FromName(name.c_str());
}

CObject* CRuntimeClass::CreateObject(LPCSTR lpszClassName) {
    const CRuntimeClass* c = FromName(lpszClassName);
    return c ? c->CreateObject() : nullptr;
}

CObject* CRuntimeClass::CreateObject(LPCWSTR lpszClassName) {
    const CRuntimeClass* c = FromName(lpszClassName);
    return c ? c->CreateObject() : nullptr;
}
