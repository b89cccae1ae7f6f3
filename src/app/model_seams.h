#pragma once
// The document store's questions to the user and its clipboard, over the platform's message
// boxes (and so over the dialog answerer that tests script) and the platform's clipboard.
#include "model/model_host.h"

class CDialogMessageAnswerer : public IMessageAnswerer {
public:
    MessageAnswer Ask(const CString& text, const CString& caption, MessageButtons buttons, MessageIcon icon) override;
};

class CLayerClipboard : public IClipboard {
public:
    bool SetText(const CString& text) override;
    bool GetText(CString& text) override;
};
