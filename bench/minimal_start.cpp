// The yardstick for the editor's start-up: a minimal Qt Widgets program with the main
// window's ten buttons and a label in a grid, ending when its window is first shown.
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "firstshow.h"

namespace {

struct Button {
    const char* caption;
    int row, column;
};

constexpr Button kButtons[] = {
    {"Open Rom", 1, 0},      {"Save Rom", 1, 1},      {"Edit Teams", 2, 0},         {"Edit Players", 2, 1},
    {"Edit Playoffs", 2, 2}, {"Edit Lines", 2, 3},    {"Edit Uniforms", 3, 0},      {"Edit Menu", 3, 1},
    {"Edit Banner Colors", 3, 2},                     {"Edit Banner Text", 4, 0},
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    auto* grid = new QGridLayout(&window);
    grid->addWidget(new QLabel(&window), 0, 0, 1, 4);
    for (const Button& b : kButtons)
        grid->addWidget(new QPushButton(QString::fromLatin1(b.caption), &window), b.row, b.column);
    icevale::bench::FirstShow firstshow(window);
    window.show();
    return firstshow.exec();
}
