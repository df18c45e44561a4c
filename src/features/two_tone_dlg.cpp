#include "features/two_tone_dlg.h"

#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "base/app_context.h"
#include "features/two_tone_pages.h"
#include "widgets/dialog_help.h"
#include "widgets/key_filter.h"

namespace radio {

CTwoToneDlg::CTwoToneDlg(QWidget* parent) : CSettingDlg(parent) {
  setWindowTitle(tr("2-Tone"));
  setMinimumSize(680, 340);
  tabs_ = new QTabWidget(this);
  SetControlId(tabs_, 1074);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  (new CKeyFilter(nullptr, this))->Watch(tabs_->tabBar());
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
    if (!encode_) return;
    // The Encode page stores when the Decode sheet takes its place; the
    // decode pages load and store on their own tabs only.
    if (index == 1)
      encode_->HidePage();
    else if (index == 0)
      encode_->ShowPage();
  });
}

void CTwoToneDlg::Open(RadioImage& image) {
  const AppContext& app = App();
  encode_ = nullptr;
  decode_ = nullptr;
  while (tabs_->count() > 0) {
    QWidget* old = tabs_->widget(0);
    tabs_->removeTab(0);
    delete old;
  }
  auto* encode = new CTwoToneEncodePage(image, tabs_);
  auto* decode = new CTwoToneDecodeSheet(image, tabs_);
  tabs_->addTab(encode, app.Tr("Encode", "编码"));
  tabs_->addTab(decode, app.Tr("Decode", "解码"));
  tabs_->setCurrentIndex(0);
  encode_ = encode;
  decode_ = decode;
  encode_->ShowPage();
}

int CTwoToneDlg::Edit(CProgramDoc& doc) {
  Open(doc.Image());
  return exec();
}

void CTwoToneDlg::done(int result) {
  if (encode_) encode_->HidePage();
  if (decode_) decode_->HideCurrentPage();
  QDialog::done(result);
}

}  // namespace radio
