#pragma once

#include "platform/control.h"

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

// A tree of text entries with pictures from an image list.
namespace platform {

class Form;

// Pictures numbered from 1, for the entries of a tree.
class ImageList {
public:
    ImageList() = default;
    explicit ImageList(Form&) {}
    void Add(const Picture& picture) { pictures_.push_back(picture); }
    int Count() const { return static_cast<int>(pictures_.size()); }
    // The picture numbered index (from 1); the empty picture when there is none.
    Picture operator[](int index) const;

private:
    std::vector<Picture> pictures_;
};

class TreeView;

class Node : public PropertyOwner {
public:
    Node(TreeView& tree, QTreeWidgetItem* item, int index, std::string key, std::string text);
    Node(const Node&) = delete;

    Property<std::string> Text;
    Property<bool> Expanded{this, false};
    const std::string& Key() const { return key_; }
    int Index() const { return index_; }  // from 1, in the order the entries were added
    QTreeWidgetItem* item() const { return item_; }

protected:
    void propertyChanged(const void* property) override;

private:
    QTreeWidgetItem* item_;
    int index_;
    std::string key_;
};

class TreeView : public StyledControl {
public:
    explicit TreeView(Container& parent);
    ~TreeView();

    // The image list whose pictures the entries show.
    ImageList* Images = nullptr;
    std::function<void(int KeyCode, int Shift)> KeyUp;

    // A top-level entry, or (relationship tvwChild) an entry under the entry with the key relative.
    Node& Add(std::string key, std::string text, int image = 0, int selectedImage = 0);
    Node& Add(std::string_view relative, int relationship, std::string key, std::string text,
              int image = 0, int selectedImage = 0);
    int Count() const { return static_cast<int>(nodes_.size()); }
    Node& Nodes(int index);  // from 1
    Node* find(std::string_view key);
    Node* SelectedItem() const;

    // What the user does: a click on an entry (or, with none, on empty space), a key released.
    void userClickNode(Node* node);
    void userKeyUp(int keyCode, int shift = 0);
    const char* kind() const override { return "TreeView"; }

    // Used by the tree's widget.
    void raiseKeyUp(int keyCode, int shift);
    void expandedByUser(QTreeWidgetItem* item, bool expanded);

private:
    QTreeWidget* tree_;
    std::deque<std::unique_ptr<Node>> nodes_;
};

}  // namespace platform
