#pragma once
#include <memory>

#include "app/window_rules.h"
#include "ui/form.h"

namespace velmora {

FormDescription DescribeSplash();
std::unique_ptr<FormHandlers> MakeSplashHandlers(Opener& opener);

// Where the 16 logo tiles stand inside Frame1: a "V" monogram.
TwipsRect LogoTile(int index);

}  // namespace velmora
