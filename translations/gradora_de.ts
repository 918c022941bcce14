<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>About Gradora</source>
        <translation>Über Gradora</translation>
    </message>
    <message>
        <source>&lt;h3 style=&quot;margin:0;&quot;&gt;Gradora&lt;/h3&gt;Version %1 for %2 (%3 bit)&lt;br&gt; Built on %4 / %5&lt;br&gt;&lt;br&gt;Measures anything on the screen: rulers in pixels and in calibrated units, guides and a flying figure for areas and angles.&lt;br&gt;Made with Qt %6.&lt;br&gt;Copyright &amp;copy; 2026 The Gradora developers&lt;br&gt;Free software under the BSD 3-Clause licence.&lt;br&gt;&lt;br&gt;&lt;a style=&quot;color:#007;&quot; href=&quot;%7&quot;&gt;Terms of use&lt;/a&gt; | &lt;a style=&quot;color:#007;&quot; href=&quot;%8&quot;&gt;Qt libraries&lt;/a&gt;</source>
        <translation>&lt;h3 style=&quot;margin:0;&quot;&gt;Gradora&lt;/h3&gt;Version %1 für %2 (%3 Bit)&lt;br&gt; Erstellt am %4 / %5&lt;br&gt;&lt;br&gt;Vermisst alles auf dem Bildschirm: Lineale in Pixeln und in kalibrierten Einheiten, Hilfslinien und eine fliegende Figur für Flächen und Winkel.&lt;br&gt;Erstellt mit Qt %6.&lt;br&gt;Copyright &amp;copy; 2026 The Gradora developers&lt;br&gt;Freie Software unter der BSD-3-Clause-Lizenz.&lt;br&gt;&lt;br&gt;&lt;a style=&quot;color:#007;&quot; href=&quot;%7&quot;&gt;Nutzungsbedingungen&lt;/a&gt; | &lt;a style=&quot;color:#007;&quot; href=&quot;%8&quot;&gt;Qt-Bibliotheken&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show where the help page is and exit.</source>
        <translation>Zeigen, wo die Hilfeseite liegt, und beenden.</translation>
    </message>
    <message>
        <source>Measure anything on the screen with translucent rulers.</source>
        <translation>Alles auf dem Bildschirm mit durchscheinenden Linealen vermessen.</translation>
    </message>
    <message>
        <source>%1: the help page is missing: %2
</source>
        <translation>%1: Die Hilfeseite fehlt: %2
</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
»%1 --help« gibt weitere Auskunft.
</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument »%1«.</translation>
    </message>
</context>
<context>
    <name>DisplayCalibration</name>
    <message>
        <source>Display %1 does not report its size, so its pixels per inch could not be read: %2 × %3 stand in for them. Measure its diagonal and give it to the PPI calculator.</source>
        <translation>Anzeige %1 meldet ihre Größe nicht, daher ließen sich ihre Pixel pro Zoll nicht lesen: %2 × %3 stehen an ihrer Stelle. Messen Sie ihre Diagonale und geben Sie sie in den PPI-Rechner ein.</translation>
    </message>
</context>
<context>
    <name>DisplayLabel</name>
    <message>
        <source>Display 1</source>
        <translation>Bildschirm 1</translation>
    </message>
</context>
<context>
    <name>EdgeFinderTool</name>
    <message>
        <source>No picture of the screen could be had.</source>
        <translation>Es war kein Bild des Bildschirms zu bekommen.</translation>
    </message>
</context>
<context>
    <name>FigureReadings</name>
    <message>
        <source> / golden</source>
        <translation> / Goldener Schnitt</translation>
    </message>
    <message>
        <source>side: </source>
        <translation>Seite: </translation>
    </message>
    <message>
        <source>leg: </source>
        <translation>Schenkel: </translation>
    </message>
    <message>
        <source>hipo: </source>
        <translation>Hypotenuse: </translation>
    </message>
    <message>
        <source>rcX: </source>
        <translation>DzX: </translation>
    </message>
    <message>
        <source>rcY: </source>
        <translation>DzY: </translation>
    </message>
    <message>
        <source>Angle: </source>
        <translation>Winkel: </translation>
    </message>
</context>
<context>
    <name>HelpLinks</name>
    <message>
        <source>No web browser could be started to show this page. Open it yourself:

