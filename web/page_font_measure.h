// The page's font as a diagram's layout measures it: the page hands over
// width(text, pixels, bold), ascent(pixels) and height(pixels) of the font
// it draws with. Only for the module's bindings.
#pragma once

#include <emscripten/val.h>

#include <string>

#include "diagram/diagram_layout.h"

namespace pilaro::web {

class PageFontMeasure : public diagram::TextMeasure {
  public:
    explicit PageFontMeasure(emscripten::val measure) : measure_(std::move(measure)) {}

    double width(const std::string& s, int pixels, bool bold) const override {
        return measure_.call<double>("width", s, pixels, bold);
    }
    double ascent(int pixels) const override { return measure_.call<double>("ascent", pixels); }
    double height(int pixels) const override { return measure_.call<double>("height", pixels); }

  private:
    emscripten::val measure_;
};

}  // namespace pilaro::web
