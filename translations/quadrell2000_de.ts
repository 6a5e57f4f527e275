<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AppPaths</name>
    <message>
        <source>Quadrell 2000 cannot start: the folder<byte value="xd"/>
%1<byte value="xd"/>
could not be made. %2<byte value="xd"/>
Without it no game and no score could be kept.</source>
        <translation>Quadrell 2000 kann nicht starten: Der Ordner<byte value="xd"/>
%1<byte value="xd"/>
konnte nicht angelegt werden. %2<byte value="xd"/>
Ohne ihn könnten weder Spiele noch Punkte aufbewahrt werden.</translation>
    </message>
    <message>
        <source>A file stands in its place.</source>
        <translation>An seiner Stelle steht eine Datei.</translation>
    </message>
    <message>
        <source>A link to nothing stands in its place.</source>
        <translation>An seiner Stelle steht ein Verweis ins Leere.</translation>
    </message>
</context>
<context>
    <name>AutoSaves</name>
    <message>
        <source>Are you sure you want to delete all files in this Folder ?</source>
        <translation>Wirklich alle Dateien in diesem Ordner löschen?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete these Files ?</source>
        <translation>Diese Dateien wirklich löschen?</translation>
    </message>
    <message>
        <source>These files could not be deleted:<byte value="xd"/>
</source>
        <translation>Diese Dateien konnten nicht gelöscht werden:<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>Cell %1: %2</source>
        <translation>Zelle %1: %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>%1 foundation: %2</source>
        <translation>Ablagestapel %1: %2</translation>
    </message>
    <message>
        <source>1 card</source>
        <translation>1 Karte</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 Karten</translation>
    </message>
    <message>
        <source>covered</source>
        <translation>verdeckt</translation>
    </message>
    <message>
        <source>exposed</source>
        <translation>frei</translation>
    </message>
    <message>
        <source>Arrow keys move between the places; 1 to 8 play a column; C and F step through the cells and the foundations; Space or Enter plays; Home sends the card home; Escape clears the selection.</source>
        <translation>Pfeiltasten gehen zwischen den Plätzen; 1 bis 8 spielen eine Spalte; C und F gehen durch die Zellen und die Ablagestapel; Leertaste oder Eingabe spielt; Pos1 schickt die Karte auf ihren Ablagestapel; Esc hebt die Auswahl auf.</translation>
    </message>
</context>
<context>
    <name>BoardNews</name>
    <message>
        <source>%1 selected</source>
        <translation>%1 gewählt</translation>
    </message>
    <message>
        <source>Selection cleared</source>
        <translation>Auswahl aufgehoben</translation>
    </message>
    <message>
        <source>New deal</source>
        <translation>Neu gegeben</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Tipp: %1</translation>
    </message>
    <message>
        <source>Undo: %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redo: %1</source>
        <translation>Wiederholt: %1</translation>
    </message>
    <message>
        <source>Undid 1 move, back to the deal</source>
        <translation>1 Zug rückgängig, zurück beim Austeilen</translation>
    </message>
    <message>
        <source>Undid %1 moves, back to the deal</source>
        <translation>%1 Züge rückgängig, zurück beim Austeilen</translation>
    </message>
    <message>
        <source>Redid 1 move, %1 cards left</source>
        <translation>1 Zug wiederholt, %1 Karten übrig</translation>
    </message>
    <message>
        <source>Redid %1 moves, %2 cards left</source>
        <translation>%1 Züge wiederholt, %2 Karten übrig</translation>
    </message>
    <message numerus="yes">
        <source>Finish: %n cards home</source>
        <translation>
            <numerusform>Abschließen: %n Karte nach Hause</numerusform>
            <numerusform>Abschließen: %n Karten nach Hause</numerusform>
        </translation>
    </message>
    <message>
        <source>Finish: 1 card home</source>
        <translation>Abschließen: 1 Karte nach Hause</translation>
    </message>
</context>
<context>
    <name>CardArt</name>
    <message>
        <source>A</source>
        <extracomment>The ace&apos;s corner letter.</extracomment>
        <translation>A</translation>
    </message>
    <message>
        <source>J</source>
        <extracomment>The jack&apos;s corner letter.</extracomment>
        <translation>B</translation>
    </message>
    <message>
        <source>Q</source>
        <extracomment>The queen&apos;s corner letter.</extracomment>
        <translation>D</translation>
    </message>
    <message>
        <source>K</source>
        <extracomment>The king&apos;s corner letter.</extracomment>
        <translation>K</translation>
    </message>
</context>
<context>
    <name>CardNames</name>
    <message>
        <source>Ace</source>
        <translation>Ass</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Zehn</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>König</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: the rank, then the suit (&quot;Seven of Hearts&quot;).</extracomment>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>cell %1</source>
        <translation>Zelle %1</translation>
    </message>
    <message>
        <source>the %1 foundation</source>
        <translation>Ablagestapel %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A move said aloud: a card, then where it went (&quot;Seven of Hearts to cell 1&quot;).</extracomment>
        <translation>%1 nach %2</translation>
    </message>
</context>
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
    <message>
        <source>Recent &amp;Finished</source>
        <translation>Zuletzt been&amp;det</translation>
    </message>
    <message>
        <source>Recent &amp;InComplete</source>
        <translation>Zuletzt &amp;unvollendet</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Abschließen</translation>
    </message>
    <message>
        <source>Finish: every card home</source>
        <translation>Abschließen: alle Karten nach Hause</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Abschließen</translation>
    </message>
    <message>
        <source>Solution Fas&amp;ter</source>
        <translation>Lösung &amp;schneller</translation>
    </message>
    <message>
        <source>Solution S&amp;lower</source>
        <translation>Lösung lan&amp;gsamer</translation>
    </message>
    <message>
        <source>Solution to the &amp;End</source>
        <translation>Lösung bis zum &amp;Ende</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>Sc&amp;hwierigkeit</translation>
    </message>
    <message>
        <source>&amp;Where Was It Lost?</source>
        <translation>&amp;Wo ging es verloren?</translation>
    </message>
    <message>
        <source>New Game of &amp;Difficulty...</source>
        <translation>Neues Spiel nach Sc&amp;hwierigkeit...</translation>
    </message>
    <message>
        <source>Ano&amp;ther of That Difficulty</source>
        <translation>&amp;Gleiche Schwierigkeit noch einmal</translation>
    </message>
    <message>
        <source>Re&amp;view Game...</source>
        <translation>Partie &amp;durchsehen...</translation>
    </message>
    <message>
        <source>Toda&amp;y&apos;s Deal</source>
        <translation>T&amp;agesspiel</translation>
    </message>
</context>
<context>
    <name>DataLock</name>
    <message>
        <source>Another copy of Quadrell 2000 is using<byte value="xd"/>
%1<byte value="xd"/>
Close it first; two copies writing the same scores and games would lose some of them.</source>
        <translation>Eine andere Kopie von Quadrell 2000 verwendet<byte value="xd"/>
%1<byte value="xd"/>
Schließen Sie sie zuerst; zwei Kopien, die dieselben Punkte und Spiele schreiben, würden einen Teil davon verlieren.</translation>
    </message>
</context>
<context>
    <name>Difficulty</name>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>Not solved</source>
        <translation>Nicht gelöst</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>The move history of this game is full.<byte value="xd"/>
No more moves can be recorded; undo, replay and saving still work.</source>
        <translation>Der Zugverlauf dieses Spiels ist voll.<byte value="xd"/>
Es können keine weiteren Züge aufgezeichnet werden; Rückgängig, Wiedergabe und Speichern gehen weiterhin.</translation>
    </message>
    <message>
        <source>That Move requirs moving %1 Cards.<byte value="xd"/>
