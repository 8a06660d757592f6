// The per-user settings store: string values addressed by application, section and key. A read
// of a missing key returns the default the caller names; a write stores one key and leaves the
// others alone. The Windows build keeps the values in the registry; tests keep them in memory.
#pragma once

#include <string>

namespace glim {

class settings_store {
  public:
    virtual ~settings_store() = default;
    virtual std::string get_setting(const std::string& app, const std::string& section,
                                    const std::string& key, const std::string& def) = 0;
    virtual void save_setting(const std::string& app, const std::string& section,
                              const std::string& key, const std::string& value) = 0;
};

}  // namespace glim
