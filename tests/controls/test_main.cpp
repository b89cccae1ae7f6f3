// The controls' tests run with the English pack as the program's resources, as the program does.
#include "platform/core/language_pack.h"
#include "platform/ui/test_support.h"
#include "platform/ui/win_app.h"

namespace {
class EnglishPack : public ::testing::Environment {
public:
    void SetUp() override {
        const CPackResult r = m_pack.Load(CString(VORN_TEST_DIR "/../../locale/English.rc"));
        ASSERT_TRUE(r.ok) << r.Describe().ToUtf8();
        AfxSetResourcePack(&m_pack);
    }
    void TearDown() override { AfxSetResourcePack(nullptr); }

private:
    CLanguagePack m_pack;
};
}  // namespace

int main(int argc, char** argv) {
    ::testing::AddGlobalTestEnvironment(new EnglishPack);
    return vorn_test::RunTests(argc, argv);
}
