#pragma once

#include "platform/control.h"

#include <functional>
#include <string>
#include <string_view>

class QComboBox;
class QListWidget;

// List boxes and drop-down lists. Entries are numbered from 0; ListIndex -1 means none selected.
namespace platform {

class ListBox : public StyledControl {
public:
    explicit ListBox(Container& parent);
    Property<int> ListIndex{this, -1};
    std::function<void()> DblClick;

    void AddItem(std::string_view item);
    void RemoveItem(int index);
    void Clear();
    int ListCount() const;
    std::string List(int index) const;  // empty text past the end
    std::string Text() const;           // the selected entry, or empty text

    // What a double-click of the user on the selected entry does.
    void userDoubleClick();
    const char* kind() const override { return "ListBox"; }

protected:
    void propertyChanged(const void* property) override;

private:
    void selectionMoved(int row);
    QListWidget* list_;
};

// A drop-down list: Text is the chosen entry. Choosing an entry (by the user or by setting Text or
// ListIndex) raises Click.
class ComboBox : public StyledControl {
public:
    explicit ComboBox(Container& parent);
    Property<int> ListIndex{this, -1};
    Property<std::string> Text{this};

    void AddItem(std::string_view item);
    void Clear();
    int ListCount() const;
    std::string List(int index) const;

    // What choosing an entry from the drop-down does.
    void userChoose(int index);
    const char* kind() const override { return "ComboBox"; }

protected:
    void propertyChanged(const void* property) override;

private:
    void select(int index);
    QComboBox* combo_;
};

}  // namespace platform
