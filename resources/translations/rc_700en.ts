<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>kx700::CAboutDlg</name>
    <message>
        <source>KX700 configuratie</source>
        <translation>KX700 configuration</translation>
    </message>
    <message>
        <source>Brandmeldcentrale KX700 - Quendar</source>
        <translation>KX700 fire detection panel - Quendar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>kx700::CMainFrame</name>
    <message>
        <source>&amp;Nieuw</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>Opslaan &amp;Als...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>&amp;Afdrukken...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>Afsluiten</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Wijzigen</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Ontvangen</source>
        <translation>Receive</translation>
    </message>
    <message>
        <source>Verzenden</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>Stilte</source>
        <translation>Silence</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Analoge waarden</source>
        <translation>Analog values</translation>
    </message>
    <message>
        <source>Technicus mode</source>
        <translation>Technician mode</translation>
    </message>
    <message>
        <source>Communicatie</source>
        <translation>Communication</translation>
    </message>
    <message>
        <source>Versie</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>&amp;Bestand</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Instellingen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>&amp;Extra</source>
        <translation>&amp;Extra</translation>
    </message>
    <message>
        <source>Werkbalk</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>Centrale</source>
        <translation>Control panel</translation>
    </message>
    <message>
        <source>Naamloos</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>KX700 - configuratie</source>
        <translation>KX700 - configuration</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Functies</source>
        <translation>Functions</translation>
    </message>
    <message>
        <source>Actualiseren</source>
        <translation>Updating</translation>
    </message>
</context>
<context>
    <name>kx700::CStatusBarWithProgress</name>
    <message>
        <source>Technicus mode: 000</source>
        <translation>Technician mode: 000</translation>
    </message>
</context>
<context>
    <name>kx700::Ccommunication_settings</name>
    <message>
        <source>Communicatie</source>
        <translation>Communication</translation>
    </message>
    <message>
        <source>Com. poort</source>
        <translation>COM port</translation>
    </message>
    <message>
        <source>Andere</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>kx700::QtFileDialogHost</name>
    <message>
        <source>Configuratiebestanden (*.qnd3)</source>
        <translation>Configuration files (*.qnd3)</translation>
    </message>
</context>
</TS>