%1</source>
        <translation>Es ließ sich kein Webbrowser starten, um diese Seite zu zeigen. Öffnen Sie sie selbst:

%1</translation>
    </message>
</context>
<context>
    <name>InfoPanel</name>
    <message>
        <source>Ruler:</source>
        <translation>Lineal:</translation>
    </message>
    <message>
        <source>Left </source>
        <translation>Links </translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>Perimeter</source>
        <translation>Umfang</translation>
    </message>
    <message>
        <source>Flying Figure:</source>
        <translation>Fliegende Figur:</translation>
    </message>
    <message>
        <source>Figure Width</source>
        <translation>Breite der Figur</translation>
    </message>
    <message>
        <source>Figure Height</source>
        <translation>Höhe der Figur</translation>
    </message>
    <message>
        <source>Figure Area</source>
        <translation>Fläche der Figur</translation>
    </message>
    <message>
        <source>Figure Perimeter</source>
        <translation>Umfang der Figur</translation>
    </message>
    <message>
        <source>Rotation Angle</source>
        <translation>Drehwinkel</translation>
    </message>
    <message>
        <source>Rotation Center X</source>
        <translation>Drehpunkt X</translation>
    </message>
    <message>
        <source>Rotation Center Y</source>
        <translation>Drehpunkt Y</translation>
    </message>
    <message>
        <source>Hypotenuse Length</source>
        <translation>Länge der Hypotenuse</translation>
    </message>
    <message>
        <source>Rhombus Side Length</source>
        <translation>Seitenlänge der Raute</translation>
    </message>
    <message>
        <source>Isosceles Triangle Leg</source>
        <translation>Schenkel des gleichschenkligen Dreiecks</translation>
    </message>
    <message>
        <source>Gradora — Information</source>
        <translation>Gradora – Information</translation>
    </message>
    <message>
        <source>Size in the screen&apos;s own pixels</source>
        <translation>Größe in den eigenen Pixeln des Bildschirms</translation>
    </message>
</context>
<context>
    <name>Magnifier</name>
    <message>
        <source>The screen around the pointer could not be read.</source>
        <translation>Der Bildschirm um den Zeiger konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Magnifier %1× (live)</source>
        <translation>Lupe %1× (laufend)</translation>
    </message>
    <message>
        <source>Magnifier %1×</source>
        <translation>Lupe %1×</translation>
    </message>
    <message>
        <source>Space: magnify the screen around the pointer
A: follow the pointer
G: pixel grid
+ / - or the wheel: zoom
Esc: hide</source>
        <translation>Leertaste: Bildschirm um den Zeiger vergrößern
A: dem Zeiger folgen
G: Pixelraster
+ / - oder Mausrad: Zoom
Esc: ausblenden</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopiert</translation>
    </message>
    <message>
        <source>C: copy</source>
        <translation>C: kopieren</translation>
    </message>
</context>
<context>
    <name>PortalDesktop</name>
    <message>
        <source>This desktop does not let programs read the screen at any moment.</source>
        <translation>Diese Arbeitsumgebung lässt Programme den Bildschirm nicht jederzeit lesen.</translation>
    </message>
</context>
<context>
    <name>PortalRequest</name>
    <message>
        <source>The desktop could not take a picture of the screen: %1</source>
        <translation>Die Arbeitsumgebung konnte kein Bild des Bildschirms aufnehmen: %1</translation>
    </message>
