// A skin that records its accesses in order.
#pragma once

#include <string>
#include <vector>

#include "engine/failure.h"
#include "ui/skin_control.h"

namespace quire::fakes {

class FakeSkinControl final : public SkinControl {
public:
    std::vector<std::string> accesses;
    std::int32_t options = 0x40;
    std::string failAt;  // the access that throws, by its recorded name

    void LoadSkin(const std::string& themeFile, const std::string& iniName) override {
        Record("load " + themeFile + "|" + iniName, "load");
    }
    std::int32_t Options() const override {
        const_cast<FakeSkinControl*>(this)->Record("get options", "get options");
        return options;
    }
    void SetOptions(std::int32_t value) override {
        Record("set options " + std::to_string(value), "set options");
        options = value;
    }
    void SetApplyThemeColours(bool on) override { Record(on ? "colours on" : "colours off", "colours"); }
    void SetSkinMessageBoxes(bool on) override { Record(on ? "boxes on" : "boxes off", "boxes"); }
    void ApplyWindow() override { Record("apply", "apply"); }

private:
    void Record(const std::string& access, const std::string& name) {
        if (name == failAt) throw Failure("Skin refused " + name);
        accesses.push_back(access);
    }
};

}  // namespace quire::fakes
