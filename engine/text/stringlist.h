// An ordered list of Windows-1250 texts with the rules of a list box: sorted (Czech collation,
// see collation.h) or in the order of adding. The windows show these lists; hidden lists are
// just lists.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zadrovec {

class StringList {
public:
    // Told around every change, so a view can follow the list.
    class Listener {
    public:
        virtual ~Listener() = default;
        virtual void listAboutToChange() = 0;
        virtual void listChanged() = 0;
    };

    enum class Order { AsAdded, Sorted };

    explicit StringList(Order order = Order::AsAdded) : order_(order) {}
    StringList(const StringList&) = delete;
    StringList& operator=(const StringList&) = delete;

    bool sorted() const { return order_ == Order::Sorted; }
    std::size_t size() const { return items_.size(); }
    bool empty() const { return items_.empty(); }
    const std::string& operator[](std::size_t index) const { return items_[index]; }
    const std::vector<std::string>& items() const { return items_; }

    // A sorted list puts the item at its collated place (after equal ones); the other at the end.
    // Returns the index of the new item.
    std::size_t add(std::string item);
    void removeAt(std::size_t index);
    // Puts item in the place of the one at index (a sorted list moves it to its collated place).
    void replaceAt(std::size_t index, std::string item);
    void clear();
    // The first item equal byte for byte, if any.
    std::optional<std::size_t> indexOf(std::string_view item) const;

    // Replaces the content in one step: the same final list as clearing and adding the items one
    // by one, but a sorted list sorts them once.
    void assign(std::vector<std::string> items);
    // Replaces the content with the items in their given order, also on a sorted list: for items
    // sorted already, or kept unsorted when they could not be sorted.
    void assignInOrder(std::vector<std::string> items);
    // Appends in one step, in the given order (a sorted list merges them into place).
    void append(std::vector<std::string> items);

    // Deletes each item's successors that equal it byte for byte. On a sorted list every text
    // is then listed once.
    void removeAdjacentDuplicates();

    void setListener(Listener* listener) { listener_ = listener; }

private:
    class Change;

    Order order_;
    std::vector<std::string> items_;
    Listener* listener_ = nullptr;
};

} // namespace zadrovec