You only have enough free space to move %2.</source>
        <translation>Für diesen Zug müssen %1 Karten bewegt werden.<byte value="xd"/>
Der freie Platz reicht nur für %2.</translation>
    </message>
    <message>
        <source>That move is not Allowed</source>
        <translation>Dieser Zug ist nicht erlaubt</translation>
    </message>
</context>
<context>
    <name>FavouriteWidgets</name>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
</context>
<context>
    <name>Favourites</name>
    <message>
        <source>&quot;%1&quot; cannot be used as a name here.</source>
        <translation>&quot;%1&quot; kann hier nicht als Name dienen.</translation>
    </message>
    <message>
        <source>A name cannot hold control characters.</source>
        <translation>Ein Name darf keine Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>Choose a favourites folder for the game.</source>
        <translation>Wählen Sie einen Favoritenordner für das Spiel.</translation>
    </message>
    <message>
        <source>Enter the folder name you want to create</source>
        <translation>Name des neuen Ordners</translation>
    </message>
    <message>
        <source>Folder Exists</source>
        <translation>Den Ordner gibt es schon</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Minimum one folder must exists</source>
        <translation>Mindestens ein Ordner muss bleiben</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1 ?</source>
        <translation>%1 wirklich löschen?</translation>
    </message>
    <message>
        <source>The folder %1 could not be deleted.</source>
        <translation>Der Ordner %1 konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete ?</source>
        <translation>Wirklich löschen?</translation>
    </message>
    <message>
        <source>These games could not be deleted:<byte value="xd"/>
</source>
        <translation>Diese Spiele konnten nicht gelöscht werden:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>File %1 exists! Do you want to overwrite ?</source>
        <translation>Die Datei %1 gibt es schon! Überschreiben?</translation>
    </message>
    <message>
        <source>These games could not be moved:<byte value="xd"/>
</source>
        <translation>Diese Spiele konnten nicht verschoben werden:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 - Played by %2</source>
        <translation>%1 - gespielt von %2</translation>
    </message>
</context>
<context>
    <name>FinishFlow</name>
    <message>
        <source>Start a New Game</source>
        <translation>Ein neues Spiel beginnen</translation>
    </message>
    <message>
        <source>Select a New Game</source>
        <translation>Ein neues Spiel wählen</translation>
    </message>
    <message>
        <source>Restart the Same Game</source>
        <translation>Dasselbe Spiel neu beginnen</translation>
    </message>
    <message>
        <source>Open an Existing Game</source>
        <translation>Ein gespeichertes Spiel öffnen</translation>
    </message>
    <message>
        <source>There is no favourite folder to add the game to.<byte value="xd"/>
Untick &quot;Add To Favorites&quot;, or make a folder with Organize Favorites.</source>
        <translation>Es gibt keinen Favoritenordner für das Spiel.<byte value="xd"/>
Entfernen Sie den Haken bei &quot;Zu Favoriten hinzufügen&quot; oder legen Sie unter Favoriten verwalten einen Ordner an.</translation>
    </message>
    <message>
        <source>%1 Played by %2</source>
        <translation>%1 gespielt von %2</translation>
    </message>
    <message>
        <source>First win</source>
        <translation>Erster Sieg</translation>
    </message>
    <message>
        <source>New best</source>
        <translation>Neue Bestleistung</translation>
    </message>
    <message>
        <source>Best %1</source>
        <translation>Bestwert %1</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>line %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>It begins with a byte-order mark; a game file is plain text.</source>
        <translation>Sie beginnt mit einer Byte-Order-Markierung; eine Spieldatei ist reiner Text.</translation>
    </message>
    <message>
        <source>There is a tab at %1; numbers are separated by spaces, commas or line ends.</source>
        <translation>In %1 steht ein Tabulator; Zahlen werden durch Leerzeichen, Kommas oder Zeilenenden getrennt.</translation>
    </message>
    <message>
        <source>There is a byte %1 at %2; a game file is plain text.</source>
        <translation>In %2 steht das Byte %1; eine Spieldatei ist reiner Text.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; at %2 is not a number.</source>
        <translation>&quot;%1&quot; in %2 ist keine Zahl.</translation>
    </message>
    <message>
        <source>Entry %1: </source>
        <translation>Eintrag %1: </translation>
    </message>
    <message>
        <source>a location code outside 0..212.</source>
        <translation>ein Ortscode außerhalb von 0..212.</translation>
    </message>
    <message>
        <source>the mode %1 is not 1, -1 or 2.</source>
        <translation>der Modus %1 ist nicht 1, -1 oder 2.</translation>
    </message>
    <message>
        <source>It holds no game number.</source>
        <translation>Sie enthält keine Spielnummer.</translation>
    </message>
    <message>
        <source>The game number is out of range.</source>
        <translation>Die Spielnummer liegt außerhalb des Bereichs.</translation>
    </message>
    <message>
        <source>Its last entry is incomplete.</source>
        <translation>Ihr letzter Eintrag ist unvollständig.</translation>
    </message>
    <message>
        <source>It holds more than %1 entries.</source>
        <translation>Sie enthält mehr als %1 Einträge.</translation>
    </message>
    <message>
        <source>Entry %1: a number is out of range.</source>
        <translation>Eintrag %1: eine Zahl liegt außerhalb des Bereichs.</translation>
    </message>
    <message>
        <source>Entry %1: the move number %2 should be %3.</source>
        <translation>Eintrag %1: die Zugnummer %2 müsste %3 sein.</translation>
    </message>
    <message>
        <source>Entry %1: no card can leave %2.</source>
        <translation>Eintrag %1: von %2 kann keine Karte weg.</translation>
    </message>
    <message>
        <source>Entry %1: the card cannot go to %2.</source>
        <translation>Eintrag %1: die Karte kann nicht nach %2.</translation>
    </message>
    <message>
        <source>Its name is not written in UTF-8, so it cannot be found by that name. Rename the file and open it again.</source>
        <translation>Ihr Name ist nicht in UTF-8 geschrieben, daher ist sie unter diesem Namen nicht zu finden. Benennen Sie die Datei um und öffnen Sie sie erneut.</translation>
    </message>
</context>
<context>
    <name>GameFileDialogs</name>
    <message>
        <source>Quadrell 2000 InComplete Game (*.qrl)</source>
        <translation>Quadrell 2000 unvollendetes Spiel (*.qrl)</translation>
    </message>
    <message>
        <source>Quadrell 2000 Finished Game (*.q2k)</source>
        <translation>Quadrell 2000 beendetes Spiel (*.q2k)</translation>
    </message>
</context>
<context>
    <name>GameSource</name>
    <message>
        <source>%1 Source</source>
        <translation>%1 Quelltext</translation>
    </message>
</context>
<context>
    <name>KeptGame</name>
    <message>
        <source>The game could not be saved to<byte value="xd"/>
%1<byte value="xd"/>
%2<byte value="xd"/>
Play goes on; it will be kept again as soon as it can be.</source>
        <translation>Das Spiel konnte nicht gespeichert werden unter<byte value="xd"/>
%1<byte value="xd"/>
%2<byte value="xd"/>
Es geht weiter; gespeichert wird wieder, sobald es geht.</translation>
    </message>
