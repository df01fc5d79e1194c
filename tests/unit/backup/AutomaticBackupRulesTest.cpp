// The automatic backup of Clear and Restore: its second, its question, and when the command goes on.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "backup/AutomaticBackupRules.h"
#include "backup/BackupFormat.h"

namespace tv {
namespace {

constexpr BackupStamp kAt{2026, 8, 12, 1, 30, 0};

TEST(NextSecond, CarriesIntoEveryFieldUpToTheYear) {
    EXPECT_EQ(NextSecond(kAt), (BackupStamp{2026, 8, 12, 1, 30, 1}));
    EXPECT_EQ(NextSecond({2026, 8, 12, 1, 30, 59}), (BackupStamp{2026, 8, 12, 1, 31, 0}));
    EXPECT_EQ(NextSecond({2026, 8, 12, 1, 59, 59}), (BackupStamp{2026, 8, 12, 2, 0, 0}));
    EXPECT_EQ(NextSecond({2026, 8, 12, 23, 59, 59}), (BackupStamp{2026, 8, 13, 0, 0, 0}));
    EXPECT_EQ(NextSecond({2026, 8, 31, 23, 59, 59}), (BackupStamp{2026, 9, 1, 0, 0, 0}));
    EXPECT_EQ(NextSecond({2026, 9, 30, 23, 59, 59}), (BackupStamp{2026, 10, 1, 0, 0, 0}));
    EXPECT_EQ(NextSecond({2026, 12, 31, 23, 59, 59}), (BackupStamp{2027, 1, 1, 0, 0, 0}));
    // February by the leap-year rule: every fourth year, not centuries, but every fourth century.
    EXPECT_EQ(NextSecond({2027, 2, 28, 23, 59, 59}), (BackupStamp{2027, 3, 1, 0, 0, 0}));
    EXPECT_EQ(NextSecond({2028, 2, 28, 23, 59, 59}), (BackupStamp{2028, 2, 29, 0, 0, 0}));
    EXPECT_EQ(NextSecond({2100, 2, 28, 23, 59, 59}), (BackupStamp{2100, 3, 1, 0, 0, 0}));
    EXPECT_EQ(NextSecond({2000, 2, 28, 23, 59, 59}), (BackupStamp{2000, 2, 29, 0, 0, 0}));
}

TEST(FirstFreeSecond, IsNowWhenNoFileOfThatNameExists) {
    EXPECT_EQ(FirstFreeSecond("Before Clear", kAt, {}), kAt);
    // Other names, and other seconds of this name, leave it free.
    EXPECT_EQ(FirstFreeSecond("Before Clear", kAt,
                              {"Before Restore_20260812_013000.reg", "20260812_013000.reg", "Robin_20260812_013000.reg",
                               "Before Clear_20260812_012959.reg", "Before Clear_20260812_013001.reg"}),
              kAt);
}

TEST(FirstFreeSecond, SkipsEveryTakenSecondWhateverTheOrderOfTheListing) {
    const std::vector<std::string> taken = {"Before Restore_20260812_013002.reg", "Before Restore_20260812_013000.reg",
                                            "Before Restore_20260812_013001.reg", "Before Restore_20260812_013004.reg"};
    EXPECT_EQ(FirstFreeSecond("Before Restore", kAt, taken), (BackupStamp{2026, 8, 12, 1, 30, 3}));
}

TEST(FirstFreeSecond, ANameTakenInOtherLettersIsTakenAsTheFileSystemSeesIt) {
    EXPECT_EQ(FirstFreeSecond("Before Clear", kAt, {"BEFORE CLEAR_20260812_013000.REG"}),
              (BackupStamp{2026, 8, 12, 1, 30, 1}));
}

TEST(FirstFreeSecond, CarriesOverMidnightIntoTheNextDay) {
    EXPECT_EQ(FirstFreeSecond("Before Clear", {2026, 12, 31, 23, 59, 59}, {"Before Clear_20261231_235959.reg"}),
              (BackupStamp{2027, 1, 1, 0, 0, 0}));
}

TEST(BackupFirst, NamesAndQuestionsOfBothCommands) {
    EXPECT_STREQ(AutomaticBackupName(OverwritingCommand::Clear), "Before Clear");
    EXPECT_STREQ(AutomaticBackupName(OverwritingCommand::Restore), "Before Restore");
    EXPECT_EQ(BackupFirstQuestion(OverwritingCommand::Clear, "Stream write error"),
              "The statistics could not be backed up first: Stream write error. Clear them anyway?");
    EXPECT_EQ(BackupFirstQuestion(OverwritingCommand::Restore, "Cannot create file C:\\T\\Before Restore_x.reg"),
              "The statistics could not be backed up first: Cannot create file C:\\T\\Before Restore_x.reg. "
              "Restore anyway?");
    // The reason is put in as it is: a "%s" in it is not filled again.
    EXPECT_EQ(BackupFirstQuestion(OverwritingCommand::Clear, "100%s"),
              "The statistics could not be backed up first: 100%s. Clear them anyway?");
}

// The decision table, for both commands: what is asked, and whether the command goes on.
struct Case {
    OverwritingCommand command;
    BackupFirstOutcome outcome;
    std::optional<bool> answer;  // the user's Yes or No, when asked
    bool asked;
    bool goes_on;
};

TEST(BackupFirst, TheCommandGoesOnUnlessAFailedBackupIsAnsweredNo) {
    using C = OverwritingCommand;
    using O = BackupFirstOutcome;
    const Case cases[] = {
        {C::Clear, O::Written, std::nullopt, false, true},
        {C::Clear, O::NothingToSave, std::nullopt, false, true},
        {C::Clear, O::Failed, true, true, true},
        {C::Clear, O::Failed, false, true, false},
        {C::Restore, O::Written, std::nullopt, false, true},
        {C::Restore, O::NothingToSave, std::nullopt, false, true},
        {C::Restore, O::Failed, true, true, true},
        {C::Restore, O::Failed, false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.command) * 10 + static_cast<int>(c.outcome));
        const BackupFirstResult backup{c.outcome, c.outcome == O::Failed ? "Stream write error" : "C:\\T\\x.reg"};
        std::vector<std::string> questions;
        const bool goes_on = GoesOnAfterBackup(c.command, backup, [&](const std::string& question) {
            questions.push_back(question);
            return c.answer.value_or(true);
        });
        EXPECT_EQ(goes_on, c.goes_on);
        ASSERT_EQ(questions.size(), c.asked ? 1u : 0u);
        if (c.asked) {
            EXPECT_EQ(questions[0], BackupFirstQuestion(c.command, "Stream write error"));
        }
    }
}

}  // namespace
}  // namespace tv
