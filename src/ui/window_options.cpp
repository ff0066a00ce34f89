#include "ui/window_options.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <functional>
#include <optional>

#include "app/product.h"
#include "engine/ascii_text.h"
#include "engine/failure.h"
#include "engine/name_pattern.h"
#include "engine/run_plan.h"

namespace quire {
namespace {

constexpr std::array<std::pair<CounterStyle, std::string_view>, 3> kStyleNames{{
    {CounterStyle::Numbers, "Numbers"},
    {CounterStyle::CapitalLetters, "CapitalLetters"},
    {CounterStyle::SmallLetters, "SmallLetters"},
}};

std::string_view StyleName(CounterStyle style) {
    for (const auto& [value, name] : kStyleNames) {
        if (value == style) return name;
    }
    return kStyleNames.front().second;
}

std::string Flag(bool on) { return on ? "1" : "0"; }

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        if (!text.empty()) text += '\n';
        text += line;
    }
    return text;
}

// Each key as its text in the store; the defaults give the texts a store without the key stands
// for.
struct KeyText {
    std::string_view key;
    std::function<std::string(const WindowOptions&)> text;
};

const std::array<KeyText, 8>& Keys() {
    static const std::array<KeyText, 8> keys{{
        {setting::kOptionStart, [](const auto& o) { return std::to_string(o.run.start); }},
        {setting::kOptionStep, [](const auto& o) { return std::to_string(o.run.step); }},
        {setting::kOptionStyle, [](const auto& o) { return std::string(StyleName(o.run.style)); }},
        {setting::kOptionContinue, [](const auto& o) { return Flag(o.run.continueNumbering); }},
        {setting::kOptionEach, [](const auto& o) { return Joined(o.run.each); }},
        {setting::kOptionTemplate,
         [](const auto& o) { return o.run.templateFolder.value_or(std::string()); }},
        {setting::kOptionListed, [](const auto& o) { return Flag(o.listed); }},
        {setting::kOptionPortable, [](const auto& o) { return Flag(o.run.portable); }},
    }};
    return keys;
}

std::optional<std::int32_t> StoredCounter(std::string_view text, bool step) {
    const std::optional<std::int64_t> value = WholeNumber(text);
    if (!value || *value < (step ? INT32_MIN : 0) || *value > INT32_MAX || (step && *value == 0)) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(*value);
}

std::optional<bool> StoredFlag(std::string_view text) {
    if (text == "0") return false;
    if (text == "1") return true;
    return std::nullopt;
}

// Sets the option `key` stands for from its stored text; false when no option holds that text.
bool Take(WindowOptions& options, std::string_view key, const std::string& text) {
    RunOptions& run = options.run;
    const auto flag = [&](bool& slot) {
        const std::optional<bool> value = StoredFlag(text);
        if (value) slot = *value;
        return value.has_value();
    };
    const auto counter = [&](std::int32_t& slot, bool step) {
        const std::optional<std::int32_t> value = StoredCounter(text, step);
        if (value) slot = *value;
        return value.has_value();
    };
    if (key == setting::kOptionStart) return counter(run.start, false);
    if (key == setting::kOptionStep) return counter(run.step, true);
    if (key == setting::kOptionContinue) return flag(run.continueNumbering);
    if (key == setting::kOptionListed) return flag(options.listed);
    if (key == setting::kOptionPortable) return flag(run.portable);
    if (key == setting::kOptionEach) {
        run.each = NonEmptyLines(text);
        return true;
    }
    if (key == setting::kOptionTemplate) {
        if (!text.empty()) run.templateFolder = text;
        return true;
    }
    for (const auto& [value, name] : kStyleNames) {
        if (text == name) {
            run.style = value;
            return true;
        }
    }
    return false;
}

void AddProblem(std::string& problem, std::string_view what) {
    problem += problem.empty() ? std::string(product::kOptionUnreadable) + ": " : "; ";
    problem += what;
}

}  // namespace

std::optional<std::int64_t> WholeNumber(std::string_view text) {
    text = Trim(text);
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

void ForEachLine(std::string_view text,
                 const std::function<bool(std::string_view, std::int64_t)>& each) {
    for (std::int64_t number = 1; !text.empty(); ++number) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (!each(line, number)) return;
    }
}

std::vector<std::string> NonEmptyLines(std::string_view text) {
    std::vector<std::string> lines;
    ForEachLine(text, [&](std::string_view line, std::int64_t) {
        if (!line.empty()) lines.emplace_back(line);
        return true;
    });
    return lines;
}

StoredOptions ReadWindowOptions(SettingsStore& settings) {
    StoredOptions stored;
    try {
        for (const KeyText& key : Keys()) {
            const std::string text = settings.ReadSetting(key.key, "");
            if (text.empty() || Take(stored.options, key.key, text)) continue;
            AddProblem(stored.problem, std::string(key.key) + "=" + text);
            stored.stale.push_back(key.key);
        }
    } catch (const Failure&) {
        return {};
    }
    try {
        stored.options.names = settings.ReadLongSetting(setting::kOptionNames);
    } catch (const Failure& failure) {
        AddProblem(stored.problem, std::string(setting::kOptionNames) + ": " + failure.what());
        stored.options.listed = false;
    }
    return stored;
}

void WriteWindowOptions(SettingsStore& settings, const WindowOptions& before,
                        const WindowOptions& after, const std::vector<std::string_view>& stale) {
    for (const KeyText& key : Keys()) {
        const std::string text = key.text(after);
        if (text != key.text(before) ||
            std::find(stale.begin(), stale.end(), key.key) != stale.end()) {
            settings.WriteSetting(key.key, text);
        }
    }
    if (after.names != before.names) settings.WriteLongSetting(setting::kOptionNames, after.names);
}

std::string FirstFolder(std::string_view pattern, const WindowOptions& options,
                        std::optional<std::int32_t> highest) {
    if (!options.listed) return FirstFolderName(pattern, options.run, highest);
    std::string first;
    ForEachLine(options.names, [&](std::string_view line, std::int64_t) {
        if (line.empty()) return true;
        first = FirstFolderName(line, options.run);
        return false;
    });
    return first;
}

std::string OptionsTip(const WindowOptions& options) {
    if (!options.InEffect()) return std::string(product::kPreviewTip);
    const RunOptions& run = options.run;
    std::string tip(product::kOptionsInEffect);
    const auto line = [&](std::string_view text) { tip.append("\n").append(text); };
    if (options.listed) line(product::kTipListed);
    if (run.start != RunOptions{}.start)
        line(std::string(product::kOptionStart) + ' ' + std::to_string(run.start));
    if (run.step != RunOptions{}.step)
        line(std::string(product::kOptionStep) + ' ' + std::to_string(run.step));
    if (run.style == CounterStyle::CapitalLetters) line(product::kTipCapitals);
    if (run.style == CounterStyle::SmallLetters) line(product::kTipSmall);
    if (run.continueNumbering) line(product::kTipContinue);
    for (const std::string& path : run.each) line(std::string(product::kTipEach) + ' ' + path);
    if (run.templateFolder) line(std::string(product::kTipTemplate) + ' ' + *run.templateFolder);
    if (run.portable) line(product::kTipPortable);
    return tip;
}

}  // namespace quire
