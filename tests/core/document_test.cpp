#include <gtest/gtest.h>

#include "core/document.h"
#include "core/teamtexts.h"
#include "support/fixtures.h"
#include "support/imageedits.h"

namespace icevale {
namespace {

using namespace test;
using Heard = std::vector<std::pair<std::string, ChangeKind>>;

// A document over the sample image and what its listeners hear.
struct Listened {
    Document doc = loadedDocument();
    Heard heard;
    Listened()
    {
        doc.listen([this](const Change& change, ChangeKind kind) { heard.emplace_back(change.name, kind); });
    }
};

Edit writes(std::size_t at, const Bytes& bytes)
{
    Edit edit;
    edit.put(at, bytes);
    return edit;
}

TEST(Document, ApplyRecordsTheChangedRangesWithTheirOldAndNewBytes)
{
    Listened l;
    const Bytes& rom = sampleImage().bytes;
    const std::uint8_t a = rom[0x1000] ^ 1, b = rom[0x1100] ^ 0x80;
    Edit edit = writes(0x1000, {a, rom[0x1001]});  // the second byte is already there
    edit.put(0x1100, b);
    const Document::Applied applied = l.doc.apply(edit, "Two bytes", "key");
    ASSERT_TRUE(applied.ok);
    EXPECT_EQ(std::tuple(applied.change.name, applied.change.mergekey, applied.change.size()),
              std::tuple("Two bytes", "key", 4u));
    ASSERT_EQ(applied.change.ranges.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        const ByteRange& range = applied.change.ranges[i];
        EXPECT_EQ(range.offset, i ? 0x1100u : 0x1000u);
        EXPECT_EQ(range.before, Bytes{rom[range.offset]});
        EXPECT_EQ(range.after, Bytes{i ? b : a});
    }
    EXPECT_EQ(differences(rom, l.doc.image()), (std::vector<std::size_t>{0x1000, 0x1100}));
    EXPECT_TRUE(l.doc.modified());
    EXPECT_EQ(l.heard, (Heard{{"Two bytes", ChangeKind::Edited}}));

    // Rewriting bytes already there records nothing, tells no one and modifies nothing.
    Listened same;
    const Cartridge cart = loadedSample();
    const Document::Applied none = same.doc.apply(*teamtextedit(3, teamtexts(cart, 3)), "Team texts");
    EXPECT_TRUE(none.ok && none.change.empty());
    EXPECT_FALSE(same.doc.modified());
    EXPECT_TRUE(same.heard.empty());
}

TEST(Document, ModifiedFollowsTheBytesAndUndoRedoGiveBackTheExactImages)
{
    Listened l;
    const Bytes original = l.doc.image();
    poke(l.doc, 0x2000, {0xA5, 0x5A});
    EXPECT_TRUE(l.doc.modified());
    poke(l.doc, 0x2000, {original[0x2000], original[0x2001]});  // put back by hand
    EXPECT_FALSE(l.doc.modified());

    // Two overlapping changes, undone and redone in turn.
    const Change one = l.doc.apply(writes(0x3000, Bytes(40, 0x01)), "one").change;
    const Bytes afterOne = l.doc.image();
    const Change two = l.doc.apply(writes(0x3010, Bytes(40, 0x02)), "two").change;
    const Bytes afterTwo = l.doc.image();
    EXPECT_EQ(afterTwo, overlaid(overlaid(original, 0x3000, Bytes(40, 0x01)), 0x3010, Bytes(40, 0x02)));
    l.doc.undo(two);
    EXPECT_EQ(l.doc.image(), afterOne);
    l.doc.undo(one);
    EXPECT_EQ(l.doc.image(), original);
    EXPECT_FALSE(l.doc.modified());
    l.doc.redo(one);
    l.doc.redo(two);
    EXPECT_EQ(l.doc.image(), afterTwo);
    EXPECT_TRUE(l.doc.modified());
    EXPECT_EQ(l.heard, (Heard{{"test", ChangeKind::Edited}, {"test", ChangeKind::Edited}, {"one", ChangeKind::Edited},
                              {"two", ChangeKind::Edited}, {"two", ChangeKind::Undone}, {"one", ChangeKind::Undone},
                              {"one", ChangeKind::Redone}, {"two", ChangeKind::Redone}}));
}

TEST(Document, SavingClearsModifiedAndMovesTheMarkToTheSavedBytes)
{
    TempDir dir;
    Document doc = loadedDocument();
    const Change change = doc.apply(writes(0x4000, {0x12, 0x34}), "edit").change;
    EXPECT_FALSE(doc.save(dir.path("no/such/folder.smc").string()).ok);
    EXPECT_TRUE(doc.modified());
    EXPECT_EQ(doc.filename(), "sample.smc");
    const std::string path = dir.path("saved.smc").string();
    ASSERT_TRUE(doc.save(path).ok);
    EXPECT_FALSE(doc.modified());
    EXPECT_EQ(doc.filename(), path);
    EXPECT_EQ(readFile(path), doc.image());
    doc.redo(change);  // writes the bytes already there
    EXPECT_FALSE(doc.modified());
    doc.undo(change);  // now differs from what was saved, though no longer from what was opened
    EXPECT_TRUE(doc.modified());
    const Bytes& rom = doc.image();
    poke(doc, 0x5000, {static_cast<std::uint8_t>(~rom[0x5000]), static_cast<std::uint8_t>(~rom[0x5001])});
    EXPECT_TRUE(doc.modified());
}

TEST(Document, ARefusedEditWritesNothingAndSaysWhy)
{
    Listened l;
    Edit edit = writes(0x10, {1, 2, 3});
    edit.put(l.doc.image().size() - 1, Bytes{4, 5});
    const Document::Applied applied = l.doc.apply(edit, "Past the end");
    EXPECT_FALSE(applied.ok);
    EXPECT_EQ(applied.message,
              "Past the end: the change would write past the end of the image, so nothing was written");
    EXPECT_TRUE(applied.change.empty());
    EXPECT_EQ(l.doc.image(), sampleImage().bytes);
    EXPECT_FALSE(l.doc.modified());
    EXPECT_TRUE(l.heard.empty());
}

TEST(Document, ListenersCanBeRemovedAndDecodeRereadsTheTables)
{
    Document doc = loadedDocument();
    int calls = 0;
    const int id = doc.listen([&calls](const Change&, ChangeKind) { ++calls; });
    poke(doc, 0x10, {0x99});
    doc.unlisten(id);
    poke(doc, 0x10, {0x98});
    EXPECT_EQ(calls, 1);
    poke(doc, teamtextoffset[2], {0x04, 0x00, 'Z', 'Z'});
    EXPECT_EQ(doc.cart().teamname[2], sampleImage().teams[2].name);
    EXPECT_EQ(doc.decode(), "");
    EXPECT_EQ(doc.cart().teamname[2], "ZZ");
}

}  // namespace
}  // namespace icevale
