#include "controls/theme_api.h"

#include <cstdlib>

CThemeApi& CThemeApi::Instance() {
    static CThemeApi api;
    return api;
}

namespace {

// Start-up: one reference for the program, released at exit.
struct ThemeApiStartUp {
    ThemeApiStartUp() {
        CThemeApi::Instance().AddRef();
        std::atexit([] { CThemeApi::Instance().Release(); });
    }
} g_themeApiStartUp;

}  // namespace

void CThemeApi::Load() {
    // No module offers the eight entry points here, so nothing becomes available.
    m_hModule = nullptr;
    m_available = false;
}

void CThemeApi::AddRef() {
    ++m_refCount;
    if (!m_available) Load();
}

void CThemeApi::Release() {
    if (m_refCount > 0) --m_refCount;
    if (m_refCount == 0) {
        m_hModule = nullptr;
        m_available = false;
    }
}

BOOL CThemeApi::IsAppThemed() const { return FALSE; }

void* CThemeApi::OpenThemeData(HWND, LPCWSTR) const { return nullptr; }

BOOL CThemeApi::CloseTheme(void* hTheme) const { return m_available && hTheme != nullptr; }
