#include "core/undorecord.h"

namespace icevale {

UndoRecord::UndoRecord(Document& doc, std::size_t minsteps, std::size_t maxbytes)
    : doc_(doc), minsteps_(minsteps), maxbytes_(maxbytes)
{
    listenerid_ = doc_.listen([this](const ChangeEvent& event) {
        if (event.kind == ChangeKind::Edited && !moving_)
            record(*event.change);
    });
}

UndoRecord::~UndoRecord() { doc_.unlisten(listenerid_); }

void UndoRecord::record(const Change& change)
{
    // A new change drops what could have been redone, and with it a saved state there.
    for (std::size_t i = index_; i < steps_.size(); ++i)
        bytes_ -= steps_[i].size();
    steps_.resize(index_);
    sealed_.resize(index_);
    if (savedindex_ > static_cast<std::ptrdiff_t>(index_))
        savedindex_ = -1;

    bytes_ += change.size();
    Change* top = index_ > 0 ? &steps_[index_ - 1] : nullptr;
    const bool merges = top && !sealed_[index_ - 1] && !change.mergekey.empty() && top->mergekey == change.mergekey &&
                        savedindex_ != static_cast<std::ptrdiff_t>(index_);
    if (merges) {
        top->ranges.insert(top->ranges.end(), change.ranges.begin(), change.ranges.end());
        top->name = change.name;
    } else {
        steps_.push_back(change);
        sealed_.push_back(false);
        ++index_;
    }
    trim();
    changed();
}

void UndoRecord::seal()
{
    if (index_ > 0)
        sealed_[index_ - 1] = true;
}

std::string UndoRecord::undo()
{
    if (!canundo())
        return {};
    --index_;
    moving_ = true;
    // Whether the image then reads whole is the document's to tell (decoded()).
    static_cast<void>(doc_.undo(steps_[index_]));
    moving_ = false;
    seal();
    changed();
    return steps_[index_].name;
}

std::string UndoRecord::redo()
{
    if (!canredo())
        return {};
    moving_ = true;
    static_cast<void>(doc_.redo(steps_[index_]));
    moving_ = false;
    ++index_;
    seal();
    changed();
    return steps_[index_ - 1].name;
}

void UndoRecord::saved()
{
    seal();
    savedindex_ = static_cast<std::ptrdiff_t>(index_);
    changed();
}

void UndoRecord::clear()
{
    steps_.clear();
    sealed_.clear();
    index_ = 0;
    savedindex_ = 0;
    bytes_ = 0;
    changed();
}

void UndoRecord::join(std::size_t from, std::string name)
{
    if (from >= index_)
        return;
    Change& first = steps_[from];
    for (std::size_t i = from + 1; i < index_; ++i)
        first.ranges.insert(first.ranges.end(), steps_[i].ranges.begin(), steps_[i].ranges.end());
    first.name = std::move(name);
    first.mergekey.clear();
    const auto at = [](std::size_t i) { return static_cast<std::ptrdiff_t>(i); };
    if (savedindex_ > at(from) && savedindex_ < at(index_))
        savedindex_ = -1;
    else if (savedindex_ == at(index_))
        savedindex_ = at(from + 1);
    steps_.resize(from + 1);
    sealed_.resize(from + 1);
    sealed_[from] = true;
    index_ = from + 1;
    changed();
}

// Drops the oldest steps while there are more than 200 and they hold more than 64 MiB.
void UndoRecord::trim()
{
    std::size_t drop = 0;
    while (steps_.size() - drop > minsteps_ && bytes_ > maxbytes_)
        bytes_ -= steps_[drop++].size();
    if (drop == 0)
        return;
    steps_.erase(steps_.begin(), steps_.begin() + static_cast<std::ptrdiff_t>(drop));
    sealed_.erase(sealed_.begin(), sealed_.begin() + static_cast<std::ptrdiff_t>(drop));
    index_ = index_ > drop ? index_ - drop : 0;
    savedindex_ = savedindex_ >= static_cast<std::ptrdiff_t>(drop) ? savedindex_ - static_cast<std::ptrdiff_t>(drop) : -1;
}

void UndoRecord::changed()
{
    if (listener_)
        listener_();
}

}  // namespace icevale
