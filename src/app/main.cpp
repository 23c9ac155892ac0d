#include <QApplication>
#include <QCommandLineParser>
#include <cstring>

#include "app/form1.h"

namespace {

void describe(QCoreApplication& app, QCommandLineParser& parser)
{
    QCoreApplication::setApplicationName(QStringLiteral("icevale-editor"));
    QCoreApplication::setApplicationVersion(QStringLiteral("0.8.1"));
    parser.setApplicationDescription(QStringLiteral("Edits the cartridge image of the SNES ice-hockey game Icevale."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("An image (*.smc) to open."),
                                 QStringLiteral("[FILE]"));
    parser.process(app);
}

// --help and --version answer without a display, as command-line programs do.
bool asksforinfo(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        for (const char* option : {"-h", "--help", "--help-all", "-v", "--version"}) {
            if (std::strcmp(argv[i], option) == 0)
                return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    if (asksforinfo(argc, argv)) {
        QCoreApplication core(argc, argv);
        QCommandLineParser parser;
        describe(core, parser);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Icevale Editor"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.icevale.Editor"));
    QCommandLineParser parser;
    describe(app, parser);

    icevale::Form1 form;
    form.show();
    if (!parser.positionalArguments().isEmpty())
        form.openfile(parser.positionalArguments().first());
    return QApplication::exec();
}
