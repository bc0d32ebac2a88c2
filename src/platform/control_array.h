#pragma once

#include "platform/control.h"

#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

// A control array: members numbered as the window's design numbers them, each raising the array's
// events with its Index. Members can be loaded and unloaded at run time. The members of one array
// may lie in several containers, such as a frame and the window around it.
namespace platform {

// The members first to last of a control array that lie in one container.
struct ArrayMembers {
    Container& parent;
    int first;
    int last;
};

namespace detail {
// Keeps a control that was unloaded inside a handler until the handler has returned.
void disposeLater(std::unique_ptr<Control> control);
}  // namespace detail

template <class T>
class ControlArray {
public:
    // Members first to last exist from the design, in front of each other in that order.
    ControlArray(Container& parent, int first, int last) : ControlArray({{parent, first, last}}) {}
    // Each range's members lie in its own container, in front of each other in index order.
    ControlArray(std::initializer_list<ArrayMembers> ranges) {
        if (ranges.size() == 0) throw std::invalid_argument("a control array needs a container");
        home_ = &ranges.begin()->parent;
        for (const ArrayMembers& range : ranges)
            for (int i = range.first; i <= range.last; ++i) add(range.parent, i);
    }
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;

    std::function<void(int Index)> Click;
    std::function<void(int Index, int Button, int Shift, double X, double Y)> MouseMove;
    std::function<void(int Index, Control& Source, double X, double Y)> DragDrop;
    std::function<void(int Index, Control& Source, double X, double Y, int State)> DragOver;

    T& operator[](int index) const {
        auto it = members_.find(index);
        if (it == members_.end())
            throw std::out_of_range("control array element " + std::to_string(index) + " does not exist");
        return *it->second;
    }
    bool exists(int index) const { return members_.count(index) != 0; }
    int Count() const { return static_cast<int>(members_.size()); }
    int LBound() const { return members_.empty() ? 0 : members_.begin()->first; }
    int UBound() const { return members_.empty() ? -1 : members_.rbegin()->first; }

    // A new member with the design properties of the lowest one, hidden, in front of its layer in
    // the lowest one's container. Loading a member that exists does nothing.
    T& Load(int index) {
        if (exists(index)) return (*this)[index];
        const T* lowest = lowestOtherThan(index);
        T& member = add(lowest ? *lowest->container() : *home_, index);
        if (lowest) member.copyFrom(*lowest);
        member.Visible = false;
        return member;
    }
    // Unloading a member that does not exist does nothing.
    void Unload(int index) {
        auto it = members_.find(index);
        if (it == members_.end()) return;
        std::unique_ptr<Control> member = std::move(it->second);
        members_.erase(it);
        member->detach();
        detail::disposeLater(std::move(member));
    }

    // Members in index order, as (index, control) pairs.
    auto begin() const { return members_.begin(); }
    auto end() const { return members_.end(); }

private:
    const T* lowestOtherThan(int index) const {
        for (const auto& [i, member] : members_)
            if (i != index) return member.get();
        return nullptr;
    }
    T& add(Container& parent, int index) {
        auto member = std::make_unique<T>(parent);
        member->setIndex(index);
        wire(*member, index);
        T& ref = *member;
        members_[index] = std::move(member);
        return ref;
    }
    void wire(T& m, int i) {
        m.Click = [this, i] {
            if (Click) Click(i);
        };
        m.MouseMove = [this, i](int b, int s, double x, double y) {
            if (MouseMove) MouseMove(i, b, s, x, y);
        };
        m.DragDrop = [this, i](Control& src, double x, double y) {
            if (DragDrop) DragDrop(i, src, x, y);
        };
        m.DragOver = [this, i](Control& src, double x, double y, int state) {
            if (DragOver) DragOver(i, src, x, y, state);
        };
    }

    Container* home_ = nullptr;  // where a member goes when none is left to copy
    std::map<int, std::unique_ptr<T>> members_;
};

}  // namespace platform
