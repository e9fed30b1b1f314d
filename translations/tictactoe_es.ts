<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
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
        <translation>Uso: tictactoe [opciones]
Tic Tac Toe para un jugador contra el ordenador, o para dos jugadores.

Opciones:
  -h, --help     Muestra esta ayuda y sale.
  -v, --version  Muestra la versión y sale.

También se aceptan las opciones estándar de Qt, como -platform y -reverse.
Los ajustes se guardan en &quot;options.ttt&quot; en la carpeta de trabajo.
</translation>
    </message>
</context>
<context>
    <name>GraphicsChooser</name>
    <message>
        <source>Chalk marks on a dark slate</source>
        <translation>Marcas de tiza en una pizarra oscura</translation>
    </message>
    <message>
        <source>Glowing neon marks on a dark wall</source>
        <translation>Marcas de neón brillante en una pared oscura</translation>
    </message>
    <message>
        <source>Dark and pale wooden marks on wood</source>
        <translation>Marcas de madera oscura y clara sobre madera</translation>
    </message>
    <message>
        <source>Pencil marks on yellow writing paper</source>
        <translation>Marcas a lápiz en papel amarillo</translation>
    </message>
    <message>
        <source>Blocky pixel marks, as in an old video game</source>
        <translation>Marcas de píxeles gruesos, como en un videojuego antiguo</translation>
    </message>
    <message>
        <source>A ruby X and a gold O on a blue tile</source>
        <translation>Una X de rubí y una O de oro sobre un azulejo azul</translation>
    </message>
    <message>
        <source>High contrast: a yellow X and a white O on black</source>
        <translation>Alto contraste: una X amarilla y una O blanca sobre negro</translation>
    </message>
    <message>
        <source>Sweets on milk chocolate with sprinkles</source>
        <translation>Golosinas sobre chocolate con leche con virutas</translation>
    </message>
    <message>
        <source>Canes in leaf and a wreath of daisies on soil</source>
        <translation>Cañas con hojas y una corona de margaritas sobre tierra</translation>
    </message>
    <message>
        <source>A technical drawing on blue grid paper</source>
        <translation>Un dibujo técnico en papel cuadriculado azul</translation>
    </message>
    <message>
        <source>Marks embroidered on linen</source>
        <translation>Marcas bordadas en lino</translation>
    </message>
    <message>
        <source>Light beams and a moon in a starry night sky</source>
        <translation>Rayos de luz y una luna en un cielo estrellado</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>bottom left</source>
        <translation>abajo a la izquierda</translation>
    </message>
    <message>
        <source>bottom middle</source>
        <translation>abajo en el centro</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>abajo a la derecha</translation>
    </message>
    <message>
        <source>middle left</source>
        <translation>en medio a la izquierda</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>en el centro</translation>
    </message>
    <message>
        <source>middle right</source>
        <translation>en medio a la derecha</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>arriba a la izquierda</translation>
    </message>
    <message>
        <source>top middle</source>
        <translation>arriba en el centro</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>arriba a la derecha</translation>
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
        <translation> y </translation>
    </message>
    <message>
        <source>X wins: %1.</source>
        <translation>Gana X: %1.</translation>
    </message>
    <message>
        <source>O wins: %1.</source>
        <translation>Gana O: %1.</translation>
    </message>
    <message>
        <source>No winner.</source>
        <translation>Sin ganador.</translation>
    </message>
    <message>
        <source>Your move.</source>
        <translation>Te toca.</translation>
    </message>
    <message>
        <source>X to move.</source>
        <translation>Le toca a X.</translation>
    </message>
    <message>
        <source>O to move.</source>
        <translation>Le toca a O.</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>Nueva partida.</translation>
    </message>
    <message>
        <source>Game stopped.</source>
        <translation>Partida detenida.</translation>
    </message>
    <message>
        <source>Square %1 is taken.</source>
        <translation>La casilla %1 está ocupada.</translation>
    </message>
    <message>
        <source>Score: X %1, O %2, no winner %3.</source>
        <translation>Marcador: X %1, O %2, sin ganador %3.</translation>
    </message>
    <message>
        <source>Level %1.</source>
        <translation>Nivel %1.</translation>
    </message>
    <message>
        <source>Two players.</source>
        <translation>Dos jugadores.</translation>
    </message>
    <message>
        <source>One player.</source>
        <translation>Un jugador.</translation>
    </message>
    <message>
        <source>O first.</source>
        <translation>Empieza O.</translation>
    </message>
    <message>
        <source>X first.</source>
        <translation>Empieza X.</translation>
    </message>
    <message>
        <source>Scoring on.</source>
        <translation>Tanteo activado.</translation>
    </message>
    <message>
        <source>Scoring off.</source>
        <translation>Tanteo desactivado.</translation>
    </message>
    <message>
        <source>Score cleared.</source>
        <translation>Marcador borrado.</translation>
    </message>
    <message>
        <source>Sounds on.</source>
        <translation>Sonidos activados.</translation>
    </message>
    <message>
        <source>Sounds off.</source>
        <translation>Sonidos desactivados.</translation>
    </message>
    <message>
        <source>On top.</source>
        <translation>Siempre encima.</translation>
    </message>
    <message>
        <source>Not on top.</source>
        <translation>Ya no encima.</translation>
    </message>
    <message>
        <source>Press P to play.</source>
        <translation>Pulsa P para jugar.</translation>
    </message>
    <message>
        <source>%1 to %2.</source>
        <translation>%1 a %2.</translation>
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
        <translation>Tablero vacío.</translation>
    </message>
    <message>
        <source>%1; free %2.</source>
        <translation>%1; libres %2.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Clear Score</source>
        <translation>&amp;Borrar marcador</translation>
    </message>
    <message>
        <source>Al&amp;ways on Top</source>
        <translation>&amp;Siempre encima</translation>
    </message>
    <message>
        <source>&amp;Taskbar</source>
        <translation>Barra de &amp;tareas</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Dificultad</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Fácil</translation>
    </message>
    <message>
        <source>&amp;Meduim</source>
        <translation>&amp;Medio</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>D&amp;ifícil</translation>
    </message>
    <message>
        <source>&amp;Unbeatable</source>
        <translation>Im&amp;batible</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Graphics</source>
        <translation>&amp;Gráficos</translation>
    </message>
    <message>
        <source>&amp;First Move</source>
        <translation>&amp;Primera jugada</translation>
    </message>
    <message>
        <source>X Goes First</source>
        <translation>Empieza X</translation>
    </message>
    <message>
        <source>O Goes First</source>
        <translation>Empieza O</translation>
    </message>
    <message>
        <source>&amp;Number of Players</source>
        <translation>&amp;Número de jugadores</translation>
    </message>
    <message>
        <source>&amp;One Player</source>
        <translation>&amp;Un jugador</translation>
    </message>
    <message>
        <source>&amp;Two Player</source>
        <translation>&amp;Dos jugadores</translation>
    </message>
    <message>
        <source>&amp;Turn Scoring Off</source>
        <translation>No contar &amp;tanteo</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Sonidos</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Tips</source>
        <translation>&amp;Consejos</translation>
    </message>
    <message>
        <source>&amp;About Tic Tac Toe</source>
        <translation>&amp;Acerca de Tic Tac Toe</translation>
    </message>
    <message>
        <source>&amp;Turn Scoring On</source>
        <translation>Contar &amp;tanteo</translation>
    </message>
