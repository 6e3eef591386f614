// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>

#include "about/about_load.h"
#include "about/help_file.h"
#include "about/help_text.h"

namespace fs = std::filesystem;

namespace tavrel {
namespace {

std::string readBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeBytes(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

bool entryExists(const fs::path& path)
{
    std::error_code ec;
    return fs::symlink_status(path, ec).type() != fs::file_type::not_found;
}

// A scratch working directory, and TMPDIR pointed at a second scratch folder
// so that the private fallback folders can be watched.
class HelpFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const char* old = std::getenv("TMPDIR"))
            oldTmp_ = old;
        std::string pattern = (fs::temp_directory_path() / "tavrel-test-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        fs::create_directories(work_ = root_ / "work");
        fs::create_directories(tmp_ = root_ / "tmp");
        ::setenv("TMPDIR", tmp_.c_str(), 1);
    }
    void TearDown() override
    {
        oldTmp_ ? ::setenv("TMPDIR", oldTmp_->c_str(), 1) : ::unsetenv("TMPDIR");
        std::error_code ec;
        fs::remove_all(root_, ec);
    }
    std::string workDir() const { return work_.string() + "/"; }
    fs::path helpPath() const { return work_ / "r_tavrel.txt"; }
    bool tmpIsEmpty() const { return fs::is_empty(tmp_); }

    fs::path root_, work_, tmp_;
    std::optional<std::string> oldTmp_;
};

TEST_F(HelpFileTest, WritesIntoWorkDirAndTakingItLeavesNothing)
{
    const auto path = writeHelpFile(workDir());
    ASSERT_TRUE(path);
    EXPECT_EQ(*path, helpPath().string());
    EXPECT_EQ(readBytes(*path), helpText());
    EXPECT_TRUE(tmpIsEmpty());

    const auto text = takeHelpFile(*path);
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, helpText());
    EXPECT_FALSE(entryExists(helpPath()));
    EXPECT_TRUE(fs::is_directory(work_)) << "an emptied working directory stays";
}

// Whatever already holds the name, it must come out of the round trip
// untouched, and the text must still arrive through a private folder.
struct Occupant {
    const char* name;
    std::function<void(const fs::path& at, const fs::path& root)> plant;
    std::function<void(const fs::path& at, const fs::path& root)> check;
};

const std::string kUserBytes = "my own notes\r\nkeep me\n";

void plantFile(const fs::path& at, const fs::path&) { writeBytes(at, kUserBytes); }
void checkFile(const fs::path& at, const fs::path&)
{
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(at)));
    EXPECT_EQ(readBytes(at), kUserBytes);
}
void plantLinkToFile(const fs::path& at, const fs::path& root)
{
    writeBytes(root / "victim", kUserBytes);
    fs::create_symlink(root / "victim", at);
}
void checkLinkToFile(const fs::path& at, const fs::path& root)
{
    EXPECT_TRUE(fs::is_symlink(at));
    EXPECT_EQ(fs::read_symlink(at), root / "victim");
    EXPECT_EQ(readBytes(root / "victim"), kUserBytes);
}
void plantDanglingLink(const fs::path& at, const fs::path& root) { fs::create_symlink(root / "nowhere", at); }
void checkDanglingLink(const fs::path& at, const fs::path& root)
{
    EXPECT_TRUE(fs::is_symlink(at));
    EXPECT_FALSE(entryExists(root / "nowhere")) << "the link was followed";
}
void plantFolder(const fs::path& at, const fs::path&)
{
    fs::create_directory(at);
    writeBytes(at / "inside", kUserBytes);
}
void checkFolder(const fs::path& at, const fs::path&) { EXPECT_EQ(readBytes(at / "inside"), kUserBytes); }

class HelpFileOccupied : public HelpFileTest, public ::testing::WithParamInterface<Occupant> {};

