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
    <name>kx700::CLogboek</name>
    <message>
        <source>Exporteren als tekstbestand</source>
        <translation>Exportovat jako textový soubor</translation>
    </message>
    <message>
        <source>Exporteren als werkmap</source>
        <translation>Exportovat jako sešit</translation>
    </message>
    <message>
        <source>Zoeken</source>
        <translation>Hledat</translation>
    </message>
    <message>
        <source>Zoektekst</source>
        <translation>Hledaný text</translation>
    </message>
    <message>
        <source>Zoeken in</source>
        <translation>Hledat v</translation>
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
    <message>
        <source>Afdrukvoorbeeld</source>
        <translation>Náhled tisku</translation>
    </message>
    <message>
        <source>Printerinstellingen</source>
        <translation>Nastavení tisku</translation>
    </message>
    <message>
        <source>Logboek</source>
        <translation>Kniha událostí</translation>
    </message>
    <message>
        <source>Periferie</source>
        <translation>Periferie</translation>
    </message>
    <message>
        <source>Sturingen testen</source>
        <translation>Test ovládání</translation>
    </message>
    <message>
        <source>Instellen datum/tijd</source>
        <translation>Nastavit datum/čas</translation>
    </message>
    <message>
        <source>Instellen taal</source>
        <translation>Nastavit jazyk</translation>
    </message>
</context>
<context>
    <name>kx700::CParameterSheet</name>
    <message>
        <source>Acties</source>
        <translation>Akce</translation>
    </message>
    <message>
        <source>Sturingen</source>
        <translation>Ovládání</translation>
    </message>
    <message>
        <source>Algemeen</source>
        <translation>Obecné</translation>
    </message>
    <message>
        <source>Lus</source>
        <translation>Smyčka</translation>
    </message>
    <message>
        <source>Dossier</source>
        <translation>Dokumentace</translation>
    </message>
    <message>
        <source>Pagina&apos;s</source>
        <translation>Stránky</translation>
    </message>
</context>
<context>
    <name>kx700::CPc_kx700View</name>
    <message>
        <source>Parameters</source>
        <translation>Parametry</translation>
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
    <name>kx700::CVersion</name>
    <message>
        <source>Versies periferie</source>
        <translation>Verze periferií</translation>
    </message>
    <message>
        <source>Minimum versie</source>
        <translation>Minimální verze</translation>
    </message>
    <message>
        <source>Aanbevolen versie</source>
        <translation>Doporučená verze</translation>
    </message>
    <message>
        <source>Legende</source>
        <translation>Legenda</translation>
    </message>
    <message>
        <source>Versies</source>
        <translation>Verze</translation>
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
        <translation>Přidat</translation>
    </message>
    <message>
        <source>&amp;Nummer</source>
        <translation>Čí&amp;slo</translation>
    </message>
</context>
<context>
    <name>kx700::Cadd_zone</name>
    <message>
        <source>Toevoegen lus</source>
        <translation>Přidat smyčku</translation>
    </message>
    <message>
        <source>&amp;Nummer</source>
        <translation>Čí&amp;slo</translation>
    </message>
