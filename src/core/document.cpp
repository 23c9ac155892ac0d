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
    decoded_ = {};
    const Scope all = wholeimage();
    measurereads(all);
    notify({ChangeKind::Opened, all, nullptr});
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

Result<Change> Document::apply(const Edit& edit, std::string name, std::string mergekey)
{
    Bytes& rom = cart_.RomImage;
    if (!editfits(edit, rom.size()))
        return fail(name + ": the change would write past the end of the image, so nothing was written");
    Change change;
    const std::vector<Span> spans = touchedspans(edit);
    std::vector<Bytes> before;
    for (const Span& s : spans)
        before.emplace_back(rom.begin() + static_cast<std::ptrdiff_t>(s.begin),
                            rom.begin() + static_cast<std::ptrdiff_t>(s.end));
    const bool written = applyedit(rom, edit);
    static_cast<void>(written);  // every write fits: checked above
    change.name = std::move(name);
    change.mergekey = std::move(mergekey);
    for (std::size_t i = 0; i < spans.size(); ++i)
        diffruns(rom, spans[i], before[i], change.ranges);
    for (const ByteRange& r : change.ranges) {
        for (std::size_t k = 0; k < r.after.size(); ++k) {
            const std::uint8_t saved = saved_[r.offset + k];
            differing_ += (r.after[k] != saved ? 1 : 0);
            differing_ -= (r.before[k] != saved ? 1 : 0);
        }
    }
    if (!change.empty()) {
        // A change the image cannot be read whole after is still applied; decoded() says why.
        const Status read = changed(change, ChangeKind::Edited);
        static_cast<void>(read);
    }
    return change;
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

Status Document::undo(const Change& change)
{
    for (auto r = change.ranges.rbegin(); r != change.ranges.rend(); ++r)
        write(*r, r->before);
    return changed(change, ChangeKind::Undone);
}

Status Document::redo(const Change& change)
{
    for (const ByteRange& r : change.ranges)
        write(r, r.after);
    return changed(change, ChangeKind::Redone);
}

Status Document::decode()
{
    const Scope all = wholeimage();
    decoded_ = decodeareas(cart_, cart_.RomImage, all);
    measurereads(all);
    return decoded_;
}

// The places the change wrote, with how far each team's records were read before it:
// a byte past a block that a damaged block's records reached feeds the tables too.
Status Document::changed(const Change& change, ChangeKind kind)
{
    std::vector<Span> spans;
    spans.reserve(change.ranges.size());
    for (const ByteRange& r : change.ranges)
        spans.push_back({r.offset, r.offset + std::max(r.before.size(), r.after.size())});
    const Scope scope = touchedscope(spans, ends_);
    // An image that could not be read whole is decoded whole again, so that a change
    // which makes it readable leaves no area behind from before.
    const Scope decode = decoded_ ? scope : wholeimage();
    decoded_ = decodeareas(cart_, cart_.RomImage, decode);
    measurereads(decode);
    notify({kind, scope, &change});
    return decoded_;
}

void Document::measurereads(const Scope& scope)
{
    for (int t = 1; t <= kTeams; ++t) {
        if (!scope.teams[static_cast<std::size_t>(t)])
            continue;
        if (scope.areas.has(Area::TeamText))
            ends_.texts[t] = textsreadend(cart_.RomImage, t);
        if (scope.areas.has(Area::Roster))
            ends_.rosters[t] = rosterreadend(cart_.RomImage, t);
    }
}

int Document::listen(Listener listener)
{
    listeners_.emplace_back(++nextid_, std::move(listener));
    return nextid_;
}

void Document::unlisten(int id)
{
    std::erase_if(listeners_, [id](const auto& entry) { return entry.first == id; });
}

void Document::notify(const ChangeEvent& event)
{
    // A listener may add or remove listeners; work on a copy.
    const auto listeners = listeners_;
    for (const auto& [id, listener] : listeners)
        listener(event);
}

}  // namespace icevale
