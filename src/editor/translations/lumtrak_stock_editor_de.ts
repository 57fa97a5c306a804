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
    </context>
    <context>
        <name>lumtrak::editor::CLumtrakStockEditorApp</name>
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
</TS>
