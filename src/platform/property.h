#pragma once

#include <concepts>
#include <ostream>
#include <string>
#include <string_view>

// A property of a window or control: assigning it tells its owner (which repaints, moves a widget,
// plays a sound ...), reading it gives the value, so `card.Left = card.Left + 300;` reads as usual.
namespace platform {

class PropertyOwner {
public:
    // Called after every assignment, also when the value did not change (as a classic setter runs).
    virtual void propertyChanged(const void* property) = 0;

protected:
    ~PropertyOwner() = default;
};

template <class T>
class Property {
public:
    Property(PropertyOwner* owner, T initial = T{}) : owner_(owner), value_(std::move(initial)) {}
    Property(const Property&) = delete;

    Property& operator=(const T& value) {
        value_ = value;
        if (owner_) owner_->propertyChanged(this);
        return *this;
    }
    // Assigning one property to another copies the value, never the owner.
    Property& operator=(const Property& other) { return *this = other.value_; }

    operator const T&() const { return value_; }
    const T& get() const { return value_; }
    const T* operator->() const { return &value_; }
    explicit operator bool() const
        requires(!std::same_as<T, bool> && std::constructible_from<bool, const T&>)
    {
        return static_cast<bool>(value_);
    }

    // Stores a value without telling the owner: for owners mirroring a change the user made.
    void setQuietly(const T& value) { value_ = value; }

    template <class U>
    Property& operator+=(const U& delta) { return *this = value_ + delta; }
    template <class U>
    Property& operator-=(const U& delta) { return *this = value_ - delta; }
    template <class U>
    Property& operator*=(const U& factor) { return *this = value_ * factor; }

    friend bool operator==(const Property& a, const Property& b) { return a.value_ == b.value_; }
    friend bool operator==(const Property& a, const T& b) { return a.value_ == b; }
    friend std::ostream& operator<<(std::ostream& out, const Property& p) { return out << p.value_; }

private:
    PropertyOwner* owner_;
    T value_;
};

// Text properties join with text as plain strings do.
inline std::string operator+(const Property<std::string>& a, std::string_view b) {
    return a.get() + std::string(b);
}
inline std::string operator+(std::string_view a, const Property<std::string>& b) {
    return std::string(a) + b.get();
}
inline std::string operator+(const Property<std::string>& a, const Property<std::string>& b) {
    return a.get() + b.get();
}

}  // namespace platform
