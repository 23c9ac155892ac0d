#pragma once
// What the benchmarks share: the sample image decoded as a load leaves it, the main
// window over it, and the steps every editor window is timed by. Each window's steps
// form one group, timed against a window with the same plain widgets ("group/baseline").
#include <benchmark/benchmark.h>

#include <QString>
#include <QWidget>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "app/form1.h"
#include "core/document.h"

namespace icevale {
class EditorWindow;
}

namespace icevale::bench {

Cartridge sampleCartridge();
Document sampleDocument();

// Every timed step passes through here, so that
//   valgrind --tool=callgrind --toggle-collect='icevale::bench::measure*'
// counts the measured work alone, and the calls counted are the steps.
void measure(const std::function<void()>& step);

// Runs what the last step left for the event loop: the main window's title update
// (which asks every open window whether it holds edits) and the painting.
void settle();

// The main window over the sample image, as after "Open Rom".
std::unique_ptr<Form1> sampleForm();

// Opens the window of the main window's button `command` (3..10) as the button does,
// and settles.
EditorWindow* openwindow(Form1& form, int command);

template <class T>
T* control(QWidget* window, const QString& name)
{
    T* found = window->findChild<T*>(name);
    if (!found)
        std::abort();  // the benchmark no longer matches the window
    return found;
}

// Registers a benchmark timed in microseconds; with ICEVALE_BENCH_ITERATIONS=n in the
// environment it runs exactly n iterations, so that callgrind's counts can be divided.
void add(const std::string& name, std::function<void(benchmark::State&)> run);

// Registers "<group>/baseline" (the plain widgets of the window, made and shown),
// "<group>/Open" (the first press of the button: made, loaded, shown, painted) and
// "<group>/Reopen" (pressed again after a close).
void registerwindow(const char* group, int command);

// Registers "<group>/<name>": the window of `command` open in the main window; each
// iteration runs `step(window, i)` and settles.
using Step = std::function<void(QWidget* window, int iteration)>;
void registerstep(const char* group, const char* name, int command, Step step);

}  // namespace icevale::bench
