#pragma once
// CObject: the common base of the layer's window and drawing classes, with run-time class
// information (runtime_class.h): GetRuntimeClass and IsKindOf.
#include "platform/core/win_types.h"

struct CRuntimeClass;

class CObject {
public:
    CObject() = default;
    virtual ~CObject() = default;
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;

    // The run-time class of the most derived class that declares one (DECLARE_DYNAMIC...).
    virtual const CRuntimeClass* GetRuntimeClass() const;
    // TRUE when the object is of that class or of a class derived from it.
    BOOL IsKindOf(const CRuntimeClass* pClass) const;
};
