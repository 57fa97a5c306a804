<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
    <context>
        <name>FieldReader</name>
        <message>
            <source>Please enter an integer.</source>
            <translation>Geben Sie eine ganze Zahl ein.</translation>
        </message>
        <message>
            <source>Please enter an integer between %1 and %2.</source>
            <translation>Geben Sie eine ganze Zahl zwischen %1 und %2 ein.</translation>
        </message>
        <message>
            <source>Please enter a number.</source>
            <translation>Geben Sie eine Zahl ein.</translation>
        </message>
    </context>
    <context>
        <name>Files</name>
        <message>
            <source>All Files (*)</source>
            <translation>Alle Dateien (*)</translation>
        </message>
    </context>
    <context>
        <name>Menu</name>
        <message>
            <source>&amp;New	Ctrl+N</source>
            <translation>&amp;Neu	Strg+N</translation>
        </message>
        <message>
            <source>&amp;Open...	Ctrl+O</source>
            <translation>Ö&amp;ffnen...	Strg+O</translation>
        </message>
        <message>
            <source>&amp;Close</source>
            <translation>S&amp;chließen</translation>
        </message>
        <message>
            <source>&amp;Save	Ctrl+S</source>
            <translation>&amp;Speichern	Strg+S</translation>
        </message>
        <message>
            <source>Save &amp;As...</source>
            <translation>Speichern &amp;unter...</translation>
        </message>
        <message>
            <source>&amp;Export 3D Model...</source>
            <translation>3D-Modell e&amp;xportieren...</translation>
        </message>
        <message>
            <source>&amp;Print...	Ctrl+P</source>
            <translation>&amp;Drucken...	Strg+P</translation>
        </message>
        <message>
            <source>Print Pre&amp;view</source>
            <translation>&amp;Seitenansicht</translation>
        </message>
        <message>
            <source>P&amp;rint Setup...</source>
            <translation>Drucker&amp;einrichtung...</translation>
        </message>
        <message>
            <source>Recent File</source>
            <translation>Letzte Datei</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>&amp;Beenden</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Datei</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>&amp;Bearbeiten</translation>
        </message>
        <message>
            <source>&amp;Undo	Ctrl+Z</source>
            <translation>&amp;Rückgängig	Strg+Z</translation>
        </message>
        <message>
            <source>&amp;Redo	Ctrl+Y</source>
            <translation>&amp;Wiederherstellen	Strg+Y</translation>
        </message>
        <message>
            <source>Cu&amp;t	Ctrl+X</source>
            <translation>&amp;Ausschneiden	Strg+X</translation>
        </message>
        <message>
            <source>&amp;Copy	Ctrl+C</source>
            <translation>&amp;Kopieren	Strg+C</translation>
        </message>
        <message>
            <source>&amp;Paste	Ctrl+V</source>
            <translation>E&amp;infügen	Strg+V</translation>
        </message>
        <message>
            <source>&amp;Find...</source>
            <translation>&amp;Suchen...</translation>
        </message>
        <message>
            <source>R&amp;eplace...</source>
            <translation>&amp;Ersetzen...</translation>
        </message>
        <message>
            <source>&amp;View</source>
            <translation>&amp;Ansicht</translation>
        </message>
        <message>
            <source>&amp;Toolbar</source>
            <translation>&amp;Symbolleiste</translation>
        </message>
        <message>
            <source>&amp;Status Bar</source>
            <translation>Status&amp;leiste</translation>
        </message>
        <message>
            <source>&amp;Window</source>
            <translation>&amp;Fenster</translation>
        </message>
        <message>
            <source>&amp;New Window</source>
            <translation>&amp;Neues Fenster</translation>
        </message>
        <message>
            <source>&amp;Cascade</source>
            <translation>Ü&amp;berlappend</translation>
        </message>
        <message>
            <source>&amp;Tile</source>
            <translation>&amp;Nebeneinander</translation>
        </message>
        <message>
            <source>&amp;Arrange Icons</source>
            <translation>&amp;Symbole anordnen</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>&amp;Hilfe</translation>
        </message>
        <message>
            <source>&amp;About Lumtrak Stock Editor...</source>
            <translation>&amp;Info über Lumtrak Stock Editor...</translation>
        </message>
        <message>
            <source>New</source>
            <translation>Neu</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>Öffnen</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Speichern</translation>
        </message>
        <message>
            <source>Cut</source>
            <translation>Ausschneiden</translation>
        </message>
        <message>
            <source>Copy</source>
            <translation>Kopieren</translation>
        </message>
        <message>
            <source>Paste</source>
            <translation>Einfügen</translation>
        </message>
        <message>
            <source>Print</source>
            <translation>Drucken</translation>
        </message>
        <message>
            <source>About</source>
            <translation>Info</translation>
        </message>
        <message>
            <source>Preview</source>
            <translation>Vorschau</translation>
        </message>
        <message>
            <source>Show Preview</source>
            <translation>Vorschau anzeigen</translation>
        </message>
        <message>
            <source>Single Line</source>
            <translation>Einzelne Zeile</translation>
        </message>
        <message>
            <source>Highlight Current Panel</source>
            <translation>Aktuelle Fläche hervorheben</translation>
        </message>
        <message>
            <source>Rotate</source>
            <translation>Drehen</translation>
        </message>
        <message>
            <source>Show Axis</source>
            <translation>Achsen anzeigen</translation>
        </message>
        <message>
            <source>Animate</source>
            <translation>Animieren</translation>
        </message>
        <message>
            <source>D3D Preview</source>
            <translation>D3D-Vorschau</translation>
        </message>
        <message>
            <source>Refresh Preview	F5</source>
            <translation>Vorschau aktualisieren	F5</translation>
        </message>
        <message>
            <source>Translations</source>
            <translation>Transformationen</translation>
        </message>
        <message>
            <source>Shift</source>
            <translation>Verschieben</translation>
        </message>
        <message>
            <source>Reflect</source>
            <translation>Spiegeln</translation>
        </message>
        <message>
            <source>Stretch</source>
            <translation>Strecken</translation>
        </message>
        <message>
            <source>Imperial &gt; Metric</source>
            <translation>Zoll &gt; Metrisch</translation>
        </message>
        <message>
            <source>Metric &gt; Imperial</source>
            <translation>Metrisch &gt; Zoll</translation>
        </message>
        <message>
            <source>Rotate Panel Vertices Lft</source>
            <translation>Eckpunkte nach links drehen</translation>
        </message>
        <message>
            <source>Rotate Panel Vertices Rgt</source>
            <translation>Eckpunkte nach rechts drehen</translation>
        </message>
        <message>
            <source>Reverse Panel</source>
            <translation>Fläche umkehren</translation>
        </message>
        <message>
            <source>Reverse Normal</source>
            <translation>Normale umkehren</translation>
        </message>
        <message>
            <source>Rotate 90 Left</source>
            <translation>90° nach links drehen</translation>
        </message>
        <message>
            <source>Rotate 90 Right</source>
            <translation>90° nach rechts drehen</translation>
        </message>
        <message>
            <source>Matrix Transformation</source>
            <translation>Matrixtransformation</translation>
        </message>
        <message>
            <source>Tools</source>
            <translation>Werkzeuge</translation>
        </message>
        <message>
            <source>Cylinders</source>
            <translation>Zylinder</translation>
        </message>
        <message>
            <source>Divide Panel(s)</source>
            <translation>Fläche(n) teilen</translation>
        </message>
        <message>
            <source>Cut-Out</source>
            <translation>Ausschnitt</translation>
        </message>
        <message>
            <source>Auto Q!</source>
            <translation>Auto-Q!</translation>
        </message>
        <message>
            <source>Set D3D only!</source>
            <translation>Nur D3D setzen!</translation>
        </message>
        <message>
            <source>Count Panels</source>
            <translation>Flächen zählen</translation>
        </message>
        <message>
            <source>Update Stock index</source>
            <translation>Stock Index aktualisieren</translation>
        </message>
        <message>
            <source>Rebuild Stock Index</source>
            <translation>Stock Index neu aufbauen</translation>
        </message>
        <message>
            <source>List required Files</source>
            <translation>Benötigte Dateien auflisten</translation>
        </message>
        <message>
            <source>&amp;Go to Part	F12</source>
            <translation>Zum &amp;Teil gehen	F12</translation>
        </message>
        <message>
            <source>Find Uses of This Part	Shift+F12</source>
            <translation>Verwendungen dieses Teils &amp;finden	Umschalt+F12</translation>
        </message>
        <message>
            <source>&amp;Back	Alt+Left</source>
            <translation>&amp;Zurück	Alt+Links</translation>
        </message>
        <message>
            <source>For&amp;ward	Alt+Right</source>
            <translation>&amp;Vorwärts	Alt+Rechts</translation>
        </message>
        <message>
            <source>Complete &amp;Name	Ctrl+Space</source>
            <translation>&amp;Namen ergänzen	Strg+Leertaste</translation>
        </message>
        <message>
            <source>P&amp;arts</source>
            <translation>&amp;Teile</translation>
        </message>
        <message>
            <source>&amp;Problems</source>
            <translation>&amp;Probleme</translation>
        </message>
        <message>
            <source>Syntax &amp;Colouring</source>
            <translation>Syntax&amp;hervorhebung</translation>
        </message>
    </context>
    <context>
        <name>lumtrak::editor::AboutDialog</name>
        <message>
            <source>About Lumtrak Stock Editor</source>
            <translation>Info über Lumtrak Stock Editor</translation>
        </message>
        <message>
            <source>Lumtrak Stock Editor Version 5.05</source>
            <translation>Lumtrak Stock Editor Version 5.05</translation>
        </message>
        <message>
            <source>Copyright (C) Halbern</source>
            <translation>Copyright (C) Halbern</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>lumtrak::editor::CCylinderDialog</name>
        <message>
            <source>Cylinder</source>
            <translation>Zylinder</translation>
        </message>
        <message>
            <source>End A</source>
            <translation>Ende A</translation>
        </message>
        <message>
            <source>End B</source>
            <translation>Ende B</translation>
        </message>
        <message>
            <source>Solid</source>
            <translation>Geschlossen</translation>
        </message>
        <message>
            <source>Steps</source>
            <translation>Schritte</translation>
        </message>
        <message>
            <source>W</source>
            <translation>B</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>Radius</source>
            <translation>Radius</translation>
        </message>
        <message>
            <source>r</source>
            <translation>r</translation>
        </message>
        <message>
            <source>g</source>
            <translation>g</translation>
        </message>
        <message>
            <source>b</source>
            <translation>b</translation>
        </message>
    </context>
    <context>
        <name>lumtrak::editor::CLumtrakStockEditorApp</name>
        <message>
            <source>No recovery copies can be kept in %1: %2.</source>
            <translation>In %1 können keine Wiederherstellungskopien aufbewahrt werden: %2.</translation>
        </message>
        <message>
            <source>The recovery copy of %1 could not be written: %2.</source>
            <translation>Die Wiederherstellungskopie von %1 konnte nicht geschrieben werden: %2.</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>Öffnen</translation>
        </message>
    </context>
    <context>
        <name>lumtrak::editor::CLumtrakStockEditorDoc</name>
        <message>
            <source>%1 was not found.</source>
            <translation>%1 wurde nicht gefunden.</translation>
        </message>
        <message>
            <source>%1 could not be accessed.</source>
            <translation>Auf %1 konnte nicht zugegriffen werden.</translation>
        </message>
        <message>
            <source>An unexpected error occurred while writing %1:
