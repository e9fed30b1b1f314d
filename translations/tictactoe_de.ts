<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: tictactoe [options]
Tic Tac Toe for one player against the computer, or two players.

Options:
  -h, --help     Show this help and exit.
  -v, --version  Show the version and exit.

Qt&apos;s standard options, such as -platform and -reverse, are also accepted.
The settings are kept in &quot;options.ttt&quot; in the working folder.
</source>
        <translation>Aufruf: tictactoe [Optionen]
Tic Tac Toe für einen Spieler gegen den Computer oder für zwei Spieler.

Optionen:
  -h, --help     Diese Hilfe zeigen und beenden.
  -v, --version  Die Version zeigen und beenden.

Qts Standardoptionen wie -platform und -reverse werden ebenfalls angenommen.
Die Einstellungen stehen in &quot;options.ttt&quot; im Arbeitsordner.
</translation>
    </message>
</context>
<context>
    <name>GraphicsChooser</name>
    <message>
        <source>Chalk marks on a dark slate</source>
        <translation>Kreidezeichen auf dunkler Schiefertafel</translation>
    </message>
    <message>
        <source>Glowing neon marks on a dark wall</source>
        <translation>Leuchtende Neonzeichen auf dunkler Wand</translation>
    </message>
    <message>
        <source>Dark and pale wooden marks on wood</source>
        <translation>Dunkle und helle Holzzeichen auf Holz</translation>
    </message>
    <message>
        <source>Pencil marks on yellow writing paper</source>
        <translation>Bleistiftzeichen auf gelbem Schreibpapier</translation>
    </message>
    <message>
        <source>Blocky pixel marks, as in an old video game</source>
        <translation>Grobe Pixelzeichen wie in einem alten Videospiel</translation>
    </message>
    <message>
        <source>A ruby X and a gold O on a blue tile</source>
        <translation>Ein X aus Rubin und ein O aus Gold auf blauer Fliese</translation>
    </message>
    <message>
        <source>High contrast: a yellow X and a white O on black</source>
        <translation>Hoher Kontrast: gelbes X und weißes O auf Schwarz</translation>
    </message>
    <message>
        <source>Sweets on milk chocolate with sprinkles</source>
        <translation>Süßigkeiten auf Milchschokolade mit Streuseln</translation>
    </message>
    <message>
        <source>Canes in leaf and a wreath of daisies on soil</source>
        <translation>Belaubte Stäbe und ein Gänseblümchenkranz auf Erde</translation>
    </message>
    <message>
        <source>A technical drawing on blue grid paper</source>
        <translation>Eine technische Zeichnung auf blauem Rasterpapier</translation>
    </message>
    <message>
        <source>Marks embroidered on linen</source>
        <translation>Auf Leinen gestickte Zeichen</translation>
    </message>
    <message>
        <source>Light beams and a moon in a starry night sky</source>
        <translation>Lichtstrahlen und ein Mond am Sternenhimmel</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>bottom left</source>
        <translation>unten links</translation>
    </message>
    <message>
        <source>bottom middle</source>
        <translation>unten Mitte</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>unten rechts</translation>
    </message>
    <message>
        <source>middle left</source>
        <translation>Mitte links</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>middle right</source>
        <translation>Mitte rechts</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>oben links</translation>
    </message>
    <message>
        <source>top middle</source>
        <translation>oben Mitte</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>oben rechts</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>News</name>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>X wins: %1.</source>
        <translation>X gewinnt: %1.</translation>
    </message>
    <message>
        <source>O wins: %1.</source>
        <translation>O gewinnt: %1.</translation>
    </message>
    <message>
        <source>No winner.</source>
        <translation>Kein Sieger.</translation>
    </message>
    <message>
        <source>Your move.</source>
        <translation>Du bist dran.</translation>
    </message>
    <message>
        <source>X to move.</source>
        <translation>X ist dran.</translation>
    </message>
    <message>
        <source>O to move.</source>
        <translation>O ist dran.</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>Neues Spiel.</translation>
    </message>
    <message>
        <source>Game stopped.</source>
        <translation>Spiel angehalten.</translation>
    </message>
    <message>
        <source>Square %1 is taken.</source>
        <translation>Feld %1 ist besetzt.</translation>
    </message>
    <message>
        <source>Score: X %1, O %2, no winner %3.</source>
        <translation>Punkte: X %1, O %2, kein Sieger %3.</translation>
    </message>
    <message>
        <source>Level %1.</source>
        <translation>Stufe %1.</translation>
    </message>
    <message>
        <source>Two players.</source>
        <translation>Zwei Spieler.</translation>
    </message>
    <message>
        <source>One player.</source>
        <translation>Ein Spieler.</translation>
    </message>
    <message>
        <source>O first.</source>
        <translation>O beginnt.</translation>
    </message>
    <message>
        <source>X first.</source>
        <translation>X beginnt.</translation>
    </message>
    <message>
        <source>Scoring on.</source>
        <translation>Punkte zählen.</translation>
    </message>
    <message>
        <source>Scoring off.</source>
        <translation>Punkte nicht zählen.</translation>
    </message>
    <message>
        <source>Score cleared.</source>
        <translation>Punkte gelöscht.</translation>
    </message>
    <message>
        <source>Sounds on.</source>
        <translation>Töne an.</translation>
    </message>
    <message>
        <source>Sounds off.</source>
        <translation>Töne aus.</translation>
    </message>
    <message>
        <source>On top.</source>
        <translation>Im Vordergrund.</translation>
    </message>
    <message>
        <source>Not on top.</source>
        <translation>Nicht im Vordergrund.</translation>
    </message>
    <message>
        <source>Press P to play.</source>
        <translation>P drücken zum Spielen.</translation>
    </message>
    <message>
        <source>%1 to %2.</source>
        <translation>%1 zu %2.</translation>
    </message>
    <message>
        <source>O %1. %2.</source>
        <translation>O %1. %2.</translation>
    </message>
    <message>
        <source>O %1.</source>
        <translation>O %1.</translation>
    </message>
    <message>
        <source>X %1.</source>
        <translation>X %1.</translation>
    </message>
    <message>
        <source>X on %1</source>
        <translation>X auf %1</translation>
    </message>
    <message>
        <source>O on %1</source>
        <translation>O auf %1</translation>
    </message>
    <message>
        <source>Board empty.</source>
        <translation>Spielfeld leer.</translation>
    </message>
    <message>
        <source>%1; free %2.</source>
        <translation>%1; frei %2.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Clear Score</source>
        <translation>Punkte &amp;löschen</translation>
    </message>
    <message>
        <source>Al&amp;ways on Top</source>
        <translation>Immer im &amp;Vordergrund</translation>
    </message>
    <message>
        <source>&amp;Taskbar</source>
        <translation>&amp;Taskleiste</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Stufe</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Leicht</translation>
    </message>
    <message>
        <source>&amp;Meduim</source>
        <translation>&amp;Mittel</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Schwer</translation>
    </message>
    <message>
        <source>&amp;Unbeatable</source>
        <translation>&amp;Unschlagbar</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Graphics</source>
        <translation>&amp;Grafik</translation>
    </message>
    <message>
        <source>&amp;First Move</source>
        <translation>&amp;Erster Zug</translation>
    </message>
    <message>
        <source>X Goes First</source>
        <translation>X beginnt</translation>
    </message>
    <message>
        <source>O Goes First</source>
        <translation>O beginnt</translation>
    </message>
    <message>
        <source>&amp;Number of Players</source>
        <translation>&amp;Anzahl Spieler</translation>
    </message>
    <message>
        <source>&amp;One Player</source>
        <translation>&amp;Ein Spieler</translation>
    </message>
    <message>
        <source>&amp;Two Player</source>
        <translation>&amp;Zwei Spieler</translation>
    </message>
    <message>
        <source>&amp;Turn Scoring Off</source>
        <translation>&amp;Punkte nicht zählen</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Töne</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Tips</source>
        <translation>&amp;Tipps</translation>
    </message>
    <message>
        <source>&amp;About Tic Tac Toe</source>
        <translation>Ü&amp;ber Tic Tac Toe</translation>
    </message>
    <message>
        <source>&amp;Turn Scoring On</source>
        <translation>&amp;Punkte zählen</translation>
    </message>
