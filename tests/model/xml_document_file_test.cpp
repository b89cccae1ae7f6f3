#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "model/xml_document.h"

namespace {

namespace fs = std::filesystem;

std::string Narrow(const CString& s) { return s.ToUtf8(); }

// The shared fixtures; VORN_SHARED_DIR in the environment stands in for a build tree that has
// no shared folder beside it.
std::string SharedDir() {
    const char* over = std::getenv("VORN_SHARED_DIR");
    if (!fs::exists(VORN_SHARED_DIR) && over != nullptr)
        return over;
    return VORN_SHARED_DIR;
}
const std::string kHostile = SharedDir() + "/fixtures/hostile/";
const std::string kDocuments = SharedDir() + "/fixtures/documents/";

// Bytes of a literal, embedded zeros included.
template <std::size_t N>
std::string B(const char (&s)[N]) {
    return std::string(s, N - 1);
}

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

CString PathText(const fs::path& path) { return CString(path.string()); }

bool LogHas(const CString& log, const wchar_t* fragment) { return log.Find(fragment) >= 0; }

class XmlDocumentFile : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("vorn_xml_" + std::to_string(::getpid()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }
    fs::path File(const std::string& name) const { return m_dir / name; }
    fs::path m_dir;
};

struct ReadCase {
    const char* name;
    std::string bytes;
    const wchar_t* text;
    int flags;                // byte-order bits returned
    const wchar_t* encoding;  // encoding name found
    const wchar_t* event;     // an event of the log
};

TEST_F(XmlDocumentFile, ReadDetectsMarksDeclarationsAndUtf8) {
    const ReadCase cases[] = {
        {"utf16le bom", B("\xFF\xFE<\0a\0/\0>\0"), L"<a/>", 1, L"UTF-16LE", L"<bom encoding=\"UTF-16LE\"/>"},
        {"utf16be bom", B("\xFE\xFF\0<\0\xE9\0/\0>"), L"<\u00e9/>", 0x80, L"UTF-16BE", L"<endian_swap/>"},
        {"utf8 bom", "\xEF\xBB\xBF<a>\xC3\xA9</a>", L"<a>\u00e9</a>", 4, L"UTF-8", L"<bom encoding=\"UTF-8\"/>"},
        {"declared 1252", "<?xml version=\"1.0\" encoding=\"windows-1252\"?><a>\xE9\x80</a>",
         L"<?xml version=\"1.0\" encoding=\"windows-1252\"?><a>\u00e9\u20ac</a>", 0, L"windows-1252",
         L"<read encoding=\"windows-1252\""},
        {"declared shift_jis", "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?><a>\x82\xA0</a>",
         L"<?xml version=\"1.0\" encoding=\"Shift_JIS\"?><a>\u3042</a>", 0, L"Shift_JIS", L"<converted_to"},
        {"utf8 without declaration", "<a>\xE2\x82\xAC</a>", L"<a>\u20ac</a>", 0, L"UTF-8", L"<read encoding=\"UTF-8\""},
        {"ansi without '<'", " <a>\xE9</a>", L" <a>\u00e9</a>", 0, L"", L"<utf8_detection/>"},
        {"utf8 without '<'", " <a>\xC3\xA9</a>", L" <a>\u00e9</a>", 0, L"UTF-8", L"<utf8_detection/>"},
        {"ansi after '<'", "<a>\xE9t\x80</a>", L"<a>\u00e9t\u20ac</a>", 0, L"", L"<utf8_detection encoding=\"ANSI\"/>"},
        {"nulls", B("<a>x\0y</a>"), L"<a>xy</a>", 0, L"UTF-8", L"<nulls_removed count=\"1\"/>"},
        {"utf16le without mark", B("<\0a\0/\0>\0"), L"<a/>", 1, L"UTF-16LE", L"<read encoding=\"UTF-16LE\""},
        {"utf16le without mark, line break first", B("\r\0\n\0<\0a\0/\0>\0"), L"\r\n<a/>", 1, L"UTF-16LE", nullptr},
        {"utf16be without mark", B("\0<\0a\0/\0>"), L"<a/>", 0x80, L"UTF-16BE", L"<endian_swap/>"},
        {"odd utf16", B("\xFF\xFE<\0a\0/\0>\0\r"), L"<a/>", 1, L"UTF-16LE", L"<truncation_error"},
        {"empty", "", L"", 0, L"", nullptr},
        // NUL units are dropped before the mark is looked for.
        {"utf8 mark after nulls", B("\0\0\xEF\xBB\xBF<a/>"), L"<a/>", 4, L"UTF-8", L"<nulls_removed count=\"2\"/>"},
        {"utf16le mark after a nul unit", B("\0\0\xFF\xFE<\0a\0/\0>\0"), L"<a/>", 1, L"UTF-16LE",
         L"<nulls_removed count=\"1\"/>"},
    };
    for (const auto& c : cases) {
        fs::path path = File("read.xml");
        WriteBytes(path, c.bytes);
        CString text = L"left over";
        CString log;
        CString encoding;
        int flags = CXmlDocument::kUtf16BeFile;  // stale bits of an earlier file must not stick
        ASSERT_TRUE(CXmlDocument::ReadFileText(&encoding, PathText(path), text, &log, &flags)) << c.name;
        EXPECT_EQ(text, c.text) << c.name;
        EXPECT_EQ(flags, c.flags) << c.name;
        EXPECT_EQ(encoding, c.encoding) << c.name;
        if (c.event) {
            EXPECT_TRUE(LogHas(log, c.event)) << c.name << ": " << Narrow(log);
        }

        // Written back with what reading found, the file reads as the same text.
        ASSERT_TRUE(CXmlDocument::WriteFileText(PathText(path), text, nullptr, &flags)) << c.name;
        CString again;
        ASSERT_TRUE(CXmlDocument::ReadFileText(nullptr, PathText(path), again)) << c.name;
        EXPECT_EQ(again, text) << c.name;
    }
}

TEST_F(XmlDocumentFile, CallerEncodingOverridesByteFiles) {
    fs::path path = File("koi8.xml");
    WriteBytes(path, "<a>\xF0\xD2\xC9\xD7\xC5\xD4</a>");
    CString encoding = L"KOI8-R";
    CString text;
    ASSERT_TRUE(CXmlDocument::ReadFileText(&encoding, PathText(path), text));
    EXPECT_EQ(text, L"<a>\u041f\u0440\u0438\u0432\u0435\u0442</a>");
    EXPECT_EQ(encoding, L"KOI8-R");
}

TEST_F(XmlDocumentFile, UndecodableFilesAreReported) {
    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case cases[] = {
        {"declared utf-8, bad bytes", "<?xml version=\"1.0\" encoding=\"UTF-8\"?><a>\xE9</a>"},
        {"utf-8 mark, bad bytes", "\xEF\xBB\xBF<a>\xFF</a>"},
        {"lone surrogate", B("\xFF\xFE<\0\x00\xD8>\0")},
        {"page without converter", "<?xml version=\"1.0\" encoding=\"x-mac-japanese\"?><a/>"},
    };
    for (const auto& c : cases) {
        fs::path path = File("bad.xml");
        WriteBytes(path, c.bytes);
        CString text;
        CString log;
        EXPECT_FALSE(CXmlDocument::ReadFileText(nullptr, PathText(path), text, &log)) << c.name;
        EXPECT_TRUE(text.IsEmpty()) << c.name;
        EXPECT_TRUE(LogHas(log, L"<conversion_error")) << c.name << ": " << Narrow(log);
    }
}

TEST_F(XmlDocumentFile, MissingFileLogsTheSystemError) {
    CString text = L"x";
    CString log;
    int flags = 0;
    EXPECT_FALSE(CXmlDocument::ReadFileText(nullptr, PathText(File("missing.xml")), text, &log, &flags));
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_EQ(log, L"<file_error msg=\"No such file or directory\" n=\"2\"/>");
    EXPECT_EQ(flags, 0);
}

struct WriteCase {
    const char* name;
    const wchar_t* text;
    int flags;
    std::string bytes;
};

TEST_F(XmlDocumentFile, WriteChoosesMarkAndEncoding) {
    const WriteCase cases[] = {
        {"utf-16le", L"<a>\u00e9</a>", 1, B("\xFF\xFE<\0a\0>\0\xE9\0<\0/\0a\0>\0")},
        {"utf-16be", L"<\U0001F600/>", 0x80, B("\xFE\xFF\0<\xD8\x3D\xDE\x00\0/\0>")},
        {"utf-8 mark", L"<a/>", 4, "\xEF\xBB\xBF<a/>"},
        {"declared utf-8", L"<?xml version=\"1.0\" encoding=\"UTF-8\"?><a>\u00e9</a>",
         0, "<?xml version=\"1.0\" encoding=\"UTF-8\"?><a>\xC3\xA9</a>"},
        {"nothing declared", L"<a>\u20ac</a>", 0, "<a>\xE2\x82\xAC</a>"},
        {"declared 1252", L"<?xml version=\"1.0\" encoding=\"windows-1252\"?><a>\u20ac</a>",
         0, "<?xml version=\"1.0\" encoding=\"windows-1252\"?><a>\x80</a>"},
        {"declared utf-16 without flag", L"<?xml encoding=\"UTF-16\"?><a/>",
         0, B("<\0?\0x\0m\0l\0 \0e\0n\0c\0o\0d\0i\0n\0g\0=\0\"\0U\0T\0F\0-\0001\0006\0\"\0?\0>\0<\0a\0/\0>\0")},
        {"empty", L"", 1, "\xFF\xFE"},
    };
    for (const auto& c : cases) {
        fs::path path = File("write.xml");
        int flags = c.flags;
        CString log;
        ASSERT_TRUE(CXmlDocument::WriteFileText(PathText(path), c.text, &log, &flags)) << c.name;
        EXPECT_EQ(ReadBytes(path), c.bytes) << c.name << ": " << Narrow(log);
        EXPECT_EQ(flags, c.flags) << c.name;
        EXPECT_TRUE(LogHas(log, L"<write ")) << c.name;

        // And back.
        CString back;
        ASSERT_TRUE(CXmlDocument::ReadFileText(nullptr, PathText(path), back)) << c.name;
        EXPECT_EQ(back, c.text) << c.name;
    }
}

TEST_F(XmlDocumentFile, WriteReportsLossAndRefusesPagesWithoutConverter) {
    fs::path path = File("loss.xml");
    CString log;
    ASSERT_TRUE(CXmlDocument::WriteFileText(PathText(path), L"<?xml encoding=\"iso-8859-1\"?><a>\u65e5</a>", &log));
    EXPECT_TRUE(LogHas(log, L"<conversion_loss/>")) << Narrow(log);
    EXPECT_EQ(ReadBytes(path), "<?xml encoding=\"iso-8859-1\"?><a>?</a>");

    ASSERT_FALSE(CXmlDocument::WriteFileText(PathText(path), L"<?xml encoding=\"x-europa\"?><a/>", &log));
    EXPECT_TRUE(LogHas(log, L"<conversion_error")) << Narrow(log);
    EXPECT_EQ(ReadBytes(path), "<?xml encoding=\"iso-8859-1\"?><a>?</a>");  // the old file stays
}

TEST_F(XmlDocumentFile, AppendModeAddsToTheFileAndWritesTheMarkOnlyOnce) {
    fs::path path = File("append.xml");
    int flags = CXmlDocument::kUtf16LeFile | CXmlDocument::kAppendFile;
    ASSERT_TRUE(CXmlDocument::WriteFileText(PathText(path), L"<a/>", nullptr, &flags));
    EXPECT_EQ(flags, CXmlDocument::kUtf16LeFile);
    flags |= CXmlDocument::kAppendFile;
    ASSERT_TRUE(CXmlDocument::WriteFileText(PathText(path), L"<b/>", nullptr, &flags));
    CString text;
    ASSERT_TRUE(CXmlDocument::ReadFileText(nullptr, PathText(path), text));
    EXPECT_EQ(text, L"<a/><b/>");
}

TEST_F(XmlDocumentFile, FailedWriteLeavesTheOldFile) {
    fs::path path = File("keep.xml");
    WriteBytes(path, "<old/>");
    // A write cut short by the file size limit.
    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    std::wstring big = L"<a>" + std::wstring(5000, L'x') + L"</a>";
    CString log;
    bool written = CXmlDocument::WriteFileText(PathText(path), big.c_str(), &log);
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(written);
    EXPECT_TRUE(LogHas(log, L"<file_error")) << Narrow(log);
    EXPECT_EQ(ReadBytes(path), "<old/>");
    int files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(m_dir))
        ++files;
    EXPECT_EQ(files, 1);  // no temporary file left behind

