<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AnswerPanel</name>
    <message>
        <source>Your answer:</source>
        <translation>Ihre Antwort:</translation>
    </message>
    <message>
        <source>e.g. A&apos;&amp;B+C</source>
        <translation>z. B. A&apos;&amp;B+C</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Your answer is 1, the function 0</source>
        <translation>Ihre Antwort ist 1, die Funktion 0</translation>
    </message>
    <message>
        <source>Your answer is 0, the function 1</source>
        <translation>Ihre Antwort ist 0, die Funktion 1</translation>
    </message>
    <message>
        <source>The cells of the term pointed at</source>
        <translation>Die Zellen des Terms unter dem Mauszeiger</translation>
    </message>
    <message>
        <source>A prime implicate.</source>
        <translation>Ein Primimplikat.</translation>
    </message>
    <message>
        <source>A prime implicant.</source>
        <translation>Ein Primimplikant.</translation>
    </message>
    <message>
        <source>Correct and minimal.</source>
        <translation>Richtig und minimal.</translation>
    </message>
    <message>
        <source>Correct, but not minimal: the minimum has %1 and %2, yours %3 and %4.</source>
        <translation>Richtig, aber nicht minimal: Das Minimum hat %1 und %2, Ihre Antwort %3 und %4.</translation>
    </message>
    <message>
        <source>Correct, but not a sum of products, so it is not compared with the minimum of %1 and %2.</source>
        <translation>Richtig, aber keine disjunktive Form, daher nicht mit dem Minimum aus %1 und %2 verglichen.</translation>
    </message>
    <message>
        <source>Correct, but not a product of sums, so it is not compared with the minimum of %1 and %2.</source>
        <translation>Richtig, aber keine konjunktive Form, daher nicht mit dem Minimum aus %1 und %2 verglichen.</translation>
    </message>
    <message>
        <source>Not equal to the function: it is 1 at %1, where the function is 0.</source>
        <translation>Nicht gleich der Funktion: Ihre Antwort ist 1 bei %1, wo die Funktion 0 ist.</translation>
    </message>
    <message>
        <source>Not equal to the function: it is 0 at %1, where the function is 1.</source>
        <translation>Nicht gleich der Funktion: Ihre Antwort ist 0 bei %1, wo die Funktion 1 ist.</translation>
    </message>
    <message>
        <source>It is 0 at %1, where the function is 1.</source>
        <translation>Ihre Antwort ist 0 bei %1, wo die Funktion 1 ist.</translation>
    </message>
    <message>
        <source>The ^ at position %1 makes it no sum of products, so its terms are not analysed.</source>
        <translation>Das ^ an Position %1 macht die Antwort zu keiner disjunktiven Form, daher werden ihre Terme nicht untersucht.</translation>
    </message>
    <message>
        <source>The ^ at position %1 makes it no product of sums, so its sums are not analysed.</source>
        <translation>Das ^ an Position %1 macht die Antwort zu keiner konjunktiven Form, daher werden ihre Summen nicht untersucht.</translation>
    </message>
    <message>
        <source>The &apos; at position %1 negates more than a variable, so it is no sum of products and its terms are not analysed.</source>
        <translation>Das &apos; an Position %1 negiert mehr als eine Variable, daher ist die Antwort keine disjunktive Form, und ihre Terme werden nicht untersucht.</translation>
    </message>
    <message>
        <source>The &apos; at position %1 negates more than a variable, so it is no product of sums and its sums are not analysed.</source>
        <translation>Das &apos; an Position %1 negiert mehr als eine Variable, daher ist die Antwort keine konjunktive Form, und ihre Summen werden nicht untersucht.</translation>
    </message>
    <message>
        <source>The + at position %1 stands inside a product, so it is no sum of products and its terms are not analysed.</source>
        <translation>Das + an Position %1 steht in einem Produkt, daher ist die Antwort keine disjunktive Form, und ihre Terme werden nicht untersucht.</translation>
    </message>
    <message>
        <source>The &amp; at position %1 stands inside a sum, so it is no product of sums and its sums are not analysed.</source>
        <translation>Das &amp; an Position %1 steht in einer Summe, daher ist die Antwort keine konjunktive Form, und ihre Summen werden nicht untersucht.</translation>
    </message>
    <message>
        <source>The term %1 is not an implicant: it is 1 at %2, where the function is 0.</source>
        <translation>Der Term %1 ist kein Implikant: Er ist 1 bei %2, wo die Funktion 0 ist.</translation>
    </message>
    <message>
        <source>The sum %1 is not an implicate: it is 0 at %2, where the function is 1.</source>
        <translation>Die Summe %1 ist kein Implikat: Sie ist 0 bei %2, wo die Funktion 1 ist.</translation>
    </message>
    <message>
        <source>The term %1 is not prime: without %2 it still covers no cell where the function is 0.</source>
        <translation>Der Term %1 ist nicht prim: Auch ohne %2 überdeckt er keine Zelle, in der die Funktion 0 ist.</translation>
    </message>
    <message>
        <source>The sum %1 is not prime: without %2 it is still 0 on no cell where the function is 1.</source>
        <translation>Die Summe %1 ist nicht prim: Auch ohne %2 ist sie in keiner Zelle 0, in der die Funktion 1 ist.</translation>
    </message>
    <message>
        <source>The term %1 is redundant: the other terms alone equal the function.</source>
        <translation>Der Term %1 ist überflüssig: Die übrigen Terme allein ergeben schon die Funktion.</translation>
    </message>
    <message>
        <source>The sum %1 is redundant: the other sums alone equal the function.</source>
        <translation>Die Summe %1 ist überflüssig: Die übrigen Summen allein ergeben schon die Funktion.</translation>
    </message>
    <message>
        <source>Every term is prime and none is redundant, but another choice of prime implicants is cheaper.</source>
        <translation>Jeder Term ist prim und keiner überflüssig, aber eine andere Auswahl von Primimplikanten ist günstiger.</translation>
    </message>
    <message>
        <source>Every sum is prime and none is redundant, but another choice of prime implicates is cheaper.</source>
        <translation>Jede Summe ist prim und keine überflüssig, aber eine andere Auswahl von Primimplikaten ist günstiger.</translation>
    </message>
    <message>
        <source>An empty expression cannot be evaluated.</source>
        <translation>Ein leerer Ausdruck kann nicht ausgewertet werden.</translation>
    </message>
    <message>
        <source>%1 term</source>
        <translation>%1 Term</translation>
    </message>
    <message>
        <source>%1 terms</source>
        <translation>%1 Terme</translation>
    </message>
    <message>
        <source>%1 sum</source>
        <translation>%1 Summe</translation>
    </message>
    <message>
        <source>%1 sums</source>
        <translation>%1 Summen</translation>
    </message>
    <message>
        <source>%1 literal</source>
        <translation>%1 Literal</translation>
    </message>
    <message>
        <source>%1 literals</source>
        <translation>%1 Literale</translation>
    </message>
    <message>
        <source>m%1</source>
        <translation>m%1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 und %2 weitere</translation>
    </message>
