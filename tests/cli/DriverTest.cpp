#include "Driver.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>

namespace quadrell::test {

using namespace Qt::StringLiterals;
namespace {

TEST(ScriptedPrompter, LineBreaksBecomeSlashes) {
    EXPECT_EQ(ScriptedPrompter::OneLine("a\r\nb\r\nc"), "a / b / c");
    EXPECT_EQ(ScriptedPrompter::OneLine("lone\nfeed"), "lone\nfeed");
}

// With a stream it writes and keeps nothing, so a long piped session does not grow.
TEST(ScriptedPrompter, WritingToAStreamKeepsNothing) {
    std::ostringstream out;
    ScriptedPrompter prompter(out);
    prompter.Message("a\r\nb", MessageIcon::Information, "t");
    EXPECT_TRUE(prompter.Question("q?", "t", MessageIcon::Question));
    EXPECT_EQ(out.str(), "message: a / b\nquestion: q?\n");
    EXPECT_TRUE(prompter.messages.empty() && prompter.questions.empty());
}

// A driver with its own home folder; `run` feeds it lines.
class DriverTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    AppPaths paths = [this] {
        AppPaths p = AppPaths::Inside(dir.path());
        p.Create();
        return p;
    }();
    std::ostringstream out;
    Driver driver { paths, out };
    int run(const std::string& lines) {
        std::istringstream in(lines);
        return driver.Run(in);
    }
};

TEST_F(DriverTest, HomeFolderHoldsEverythingItWrites) {
    EXPECT_EQ(run("new 5\n  # a comment\n\nclick 44\n"), 0);
    EXPECT_EQ(out.str(), "");
    EXPECT_TRUE(QFileInfo::exists(driver.session().store.FileName(kApp)));
    EXPECT_TRUE(driver.session().store.FileName(kApp).startsWith(dir.path()));
}

TEST_F(DriverTest, AnyWholeNumberDealsAndTheGameInPlayIsGivenUpFirst) {
    for (const qint32 n : { 5, 0, 3240000, -7, 2147483647 }) {
        run("new " + std::to_string(n) + "\n");
        EXPECT_EQ(driver.session().state().gGameNumber, n);
        EXPECT_TRUE(driver.session().state().gGameActive);
    }
    EXPECT_EQ(out.str(), "");
    QFile scores(driver.session().save.ScoreFile());
    ASSERT_TRUE(scores.open(QIODevice::ReadOnly));
    const QByteArray lines = scores.readAll();
    EXPECT_EQ(lines.count("\r\n"), 4) << lines.toStdString(); // each game left, recorded once
    EXPECT_TRUE(lines.contains(",-7,"));
}

TEST_F(DriverTest, APipeOrAFolderIsRefusedAtOnce) {
    const QString fifo = dir.filePath(u"pipe.qrl"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    run("new 5\nopen " + fifo.toStdString() + "\nopen " + dir.path().toStdString() + "\nstate\n");
    EXPECT_NE(out.str().find("It is a pipe, not a file."), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("It is a folder, not a file."), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("history: 0 0 0"), std::string::npos) << out.str(); // game 5 stays
}

} // namespace
} // namespace quadrell::test
