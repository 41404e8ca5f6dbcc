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
    <name>kx700::CLogboek</name>
    <message>
        <source>Exporteren als tekstbestand</source>
        <translation>Export as text file</translation>
    </message>
    <message>
        <source>Exporteren als werkmap</source>
        <translation>Export as workbook</translation>
    </message>
    <message>
        <source>Zoeken</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Zoektekst</source>
        <translation>Search text</translation>
    </message>
    <message>
        <source>Zoeken in</source>
        <translation>Search in</translation>
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
    <message>
        <source>Afdrukvoorbeeld</source>
        <translation>Print Preview</translation>
    </message>
    <message>
        <source>Printerinstellingen</source>
        <translation>Print Setup</translation>
    </message>
    <message>
        <source>Logboek</source>
        <translation>Logbook</translation>
    </message>
    <message>
        <source>Periferie</source>
        <translation>Periphery</translation>
    </message>
    <message>
        <source>Sturingen testen</source>
        <translation>Test controls</translation>
    </message>
    <message>
        <source>Instellen datum/tijd</source>
        <translation>Set date/time</translation>
    </message>
    <message>
        <source>Instellen taal</source>
        <translation>Set language</translation>
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
    <name>kx700::CPc_kx700View</name>
    <message>
        <source>Parameters</source>
        <translation>Parameters</translation>
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
    <name>kx700::CVersion</name>
    <message>
        <source>Versies periferie</source>
        <translation>Periphery versions</translation>
    </message>
    <message>
        <source>Minimum versie</source>
        <translation>Minimum version</translation>
    </message>
    <message>
        <source>Aanbevolen versie</source>
        <translation>Recommended version</translation>
    </message>
    <message>
        <source>Legende</source>
        <translation>Legend</translation>
    </message>
    <message>
        <source>Versies</source>
        <translation>Versions</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
    <name>kx700::Cadjust_time</name>
    <message>
        <source>PC-tijd</source>
        <translation>PC time</translation>
    </message>
    <message>
        <source>Instellen</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Instellen datum/tijd</source>
        <translation>Set date/time</translation>
    </message>
    <message>
        <source>&amp;Datum</source>
        <translation>&amp;Date</translation>
    </message>
    <message>
        <source>&amp;Tijd</source>
        <translation>&amp;Time</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>kx700::Cadvanced</name>
    <message>
        <source>Geavanceerd</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>Evacuatie bekrachtigt &apos;Algemeen alarm&apos;</source>
        <translation>Evacuation activates &apos;General alarm&apos;</translation>
    </message>
    <message>
        <source>Reset &apos;storingen&apos; automatisch</source>
        <translation>Reset &apos;faults&apos; automatically</translation>
    </message>
    <message>
        <source>Evacuatie vertraging</source>
        <translation>Evacuation delay</translation>
    </message>
    <message>
        <source>Schakelt enkel naar &apos;Evacuatie vertraagd&apos;</source>
        <translation>Switches only to &apos;Delayed evacuation&apos;</translation>
    </message>
    <message>
        <source>Bediening</source>
        <translation>Operation</translation>
    </message>
    <message>
        <source>START/STOP sirenes</source>
        <translation>START/STOP sirens</translation>
    </message>
    <message>
        <source>Waarschuwing</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Waarschuwing/Evacuatie</source>
        <translation>Warning/Evacuation</translation>
    </message>
    <message>
        <source>UIT DIENST sirenes</source>
        <translation>Sirens OUT OF SERVICE</translation>
    </message>
    <message>
        <source>Evacuatie - Sirenes</source>
        <translation>Evacuation - Sirens</translation>
    </message>
    <message>
        <source>Evacuatie - Reset en Stilte</source>
        <translation>Evacuation - Reset and Silence</translation>
    </message>
</context>
<context>
    <name>kx700::Can_val_selbar</name>
    <message>
        <source>Analoge waarde</source>
        <translation>Analog value</translation>
    </message>
    <message>
        <source>In/uit dienst</source>
        <translation>In/out of service</translation>
    </message>
    <message>
        <source>In/uit test</source>
        <translation>In/out of test</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Observatie</source>
        <translation>Observation</translation>
    </message>
</context>
<context>
    <name>kx700::Can_values</name>
    <message>
        <source>Binnen bereik</source>
        <translation>Within range</translation>
    </message>
    <message>
        <source>Buiten bereik</source>
        <translation>Out of range</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Legende</source>
        <translation>Legend</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Lus</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Lustekst</source>
        <translation>Zone text</translation>
    </message>
    <message>
        <source>Lussen %1 - %2</source>
        <translation>Zones %1 - %2</translation>
    </message>
    <message>
        <source>Analoge waarden</source>
        <translation>Analog values</translation>
    </message>
