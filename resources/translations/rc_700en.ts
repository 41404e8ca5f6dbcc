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
    <name>kx700::CParameterSheet</name>
    <message>
        <source>Acties</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>Sturingen</source>
        <translation>Controls</translation>
    </message>
    <message>
        <source>Algemeen</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Lus</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Dossier</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Pagina&apos;s</source>
        <translation>Pages</translation>
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
    <name>kx700::Cadd</name>
    <message>
        <source>Toevoegen</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>&amp;Nummer</source>
        <translation>&amp;Number</translation>
    </message>
</context>
<context>
    <name>kx700::Cadd_zone</name>
    <message>
        <source>Toevoegen lus</source>
        <translation>Add zone</translation>
    </message>
    <message>
        <source>&amp;Nummer</source>
        <translation>&amp;Number</translation>
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
    <name>kx700::Ccontrol</name>
    <message>
        <source>Nummer</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Soort</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>&amp;Naam</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>S&amp;oort</source>
        <translation>&amp;Type</translation>
    </message>
    <message>
        <source>Gebeurtenis</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>Adres</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Relais</source>
        <translation>Relays</translation>
    </message>
    <message>
        <source>Adres %1</source>
        <translation>Address %1</translation>
    </message>
    <message>
        <source>Rij %1</source>
        <translation>Row %1</translation>
    </message>
    <message>
        <source>%1 - Gebeurtenis</source>
        <translation>%1 - Event</translation>
    </message>
    <message>
        <source>%1 - Module</source>
        <translation>%1 - Module</translation>
    </message>
    <message>
        <source>%1 - Adres</source>
        <translation>%1 - Address</translation>
    </message>
    <message>
        <source>%1 - Relais %2</source>
        <translation>%1 - Relay %2</translation>
    </message>
    <message>
        <source>Relaistekst</source>
        <translation>Relay text</translation>
    </message>
    <message>
        <source>BASISRELAIS: Relais 1,2 en 3 zijn beveiligde sirenekringen. - Relais 8 is fail safe.</source>
        <translation>BASE RELAYS: relays 1, 2 and 3 are monitored siren circuits. - Relay 8 is fail-safe.</translation>
    </message>
</context>
<context>
    <name>kx700::Crel_info</name>
    <message>
        <source>Geen</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Adres %1</source>
        <translation>Address %1</translation>
    </message>
    <message>
        <source>&amp;Soort</source>
        <translation>&amp;Type</translation>
    </message>
    <message>
        <source>&amp;Kaart</source>
        <translation>C&amp;ard</translation>
    </message>
    <message>
        <source>Tekst %1</source>
        <translation>Text %1</translation>
    </message>
    <message>
        <source>Positie</source>
        <translation>Position</translation>
    </message>
</context>
<context>
    <name>kx700::Csel_det_kind</name>
    <message>
        <source>Detectorsoort</source>
        <translation>Detector type</translation>
    </message>
    <message>
        <source>&amp;Soort</source>
        <translation>&amp;Type</translation>
    </message>
    <message>
        <source>&amp;Aantal</source>
        <translation>&amp;Quantity</translation>
    </message>
</context>
<context>
    <name>kx700::Czone</name>
    <message>
        <source>Nummer</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Actief</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>&amp;Zenerbarrier</source>
        <translation>&amp;Zener barrier</translation>
    </message>
    <message>
        <source>Niveaus</source>
        <translation>Levels</translation>
    </message>
    <message>
        <source>Waarschuwing - evacuatie</source>
        <translation>Warning - evacuation</translation>
    </message>
    <message>
        <source>Vertraagde evac. toegestaan</source>
        <translation>Delayed evacuation allowed</translation>
    </message>
    <message>
        <source>&amp;Interventietijd</source>
        <translation>&amp;Intervention time</translation>
    </message>
    <message>
        <source>Samenstelling</source>
        <translation>Composition</translation>
    </message>
    <message>
        <source>Detectorsoort toevoegen of wijzigen</source>
        <translation>Add or change detector type</translation>
    </message>
    <message>
        <source>Detectorsoort verwijderen</source>
        <translation>Delete detector type</translation>
    </message>
    <message>
        <source>&amp;Naam</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>&amp;Detectie</source>
        <translation>&amp;Detection</translation>
    </message>
    <message>
        <source>Melding</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Niveau (V)</source>
        <translation>Level (V)</translation>
    </message>
    <message>
        <source>Fout</source>
        <translation>Fault</translation>
    </message>
    <message>
        <source>Kortsluiting</source>
        <translation>Short circuit</translation>
    </message>
    <message>
        <source>Fout - Melding</source>
        <translation>Fault - Message</translation>
    </message>
    <message>
        <source>Fout - Niveau (V)</source>
        <translation>Fault - Level (V)</translation>
    </message>
    <message>
        <source>&amp;Lusafhankelijkheid</source>
        <translation>Zone de&amp;pendency</translation>
    </message>
    <message>
        <source>Lus&amp;sturing</source>
        <translation>Zone con&amp;trol</translation>
    </message>
    <message>
        <source>Meerv. alarm</source>
        <translation>Multiple alarm</translation>
    </message>
    <message>
        <source>Vooralarm</source>
        <translation>Pre-alarm</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>%1 - Melding</source>
        <translation>%1 - Message</translation>
    </message>
    <message>
        <source>%1 - Niveau (V)</source>
        <translation>%1 - Level (V)</translation>
    </message>
    <message>
        <source>Waarschuwing - evacuatie actief</source>
        <translation>Warning - evacuation active</translation>
    </message>
</context>
<context>
    <name>kx700::Exchange</name>
    <message>
        <source>Geef een geheel getal tussen %1 en %2 in.</source>
        <translation>Enter an integer between %1 and %2.</translation>
    </message>
    <message>
        <source>Geef een getal tussen %1 en %2 in.</source>
        <translation>Enter a number between %1 and %2.</translation>
    </message>
    <message>
        <source>Geef een geheel getal in.</source>
        <translation>Enter an integer.</translation>
    </message>
    <message>
        <source>Geef een getal in.</source>
        <translation>Enter a number.</translation>
    </message>
    <message>
        <source>Geef maximaal %1 tekens in.</source>
        <translation>Enter no more than %1 characters.</translation>
    </message>
</context>
<context>
    <name>kx700::NavigationBar</name>
    <message>
        <source>Snel terug</source>
        <translation>Fast backward</translation>
    </message>
    <message>
        <source>Vorige</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Toevoegen</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Nummer kiezen</source>
        <translation>Choose number</translation>
    </message>
    <message>
        <source>Verwijderen</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Volgende</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Snel verder</source>
        <translation>Fast forward</translation>
    </message>
</context>
<context>
    <name>kx700::NumberDialog</name>
    <message>
        <source>Toevoegen</source>
        <translation>Add</translation>
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
