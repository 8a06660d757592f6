// (to be written)
#pragma once

#include "platform/win32/app.h"
#include "platform/win32/forms.h"

namespace glim {

class frm_configuration : public win32::form {
public:
    explicit frm_configuration(win32::app_context& app);

private:
    win32::app_context& app_;
};

}  // namespace glim
