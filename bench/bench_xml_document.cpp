// The XML class on documents of the writer's shape: building element by element, writing the
// file text, reading and parsing it back.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "model/xml_document.h"

namespace {

// DOCUMENT with a few sections, then one TIMETABLE with count ENTRY elements of six attributes.
CXmlDocument BuildDocument(int count) {
    CXmlDocument doc;
    doc.SetDocumentText(L"<?xml version=\"1.0\" encoding=\"UTF-16LE\"?>\r\n");
    doc.AddElement(L"DOCUMENT");
    doc.SetAttributeAt(doc.GetMainPos(), L"VERSION", L"1.0");
    doc.EnterElement();
    doc.AddElement(L"GENERAL");
    doc.SetAttributeAt(doc.GetMainPos(), L"DAYS", L"5");
    doc.AddElement(L"TIMETABLE");
    doc.EnterElement();
    CString value;
    for (int i = 0; i < count; ++i) {
        doc.AddElement(L"ENTRY");
        const int iPos = doc.GetMainPos();
        value.Format(L"%d", i % 1200 + 1);
        doc.SetAttributeAt(iPos, L"ACTIVITY", value);
        doc.SetAttributeAt(iPos, L"STATUS", L"2");
        value.Format(L"%02d/%02d/2024", i % 28 + 1, i % 12 + 1);
        doc.SetAttributeAt(iPos, L"DAY", value);
        value.Format(L"%02d:%02d", 8 + i % 9, (i % 4) * 15);
        doc.SetAttributeAt(iPos, L"START", value);
        doc.SetAttributeAt(iPos, L"DURATION", L"0:45");
        doc.SetAttributeAt(iPos, L"REMARK", L"Room <B> & \"lab\"");
    }
    doc.LeaveElement();
    doc.AddElement(L"KEYS");
    return doc;
}

std::string TempPath() { return "/tmp/vorn_bench_xml_" + std::to_string(::getpid()) + ".xml"; }

void BM_BuildDocument(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    for (auto _ : state) {
        CXmlDocument doc = BuildDocument(count);
        benchmark::DoNotOptimize(doc.GetDoc().GetLength());
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_BuildDocument)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_WriteFileText(benchmark::State& state) {
    const CXmlDocument doc = BuildDocument(static_cast<int>(state.range(0)));
    const CString path(TempPath());
    for (auto _ : state) {
        int flags = CXmlDocument::kUtf16LeFile;
        benchmark::DoNotOptimize(CXmlDocument::WriteFileText(path, doc.GetDoc(), nullptr, &flags));
    }
    std::remove(path.ToUtf8().c_str());
    state.SetBytesProcessed(state.iterations() * doc.GetDoc().GetLength() * 2);
}
BENCHMARK(BM_WriteFileText)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_LoadFile(benchmark::State& state) {
    const CXmlDocument doc = BuildDocument(static_cast<int>(state.range(0)));
    const CString path(TempPath());
    int flags = CXmlDocument::kUtf16LeFile;
    CXmlDocument::WriteFileText(path, doc.GetDoc(), nullptr, &flags);
    for (auto _ : state) {
        CXmlDocument loaded;
        if (!loaded.LoadFile(path))
            state.SkipWithError("the document did not load");
        benchmark::DoNotOptimize(loaded.IsWellFormed());
    }
    std::remove(path.ToUtf8().c_str());
    state.SetBytesProcessed(state.iterations() * doc.GetDoc().GetLength() * 2);
}
BENCHMARK(BM_LoadFile)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_ParseAndReadAll(benchmark::State& state) {
    const CXmlDocument doc = BuildDocument(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        CXmlDocument parsed(doc.GetDoc());
        parsed.FindElement(L"DOCUMENT");
        parsed.FindChildElement(L"TIMETABLE");
        parsed.EnterElement();
        int sum = 0;
        while (parsed.FindChildElement(L"ENTRY"))
            sum += parsed.GetAttributeAt(parsed.GetChildPos(), L"START").GetLength();
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ParseAndReadAll)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
