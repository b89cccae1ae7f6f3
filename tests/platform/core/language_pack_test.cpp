#include "platform/core/language_pack.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/core/load_res_string.h"
#include "platform/core/virtual_keys.h"
#include "platform/core/window_styles.h"

namespace {

const std::string kPacks = std::string(VORN_TEST_DIR) + "/packs/";

CString PackPath(const std::string& name) { return CString(kPacks + name); }

// Loads a fixture pack and fails the test with the reader's message when it does not load.
void LoadOk(CLanguagePack& pack, const std::string& name) {
    const CPackResult r = pack.Load(PackPath(name));
    ASSERT_TRUE(r.ok) << WideToUtf8(r.Describe().str());
}

std::string Narrow(const CString& s) { return WideToUtf8(s.str()); }

// A scratch folder that is removed with the object.
struct TempFolder {
    std::filesystem::path path;
    TempFolder() {
        path = std::filesystem::temp_directory_path() /
               ("vorn_pack_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~TempFolder() { std::filesystem::remove_all(path); }
    void Write(const std::string& name, const std::string& bytes) const {
        std::filesystem::create_directories((path / name).parent_path());
        std::ofstream(path / name, std::ios::binary) << bytes;
    }
    CString Folder() const { return CString(path.string()); }
};

}  // namespace

TEST(LanguagePackStrings, EscapesQuotesAndTables) {
    CLanguagePack pack;
    LoadOk(pack, "strings.rc");
    struct Case { UINT id; const wchar_t* text; };
    const Case cases[] = {
        {1, L"Plain"},
        {2, L"Say \"hi\""},
        {3, L"Line\nbreak\tand tab \\ backslash \" quote"},
        {4, L"Hex A\u00e9 end"},
        {5, L"Wide \u00c4\u00d6\u00dc \u20ac"},
        {6, L""},
        {7, L"Unknown \\q escape"},
        {60000, L"Last"},
    };
    for (const Case& c : cases) {
        std::wstring text;
        EXPECT_TRUE(pack.FindString(c.id, text)) << c.id;
        EXPECT_EQ(text, c.text) << c.id;
    }
}

TEST(LanguagePackStrings, MissingIdGivesEmptyText) {
    CLanguagePack pack;
    LoadOk(pack, "strings.rc");
    std::wstring text = L"left over";
    EXPECT_FALSE(pack.FindString(12345, text));
    EXPECT_TRUE(pack.GetString(12345).IsEmpty());
}

TEST(LanguagePackStrings, Utf16AndUtf8WithByteOrderMark) {
    TempFolder dir;
    const std::string body = "STRINGTABLE\r\nBEGIN\r\n    1 \"Gr\xc3\xbc\xc3\x9f""e \xf0\x9f\x98\x80\"\r\nEND\r\n";
    dir.Write("utf8bom.rc", "\xEF\xBB\xBF" + body);
    std::u16string wide = Utf8ToWide(body).empty() ? u"" : WideToUtf16(Utf8ToWide(body));
    std::string utf16 = "\xFF\xFE";
    for (char16_t u : wide) {
        utf16.push_back(static_cast<char>(u & 0xFF));
        utf16.push_back(static_cast<char>(u >> 8));
    }
    dir.Write("utf16.rc", utf16);
    for (const char* name : {"utf8bom.rc", "utf16.rc"}) {
        CLanguagePack pack;
        const CPackResult r = pack.Load(CString(dir.path.string() + "/" + name));
        ASSERT_TRUE(r.ok) << name << ": " << Narrow(r.Describe());
        EXPECT_EQ(pack.GetString(1).str(), L"Gr\u00fc\u00dfe \U0001F600") << name;
    }
}

TEST(LanguagePackMenus, PopupsItemsAndFlags) {
    CLanguagePack pack;
    LoadOk(pack, "menus.rc");
    const CResMenu* menu = pack.FindMenu(128);
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(menu->extended);
    ASSERT_EQ(menu->items.size(), 2u);
    const CResMenuItem& file = menu->items[0];
    EXPECT_TRUE(file.IsPopup());
    EXPECT_EQ(file.text, L"&File");
    ASSERT_EQ(file.items.size(), 4u);
    EXPECT_EQ(file.items[0].text, L"&New\tCtrl+N");
    EXPECT_EQ(file.items[0].id, 57600u);
    EXPECT_EQ(file.items[0].flags, 0u);
    EXPECT_EQ(file.items[1].flags, MF_CHECKED | MF_GRAYED);
    EXPECT_TRUE(file.items[2].IsSeparator());
    const CResMenuItem& recent = file.items[3];
    EXPECT_EQ(recent.flags, MF_POPUP | MF_DISABLED);
    ASSERT_EQ(recent.items.size(), 1u);
    EXPECT_EQ(recent.items[0].id, 40001u);
    EXPECT_EQ(recent.items[0].flags, MF_MENUBARBREAK | MF_MENUBREAK);
    EXPECT_EQ(menu->items[1].flags, MF_POPUP | MF_HELP);
    EXPECT_EQ(menu->items[1].items[0].flags, MF_DISABLED);
    EXPECT_EQ(pack.FindMenu(999), nullptr);
}

TEST(LanguagePackMenus, ExtendedMenuTypesStatesAndHelpIds) {
    CLanguagePack pack;
    LoadOk(pack, "menus.rc");
    const CResMenu* menu = pack.FindMenu(129);
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->extended);
    ASSERT_EQ(menu->items.size(), 1u);
    const CResMenuItem& view = menu->items[0];
    EXPECT_TRUE(view.IsPopup());
    EXPECT_EQ(view.helpId, 77u);
    ASSERT_EQ(view.items.size(), 5u);
    EXPECT_EQ(view.items[0].id, 32770u);
    EXPECT_TRUE(view.items[0].IsChecked());
    EXPECT_TRUE(view.items[1].IsSeparator());  // "" with an empty id and MFT_SEPARATOR
    EXPECT_TRUE(view.items[2].IsSeparator());
    EXPECT_EQ(view.items[3].flags, MFT_RADIOCHECK | MFT_MENUBARBREAK | MFS_GRAYED | MFS_DEFAULT);
    EXPECT_TRUE(view.items[3].IsGrayed());
    EXPECT_EQ(view.items[4].text, L"Bare");
    EXPECT_EQ(view.items[4].id, 0u);
}

TEST(LanguagePackDialogs, TemplateHeader) {
    CLanguagePack pack;
    LoadOk(pack, "dialog.rc");
    const CDialogTemplate* d = pack.FindDialog(200);
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->extended);
    EXPECT_EQ(d->x, 10);
    EXPECT_EQ(d->y, 20);
    EXPECT_EQ(d->cx, 200);
    EXPECT_EQ(d->cy, 120);
    EXPECT_EQ(d->helpId, 5u);
    EXPECT_EQ(d->style, DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU);
    EXPECT_EQ(d->exStyle, WS_EX_CONTROLPARENT);
    EXPECT_EQ(d->caption, L"Sample \"dialog\"");
    EXPECT_TRUE(d->hasFont);
    EXPECT_EQ(d->fontPointSize, 8);
    EXPECT_EQ(d->fontFace, L"MS Shell Dlg");
    EXPECT_EQ(d->fontWeight, 400);
    EXPECT_TRUE(d->fontItalic);
    EXPECT_EQ(d->fontCharset, 1);
    EXPECT_EQ(d->menuId, 128u);
    EXPECT_EQ(d->className, L"MyDialogClass");
    EXPECT_EQ(d->controls.size(), 18u);

