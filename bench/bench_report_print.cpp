// Printing a long report to PDF on the school plan, on Qt's offscreen platform: the entity
// pages of the first classes (each on its own page, every plan day) are shown in the browser,
// then the engine lays them out as PDF in the background. Counters: the PDF's size and pages,
// and the longest time the event loop went without turning while the pages were laid out (how
// long the window would not have answered input).
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "platform/ui_web/html_view.h"
#include "reports/wnd_html.h"
#include "support/bench_frame.h"

namespace {

struct Shell : CBenchShell {
    Shell() : CBenchShell(Prepare()) {
        settings.m_strFontName = L"DejaVu Sans";
        settings.m_nFontSize = 12;
        const std::filesystem::path school =
            std::filesystem::path(VORN_SHARED_DIR) / "fixtures/documents/school-dated.xml";
        loaded = app.data.Load(CString(school.c_str()), FALSE) != FALSE;
    }
    static const char* Prepare() {
        CHtmlView::PrepareEngine();
        RegisterFramePage(kPageReports, [] { return std::make_unique<CWndHTML>(); });
        return "bench_report_print";
    }
    CWndHTML& Page() { return *static_cast<CWndHTML*>(frame->FindPage(kPageReports)); }
    bool loaded = false;
};

Shell& TheShell() {
    static Shell* shell = new Shell;
    return *shell;
}

// The page objects of a PDF (not the page tree nodes).
int CountPages(const QByteArray& pdf) {
    int pages = 0;
    for (qsizetype at = pdf.indexOf("/Type /Page"); at >= 0; at = pdf.indexOf("/Type /Page", at + 1))
        if (at + 11 >= pdf.size() || pdf[at + 11] != 's') ++pages;
    return pages;
}

void BM_PrintEntityPagesToPdf(benchmark::State& state) {
    Shell& shell = TheShell();
    if (!shell.loaded) {
        state.SkipWithError("the school plan did not load");
        return;
    }
    CWndHTML& page = shell.Page();
    page.m_entityIds.clear();
    for (const CEntity& entity : shell.app.data.m_arrEntities)
        if (entity.m_nType == 0 && page.m_entityIds.size() < static_cast<std::size_t>(state.range(0)))
            page.m_entityIds.push_back(entity.m_nId);
    page.m_dayIndexes.clear();
    for (int d = 0; d < shell.app.data.m_nDays; ++d) page.m_dayIndexes.push_back(d);
    page.SendMessage(WM_COMMAND, ID_REPORT_ENTITY_PAGES, 0);
    CHtmlCtrl& browser = page.GetBrowser();
    QByteArray pdf;
    qint64 longestStall = 0;
    for (auto _ : state) {
        pdf.clear();
        bool done = false;
        browser.BeginPrintToPdf([&](const QByteArray& bytes) {
            pdf = bytes;
            done = true;
            return true;
        });
        // A timer that should fire every 10 ms: how late it comes is how long the loop stalled.
        QEventLoop loop;
        QElapsedTimer since;
        since.start();
        QTimer tick;
        tick.setInterval(10);
        QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
            longestStall = std::max(longestStall, since.restart());
            if (done) loop.quit();
        });
        tick.start();
        loop.exec();
    }
    state.counters["classes"] = static_cast<double>(page.m_entityIds.size());
    state.counters["MB"] = static_cast<double>(pdf.size()) / (1024.0 * 1024.0);
    state.counters["pages"] = CountPages(pdf);
    state.counters["longest_stall_ms"] = static_cast<double>(longestStall);
}
BENCHMARK(BM_PrintEntityPagesToPdf)->ArgName("classes")->Arg(1)->Arg(10)->Arg(40)->Iterations(2)->Unit(benchmark::kMillisecond);

}  // namespace
