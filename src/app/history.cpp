#include "app/history.h"

namespace icevale {

History::History(Document& doc, QObject* parent) : QObject(parent), record_(doc)
{
    record_.onchange([this] {
        if (record_.atsaved() != clean_) {
            clean_ = record_.atsaved();
            emit cleanchanged(clean_);
        }
        emit changed();
    });
}

QString History::undo() { return QString::fromStdString(record_.undo()); }
QString History::redo() { return QString::fromStdString(record_.redo()); }
void History::saved() { record_.saved(); }
void History::clear() { record_.clear(); }

}  // namespace icevale
