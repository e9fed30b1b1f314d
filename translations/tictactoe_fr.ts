<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
        <translation>Usage : tictactoe [options]
Tic Tac Toe pour un joueur contre l&apos;ordinateur, ou pour deux joueurs.

Options :
  -h, --help     Affiche cette aide et quitte.
  -v, --version  Affiche la version et quitte.

Les options standard de Qt, comme -platform et -reverse, sont aussi acceptées.
Les réglages sont gardés dans &quot;options.ttt&quot; dans le dossier de travail.
</translation>
    </message>
</context>
<context>
    <name>GraphicsChooser</name>
    <message>
        <source>Chalk marks on a dark slate</source>
        <translation>Marques à la craie sur une ardoise sombre</translation>
    </message>
    <message>
        <source>Glowing neon marks on a dark wall</source>
        <translation>Marques au néon lumineux sur un mur sombre</translation>
    </message>
    <message>
        <source>Dark and pale wooden marks on wood</source>
        <translation>Marques en bois sombre et clair sur du bois</translation>
    </message>
    <message>
        <source>Pencil marks on yellow writing paper</source>
        <translation>Marques au crayon sur du papier jaune</translation>
    </message>
    <message>
        <source>Blocky pixel marks, as in an old video game</source>
        <translation>Marques en gros pixels, comme dans un vieux jeu vidéo</translation>
    </message>
    <message>
        <source>A ruby X and a gold O on a blue tile</source>
        <translation>Un X en rubis et un O en or sur un carreau bleu</translation>
    </message>
    <message>
        <source>High contrast: a yellow X and a white O on black</source>
        <translation>Contraste élevé : un X jaune et un O blanc sur noir</translation>
    </message>
    <message>
        <source>Sweets on milk chocolate with sprinkles</source>
        <translation>Bonbons sur du chocolat au lait avec des vermicelles</translation>
    </message>
    <message>
        <source>Canes in leaf and a wreath of daisies on soil</source>
        <translation>Tiges feuillues et couronne de pâquerettes sur de la terre</translation>
    </message>
    <message>
        <source>A technical drawing on blue grid paper</source>
        <translation>Un dessin technique sur papier quadrillé bleu</translation>
    </message>
    <message>
        <source>Marks embroidered on linen</source>
        <translation>Marques brodées sur du lin</translation>
    </message>
    <message>
        <source>Light beams and a moon in a starry night sky</source>
        <translation>Rayons de lumière et une lune dans un ciel étoilé</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>bottom left</source>
        <translation>en bas à gauche</translation>
    </message>
    <message>
        <source>bottom middle</source>
        <translation>en bas au milieu</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>en bas à droite</translation>
    </message>
    <message>
        <source>middle left</source>
        <translation>au milieu à gauche</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>au centre</translation>
    </message>
    <message>
        <source>middle right</source>
        <translation>au milieu à droite</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>en haut à gauche</translation>
    </message>
    <message>
        <source>top middle</source>
        <translation>en haut au milieu</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>en haut à droite</translation>
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
        <translation> et </translation>
    </message>
    <message>
        <source>X wins: %1.</source>
        <translation>X gagne : %1.</translation>
    </message>
    <message>
        <source>O wins: %1.</source>
        <translation>O gagne : %1.</translation>
    </message>
    <message>
        <source>No winner.</source>
        <translation>Pas de gagnant.</translation>
    </message>
    <message>
        <source>Your move.</source>
        <translation>À vous de jouer.</translation>
    </message>
    <message>
        <source>X to move.</source>
        <translation>Au tour de X.</translation>
    </message>
    <message>
        <source>O to move.</source>
        <translation>Au tour de O.</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>Nouvelle partie.</translation>
    </message>
    <message>
        <source>Game stopped.</source>
        <translation>Partie arrêtée.</translation>
    </message>
    <message>
        <source>Square %1 is taken.</source>
        <translation>La case %1 est prise.</translation>
    </message>
    <message>
        <source>Score: X %1, O %2, no winner %3.</source>
        <translation>Score : X %1, O %2, pas de gagnant %3.</translation>
    </message>
    <message>
        <source>Level %1.</source>
        <translation>Niveau %1.</translation>
    </message>
    <message>
        <source>Two players.</source>
        <translation>Deux joueurs.</translation>
    </message>
    <message>
        <source>One player.</source>
        <translation>Un joueur.</translation>
    </message>
    <message>
        <source>O first.</source>
        <translation>O commence.</translation>
    </message>
    <message>
        <source>X first.</source>
        <translation>X commence.</translation>
    </message>
    <message>
        <source>Scoring on.</source>
        <translation>Score compté.</translation>
    </message>
    <message>
        <source>Scoring off.</source>
        <translation>Score non compté.</translation>
    </message>
    <message>
        <source>Score cleared.</source>
        <translation>Score effacé.</translation>
    </message>
    <message>
        <source>Sounds on.</source>
        <translation>Sons activés.</translation>
    </message>
    <message>
        <source>Sounds off.</source>
        <translation>Sons coupés.</translation>
    </message>
    <message>
        <source>On top.</source>
        <translation>Toujours devant.</translation>
    </message>
    <message>
        <source>Not on top.</source>
        <translation>Plus devant.</translation>
    </message>
    <message>
        <source>Press P to play.</source>
        <translation>P pour jouer.</translation>
    </message>
    <message>
        <source>%1 to %2.</source>
        <translation>%1 à %2.</translation>
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
        <translation>X en %1</translation>
    </message>
    <message>
        <source>O on %1</source>
        <translation>O en %1</translation>
    </message>
    <message>
        <source>Board empty.</source>
        <translation>Plateau vide.</translation>
    </message>
    <message>
        <source>%1; free %2.</source>
        <translation>%1 ; libres %2.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Clear Score</source>
        <translation>&amp;Effacer le score</translation>
    </message>
    <message>
        <source>Al&amp;ways on Top</source>
        <translation>&amp;Toujours devant</translation>
    </message>
    <message>
        <source>&amp;Taskbar</source>
        <translation>&amp;Barre des tâches</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Difficulté</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Facile</translation>
    </message>
    <message>
        <source>&amp;Meduim</source>
        <translation>&amp;Moyen</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Difficile</translation>
    </message>
    <message>
        <source>&amp;Unbeatable</source>
        <translation>&amp;Imbattable</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Graphics</source>
        <translation>&amp;Graphismes</translation>
    </message>
    <message>
        <source>&amp;First Move</source>
        <translation>&amp;Premier coup</translation>
    </message>
    <message>
        <source>X Goes First</source>
        <translation>X commence</translation>
    </message>
    <message>
        <source>O Goes First</source>
        <translation>O commence</translation>
    </message>
    <message>
        <source>&amp;Number of Players</source>
        <translation>&amp;Nombre de joueurs</translation>
    </message>
    <message>
        <source>&amp;One Player</source>
        <translation>&amp;Un joueur</translation>
    </message>
    <message>
        <source>&amp;Two Player</source>
        <translation>&amp;Deux joueurs</translation>
    </message>
    <message>
        <source>&amp;Turn Scoring Off</source>
        <translation>Ne pas compter le &amp;score</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>S&amp;ons</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Tips</source>
        <translation>&amp;Astuces</translation>
    </message>
    <message>
        <source>&amp;About Tic Tac Toe</source>
        <translation>À &amp;propos de Tic Tac Toe</translation>
    </message>
    <message>
        <source>&amp;Turn Scoring On</source>
        <translation>Compter le &amp;score</translation>
    </message>
