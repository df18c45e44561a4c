#include "shell/command_wiring.h"

#include "base/app_context.h"
#include "channels/product_info_dlg.h"
#include "channels/program_view.h"
#include "compare/compare_dlg.h"
#include "compare/radio_image_reader.h"
#include "features/dtmf_dlg.h"
#include "features/key_assign_dlg.h"
#include "features/msk_dlg.h"
#include "features/optional_features_dlg.h"
#include "features/two_tone_dlg.h"
#include "image/name_text.h"
#include "link/process_dlg.h"
#include "link/squelch_tuning_dlg.h"
#include "print/print_commands.h"
#include "shell/about_dlg.h"
#include "shell/channel_csv_commands.h"
#include "shell/command_ids.h"
#include "shell/language_dlg.h"
#include "shell/main_frame.h"
#include "shell/radio_commands.h"
#include "shell/radio_transfers.h"
#include "shell/safety_commands.h"

namespace radio {
namespace {

// The Read/Write/Com Setup handler of a channel view, made on first use and
// living as long as the view.
RadioCommands* RadioCommandsOf(CMainFrame& frame, CProgramView& view, const LinkFactory& links) {
  if (auto* existing = view.findChild<RadioCommands*>(QString(), Qt::FindDirectChildrenOnly))
    return existing;
  auto* commands = new RadioCommands(view, links);
  QObject::connect(
      commands, &RadioCommands::runningChanged, &frame, [&frame, &view, commands](bool running) {
        if (!running) return frame.Transfers().Ended(commands);
        frame.Transfers().Started(commands, &view.Document(), commands->Mode() == CloneMode::Write,
                                  [commands] { commands->Stop(); });
      });
  return commands;
}

// What the print commands print: the feature settings from the image, the
// channels as the grid shows them (an edit in progress taken over first).
PrintData ActivePrintData(CMainFrame& frame) {
  PrintData data;
  if (CProgramView* view = frame.ActiveView()) {
    view->CommitCellEdit();
    data.image = view->Document().Image();
    data.channels = view->Table();
  }
  data.lang = App().language;
  data.owner = App().LanguageText("Copyrights Owner").toStdString();
  data.names = GridNameDecoder(App().language);
  return data;
}

// File > "Compare With…": one comparison window per channel view, shown
// again when asked again; a channel line leads back to the view's grid.
void ShowCompareDialog(CMainFrame& frame, const LinkFactory& links) {
  CProgramView* view = frame.ActiveView();
  if (!view) return;
  auto* dialog = view->findChild<CCompareDlg*>(QString(), Qt::FindDirectChildrenOnly);
  if (!dialog) {
    dialog = new CCompareDlg(view->Document(), links, view);
    QObject::connect(dialog, &CCompareDlg::channelActivated, view,
                     [view](int row, int column) { view->SelectChannel(row, column); });
    QObject::connect(
        dialog, &CCompareDlg::radioRunningChanged, &frame, [&frame, dialog](bool running) {
          if (!running) return frame.Transfers().Ended(dialog);
          frame.Transfers().Started(dialog, nullptr, false,
                                    [dialog] { dialog->Reader().ProcessDialog().OnCancel(); });
        });
  }
  dialog->show();
  dialog->raise();
  dialog->activateWindow();
}

void WireRadioCommand(CMainFrame& frame, int id, void (RadioCommands::*handler)(),
                      const LinkFactory& links) {
  frame.SetCommandHandler(id, [&frame, handler, links] {
    if (CProgramView* view = frame.ActiveView()) (RadioCommandsOf(frame, *view, links)->*handler)();
  });
}

// Setup > Squelch Tuning: a dialog built afresh that talks to the radio.
void WireSquelchTuning(CMainFrame& frame, const LinkFactory& links) {
  frame.SetCommandHandler(cmd::kSquelchTuning, [&frame, links] {
    if (CProgramDoc* doc = frame.ActiveDocument()) {
      frame.RunRecorded(cmd::kSquelchTuning, *doc, [&frame, doc, &links] {
        CSquelchTuningDlg dialog(&frame, links);
        dialog.Run(*doc);
      });
    }
  });
}

}  // namespace

void WireCommands(CMainFrame& frame, const LinkFactory& links) {
  // Dialogs kept for the whole run and shown again and again.
  frame.WireLongLivedDialog<CProductInfoDlg>(cmd::kProductInformation);
  frame.WireLongLivedDialog<COptionalFeaturesDlg>(cmd::kOptionalFeatures);
  frame.WireLongLivedDialog<CDtmfDlg>(cmd::kDtmf);
  frame.WireLongLivedDialog<CMskDlg>(cmd::kMsk);
  frame.WireLongLivedDialog<CTwoToneDlg>(cmd::kTwoTone);
  // Dialogs built afresh for each command.
  frame.WireDialog<CKeyAssignDlg>(cmd::kKeyAssignment);
  WireSquelchTuning(frame, links);
  // Transfers with the radio, handled by the active channel view.
  WireRadioCommand(frame, cmd::kRead, &RadioCommands::OnRead, links);
  WireRadioCommand(frame, cmd::kWrite, &RadioCommands::OnWrite, links);
  WireRadioCommand(frame, cmd::kComSetup, &RadioCommands::OnComSetup, links);
  // Printing, with one printer set-up for the whole run.
  auto* printing = new PrintCommands(&frame, [&frame] { return ActivePrintData(frame); });
  frame.SetCommandHandler(cmd::kFilePrint, [printing] { printing->Print(); });
  frame.SetCommandHandler(cmd::kFilePrintPreview, [printing] { printing->PrintPreview(); });
  frame.SetCommandHandler(cmd::kFilePrintSetup, [printing] { printing->PrintSetup(); });
  frame.SetCommandHandler(cmd::kFileExportPdf, [printing] { printing->ExportPdf(); });
  // File > Open Backup: the copies kept of earlier reads.
  frame.SetCommandHandler(cmd::kFileOpenBackup, [&frame] { OnOpenBackup(frame); });
  // Comparing the document with a file, a backup or the radio.
  frame.SetCommandHandler(cmd::kFileCompareWith,
                          [&frame, links] { ShowCompareDialog(frame, links); });
  // Channels to and from CSV files, for the active channel view.
  auto* csv = new ChannelCsvCommands(&frame);
  frame.SetCommandHandler(cmd::kFileExportCsv, [&frame, csv] {
    if (CProgramView* view = frame.ActiveView()) csv->Export(*view);
  });
  frame.SetCommandHandler(cmd::kFileImportCsv, [&frame, csv] {
    if (CProgramView* view = frame.ActiveView()) csv->Import(*view);
  });
  // Setup > Language and Help > About.
  frame.SetCommandHandler(cmd::kLanguage, [&frame] {
    CLanguageDlg dialog(&frame);
    dialog.Run(frame);
  });
  frame.SetCommandHandler(cmd::kAppAbout, [&frame] {
    CAboutDlg dialog(&frame);
    dialog.exec();
  });
}

}  // namespace radio