    // A folder that does not exist.
    EXPECT_FALSE(CXmlDocument::WriteFileText(PathText(File("none/x.xml")), L"<a/>", &log));
    EXPECT_TRUE(LogHas(log, L"<file_error")) << Narrow(log);
}

TEST_F(XmlDocumentFile, WriteKeepsThePermissionsOfTheReplacedFile) {
    fs::path path = File("mode.xml");
    WriteBytes(path, "<old/>");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(CXmlDocument::WriteFileText(PathText(path), L"<new/>"));
    EXPECT_EQ(fs::status(path).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(XmlDocumentFile, DocumentWrittenAndReadBackIsIdentical) {
    CXmlDocument doc;
    doc.SetDocumentText(L"<?xml version=\"1.0\" encoding=\"UTF-16LE\"?>\r\n");
    ASSERT_TRUE(doc.AddElement(L"DOCUMENT"));
    ASSERT_TRUE(doc.SetAttributeAt(doc.GetMainPos(), L"VERSION", L"1.0"));
    ASSERT_TRUE(doc.EnterElement());
    for (int i = 0; i < 50; ++i) {
        ASSERT_TRUE(doc.AddElement(L"ENTITY", i % 2 ? L"R\u00e9my & \U0001F600 <x>" : nullptr));
        ASSERT_TRUE(doc.SetAttributeAt(doc.GetMainPos(), L"TAG", L"\"Zo\u00eb\" \u65e5\u672c"));
    }
    for (int flags : {CXmlDocument::kUtf16LeFile, CXmlDocument::kUtf16BeFile, CXmlDocument::kUtf8Preamble}) {
        fs::path path = File("doc.xml");
        int writeFlags = flags;
        ASSERT_TRUE(CXmlDocument::WriteFileText(PathText(path), doc.GetDoc(), nullptr, &writeFlags));
        CXmlDocument loaded;
        ASSERT_TRUE(loaded.LoadFile(PathText(path))) << Narrow(loaded.GetResult());
        EXPECT_EQ(loaded.GetDoc(), doc.GetDoc()) << flags;
        EXPECT_EQ(loaded.GetDocFlags(), flags);
        ASSERT_TRUE(loaded.FindElement(L"DOCUMENT"));
        ASSERT_TRUE(loaded.FindChildElement(L"ENTITY"));
        ASSERT_TRUE(loaded.FindChildElement(L"ENTITY"));
        EXPECT_EQ(loaded.GetTextAt(loaded.GetChildPos()), L"R\u00e9my & \U0001F600 <x>");
        EXPECT_EQ(loaded.GetAttributeAt(loaded.GetChildPos(), L"TAG"), L"\"Zo\u00eb\" \u65e5\u672c");
    }
}

struct FixtureCase {
    const char* file;
    bool read;
    bool wellFormed;
    const wchar_t* expectedText;  // a text the document holds, or null
};

TEST_F(XmlDocumentFile, HostileFilesLoadOrFailCleanly) {
    const FixtureCase cases[] = {
        {"valid_tiny.xml", true, true, nullptr},
        {"utf16be_with_bom.xml", true, true, nullptr},
        {"utf16le_without_bom.xml", true, true, nullptr},
        {"utf8_with_declaration.xml", true, true, L"Bj\u00f6rn M\u00fcller \u20ac"},
        {"utf8_without_declaration.xml", true, true, L"Bj\u00f6rn M\u00fcller \u20ac"},
        {"ansi_1252_with_declaration.xml", true, true, L"Bj\u00f6rn M\u00fcller \u20ac"},
        {"ansi_1252_without_declaration.xml", true, true, L"Bj\u00f6rn M\u00fcller \u20ac"},
        {"deep_nesting_100000.xml", true, true, nullptr},
        {"long_element_name_5000.xml", true, true, nullptr},
        {"long_entity_name_5000.xml", true, true, nullptr},
        {"truncated.xml", true, false, nullptr},
        {"truncated_odd_byte.xml", true, false, nullptr},
        {"charref_110000.xml", true, false, nullptr},
        {"charref_d800.xml", true, false, nullptr},
        {"binary_garbage.xml", true, false, nullptr},
        {"empty.xml", true, false, nullptr},
    };
    for (const auto& c : cases) {
        CXmlDocument doc;
        CString path(kHostile + c.file);
        CString text;
        EXPECT_EQ(CXmlDocument::ReadFileText(nullptr, path, text), c.read) << c.file;
        EXPECT_EQ(doc.LoadFile(path), c.read && c.wellFormed) << c.file << ": " << Narrow(doc.GetResult());
        EXPECT_EQ(doc.IsWellFormed(), c.wellFormed) << c.file;
        if (c.expectedText) {
            EXPECT_GE(doc.GetDoc().Find(c.expectedText), 0) << c.file;
        }
    }
}

TEST_F(XmlDocumentFile, ShippedDocumentsAreWellFormedAndSurviveARoundTrip) {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(kDocuments)) {
        if (entry.path().extension() != ".xml")
            continue;
        ++count;
        CXmlDocument doc;
        ASSERT_TRUE(doc.LoadFile(CString(entry.path().string()))) << entry.path() << Narrow(doc.GetResult());
        EXPECT_EQ(doc.GetDocFlags(), CXmlDocument::kUtf16LeFile) << entry.path();
        ASSERT_TRUE(doc.FindElement(L"DOCUMENT")) << entry.path();
        EXPECT_TRUE(doc.FindChildElement(L"TIMETABLE")) << entry.path();

        fs::path copy = File("copy.xml");
        int flags = doc.GetDocFlags();
        ASSERT_TRUE(CXmlDocument::WriteFileText(CString(copy.string()), doc.GetDoc(), nullptr, &flags));
        EXPECT_EQ(ReadBytes(copy), ReadBytes(entry.path())) << entry.path();
    }
    EXPECT_GT(count, 0);
}

TEST_F(XmlDocumentFile, ReadUnicodeFile) {
    struct Case {
        const char* name;
        std::string bytes;
        bool read;
        const wchar_t* text;
    };
    const Case cases[] = {
        {"mark", B("\xFF\xFEh\0i\0"), true, L"hi"},
        {"no mark", B("h\0\xE9\0"), true, L"h\u00e9"},
        {"stops at a zero unit", B("a\0\0\0b\0"), true, L"a"},
        {"odd byte", B("a\0b"), true, L"a"},
        {"lone surrogate", B("\x00\xD8"), false, L""},
    };
    for (const auto& c : cases) {
        fs::path path = File("import.txt");
        WriteBytes(path, c.bytes);
        CString text = L"x";
        EXPECT_EQ(CXmlDocument::ReadUnicodeFile(PathText(path), text), c.read) << c.name;
        EXPECT_EQ(text, c.text) << c.name;
    }
    CString text;
    EXPECT_FALSE(CXmlDocument::ReadUnicodeFile(PathText(File("missing.txt")), text));
}

struct NameCase {
    const wchar_t* name;
    int codePage;
};

TEST(XmlDocumentEncoding, CodePageFromName) {
    const NameCase cases[] = {
        {L"", 0},
        {L"UTF-8", 65001},
        {L"utf-8", 65001},
        {L"Utf8", 65001},
        {L"UTF-32LE", 65005},
        {L"UTF-32", 65005},
        {L"utf-32", 12000},
        {L"UTF-32BE", 65005},
        {L"utf-32be", 12001},
        {L"UTF-16LE", 1200},
        {L"unicodeFFFE", 1201},
        {L"Shift_JIS", 932},
        {L"shifft_jis", 932},
        {L"cp1256 ", 1256},
        {L"cp1256", 1256},
        {L"windows-1252", 1252},
        {L"ISO-8859-15", 28605},
        {L"_iso-2022-jp$SIO", 50222},
        {L"gb18030", 54936},
        {L"x-mac-ukrainian", 10017},
        {L"ks_c_5601-1987", 949},
        {L"latin-1", CXmlDocument::kNoCodePage},
        {L"utf_8", CXmlDocument::kNoCodePage},
        {L"\u00fctf-8", CXmlDocument::kNoCodePage},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CXmlDocument::CodePageFromName(c.name), c.codePage) << Narrow(c.name);
    std::wstring longName(100, L'a');
    EXPECT_EQ(CXmlDocument::CodePageFromName(longName.c_str()), CXmlDocument::kNoCodePage);
}

struct FindEncodingCase {
    const wchar_t* text;
    const wchar_t* encoding;
};

TEST(XmlDocumentEncoding, FindEncoding) {
    const FindEncodingCase cases[] = {
        {L"<?xml version=\"1.0\" encoding=\"UTF-16LE\"?>\r\n<a/>", L"UTF-16LE"},
        {L"<?xml version='1.0' encoding='windows-1252' standalone='yes'?><a/>", L"windows-1252"},
        {L"<?xml version=\"1.0\"?><a/>", L""},
        {L" <?xml version=\"1.0\" encoding=\"UTF-8\"?><a/>", L""},  // not at offset 0
        {L"<a encoding=\"x\"/>", L""},
        {L"<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=ISO-8859-1\"></head></html>",
         L"ISO-8859-1"},
        {L"<html><head><title>t</title><meta http-equiv=\"Content-Type\" content=\"text/html;charset = koi8-r\">",
         L"koi8-r"},
        {L"<html><head></head><meta http-equiv=\"Content-Type\" content=\"charset=x\">", L""},
        {L"<html><meta name=\"x\" content=\"charset=x\">", L""},
        {L"<?xml version=\"1.0\" encoding=\"UTF-8", L""},  // cut declaration
    };
    for (const auto& c : cases)
        EXPECT_EQ(CXmlDocument::FindEncoding(c.text), c.encoding) << Narrow(c.text);
}

struct Utf8Case {
    std::string bytes;
    bool valid;
    bool endTruncated;
};

TEST(XmlDocumentEncoding, IsValidUtf8) {
    const Utf8Case cases[] = {
        {"plain", true, false},
        {"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", true, false},
        {"\xC3", false, true},
        {"a\xE2\x82", false, true},
        {"\xE9t", false, false},
        {"\xF8\x80\x80\x80\x80", false, false},
        {B("\xC3\0\xA9"), false, false},  // the walk stops at a zero byte
        {B("ok\0\xFF"), true, false},
    };
    for (const auto& c : cases) {
        bool truncated = !c.endTruncated;
        EXPECT_EQ(CXmlDocument::IsValidUtf8(c.bytes.data(), static_cast<int>(c.bytes.size()), &truncated), c.valid)
            << c.bytes;
        EXPECT_EQ(truncated, c.endTruncated) << c.bytes;
    }
}

TEST(XmlDocumentEncoding, ConvertTextCountsThenConverts) {
    const char bytes[] = "caf\xE9";
    EXPECT_EQ(CXmlDocument::ConvertText(L"windows-1252", bytes, 4, L"UTF-16", nullptr, 0), 4);
    wchar_t wide[8] = {};
    EXPECT_EQ(CXmlDocument::ConvertText(L"windows-1252", bytes, 4, L"UTF-16", wide, 8), 4);
    EXPECT_EQ(std::wstring(wide, 4), L"caf\u00e9");

    char utf8[8] = {};
    EXPECT_EQ(CXmlDocument::ConvertText(L"windows-1252", bytes, 4, L"UTF-8", utf8, 8), 5);
    EXPECT_EQ(std::string(utf8, 5), "caf\xC3\xA9");

    bool lost = false;
    char latin[8] = {};
    EXPECT_EQ(CXmlDocument::ConvertText(L"UTF-16", L"a\u65e5", 2, L"iso-8859-1", latin, 8, &lost), 2);
    EXPECT_TRUE(lost);
    EXPECT_EQ(std::string(latin, 2), "a?");

    const wchar_t lone[] = {L'a', static_cast<wchar_t>(0xDC00)};
    wchar_t out[4] = {};
    EXPECT_EQ(CXmlDocument::ConvertText(L"UTF-16", lone, 2, L"UTF-32", out, 4, &lost), 2);
    EXPECT_EQ(out[1], L'?');

    EXPECT_EQ(CXmlDocument::ConvertText(L"x-europa", "a", 1, L"UTF-16", nullptr, 0), -1);
    EXPECT_EQ(CXmlDocument::ConvertText(L"UTF-16", L"abc", 3, L"UTF-8", utf8, 2), -1);  // does not fit
}

}  // namespace