</context>
<context>
    <name>PortalScreenshot</name>
    <message>
        <source>The desktop answered without a picture of the screen.</source>
        <translation>Die Arbeitsumgebung hat ohne Bild des Bildschirms geantwortet.</translation>
    </message>
    <message>
        <source>The desktop refused a picture of the screen.</source>
        <translation>Die Arbeitsumgebung hat ein Bild des Bildschirms verweigert.</translation>
    </message>
    <message>
        <source>The desktop could not take a picture of the screen.</source>
        <translation>Die Arbeitsumgebung konnte kein Bild des Bildschirms aufnehmen.</translation>
    </message>
    <message>
        <source>The desktop named its picture of the screen in a way that is not a local file.</source>
        <translation>Die Arbeitsumgebung hat ihr Bild des Bildschirms nicht als lokale Datei angegeben.</translation>
    </message>
    <message>
        <source>The desktop&apos;s picture of the screen is not a plain file.</source>
        <translation>Das Bild des Bildschirms von der Arbeitsumgebung ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>The desktop&apos;s picture of the screen could not be read.</source>
        <translation>Das Bild des Bildschirms von der Arbeitsumgebung ließ sich nicht lesen.</translation>
    </message>
    <message>
        <source>No screen is known to place the desktop&apos;s picture on.</source>
        <translation>Es ist kein Bildschirm bekannt, auf den das Bild der Arbeitsumgebung passt.</translation>
    </message>
    <message>
        <source>The desktop&apos;s picture (%1 × %2) does not show these screens (%3 × %4).</source>
        <translation>Das Bild der Arbeitsumgebung (%1 × %2) zeigt nicht diese Bildschirme (%3 × %4).</translation>
    </message>
    <message>
        <source>This desktop offers no screenshot portal (xdg-desktop-portal with a backend for the desktop, such as xdg-desktop-portal-gnome, -kde or -wlr).</source>
        <translation>Diese Arbeitsumgebung bietet kein Bildschirmfoto-Portal (xdg-desktop-portal mit einem Backend für die Arbeitsumgebung, etwa xdg-desktop-portal-gnome, -kde oder -wlr).</translation>
    </message>
    <message>
        <source>The desktop gave no picture of the screen within %1 seconds.</source>
        <translation>Die Arbeitsumgebung hat binnen %1 Sekunden kein Bild des Bildschirms geliefert.</translation>
    </message>
