// Message boxes answered by the test; every box shown is recorded.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "app/dialogs.h"
#include "engine/failure.h"

namespace quire::fakes {

struct ShownBox {
    std::string text;
    std::string caption;
    BoxStyle style;
};

class FakeDialogs final : public Dialogs {
public:
    std::vector<ShownBox> shown;
    std::deque<BoxAnswer> answers;  // for Yes/No boxes, in order; No when none is left
    std::function<void(const ShownBox&)> onShow;
    bool failYesNo = false;  // a question box that cannot be shown

    BoxAnswer ShowMessage(const std::string& text, const std::string& caption,
                          BoxStyle style) override {
        shown.push_back({text, caption, style});
        if (onShow) onShow(shown.back());
        if (style != BoxStyle::YesNo) return BoxAnswer::Ok;
        if (failYesNo) throw Failure("Cannot show the question");
        if (answers.empty()) return BoxAnswer::No;
        const BoxAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const ShownBox& box : shown) texts.push_back(box.text);
        return texts;
    }
};

}  // namespace quire::fakes
