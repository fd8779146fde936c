// When the kept files are written, and what the player is told when they
// cannot be.
#include <gtest/gtest.h>

#include <string>

#include "persistence/save_moments.h"
#include "persistence/write_failure_text.h"

namespace {

using persistence::SaveConditions;
using persistence::SaveMoment;
using persistence::SaveWhat;

constexpr SaveWhat kNothing{};
constexpr SaveWhat kScores{.scores = true};
constexpr SaveWhat kResume{.resume = true};
constexpr SaveWhat kAll{.scores = true, .resume = true, .settings = true};
constexpr SaveWhat kAllButResume{.scores = true, .settings = true};

}  // namespace

TEST(SaveMoments, EachMomentWritesWhatItMustAndNothingBeforeTheStoredStateIsRead)
{
    const SaveConditions ready{.storedStateRead = true, .gameChosen = true};
    const SaveConditions noGame{.storedStateRead = true};
    const SaveConditions dialog{.storedStateRead = true, .gameChosen = true, .dialogOpen = true};
    const SaveConditions early{.gameChosen = true};  // start-up has not read the score file (or failed)
    struct Case {
        const char* what;
        SaveMoment moment;
        SaveConditions conditions;
        SaveWhat expected;
    };
    const Case cases[] = {
        {"a booking keeps the scores", SaveMoment::GameBooked, ready, kScores},
        {"a booking during a dialog (after the game-over box) still does", SaveMoment::GameBooked, dialog, kScores},
        {"clearing the scores keeps them cleared", SaveMoment::ScoresCleared, dialog, kScores},
        {"looking away keeps the game", SaveMoment::LookedAway, ready, kResume},
        {"looking away without a game keeps an older resume file", SaveMoment::LookedAway, noGame, kNothing},
        {"looking away during a dialog waits for the next time", SaveMoment::LookedAway, dialog, kNothing},
        {"the session's end writes what the exit writes", SaveMoment::SessionEnding, ready, kAll},
        {"even under a dialog", SaveMoment::SessionEnding, dialog, kAll},
        {"the session's end without a game", SaveMoment::SessionEnding, noGame, kAllButResume},
        {"the exit", SaveMoment::Exit, ready, kAll},
        {"the exit without a game", SaveMoment::Exit, noGame, kAllButResume},
    };
    for (const Case& c : cases) EXPECT_EQ(persistence::WhatToSave(c.moment, c.conditions), c.expected) << c.what;
    for (SaveMoment m : {SaveMoment::GameBooked, SaveMoment::ScoresCleared, SaveMoment::LookedAway,
                         SaveMoment::SessionEnding, SaveMoment::Exit})
        EXPECT_EQ(persistence::WhatToSave(m, early), kNothing) << "moment " << static_cast<int>(m);
}

TEST(WriteFailureText, SaveGameNamesTheFileTheStepAndTheSystemsReason)
{
    using persistence::WriteStep;
    EXPECT_EQ(persistence::SaveGameFailedText("E:\\games\\mine.tsg", WriteStep::Write, "Disk full.\r\n", true),
              "The game could not be saved to\nE:\\games\\mine.tsg\n\n"
              "The file could not be written: Disk full.\n\n"
              "Nothing was saved; the file that was there is unchanged.");
    EXPECT_EQ(persistence::SaveGameFailedText("new.tsg", WriteStep::Create, "Path not found.", false),
              "The game could not be saved to\nnew.tsg\n\n"
              "A new file could not be made in that folder: Path not found.\n\nNothing was saved.");
    const std::string replace = persistence::SaveGameFailedText("x.tsg", WriteStep::Replace, "Access denied.", true);
    EXPECT_NE(replace.find("The new file could not take the place of the old one: Access denied."), std::string::npos);
    EXPECT_EQ(persistence::TrimSystemMessage("Sharing violation. \r\n"), "Sharing violation.");
    EXPECT_EQ(persistence::TrimSystemMessage("\r\n"), "");
}

TEST(WriteFailureText, AnUnwritableFolderIsNamedWithWhatToDo)
{
    const std::string text = persistence::UnwritableFolderText("C:\\Program Files\\Lumora\\", "Access denied.\r\n");
    EXPECT_EQ(text.find("Lumora Solitaire cannot keep your scores and your game in its folder\n"
                        "C:\\Program Files\\Lumora\n\nAccess denied.\n\n"),
              0u)
        << text;
    EXPECT_NE(text.find("Move the Lumora Solitaire folder"), std::string::npos);
    EXPECT_NE(text.find("Documents"), std::string::npos);
}
