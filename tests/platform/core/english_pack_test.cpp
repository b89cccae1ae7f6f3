// The shipped English pack: it must read without error, and every id of the shared ids
// header must lead to a resource of the kind its prefix names.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "platform/core/language_pack.h"
#include "resource_ids.h"

namespace {

const CString kEnglishPack(std::string(VORN_TEST_DIR) + "/../../../locale/English.rc");

bool StartsWith(const std::wstring& s, const wchar_t* prefix) { return s.rfind(prefix, 0) == 0; }

// Width and height of a PNG file, from its header.
bool PngSize(const CString& path, int& width, int& height) {
    std::ifstream in(path.ToUtf8(), std::ios::binary);
    unsigned char h[24] = {};
    if (!in.read(reinterpret_cast<char*>(h), sizeof h) || h[1] != 'P' || h[2] != 'N' || h[3] != 'G') return false;
    width = (h[16] << 24) | (h[17] << 16) | (h[18] << 8) | h[19];
    height = (h[20] << 24) | (h[21] << 16) | (h[22] << 8) | h[23];
    return true;
}

// The printf markers of a text, in order ("%s, %d" gives "sd").
std::string Markers(const CString& text) {
    std::string m;
    const std::wstring& s = text.str();
    for (size_t i = 0; i + 1 < s.size(); ++i) {
        if (s[i] != L'%') continue;
        if (s[i + 1] == L'%') {
            ++i;
            continue;
        }
        m += static_cast<char>(s[i + 1]);
        ++i;
    }
    return m;
}

class EnglishPack : public ::testing::Test {
protected:
    void SetUp() override {
        const CPackResult r = pack.Load(kEnglishPack);
        ASSERT_TRUE(r.ok) << WideToUtf8(r.Describe().str());
    }
    CLanguagePack pack;
};

}  // namespace

TEST_F(EnglishPack, EveryIdOfTheHeaderResolves) {
    int checked = 0;
    for (const auto& [name, value] : pack.GetResources().symbols) {
        const std::string n = WideToUtf8(name);
        const UINT id = static_cast<UINT>(value);
        ++checked;
        if (StartsWith(name, L"IDS_") || StartsWith(name, L"AFX_IDS_")) {
            std::wstring text;
            EXPECT_TRUE(pack.FindString(id, text)) << n;
            EXPECT_FALSE(text.empty()) << n;
        } else if (StartsWith(name, L"ID_INDICATOR_")) {
            EXPECT_FALSE(pack.GetString(id).IsEmpty()) << n;
        } else if (StartsWith(name, L"ID_")) {
            // A command's text is its prompt, then its tooltip after a line break.
            const CString prompt = pack.GetString(id);
            EXPECT_GT(prompt.Find(L'\n'), 0) << n;
            EXPECT_LT(prompt.Find(L'\n'), prompt.GetLength() - 1) << n;
        } else if (StartsWith(name, L"IDR_")) {
            EXPECT_TRUE(pack.FindMenu(id) || pack.FindToolBar(id) || pack.FindAccelerators(id)) << n;
        } else if (StartsWith(name, L"IDD_")) {
            EXPECT_NE(pack.FindDialog(id), nullptr) << n;
        } else if (StartsWith(name, L"IDB_")) {
            EXPECT_NE(pack.FindBitmap(id), nullptr) << n;
        } else if (StartsWith(name, L"IDI_")) {
            EXPECT_NE(pack.FindIcon(id), nullptr) << n;
        } else if (StartsWith(name, L"IDCUR_")) {
            EXPECT_NE(pack.FindCursor(id), nullptr) << n;
        } else {
            ADD_FAILURE() << n << " has no known prefix";
        }
    }
    EXPECT_GT(checked, 100);
}

TEST_F(EnglishPack, EveryCommandOfMenusToolbarsAndAcceleratorsHasAPrompt) {
    const auto hasPrompt = [&](UINT id) { return pack.GetString(id).Find(L'\n') > 0; };
    const auto walk = [&](const auto& self, const std::vector<CResMenuItem>& items) -> void {
        for (const CResMenuItem& item : items) {
            if (item.IsPopup()) {
                self(self, item.items);
            } else if (!item.IsSeparator()) {
                EXPECT_TRUE(hasPrompt(item.id)) << WideToUtf8(item.text.str());
            }
        }
    };
    for (const auto& [id, menu] : pack.GetResources().menus) walk(walk, menu.items);
    for (const auto& [id, bar] : pack.GetResources().toolBars)
        for (UINT cmd : bar.items) {
            if (cmd) {
                EXPECT_TRUE(hasPrompt(cmd)) << cmd;
            }
        }
    for (const auto& [id, table] : pack.GetResources().accelerators)
        for (const CResAccelerator& a : table.entries) EXPECT_TRUE(hasPrompt(a.cmd)) << a.cmd;
}

