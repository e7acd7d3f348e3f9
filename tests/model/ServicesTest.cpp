#include "model/Services.h"

#include <gtest/gtest.h>

TEST(Services, WithoutAnInstalledSetNothingIsAskedAndTheSafeAnswerIsGiven)
{
    const TServices previous = InstallServices({});
    EXPECT_EQ(ShowMessageBox(TMsgKind::Warning, "notice"), TMsgAnswer::Ok);
    EXPECT_EQ(ShowMessageBox(TMsgKind::Confirmation, "question", TMsgButtons::YesNo), TMsgAnswer::No);
    EXPECT_EQ(ShowMessageBox(TMsgKind::Confirmation, "question", TMsgButtons::YesCancel), TMsgAnswer::Cancel);
    EXPECT_FALSE(ShellOpen("/"));
    EXPECT_EQ(AskSaveFileName({"Save", "Text (*.txt)", "txt", "/tmp", "/tmp/a.txt"}, nullptr), QString());
    InstallServices(previous);
}
