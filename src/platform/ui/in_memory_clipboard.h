#pragma once
// A clipboard of the process alone, for tests: it installs itself as the clipboard backend
// for its lifetime and puts the previous one back at the end.
#include "platform/ui/clipboard_backend.h"

class CInMemoryClipboard : public IClipboardBackend {
public:
    CInMemoryClipboard();
    ~CInMemoryClipboard() override;
    CInMemoryClipboard(const CInMemoryClipboard&) = delete;
    CInMemoryClipboard& operator=(const CInMemoryClipboard&) = delete;

    bool HasText() const override { return m_hasText; }
    CString GetText() const override { return m_text; }
    void SetText(const CString& text) override {
        m_text = text;
        m_hasText = true;
    }
    void Clear() override {
        m_text.Empty();
        m_hasText = false;
    }

private:
    CString m_text;
    bool m_hasText = false;
    IClipboardBackend* m_previous = nullptr;
};