TEST_F(EnglishPack, ImageStripsHoldOnePicturePerImage) {
    struct Case { UINT bitmap; int count; int size; };
    std::vector<Case> cases = {{IDB_PAGE_TABS, 6, 32}, {IDB_PANEL_IMAGES, 23, 16}};
    // A toolbar's bitmap holds one picture per button.
    for (const auto& [id, bar] : pack.GetResources().toolBars) {
        int buttons = 0;
        for (UINT cmd : bar.items) buttons += cmd != 0;
        EXPECT_EQ(bar.buttonWidth, bar.buttonHeight) << id;
        cases.push_back({id, buttons, bar.buttonWidth});
    }
    for (const Case& c : cases) {
        const CResImage* image = pack.FindBitmap(c.bitmap);
        ASSERT_NE(image, nullptr) << c.bitmap;
        int width = 0, height = 0;
        ASSERT_TRUE(PngSize(image->path, width, height)) << WideToUtf8(image->path.str());
        EXPECT_EQ(width, c.count * c.size) << c.bitmap;
        EXPECT_EQ(height, c.size) << c.bitmap;
    }
}

TEST_F(EnglishPack, FormatTextsTakeTheirArguments) {
    struct Case { UINT id; const char* markers; };
    const Case cases[] = {
        {IDS_FRAME_TITLE_PATH, "s"}, {IDS_STATUS_READY, ""},
        {IDS_PROBLEM_OVERLOAD, "s"}, {IDS_PROBLEM_UNUSED_HOUR, "ss"},
        {IDS_PROBLEM_MEMBER_UNAVAILABLE, "sss"}, {IDS_PROBLEM_REPLACEMENT_UNAVAILABLE, "sss"},
        {IDS_PROBLEM_ENTRY_TOO_SHORT, "ss"}, {IDS_PROBLEM_NO_STAFF, "ss"},
        {IDS_PROBLEM_PLANNED_TOO_LONG, "ss"}, {IDS_PROBLEM_PLANNED_TOO_SHORT, "ss"},
        {IDS_PROBLEM_NO_STAFF_OR_SUPERVISOR, "s"}, {IDS_PROBLEM_REST_DOES_NOT_FIT, "ss"},
        {IDS_PROBLEM_NO_AVAILABLE_TIME, "s"}, {IDS_PROBLEM_PLANNED_EXCEEDS_AVAILABLE, "ss"},
        {IDS_PROBLEM_WINDOW_TOO_SHORT, "sss"}, {IDS_PROBLEM_FREE_TIME_TOO_SHORT, "sss"},
        {IDS_PROBLEM_OVERLAP_LIMIT, "s"}, {IDS_PASTE_ENTITY_CAPTION, "s"}, {IDS_PASTE_ACTIVITY_SIMILAR, "s"},
        {IDS_HOME_ROOM_NAME, "s"}, {IDS_HOME_ROOM_ALREADY_SET, "ss"}, {IDS_HOME_ROOM_EXISTS, "s"},
        {IDS_HOME_ROOM_NOT_LINKED, "s"}, {IDS_HOME_ROOMS_SUMMARY, "dd"},
        {IDS_ACTIVITY_WITH_MEMBERS, "ss"}, {IDS_ACTIVITY_MEMBERS_LINE, "s"}, {IDS_ACTIVITY_TITLE_GROUP, "ss"},
        {IDS_ACTIVITY_TITLE, "s"}, {IDS_ACTIVITY_TITLE_ROOM, "s"}, {IDS_LESSON_SPAN, "ss"},
        {IDS_LESSON_SINGLE, "s"}, {IDS_WHEN_HOURS_SPAN, "sss"}, {IDS_WHEN_LESSONS_SPAN, "sss"},
        {IDS_WHEN_HOUR, "ss"}, {IDS_WHEN_LESSON, "ss"}, {IDS_WHEN_PLAIN_SPAN, "sss"}, {IDS_WHEN_PLAIN, "ss"},
        {IDS_ROOMS_LOCATION, "s"}, {IDS_ENTRY_TITLE, "ss"}, {IDS_REPORT_OVERPLANNED, "s"},
    };
    for (const Case& c : cases) EXPECT_EQ(Markers(pack.GetString(c.id)), c.markers) << c.id;
}
