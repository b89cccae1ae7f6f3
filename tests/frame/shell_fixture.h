#pragma once
// A main frame with the contacts page over a document that talks to the frame through the real
// host, with settings, answers and a clipboard held in memory.
#include <QWidget>

#include <deque>
#include <string>

#include "controls/app_document.h"
#include "frame/main_frame_host.h"
#include "frame/wnd_contacts.h"
#include "frame_fixture.h"
#include "model/plan_check.h"

// Answers questions from a script and keeps what was asked; an empty script says No or Cancel.
class CQueuedAnswers : public IMessageAnswerer {
public:
    MessageAnswer Ask(const CString& text, const CString& caption, MessageButtons buttons, MessageIcon icon) override {
        asked.push_back(text);
        if (script.empty()) return CCautiousAnswerer().Ask(text, caption, buttons, icon);
        const MessageAnswer answer = script.front();
        script.pop_front();
        return answer;
    }
    std::deque<MessageAnswer> script;
    std::vector<CString> asked;
};

// A window with its children as a user sees it, saved as PNG in the test pictures.
inline void SaveScreenPicture(CWnd* wnd, const char* name) {
    vorn_test::ProcessEvents();
    const CString path = vorn_test::PicturePath(name);
    wnd->GetWidget()->grab().save(QString::fromStdWString(path.GetString()));
}

inline CString SharedDocument(const char* name) {
    return CString(std::string(VORN_SHARED_DIR) + "/fixtures/documents/" + name);
}

class ShellTest : public FrameTest {
protected:
    void SetUp() override {
        RegisterFramePage(kPageContacts, [] { return std::make_unique<CWndContacts>(); });
        FrameTest::SetUp();
        RegisterFramePage(kPageContacts, {});
        settings.m_dtDefaultPlanDate = COleDateTime(2000, 1, 3, 0, 0, 0);
        application.data.SetServices(ModelServices{&host, &settings, &answers, &clipboard});
        SetAppDocument(&application.data);
        frame->MoveWindow(0, 0, 1100, 700);
        vorn_test::ProcessEvents();
    }
    void TearDown() override {
        FrameTest::TearDown();
        SetAppDocument(nullptr);
        CWndContacts::s_dialogs = CContactsDialogs();
    }
    void Load(const char* name) {
        ASSERT_TRUE(application.data.Load(SharedDocument(name), TRUE));
        RecheckAndRefresh(application.data, TRUE);
        vorn_test::ProcessEvents();
    }
    CWndContacts& Contacts() { return *static_cast<CWndContacts*>(frame->FindPage(kPageContacts)); }

    CMainFrameHost host;
    CMemoryAppSettings settings;
    CQueuedAnswers answers;
    CMemoryClipboard clipboard;
};
