#include "features/image_page.h"

namespace radio {

void CImagePage::ShowPage() {
  Load();
  shown_ = true;
}

void CImagePage::HidePage() {
  if (!shown_) return;
  shown_ = false;
  Store();
}

}  // namespace radio
