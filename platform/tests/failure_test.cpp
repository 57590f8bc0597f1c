#include "platform/application.h"
#include "platform/testing/fake_services.h"
#include "store/data_store.h"

#include <gtest/gtest.h>

using namespace velmora;

TEST(FailureHandling, StoreFailureInAHandlerIsShownAndEndsTheProgram) {
    platform::testing::FakeDialogs dialogs;
    platform::testing::FakeExiter exiter;
    bool after = false;
    const bool result = platform::runGuarded(
        [&]() -> bool {
            throw store::StoreError("تعذرت الكتابة في ملف البيانات: sf42.mdb");
            after = true;
        },
        &dialogs, &exiter);
    EXPECT_FALSE(result);
    EXPECT_FALSE(after);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("sf42.mdb")));
    EXPECT_EQ(exiter.exits, std::vector<int>{3});
}

TEST(FailureHandling, HandlersThatSucceedPassTheirResultThrough) {
    platform::testing::FakeDialogs dialogs;
    platform::testing::FakeExiter exiter;
    EXPECT_TRUE(platform::runGuarded([] { return true; }, &dialogs, &exiter));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(exiter.exits.empty());
}
