#include "shell/language_dlg.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "base/app_context.h"
#include "base/help.h"
#include "base/message_box.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "shell/restart.h"
#include "widgets/dialog_help.h"

namespace radio {

CLanguageDlg::CLanguageDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Language"));
  english_ = new QRadioButton(tr("English"), this);
  chinese_ = new QRadioButton(tr("Chinese"), this);
  english_->setObjectName("english");
  chinese_->setObjectName("chinese");
  SetControlId(english_, 1076);
  SetControlId(chinese_, 1077);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  // Our own texts: Qt's catalog of standard buttons may not be installed.
  buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
  SetControlId(buttons->button(QDialogButtonBox::Ok), 1);
  SetControlId(buttons->button(QDialogButtonBox::Cancel), 2);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(english_);
  layout->addWidget(chinese_);
  layout->addWidget(buttons);
  SetSelection(App().language == Language::Chinese ? 1 : 0);
}

int CLanguageDlg::Selection() const { return chinese_->isChecked() ? 1 : 0; }

void CLanguageDlg::SetSelection(int selection) {
  (selection == 1 ? chinese_ : english_)->setChecked(true);
}

void CLanguageDlg::Run(CMainFrame& frame) {
  if (exec() == QDialog::Accepted) Apply(frame, Selection());
}

void CLanguageDlg::Apply(CMainFrame& frame, int selection) {
  const int running = App().language == Language::Chinese ? 1 : 0;
  if (selection == running) return;

  // The new value must be on disk before anything closes: a read-only
  // program directory would otherwise restart in the old language.
  App().ini.Set("Setup", "Language", selection == 1 ? "Chinese" : "English");
  App().ini.Save(false);
  if (!App().ini.LastSaveOk()) {
    ShowMessage(&frame,
                tr("The language could not be saved to Program.ini. Please check that the "
                   "program directory can be written to."),
                QMessageBox::Critical);
    return;
  }

  RequestRestart();
  if (!frame.close()) {
    CancelRestart();
    ShowMessage(&frame, tr("The new language takes effect the next time the program starts."),
                QMessageBox::Information);
  }
}

void CLanguageDlg::keyPressEvent(QKeyEvent* event) {
  if (IsHelpKey(event)) {
    QWidget* focused = focusWidget();
    const bool onRadio = focused == english_ || focused == chinese_;
    ShowHelpContext(onRadio ? cmd::kLanguage : ControlId(focused));
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace radio
