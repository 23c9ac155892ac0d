// Writes a PNG of the main window and of every editor window, each showing the sample
// image, into the folder named on the command line: for checking the layout by eye at
// any QT_SCALE_FACTOR, and for the screenshots of the package's metadata. With --dark
// the windows are drawn in the Fusion style with a dark palette.
#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QSettings>
#include <QTemporaryDir>
#include <QStyleFactory>
#include <QPixmap>
#include <QTimer>
#include <iostream>

#include "app/form1.h"
#include "core/romfile.h"
#include "tools/sampleimage.h"
#include "windows/editorwindow.h"

namespace {

QPalette darkpalette()
{
    QPalette dark;
    const QColor window(45, 45, 48), base(30, 30, 32), text(230, 230, 230), disabled(128, 128, 128);
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::AlternateBase, window);
    dark.setColor(QPalette::ToolTipBase, base);
    dark.setColor(QPalette::ToolTipText, text);
    dark.setColor(QPalette::Text, text);
    dark.setColor(QPalette::Button, window);
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::BrightText, Qt::red);
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::black);
    dark.setColor(QPalette::PlaceholderText, disabled);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, disabled);
    return dark;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const bool dark = argc == 3 && QString::fromLatin1(argv[2]) == QStringLiteral("--dark");
    if (argc != 2 && !dark) {
        std::cerr << "usage: icevale-screenshots FOLDER [--dark]\n";
        return 2;
    }
    // The sample opened here is no file of the user's recent files.
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    if (dark) {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(darkpalette());
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QString image = folder.filePath(QStringLiteral("sample.smc"));
    const icevale::Bytes bytes = icevale::sample::makeSampleImage().bytes;
    if (!icevale::saverom(bytes, image.toStdString()).ok())
        return 1;
    icevale::Form1 form;
    form.show();
    form.openfile(image);
    form.grab().save(folder.filePath(QStringLiteral("Form1.png")));
    for (int command = 3; command <= 10; ++command) {
        form.showeditor(command);
        icevale::EditorWindow* window = form.editor(command);
        QCoreApplication::processEvents();
        window->grab().save(folder.filePath(window->objectName() + QStringLiteral(".png")));
    }
    std::cout << "wrote the screenshots to " << argv[1] << "\n";
    return 0;
}
