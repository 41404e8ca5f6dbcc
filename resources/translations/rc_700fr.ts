<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>kx700::CAboutDlg</name>
    <message>
        <source>KX700 configuratie</source>
        <translation>Configuration KX700</translation>
    </message>
    <message>
        <source>Brandmeldcentrale KX700 - Quendar</source>
        <translation>Centrale de détection incendie KX700 - Quendar</translation>
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
        <translation>Exporter en fichier texte</translation>
    </message>
    <message>
        <source>Exporteren als werkmap</source>
        <translation>Exporter en classeur</translation>
    </message>
    <message>
        <source>Zoeken</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Zoektekst</source>
        <translation>Texte à rechercher</translation>
    </message>
    <message>
        <source>Zoeken in</source>
        <translation>Rechercher dans</translation>
    </message>
</context>
<context>
    <name>kx700::CMainFrame</name>
    <message>
        <source>&amp;Nieuw</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Opslaan &amp;Als...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Afdrukken...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Afsluiten</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Wijzigen</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Ontvangen</source>
        <translation>Recevoir</translation>
    </message>
    <message>
        <source>Verzenden</source>
        <translation>Envoyer</translation>
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
        <translation>Valeurs analogiques</translation>
    </message>
    <message>
        <source>Technicus mode</source>
        <translation>Mode technicien</translation>
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
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Instellingen</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>&amp;Extra</source>
        <translation>&amp;Extra</translation>
    </message>
    <message>
        <source>Werkbalk</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Centrale</source>
        <translation>Centrale</translation>
    </message>
    <message>
        <source>Naamloos</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>KX700 - configuratie</source>
        <translation>KX700 - configuration</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Functies</source>
        <translation>Fonctions</translation>
    </message>
    <message>
        <source>Actualiseren</source>
        <translation>Actualisation</translation>
    </message>
    <message>
        <source>Afdrukvoorbeeld</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Printerinstellingen</source>
        <translation>Configuration de l&apos;impression</translation>
    </message>
    <message>
        <source>Logboek</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Periferie</source>
        <translation>Périphérie</translation>
    </message>
    <message>
        <source>Sturingen testen</source>
        <translation>Tester les asservissements</translation>
    </message>
    <message>
        <source>Instellen datum/tijd</source>
        <translation>Régler date/heure</translation>
    </message>
    <message>
        <source>Instellen taal</source>
        <translation>Régler la langue</translation>
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
        <translation>Asservissements</translation>
    </message>
    <message>
        <source>Algemeen</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Lus</source>
        <translation>Boucle</translation>
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
        <translation>Paramètres</translation>
    </message>
</context>
<context>
    <name>kx700::CStatusBarWithProgress</name>
    <message>
        <source>Technicus mode: 000</source>
        <translation>Mode technicien: 000</translation>
    </message>
</context>
<context>
    <name>kx700::CVersion</name>
    <message>
        <source>Versies periferie</source>
        <translation>Versions périphérie</translation>
    </message>
    <message>
        <source>Minimum versie</source>
        <translation>Version minimale</translation>
    </message>
    <message>
        <source>Aanbevolen versie</source>
        <translation>Version recommandée</translation>
    </message>
    <message>
        <source>Legende</source>
        <translation>Légende</translation>
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
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>&amp;Nummer</source>
        <translation>&amp;Numéro</translation>
    </message>
</context>
<context>
    <name>kx700::Cadd_zone</name>
    <message>
        <source>Toevoegen lus</source>
        <translation>Ajouter une boucle</translation>
    </message>
    <message>
        <source>&amp;Nummer</source>
        <translation>&amp;Numéro</translation>
    </message>
