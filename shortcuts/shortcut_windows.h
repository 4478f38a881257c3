#pragma once
#include <memory>
#include <string_view>

#include "platform/ports.h"
#include "ui/form.h"

namespace velmora {

FormDescription DescribeStartMenu();
FormDescription DescribeDesktopShortcuts();
FormDescription DescribeFavoritesMenu();

// A picture click writes that site's shortcut into the named folder ("StartMenu", ...).
std::unique_ptr<FormHandlers> MakeShortcutWindowHandlers(const Ports& ports, std::string_view folderName);

}  // namespace velmora
