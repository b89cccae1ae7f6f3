#include "platform/ui/dialog_answerer.h"

#include "platform/ui/qt_dialog_answerer.h"

namespace {
IDialogAnswerer* g_installed = nullptr;
}

IDialogAnswerer& GetDialogAnswerer() {
    if (g_installed) return *g_installed;
    static CQtDialogAnswerer qt;
    return qt;
}

IDialogAnswerer* SetDialogAnswerer(IDialogAnswerer* answerer) {
    IDialogAnswerer* previous = g_installed;
    g_installed = answerer;
    return previous;
}
