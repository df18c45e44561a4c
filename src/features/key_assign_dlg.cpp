#include "features/key_assign_dlg.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "base/help.h"
#include "features/side_key_fields.h"
#include "widgets/dialog_help.h"

namespace radio {
namespace {

// The buttons by position; the stored code is 3 - position.
constexpr const char* kChoiceLabels[kSideKeyChoices] = {
    QT_TRANSLATE_NOOP("radio::CKeyAssignDlg", "Option Singalling Call"),
    QT_TRANSLATE_NOOP("radio::CKeyAssignDlg", "Emergency Call"),
    QT_TRANSLATE_NOOP("radio::CKeyAssignDlg", "Send 1750Hz Singal"),
    QT_TRANSLATE_NOOP("radio::CKeyAssignDlg", "Squelch Off Momentary"),
};
constexpr int kFirstChoiceId = 1076;
// Help for this dialog always comes from the English file; the radio
// buttons share the command's own help topic.
constexpr char kHelpFile[] = "enHelp.html";
constexpr int kHelpContext = 32800;

}  // namespace

CKeyAssignDlg::CKeyAssignDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Key Assignment"));
  auto* group = new QGroupBox(tr("Side Key"), this);
  auto* groupLayout = new QVBoxLayout(group);
  choices_ = new QButtonGroup(this);
  for (int position = 0; position < kSideKeyChoices; ++position) {
    auto* button = new QRadioButton(tr(kChoiceLabels[position]), group);
    SetControlId(button, kFirstChoiceId + position);
    choices_->addButton(button, position);
    groupLayout->addWidget(button);
  }

  auto* ok = new QPushButton(tr("OK"), this);
  auto* cancel = new QPushButton(tr("Cancel"), this);
  SetControlId(ok, 1);
  SetControlId(cancel, 2);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->addStretch();

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(group);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QRadioButton* CKeyAssignDlg::Choice(int position) const {
  return qobject_cast<QRadioButton*>(choices_->button(position));
}

int CKeyAssignDlg::Run(CProgramDoc& doc) {
  QAbstractButton* chosen = choices_->button(LoadSideKeyPosition(doc.Image()));
  chosen->setChecked(true);
  chosen->setFocus();
  const int result = exec();
  if (result == QDialog::Accepted) {
    const RadioImage before = doc.Image();
    StoreSideKeyPosition(choices_->checkedId(), doc.Image());
    if (doc.Image() != before) doc.ImageChanged(true);
  }
  return result;
}

void CKeyAssignDlg::keyPressEvent(QKeyEvent* event) {
  if (IsHelpKey(event)) {
    QWidget* focus = focusWidget();
    const bool onChoice = choices_->buttons().contains(qobject_cast<QAbstractButton*>(focus));
    ShowHelpContextIn(kHelpFile, onChoice ? kHelpContext : ControlId(focus));
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace radio
