#pragma once
// Saves a window with its child windows as PNG, as Qt shows it.
#include <QPixmap>
#include <QWidget>

#include "platform/ui/test_support.h"
#include "platform/ui/wnd.h"

inline QImage SaveWindowPicture(CWnd* wnd, const char* name) {
    vorn_test::ProcessEvents();
    wnd->UpdateWindow();
    const QImage picture = wnd->GetWidget()->grab().toImage();
    picture.save(QString::fromStdWString(vorn_test::PicturePath(name).GetString()), "PNG");
    return picture;
}
