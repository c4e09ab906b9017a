#include "fakes/fake_file_dialogs.h"
#include "fakes/fake_file_store.h"
#include "fakes/fake_settings_store.h"
#include "fakes/param_names.h"
#include "fakes/recording_main_window.h"
#include "settings/settings_schema.h"
#include "station/station_file_commands.h"

#include <gtest/gtest.h>

namespace velmora::station {
namespace {

using fakes::FakeFileDialogs;
using fakes::FakeFileStore;
using fakes::PrintTo;

class StationFileCommandsTest : public testing::Test {
protected:
    void SetUp() override {
        document.replaceSet(SetKind::ProgrammeService, ps);
        document.replaceSet(SetKind::Radiotext, rt);
        document.setModified(false);
    }

    std::string psWith(std::string_view firstName) const {
        return compose({{std::string(firstName), true}}, kProgrammeServiceLayout);
    }

    const std::string ps = psWith("RADIO");
    const std::string rt =
        compose({{"Tekst met spaties aan het eind   ", false}}, kRadiotextLayout);
    const std::string file = ps + "\r\n" + rt;

    fakes::RecordingMainWindow window;
    Document document{window};
    FakeFileDialogs dialogs;
    FakeFileStore files;
    fakes::FakeSettingsStore settings;
    StationFileCommands commands{document, dialogs, files, settings, window};
};

TEST_F(StationFileCommandsTest, DialogsShowTitleAndStationFileFilter) {
    commands.BestandOpenen();
    (void)commands.BestandOpslaanAls();
    ASSERT_EQ(dialogs.shown().size(), 2u);
    for (const auto& shown : dialogs.shown()) {
        EXPECT_EQ(shown.request.title, "Velmora");
        EXPECT_EQ(shown.request.filter, "Rds bestand (*.Rds)|*.Rds");
    }
    EXPECT_EQ(dialogs.shown()[0].kind, FakeFileDialogs::Kind::Open);
    EXPECT_EQ(dialogs.shown()[1].kind, FakeFileDialogs::Kind::Save);
}

TEST_F(StationFileCommandsTest, OpenStartsInOptionsFolderConvertedToUtf8OrDefault) {
    commands.BestandOpenen();
    ASSERT_TRUE(settings::write(settings, settings::kOpenFolder, "/srv/zenders/Caf\xE9"));
    commands.BestandOpenen();
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[0].request.initialFolder, "");
    EXPECT_EQ(dialogs.shown()[1].request.initialFolder, "/srv/zenders/Caf\xC3\xA9");
}

TEST_F(StationFileCommandsTest, OpenTakesBothSetsAndTheChosenName) {
    const std::string other = psWith("ANDERS");
    files.put("/zenders/b.Rds", other + "\r\n" + rt + "\r\n");
    dialogs.answer = "/zenders/b.Rds";
    commands.BestandOpenen();
    EXPECT_EQ(document.programmeServiceSet(), other);
    EXPECT_EQ(document.radiotextSet(), rt);
    EXPECT_EQ(document.fileName(), "/zenders/b.Rds");
    EXPECT_TRUE(document.isModified());
}

TEST_F(StationFileCommandsTest, OpenCancelledChangesNothing) {
    document.setFileName("/zenders/a.Rds");
    commands.BestandOpenen();
    EXPECT_EQ(document.fileName(), "/zenders/a.Rds");
    EXPECT_EQ(document.programmeServiceSet(), ps);
    EXPECT_FALSE(document.isModified());
}

// An unreadable file must not become the document's file: a later Save would
// overwrite it with the document that is still shown.
TEST_F(StationFileCommandsTest, UnreadableFileIsReportedAndChangesNothing) {
    document.setFileName("/zenders/a.Rds");
    dialogs.answer = "/zenders/weg.Rds";
    commands.BestandOpenen();
    EXPECT_EQ(window.warnings,
              (std::vector<std::string>{"Het bestand /zenders/weg.Rds kon niet worden geopend: " +
                                        std::string(FakeFileStore::kMissing)}));
    EXPECT_EQ(document.fileName(), "/zenders/a.Rds");
    EXPECT_EQ(document.programmeServiceSet(), ps);
    EXPECT_FALSE(document.isModified());
}

TEST_F(StationFileCommandsTest, LinkedFileFillsTheSets) {
    files.put("/zenders/gekoppeld.Rds", psWith("GEKOPPELD") + "\r\n" + rt);
    document.setFileName("/zenders/gekoppeld.Rds");
    commands.GekoppeldBestandOpenen();
    EXPECT_EQ(document.programmeServiceSet(), psWith("GEKOPPELD"));
    EXPECT_EQ(document.radiotextSet(), rt);
    EXPECT_TRUE(window.warnings.empty());
}

TEST_F(StationFileCommandsTest, MissingLinkedFileWarnsAndKeepsItsName) {
    document.replaceSet(SetKind::ProgrammeService, "");
    document.replaceSet(SetKind::Radiotext, "");
    document.setModified(false);
    document.setFileName("/zenders/weg.Rds");
    commands.GekoppeldBestandOpenen();
    EXPECT_EQ(window.warnings,
              (std::vector<std::string>{"Het gekoppelde bestand is niet gevonden"}));
    EXPECT_EQ(document.fileName(), "/zenders/weg.Rds");
    EXPECT_FALSE(document.isModified());
}

TEST_F(StationFileCommandsTest, NoLinkedFileEmptiesTheSets) {
    commands.GekoppeldBestandOpenen();
    EXPECT_EQ(document.programmeServiceSet(), "");
    EXPECT_EQ(document.radiotextSet(), "");
    EXPECT_TRUE(window.warnings.empty());
}

TEST_F(StationFileCommandsTest, SaveAsWritesTheFileBytesAndKeepsModifiedFlag) {
    document.setModified(true);
    dialogs.answer = "/zenders/nieuw";
    EXPECT_EQ(commands.BestandOpslaanAls(), SaveResult::Saved);
    EXPECT_EQ(files.at("/zenders/nieuw"), file);
    EXPECT_EQ(document.fileName(), "/zenders/nieuw");
    EXPECT_TRUE(document.isModified());
}

// The start value is only where the dialog starts: after a cancel, Save must
// still write to the document's own file and not over the start value's.
TEST_F(StationFileCommandsTest, SaveAsStartsFromTheStoredStartValue) {
    ASSERT_TRUE(settings::write(settings, settings::kSaveAsStart, "/zenders/\xE9\xE9n.Rds"));
    document.setFileName("/zenders/a.Rds");
    EXPECT_EQ(commands.BestandOpslaanAls(), SaveResult::Cancelled);
    EXPECT_EQ(dialogs.shown().at(0).request.initialFolder, "/zenders/\xC3\xA9\xC3\xA9n.Rds");
    EXPECT_EQ(document.fileName(), "/zenders/a.Rds");
    EXPECT_EQ(files.writeCount(), 0);
}

TEST_F(StationFileCommandsTest, SaveWritesToTheDocumentsFile) {
    document.setFileName("/zenders/a.Rds");
    EXPECT_EQ(commands.BestandOpslaan(), SaveResult::Saved);
    EXPECT_EQ(files.at("/zenders/a.Rds"), file);
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(StationFileCommandsTest, SavedAndReopenedDocumentIsTheSame) {
    document.setFileName("/zenders/a.Rds");
    ASSERT_EQ(commands.BestandOpslaan(), SaveResult::Saved);
    document.replaceSet(SetKind::ProgrammeService, "");
    document.replaceSet(SetKind::Radiotext, "");
    commands.GekoppeldBestandOpenen();
    EXPECT_EQ(document.programmeServiceSet(), ps);
    EXPECT_EQ(document.radiotextSet(), rt);
}

enum class Command { Save, SaveAs };

struct SaveCase {
    const char* name;
    Command command;
    std::optional<std::string> answer; // of the Save As dialog; empty cancels it
    bool failWrite;
    SaveResult result;
};

class SaveResultTest : public StationFileCommandsTest,
                       public testing::WithParamInterface<SaveCase> {};

// The caller, such as the exit, decides what follows; a save itself leaves
// the modified flag alone.
TEST_P(SaveResultTest, TellsTheCallerWhetherTheDocumentIsOnDisk) {
    document.setFileName("/zenders/a.Rds");
    document.setModified(true);
    files.failWrites = GetParam().failWrite;
    dialogs.answer = GetParam().answer;
    EXPECT_EQ(GetParam().command == Command::Save ? commands.BestandOpslaan()
                                                  : commands.BestandOpslaanAls(),
              GetParam().result);
    EXPECT_TRUE(document.isModified());
}

INSTANTIATE_TEST_SUITE_P(
    Saves, SaveResultTest,
    testing::Values(
        SaveCase{"Save", Command::Save, std::nullopt, false, SaveResult::Saved},
        SaveCase{"SaveAs", Command::SaveAs, "/zenders/b.Rds", false, SaveResult::Saved},
        SaveCase{"SaveAsCancelled", Command::SaveAs, std::nullopt, false, SaveResult::Cancelled},
        SaveCase{"SaveFails", Command::Save, std::nullopt, true, SaveResult::Failed},
        SaveCase{"SaveAsFails", Command::SaveAs, "/zenders/b.Rds", true, SaveResult::Failed}),
    fakes::ByCaseName());

// A failed save says so, and the document keeps its file, sets and flags.
TEST_F(StationFileCommandsTest, FailedSavesAreReportedAndChangeNothing) {
    files.put("/zenders/a.Rds", "oud");
    files.failWrites = true;
    document.setFileName("/zenders/a.Rds");
    dialogs.answer = "/zenders/b\xC3\xA9.Rds";
    EXPECT_EQ(commands.BestandOpslaan(), SaveResult::Failed);
    EXPECT_EQ(commands.BestandOpslaanAls(), SaveResult::Failed);
    const std::string reason(FakeFileStore::kWriteFailure);
    EXPECT_EQ(window.warnings,
              (std::vector<std::string>{
                  "Het bestand /zenders/a.Rds kon niet worden opgeslagen: " + reason,
                  "Het bestand /zenders/b\xE9.Rds kon niet worden opgeslagen: " + reason}));
    EXPECT_EQ(document.fileName(), "/zenders/a.Rds");
    EXPECT_EQ(files.at("/zenders/a.Rds"), "oud");
    EXPECT_EQ(document.programmeServiceSet(), ps);
    EXPECT_FALSE(document.isModified());
}

} // namespace
} // namespace velmora::station
