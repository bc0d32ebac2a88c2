#pragma once

#include "platform/color.h"
#include "platform/constants.h"
#include "platform/font.h"
#include "platform/picture.h"
#include "platform/property.h"

#include <QPointer>
#include <QRectF>

#include <functional>
#include <string>
#include <vector>

class QPainter;
class QWidget;

namespace platform {

class Control;
class Form;

// What holds controls: a window or a frame. Light controls (Image, Label, Shape, Line) are drawn
// and hit-tested by their container in their own stacking order; windowed controls are Qt child
// widgets and lie in front of all light controls of the same container.
class Container {
public:
    Container(const Container&) = delete;
    Container& operator=(const Container&) = delete;

    Form& form() const { return *form_; }
    // The widget that shows this container's contents (the window's client area, a frame's inside).
    QWidget* canvas() const { return canvas_; }
    // Back to front.
    const std::vector<Control*>& lightControls() const { return light_; }
    const std::vector<Control*>& windowedControls() const { return windowed_; }

    // Where this container's origin lies in the window's client area, in twips.
    virtual double originX() const = 0;
    virtual double originY() const = 0;
    // False when this container or one holding it is hidden or disabled.
    virtual bool showing() const = 0;
    virtual bool enabledChain() const = 0;
    // Paints what lies behind the light controls (colour, picture, border), in the canvas's pixels.
    virtual void paintBackground(QPainter& painter) const = 0;

protected:
    Container() = default;
    ~Container() = default;
    void setContainerParts(Form* form, QWidget* canvas) { form_ = form, canvas_ = canvas; }

private:
    friend class Control;
    Form* form_ = nullptr;
    QWidget* canvas_ = nullptr;
    std::vector<Control*> light_;
    std::vector<Control*> windowed_;
};

// The base of every control: geometry in twips (doubles, kept exactly as assigned), visibility,
// enabled state, tag, drag mode, picture, and the pointer events. Events are plain functions that
// the window sets, usually with Form::on(...) to one of its own handlers.
class Control : public PropertyOwner {
public:
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Property<double> Left{this, 0.0};
    Property<double> Top{this, 0.0};
    Property<double> Width{this, 0.0};
    Property<double> Height{this, 0.0};
    Property<bool> Visible{this, true};
    Property<bool> Enabled{this, true};
    Property<std::string> Tag{this};
    Property<int> DragMode{this, vbManual};
    Property<int> MousePointer{this, vbDefault};
    // Shown by the controls that show pictures (Image, CommandButton); any control carries one, so a
    // drop handler can take the dragged control's picture.
    Property<platform::Picture> Picture{this};

    std::function<void()> Click;
    std::function<void(int Button, int Shift, double X, double Y)> MouseMove;
    std::function<void(Control& Source, double X, double Y)> DragDrop;
    std::function<void(Control& Source, double X, double Y, int State)> DragOver;

    void Move(double left, double top);
    void Move(double left, double top, double width, double height);
    // 0 brings the control to the front of its layer, 1 sends it to the back.
    void ZOrder(int position = 0);

    // Its place in its control array, or -1 for a control of its own.
    int Index() const { return index_; }
    Form& form() const;
    Container* container() const { return container_; }
    bool isLight() const { return light_; }
    // Windowed controls only: the Qt widget.
    QWidget* widget() const;

    // Whether the pointer can reach it: visible, enabled, in a showing and enabled container, and a
    // kind that takes pointer events (shapes and lines let them through).
    bool takesPointer() const;
    // Its rectangle's top-left in the window's client area, in twips.
    double windowX() const;
    double windowY() const;
    // A short description for test failures: kind, index, place, tag.
    std::string describe() const;

    // Raising events; each runs inside the handler guard and only while the window is loaded.
    void raiseClick();
    void raiseMouseMove(int button, int shift, double x, double y);
    void raiseDragDrop(Control& source, double x, double y);
    void raiseDragOver(Control& source, double x, double y, int state);

    // What a click of the user does. Plain controls raise Click; buttons and boxes change first.
    virtual void userClick() { raiseClick(); }
    // Draws a light control on its container, in the container's pixels.
    virtual void paint(QPainter&) const {}
    // Where paint() may draw, in the container's pixels: the container skips the control elsewhere.
    virtual QRectF paintBounds() const;
    // Whether paint() leaves the painter's state as it found it, so the container need not save it.
    virtual bool paintKeepsPainter() const { return false; }
    // Copies the design properties of another control of the same kind (a control array's Load).
    virtual void copyFrom(const Control& other);
    virtual const char* kind() const = 0;

    // Used by control arrays.
    void setIndex(int index) { index_ = index; }
    // Takes the control out of its container at once (it is no longer drawn or hit); the object
    // itself may be destroyed later.
    void detach();

protected:
    enum class Layer { Light, Windowed };
    Control(Container& parent, Layer layer);
    void attachWidget(QWidget* widget);
    void propertyChanged(const void* property) override;
    // Light controls: repaint the container. Windowed ones: apply geometry, visibility, enabling.
    void refresh();
    virtual bool pointerKind() const { return true; }
    virtual void pictureChanged() { refresh(); }
    // Runs one of the control's own event functions inside the handler guard, while it is loaded.
    template <class... Args, class... Actual>
    void raise(const std::function<void(Args...)>& event, Actual&&... args) {
        if (!live() || !event) return;
        auto handler = event;
        Guarded guard;
        handler(std::forward<Actual>(args)...);
    }
    bool live() const;

    // The handler guard, without exposing the platform's bookkeeping here.
    struct Guarded {
        Guarded();
        ~Guarded();
        Guarded(const Guarded&) = delete;
        Guarded& operator=(const Guarded&) = delete;
    };

private:
    void applyWidgetState();
    Form* form_;
    Container* container_;
    bool light_;
    int index_ = -1;
    QPointer<QWidget> widget_;
};

// Helpers shared by the controls that show text: font and colours.
class StyledControl : public Control {
public:
    FontSpec Font{this};
    Property<Color> ForeColor;
    Property<Color> BackColor;

    void copyFrom(const Control& other) override;

protected:
    StyledControl(Container& parent, Layer layer, Color fore, Color back);
    void propertyChanged(const void* property) override;
    // Windowed controls: apply font and colours to the widget.
    virtual void applyStyle();
};

}  // namespace platform
