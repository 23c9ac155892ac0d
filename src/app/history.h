#pragma once
// Undo and redo over the document: the core's undo record (core/undorecord.h: merge keys,
// sealing, the saved state, trimming past 200 steps and 64 MiB), told to the main window
// as Qt signals.
#include <QObject>
#include <QString>

#include "core/undorecord.h"

namespace icevale {

class History : public QObject {
    Q_OBJECT
public:
    History(Document& doc, QObject* parent);

    // Puts back the bytes of the step below the current one (above it for redo);
    // returns the step's name, or an empty text when there is none.
    QString undo();
    QString redo();
    // After saving: the current step is the saved state and takes no further changes.
    void saved();
    void clear();
    bool canundo() const { return record_.canundo(); }
    bool canredo() const { return record_.canredo(); }
    // The names of the steps undo() and redo() would take back and repeat now.
    QString undoname() const { return QString::fromStdString(record_.undoname()); }
    QString redoname() const { return QString::fromStdString(record_.redoname()); }
    std::size_t index() const { return record_.index(); }
    std::size_t bytes() const { return record_.bytes(); }

signals:
    // Whether the current step is the saved state changed.
    void cleanchanged(bool clean);
    // A step was added, merged, taken back, repeated or dropped.
    void changed();

private:
    UndoRecord record_;
    bool clean_ = true;
};

}  // namespace icevale
