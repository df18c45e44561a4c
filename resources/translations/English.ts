<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Export PDF…</source>
        <translation>Export PDF…</translation>
    </message>
    <message>
        <source>The program could not be started again. Please start it yourself to use the new language.</source>
        <translation>The program could not be started again. Please start it yourself to use the new language.</translation>
    </message>
</context>
<context>
    <name>radio::CAboutDlg</name>
    <message>
        <source>Programming software for dual-band FM handheld radios.</source>
        <translation>Programming software for dual-band FM handheld radios.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>radio::CDtmfDecodePage</name>
    <message>
        <source>ID Code</source>
        <translation>ID Code</translation>
    </message>
    <message>
        <source>Group Code</source>
        <translation>Group Code</translation>
    </message>
    <message>
        <source>Stun</source>
        <translation>Stun</translation>
    </message>
    <message>
        <source>Stun Activation</source>
        <translation>Stun Activation</translation>
    </message>
    <message>
        <source>Stun Code</source>
        <translation>Stun Code</translation>
    </message>
    <message>
        <source>Stun Type</source>
        <translation>Stun Type</translation>
    </message>
</context>
<context>
    <name>radio::CDtmfDlg</name>
    <message>
        <source>DTMF</source>
        <translation>DTMF</translation>
    </message>
</context>
<context>
    <name>radio::CDtmfEncodePage</name>
    <message>
        <source>DTMF Speed(digit/s)</source>
        <translation>DTMF Speed(digit/s)</translation>
    </message>
    <message>
        <source>First Digit Delay Time(ms)</source>
        <translation>First Digit Delay Time(ms)</translation>
    </message>
    <message>
        <source>First Digit Time(ms)</source>
        <translation>First Digit Time(ms)</translation>
    </message>
    <message>
        <source>* and # Digit Time(ms)</source>
        <translation>* and # Digit Time(ms)</translation>
    </message>
    <message>
        <source>SideTone</source>
        <translation>SideTone</translation>
    </message>
</context>
<context>
    <name>radio::CKeyAssignDlg</name>
    <message>
        <source>Option Singalling Call</source>
        <translation>Option Singalling Call</translation>
    </message>
    <message>
        <source>Emergency Call</source>
        <translation>Emergency Call</translation>
    </message>
    <message>
        <source>Send 1750Hz Singal</source>
        <translation>Send 1750Hz Singal</translation>
    </message>
    <message>
        <source>Squelch Off Momentary</source>
        <translation>Squelch Off Momentary</translation>
    </message>
    <message>
        <source>Key Assignment</source>
        <translation>Key Assignment</translation>
    </message>
    <message>
        <source>Side Key</source>
        <translation>Side Key</translation>
    </message>
