// Writes a PNG of the main window and of every editor window, each showing the sample
// image, into the folder named on the command line: for checking the layout by eye at
// any QT_SCALE_FACTOR, and for the screenshots of the package's metadata.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTimer>
#include <iostream>

#include "app/form1.h"
#include "core/romfile.h"
#include "tools/sampleimage.h"
#include "windows/editorwindow.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: icevale-screenshots FOLDER\n";
        return 2;
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
