#include "fakes/recording_main_window.h"
#include "station/document.h"

#include <gtest/gtest.h>

namespace velmora::station {
namespace {

class DocumentTest : public testing::Test {
protected:
    fakes::RecordingMainWindow window;
    Document document{window};
    const std::string ps = compose({}, kProgrammeServiceLayout);
    const std::string rt = compose({}, kRadiotextLayout);
};

TEST_F(DocumentTest, StartsEmptyAndUnmodified) {
    EXPECT_FALSE(document.isModified());
    EXPECT_FALSE(document.isComplete());
    EXPECT_TRUE(document.fileName().empty());
}

TEST_F(DocumentTest, SavingIsAllowedOnlyWhileBothSetsExist) {
    document.replaceSet(SetKind::ProgrammeService, ps);
    document.replaceSet(SetKind::Radiotext, rt);
    document.replaceSet(SetKind::ProgrammeService, "");
    document.replaceSet(SetKind::ProgrammeService, ps);
    EXPECT_EQ(window.saveCommandStates, (std::vector<bool>{false, true, false, true}));
    EXPECT_EQ(document.set(SetKind::Radiotext), rt);
}

TEST_F(DocumentTest, EveryChangeMarksModifiedEvenEmptying) {
    document.replaceSet(SetKind::Radiotext, rt);
    document.setModified(false);
    document.replaceSet(SetKind::Radiotext, "");
    EXPECT_TRUE(document.isModified());
    document.setModified(false);
    document.replaceSet(SetKind::Radiotext, rt);
    EXPECT_TRUE(document.isModified());
}

TEST_F(DocumentTest, TheSameTextIsNoChange) {
    document.replaceSet(SetKind::Radiotext, "");
    EXPECT_FALSE(document.isModified()) << "an empty set stays empty";
    document.replaceSet(SetKind::ProgrammeService, ps);
    document.setModified(false);
    document.replaceSet(SetKind::ProgrammeService, ps);
    EXPECT_FALSE(document.isModified());
    document.setModified(true);
    document.replaceSet(SetKind::ProgrammeService, ps);
    EXPECT_TRUE(document.isModified()) << "nor does it clear the flag";
}

} // namespace
} // namespace velmora::station
