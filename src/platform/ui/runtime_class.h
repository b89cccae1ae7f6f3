#pragma once
// Run-time class information. A class declares it in its body and implements it in its source
// file; DYNCREATE classes can also be made from their class name:
//
//   class CListBoxEx : public CDragListBox { DECLARE_DYNCREATE(CListBoxEx) ... };
//   IMPLEMENT_DYNCREATE(CListBoxEx, CDragListBox)
//
//   CObject* made = CRuntimeClass::CreateObject(L"CListBoxEx");
//   if (made && made->IsKindOf(RUNTIME_CLASS(CListBox))) ...
//
// RUNTIME_CLASS works for every class derived from CObject, also for classes that declare
// nothing: those are known by their C++ name, without a base class chain or creation.
#include <cxxabi.h>

#include <cstdlib>
#include <string>
#include <type_traits>
#include <typeinfo>

#include "platform/ui/object.h"

struct CRuntimeClass {
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    CObject* (*m_pfnCreateObject)();
    const CRuntimeClass* m_pBaseClass;         // null for the classes that declare nothing
    bool (*m_pfnIsInstance)(const CObject*);   // whether an object is of this class or derived

    // A new object of the class; null for classes that are not DYNCREATE.
    CObject* CreateObject() const;
    // This class or one of its declared bases.
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;

    // The declared classes by name (exactly as spelled in the declaration).
    static const CRuntimeClass* FromName(LPCSTR lpszClassName);
    static const CRuntimeClass* FromName(LPCWSTR lpszClassName);
    static CObject* CreateObject(LPCSTR lpszClassName);
    static CObject* CreateObject(LPCWSTR lpszClassName);
};

namespace vorn_rtc {

// Adds a declared class to the by-name table (at start-up).
struct Registration {
    explicit Registration(const CRuntimeClass* c);
};

template <class T>
bool IsInstance(const CObject* o) {
    return dynamic_cast<const T*>(o) != nullptr;
}

template <class T>
CObject* Create() {
    return new T;
}

template <class T>
concept Declares = requires { typename T::VornThisClass; } && std::is_same_v<typename T::VornThisClass, T>;

// The C++ name of a class that declares nothing.
template <class T>
const char* PlainName() {
    static const std::string name = [] {
        int status = 0;
        char* demangled = abi::__cxa_demangle(typeid(T).name(), nullptr, nullptr, &status);
        std::string out = status == 0 && demangled ? demangled : typeid(T).name();
        std::free(demangled);
        return out;
    }();
    return name.c_str();
}

template <class T>
const CRuntimeClass* Of() {
    if constexpr (Declares<T>) {
        return T::GetThisClass();
    } else {
        static const CRuntimeClass plain{PlainName<T>(), static_cast<int>(sizeof(T)), nullptr, nullptr, &IsInstance<T>};
        return &plain;
    }
}

}  // namespace vorn_rtc

#define RUNTIME_CLASS(theClass) (::vorn_rtc::Of<theClass>())

#define DECLARE_DYNAMIC(theClass)                                  \
public:                                                            \
    using VornThisClass = theClass;                                \
    static const CRuntimeClass* GetThisClass();                    \
    const CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(theClass) \
    DECLARE_DYNAMIC(theClass)       \
    static CObject* CreateObject();

#define VORN_IMPLEMENT_RUNTIME(theClass, baseClass, create)                                                     \
    const CRuntimeClass* theClass::GetThisClass() {                                                            \
        static const CRuntimeClass info{#theClass, static_cast<int>(sizeof(theClass)), create,                  \
                                        RUNTIME_CLASS(baseClass), &::vorn_rtc::IsInstance<theClass>};            \
        return &info;                                                                                          \
    }                                                                                                          \
    const CRuntimeClass* theClass::GetRuntimeClass() const { return GetThisClass(); }                          \
    static const ::vorn_rtc::Registration vornRegistration##theClass(theClass::GetThisClass());

#define IMPLEMENT_DYNAMIC(theClass, baseClass) VORN_IMPLEMENT_RUNTIME(theClass, baseClass, nullptr)

#define IMPLEMENT_DYNCREATE(theClass, baseClass)                              \
    CObject* theClass::CreateObject() { return ::vorn_rtc::Create<theClass>(); } \
    VORN_IMPLEMENT_RUNTIME(theClass, baseClass, &theClass::CreateObject)
