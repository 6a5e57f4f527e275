#include "Driver.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sstream>

namespace quadrell::test {
namespace {

TEST(ScriptedPrompter, LineBreaksBecomeSlashes) {
    EXPECT_EQ(ScriptedPrompter::OneLine("a\r\nb\r\nc"), "a / b / c");
    EXPECT_EQ(ScriptedPrompter::OneLine("lone\nfeed"), "lone\nfeed");
}

TEST(Driver, NumbersMustBeWholeAndInRange) {
    EXPECT_EQ(Driver::ParseInt("42"), 42);
    EXPECT_EQ(Driver::ParseInt("+7"), 7);
    EXPECT_EQ(Driver::ParseInt("-2147483648"), -2147483647 - 1);
    EXPECT_FALSE(Driver::ParseInt("2147483648"));
    EXPECT_FALSE(Driver::ParseInt(""));
    EXPECT_FALSE(Driver::ParseInt("+"));
    EXPECT_FALSE(Driver::ParseInt("4 2"));
    EXPECT_FALSE(Driver::ParseInt("0x10"));
}

TEST(Driver, HomeFolderHoldsEverythingItWrites) {
    QTemporaryDir dir;
    const AppPaths paths = AppPaths::Inside(dir.path());
    ASSERT_TRUE(paths.Create());
    std::ostringstream out;
    Driver driver(paths, out);
    std::istringstream in("new 5\n  # a comment\n\nclick 44\n");
    EXPECT_EQ(driver.Run(in), 0);
    EXPECT_EQ(out.str(), "");
    EXPECT_TRUE(QFileInfo::exists(driver.session().store.FileName(kApp)));
    EXPECT_TRUE(driver.session().store.FileName(kApp).startsWith(dir.path()));
}

} // namespace
} // namespace quadrell::test
