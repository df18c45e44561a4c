#include "features/key_assign_dlg.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

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

CKeyAssignDlg::CKeyAssignDlg(QWidget* parent) : CSettingDlg(parent) {
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

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(group);
  layout->addLayout(MakeOkCancelButtons(Qt::Vertical));
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QRadioButton* CKeyAssignDlg::Choice(int position) const {
  return qobject_cast<QRadioButton*>(choices_->button(position));
}

int CKeyAssignDlg::Edit(CProgramDoc& doc) {
  QAbstractButton* chosen = choices_->button(LoadSideKeyPosition(doc.Image()));
  chosen->setChecked(true);
  chosen->setFocus();
  const int result = exec();
  if (result == QDialog::Accepted) StoreSideKeyPosition(choices_->checkedId(), doc.Image());
  return result;
}

void CKeyAssignDlg::ShowHelpFor(const QWidget* focus) {
  const QList<QAbstractButton*> choices = choices_->buttons();
  const bool onChoice = std::find(choices.begin(), choices.end(), focus) != choices.end();
  ShowHelpContextIn(kHelpFile, onChoice ? kHelpContext : ControlId(focus));
}

}  // namespace radio
