#include "platform/form_widget.h"

#include "platform/container_widget.h"
#include "platform/form.h"
#include "platform/registry.h"
#include "platform/services.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QPainter>

namespace platform {
namespace {

constexpr int kMenuBarHeightPx = 20;

// Paints the drag outline: a dotted rectangle of the dragged control's size.
class OutlineWidget : public QWidget {
public:
    explicit OutlineWidget(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        hide();
    }
    // Only where the outline was and where it goes is drawn again, not the whole table below.
    void setOutline(const QRect& rect) {
        if (rect == outline_) return;
        update(outline_);
        outline_ = rect;
        update(outline_);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(dark_);
        painter.drawRect(outline_.adjusted(1, 1, -1, -1));
        painter.setPen(light_);
        painter.drawRect(outline_.adjusted(2, 2, -2, -2));
    }

private:
    QRect outline_;
    // Made once: a pen made for each paint allocates, and the outline paints at every step of a drag.
    const QPen dark_{Qt::black, 2, Qt::DotLine};
    const QPen light_{Qt::white, 1, Qt::DotLine};
};

}  // namespace

FormWidget::FormWidget(Form& form)
    : form_(form), canvas_(new ContainerWidget(form, this)), outline_(new OutlineWidget(this)) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    layOut();
}

QMenuBar* FormWidget::menuBar() {
    if (!menu_) {
        menu_ = new QMenuBar(this);
        menu_->setNativeMenuBar(false);
        menu_->setFixedHeight(kMenuBarHeightPx);
        menu_->show();
        layOut();
    }
    return menu_;
}

void FormWidget::showOutline(const QRectF& twips) {
    auto* outline = static_cast<OutlineWidget*>(outline_);
    if (twips.isEmpty()) {
        outline->hide();
        return;
    }
    const QRectF px(twips.topLeft() / kTwipsPerPixel, twips.size() / kTwipsPerPixel);
    outline->setOutline(px.toRect());
    outline->show();
    outline->raise();
}

void FormWidget::closeEvent(QCloseEvent* event) {
    // The window decides for itself whether and when it goes away.
    event->ignore();
    detail::HandlerGuard guard(&form_);
    form_.closeBox();
}

void FormWidget::resizeEvent(QResizeEvent*) { layOut(); }

void FormWidget::layOut() {
    const int top = menu_ ? kMenuBarHeightPx : 0;
    if (menu_) menu_->setGeometry(0, 0, width(), top);
    canvas_->setGeometry(0, top, width(), std::max(0, height() - top));
    outline_->setGeometry(canvas_->geometry());
}

}  // namespace platform