</context>
<context>
    <name>PositionDialog</name>
    <message>
        <source>Position/Size</source>
        <translation>Position/Größe</translation>
    </message>
    <message>
        <source>Left:</source>
        <translation>Links:</translation>
    </message>
    <message>
        <source>Top:</source>
        <translation>Oben:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Höhe:</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Move Ruler</source>
        <translation>Lineal verschieben</translation>
    </message>
    <message>
        <source>←, ↑ , →, ↓</source>
        <translation>←, ↑ , →, ↓</translation>
    </message>
    <message>
        <source>⌥ + Arrow Keys</source>
        <translation>⌥ + Pfeiltasten</translation>
    </message>
    <message>
        <source>Resize Ruler</source>
        <translation>Lineal skalieren</translation>
    </message>
    <message>
        <source>⇧ + Arrow Keys</source>
        <translation>⇧ + Pfeiltasten</translation>
    </message>
    <message>
        <source>⌥ + ⇧ + Arrow Keys</source>
        <translation>⌥ + ⇧ + Pfeiltasten</translation>
    </message>
    <message>
        <source>Load Defaults</source>
        <translation>Standardwerte laden</translation>
    </message>
    <message>
        <source>On Screen Menu</source>
        <translation>Menü auf dem Lineal</translation>
    </message>
    <message>
        <source>Show the top-right menu button</source>
        <translation>Menüknopf oben rechts zeigen</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>9</source>
        <translation>9</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Unit Name</source>
        <translation>Name der Einheit</translation>
    </message>
    <message>
        <source>Abbrev.</source>
        <translation>Abk.</translation>
    </message>
    <message>
        <source>Unit Abbreviation (2 chars)</source>
        <translation>Abkürzung der Einheit (2 Zeichen)</translation>
    </message>
    <message>
        <source>Units per Inch</source>
        <translation>Einheiten pro Zoll</translation>
    </message>
    <message>
        <source>Ticks per Unit</source>
        <translation>Striche pro Einheit</translation>
    </message>
    <message>
        <source>Grades per unit</source>
        <translation>Teilstriche pro Einheit</translation>
    </message>
    <message>
        <source>Displays</source>
        <translation>Bildschirme</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Bildschirm</translation>
    </message>
    <message>
        <source>Display (Resolution)</source>
        <translation>Bildschirm (Auflösung)</translation>
    </message>
    <message>
        <source>PPI - X</source>
        <translation>PPI - X</translation>
    </message>
    <message>
        <source>Pixels per Inch - X axis</source>
        <translation>Pixel pro Zoll - X-Achse</translation>
    </message>
    <message>
        <source>PPI - Y</source>
        <translation>PPI - Y</translation>
    </message>
    <message>
        <source>Pixels per Inch - Y axis</source>
        <translation>Pixel pro Zoll - Y-Achse</translation>
    </message>
    <message>
        <source>Detect Displays</source>
        <translation>Bildschirme erkennen</translation>
    </message>
    <message>
        <source>PPI Calculator:</source>
        <translation>PPI-Rechner:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source>Diagonal:</source>
        <translation>Diagonale:</translation>
    </message>
    <message>
        <source> in</source>
        <translation> Zoll</translation>
    </message>
    <message>
        <source>=</source>
        <translation>=</translation>
    </message>
    <message>
        <source> cm</source>
        <translation> cm</translation>
    </message>
    <message>
        <source>Pixels per Inch:</source>
        <translation>Pixel pro Zoll:</translation>
    </message>
    <message>
        <source> ppi</source>
        <translation> ppi</translation>
    </message>
    <message>
        <source>&lt;&lt; Set to Display 1</source>
        <translation>&lt;&lt; Für Bildschirm 1 übernehmen</translation>
    </message>
    <message>
        <source>Pixel-Based Units</source>
        <translation>Pixelbasierte Einheiten</translation>
    </message>
    <message>
        <source>Abbr</source>
        <translation>Abk.</translation>
    </message>
    <message>
        <source>PPU-X</source>
        <translation>PPE-X</translation>
    </message>
    <message>
        <source>PPU-Y</source>
        <translation>PPE-Y</translation>
    </message>
    <message>
        <source>Ticks per unit</source>
        <translation>Striche pro Einheit</translation>
    </message>
    <message>
        <source>Define &quot;pixel-based&quot; units here. That means these units will not be connected with the display calibration. You just set PPU (pixels per unit) value and the program will calculate on this PPU basis. For example, if you define unit CM to be 100 pixels per unit (PPU) the program will calculate 1 cm on every 100 pixels</source>
        <translation>Hier legen Sie „pixelbasierte“ Einheiten fest. Sie hängen nicht von der Kalibrierung der Bildschirme ab: Sie geben nur die Pixel pro Einheit (PPE) an, und das Programm rechnet damit. Legen Sie zum Beispiel die Einheit CM mit 100 Pixeln pro Einheit fest, so zählt das Programm je 100 Pixel einen Zentimeter</translation>
    </message>
    <message>
        <source>Load Samples</source>
        <translation>Beispiele laden</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Automatic check for updates</source>
        <translation>Automatisch nach Aktualisierungen suchen</translation>
    </message>
    <message>
        <source>Alt + Arrow Keys</source>
        <translation>Alt + Pfeiltasten</translation>
    </message>
    <message>
        <source>Shift + Arrow Keys</source>
        <translation>Umschalt + Pfeiltasten</translation>
    </message>
    <message>
        <source>Alt + Shift + Arrow Keys</source>
        <translation>Alt + Umschalt + Pfeiltasten</translation>
    </message>
    <message>
        <source>&lt;&lt; Set to Display %1</source>
        <translation>&lt;&lt; Für Bildschirm %1 übernehmen</translation>
    </message>
    <message>
        <source>Display %1</source>
        <translation>Bildschirm %1</translation>
    </message>
    <message>
        <source>Field cannot be empty...</source>
        <translation>Das Feld darf nicht leer sein …</translation>
    </message>
    <message>
        <source>Please, type numeric value here.</source>
        <translation>Bitte geben Sie hier eine Zahl ein.</translation>
    </message>
    <message>
        <source>px (1–999)</source>
        <translation>px (1–999)</translation>
    </message>
    <message>
        <source>All unit conversions are calculated on &quot;Units per Inch&quot; basis. For example, one Inch = 2.54 Centimeters. Click &quot;Displays&quot; tab to calibrate the actual Pixels per Inch value.</source>
        <translation>Alle Einheiten werden über „Einheiten pro Zoll“ umgerechnet; ein Zoll sind zum Beispiel 2,54 Zentimeter. Auf der Seite „Bildschirme“ stellen Sie die tatsächlichen Pixel pro Zoll ein.</translation>
    </message>
    <message>
        <source>Uncheck this if you don&apos;t want Gradora to check for new versions at startup (you can still use &quot;Check for Updates&quot; from the ruler&apos;s menu to check manually)</source>
        <translation>Schalten Sie dies aus, wenn Gradora beim Start nicht nach neuen Versionen suchen soll (mit „Nach Aktualisierungen suchen“ im Menü des Lineals können Sie weiterhin von Hand suchen)</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Another instance of the program is already started. </source>
        <translation>Eine andere Instanz des Programms läuft bereits. </translation>
    </message>
    <message>
        <source>a folder stands in its place</source>
        <translation>an ihrer Stelle steht ein Ordner</translation>
    </message>
    <message>
        <source>Gradora cannot start: its lock file %1 cannot be created: %2.</source>
        <translation>Gradora kann nicht starten: Die Sperrdatei %1 kann nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>Gradora cannot start: its settings file %1 cannot be used: %2.</source>
        <translation>Gradora kann nicht starten: Die Einstellungsdatei %1 kann nicht verwendet werden: %2.</translation>
    </message>
    <message>
        <source>Gradora could not save its settings to %1: %2.</source>
        <translation>Gradora konnte seine Einstellungen nicht in %1 speichern: %2.</translation>
    </message>
    <message>
        <source>it could not be read, so it is left as it is</source>
        <translation>sie konnte nicht gelesen werden und bleibt daher unverändert</translation>
    </message>
