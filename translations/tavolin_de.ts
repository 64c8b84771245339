<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ChangeVarsPopup</name>
    <message>
        <source>Enter the new variable names</source>
        <translation>Neue Variablennamen eingeben</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Invalid Variable Name</source>
        <translation>Ungültiger Variablenname</translation>
    </message>
    <message>
        <source>A variable name can only contain numbers, upper-case letters, and lower-case letters.</source>
        <translation>Ein Variablenname darf nur Ziffern, Groß- und Kleinbuchstaben enthalten.</translation>
    </message>
    <message>
        <source>Duplicate Variable Name</source>
        <translation>Doppelter Variablenname</translation>
    </message>
    <message>
        <source>This variable name has already been used. A variable name must be unique.</source>
        <translation>Dieser Variablenname wird schon verwendet. Jeder Variablenname muss eindeutig sein.</translation>
    </message>
</context>
<context>
    <name>CircuitView</name>
    <message>
        <source>AND-OR / OR-AND with inverters</source>
        <translation>UND-ODER / ODER-UND mit Invertern</translation>
    </message>
    <message>
        <source>AND-OR / OR-AND with inverted inputs</source>
        <translation>UND-ODER / ODER-UND mit negierten Eingängen</translation>
    </message>
    <message>
        <source>Circuit</source>
        <translation>Schaltung</translation>
    </message>
    <message>
        <source>The most inputs of one gate; larger gates become trees</source>
        <translation>Höchstzahl der Eingänge eines Gatters; größere Gatter werden zu Bäumen</translation>
    </message>
    <message>
        <source>Press Minimize! to see the circuit.</source>
        <translation>„Minimieren!“ drücken, um die Schaltung zu sehen.</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Bauart:</translation>
    </message>
    <message>
        <source>Fan-in:</source>
        <translation>Fan-in:</translation>
    </message>
    <message>
        <source>Gates: %1    Gate inputs: %2</source>
        <translation>Gatter: %1    Gattereingänge: %2</translation>
    </message>
</context>
<context>
    <name>EquationManager</name>
    <message>
        <source>Enter an equation as input for the truth table and Karnaugh map</source>
        <translation>Gleichung als Eingabe für Wahrheitstabelle und KV-Diagramm eingeben</translation>
    </message>
    <message>
        <source>An empty expression cannot be evaluated.</source>
        <translation>Ein leerer Ausdruck kann nicht ausgewertet werden.</translation>
    </message>
    <message>
        <source>Error detected while parsing and evaluating the expression:

%1</source>
        <translation>Beim Lesen und Auswerten des Ausdrucks ist ein Fehler aufgetreten:

%1</translation>
    </message>
    <message>
        <source>Equation Syntax Error</source>
        <translation>Syntaxfehler in der Gleichung</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>Truth Table Help</source>
        <translation>Hilfe zur Wahrheitstabelle</translation>
    </message>
    <message>
        <source>K-Map Help</source>
        <translation>Hilfe zum KV-Diagramm</translation>
    </message>
    <message>
        <source>Equation Help</source>
        <translation>Hilfe zur Gleichung</translation>
    </message>
    <message>
        <source>Variable Help</source>
        <translation>Hilfe zu den Variablen</translation>
    </message>
    <message>
        <source>SOP/POS Help</source>
        <translation>Hilfe zu DMF/KMF</translation>
    </message>
    <message>
        <source>SOP and POS Help</source>
        <translation>Disjunktive und konjunktive Minimalform</translation>
    </message>
    <message>
        <source>Import/Export Help</source>
        <translation>Hilfe zu Import/Export</translation>
    </message>
    <message>
        <source>Import and Export Help</source>
        <translation>Import und Export</translation>
    </message>
    <message>
        <source>Minimize Menu Help</source>
        <translation>Hilfe zum Menü Minimieren</translation>
    </message>
    <message>
        <source>The Minimize Menu and the Steps</source>
        <translation>Das Menü Minimieren und die Schritte</translation>
    </message>
    <message>
        <source>Circuit Help</source>
        <translation>Hilfe zur Schaltung</translation>
    </message>
