// The program's command identifiers. Menus, toolbar, accelerators, the
// navigation tree and help contexts all speak these numbers; the framework's
// standard commands keep their customary values.
#pragma once

namespace radio::cmd {

// File
constexpr int kFileNew = 57600;
constexpr int kFileOpen = 57601;
constexpr int kFileClose = 57602;
constexpr int kFileSave = 57603;
constexpr int kFileSaveAs = 57604;
constexpr int kFilePrintSetup = 57606;
constexpr int kFilePrint = 57607;
constexpr int kFilePrintPreview = 57609;
constexpr int kAppExit = 57665;
constexpr int kAppAbout = 57664;
constexpr int kHelp = 57670;  // F1: context help
constexpr int kNextPane = 57680;  // F6
constexpr int kPrevPane = 57681;  // Shift+F6

// View
constexpr int kViewToolbar = 59392;
constexpr int kViewStatusBar = 59393;
constexpr int kViewControlBar = 32772;  // navigation bar, Ctrl+B

// Edit: undo history and whole channels of the grid
constexpr int kEditClear = 57632;
constexpr int kEditCopy = 57634;
constexpr int kEditCut = 57635;
constexpr int kEditPaste = 57637;
constexpr int kEditUndo = 57643;
constexpr int kEditRedo = 57644;
constexpr int kEditInsertChannel = 32810;
constexpr int kEditDeleteChannels = 32811;
constexpr int kEditMoveUp = 32812;
constexpr int kEditMoveDown = 32813;
constexpr int kEditSortFrequency = 32814;
constexpr int kEditSortName = 32815;

// Edit: the setting pages of the radio
constexpr int kProductInformation = 32786;
constexpr int kChannelInformation = 32787;
constexpr int kOptionalFeatures = 32788;
constexpr int kDtmf = 32789;
constexpr int kMsk = 32790;
constexpr int kTwoTone = 32791;
constexpr int kHelpDefaultTopic = 32793;
constexpr int kKeyAssignment = 32800;
constexpr int kSquelchTuning = 32801;

// Program and Setup
constexpr int kRead = 32773;
constexpr int kWrite = 32774;
constexpr int kComSetup = 32777;
constexpr int kLanguage = 32799;
constexpr int kFileExportPdf = 32802;  // File > "Export PDF…"
constexpr int kFileOpenBackup = 32830;  // File > "Open Backup…"
constexpr int kFileCompareWith = 32831;  // File > "Compare With…"

// File: channels to and from CSV files
constexpr int kFileExportCsv = 32840;  // "Export Channels (CSV)…"
constexpr int kFileImportCsv = 32841;  // "Import Channels (CSV)…"

// Help contexts of the windows themselves (framework help id minus 0x10000):
// the main window without a document (menu 128) and with one (menu 129).
constexpr int kHelpContextMainFrame = 0x10000 + 128;
constexpr int kHelpContextDocument = 0x10000 + 129;

}  // namespace radio::cmd
