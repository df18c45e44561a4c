// The print commands of the channel view: Print (57607, Ctrl+P; 57608
// prints the same way), Print Preview (57609), Print Setup (57606) and
// File > "Export PDF…". Each asks CPrintListDlg for the sections first;
// Cancel prints nothing, a choice without pages says "Nothing to print".
// The caller supplies what to print at the moment a command runs.
#pragma once

#include <QObject>
#include <QPrinter>
#include <functional>
#include <optional>
#include <string>

#include "channels/name_text.h"
#include "image/channel_codec.h"
#include "image/language.h"
#include "image/radio_image.h"
#include "print/page_model.h"

class QWidget;

namespace radio {

class CPrintListDlg;

// A snapshot of the active document: its image, the grid's cell texts,
// the language and the owner line of the footer.
struct PrintData {
  RadioImage image{};
  ChannelTable channels;  // strings: default-initialised to empty
  Language lang = Language::English;
  std::string owner;
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

 private:
  // The section choice and plan for the current data; nothing when the
  // user cancels or nothing would print (the user is told).
  struct Job {
    PrintData data;
    print::PrintPlan plan;
    print::PrintSource Source() const {
      return print::PrintSource{
          data.image, data.channels, data.lang, data.owner,
          [lang = data.lang](const std::string& name) { return NameBytesToUtf8(name, lang); }};
    }
  };
  std::optional<Job> Prepare();

  QWidget* parent_;
  DataSource source_;
  CPrintListDlg* list_;
  QPrinter printer_;
};

}  // namespace radio