</context>
<context>
    <name>radio::CLanguageDlg</name>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>The language could not be saved to Program.ini. Please check that the program directory can be written to.</source>
        <translation>The language could not be saved to Program.ini. Please check that the program directory can be written to.</translation>
    </message>
    <message>
        <source>The new language takes effect the next time the program starts.</source>
        <translation>The new language takes effect the next time the program starts.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>radio::CMainFrame</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Program</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Print Preview</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>P&amp;rint Setup...</translation>
    </message>
    <message>
        <source>Print Setup...</source>
        <translation>Print Setup...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Product Information</source>
        <translation>Product Information</translation>
    </message>
    <message>
        <source>Channel Information</source>
        <translation>Channel Information</translation>
    </message>
    <message>
        <source>Optional Features</source>
        <translation>Optional Features</translation>
    </message>
    <message>
        <source>DTMF</source>
        <translation>DTMF</translation>
    </message>
    <message>
        <source>Key Assignment</source>
        <translation>Key Assignment</translation>
    </message>
    <message>
        <source>MSK</source>
        <translation>MSK</translation>
    </message>
    <message>
        <source>2-Tone</source>
        <translation>2-Tone</translation>
    </message>
    <message>
        <source>Squelch Tuning</source>
        <translation>Squelch Tuning</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Read</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Write</translation>
    </message>
    <message>
        <source>Com Setup</source>
        <translation>Com Setup</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;About ...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Help Topics</source>
        <translation>Help Topics</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>Control &amp;Bar</source>
        <translation>Control &amp;Bar</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>All data will be Cleared!</source>
        <translation>All data will be Cleared!</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Create a new document</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Open an existing document</translation>
    </message>
    <message>
        <source>Close the active document</source>
        <translation>Close the active document</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Save the active document</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Save the active document with a new name</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>Print the active document</translation>
    </message>
    <message>
        <source>Display full pages</source>
        <translation>Display full pages</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>Change the printer and printing options</translation>
    </message>
    <message>
        <source>Quit the application</source>
        <translation>Quit the application</translation>
    </message>
    <message>
        <source>Read Data From Radio</source>
        <translation>Read Data From Radio</translation>
    </message>
    <message>
        <source>Write Data To Radio</source>
        <translation>Write Data To Radio</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Display program information, version number and copyright</translation>
    </message>
    <message>
        <source>Open Backup…</source>
        <translation>Open Backup…</translation>
    </message>
    <message>
        <source>Open a copy kept of an earlier read from the radio</source>
        <translation>Open a copy kept of an earlier read from the radio</translation>
    </message>
    <message>
        <source>Compare With…</source>
        <translation>Compare With…</translation>
    </message>
    <message>
        <source>Compare the active document with a file, a backup or the radio</source>
        <translation>Compare the active document with a file, a backup or the radio</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Undo %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Redo %1</translation>
    </message>
    <message>
        <source>Cu&amp;t Channels</source>
        <translation>Cu&amp;t Channels</translation>
    </message>
    <message>
        <source>&amp;Copy Channels</source>
        <translation>&amp;Copy Channels</translation>
    </message>
    <message>
        <source>&amp;Paste Channels</source>
        <translation>&amp;Paste Channels</translation>
    </message>
    <message>
        <source>&amp;Insert Empty Channel</source>
        <translation>&amp;Insert Empty Channel</translation>
    </message>
    <message>
        <source>&amp;Delete Channels</source>
        <translation>&amp;Delete Channels</translation>
    </message>
    <message>
        <source>C&amp;lear Channels</source>
        <translation>C&amp;lear Channels</translation>
    </message>
    <message>
        <source>Move Channels U&amp;p</source>
        <translation>Move Channels U&amp;p</translation>
    </message>
    <message>
        <source>Move Channels D&amp;own</source>
        <translation>Move Channels D&amp;own</translation>
    </message>
    <message>
        <source>Sort by Rx &amp;Frequency</source>
        <translation>Sort by Rx &amp;Frequency</translation>
    </message>
    <message>
        <source>Sort by &amp;Name</source>
        <translation>Sort by &amp;Name</translation>
    </message>
    <message>
        <source>Export Channels (CSV)…</source>
        <translation>Export Channels (CSV)…</translation>
    </message>
    <message>
        <source>Import Channels (CSV)…</source>
        <translation>Import Channels (CSV)…</translation>
    </message>
    <message>
        <source>Write the channels to a CSV file</source>
        <translation>Write the channels to a CSV file</translation>
    </message>
    <message>
        <source>Take channels from a CSV file, after a preview</source>
        <translation>Take channels from a CSV file, after a preview</translation>
    </message>
</context>
<context>
    <name>radio::CMskDlg</name>
    <message>
        <source>MSK</source>
        <translation>MSK</translation>
    </message>
    <message>
        <source>ID Code</source>
        <translation>ID Code</translation>
    </message>
    <message>
        <source>Call List</source>
        <translation>Call List</translation>
    </message>
</context>
<context>
    <name>radio::CNavigationBar</name>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>radio::COpenBackupDlg</name>
    <message>
        <source>Open Backup</source>
        <translation>Open Backup</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Bands (MHz)</source>
        <translation>Bands (MHz)</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>No backups yet. A copy of every complete read from a radio is kept here.</source>
        <translation>No backups yet. A copy of every complete read from a radio is kept here.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Backups in %1</source>
        <translation>Backups in %1</translation>
    </message>