</context>
<context>
    <name>kx700::Cadjust_time</name>
    <message>
        <source>PC-tijd</source>
        <translation>Heure PC</translation>
    </message>
    <message>
        <source>Instellen</source>
        <translation>Régler</translation>
    </message>
    <message>
        <source>Instellen datum/tijd</source>
        <translation>Régler date/heure</translation>
    </message>
    <message>
        <source>&amp;Datum</source>
        <translation>&amp;Date</translation>
    </message>
    <message>
        <source>&amp;Tijd</source>
        <translation>&amp;Heure</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>kx700::Cadvanced</name>
    <message>
        <source>Geavanceerd</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Evacuatie bekrachtigt &apos;Algemeen alarm&apos;</source>
        <translation>L&apos;évacuation active &apos;Alarme générale&apos;</translation>
    </message>
    <message>
        <source>Reset &apos;storingen&apos; automatisch</source>
        <translation>Reset automatique des &apos;dérangements&apos;</translation>
    </message>
    <message>
        <source>Evacuatie vertraging</source>
        <translation>Temporisation alarme</translation>
    </message>
    <message>
        <source>Schakelt enkel naar &apos;Evacuatie vertraagd&apos;</source>
        <translation>Commute uniquement vers &apos;Alarme temporisée&apos;</translation>
    </message>
    <message>
        <source>Bediening</source>
        <translation>Exploitation</translation>
    </message>
    <message>
        <source>START/STOP sirenes</source>
        <translation>START/STOP sirènes</translation>
    </message>
    <message>
        <source>Waarschuwing</source>
        <translation>Alerte</translation>
    </message>
    <message>
        <source>Waarschuwing/Evacuatie</source>
        <translation>Alerte/Alarme</translation>
    </message>
    <message>
        <source>UIT DIENST sirenes</source>
        <translation>HORS SERVICE sirènes</translation>
    </message>
    <message>
        <source>Evacuatie - Sirenes</source>
        <translation>Alarme - Sirènes</translation>
    </message>
    <message>
        <source>Evacuatie - Reset en Stilte</source>
        <translation>Alarme - Reset et Silence</translation>
    </message>
</context>
<context>
    <name>kx700::Can_val_selbar</name>
    <message>
        <source>Analoge waarde</source>
        <translation>Valeur analogique</translation>
    </message>
    <message>
        <source>In/uit dienst</source>
        <translation>En/hors service</translation>
    </message>
    <message>
        <source>In/uit test</source>
        <translation>En/hors test</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
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
        <translation>Dans la plage</translation>
    </message>
    <message>
        <source>Buiten bereik</source>
        <translation>Hors de la plage</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Legende</source>
        <translation>Légende</translation>
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
        <translation>Boucle</translation>
    </message>
    <message>
        <source>Lustekst</source>
        <translation>Texte de la boucle</translation>
    </message>
    <message>
        <source>Lussen %1 - %2</source>
        <translation>Boucles %1 - %2</translation>
    </message>
    <message>
        <source>Analoge waarden</source>
        <translation>Valeurs analogiques</translation>
    </message>