</context>
<context>
    <name>KeyboardPlay</name>
    <message>
        <source>There is no game to finish.</source>
        <translation>Es gibt kein Spiel zu beenden.</translation>
    </message>
    <message>
        <source>A game you watch is not yours to finish.</source>
        <translation>Ein Spiel, dem Sie zuschauen, beenden Sie nicht selbst.</translation>
    </message>
    <message>
        <source>Finish waits until the replay stops.</source>
        <translation>Beenden wartet, bis die Wiedergabe anhält.</translation>
    </message>
    <message>
        <source>Finish is not possible yet: not every card left can go home.</source>
        <translation>Abschließen ist noch nicht möglich: nicht jede übrige Karte kann auf ihren Ablagestapel.</translation>
    </message>
</context>
<context>
    <name>Lifecycle</name>
    <message>
        <source>Are you sure you want to exit the previously<byte value="xd"/>
unfinished game and start this game ?</source>
        <translation>Wollen Sie das zuvor unvollendete Spiel wirklich<byte value="xd"/>
aufgeben und dieses Spiel beginnen?</translation>
    </message>
</context>
<context>
    <name>MoveAnnouncer</name>
    <message numerus="yes">
        <source>; and %n more cards</source>
        <translation>
            <numerusform>; und %n weitere Karte</numerusform>
            <numerusform>; und %n weitere Karten</numerusform>
        </translation>
    </message>
    <message>
        <source>; and 1 more card</source>
        <translation>; und 1 weitere Karte</translation>
    </message>
</context>
<context>
    <name>QtPrompter</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 already exists.<byte value="xd"/>
Do you want to replace it?</source>
        <translation>%1 gibt es schon.<byte value="xd"/>
Wollen Sie die Datei ersetzen?</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>black</source>
        <translation>schwarz</translation>
    </message>
    <message>
        <source>The %1 goes on a %2 %3</source>
        <extracomment>%1 the card moved; %2 red or black, %3 a rank; %4 and %5 the two cards it fits on.</extracomment>
        <translation>%1 gehört auf %4 oder %5</translation>
    </message>
    <message>
        <source>The %1 goes on no card, only to a cell, an empty column or home</source>
        <translation>%1 kommt auf keine Karte, nur in eine Zelle, eine leere Spalte oder nach Hause</translation>
    </message>
    <message>
        <source>Nothing in that run goes on the %1: it takes a %2 %3</source>
        <extracomment>%1 the card gone onto; %2 red or black, %3 a rank; %4 and %5 the two cards it takes.</extracomment>
        <translation>Nichts aus dieser Reihe passt auf %1: darauf gehört %4 oder %5</translation>
    </message>
    <message>
        <source>Nothing goes on the %1</source>
        <translation>Auf %1 passt nichts</translation>
    </message>
    <message>
        <source>That run needs %1 free places; there are %2</source>
        <translation>Diese Reihe braucht %1 freie Plätze; es gibt %2</translation>
    </message>
    <message>
        <source>A cell holds one card; this one holds the %1</source>
        <translation>Eine Zelle fasst eine Karte; in dieser liegt %1</translation>
    </message>
    <message>
        <source>The %1 foundation takes the %2 next</source>
        <translation>Auf den Ablagestapel %1 kommt als Nächstes %2</translation>
    </message>
    <message>
        <source>The %1 foundation is complete</source>
        <translation>Der Ablagestapel %1 ist vollständig</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Es ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>It is a pipe, not a file.</source>
        <translation>Es ist eine Pipe, keine Datei.</translation>
    </message>
    <message>
        <source>It is a device or a special file, not a file.</source>
        <translation>Es ist ein Gerät oder eine Spezialdatei, keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>It is too large for this kind of file.</source>
        <translation>Sie ist zu groß für diese Art von Datei.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei gibt es nicht.</translation>
    </message>
    <message>
        <source>The file was not written in full.</source>
        <translation>Die Datei wurde nicht vollständig geschrieben.</translation>
    </message>
    <message>
        <source>It is a link to nothing.</source>
        <translation>Es ist eine Verknüpfung ins Leere.</translation>
    </message>
</context>
<context>
    <name>ScoreBoard</name>
    <message>
        <source>Games Played</source>
        <translation>Gespielte Spiele</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Gewonnene Spiele</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>Verlorene Spiele</translation>
    </message>
    <message>
        <source>Time Taken</source>
        <translation>Benötigte Zeit</translation>
    </message>
    <message>
        <source>Total Score</source>
        <translation>Punkte gesamt</translation>
    </message>
    <message>
        <source>Total Moves</source>
        <translation>Züge gesamt</translation>
    </message>
    <message>
        <source>Average Moves</source>
        <translation>Züge im Schnitt</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Zeit im Schnitt</translation>
    </message>
    <message>
        <source>Average Score</source>
        <translation>Punkte im Schnitt</translation>
    </message>
    <message>
        <source>Winning Percentage</source>
        <translation>Gewinnquote</translation>
    </message>
    <message>
        <source>Session Started : %1</source>
        <translation>Sitzung begonnen : %1</translation>
    </message>
    <message>
        <source>Games Played : %1</source>
        <translation>Gespielte Spiele : %1</translation>
    </message>
    <message>
        <source>Games Won : %1</source>
        <translation>Gewonnene Spiele : %1</translation>
    </message>
    <message>
        <source>Games Lost : %1</source>
        <translation>Verlorene Spiele : %1</translation>
    </message>
    <message>
        <source>Percentage : %1 %</source>
        <translation>Quote : %1 %</translation>
    </message>
    <message>
        <source>Total No. of Moves</source>
        <translation>Anzahl der Züge</translation>
    </message>
    <message>
        <source>Average Winning Moves</source>
        <translation>Züge je Sieg im Schnitt</translation>
    </message>
    <message>
        <source>Total Game Points</source>
        <translation>Spielpunkte gesamt</translation>
    </message>
    <message>
        <source>Total Time Taken</source>
        <translation>Gesamtzeit</translation>
    </message>
    <message>
        <source>Average Winning Time</source>
        <translation>Zeit je Sieg im Schnitt</translation>
    </message>
    <message>
        <source>Avg. Games per Month</source>
        <translation>Spiele je Monat im Schnitt</translation>
    </message>
    <message>
        <source>Average Points</source>
        <translation>Punkte im Schnitt</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
</context>
<context>
    <name>ScoreFile</name>
    <message>
        <source>Its last line is too long to be a record.</source>
        <translation>Ihre letzte Zeile ist zu lang für einen Eintrag.</translation>
    </message>
</context>
<context>
    <name>SelectGameRules</name>
    <message>
        <source>Select a Game Number between 0 and %1</source>
        <translation>Wählen Sie eine Spielnummer zwischen 0 und %1</translation>
    </message>
    <message>
        <source>Please Enter a valid number between 0 and 3240000</source>
        <translation>Bitte geben Sie eine gültige Zahl zwischen 0 und 3240000 ein</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>The settings could not be saved to<byte value="xd"/>
%1<byte value="xd"/>
The last saved settings are kept.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden unter<byte value="xd"/>
%1<byte value="xd"/>
Die zuletzt gespeicherten Einstellungen bleiben erhalten.</translation>
    </message>
    <message>
        <source>The settings file<byte value="xd"/>
%1<byte value="xd"/>
cannot be used. %2<byte value="xd"/>
The game starts with its default settings and cannot keep them.</source>
        <translation>Die Einstellungsdatei<byte value="xd"/>
%1<byte value="xd"/>
kann nicht verwendet werden. %2<byte value="xd"/>
Das Spiel startet mit den Standardeinstellungen und kann sie nicht speichern.</translation>
    </message>
    <message>
        <source>The settings file<byte value="xd"/>
%1<byte value="xd"/>
cannot be used. %2<byte value="xd"/>
It was moved to<byte value="xd"/>
%3<byte value="xd"/>
and the game starts with its default settings.</source>
        <translation>Die Einstellungsdatei<byte value="xd"/>
