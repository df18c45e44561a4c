// CDtmfDlg: the "DTMF" dialog, a tab host over the Encode, Decode and
// CallList pages with no OK or Cancel. Each page loads when it is shown and
// stores when it is hidden; however the dialog ends (close button, Esc),
// the visible page is stored first.
#pragma once

#include <array>

#include "image/radio_image.h"
#include "widgets/setting_dlg.h"

class QTabWidget;

namespace radio {

class CImagePage;
class CDtmfEncodePage;
class CDtmfDecodePage;
class CDtmfCallListPage;

class CDtmfDlg : public CSettingDlg {
  Q_OBJECT
 public:
  explicit CDtmfDlg(QWidget* parent);

  // Sets the dialog up on `image` without running it (a run does this first).
  void Open(RadioImage& image);

  QTabWidget* Tabs() const { return tabs_; }
  CDtmfEncodePage* EncodePage() const;
  CDtmfDecodePage* DecodePage() const;
  CDtmfCallListPage* CallListPage() const;

  void done(int result) override;

 protected:
  // Builds fresh pages on the document's image and runs modally; the
  // pages store as they hide, however the dialog ends.
  int Edit(CProgramDoc& doc) override;

 private:
  void HideAllPages();

  QTabWidget* tabs_;
  std::array<CImagePage*, 3> pages_{};
  int current_ = -1;
};

}  // namespace radio