</context>
<context>
    <name>ImportExport</name>
    <message>
        <source>Import File</source>
        <translation>Datei importieren</translation>
    </message>
    <message>
        <source>Export File</source>
        <translation>Datei exportieren</translation>
    </message>
    <message>
        <source>Could not read %1: %2.</source>
        <translation>%1 konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1 was not imported.
Line %2: %3</source>
        <translation>%1 wurde nicht importiert.
Zeile %2: %3</translation>
    </message>
    <message>
        <source>%1 was imported.
%2</source>
        <translation>%1 wurde importiert.
%2</translation>
    </message>
    <message>
        <source>%1: output %1</source>
        <translation>%1: Ausgang %1</translation>
    </message>
    <message>
        <source>%1 describes %2 outputs. Which one should be imported?</source>
        <translation>%1 beschreibt %2 Ausgänge. Welcher soll importiert werden?</translation>
    </message>
    <message>
        <source>Could not write %1: %2.</source>
        <translation>%1 konnte nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Truthtable Help</source>
        <translation>Hilfe zur Wahrheitstabelle</translation>
    </message>
    <message>
        <source>K-Map Help</source>
        <translation>Hilfe zum KV-Diagramm</translation>
    </message>
    <message>
        <source>Equation Help</source>
        <translation>Hilfe zur Gleichung</translation>
    </message>
    <message>
        <source>Variable Help</source>
        <translation>Hilfe zu den Variablen</translation>
    </message>
    <message>
        <source>POS/SOP Help</source>
        <translation>Hilfe zu KMF/DMF</translation>
    </message>
    <message>
        <source>Import/Export Help</source>
        <translation>Hilfe zu Import/Export</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Exact Minimum</source>
        <translation>Exaktes Minimum</translation>
    </message>
    <message>
        <source>Minimize! gives a cover with the fewest terms, then the fewest literals</source>
        <translation>„Minimieren!“ liefert eine Überdeckung mit den wenigsten Termen, dann den wenigsten Literalen</translation>
    </message>
    <message>
        <source>Hazard-Free Cover</source>
        <translation>Hazardfreie Überdeckung</translation>
    </message>
    <message>
        <source>Minimize! covers every two adjacent cells of the same value by one term</source>
        <translation>„Minimieren!“ überdeckt je zwei benachbarte Zellen gleichen Werts mit einem gemeinsamen Term</translation>
    </message>
    <message>
        <source>Show Steps…</source>
        <translation>Schritte anzeigen…</translation>
    </message>
    <message>
        <source>How the minimized function was found</source>
        <translation>Wie die minimierte Funktion gefunden wurde</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Minimize Menu Help</source>
        <translation>Hilfe zum Menü Minimieren</translation>
    </message>
    <message>
        <source>Circuit</source>
        <translation>Schaltung</translation>
    </message>
    <message>
        <source>Show Circuit…</source>
        <translation>Schaltung anzeigen…</translation>
    </message>
    <message>
        <source>Show the minimized function as logic gates</source>
        <translation>Die minimierte Funktion als Schaltung aus Logikgattern zeigen</translation>
    </message>
    <message>
        <source>Save Circuit Image…</source>
        <translation>Schaltbild speichern…</translation>
    </message>
    <message>
        <source>Save the circuit as an SVG or PNG image</source>
        <translation>Die Schaltung als SVG- oder PNG-Bild speichern</translation>
    </message>
    <message>
        <source>Circuit Help</source>
        <translation>Hilfe zur Schaltung</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>SVG-Bild (*.svg)</translation>
    </message>
    <message>
        <source>Save Circuit Image</source>
        <translation>Schaltbild speichern</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>The circuit could not be saved to %1: %2</source>
        <translation>Die Schaltung konnte nicht unter %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>       Variables       </source>
        <translation>       Variablen       </translation>
    </message>
    <message>
        <source>Click to change the names of the variables</source>
        <translation>Klicken, um die Namen der Variablen zu ändern</translation>
    </message>
    <message>
        <source>Equation = </source>
        <translation>Gleichung = </translation>
    </message>
    <message>
        <source>Truth Table</source>
        <translation>Wahrheitstabelle</translation>
    </message>
    <message>
        <source>Karnaugh Map</source>
        <translation>KV-Diagramm</translation>
    </message>
    <message>
        <source>POS Form</source>
        <translation>KMF (konjunktiv)</translation>
    </message>
    <message>
        <source>Product of Sums format</source>
        <translation>Konjunktive Minimalform: Produkt von Summentermen</translation>
    </message>
    <message>
        <source>SOP Form</source>
        <translation>DMF (disjunktiv)</translation>
    </message>
    <message>
        <source>Sum of Products format</source>
        <translation>Disjunktive Minimalform: Summe von Produkttermen</translation>
    </message>
    <message>
        <source>Fill Table</source>
        <translation>Tabelle füllen</translation>
    </message>
    <message>
        <source>Input the given equation into the truth table and k-map</source>
        <translation>Die eingegebene Gleichung in Wahrheitstabelle und KV-Diagramm übernehmen</translation>
    </message>
    <message>
        <source>Minimized Function = </source>
        <translation>Minimierte Funktion = </translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Resets truth table and k-map to zeros</source>
        <translation>Setzt Wahrheitstabelle und KV-Diagramm auf lauter Nullen zurück</translation>
    </message>
    <message>
        <source>Minimize!</source>
        <translation>Minimieren!</translation>
    </message>
    <message>
        <source>Minimize the data in the truth table and k-map</source>
        <translation>Die Funktion aus Wahrheitstabelle und KV-Diagramm minimieren</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Datei importieren</translation>
    </message>
    <message>
        <source>Import data to the truth table and k-map from a .pla file</source>
        <translation>Daten aus einer .pla-Datei in Wahrheitstabelle und KV-Diagramm importieren</translation>
    </message>
    <message>
        <source>Export File</source>
        <translation>Datei exportieren</translation>
    </message>
    <message>
        <source>Export truth table and k-map data to a .pla file</source>
        <translation>Wahrheitstabelle und KV-Diagramm in eine .pla-Datei exportieren</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Set All to 0</source>
        <translation>Alle auf 0 setzen</translation>
    </message>
    <message>
        <source>Set All to 1</source>
        <translation>Alle auf 1 setzen</translation>
    </message>
    <message>
        <source>Set All to X</source>
        <translation>Alle auf X (Don&apos;t-Care) setzen</translation>
    </message>
    <message>
        <source>Invert (Swap 0 and 1)</source>
        <translation>Invertieren (0 und 1 tauschen)</translation>
    </message>
    <message>
        <source>Every X to 0</source>
        <translation>Jedes X zu 0</translation>
    </message>
    <message>
        <source>Every X to 1</source>
        <translation>Jedes X zu 1</translation>
    </message>
    <message>
        <source>Copy Truth Table</source>
        <translation>Wahrheitstabelle kopieren</translation>
    </message>
    <message>
        <source>Paste Values</source>
        <translation>Werte einfügen</translation>
    </message>
    <message>
        <source>Save Map Image</source>
        <translation>KV-Diagramm als Bild speichern</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importieren…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Zuletzt verwendet</translation>
    </message>
    <message>
        <source>Save Map Image…</source>
        <translation>KV-Diagramm als Bild speichern…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Copy Result</source>
        <translation>Ergebnis kopieren</translation>
    </message>
    <message>
        <source>Copy As</source>
        <translation>Kopieren als</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Could not write %1: %2.</source>
        <translation>%1 konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>There is no minimized function to copy yet: press &quot;Minimize!&quot; first.</source>
        <translation>Es gibt noch keine minimierte Funktion zum Kopieren: Bitte zuerst „Minimieren!“ drücken.</translation>
    </message>
    <message>
        <source>Copied to the clipboard.</source>
        <translation>In die Zwischenablage kopiert.</translation>
    </message>