</context>
<context>
    <name>ChangeVarsPopup</name>
    <message>
        <source>This name is the name of an output. A variable name must differ from the names of the outputs.</source>
        <translation>Dieser Name ist der Name eines Ausgangs. Ein Variablenname muss sich von den Namen der Ausgänge unterscheiden.</translation>
    </message>
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
    <message>
        <source>Joint cover of all outputs</source>
        <translation>Gemeinsame Überdeckung aller Ausgänge</translation>
    </message>
    <message>
        <source>Every output at once, each shared product built once</source>
        <translation>Alle Ausgänge zugleich, jedes geteilte Produkt nur einmal gebaut</translation>
    </message>
    <message>
        <source>Joint: %1 gates, %2 gate inputs    Each output alone: %3 gates, %4 gate inputs</source>
        <translation>Gemeinsam: %1 Gatter, %2 Gattereingänge    Jeder Ausgang für sich: %3 Gatter, %4 Gattereingänge</translation>
    </message>
    <message>
        <source>(not proven minimal)</source>
        <translation>(nicht als minimal bewiesen)</translation>
    </message>
    <message>
        <source>Minimizing the outputs together…</source>
        <translation>Die Ausgänge werden gemeinsam minimiert…</translation>
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
    <message>
        <source>Invalid symbol &apos;%1&apos; found starting at character position %2. Valid symbols are: lower-case letters [a-z], upper-case letters [A-Z], numbers [0-9], [(] (left parenthesis), [)] (right parenthesis), [+] (plus; logical or), [&amp;] (ampersand; logical and), [^] (caret; logical xor), and [&apos;] (apostrophe; logical not).</source>
        <translation>Ungültiges Zeichen &apos;%1&apos; ab Zeichenposition %2. Gültige Zeichen sind: Kleinbuchstaben [a-z], Großbuchstaben [A-Z], Ziffern [0-9], [(] (öffnende Klammer), [)] (schließende Klammer), [+] (Plus; logisches ODER), [&amp;] (Und-Zeichen; logisches UND), [^] (Zirkumflex; logisches XOR) und [&apos;] (Apostroph; logisches NICHT).</translation>
    </message>
    <message>
        <source>Unexpected operand &apos;%1&apos; found starting at character position %2. Did you forget its operator?</source>
        <translation>Unerwarteter Operand &apos;%1&apos; ab Zeichenposition %2. Fehlt davor ein Operator?</translation>
    </message>
    <message>
        <source>Unmatched left-parenthesis found in boolean expression starting at character position %2. Parentheses come in pairs of left-right and must contain an operand between them.</source>
        <translation>Öffnende Klammer ohne schließendes Gegenstück im booleschen Ausdruck ab Zeichenposition %2. Klammern stehen paarweise (öffnend und schließend) und müssen einen Operanden einschließen.</translation>
    </message>
    <message>
        <source>Unmatched right-parenthesis found in boolean expression starting at character position %2. Parentheses come in pairs of left-right and must contain an operand between them.</source>
        <translation>Schließende Klammer ohne öffnendes Gegenstück im booleschen Ausdruck ab Zeichenposition %2. Klammern stehen paarweise (öffnend und schließend) und müssen einen Operanden einschließen.</translation>
    </message>
    <message>
        <source>Binary infix operator &apos;%1&apos; starting at character position %2 expects two operands; The left-hand-side (LHS) operand is missing</source>
        <translation>Der zweistellige Operator &apos;%1&apos; ab Zeichenposition %2 erwartet zwei Operanden; der linke Operand fehlt</translation>
    </message>
    <message>
        <source>Binary infix operator &apos;%1&apos; starting at character position %2 expects two operands; The right-hand-side (RHS) operand is missing</source>
        <translation>Der zweistellige Operator &apos;%1&apos; ab Zeichenposition %2 erwartet zwei Operanden; der rechte Operand fehlt</translation>
    </message>
    <message>
        <source>Unary suffix operator &apos;%1&apos; starting at character position %2 expects one operand; The left-hand-side (LHS) operand is missing</source>
        <translation>Der nachgestellte einstellige Operator &apos;%1&apos; ab Zeichenposition %2 erwartet einen Operanden; der linke Operand fehlt</translation>
    </message>
    <message>
        <source>Unary prefix operator &apos;%1&apos; starting at character position %2 expects one operand; The right-hand-side (RHS) operand is missing</source>
        <translation>Der vorangestellte einstellige Operator &apos;%1&apos; ab Zeichenposition %2 erwartet einen Operanden; der rechte Operand fehlt</translation>
    </message>
    <message>
        <source>The left-hand-side (LHS) operand is missing</source>
        <translation>Der linke Operand fehlt</translation>
    </message>
    <message>
        <source>The right-hand-side (RHS) operand is missing</source>
        <translation>Der rechte Operand fehlt</translation>
    </message>
    <message>
        <source>Undefined token &apos;%1&apos; found starting at character position %2. Suitable action unknown.</source>
        <translation>Unbekanntes Symbol &apos;%1&apos; ab Zeichenposition %2. Es ist keine passende Behandlung bekannt.</translation>
    </message>
    <message>
        <source>The variable name &apos;%1&apos; starting at character position %2 is undefined. Did you make a spelling mistake or forget to set your custom variable names?</source>
        <translation>Der Variablenname &apos;%1&apos; ab Zeichenposition %2 ist nicht definiert. Ist er falsch geschrieben, oder wurden die eigenen Variablennamen noch nicht gesetzt?</translation>
    </message>
    <message>
        <source>Undefined operator &apos;%1&apos; found starting at character position %2. Suitable action unknown.</source>
        <translation>Unbekannter Operator &apos;%1&apos; ab Zeichenposition %2. Es ist keine passende Behandlung bekannt.</translation>
    </message>
    <message>
        <source>Undefined exception.</source>
        <translation>Unbekannter Fehler.</translation>
    </message>
