#include "core/document.h"

#include <algorithm>

namespace icevale {
namespace {

// Differing runs closer than this are kept as one range.
constexpr std::size_t kJoinGap = 8;

// The runs of `span` where `before` and the image now differ.
void diffruns(const Bytes& rom, const Span& span, const Bytes& before, std::vector<ByteRange>& out)
{
    const std::size_t length = span.end - span.begin;
    const auto differs = [&](std::size_t k) { return before[k] != rom[span.begin + k]; };
    for (std::size_t i = 0; i < length;) {
        if (!differs(i)) {
            ++i;
            continue;
        }
        std::size_t end = i + 1;  // one past the last differing byte of the run
        for (std::size_t j = end; j < length && j - end <= kJoinGap; ++j) {
            if (differs(j))
                end = j + 1;
        }
        const auto at = [](const Bytes& bytes, std::size_t k) { return bytes.begin() + static_cast<std::ptrdiff_t>(k); };
        out.push_back({span.begin + i, Bytes(at(before, i), at(before, end)),
                       Bytes(at(rom, span.begin + i), at(rom, span.begin + end))});
        i = end;
    }
}

}  // namespace

std::size_t Change::size() const
{
    std::size_t bytes = 0;
    for (const ByteRange& r : ranges)
        bytes += r.before.size() + r.after.size();
    return bytes;
}

void Document::adopt(Cartridge&& cart, std::string filename)
{
    cart_ = std::move(cart);
    saved_ = cart_.RomImage;
    differing_ = 0;
    filename_ = std::move(filename);
}

Status Document::save(const std::string& filename)
{
    Status result = saverom(cart_.RomImage, filename);
    if (result.ok()) {
        marksaved();
        filename_ = filename;
    }
    return result;
}

void Document::marksaved()
{
    saved_ = cart_.RomImage;
    differing_ = 0;
}

Document::Applied Document::apply(const Edit& edit, std::string name, std::string mergekey)
{
    Applied applied;
    Bytes& rom = cart_.RomImage;
    if (!editfits(edit, rom.size())) {
        applied.ok = false;
        applied.message = name + ": the change would write past the end of the image, so nothing was written";
        return applied;
    }
    const std::vector<Span> spans = touchedspans(edit);
    std::vector<Bytes> before;
    for (const Span& s : spans)
        before.emplace_back(rom.begin() + static_cast<std::ptrdiff_t>(s.begin),
                            rom.begin() + static_cast<std::ptrdiff_t>(s.end));
    const bool written = applyedit(rom, edit);
    static_cast<void>(written);  // every write fits: checked above
    applied.change.name = std::move(name);
    applied.change.mergekey = std::move(mergekey);
    for (std::size_t i = 0; i < spans.size(); ++i)
        diffruns(rom, spans[i], before[i], applied.change.ranges);
    for (const ByteRange& r : applied.change.ranges) {
        for (std::size_t k = 0; k < r.after.size(); ++k) {
            const std::uint8_t saved = saved_[r.offset + k];
            differing_ += (r.after[k] != saved ? 1 : 0);
            differing_ -= (r.before[k] != saved ? 1 : 0);
        }
    }
    if (!applied.change.empty())
        notify(applied.change, ChangeKind::Edited);
    return applied;
}

void Document::write(const ByteRange& range, const Bytes& bytes)
{
    Bytes& rom = cart_.RomImage;
    if (!inside(rom.size(), range.offset, bytes.size()))
        return;
    for (std::size_t k = 0; k < bytes.size(); ++k) {
        const std::uint8_t saved = saved_[range.offset + k];
        differing_ -= (rom[range.offset + k] != saved ? 1 : 0);
        rom[range.offset + k] = bytes[k];
        differing_ += (bytes[k] != saved ? 1 : 0);
    }
}

void Document::undo(const Change& change)
{
    for (auto r = change.ranges.rbegin(); r != change.ranges.rend(); ++r)
        write(*r, r->before);
    notify(change, ChangeKind::Undone);
}

void Document::redo(const Change& change)
{
    for (const ByteRange& r : change.ranges)
        write(r, r.after);
    notify(change, ChangeKind::Redone);
}

std::string Document::decode() { return decodeimage(cart_); }

int Document::listen(Listener listener)
{
    listeners_.emplace_back(++nextid_, std::move(listener));
    return nextid_;
}

void Document::unlisten(int id)
{
    std::erase_if(listeners_, [id](const auto& entry) { return entry.first == id; });
}

void Document::notify(const Change& change, ChangeKind kind)
{
    // A listener may add or remove listeners; work on a copy.
    const auto listeners = listeners_;
    for (const auto& [id, listener] : listeners)
        listener(change, kind);
}

}  // namespace icevale
