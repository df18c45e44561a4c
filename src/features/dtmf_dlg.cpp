#include "features/dtmf_dlg.h"

#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "base/app_context.h"
#include "features/dtmf_pages.h"
#include "widgets/dialog_help.h"
#include "widgets/key_filter.h"

namespace radio {

CDtmfDlg::CDtmfDlg(QWidget* parent) : CSettingDlg(parent) {
  setWindowTitle(tr("DTMF"));
  setMinimumSize(380, 320);
  tabs_ = new QTabWidget(this);
  SetControlId(tabs_, 1036);
  tabs_->setStyleSheet("QTabBar::tab { min-width: 60px; }");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  (new CKeyFilter(nullptr, this))->Watch(tabs_->tabBar());
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
    if (index < 0 || index == current_ || !pages_[static_cast<std::size_t>(index)]) return;
    if (current_ >= 0) pages_[static_cast<std::size_t>(current_)]->HidePage();
    current_ = index;
    pages_[static_cast<std::size_t>(index)]->ShowPage();
  });
}

void CDtmfDlg::Open(RadioImage& image) {
  const AppContext& app = App();
  current_ = -1;
  pages_ = {};
  while (tabs_->count() > 0) {
    QWidget* old = tabs_->widget(0);
    tabs_->removeTab(0);
    delete old;
  }
  auto* encode = new CDtmfEncodePage(image, tabs_);
  auto* decode = new CDtmfDecodePage(image, tabs_);
  auto* callList = new CDtmfCallListPage(image, tabs_);
  tabs_->addTab(encode, app.Tr("Encode", "编码"));
  tabs_->addTab(decode, app.Tr("Decode", "解码"));
  tabs_->addTab(callList, app.Tr("CallList", "呼叫列表"));
  pages_ = {encode, decode, callList};
  tabs_->setCurrentIndex(0);
  current_ = 0;
  encode->ShowPage();
}

int CDtmfDlg::Edit(CProgramDoc& doc) {
  Open(doc.Image());
  return exec();
}

void CDtmfDlg::HideAllPages() {
  for (CImagePage* page : pages_)
    if (page) page->HidePage();
}

void CDtmfDlg::done(int result) {
  HideAllPages();
  QDialog::done(result);
}

CDtmfEncodePage* CDtmfDlg::EncodePage() const {
  return static_cast<CDtmfEncodePage*>(pages_[0]);
}
CDtmfDecodePage* CDtmfDlg::DecodePage() const {
  return static_cast<CDtmfDecodePage*>(pages_[1]);
}
CDtmfCallListPage* CDtmfDlg::CallListPage() const {
  return static_cast<CDtmfCallListPage*>(pages_[2]);
}

}  // namespace radio
