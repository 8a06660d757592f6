// An in-memory settings store for tests and the simulator. It keeps every value by
// (application, section, key) and logs reads and writes in order.
#pragma once

#include "shell/settings_store.h"

#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace glim {

class memory_store : public settings_store {
  public:
    std::string get_setting(const std::string& app, const std::string& section,
                            const std::string& key, const std::string& def) override;
    void save_setting(const std::string& app, const std::string& section, const std::string& key,
                      const std::string& value) override;

    // Direct access for tests, under the program's own application and section by default.
    void put(const std::string& key, const std::string& value);
    std::optional<std::string> get(const std::string& key) const;
    void erase(const std::string& key);
    std::size_t size() const { return values_.size(); }

    struct access {
        std::string app, section, key, value;  // value: the default on a read, the text on a write
        bool operator==(const access&) const = default;
    };
    std::vector<access> reads;
    std::vector<access> writes;

  private:
    std::map<std::tuple<std::string, std::string, std::string>, std::string> values_;
};

}  // namespace glim