%1<byte value="xd"/>
kann nicht verwendet werden. %2<byte value="xd"/>
Sie wurde verschoben nach<byte value="xd"/>
%3<byte value="xd"/>
und das Spiel startet mit den Standardeinstellungen.</translation>
    </message>
    <message>
        <source>The settings could not be saved to<byte value="xd"/>
%1<byte value="xd"/>
No settings have been saved yet: the game goes on with its defaults.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden in<byte value="xd"/>
%1<byte value="xd"/>
Es wurden noch keine Einstellungen gespeichert: Das Spiel läuft mit den Standardeinstellungen weiter.</translation>
    </message>
</context>
<context>
    <name>cMenu</name>
    <message>
        <source>Are you sure You want to Quit this Game ?</source>
        <translation>Wollen Sie dieses Spiel wirklich aufgeben?</translation>
    </message>
    <message>
        <source>Quadrell 2000 cannot change Player in middle of the Game.<byte value="xd"/>
 Player will be changed to  %1  after you finish this game.</source>
        <translation>Quadrell 2000 kann den Spieler nicht mitten im Spiel wechseln.<byte value="xd"/>
 Nach diesem Spiel spielt  %1 .</translation>
    </message>
    <message>
        <source>Sorry File Doesn&apos;t Exists<byte value="xd"/>
%1</source>
        <translation>Die Datei gibt es leider nicht<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The game file<byte value="xd"/>
%1<byte value="xd"/>
cannot be opened. %2</source>
        <translation>Die Spieldatei<byte value="xd"/>
%1<byte value="xd"/>
kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>QuadRell 2000 - Game No. %1</source>
        <translation>QuadRell 2000 - Spiel Nr. %1</translation>
    </message>
    <message>
        <source>Looking for a game of that difficulty...</source>
        <translation>Ein Spiel dieser Schwierigkeit wird gesucht...</translation>
    </message>
    <message>
        <source>No game of that difficulty was found in the random range of the options (0 to %1).</source>
        <translation>Im Zufallsbereich der Optionen (0 bis %1) wurde kein Spiel dieser Schwierigkeit gefunden.</translation>
    </message>
    <message>
        <source>&amp;Where Was It Lost?</source>
        <translation>&amp;Wo ging es verloren?</translation>
    </message>
    <message>
        <source>Are you sure you want to close this Game ?</source>
        <translation>Dieses Spiel wirklich schließen?</translation>
    </message>
    <message>
        <source>Re&amp;view Game...</source>
        <translation>Partie &amp;durchsehen...</translation>
    </message>
</context>
<context>
    <name>cSave</name>
    <message>
        <source>&quot;%1&quot; is not a folder games can be saved in.<byte value="xd"/>
Choose an existing folder with Browse.</source>
        <translation>In &quot;%1&quot; können keine Spiele gespeichert werden.<byte value="xd"/>
Wählen Sie mit Durchsuchen einen vorhandenen Ordner.</translation>
    </message>
</context>
<context>
    <name>cScore</name>
    <message>
        <source>Score Board</source>
        <translation>Punktetafel</translation>
    </message>
    <message>
        <source>Text File (*.txt)</source>
        <translation>Textdatei (*.txt)</translation>
    </message>
    <message>
        <source>Exporting the score board...</source>
        <translation>Die Punktetafel wird exportiert...</translation>
    </message>
    <message>
        <source>The score board could not be exported to<byte value="xd"/>
%1<byte value="xd"/>
%2</source>
        <translation>Die Punktetafel konnte nicht exportiert werden nach<byte value="xd"/>
%1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The totals of %1 are too large to add this game.</source>
        <translation>Die Summen von %1 sind zu groß, um dieses Spiel hinzuzufügen.</translation>
    </message>
    <message>
        <source>The score file<byte value="xd"/>
%1<byte value="xd"/>
could not be cleared.<byte value="xd"/>
%2</source>
        <translation>Die Punktedatei<byte value="xd"/>
%1<byte value="xd"/>
konnte nicht geleert werden.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The score could not be written to<byte value="xd"/>
%1<byte value="xd"/>
%2<byte value="xd"/>
It is kept and will be recorded as soon as it can be, at the latest at the next start.</source>
        <translation>Das Ergebnis konnte nicht geschrieben werden in<byte value="xd"/>
%1<byte value="xd"/>
%2<byte value="xd"/>
Es wird aufbewahrt und eingetragen, sobald es geht, spätestens beim nächsten Start.</translation>
    </message>
    <message>
        <source>The score of the last game is kept waiting until the settings can be saved; it will be recorded then or at the next start.</source>
        <translation>Das Ergebnis des letzten Spiels wartet, bis die Einstellungen gespeichert werden können; es wird dann oder beim nächsten Start eingetragen.</translation>
    </message>
    <message>
        <source>The score file<byte value="xd"/>
%1<byte value="xd"/>
cannot be read. %2<byte value="xd"/>
Its games are not shown; nothing in it was changed.</source>
        <translation>Die Ergebnisdatei<byte value="xd"/>
%1<byte value="xd"/>
kann nicht gelesen werden. %2<byte value="xd"/>
Ihre Spiele werden nicht angezeigt; an ihr wurde nichts geändert.</translation>
    </message>
</context>
<context>
    <name>cTrans</name>
    <message>
        <source>The game could not be saved to<byte value="xd"/>
%1<byte value="xd"/>
%2</source>
        <translation>Das Spiel konnte nicht gespeichert werden unter<byte value="xd"/>
%1<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>cUser</name>
    <message>
        <source>Player exists!</source>
        <translation>Den Spieler gibt es schon!</translation>
    </message>
    <message>
        <source>Maximum 5 Players only</source>
        <translation>Höchstens 5 Spieler</translation>
    </message>
    <message>
        <source>Minimum one player is Required !</source>
        <translation>Mindestens ein Spieler muss bleiben!</translation>
    </message>
    <message>
        <source>PlayerName is Required</source>
        <translation>Ein Spielername ist nötig</translation>
    </message>
    <message>
        <source>A player name cannot hold control characters.</source>
        <translation>Ein Spielername darf keine Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>Maximum 8 Characters only</source>
        <translation>Höchstens 8 Zeichen</translation>
    </message>
    <message>
        <source>A player name cannot hold a quote.</source>
        <translation>Ein Spielername darf kein Anführungszeichen enthalten.</translation>
    </message>
</context>
<context>
    <name>quadrell::BoardWidget</name>
    <message>
        <source>New Game — F2
Select Game — F3</source>
        <translation>Neues Spiel — F2
Spiel wählen — F3</translation>
    </message>
