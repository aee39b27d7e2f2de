#include "engine/text/stringlist.h"

#include "engine/text/collation.h"

#include <algorithm>
#include <iterator>

namespace zadrovec {

// Brackets one change of the list for its listener.
class StringList::Change {
public:
    explicit Change(StringList& list) : list_(list) {
        if (list_.listener_) list_.listener_->listAboutToChange();
    }
    ~Change() {
        if (list_.listener_) list_.listener_->listChanged();
    }
    Change(const Change&) = delete;
    Change& operator=(const Change&) = delete;

private:
    StringList& list_;
};

std::size_t StringList::add(std::string item) {
    Change change(*this);
    auto place = items_.end();
    if (sorted())
        place = std::upper_bound(
            items_.begin(), items_.end(), item,
            [](const std::string& a, const std::string& b) { return CompareCzech(a, b) < 0; });
    const auto index = static_cast<std::size_t>(place - items_.begin());
    items_.insert(place, std::move(item));
    return index;
}

void StringList::removeAt(std::size_t index) {
    if (index >= items_.size()) return;
    Change change(*this);
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
}

void StringList::replaceAt(std::size_t index, std::string item) {
    if (index >= items_.size()) return;
    if (sorted()) {
        removeAt(index);
        add(std::move(item));
        return;
    }
    Change change(*this);
    items_[index] = std::move(item);
}

void StringList::clear() {
    Change change(*this);
    items_.clear();
}

std::optional<std::size_t> StringList::indexOf(std::string_view item) const {
    const auto found = std::find(items_.begin(), items_.end(), item);
    if (found == items_.end()) return std::nullopt;
    return static_cast<std::size_t>(found - items_.begin());
}

void StringList::assign(std::vector<std::string> items) {
    Change change(*this);
    if (sorted()) SortCzech(items);
    items_ = std::move(items);
}

void StringList::assignInOrder(std::vector<std::string> items) {
    Change change(*this);
    items_ = std::move(items);
}

void StringList::append(std::vector<std::string> items) {
    if (items.empty()) return;
    Change change(*this);
    items_.insert(items_.end(), std::make_move_iterator(items.begin()),
                  std::make_move_iterator(items.end()));
    if (sorted()) SortCzech(items_); // the order is total, so this is where one-by-one adds end
}

void StringList::removeAdjacentDuplicates() {
    // A list without repeats is left alone, so a view keeps its selection.
    const auto firstRepeat = std::adjacent_find(items_.begin(), items_.end());
    if (firstRepeat == items_.end()) return;
    Change change(*this);
    items_.erase(std::unique(firstRepeat, items_.end()), items_.end());
}

} // namespace zadrovec