</context>
<context>
    <name>ReadingText</name>
    <message>
        <source>Area: </source>
        <translation>Fläche: </translation>
    </message>
    <message>
        <source>A: </source>
        <translation>F: </translation>
    </message>
    <message>
        <source>Perimeter: </source>
        <translation>Umfang: </translation>
    </message>
    <message>
        <source>P: </source>
        <translation>U: </translation>
    </message>
    <message>
        <source>L: </source>
        <translation>L: </translation>
    </message>
    <message>
        <source>T: </source>
        <translation>O: </translation>
    </message>
    <message>
        <source>R: </source>
        <translation>R: </translation>
    </message>
    <message>
        <source>B: </source>
        <translation>U: </translation>
    </message>
    <message>
        <source>W: </source>
        <translation>B: </translation>
    </message>
    <message>
        <source>H: </source>
        <translation>H: </translation>
    </message>
</context>
<context>
    <name>RulerHub</name>
    <message>
        <source>The magnifier</source>
        <translation>Die Lupe</translation>
    </message>
    <message>
        <source>The edge finder</source>
        <translation>Der Kantenfinder</translation>
    </message>
    <message>
        <source>%1 has no picture of the screen to work on.

%2</source>
        <translation>%1 hat kein Bild des Bildschirms, auf dem gemessen werden kann.

%2</translation>
    </message>