</context>
<context>
    <name>ExerciseDialog</name>
    <message>
        <source>New Exercise</source>
        <translation>Neue Übung</translation>
    </message>
    <message>
        <source>Sum of products (SOP)</source>
        <translation>Disjunktive Form (DMF)</translation>
    </message>
    <message>
        <source>Product of sums (POS)</source>
        <translation>Konjunktive Form (KMF)</translation>
    </message>
    <message>
        <source>With don&apos;t cares</source>
        <translation>Mit Don&apos;t-Cares</translation>
    </message>
    <message>
        <source>The same seed and settings give the same function everywhere</source>
        <translation>Gleicher Startwert und gleiche Einstellungen ergeben überall dieselbe Funktion</translation>
    </message>
    <message>
        <source>Variables:</source>
        <translation>Variablen:</translation>
    </message>
    <message>
        <source>Form:</source>
        <translation>Form:</translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation>Startwert:</translation>
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
    <message>
        <source>Truthtable Help</source>
        <translation>Hilfe zur Wahrheitstabelle</translation>
    </message>
    <message>
        <source>POS/SOP Help</source>
        <translation>Hilfe zu KMF/DMF</translation>
    </message>
</context>
<context>
    <name>ImportExport</name>
    <message>
        <source>The output label %1 is not a valid output name (1 to 3 letters or digits, all different and none an input&apos;s name), so the outputs have the default names %2.</source>
        <translation>Die Ausgangsbezeichnung %1 ist kein gültiger Ausgangsname (1 bis 3 Buchstaben oder Ziffern, alle verschieden und keiner der Name eines Eingangs), daher haben die Ausgänge die Standardnamen %2.</translation>
    </message>
    <message>
        <source>The output labels %1 are not valid output names (1 to 3 letters or digits, all different and none an input&apos;s name), so the outputs have the default names %2.</source>
        <translation>Die Ausgangsbezeichnungen %1 sind keine gültigen Ausgangsnamen (1 bis 3 Buchstaben oder Ziffern, alle verschieden und keiner der Name eines Eingangs), daher haben die Ausgänge die Standardnamen %2.</translation>
    </message>
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
        <source>Could not write %1: %2.</source>
        <translation>%1 konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>%1: multi-valued and state-machine files are not supported; only binary inputs with one or more outputs can be imported.</source>
        <translation>%1: Mehrwertige Dateien und Zustandsautomaten werden nicht unterstützt; importiert werden können nur binäre Eingänge mit einem oder mehreren Ausgängen.</translation>
    </message>
    <message>
        <source>.i gives %1, but the number of variables must be 2 to 6.</source>
        <translation>.i gibt %1 an, die Anzahl der Variablen muss aber 2 bis 6 sein.</translation>
    </message>
    <message>
        <source>.i must be followed by the number of variables (2 to 6).</source>
        <translation>Auf .i muss die Anzahl der Variablen (2 bis 6) folgen.</translation>
    </message>
    <message>
        <source>.i gives %1 variables, but .ilb named %2.</source>
        <translation>.i gibt %1 Variablen an, .ilb hat aber %2 benannt.</translation>
    </message>
    <message>
        <source>.o must be followed by the number of outputs.</source>
        <translation>Auf .o muss die Anzahl der Ausgänge folgen.</translation>
    </message>
    <message>
        <source>.type must come before the first product line.</source>
        <translation>.type muss vor der ersten Produktzeile stehen.</translation>
    </message>
    <message>
        <source>.type %1 is not supported; the type must be f, fd, fr or fdr.</source>
        <translation>.type %1 wird nicht unterstützt; der Typ muss f, fd, fr oder fdr sein.</translation>
    </message>
    <message>
        <source>.ilb names more than the %1 variables.</source>
        <translation>.ilb nennt mehr als die %1 Variablen.</translation>
    </message>
    <message>
        <source>.ilb names %1 of the %2 variables.</source>
        <translation>.ilb nennt nur %1 der %2 Variablen.</translation>
    </message>
    <message>
        <source>The product line %1 has no output part.</source>
        <translation>Die Produktzeile %1 hat keinen Ausgangsteil.</translation>
    </message>
    <message>
        <source>The input part %1 must be %2 characters of 0, 1 and -.</source>
        <translation>Der Eingangsteil %1 muss %2 Zeichen lang sein, jedes davon 0, 1 oder -.</translation>
    </message>
    <message>
        <source>The file has %1 outputs; at most 64 can be imported.</source>
        <translation>Die Datei hat %1 Ausgänge; höchstens 64 lassen sich importieren.</translation>
    </message>
    <message>
        <source>The label %1 is not a valid variable name (1 to 3 letters or digits, all different), so the variables have the default names %2.</source>
        <translation>Die Bezeichnung %1 ist kein gültiger Variablenname (1 bis 3 Buchstaben oder Ziffern, alle verschieden), daher tragen die Variablen die Standardnamen %2.</translation>
    </message>
    <message>
        <source>The labels %1 are not valid variable names (1 to 3 letters or digits, all different), so the variables have the default names %2.</source>
        <translation>Die Bezeichnungen %1 sind keine gültigen Variablennamen (1 bis 3 Buchstaben oder Ziffern, alle verschieden), daher tragen die Variablen die Standardnamen %2.</translation>
    </message>
