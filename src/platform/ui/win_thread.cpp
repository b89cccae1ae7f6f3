#include "platform/ui/win_thread.h"

#include <QCoreApplication>

#include <chrono>
#include <system_error>

#include "platform/ui/ui_thread.h"

CWinThread::CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam)
    : m_pfnThreadProc(pfnThreadProc), m_pThreadParams(pParam) {}

CWinThread::~CWinThread() {
    if (!m_thread.joinable()) return;
    if (m_thread.get_id() == std::this_thread::get_id()) m_thread.detach();  // auto-delete at the end of Main
    else m_thread.join();
}

BOOL CWinThread::CreateThread(DWORD dwCreateFlags) {
    if (m_started) return FALSE;
    if (dwCreateFlags & CREATE_SUSPENDED) return TRUE;
    m_started = true;
    // Main takes the lock before it may delete this object: the handle is stored first.
    std::lock_guard<std::mutex> lock(m_mutex);
    try {
        m_thread = std::thread([this] { Main(); });
    } catch (const std::system_error&) {
        m_started = false;
        return FALSE;
    }
    return TRUE;
}

DWORD CWinThread::ResumeThread() {
    if (m_started) return 0;
    return CreateThread(0) ? 1 : 0;
}

void CWinThread::Main() {
    const UINT code = m_pfnThreadProc ? m_pfnThreadProc(m_pThreadParams) : 0;
    const bool autoDelete = m_bAutoDelete != FALSE;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_exitCode = code;
        m_finished = true;
    }
    m_done.notify_all();
    if (autoDelete) delete this;
}

BOOL CWinThread::Wait(DWORD milliseconds) {
    if (vorn_ui::OnUiThread() && QCoreApplication::instance()) return WaitPumping(milliseconds);
    std::unique_lock<std::mutex> lock(m_mutex);
    if (milliseconds == INFINITE) m_done.wait(lock, [this] { return m_finished.load(); });
    else m_done.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return m_finished.load(); });
    return m_finished ? TRUE : FALSE;
}

BOOL CWinThread::WaitPumping(DWORD milliseconds) {
    const auto start = std::chrono::steady_clock::now();
    const auto limit = std::chrono::milliseconds(milliseconds);
    for (;;) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        std::unique_lock<std::mutex> lock(m_mutex);
        if (m_done.wait_for(lock, std::chrono::milliseconds(5), [this] { return m_finished.load(); })) return TRUE;
        if (milliseconds != INFINITE && std::chrono::steady_clock::now() - start >= limit) return FALSE;
    }
}

CWinThread* AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam, int nPriority, UINT /*nStackSize*/,
                           DWORD dwCreateFlags, void* /*lpSecurityAttrs*/) {
    auto* thread = new CWinThread(pfnThreadProc, pParam);
    thread->SetThreadPriority(nPriority);
    if (!thread->CreateThread(dwCreateFlags)) {
        delete thread;
        return nullptr;
    }
    return thread;
}