</context>
<context>
    <name>SettingsProblem</name>
    <message>
        <source>The settings file %1 could not be read (%2), so the default settings are used.</source>
        <translation>No se pudo leer el archivo de ajustes %1 (%2); se usan los ajustes por defecto.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be created (%2), so the default settings are used.</source>
        <translation>No se pudo crear el archivo de ajustes %1 (%2); se usan los ajustes por defecto.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be written (%2), so the settings will not be saved at exit.</source>
        <translation>No se puede escribir el archivo de ajustes %1 (%2); los ajustes no se guardarán al salir.</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1 (%2).</source>
        <translation>No se pudieron guardar los ajustes en %1 (%2).</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1 (%2): the file could not be read at start-up.</source>
        <translation>No se pudieron guardar los ajustes en %1 (%2): el archivo no se pudo leer al arrancar.</translation>
    </message>
    <message>
        <source>The picture set could not be saved to %1 (%2).</source>
        <translation>No se pudo guardar el juego de imágenes en %1 (%2).</translation>
    </message>
    <message>
        <source>it is a named pipe, not a regular file</source>
        <translation>es una tubería con nombre, no un archivo normal</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>es un socket, no un archivo normal</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>es un dispositivo, no un archivo normal</translation>
    </message>
    <message>
        <source>it is something else, not a regular file</source>
        <translation>es otra cosa, no un archivo normal</translation>
    </message>
    <message>
        <source>it is a link to %1, in a folder that does not exist</source>
        <translation>es un enlace a %1, en una carpeta que no existe</translation>
    </message>
    <message>
        <source>The settings file %1 is not used (%2): the default settings are used, and nothing will be written to it.</source>
        <translation>El archivo de ajustes %1 no se usa (%2): se usan los ajustes predeterminados y no se escribirá nada en él.</translation>
    </message>
    <message>
        <source>Some settings in %1 could not be read, so their default values are used.</source>
        <translation>Algunos ajustes de %1 no se pudieron leer, así que se usan sus valores predeterminados.</translation>
    </message>
    <message>
        <source>At exit the whole file will be replaced with the settings then in use.</source>
        <translation>Al salir, todo el archivo se sustituirá por los ajustes que estén en uso.</translation>
    </message>
    <message>
        <source>it is a link made by another user, which the game does not follow</source>
        <translation>es un enlace creado por otro usuario, que el juego no sigue</translation>
    </message>
    <message>
        <source>it lies on a file system of the system itself, such as /proc</source>
        <translation>está en un sistema de archivos del propio sistema, como /proc</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Your move</source>
        <translation>Te toca</translation>
    </message>
    <message>
        <source>X to move</source>
        <translation>Turno de X</translation>
    </message>
    <message>
        <source>O to move</source>
        <translation>Turno de O</translation>
    </message>
    <message>
        <source>Press P or New Game to play</source>
        <translation>Pulsa P o Nueva partida para jugar</translation>
    </message>
