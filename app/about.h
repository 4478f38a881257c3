#pragma once
#include <memory>

#include "platform/ports.h"
#include "ui/form.h"

namespace velmora {

FormDescription DescribeAbout();
std::unique_ptr<FormHandlers> MakeAboutHandlers(const Ports& ports);

}  // namespace velmora
