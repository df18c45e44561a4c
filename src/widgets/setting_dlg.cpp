#include "widgets/setting_dlg.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QPushButton>

#include "base/help.h"
#include "image/program_doc.h"
#include "widgets/dialog_help.h"

namespace radio {

int CSettingDlg::Run(CProgramDoc& doc, const QString& stepName) {
  const RadioImage before = doc.Image();
  const int result = Edit(doc);
  doc.RecordChange(stepName, before);
  return result;
}

QBoxLayout* CSettingDlg::MakeOkCancelButtons(Qt::Orientation orientation) {
  auto* ok = new QPushButton(tr("OK"), this);
  auto* cancel = new QPushButton(tr("Cancel"), this);
  SetControlId(ok, 1);
  SetControlId(cancel, 2);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  const bool row = orientation == Qt::Horizontal;
  auto* buttons = new QBoxLayout(row ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
  if (row) buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  if (!row) buttons->addStretch();
  return buttons;
}

void CSettingDlg::ShowHelpFor(const QWidget* focus) {
  ShowHelpContext(ControlId(focus));
}

void CSettingDlg::keyPressEvent(QKeyEvent* event) {
  if (IsHelpKey(event)) {
    ShowHelpFor(focusWidget());
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace radio
