#include "app/history.h"

namespace icevale {
namespace {

// One step: the byte ranges of one change, or of consecutive changes with one merge key.
class ByteStep : public QUndoCommand {
public:
    ByteStep(Document& doc, const Change& change, std::size_t& bytes)
        : doc_(doc), change_(change), bytes_(bytes)
    {
        setText(QString::fromStdString(change.name));
        bytes_ += change_.size();
    }
    ~ByteStep() override { bytes_ -= change_.size(); }

    void undo() override
    {
        if (attached_)
            doc_.undo(change_);
    }
    // The first redo is the push of a change the document has already made.
    void redo() override
    {
        if (attached_ && !first_)
            doc_.redo(change_);
        first_ = false;
    }
    int id() const override { return change_.mergekey.empty() || sealed_ ? -1 : 1; }
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const ByteStep*>(other);
        if (next->change_.mergekey != change_.mergekey)
            return false;
        bytes_ += next->change_.size();
        change_.ranges.insert(change_.ranges.end(), next->change_.ranges.begin(), next->change_.ranges.end());
        change_.name = next->change_.name;
        setText(QString::fromStdString(change_.name));
        return true;
    }

    void seal() { sealed_ = true; }
    // While detached a step moves no bytes: the stack is being rebuilt around it.
    void attach(bool attached) { attached_ = attached; }
    const Change& change() const { return change_; }

private:
    Document& doc_;
    Change change_;
    std::size_t& bytes_;
    bool first_ = true;
    bool sealed_ = false;
    bool attached_ = true;
};

ByteStep* stepat(const QUndoStack& stack, int index)
{
    return const_cast<ByteStep*>(static_cast<const ByteStep*>(stack.command(index)));
}

}  // namespace

History::History(Document& doc, QObject* parent) : QObject(parent), doc_(doc)
{
    listener_ = doc_.listen([this](const Change& change, ChangeKind kind) {
        if (kind == ChangeKind::Edited)
            record(change);
    });
}

History::~History()
{
    doc_.unlisten(listener_);
    stack_.clear();
}

void History::record(const Change& change)
{
    stack_.push(new ByteStep(doc_, change, bytes_));
    trim();
}

void History::seal()
{
    if (stack_.index() > 0)
        stepat(stack_, stack_.index() - 1)->seal();
}

QString History::undo()
{
    if (!stack_.canUndo())
        return {};
    const QString name = stack_.undoText();
    stack_.undo();
    seal();
    return name;
}

QString History::redo()
{
    if (!stack_.canRedo())
        return {};
    const QString name = stack_.redoText();
    stack_.redo();
    seal();
    return name;
}

void History::saved()
{
    seal();
    stack_.setClean();
}

void History::clear() { stack_.clear(); }

// Drops the oldest steps while there are more than 200 and they hold more than 64 MiB.
// QUndoStack only drops steps by a limit fixed while it is empty, so the newer steps are
// moved to a fresh stack without moving any byte of the image.
void History::trim()
{
    if (bytes_ <= kMaxBytes || stack_.count() <= kMinSteps)
        return;
    int drop = 0;
    std::size_t kept = bytes_;
    while (stack_.count() - drop > kMinSteps && kept > kMaxBytes)
        kept -= stepat(stack_, drop++)->change().size();
    const int index = stack_.index();
    const int clean = stack_.cleanIndex();
    std::vector<Change> changes;
    for (int i = drop; i < stack_.count(); ++i)
        changes.push_back(stepat(stack_, i)->change());
    stack_.clear();
    stack_.resetClean();
    for (const Change& change : changes) {
        auto* step = new ByteStep(doc_, change, bytes_);
        step->attach(false);
        step->seal();
        stack_.push(step);
    }
    for (int i = 0; i <= stack_.count(); ++i) {
        if (i + drop == clean) {
            stack_.setIndex(i);
            stack_.setClean();
        }
    }
    stack_.setIndex(std::max(0, index - drop));
    for (int i = 0; i < stack_.count(); ++i)
        stepat(stack_, i)->attach(true);
}

}  // namespace icevale
