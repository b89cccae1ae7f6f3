#pragma once
// Saves a window with its children, as Qt shows it, as PNG into the test pictures.
#include <QImage>
#include <QString>
#include <QWidget>

#include "platform/ui/test_support.h"
#include "platform/ui/wnd.h"

inline QImage GrabWindow(CWnd* wnd) {
    vorn_test::ProcessEvents();
    wnd->UpdateWindow();
    return wnd->GetWidget()->grab().toImage();
}

inline void SavePng(const QImage& image, const char* name) {
    image.save(QString::fromStdWString(vorn_test::PicturePath(name).GetString()), "PNG");
}
