#include "tests/support/GlobalStateReset.h"

#include "model/GlobalState.h"

void TGlobalStateReset::OnTestStart(const ::testing::TestInfo &)
{
    ResetGlobalState();
}

void TGlobalStateReset::OnTestEnd(const ::testing::TestInfo &)
{
    ResetGlobalState();
}

void ResetGlobalStateAroundEachTest()
{
    ::testing::UnitTest::GetInstance()->listeners().Append(new TGlobalStateReset);
}
