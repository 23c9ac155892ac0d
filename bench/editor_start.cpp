// The editor's own start-up, as its main() does it, ending when the main window is first
// shown; timed against minimal_start by tools/time-startup.
#include "app/form1.h"
#include "firstshow.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    icevale::Form1 form;
    icevale::bench::FirstShow firstshow(form);
    form.show();
    return firstshow.exec();
}