</context>
<context>
    <name>radio::COptionalFeaturesDlg</name>
    <message>
        <source>Back Light</source>
        <translation>Back Light</translation>
    </message>
    <message>
        <source>Back Light Color</source>
        <translation>Back Light Color</translation>
    </message>
    <message>
        <source>Power-on Style</source>
        <translation>Power-on Style</translation>
    </message>
    <message>
        <source>Key Lock</source>
        <translation>Key Lock</translation>
    </message>
    <message>
        <source>Priority Channel</source>
        <translation>Priority Channel</translation>
    </message>
    <message>
        <source>Vox Gain Level</source>
        <translation>Vox Gain Level</translation>
    </message>
    <message>
        <source>Display Mode</source>
        <translation>Display Mode</translation>
    </message>
    <message>
        <source>Battery Saver</source>
        <translation>Battery Saver</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Beep</translation>
    </message>
    <message>
        <source>Tail</source>
        <translation>Tail</translation>
    </message>
    <message>
        <source>Scan Mode</source>
        <translation>Scan Mode</translation>
    </message>
    <message>
        <source>Squelch Level</source>
        <translation>Squelch Level</translation>
    </message>
    <message>
        <source>Step (k)</source>
        <translation>Step (k)</translation>
    </message>
    <message>
        <source>TOT (s)</source>
        <translation>TOT (s)</translation>
    </message>
    <message>
        <source>TOT Pre-Alert (s)</source>
        <translation>TOT Pre-Alert (s)</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Stopwatch</translation>
    </message>
    <message>
        <source>Short Press Orange Key</source>
        <translation>Short Press Orange Key</translation>
    </message>
    <message>
        <source>STR Set</source>
        <translation>STR Set</translation>
    </message>
    <message>
        <source>Allow Reset</source>
        <translation>Allow Reset</translation>
    </message>
    <message>
        <source>MSK Type</source>
        <translation>MSK Type</translation>
    </message>
    <message>
        <source>Optional Features</source>
        <translation>Optional Features</translation>
    </message>
    <message>
        <source>Keypad Lock</source>
        <translation>Keypad Lock</translation>
    </message>
    <message>
        <source>Repeater Msk Invert</source>
        <translation>Repeater Msk Invert</translation>
    </message>
</context>
<context>
    <name>radio::CPortSettingDlg</name>
    <message>
        <source>Port Setting</source>
        <translation>Port Setting</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>radio::CPrintListDlg</name>
    <message>
        <source>PrintList</source>
        <translation>PrintList</translation>
    </message>
    <message>
        <source>DTMF</source>
        <translation>DTMF</translation>
    </message>
    <message>
        <source>MSK</source>
        <translation>MSK</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Optional</translation>
    </message>
    <message>
        <source>2-Tone</source>
        <translation>2-Tone</translation>
    </message>
    <message>
        <source>Channel Info</source>
        <translation>Channel Info</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Clear All</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>radio::CProcessDlg</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Progress：</source>
        <translation>Progress：</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Process</translation>
    </message>
    <message>
        <source>Not start yet</source>
        <translation>Not start yet</translation>
    </message>