</context>
<context>
    <name>SettingsProblem</name>
    <message>
        <source>The settings file %1 could not be read (%2), so the default settings are used.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht gelesen werden (%2), daher gelten die Standardeinstellungen.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be created (%2), so the default settings are used.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht angelegt werden (%2), daher gelten die Standardeinstellungen.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be written (%2), so the settings will not be saved at exit.</source>
        <translation>Die Einstellungsdatei %1 kann nicht geschrieben werden (%2), daher werden die Einstellungen beim Beenden nicht gespeichert.</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1 (%2).</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden (%2).</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1 (%2): the file could not be read at start-up.</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden (%2): Die Datei war beim Start nicht lesbar.</translation>
    </message>
    <message>
        <source>The picture set could not be saved to %1 (%2).</source>
        <translation>Der Bildersatz konnte nicht in %1 gespeichert werden (%2).</translation>
    </message>
    <message>
        <source>it is a named pipe, not a regular file</source>
        <translation>es ist eine benannte Pipe, keine normale Datei</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>es ist ein Socket, keine normale Datei</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>es ist ein Gerät, keine normale Datei</translation>
    </message>
    <message>
        <source>it is something else, not a regular file</source>
        <translation>es ist etwas anderes, keine normale Datei</translation>
    </message>
    <message>
        <source>it is a link to %1, in a folder that does not exist</source>
        <translation>es ist ein Verweis auf %1, in einem Ordner, den es nicht gibt</translation>
    </message>
    <message>
        <source>The settings file %1 is not used (%2): the default settings are used, and nothing will be written to it.</source>
        <translation>Die Einstellungsdatei %1 wird nicht benutzt (%2): Es gelten die Standardeinstellungen, und in sie wird nichts geschrieben.</translation>
    </message>
    <message>
        <source>Some settings in %1 could not be read, so their default values are used.</source>
        <translation>Einige Einstellungen in %1 konnten nicht gelesen werden, dafür gelten die Standardwerte.</translation>
    </message>
    <message>
        <source>At exit the whole file will be replaced with the settings then in use.</source>
        <translation>Beim Beenden wird die ganze Datei durch die dann geltenden Einstellungen ersetzt.</translation>
    </message>
    <message>
        <source>it is a link made by another user, which the game does not follow</source>
        <translation>es ist ein Verweis eines anderen Benutzers, dem das Spiel nicht folgt</translation>
    </message>
    <message>
        <source>it lies on a file system of the system itself, such as /proc</source>
        <translation>es liegt auf einem Dateisystem des Systems selbst, etwa /proc</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Your move</source>
        <translation>Du bist am Zug</translation>
    </message>
    <message>
        <source>X to move</source>
        <translation>X ist am Zug</translation>
    </message>
    <message>
        <source>O to move</source>
        <translation>O ist am Zug</translation>
    </message>
    <message>
        <source>Press P or New Game to play</source>
        <translation>Spielen: P oder Neues Spiel</translation>
    </message>
