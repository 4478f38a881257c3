#include "ui/form.h"

#include <algorithm>
#include <cctype>

namespace velmora {

const Control* FormDescription::Find(std::string_view controlName) const {
  const auto it = std::find_if(controls.begin(), controls.end(), [&](const Control& c) { return c.name == controlName; });
  return it == controls.end() ? nullptr : &*it;
}

TwipsRect FormDescription::WindowRect(const Control& control) const {
  TwipsRect rect = control.rect;
  for (const Control* parent = Find(control.container); parent; parent = Find(parent->container)) {
    rect.left += parent->rect.left;
    rect.top += parent->rect.top;
  }
  return rect;
}

Font FormDescription::EffectiveFont(const Control& control) const {
  for (const Control* c = &control; c; c = Find(c->container)) {
    if (c->font) return *c->font;
  }
  return font;
}

const Control* FormDescription::CancelButton() const {
  const auto it = std::find_if(controls.begin(), controls.end(), [](const Control& c) { return c.cancel; });
  return it == controls.end() ? nullptr : &*it;
}

const Control* FormDescription::DefaultButton() const {
  const auto it = std::find_if(controls.begin(), controls.end(), [](const Control& c) { return c.isDefault; });
  return it == controls.end() ? nullptr : &*it;
}

char AccessKey(std::string_view caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[i + 1])));
    ++i;
  }
  return 0;
}

std::string DisplayText(std::string_view caption) {
  std::string text;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    text.push_back(caption[i]);
  }
  return text;
}

}  // namespace velmora
