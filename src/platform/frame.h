#pragma once

#include "platform/control.h"

#include <string>

// A frame: a windowed control that holds controls of both layers, with its own origin at its
// top-left corner. Disabling or hiding it disables or hides everything in it.
namespace platform {

class Frame : public StyledControl, public Container {
public:
    explicit Frame(Container& parent);
    Property<std::string> Caption{this};
    Property<int> BorderStyle{this, vbBSSolid};

    double originX() const override { return windowX(); }
    double originY() const override { return windowY(); }
    bool showing() const override;
    bool enabledChain() const override;
    void paintBackground(QPainter& painter) const override;

    void copyFrom(const Control& other) override;
    const char* kind() const override { return "Frame"; }

protected:
    void propertyChanged(const void* property) override;
};

}  // namespace platform