</context>
<context>
    <name>radio::CProductInfoDlg</name>
    <message>
        <source>Product Information</source>
        <translation>Product Information</translation>
    </message>
    <message>
        <source>Model Info</source>
        <translation>Model Info</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>——</source>
        <translation>——</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>radio::CProgramView</name>
    <message>
        <source>Error Data Format, please input again.</source>
        <translation>Error Data Format, please input again.</translation>
    </message>
    <message>
        <source>Error data Value, please input according the step value(6.25K/5k).</source>
        <translation>Error data Value, please input according the step value(6.25K/5k).</translation>
    </message>
    <message>
        <source>Out of range, please input again.</source>
        <translation>Out of range, please input again.</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>Caution</translation>
    </message>
    <message>
        <source>Edit channel %1 %2</source>
        <translation>Edit channel %1 %2</translation>
    </message>
    <message>
        <source>Cut Channels</source>
        <translation>Cut Channels</translation>
    </message>
    <message>
        <source>Copy Channels</source>
        <translation>Copy Channels</translation>
    </message>
    <message>
        <source>Paste Channels</source>
        <translation>Paste Channels</translation>
    </message>
    <message>
        <source>Insert Empty Channel</source>
        <translation>Insert Empty Channel</translation>
    </message>
    <message>
        <source>Delete Channels</source>
        <translation>Delete Channels</translation>
    </message>
    <message>
        <source>Clear Channels</source>
        <translation>Clear Channels</translation>
    </message>
    <message>
        <source>Move Channels Up</source>
        <translation>Move Channels Up</translation>
    </message>
    <message>
        <source>Move Channels Down</source>
        <translation>Move Channels Down</translation>
    </message>
    <message>
        <source>Sort by Rx Frequency</source>
        <translation>Sort by Rx Frequency</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>Sort by Name</translation>
    </message>
    <message>
        <source>Cut channels</source>
        <translation>Cut channels</translation>
    </message>
    <message>
        <source>Insert empty channel</source>
        <translation>Insert empty channel</translation>
    </message>
    <message>
        <source>Delete channels</source>
        <translation>Delete channels</translation>
    </message>
    <message>
        <source>Clear channels</source>
        <translation>Clear channels</translation>
    </message>
    <message>
        <source>Move channels up</source>
        <translation>Move channels up</translation>
    </message>
    <message>
        <source>Move channels down</source>
        <translation>Move channels down</translation>
    </message>
    <message>
        <source>Sort channels by name</source>
        <translation>Sort channels by name</translation>
    </message>
    <message>
        <source>Sort channels by receive frequency</source>
        <translation>Sort channels by receive frequency</translation>
    </message>
    <message>
        <source>Paste channels</source>
        <translation>Paste channels</translation>
    </message>
    <message>
        <source>Channel 128 is in use: inserting would lose it. Delete or move it first.</source>
        <translation>Channel 128 is in use: inserting would lose it. Delete or move it first.</translation>
    </message>
    <message>
        <source>Line %1: the receive frequency "%2" cannot be stored.</source>
        <translation>Line %1: the receive frequency "%2" cannot be stored.</translation>
    </message>
    <message>
        <source>The clipboard holds no channels.</source>
        <translation>The clipboard holds no channels.</translation>
    </message>
    <message>
        <source>The clipboard holds %1 channels but %2 are selected. Paste %3 channels from channel %4 on?</source>
        <translation>The clipboard holds %1 channels but %2 are selected. Paste %3 channels from channel %4 on?</translation>
    </message>
    <message>
        <source>Only %1 of the %2 channels fit before channel 128. Paste them?</source>
        <translation>Only %1 of the %2 channels fit before channel 128. Paste them?</translation>
    </message>
    <message>
        <source>Some rows were skipped: %1</source>
        <translation>Some rows were skipped: %1</translation>
    </message>
</context>
<context>
    <name>radio::CSettingDlg</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>radio::CSquelchTuningDlg</name>
    <message>
        <source>Squelch Tuning</source>
        <translation>Squelch Tuning</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>radio::CTwoToneDecodePage</name>
    <message>
        <source>A Tone(HZ)</source>
        <translation>A Tone(HZ)</translation>
    </message>
    <message>
        <source>B Tone(HZ)</source>
        <translation>B Tone(HZ)</translation>
    </message>
    <message>
        <source>The first delay time(s)</source>
        <translation>The first delay time(s)</translation>
    </message>
    <message>
        <source>The second delay time(s)</source>
        <translation>The second delay time(s)</translation>
    </message>
    <message>
        <source>Interval time(s)</source>
        <translation>Interval time(s)</translation>
    </message>
    <message>
        <source>Long tone delay time(s)</source>
        <translation>Long tone delay time(s)</translation>
    </message>
</context>
<context>
    <name>radio::CTwoToneDlg</name>
    <message>
        <source>2-Tone</source>
        <translation>2-Tone</translation>
    </message>
