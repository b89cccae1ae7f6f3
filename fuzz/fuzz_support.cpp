#include "fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "model/xml_document.h"

CString ScratchFile(const char* name) {
    static const std::filesystem::path folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "vorn-fuzz-XXXXXX").string();
        Check(::mkdtemp(pattern.data()) != nullptr, "cannot make a scratch folder");
        static std::string made;
        made = pattern;
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(made, ec);
        });
        return std::filesystem::path(pattern);
    }();
    return CString((folder / name).string());
}

void WriteScratchFile(const CString& path, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(path.ToUtf8(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    Check(static_cast<bool>(out.flush()), "cannot write a scratch file");
}

void WriteScratchFile(const CString& path, const std::string& bytes) {
    WriteScratchFile(path, reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

void Check(bool condition, const char* message) {
    if (condition) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", message);
    std::abort();
}

const char* const kFuzzBaseDocument =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
    "<DOCUMENT VERSION=\"1.0\">\r\n"
    "<GENERAL FIRST_WEEKDAY=\"03/01/2000\" DATE=\"02/09/2024\" DAYS=\"5\"/>\r\n"
    "<CHIMES DEFAULT=\"1\"><CHIME ID=\"1\" TAG=\"Standard\"><INTERVAL START=\"08:00\"/>"
    "<INTERVAL START=\"08:50\"/><INTERVAL START=\"09:40\" BREAK=\"Break\"/></CHIME></CHIMES>\r\n"
    "<ENTITIES>\r\n"
    "<ENTITY ID=\"1\" TAG=\"5a\" TYPE=\"0\"/>\r\n"
    "<ENTITY ID=\"2\" TAG=\"Anna\" TYPE=\"1\"><SCHEDULE DAY=\"02/09/2024\" END=\"16:00\"/>"
    "<SCHEDULE DAY=\"03/09/2024\" START=\"09:00\" END=\"15:00\"/></ENTITY>\r\n"
    "<ENTITY ID=\"3\" TAG=\"A101\" TYPE=\"4\"/>\r\n"
    "</ENTITIES>\r\n"
    "<AVAILABILITY><ABSENCE ENTITY=\"2\" DAY=\"03/09/2024\" START=\"10:00\" DURATION=\"1:00\" CATEGORY=\"\" "
    "REASON=\"\" FUND=\"\" REMARK=\"\"/></AVAILABILITY>\r\n"
    "<GROUPS><GROUP ID=\"1\" TAG=\"Languages\"/></GROUPS>\r\n"
    "<ACTIVITIES><ACTIVITY ID=\"1\" GROUP=\"1\" TAG=\"Maths\" DURATION=\"02:00\" MEETING=\"1:00\">"
    "<ENROLEMENT ID=\"5a\" TYPE=\"0\">1</ENROLEMENT><ENROLEMENT ID=\"Anna\" TYPE=\"1\">2</ENROLEMENT>"
    "<ENROLEMENT ID=\"A101\" TYPE=\"4\">3</ENROLEMENT><ASSOCIATION ROOM=\"3\" ENTITY=\"2\"/></ACTIVITY></ACTIVITIES>\r\n"
    "<TIMETABLE><ENTRY ACTIVITY=\"1\" STATUS=\"2\" DAY=\"02/09/2024\" START=\"08:00\" ORIGINAL=\"1500\" DURATION=\"1:00\">"
    "<REPLACEMENTS><REPLACE ENTITY=\"3\"/></REPLACEMENTS></ENTRY></TIMETABLE>\r\n"
    "<KEYS><KEY ENTITY=\"2\" ACTIVITY=\"1\" CODE=\"M1\"/></KEYS>\r\n"
    "</DOCUMENT>\r\n";

CFuzzServices::CFuzzServices() { m_settings.m_dtDefaultPlanDate = COleDateTime(2000, 1, 3, 0, 0, 0); }

ModelServices CFuzzServices::Get() {
    ModelServices services;
    services.settings = &m_settings;
    services.answerer = &m_answerer;
    services.clipboard = &m_clipboard;
    return services;
}

void LoadBaseDocument(CScheduleData& store) {
    const CString base = ScratchFile("base.xml");
    WriteScratchFile(base, kFuzzBaseDocument);
    Check(store.Load(base, FALSE) != FALSE, "the base document does not load");
}

CString DocumentText(CScheduleData& store) {
    CXmlDocument doc;
    store.WriteXml(doc);
    return doc.GetDoc();
}