</context>
<context>
    <name>JointResultsWindow</name>
    <message>
        <source>All Outputs</source>
        <translation>Alle Ausgänge</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgang</translation>
    </message>
    <message>
        <source>Alone</source>
        <translation>Einzeln</translation>
    </message>
    <message>
        <source>Joint cover</source>
        <translation>Gemeinsame Überdeckung</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produkt</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Ausgänge</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Geteilt</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Pick an output or a product to shade its groups on the map. Alone: each output&apos;s exact minimum; a product two outputs both use is counted once.</source>
        <translation>Wählen Sie einen Ausgang oder ein Produkt, um seine Gruppen in der Karte zu schattieren. Einzeln: das exakte Minimum jedes Ausgangs; ein Produkt, das zwei Ausgänge verwenden, zählt einmal.</translation>
    </message>
    <message>
        <source>Products of the joint cover</source>
        <translation>Produkte der gemeinsamen Überdeckung</translation>
    </message>
    <message>
        <source>shared</source>
        <translation>geteilt</translation>
    </message>
    <message>
        <source>Products</source>
        <translation>Produkte</translation>
    </message>
    <message>
        <source>Literals</source>
        <translation>Literale</translation>
    </message>
    <message>
        <source>Connections</source>
        <translation>Verbindungen</translation>
    </message>
    <message>
        <source>Minimizing the outputs together…</source>
        <translation>Die Ausgänge werden gemeinsam minimiert…</translation>
    </message>
    <message>
        <source>The joint cover is proven minimal.</source>
        <translation>Die gemeinsame Überdeckung ist nachweislich minimal.</translation>
    </message>
    <message>
        <source>Not proven minimal: the search was cancelled; the best cover found is shown.</source>
        <translation>Nicht als minimal bewiesen: Die Suche wurde abgebrochen; die beste gefundene Überdeckung wird gezeigt.</translation>
    </message>
    <message>
        <source>Not proven minimal: the search stopped after %1 s; the best cover found is shown.</source>
        <translation>Nicht als minimal bewiesen: Die Suche endete nach %1 s; die beste gefundene Überdeckung wird gezeigt.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
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
        <source>Export for Simulator…</source>
        <translation>Für Simulator exportieren…</translation>
    </message>
    <message>
        <source>Save the circuit as a file of the Logisim simulator (.circ)</source>
        <translation>Die Schaltung als Datei des Simulators Logisim speichern (.circ)</translation>
    </message>
    <message>
        <source>Export for Simulator</source>
        <translation>Für Simulator exportieren</translation>
    </message>
    <message>
        <source>Logisim circuit (*.circ)</source>
        <translation>Logisim-Schaltung (*.circ)</translation>
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
        <source>Add Output</source>
        <translation>Ausgang hinzufügen</translation>
    </message>
    <message>
        <source>Remove Output</source>
        <translation>Ausgang entfernen</translation>
    </message>
    <message>
        <source>Add an output column to the truth table</source>
        <translation>Der Wahrheitstabelle eine Ausgangsspalte hinzufügen</translation>
    </message>
    <message>
        <source>Remove the output the map shows</source>
        <translation>Den Ausgang entfernen, den das KV-Diagramm zeigt</translation>
    </message>
    <message>
        <source>Output Names…</source>
        <translation>Ausgangsnamen…</translation>
    </message>
    <message>
        <source>Rename the outputs</source>
        <translation>Die Ausgänge umbenennen</translation>
    </message>
    <message>
        <source>The output the map shows</source>
        <translation>Der Ausgang, den das KV-Diagramm zeigt</translation>
    </message>
    <message>
        <source>Karnaugh Map of %1</source>
        <translation>KV-Diagramm von %1</translation>
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
    <message>
        <source>Check Answer…</source>
        <translation>Antwort prüfen…</translation>
    </message>
    <message>
        <source>Check your own expression against the function</source>
        <translation>Den eigenen Ausdruck mit der Funktion vergleichen</translation>
    </message>
    <message>
        <source>New Exercise…</source>
        <translation>Neue Übung…</translation>
    </message>
    <message>
        <source>Fill the table with a random function to minimize</source>
        <translation>Die Tabelle mit einer zufälligen Funktion zum Minimieren füllen</translation>
    </message>
    <message>
        <source>Check Answer</source>
        <translation>Antwort prüfen</translation>
    </message>
    <message>
        <source>The solution shows once you check an answer or press Minimize!</source>
        <translation>Die Lösung erscheint, sobald Sie eine Antwort prüfen oder „Minimieren!“ drücken</translation>
    </message>
    <message>
        <source>Exercise %1: minimize the function in the table as a %2, then check your answer.</source>
        <translation>Übung %1: Minimieren Sie die Funktion der Tabelle als %2 und prüfen Sie dann Ihre Antwort.</translation>
    </message>
    <message>
        <source>product of sums</source>
        <translation>konjunktive Form</translation>
    </message>
    <message>
        <source>sum of products</source>
        <translation>disjunktive Form</translation>
    </message>
    <message>
        <source>Minimize All Outputs…</source>
        <translation>Alle Ausgänge minimieren…</translation>
    </message>
    <message>
        <source>Every output alone and together, with shared products</source>
        <translation>Jeden Ausgang einzeln und alle gemeinsam, mit geteilten Produkten</translation>
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
    <name>OutputNamesDialog</name>
    <message>
        <source>Output Names</source>
        <translation>Ausgangsnamen</translation>
    </message>
    <message>
        <source>Output %1</source>
        <translation>Ausgang %1</translation>
    </message>
    <message>
        <source>%1 is not a valid name: a name is 1 to 3 letters or digits.</source>
        <translation>%1 ist kein gültiger Name: Ein Name besteht aus 1 bis 3 Buchstaben oder Ziffern.</translation>
    </message>
    <message>
        <source>%1 is already the name of an input.</source>
        <translation>%1 ist bereits der Name eines Eingangs.</translation>
    </message>
    <message>
        <source>%1 is already the name of an output.</source>
        <translation>%1 ist bereits der Name eines Ausgangs.</translation>
    </message>