    // Without STYLE a dialog is a bordered popup with a system menu; CAPTION adds the caption.
    const CDialogTemplate* plain = pack.FindDialog(201);
    ASSERT_NE(plain, nullptr);
    EXPECT_FALSE(plain->extended);
    EXPECT_EQ(plain->style, WS_POPUP | WS_BORDER | WS_SYSMENU | WS_CAPTION);
    EXPECT_FALSE(plain->hasFont);
}

TEST(LanguagePackDialogs, ControlKindsAndStyleExpressions) {
    CLanguagePack pack;
    LoadOk(pack, "dialog.rc");
    const CDialogTemplate* d = pack.FindDialog(200);
    ASSERT_NE(d, nullptr);
    const DWORD child = WS_CHILD | WS_VISIBLE;
    struct Case { size_t index; const wchar_t* cls; const wchar_t* text; int id; int x, y, cx, cy; DWORD style; DWORD exStyle; };
    const Case cases[] = {
        {0, L"STATIC", L"&Name:", -1, 7, 7, 40, 8, child | SS_LEFT | WS_GROUP, 0},
        {1, L"STATIC", L"Right", -1, 7, 20, 40, 8, child | SS_RIGHT | SS_NOPREFIX, 0},
        {2, L"STATIC", L"Centre", -1, 7, 30, 40, 8, WS_CHILD | SS_CENTER | WS_GROUP, 0},
        {3, L"EDIT", L"", 1001, 50, 5, 100, 12, child | ES_LEFT | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_NUMBER, WS_EX_CLIENTEDGE},
        {4, L"BUTTON", L"OK", 1002, 140, 100, 50, 14, child | BS_DEFPUSHBUTTON | WS_TABSTOP, 0},
        {5, L"BUTTON", L"Cancel", IDCANCEL, 85, 100, 50, 14, child | BS_PUSHBUTTON, 0},
        {6, L"BUTTON", L"Check", 1003, 7, 50, 60, 10, child | BS_CHECKBOX | WS_TABSTOP, 0},
        {7, L"BUTTON", L"Auto check", 1004, 7, 62, 60, 10, child | BS_AUTOCHECKBOX | WS_TABSTOP, 0},
        {8, L"BUTTON", L"Radio", 1005, 70, 50, 60, 10, child | BS_RADIOBUTTON | WS_GROUP | WS_TABSTOP, 0},
        {9, L"BUTTON", L"Auto radio", 1006, 70, 62, 60, 10, child | BS_AUTORADIOBUTTON, 0},
        {10, L"BUTTON", L"Group", -1, 5, 45, 190, 30, child | BS_GROUPBOX, 0},
        {11, L"COMBOBOX", L"", 1007, 7, 80, 100, 60, child | CBS_DROPDOWNLIST | WS_TABSTOP | WS_VSCROLL, 0},
        {12, L"LISTBOX", L"", 1008, 110, 80, 80, 15, child | WS_BORDER | LBS_SORT | LBS_NOINTEGRALHEIGHT, 0},
        {13, L"STATIC", L"", 1009, 170, 5, 0, 0, child | SS_ICON, 0},
        {14, L"STATIC", L"", 1010, 170, 25, 20, 20, child | SS_ICON, 0},
        {15, L"SysListView32", L"List", 1011, 7, 95, 60, 20, child | LVS_REPORT | LVS_SINGLESEL | WS_BORDER | WS_TABSTOP, 0},
        {16, L"BUTTON", L"", 1012, 70, 95, 10, 10, child | BS_OWNERDRAW | WS_TABSTOP, WS_EX_TRANSPARENT},
        {17, L"STATIC", L"", 1013, 90, 95, 10, 10, WS_CHILD | SS_BITMAP, 0},
    };
    for (const Case& c : cases) {
        ASSERT_LT(c.index, d->controls.size());
        const CDialogControl& k = d->controls[c.index];
        EXPECT_EQ(k.className, c.cls) << c.index;
        EXPECT_EQ(k.text, c.text) << c.index;
        EXPECT_EQ(k.id, c.id) << c.index;
        EXPECT_EQ(k.x, c.x) << c.index;
        EXPECT_EQ(k.y, c.y) << c.index;
        EXPECT_EQ(k.cx, c.cx) << c.index;
        EXPECT_EQ(k.cy, c.cy) << c.index;
        EXPECT_EQ(k.style, c.style) << c.index << std::hex << " got 0x" << k.style << " want 0x" << c.style;
        EXPECT_EQ(k.exStyle, c.exStyle) << c.index;
    }
    EXPECT_EQ(d->controls[3].helpId, 42u);
    // Pictures name their image by id.
    EXPECT_TRUE(d->controls[13].textIsId);
    EXPECT_EQ(d->controls[13].textId, 301u);
    EXPECT_TRUE(d->controls[17].textIsId);
    EXPECT_FALSE(d->controls[14].textIsId);
    EXPECT_EQ(d->FindControl(1008), &d->controls[12]);
    EXPECT_EQ(d->FindControl(4242), nullptr);
}

