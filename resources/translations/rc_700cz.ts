<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>kx700::CAboutDlg</name>
    <message>
        <source>KX700 configuratie</source>
        <translation>Konfigurace KX700</translation>
    </message>
    <message>
        <source>Brandmeldcentrale KX700 - Quendar</source>
        <translation>Ústředna EPS KX700 - Quendar</translation>
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
        <translation>&amp;Nový</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Otevřít...</translation>
    </message>
    <message>
        <source>Opslaan &amp;Als...</source>
        <translation>Uložit &amp;jako...</translation>
    </message>
    <message>
        <source>&amp;Afdrukken...</source>
        <translation>&amp;Tisk...</translation>
    </message>
    <message>
        <source>Afsluiten</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Wijzigen</source>
        <translation>Upravit</translation>
    </message>
    <message>
        <source>Ontvangen</source>
        <translation>Přijmout</translation>
    </message>
    <message>
        <source>Verzenden</source>
        <translation>Odeslat</translation>
    </message>
    <message>
        <source>Stilte</source>
        <translation>Ztišení</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Analoge waarden</source>
        <translation>Analogové hodnoty</translation>
    </message>
    <message>
        <source>Technicus mode</source>
        <translation>Režim technika</translation>
    </message>
    <message>
        <source>Communicatie</source>
        <translation>Komunikace</translation>
    </message>
    <message>
        <source>Versie</source>
        <translation>Verze</translation>
    </message>
    <message>
        <source>&amp;Bestand</source>
        <translation>&amp;Soubor</translation>
    </message>
    <message>
        <source>Instellingen</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>&amp;Extra</source>
        <translation>&amp;Další</translation>
    </message>
    <message>
        <source>Werkbalk</source>
        <translation>Panel nástrojů</translation>
    </message>
    <message>
        <source>Centrale</source>
        <translation>Ústředna</translation>
    </message>
    <message>
        <source>Naamloos</source>
        <translation>Bez názvu</translation>
    </message>
    <message>
        <source>KX700 - configuratie</source>
        <translation>KX700 - konfigurace</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parametry</translation>
    </message>
    <message>
        <source>Functies</source>
        <translation>Funkce</translation>
    </message>
    <message>
        <source>Actualiseren</source>
        <translation>Aktualizace</translation>
    </message>
</context>
<context>
    <name>kx700::CStatusBarWithProgress</name>
    <message>
        <source>Technicus mode: 000</source>
        <translation>Režim technika: 000</translation>
    </message>
</context>
<context>
    <name>kx700::Ccommunication_settings</name>
    <message>
        <source>Communicatie</source>
        <translation>Komunikace</translation>
    </message>
    <message>
        <source>Com. poort</source>
        <translation>Port COM</translation>
    </message>
    <message>
        <source>Andere</source>
        <translation>Jiný</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Přenosová rychlost</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>kx700::QtFileDialogHost</name>
    <message>
        <source>Configuratiebestanden (*.qnd3)</source>
        <translation>Konfigurační soubory (*.qnd3)</translation>
    </message>
</context>
</TS>
