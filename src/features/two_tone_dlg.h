// CTwoToneDlg: the "2-Tone" dialog, a tab host over the Encode page and the
// Decode sheet of eight decode pages. No OK or Cancel: pages load when
// shown and store when hidden; only pages that were shown are stored, and
// the visible ones are stored however the dialog ends (close button, Esc).
#pragma once

#include "image/radio_image.h"
#include "widgets/setting_dlg.h"

class QTabWidget;

namespace radio {

class CTwoToneEncodePage;
class CTwoToneDecodeSheet;

class CTwoToneDlg : public CSettingDlg {
  Q_OBJECT
 public:
  explicit CTwoToneDlg(QWidget* parent);

  // Sets the dialog up on `image` without running it (a run does this first).
  void Open(RadioImage& image);

  QTabWidget* Tabs() const { return tabs_; }
  CTwoToneEncodePage* EncodePage() const { return encode_; }
  CTwoToneDecodeSheet* DecodeSheet() const { return decode_; }

  void done(int result) override;

 protected:
  // Builds fresh pages on the document's image and runs modally; the
  // pages store as they hide, however the dialog ends.
  int Edit(CProgramDoc& doc) override;

 private:
  QTabWidget* tabs_;
  CTwoToneEncodePage* encode_ = nullptr;
  CTwoToneDecodeSheet* decode_ = nullptr;
};

}  // namespace radio