TEST(LanguagePackToolBars, ButtonsSeparatorsAndImages) {
    CLanguagePack pack;
    LoadOk(pack, "toolbar_accel.rc");
    const CResToolBar* bar = pack.FindToolBar(128);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->buttonWidth, 16);
    EXPECT_EQ(bar->buttonHeight, 15);
    EXPECT_EQ(bar->items, (std::vector<UINT>{57600, 57601, 0, 57603}));
    for (const CResImage* image : {pack.FindBitmap(128), pack.FindIcon(128), pack.FindCursor(128)}) {
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->path, CString(kPacks + "images/strip.png"));
    }
    EXPECT_EQ(pack.FindBitmap(128)->kind, CResImage::Bitmap);
    EXPECT_EQ(pack.FindCursor(128)->kind, CResImage::Cursor);
    EXPECT_EQ(pack.FindBitmap(129), nullptr);
}

TEST(LanguagePackAccelerators, KeysAndModifiers) {
    CLanguagePack pack;
    LoadOk(pack, "toolbar_accel.rc");
    const CResAccelTable* table = pack.FindAccelerators(128);
    ASSERT_NE(table, nullptr);
    struct Case { BYTE fVirt; WORD key; WORD cmd; };
    const Case cases[] = {
        {FVIRTKEY | FCONTROL | FNOINVERT, 'N', 57600},
        {FVIRTKEY | FCONTROL | FSHIFT, 'O', 57601},  // a virtual key is upper case
        {FVIRTKEY | FALT, VK_F2, 57603},
        {0, 19, 57603},                              // "^S" is the control character
        {0, 's', 57603},
        {FNOINVERT, 65, 57600},
    };
    ASSERT_EQ(table->entries.size(), std::size(cases));
    for (size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(table->entries[i].fVirt, cases[i].fVirt) << i;
        EXPECT_EQ(table->entries[i].key, cases[i].key) << i;
        EXPECT_EQ(table->entries[i].cmd, cases[i].cmd) << i;
    }
}

