#include "platform/ui/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {
QClipboard* Board() { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::clipboard() : nullptr; }
}  // namespace

bool CQtClipboard::HasText() const {
    QClipboard* board = Board();
    const QMimeData* data = board ? board->mimeData() : nullptr;
    return data && data->hasText();
}

CString CQtClipboard::GetText() const {
    QClipboard* board = Board();
    return board ? CString(board->text().toStdWString()) : CString();
}

void CQtClipboard::SetText(const CString& text) {
    if (QClipboard* board = Board()) board->setText(QString::fromStdWString(text.GetString()));
}

void CQtClipboard::Clear() {
    if (QClipboard* board = Board()) board->clear();
}
