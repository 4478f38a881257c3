#pragma once
#include <memory>

#include "platform/ports.h"
#include "ui/form.h"

namespace velmora {

constexpr unsigned kSpiSetDeskWallpaper = 20;
constexpr unsigned kSpifUpdateIniFile = 1;

FormDescription DescribeDesktopBackground();
std::unique_ptr<FormHandlers> MakeDesktopBackgroundHandlers(const Ports& ports);

}  // namespace velmora