</context>
<context>
    <name>kx700::Cadjust_time</name>
    <message>
        <source>PC-tijd</source>
        <translation>Čas PC</translation>
    </message>
    <message>
        <source>Instellen</source>
        <translation>Nastavit</translation>
    </message>
    <message>
        <source>Instellen datum/tijd</source>
        <translation>Nastavit datum/čas</translation>
    </message>
    <message>
        <source>&amp;Datum</source>
        <translation>&amp;Datum</translation>
    </message>
    <message>
        <source>&amp;Tijd</source>
        <translation>Č&amp;as</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>kx700::Cadvanced</name>
    <message>
        <source>Geavanceerd</source>
        <translation>Pokročilé</translation>
    </message>
    <message>
        <source>Evacuatie bekrachtigt &apos;Algemeen alarm&apos;</source>
        <translation>Evakuace aktivuje &apos;Obecný poplach&apos;</translation>
    </message>
    <message>
        <source>Reset &apos;storingen&apos; automatisch</source>
        <translation>Automatický reset &apos;poruch&apos;</translation>
    </message>
    <message>
        <source>Evacuatie vertraging</source>
        <translation>Zpoždění evakuace</translation>
    </message>
    <message>
        <source>Schakelt enkel naar &apos;Evacuatie vertraagd&apos;</source>
        <translation>Přepíná pouze na &apos;Zpožděná evakuace&apos;</translation>
    </message>
    <message>
        <source>Bediening</source>
        <translation>Obsluha</translation>
    </message>
    <message>
        <source>START/STOP sirenes</source>
        <translation>START/STOP sirén</translation>
    </message>
    <message>
        <source>Waarschuwing</source>
        <translation>Varování</translation>
    </message>
    <message>
        <source>Waarschuwing/Evacuatie</source>
        <translation>Varování/Evakuace</translation>
    </message>
    <message>
        <source>UIT DIENST sirenes</source>
        <translation>Sirény MIMO PROVOZ</translation>
    </message>
    <message>
        <source>Evacuatie - Sirenes</source>
        <translation>Evakuace - Sirény</translation>
    </message>
    <message>
        <source>Evacuatie - Reset en Stilte</source>
        <translation>Evakuace - Reset a Ztišení</translation>
    </message>
</context>
<context>
    <name>kx700::Can_val_selbar</name>
    <message>
        <source>Analoge waarde</source>
        <translation>Analogová hodnota</translation>
    </message>
    <message>
        <source>In/uit dienst</source>
        <translation>V provozu/mimo provoz</translation>
    </message>
    <message>
        <source>In/uit test</source>
        <translation>V testu/mimo test</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Poplach</translation>
    </message>
    <message>
        <source>Observatie</source>
        <translation>Sledování</translation>
    </message>
</context>
<context>
    <name>kx700::Can_values</name>
    <message>
        <source>Binnen bereik</source>
        <translation>V rozsahu</translation>
    </message>
    <message>
        <source>Buiten bereik</source>
        <translation>Mimo rozsah</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Informace</translation>
    </message>
    <message>
        <source>Legende</source>
        <translation>Legenda</translation>
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
        <translation>Smyčka</translation>
    </message>
    <message>
        <source>Lustekst</source>
        <translation>Text smyčky</translation>
    </message>
    <message>
        <source>Lussen %1 - %2</source>
        <translation>Smyčky %1 - %2</translation>
    </message>
    <message>
        <source>Analoge waarden</source>
        <translation>Analogové hodnoty</translation>
    </message>
