#pragma once
#include <memory>

#include "app/window_rules.h"
#include "platform/ports.h"
#include "ui/form.h"

namespace velmora {

// A window of the program: what it looks like and what its events do.
struct FormParts {
  FormDescription description;
  std::unique_ptr<FormHandlers> handlers;
};

FormParts MakeForm(FormId id, const Ports& ports, Opener& opener);

}  // namespace velmora
