#pragma once
// The system clipboard through QClipboard, Unicode text both ways.
#include "platform/ui/clipboard_backend.h"

class CQtClipboard : public IClipboardBackend {
public:
    bool HasText() const override;
    CString GetText() const override;
    void SetText(const CString& text) override;
    void Clear() override;
};
