#include "options_engine/settings_exchange.h"

#include "model/model_host.h"
#include "model/word_list_text.h"
#include "model/xml_document.h"

namespace {

struct ExchangeList {
    const wchar_t* element;
    WordList list;
};

constexpr ExchangeList kLists[] = {
    {L"CATEGORIES", WordList::Categories}, {L"ACTIVITIES", WordList::Activities}, {L"FUNDERS", WordList::Funders},
    {L"REWARDS", WordList::Rewards},       {L"LESSONS", WordList::Lessons},
};

}  // namespace

CString AddIniExtension(const CString& path) {
    if (path.GetLength() >= 4 && path.Right(4).CompareNoCase(L".ini") == 0) return path;
    return path + L".ini";
}

CString BuildSettingsExchangeText(IAppSettings& settings) {
    CXmlDocument doc;
    doc.AddElement(L"DOCUMENT");
    doc.SetAttributeAt(doc.GetMainPos(), L"VERSION", L"1.0");
    doc.EnterElement();
    for (const ExchangeList& list : kLists) doc.AddElement(list.element, JoinList(settings.GetWordList(list.list), L';'));
    doc.LeaveElement();
    return doc.GetDoc();
}

bool ExportSettingsFile(const CString& path, IAppSettings& settings) {
    int flags = CXmlDocument::kUtf16LeFile;
    return CXmlDocument::WriteFileText(path, BuildSettingsExchangeText(settings), nullptr, &flags);
}

bool ImportSettingsFile(const CString& path, IAppSettings& settings) {
    CXmlDocument doc;
    CString text;
    if (!CXmlDocument::ReadFileText(nullptr, path, text)) return false;
    doc.SetDocumentText(text);
    if (!doc.FindElement(L"DOCUMENT")) return false;
    doc.EnterElement();
    while (doc.FindElement()) {
        const CString name = doc.GetNodeName();
        for (const ExchangeList& list : kLists)
            if (name == list.element) SplitList(doc.GetElementText(), settings.GetWordList(list.list), L';');
    }
    doc.LeaveElement();
    return true;
}