</context>
<context>
    <name>kx700::Canval_info</name>
    <message>
        <source>Info - Analoge waarden</source>
        <translation>Info - Analog values</translation>
    </message>
    <message>
        <source>Waarde - Lusspanning</source>
        <translation>Value - Zone voltage</translation>
    </message>
    <message>
        <source>0,3 V   Geen alarm</source>
        <translation>0.3 V   No alarm</translation>
    </message>
    <message>
        <source>1,7 V   Eén detector in alarm</source>
        <translation>1.7 V   One detector in alarm</translation>
    </message>
    <message>
        <source>3,1 V   Twee detectoren in alarm</source>
        <translation>3.1 V   Two detectors in alarm</translation>
    </message>
    <message>
        <source>4,3 V   Drie detectoren in alarm</source>
        <translation>4.3 V   Three detectors in alarm</translation>
    </message>
    <message>
        <source>5,2 V   Vier detectoren in alarm</source>
        <translation>5.2 V   Four detectors in alarm</translation>
    </message>
    <message>
        <source>5,9 V   Vijf detectoren in alarm</source>
        <translation>5.9 V   Five detectors in alarm</translation>
    </message>
    <message>
        <source>MERK OP: Bovenstaande waarden zijn slechts een indicatie.</source>
        <translation>NOTE: The values above are only an indication.</translation>
    </message>
</context>
<context>
    <name>kx700::Ccentral</name>
    <message>
        <source>Backbeep</source>
        <translation>Backbeep</translation>
    </message>
    <message>
        <source>Zomer/wintertijd</source>
        <translation>Summer/winter time</translation>
    </message>
    <message>
        <source>Omschakeltijd evacuatie direct</source>
        <translation>Switch-over time to direct evacuation</translation>
    </message>
    <message>
        <source>Actief</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Omschakeltijd evacuatie direct actief</source>
        <translation>Switch-over time to direct evacuation active</translation>
    </message>
    <message>
        <source>Beveiligde sirenekring</source>
        <translation>Monitored siren circuit</translation>
    </message>
    <message>
        <source>Relais %1</source>
        <translation>Relay %1</translation>
    </message>
    <message>
        <source>Stiltesturing toevoegen</source>
        <translation>Add silence control</translation>
    </message>
    <message>
        <source>Stiltesturing verwijderen</source>
        <translation>Remove silence control</translation>
    </message>
    <message>
        <source>Geavanceerd</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>&amp;Centrale</source>
        <translation>Co&amp;ntrol panel</translation>
    </message>
    <message>
        <source>&amp;Project</source>
        <translation>&amp;Project</translation>
    </message>
    <message>
        <source>Code &amp;bediening</source>
        <translation>Opera&amp;ting code</translation>
    </message>
    <message>
        <source>Code &amp;geavanceerd</source>
        <translation>&amp;Advanced code</translation>
    </message>
    <message>
        <source>&amp;Evacuatie reactietijd</source>
        <translation>&amp;Evacuation reaction time</translation>
    </message>
    <message>
        <source>min.</source>
        <translation>min.</translation>
    </message>
    <message>
        <source>uur</source>
        <translation>hour</translation>
    </message>
    <message>
        <source>&amp;Relaiskaarten</source>
        <translation>Re&amp;lay cards</translation>
    </message>
    <message>
        <source>&amp;Herhaalborden</source>
        <translation>&amp;Repeater panels</translation>
    </message>
    <message>
        <source>&amp;Algemene sturing</source>
        <translation>&amp;General control</translation>
    </message>
    <message>
        <source>&amp;Waarschuwing - evacuatie</source>
        <translation>&amp;Warning - evacuation</translation>
    </message>
    <message>
        <source>&amp;Stiltesturingen</source>
        <translation>&amp;Silence controls</translation>
    </message>
    <message>
        <source>Stiltesturingen</source>
        <translation>Silence controls</translation>
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
    <name>kx700::Cdocu</name>
    <message>
        <source>Inbedrijfstelling</source>
        <translation>Commissioning</translation>
    </message>
    <message>
        <source>Vergrendeld</source>
        <translation>Locked</translation>
    </message>
    <message>
        <source>Toebehoren</source>
        <translation>Accessories</translation>
    </message>
    <message>
        <source>Telefoonkiezer</source>
        <translation>Telephone dialler</translation>
    </message>
    <message>
        <source>Locatie toevoegen of wijzigen</source>
        <translation>Add or change location</translation>
    </message>
    <message>
        <source>Locatie verwijderen</source>
        <translation>Remove location</translation>
    </message>
    <message>
        <source>&amp;Klant</source>
        <translation>C&amp;ustomer</translation>
    </message>
    <message>
        <source>C&amp;ontactpersoon</source>
        <translation>Contact &amp;person</translation>
    </message>
    <message>
        <source>A&amp;dres</source>
        <translation>&amp;Address</translation>
    </message>
    <message>
        <source>&amp;Telefoon</source>
        <translation>&amp;Telephone</translation>
    </message>
    <message>
        <source>&amp;e-mail</source>
        <translation>&amp;e-mail</translation>
    </message>
    <message>
        <source>&amp;Installateur</source>
        <translation>&amp;Installer</translation>
    </message>
    <message>
        <source>Te&amp;chnicus</source>
        <translation>Tec&amp;hnician</translation>
    </message>
    <message>
        <source>Dat&amp;um</source>
        <translation>&amp;Date</translation>
    </message>
    <message>
        <source>&amp;Productienummer: C</source>
        <translation>Production nu&amp;mber: C</translation>
    </message>
    <message>
        <source>Verbruik &amp;rust</source>
        <translation>&amp;Quiescent consumption</translation>
    </message>
    <message>
        <source>Ampère</source>
        <translation>Ampere</translation>
    </message>
    <message>
        <source>Verbruik a&amp;larm</source>
        <translation>A&amp;larm consumption</translation>
    </message>
    <message>
        <source>&amp;Batterijen</source>
        <translation>&amp;Batteries</translation>
    </message>
    <message>
        <source>Ah</source>
        <translation>Ah</translation>
    </message>
    <message>
        <source>&amp;Sirenes</source>
        <translation>&amp;Sirens</translation>
    </message>
    <message>
        <source>&amp;Zoemers</source>
        <translation>Bu&amp;zzers</translation>
    </message>
    <message>
        <source>&amp;Flitslichten</source>
        <translation>&amp;Flash lights</translation>
    </message>
    <message>
        <source>Deur&amp;magneten</source>
        <translation>Door ma&amp;gnets</translation>
    </message>
    <message>
        <source>Lokatie &amp;herhaalborden</source>
        <translation>&amp;Repeater panel locations</translation>
    </message>
    <message>
        <source>&amp;Notities</source>
        <translation>&amp;Notes</translation>
    </message>
    <message>
        <source>Lokatie herhaalborden</source>
        <translation>Repeater panel locations</translation>
    </message>
