#pragma once
// Tests that load pictures, strings or templates by id run with the English pack current.
#include <gtest/gtest.h>

#include <string>

#include "platform/core/language_pack.h"
#include "platform/ui/win_app.h"

class EnglishPackTest : public ::testing::Test {
protected:
    void SetUp() override {
        const CPackResult r = pack.Load(CString(std::string(VORN_BIN_DIR) + "/Locale/English.rc"));
        ASSERT_TRUE(r.ok) << r.Describe().ToUtf8();
        CLanguagePack::SetCurrent(&pack);
        AfxSetResourcePack(&pack);
    }
    void TearDown() override {
        AfxSetResourcePack(nullptr);
        CLanguagePack::SetCurrent(nullptr);
    }
    CLanguagePack pack;
};
