// Fuzz target: a file's bytes read as XML file text (marks, declared encodings, UTF-8
// detection) and parsed. Text written back the way it was found reads as the same text.
#include "fuzz_support.h"
#include "model/xml_document.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const CString path = ScratchFile("text.xml");
    WriteScratchFile(path, data, size);
    CString encoding, text;
    int flags = 0;
    if (!CXmlDocument::ReadFileText(&encoding, path, text, nullptr, &flags)) return 0;
    CXmlDocument doc;
    doc.SetDocumentText(text);

    const CString copy = ScratchFile("text-copy.xml");
    CString log;
    if (!CXmlDocument::WriteFileText(copy, text, &log, &flags)) return 0;
    if (log.Find(L"conversion_loss") >= 0) return 0;  // the encoding found cannot hold the text
    CString again;
    Check(CXmlDocument::ReadFileText(nullptr, copy, again), "text written back cannot be read");
    Check(again == text, "text written back reads as another text");
    return 0;
}
