#include "platform/progress_indicator.h"

namespace orv {

void ProgressIndicator::SetPosition(int position) {
  position_ = position;
  if (on_change) on_change(*this);
}

void ProgressIndicator::SetMaximum(int maximum) {
  maximum_ = maximum;
  if (on_change) on_change(*this);
}

void ProgressIndicator::SetText(std::string text) {
  text_ = std::move(text);
  if (on_text) on_text(text_);
  if (on_change) on_change(*this);
}

}  // namespace orv