</context>
<context>
    <name>kx700::Canval_info</name>
    <message>
        <source>Info - Analoge waarden</source>
        <translation>Informace - Analogové hodnoty</translation>
    </message>
    <message>
        <source>Waarde - Lusspanning</source>
        <translation>Hodnota - Napětí smyčky</translation>
    </message>
    <message>
        <source>0,3 V   Geen alarm</source>
        <translation>0,3 V   Žádný poplach</translation>
    </message>
    <message>
        <source>1,7 V   Eén detector in alarm</source>
        <translation>1,7 V   Jeden hlásič v poplachu</translation>
    </message>
    <message>
        <source>3,1 V   Twee detectoren in alarm</source>
        <translation>3,1 V   Dva hlásiče v poplachu</translation>
    </message>
    <message>
        <source>4,3 V   Drie detectoren in alarm</source>
        <translation>4,3 V   Tři hlásiče v poplachu</translation>
    </message>
    <message>
        <source>5,2 V   Vier detectoren in alarm</source>
        <translation>5,2 V   Čtyři hlásiče v poplachu</translation>
    </message>
    <message>
        <source>5,9 V   Vijf detectoren in alarm</source>
        <translation>5,9 V   Pět hlásičů v poplachu</translation>
    </message>
    <message>
        <source>MERK OP: Bovenstaande waarden zijn slechts een indicatie.</source>
        <translation>POZNÁMKA: Výše uvedené hodnoty jsou pouze orientační.</translation>
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
        <translation>Letní/zimní čas</translation>
    </message>
    <message>
        <source>Omschakeltijd evacuatie direct</source>
        <translation>Doba přepnutí na přímou evakuaci</translation>
    </message>
    <message>
        <source>Actief</source>
        <translation>Aktivní</translation>
    </message>
    <message>
        <source>Omschakeltijd evacuatie direct actief</source>
        <translation>Doba přepnutí na přímou evakuaci aktivní</translation>
    </message>
    <message>
        <source>Beveiligde sirenekring</source>
        <translation>Hlídaný sirénový okruh</translation>
    </message>
    <message>
        <source>Relais %1</source>
        <translation>Relé %1</translation>
    </message>
    <message>
        <source>Stiltesturing toevoegen</source>
        <translation>Přidat ovládání ztišení</translation>
    </message>
    <message>
        <source>Stiltesturing verwijderen</source>
        <translation>Odstranit ovládání ztišení</translation>
    </message>
    <message>
        <source>Geavanceerd</source>
        <translation>Pokročilé</translation>
    </message>
    <message>
        <source>&amp;Centrale</source>
        <translation>Ú&amp;středna</translation>
    </message>
    <message>
        <source>&amp;Project</source>
        <translation>&amp;Projekt</translation>
    </message>
    <message>
        <source>Code &amp;bediening</source>
        <translation>Kód o&amp;bsluhy</translation>
    </message>
    <message>
        <source>Code &amp;geavanceerd</source>
        <translation>Po&amp;kročilý kód</translation>
    </message>
    <message>
        <source>&amp;Evacuatie reactietijd</source>
        <translation>Reakční doba &amp;evakuace</translation>
    </message>
    <message>
        <source>min.</source>
        <translation>min.</translation>
    </message>
    <message>
        <source>uur</source>
        <translation>hod.</translation>
    </message>
    <message>
        <source>&amp;Relaiskaarten</source>
        <translation>&amp;Reléové karty</translation>
    </message>
    <message>
        <source>&amp;Herhaalborden</source>
        <translation>Op&amp;akovací panely</translation>
    </message>
    <message>
        <source>&amp;Algemene sturing</source>
        <translation>Obe&amp;cné ovládání</translation>
    </message>
    <message>
        <source>&amp;Waarschuwing - evacuatie</source>
        <translation>&amp;Varování - evakuace</translation>
    </message>
    <message>
        <source>&amp;Stiltesturingen</source>
        <translation>Ovládání z&amp;tišení</translation>
    </message>
    <message>
        <source>Stiltesturingen</source>
        <translation>Ovládání ztišení</translation>
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
    <name>kx700::Ccontrol</name>
    <message>
        <source>Nummer</source>
        <translation>Číslo</translation>
    </message>
    <message>
        <source>Soort</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>&amp;Naam</source>
        <translation>&amp;Název</translation>
    </message>
    <message>
        <source>S&amp;oort</source>
        <translation>&amp;Typ</translation>
    </message>
    <message>
        <source>Gebeurtenis</source>
        <translation>Událost</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Modul</translation>
    </message>
    <message>
        <source>Adres</source>
        <translation>Adresa</translation>
    </message>
    <message>
        <source>Relais</source>
        <translation>Relé</translation>
    </message>
    <message>
        <source>Adres %1</source>
        <translation>Adresa %1</translation>
    </message>
    <message>
        <source>Rij %1</source>
        <translation>Řádek %1</translation>
    </message>
    <message>
        <source>%1 - Gebeurtenis</source>
        <translation>%1 - Událost</translation>
    </message>
    <message>
        <source>%1 - Module</source>
        <translation>%1 - Modul</translation>
    </message>
    <message>
        <source>%1 - Adres</source>
        <translation>%1 - Adresa</translation>
    </message>
    <message>
        <source>%1 - Relais %2</source>
        <translation>%1 - Relé %2</translation>
    </message>
    <message>
        <source>Relaistekst</source>
        <translation>Text relé</translation>
    </message>
    <message>
        <source>BASISRELAIS: Relais 1,2 en 3 zijn beveiligde sirenekringen. - Relais 8 is fail safe.</source>
        <translation>ZÁKLADNÍ RELÉ: relé 1, 2 a 3 jsou hlídané sirénové okruhy. - Relé 8 je typu fail-safe.</translation>
    </message>
