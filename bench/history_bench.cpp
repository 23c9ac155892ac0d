// With all eight editor windows open in the main window: committing them all (as before
// every undo, redo and save), with nothing held and with an edit held in each, against a
// raw copy of the whole image; undoing and redoing the largest steps there are (every
// banner text, the rosters of all 28 teams), each against a raw copy of its bytes.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

#include "app/history.h"
#include "bench/benchsupport.h"
#include "bench/actions.h"
#include "windows/editorwindow.h"

namespace {

using namespace icevale;
using bench::control;
using bench::measure;
using bench::settle;

std::unique_ptr<Form1> allopen()
{
    auto form = bench::sampleForm();
    for (int c = 3; c <= 10; ++c)
        bench::openwindow(*form, c);
    return form;
}

void picknext(QWidget* w, const QString& name) { bench::picknext(control<QComboBox>(w, name)); }

// One edit in each window, held by its controls until a commit (the uniform bar writes
// at once, as it does for the user).
void editall(Form1& form)
{
    picknext(form.editor(3), QStringLiteral("Combo1_0"));
    bench::typeorerase(control<QLineEdit>(form.editor(4), QStringLiteral("Teamnm_0")), 0);
    picknext(form.editor(5), QStringLiteral("Combo2_0"));
    picknext(form.editor(6), QStringLiteral("Combo1_3"));
    auto* bar = control<QScrollBar>(form.editor(7), QStringLiteral("HScroll1"));
    bar->setValue((bar->value() + 1) % 32);
    picknext(form.editor(8), QStringLiteral("Combo1"));
    control<QPushButton>(form.editor(9), QStringLiteral("Command1"))->click();
    bench::typeorerase(control<QLineEdit>(form.editor(10), QStringLiteral("Teamnm_0")), 0);
}

void commit_baseline(benchmark::State& state)
{
    const Document doc = bench::sampleDocument();
    Bytes copy(doc.image().size());
    for (auto _ : state) {
        measure([&] {
            std::copy(doc.image().begin(), doc.image().end(), copy.begin());
            benchmark::DoNotOptimize(copy.data());
        });
    }
}

void commit_clean(benchmark::State& state)
{
    const auto form = allopen();
    for (auto _ : state) {
        measure([&] {
            form->commiteditors();
            settle();
        });
    }
}

// Every iteration starts from the sample: the steps it made are undone, untimed.
void commit_edited(benchmark::State& state)
{
    const auto form = allopen();
    const History* steps = &form->history();
    for (auto _ : state) {
        state.PauseTiming();
        const std::size_t mark = steps->index();
        editall(*form);
        settle();
        state.ResumeTiming();
        measure([&] {
            form->commiteditors();
            settle();
        });
        state.PauseTiming();
        if (steps->index() - mark < 8)
            state.SkipWithError("the edits did not reach every window's area");
        while (steps->index() > mark)
            form->undo();
        settle();
        state.ResumeTiming();
    }
}

// The main window with every window open and, as its last step, a change of every
// banner text or of all 28 rosters; `ranges` are that step's bytes.
struct LargeStep {
    std::unique_ptr<Form1> form = allopen();
    std::vector<ByteRange> ranges;

    explicit LargeStep(bool rosters)
    {
        const int id = form->document().listen([this](const ChangeEvent& event) {
            if (event.kind == ChangeKind::Edited)
                ranges.insert(ranges.end(), event.change->ranges.begin(), event.change->ranges.end());
        });
        if (rosters)
            eraseinrosters();
        else
            eraseinbanners();
        form->commiteditors();
        settle();
        form->document().unlisten(id);
    }

    // The last letter of each team's first player: every record after it moves.
    void eraseinrosters()
    {
        QWidget* w = form->editor(5);
        auto* teams = control<QListWidget>(w, QStringLiteral("List1"));
        for (int t = 0; t < kTeams; ++t) {
            teams->setCurrentRow(t);
            bench::typeorerase(control<QLineEdit>(w, QStringLiteral("player_name_0")), 0);
        }
    }

    void eraseinbanners()
    {
        for (int t = 0; t < kTeams; ++t)
            bench::typeorerase(control<QLineEdit>(form->editor(10), QStringLiteral("Teamnm_%1").arg(t)), 0);
    }
};

void step_baseline(benchmark::State& state, bool rosters)
{
    const LargeStep step(rosters);
    Bytes image = step.form->document().image();
    std::size_t bytes = 0;
    for (const ByteRange& r : step.ranges)
        bytes += r.before.size();
    for (auto _ : state) {
        measure([&] {
            for (const ByteRange& r : step.ranges)
                std::copy(r.before.begin(), r.before.end(), image.begin() + static_cast<std::ptrdiff_t>(r.offset));
            benchmark::DoNotOptimize(image.data());
        });
    }
    state.SetLabel(std::to_string(bytes) + " bytes in " + std::to_string(step.ranges.size()) + " ranges");
}

// Undoes (or redoes) the step, timed, and puts it back, untimed.
void step_move(benchmark::State& state, bool rosters, bool undo)
{
    const LargeStep step(rosters);
    Form1& form = *step.form;
    const History* steps = &form.history();
    if (!undo) {
        form.undo();
        settle();
    }
    const std::size_t from = steps->index();
    for (auto _ : state) {
        measure([&] {
            undo ? form.undo() : form.redo();
            settle();
        });
        state.PauseTiming();
        if (steps->index() != (undo ? from - 1 : from + 1))
            state.SkipWithError("the step was not the one undone or redone");
        undo ? form.redo() : form.undo();
        settle();
        state.ResumeTiming();
    }
}

const bool registered = [] {
    using bench::add;
    add("commit/baseline", commit_baseline);
    add("commit/AllClean", commit_clean);
    add("commit/AllEdited", commit_edited);
    add("undobanner/baseline", [](benchmark::State& s) { step_baseline(s, false); });
    add("undobanner/Undo", [](benchmark::State& s) { step_move(s, false, true); });
    add("undobanner/Redo", [](benchmark::State& s) { step_move(s, false, false); });
    add("undoroster/baseline", [](benchmark::State& s) { step_baseline(s, true); });
    add("undoroster/Undo", [](benchmark::State& s) { step_move(s, true, true); });
    add("undoroster/Redo", [](benchmark::State& s) { step_move(s, true, false); });
    return true;
}();

}  // namespace