</context>
<context>
    <name>TipsWindow</name>
    <message>
        <source>Keys 1 to 9 play the squares, laid out like the number keypad.</source>
        <translation>Die Tasten 1 bis 9 spielen die Felder, angeordnet wie der Ziffernblock.</translation>
    </message>
    <message>
        <source>P or space starts a new game.</source>
        <translation>P oder Leertaste beginnt ein neues Spiel.</translation>
    </message>
    <message>
        <source>Take the centre square early.</source>
        <translation>Nimm früh das mittlere Feld.</translation>
    </message>
    <message>
        <source>Block two in a row at once.</source>
        <translation>Blockiere zwei in einer Reihe sofort.</translation>
    </message>
    <message>
        <source>Fork: make two threats at once.</source>
        <translation>Gabel: Mach zwei Drohungen auf einmal.</translation>
    </message>
    <message>
        <source>S quits at once, unsaved.</source>
        <translation>S beendet sofort, ohne zu speichern.</translation>
    </message>
</context>
<context>
    <name>tictactoe-lab</name>
    <message>
        <source>usage: tictactoe-lab VERB ARGS
  choose LEVEL BOARD    the square each draw 1..9 becomes under the level&apos;s rules
  reply LEVEL BOARD     exact chance of the computer&apos;s reply landing on each square
  strength              exact win/draw/loss table for every level and opening side:
                        first=O means the computer opens; opponent=best always takes
                        the highest chance to win (then the lowest chance to lose,
                        then the lowest square), opponent=random moves uniformly
  settings FILE         the seven settings the game would load from FILE
  --help, --version     this text; the program&apos;s version
LEVEL is 1 (Easy) to 4 (Unbeatable). BOARD is nine characters for squares 1..9
(square 1 is the bottom-left cell, 7 the top-left), each &apos;.&apos;, &apos;X&apos; or &apos;O&apos;.
Bad arguments: one line on standard error, exit status 2.
</source>
        <translation>Aufruf: tictactoe-lab VERB ARGUMENTE
  choose LEVEL BOARD    das Feld, das jede Ziehung 1..9 nach den Regeln der Stufe ergibt
  reply LEVEL BOARD     genaue Chance, dass der Computer auf jedes Feld antwortet
  strength              genaue Tabelle Sieg/Remis/Niederlage je Stufe und Anziehendem:
                        first=O heißt, der Computer beginnt; opponent=best nimmt stets
                        die höchste Gewinnchance (dann die kleinste Verlustchance,
                        dann das kleinste Feld), opponent=random zieht gleichverteilt
  settings FILE         die sieben Einstellungen, die das Spiel aus FILE laden würde
  --help, --version     dieser Text; die Version des Programms
