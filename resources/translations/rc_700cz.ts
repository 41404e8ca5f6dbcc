<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
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
</TS>
