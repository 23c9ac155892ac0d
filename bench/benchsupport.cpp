#include "bench/benchsupport.h"

#include <QCoreApplication>
#include <QtGlobal>
#include <string>

#include "bench/plainwindow.h"
#include "tools/sampleimage.h"
#include "windows/editorwindow.h"

namespace icevale::bench {

Cartridge sampleCartridge()
{
    Cartridge cart;
    cart.RomImage = sample::makeSampleImage().bytes;
    decodeimage(cart);
    return cart;
}

Document sampleDocument()
{
    Document doc;
    doc.adopt(sampleCartridge(), "sample.smc");
    return doc;
}

[[gnu::noinline]] void measure(const std::function<void()>& step) { step(); }

void settle() { QCoreApplication::processEvents(); }

std::unique_ptr<Form1> sampleForm()
{
    static const Cartridge sample = sampleCartridge();
    auto form = std::make_unique<Form1>();
    Cartridge cart = sample;
    form->document().adopt(std::move(cart), "sample.smc");
    return form;
}

EditorWindow* openwindow(Form1& form, int command)
{
    form.showeditor(command);
    settle();
    return form.editor(command);
}

namespace {

void baseline(benchmark::State& state, int command)
{
    PlainWindow plain;
    {
        const auto form = sampleForm();
        plain = PlainWindow(*openwindow(*form, command));
    }
    for (auto _ : state) {
        std::unique_ptr<QWidget> window;
        measure([&] {
            window = plain.make();
            window->show();
            settle();
        });
        state.PauseTiming();
        window.reset();
        settle();
        state.ResumeTiming();
    }
    state.SetLabel(plain.summary().toStdString());
}

void open(benchmark::State& state, int command)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto form = sampleForm();
        state.ResumeTiming();
        measure([&] { openwindow(*form, command); });
        state.PauseTiming();
        form.reset();
        settle();
        state.ResumeTiming();
    }
}

void reopen(benchmark::State& state, int command)
{
    const auto form = sampleForm();
    EditorWindow* window = openwindow(*form, command);
    for (auto _ : state) {
        state.PauseTiming();
        window->close();
        settle();
        state.ResumeTiming();
        measure([&] { openwindow(*form, command); });
    }
}

}  // namespace

void add(const std::string& name, std::function<void(benchmark::State&)> run)
{
    auto* registered = benchmark::RegisterBenchmark(name.c_str(), [run](benchmark::State& state) { run(state); });
    registered->Unit(benchmark::kMicrosecond);
    if (const int fixed = qEnvironmentVariableIntValue("ICEVALE_BENCH_ITERATIONS"); fixed > 0)
        registered->Iterations(fixed);
}

void registerwindow(const char* group, int command)
{
    const std::string prefix = std::string(group) + "/";
    add(prefix + "baseline", [command](benchmark::State& state) { baseline(state, command); });
    add(prefix + "Open", [command](benchmark::State& state) { open(state, command); });
    add(prefix + "Reopen", [command](benchmark::State& state) { reopen(state, command); });
}

void registerstep(const char* group, const char* name, int command, Step step)
{
    add(std::string(group) + "/" + name, [command, step](benchmark::State& state) {
        const auto form = sampleForm();
        QWidget* window = openwindow(*form, command);
        int iteration = 0;
        for (auto _ : state) {
            measure([&] {
                step(window, iteration++);
                settle();
            });
        }
    });
}

}  // namespace icevale::bench