</context>
<context>
    <name>kx700::Cdocu</name>
    <message>
        <source>Inbedrijfstelling</source>
        <translation>Uvedení do provozu</translation>
    </message>
    <message>
        <source>Vergrendeld</source>
        <translation>Uzamčeno</translation>
    </message>
    <message>
        <source>Toebehoren</source>
        <translation>Příslušenství</translation>
    </message>
    <message>
        <source>Telefoonkiezer</source>
        <translation>Telefonní volič</translation>
    </message>
    <message>
        <source>Locatie toevoegen of wijzigen</source>
        <translation>Přidat nebo změnit umístění</translation>
    </message>
    <message>
        <source>Locatie verwijderen</source>
        <translation>Odstranit umístění</translation>
    </message>
    <message>
        <source>&amp;Klant</source>
        <translation>Zákaz&amp;ník</translation>
    </message>
    <message>
        <source>C&amp;ontactpersoon</source>
        <translation>&amp;Kontaktní osoba</translation>
    </message>
    <message>
        <source>A&amp;dres</source>
        <translation>&amp;Adresa</translation>
    </message>
    <message>
        <source>&amp;Telefoon</source>
        <translation>&amp;Telefon</translation>
    </message>
    <message>
        <source>&amp;e-mail</source>
        <translation>&amp;e-mail</translation>
    </message>
    <message>
        <source>&amp;Installateur</source>
        <translation>Montážní &amp;firma</translation>
    </message>
    <message>
        <source>Te&amp;chnicus</source>
        <translation>Tec&amp;hnik</translation>
    </message>
    <message>
        <source>Dat&amp;um</source>
        <translation>&amp;Datum</translation>
    </message>
    <message>
        <source>&amp;Productienummer: C</source>
        <translation>&amp;Výrobní číslo: C</translation>
    </message>
    <message>
        <source>Verbruik &amp;rust</source>
        <translation>Kl&amp;idový odběr</translation>
    </message>
    <message>
        <source>Ampère</source>
        <translation>Ampér</translation>
    </message>
    <message>
        <source>Verbruik a&amp;larm</source>
        <translation>Popla&amp;chový odběr</translation>
    </message>
    <message>
        <source>&amp;Batterijen</source>
        <translation>Bate&amp;rie</translation>
    </message>
    <message>
        <source>Ah</source>
        <translation>Ah</translation>
    </message>
    <message>
        <source>&amp;Sirenes</source>
        <translation>&amp;Sirény</translation>
    </message>
    <message>
        <source>&amp;Zoemers</source>
        <translation>&amp;Bzučáky</translation>
    </message>
    <message>
        <source>&amp;Flitslichten</source>
        <translation>Záb&amp;leskové majáky</translation>
    </message>
    <message>
        <source>Deur&amp;magneten</source>
        <translation>Dveřní &amp;magnety</translation>
    </message>
    <message>
        <source>Lokatie &amp;herhaalborden</source>
        <translation>&amp;Umístění opakovacích panelů</translation>
    </message>
    <message>
        <source>&amp;Notities</source>
        <translation>&amp;Poznámky</translation>
    </message>
    <message>
        <source>Lokatie herhaalborden</source>
        <translation>Umístění opakovacích panelů</translation>
    </message>
</context>
<context>
    <name>kx700::Clanguage</name>
    <message>
        <source>Taalselectie</source>
        <translation>Výběr jazyka</translation>
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
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>kx700::Cloc_periph</name>
    <message>
        <source>Herhaalbord locatie</source>
        <translation>Umístění opakovacího panelu</translation>
    </message>
    <message>
        <source>&amp;Adres</source>
        <translation>&amp;Adresa</translation>
    </message>
    <message>
        <source>&amp;Locatie</source>
        <translation>&amp;Umístění</translation>
    </message>