%2.</source>
            <translation>Beim Schreiben von %1 ist ein unerwarteter Fehler aufgetreten:
%2.</translation>
        </message>
        <message>
            <source>Save As</source>
            <translation>Speichern unter</translation>
        </message>
        <message>
            <source>Save changes to %1?</source>
            <translation>Änderungen in %1 speichern?</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <translation>&amp;Ja</translation>
        </message>
        <message>
            <source>&amp;No</source>
            <translation>&amp;Nein</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>%1 was written in place: its folder takes no new file beside it.</source>
            <translation>%1 wurde an Ort und Stelle überschrieben: sein Ordner nimmt keine neue Datei daneben auf.</translation>
        </message>
        <message>
            <source>%1 is read-only and was not saved.
Save the text under another name?</source>
            <translation>%1 ist schreibgeschützt und wurde nicht gespeichert.
Den Text unter einem anderen Namen speichern?</translation>
        </message>
        <message>
            <source>Save &amp;As...</source>
            <translation>Speichern &amp;unter...</translation>
        </message>
    </context>
    <context>
        <name>lumtrak::editor::CMainFrame</name>
        <message>
            <source>Toolbar</source>
            <translation>Symbolleiste</translation>
        </message>
        <message>
            <source>Ready</source>
            <translation>Bereit</translation>
        </message>
        <message>
            <source>CAP</source>
            <translation>UF</translation>
        </message>
        <message>
            <source>NUM</source>
            <translation>NUM</translation>
        </message>
        <message>
            <source>SCRL</source>
            <translation>RF</translation>
        </message>
        <message>
            <source>Activate this window</source>
            <translation>Aktiviert dieses Fenster</translation>
        </message>
    </context>
    <context>
        <name>lumtrak::editor::NewTypeDialog</name>
        <message>
            <source>New</source>
            <translation>Neu</translation>
        </message>
        <message>
            <source>&amp;New</source>
            <translation>&amp;Neu</translation>
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
        <name>lumtrak::editor::CReflectDialog</name>
        <message>
            <source>Reflect Selection</source>
            <translation>Auswahl spiegeln</translation>
        </message>
        <message>
            <source>Reflection centre</source>
            <translation>Spiegelungszentrum</translation>
        </message>
        <message>
            <source>Leave original</source>
            <translation>Original beibehalten</translation>
        </message>
        <message>
            <source>Reflect W</source>
            <translation>B spiegeln</translation>
        </message>
        <message>
            <source>Reflect L</source>
            <translation>L spiegeln</translation>
        </message>
        <message>
            <source>Reflect H</source>
            <translation>H spiegeln</translation>
        </message>
        <message>
            <source>W</source>
            <translation>B</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
    </context>
    <context>
        <name>lumtrak::editor::CShiftDialog</name>
        <message>
            <source>Shift Selection</source>
            <translation>Auswahl verschieben</translation>
        </message>
        <message>
            <source>Shift by:</source>
            <translation>Verschieben um:</translation>
        </message>
        <message>
            <source>Leave original</source>
            <translation>Original beibehalten</translation>
        </message>
        <message>
            <source>Repeat:</source>
            <translation>Wiederholen:</translation>
        </message>
        <message>
            <source>W</source>
            <translation>B</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
    </context>
    <context>
        <name>lumtrak::editor::CStretchDialog</name>
        <message>
            <source>Stretch Selection</source>
            <translation>Auswahl strecken</translation>
        </message>
        <message>
            <source>Stretch factor</source>
            <translation>Streckfaktor</translation>
        </message>
        <message>
            <source>Origin</source>
            <translation>Ursprung</translation>
        </message>
        <message>
            <source>Leave original</source>
            <translation>Original beibehalten</translation>
        </message>
        <message>
            <source>Stretch W</source>
            <translation>B strecken</translation>
        </message>
        <message>
            <source>Stretch L</source>
            <translation>L strecken</translation>
        </message>
        <message>
            <source>Strecth H</source>
            <translation>H strecken</translation>
        </message>
        <message>
            <source>W</source>
            <translation>B</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
    </context>
    <context>
        <name>lumtrak::editor::FindReplaceDialog</name>
        <message>
            <source>Fi&amp;nd what:</source>
            <translation>&amp;Suchen nach:</translation>
        </message>
        <message>
            <source>Re&amp;place with:</source>
            <translation>Ersetzen &amp;durch:</translation>
        </message>
        <message>
            <source>Match &amp;whole word only</source>
            <translation>Nur &amp;ganzes Wort suchen</translation>
        </message>
        <message>
            <source>Match &amp;case</source>
            <translation>&amp;Groß-/Kleinschreibung beachten</translation>
        </message>
        <message>
            <source>Direction</source>
            <translation>Suchrichtung</translation>
        </message>
        <message>
            <source>&amp;Up</source>
            <translation>&amp;Nach oben</translation>
        </message>
        <message>
            <source>&amp;Down</source>
            <translation>Nach &amp;unten</translation>
        </message>
        <message>
            <source>&amp;Find Next</source>
            <translation>&amp;Weitersuchen</translation>
        </message>
        <message>
            <source>&amp;Replace</source>
            <translation>&amp;Ersetzen</translation>
        </message>
        <message>
            <source>Replace &amp;All</source>
            <translation>&amp;Alle ersetzen</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>Replace</source>
            <translation>Ersetzen</translation>
        </message>
        <message>
            <source>Find</source>
            <translation>Suchen</translation>
        </message>
        <message>
            <source>Cannot find the string '%1'.</source>
            <translation>Die Zeichenfolge '%1' wurde nicht gefunden.</translation>
        </message>
    </context>
    <context>
        <name>lumtrak::editor::D3DPreview</name>
        <message>
            <source>Cab 1</source>
            <translation>Führerstand 1</translation>
        </message>
        <message>
            <source>Cab 2</source>
            <translation>Führerstand 2</translation>
        </message>
        <message>
            <source>Spotlight</source>
            <translation>Spotlicht</translation>
        </message>
        <message>
            <source>Refresh</source>
            <translation>Aktualisieren</translation>
        </message>
        <message>
            <source>Stop Animation</source>
            <translation>Animation anhalten</translation>
        </message>
        <message>
            <source>Step Animation</source>
            <translation>Animation Einzelschritt</translation>
        </message>
        <message>
            <source>Run Animation</source>
            <translation>Animation abspielen</translation>
        </message>
        <message>
            <source>Low Light</source>
            <translation>Wenig Licht</translation>
        </message>
        <message>
            <source>Dim lighting</source>
            <translation>Gedämpftes Licht</translation>
        </message>
        <message>
            <source>Bright Lighting</source>
            <translation>Helles Licht</translation>
        </message>
        <message>
            <source>Custom Material</source>
            <translation>Benutzerdefiniertes Material</translation>
        </message>
        <message>
            <source>Camera Control</source>
            <translation>Kamerasteuerung</translation>
        </message>
        <message>
            <source>Wireframe</source>
            <translation>Drahtgitter</translation>
        </message>
        <message>
            <source>Reset View</source>
            <translation>Ansicht zurücksetzen</translation>
        </message>
        <message>
            <source>Reset View (Home)</source>
            <translation>Ansicht zurücksetzen (Pos1)</translation>
        </message>
        <message>
            <source>No animation frames written: the window must be wider than %1 and higher than %2 pixels</source>
            <translation>Keine Animationsbilder geschrieben: Das Fenster muss breiter als %1 und höher als %2 Pixel sein</translation>
        </message>
        <message>
            <source>D3D Preview</source>
            <translation>D3D-Vorschau</translation>
        </message>
        <message>
            <source>Animation frame %1 could not be written: %2</source>
            <translation>Das Animationsbild %1 konnte nicht geschrieben werden: %2</translation>
        </message>
        <message>
            <source>Animation frames Temp00.bmp to Temp%1.bmp written to %2</source>
            <translation>Animationsbilder Temp00.bmp bis Temp%1.bmp nach %2 geschrieben</translation>
        </message>
    </context>
    <context>
        <name>lumtrak::editor::CameraControlDialog</name>
        <message>
            <source>Camera control</source>
            <translation>Kamerasteuerung</translation>
        </message>
        <message>
            <source>Position</source>
            <translation>Position</translation>
        </message>
        <message>
            <source>Direction</source>
            <translation>Richtung</translation>
        </message>
    </context>
    <context>
        <name>lumtrak::editor::CustomMaterialDialog</name>
        <message>
            <source>Custom Material</source>
            <translation>Benutzerdefiniertes Material</translation>
        </message>
        <message>
            <source>Ambient Colour:</source>
            <translation>Umgebungsfarbe:</translation>
        </message>
        <message>
            <source>Emissive Colour:</source>
            <translation>Leuchtfarbe:</translation>
        </message>
        <message>
            <source>Specular Colour:</source>
            <translation>Glanzfarbe:</translation>
        </message>
        <message>
            <source>Specular power</source>
            <translation>Glanzstärke</translation>
        </message>
        <message>
            <source>Update</source>
            <translation>Aktualisieren</translation>
        </message>
        <message>
            <source>Enter an integer between %1 and %2.</source>
            <translation>Geben Sie eine ganze Zahl zwischen %1 und %2 ein.</translation>
        </message>
        <message>
            <source>Enter an integer.</source>
            <translation>Geben Sie eine ganze Zahl ein.</translation>
        </message>
    </context>
    <context>
        <name>DocumentTemplate</name>
        <message>
            <source>Lumtrak Stock</source>
            <translation>Lumtrak Fahrzeug</translation>
        </message>
        <message>
            <source>Lumtrak Stock Files (*.stk)</source>
            <translation>Lumtrak Fahrzeugdateien (*.stk)</translation>
        </message>
        <message>
            <source>Lumtrak Scenery</source>
            <translation>Lumtrak Szenerie</translation>
        </message>
        <message>
            <source>Lumtrak Scenery Files (*.stc)</source>
            <translation>Lumtrak Szeneriedateien (*.stc)</translation>
        </message>
        <message>
            <source>Lumtrak Signal</source>
            <translation>Lumtrak Signal</translation>
        </message>
        <message>
            <source>Lumtrak Signal Files (*.sig)</source>
            <translation>Lumtrak Signaldateien (*.sig)</translation>
        </message>
    </context>
    <context>
        <name>Prompt</name>
        <message>
            <source>Create a new document</source>
            <translation>Erstellt ein neues Dokument</translation>
        </message>
        <message>
            <source>Open an existing document</source>
            <translation>Öffnet ein bestehendes Dokument</translation>
        </message>
        <message>
            <source>Close the active document</source>
            <translation>Schließt das aktive Dokument</translation>
        </message>
        <message>
            <source>Save the active document</source>
            <translation>Speichert das aktive Dokument</translation>
        </message>
        <message>
            <source>Save the active document with a new name</source>
            <translation>Speichert das aktive Dokument unter einem neuen Namen</translation>
        </message>
        <message>
            <source>Print the active document</source>
            <translation>Druckt das aktive Dokument</translation>
        </message>
        <message>
            <source>Display full pages</source>
            <translation>Zeigt ganze Seiten an</translation>
        </message>
        <message>
            <source>Change the printer and printing options</source>
            <translation>Ändert den Drucker und die Druckoptionen</translation>
        </message>
        <message>
            <source>Write the 3D model of the definition under the caret for other 3D tools</source>
            <translation>Schreibt das 3D-Modell der Definition an der Schreibmarke für andere 3D-Programme</translation>
        </message>
        <message>
            <source>Open this document</source>
            <translation>Öffnet dieses Dokument</translation>
        </message>
        <message>
            <source>Quit the application; prompts to save documents</source>
            <translation>Beendet das Programm und fragt, ob Dokumente gespeichert werden sollen</translation>
        </message>
        <message>
            <source>Undo the last action</source>
            <translation>Macht die letzte Aktion rückgängig</translation>
        </message>
        <message>
            <source>Redo the previously undone action</source>
            <translation>Stellt die zuletzt rückgängig gemachte Aktion wieder her</translation>
        </message>
        <message>
            <source>Cut the selection and put it on the Clipboard</source>
            <translation>Schneidet die Auswahl aus und legt sie in die Zwischenablage</translation>
        </message>
        <message>
            <source>Copy the selection and put it on the Clipboard</source>
            <translation>Kopiert die Auswahl in die Zwischenablage</translation>
        </message>
        <message>
            <source>Insert Clipboard contents</source>
            <translation>Fügt den Inhalt der Zwischenablage ein</translation>
        </message>
        <message>
            <source>Find the specified text</source>
            <translation>Sucht den angegebenen Text</translation>
        </message>
        <message>
            <source>Replace specific text with different text</source>
            <translation>Ersetzt einen Text durch einen anderen</translation>
        </message>
        <message>
            <source>Show or hide the toolbar</source>
            <translation>Zeigt oder verbirgt die Symbolleiste</translation>
        </message>
        <message>
            <source>Show or hide the status bar</source>
            <translation>Zeigt oder verbirgt die Statusleiste</translation>
        </message>
        <message>
            <source>Open or close the 2D preview of the definition under the caret</source>
            <translation>Öffnet oder schließt die 2D-Vorschau der Definition an der Schreibmarke</translation>
        </message>
        <message>
            <source>Not available</source>
            <translation>Nicht verfügbar</translation>
        </message>
        <message>
            <source>Colour the panels of the selected lines in the 2D preview</source>
            <translation>Färbt die Flächen der markierten Zeilen in der 2D-Vorschau ein</translation>
        </message>
        <message>
            <source>Turn the 2D preview round</source>
            <translation>Dreht die 2D-Vorschau</translation>
        </message>
        <message>
            <source>Show the axis lines in the 2D preview</source>
            <translation>Zeigt die Achsen in der 2D-Vorschau</translation>
        </message>
        <message>
            <source>Move the animated parts in the 2D preview</source>
            <translation>Bewegt die animierten Teile in der 2D-Vorschau</translation>
        </message>
        <message>
            <source>Open a 3D preview of the definition under the caret</source>
            <translation>Öffnet eine 3D-Vorschau der Definition an der Schreibmarke</translation>
        </message>
        <message>
            <source>Build the 3D preview anew from the text</source>
            <translation>Baut die 3D-Vorschau aus dem Text neu auf</translation>
        </message>
        <message>
            <source>Open another window for the active document</source>
            <translation>Öffnet ein weiteres Fenster für das aktive Dokument</translation>
        </message>
        <message>
            <source>Arrange windows so they overlap</source>
            <translation>Ordnet die Fenster überlappend an</translation>
        </message>
        <message>
            <source>Arrange windows as non-overlapping tiles</source>
            <translation>Ordnet die Fenster nebeneinander an</translation>
        </message>
        <message>
            <source>Arrange icons at the bottom of the window</source>
            <translation>Ordnet die Symbole am unteren Fensterrand an</translation>
        </message>
        <message>
            <source>Switch to the next window</source>
            <translation>Wechselt zum nächsten Fenster</translation>
        </message>
        <message>
            <source>Switch to the previous window</source>
            <translation>Wechselt zum vorigen Fenster</translation>
        </message>
        <message>
            <source>Move the points of the selected lines</source>
            <translation>Verschiebt die Punkte der markierten Zeilen</translation>
        </message>
        <message>
            <source>Mirror the points of the selected lines and reverse their panels</source>
            <translation>Spiegelt die Punkte der markierten Zeilen und kehrt ihre Flächen um</translation>
        </message>
        <message>
            <source>Scale the points of the selected lines about an origin</source>
            <translation>Streckt die Punkte der markierten Zeilen um einen Ursprung</translation>
        </message>
        <message>
            <source>Multiply the points of the selected panels by 3</source>
            <translation>Multipliziert die Punkte der markierten Flächen mit 3</translation>
        </message>
        <message>
            <source>Divide the points of the selected panels by 3</source>
            <translation>Teilt die Punkte der markierten Flächen durch 3</translation>
        </message>
        <message>
            <source>Make each selected panel's last point its first</source>
            <translation>Macht den letzten Punkt jeder markierten Fläche zu ihrem ersten</translation>
        </message>
        <message>
            <source>Make each selected panel's first point its last</source>
            <translation>Macht den ersten Punkt jeder markierten Fläche zu ihrem letzten</translation>
        </message>
        <message>
            <source>Reverse the point order of the selected panels</source>
            <translation>Kehrt die Reihenfolge der Punkte der markierten Flächen um</translation>
        </message>
        <message>
            <source>Turn the selected panels a quarter to the left</source>
            <translation>Dreht die markierten Flächen um eine Vierteldrehung nach links</translation>
        </message>
        <message>
            <source>Turn the selected panels a quarter to the right</source>
            <translation>Dreht die markierten Flächen um eine Vierteldrehung nach rechts</translation>
        </message>
        <message>
            <source>Transform the points of the selected panels by a 3 x 4 matrix</source>
            <translation>Transformiert die Punkte der markierten Flächen mit einer 3 x 4-Matrix</translation>
        </message>
        <message>
            <source>Insert the panels of a cylinder or cone at the caret</source>
            <translation>Fügt die Flächen eines Zylinders oder Kegels an der Schreibmarke ein</translation>
        </message>
        <message>
            <source>Cut each selected Fill panel in two at a plane across one axis</source>
            <translation>Teilt jede markierte Fill-Fläche an einer Ebene quer zu einer Achse in zwei</translation>
        </message>
        <message>
            <source>Frame the hole of the second selected Fill in the first with four panels</source>
            <translation>Umrahmt das Loch der zweiten markierten Fill-Fläche in der ersten mit vier Flächen</translation>
        </message>
        <message>
            <source>Tag the selected panels with their quadrant</source>
            <translation>Versieht die markierten Flächen mit ihrem Quadranten</translation>
        </message>
        <message>
            <source>Tag the selected panels [D3D]</source>
            <translation>Versieht die markierten Flächen mit [D3D]</translation>
        </message>
        <message>
            <source>Count the Fill panels per quadrant</source>
            <translation>Zählt die Fill-Flächen je Quadrant</translation>
        </message>
        <message>
            <source>Put the definitions of this document at the top of the Stock Index</source>
            <translation>Setzt die Definitionen dieses Dokuments an den Anfang des Stock Index</translation>
        </message>
        <message>
            <source>Write the Stock Index anew from the stock folders</source>
            <translation>Schreibt den Stock Index aus den Fahrzeugordnern neu</translation>
        </message>
        <message>
            <source>List the bitmaps and stock files that the definition under the caret needs</source>
            <translation>Listet die Bitmaps und Fahrzeugdateien auf, die die Definition an der Schreibmarke braucht</translation>
        </message>
        <message>
            <source>Display program information, version number and copyright</source>
            <translation>Zeigt Programminformationen, Versionsnummer und Copyright an</translation>
        </message>
        <message>
            <source>Open the definition of the part that the statement at the caret includes</source>
            <translation>Öffnet die Definition des Teils, das die Anweisung an der Schreibmarke einbindet</translation>
        </message>
        <message>
            <source>List every include of the part named on the line of the caret</source>
            <translation>Listet jede Einbindung des Teils auf, dessen Name in der Zeile der Schreibmarke steht</translation>
        </message>
        <message>
            <source>Go back to where Go to Part came from</source>
            <translation>Geht dorthin zurück, woher „Zum Teil gehen“ kam</translation>
        </message>
        <message>
            <source>Go forward again after Back</source>
            <translation>Geht nach „Zurück“ wieder vorwärts</translation>
        </message>
        <message>
            <source>Offer the part names, texture names or statement words that complete what is typed</source>
            <translation>Bietet Teilenamen, Texturnamen oder Anweisungswörter an, die das Getippte ergänzen</translation>
        </message>
        <message>
            <source>Show or hide the parts of the definition under the caret</source>
            <translation>Zeigt oder verbirgt die Teile der Definition unter der Schreibmarke</translation>
        </message>
        <message>
            <source>Show or hide the list of what the previews cannot use</source>
            <translation>Zeigt oder verbirgt die Liste dessen, was die Vorschauen nicht verwenden können</translation>
        </message>
        <message>
            <source>Colour statement words, values, names and comments</source>
            <translation>Färbt Anweisungswörter, Werte, Namen und Kommentare ein</translation>
        </message>
    </context>
    <context>
        <name>ProgramText</name>
        <message>
            <source>Can't open file</source>
            <translation>Datei kann nicht geöffnet werden</translation>
        </message>
        <message>
            <source>Can't create file mapping.
