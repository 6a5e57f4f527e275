<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Command</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>&amp;Replay</source>
        <translation>&amp;Wiedergabe</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>&amp;Favorites</source>
        <translation>&amp;Favoriten</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>G&amp;o</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Total Moves</source>
        <translation>Züge gesamt</translation>
    </message>
    <message>
        <source>Cards Left</source>
        <translation>Übrige Karten</translation>
    </message>
    <message>
        <source>Possible Moves</source>
        <translation>Mögliche Züge</translation>
    </message>
    <message>
        <source>Session Time</source>
        <translation>Sitzungsdauer</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Select Game..</source>
        <translation>Spiel &amp;wählen..</translation>
    </message>
    <message>
        <source>Select Game</source>
        <translation>Spiel wählen</translation>
    </message>
    <message>
        <source>&amp;Restart Game</source>
        <translation>Spiel neu s&amp;tarten</translation>
    </message>
    <message>
        <source>Restart Game</source>
        <translation>Spiel neu starten</translation>
    </message>
    <message>
        <source>Restart Game </source>
        <translation>Spiel neu starten </translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>Spiel ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Spiel öffnen</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>Spiel &amp;speichern</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Spiel speichern</translation>
    </message>
    <message>
        <source>&amp;Close Game</source>
        <translation>Spiel sch&amp;ließen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Snapshot &amp;Position</source>
        <translation>Stellung &amp;merken</translation>
    </message>
    <message>
        <source>Und&amp;o to Snapshot</source>
        <translation>Zur gemerkten Stellung &amp;zurück</translation>
    </message>
    <message>
        <source>U&amp;ndo All</source>
        <translation>A&amp;lles rückgängig</translation>
    </message>
    <message>
        <source>Undo All</source>
        <translation>Alles rückgängig</translation>
    </message>
    <message>
        <source>R&amp;edo All</source>
        <translation>Alles wie&amp;derholen</translation>
    </message>
    <message>
        <source>Redo All</source>
        <translation>Alles wiederholen</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>T&amp;imer</source>
        <translation>&amp;Uhr</translation>
    </message>
    <message>
        <source>&amp;Can It Be Won</source>
        <translation>&amp;Noch gewinnbar?</translation>
    </message>
    <message>
        <source>S&amp;ource</source>
        <translation>&amp;Quelltext</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>Replay Forward</source>
        <translation>Vorwärts abspielen</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Replay Back</source>
        <translation>Rückwärts abspielen</translation>
    </message>
    <message>
        <source>Replay &amp;All</source>
        <translation>&amp;Alles abspielen</translation>
    </message>
    <message>
        <source>Show &amp;Solution</source>
        <translation>&amp;Lösung zeigen</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>An&amp;halten</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>&amp;Add to Favorites...</source>
        <translation>Zu Favoriten &amp;hinzufügen...</translation>
    </message>
    <message>
        <source>Add to Favorites</source>
        <translation>Zu Favoriten hinzufügen</translation>
    </message>
    <message>
        <source>O&amp;pen from Favorites...</source>
        <translation>Aus Favoriten ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Play from Favorites</source>
        <translation>Aus Favoriten spielen</translation>
    </message>
    <message>
        <source>&amp;Organize Favorites...</source>
        <translation>Favoriten &amp;verwalten...</translation>
    </message>
    <message>
        <source>Organize Favorites</source>
        <translation>Favoriten verwalten</translation>
    </message>
    <message>
        <source>C&amp;ustomize</source>
        <translation>&amp;Anpassen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>&amp;AutoSave</source>
        <translation>Automatisch &amp;speichern</translation>
    </message>
    <message>
        <source>Score &amp;Board</source>
        <translation>&amp;Punktetafel</translation>
    </message>
    <message>
        <source>Score Board</source>
        <translation>Punktetafel</translation>
    </message>
    <message>
        <source>H&amp;elp Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>Help Contents</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Quadrell 2000</source>
        <translation>Ü&amp;ber Quadrell 2000</translation>
    </message>
</context>
<context>
    <name>quadrell::SolverAssist</name>
    <message>
        <source>Looking for a winning line...</source>
        <translation>Suche einen Weg zum Sieg...</translation>
    </message>
</context>
<context>
    <name>quadrell::dlgAbout</name>
    <message>
        <source>A solitaire of eight columns, four cells and four foundations.</source>
        <translation>Eine Patience mit acht Spalten, vier Zellen und vier Ablagestapeln.</translation>
    </message>
</context>
<context>
    <name>quadrell::dlgMove</name>
    <message>
        <source>Move the selected card alone, or the whole run above it?</source>
        <translation>Nur die gewählte Karte verschieben oder die ganze Reihe darüber?</translation>
    </message>
</context>
<context>
    <name>quadrell::frmOptions</name>
    <message>
        <source>A larger value is slower: more steps per move, a longer replay interval.</source>
        <translation>Ein größerer Wert ist langsamer: mehr Schritte pro Zug, längere Pausen beim Abspielen.</translation>
    </message>
</context>
</TS>