</context>
<context>
    <name>SettingsProblem</name>
    <message>
        <source>The settings file %1 could not be read (%2), so the default settings are used.</source>
        <translation>Le fichier de réglages %1 n&apos;a pas pu être lu (%2) : les réglages par défaut sont utilisés.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be created (%2), so the default settings are used.</source>
        <translation>Le fichier de réglages %1 n&apos;a pas pu être créé (%2) : les réglages par défaut sont utilisés.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be written (%2), so the settings will not be saved at exit.</source>
        <translation>Le fichier de réglages %1 ne peut pas être écrit (%2) : les réglages ne seront pas enregistrés en quittant.</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1 (%2).</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés dans %1 (%2).</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1 (%2): the file could not be read at start-up.</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés dans %1 (%2) : le fichier était illisible au démarrage.</translation>
    </message>
    <message>
        <source>The picture set could not be saved to %1 (%2).</source>
        <translation>Le jeu d&apos;images n&apos;a pas pu être enregistré dans %1 (%2).</translation>
    </message>
    <message>
        <source>it is a named pipe, not a regular file</source>
        <translation>c&apos;est un tube nommé, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>c&apos;est un socket, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>c&apos;est un périphérique, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is something else, not a regular file</source>
        <translation>c&apos;est autre chose qu&apos;un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is a link to %1, in a folder that does not exist</source>
        <translation>c&apos;est un lien vers %1, dans un dossier qui n&apos;existe pas</translation>
    </message>
    <message>
        <source>The settings file %1 is not used (%2): the default settings are used, and nothing will be written to it.</source>
        <translation>Le fichier de réglages %1 n&apos;est pas utilisé (%2) : les réglages par défaut sont utilisés, et rien n&apos;y sera écrit.</translation>
    </message>
    <message>
        <source>Some settings in %1 could not be read, so their default values are used.</source>
        <translation>Certains réglages de %1 n&apos;ont pas pu être lus, leurs valeurs par défaut sont donc utilisées.</translation>
    </message>
    <message>
        <source>At exit the whole file will be replaced with the settings then in use.</source>
        <translation>À la sortie, le fichier entier sera remplacé par les réglages alors en vigueur.</translation>
    </message>
    <message>
        <source>it is a link made by another user, which the game does not follow</source>
        <translation>c&apos;est un lien créé par un autre utilisateur, que le jeu ne suit pas</translation>
    </message>
    <message>
        <source>it lies on a file system of the system itself, such as /proc</source>
        <translation>il se trouve sur un système de fichiers du système lui-même, comme /proc</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Your move</source>
        <translation>À vous de jouer</translation>
    </message>
    <message>
        <source>X to move</source>
        <translation>Au tour de X</translation>
    </message>
    <message>
        <source>O to move</source>
        <translation>Au tour de O</translation>
    </message>
    <message>
        <source>Press P or New Game to play</source>
        <translation>Pour jouer : P ou Nouvelle partie</translation>
    </message>
