// A window that records what it would show and fires change procedures as a toolkit does.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/failure.h"
#include "ui/form1_design.h"
#include "ui/form1_events.h"
#include "ui/form1_view.h"

namespace quire::fakes {

class FakeForm1View final : public Form1View {
public:
    Form1* form = nullptr;  // receives the change procedures once set
    std::map<ControlId, std::string> texts;
    std::map<ControlId, std::string> captions;
    std::map<ControlId, std::string> descriptions;
    std::map<ControlId, std::string> tips;
    std::map<ControlId, Colour> backColours;
    std::string windowCaption;
    bool hasIcon = false;
    std::string mouseIcon;
    MousePointer pointer = MousePointer::Default;
    int endProgramCalls = 0;
    std::vector<std::string> log;  // every change, in order
    // "caption", "icon", "mouseicon", "Text1", "Label4", ... and "read Text1" for reading a box
    std::set<std::string> failing;

    FakeForm1View() {
        for (const ControlDesign& control : Form1Controls()) {
            if (control.kind == ControlKind::TextBox)
                texts[control.id] = std::string(control.caption);
            if (control.kind == ControlKind::Label)
                captions[control.id] = std::string(control.caption);
        }
    }

    std::string Text(ControlId box) const override {
        Fail("read " + std::string(ControlName(box)));
        return texts.at(box);
    }

    void SetText(ControlId box, const std::string& text) override {
        Fail(std::string(ControlName(box)));
        log.push_back("text " + std::string(ControlName(box)) + "=" + text);
        if (texts[box] == text) return;
        texts[box] = text;
        if (form != nullptr) DispatchEvent(*form, box, FormEvent::Change);
    }

    void SetDescription(ControlId control, const std::string& description) override {
        descriptions[control] = description;
    }

    void SetToolTip(ControlId control, const std::string& tip) override { tips[control] = tip; }

    void SetLabelCaption(ControlId label, const std::string& caption) override {
        Fail(std::string(ControlName(label)));
        log.push_back("label " + std::string(ControlName(label)) + "=" + caption);
        captions[label] = caption;
    }

    void SetWindowCaption(const std::string& caption) override {
        Fail("caption");
        log.push_back("caption " + caption);
        windowCaption = caption;
    }

    void SetWindowIcon() override {
        Fail("icon");
        log.push_back("icon");
        hasIcon = true;
    }

    void SetMouseIcon(std::string_view cursorBytes) override {
        Fail("mouseicon");
        log.push_back("mouseicon " + std::string(cursorBytes));
        mouseIcon = cursorBytes;
    }

    void SetMousePointer(MousePointer value) override {
        Fail("pointer");
        pointer = value;
    }

    void SetBackColor(ControlId control, Colour colour) override {
        Fail("back");
        log.push_back("back " + std::string(ControlName(control)));
        backColours[control] = colour;
    }

    void EndProgram() override { ++endProgramCalls; }

private:
    void Fail(const std::string& what) const {
        if (failing.count(what) != 0) throw Failure("Cannot set " + what);
    }
};

}  // namespace quire::fakes
