#include "platform/treeview.h"

#include "platform/container_widget.h"

#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QPixmap>
#include <QTreeWidget>

namespace platform {
namespace {

// Classic key codes for the keys that differ from Qt's.
int keyCode(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Home: return 36;
    case Qt::Key_End: return 35;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    default: return qtKey & 0xFFFF;
    }
}

// The tree raises Click after every click in it, wherever it lands, and KeyUp after every key.
class TreeWidget : public QTreeWidget {
public:
    TreeWidget(TreeView& owner, QWidget* parent) : QTreeWidget(parent), owner_(owner) {
        setHeaderHidden(true);
        setRootIsDecorated(true);
        connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) { owner_.expandedByUser(item, true); });
        connect(this, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) { owner_.expandedByUser(item, false); });
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        QTreeWidget::mouseReleaseEvent(event);
        owner_.raiseClick();
    }
    void keyReleaseEvent(QKeyEvent* event) override {
        QTreeWidget::keyReleaseEvent(event);
        if (!event->isAutoRepeat()) owner_.raiseKeyUp(keyCode(event->key()), shiftBits(event->modifiers()));
    }

private:
    TreeView& owner_;
};

}  // namespace

Picture ImageList::operator[](int index) const {
    if (index < 1 || index > Count()) return {};
    return pictures_[std::size_t(index - 1)];
}

Node::Node(TreeView&, QTreeWidgetItem* item, int index, std::string key, std::string text)
    : Text(this, std::move(text)), item_(item), index_(index), key_(std::move(key)) {
    item_->setText(0, QString::fromStdString(Text));
}

void Node::propertyChanged(const void* p) {
    if (p == &Text) item_->setText(0, QString::fromStdString(Text));
    if (p == &Expanded) item_->setExpanded(Expanded);
}

TreeView::TreeView(Container& parent) : StyledControl(parent, Layer::Windowed, vbWindowText, vbWindowBackground) {
    tree_ = new TreeWidget(*this, parent.canvas());
    attachWidget(tree_);
    applyStyle();
}

TreeView::~TreeView() = default;

Node& TreeView::Add(std::string key, std::string text, int image, int selectedImage) {
    return Add({}, tvwLast, std::move(key), std::move(text), image, selectedImage);
}

Node& TreeView::Add(std::string_view relative, int relationship, std::string key, std::string text, int image,
                    int selectedImage) {
    (void)selectedImage;
    Node* parentNode = relationship == tvwChild ? find(relative) : nullptr;
    auto* item = parentNode ? new QTreeWidgetItem(parentNode->item()) : new QTreeWidgetItem(tree_);
    if (Images) {
        const platform::Picture picture = (*Images)[image];
        if (picture) item->setIcon(0, QIcon(QPixmap::fromImage(picture.image())));
    }
    nodes_.push_back(std::make_unique<Node>(*this, item, Count() + 1, std::move(key), std::move(text)));
    return *nodes_.back();
}

Node& TreeView::Nodes(int index) { return *nodes_.at(std::size_t(index - 1)); }

Node* TreeView::find(std::string_view key) {
    for (auto& node : nodes_)
        if (node->Key() == key) return node.get();
    return nullptr;
}

Node* TreeView::SelectedItem() const {
    QTreeWidgetItem* current = tree_->currentItem();
    for (const auto& node : nodes_)
        if (node->item() == current) return node.get();
    return nullptr;
}

void TreeView::userClickNode(Node* node) {
    if (node) tree_->setCurrentItem(node->item());
    raiseClick();
}

void TreeView::userKeyUp(int keyCode, int shift) { raiseKeyUp(keyCode, shift); }

void TreeView::raiseKeyUp(int keyCode, int shift) { raise(KeyUp, keyCode, shift); }

void TreeView::expandedByUser(QTreeWidgetItem* item, bool expanded) {
    for (auto& node : nodes_)
        if (node->item() == item) node->Expanded.setQuietly(expanded);
}

}  // namespace platform
