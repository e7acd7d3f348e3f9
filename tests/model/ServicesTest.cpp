#include "model/Services.h"

#include "tests/support/FakeServices.h"

#include <gtest/gtest.h>

TEST(Services, WithoutAnInstalledSetNothingIsAskedAndTheSafeAnswerIsGiven)
{
    const TServices previous = InstallServices({});
    EXPECT_EQ(ShowMessageBox(TMsgKind::Warning, "notice"), TMsgAnswer::Ok);
    EXPECT_EQ(ShowMessageBox(TMsgKind::Confirmation, "question", TMsgButtons::OkCancel), TMsgAnswer::Cancel);
    EXPECT_EQ(ShowMessageBox(TMsgKind::Confirmation, "question", TMsgButtons::YesNo), TMsgAnswer::No);
    EXPECT_EQ(ShowMessageBox(TMsgKind::Confirmation, "question", TMsgButtons::YesCancel), TMsgAnswer::Cancel);
    EXPECT_FALSE(ShellOpen("/"));
    EXPECT_EQ(AskSaveFileName({"Save", "Text (*.txt)", "txt", "/tmp", "/tmp/a.txt"}, nullptr), QString());
    InstallServices(previous);
}

TEST(Services, FakesPutBackTheSetTheyReplaced)
{
    TFakeServices outer;
    {
        const TFakeServices inner(outer.Now.addDays(1));
        ShowMessageBox(TMsgKind::Plain, "inner");
        EXPECT_EQ(CurrentTime(), outer.Now.addDays(1));
    }
    ShowMessageBox(TMsgKind::Plain, "outer");
    EXPECT_EQ(outer.Texts(), QStringList{"outer"});
    EXPECT_EQ(CurrentTime(), outer.Now);
}
