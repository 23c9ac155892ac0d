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

TEST(UndoRecord, UndoAndRedoMoveWholeStepsNamedByTheirLatestChange)
{
    Recorded r;
    r.write('a', 0x1000, "name");
    r.write('b', 0x1001, "name");  // merges, named by the latest
    r.write('c', 0x1002);
    EXPECT_EQ((std::tuple{r.record.undo(), r.record.undo(), r.record.undo(), r.record.canundo(), r.record.redoname()}),
              std::tuple(std::string("c"), std::string("b"), std::string(), false, std::string("b")));
    EXPECT_FALSE(r.doc.modified());
    EXPECT_EQ(r.record.redo(), "b");
    EXPECT_EQ(std::tuple(r.at(0x1000), r.at(0x1001), r.at(0x1002)), std::tuple('a', 'b', sampleImage().bytes[0x1002]));
    r.write('e', 0x1003);  // drops c
    EXPECT_EQ(std::tuple(r.record.count(), r.record.canredo()), std::tuple(2u, false));
}

// A join makes one sealed step of the steps since its mark.
TEST(UndoRecord, AJoinMakesOneSealedStep)
{
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

// Which changes one step takes: the same non-empty key on an unsealed top step merges;
// another key, no key, or a top step sealed by an undo, a redo or a save does not. The
// saved state is where the save was made, until a change made below it drops that step.
TEST(UndoRecord, MergeKeysAndSealsDecideWhichChangesShareAStep)
{
    struct Case { std::vector<std::string> ops; std::size_t steps; bool atsaved; };  // keys to write with, or undo, redo, save
    const Case cases[] = {
        {{"k", "k", "k"}, 1, false}, {{"k", "j"}, 2, false}, {{"", ""}, 2, false}, {{"k", "", "k"}, 3, false},
        {{"k", "k", "undo", "k"}, 1, false}, {{"k", "j", "undo", "redo", "j"}, 3, false}, {{"k", "undo", "redo", "k"}, 2, false},
        {{"k", "save", "k"}, 2, false}, {{"k", "save", "k", "undo"}, 2, true}, {{"k", "save", "undo", "k", "undo"}, 1, false},
        {{"save", "k", "undo"}, 1, true},
    };
    for (const Case& c : cases) {
        Recorded r;
        std::size_t at = 0x1000;
        for (const std::string& op : c.ops) {
            if (op == "undo")
                r.record.undo();
            else if (op == "redo")
                r.record.redo();
            else if (op == "save")
                r.doc.marksaved(), r.record.saved();
            else
                r.write('x', at++, op);
        }
        EXPECT_EQ(std::tuple(r.record.count(), r.record.atsaved()), std::tuple(c.steps, c.atsaved)) << ::testing::PrintToString(c.ops);
        // Undoing every step puts back every byte written.
        while (r.record.canundo())
            r.record.undo();
        EXPECT_EQ(r.doc.image(), sampleImage().bytes) << ::testing::PrintToString(c.ops);
    }
}

// Steps of 2 bytes each: the oldest go while more than `minsteps` are kept and they hold
// more than `maxbytes`; a save at a dropped step is forgotten.
TEST(UndoRecord, TrimmingKeepsTheStepFloorAndTheByteCeiling)
{
    struct Case { std::size_t minsteps, maxbytes, writes, kept; };
    for (const Case& c : {Case{4, 12, 10, 6}, Case{4, 2, 10, 4}, Case{1, 4, 3, 2}, Case{1, 4, 2, 2},
                          Case{UndoRecord::kMinSteps, 0, 230, 200}}) {
        Recorded r(c.minsteps, c.maxbytes);
        r.write('s');
        r.doc.marksaved();
        r.record.saved();
        for (std::size_t i = 1; i < c.writes; ++i)
            r.write('a', 0x2000 + i);
        EXPECT_EQ(std::tuple(r.record.count(), r.record.bytes()), std::tuple(c.kept, 2 * c.kept)) << c.writes;
        while (r.record.canundo())
            r.record.undo();
        // A dropped step's bytes stay; the save after the first step is reachable only
        // while the steps up to it are.
        EXPECT_EQ(std::tuple(r.at() == 's', r.record.atsaved()), std::tuple(c.writes > c.kept, c.writes - c.kept == 1));
    }
}

}  // namespace
}  // namespace icevale