</context>
<context>
    <name>TipsWindow</name>
    <message>
        <source>Keys 1 to 9 play the squares, laid out like the number keypad.</source>
        <translation>Las teclas 1 a 9 juegan las casillas, dispuestas como el teclado numérico.</translation>
    </message>
    <message>
        <source>P or space starts a new game.</source>
        <translation>P o espacio empieza una partida nueva.</translation>
    </message>
    <message>
        <source>Take the centre square early.</source>
        <translation>Toma pronto la casilla central.</translation>
    </message>
    <message>
        <source>Block two in a row at once.</source>
        <translation>Bloquea enseguida dos en línea.</translation>
    </message>
    <message>
        <source>Fork: make two threats at once.</source>
        <translation>Horquilla: crea dos amenazas a la vez.</translation>
    </message>
    <message>
        <source>S quits at once, unsaved.</source>
        <translation>S sale enseguida, sin guardar.</translation>
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
        <translation>uso: tictactoe-lab VERBO ARGUMENTOS
  choose LEVEL BOARD    la casilla que da cada sorteo 1..9 con las reglas del nivel
  reply LEVEL BOARD     probabilidad exacta de que el ordenador responda en cada casilla
  strength              victorias, empates y derrotas exactos por nivel y por quién abre:
                        first=O: abre el ordenador; opponent=best elige siempre
                        la mayor probabilidad de ganar (luego la menor de perder,
                        luego la casilla más baja), opponent=random juega al azar
  settings FILE         los siete ajustes que el juego cargaría de FILE
  --help, --version     este texto; la versión del programa
LEVEL va de 1 (Fácil) a 4 (Imbatible). BOARD son nueve caracteres para las casillas 1..9
(la casilla 1 es la de abajo a la izquierda; la 7, la de arriba), cada una &apos;.&apos;, &apos;X&apos; u &apos;O&apos;.
Argumentos incorrectos: una línea en la salida de error, código de salida 2.
</translation>
    </message>
