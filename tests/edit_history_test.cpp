// Undo and redo of editing-model changes.
#include "files/document.h"
#include "model/edit_history.h"

#include <gtest/gtest.h>

#include "support/fixtures.h"

using namespace tq8615;

namespace {

EditingModel Named(const EditingModel& base, int channelIndex, const char* name)
{
    EditingModel m = base;
    m.ChannelList[static_cast<std::size_t>(channelIndex)].ChannelName = name;
    return m;
}

}  // namespace

TEST(EditHistory, UndoAndRedoRestoreEveryStepExactly)
{
    Document doc;
    doc.BuildDefaultModel(0);
    const EditingModel start = doc.Model;
    EditHistory history;
    history.reset(start);

    const EditingModel one = Named(start, 0, "ONE");
    EditingModel two = Named(one, 1, "TWO");
    two.Options.KeyBeep = 3;
    history.record("Rename", one);
    history.record("Options", two);
    EXPECT_EQ(history.undoLabel(), "Options");
    EXPECT_FALSE(history.canRedo());

    EditingModel model = two;
    history.undo(model);
    EXPECT_EQ(model, one);
    EXPECT_EQ(history.redoLabel(), "Options");
    history.undo(model);
    EXPECT_EQ(model, start);
    EXPECT_FALSE(history.canUndo());
    history.undo(model);  // nothing further back
    EXPECT_EQ(model, start);

    history.redo(model);
    history.redo(model);
    EXPECT_EQ(model, two);
    EXPECT_FALSE(history.canRedo());
}

TEST(EditHistory, OnlyRealChangesAreStepsAndANewChangeEndsRedo)
{
    EditingModel start;
    EditHistory history;
    history.reset(start);
    history.record("Nothing", start);
    EXPECT_FALSE(history.canUndo()) << "an OK that changed nothing is no step";

    const EditingModel a = Named(start, 0, "A");
    history.record("A", a);
    EditingModel model = a;
    history.undo(model);
    history.record("B", Named(start, 0, "B"));
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.undoLabel(), "B");

    history.reset(model);
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.canRedo());
}

TEST(EditHistory, KeepsTheNewestStepsUpToItsDepth)
{
    EditingModel model;
    EditHistory history(3);
    history.reset(model);
    for (int i = 1; i <= 5; ++i) {
        model.Options.KeyBeep = static_cast<int16_t>(i);
        history.record("step " + std::to_string(i), model);
    }
    int undone = 0;
    while (history.canUndo()) {
        history.undo(model);
        ++undone;
    }
    EXPECT_EQ(undone, 3);
    EXPECT_EQ(model.Options.KeyBeep, 2);
}

TEST(EditHistory, UndoingBackToTheSavedDataLeavesItUnmodified)
{
    test::TempDir dir;
    Document doc;
    doc.BuildDefaultModel(2);
    CollectingSink sink;
    ASSERT_TRUE(doc.SaveDataFile(dir / "saved.dat", sink));
    EditHistory history;
    history.reset(doc.Model);

    doc.Model.DeleteChannel(1);
    history.record("Cut Channels", doc.Model);
    EXPECT_TRUE(doc.IsModelModified());
    history.undo(doc.Model);
    EXPECT_FALSE(doc.IsModelModified());
    history.redo(doc.Model);
    EXPECT_TRUE(doc.IsModelModified());
}
