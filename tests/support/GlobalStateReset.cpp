#include "tests/support/GlobalStateReset.h"

#include "model/GlobalState.h"

#include <gtest/gtest.h>

namespace {

class TGlobalStateReset : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo &) override { ResetGlobalState(); }
    void OnTestEnd(const ::testing::TestInfo &) override { ResetGlobalState(); }
};

} // namespace

void ResetGlobalStateAroundEachTest()
{
    ::testing::UnitTest::GetInstance()->listeners().Append(new TGlobalStateReset);
}