LEVEL ist 1 (Leicht) bis 4 (Unschlagbar). BOARD sind neun Zeichen für die Felder 1..9
(Feld 1 ist unten links, 7 oben links), jeweils &apos;.&apos;, &apos;X&apos; oder &apos;O&apos;.
Falsche Argumente: eine Zeile auf der Standardfehlerausgabe, Exit-Status 2.
</translation>
    </message>
</context>
<context>
    <name>ttt::AboutWindow</name>
    <message>
        <source>About Tic Tac Toe</source>
        <translation>Über Tic Tac Toe</translation>
    </message>
    <message>
        <source>Free software: share and change it under the GNU General Public License, version 3 or later</source>
        <translation>Freie Software: Weitergeben und Ändern unter der GNU General Public License, Version 3 oder später</translation>
    </message>
    <message>
        <source>Thank you</source>
        <translation>Danke</translation>
    </message>
</context>
<context>
    <name>ttt::BoardWidget</name>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Board edge.</source>
        <translation>Rand des Spielfelds.</translation>
    </message>
</context>
<context>
    <name>ttt::GraphicsChooser</name>
    <message>
        <source>empty cell</source>
        <translation>leeres Feld</translation>
    </message>
    <message>
        <source>X and O Graphics</source>
        <translation>X- und O-Grafiken</translation>
    </message>
    <message>
        <source>Set %1: %2</source>
        <translation>Satz %1: %2</translation>
    </message>
    <message>
        <source>Option %1</source>
        <translation>Option %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ttt::MainWindow</name>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>O</source>
        <translation>O</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>Vemo&apos;s Tic Tac Toe </source>
        <translation>Vemos Tic Tac Toe </translation>
    </message>
    <message>
        <source>This desktop does not let programs keep their window on top</source>
        <translation>Dieser Desktop lässt Programme ihr Fenster nicht im Vordergrund halten</translation>
    </message>
    <message>
        <source>Tic Tac Toe</source>
        <translation>Tic Tac Toe</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>First Move</source>
        <translation>Beginnt</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Meduim</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Unbeat</source>
        <translation>Unschl.</translation>
    </message>
    <message>
        <source>Unbeatable</source>
        <translation>Unschlagbar</translation>
    </message>
    <message>
        <source>No result yet</source>
        <translation>Noch kein Ergebnis</translation>
    </message>
    <message>
        <source>X wins</source>
        <translation>X gewinnt</translation>
    </message>
    <message>
        <source>O wins</source>
        <translation>O gewinnt</translation>
    </message>
    <message>
        <source>No winner</source>
        <translation>Unentschieden</translation>
    </message>
    <message>
        <source>Start a new game</source>
        <translation>Neues Spiel starten</translation>
    </message>
    <message>
        <source>X wins!</source>
        <translation>X gewinnt!</translation>
    </message>
    <message>
        <source>O wins!</source>
        <translation>O gewinnt!</translation>
    </message>
</context>
<context>
    <name>ttt::ScorePanel</name>
    <message>
        <source>Score</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>No winner</source>
        <translation>Unentschieden</translation>
    </message>
    <message>
        <source>X wins: %1</source>
        <translation>Siege X: %1</translation>
    </message>
    <message>
        <source>X wins: not counted</source>
        <translation>Siege X: nicht gezählt</translation>
    </message>
    <message>
        <source>O wins: %1</source>
        <translation>Siege O: %1</translation>
    </message>
    <message>
        <source>O wins: not counted</source>
        <translation>Siege O: nicht gezählt</translation>
    </message>
    <message>
        <source>No winner: %1</source>
        <translation>Unentschieden: %1</translation>
    </message>
    <message>
        <source>No winner: not counted</source>
        <translation>Unentschieden: nicht gezählt</translation>
    </message>
    <message>
        <source>Score: X %1, O %2, no winner %3</source>
        <translation>Punkte: X %1, O %2, kein Sieger %3</translation>
    </message>
    <message>
        <source>Score: not counted</source>
        <translation>Punkte: nicht gezählt</translation>
    </message>
    <message>
        <source>NW</source>
        <comment>Score: title of the drawn games&apos; row (no winner), at most four letters</comment>
        <translation> U</translation>
    </message>
</context>
<context>
    <name>ttt::TipsWindow</name>
    <message>
        <source>Tips - Tic Tac Toe</source>
        <translation>Tipps - Tic Tac Toe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Tipps</translation>
    </message>
</context>
<context>
    <name>ttt::TrayIcon</name>
    <message>
        <source>Tic Tac Toe</source>
        <translation>Tic Tac Toe</translation>
    </message>
</context>
</TS>
