#pragma once
// The undo record of a document: every change the document records becomes one step,
// holding the change's byte ranges and its name. Consecutive changes with the same
// non-empty merge key form one step (named by the latest) until the step is sealed:
// by an undo, a redo or a save. A change made after undoing drops the steps above it.
// At least 200 steps are kept, and more while the steps hold under 64 MiB; the oldest
// go first. The desktop's history and the WebAssembly module both keep one.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "core/document.h"

namespace icevale {

class UndoRecord {
public:
    static constexpr std::size_t kMinSteps = 200;
    static constexpr std::size_t kMaxBytes = std::size_t{64} << 20;

    // The limits are the record's own but for tests.
    explicit UndoRecord(Document& doc, std::size_t minsteps = kMinSteps, std::size_t maxbytes = kMaxBytes);
    ~UndoRecord();
    UndoRecord(const UndoRecord&) = delete;
    UndoRecord& operator=(const UndoRecord&) = delete;

    // Puts back the bytes of the step below the current one (above it for redo);
    // returns the step's name, or an empty text when there is none.
    std::string undo();
    std::string redo();
    bool canundo() const { return index_ > 0; }
    bool canredo() const { return index_ < steps_.size(); }
    // The names undo() and redo() would return now.
    std::string undoname() const { return canundo() ? steps_[index_ - 1].name : std::string(); }
    std::string redoname() const { return canredo() ? steps_[index_].name : std::string(); }

    // After saving: the current step is the saved state and takes no further changes.
    void saved();
    // Whether the current step is the one last saved (or opened with).
    bool atsaved() const { return savedindex_ == static_cast<std::ptrdiff_t>(index_); }
    void clear();
    // Joins the steps from `from` up to the current one into one sealed step named
    // `name` (an import of many areas is one step); nothing when there are none.
    void join(std::size_t from, std::string name);

    std::size_t count() const { return steps_.size(); }
    std::size_t index() const { return index_; }  // steps below the current state
    std::size_t bytes() const { return bytes_; }

    // Called after every change of the record's state (a step made, undone, redone,
    // merged or dropped, a save), for a front end to refresh its names and title.
    void onchange(std::function<void()> listener) { listener_ = std::move(listener); }

private:
    void record(const Change& change);
    void seal();
    void trim();
    void changed();

    Document& doc_;
    std::size_t minsteps_, maxbytes_;
    std::vector<Change> steps_;
    std::vector<bool> sealed_;
    std::size_t index_ = 0;
    std::ptrdiff_t savedindex_ = 0;  // -1 when the saved state's step was dropped
    std::size_t bytes_ = 0;
    int listenerid_ = 0;
    bool moving_ = false;  // while undo or redo moves bytes, the document's news is ours
    std::function<void()> listener_;
};

}  // namespace icevale