</context>
<context>
    <name>RulerWindow</name>
    <message>
        <source>Gradora</source>
        <translation>Gradora</translation>
    </message>
    <message>
        <source>Send Panel to Left</source>
        <translation>Infofenster nach links</translation>
    </message>
    <message>
        <source>Send Panel to Right</source>
        <translation>Infofenster nach rechts</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Cannot load %1.</source>
        <translation>%1 kann nicht geladen werden.</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>Rhombus</source>
        <translation>Raute</translation>
    </message>
    <message>
        <source>Isosceles Triangle</source>
        <translation>Gleichschenkliges Dreieck</translation>
    </message>
    <message>
        <source>Right Triangle</source>
        <translation>Rechtwinkliges Dreieck</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Ratio 1.33333333:1 -- 4:3</source>
        <translation>Verhältnis 1,33333333:1 – 4:3</translation>
    </message>
    <message>
        <source>Ratio 1.77777778:1 -- 16:9</source>
        <translation>Verhältnis 1,77777778:1 – 16:9</translation>
    </message>
    <message>
        <source>Ratio 1.66666667:1 -- 5:3</source>
        <translation>Verhältnis 1,66666667:1 – 5:3</translation>
    </message>
    <message>
        <source>Ratio 1.5:1 -- 3:2</source>
        <translation>Verhältnis 1,5:1 – 3:2</translation>
    </message>
    <message>
        <source>Ratio 1.85:1</source>
        <translation>Verhältnis 1,85:1</translation>
    </message>
    <message>
        <source>Ratio 2.39:1</source>
        <translation>Verhältnis 2,39:1</translation>
    </message>
    <message>
        <source>Ratio 1.61803399:1 -- &quot;golden&quot; ratio</source>
        <translation>Verhältnis 1,61803399:1 – Goldener Schnitt</translation>
    </message>
    <message>
        <source>New Ruler</source>
        <translation>Neues Lineal</translation>
    </message>
    <message>
        <source>Close Ruler</source>
        <translation>Lineal schließen</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Ruler Color</source>
        <translation>Linealfarbe</translation>
    </message>
    <message>
        <source>Guides Color</source>
        <translation>Farbe der Hilfslinien</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Transparenz</translation>
    </message>
    <message>
        <source>Stay On Top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <source>Snap to Screen Edges</source>
        <translation>An Bildschirmrändern einrasten</translation>
    </message>
    <message>
        <source>Lock to Screen</source>
        <translation>Auf dem Bildschirm halten</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Show Flying Figure</source>
        <translation>Fliegende Figur zeigen</translation>
    </message>
    <message>
        <source>Show Figure Rotation Center</source>
        <translation>Drehpunkt der Figur zeigen</translation>
    </message>
    <message>
        <source>Show Control Points</source>
        <translation>Kontrollpunkte zeigen</translation>
    </message>
    <message>
        <source>Bold Control Points</source>
        <translation>Kräftige Kontrollpunkte</translation>
    </message>
    <message>
        <source>Show Figure Readings</source>
        <translation>Messwerte der Figur zeigen</translation>
    </message>
    <message>
        <source>Show Border</source>
        <translation>Rahmen zeigen</translation>
    </message>
    <message>
        <source>Show Readings</source>
        <translation>Messwerte zeigen</translation>
    </message>
    <message>
        <source>Minimal Readings</source>
        <translation>Knappe Messwerte</translation>
    </message>
    <message>
        <source>Show Bottom-Right Labels</source>
        <translation>Beschriftung unten rechts zeigen</translation>
    </message>
    <message>
        <source>Show Central Point</source>
        <translation>Mittelpunkt zeigen</translation>
    </message>
    <message>
        <source>Show Guides</source>
        <translation>Hilfslinien zeigen</translation>
    </message>
    <message>
        <source>Guides Hover Width / Height</source>
        <translation>Breite / Höhe zwischen Hilfslinien</translation>
    </message>
    <message>
        <source>Clear All Guides</source>
        <translation>Alle Hilfslinien entfernen</translation>
    </message>
    <message>
        <source>Show Info Panel</source>
        <translation>Infofenster zeigen</translation>
    </message>
    <message>
        <source>Top Ticker</source>
        <translation>Skala oben</translation>
    </message>
    <message>
        <source>Left Ticker</source>
        <translation>Skala links</translation>
    </message>
    <message>
        <source>Bottom Ticker</source>
        <translation>Skala unten</translation>
    </message>
    <message>
        <source>Right Ticker</source>
        <translation>Skala rechts</translation>
    </message>
    <message>
        <source>Show All Tickers</source>
        <translation>Alle Skalen zeigen</translation>
    </message>
    <message>
        <source>Hide All Tickers</source>
        <translation>Alle Skalen ausblenden</translation>
    </message>
    <message>
        <source>Anti-aliasing</source>
        <translation>Kantenglättung</translation>
    </message>
    <message>
        <source>Megapixel instead of px</source>
        <translation>Megapixel statt px</translation>
    </message>
    <message>
        <source>Pixels</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>(Edit Units)</source>
        <translation>(Einheiten bearbeiten)</translation>
    </message>
    <message>
        <source>(Edit Pixel-Based Units)</source>
        <translation>(Pixelbasierte Einheiten bearbeiten)</translation>
    </message>
    <message>
        <source>Top-Left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <source>Top-Right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <source>Bottom-Left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <source>Bottom-Right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <source>Rulers Start With Pixel 0</source>
        <translation>Lineale beginnen mit Pixel 0</translation>
    </message>
    <message>
        <source>Rulers Start With Pixel 1</source>
        <translation>Lineale beginnen mit Pixel 1</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Bild öffnen</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>Stretch Image</source>
        <translation>Bild strecken</translation>
    </message>
    <message>
        <source>Proportional</source>
        <translation>Proportional</translation>
    </message>
    <message>
        <source>Transparent Image</source>
        <translation>Durchscheinendes Bild</translation>
    </message>
    <message>
        <source>Ruler to Image Size</source>
        <translation>Lineal auf Bildgröße</translation>
    </message>
    <message>
        <source>Clear Image</source>
        <translation>Bild entfernen</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Lupe</translation>
    </message>
    <message>
        <source>Set Position / Size</source>
        <translation>Position / Größe festlegen</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Lineal</translation>
    </message>
    <message>
        <source>Centered %1</source>
        <translation>%1, zentriert</translation>
    </message>
    <message>
        <source>Free %1</source>
        <translation>%1, frei</translation>
    </message>
    <message>
        <source>Send to Center</source>
        <translation>In die Mitte</translation>
    </message>
    <message>
        <source>Reverse Alt/Cmd Key Behavior</source>
        <translation>Wirkung der Alt-/Cmd-Taste umkehren</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Gradora Help</source>
        <translation>Gradora-Hilfe</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Nach Aktualisierungen suchen</translation>
    </message>
    <message>
        <source>Online Info</source>
        <translation>Online-Info</translation>
    </message>
    <message>
        <source>Request Feature</source>
        <translation>Funktion vorschlagen</translation>
    </message>
    <message>
        <source>About Gradora</source>
        <translation>Über Gradora</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Start Point</source>
        <translation>Nullpunkt</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Flying Figure</source>
        <translation>Fliegende Figur</translation>
    </message>
    <message>
        <source>menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Wrong value for Units per Inch;
