#include "core/document.h"
#include "support/fixtures.h"

namespace icevale {
namespace {

using namespace test;
using Heard = std::vector<std::pair<std::string, ChangeKind>>;

// A document over the sample image and what its listeners hear.
struct Listened {
    Document doc = loadedDocument();
    Heard heard;
    int id = doc.listen([this](const ChangeEvent& event) { heard.emplace_back(event.change->name, event.kind); });
};

Edit writes(std::size_t at, const Bytes& bytes)
{
    Edit edit;
    edit.put(at, bytes);
    return edit;
}

TEST(Document, ApplyRecordsTheChangedRangesAndNothingForRewritesOrRefusals)
{
    Listened l;
    const Bytes& rom = sampleImage().bytes;
    const std::uint8_t a = rom[0x1000] ^ 1, b = rom[0x1100] ^ 0x80;
    Edit edit = writes(0x1000, {a, rom[0x1001]});  // the second byte is already there
    edit.put(0x1100, b);
    const Result<Change> applied = l.doc.apply(edit, "Two bytes", "key");
    ASSERT_TRUE(applied.ok());
    EXPECT_EQ(std::tuple(applied->name, applied->mergekey, applied->size()),
              std::tuple("Two bytes", "key", 4u));
    using Range = std::tuple<std::size_t, Bytes, Bytes>;
    std::vector<Range> ranges;
    for (const ByteRange& range : applied->ranges)
        ranges.emplace_back(range.offset, range.before, range.after);
    EXPECT_EQ(ranges, (std::vector<Range>{{0x1000, {rom[0x1000]}, {a}}, {0x1100, {rom[0x1100]}, {b}}}));
    EXPECT_EQ(differences(rom, l.doc.image()), (std::vector<std::size_t>{0x1000, 0x1100}));
    EXPECT_TRUE(l.doc.modified());
    EXPECT_EQ(l.heard, (Heard{{"Two bytes", ChangeKind::Edited}}));

    // Bytes already there, or an edit past the end: nothing recorded, told or modified.
    Listened same;
    const Result<Change> none = same.doc.apply(writes(0x1000, slice(rom, 0x1000, 0x1040)), "Same bytes");
    EXPECT_TRUE(none.ok() && none->empty());
    Edit past = writes(0x10, {1, 2, 3});
    past.put(rom.size() - 1, Bytes{4, 5});
    const Result<Change> refused = same.doc.apply(past, "Past the end");
    EXPECT_FALSE(refused.ok());
    EXPECT_EQ(refused.message(), "Past the end: the change would write past the end of the image, so nothing was written");
    EXPECT_EQ(same.doc.image(), rom);
    EXPECT_FALSE(same.doc.modified());
    EXPECT_TRUE(same.heard.empty());
}

TEST(Document, ModifiedFollowsTheBytesUndoRedoGiveBackTheExactImagesAndListenersHear)
{
    Listened l;
    const Bytes original = l.doc.image();
    poke(l.doc, 0x2000, {0xA5, 0x5A});
    EXPECT_TRUE(l.doc.modified());
    poke(l.doc, 0x2000, {original[0x2000], original[0x2001]});  // put back by hand
    EXPECT_FALSE(l.doc.modified());

    // Two overlapping changes, undone and redone in turn.
    const Change one = l.doc.apply(writes(0x3000, Bytes(40, 0x01)), "one").value();
    const Bytes afterOne = l.doc.image();
    const Change two = l.doc.apply(writes(0x3010, Bytes(40, 0x02)), "two").value();
    const Bytes afterTwo = l.doc.image();
    EXPECT_EQ(afterTwo, overlaid(overlaid(original, 0x3000, Bytes(40, 0x01)), 0x3010, Bytes(40, 0x02)));
    ASSERT_TRUE(l.doc.undo(two).ok());
    EXPECT_EQ(l.doc.image(), afterOne);
    ASSERT_TRUE(l.doc.undo(one).ok());
    EXPECT_EQ(l.doc.image(), original);
    EXPECT_FALSE(l.doc.modified());
    ASSERT_TRUE(l.doc.redo(one).ok());
    ASSERT_TRUE(l.doc.redo(two).ok());
    EXPECT_EQ(l.doc.image(), afterTwo);
    EXPECT_TRUE(l.doc.modified());
    l.doc.unlisten(l.id);
    poke(l.doc, 0x10, {0x99});  // heard by no one
    EXPECT_EQ(l.heard, (Heard{{"test", ChangeKind::Edited}, {"test", ChangeKind::Edited}, {"one", ChangeKind::Edited},
                              {"two", ChangeKind::Edited}, {"two", ChangeKind::Undone}, {"one", ChangeKind::Undone},
                              {"one", ChangeKind::Redone}, {"two", ChangeKind::Redone}}));
}

TEST(Document, SavingClearsModifiedAndMovesTheMarkToTheSavedBytes)
{
    TempDir dir;
    Document doc = loadedDocument();
    const Change change = doc.apply(writes(0x4000, {0x12, 0x34}), "edit").value();
    EXPECT_FALSE(doc.save(dir.path("no/such/folder.smc").string()).ok());
    EXPECT_TRUE(doc.modified());
    EXPECT_EQ(doc.filename(), "sample.smc");
    const std::string path = dir.path("saved.smc").string();
    ASSERT_TRUE(doc.save(path).ok());
    EXPECT_FALSE(doc.modified());
    EXPECT_EQ(doc.filename(), path);
    EXPECT_EQ(readFile(path), doc.image());
    ASSERT_TRUE(doc.redo(change).ok());  // writes the bytes already there
    EXPECT_FALSE(doc.modified());
    ASSERT_TRUE(doc.undo(change).ok());  // now differs from what was saved, though no longer from what was opened
    EXPECT_TRUE(doc.modified());
}

}  // namespace
}  // namespace icevale
