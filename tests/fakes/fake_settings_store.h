// A settings store in memory that records writes and can refuse them.
#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/settings_store.h"
#include "engine/failure.h"

namespace quire::fakes {

class FakeSettingsStore final : public SettingsStore {
public:
    std::map<std::string, std::string, std::less<>> values;
    std::vector<std::pair<std::string, std::string>> writes;
    std::set<std::string, std::less<>> unreadable;  // keys whose read fails
    std::map<std::string, std::string, std::less<>> longValues;
    bool failWrites = false;

    std::string ReadSetting(std::string_view key, std::string_view fallback) override {
        if (unreadable.count(key) != 0) throw Failure("Cannot read the settings store");
        const auto it = values.find(key);
        return it == values.end() ? std::string(fallback) : it->second;
    }

    void WriteSetting(std::string_view key, std::string_view value) override {
        if (failWrites) throw Failure("Access is denied.");
        writes.emplace_back(key, value);
        values[std::string(key)] = std::string(value);
    }

    std::string ReadLongSetting(std::string_view key) override {
        if (unreadable.count(key) != 0) throw Failure("Cannot read the settings store");
        const auto it = longValues.find(key);
        return it == longValues.end() ? std::string() : it->second;
    }

    void WriteLongSetting(std::string_view key, std::string_view value) override {
        if (failWrites) throw Failure("Access is denied.");
        writes.emplace_back(key, "(long)");
        longValues[std::string(key)] = std::string(value);
    }
};

}  // namespace quire::fakes
