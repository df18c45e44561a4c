// CTwoToneDlg: the "2-Tone" dialog, a tab host over the Encode page and the
// Decode sheet of eight decode pages. No OK or Cancel: pages load when
// shown and store when hidden; only pages that were shown are stored, and
// the visible ones are stored however the dialog ends (close button, Esc).
#pragma once

#include <QDialog>

#include "image/program_doc.h"

class QTabWidget;

namespace radio {

class CTwoToneEncodePage;
class CTwoToneDecodeSheet;

class CTwoToneDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CTwoToneDlg(QWidget* parent);

  // Builds fresh pages on the document's image, runs modally and reports
  // to the document whether any byte changed.
  int Run(CProgramDoc& doc);
  // Sets the dialog up on `image` without running it (Run does this first).
  void Open(RadioImage& image);

  QTabWidget* Tabs() const { return tabs_; }
  CTwoToneEncodePage* EncodePage() const { return encode_; }
  CTwoToneDecodeSheet* DecodeSheet() const { return decode_; }

  void done(int result) override;

 private:
  QTabWidget* tabs_;
  CTwoToneEncodePage* encode_ = nullptr;
  CTwoToneDecodeSheet* decode_ = nullptr;
};

}  // namespace radio
