#include "platform/headless/memory_store.h"

#include "shell/state.h"

namespace glim {

std::string memory_store::get_setting(const std::string& app, const std::string& section,
                                      const std::string& key, const std::string& def) {
    reads.push_back({app, section, key, def});
    auto it = values_.find({app, section, key});
    return it == values_.end() ? def : it->second;
}

void memory_store::save_setting(const std::string& app, const std::string& section,
                                const std::string& key, const std::string& value) {
    writes.push_back({app, section, key, value});
    values_[{app, section, key}] = value;
}

void memory_store::put(const std::string& key, const std::string& value) {
    values_[{settings_application, settings_section, key}] = value;
}

std::optional<std::string> memory_store::get(const std::string& key) const {
    auto it = values_.find({settings_application, settings_section, key});
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

void memory_store::erase(const std::string& key) {
    values_.erase({settings_application, settings_section, key});
}

}  // namespace glim
