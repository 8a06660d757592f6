#include "platform/headless/recording_fxsnd.h"

namespace glim {

std::ostream& operator<<(std::ostream& os, const fxsnd_access& a) {
    switch (a.what) {
    case fxsnd_access::kind::events: return os << "(events)";
    case fxsnd_access::kind::get: return os << a.control << " read " << a.property;
    case fxsnd_access::kind::put:
        os << a.control << " set " << a.property << " := ";
        if (auto n = std::get_if<std::int32_t>(&a.value)) return os << *n;
        if (auto b = std::get_if<bool>(&a.value)) return os << (*b ? "True" : "False");
        return os << '"' << std::get<std::string>(a.value) << '"';
    }
    return os;
}

void recording_fxsnd::put_number(std::int32_t property, std::int32_t value) {
    log_.push_back(put(property, value));
}

void recording_fxsnd::put_bool(std::int32_t property, bool value) {
    log_.push_back(put(property, value));
}

void recording_fxsnd::put_text(std::int32_t property, const std::string& value) {
    log_.push_back(put(property, value));
}

double recording_fxsnd::get(std::int32_t property) {
    log_.push_back(read(property));
    if (property == fxsnd::prop_open_result) return open_result;
    if (property == fxsnd::prop_device_state) return device_state;
    return 0;
}

fxsnd_access recording_fxsnd::put(std::int32_t property, std::int32_t v) const {
    return {name_, fxsnd_access::kind::put, property, v};
}

fxsnd_access recording_fxsnd::put(std::int32_t property, bool v) const {
    return {name_, fxsnd_access::kind::put, property, v};
}

fxsnd_access recording_fxsnd::put(std::int32_t property, std::string v) const {
    return {name_, fxsnd_access::kind::put, property, std::move(v)};
}

fxsnd_access recording_fxsnd::read(std::int32_t property) const {
    return {name_, fxsnd_access::kind::get, property, std::int32_t{0}};
}

void recording_sound_host::process_events() {
    log_.push_back(events());
    if (during_events) during_events();
}

}  // namespace glim
