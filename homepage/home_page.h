#pragma once
#include <memory>

#include "platform/ports.h"
#include "ui/form.h"

namespace velmora {

FormDescription DescribeHomePage();
std::unique_ptr<FormHandlers> MakeHomePageHandlers(const Ports& ports);

}  // namespace velmora