TEST(LanguagePackPreprocessor, IncludesDefinesAndConditions) {
    CLanguagePack pack;
    LoadOk(pack, "include_define.rc");
    EXPECT_EQ(pack.GetString(100), L"Hello");
    EXPECT_EQ(pack.GetString(101), L"Next");
    EXPECT_EQ(pack.GetString(300), L"From the sub folder");
    EXPECT_EQ(pack.GetString(601), L"Local");
    EXPECT_TRUE(pack.GetString(999).IsEmpty());
    EXPECT_TRUE(pack.GetString(998).IsEmpty());
    long long v = 0;
    EXPECT_TRUE(pack.FindSymbol(L"IDC_OK_BUTTON", v));
    EXPECT_EQ(v, 1002);
    EXPECT_TRUE(pack.FindSymbol(L"ID_CMD_NEW", v));
    EXPECT_EQ(v, 0xE100);
    EXPECT_TRUE(pack.FindSymbol(L"SHIFTED", v));
    EXPECT_EQ(v, 19);
    EXPECT_FALSE(pack.FindSymbol(L"NOT_A_NUMBER_BUT_FINE", v));  // defined without a value
    EXPECT_FALSE(pack.FindSymbol(L"WS_CHILD", v));               // built-in names are not the pack's
    // Image paths are taken relative to the file that names them; backslashes are allowed.
    ASSERT_NE(pack.FindBitmap(301), nullptr);
    EXPECT_EQ(pack.FindBitmap(301)->path, CString(kPacks + "images/strip.png"));
}