%1</source>
            <translation>Dateizuordnung kann nicht erstellt werden.
%1</translation>
        </message>
        <message>
            <source>Can't map file view</source>
            <translation>Dateiansicht kann nicht zugeordnet werden</translation>
        </message>
        <message>
            <source>ReadP overrun: %1</source>
            <translation>ReadP-Überlauf: %1</translation>
        </message>
        <message>
            <source>Can't identify co-plane</source>
            <translation>Gemeinsame Ebene nicht erkennbar</translation>
        </message>
        <message>
            <source>Can't write file</source>
            <translation>Datei kann nicht geschrieben werden</translation>
        </message>
        <message>
            <source>Stock Index complete</source>
            <translation>Stock Index fertig</translation>
        </message>
        <message>
            <source>include budget spent: further includes placed nothing (a load places at most %1 includes and %2 panels, and reads at most %3 bytes of included definitions)</source>
            <translation>Einbindungsbudget erschöpft: weitere Einbindungen platzieren nichts (ein Ladevorgang platziert höchstens %1 Einbindungen und %2 Flächen und liest höchstens %3 Bytes eingebundener Definitionen)</translation>
        </message>
    </context>
    <context>
        <name>ExportModel</name>
        <message>
            <source>Export 3D Model</source>
            <translation>3D-Modell exportieren</translation>
        </message>
        <message>
            <source>Exported %1 parts, %2 faces and %3 textures to %4</source>
            <translation>%1 Teile, %2 Flächen und %3 Texturen nach %4 exportiert</translation>
        </message>
        <message>
            <source>The 3D model could not be written to %1:
