#include "soak_window.h"

namespace quorvel::bench {

std::wstring SoakWindow::Text(platform::Box box) const {
  return box == platform::Box::Result ? box_ : form_.Text(box);
}

void SoakWindow::SetText(platform::Box box, const std::wstring& text) {
  if (box == platform::Box::Result) {
    box_ = text;
  } else {
    form_.SetText(box, text);
  }
}

}  // namespace quorvel::bench