</context>
<context>
    <name>radio::CTwoToneEncodePage</name>
    <message>
        <source>The first delay time(s)</source>
        <translation>The first delay time(s)</translation>
    </message>
    <message>
        <source>The second delay time(s)</source>
        <translation>The second delay time(s)</translation>
    </message>
    <message>
        <source>Long tone delay time(s)</source>
        <translation>Long tone delay time(s)</translation>
    </message>
    <message>
        <source>Tone interval time(ms)</source>
        <translation>Tone interval time(ms)</translation>
    </message>
    <message>
        <source>Tx rise delay time(ms)</source>
        <translation>Tx rise delay time(ms)</translation>
    </message>
    <message>
        <source>Short beep tone</source>
        <translation>Short beep tone</translation>
    </message>
</context>
<context>
    <name>radio::PrintCommands</name>
    <message>
        <source>Export PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
</context>
<context>
    <name>radio::CCompareDlg</name>
    <message>
        <source>Compare With</source>
        <translation>Compare With</translation>
    </message>
    <message>
        <source>Choose what to compare this document with.</source>
        <translation>Choose what to compare this document with.</translation>
    </message>
    <message>
        <source>File…</source>
        <translation>File…</translation>
    </message>
    <message>
        <source>Backup…</source>
        <translation>Backup…</translation>
    </message>
    <message>
        <source>Radio…</source>
        <translation>Radio…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>the radio</source>
        <translation>the radio</translation>
    </message>
    <message>
        <source>Double-click to show this channel in the grid</source>
        <translation>Double-click to show this channel in the grid</translation>
    </message>
    <message>
        <source>No differences: %1 and this document hold the same image.</source>
        <translation>No differences: %1 and this document hold the same image.</translation>
    </message>
    <message>
        <source>Differences from %1 to this document: %2</source>
        <translation>Differences from %1 to this document: %2</translation>
    </message>
    <message>
        <source>Compare With File</source>
        <translation>Compare With File</translation>
    </message>
    <message>
        <source>Compare With Backup</source>
        <translation>Compare With Backup</translation>
    </message>
</context>
<context>
    <name>radio::CProgramDoc</name>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>radio::ChannelCsvCommands</name>
    <message>
        <source>… and %1 more</source>
        <translation>… and %1 more</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV files (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>Export Channels (CSV)</source>
        <translation>Export Channels (CSV)</translation>
    </message>
    <message>
        <source>Import Channels (CSV)</source>
        <translation>Import Channels (CSV)</translation>
    </message>
    <message>
        <source>The channels could not be written to "%1".
%2</source>
        <translation>The channels could not be written to "%1".
%2</translation>
    </message>
    <message>
        <source>"%1" cannot be opened.
%2</source>
        <translation>"%1" cannot be opened.
%2</translation>
    </message>
    <message>
        <source>"%1" cannot be read.
%2</source>
        <translation>"%1" cannot be read.
%2</translation>
    </message>
    <message>
        <source>No channel was imported: "%1" is not a channel list.

%2</source>
        <translation>No channel was imported: "%1" is not a channel list.

%2</translation>
    </message>
    <message>
        <source>No channel was imported: no row of "%1" changes a channel.</source>
        <translation>No channel was imported: no row of "%1" changes a channel.</translation>
    </message>
    <message>
        <source>%1 rows skipped:</source>
        <translation>%1 rows skipped:</translation>
    </message>
    <message>
        <source>Import channels from CSV</source>
        <translation>Import channels from CSV</translation>
    </message>
</context>
<context>
    <name>radio::CChannelImportDlg</name>
    <message>
        <source>Import Channels (CSV)</source>
        <translation>Import Channels (CSV)</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>Old</source>
        <translation>Old</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problems</translation>
    </message>
    <message>
        <source>%1 channels will change, %2 rows skipped</source>
        <translation>%1 channels will change, %2 rows skipped</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%1 / %2 MHz, tones %3 / %4, "%5", %6, %7, scan %8, busy lock %9</source>
        <translation>%1 / %2 MHz, tones %3 / %4, "%5", %6, %7, scan %8, busy lock %9</translation>
    </message>
    <message>
        <source>, signal %1 %2 / %3</source>
        <translation>, signal %1 %2 / %3</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(empty)</translation>
    </message>
    <message>
        <source>skipped: stays as it is</source>
        <translation>skipped: stays as it is</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>unchanged</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>warning: %1</translation>
    </message>
</context>
</TS>
