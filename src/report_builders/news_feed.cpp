#include "report_builders/news_feed.h"

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>

#include "model/model_host.h"
#include "model/schedule_data.h"
#include "model/xml_document.h"
#include "platform/core/file.h"
#include "platform/core/load_res_string.h"
#include "report_builders/report_event.h"
#include "resource_ids.h"

namespace {

constexpr const wchar_t* kDeclaration = L"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";
constexpr const wchar_t* kMonths[] = {L"Jan", L"Feb", L"Mar", L"Apr", L"May", L"Jun",
                                      L"Jul", L"Aug", L"Sep", L"Oct", L"Nov", L"Dec"};
constexpr const wchar_t* kWeekdays[] = {L"Sun", L"Mon", L"Tue", L"Wed", L"Thu", L"Fri", L"Sat"};

// 64-bit FNV-1a over the UTF-8 bytes of a text, from the basis given.
std::uint64_t HashText(const std::string& bytes, std::uint64_t basis) {
    std::uint64_t hash = basis;
    for (unsigned char c : bytes) {
        hash ^= c;
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

// A UUID as a URN made from the text (the form of a name-based UUID): the same text always
// gives the same guid, and it names nothing a reader could open.
CString GuidOf(const CString& text) {
    const std::string bytes = text.ToUtf8();
    const std::uint64_t high = HashText(bytes, 0xcbf29ce484222325ULL);
    const std::uint64_t low = HashText(bytes, 0x84222325cbf29ce4ULL);
    CString guid;
    guid.Format(L"urn:uuid:%08x-%04x-8%03x-%04x-%04x%08x", static_cast<unsigned>(high >> 32),
                static_cast<unsigned>((high >> 16) & 0xFFFF), static_cast<unsigned>(high & 0xFFF),
                static_cast<unsigned>(0x8000 | ((low >> 48) & 0x3FFF)), static_cast<unsigned>((low >> 32) & 0xFFFF),
                static_cast<unsigned>(low & 0xFFFFFFFF));
    return guid;
}

void AddItemChild(CXmlDocument& doc, const wchar_t* name, const CString& text) { doc.AddElement(name, text.GetString()); }

void AddGuid(CXmlDocument& doc, const CString& guid) {
    doc.AddElement(L"guid", guid.GetString());
    doc.SetAttributeAt(doc.GetMainPos(), L"isPermaLink", L"false");
}

// An item's date as the file gave it when it is a feed date; an old "%d/%m/%Y" date becomes one
// at midnight; anything else is left out (empty).
CString ItemDate(const CString& text) {
    if (IsFeedDate(text)) return text;
    int day = 0, month = 0, year = 0;
    wchar_t rest = 0;
    if (std::swscanf(text.GetString(), L"%d/%d/%d%lc", &day, &month, &year, &rest) != 3) return CString();
    std::tm parts{};
    parts.tm_mday = day;
    parts.tm_mon = month - 1;
    parts.tm_year = year - 1900;
    parts.tm_isdst = -1;
    if (day < 1 || day > 31 || month < 1 || month > 12 || year < 1900) return CString();
    const std::time_t t = std::mktime(&parts);
    return t == -1 ? CString() : FormatFeedDate(t);
}

}  // namespace

CString FormatFeedDate(__time64_t t) {
    const std::time_t time = static_cast<std::time_t>(t);
    std::tm local{};
    if (!localtime_r(&time, &local)) return CString();
    const long offset = local.tm_gmtoff / 60;
    const long magnitude = offset < 0 ? -offset : offset;
    CString text;
    text.Format(L"%s, %02d %s %04d %02d:%02d:%02d %c%02ld%02ld", kWeekdays[local.tm_wday], local.tm_mday,
                kMonths[local.tm_mon], local.tm_year + 1900, local.tm_hour, local.tm_min, local.tm_sec,
                offset < 0 ? L'-' : L'+', magnitude / 60, magnitude % 60);
    return text;
}

bool IsFeedDate(const CString& text) {
    std::wstring s = text.str();
    if (s.size() > 5 && s[3] == L',' && s[4] == L' ') {
        bool weekday = false;
        for (const wchar_t* name : kWeekdays) weekday = weekday || s.compare(0, 3, name) == 0;
        if (!weekday) return false;
        s = s.substr(5);
    }
    // "dd Mon yyyy hh:mm:ss +hhmm"
    if (s.size() != 26) return false;
    auto digits = [&s](std::size_t at, std::size_t n) {
        for (std::size_t k = at; k < at + n; ++k)
            if (s[k] < L'0' || s[k] > L'9') return false;
        return true;
    };
    bool month = false;
    for (const wchar_t* name : kMonths) month = month || s.compare(3, 3, name) == 0;
    return digits(0, 2) && s[2] == L' ' && month && s[6] == L' ' && digits(7, 4) && s[11] == L' ' && digits(12, 2) &&
           s[14] == L':' && digits(15, 2) && s[17] == L':' && digits(18, 2) && s[20] == L' ' &&
           (s[21] == L'+' || s[21] == L'-') && digits(22, 4);
}

void ReadLockedFeedItems(const CString& path, std::vector<CFeedItem>& items) {
    CXmlDocument doc;
    try {
        CString text;
        if (!CXmlDocument::ReadFileText(nullptr, path, text)) return;
        if (!doc.SetDocumentText(text.GetString()) || !doc.IsWellFormed()) return;
    } catch (const CFileException&) {
        return;
    }
    if (!doc.FindElement(L"rss") || !doc.EnterElement() || !doc.FindElement(L"channel") || !doc.EnterElement()) return;
    while (doc.FindElement(L"item")) {
        if (!doc.EnterElement()) continue;
        CFeedItem item;
        bool locked = false;
        while (doc.FindElement()) {
            const CString name = doc.GetNodeName();
            if (name == L"title") item.title = doc.GetElementText();
            else if (name == L"description") item.description = doc.GetElementText();
            else if (name == L"link") item.link = doc.GetElementText();
            else if (name == L"pubDate") item.pubDate = doc.GetElementText();
            else if (name == L"guid") item.guid = doc.GetElementText();
            else if (name == L"locked") locked = true;
        }
        doc.LeaveElement();
        if (locked) items.push_back(item);
    }
}

CString FileAddress(const CString& path) {
    if (path.IsEmpty()) return CString();
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(std::filesystem::path(path.ToUtf8()), error);
    const std::string bytes = error ? path.ToUtf8() : absolute.lexically_normal().string();
    std::string address = "file://";
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (unsigned char c : bytes) {
        if (std::isalnum(c) || std::strchr("/-._~", c)) {
            address += static_cast<char>(c);
        } else {
            address += '%';
            address += kHex[c >> 4];
            address += kHex[c & 15];
        }
    }
    return CString(Utf8ToWide(address));
}

CString EventIdentity(const CScheduleData& data, const CReportEvent& event) {
    const std::string document = std::filesystem::path(data.GetFilePath().ToUtf8()).filename().string();
    CString identity = CString(Utf8ToWide(document)) + L"\n" + event.identity;
    identity.AppendFormat(L"\n%s", event.start.Format(L"%Y-%m-%d %H:%M").GetString());
    return identity;
}

CString BuildNewsFeedText(const CScheduleData& data, const std::vector<CReportEvent>& events,
                          const std::vector<CFeedItem>& locked, __time64_t now, IProgress* progress,
                          const CString& link) {
    const CString date = FormatFeedDate(now);
    CXmlDocument doc;
    doc.SetDocumentText(kDeclaration);
    doc.AddElement(L"rss");
    doc.SetAttributeAt(doc.GetMainPos(), L"version", L"2.0");
    doc.EnterElement();
    doc.AddElement(L"channel");
    doc.EnterElement();
    AddItemChild(doc, L"title", LoadResString(IDS_FEED_TITLE));
    AddItemChild(doc, L"link", link);
    AddItemChild(doc, L"description", LoadResString(IDS_FEED_DESCRIPTION));
    doc.AddElement(L"copyright");
    AddItemChild(doc, L"language", LoadResString(IDS_FEED_LANGUAGE));
    AddItemChild(doc, L"pubDate", date);
    AddItemChild(doc, L"lastBuildDate", date);
    for (const CFeedItem& item : locked) {
        doc.AddElement(L"item");
        doc.EnterElement();
        AddItemChild(doc, L"title", item.title);
        AddItemChild(doc, L"description", item.description);
        AddItemChild(doc, L"link", item.link);
        // An old item without a guid gets one from its own texts, the same at every export.
        AddGuid(doc, item.guid.IsEmpty() ? GuidOf(L"item\n" + item.title + L"\n" + item.description + L"\n" +
                                                  item.link + L"\n" + item.pubDate)
                                         : item.guid);
        AddItemChild(doc, L"locked", L"true");
        const CString itemDate = ItemDate(item.pubDate);
        if (!itemDate.IsEmpty()) AddItemChild(doc, L"pubDate", itemDate);
        doc.LeaveElement();
        if (progress) progress->StepIt();
    }
    for (const CReportEvent& event : events) {
        doc.AddElement(L"item");
        doc.EnterElement();
        AddItemChild(doc, L"title", event.FormatSummary(data, true));
        AddItemChild(doc, L"description", event.FormatDescription(data));
        doc.AddElement(L"link");
        AddGuid(doc, GuidOf(EventIdentity(data, event)));
        AddItemChild(doc, L"pubDate", date);
        doc.LeaveElement();
        if (progress) progress->StepIt();
    }
    doc.LeaveElement();
    doc.LeaveElement();
    return doc.GetDoc();
}

FeedExportResult ExportNewsFeed(const CScheduleData& data, const CString& path, const std::vector<CReportEvent>& events) {
    if (events.empty()) return FeedExportResult::NothingToExport;
    auto tell = [&data](UINT id) {
        data.Answerer().Ask(LoadResString(id), LoadResString(IDS_ERROR_CAPTION), MessageButtons::Ok, MessageIcon::Stop);
    };
    if (path.IsEmpty()) {
        tell(IDS_FEED_NO_PATH);
        return FeedExportResult::NoPath;
    }
    std::vector<CFeedItem> locked;
    ReadLockedFeedItems(path, locked);

    IProgress& progress = data.Host().ShowProgress(LoadResString(IDS_FEED_PROGRESS));
    progress.SetRange(0, static_cast<int>(locked.size() + events.size()));
    progress.SetPos(0);
    progress.SetStep(1);
    data.Host().BeginWaitCursor();
    bool written = false;
    try {
        // The channel names the feed file itself: it is where the feed lives.
        const CString text = BuildNewsFeedText(data, events, locked, _time64(nullptr), &progress, FileAddress(path));
        written = CXmlDocument::WriteFileText(path, text);
    } catch (const CFileException&) {
        written = false;
    }
    data.Host().HideProgress();
    data.Host().EndWaitCursor();
    if (!written) tell(IDS_FEED_WRITE_FAILED);
    return written ? FeedExportResult::Written : FeedExportResult::WriteFailed;
}
