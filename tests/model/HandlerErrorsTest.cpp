// The text an error shows in the handler's box.

#include "model/HandlerErrors.h"
#include "model/InOutError.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(EscapedErrorText, ShowsTheMessageOfEveryKindOfError)
{
    const auto text = [](auto error) { return EscapedErrorText(std::make_exception_ptr(error)); };
    EXPECT_EQ(text(EInOutError("Permission denied (13): /x/run.zlog", 13)), "Permission denied (13): /x/run.zlog");
    EXPECT_EQ(text(std::runtime_error("bad_alloc")), "bad_alloc");
    EXPECT_EQ(text(42), "Unknown error");
}