%2.</source>
            <translation>Das 3D-Modell konnte nicht nach %1 geschrieben werden:
%2.</translation>
        </message>
        <message>
            <source>glTF 2.0, one binary file (*.glb)</source>
            <translation>glTF 2.0, eine Binärdatei (*.glb)</translation>
        </message>
        <message>
            <source>glTF 2.0 with its files beside it (*.gltf)</source>
            <translation>glTF 2.0 mit seinen Dateien daneben (*.gltf)</translation>
        </message>
        <message>
            <source>Wavefront OBJ with its materials (*.obj)</source>
            <translation>Wavefront OBJ mit seinen Materialien (*.obj)</translation>
        </message>
    </context>
    <context>
        <name>ToolProgress</name>
        <message>
            <source>%1: working out the new text...</source>
            <translation>%1: neuer Text wird berechnet...</translation>
        </message>
        <message>
            <source>%1: putting the new text into the document...</source>
            <translation>%1: neuer Text wird ins Dokument übernommen...</translation>
        </message>
    </context>
    <context>
        <name>lumtrak::editor::CPreview2DDlg</name>
        <message>
            <source>White</source>
            <translation>Weiß</translation>
        </message>
        <message>
            <source>L</source>
            <comment>left</comment>
            <translation>L</translation>
        </message>
        <message>
            <source>F</source>
            <comment>front</comment>
            <translation>V</translation>
        </message>
        <message>
            <source>R</source>
            <comment>right</comment>
            <translation>R</translation>
        </message>
        <message>
            <source>B</source>
            <comment>back</comment>
            <translation>H</translation>
        </message>
        <message>
            <source>R</source>
            <comment>rotate</comment>
            <translation>D</translation>
        </message>
    </context>
    <context>
        <name>lumtrak::editor::CMatrixTransformDialog</name>
        <message>
            <source>Matrix Transform</source>
            <translation>Matrixtransformation</translation>
        </message>
        <message>
            <source>W</source>
            <translation>B</translation>
        </message>
        <message>
            <source>L</source>
            <translation>L</translation>
        </message>
        <message>
            <source>H</source>
            <translation>H</translation>
        </message>
        <message>
            <source>C</source>
            <translation>K</translation>
        </message>
        <message>
            <source>W=</source>
            <translation>B=</translation>
        </message>
        <message>
            <source>L=</source>
            <translation>L=</translation>
        </message>
        <message>
            <source>H=</source>
            <translation>H=</translation>
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
        <name>lumtrak::editor::CDividePanelDialog</name>
        <message>
            <source>Divide Panel</source>
            <translation>Fläche teilen</translation>
        </message>
        <message>
            <source>Divide At</source>
            <translation>Teilen bei</translation>
        </message>
        <message>
            <source>W</source>
            <translation>B</translation>
        </message>
        <message>
            <source>L</source>
            <translation>L</translation>
        </message>
        <message>
            <source>H</source>
            <translation>H</translation>
        </message>
        <message>
            <source>Width</source>
            <translation>Breite</translation>
        </message>
        <message>
            <source>Length</source>
            <translation>Länge</translation>
        </message>
        <message>
            <source>Height</source>
            <translation>Höhe</translation>
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
        <name>lumtrak::editor::CPanelCountDialog</name>
        <message>
            <source>Panel count</source>
            <translation>Flächenzahl</translation>
        </message>
        <message>
            <source>Q1</source>
            <translation>Q1</translation>
        </message>
        <message>
            <source>Q2</source>
            <translation>Q2</translation>
        </message>
        <message>
            <source>Q3</source>
            <translation>Q3</translation>
        </message>
        <message>
            <source>Q4</source>
            <translation>Q4</translation>
        </message>
        <message>
            <source>Total</source>
            <translation>Gesamt</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>lumtrak::editor::CRequiredFilesDialog</name>
        <message>
            <source>Required Files</source>
            <translation>Benötigte Dateien</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>lumtrak::editor::ProblemsDock</name>
        <message>
            <source>Problems</source>
            <translation>Probleme</translation>
        </message>
        <message>
            <source>Line</source>
            <translation>Zeile</translation>
        </message>
        <message>
            <source>Problem</source>
            <translation>Problem</translation>
        </message>
        <message>
            <source>Code</source>
            <translation>Kennung</translation>
        </message>
        <message>
            <source>Problems: %1</source>
            <translation>Probleme: %1</translation>
        </message>
    </context>
    <context>
        <name>Problem</name>
        <message>
            <source>part '%1' is defined neither in this text nor in "Stock Index": nothing is placed</source>
            <translation>Teil '%1' ist weder in diesem Text noch im "Stock Index" definiert: es wird nichts eingesetzt</translation>
        </message>
        <message>
            <source>part '%1': a file that "Stock Index" names for it cannot be read: nothing is placed</source>
            <translation>Teil '%1': eine Datei, die der "Stock Index" dafür nennt, kann nicht gelesen werden: es wird nichts eingesetzt</translation>
        </message>
        <message>
            <source>part '%1' leads back to a definition that is being loaded: it is left out</source>
            <translation>Teil '%1' führt zu einer Definition zurück, die gerade geladen wird: er wird ausgelassen</translation>
        </message>
        <message>
            <source>part '%1' is included more than %2 levels deep: it is left out</source>
            <translation>Teil '%1' ist mehr als %2 Ebenen tief eingebunden: er wird ausgelassen</translation>
        </message>
        <message>
            <source>the load's include budget runs out here: further includes place nothing</source>
            <translation>hier ist das Einbindungsbudget des Ladevorgangs erschöpft: weitere Einbindungen platzieren nichts</translation>
        </message>
        <message>
            <source>the name '%1' ends in a blank: an include from another file does not find it</source>
            <translation>der Name '%1' endet mit einem Leerzeichen: eine Einbindung aus einer anderen Datei findet ihn nicht</translation>
        </message>
        <message>
            <source>texture '%1' is in none of the texture folders: the face shows white</source>
            <translation>Textur '%1' liegt in keinem der Texturordner: die Fläche erscheint weiß</translation>
        </message>
        <message>
            <source>texture '%1' is no bitmap that the 3D preview reads: the face shows white</source>
            <translation>Textur '%1' ist keine Bitmap, die die 3D-Vorschau liest: die Fläche erscheint weiß</translation>
        </message>
        <message>
            <source>colour alias '%1' matches no "colour" statement before it in this definition</source>
            <translation>Farbalias '%1' passt zu keiner "colour"-Anweisung davor in dieser Definition</translation>
        </message>
        <message>
            <source>"%1" on the first line of the text counts for nothing</source>
            <translation>"%1" in der ersten Zeile des Textes zählt nicht</translation>
        </message>
        <message>
            <source>the coordinate comes to %1 model units, more than 16 bits hold: it wraps to %2</source>
            <translation>die Koordinate ergibt %1 Modelleinheiten, mehr als 16 Bit fassen: sie läuft über zu %2</translation>
        </message>
        <message>
            <source>the group opened here is not closed: its panels are not shown</source>
            <translation>die hier geöffnete Gruppe wird nicht geschlossen: ihre Flächen werden nicht gezeigt</translation>
        </message>
        <message>
            <source>the fill runs past the end of the text</source>
            <translation>die Fill-Fläche reicht über das Ende des Textes hinaus</translation>
        </message>
        <message>
            <source>the 2D preview's front view draws 510 panels and leaves out %1; this is the first of them in the text</source>
            <translation>die Vorderansicht der 2D-Vorschau zeichnet 510 Flächen und lässt %1 aus; dies ist die erste davon im Text</translation>
        </message>
        <message>
            <source>the loader takes nothing from this line</source>
            <translation>der Lader übernimmt nichts aus dieser Zeile</translation>
        </message>
        <message>
            <source>in part '%1' (%2:%3): %4</source>
            <translation>in Teil '%1' (%2:%3): %4</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Fehler</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Warnung</translation>
        </message>
        <message>
            <source>Note</source>
            <translation>Hinweis</translation>
        </message>
    </context>
    <context>
        <name>lumtrak::editor::RecoveryDialog</name>
        <message>
            <source>Recover Documents</source>
            <translation>Dokumente wiederherstellen</translation>
        </message>
        <message>
            <source>Lumtrak Stock Editor ended without saving these documents. Recovery copies of them were kept:</source>
            <translation>Lumtrak Stock Editor wurde beendet, ohne diese Dokumente zu speichern. Von ihnen wurden Wiederherstellungskopien aufbewahrt:</translation>
        </message>
        <message>
            <source>File</source>
            <translation>Datei</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Zeit</translation>
        </message>
        <message>
            <source>Size</source>
            <translation>Größe</translation>
        </message>
        <message>
            <source>Condition</source>
            <translation>Zustand</translation>
        </message>
        <message>
            <source>%1 bytes</source>
            <translation>%1 Bytes</translation>
        </message>
        <message>
            <source>%1 (never saved)</source>
            <translation>%1 (nie gespeichert)</translation>
        </message>
        <message>
            <source>intact</source>
            <translation>unversehrt</translation>
        </message>
        <message>
            <source>damaged: its checksum does not match</source>
            <translation>beschädigt: Prüfsumme stimmt nicht</translation>
        </message>
        <message>
            <source>damaged: incomplete</source>
            <translation>beschädigt: unvollständig</translation>
        </message>
        <message>
            <source>written by a later version</source>
            <translation>von einer neueren Version geschrieben</translation>
        </message>
        <message>
            <source>not a recovery copy</source>
            <translation>keine Wiederherstellungskopie</translation>
        </message>
        <message>
            <source>A copy that is not intact cannot be recovered: Recover leaves it in place, Discard deletes it.</source>
            <translation>Eine Kopie, die nicht unversehrt ist, kann nicht wiederhergestellt werden: Wiederherstellen lässt sie liegen, Verwerfen löscht sie.</translation>
        </message>
        <message>
            <source>&amp;Recover</source>
            <translation>&amp;Wiederherstellen</translation>
        </message>
        <message>
            <source>&amp;Discard</source>
            <translation>&amp;Verwerfen</translation>
        </message>
        <message>
            <source>&amp;Later</source>
            <translation>&amp;Später</translation>
        </message>
    </context>
    <context>
        <name>lumtrak::editor::PartUsesDock</name>
        <message>
            <source>Uses of Part</source>
            <translation>Verwendungen des Teils</translation>
        </message>
        <message>
            <source>File</source>
            <translation>Datei</translation>
        </message>
        <message>
            <source>Line</source>
            <translation>Zeile</translation>
        </message>
        <message>
            <source>Statement</source>
            <translation>Anweisung</translation>
        </message>
        <message numerus="yes">
            <source>Uses of &quot;%1&quot;: %n found</source>
            <translation>
                <numerusform>Verwendungen von „%1“: %n gefunden</numerusform>
                <numerusform>Verwendungen von „%1“: %n gefunden</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>lumtrak::editor::PartsDock</name>
        <message>
            <source>Parts</source>
            <translation>Teile</translation>
        </message>
        <message>
            <source>Part</source>
            <translation>Teil</translation>
        </message>
        <message>
            <source>Statement</source>
            <translation>Anweisung</translation>
        </message>
        <message>
            <source>File</source>
            <translation>Datei</translation>
        </message>
        <message>
            <source>Line</source>
            <translation>Zeile</translation>
        </message>
        <message>
            <source>not found</source>
            <translation>nicht gefunden</translation>
        </message>
    </context>
    <context>
        <name>lumtrak::editor::PartTools</name>
        <message>
            <source>The caret is not on an &quot;include&quot;, &quot;tilt&quot;, &quot;wheel&quot; or &quot;motion&quot; statement.</source>
            <translation>Die Schreibmarke steht auf keiner Anweisung „include“, „tilt“, „wheel“ oder „motion“.</translation>
        </message>
        <message>
            <source>No definition named &quot;%1&quot; in this text or in &quot;Stock Index&quot; [include-not-found]</source>
            <translation>Keine Definition namens „%1“ in diesem Text oder im „Stock Index“ [include-not-found]</translation>
        </message>
        <message>
            <source>%1: %2, line %3</source>
            <translation>%1: %2, Zeile %3</translation>
        </message>
        <message>
            <source>The caret is not on a &quot;name&quot; line.</source>
            <translation>Die Schreibmarke steht auf keiner „name“-Zeile.</translation>
        </message>
        <message>
            <source>&quot;%1&quot;: 1 use in %2 files searched</source>
            <translation>„%1“: 1 Verwendung in %2 durchsuchten Dateien</translation>
        </message>
        <message>
            <source>&quot;%1&quot;: %2 uses in %3 files searched</source>
            <translation>„%1“: %2 Verwendungen in %3 durchsuchten Dateien</translation>
        </message>
        <message>
            <source>Nothing to complete here.</source>
            <translation>Hier gibt es nichts zu ergänzen.</translation>
        </message>
    </context>
    <context>
        <name>CommandLine</name>
        <message>
            <source>The program folder, in which "Stock Index", the stock folders and "Textures" are found (default: $LUMTRAK_PROGRAM_DIR, else the folder of this program when it holds a "Stock Index", else the simulator's folder as asked for once).</source>
            <translation>Der Programmordner, in dem "Stock Index", die Fahrzeugordner und "Textures" liegen (Vorgabe: $LUMTRAK_PROGRAM_DIR, sonst der Ordner dieses Programms, wenn er einen "Stock Index" enthält, sonst der einmal erfragte Ordner des Simulators).</translation>
        </message>
        <message>
            <source>Start an editor of its own instead of handing the files to the one that runs.</source>
            <translation>Einen eigenen Editor starten, statt die Dateien dem laufenden zu übergeben.</translation>
        </message>
        <message>
            <source>Lumtrak Stock Editor: edits stock (.stk), scenery (.stc) and signal (.sig) definitions.
Files named on the command line open with the type of their extension; when an editor
runs already, it opens them instead.</source>
            <translation>Lumtrak Stock Editor: bearbeitet Fahrzeug- (.stk), Szenerie- (.stc) und Signaldefinitionen (.sig).
Auf der Befehlszeile genannte Dateien öffnen sich mit dem Typ ihrer Endung; läuft
schon ein Editor, öffnet er sie.</translation>
        </message>
        <message>
            <source>Definitions to open.</source>
            <translation>Zu öffnende Definitionen.</translation>
        </message>
    </context>
    <context>
        <name>lumtrak::editor::ProgramFolderDialog</name>
        <message>
            <source>Simulator Folder</source>
            <translation>Simulatorordner</translation>
        </message>
        <message>
            <source>Lumtrak Stock Editor finds "Stock Index", the stock folders and "Textures" in the folder of the Lumtrak simulator. Where is the simulator installed?</source>
            <translation>Lumtrak Stock Editor findet "Stock Index", die Fahrzeugordner und "Textures" im Ordner des Lumtrak-Simulators. Wo ist der Simulator installiert?</translation>
        </message>
        <message>
            <source>&amp;Folder:</source>
            <translation>&amp;Ordner:</translation>
        </message>
        <message>
            <source>&amp;Browse...</source>
            <translation>&amp;Durchsuchen...</translation>
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
</TS>
