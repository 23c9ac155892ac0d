#include "core/undorecord.h"
#include "support/fixtures.h"

namespace icevale {
namespace {

using namespace test;

// A document over the sample, its record (small limits where a case asks), and one-byte
// edits named by the letter they write.
struct Recorded {
    explicit Recorded(std::size_t minsteps = UndoRecord::kMinSteps, std::size_t maxbytes = UndoRecord::kMaxBytes)
        : record(doc, minsteps, maxbytes)
    {
    }
    void write(char letter, std::size_t at = 0x1000, std::string key = {})
    {
        Edit edit;
        edit.put(at, static_cast<std::uint8_t>(letter));
        ASSERT_TRUE(doc.apply(edit, std::string(1, letter), std::move(key)).ok());
    }
    std::uint8_t at(std::size_t offset = 0x1000) const { return doc.image()[offset]; }

    Document doc = loadedDocument();
    UndoRecord record;
};

TEST(UndoRecord, StepsMergeByKeyUntilSealedAndUndoRedoMoveWholeSteps)
{
    Recorded r;
    r.write('a', 0x1000, "name");
    r.write('b', 0x1001, "name");  // merges, named by the latest
    r.write('c', 0x1002);          // no key: a step of its own
    r.write('d', 0x1003, "name");  // the key's step is no longer on top
    EXPECT_EQ(std::tuple(r.record.count(), r.record.undoname()), std::tuple(3u, std::string("d")));
    EXPECT_EQ(r.record.undo(), "d");
    EXPECT_EQ(r.record.undo(), "c");
    EXPECT_EQ(r.record.undo(), "b");
    EXPECT_EQ(r.doc.image(), sampleImage().bytes);
    EXPECT_FALSE(r.doc.modified());
    EXPECT_EQ(std::tuple(r.record.undo(), r.record.canundo(), r.record.redoname()),
              std::tuple(std::string(), false, std::string("b")));
    EXPECT_EQ(r.record.redo(), "b");
    EXPECT_EQ(std::tuple(r.at(0x1000), r.at(0x1001), r.at(0x1002)), std::tuple('a', 'b', sampleImage().bytes[0x1002]));
    // The redone step is sealed: the same key starts a new step, which drops c and d.
    r.write('e', 0x1000, "name");
    EXPECT_EQ(std::tuple(r.record.count(), r.record.canredo()), std::tuple(2u, false));
    EXPECT_EQ(r.record.undo(), "e");
    EXPECT_EQ(r.at(), 'a');
}

TEST(UndoRecord, TheSavedStepSealsAndIsForgottenWhenDropped)
{
    Recorded r;
    r.write('a', 0x1000, "k");
    EXPECT_FALSE(r.record.atsaved());
    r.doc.marksaved();
    r.record.saved();
    EXPECT_TRUE(r.record.atsaved());
    r.write('b', 0x1000, "k");  // no merge into the saved step
    EXPECT_EQ(r.record.count(), 2u);
    r.record.undo();
    EXPECT_TRUE(r.record.atsaved() && !r.doc.modified());
    r.record.undo();
    r.write('c');  // drops the step the save was made at
    r.record.undo();
    EXPECT_FALSE(r.record.atsaved());
    EXPECT_EQ(r.at(), sampleImage().bytes[0x1000]);
}

// Each one-byte step holds 2 bytes: 10 steps over a limit of 12 bytes keep at least 4.
TEST(UndoRecord, TheOldestStepsGoPastTheLimitsAndAJoinMakesOneStep)
{
    Recorded r(4, 12);
    for (char c = 'a'; c < 'k'; ++c)
        r.write(c, 0x1000 + static_cast<std::size_t>(c));
    EXPECT_EQ(std::tuple(r.record.count(), r.record.bytes()), std::tuple(6u, 12u));
    while (r.record.canundo())
        r.record.undo();
    EXPECT_EQ(r.record.redoname(), "e");
    EXPECT_EQ(r.at(0x1000 + 'd'), 'd');
    EXPECT_EQ(r.at(0x1000 + 'e'), sampleImage().bytes[0x1000 + 'e']);

    Recorded j;
    j.write('a', 0x1000);
    const std::size_t mark = j.record.index();
    j.write('b', 0x1001);
    j.write('c', 0x1002, "k");
    j.record.join(mark, "Import");
    j.write('d', 0x1003, "k");  // the joined step is sealed
    EXPECT_EQ(j.record.count(), 3u);
    j.record.undo();
    EXPECT_EQ(j.record.undo(), "Import");
    EXPECT_EQ(std::tuple(j.at(0x1000), j.at(0x1001), j.at(0x1002)),
              std::tuple('a', sampleImage().bytes[0x1001], sampleImage().bytes[0x1002]));
}

}  // namespace
}  // namespace icevale
