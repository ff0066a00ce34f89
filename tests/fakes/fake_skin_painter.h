// A painter that records every look it is given, or refuses it when a test says so.
#pragma once

#include <vector>

#include "engine/failure.h"
#include "ui/skin_painter.h"

namespace quire::fakes {

class FakeSkinPainter final : public SkinPainter {
public:
    std::vector<SkinLook> painted;
    bool fail = false;

    void Paint(const SkinLook& look) override {
        if (fail) throw Failure("The window refused the skin's colours");
        painted.push_back(look);
    }
};

}  // namespace quire::fakes