</context>
<context>
    <name>kx700::Clanguage</name>
    <message>
        <source>Taalselectie</source>
        <translation>Language selection</translation>
    </message>
    <message>
        <source>Nederlands</source>
        <translation>Nederlands</translation>
    </message>
    <message>
        <source>Français</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
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
    <name>kx700::Cloc_periph</name>
    <message>
        <source>Herhaalbord locatie</source>
        <translation>Repeater panel location</translation>
    </message>
    <message>
        <source>&amp;Adres</source>
        <translation>&amp;Address</translation>
    </message>
    <message>
        <source>&amp;Locatie</source>
        <translation>&amp;Location</translation>
    </message>
</context>
<context>
    <name>kx700::Cperiphery</name>
    <message>
        <source>Check versie</source>
        <translation>Check version</translation>
    </message>
    <message>
        <source>Periferie</source>
        <translation>Periphery</translation>
    </message>
    <message>
        <source>Herhaalborden</source>
        <translation>Repeater panels</translation>
    </message>
    <message>
        <source>Relaiskaarten</source>
        <translation>Relay cards</translation>
    </message>
    <message>
        <source>Voedingsbewaking</source>
        <translation>Power supervision</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>kx700::Cprog_periph</name>
    <message>
        <source>Herprogrammeer een relaiskaart 
door op het kaartnummer te klikken.</source>
        <translation>Reprogram a relay card 
by clicking its number.</translation>
    </message>
    <message>
        <source>Programmeren periferie</source>
        <translation>Programming periphery</translation>
    </message>
    <message>
        <source>Relaiskaarten</source>
        <translation>Relay cards</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
    <name>kx700::Csellist</name>
    <message>
        <source>Selecteer</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>Stiltesturingen</source>
        <translation>Silence controls</translation>
    </message>
</context>
<context>
    <name>kx700::Ctest_control</name>
    <message>
        <source>UIT</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>&amp;Soort</source>
        <translation>&amp;Type</translation>
    </message>
    <message>
        <source>Soort</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>S&amp;turing</source>
        <translation>&amp;Control</translation>
    </message>
    <message>
        <source>Sturing</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Gebeurtenissen</source>
        <translation>Events</translation>
    </message>
    <message>
        <source>Sturingen testen</source>
        <translation>Test controls</translation>
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
    <name>kx700::QtDialogRunner</name>
    <message>
        <source>De gekozen pagina&apos;s liggen buiten het rapport, dat pagina 1 tot %1 telt. Er is niets afgedrukt.</source>
        <translation>The chosen pages lie outside the report, which has pages 1 to %1. Nothing was printed.</translation>
    </message>
    <message>
        <source>Het afdrukken is mislukt.</source>
        <translation>Printing failed.</translation>
    </message>
</context>
<context>
    <name>kx700::QtFileDialogHost</name>
    <message>
        <source>Configuratiebestanden (*.qnd3)</source>
        <translation>Configuration files (*.qnd3)</translation>
    </message>
    <message>
        <source>Tekstbestanden (*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <source>Excel-werkmap (*.xlsx)</source>
        <translation>Excel workbook (*.xlsx)</translation>
    </message>
</context>
</TS>