</context>
<context>
    <name>TipsWindow</name>
    <message>
        <source>Keys 1 to 9 play the squares, laid out like the number keypad.</source>
        <translation>Les touches 1 à 9 jouent les cases, disposées comme le pavé numérique.</translation>
    </message>
    <message>
        <source>P or space starts a new game.</source>
        <translation>P ou espace lance une nouvelle partie.</translation>
    </message>
    <message>
        <source>Take the centre square early.</source>
        <translation>Prenez tôt la case du centre.</translation>
    </message>
    <message>
        <source>Block two in a row at once.</source>
        <translation>Bloquez aussitôt deux pions alignés.</translation>
    </message>
    <message>
        <source>Fork: make two threats at once.</source>
        <translation>Fourchette : créez deux menaces à la fois.</translation>
    </message>
    <message>
        <source>S quits at once, unsaved.</source>
        <translation>S quitte aussitôt, sans enregistrer.</translation>
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
        <translation>usage : tictactoe-lab VERBE ARGUMENTS
  choose LEVEL BOARD    la case que devient chaque tirage 1..9 selon les règles du niveau
  reply LEVEL BOARD     chance exacte que l&apos;ordinateur réponde sur chaque case
  strength              table exacte victoire/nul/défaite par niveau et premier joueur :
                        first=O : l&apos;ordinateur commence ; opponent=best prend toujours
                        la plus forte chance de gagner (puis la plus faible de perdre,
                        puis la plus petite case), opponent=random joue au hasard
  settings FILE         les sept réglages que le jeu chargerait depuis FILE
  --help, --version     ce texte ; la version du programme
LEVEL va de 1 (Facile) à 4 (Imbattable). BOARD : neuf caractères pour les cases 1..9
(la case 1 est en bas à gauche, la 7 en haut à gauche), chacun &apos;.&apos;, &apos;X&apos; ou &apos;O&apos;.
Arguments incorrects : une ligne sur la sortie d&apos;erreur, code de sortie 2.
</translation>
    </message>
