#pragma once

#include "platform/property.h"

#include <string>

class QFont;

// A control's font, set field by field as the classic platform does: `Label1.Font.Size = 7;`.
namespace platform {

class FontSpec : public PropertyOwner {
public:
    explicit FontSpec(PropertyOwner* owner) : owner_(owner) {}
    FontSpec(const FontSpec&) = delete;
    FontSpec& operator=(const FontSpec& other);

    Property<std::string> Name{this, "MS Sans Serif"};
    Property<double> Size{this, 8.25};  // points; fractions kept
    Property<bool> Bold{this, false};
    Property<bool> Italic{this, false};
    Property<bool> Underline{this, false};

    // The Qt font: "Verdana" falls back to DejaVu Sans, the system's font to the application's.
    QFont toQFont() const;

    void propertyChanged(const void*) override;

private:
    PropertyOwner* owner_;
};

}  // namespace platform