</context>
<context>
    <name>ResultCopier</name>
    <message>
        <source>There is no minimized function to copy yet: press &quot;Minimize!&quot; first.</source>
        <translation>Es gibt noch keine minimierte Funktion zum Kopieren: Bitte zuerst „Minimieren!“ drücken.</translation>
    </message>
    <message>
        <source>A variable has no name, which %2 needs.</source>
        <translation>Eine Variable hat keinen Namen, den %2 aber braucht.</translation>
    </message>
    <message>
        <source>%1 is not a valid name in %2: a name there must start with a letter (A-Z, a-z). Rename the variable with &quot;Variables&quot;.</source>
        <translation>%1 ist in %2 kein gültiger Name: Ein Name muss dort mit einem Buchstaben (A-Z, a-z) beginnen. Benennen Sie die Variable mit „Variablen“ um.</translation>
    </message>
    <message>
        <source>%1 is not a valid name in %2: only the letters A-Z, a-z and digits may be used there.</source>
        <translation>%1 ist in %2 kein gültiger Name: Dort sind nur die Buchstaben A-Z, a-z und Ziffern erlaubt.</translation>
    </message>
    <message>
        <source>%1 is a reserved word in %2 and cannot name a variable. Rename the variable with &quot;Variables&quot;.</source>
        <translation>%1 ist in %2 ein reserviertes Wort und kann keine Variable benennen. Benennen Sie die Variable mit „Variablen“ um.</translation>
    </message>
    <message>
        <source>%1 and %3 are the same name in %2.</source>
        <translation>%1 und %3 sind in %2 derselbe Name.</translation>
    </message>
    <message>
        <source>%1 and %3 are the same name in %2, which ignores case.</source>
        <translation>%1 und %3 sind in %2 derselbe Name, da dort Groß- und Kleinschreibung nicht unterschieden werden.</translation>
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
    <message>
        <source>Minimizing a function of %1 variables as a sum of products: %2</source>
        <translation>Minimierung einer Funktion mit %1 Variablen zur disjunktiven Minimalform: %2</translation>
    </message>
    <message>
        <source>Minimizing a function of %1 variables as a product of sums: %2</source>
        <translation>Minimierung einer Funktion mit %1 Variablen zur konjunktiven Minimalform: %2</translation>
    </message>
    <message>
        <source>minterm</source>
        <translation>Minterm</translation>
    </message>
    <message>
        <source>minterms</source>
        <translation>Minterme</translation>
    </message>
    <message>
        <source>maxterm</source>
        <translation>Maxterm</translation>
    </message>
    <message>
        <source>maxterms</source>
        <translation>Maxterme</translation>
    </message>
    <message>
        <source>%1 term</source>
        <translation>%1 Term</translation>
    </message>
    <message>
        <source>%1 terms</source>
        <translation>%1 Terme</translation>
    </message>
    <message>
        <source>%1 literal</source>
        <translation>%1 Literal</translation>
    </message>
    <message>
        <source>%1 literals</source>
        <translation>%1 Literale</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>number of terms, number of literals</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>The cells that are %1 or don&apos;t care start the table, grouped by their number of ones. Each pass merges cubes of neighbouring groups that differ in one variable; merged cubes are checked (✓). Cubes never checked are the prime implicants.</source>
        <translation>Die Zellen mit dem Wert %1 oder Don&apos;t-Care bilden den Anfang der Tabelle, gruppiert nach der Anzahl ihrer Einsen. Jeder Durchgang fasst Würfel benachbarter Gruppen zusammen, die sich in genau einer Variablen unterscheiden; zusammengefasste Würfel werden abgehakt (✓). Die nie abgehakten Würfel sind die Primimplikanten.</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Durchgang</translation>
    </message>
    <message>
        <source>Ones</source>
        <translation>Einsen</translation>
    </message>
    <message>
        <source>Cube</source>
        <translation>Würfel</translation>
    </message>
    <message>
        <source>Covers</source>
        <translation>Überdeckt</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Markierung</translation>
    </message>
    <message>
        <source>prime %1</source>
        <translation>Primimplikant %1</translation>
    </message>
    <message>
        <source>No cell takes part: there is nothing to merge.</source>
        <translation>Keine Zelle nimmt teil: Es gibt nichts zusammenzufassen.</translation>
    </message>
    <message>
        <source>Prime implicants</source>
        <translation>Primimplikanten</translation>
    </message>
    <message>
        <source>Prime</source>
        <translation>Primimplikant</translation>
    </message>
    <message>
        <source>Term</source>
        <translation>Term</translation>
    </message>
    <message>
        <source>Literals</source>
        <translation>Literale</translation>
    </message>
    <message>
        <source>Essential</source>
        <translation>Wesentlich</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>There are no prime implicants.</source>
        <translation>Es gibt keine Primimplikanten.</translation>
    </message>
    <message>
        <source>Prime implicant chart</source>
        <translation>Primimplikantentafel</translation>
    </message>
    <message>
        <source>Rows: the %1 that must be covered (don&apos;t cares need no cover). Columns: the prime implicants; X marks a %2 a prime covers, (X) the only prime on its row, which makes that prime essential. The last row marks the primes &quot;Minimize!&quot; chose.</source>
        <translation>Zeilen: die %1, die überdeckt werden müssen (Don&apos;t-Cares brauchen keine Überdeckung). Spalten: die Primimplikanten; X markiert einen %2, den ein Primimplikant überdeckt, (X) den einzigen Primimplikanten seiner Zeile, der damit ein Kernprimimplikant (wesentlicher Primimplikant) ist. Die letzte Zeile markiert die Primimplikanten, die „Minimieren!“ gewählt hat.</translation>
    </message>
    <message>
        <source>No %1 needs covering.</source>
        <translation>Kein %1 muss überdeckt werden.</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>gewählt</translation>
    </message>
    <message>
        <source>%1 (%2) is essential: it is the only prime covering %3 %4.</source>
        <translation>%1 (%2) ist ein Kernprimimplikant: Er ist der einzige Primimplikant, der %3 %4 überdeckt.</translation>
    </message>
    <message>
        <source>No prime is essential.</source>
        <translation>Es gibt keinen Kernprimimplikanten.</translation>
    </message>
    <message>
        <source>Choices of &quot;Minimize!&quot;</source>
        <translation>Auswahl von „Minimieren!“</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>Nothing needs covering, so nothing is chosen.</source>
        <translation>Nichts muss überdeckt werden, daher wird nichts gewählt.</translation>
    </message>
    <message>
        <source>essential: the only prime covering %1 %2</source>
        <translation>Kernprimimplikant: der einzige, der %1 %2 überdeckt</translation>
    </message>
    <message>
        <source>covers %1 of the %2 remaining %3, the most</source>
        <translation>überdeckt %1 der %2 verbleibenden %3, die meisten</translation>
    </message>
    <message>
        <source>covers %1 of the %2 remaining %3, the most; leftmost of %4 tied primes</source>
        <translation>überdeckt %1 der %2 verbleibenden %3, die meisten; der am weitesten links stehende von %4 gleichwertigen Primimplikanten</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Überdeckung</translation>
    </message>
    <message>
        <source>Terms</source>
        <translation>Terme</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Ausdruck</translation>
    </message>
    <message>
        <source>Minimize!</source>
        <translation>Minimieren!</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>The window&apos;s answer is minimal.</source>
        <translation>Die Antwort des Fensters ist minimal.</translation>
    </message>
    <message>
        <source>A shorter answer exists: %1 (%2 instead of %3).</source>
        <translation>Es gibt eine kürzere Antwort: %1 (%2 statt %3).</translation>
    </message>
    <message>
        <source>The minimum solutions have not been counted.</source>
        <translation>Die Minimallösungen wurden nicht gezählt.</translation>
    </message>
    <message>
        <source>There is exactly one minimum solution.</source>
        <translation>Es gibt genau eine Minimallösung.</translation>
    </message>
    <message>
        <source>There are %1 minimum solutions.</source>
        <translation>Es gibt %1 Minimallösungen.</translation>
    </message>
    <message>
        <source>There are at least %1 minimum solutions (the count stopped there).</source>
        <translation>Es gibt mindestens %1 Minimallösungen (die Zählung wurde dort beendet).</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Lösung</translation>
    </message>
    <message>
        <source>The first %1 are listed.</source>
        <translation>Die ersten %1 sind aufgeführt.</translation>
    </message>
    <message>
        <source>Hazard-free cover</source>
        <translation>Hazardfreie Überdeckung</translation>
    </message>
    <message>
        <source>The fewest terms, then literals, such that every two adjacent cells that are both %1 lie in one term: changing a single input between them cannot make the output glitch.</source>
        <translation>Die wenigsten Terme, dann Literale, so dass je zwei benachbarte Zellen, die beide %1 sind, in einem gemeinsamen Term liegen: Wechselt ein einzelner Eingang zwischen ihnen, kann am Ausgang kein Störimpuls entstehen.</translation>
    </message>
    <message>
        <source>The search was stopped before it finished.</source>
        <translation>Die Suche wurde abgebrochen, bevor sie fertig war.</translation>
    </message>
    <message>
        <source>Joint Cover</source>
        <translation>Gemeinsame Überdeckung</translation>
    </message>
    <message>
        <source>Minimizing all outputs together…</source>
        <translation>Alle Ausgänge werden gemeinsam minimiert…</translation>
    </message>
    <message>
        <source>Minimizing %1 outputs of %2 variables together as a sum of products</source>
        <translation>Gemeinsame Minimierung von %1 Ausgängen mit %2 Variablen zur disjunktiven Minimalform</translation>
    </message>
    <message>
        <source>Minimizing %1 outputs of %2 variables together as a product of sums</source>
        <translation>Gemeinsame Minimierung von %1 Ausgängen mit %2 Variablen zur konjunktiven Minimalform</translation>
    </message>
    <message>
        <source>output</source>
        <translation>Ausgang</translation>
    </message>
    <message>
        <source>Multi-output prime implicants</source>
        <translation>Primimplikanten mehrerer Ausgänge</translation>
    </message>
    <message>
        <source>Each product with the outputs it may serve: it is an implicant of each of them and covers a %1 of each. Dropping any of its literals would lose one of them.</source>
        <translation>Jeder Term mit den Ausgängen, denen er dienen kann: Er ist Implikant jedes dieser Ausgänge und überdeckt von jedem einen %1. Ohne eines seiner Literale verlöre er einen von ihnen.</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Ausgänge</translation>
    </message>
    <message>
        <source>Joint prime implicant chart</source>
        <translation>Gemeinsame Primimplikantentafel</translation>
    </message>
    <message>
        <source>Rows: each output&apos;s %1 that must be covered (don&apos;t cares need no cover). Columns: the multi-output prime implicants; X marks a prime that covers the %2 and may serve the output, (X) the only prime on its row. The last row marks the products of the joint cover.</source>
        <translation>Zeilen: die %1 jedes Ausgangs, die überdeckt werden müssen (Don&apos;t-Cares brauchen keine Überdeckung). Spalten: die Primimplikanten mehrerer Ausgänge; X markiert einen Primimplikanten, der den %2 überdeckt und dem Ausgang dienen kann, (X) den einzigen Primimplikanten seiner Zeile. Die letzte Zeile markiert die Terme der gemeinsamen Überdeckung.</translation>
    </message>
    <message>
        <source>No output has a %1 to cover.</source>
        <translation>Kein Ausgang hat einen %1 zu überdecken.</translation>
    </message>
    <message>
        <source>Joint cover</source>
        <translation>Gemeinsame Überdeckung</translation>
    </message>
    <message>
        <source>The fewest distinct products, then the fewest literals, then the fewest connections from a product to an output; a product shared by several outputs counts once.</source>
        <translation>Möglichst wenige verschiedene Terme, dann möglichst wenige Literale, dann möglichst wenige Verbindungen von einem Term zu einem Ausgang; ein Term, den mehrere Ausgänge teilen, zählt einmal.</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produkt</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Geteilt</translation>
    </message>
    <message>
        <source>%1 product</source>
        <translation>%1 Term</translation>
    </message>
    <message>
        <source>%1 products</source>
        <translation>%1 Terme</translation>
    </message>
    <message>
        <source>%1 connection</source>
        <translation>%1 Verbindung</translation>
    </message>
    <message>
        <source>%1 connections</source>
        <translation>%1 Verbindungen</translation>
    </message>
    <message>
        <source>%1, %2, %3.</source>
        <comment>products, literals, connections</comment>
        <translation>%1, %2, %3.</translation>
    </message>
    <message>
        <source>Proven minimal.</source>
        <translation>Nachweislich minimal.</translation>
    </message>
    <message>
        <source>Not proven minimal: the search ran out of time; this is the best cover it found.</source>
        <translation>Nicht als minimal nachgewiesen: Die Suche hat ihre Zeit ausgeschöpft; dies ist die beste Überdeckung, die sie fand.</translation>
    </message>
    <message>
        <source>Not proven minimal: the search was stopped; this is the best cover it found.</source>
        <translation>Nicht als minimal nachgewiesen: Die Suche wurde abgebrochen; dies ist die beste Überdeckung, die sie fand.</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgang</translation>
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
    <message>
        <source>Line %1 holds &quot;%2&quot;; each value must be 0, 1 or X (x and - mean X as well).</source>
        <translation>Zeile %1 enthält „%2“; jeder Wert muss 0, 1 oder X sein (x und - bedeuten ebenfalls X).</translation>
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
