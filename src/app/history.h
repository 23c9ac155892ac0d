#pragma once
// Undo and redo over the document: every change the document records becomes one step
// on a QUndoStack, holding the change's byte ranges. Consecutive changes with the same
// merge key form one step until the step is sealed (undo, redo, saving). At least 200
// steps are kept, and more while the steps hold under 64 MiB; the oldest go first.
#include <QObject>
#include <QUndoStack>

#include "core/document.h"

namespace icevale {

class History : public QObject {
    Q_OBJECT
public:
    static constexpr int kMinSteps = 200;
    static constexpr std::size_t kMaxBytes = std::size_t{64} << 20;

    History(Document& doc, QObject* parent);
    ~History() override;

    QUndoStack* stack() { return &stack_; }
    // Puts back the bytes of the step below the current one (above it for redo);
    // returns the step's name, or an empty text when there is none.
    QString undo();
    QString redo();
    // After saving: the current step is the saved state and takes no further changes.
    void saved();
    void clear();
    std::size_t bytes() const { return bytes_; }

private:
    void record(const Change& change);
    void seal();
    void trim();

    Document& doc_;
    QUndoStack stack_;
    int listener_ = 0;
    std::size_t bytes_ = 0;
};

}  // namespace icevale
