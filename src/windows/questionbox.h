#pragma once
// The two question boxes of the program, asked only before work or a file would be lost:
// `UnsavedChanges` (Save, Discard, Cancel; without Save when the changes cannot be
// stored) and `ReplaceFile` (Replace, Cancel). Both are modal over `parent`.
#include <QMessageBox>

namespace icevale {

// Save is offered and is the default only when `maysave`; otherwise Cancel is.
QMessageBox::StandardButton askunsaved(QWidget* parent, const QString& text, bool maysave = true);
// Whether the existing file `path` may be replaced; Cancel is the default.
bool askreplace(QWidget* parent, const QString& path);

}  // namespace icevale
