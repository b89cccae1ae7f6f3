#pragma once
// The test pack of the frame layer (frame_pack/Frame.rc), loaded once and made current.
#include <gtest/gtest.h>

#include "platform/core/language_pack.h"

#include "frame_pack/frame_ids.h"

inline CLanguagePack& FramePack() {
    static CLanguagePack* pack = [] {
        auto* p = new CLanguagePack;
        const CPackResult result = p->Load(CString(VORN_TEST_DIR "/frame_pack/Frame.rc"));
        EXPECT_TRUE(result.ok) << WideToUtf8(result.Describe().GetString());
        return p;
    }();
    CLanguagePack::SetCurrent(pack);
    return *pack;
}

class FramePackTest : public ::testing::Test {
protected:
    void SetUp() override { FramePack(); }
    void TearDown() override { CLanguagePack::SetCurrent(nullptr); }
};
