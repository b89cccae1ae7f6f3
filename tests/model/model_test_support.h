#pragma once
// Recording stand-ins for the services the document store calls, a pinned time zone and a
// string table, for the model's tests.
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "model/model_host.h"
#include "platform/core/string_source.h"

// CPinnedTimeZone, shared with the tests of the core layer.
#include "../platform/core/pinned_time_zone.h"

// Records every call the store makes into the frame and pages, as short lines.
class CRecordingHost : public IModelHost {
public:
    void BroadcastUpdate(int kind) override { m_calls.push_back("broadcast " + std::to_string(kind)); }
    void RefreshPages(PageRefresh kind) override {
        static const char* const kNames[] = {"full", "reset", "load", "save", "undo"};
        m_calls.push_back(std::string("refresh ") + kNames[static_cast<int>(kind)]);
    }
    void SetStatusText(const CString& text) override { m_calls.push_back("status " + text.ToUtf8()); }
    IProgress& ShowProgress(const CString& label) override {
        m_calls.push_back("progress " + label.ToUtf8());
        return m_progress;
    }
    void HideProgress() override { m_calls.push_back("hide progress"); }
    void FillMessagePanel() override { m_calls.push_back("message panel"); }
    void RestartAutoSaveTimer() override { m_calls.push_back("autosave timer"); }

    std::vector<std::string> m_calls;
    IProgress m_progress;
};

// Answers questions from a script (first in, first out) and keeps what was asked. An empty
// script answers the most cautious way.
class CScriptedMessageAnswerer : public IMessageAnswerer {
public:
    MessageAnswer Ask(const CString& text, const CString& caption, MessageButtons buttons,
                      MessageIcon icon) override {
        m_asked.push_back(text);
        if (m_script.empty()) return CCautiousAnswerer().Ask(text, caption, buttons, icon);
        const MessageAnswer answer = m_script.front();
        m_script.pop_front();
        return answer;
    }

    std::deque<MessageAnswer> m_script;
    std::vector<CString> m_asked;
};

// A string table installed as the program's string source for the lifetime of the object.
class CTestStrings : public IStringSource {
public:
    explicit CTestStrings(std::map<UINT, std::wstring> strings) : m_strings(std::move(strings)) {
        m_previous = GetStringSource();
        SetStringSource(this);
    }
    ~CTestStrings() override { SetStringSource(m_previous); }
    CTestStrings(const CTestStrings&) = delete;
    CTestStrings& operator=(const CTestStrings&) = delete;

    bool FindString(UINT id, std::wstring& text) const override {
        auto it = m_strings.find(id);
        if (it == m_strings.end()) return false;
        text = it->second;
        return true;
    }

private:
    std::map<UINT, std::wstring> m_strings;
    IStringSource* m_previous = nullptr;
};
