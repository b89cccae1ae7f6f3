// The news feed: a valid RSS 2.0 file (unique guids that are no addresses, RFC 822 dates with the
// time zone, the language of the language pack), locked items kept across exports with their own
// texts, and the failures the user is told of.
#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "model/xml_document.h"
#include "platform/core/load_res_string.h"
#include "report_builders/news_feed.h"
#include "report_event_fixture.h"
#include "resource_ids.h"

namespace {

struct FeedItemRead {
    std::map<std::wstring, std::wstring> children;
    std::wstring permaLink;
};

struct FeedRead {
    std::wstring version;
    std::map<std::wstring, std::wstring> channel;
    std::vector<FeedItemRead> items;
};

class NewsFeed : public ReportEventFixture {
protected:
    NewsFeed() {
        m_data.SetServices({&m_host, &m_settings, &m_answerer, nullptr});
        m_path = (std::filesystem::temp_directory_path() / ("feed_" + std::to_string(::getpid()) + ".xml")).string();
        std::filesystem::remove(m_path);
    }
    ~NewsFeed() override { std::filesystem::remove(m_path); }

    CString Path() const { return CString(m_path.c_str()); }
    void WriteFile(const std::string& text) { std::ofstream(m_path, std::ios::binary) << text; }

    // The file as a reader of feeds sees it; fails the test when it is not well-formed.
    FeedRead Read() {
        FeedRead feed;
        CXmlDocument doc;
        EXPECT_TRUE(doc.LoadFile(Path()));
        EXPECT_TRUE(doc.IsWellFormed());
        EXPECT_TRUE(doc.FindElement(L"rss"));
        feed.version = doc.GetAttribute(L"version").str();
        doc.EnterElement();
        EXPECT_TRUE(doc.FindElement(L"channel"));
        doc.EnterElement();
        while (doc.FindElement()) {
            const CString name = doc.GetNodeName();
            if (name != L"item") {
                feed.channel[name.str()] = doc.GetElementText().str();
                continue;
            }
            FeedItemRead item;
            doc.EnterElement();
            while (doc.FindElement()) {
                item.children[doc.GetNodeName().str()] = doc.GetElementText().str();
                if (doc.GetNodeName() == L"guid") item.permaLink = doc.GetAttribute(L"isPermaLink").str();
            }
            doc.LeaveElement();
            feed.items.push_back(item);
        }
        return feed;
    }
    static bool ParsesAsDate(const std::wstring& text) {
        std::tm parts{};
        const std::string narrow(text.begin(), text.end());
        const char* end = strptime(narrow.c_str(), "%a, %d %b %Y %H:%M:%S %z", &parts);
        return end && *end == 0;
    }
    // Every guid in the file, checked for the rules of a feed.
    std::set<std::wstring> ExpectValid(const FeedRead& feed) {
        EXPECT_EQ(feed.version, L"2.0");
        EXPECT_EQ(feed.channel.at(L"language"), LoadResString(IDS_FEED_LANGUAGE).str());
        EXPECT_EQ(feed.channel.at(L"title"), LoadResString(IDS_FEED_TITLE).str());
        EXPECT_TRUE(feed.channel.count(L"link") && feed.channel.count(L"description"));
        EXPECT_TRUE(ParsesAsDate(feed.channel.at(L"pubDate"))) << feed.channel.at(L"pubDate");
        EXPECT_EQ(feed.channel.at(L"pubDate"), feed.channel.at(L"lastBuildDate"));
        std::set<std::wstring> guids;
        for (const FeedItemRead& item : feed.items) {
            EXPECT_TRUE(ParsesAsDate(item.children.at(L"pubDate"))) << item.children.at(L"pubDate");
            EXPECT_EQ(item.permaLink, L"false");
            EXPECT_TRUE(guids.insert(item.children.at(L"guid")).second) << "guids are unique";
        }
        return guids;
    }