TEST(LanguagePackErrors, ReportFileLineAndWhatWasExpected) {
    struct Case { const char* pack; const char* file; int line; const char* message; };
    const Case cases[] = {
        {"unterminated_string.rc", "unterminated_string.rc", 3, "unterminated string: expected a closing \""},
        {"unknown_statement.rc", "unknown_statement.rc", 2, "expected a resource statement or a defined id, found 'FOO'"},
        {"unknown_type.rc", "unknown_type.rc", 3, "expected a resource type"},
        {"missing_begin.rc", "missing_begin.rc", 2, "expected BEGIN, found 'POPUP'"},
        {"missing_end.rc", "missing_end.rc", 5, "expected a string id or END, found the end of the file"},
        {"missing_end_menu.rc", "missing_end_menu.rc", 7, "expected MENUITEM, POPUP or END, found the end of the file"},
        {"bad_number.rc", "bad_number.rc", 4, "bad number '0x1G'"},
        {"missing_include.rc", "missing_include.rc", 2, "cannot open the included file \""},
        {"recursive.rc", "rec_b.h", 3, "recursive #include of \""},
        {"undefined_id.rc", "undefined_id.rc", 3, "expected a string id, found 'IDS_MISSING', which is not defined"},
        {"duplicate_string.rc", "duplicate_string.rc", 7, "string 7 is defined twice"},
        {"bad_style.rc", "bad_style.rc", 3, "expected a style, found 'BOGUS', which is not defined"},
        {"missing_comma.rc", "missing_comma.rc", 3, "expected ',' before x, found '5'"},
        {"unknown_control.rc", "unknown_control.rc", 3, "expected a control statement"},
        {"missing_image.rc", "missing_image.rc", 2, "image file not found: \"images/none.png\""},
        {"missing_endif.rc", "missing_endif.rc", 2, "expected #endif for this #if"},
        {"unterminated_comment.rc", "unterminated_comment.rc", 2, "unterminated comment: expected */"},
        {"bad_accelerator.rc", "bad_accelerator.rc", 3, "expected VIRTKEY, ASCII, NOINVERT, SHIFT, CONTROL or ALT, found 'CTRL'"},
        {"bad_utf8.rc", "bad_utf8.rc", 3, "the file is not valid UTF-8"},
        {"include_empty.rc", "include_empty.rc", 2, "cannot open the included file \""},
        {"include_dot.rc", "include_dot.rc", 2, "cannot open the included file \""},
        {"include_folder.rc", "include_folder.rc", 2, "cannot open the included file \""},
        {"overflow_id.rc", "overflow_id.rc", 3, "the value is out of range"},
        {"overflow_define.rc", "overflow_define.rc", 2, "the value is out of range"},
        {"overflow_divide.rc", "overflow_divide.rc", 1, "the value is out of range"},
        {"overflow_remainder.rc", "overflow_remainder.rc", 1, "the value is out of range"},
        {"overflow_style.rc", "overflow_style.rc", 3, "the value is out of range"},
    };
    for (const Case& c : cases) {
        CLanguagePack pack;
        const CPackResult r = pack.Load(PackPath(std::string("bad/") + c.pack));
        EXPECT_FALSE(r.ok) << c.pack;
        EXPECT_FALSE(pack.IsLoaded()) << c.pack;
        const std::string file = Narrow(r.file);
        EXPECT_EQ(file.substr(file.find_last_of('/') + 1), c.file) << c.pack;
        EXPECT_EQ(r.line, c.line) << c.pack << ": " << Narrow(r.message);
        EXPECT_NE(Narrow(r.message).find(c.message), std::string::npos) << c.pack << ": " << Narrow(r.message);
        std::string where = "(";
        where.append(std::to_string(c.line)).append("): ");
        EXPECT_NE(Narrow(r.Describe()).find(where), std::string::npos) << c.pack;
    }
}

TEST(LanguagePackErrors, FailedLoadKeepsThePreviousPack) {
    CLanguagePack pack;
    LoadOk(pack, "strings.rc");
    EXPECT_FALSE(pack.Load(PackPath("bad/missing_end.rc")).ok);
    EXPECT_TRUE(pack.IsLoaded());
    EXPECT_EQ(pack.GetString(1), L"Plain");
    EXPECT_EQ(pack.GetPath(), PackPath("strings.rc"));
}

TEST(LanguagePackErrors, MissingFile) {
    CLanguagePack pack;
    const CPackResult r = pack.Load(PackPath("no_such_pack.rc"));
    EXPECT_FALSE(r.ok);
    EXPECT_NE(Narrow(r.file).find("no_such_pack.rc"), std::string::npos);
    EXPECT_FALSE(r.message.IsEmpty());
    // A pack path that names a folder is refused the same way.
    const CPackResult folder = pack.Load(PackPath("sub"));
    EXPECT_FALSE(folder.ok);
    EXPECT_FALSE(folder.message.IsEmpty());
}