</context>
<context>
    <name>kx700::Canval_info</name>
    <message>
        <source>Info - Analoge waarden</source>
        <translation>Info - Valeurs analogiques</translation>
    </message>
    <message>
        <source>Waarde - Lusspanning</source>
        <translation>Valeur - Tension de boucle</translation>
    </message>
    <message>
        <source>0,3 V   Geen alarm</source>
        <translation>0,3 V   Pas d&apos;alarme</translation>
    </message>
    <message>
        <source>1,7 V   Eén detector in alarm</source>
        <translation>1,7 V   Un détecteur en alarme</translation>
    </message>
    <message>
        <source>3,1 V   Twee detectoren in alarm</source>
        <translation>3,1 V   Deux détecteurs en alarme</translation>
    </message>
    <message>
        <source>4,3 V   Drie detectoren in alarm</source>
        <translation>4,3 V   Trois détecteurs en alarme</translation>
    </message>
    <message>
        <source>5,2 V   Vier detectoren in alarm</source>
        <translation>5,2 V   Quatre détecteurs en alarme</translation>
    </message>
    <message>
        <source>5,9 V   Vijf detectoren in alarm</source>
        <translation>5,9 V   Cinq détecteurs en alarme</translation>
    </message>
    <message>
        <source>MERK OP: Bovenstaande waarden zijn slechts een indicatie.</source>
        <translation>REMARQUE : les valeurs ci-dessus ne sont qu&apos;indicatives.</translation>
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
        <translation>Heure d&apos;été/d&apos;hiver</translation>
    </message>
    <message>
        <source>Omschakeltijd evacuatie direct</source>
        <translation>Temps de commutation alarme directe</translation>
    </message>
    <message>
        <source>Actief</source>
        <translation>Actif</translation>
    </message>
    <message>
        <source>Omschakeltijd evacuatie direct actief</source>
        <translation>Temps de commutation alarme directe actif</translation>
    </message>
    <message>
        <source>Beveiligde sirenekring</source>
        <translation>Sortie sirène surveillée</translation>
    </message>
    <message>
        <source>Relais %1</source>
        <translation>Relais %1</translation>
    </message>
    <message>
        <source>Stiltesturing toevoegen</source>
        <translation>Ajouter un asservissement silence</translation>
    </message>
    <message>
        <source>Stiltesturing verwijderen</source>
        <translation>Supprimer l&apos;asservissement silence</translation>
    </message>
    <message>
        <source>Geavanceerd</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>&amp;Centrale</source>
        <translation>&amp;Centrale</translation>
    </message>
    <message>
        <source>&amp;Project</source>
        <translation>&amp;Projet</translation>
    </message>
    <message>
        <source>Code &amp;bediening</source>
        <translation>Code d&apos;&amp;exploitation</translation>
    </message>
    <message>
        <source>Code &amp;geavanceerd</source>
        <translation>Code a&amp;vancé</translation>
    </message>
    <message>
        <source>&amp;Evacuatie reactietijd</source>
        <translation>&amp;Temps de réaction alarme</translation>
    </message>
    <message>
        <source>min.</source>
        <translation>min.</translation>
    </message>
    <message>
        <source>uur</source>
        <translation>heure</translation>
    </message>
    <message>
        <source>&amp;Relaiskaarten</source>
        <translation>Cartes à &amp;relais</translation>
    </message>
    <message>
        <source>&amp;Herhaalborden</source>
        <translation>Ta&amp;bleaux répétiteurs</translation>
    </message>
    <message>
        <source>&amp;Algemene sturing</source>
        <translation>Asservissement co&amp;mmun</translation>
    </message>
    <message>
        <source>&amp;Waarschuwing - evacuatie</source>
        <translation>A&amp;lerte - alarme</translation>
    </message>
    <message>
        <source>&amp;Stiltesturingen</source>
        <translation>Asservissements &amp;silence</translation>
    </message>
    <message>
        <source>Stiltesturingen</source>
        <translation>Asservissements silence</translation>
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
        <translation>Port COM</translation>
    </message>
    <message>
        <source>Andere</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Vitesse (bauds)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>kx700::Ccontrol</name>
    <message>
        <source>Nummer</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Soort</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>&amp;Naam</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>S&amp;oort</source>
        <translation>&amp;Type</translation>
    </message>
    <message>
        <source>Gebeurtenis</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>Adres</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Relais</source>
        <translation>Relais</translation>
    </message>
    <message>
        <source>Adres %1</source>
        <translation>Adresse %1</translation>
    </message>
    <message>
        <source>Rij %1</source>
        <translation>Ligne %1</translation>
    </message>
    <message>
        <source>%1 - Gebeurtenis</source>
        <translation>%1 - Événement</translation>
    </message>
    <message>
        <source>%1 - Module</source>
        <translation>%1 - Module</translation>
    </message>
    <message>
        <source>%1 - Adres</source>
        <translation>%1 - Adresse</translation>
    </message>
    <message>
        <source>%1 - Relais %2</source>
        <translation>%1 - Relais %2</translation>
    </message>
    <message>
        <source>Relaistekst</source>
        <translation>Texte du relais</translation>
    </message>
    <message>
        <source>BASISRELAIS: Relais 1,2 en 3 zijn beveiligde sirenekringen. - Relais 8 is fail safe.</source>
        <translation>RELAIS DE BASE: les relais 1, 2 et 3 sont des sorties sirène surveillées. - Le relais 8 est un relais FAIL SAFE.</translation>
    </message>
</context>
<context>
    <name>kx700::Cdocu</name>
    <message>
        <source>Inbedrijfstelling</source>
        <translation>Mise en service</translation>
    </message>
    <message>
        <source>Vergrendeld</source>
        <translation>Verrouillé</translation>
    </message>
    <message>
        <source>Toebehoren</source>
        <translation>Accessoires</translation>
    </message>
    <message>
        <source>Telefoonkiezer</source>
        <translation>Transmetteur téléphonique</translation>
    </message>
    <message>
        <source>Locatie toevoegen of wijzigen</source>
        <translation>Ajouter ou modifier un emplacement</translation>
    </message>
    <message>
        <source>Locatie verwijderen</source>
        <translation>Supprimer l&apos;emplacement</translation>
    </message>
    <message>
        <source>&amp;Klant</source>
        <translation>&amp;Client</translation>
    </message>
    <message>
        <source>C&amp;ontactpersoon</source>
        <translation>&amp;Personne de contact</translation>
    </message>
    <message>
        <source>A&amp;dres</source>
        <translation>Adre&amp;sse</translation>
    </message>
    <message>
        <source>&amp;Telefoon</source>
        <translation>&amp;Téléphone</translation>
    </message>
    <message>
        <source>&amp;e-mail</source>
        <translation>&amp;e-mail</translation>
    </message>
    <message>
        <source>&amp;Installateur</source>
        <translation>&amp;Installateur</translation>
    </message>
    <message>
        <source>Te&amp;chnicus</source>
        <translation>Tec&amp;hnicien</translation>
    </message>
    <message>
        <source>Dat&amp;um</source>
        <translation>&amp;Date</translation>
    </message>
    <message>
        <source>&amp;Productienummer: C</source>
        <translation>N&amp;uméro de production: C</translation>
    </message>
    <message>
        <source>Verbruik &amp;rust</source>
        <translation>Consommation au &amp;repos</translation>
    </message>
    <message>
        <source>Ampère</source>
        <translation>Ampère</translation>
    </message>
    <message>
        <source>Verbruik a&amp;larm</source>
        <translation>Consommation en alar&amp;me</translation>
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
        <translation>Sir&amp;ènes</translation>
    </message>
    <message>
        <source>&amp;Zoemers</source>
        <translation>Ronf&amp;leurs</translation>
    </message>
    <message>
        <source>&amp;Flitslichten</source>
        <translation>&amp;Flashs</translation>
    </message>
    <message>
        <source>Deur&amp;magneten</source>
        <translation>&amp;Ventouses</translation>
    </message>
    <message>
        <source>Lokatie &amp;herhaalborden</source>
        <translation>Emplacement des tableau&amp;x répétiteurs</translation>
    </message>
    <message>
        <source>&amp;Notities</source>
        <translation>&amp;Notes</translation>
    </message>
    <message>
        <source>Lokatie herhaalborden</source>
        <translation>Emplacement des tableaux répétiteurs</translation>
    </message>
