#include <QComboBox>

#include "core/lineups.h"
#include "core/teamtexts.h"
#include "windows/lineseditor.h"
#include "windows/playereditor.h"
#include "windows/uniformeditor.h"
#include "windowtest.h"

namespace icevale {
namespace {

using namespace test;

// A window that counts the times it shows the image again.
template <class Window>
struct Counted : Window {
    using Window::Window;
    void refresh() override { ++refreshes, Window::refresh(); }
    int refreshes = 0;
};

// Another's edit and its undo each refresh exactly the open windows showing an area it
// touched; a window holding an edit of its own keeps it when only its names' areas change.
TEST_F(WindowTest, AChangeRefreshesOnlyTheWindowsShowingItsArea)
{
    Counted<PlayerEditor> players{doc, nullptr};
    Counted<LinesEditor> lines{doc, nullptr};
    Counted<UniformEditor> uniforms{doc, nullptr};
    for (EditorWindow* window : std::initializer_list<EditorWindow*>{&players, &lines, &uniforms})
        window->showEditor();
    const auto counts = [&] { return std::vector<int>{players.refreshes, lines.refreshes, uniforms.refreshes}; };
    const auto zero = [&] { players.refreshes = lines.refreshes = uniforms.refreshes = 0; };
    const Bytes& rom = sampleImage().bytes;
    Edit count;
    count.put(teamoffset[1] - 1, static_cast<std::uint8_t>(rom[teamoffset[1] - 1] - 1));  // one defenceman fewer
    const std::pair<Edit, std::vector<int>> cases[] = {
        {count, {1, 1, 0}},
        {lineedit(2, 3, {0, 1, 2, 3, 4, 5, 6, 7}), {0, 1, 0}},
        {uniformcelledit(rom, 4, 0, 2, {3, 3, 3}), {0, 0, 1}},
        {overalledit(4, 12), {0, 0, 0}},
        {teamtextedit(4, {"N", "A", "K", "E"}).value(), {1, 1, 1}},
    };
    for (const auto& [edit, refreshed] : cases) {
        zero();
        ASSERT_TRUE(doc.apply(edit, "edit").ok());
        EXPECT_EQ(counts(), refreshed);
        zero();
        undoLast(players);
        EXPECT_EQ(counts(), refreshed) << "undone";
    }

    auto* slot = child<QComboBox>(&lines, QStringLiteral("Combo1_3"));
    const int picked = slot->currentIndex() == 1 ? 2 : 1;
    pick(slot, picked);
    zero();
    ASSERT_TRUE(doc.apply(count, "roster").ok());
    EXPECT_EQ(counts(), (std::vector<int>{1, 0, 0}));
    EXPECT_EQ(slot->currentIndex(), picked);
}

}  // namespace
}  // namespace icevale