TEST(LanguagePackCurrent, SuppliesLoadResStringUntilDestroyed) {
    {
        CLanguagePack pack;
        LoadOk(pack, "strings.rc");
        CLanguagePack::SetCurrent(&pack);
        EXPECT_EQ(CLanguagePack::GetCurrent(), &pack);
        EXPECT_EQ(LoadResString(2), L"Say \"hi\"");
        EXPECT_TRUE(LoadResString(4242).IsEmpty());
        CString s;
        EXPECT_TRUE(s.LoadString(60000));
        EXPECT_EQ(s, L"Last");
    }
    // The destroyed pack took itself out of service.
    EXPECT_EQ(CLanguagePack::GetCurrent(), nullptr);
    EXPECT_EQ(GetStringSource(), nullptr);
    EXPECT_TRUE(LoadResString(2).IsEmpty());
}

TEST(LanguagePackSearch, OrderOfCandidates) {
    EXPECT_EQ(CLanguagePack::GetSearchOrder(L"/opt/vorn/", L"English", L"vorn"),
              (std::vector<CString>{L"/opt/vorn/Locale/English.rc", L"/opt/vorn/vorn.rc"}));
    EXPECT_EQ(CLanguagePack::GetSearchOrder(L"/opt/vorn", L"Deutsch", L"vorn"),
              (std::vector<CString>{L"/opt/vorn/Locale/Deutsch.rc", L"/opt/vorn/vorn.rc"}));
    // A language setting never leads out of the Locale folder.
    for (const wchar_t* language : {L"", L"..", L".", L"../../etc/passwd", L"a\\b"})
        EXPECT_EQ(CLanguagePack::GetSearchOrder(L"/opt/vorn", language, L"vorn"),
                  (std::vector<CString>{L"/opt/vorn/vorn.rc"}))
            << Narrow(CString(language));
}

TEST(LanguagePackSearch, LocaleFirstThenThePackNamedAfterTheProgram) {
    TempFolder dir;
    dir.Write("Locale/English.rc", "STRINGTABLE BEGIN 1 \"locale\" END\n");
    dir.Write("vorn.rc", "STRINGTABLE BEGIN 1 \"program\" END\n");
    dir.Write("Locale/Broken.rc", "STRINGTABLE BEGIN 1 \"broken\"\n");

    struct Case { const wchar_t* language; const wchar_t* text; bool fromLocale; };
    const Case cases[] = {
        {L"English", L"locale", true},
        {L"Missing", L"program", false},   // no such pack in Locale
        {L"Broken", L"program", false},    // a pack that does not read is passed over
    };
    for (const Case& c : cases) {
        CLanguagePack p;
        bool fromLocale = !c.fromLocale;
        const CPackResult r = p.LoadFromSearchOrder(dir.Folder(), c.language, L"vorn", &fromLocale);
        ASSERT_TRUE(r.ok) << Narrow(CString(c.language)) << ": " << Narrow(r.Describe());
        EXPECT_EQ(p.GetString(1), c.text) << Narrow(CString(c.language));
        EXPECT_EQ(fromLocale, c.fromLocale) << Narrow(CString(c.language));
    }
}

TEST(LanguagePackSearch, NothingLoadsReportsWhy) {
    TempFolder dir;
    CLanguagePack p;
    CPackResult r = p.LoadFromSearchOrder(dir.Folder(), L"English", L"vorn");
    EXPECT_FALSE(r.ok);
    EXPECT_NE(Narrow(r.message).find("Locale/English.rc"), std::string::npos) << Narrow(r.message);

    // A broken pack's own error is what the caller gets to show.
    dir.Write("Locale/English.rc", "STRINGTABLE BEGIN 1 \"x\"\n");
    r = p.LoadFromSearchOrder(dir.Folder(), L"English", L"vorn");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.line, 2);
    EXPECT_FALSE(p.IsLoaded());
}
