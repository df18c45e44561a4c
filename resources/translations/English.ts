<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
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
        <source>Read the data from the radio</source>
        <translation>Read the data from the radio</translation>
    </message>
    <message>
        <source>Write the data to the radio</source>
        <translation>Write the data to the radio</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Display program information, version number and copyright</translation>
    </message>
</context>
<context>
    <name>radio::CNavigationBar</name>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
</TS>
