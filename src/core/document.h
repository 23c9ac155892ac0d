#pragma once
// The document: the one owner of the image and its tables, the file name, and the
// image as last opened or saved. Every change to the image passes through apply(),
// which records the byte ranges it changed with their old and new bytes; undo, the
// modified state and the listeners all work from that record. A change that writes
// the bytes already there records nothing.
//
// The decoded tables are rebuilt from the image on opening and by decode(); between
// those, the roster tables are also the player editor's working copy, which reaches the
// image when that editor writes the rosters back.
#include <functional>
#include <string>
#include <vector>

#include "core/cartridge.h"
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

enum class ChangeKind { Edited, Undone, Redone };

class Document {
public:
    using Listener = std::function<void(const Change&, ChangeKind)>;

    const Cartridge& cart() const { return cart_; }
    Tables& tables() { return cart_; }
    const Bytes& image() const { return cart_.RomImage; }
    const std::string& filename() const { return filename_; }
    bool loaded() const { return cart_.loaded(); }
    // Whether the image differs from the bytes last opened or saved.
    bool modified() const { return differing_ > 0; }

    // Takes a loaded image (loadrom) as the document's, opened from `filename`.
    void adopt(Cartridge&& cart, std::string filename);
    Status save(const std::string& filename);
    // The image as it is now counts as saved (a front end that writes the bytes itself).
    void marksaved();

    struct Applied {
        bool ok = true;
        std::string message;  // why nothing was written, when !ok
        Change change;        // empty when every byte was already there
    };

    // Applies every write of the edit, or none when one lies outside the image.
    Applied apply(const Edit& edit, std::string name, std::string mergekey = {});

    // Puts back the old bytes (undo) or the new bytes (redo) of a recorded change.
    void undo(const Change& change);
    void redo(const Change& change);

    // Rebuilds every decoded table from the image; returns why it could not, or "".
    std::string decode();

    int listen(Listener listener);
    void unlisten(int id);

private:
    void write(const ByteRange& range, const Bytes& bytes);
    void notify(const Change& change, ChangeKind kind);

    Cartridge cart_;
    Bytes saved_;
    std::size_t differing_ = 0;  // bytes where the image differs from saved_
    std::string filename_;
    std::vector<std::pair<int, Listener>> listeners_;
    int nextid_ = 0;
};

}  // namespace icevale