</context>
<context>
    <name>kx700::Cperiphery</name>
    <message>
        <source>Check versie</source>
        <translation>Kontrola verze</translation>
    </message>
    <message>
        <source>Periferie</source>
        <translation>Periferie</translation>
    </message>
    <message>
        <source>Herhaalborden</source>
        <translation>Opakovací panely</translation>
    </message>
    <message>
        <source>Relaiskaarten</source>
        <translation>Reléové karty</translation>
    </message>
    <message>
        <source>Voedingsbewaking</source>
        <translation>Dohled napájení</translation>
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
        <translation>Relé kartu přeprogramujete 
kliknutím na její číslo.</translation>
    </message>
    <message>
        <source>Programmeren periferie</source>
        <translation>Programování periferií</translation>
    </message>
    <message>
        <source>Relaiskaarten</source>
        <translation>Reléové karty</translation>
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
        <translation>Žádná</translation>
    </message>
    <message>
        <source>Adres %1</source>
        <translation>Adresa %1</translation>
    </message>
    <message>
        <source>&amp;Soort</source>
        <translation>&amp;Typ</translation>
    </message>
    <message>
        <source>&amp;Kaart</source>
        <translation>&amp;Karta</translation>
    </message>
    <message>
        <source>Tekst %1</source>
        <translation>Text %1</translation>
    </message>
    <message>
        <source>Positie</source>
        <translation>Pozice</translation>
    </message>
</context>
<context>
    <name>kx700::Csel_det_kind</name>
    <message>
        <source>Detectorsoort</source>
        <translation>Typ hlásiče</translation>
    </message>
    <message>
        <source>&amp;Soort</source>
        <translation>&amp;Typ</translation>
    </message>
    <message>
        <source>&amp;Aantal</source>
        <translation>&amp;Počet</translation>
    </message>
</context>
<context>
    <name>kx700::Csellist</name>
    <message>
        <source>Selecteer</source>
        <translation>Vybrat</translation>
    </message>
    <message>
        <source>Stiltesturingen</source>
        <translation>Ovládání ztišení</translation>
    </message>
</context>
<context>
    <name>kx700::Ctest_control</name>
    <message>
        <source>UIT</source>
        <translation>VYP</translation>
    </message>
    <message>
        <source>&amp;Soort</source>
        <translation>&amp;Typ</translation>
    </message>
    <message>
        <source>Soort</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>S&amp;turing</source>
        <translation>&amp;Ovládání</translation>
    </message>
    <message>
        <source>Sturing</source>
        <translation>Ovládání</translation>
    </message>
    <message>
        <source>Gebeurtenissen</source>
        <translation>Události</translation>
    </message>
    <message>
        <source>Sturingen testen</source>
        <translation>Test ovládání</translation>
    </message>
</context>
<context>
    <name>kx700::Czone</name>
    <message>
        <source>Nummer</source>
        <translation>Číslo</translation>
    </message>
    <message>
        <source>Actief</source>
        <translation>Aktivní</translation>
    </message>
    <message>
        <source>&amp;Zenerbarrier</source>
        <translation>Zenerova &amp;bariéra</translation>
    </message>
    <message>
        <source>Niveaus</source>
        <translation>Úrovně</translation>
    </message>
    <message>
        <source>Waarschuwing - evacuatie</source>
        <translation>Varování - evakuace</translation>
    </message>
    <message>
        <source>Vertraagde evac. toegestaan</source>
        <translation>Zpožděná evakuace povolena</translation>
    </message>
    <message>
        <source>&amp;Interventietijd</source>
        <translation>Doba zá&amp;sahu</translation>
    </message>
    <message>
        <source>Samenstelling</source>
        <translation>Složení</translation>
    </message>
    <message>
        <source>Detectorsoort toevoegen of wijzigen</source>
        <translation>Přidat nebo změnit typ hlásiče</translation>
    </message>
    <message>
        <source>Detectorsoort verwijderen</source>
        <translation>Odstranit typ hlásiče</translation>
    </message>
    <message>
        <source>&amp;Naam</source>
        <translation>&amp;Název</translation>
    </message>
    <message>
        <source>&amp;Detectie</source>
        <translation>&amp;Detekce</translation>
    </message>
    <message>
        <source>Melding</source>
        <translation>Hlášení</translation>
    </message>
    <message>
        <source>Niveau (V)</source>
        <translation>Úroveň (V)</translation>
    </message>
    <message>
        <source>Fout</source>
        <translation>Porucha</translation>
    </message>
    <message>
        <source>Kortsluiting</source>
        <translation>Zkrat</translation>
    </message>
    <message>
        <source>Fout - Melding</source>
        <translation>Porucha - Hlášení</translation>
    </message>
    <message>
        <source>Fout - Niveau (V)</source>
        <translation>Porucha - Úroveň (V)</translation>
    </message>
    <message>
        <source>&amp;Lusafhankelijkheid</source>
        <translation>Zá&amp;vislost smyčky</translation>
    </message>
    <message>
        <source>Lus&amp;sturing</source>
        <translation>Ovládání s&amp;myčky</translation>
    </message>
    <message>
        <source>Meerv. alarm</source>
        <translation>Vícenásobný poplach</translation>
    </message>
    <message>
        <source>Vooralarm</source>
        <translation>Předpoplach</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Poplach</translation>
    </message>
    <message>
        <source>%1 - Melding</source>
        <translation>%1 - Hlášení</translation>
    </message>
    <message>
        <source>%1 - Niveau (V)</source>
        <translation>%1 - Úroveň (V)</translation>
    </message>
    <message>
        <source>Waarschuwing - evacuatie actief</source>
        <translation>Varování - evakuace aktivní</translation>
    </message>
