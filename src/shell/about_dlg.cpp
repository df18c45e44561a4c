#include "shell/about_dlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/app_context.h"

namespace radio {
namespace {

constexpr int kIconSize = 32;

QLabel* TextLine(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  const AppContext& app = App();
  setWindowTitle(app.LanguageText("About Title"));

  // title.ico at the size stored in the file; the built-in icon otherwise.
  QIcon icon(app.programDir + "title.ico");
  programIcon_ = !icon.isNull() && !icon.availableSizes().isEmpty();
  if (!programIcon_) icon = QIcon(":/pictures/title.png");
  const QSize size = programIcon_ ? icon.availableSizes().last() : QSize(kIconSize, kIconSize);
  icon_ = new QLabel(this);
  icon_->setPixmap(icon.pixmap(size));
  icon_->setAlignment(Qt::AlignTop);

  version_ = TextLine(app.LanguageText("Version"), this);
  notice_ = TextLine(app.LanguageText("Copyrights"), this);
  owner_ = TextLine(app.LanguageText("Copyrights Owner"), this);
  auto* fixed = new QLabel(tr("Programming software for dual-band FM handheld radios."), this);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* grid = new QGridLayout;
  grid->addWidget(icon_, 0, 0, 4, 1);
  grid->addWidget(version_, 0, 1);
  grid->addWidget(notice_, 1, 1);
  grid->addWidget(owner_, 2, 1);
  grid->addWidget(fixed, 3, 1);
  grid->setHorizontalSpacing(16);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString CAboutDlg::VersionLine() const { return version_->text(); }
QString CAboutDlg::NoticeLine() const { return notice_->text(); }
QString CAboutDlg::OwnerLine() const { return owner_->text(); }

}  // namespace radio
