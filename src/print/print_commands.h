// The print commands of the channel view: Print (57607, Ctrl+P; 57608
// prints the same way), Print Preview (57609), Print Setup (57606) and
// File > "Export PDF…". Each asks CPrintListDlg for the sections first;
// Cancel prints nothing, a choice without pages says "Nothing to print".
// Export PDF gives a name typed without ".pdf" that ending and confirms the
// saved file in the status bar.
// The caller supplies what to print at the moment a command runs.
#pragma once

#include <QObject>
#include <QPrinter>
#include <functional>
#include <optional>
#include <string>

#include "image/channel_codec.h"
#include "image/language.h"
#include "image/radio_image.h"
#include "print/page_model.h"

class QWidget;

namespace radio {

class CPrintListDlg;

// A snapshot of the active document: its image, the grid's cell texts,
// the language, the owner line of the footer and the grid's name decoder.
struct PrintData {
  RadioImage image{};
  ChannelTable channels;  // strings: default-initialised to empty
  Language lang = Language::English;
  std::string owner;
  NameDecoder names;
};

class PrintCommands : public QObject {
  Q_OBJECT
 public:
  using DataSource = std::function<PrintData()>;

  PrintCommands(QWidget* parent, DataSource source);

  void Print();
  void PrintPreview();
  void PrintSetup();
  void ExportPdf();

  CPrintListDlg* ListDialog() const { return list_; }
  QPrinter& Printer() { return printer_; }

  // How Export PDF asks for the file (tests replace it): the folder it
  // starts in; an empty answer cancels.
  using FileNamePrompt = std::function<QString(const QString& folder)>;
  void SetFileNamePrompt(FileNamePrompt prompt) { prompt_ = std::move(prompt); }

 private:
  // The section choice and plan for the current data; nothing when the
  // user cancels or nothing would print (the user is told).
  struct Job {
    PrintData data;
    print::PrintPlan plan;
    print::PrintSource Source() const {
      return print::PrintSource{data.image, data.channels, data.lang, data.owner, data.names};
    }
  };
  std::optional<Job> Prepare();

  QWidget* parent_;
  DataSource source_;
  CPrintListDlg* list_;
  QPrinter printer_;
  FileNamePrompt prompt_;
};

}  // namespace radio