</context>
<context>
    <name>quadrell::ChartsPage</name>
    <message>
        <source>All Players</source>
        <translation>Alle Spieler</translation>
    </message>
    <message>
        <source>By Week</source>
        <translation>Nach Wochen</translation>
    </message>
    <message>
        <source>By Month</source>
        <translation>Nach Monaten</translation>
    </message>
    <message>
        <source>Save as PNG...</source>
        <translation>Als PNG speichern...</translation>
    </message>
    <message>
        <source>Save as SVG...</source>
        <translation>Als SVG speichern...</translation>
    </message>
    <message>
        <source>PNG Picture (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG Picture (*.svg)</source>
        <translation>SVG-Bild (*.svg)</translation>
    </message>
    <message>
        <source>Quadrell 2000 charts</source>
        <translation>Quadrell 2000 Diagramme</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>%1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Show the figures as a table</source>
        <translation>Die Zahlen als Tabelle zeigen</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>Diagramme</translation>
    </message>
    <message>
        <source>Counting the games by difficulty: %1 of %2 deals rated...</source>
        <translation>Die Spiele werden nach Schwierigkeit gezählt: %1 von %2 Spielen bewertet...</translation>
    </message>
    <message>
        <source>Player:</source>
        <translation>Spieler:</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Zeitraum:</translation>
    </message>
</context>
<context>
    <name>quadrell::ChartsTable</name>
    <message>
        <source>Chart figures</source>
        <translation>Zahlen der Diagramme</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Angabe</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Games by week</source>
        <translation>Spiele je Woche</translation>
    </message>
    <message>
        <source>Games by month</source>
        <translation>Spiele je Monat</translation>
    </message>
    <message>
        <source>Week of %1</source>
        <translation>Woche vom %1</translation>
    </message>
    <message>
        <source>MMMM yyyy</source>
        <translation>MMMM yyyy</translation>
    </message>
    <message>
        <source>%1 played, %2 won, %3% won</source>
        <translation>%1 gespielt, %2 gewonnen, %3 % gewonnen</translation>
    </message>
    <message>
        <source>Winning times: games in each range</source>
        <translation>Gewinnzeiten: Spiele je Bereich</translation>
    </message>
    <message>
        <source>Points: games in each range</source>
        <translation>Punkte: Spiele je Bereich</translation>
    </message>
    <message>
        <source>Streaks and bests</source>
        <translation>Serien und Bestwerte</translation>
    </message>
    <message>
        <source>won %1 of %2, streak %3, longest %4, best time %5, best score %6</source>
        <translation>%1 von %2 gewonnen, Serie %3, längste %4, beste Zeit %5, beste Punktzahl %6</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>streak %1, longest %2</source>
        <translation>Serie %1, längste %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Games by difficulty</source>
        <translation>Spiele nach Schwierigkeit</translation>
    </message>
    <message>
        <source>Still counting</source>
        <translation>Wird noch gezählt</translation>
    </message>
    <message>
        <source>%1 games wait for their deal&apos;s rating</source>
        <translation>%1 Spiele warten auf ihre Bewertung</translation>
    </message>
</context>
<context>
    <name>quadrell::ChartsView</name>
    <message>
        <source>No games recorded</source>
        <translation>Keine Spiele aufgezeichnet</translation>
    </message>
    <message>
        <source>Winning times</source>
        <translation>Siegeszeiten</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Games per week</source>
        <translation>Spiele pro Woche</translation>
    </message>
    <message>
        <source>Games per month</source>
        <translation>Spiele pro Monat</translation>
    </message>
    <message>
        <source>d MMM yy</source>
        <translation>d. MMM yy</translation>
    </message>
    <message>
        <source>MMM yyyy</source>
        <translation>MMM yyyy</translation>
    </message>
    <message>
        <source>played</source>
        <translation>gespielt</translation>
    </message>
    <message>
        <source>won</source>
        <translation>gewonnen</translation>
    </message>
    <message>
        <source>win rate</source>
        <translation>Siegquote</translation>
    </message>
    <message>
        <source>No games won</source>
        <translation>Keine Spiele gewonnen</translation>
    </message>
    <message>
        <source>minutes:seconds</source>
        <translation>Minuten:Sekunden</translation>
    </message>
    <message>
        <source>points a game</source>
        <translation>Punkte pro Spiel</translation>
    </message>
    <message>
        <source>Streaks and bests</source>
        <translation>Serien und Bestwerte</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gew.</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Longest</source>
        <translation>Längste</translation>
    </message>
    <message>
        <source>Fastest</source>
        <translation>Schnellste</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Games by difficulty</source>
        <translation>Spiele nach Schwierigkeit</translation>
    </message>
    <message>
        <source>(still counting)</source>
        <translation>(wird noch gezählt)</translation>
    </message>
</context>
<context>
    <name>quadrell::DifficultyWatch</name>
    <message>
        <source>How hard this deal is, from the solver&apos;s search</source>
        <translation>Wie schwer dieses Spiel ist, aus der Suche des Lösers</translation>
    </message>
</context>
<context>
    <name>quadrell::FinishNotice</name>
    <message>
        <source>Every card left can go home: Finish (%1) sends them.</source>
        <translation>Jede übrige Karte kann auf ihren Ablagestapel: Abschließen (%1) legt sie ab.</translation>
    </message>
</context>
<context>
    <name>quadrell::GameListModel</name>
    <message>
        <source>Game List</source>
        <translation>Spieleliste</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>Cards Home</source>
        <translation>Karten abgelegt</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Schwierigkeit</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>quadrell::GameReviewer</name>
    <message>
        <source>Closing the review takes the game back to where it was.</source>
        <translation>Beim Schließen kehrt die Partie dorthin zurück, wo sie war.</translation>
    </message>
    <message>
        <source>Closing the review leaves the game at the move you chose.</source>
        <translation>Beim Schließen bleibt die Partie beim gewählten Zug.</translation>
    </message>
</context>
<context>
    <name>quadrell::HelpWindow</name>
    <message>
        <source>Quadrell 2000 Help</source>
        <translation>Quadrell 2000 Hilfe</translation>
    </message>
    <message>
        <source>index.html</source>
        <extracomment>The help document in this language, among the program&apos;s resources.</extracomment>
        <translation>index_de.html</translation>
    </message>
</context>
<context>
    <name>quadrell::LossSearch</name>
    <message>
        <source>Looking for the move that lost the game...</source>
        <translation>Suche den Zug, der das Spiel verloren hat …</translation>
    </message>
    <message>
        <source>This game can still be won from here.</source>
        <translation>Dieses Spiel ist von hier aus noch zu gewinnen.</translation>
    </message>
    <message>
        <source>This deal could not be won from its start.</source>
        <translation>Dieses Spiel war von Anfang an nicht zu gewinnen.</translation>
    </message>
    <message>
        <source>This move lost the game: %1</source>
        <translation>Dieser Zug hat das Spiel verloren: %1</translation>
    </message>
</context>
<context>
    <name>quadrell::ReviewChart</name>
    <message>
        <source>Moves to win across the game</source>
        <translation>Züge bis zum Sieg im Lauf der Partie</translation>
    </message>
</context>
<context>
    <name>quadrell::ScoreListModel</name>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>Perc</source>
        <translation>Proz.</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>won</source>
        <translation>gewonnen</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>verloren</translation>
    </message>
    <message>
        <source>The day&apos;s deal of %1</source>
        <translation>Das Tagesspiel vom %1</translation>
    </message>
    <message>
        <source>%1, the day&apos;s deal</source>
        <translation>%1, das Tagesspiel</translation>
    </message>
</context>
<context>
    <name>quadrell::SingleInstance</name>
    <message>
        <source>No private folder for the hand-over socket could be made (XDG_RUNTIME_DIR is not set and the cache folder cannot be used).<byte value="xd"/>
The game plays as usual, but game files opened from the desktop cannot be handed to it while it runs.</source>
        <translation>Es konnte kein privater Ordner für die Übergabe-Verbindung angelegt werden (XDG_RUNTIME_DIR ist nicht gesetzt, und der Cache-Ordner ist nicht nutzbar).<byte value="xd"/>
Das Spiel läuft wie gewohnt, aber Spieldateien, die vom Desktop aus geöffnet werden, können ihm nicht übergeben werden, solange es läuft.</translation>
    </message>
    <message>
        <source>Quadrell 2000 is already running, but it did not take the game file<byte value="xd"/>
%1<byte value="xd"/>
Nothing was opened. Open the file in the running game with Game, Open Game.</source>
        <translation>Quadrell 2000 läuft bereits, hat die Spieldatei aber nicht übernommen<byte value="xd"/>
%1<byte value="xd"/>
Es wurde nichts geöffnet. Öffnen Sie die Datei im laufenden Spiel mit Spiel, Spiel öffnen.</translation>
    </message>
</context>
<context>
    <name>quadrell::SolverAssist</name>
    <message>
        <source>Looking for a winning line...</source>
        <translation>Suche einen Weg zum Sieg...</translation>
    </message>
    <message>
        <source>This game can no longer be won from here.<byte value="xd"/>
Undo can take you back to a position that can.</source>
        <translation>Dieses Spiel ist von hier aus nicht mehr zu gewinnen.<byte value="xd"/>
Mit Rückgängig kommen Sie zu einer Stellung zurück, von der aus es geht.</translation>
    </message>
    <message>
        <source>No winning line was found in the time allowed.</source>
        <translation>In der verfügbaren Zeit wurde kein Weg zum Sieg gefunden.</translation>
    </message>
    <message>
        <source>Showing the solution gives this game up: it is recorded as lost.<byte value="xd"/>
Do you want to give it up ?</source>
        <translation>Wer sich die Lösung zeigen lässt, gibt dieses Spiel auf: es zählt als verloren.<byte value="xd"/>
Möchten Sie es aufgeben?</translation>
    </message>
    <message>
        <source>Show Solution: %1 s between moves</source>
        <translation>Lösung zeigen: %1 s zwischen den Zügen</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Tipp: %1</translation>
    </message>
</context>
<context>
    <name>quadrell::TodaysDeal</name>
    <message>
        <source>Today&apos;s deal, %1: Game No. %2</source>
        <translation>Tagesspiel, %1: Spiel Nr. %2</translation>
    </message>
    <message>
        <source>Today&apos;s deal, %1: Game No. %2, %3</source>
        <translation>Tagesspiel, %1: Spiel Nr. %2, %3</translation>
    </message>
</context>
<context>
    <name>quadrell::WinnableWatch</name>
    <message>
        <source>Can this game still be won from here?</source>
        <translation>Kann dieses Spiel von hier aus noch gewonnen werden?</translation>
    </message>
    <message>
        <source>Winnable</source>
        <translation>Gewinnbar</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Not known</source>
        <translation>Unbekannt</translation>
    </message>
</context>
<context>
    <name>quadrell::dlgAbout</name>
    <message>
        <source>A solitaire of eight columns, four cells and four foundations.</source>
        <translation>Eine Patience mit acht Spalten, vier Zellen und vier Ablagestapeln.</translation>
    </message>
    <message>
        <source>Version : %1.%2.%3</source>
        <translation>Version : %1.%2.%3</translation>
    </message>
    <message>
        <source>About Quadrell 2000</source>
        <translation>Über Quadrell 2000</translation>
    </message>
    <message>
        <source>Quadrell 2000</source>
        <translation>Quadrell 2000</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>quadrell::dlgDifficulty</name>
    <message>
        <source>New Game of Difficulty</source>
        <translation>Neues Spiel nach Schwierigkeit</translation>
    </message>
    <message>
        <source>A random game of the difficulty chosen, within the random range of the options. The solver rates each deal by the work it takes to win it.</source>
        <translation>Ein zufälliges Spiel der gewählten Schwierigkeit aus dem Zufallsbereich der Optionen. Der Löser bewertet jedes Spiel nach der Arbeit, die es zu gewinnen braucht.</translation>
    </message>
    <message>
        <source>%1 (%2 % of deals)</source>
        <translation>%1 (%2 % der Spiele)</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Geben</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>quadrell::dlgFinish</name>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Add To Favorites</source>
        <translation>Zu Favoriten hinzufügen</translation>
    </message>
    <message>
        <source>Congrats You Win !</source>
        <translation>Glückwunsch, gewonnen!</translation>
    </message>
    <message>
        <source>Favorites -&gt; </source>
        <translation>Favoriten -&gt; </translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save this Game</source>
        <translation>Dieses Spiel speichern</translation>
    </message>
    <message>
        <source>Select A Directory</source>
        <translation>Ordner wählen</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Speichern als</translation>
    </message>
    <message>
        <source>Browse for where to save</source>
        <translation>Speicherort suchen</translation>
    </message>
    <message>
        <source>Favorites folder</source>
        <translation>Favoritenordner</translation>
    </message>
    <message>
        <source>Favorite name</source>
        <translation>Name des Favoriten</translation>
    </message>
    <message>
        <source>Next game</source>
        <translation>Nächstes Spiel</translation>
    </message>
    <message>
        <source>This Game</source>
        <translation>Dieses Spiel</translation>
    </message>
    <message>
        <source>Re&amp;view Game...</source>
        <translation>Partie &amp;durchsehen...</translation>
    </message>
    <message>
        <source>Next game:</source>
        <translation>Nächstes Spiel:</translation>
    </message>
    <message>
        <source>Favorites folder:</source>
        <translation>Favoritenordner:</translation>
    </message>
</context>
<context>
    <name>quadrell::dlgMove</name>
    <message>
        <source>Move the selected card alone, or the whole run above it?</source>
        <translation>Nur die gewählte Karte verschieben oder die ganze Reihe darüber?</translation>
    </message>
    <message>
        <source>Move to Empty Column..</source>
        <translation>In leere Spalte verschieben..</translation>
    </message>
    <message>
        <source>Move Single Card</source>
        <translation>Einzelne Karte verschieben</translation>
    </message>
    <message>
        <source>Move Column</source>
        <translation>Reihe verschieben</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>quadrell::dlgReview</name>
    <message>
        <source>The game is won.</source>
        <translation>Die Partie ist gewonnen.</translation>
    </message>
    <message>
        <source>Winnable, 1 move to win.</source>
        <translation>Gewinnbar, 1 Zug bis zum Sieg.</translation>
    </message>
    <message>
        <source>Still winnable, 1 move to win.</source>
        <translation>Noch gewinnbar, 1 Zug bis zum Sieg.</translation>
    </message>
    <message>
        <source>Winnable, %1 moves to win.</source>
        <translation>Gewinnbar, %1 Züge bis zum Sieg.</translation>
    </message>
    <message>
        <source>Still winnable, %1 moves to win.</source>
        <translation>Noch gewinnbar, %1 Züge bis zum Sieg.</translation>
    </message>
    <message>
        <source>Cannot be won from here.</source>
        <translation>Von hier aus nicht mehr zu gewinnen.</translation>
    </message>
    <message>
        <source>Not decided: the search gave up.</source>
        <translation>Nicht entschieden: die Suche gab auf.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Review Game</source>
        <translation>Partie durchsehen</translation>
    </message>
    <message>
        <source>A row for each of your moves: could the game still be won after it, and how many moves the solver&apos;s line from there takes. </source>
        <translation>Eine Zeile für jeden Ihrer Züge: ob die Partie danach noch zu gewinnen war und wie viele Züge der Lösungsweg von dort braucht. </translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>Moves to win, as a table</source>
        <translation>Züge bis zum Sieg, als Tabelle</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Zug</translation>
    </message>
    <message>
        <source>Moves to win</source>
        <translation>Züge bis zum Sieg</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Markierung</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Ausgangsstellung</translation>
    </message>
    <message>
        <source>C&amp;hart</source>
        <translation>&amp;Diagramm</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Tabelle</translation>
    </message>
    <message>
        <source>Positions solved</source>
        <translation>Gelöste Stellungen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Move %1: %2</source>
        <translation>Zug %1: %2</translation>
    </message>
    <message>
        <source>Not solved: the review was stopped.</source>
        <translation>Nicht gelöst: die Durchsicht wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Not solved yet.</source>
        <translation>Noch nicht gelöst.</translation>
    </message>
    <message>
        <source>This move lost the game.</source>
        <translation>Dieser Zug hat die Partie verloren.</translation>
    </message>
    <message>
        <source>A costly move: %1 more moves to win.</source>
        <translation>Ein teurer Zug: %1 Züge mehr bis zum Sieg.</translation>
    </message>
    <message>
        <source>Solving the positions...</source>
        <translation>Die Stellungen werden gelöst...</translation>
    </message>
    <message>
        <source>not solved</source>
        <translation>nicht gelöst</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>verloren</translation>
    </message>
    <message>
        <source>not decided</source>
        <translation>nicht entschieden</translation>
    </message>
    <message>
        <source>lost the game</source>
        <translation>Partie verloren</translation>
    </message>
    <message>
        <source>costly</source>
        <translation>teuer</translation>
    </message>
    <message>
        <source>Stopped: %1 of %2 positions solved.</source>
        <translation>Abgebrochen: %1 von %2 Stellungen gelöst.</translation>
    </message>
    <message>
        <source>All %1 positions solved.</source>
        <translation>Alle %1 Stellungen gelöst.</translation>
    </message>
</context>
<context>
    <name>quadrell::frmAddFav</name>
    <message>
        <source>Add to Favorites</source>
        <translation>Zu Favoriten hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoriten</translation>
    </message>
</context>
<context>
    <name>quadrell::frmAddPlayer</name>
    <message>
        <source>Add a Player</source>
        <translation>Spieler hinzufügen</translation>
    </message>
    <message>
        <source>Player Name :</source>
        <translation>Spielername :</translation>
    </message>
    <message>
        <source>Full Name :</source>
        <translation>Vollständiger Name :</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>quadrell::frmAutoSave</name>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <source>AutoSave</source>
        <translation>Automatisch gespeichert</translation>
    </message>
    <message>
        <source>Incomplete Games</source>
        <translation>Unvollendete Spiele</translation>
    </message>
    <message>
        <source>Finished Games</source>
        <translation>Beendete Spiele</translation>
    </message>
    <message>
        <source>Incomplete Folder</source>
        <translation>Ordner unvollendeter Spiele</translation>
    </message>
    <message>
        <source>Finished Folder</source>
        <translation>Ordner beendeter Spiele</translation>
    </message>
    <message>
        <source>Date Created</source>
        <translation>Erstellt am</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Folder : </source>
        <translation>Ordner : </translation>
    </message>
</context>
<context>
    <name>quadrell::frmCustomize</name>
    <message>
        <source>Tool Bar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Statusleiste</translation>
    </message>
    <message>
        <source>Customize Quadrell 2000</source>
        <translation>Quadrell 2000 anpassen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>gezeigt</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>verborgen</translation>
    </message>
</context>
<context>
    <name>quadrell::frmFavourites</name>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Ctrl+Click for MultiSelect</source>
        <translation>Strg+Klick wählt mehrere</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Anlegen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Move Game(s) to this Folder or Delete</source>
        <translation>Spiel(e) in diesen Ordner verschieben oder löschen</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Delete the Folder</source>
        <translation>Den Ordner löschen</translation>
    </message>
    <message>
        <source>Delete the Games</source>
        <translation>Die Spiele löschen</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Ordner:</translation>
    </message>
</context>
<context>
    <name>quadrell::frmMain</name>
    <message>
        <source>Cards Left: %1</source>
        <translation>Übrige Karten: %1</translation>
    </message>
    <message>
        <source>Movements: %1</source>
        <translation>Züge: %1</translation>
    </message>
    <message>
        <source>Possible Moves: %1</source>
        <translation>Mögliche Züge: %1</translation>
    </message>
    <message>
        <source>Session Time: </source>
        <translation>Sitzungsdauer: </translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>The player games are recorded under (Tab from the board)</source>
        <translation>Der Spieler, unter dem die Spiele gezählt werden (Tab vom Spielfeld)</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Weitere Schaltflächen</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Statusleiste</translation>
    </message>
</context>
<context>
    <name>quadrell::frmOpenGame</name>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Quadrell 2000 Select Game</source>
        <translation>Quadrell 2000 Spiel wählen</translation>
    </message>
    <message>
        <source>Game List</source>
        <translation>Spieleliste</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Quadrell 2000</source>
        <translation>Quadrell 2000</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>AutoSave</source>
        <translation>Automatisch gespeichert</translation>
    </message>
    <message>
        <source>Incomplete Games</source>
        <translation>Unvollendete Spiele</translation>
    </message>
    <message>
        <source>Finished Games</source>
        <translation>Beendete Spiele</translation>
    </message>
    <message>
        <source>Recent Games</source>
        <translation>Zuletzt gespielt</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>Saved Games</source>
        <translation>Gespeicherte Spiele</translation>
    </message>
    <message>
        <source>Sorry File Doesn&apos;t Exists</source>
        <translation>Die Datei gibt es leider nicht</translation>
    </message>
    <message>
        <source>Places</source>
        <translation>Orte</translation>
    </message>
</context>
<context>
    <name>quadrell::frmOptions</name>
    <message>
        <source>A larger value is slower: more steps per move, a longer replay interval.</source>
        <translation>Ein größerer Wert ist langsamer: mehr Schritte pro Zug, längere Pausen beim Abspielen.</translation>
    </message>
    <message>
        <source>QuadRell 2000 Options</source>
        <translation>QuadRell 2000 Einstellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Autosave</source>
        <translation>Automatisch speichern</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Enable Flashing Title Bar</source>
        <translation>Titelleiste blinken lassen</translation>
    </message>
    <message>
        <source>Display Messages on Illegal Moves</source>
        <translation>Meldung bei unerlaubten Zügen</translation>
    </message>
    <message>
        <source>Double Click moves the Card to a free Cell</source>
        <translation>Doppelklick legt die Karte in eine freie Zelle</translation>
    </message>
    <message>
        <source>Start Unfinished Game at Startup</source>
        <translation>Unvollendetes Spiel beim Start fortsetzen</translation>
    </message>
    <message>
        <source>Random Range</source>
        <translation>Zufallsbereich</translation>
    </message>
    <message>
        <source>Recent List</source>
        <translation>Zuletzt-Liste</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Click to Clear Recent Games List.</source>
        <translation>Klicken, um die Liste der zuletzt gespielten Spiele zu leeren.</translation>
    </message>
    <message>
        <source>Animation Speed</source>
        <translation>Animationsgeschwindigkeit</translation>
    </message>
    <message>
        <source>Enable Incomplete AutoSave</source>
        <translation>Unvollendete Spiele automatisch speichern</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Enable Finished AutoSave</source>
        <translation>Beendete Spiele automatisch speichern</translation>
    </message>
    <message>
        <source>Include Date in AutoSave File Name</source>
        <translation>Datum in den Dateinamen aufnehmen</translation>
    </message>
    <message>
        <source>Include Time in AutoSave File Name</source>
        <translation>Uhrzeit in den Dateinamen aufnehmen</translation>
    </message>
    <message>
        <source>Player Name</source>
        <translation>Spielername</translation>
    </message>
    <message>
        <source>Player Full Name</source>
        <translation>Vollständiger Name</translation>
    </message>
    <message>
        <source>Add Player</source>
        <translation>Spieler hinzufügen</translation>
    </message>
    <message>
        <source>Remove Player</source>
        <translation>Spieler entfernen</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Background Image</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>Enable BackGround Image</source>
        <translation>Hintergrundbild verwenden</translation>
    </message>
    <message>
        <source>0 to 40,000</source>
        <translation>0 bis 40.000</translation>
    </message>
    <message>
        <source>0 to 6,40,000</source>
        <translation>0 bis 640.000</translation>
    </message>
    <message>
        <source>0 to 32,40,000</source>
        <translation>0 bis 3.240.000</translation>
    </message>
    <message>
        <source>Card Moving Speed</source>
        <translation>Kartenbewegung</translation>
    </message>
    <message>
        <source>Undo/Redo Speed</source>
        <translation>Rückgängig/Wiederholen</translation>
    </message>
    <message>
        <source>UndoAll/RedoAll Speed</source>
        <translation>Alles rückgängig/wiederholen</translation>
    </message>
    <message>
        <source>Replay Speed</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Pictures (*.bmp *.jpg *.jpeg *.gif *.png)</source>
        <translation>Bilder (*.bmp *.jpg *.jpeg *.gif *.png)</translation>
    </message>
    <message>
        <source>Select A Directory</source>
        <translation>Ordner wählen</translation>
    </message>
    <message>
        <source>Are you Sure you want to Clear Recent List ?</source>
        <translation>Die Liste der zuletzt gespielten Spiele wirklich leeren?</translation>
    </message>
    <message>
        <source>Cleare Recent List</source>
        <translation>Zuletzt-Liste leeren</translation>
    </message>
    <message>
        <source>Are you sure you want to remove %1 ?</source>
        <translation>%1 wirklich entfernen?</translation>
    </message>
    <message>
        <source>Incomplete AutoSave folder</source>
        <translation>Ordner für unvollendete Spiele</translation>
    </message>
    <message>
        <source>Browse for the Incomplete AutoSave folder</source>
        <translation>Ordner für unvollendete Spiele suchen</translation>
    </message>
    <message>
        <source>Finished AutoSave folder</source>
        <translation>Ordner für beendete Spiele</translation>
    </message>
    <message>
        <source>Browse for the Finished AutoSave folder</source>
        <translation>Ordner für beendete Spiele suchen</translation>
    </message>
    <message>
        <source>Browse for a Background Image</source>
        <translation>Hintergrundbild suchen</translation>
    </message>
    <message>
        <source>High contrast board: black, with white outlines and strong frames</source>
        <translation>Tisch mit hohem Kontrast: schwarz, mit weißen Umrissen und kräftigen Rahmen</translation>
    </message>
    <message>
        <source>Show Solution Speed</source>
        <translation>Tempo der gezeigten Lösung</translation>
    </message>
    <message>
        <source>Finish a game by itself once every card left can go home</source>
        <translation>Ein Spiel selbst abschließen, sobald jede übrige Karte nach Hause kann</translation>
    </message>
    <message>
        <source>Reduce motion: no celebration when a game is won</source>
        <translation>Weniger Bewegung: keine Feier bei einem gewonnenen Spiel</translation>
    </message>
    <message>
        <source>While cards are held, mark every place that would take them</source>
        <translation>Beim Ziehen jeden Platz markieren, der die Karten nimmt</translation>
    </message>
    <message>
        <source>Play sounds: a card placed, a move refused, a game won</source>
        <translation>Töne spielen: eine Karte abgelegt, ein Zug abgelehnt, ein Spiel gewonnen</translation>
    </message>
</context>
<context>
    <name>quadrell::frmScore</name>
    <message>
        <source>QuadRell 2000 Score Board</source>
        <translation>QuadRell 2000 Punktetafel</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Score Board</source>
        <translation>Punktetafel</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>GameNo</source>
        <translation>Spielnr.</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Top Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Global Statistics</source>
        <translation>Gesamtstatistik</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>Diagramme</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Clear Score</source>
        <translation>Punkte löschen</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>This Session</source>
        <translation>Diese Sitzung</translation>
    </message>
    <message>
        <source>This Game</source>
        <translation>Dieses Spiel</translation>
    </message>
    <message>
        <source>Show Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Last 3 Days</source>
        <translation>Letzte 3 Tage</translation>
    </message>
    <message>
        <source>Last 1 Week</source>
        <translation>Letzte Woche</translation>
    </message>
    <message>
        <source>Last 1 Month</source>
        <translation>Letzter Monat</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Show Only Finished Games</source>
        <translation>Nur beendete Spiele zeigen</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Perc</source>
        <translation>Proz.</translation>
    </message>
    <message>
        <source>Export Score</source>
        <translation>Punkte exportieren</translation>
    </message>
    <message>
        <source>Clear Global</source>
        <translation>Gesamt löschen</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Player : </source>
        <translation>Spieler : </translation>
    </message>
    <message>
        <source>Moves : %1</source>
        <translation>Züge : %1</translation>
    </message>
    <message>
        <source>Cards Left : %1</source>
        <translation>Übrige Karten : %1</translation>
    </message>
    <message>
        <source>Last Exported File : </source>
        <translation>Zuletzt exportierte Datei : </translation>
    </message>
    <message>
        <source>Last Exported Date : </source>
        <translation>Zuletzt exportiert am : </translation>
    </message>
    <message>
        <source>Last Global Cleared : </source>
        <translation>Gesamt zuletzt gelöscht : </translation>
    </message>
    <message>
        <source>Last General Cleared : </source>
        <translation>Allgemein zuletzt gelöscht : </translation>
    </message>
    <message>
        <source>Time Elapsed : </source>
        <translation>Verstrichene Zeit : </translation>
    </message>
    <message>
        <source>Are you sure you want to clear Score Board ? </source>
        <translation>Die Punktetafel wirklich leeren? </translation>
    </message>
    <message>
        <source>Are you sure you want to delete Global and General scores ? </source>
        <translation>Gesamt- und allgemeine Punkte wirklich löschen? </translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Games shown</source>
        <translation>Gezeigte Spiele</translation>
    </message>
    <message>
        <source>The games of the score file cannot be shown. %1
%2
The lists and statistics below leave them out; only the players&apos; totals count them.</source>
        <translation>Die Spiele der Punktedatei können nicht gezeigt werden. %1
%2
Die Listen und Statistiken unten lassen sie aus; nur die Summen der Spieler zählen sie.</translation>
    </message>
    <message>
        <source>Player:</source>
        <translation>Spieler:</translation>
    </message>
    <message>
        <source>Games:</source>
        <translation>Spiele:</translation>
    </message>
</context>
<context>
    <name>quadrell::frmSelectFav</name>
    <message>
        <source>Play</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>Open From Favorites</source>
        <translation>Aus Favoriten öffnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Ordner:</translation>
    </message>
</context>
<context>
    <name>quadrell::frmSelectGame</name>
    <message>
        <source>Select Game</source>
        <translation>Spiel wählen</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Difficulty: rating...</source>
        <translation>Schwierigkeit: wird bewertet …</translation>
    </message>
    <message>
        <source>Difficulty: %1</source>
        <translation>Schwierigkeit: %1</translation>
    </message>
</context>
<context>
    <name>quadrell::frmSource</name>
    <message>
        <source>Quadrell 2000 Source</source>
        <translation>Quadrell 2000 Quelltext</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>The source could not be saved to<byte value="xd"/>
%1</source>
        <translation>Der Quelltext konnte nicht gespeichert werden unter<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Text File (*.txt)</source>
        <translation>Textdatei (*.txt)</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelltext</translation>
    </message>
</context>
</TS>