</context>
<context>
    <name>MapImage</name>
    <message>
        <source>Karnaugh map</source>
        <translation>KV-Diagramm</translation>
    </message>
    <message>
        <source>the image could not be drawn</source>
        <translation>das Bild konnte nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>the map has no layout of two to six variables</source>
        <translation>das KV-Diagramm hat nicht zwei bis sechs Variablen</translation>
    </message>
</context>
<context>
    <name>ResultCopier</name>
    <message>
        <source>There is no minimized function to copy yet: press &quot;Minimize!&quot; first.</source>
        <translation>Es gibt noch keine minimierte Funktion zum Kopieren: Bitte zuerst „Minimieren!“ drücken.</translation>
    </message>
</context>
<context>
    <name>StepsWindow</name>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>Tabulation</source>
        <translation>Tabellierung</translation>
    </message>
    <message>
        <source>Primes</source>
        <translation>Primimplikanten</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Überdeckungstabelle</translation>
    </message>
    <message>
        <source>Choices</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>Solutions</source>
        <translation>Lösungen</translation>
    </message>
    <message>
        <source>Press Minimize! or change a cell to see the steps.</source>
        <translation>„Minimieren!“ drücken oder eine Zelle ändern, um die Schritte zu sehen.</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Speichern unter…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Counting minimum solutions…</source>
        <translation>Minimallösungen werden gezählt…</translation>
    </message>
    <message>
        <source>Steps: %1</source>
        <translation>Schritte: %1</translation>
    </message>
    <message>
        <source>Counting minimum solutions, seeking a hazard-free cover…</source>
        <translation>Minimallösungen werden gezählt, eine hazardfreie Überdeckung wird gesucht…</translation>
    </message>
    <message>
        <source>Stopped counting at %1 minimum solutions.</source>
        <translation>Zählung bei %1 Minimallösungen abgebrochen.</translation>
    </message>
    <message>
        <source>Save Steps</source>
        <translation>Schritte speichern</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>%1 konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>ValueKeys</name>
    <message>
        <source>Paste Values</source>
        <translation>Werte einfügen</translation>
    </message>
    <message>
        <source>The values were not pasted.