</context>
<context>
    <name>kx700::Clanguage</name>
    <message>
        <source>Taalselectie</source>
        <translation>Sélection de la langue</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>kx700::Cloc_periph</name>
    <message>
        <source>Herhaalbord locatie</source>
        <translation>Emplacement du tableau répétiteur</translation>
    </message>
    <message>
        <source>&amp;Adres</source>
        <translation>&amp;Adresse</translation>
    </message>
    <message>
        <source>&amp;Locatie</source>
        <translation>&amp;Emplacement</translation>
    </message>
</context>
<context>
    <name>kx700::Cperiphery</name>
    <message>
        <source>Check versie</source>
        <translation>Vérifier version</translation>
    </message>
    <message>
        <source>Periferie</source>
        <translation>Périphérie</translation>
    </message>
    <message>
        <source>Herhaalborden</source>
        <translation>Tableaux répétiteurs</translation>
    </message>
    <message>
        <source>Relaiskaarten</source>
        <translation>Cartes relais</translation>
    </message>
    <message>
        <source>Voedingsbewaking</source>
        <translation>Surveillance alimentation</translation>
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
        <translation>Reprogrammez une carte relais 
en cliquant sur son numéro.</translation>
    </message>
    <message>
        <source>Programmeren periferie</source>
        <translation>Programmation périphérie</translation>
    </message>
    <message>
        <source>Relaiskaarten</source>
        <translation>Cartes relais</translation>
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
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Adres %1</source>
        <translation>Adresse %1</translation>
    </message>
    <message>
        <source>&amp;Soort</source>
        <translation>&amp;Type</translation>
    </message>
    <message>
        <source>&amp;Kaart</source>
        <translation>&amp;Carte</translation>
    </message>
    <message>
        <source>Tekst %1</source>
        <translation>Texte %1</translation>
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
        <translation>Type de détecteur</translation>
    </message>
    <message>
        <source>&amp;Soort</source>
        <translation>&amp;Type</translation>
    </message>
    <message>
        <source>&amp;Aantal</source>
        <translation>&amp;Nombre</translation>
    </message>
</context>
<context>
    <name>kx700::Csellist</name>
    <message>
        <source>Selecteer</source>
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>Stiltesturingen</source>
        <translation>Asservissements silence</translation>
    </message>
</context>
<context>
    <name>kx700::Ctest_control</name>
    <message>
        <source>UIT</source>
        <translation>ARRÊT</translation>
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
        <translation>&amp;Asservissement</translation>
    </message>
    <message>
        <source>Sturing</source>
        <translation>Asservissement</translation>
    </message>
    <message>
        <source>Gebeurtenissen</source>
        <translation>Événements</translation>
    </message>
    <message>
        <source>Sturingen testen</source>
        <translation>Tester les asservissements</translation>
    </message>