TEST_P(HelpFileOccupied, LeavesTheOccupantAlone)
{
    const Occupant& occupant = GetParam();
    occupant.plant(helpPath(), root_);

    const auto path = writeHelpFile(workDir());
    ASSERT_TRUE(path);
    EXPECT_NE(*path, helpPath().string());
    EXPECT_EQ(fs::path(*path).filename(), "r_tavrel.txt");
    EXPECT_EQ(fs::path(*path).parent_path().parent_path(), tmp_);
    const auto mode = fs::status(fs::path(*path).parent_path()).permissions();
    EXPECT_EQ(mode & (fs::perms::group_all | fs::perms::others_all), fs::perms::none) << "folder must be private";
    occupant.check(helpPath(), root_);

    const auto text = takeHelpFile(*path);
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, helpText());
    EXPECT_TRUE(tmpIsEmpty()) << "the private folder outlived the read";
    occupant.check(helpPath(), root_);
}

INSTANTIATE_TEST_SUITE_P(Names, HelpFileOccupied,
                         ::testing::Values(Occupant{"UserFile", plantFile, checkFile},
                                           Occupant{"LinkToFile", plantLinkToFile, checkLinkToFile},
                                           Occupant{"DanglingLink", plantDanglingLink, checkDanglingLink},
                                           Occupant{"Folder", plantFolder, checkFolder}),
                         [](const auto& info) { return std::string(info.param.name); });

// Root may write anywhere, so an unwritable working directory is one that
// cannot exist: below a regular file, or simply missing.
TEST_F(HelpFileTest, UnusableWorkDirFallsBackToPrivateFolder)
{
    writeBytes(root_ / "plain", "x");
    for (const std::string& dir : {(root_ / "plain" / "sub").string() + "/", (root_ / "missing").string() + "/"}) {
        SCOPED_TRACE(dir);
        const auto path = writeHelpFile(dir);
        ASSERT_TRUE(path);
        const auto text = takeHelpFile(*path);
        ASSERT_TRUE(text);
        EXPECT_EQ(*text, helpText());
        EXPECT_TRUE(tmpIsEmpty());
    }
    EXPECT_EQ(readBytes(root_ / "plain"), "x");
}

TEST_F(HelpFileTest, NowhereToWriteGivesNothingAndTheNotice)
{
    writeBytes(root_ / "plain", "x");
    ::setenv("TMPDIR", (root_ / "plain").c_str(), 1);
    const auto path = writeHelpFile((root_ / "plain" / "sub").string() + "/");
    EXPECT_FALSE(path);

    AboutValues values = startupAboutValues();
    values.readPath = path.value_or("");
    const AboutContent content = loadAbout(values);
    EXPECT_FALSE(content.textRead);
    EXPECT_EQ(content.text, kHelpTextUnavailable);
    EXPECT_EQ(content.version, "Version: 6.2");
}

TEST_F(HelpFileTest, TakingWhatIsNotARegularFileGivesNothing)
{
    EXPECT_FALSE(takeHelpFile((work_ / "absent").string()));
    EXPECT_FALSE(takeHelpFile(""));

    // A FIFO in the file's place must neither block the read nor survive it.
    const fs::path fifo = work_ / "r_tavrel.txt";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(takeHelpFile(fifo.string()));
    EXPECT_FALSE(entryExists(fifo));
}

TEST_F(HelpFileTest, EveryHelpCommandWritesAFreshFile)
{
    for (int round = 0; round < 3; ++round) {
        const auto path = writeHelpFile(workDir());
        ASSERT_TRUE(path);
        EXPECT_EQ(*path, helpPath().string()) << "round " << round;
        ASSERT_TRUE(takeHelpFile(*path));
    }
    EXPECT_FALSE(entryExists(helpPath()));
}

TEST(AboutLoad, CaptionsFollowTheValues)
{
    struct Row {
        AboutValues values;
        const char* caption;
        const char* version;
        const char* date;
    };
    const Row rows[] = {
        {startupAboutValues(), "About Tavrel", "Version: 6.2", "Release Date: 20th December 2002"},
        {AboutValues{}, "About ", "Version: ", "Release Date: "},
    };
    for (const Row& row : rows) {
        const AboutContent content = loadAbout(row.values);
        EXPECT_EQ(content.caption, row.caption);
        EXPECT_EQ(content.heading, row.caption);
        EXPECT_EQ(content.version, row.version);
        EXPECT_EQ(content.releaseDate, row.date);
        EXPECT_EQ(content.baseUrl.back(), '/');
    }
}

}  // namespace
}  // namespace tavrel