    std::string m_path;
    CScriptedMessageAnswerer m_answerer;
};

TEST_F(NewsFeed, AnExportWritesAValidFeedOfTheEvents) {
    const std::vector<CReportEvent> events = Collect();
    ASSERT_EQ(ExportNewsFeed(m_data, Path(), events), FeedExportResult::Written);
    const FeedRead feed = Read();
    ExpectValid(feed);
    ASSERT_EQ(feed.items.size(), events.size());
    EXPECT_EQ(feed.items[0].children.at(L"title"), events[0].FormatSummary(m_data, true).str());
    EXPECT_EQ(feed.items[0].children.at(L"description"), events[0].FormatDescription(m_data).str());
    EXPECT_EQ(feed.items[0].children.count(L"locked"), 0u);
    EXPECT_TRUE(m_answerer.m_asked.empty());
    EXPECT_NE(std::find(m_host.m_calls.begin(), m_host.m_calls.end(), "hide progress"), m_host.m_calls.end());
}

TEST_F(NewsFeed, LockedItemsSurviveEveryExportWithTheirOwnTexts) {
    // An item locked by hand with its children in another order and no link, one with an old
    // date, and an item that is not locked.
    WriteFile("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<rss version=\"2.0\"><channel><title>old</title>"
              "<item><pubDate>Mon, 08 Jan 2024 10:00:00 +0100</pubDate><locked>no</locked><title>Trip</title>"
              "<description>Class trip &amp; picnic</description><guid isPermaLink=\"false\">urn:trip</guid></item>"
              "<item><title>Fair</title><locked/><pubDate>12/01/2024</pubDate></item>"
              "<item><title>Gone</title><link>http://example.org/gone</link></item></channel></rss>");
    const std::vector<CReportEvent> events = Collect();
    std::vector<std::wstring> eventGuids;
    for (int run = 0; run < 2; ++run) {
        ASSERT_EQ(ExportNewsFeed(m_data, Path(), events), FeedExportResult::Written);
        const FeedRead feed = Read();
        const std::set<std::wstring> guids = ExpectValid(feed);
        ASSERT_EQ(feed.items.size(), events.size() + 2) << "run " << run;
        const FeedItemRead& trip = feed.items[0];
        EXPECT_EQ(trip.children.at(L"title"), L"Trip");
        EXPECT_EQ(trip.children.at(L"description"), L"Class trip & picnic");
        EXPECT_EQ(trip.children.at(L"link"), L"") << "a missing link stays empty";
        EXPECT_EQ(trip.children.at(L"locked"), L"true");
        EXPECT_EQ(trip.children.at(L"guid"), L"urn:trip") << "a locked item keeps its guid";
        EXPECT_EQ(trip.children.at(L"pubDate"), L"Mon, 08 Jan 2024 10:00:00 +0100");
        const FeedItemRead& fair = feed.items[1];
        EXPECT_EQ(fair.children.at(L"title"), L"Fair");
        EXPECT_EQ(fair.children.at(L"description"), L"");
        EXPECT_EQ(fair.children.at(L"pubDate").substr(0, 16), L"Fri, 12 Jan 2024");
        for (const FeedItemRead& item : feed.items) EXPECT_NE(item.children.at(L"title"), L"Gone");
        // The same events keep their guids from one export to the next, so a reader shows them once.
        std::vector<std::wstring> these;
        for (std::size_t k = 2; k < feed.items.size(); ++k) these.push_back(feed.items[k].children.at(L"guid"));
        if (run == 0) eventGuids = these;
        EXPECT_EQ(these, eventGuids) << "run " << run;
    }
}

TEST_F(NewsFeed, AnEventThatChangesGetsANewGuidAndTheChannelNamesTheFile) {
    std::vector<CReportEvent> events = Collect();
    ASSERT_GE(events.size(), 2u);
    auto guids = [this] {
        std::vector<std::wstring> list;
        for (const FeedItemRead& item : Read().items) list.push_back(item.children.at(L"guid"));
        return list;
    };
    ASSERT_EQ(ExportNewsFeed(m_data, Path(), events), FeedExportResult::Written);
    const std::vector<std::wstring> before = guids();
    EXPECT_EQ(Read().channel.at(L"link"), L"file://" + Utf8ToWide(std::filesystem::absolute(m_path).string()));
    // The first event moves to the next day; the others stay as they were.
    events[0].start += COleDateTimeSpan(1.0);
    ASSERT_EQ(ExportNewsFeed(m_data, Path(), events), FeedExportResult::Written);
    const std::vector<std::wstring> after = guids();
    ASSERT_EQ(after.size(), before.size());
    EXPECT_NE(after[0], before[0]);
    EXPECT_TRUE(std::equal(after.begin() + 1, after.end(), before.begin() + 1));
}

TEST_F(NewsFeed, FailuresAreReportedAndNothingToExportIsQuiet) {
    const std::vector<CReportEvent> events = Collect();
    EXPECT_EQ(ExportNewsFeed(m_data, Path(), {}), FeedExportResult::NothingToExport);
    EXPECT_FALSE(std::filesystem::exists(m_path));
    EXPECT_TRUE(m_answerer.m_asked.empty());

    EXPECT_EQ(ExportNewsFeed(m_data, CString(), events), FeedExportResult::NoPath);
    ASSERT_EQ(m_answerer.m_asked.size(), 1u);
    EXPECT_EQ(m_answerer.m_asked[0], LoadResString(IDS_FEED_NO_PATH));

    EXPECT_EQ(ExportNewsFeed(m_data, CString("/nonexistent-folder/feed.xml"), events), FeedExportResult::WriteFailed);
    ASSERT_EQ(m_answerer.m_asked.size(), 2u);
    EXPECT_EQ(m_answerer.m_asked[1], LoadResString(IDS_FEED_WRITE_FAILED));
}

TEST_F(NewsFeed, AnUnreadablePreviousFileKeepsNothing) {
    WriteFile("<rss><channel><item><locked/><title>half");
    std::vector<CFeedItem> items;
    ReadLockedFeedItems(Path(), items);
    EXPECT_TRUE(items.empty());
    ASSERT_EQ(ExportNewsFeed(m_data, Path(), Collect()), FeedExportResult::Written);
    EXPECT_EQ(Read().items.size(), Collect().size());
}

TEST(FeedDates, FormatAndRecognise) {
    CPinnedTimeZone zone{"Europe/Berlin"};
    EXPECT_EQ(FormatFeedDate(1704704400), L"Mon, 08 Jan 2024 10:00:00 +0100");
    EXPECT_EQ(FormatFeedDate(1720425600), L"Mon, 08 Jul 2024 10:00:00 +0200");
    EXPECT_TRUE(IsFeedDate(L"08 Jan 2024 10:00:00 +0100"));
    EXPECT_FALSE(IsFeedDate(L"08/01/2024"));
    EXPECT_FALSE(IsFeedDate(L"Xyz, 08 Jan 2024 10:00:00 +0100"));
}

}  // namespace
