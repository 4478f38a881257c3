#pragma once
#include <memory>
#include <string_view>

#include "app/window_rules.h"
#include "platform/ports.h"
#include "ui/form.h"

namespace velmora {

constexpr std::string_view kMainDescription =
    "Velmora  - Varro Edition provides the following options so that you can add links to the best Varro websites "
    "for Everyone on the internet. There are over 20 links to add to your computer. You can choose from 1 to all of "
    "them for each area. You can also change your desktop image and your Internet Explorer Home Page.";

FormDescription DescribeMainWindow();
std::unique_ptr<FormHandlers> MakeMainWindowHandlers(Opener& opener, Shell& shell);

}  // namespace velmora