%1</source>
        <translation>Die Werte wurden nicht eingefügt.
%1</translation>
    </message>
</context>
<context>
    <name>VariableCountManager</name>
    <message>
        <source>Change the number of variables</source>
        <translation>Anzahl der Variablen ändern</translation>
    </message>
</context>
<context>
    <name>kMap</name>
    <message>
        <source>The clipboard holds %1 values; the map has %2 cells and %3 of them are marked.</source>
        <translation>Die Zwischenablage enthält %1 Werte; das KV-Diagramm hat %2 Zellen, davon %3 markiert.</translation>
    </message>
    <message>
        <source>The clipboard holds %1 values; the map has %2 cells.</source>
        <translation>Die Zwischenablage enthält %1 Werte; das KV-Diagramm hat %2 Zellen.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Minimizes Boolean functions.</source>
        <translation>Minimiert boolesche Funktionen.</translation>
    </message>
    <message>
        <source>A PLA file to import at start.</source>
        <translation>Eine PLA-Datei, die beim Start importiert wird.</translation>
    </message>
</context>
<context>
    <name>truthTable</name>
    <message>
        <source>The clipboard holds %1 values; the truth table has %2 rows and %3 of them are marked.</source>
        <translation>Die Zwischenablage enthält %1 Werte; die Wahrheitstabelle hat %2 Zeilen, davon %3 markiert.</translation>
    </message>
    <message>
        <source>The clipboard holds %1 values; the truth table has %2 rows.</source>
        <translation>Die Zwischenablage enthält %1 Werte; die Wahrheitstabelle hat %2 Zeilen.</translation>
    </message>
</context>
</TS>