</context>
<context>
    <name>kx700::Czone</name>
    <message>
        <source>Nummer</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Actief</source>
        <translation>Actif</translation>
    </message>
    <message>
        <source>&amp;Zenerbarrier</source>
        <translation>Barrière &amp;zener</translation>
    </message>
    <message>
        <source>Niveaus</source>
        <translation>Niveaux</translation>
    </message>
    <message>
        <source>Waarschuwing - evacuatie</source>
        <translation>Alerte - alarme</translation>
    </message>
    <message>
        <source>Vertraagde evac. toegestaan</source>
        <translation>Alarme temporisée autorisée</translation>
    </message>
    <message>
        <source>&amp;Interventietijd</source>
        <translation>Temps d&apos;&amp;intervention</translation>
    </message>
    <message>
        <source>Samenstelling</source>
        <translation>Composition</translation>
    </message>
    <message>
        <source>Detectorsoort toevoegen of wijzigen</source>
        <translation>Ajouter ou modifier un type de détecteur</translation>
    </message>
    <message>
        <source>Detectorsoort verwijderen</source>
        <translation>Supprimer le type de détecteur</translation>
    </message>
    <message>
        <source>&amp;Naam</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>&amp;Detectie</source>
        <translation>&amp;Détection</translation>
    </message>
    <message>
        <source>Melding</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Niveau (V)</source>
        <translation>Niveau (V)</translation>
    </message>
    <message>
        <source>Fout</source>
        <translation>Défaut</translation>
    </message>
    <message>
        <source>Kortsluiting</source>
        <translation>Court-circuit</translation>
    </message>
    <message>
        <source>Fout - Melding</source>
        <translation>Défaut - Message</translation>
    </message>
    <message>
        <source>Fout - Niveau (V)</source>
        <translation>Défaut - Niveau (V)</translation>
    </message>
    <message>
        <source>&amp;Lusafhankelijkheid</source>
        <translation>Dé&amp;pendance de boucle</translation>
    </message>
    <message>
        <source>Lus&amp;sturing</source>
        <translation>Asservissement de &amp;boucle</translation>
    </message>
    <message>
        <source>Meerv. alarm</source>
        <translation>Alarme multiple</translation>
    </message>
    <message>
        <source>Vooralarm</source>
        <translation>Pré-alarme</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Feu</translation>
    </message>
    <message>
        <source>%1 - Melding</source>
        <translation>%1 - Message</translation>
    </message>
    <message>
        <source>%1 - Niveau (V)</source>
        <translation>%1 - Niveau (V)</translation>
    </message>
    <message>
        <source>Waarschuwing - evacuatie actief</source>
        <translation>Alerte - alarme active</translation>
    </message>
</context>
<context>
    <name>kx700::Exchange</name>
    <message>
        <source>Geef een geheel getal tussen %1 en %2 in.</source>
        <translation>Entrez un nombre entier entre %1 et %2.</translation>
    </message>
    <message>
        <source>Geef een getal tussen %1 en %2 in.</source>
        <translation>Entrez un nombre entre %1 et %2.</translation>
    </message>
    <message>
        <source>Geef een geheel getal in.</source>
        <translation>Entrez un nombre entier.</translation>
    </message>
    <message>
        <source>Geef een getal in.</source>
        <translation>Entrez un nombre.</translation>
    </message>
    <message>
        <source>Geef maximaal %1 tekens in.</source>
        <translation>Entrez au maximum %1 caractères.</translation>
    </message>
</context>
<context>
    <name>kx700::NavigationBar</name>
    <message>
        <source>Snel terug</source>
        <translation>Retour rapide</translation>
    </message>
    <message>
        <source>Vorige</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Toevoegen</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Nummer kiezen</source>
        <translation>Choisir le numéro</translation>
    </message>
    <message>
        <source>Verwijderen</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Volgende</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Snel verder</source>
        <translation>Avance rapide</translation>
    </message>
</context>
<context>
    <name>kx700::NumberDialog</name>
    <message>
        <source>Toevoegen</source>
        <translation>Ajouter</translation>
    </message>
</context>
<context>
    <name>kx700::QtDialogRunner</name>
    <message>
        <source>De gekozen pagina&apos;s liggen buiten het rapport, dat pagina 1 tot %1 telt. Er is niets afgedrukt.</source>
        <translation>Les pages choisies se trouvent en dehors du rapport, qui compte les pages 1 à %1. Rien n&apos;a été imprimé.</translation>
    </message>
    <message>
        <source>Het afdrukken is mislukt.</source>
        <translation>L&apos;impression a échoué.</translation>
    </message>
</context>
<context>
    <name>kx700::QtFileDialogHost</name>
    <message>
        <source>Configuratiebestanden (*.qnd3)</source>
        <translation>Fichiers de configuration (*.qnd3)</translation>
    </message>
    <message>
        <source>Tekstbestanden (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>Excel-werkmap (*.xlsx)</source>
        <translation>Classeur Excel (*.xlsx)</translation>
    </message>
</context>
</TS>
