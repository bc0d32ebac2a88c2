#pragma once

#include <QRectF>
#include <QWidget>

class QMenuBar;

// A window's top-level widget: an optional menu bar over the client area, and above the client
// area the outline that follows the pointer during a drag.
namespace platform {

class ContainerWidget;
class Form;

class FormWidget : public QWidget {
public:
    explicit FormWidget(Form& form);

    ContainerWidget* canvas() const { return canvas_; }
    QMenuBar* menuBar();
    bool hasMenuBar() const { return menu_ != nullptr; }
    // The outline in client twips; an empty rectangle hides it.
    void showOutline(const QRectF& twips);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void layOut();
    Form& form_;
    ContainerWidget* canvas_;
    QMenuBar* menu_ = nullptr;
    QWidget* outline_;
};

}  // namespace platform
