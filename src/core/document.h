#pragma once
// The document: the one owner of the image and its tables, the file name, and the
// image as last opened or saved. Every change to the image passes through apply(),
// which records the byte ranges it changed with their old and new bytes; undo, the
// modified state and the listeners all work from that record. A change that writes
// the bytes already there records nothing.
//
// The document is the only writer of the decoded tables: after it applies, undoes or
// redoes a change it decodes again the areas whose bytes the change touched (for a
// per-team area, only the teams touched) and then tells its listeners which areas and
// teams changed. Front ends read the tables and change them only by edits.
#include <functional>
#include <string>
#include <vector>

#include "core/areas.h"
#include "core/cartridge.h"
#include "core/result.h"
#include "core/romfile.h"

namespace icevale {

struct ByteRange {
    std::size_t offset = 0;
    Bytes before, after;
};

struct Change {
    std::string name;      // what the user did: "Uniform colour of ALD"
    std::string mergekey;  // consecutive changes with the same non-empty key form one step
    std::vector<ByteRange> ranges;

    bool empty() const { return ranges.empty(); }
    std::size_t size() const;  // bytes the change holds, old and new
};

enum class ChangeKind { Edited, Undone, Redone, Opened };

// What the listeners hear after the document changed and decoded what the change touched.
struct ChangeEvent {
    ChangeKind kind = ChangeKind::Edited;
    Scope scope;                    // the areas and teams the change touched
    const Change* change = nullptr;  // the change applied, undone or redone; none on opening

    bool touches(Areas areas) const { return scope.areas.any(areas); }
    bool touches(Area area, int t) const { return scope.areas.has(area) && scope.teams[static_cast<std::size_t>(t)]; }
};

class Document {
public:
    using Listener = std::function<void(const ChangeEvent&)>;

    const Cartridge& cart() const { return cart_; }
    const Tables& tables() const { return cart_; }
    const Bytes& image() const { return cart_.RomImage; }
    const std::string& filename() const { return filename_; }
    bool loaded() const { return cart_.loaded(); }
    // Whether the image differs from the bytes last opened or saved.
    bool modified() const { return differing_ > 0; }

    // Takes a loaded image (loadrom) as the document's, opened from `filename`; the
    // listeners hear of every area.
    void adopt(Cartridge&& cart, std::string filename);
    Status save(const std::string& filename);
    // The image as it is now counts as saved (a front end that writes the bytes itself).
    void marksaved();

    // Applies every write of the edit, or none when one lies outside the image (the
    // failure says so). The change is empty when every byte was already there.
    Result<Change> apply(const Edit& edit, std::string name, std::string mergekey = {});

    // Puts back the old bytes (undo) or the new bytes (redo) of a recorded change. Fails
    // when the image as it then is cannot be read whole (the bytes are moved all the same).
    Status undo(const Change& change);
    Status redo(const Change& change);

    // Rebuilds every decoded table from the image.
    Status decode();
    // Whether the last decoding read the image whole, or why not.
    const Status& decoded() const { return decoded_; }

    int listen(Listener listener);
    void unlisten(int id);

private:
    void write(const ByteRange& range, const Bytes& bytes);
    // Decodes what the change touched and tells the listeners.
    Status changed(const Change& change, ChangeKind kind);
    void notify(const ChangeEvent& event);
    void measurereads(const Scope& scope);

    Cartridge cart_;
    ReadEnds ends_;  // how far each team's texts and roster were read
    Status decoded_;
    Bytes saved_;
    std::size_t differing_ = 0;  // bytes where the image differs from saved_
    std::string filename_;
    std::vector<std::pair<int, Listener>> listeners_;
    int nextid_ = 0;
};

}  // namespace icevale
