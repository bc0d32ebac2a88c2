#include "platform/lists.h"

#include <QComboBox>
#include <QListWidget>
#include <QSignalBlocker>

namespace platform {

ListBox::ListBox(Container& parent)
    : StyledControl(parent, Layer::Windowed, vbWindowText, vbWindowBackground), list_(new QListWidget(parent.canvas())) {
    // The selection, not the current row: a list taking the focus gets a current row that the user
    // never chose.
    QObject::connect(list_, &QListWidget::itemSelectionChanged, list_, [this] {
        const QList<QListWidgetItem*> chosen = list_->selectedItems();
        selectionMoved(chosen.isEmpty() ? -1 : list_->row(chosen.front()));
    });
    QObject::connect(list_, &QListWidget::itemDoubleClicked, list_, [this] { userDoubleClick(); });
    attachWidget(list_);
    applyStyle();
}

void ListBox::AddItem(std::string_view item) { list_->addItem(QString::fromUtf8(item.data(), int(item.size()))); }

void ListBox::RemoveItem(int index) {
    if (index < 0 || index >= ListCount()) return;
    const QSignalBlocker quiet(list_);
    delete list_->takeItem(index);
    list_->setCurrentRow(-1);
    ListIndex.setQuietly(-1);
}

void ListBox::Clear() {
    const QSignalBlocker quiet(list_);
    list_->clear();
    ListIndex.setQuietly(-1);
}

int ListBox::ListCount() const { return list_->count(); }

std::string ListBox::List(int index) const {
    if (index < 0 || index >= ListCount()) return {};
    return list_->item(index)->text().toStdString();
}

std::string ListBox::Text() const { return List(ListIndex); }

void ListBox::userDoubleClick() { raise(DblClick); }

void ListBox::selectionMoved(int row) {
    ListIndex.setQuietly(row);
    raiseClick();
}

void ListBox::propertyChanged(const void* p) {
    if (p != &ListIndex) {
        StyledControl::propertyChanged(p);
        return;
    }
    if (ListIndex < -1 || ListIndex >= ListCount()) ListIndex.setQuietly(-1);
    {
        const QSignalBlocker quiet(list_);
        list_->setCurrentRow(ListIndex);
        if (ListIndex < 0) list_->clearSelection();
    }
    raiseClick();
}

ComboBox::ComboBox(Container& parent)
    : StyledControl(parent, Layer::Windowed, vbWindowText, vbWindowBackground), combo_(new QComboBox(parent.canvas())) {
    combo_->setEditable(false);
    QObject::connect(combo_, &QComboBox::activated, combo_, [this](int index) { userChoose(index); });
    attachWidget(combo_);
    applyStyle();
}

void ComboBox::AddItem(std::string_view item) {
    const QSignalBlocker quiet(combo_);
    combo_->addItem(QString::fromUtf8(item.data(), int(item.size())));
    combo_->setCurrentIndex(ListIndex);
}

void ComboBox::Clear() {
    const QSignalBlocker quiet(combo_);
    combo_->clear();
    ListIndex.setQuietly(-1);
    Text.setQuietly({});
}

int ComboBox::ListCount() const { return combo_->count(); }

std::string ComboBox::List(int index) const {
    if (index < 0 || index >= ListCount()) return {};
    return combo_->itemText(index).toStdString();
}

void ComboBox::userChoose(int index) { select(index); }

void ComboBox::select(int index) {
    if (index < -1 || index >= ListCount()) index = -1;
    ListIndex.setQuietly(index);
    if (index >= 0) Text.setQuietly(List(index));
    {
        const QSignalBlocker quiet(combo_);
        combo_->setCurrentIndex(index);
    }
    if (index >= 0) raiseClick();
}

void ComboBox::propertyChanged(const void* p) {
    if (p == &ListIndex) {
        select(ListIndex);
        return;
    }
    if (p == &Text) {
        // A drop-down list shows only its own entries: text that is none of them selects nothing.
        select(combo_->findText(QString::fromStdString(Text), Qt::MatchExactly));
        return;
    }
    StyledControl::propertyChanged(p);
}

}  // namespace platform