</context>
<context>
    <name>ttt::AboutWindow</name>
    <message>
        <source>About Tic Tac Toe</source>
        <translation>Acerca de Tic Tac Toe</translation>
    </message>
    <message>
        <source>Free software: share and change it under the GNU General Public License, version 3 or later</source>
        <translation>Software libre: compártalo y modifíquelo bajo la GNU General Public License, versión 3 o posterior</translation>
    </message>
    <message>
        <source>Thank you</source>
        <translation>Gracias</translation>
    </message>
</context>
<context>
    <name>ttt::BoardWidget</name>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Board edge.</source>
        <translation>Borde del tablero.</translation>
    </message>
</context>
<context>
    <name>ttt::GraphicsChooser</name>
    <message>
        <source>empty cell</source>
        <translation>casilla vacía</translation>
    </message>
    <message>
        <source>X and O Graphics</source>
        <translation>Gráficos de X y O</translation>
    </message>
    <message>
        <source>Set %1: %2</source>
        <translation>Juego %1: %2</translation>
    </message>
    <message>
        <source>Option %1</source>
        <translation>Opción %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>vacía</translation>
    </message>
    <message>
        <source>Vemo&apos;s Tic Tac Toe </source>
        <translation>Tic Tac Toe de Vemo </translation>
    </message>
    <message>
        <source>This desktop does not let programs keep their window on top</source>
        <translation>Este escritorio no deja a los programas mantener su ventana encima</translation>
    </message>
    <message>
        <source>Tic Tac Toe</source>
        <translation>Tic Tac Toe</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>First Move</source>
        <translation>Empieza</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Dificultad</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Meduim</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Unbeat</source>
        <translation>Imbat.</translation>
    </message>
    <message>
        <source>Unbeatable</source>
        <translation>Imbatible</translation>
    </message>
    <message>
        <source>No result yet</source>
        <translation>Aún sin resultado</translation>
    </message>
    <message>
        <source>X wins</source>
        <translation>Gana X</translation>
    </message>
    <message>
        <source>O wins</source>
        <translation>Gana O</translation>
    </message>
    <message>
        <source>No winner</source>
        <translation>Empate</translation>
    </message>
    <message>
        <source>Start a new game</source>
        <translation>Empezar una partida nueva</translation>
    </message>
    <message>
        <source>X wins!</source>
        <translation>¡Gana X!</translation>
    </message>
    <message>
        <source>O wins!</source>
        <translation>¡Gana O!</translation>
    </message>
</context>
<context>
    <name>ttt::ScorePanel</name>
    <message>
        <source>Score</source>
        <translation>Tanteo</translation>
    </message>
    <message>
        <source>No winner</source>
        <translation>Empate</translation>
    </message>
    <message>
        <source>X wins: %1</source>
        <translation>Victorias de X: %1</translation>
    </message>
    <message>
        <source>X wins: not counted</source>
        <translation>Victorias de X: sin contar</translation>
    </message>
    <message>
        <source>O wins: %1</source>
        <translation>Victorias de O: %1</translation>
    </message>
    <message>
        <source>O wins: not counted</source>
        <translation>Victorias de O: sin contar</translation>
    </message>
    <message>
        <source>No winner: %1</source>
        <translation>Empates: %1</translation>
    </message>
    <message>
        <source>No winner: not counted</source>
        <translation>Empates: sin contar</translation>
    </message>
    <message>
        <source>Score: X %1, O %2, no winner %3</source>
        <translation>Marcador: X %1, O %2, sin ganador %3</translation>
    </message>
    <message>
        <source>Score: not counted</source>
        <translation>Marcador: sin contar</translation>
    </message>
    <message>
        <source>NW</source>
        <comment>Score: title of the drawn games&apos; row (no winner), at most four letters</comment>
        <translation> E</translation>
    </message>
</context>
<context>
    <name>ttt::TipsWindow</name>
    <message>
        <source>Tips - Tic Tac Toe</source>
        <translation>Consejos - Tic Tac Toe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Consejos</translation>
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
