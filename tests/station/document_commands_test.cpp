#include "fakes/fake_file_dialogs.h"
#include "fakes/fake_file_store.h"
#include "fakes/fake_settings_store.h"
#include "fakes/param_names.h"
#include "fakes/recording_main_window.h"
#include "station/document_commands.h"

#include <gtest/gtest.h>
#include <optional>

namespace velmora::station {
namespace {

using fakes::FakeFileDialogs;
using fakes::FakeFileStore;
using fakes::PrintTo;

class DocumentCommandsTest : public testing::Test {
protected:
    void fill() {
        document.replaceSet(SetKind::ProgrammeService, ps);
        document.replaceSet(SetKind::Radiotext, rt);
    }

    const std::string ps = compose({{"RADIO", true}}, kProgrammeServiceLayout);
    const std::string rt = compose({{"Nieuws", true}}, kRadiotextLayout);

    fakes::RecordingMainWindow window;
    Document document{window};
    FakeFileDialogs dialogs;
    FakeFileStore files;
    fakes::FakeSettingsStore settings;
    StationFileCommands stationFiles{document, dialogs, files, settings, window};
    DocumentCommands commands{document, stationFiles, window};
};

struct ExitRow {
    const char* name;
    const char* fileName; // the document's before the exit; "" for none
    bool modified;
    SavePromptAnswer answer;
    std::optional<std::string> saveAsAnswer; // nullopt cancels the dialog
    bool failWrites;
    // What follows:
    const char* question; // nullptr: no question is asked
    bool endsNow;         // the close request is granted at once
    bool savedAndClosed;  // a save went through and closed the window itself
    const char* fileNameAfter;
    bool modifiedAfter;
    const char* written; // the file that now holds the document; nullptr for none
};

class ExitSequenceTest : public DocumentCommandsTest,
                         public testing::WithParamInterface<ExitRow> {};

TEST_P(ExitSequenceTest, EndsOrStaysAsTheUserAnswered) {
    const ExitRow& row = GetParam();
    fill();
    document.setFileName(row.fileName);
    document.setModified(row.modified);
    files.failWrites = row.failWrites;
    dialogs.answer = row.saveAsAnswer;
    window.answer = row.answer;

    EXPECT_EQ(commands.mayEnd(), row.endsNow);

    if (row.question == nullptr) {
        EXPECT_TRUE(window.questions.empty());
    } else {
        EXPECT_EQ(window.questions, std::vector<std::string>{row.question});
    }
    EXPECT_EQ(window.closeRequests, row.savedAndClosed ? 1 : 0);
    EXPECT_EQ(document.fileName(), row.fileNameAfter);
    EXPECT_EQ(document.isModified(), row.modifiedAfter);
    EXPECT_EQ(window.warnings.size(), row.failWrites ? 1u : 0u);
    EXPECT_EQ(files.writeCount(), row.written != nullptr ? 1 : 0);
    if (row.written != nullptr) {
        EXPECT_EQ(files.at(row.written), ps + "\r\n" + rt);
    }
    EXPECT_EQ(document.programmeServiceSet(), ps);
}

constexpr const char* kQuestionA = "Wilt U de wijzigingen in /zenders/a.Rds opslaan.";
constexpr const char* kQuestionNew = "Wilt U de wijzigingen in Nieuw opslaan.";

INSTANTIATE_TEST_SUITE_P(
    Answers, ExitSequenceTest,
    testing::Values(
        ExitRow{"Unmodified", "/zenders/a.Rds", false, SavePromptAnswer::Save, std::nullopt, false,
                nullptr, true, false, "/zenders/a.Rds", false, nullptr},
        ExitRow{"JaSavesToTheFile", "/zenders/a.Rds", true, SavePromptAnswer::Save, std::nullopt,
                false, kQuestionA, false, true, "/zenders/a.Rds", false, "/zenders/a.Rds"},
        ExitRow{"JaWithoutFileAsksWhere", "", true, SavePromptAnswer::Save, "/zenders/b.Rds", false,
                kQuestionNew, false, true, "/zenders/b.Rds", false, "/zenders/b.Rds"},
        ExitRow{"JaDialogCancelledStays", "", true, SavePromptAnswer::Save, std::nullopt, false,
                kQuestionNew, false, false, "", true, nullptr},
        ExitRow{"JaSaveFailsStays", "/zenders/a.Rds", true, SavePromptAnswer::Save, std::nullopt,
                true, kQuestionA, false, false, "/zenders/a.Rds", true, nullptr},
        ExitRow{"JaSaveAsFailsStays", "", true, SavePromptAnswer::Save, "/zenders/b.Rds", true,
                kQuestionNew, false, false, "", true, nullptr},
        ExitRow{"NeeEndsWithoutSaving", "/zenders/a.Rds", true, SavePromptAnswer::Discard,
                std::nullopt, false, kQuestionA, true, false, "/zenders/a.Rds", false, nullptr},
        ExitRow{"AnnulerenKeepsTheFile", "/zenders/a.Rds", true, SavePromptAnswer::Cancel,
                std::nullopt, false, kQuestionA, false, false, "/zenders/a.Rds", true, nullptr},
        ExitRow{"AnnulerenDropsThePlaceholder", "", true, SavePromptAnswer::Cancel, std::nullopt,
                false, kQuestionNew, false, false, "", true, nullptr}),
    fakes::ByCaseName());

TEST_F(DocumentCommandsTest, PromptSeesTheDocumentAsTheQuestionNamesIt) {
    fill();
    std::string fileNameWhileAsking;
    window.whileAsking = [&] { fileNameWhileAsking = document.fileName(); };
    (void)commands.mayEnd();
    EXPECT_EQ(fileNameWhileAsking, "Nieuw");
    EXPECT_EQ(document.fileName(), "");
}

// A close request that arrives while the prompt is open must not ask twice.
TEST_F(DocumentCommandsTest, CloseRequestWhileAskingIsRefused) {
    fill();
    std::optional<bool> nested;
    window.whileAsking = [&] { nested = commands.mayEnd(); };
    window.answer = SavePromptAnswer::Discard;
    EXPECT_TRUE(commands.mayEnd());
    EXPECT_EQ(nested, false);
    EXPECT_EQ(window.questions.size(), 1u);
}

TEST_F(DocumentCommandsTest, SaveWithoutFileAsksWhere) {
    fill();
    dialogs.answer = "/zenders/b.Rds";
    ASSERT_EQ(commands.save(), SaveResult::Saved);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(document.fileName(), "/zenders/b.Rds");
    ASSERT_EQ(commands.save(), SaveResult::Saved);
    EXPECT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(files.writeCount(), 2);
}

struct EmptyingRow {
    const char* name;
    bool hadContent;
    bool relogin;
    bool modifiedAfter;
    const char* fileNameAfter;
};

class EmptyingTest : public DocumentCommandsTest,
                     public testing::WithParamInterface<EmptyingRow> {};

// "&Nieuw..." counts as an edit only when it removed something; the re-login's
// emptying never does, so the exit cannot write the empty document over the
// station file whose name it keeps.
TEST_P(EmptyingTest, EmptiesTheSets) {
    if (GetParam().hadContent) {
        fill();
    }
    document.setFileName("/zenders/a.Rds");
    document.setModified(false);
    if (GetParam().relogin) {
        commands.emptyForRelogin();
    } else {
        commands.startNewDocument();
    }
    EXPECT_EQ(document.programmeServiceSet(), "");
    EXPECT_EQ(document.radiotextSet(), "");
    EXPECT_EQ(document.fileName(), GetParam().fileNameAfter);
    EXPECT_EQ(document.isModified(), GetParam().modifiedAfter);
    EXPECT_EQ(commands.mayEnd(), !GetParam().modifiedAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, EmptyingTest,
    testing::Values(EmptyingRow{"NewWithContent", true, false, true, ""},
                    EmptyingRow{"NewWhenEmpty", false, false, false, ""},
                    EmptyingRow{"ReloginWithContent", true, true, false, "/zenders/a.Rds"},
                    EmptyingRow{"ReloginWhenEmpty", false, true, false, "/zenders/a.Rds"}),
    fakes::ByCaseName());

} // namespace
} // namespace velmora::station
