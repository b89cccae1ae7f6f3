#pragma once
// The program started inside a test: its settings folder is a fresh folder of the test, the
// dialog answerer is scripted, and the application object runs its start-up on the offscreen
// platform. Modal dialogs that the program opens are driven with WhenModal.
#include <gtest/gtest.h>

#include <QTimer>
#include <QWidget>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "../platform/ui/frame_picture.h"
#include "app/scheduler_app.h"
#include "frame/main_frame.h"
#include "platform/core/file_system.h"
#include "platform/ui/scripted_answerer.h"
#include "platform/ui/test_support.h"
#include "platform/ui/window_api.h"
#include "temp_folder.h"

inline std::string SharedDocument(const char* name) { return std::string(VORN_SHARED_DIR) + "/fixtures/documents/" + name; }
inline std::string SampleDocument() { return std::string(VORN_TEST_DIR) + "/../../samples/sample.xml"; }

// Copies a file into the folder and gives the copy's path.
inline CString CopyInto(const TempFolder& folder, const std::string& from, const std::string& name) {
    const std::string to = folder / name;
    std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing);
    return CString(to);
}


// The life of the program run that the scripted dialogs belong to: AppTest renews it when a run
// stops, and a poll whose run is over ends, so a dialog scripted in one run (or test) and never
// opened there cannot be answered in a later one, nor reach the variables of a finished test.
inline std::shared_ptr<int>& ModalScriptRun() {
    static std::shared_ptr<int> run = std::make_shared<int>(0);
    return run;
}

// Runs action on the modal dialog that is open once the program opens one (polling the active
// window), so that code that runs a modal dialog can be driven from a test. The poll lasts until
// the dialog opens or the program run ends, however slowly the program gets there.
template <typename Dialog>
void WhenModal(std::function<void(Dialog&)> action) {
    const std::weak_ptr<int> run = ModalScriptRun();
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [action, run, weak = std::weak_ptr<std::function<void()>>(poll)] {
        if (run.expired()) return;
        auto* dialog = dynamic_cast<Dialog*>(CWnd::FromHandle(GetActiveWindow()));
        if (dialog && dialog->IsWindowVisible()) {
            action(*dialog);
            return;
        }
        if (auto next = weak.lock()) QTimer::singleShot(10, [next] { (*next)(); });
    };
    QTimer::singleShot(0, [poll] { (*poll)(); });
}

class AppTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* old = std::getenv("XDG_CONFIG_HOME");
        m_oldConfig = old ? old : "";
        m_hadConfig = old != nullptr;
        ::setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
    }
    void TearDown() override {
        Stop();
        if (m_hadConfig)
            ::setenv("XDG_CONFIG_HOME", m_oldConfig.c_str(), 1);
        else
            ::unsetenv("XDG_CONFIG_HOME");
    }

    // Starts the program with these arguments; false when start-up ended.
    bool Start(const std::vector<CString>& args) {
        app = std::make_unique<CSchedulerApp>();
        app->SetCommandLineArgs(args);
        const BOOL started = app->InitInstance();
        vorn_test::ProcessEvents();
        return started != FALSE;
    }
    // Ends the program as its loop does when the main window closes, and with it every dialog
    // script still waiting for its dialog.
    void Stop() {
        ModalScriptRun() = std::make_shared<int>(0);
        if (!app) return;
        if (CMainFrame* frame = app->GetMainFrame()) frame->DestroyWindow();
        vorn_test::ProcessEvents();
        app->ExitInstance();
        app.reset();
    }
    CMainFrame& Frame() { return *app->GetMainFrame(); }
    CScheduleData& Data() { return app->GetDocument(); }
    // The settings file the program writes.
    std::string SettingsFile() const { return config / "VornScheduler/settings.ini"; }

    TempFolder config;
    TempFolder files;
    CScriptedAnswerer answerer;
    std::unique_ptr<CSchedulerApp> app;

private:
    std::string m_oldConfig;
    bool m_hadConfig = false;
};