</source>
        <translation>Falscher Wert für Einheiten pro Zoll;
</translation>
    </message>
    <message>
        <source>Wrong &quot;Ticks per Unit&quot; Value;
</source>
        <translation>Falscher Wert für „Striche pro Einheit“;
</translation>
    </message>
    <message>
        <source>Wrong value for Pixels per Unit! (Edit pixel-based units to fix) 
</source>
        <translation>Falscher Wert für Pixel pro Einheit! (Zum Beheben die pixelbasierten Einheiten bearbeiten) 
</translation>
    </message>
    <message>
        <source>Go to &quot;Preferences | Units&quot; or &quot;Preferences | Pixel-based Units&quot; and fix respective unit settings.</source>
        <translation>Öffnen Sie „Einstellungen | Einheiten“ oder „Einstellungen | Pixelbasierte Einheiten“ und berichtigen Sie die Angaben der Einheit.</translation>
    </message>
    <message>
        <source>Reverse Alt Key Behavior</source>
        <translation>Wirkung der Alt-Taste umkehren</translation>
    </message>
    <message>
        <source>Copy Readings</source>
        <translation>Messwerte kopieren</translation>
    </message>
    <message>
        <source>Copy Picture of Region</source>
        <translation>Bild des Bereichs kopieren</translation>
    </message>
    <message>
        <source>Save Picture of Region…</source>
        <translation>Bild des Bereichs speichern …</translation>
    </message>
    <message>
        <source>Save Picture of Region</source>
        <translation>Bild des Bereichs speichern</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>region %1.png</source>
        <translation>Bereich %1.png</translation>
    </message>
    <message>
        <source>The ruler stands outside the picture of the screen.</source>
        <translation>Das Lineal steht außerhalb des Bildes vom Bildschirm.</translation>
    </message>
    <message>
        <source>Nothing was copied: there is no picture of the screen beneath the ruler.

%1</source>
        <translation>Nichts wurde kopiert: Es gibt kein Bild des Bildschirms unter dem Lineal.

%1</translation>
    </message>
    <message>
        <source>Nothing was saved: there is no picture of the screen beneath the ruler.

%1</source>
        <translation>Nichts wurde gespeichert: Es gibt kein Bild des Bildschirms unter dem Lineal.

%1</translation>
    </message>
    <message>
        <source>Cannot save %1.

%2</source>
        <translation>%1 kann nicht gespeichert werden.