</context>
<context>
    <name>kx700::Exchange</name>
    <message>
        <source>Geef een geheel getal tussen %1 en %2 in.</source>
        <translation>Zadejte celé číslo od %1 do %2.</translation>
    </message>
    <message>
        <source>Geef een getal tussen %1 en %2 in.</source>
        <translation>Zadejte číslo od %1 do %2.</translation>
    </message>
    <message>
        <source>Geef een geheel getal in.</source>
        <translation>Zadejte celé číslo.</translation>
    </message>
    <message>
        <source>Geef een getal in.</source>
        <translation>Zadejte číslo.</translation>
    </message>
    <message>
        <source>Geef maximaal %1 tekens in.</source>
        <translation>Maximální počet znaků je %1.</translation>
    </message>
</context>
<context>
    <name>kx700::NavigationBar</name>
    <message>
        <source>Snel terug</source>
        <translation>Rychle zpět</translation>
    </message>
    <message>
        <source>Vorige</source>
        <translation>Předchozí</translation>
    </message>
    <message>
        <source>Toevoegen</source>
        <translation>Přidat</translation>
    </message>
    <message>
        <source>Nummer kiezen</source>
        <translation>Vybrat číslo</translation>
    </message>
    <message>
        <source>Verwijderen</source>
        <translation>Odstranit</translation>
    </message>
    <message>
        <source>Volgende</source>
        <translation>Další</translation>
    </message>
    <message>
        <source>Snel verder</source>
        <translation>Rychle vpřed</translation>
    </message>
</context>
<context>
    <name>kx700::NumberDialog</name>
    <message>
        <source>Toevoegen</source>
        <translation>Přidat</translation>
    </message>
</context>
<context>
    <name>kx700::QtDialogRunner</name>
    <message>
        <source>De gekozen pagina&apos;s liggen buiten het rapport, dat pagina 1 tot %1 telt. Er is niets afgedrukt.</source>
        <translation>Zvolené stránky leží mimo sestavu, která má stránky 1 až %1. Nic nebylo vytištěno.</translation>
    </message>
    <message>
        <source>Het afdrukken is mislukt.</source>
        <translation>Tisk se nezdařil.</translation>
    </message>
</context>
<context>
    <name>kx700::QtFileDialogHost</name>
    <message>
        <source>Configuratiebestanden (*.qnd3)</source>
        <translation>Konfigurační soubory (*.qnd3)</translation>
    </message>
    <message>
        <source>Tekstbestanden (*.txt)</source>
        <translation>Textové soubory (*.txt)</translation>
    </message>
    <message>
        <source>Excel-werkmap (*.xlsx)</source>
        <translation>Sešit Excel (*.xlsx)</translation>
    </message>
</context>
</TS>
