#pragma once
// CClipFormats: a snapshot of the formats on the system clipboard, keyed by format number
// and kept in the order the system enumerated them. Present and GetName answer for the live
// clipboard and for any number.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "clipboard/clip_format.h"

namespace morvane {

class CClipboard;

// Items are shared: one that a caller still holds stays valid after the next refresh.
using ClipFormatRef = std::shared_ptr<CClipFormat>;

// One snapshot: the items in enumeration order and the same items by key (format number).
struct KeyedClipFormats {
    std::vector<ClipFormatRef> order;
    std::map<std::int32_t, ClipFormatRef> byKey;
};

// The items of one snapshot as a range. It keeps its snapshot alive, so a later refresh
// never pulls the items out from under a loop.
class ClipFormatEnumeration {
public:
    using const_iterator = std::vector<ClipFormatRef>::const_iterator;
    explicit ClipFormatEnumeration(std::shared_ptr<const KeyedClipFormats> items)
        : items_(std::move(items)) {}
    const_iterator begin() const { return items_->order.begin(); }
    const_iterator end() const { return items_->order.end(); }
    std::size_t size() const { return items_->order.size(); }

private:
    std::shared_ptr<const KeyedClipFormats> items_;
};

class CClipFormats {
public:
    CClipFormats();
    CClipFormats(const CClipFormats&) = delete;
    CClipFormats& operator=(const CClipFormats&) = delete;

    // Returns a CClipFormat object from the collection of available Clipboard formats.
    // Looked up by format number, not by position; none (null) when the number is absent.
    ClipFormatRef Item(std::int32_t nFmt) const;
    ClipFormatRef operator[](std::int32_t nFmt) const { return Item(nFmt); }

    // Returns a value indicating the number of formats available on the Clipboard.
    std::int32_t Count() const;

    // The items in the order in which the last refresh added them.
    ClipFormatEnumeration NewEnum() const { return ClipFormatEnumeration(Items); }
    // Range-for over the current snapshot; these iterators last until the next refresh.
    ClipFormatEnumeration::const_iterator begin() const { return Items->order.begin(); }
    ClipFormatEnumeration::const_iterator end() const { return Items->order.end(); }

    // Returns a value indicating whether an item on the Clipboard object matches a specified format.
    bool Present(std::int32_t nFmt) const;

    // Returns the textual description of any numeric Clipboard format.
    std::wstring GetName(std::int32_t nFmt) const;

private:
    friend class CClipboard;
    // Replaces the snapshot with the formats on the clipboard now; empty when the
    // clipboard cannot be opened.
    void Refresh();

    std::shared_ptr<const KeyedClipFormats> Items;
};

}  // namespace morvane