%2</translation>
    </message>
    <message>
        <source>No picture of the screen could be had.</source>
        <translation>Es war kein Bild des Bildschirms zu bekommen.</translation>
    </message>
    <message>
        <source>Tolerance: %1</source>
        <translation>Toleranz: %1</translation>
    </message>
    <message>
        <source>Edge Finder</source>
        <translation>Kantenfinder</translation>
    </message>
    <message>
        <source>This desktop places windows itself: move the ruler by dragging it with the pointer.</source>
        <translation>Diese Arbeitsumgebung platziert Fenster selbst: Verschieben Sie das Lineal, indem Sie es mit dem Zeiger ziehen.</translation>
    </message>
    <message>
        <source>(%1 × %2 device px at %3 %)</source>
        <translation>(%1 × %2 Geräte-px bei %3 %)</translation>
    </message>
</context>
<context>
    <name>ScreenGrab</name>
    <message>
        <source>The screen could not be read.</source>
        <translation>Der Bildschirm ließ sich nicht lesen.</translation>
    </message>
</context>
<context>
    <name>StillFrame</name>
    <message>
        <source>Magnifier on a still frame</source>
        <translation>Lupe auf einem Standbild</translation>
    </message>
    <message>
        <source>Edge finder on a still frame</source>
        <translation>Kantenfinder auf einem Standbild</translation>
    </message>
    <message>
        <source>No picture of the screen could be had.</source>
        <translation>Es war kein Bild des Bildschirms zu bekommen.</translation>
    </message>
    <message>
        <source>Still frame: the screen as it was when the picture was taken.   +/−: zoom   G: grid   C: copy the colour   Space: new picture   Esc: leave</source>
        <translation>Standbild: der Bildschirm, wie er bei der Aufnahme war.   +/−: Zoom   G: Raster   C: Farbe kopieren   Leertaste: neues Bild   Esc: verlassen</translation>
    </message>
    <message>
        <source>Still frame: the screen as it was when the picture was taken.   Click: fit the ruler   Shift+click: fit the figure   Wheel: tolerance   Space: new picture   Esc: leave</source>
        <translation>Standbild: der Bildschirm, wie er bei der Aufnahme war.   Klick: Lineal anpassen   Umschalt+Klick: Figur anpassen   Mausrad: Toleranz   Leertaste: neues Bild   Esc: verlassen</translation>
    </message>
</context>
<context>
    <name>StillPictureDesktop</name>
    <message>
        <source>This part of the screen is not in the still frame.</source>
        <translation>Dieser Teil des Bildschirms ist nicht im Standbild.</translation>
    </message>
</context>
<context>
    <name>TransparencyDialog</name>
    <message>
        <source>Transparency</source>
        <translation>Transparenz</translation>
    </message>
    <message>
        <source>Transparency (alpha):</source>
        <translation>Transparenz (Alpha):</translation>
    </message>
</context>
<context>
    <name>UnitTableRules</name>
    <message>
        <source>Inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Centimeters</source>
        <translation>Zentimeter</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
</context>
<context>
    <name>UpdateCheck</name>
    <message>
        <source>Checking for updates…</source>
        <translation>Suche nach Aktualisierungen …</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>
Your version: </source>
        <translation>
Ihre Version: </translation>
    </message>
    <message>
        <source>
Latest version: </source>
        <translation>
Neueste Version: </translation>
    </message>
    <message>
        <source>

Do you want to visit the download page?</source>
        <translation>

Möchten Sie die Download-Seite besuchen?</translation>
    </message>
    <message>
        <source>There is new version of Gradora available for download.
</source>
        <translation>Eine neue Version von Gradora steht zum Herunterladen bereit.
</translation>
    </message>
    <message>
        <source>You are using the latest version of Gradora</source>
        <translation>Sie verwenden die neueste Version von Gradora</translation>
    </message>
    <message>
        <source>ERROR: Can&apos;t retrieve version info from program&apos;s site. There could be internet connection problem or the server may be down. Try again later...  </source>
        <translation>FEHLER: Die Versionsangabe konnte nicht von der Seite des Programms geholt werden. Vielleicht besteht keine Internetverbindung, oder der Server ist nicht erreichbar. Versuchen Sie es später noch einmal …  </translation>
    </message>
    <message>
        <source>There is a new version available.
</source>
        <translation>Eine neue Version ist verfügbar.
</translation>
    </message>
</context>
</TS>