</context>
<context>
    <name>ttt::AboutWindow</name>
    <message>
        <source>About Tic Tac Toe</source>
        <translation>À propos de Tic Tac Toe</translation>
    </message>
    <message>
        <source>Free software: share and change it under the GNU General Public License, version 3 or later</source>
        <translation>Logiciel libre : partagez-le et modifiez-le selon la GNU General Public License, version 3 ou ultérieure</translation>
    </message>
    <message>
        <source>Thank you</source>
        <translation>Merci</translation>
    </message>
</context>
<context>
    <name>ttt::BoardWidget</name>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>Board edge.</source>
        <translation>Bord du plateau.</translation>
    </message>
</context>
<context>
    <name>ttt::GraphicsChooser</name>
    <message>
        <source>empty cell</source>
        <translation>case vide</translation>
    </message>
    <message>
        <source>X and O Graphics</source>
        <translation>Graphismes X et O</translation>
    </message>
    <message>
        <source>Set %1: %2</source>
        <translation>Jeu %1 : %2</translation>
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
        <translation>Annuler</translation>
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
        <translation>vide</translation>
    </message>
    <message>
        <source>Vemo&apos;s Tic Tac Toe </source>
        <translation>Tic Tac Toe de Vemo </translation>
    </message>
    <message>
        <source>This desktop does not let programs keep their window on top</source>
        <translation>Ce bureau ne permet pas aux programmes de garder leur fenêtre devant</translation>
    </message>
    <message>
        <source>Tic Tac Toe</source>
        <translation>Tic Tac Toe</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>First Move</source>
        <translation>Commence</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Difficulté</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Meduim</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Unbeat</source>
        <translation>Imbatt.</translation>
    </message>
    <message>
        <source>Unbeatable</source>
        <translation>Imbattable</translation>
    </message>
    <message>
        <source>No result yet</source>
        <translation>Pas encore de résultat</translation>
    </message>
    <message>
        <source>X wins</source>
        <translation>X gagne</translation>
    </message>
    <message>
        <source>O wins</source>
        <translation>O gagne</translation>
    </message>
    <message>
        <source>No winner</source>
        <translation>Match nul</translation>
    </message>
    <message>
        <source>Start a new game</source>
        <translation>Commencer une nouvelle partie</translation>
    </message>
    <message>
        <source>X wins!</source>
        <translation>X gagne !</translation>
    </message>
    <message>
        <source>O wins!</source>
        <translation>O gagne !</translation>
    </message>
</context>
<context>
    <name>ttt::ScorePanel</name>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>No winner</source>
        <translation>Match nul</translation>
    </message>
    <message>
        <source>X wins: %1</source>
        <translation>Victoires de X : %1</translation>
    </message>
    <message>
        <source>X wins: not counted</source>
        <translation>Victoires de X : non comptées</translation>
    </message>
    <message>
        <source>O wins: %1</source>
        <translation>Victoires de O : %1</translation>
    </message>
    <message>
        <source>O wins: not counted</source>
        <translation>Victoires de O : non comptées</translation>
    </message>
    <message>
        <source>No winner: %1</source>
        <translation>Matchs nuls : %1</translation>
    </message>
    <message>
        <source>No winner: not counted</source>
        <translation>Matchs nuls : non comptés</translation>
    </message>
    <message>
        <source>Score: X %1, O %2, no winner %3</source>
        <translation>Score : X %1, O %2, pas de gagnant %3</translation>
    </message>
    <message>
        <source>Score: not counted</source>
        <translation>Score : non compté</translation>
    </message>
    <message>
        <source>NW</source>
        <comment>Score: title of the drawn games&apos; row (no winner), at most four letters</comment>
        <translation>Nul</translation>
    </message>
</context>
<context>
    <name>ttt::TipsWindow</name>
    <message>
        <source>Tips - Tic Tac Toe</source>
        <translation>Astuces - Tic Tac Toe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Astuces</translation>
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
