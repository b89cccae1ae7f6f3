#include "ui_test_support.h"

#include <QApplication>
#include <QDir>
#include <cstdlib>

void EnsureApplication() {
    if (QApplication::instance()) return;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "htmllite_tests";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
}

CTestCanvas::CTestCanvas(int width, int height, COLORREF fill) {
    EnsureApplication();
    m_dc.CreateCompatibleDC(nullptr);
    m_bitmap.CreateBitmap(width, height, 1, 32, nullptr);
    m_old = m_dc.SelectObject(&m_bitmap);
    m_dc.FillSolidRect(0, 0, width, height, fill);
}

CTestCanvas::~CTestCanvas() { m_dc.SelectObject(m_old); }

bool CTestCanvas::Save(const char* name) const {
    const QString folder = QStringLiteral(VORN_BIN_DIR "/../test-pictures");
    QDir().mkpath(folder);
    return m_dc.SavePng(CString((folder + QLatin1Char('/') + QString::fromUtf8(name)).toStdWString()));
}
