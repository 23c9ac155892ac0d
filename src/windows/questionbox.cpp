#include "windows/questionbox.h"

#include <QAbstractButton>

namespace icevale {
namespace {

const QString kCaption = QStringLiteral("SNES Icevale EDITOR");

}  // namespace

QMessageBox::StandardButton askunsaved(QWidget* parent, const QString& text, bool maysave)
{
    const QMessageBox::StandardButtons buttons =
        maysave ? QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel : QMessageBox::Discard | QMessageBox::Cancel;
    QMessageBox box(maysave ? QMessageBox::Question : QMessageBox::Warning, kCaption, text, buttons, parent);
    box.setObjectName(QStringLiteral("UnsavedChanges"));
    box.setDefaultButton(maysave ? QMessageBox::Save : QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

bool askreplace(QWidget* parent, const QString& path)
{
    QMessageBox box(QMessageBox::Warning, kCaption,
                    QStringLiteral("The file \"%1\" already exists. Replace it with the image?").arg(path),
                    QMessageBox::Yes | QMessageBox::Cancel, parent);
    box.setObjectName(QStringLiteral("ReplaceFile"));
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Replace"));
    box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace icevale
