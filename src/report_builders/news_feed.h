#pragma once
// The news feed of the report wizard: an RSS 2.0 file in UTF-8 with the ticked events, rewritten
// whole by each export. Items that somebody marked with a "locked" child in the previous file
// survive every export; all other earlier items give way to the current events.
#include <vector>

#include "platform/core/cstring.h"
#include "platform/core/time64.h"

class CReportEvent;
class CScheduleData;
class IProgress;

// One item read back from the previous file. A child the item lacks reads as empty.
struct CFeedItem {
    CString title;
    CString description;
    CString link;
    CString pubDate;
    CString guid;
};

// Appends every item of the file that has a locked child, whatever its text. A file that is
// missing, unreadable or not well-formed gives nothing.
void ReadLockedFeedItems(const CString& path, std::vector<CFeedItem>& items);
// The local time t as an RFC 822 date with the numeric time zone: "Mon, 03 Jan 2000 08:00:00 +0100".
CString FormatFeedDate(__time64_t t);
// Whether the text is an RFC 822 date as FormatFeedDate writes it (the weekday may be left out).
bool IsFeedDate(const CString& text);
// The file address ("file:///...") of a path, made absolute, with every byte that an address
// may not hold percent-encoded; empty for an empty path.
CString FileAddress(const CString& path);
// What an event's guid is made from: the plan file's name, the event's identity and its start.
// The same event of the same plan gives the same text at every export.
CString EventIdentity(const CScheduleData& data, const CReportEvent& event);
// The feed text: the channel dated now with its link, the locked items, then one item per event.
// Every event's guid is a name-based UUID of its identity, so that a reader knows an event it has
// shown before (locked items keep theirs). The progress, when given, steps once per item.
CString BuildNewsFeedText(const CScheduleData& data, const std::vector<CReportEvent>& events,
                          const std::vector<CFeedItem>& locked, __time64_t now, IProgress* progress = nullptr,
                          const CString& link = CString());

enum class FeedExportResult { NothingToExport, NoPath, Written, WriteFailed };
// Writes the events to the feed file at path, keeping the locked items of the file there. No
// events: nothing happens. No path, or a file that cannot be written: the user is told.
FeedExportResult ExportNewsFeed(const CScheduleData& data, const CString& path,
                                const std::vector<CReportEvent>& events);
