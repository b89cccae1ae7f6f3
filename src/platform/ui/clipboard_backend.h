#pragma once
// Where the clipboard functions (clipboard.h) keep the text: the system clipboard through Qt
// (CQtClipboard) in the program, a clipboard of the process alone (CInMemoryClipboard) in
// tests.
#include "platform/core/cstring.h"

class IClipboardBackend {
public:
    virtual ~IClipboardBackend() = default;
    virtual bool HasText() const = 0;
    virtual CString GetText() const = 0;
    virtual void SetText(const CString& text) = 0;
    virtual void Clear() = 0;
};

// The backend in use: the one installed, else the system clipboard. Never null.
IClipboardBackend& GetClipboardBackend();
// Installs a backend (not owned); null goes back to the system clipboard. Returns the
// previous one installed (null for the system clipboard).
IClipboardBackend* SetClipboardBackend(IClipboardBackend* backend);
