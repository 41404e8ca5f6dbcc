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
</context>
<context>
    <name>kx700::CStatusBarWithProgress</name>
    <message>
        <source>Technicus mode: 000</source>
        <translation>Mode technicien: 000</translation>
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
    <name>kx700::QtFileDialogHost</name>
    <message>
        <source>Configuratiebestanden (*.qnd3)</source>
        <translation>Fichiers de configuration (*.qnd3)</translation>
    </message>
</context>
</TS>
