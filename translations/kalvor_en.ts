<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Arbeitskontext</name>
    <message>
        <source>Keine Verbindung zur Datenbank</source>
        <translation>No connection to the database</translation>
    </message>
    <message>
        <source>Die Verbindung zur Datenbank konnte nicht hergestellt werden.</source>
        <translation>The connection to the database could not be established.</translation>
    </message>
</context>
<context>
    <name>ArchiveHelper</name>
    <message>
        <source>tmp</source>
        <translation>tmp</translation>
    </message>
</context>
<context>
    <name>Auswahldialog</name>
    <message>
        <source>Abbre&amp;chen</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>BenutzerBearbeitenDialog</name>
    <message>
        <source>Aenderungen &amp;speichern</source>
        <translation>&amp;Save changes</translation>
    </message>
    <message>
        <source>Neuen Benutzer anlegen</source>
        <translation>Create new user</translation>
    </message>
    <message>
        <source>Neuen Benutzer &amp;speichern</source>
        <translation>&amp;Save new user</translation>
    </message>
    <message>
        <source>Informationen zum Benutzer</source>
        <translation>Information about the user</translation>
    </message>
    <message>
        <source>Passwort Aendern</source>
        <translation>Change password</translation>
    </message>
    <message>
        <source>Benutzer bearbeiten</source>
        <translation>Edit user</translation>
    </message>
    <message>
        <source>Benutzername</source>
        <translation>User name</translation>
    </message>
    <message>
        <source>Passwort</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Passwort (Wiederholung)</source>
        <translation>Password (repeat)</translation>
    </message>
    <message>
        <source>Anmeldeberechtigt für GUI</source>
        <translation>May log in to the GUI</translation>
    </message>
    <message>
        <source>Anmeldeberechtigt für Web</source>
        <translation>May log in to the web</translation>
    </message>
    <message>
        <source>Mitglied</source>
        <translation>Member</translation>
    </message>
    <message>
        <source>Mitgliedsnummer</source>
        <translation>Member number</translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>Nachname</source>
        <translation>Last name</translation>
    </message>
    <message>
        <source>&amp;Mitglied waehlen</source>
        <translation>Select &amp;member</translation>
    </message>
    <message>
        <source>Mitglied &amp;entfernen</source>
        <translation>&amp;Remove member</translation>
    </message>
</context>
<context>
    <name>BenutzerListe</name>
    <message>
        <source>Benutzername</source>
        <translation>User name</translation>
    </message>
    <message>
        <source>Mitgliedsnummer</source>
        <translation>Member number</translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>Nachname</source>
        <translation>Last name</translation>
    </message>
</context>
<context>
    <name>BenutzerSuche</name>
    <message>
        <source>Egal?</source>
        <translation>Any?</translation>
    </message>
    <message>
        <source>Benutzername</source>
        <translation>User name</translation>
    </message>
    <message>
        <source>Mitgliedsnummer</source>
        <translation>Member number</translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>Nachname</source>
        <translation>Last name</translation>
    </message>
    <message>
        <source>Anmeldeberechtigt für GUI-Anwendung</source>
        <translation>May log in to the GUI application</translation>
    </message>
    <message>
        <source>Anmeldeberechtigt für Webschnittstelle</source>
        <translation>May log in to the web interface</translation>
    </message>
</context>
<context>
    <name>BenutzerSucheDialog</name>
    <message>
        <source>Benutzer suchen</source>
        <translation>Search for user</translation>
    </message>
    <message>
        <source>Gefundene Benutzer, bitte einen davon auswaehlen</source>
        <translation>Users found, please select one of them</translation>
    </message>
    <message>
        <source>Benutzer auswaehlen</source>
        <translation>Select user</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>BenutzerVerwaltung</name>
    <message>
        <source>Benutzer suchen</source>
        <translation>Search for user</translation>
    </message>
    <message>
        <source>&amp;Suchen</source>
        <translation>&amp;Search</translation>
    </message>
    <message>
        <source>Suchfelder &amp;zuruecksetzen</source>
        <translation>Reset search &amp;fields</translation>
    </message>
    <message>
        <source>Benutzerverwaltung</source>
        <translation>User administration</translation>
    </message>
    <message>
        <source>Moeglicherweise durch Neu, Bearbeiten oder Loeschen veraendertes Suchergebnis</source>
        <translation>Search result, possibly changed by New, Edit or Delete</translation>
    </message>
    <message>
        <source>&amp;Neu</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Loesch&amp;en</source>
        <translation>De&amp;lete</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Datenberechtigungen bearbeiten</source>
        <translation>Edit &amp;data permissions</translation>
    </message>
    <message>
        <source>&amp;Passwort zuruecksetzen</source>
        <translation>Reset &amp;password</translation>
    </message>
    <message>
        <source>S&amp;chliessen</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Root darf nicht geloescht werden</source>
        <translation>Root may not be deleted</translation>
    </message>
    <message>
        <source>Der root-Benutzer kann nicht geloescht werden.</source>
        <translation>The root user cannot be deleted.</translation>
    </message>
    <message>
        <source>Benutzer wirklich loeschen?</source>
        <translation>Really delete user?</translation>
    </message>
    <message>
        <source>Wollen Sie den Benutzer %1 wirklich loeschen?

 Falls Sie mit Ja antworten, kann er nicht mehr wiederhergestellt werden. Dies gilt auch für eventuell vorhandene Berechtigungen.</source>
        <translation>Do you really want to delete the user %1?

 If you answer Yes, the user cannot be restored. This also applies to any permissions the user may have.</translation>
    </message>
    <message>
        <source>Passwort erfolgreich zurueckgesetzt</source>
        <translation>Password reset successfully</translation>
    </message>
    <message>
        <source>Das Passwort des Benutzers %1 wurde auf %2 gesetzt.

Es sollte baldmoeglichst geaendert werden.</source>
        <translation>The password of the user %1 was set to %2.

It should be changed as soon as possible.</translation>
    </message>
</context>
<context>
    <name>BerechtigungsModusDialog</name>
    <message>
        <source>Berechtigungen ein- oder ausschalten</source>
        <translation>Switch permissions on or off</translation>
    </message>
    <message>
        <source>Aenderungen &amp;speichern</source>
        <translation>&amp;Save changes</translation>
    </message>
    <message>
        <source>Berechtigungsmodus</source>
        <translation>Permission mode</translation>
    </message>
</context>
<context>
    <name>BildAnzeigeWidget</name>
    <message>
        <source>Kein Bild vorhanden</source>
        <translation>No picture</translation>
    </message>
</context>
<context>
    <name>BildBearbeitenDialog</name>
    <message>
        <source>Bild hinzufuegen</source>
        <translation>Add image</translation>
    </message>
    <message>
        <source>Bild bearbeiten</source>
        <translation>Edit image</translation>
    </message>
    <message>
        <source>Bild ansehen</source>
        <translation>View image</translation>
    </message>
    <message>
        <source>&amp;Einreicher auswaehlen</source>
        <translation>Choose &amp;submitter</translation>
    </message>
    <message>
        <source>S&amp;parte auswaehlen</source>
        <translation>Choose cate&amp;gory</translation>
    </message>
    <message>
        <source>Einreicher</source>
        <translation>Submitter</translation>
    </message>
    <message>
        <source>Sparte</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Titel</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Themenbereich</source>
        <translation>Subject</translation>
    </message>
    <message>
        <source>Bildnummer</source>
        <translation>Image number</translation>
    </message>
    <message>
        <source>Wettbewerbslokale Nummer</source>
        <translation>Number in the competition</translation>
    </message>
    <message>
        <source>Dateiname</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>Rotieren gege&amp;n
 den Uhrzeigersinn</source>
        <translation>Rotate cou&amp;nter-
clockwise</translation>
    </message>
    <message>
        <source>Rotieren i&amp;m
 Uhrzeigersinn</source>
        <translation>Rotate
clock&amp;wise</translation>
    </message>
    <message>
        <source>&amp;Bild
 waehlen</source>
        <translation>Choose
 &amp;picture</translation>
    </message>
    <message>
        <source>Bild
 ent&amp;fernen</source>
        <translation>Re&amp;move
 picture</translation>
    </message>
    <message>
        <source>Bild Speichern</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>&amp;Speichern
 und Schliessen</source>
        <translation>&amp;Save
 and close</translation>
    </message>
    <message>
        <source>Speichern
 &amp;ohne Schliessen</source>
        <translation>Save
 with&amp;out closing</translation>
    </message>
    <message>
        <source>S&amp;chliessen</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Bilddatei auswaehlen</source>
        <translation>Choose picture file</translation>
    </message>
    <message>
        <source>Datei auswaehlen, in die das Bild gespeichert werden soll</source>
        <translation>Choose the file to save the picture to</translation>
    </message>
    <message>
        <source>Fehler beim Schreiben der Datei</source>
        <translation>Error writing the file</translation>
    </message>
    <message>
        <source>Das Bild konnte nicht in die Datei %1 geschrieben werden.</source>
        <translation>The picture could not be written to the file %1.</translation>
    </message>
</context>
<context>
    <name>BilderSucheWidget</name>
    <message>
        <source>&amp;Suchen</source>
        <translation>&amp;Search</translation>
    </message>
    <message>
        <source>Suche &amp;zuruecksetzen</source>
        <translation>&amp;Reset search</translation>
    </message>
    <message>
        <source>Titel, Nummer oder Einreicher</source>
        <translation>Title, number or submitter</translation>
    </message>
</context>
<context>
    <name>BilderWertungsDialog</name>
    <message>
        <source>Wertungen des Durchgangs</source>
        <translation>Scores of the round</translation>
    </message>
    <message>
        <source>Bilddetails &amp;ansehen</source>
        <translation>View image &amp;details</translation>
    </message>
    <message>
        <source>&amp;Vollbild ansehen</source>
        <translation>&amp;Full screen</translation>
    </message>
    <message>
        <source>&amp;Einzelwertungen ansehen</source>
        <translation>View &amp;juror scores</translation>
    </message>
    <message>
        <source>S&amp;chliessen</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>BilderWertungsListe</name>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Titel</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>Nachname</source>
        <translation>Last name</translation>
    </message>
    <message>
        <source>Bewertung</source>
        <translation>Score</translation>
    </message>
</context>
<context>
    <name>BoolConverter</name>
    <message>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>DateLineEdit</name>
    <message>
        <source>Datum falsch angegeben</source>
        <translation>Wrong date</translation>
    </message>
    <message>
        <source>Die Eingabe %1 ist kein gueltiges Datum.

Bitte geben Sie das Datum im Format dd.mm.yyyy an.</source>
        <translation>The input %1 is not a valid date.

Please enter the date as dd.mm.yyyy.</translation>
    </message>
</context>
<context>
    <name>DialogModi</name>
    <message>
        <source>Abbre&amp;chen</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>S&amp;chliessen</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>DurchgangBearbeitenDialog</name>
    <message>
        <source>Einstellungen zum Durchgang bearbeiten</source>
        <translation>Edit round settings</translation>
    </message>
    <message>
        <source>Einstellungen zum Durchgang ansehen</source>
        <translation>View round settings</translation>
    </message>
    <message>
        <source>Aenderungen &amp;speichern</source>
        <translation>&amp;Save changes</translation>
    </message>
    <message>
        <source>Sparte</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Jugend</source>
        <translation>Youth</translation>
    </message>
    <message>
        <source>DurchgangsArt</source>
        <translation>Kind of round</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Von Prozent der Rangliste</source>
        <translation>From percent of ranking</translation>
    </message>
    <message>
        <source>Bis Prozent der Rangliste</source>
        <translation>To percent of ranking</translation>
    </message>
    <message>
        <source>Minimal erlaubte Bewertung</source>
        <translation>Lowest allowed score</translation>
    </message>
    <message>
        <source>Maximal erlaubte Bewertung</source>
        <translation>Highest allowed score</translation>
    </message>
    <message>
        <source>Sortierung</source>
        <translation>Order</translation>
    </message>
</context>
<context>
    <name>DurchgangsListe</name>
    <message>
        <source>Sparte</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Jugend</source>
        <translation>Youth</translation>
    </message>
    <message>
        <source>Durchgang</source>
        <translation>Round</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Sortierung</source>
        <translation>Order</translation>
    </message>
    <message>
        <source>Reihenfolge generiert</source>
        <translation>Order generated</translation>
    </message>
</context>
<context>
    <name>DurchgangsNameVariantConverter</name>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2 (unteres Drittel)</source>
        <translation>2 (lower third)</translation>
    </message>
    <message>
        <source>2 (mittleres Drittel)</source>
        <translation>2 (middle third)</translation>
    </message>
    <message>
        <source>2 (bestes Drittel)</source>
        <translation>2 (best third)</translation>
    </message>
</context>
<context>
    <name>Eintragsansicht</name>
    <message>
        <source>Nicht importiert</source>
        <translation>Not imported</translation>
    </message>
    <message>
        <source>&amp;Erster Eintrag</source>
        <translation>&amp;First entry</translation>
    </message>
    <message>
        <source>Zehn Eintraege &amp;zurueck</source>
        <translation>Ten entries &amp;back</translation>
    </message>
    <message>
        <source>&amp;Vorheriger Eintrag</source>
        <translation>&amp;Previous entry</translation>
    </message>
    <message>
        <source>&amp;Naechster Eintrag</source>
        <translation>&amp;Next entry</translation>
    </message>
    <message>
        <source>Zehn Eintraege v&amp;or</source>
        <translation>Ten entries f&amp;orward</translation>
    </message>
    <message>
        <source>&amp;Letzter Eintrag</source>
        <translation>&amp;Last entry</translation>
    </message>
    <message>
        <source>S&amp;chliessen</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>EinzelwertungBearbeitenDialog</name>
    <message>
        <source>Neue Bewertung anlegen</source>
        <translation>Create new score</translation>
    </message>
    <message>
        <source>Bewertung bearbeiten</source>
        <translation>Edit score</translation>
    </message>
    <message>
        <source>Informationen zur Bewertung</source>
        <translation>Information about the score</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Juror:</source>
        <translation>Juror:</translation>
    </message>
    <message>
        <source>Bild:</source>
        <translation>Image:</translation>
    </message>
    <message>
        <source>Bewertung:</source>
        <translation>Score:</translation>
    </message>
</context>
<context>
    <name>EinzelwertungsListe</name>
    <message>
        <source>Vorname</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>Nachname</source>
        <translation>Last name</translation>
    </message>
    <message>
        <source>Bewertung</source>
        <translation>Score</translation>
    </message>
</context>
<context>
    <name>EinzelwertungsListenDialog</name>
    <message>
        <source>Einzelwertungen zu Bild %1</source>
        <translation>Juror scores for image %1</translation>
    </message>
    <message>
        <source>S&amp;chliessen</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>EvdevKeyboardManager</name>
    <message>
        <source>Keine Leseberechtigung fuer %1 Tastatur(en) unter /dev/input: Tastaturen koennen nicht zugeordnet werden, Wertungen lassen sich aber von Hand eingeben.</source>
        <translation>No read permission for %1 keypad(s) in /dev/input: keypads cannot be assigned, but scores can be entered by hand.</translation>
    </message>
</context>
<context>
    <name>EventLogCategoryChooseDialog</name>
    <message>
        <source>Choose a category</source>
        <translation>Choose a category</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Kategorie &amp;waehlen</source>
        <translation>&amp;Select category</translation>
    </message>
    <message>
        <source>&amp;Keine Kategorie waehlen</source>
        <translation>Select &amp;no category</translation>
    </message>
</context>
<context>
    <name>EventLogEditDialog</name>
    <message>
        <source>Ausgabe auf Konsole</source>
        <translation>Output to console</translation>
    </message>
    <message>
        <source>Ausgabe in EventLog-Tabelle</source>
        <translation>Output to EventLog table</translation>
    </message>
    <message>
        <source>&amp;Kategorie waehlen</source>
        <translation>Select &amp;category</translation>
    </message>
    <message>
        <source>Kategorie</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Code-Standort</source>
        <translation>Code location</translation>
    </message>
    <message>
        <source>Level-Operand</source>
        <translation>Level operand</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
</context>
<context>
    <name>EventLogList</name>
    <message>
        <source>Zeitstempel</source>
        <translation>Timestamp</translation>
    </message>
    <message>
        <source>Log-Level</source>
        <translation>Log level</translation>
    </message>
    <message>
        <source>Kategorie</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Standort</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
</context>
<context>
    <name>EventLogSettingsWidget</name>
    <message>
        <source>Kategorie</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Code-Standort</source>
        <translation>Code location</translation>
    </message>
    <message>
        <source>Level-Operand</source>
        <translation>Level operand</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Konsolenausgabe</source>
        <translation>Console output</translation>
    </message>
    <message>
        <source>Datenbankausgabe</source>
        <translation>Database output</translation>
    </message>
</context>
<context>
    <name>EventLogViewDialog</name>
    <message>
        <source>Logeintrag ansehen</source>
        <translation>View log entry</translation>
    </message>
    <message>
        <source>Benutzer</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Rechner</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Kategorie</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Zeitstempel</source>
        <translation>Timestamp</translation>
    </message>
    <message>
        <source>Logeintrag importiert</source>
        <translation>Log entry imported</translation>
    </message>
    <message>
        <source>Code-Standort</source>
        <translation>Code location</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>&amp;Session Ansehen</source>
        <translation>View &amp;session</translation>
    </message>
</context>
<context>
    <name>EventLogWidget</name>
    <message>
        <source>&amp;Ansehen</source>
        <translation>&amp;View</translation>
    </message>
</context>
<context>
    <name>ExportFortschrittsDialog</name>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Die Daten werden exportiert...</source>
        <translation>Exporting the data...</translation>
    </message>
    <message>
        <source>Der Export wird abgebrochen...</source>
        <translation>Cancelling the export...</translation>
    </message>
    <message>
        <source>%1 Zeilen und %2 Bilder (%3 MB) geschrieben</source>
        <translation>%1 rows and %2 pictures (%3 MB) written</translation>
    </message>
</context>
<context>
    <name>ExportInDatei</name>
    <message>
        <source>

Daher konnten die Daten NICHT exportiert werden.Bitte beheben Sie den Fehler und versuchen Sie es nochmals.</source>
        <translation>

The data could therefore NOT be exported. Please correct the error and try again.</translation>
    </message>
    <message>
        <source>Fehler beim Exportieren in die Datei %1: 

</source>
        <translation>Error while exporting into the file %1: 

</translation>
    </message>
    <message>
        <source>ZIP-Archive *.zip</source>
        <translation>ZIP archives *.zip</translation>
    </message>
    <message>
        <source>CSV-Dateien *.csv</source>
        <translation>CSV files *.csv</translation>
    </message>
    <message>
        <source>Dateiname fuer Export waehlen</source>
        <translation>Choose a file name for the export</translation>
    </message>
    <message>
        <source>Export abgebrochen</source>
        <translation>Export cancelled</translation>
    </message>
    <message>
        <source>Der Export wurde abgebrochen.</source>
        <translation>The export was cancelled.</translation>
    </message>
    <message>
        <source>Fehler beim Export: 

</source>
        <translation>Error during the export: 

</translation>
    </message>
    <message>
        <source>Export erfolgreich beendet</source>
        <translation>Export finished successfully</translation>
    </message>
    <message>
        <source>Der Export wurde erfolgreich beendet.</source>
        <translation>The export finished successfully.</translation>
    </message>
    <message>
        <source>%1 Stunden, %2 Minuten, %3 Sekunden</source>
        <translation>%1 hours, %2 minutes, %3 seconds</translation>
    </message>
    <message>
        <source>%1 Minuten, %2 Sekunden</source>
        <translation>%1 minutes, %2 seconds</translation>
    </message>
    <message>
        <source>%1 Sekunden</source>
        <translation>%1 seconds</translation>
    </message>
</context>
<context>
    <name>ExterneJurorenListe</name>
    <message>
        <source>Nummer</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>Nachname</source>
        <translation>Last name</translation>
    </message>
</context>
<context>
    <name>FunktionstraegerBearbeitenDialog</name>
    <message>
        <source>Neuen Funktionstraeger festlegen</source>
        <translation>Add new official</translation>
    </message>
    <message>
        <source>Funktionstraeger bearbeiten</source>
        <translation>Edit official</translation>
    </message>
    <message>
        <source>Informationen zum Funktionstraeger</source>
        <translation>Information about the official</translation>
    </message>
    <message>
        <source>&amp;Mitglied waehlen</source>
        <translation>Select &amp;member</translation>
    </message>
    <message>
        <source>Funktion</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Funktion (Freitext)</source>
        <translation>Position (free text)</translation>
    </message>
    <message>
        <source>Mitglied</source>
        <translation>Member</translation>
    </message>
    <message>
        <source>Mitgliedsnr.</source>
        <translation>Member no.</translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>Nachname</source>
        <translation>Last name</translation>
    </message>
    <message>
        <source>Neuen Funktionstraeger &amp;speichern</source>
        <translation>&amp;Save new official</translation>
    </message>
    <message>
        <source>Aenderungen &amp;speichern</source>
        <translation>&amp;Save changes</translation>
    </message>
    <message>
        <source>Funktion nicht angegeben</source>
        <translation>Position not specified</translation>
    </message>
    <message>
        <source>Bitte geben Sie die Funktion an.</source>
        <translation>Please specify the position.</translation>
    </message>
    <message>
        <source>Mitglied nicht angegeben</source>
        <translation>Member not specified</translation>
    </message>
    <message>
        <source>Bitte geben Sie das betreffende Mitglied an.</source>
        <translation>Please specify the member concerned.</translation>
    </message>
</context>
<context>
    <name>GrunddatenBearbeitenDialog</name>
    <message>
        <source>Neuen Wettbewerb anlegen</source>
        <translation>Create new competition</translation>
    </message>
    <message>
        <source>Grunddaten bearbeiten</source>
        <translation>Edit master data</translation>
    </message>
    <message>
        <source>Grunddaten ansehen</source>
        <translation>View master data</translation>
    </message>
    <message>
        <source>Neuen Wettbewerb &amp;speichern</source>
        <translation>&amp;Save new competition</translation>
    </message>
    <message>
        <source>Aenderungen &amp;speichern</source>
        <translation>&amp;Save changes</translation>
    </message>
</context>
<context>
    <name>GrunddatenBearbeitenWidget</name>
    <message>
        <source>&amp;Ansehen</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Verein waehlen</source>
        <translation>Choose &amp;club</translation>
    </message>
    <message>
        <source>Wettbewerbsdaten</source>
        <translation>Competition data</translation>
    </message>
    <message>
        <source>Ausrichter</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>Berechtigt</source>
        <translation>Entitled</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>in folgendem Ort</source>
        <translation>in the place</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Festlegungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Jurierungsmodus</source>
        <translation>Jury mode</translation>
    </message>
    <message>
        <source>Anzahl Durchgaenge</source>
        <translation>Number of rounds</translation>
    </message>
    <message>
        <source>Anzahl Bilder fuer Wertung</source>
        <translation>Images counted in the ranking</translation>
    </message>
    <message>
        <source>Anzahl Sparten fuer Kombination</source>
        <translation>Categories counted in the combination</translation>
    </message>
    <message>
        <source>Anzahl Teilnehmer fuer Vereinswertung</source>
        <translation>Participants counted for the club ranking</translation>
    </message>
    <message>
        <source>Nur vollständige Kombinationen</source>
        <translation>Complete combinations only</translation>
    </message>
    <message>
        <source>Gewollt auszustellen sind</source>
        <translation>Meant to be exhibited</translation>
    </message>
    <message>
        <source>Bilder</source>
        <translation>images</translation>
    </message>
    <message>
        <source>Gewuenschte Annahmen</source>
        <translation>Desired acceptances</translation>
    </message>
    <message>
        <source>Prozent</source>
        <translation>percent</translation>
    </message>
    <message>
        <source>Abrundung auf ganze Punkte</source>
        <translation>Round down to whole points</translation>
    </message>
    <message>
        <source>Maximales Format</source>
        <translation>Maximum format</translation>
    </message>
    <message>
        <source>Zum Beispiel 1024x768</source>
        <translation>For example 1024x768</translation>
    </message>
    <message>
        <source>Maximale Dateigroesse</source>
        <translation>Maximum file size</translation>
    </message>
    <message>
        <source>Zum Beispiel 800KB oder 2MB</source>
        <translation>For example 800KB or 2MB</translation>
    </message>
    <message>
        <source>Fruehestmoegliches Jugend-Geburtsdatum</source>
        <translation>Earliest youth birth date</translation>
    </message>
    <message>
        <source>(nicht lesbar)</source>
        <translation>(not readable)</translation>
    </message>
</context>
<context>
    <name>HilfeUeberDialog</name>
    <message>
        <source>Informationen zu Kalvor</source>
        <translation>About Kalvor</translation>
    </message>
    <message>
        <source>Nicht bekannt</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Programmversion:</source>
        <translation>Program version:</translation>
    </message>
    <message>
        <source>SVN-Version:</source>
        <translation>SVN version:</translation>
    </message>
    <message>
        <source>Datenmodell-Version:</source>
        <translation>Data model version:</translation>
    </message>
    <message>
        <source>Datenmodellgenerator-Version:</source>
        <translation>Data model generator version:</translation>
    </message>
    <message>
        <source>S&amp;chliessen</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>ImportAusDatei</name>
    <message>
        <source>Datei auswaehlen, aus der Daten importiert werden sollen</source>
        <translation>Choose the file to import data from</translation>
    </message>
    <message>
        <source>Ggf. komprimierte CSV-Dateien (*.zip *.csv)</source>
        <translation>CSV files, possibly compressed (*.zip *.csv)</translation>
    </message>
    <message>
        <source>Rueckfrage</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>

Kalvor kann versuchen, die Datei trotzdem zu importieren.  Da Importdateien mit veraltetem Datenformat nicht unbegrenzt unterstuetzt werden, koennte es dabei zu Fehlermeldungen kommen.  Falls dies der Fall ist, wenden Sie sich bitte an den Administrator. 

Wollen Sie mit dem Import fortfahren?</source>
        <translation>

Kalvor can try to import the file anyway.  Since import files in an outdated data format are not supported indefinitely, this may lead to error messages.  If it does, please contact the administrator. 

Do you want to continue with the import?</translation>
    </message>
    <message>
        <source>Import abgebrochen</source>
        <translation>Import cancelled</translation>
    </message>
    <message>
        <source>Der Import wurde abgebrochen. Es wurden keine Daten geaendert.</source>
        <translation>The import was cancelled. No data was changed.</translation>
    </message>
    <message>
        <source>Import erfolgreich beendet</source>
        <translation>Import finished successfully</translation>
    </message>
    <message>
        <source>Die Daten wurden erfolgreich importiert: %1 Datensaetze gelesen, davon %2 neu eingefuegt, %3 ueberschrieben und %4 uebergangen.

Dauer: %5</source>
        <translation>The data was imported successfully: %1 records read, of which %2 inserted, %3 overwritten and %4 skipped.

Duration: %5</translation>
    </message>
</context>
<context>
    <name>ImportFortschrittsDialog</name>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Die Daten werden importiert...</source>
        <translation>Importing the data...</translation>
    </message>
    <message>
        <source>%1: %2 von %3 Datensaetzen</source>
        <translation>%1: %2 of %3 records</translation>
    </message>
    <message>
        <source>%1: %2 Datensaetze</source>
        <translation>%1: %2 records</translation>
    </message>
    <message>
        <source>Der Import wird abgebrochen...</source>
        <translation>Cancelling the import...</translation>
    </message>
</context>
<context>
    <name>JaNeinVariantConverter</name>
    <message>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>JuriertBeiBearbeitenDialog</name>
    <message>
        <source>Juroren-Zuordnung Bearbeiten</source>
        <translation>Edit juror assignment</translation>
    </message>
    <message>
        <source>Juroren-Zuordnung Ansehen</source>
        <translation>View juror assignment</translation>
    </message>
    <message>
        <source>Wertet in allen Sparten</source>
        <translation>Judges all categories</translation>
    </message>
</context>
<context>
    <name>JuriertBeiSpartenWidget</name>
    <message>
        <source>Hi&amp;nzufuegen</source>
        <translation>A&amp;dd</translation>
    </message>
    <message>
        <source>&amp;Ansehen</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Loeschen</source>
        <translation>&amp;Delete</translation>
    </message>
</context>
<context>
    <name>JurorBearbeitenDialog</name>
    <message>
        <source>Neuen externen Juror anlegen</source>
        <translation>Create new external juror</translation>
    </message>
    <message>
        <source>Externen Juror bearbeiten</source>
        <translation>Edit external juror</translation>
    </message>
    <message>
        <source>Informationen zum externen Juror</source>
        <translation>External juror information</translation>
    </message>
    <message>
        <source>Neuen Juror &amp;speichern</source>
        <translation>&amp;Save new juror</translation>
    </message>
    <message>
        <source>Aenderungen &amp;speichern</source>
        <translation>&amp;Save changes</translation>
    </message>
    <message>
        <source>Personendaten</source>
        <translation>Personal data</translation>
    </message>
    <message>
        <source>Anrede</source>
        <translation>Salutation</translation>
    </message>
    <message>
        <source>Titel</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>Nachname</source>
        <translation>Last name</translation>
    </message>
    <message>
        <source>Geburtsdatum</source>
        <translation>Date of birth</translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Adresse und Erreichbarkeit</source>
        <translation>Address and contact</translation>
    </message>
    <message>
        <source>Strasse</source>
        <translation>Street</translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation>Postcode</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>Staat</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Telefon</source>
        <translation>Telephone</translation>
    </message>
    <message>
        <source>Mobil</source>
        <translation>Mobile</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Homepage</translation>
    </message>
    <message>
        <source>Skype</source>
        <translation>Skype</translation>
    </message>
</context>
<context>
    <name>JurorHinzufuegenDialog</name>
    <message>
        <source>Juror hinzufuegen</source>
        <translation>Add juror</translation>
    </message>
    <message>
        <source>Suche nach vorhandenen Mitgliedern und externen Juroren</source>
        <translation>Search existing members and external jurors</translation>
    </message>
    <message>
        <source>Gefundene Mitglieder</source>
        <translation>Members found</translation>
    </message>
    <message>
        <source>Gefundene externe Juroren</source>
        <translation>External jurors found</translation>
    </message>
    <message>
        <source>Aus&amp;waehlen</source>
        <translation>&amp;Choose</translation>
    </message>
    <message>
        <source>Abbre&amp;chen</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Keine Person markiert</source>
        <translation>No person marked</translation>
    </message>
    <message>
        <source>Bitte markieren Sie zunaechst ein Mitglied oder einen externen Juror.</source>
        <translation>Please mark a member or an external juror first.</translation>
    </message>
</context>
<context>
    <name>JurorService</name>
    <message>
        <source>Alle</source>
        <translation>All</translation>
    </message>
</context>
<context>
    <name>JurorenListe</name>
    <message>
        <source>JuriertBeiArt</source>
        <translation>Kind of juror</translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>Nachname</source>
        <translation>Last name</translation>
    </message>
    <message>
        <source>Staat</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>Sparten</source>
        <translation>Categories</translation>
    </message>
    <message>
        <source>Hat Tastatur</source>
        <translation>Has keypad</translation>
    </message>
</context>
<context>
    <name>Kontextzeile</name>
    <message>
        <source>Verbindung mit Benutzer %1 zu %2</source>
        <translation>Connected as user %1 to %2</translation>
    </message>
    <message>
        <source>Kein Verein ausgewaehlt</source>
        <translation>No club selected</translation>
    </message>
    <message>
        <source>Verein ohne Vereinsnamen</source>
        <translation>Club without a name</translation>
    </message>
    <message>
        <source>Aktueller Verein: </source>
        <translation>Current club: </translation>
    </message>
    <message>
        <source>Status: </source>
        <translation>Status: </translation>
    </message>
</context>
<context>
    <name>LaufenderFehler</name>
    <message>
        <source>Interner Fehler</source>
        <translation>Internal error</translation>
    </message>
    <message>
        <source>Unbekannter Fehler</source>
        <translation>Unknown error</translation>
    </message>
</context>
<context>
    <name>LogRegeln</name>
    <message>
        <source>Kein Log-Level angegeben.</source>
        <translation>No log level specified.</translation>
    </message>
    <message>
        <source>Kein Log-Level angegeben</source>
        <translation>No log level specified</translation>
    </message>
    <message>
        <source>Falls ein Log-Level-Operand angegeben wird, muss auch ein Log-Level angegeben werden.</source>
        <translation>If a log level operand is specified, a log level must be specified too.</translation>
    </message>
    <message>
        <source>Illegaler Log-Level-Operand</source>
        <translation>Invalid log level operand</translation>
    </message>
    <message>
        <source>Als Log-Level-Operand duerfen nur &lt;,&lt;=,=,&gt;=,&gt; verwendet werden.</source>
        <translation>Only &lt;,&lt;=,=,&gt;=,&gt; may be used as the log level operand.</translation>
    </message>
    <message>
        <source>Kein Log-Level-Operand angegeben</source>
        <translation>No log level operand specified</translation>
    </message>
    <message>
        <source>Falls ein Log-Level angegeben wird, muss auch ein Log-Level-Operand angegeben werden.</source>
        <translation>If a log level is specified, a log level operand must be specified too.</translation>
    </message>
    <message>
        <source>Log-Level nicht korrekt eingegeben</source>
        <translation>Log level entered incorrectly</translation>
    </message>
    <message>
        <source>Der Log-Level ist eine ganze Zahl, ueblicherweise im Bereich 0 bis 9.</source>
        <translation>The log level is a whole number, usually in the range 0 to 9.</translation>
    </message>
</context>
<context>
    <name>LogSettingsAdminDialog</name>
    <message>
        <source>Log-Einstellungen</source>
        <translation>Log settings</translation>
    </message>
</context>
<context>
    <name>LogViewDialog</name>
    <message>
        <source>&amp;Ereignisse</source>
        <translation>&amp;Events</translation>
    </message>
    <message>
        <source>&amp;Datenbankzugriffe</source>
        <translation>&amp;Database accesses</translation>
    </message>
    <message>
        <source>S&amp;chliessen</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Log-Meldungen</source>
        <translation>Log messages</translation>
    </message>
</context>
<context>
    <name>LoginDialog</name>
    <message>
        <source>Anmeldung</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>Benutzername</source>
        <translation>User name</translation>
    </message>
    <message>
        <source>Verbindungs-URL zur Datenbank</source>
        <translation>Database server</translation>
    </message>
    <message>
        <source>Passwort</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>&amp;Anmelden</source>
        <translation>&amp;Log in</translation>
    </message>
    <message>
        <source>Abbre&amp;chen</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Nicht alle Daten eingegeben</source>
        <translation>Not all data entered</translation>
    </message>
    <message>
        <source>Bitte fuellen Sie alle Eingabefelder aus.</source>
        <translation>Please fill in all fields.</translation>
    </message>
    <message>
        <source>Verschluesselte Verbindung mit geprueftem Serverzertifikat verlangen</source>
        <translation>Require an encrypted connection with a verified server certificate</translation>
    </message>
    <message>
        <source>Ohne diese Einstellung wird die Verbindung zu einem Server im Netz verschluesselt, sobald er es anbietet, sein Zertifikat aber nicht geprueft. Der eigene Server dieses Rechners braucht sie nicht.</source>
        <translation>Without this setting, the connection to a server on the network is encrypted whenever the server offers it, but its certificate is not verified. The private server of this computer does not need it.</translation>
    </message>
    <message>
        <source>die Zertifizierungsstellen des Systems</source>
        <translation>the system's certificate authorities</translation>
    </message>
    <message>
        <source>Aus&amp;waehlen...</source>
        <translation>&amp;Choose...</translation>
    </message>
    <message>
        <source>Zertifikat der Zertifizierungsstelle</source>
        <translation>Certificate of the certificate authority</translation>
    </message>
    <message>
        <source>Zertifikate (*.pem *.crt);;Alle Dateien (*)</source>
        <translation>Certificates (*.pem *.crt);;All files (*)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Daten &amp;importieren</source>
        <translation>&amp;Import data</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>Importiert Daten</source>
        <translation>Imports data</translation>
    </message>
    <message>
        <source>&amp;Verein</source>
        <translation>&amp;Club</translation>
    </message>
    <message>
        <source>Exportiert alle Daten zum aktiven Verein</source>
        <translation>Exports all data of the active club</translation>
    </message>
    <message>
        <source>&amp;Mitglieder des Vereins</source>
        <translation>&amp;Members of the club</translation>
    </message>
    <message>
        <source>Exportiert die Daten zu allen Mitgliedern des aktiven Vereins</source>
        <translation>Exports the data of all members of the active club</translation>
    </message>
    <message>
        <source>Vereinshierarchie</source>
        <translation>Club hierarchy</translation>
    </message>
    <message>
        <source>Exportiert alle Daten zum aktiven Verein und der Hierarchie darunter</source>
        <translation>Exports all data of the active club and the hierarchy below it</translation>
    </message>
    <message>
        <source>Mitglieder der Vereins&amp;hierarchie</source>
        <translation>Members of the club &amp;hierarchy</translation>
    </message>
    <message>
        <source>Exportiert die Daten zu allen Mitgliedern des aktiven Vereins sowie der Hierarchie darunter</source>
        <translation>Exports the data of all members of the active club and of the hierarchy below it</translation>
    </message>
    <message>
        <source>Funktionstraeger</source>
        <translation>Officials</translation>
    </message>
    <message>
        <source>Exportiert die Daten zu den Funktionstraegern aller Vereine</source>
        <translation>Exports the data of the officials of all clubs</translation>
    </message>
    <message>
        <source>Alle &amp;fachlichen Daten</source>
        <translation>All &amp;business data</translation>
    </message>
    <message>
        <source>Exportiert alle fachlichen Daten</source>
        <translation>Exports all business data</translation>
    </message>
    <message>
        <source>Alle &amp;technische Daten</source>
        <translation>All &amp;technical data</translation>
    </message>
    <message>
        <source>Exportiert alle technischen Daten, ohne die Datenberechtigungen</source>
        <translation>Exports all technical data, without the data permissions</translation>
    </message>
    <message>
        <source>Datenberechtigungen</source>
        <translation>Data permissions</translation>
    </message>
    <message>
        <source>Exportiert alle Datenberechtigungen</source>
        <translation>Exports all data permissions</translation>
    </message>
    <message>
        <source>&amp;Alle Daten</source>
        <translation>&amp;All data</translation>
    </message>
    <message>
        <source>Exportiert alle Daten</source>
        <translation>Exports all data</translation>
    </message>
    <message>
        <source>&amp;Neu Anmelden</source>
        <translation>Log in &amp;again</translation>
    </message>
    <message>
        <source>Unter anderer Kennung neu anmelden</source>
        <translation>Log in again under another name</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Beendet Kalvor</source>
        <translation>Quits Kalvor</translation>
    </message>
    <message>
        <source>&amp;Mitgliederverwaltung</source>
        <translation>&amp;Member administration</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation>Ctrl+M</translation>
    </message>
    <message>
        <source>Oeffnet die Mitgliederverwaltung</source>
        <translation>Opens the member administration</translation>
    </message>
    <message>
        <source>A&amp;nlegen</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Legt einen neuen Verein an</source>
        <translation>Creates a new club</translation>
    </message>
    <message>
        <source>Aus&amp;waehlen</source>
        <translation>&amp;Select</translation>
    </message>
    <message>
        <source>Waehlt einen Verein aus und holt ihn in den Kontext</source>
        <translation>Selects a club and makes it the active one</translation>
    </message>
    <message>
        <source>&amp;Ansehen</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Oeffnet die Daten eines Vereins zum nur lesenden Betrachten</source>
        <translation>Opens the data of a club read-only</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Oeffnet die Daten eines Vereins zum Aendern</source>
        <translation>Opens the data of a club for editing</translation>
    </message>
    <message>
        <source>&amp;Loeschen</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Loescht einen Verein</source>
        <translation>Deletes a club</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>Oeffnet einen neuen Wettbewerb</source>
        <translation>Opens a new competition</translation>
    </message>
    <message>
        <source>&amp;Oeffnen</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Oeffnet einen Wettbewerb</source>
        <translation>Opens a competition</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>Loescht einen Wettbewerb</source>
        <translation>Deletes a competition</translation>
    </message>
    <message>
        <source>Eigene &amp;Datenberechtigungen Ansehen</source>
        <translation>View own &amp;data permissions</translation>
    </message>
    <message>
        <source>Eigene Berechtigungen ansehen</source>
        <translation>View own permissions</translation>
    </message>
    <message>
        <source>&amp;Passwort Aendern</source>
        <translation>Change &amp;password</translation>
    </message>
    <message>
        <source>Passwort Aendern</source>
        <translation>Change password</translation>
    </message>
    <message>
        <source>&amp;Benutzerverwaltung</source>
        <translation>&amp;User administration</translation>
    </message>
    <message>
        <source>Oeffnet die Benutzerverwaltung.</source>
        <translation>Opens the user administration.</translation>
    </message>
    <message>
        <source>&amp;Datenberechtigungen ein/ausschalten</source>
        <translation>Switch &amp;data permissions on/off</translation>
    </message>
    <message>
        <source>Aktiviert bzw. deaktiviert die Berechtigungen.</source>
        <translation>Switches the permissions on or off.</translation>
    </message>
    <message>
        <source>Log-&amp;Einstellungen verwalten</source>
        <translation>Manage log &amp;settings</translation>
    </message>
    <message>
        <source>Hier kann verwaltet werden, was und wieviel an Log-Ausgabe geschrieben wird.</source>
        <translation>Manages what and how much log output is written.</translation>
    </message>
    <message>
        <source>&amp;Log-Meldungen ansehen</source>
        <translation>View &amp;log messages</translation>
    </message>
    <message>
        <source>Log-Meldungen ansehen</source>
        <translation>View log messages</translation>
    </message>
    <message>
        <source>&amp;Sessions ansehen</source>
        <translation>View &amp;sessions</translation>
    </message>
    <message>
        <source>Sessions ansehen</source>
        <translation>View sessions</translation>
    </message>
    <message>
        <source>&amp;Ueber</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>Informationen zur Programmversion</source>
        <translation>Information about the program version</translation>
    </message>
    <message>
        <source>Kalvor</source>
        <translation>Kalvor</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>E&amp;xport</translation>
    </message>
    <message>
        <source>&amp;Stammdaten</source>
        <translation>&amp;Master data</translation>
    </message>
    <message>
        <source>&amp;Wettbewerb</source>
        <translation>&amp;Competition</translation>
    </message>
    <message>
        <source>&amp;Administration</source>
        <translation>&amp;Administration</translation>
    </message>
    <message>
        <source>&amp;Benutzer</source>
        <translation>&amp;User</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Fehler beim Anmelden.</source>
        <translation>Login failed.</translation>
    </message>
    <message>
        <source>Ihre Anmeldung am System ist leider gescheitert. Haben Sie Ihren Benutzernamen und Ihr Passwort richtig geschrieben?</source>
        <translation>Your login failed. Did you spell your user name and password correctly?</translation>
    </message>
    <message>
        <source>Benutzer nicht registriert</source>
        <translation>User not registered</translation>
    </message>
    <message>
        <source>Ein solcher Benutzer ist nicht registriert.  Bitte pruefen Sie, ob Sie sich mit dem richtigen, korrekt geschriebenen Benutzernamen angemeldet haben.

Falls dies eine lokale Installation ist, koennen Sie sich ggf. als root-Benutzer (Administrator) anmelden und den gewuenschten Benutzer ueber das Administrationsmenu anlegen.  Falls Sie sich ueber das Netz bei einer zentralen Installation anmelden wollen, kontaktieren Sie bitte ggf. den dortigen Administrator.</source>
        <translation>No such user is registered.  Please check that you logged in with the right user name, spelled correctly.

If this is a local installation, you can log in as root (administrator) and create the user in the administration menu.  If you log in to a central installation over the network, please contact its administrator.</translation>
    </message>
    <message>
        <source>Anmeldung nicht erlaubt</source>
        <translation>Login not allowed</translation>
    </message>
    <message>
        <source>Dieser Benutzer darf sich nicht an der GUI anmelden.  Eventuell ist fuer ihn nur der Webzugriff freigeschaltet.</source>
        <translation>This user may not log in to the desktop program.  Possibly only web access is enabled for him.</translation>
    </message>
    <message>
        <source>Ihre Anmeldung am System ist leider gescheitert. Es kam die folgende Fehlermeldung zurueck: 
 %1

Haben Sie Ihren Benutzernamen und Ihr Passwort richtig geschrieben?</source>
        <translation>Your login failed. The following error came back: 
 %1

Did you spell your user name and password correctly?</translation>
    </message>
    <message>
        <source>Interner Fehler</source>
        <translation>Internal error</translation>
    </message>
    <message>
        <source>Keine eindeutige Benutzer-Instanz gefunden</source>
        <translation>No unique user instance found</translation>
    </message>
    <message>
        <source>Kein Verein ausgewaehlt</source>
        <translation>No club chosen</translation>
    </message>
    <message>
        <source>Bitte waehlen Sie zunaechst im Menue &quot;Verein&quot; den Verein aus, dessen Daten exportiert werden sollen.</source>
        <translation>Please first choose, in the menu &quot;Club&quot;, the club whose data are to be exported.</translation>
    </message>
    <message>
        <source>Zu loeschenden Wettbewerb suchen</source>
        <translation>Search the competition to delete</translation>
    </message>
    <message>
        <source>Lese Metainformationen zur Importdatei</source>
        <translation>Reading the meta information of the import file</translation>
    </message>
</context>
<context>
    <name>MitgliedBearbeitenDialog</name>
    <message>
        <source>Mitglied anlegen</source>
        <translation>Create member</translation>
    </message>
    <message>
        <source>Mitglied bearbeiten</source>
        <translation>Edit member</translation>
    </message>
    <message>
        <source>Mitglied ansehen</source>
        <translation>View member</translation>
    </message>
    <message>
        <source>&amp;Mitgliedsdaten</source>
        <translation>&amp;Member data</translation>
    </message>
    <message>
        <source>&amp;Titel</source>
        <translation>&amp;Titles</translation>
    </message>
    <message>
        <source>Mitglied &amp;speichern</source>
        <translation>&amp;Save member</translation>
    </message>
    <message>
        <source>Aenderungen &amp;speichern</source>
        <translation>&amp;Save changes</translation>
    </message>
    <message>
        <source>Wirklich abbrechen?</source>
        <translation>Really cancel?</translation>
    </message>
    <message>
        <source>Wollen Sie wirklich abbrechen?

Bitte beachten Sie, dass dadurch insbesondere alle im Reiter Titel getaetigten Aenderungen verloren gehen.</source>
        <translation>Do you really want to cancel?

Please note that this discards in particular all changes made in the Titles tab.</translation>
    </message>
    <message>
        <source>&amp;Web-Benutzer</source>
        <translation>&amp;Web user</translation>
    </message>
</context>
<context>
    <name>MitgliedBearbeitenWidget</name>
    <message>
        <source>&amp;Verein waehlen</source>
        <translation>Select c&amp;lub</translation>
    </message>
    <message>
        <source>&amp;Nummer vorschlagen</source>
        <translation>Suggest &amp;number</translation>
    </message>
    <message>
        <source>Mitglied</source>
        <translation>Member</translation>
    </message>
    <message>
        <source>Verein</source>
        <translation>Club</translation>
    </message>
    <message>
        <source>Gesamte Mitgliedsnummer</source>
        <translation>Complete member number</translation>
    </message>
    <message>
        <source>Vereinsinterne Nummer</source>
        <translation>Club-internal number</translation>
    </message>
    <message>
        <source>Anrede</source>
        <translation>Salutation</translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>Nachname</source>
        <translation>Last name</translation>
    </message>
    <message>
        <source>Mitgliedsart</source>
        <translation>Member type</translation>
    </message>
    <message>
        <source>Fotographische Titel</source>
        <translation>Photographic titles</translation>
    </message>
    <message>
        <source>Jugend</source>
        <translation>Youth</translation>
    </message>
    <message>
        <source>Geburtsdatum</source>
        <translation>Date of birth</translation>
    </message>
    <message>
        <source>Aktuelles &amp;Jahr eintragen</source>
        <translation>Enter current &amp;year</translation>
    </message>
    <message>
        <source>Mitgliedschaft</source>
        <translation>Membership</translation>
    </message>
    <message>
        <source>Datum Eintritt</source>
        <translation>Date joined</translation>
    </message>
    <message>
        <source>Datum Austritt</source>
        <translation>Date left</translation>
    </message>
    <message>
        <source>Beitrag bezahlt bis</source>
        <translation>Fee paid until</translation>
    </message>
    <message>
        <source>Adresse und Erreichbarkeit</source>
        <translation>Address and contact details</translation>
    </message>
    <message>
        <source>Strasse und Hausnummer</source>
        <translation>Street and house number</translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation>Postcode</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Town</translation>
    </message>
    <message>
        <source>Staat</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Homepage</translation>
    </message>
    <message>
        <source>Telefon</source>
        <translation>Phone</translation>
    </message>
    <message>
        <source>Mobil</source>
        <translation>Mobile</translation>
    </message>
    <message>
        <source>Skype</source>
        <translation>Skype</translation>
    </message>
</context>
<context>
    <name>MitgliedTitelWidget</name>
    <message>
        <source>&amp;Hinzufuegen</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Ansehen</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Loeschen</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Titel wirklich loeschen?</source>
        <translation>Really delete title?</translation>
    </message>
    <message>
        <source>Wollen Sie den fotographischen Titel %1 des Mitglieds %2 %3 wirklich loeschen?</source>
        <translation>Do you really want to delete the photographic title %1 of the member %2 %3?</translation>
    </message>
</context>
<context>
    <name>MitgliedWebWidget</name>
    <message>
        <source>Passwort gleich Geburtsdatum</source>
        <translation>Password same as date of birth</translation>
    </message>
    <message>
        <source>Passwort gleich Mitgliedsnr.</source>
        <translation>Password same as member no.</translation>
    </message>
    <message>
        <source>Web-Benutzer a&amp;nlegen
(Benutzername gleich Mitgliedsnr. und
%1)</source>
        <translation>&amp;Create web user
(user name same as member no. and
%1)</translation>
    </message>
    <message>
        <source>Passwort 
 &amp;zuruecksetzen 
(%1)</source>
        <translation>&amp;Reset 
 password 
(%1)</translation>
    </message>
    <message>
        <source>Status Web-Benutzer</source>
        <translation>Web user state</translation>
    </message>
    <message>
        <source>Benutzer mit Benutzername %1 vorhanden.</source>
        <translation>User with user name %1 exists.</translation>
    </message>
    <message>
        <source>Kein Benutzer %1 vorhanden.</source>
        <translation>No user %1 exists.</translation>
    </message>
    <message>
        <source>Passwort zurueckgesetzt</source>
        <translation>Password reset</translation>
    </message>
    <message>
        <source>Das Passwort wurde erfolgreich zurueckgesetzt.</source>
        <translation>The password was reset successfully.</translation>
    </message>
</context>
<context>
    <name>MitgliederSucheDialog</name>
    <message>
        <source>Mitglied auswaehlen</source>
        <translation>Select member</translation>
    </message>
    <message>
        <source>Mitglied suchen</source>
        <translation>Search for member</translation>
    </message>
    <message>
        <source>Gefundene Mitglieder, bitte eines davon auswaehlen</source>
        <translation>Members found, please select one of them</translation>
    </message>
    <message>
        <source>Aus&amp;waehlen</source>
        <translation>S&amp;elect</translation>
    </message>
    <message>
        <source>Abbre&amp;chen</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>Mitgliederliste</name>
    <message>
        <source>Mitgliedsnummer</source>
        <translation>Member number</translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>Nachname</source>
        <translation>Last name</translation>
    </message>
    <message>
        <source>Mitgliedsart</source>
        <translation>Member type</translation>
    </message>
    <message>
        <source>Jugend</source>
        <translation>Youth</translation>
    </message>
    <message>
        <source>Geburtsdatum</source>
        <translation>Date of birth</translation>
    </message>
    <message>
        <source>Beitrag bezahlt bis</source>
        <translation>Fee paid until</translation>
    </message>
</context>
<context>
    <name>Mitgliedersuche</name>
    <message>
        <source>&amp;Verein waehlen</source>
        <translation>Select c&amp;lub</translation>
    </message>
    <message>
        <source>Ausgetretene Mitglieder ausblenden</source>
        <translation>Hide members who have left</translation>
    </message>
    <message>
        <source>&amp;Suchen</source>
        <translation>&amp;Search</translation>
    </message>
    <message>
        <source>Felder &amp;zuruecksetzen</source>
        <translation>&amp;Reset fields</translation>
    </message>
    <message>
        <source>Verein</source>
        <translation>Club</translation>
    </message>
    <message>
        <source>Mitgliedsnummer</source>
        <translation>Member number</translation>
    </message>
    <message>
        <source>Mitgliedsart</source>
        <translation>Member type</translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>Nachname</source>
        <translation>Last name</translation>
    </message>
    <message>
        <source>Jugend</source>
        <translation>Youth</translation>
    </message>
</context>
<context>
    <name>Mitgliederverwaltung</name>
    <message>
        <source>Mitgliederverwaltung</source>
        <translation>Member administration</translation>
    </message>
    <message>
        <source>Mitglieder&amp;suche</source>
        <translation>&amp;Member search</translation>
    </message>
    <message>
        <source>Moeglicherweise durch Neu, Bearbeiten oder Loeschen veraendertes Suchergebnis</source>
        <translation>Search result, possibly changed by New, Edit or Delete</translation>
    </message>
    <message>
        <source>&amp;Neu</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Ansehen</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Adress&amp;daten speichern</source>
        <translation>Save &amp;address data</translation>
    </message>
    <message>
        <source>&amp;Loeschen</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>S&amp;chliessen</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>%1 Mitglieder gefunden</source>
        <translation>%1 members found</translation>
    </message>
    <message>
        <source>Wollen Sie das Mitglied mit dem Namen %1 %2 wirklich loeschen? 

Wenn Sie mit Ja antworten, werden das Mitglied und seine fotographischen Titel geloescht.</source>
        <translation>Do you really want to delete the member named %1 %2? 

If you answer Yes, the member and their photographic titles will be deleted.</translation>
    </message>
    <message>
        <source>Mitglied wirklich loeschen?</source>
        <translation>Really delete member?</translation>
    </message>
    <message>
        <source>Mitglied %1 %2 geloescht</source>
        <translation>Member %1 %2 deleted</translation>
    </message>
    <message>
        <source>Daten erfolgreich gespeichert</source>
        <translation>Data saved successfully</translation>
    </message>
    <message>
        <source>Die Adressdaten wurden erfolgreich gespeichert.</source>
        <translation>The address data were saved successfully.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Neue Einstellungen anlegen</source>
        <translation>Create new settings</translation>
    </message>
    <message>
        <source>Einstellungen bearbeiten</source>
        <translation>Edit settings</translation>
    </message>
    <message>
        <source>Informationen zur Einstellung</source>
        <translation>Information about the setting</translation>
    </message>
    <message>
        <source>Neue Einstellungen &amp;speichern</source>
        <translation>&amp;Save new settings</translation>
    </message>
    <message>
        <source>Aenderungen &amp;speichern</source>
        <translation>&amp;Save changes</translation>
    </message>
</context>
<context>
    <name>QueryLogEditDialog</name>
    <message>
        <source>Ausgabe auf Konsole</source>
        <translation>Output to console</translation>
    </message>
    <message>
        <source>Ausgabe in QueryLog-Tabelle</source>
        <translation>Output to QueryLog table</translation>
    </message>
    <message>
        <source>Art der Abfrage</source>
        <translation>Kind of query</translation>
    </message>
    <message>
        <source>Betroffene Entitaet</source>
        <translation>Affected entity</translation>
    </message>
</context>
<context>
    <name>QueryLogList</name>
    <message>
        <source>Zeitstempel</source>
        <translation>Timestamp</translation>
    </message>
    <message>
        <source>Standort</source>
        <translation>Location</translation>
    </message>
    <message>
        <source># Datensaetze</source>
        <translation># Records</translation>
    </message>
    <message>
        <source>Tabellen</source>
        <translation>Tables</translation>
    </message>
    <message>
        <source>Abfrage</source>
        <translation>Query</translation>
    </message>
</context>
<context>
    <name>QueryLogSettingsWidget</name>
    <message>
        <source>Art der Abfrage</source>
        <translation>Kind of query</translation>
    </message>
    <message>
        <source>Betroffene Entitaet</source>
        <translation>Affected entity</translation>
    </message>
    <message>
        <source>Konsolenausgabe</source>
        <translation>Console output</translation>
    </message>
    <message>
        <source>Datenbank-Ausgabe</source>
        <translation>Database output</translation>
    </message>
</context>
<context>
    <name>QueryLogViewDialog</name>
    <message>
        <source>Logeintrag ansehen</source>
        <translation>View log entry</translation>
    </message>
    <message>
        <source>Benutzer</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Rechner</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Zeitstempel</source>
        <translation>Timestamp</translation>
    </message>
    <message>
        <source>Logeintrag importiert</source>
        <translation>Log entry imported</translation>
    </message>
    <message>
        <source>Abfrage-Art</source>
        <translation>Kind of query</translation>
    </message>
    <message>
        <source>Anzahl Datensaetze</source>
        <translation>Number of records</translation>
    </message>
    <message>
        <source>Code-Standort</source>
        <translation>Code location</translation>
    </message>
    <message>
        <source>Tabellen</source>
        <translation>Tables</translation>
    </message>
    <message>
        <source>Extra-Info</source>
        <translation>Extra info</translation>
    </message>
    <message>
        <source>Abfrage</source>
        <translation>Query</translation>
    </message>
</context>
<context>
    <name>QueryLogWidget</name>
    <message>
        <source>&amp;Ansehen</source>
        <translation>&amp;View</translation>
    </message>
</context>
<context>
    <name>Ranglisten</name>
    <message>
        <source>Rang</source>
        <translation>Rank</translation>
    </message>
    <message>
        <source>Verein</source>
        <translation>Club</translation>
    </message>
    <message>
        <source>Sparte</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Mitgliedsnummer</source>
        <translation>Member number</translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>Nachname</source>
        <translation>Last name</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Vereinsnummer</source>
        <translation>Club number</translation>
    </message>
    <message>
        <source>Vereinsname</source>
        <translation>Club name</translation>
    </message>
    <message>
        <source>Tei&amp;lnehmer</source>
        <translation>Participa&amp;nts</translation>
    </message>
    <message>
        <source>Teilnehmer-&amp;Kombination</source>
        <translation>Participant c&amp;ombination</translation>
    </message>
    <message>
        <source>&amp;Vereine</source>
        <translation>Clu&amp;bs</translation>
    </message>
    <message>
        <source>Vereins-K&amp;ombination</source>
        <translation>Club combina&amp;tion</translation>
    </message>
</context>
<context>
    <name>RanglistenListe</name>
    <message>
        <source>Bilder von %1</source>
        <translation>Images of %1</translation>
    </message>
    <message>
        <source>Bilder des Vereins %1</source>
        <translation>Images of the club %1</translation>
    </message>
</context>
<context>
    <name>Regelwidget</name>
    <message>
        <source>Hi&amp;nzufuegen</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Loeschen</source>
        <translation>&amp;Delete</translation>
    </message>
</context>
<context>
    <name>SessionAdminDialog</name>
    <message>
        <source>Sessions</source>
        <translation>Sessions</translation>
    </message>
    <message>
        <source>&amp;Ansehen</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>S&amp;chliessen</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>SessionChooseDialog</name>
    <message>
        <source>Session auswaehlen</source>
        <translation>Select session</translation>
    </message>
    <message>
        <source>Gefundene Sessions, bitte eine davon auswaehlen</source>
        <translation>Sessions found, please select one of them</translation>
    </message>
    <message>
        <source>Aus&amp;waehlen</source>
        <translation>&amp;Select</translation>
    </message>
    <message>
        <source>&amp;Keine auswaehlen</source>
        <translation>Select &amp;none</translation>
    </message>
</context>
<context>
    <name>SessionList</name>
    <message>
        <source>Gestartet</source>
        <translation>Started</translation>
    </message>
    <message>
        <source>Beendet</source>
        <translation>Ended</translation>
    </message>
    <message>
        <source>Benutzername</source>
        <translation>User name</translation>
    </message>
    <message>
        <source>Rechner</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Rueckgabewert</source>
        <translation>Return value</translation>
    </message>
</context>
<context>
    <name>SessionViewDialog</name>
    <message>
        <source>Benutzer</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Rechner</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Verbindung zu</source>
        <translation>Connected to</translation>
    </message>
    <message>
        <source>Gestartet</source>
        <translation>Started</translation>
    </message>
    <message>
        <source>Beendet</source>
        <translation>Ended</translation>
    </message>
    <message>
        <source>Betriebssystem</source>
        <translation>Operating system</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Rückgabewert</source>
        <translation>Return value</translation>
    </message>
    <message>
        <source>Meldung</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Datenmodellversion</source>
        <translation>Data model version</translation>
    </message>
    <message>
        <source>Programmversion</source>
        <translation>Program version</translation>
    </message>
    <message>
        <source>Generatorversion</source>
        <translation>Generator version</translation>
    </message>
    <message>
        <source>Importiert</source>
        <translation>Imported</translation>
    </message>
    <message>
        <source>Session ansehen</source>
        <translation>View session</translation>
    </message>
</context>
<context>
    <name>SparteAuswahlDialog</name>
    <message>
        <source>Sparte auswaehlen</source>
        <translation>Choose category</translation>
    </message>
    <message>
        <source>Sparte aus&amp;waehlen</source>
        <translation>&amp;Choose category</translation>
    </message>
    <message>
        <source>&amp;Keine Sparte auswaehlen</source>
        <translation>&amp;No category</translation>
    </message>
    <message>
        <source>Abbre&amp;chen</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Keine Sparte markiert</source>
        <translation>No category marked</translation>
    </message>
    <message>
        <source>Bitte markieren Sie zunaechst eine der Sparten.</source>
        <translation>Please mark one of the categories first.</translation>
    </message>
</context>
<context>
    <name>SparteBearbeitenDialog</name>
    <message>
        <source>Neue Sparte anlegen</source>
        <translation>Create new category</translation>
    </message>
    <message>
        <source>Sparte bearbeiten</source>
        <translation>Edit category</translation>
    </message>
    <message>
        <source>Informationen zur Sparte</source>
        <translation>Category information</translation>
    </message>
    <message>
        <source>Neue &amp;Sparte anlegen</source>
        <translation>Create &amp;category</translation>
    </message>
    <message>
        <source>Aenderungen &amp;speichern</source>
        <translation>&amp;Save changes</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Abkuerzung</source>
        <translation>Abbreviation</translation>
    </message>
    <message>
        <source>Durchgaenge anlegen fuer</source>
        <translation>Create rounds for</translation>
    </message>
    <message>
        <source>In Kombination verwendet</source>
        <translation>Used in combination</translation>
    </message>
</context>
<context>
    <name>SpartenListe</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Abkuerzung</source>
        <translation>Abbreviation</translation>
    </message>
    <message>
        <source>Durchgaenge anlegen fuer</source>
        <translation>Create rounds for</translation>
    </message>
    <message>
        <source>In Kombination verwendet</source>
        <translation>Used in combination</translation>
    </message>
</context>
<context>
    <name>Suchfelder</name>
    <message>
        <source>Bitte geben Sie eine gueltige Zahl ein, oder lassen Sie das Feld leer.</source>
        <translation>Please enter a valid number or leave the field empty.</translation>
    </message>
</context>
<context>
    <name>Suchformular</name>
    <message>
        <source>Session &amp;Waehlen</source>
        <translation>S&amp;elect session</translation>
    </message>
    <message>
        <source>&amp;Kategorie Waehlen</source>
        <translation>Select &amp;category</translation>
    </message>
    <message>
        <source>&amp;Suchen</source>
        <translation>&amp;Search</translation>
    </message>
    <message>
        <source>Suche &amp;zuruecksetzen</source>
        <translation>&amp;Reset search</translation>
    </message>
    <message>
        <source>&amp;Löschen</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Benutzer %1 auf Rechner %2 ab %3</source>
        <translation>User %1 on computer %2 from %3</translation>
    </message>
    <message>
        <source>(ohne Benutzername)</source>
        <translation>(no user name)</translation>
    </message>
    <message>
        <source>(ohne Rechnername)</source>
        <translation>(no computer name)</translation>
    </message>
    <message>
        <source>(ohne Beginn-Zeitstempel)</source>
        <translation>(no start timestamp)</translation>
    </message>
</context>
<context>
    <name>TastaturZuordnungVariantConverter</name>
    <message>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>TastaturZuordnungsDialog</name>
    <message>
        <source>Tastatur zuordnen</source>
        <translation>Assign keypad</translation>
    </message>
    <message>
        <source>Damit das Programm weiss, mit welcher Tastatur ein Juror wertet, ist es noetig diese vorher zuzuordnen.  Dazu dient dieses Fenster. 

 Aktuell soll damit %1 %2 eine Tastatur zugeordnet werden.  %1 %2, bitte druecken Sie jetzt auf ihrem Jurierungsgeraet eine beliebige Zifferntaste.  Alle anderen Juroren benuetzen bitte waehrenddessen ihre Tastaturen nicht. 

 Der erkannte Wertungscode wird anschliessend hier angezeigt.  Sie koennen also diesen Dialog auch zum Testen Ihrer Tastatur verwenden.</source>
        <translation>For the program to know which keypad a juror scores with, the keypad has to be assigned beforehand.  This window is for that. 

 A keypad is now to be assigned to %1 %2.  %1 %2, please press any digit key on your judging device now.  All other jurors, please do not use your keypads meanwhile. 

 The recognised score code will then be shown here.  So you can also use this dialog to test your keypad.</translation>
    </message>
    <message>
        <source>Erkannte Wertung</source>
        <translation>Recognised score</translation>
    </message>
    <message>
        <source>Tastaturzuordnung 
bestaetigen</source>
        <translation>Confirm keypad 
assignment</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TeilnehmerListe</name>
    <message>
        <source>Vorname</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>Nachname</source>
        <translation>Last name</translation>
    </message>
    <message>
        <source>Mitgliedsnummer</source>
        <translation>Member number</translation>
    </message>
    <message>
        <source>Verein</source>
        <translation>Club</translation>
    </message>
</context>
<context>
    <name>TeilnehmerListenWidget</name>
    <message>
        <source>Mitglied Suchen 
 und Hi&amp;nzufuegen</source>
        <translation>Search member 
 and a&amp;dd</translation>
    </message>
    <message>
        <source>&amp;Mitglied Anlegen 
 und Hinzufuegen</source>
        <translation>Create &amp;member 
 and add</translation>
    </message>
    <message>
        <source>Mitglied
 &amp;Ansehen</source>
        <translation>&amp;View
 member</translation>
    </message>
    <message>
        <source>Mitg&amp;lied
 Entfernen</source>
        <translation>Remove
 mem&amp;ber</translation>
    </message>
    <message>
        <source>Bilder je Teilnehmer und Sparte</source>
        <translation>Images per participant and category</translation>
    </message>
</context>
<context>
    <name>TeilnehmerStatusListe</name>
    <message>
        <source>Vorname</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>Nachname</source>
        <translation>Last name</translation>
    </message>
    <message>
        <source>Mitgliedsnummer</source>
        <translation>Member number</translation>
    </message>
    <message>
        <source>Sparte</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Anzahl Bilder</source>
        <translation>Number of images</translation>
    </message>
</context>
<context>
    <name>TimeStampLineEdit</name>
    <message>
        <source>Zeitstempel koennen als Datum dd.MM.yyyy, als Datum mit minutengenauer Zeit dd.MM.yyyy hh.mm, oder mit sekundengenauer Zeit dd.MM.yyyy hh.mm.ss eingegeben werden.  Fuehrende Nullen beim Datum duerfen weggelassen werden, statt dem Punkt bei der Zeit darf auch ein Doppelpunkt geschrieben werden.</source>
        <translation>Timestamps can be entered as a date dd.MM.yyyy, as a date with the time to the minute dd.MM.yyyy hh.mm, or to the second dd.MM.yyyy hh.mm.ss.  Leading zeros of the date may be left out; the time may be written with colons instead of dots.</translation>
    </message>
</context>
<context>
    <name>TitelBearbeitenDialog</name>
    <message>
        <source>Neuen Titel anlegen</source>
        <translation>Create new title</translation>
    </message>
    <message>
        <source>Titel bearbeiten</source>
        <translation>Edit title</translation>
    </message>
    <message>
        <source>Informationen zum Titel</source>
        <translation>Information about the title</translation>
    </message>
    <message>
        <source>Titel</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>TitelArt</source>
        <translation>Title type</translation>
    </message>
    <message>
        <source>Verleihungsdatum</source>
        <translation>Date awarded</translation>
    </message>
    <message>
        <source>Höchster Titel</source>
        <translation>Highest title</translation>
    </message>
    <message>
        <source>Neuen Titel &amp;speichern</source>
        <translation>&amp;Save new title</translation>
    </message>
    <message>
        <source>Aenderungen &amp;speichern</source>
        <translation>&amp;Save changes</translation>
    </message>
</context>
<context>
    <name>Trefferbereich</name>
    <message>
        <source>Suche</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>%1 Treffer</source>
        <translation>%1 hits</translation>
    </message>
    <message>
        <source>Wirklich loeschen?</source>
        <translation>Really delete?</translation>
    </message>
    <message>
        <source>Wollen Sie wirklich gemaess der Selektion in den Suchfeldern %1 Logeintraege loeschen?  Bitte beachten Sie:

Falls keine Suchkriterien angegeben sind, werden ALLE Logeintraege geloescht.
Die Loeschung der Logeintraege kann NICHT RUECKGÄNGIG gemacht werden.</source>
        <translation>Do you really want to delete %1 log entries according to the selection in the search fields?  Please note:

If no search criteria are given, ALL log entries are deleted.
The deletion of the log entries can NOT BE UNDONE.</translation>
    </message>
    <message>
        <source>Logeintraege werden geloescht ...</source>
        <translation>Deleting log entries ...</translation>
    </message>
    <message>
        <source>Abbre&amp;chen</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>%1 Logeintraege geloescht</source>
        <translation>%1 log entries deleted</translation>
    </message>
</context>
<context>
    <name>VDBBearbeitenDialog</name>
    <message>
        <source>Neue Berechtigung anlegen</source>
        <translation>Create new permission</translation>
    </message>
    <message>
        <source>Berechtigung bearbeiten</source>
        <translation>Edit permission</translation>
    </message>
    <message>
        <source>Informationen zur Berechtigung</source>
        <translation>Information about the permission</translation>
    </message>
    <message>
        <source>Neue Berechtigung &amp;speichern</source>
        <translation>&amp;Save new permission</translation>
    </message>
    <message>
        <source>Aenderungen &amp;speichern</source>
        <translation>&amp;Save changes</translation>
    </message>
    <message>
        <source>&amp;Verein auswaehlen</source>
        <translation>Select &amp;club</translation>
    </message>
    <message>
        <source>Ausgehend vom Verein</source>
        <translation>Starting from the club</translation>
    </message>
    <message>
        <source>ist dem Benutzer</source>
        <translation>the user</translation>
    </message>
    <message>
        <source>von Objekten des Typs</source>
        <translation>on objects of the type</translation>
    </message>
    <message>
        <source>mit dem Zugriffsrecht</source>
        <translation>with the access right</translation>
    </message>
    <message>
        <source>erlaubt.</source>
        <translation>is permitted.</translation>
    </message>
    <message>
        <source>Fehler: Vereinsreferenz in der Berechtigung nicht aufloesbar oder nicht eindeutig.</source>
        <translation>Error: the club reference in the permission cannot be resolved or is not unique.</translation>
    </message>
</context>
<context>
    <name>VDBListe</name>
    <message>
        <source>Vereinsnummer</source>
        <translation>Club number</translation>
    </message>
    <message>
        <source>Vereinsname</source>
        <translation>Club name</translation>
    </message>
    <message>
        <source>Berechtigungsart</source>
        <translation>Kind of permission</translation>
    </message>
    <message>
        <source>Objekttyp</source>
        <translation>Object type</translation>
    </message>
    <message>
        <source>Zugriffsrecht</source>
        <translation>Access right</translation>
    </message>
</context>
<context>
    <name>VDBVerwaltung</name>
    <message>
        <source>Verwaltung der Datenberechtigungen</source>
        <translation>Data permission administration</translation>
    </message>
    <message>
        <source>Alle Datenberechtigungen des Benutzers</source>
        <translation>All data permissions of the user</translation>
    </message>
    <message>
        <source>&amp;Neu</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Ansehen</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Loeschen</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>S&amp;chliessen</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>VereinBearbeitenDialog</name>
    <message>
        <source>Verein anlegen</source>
        <translation>Create club</translation>
    </message>
    <message>
        <source>Verein bearbeiten</source>
        <translation>Edit club</translation>
    </message>
    <message>
        <source>Verein ansehen</source>
        <translation>View club</translation>
    </message>
    <message>
        <source>&amp;Vereinsdaten</source>
        <translation>C&amp;lub data</translation>
    </message>
    <message>
        <source>&amp;Funktionstraeger</source>
        <translation>&amp;Officials</translation>
    </message>
    <message>
        <source>Verein &amp;speichern</source>
        <translation>&amp;Save club</translation>
    </message>
    <message>
        <source>Aenderungen &amp;speichern</source>
        <translation>&amp;Save changes</translation>
    </message>
    <message>
        <source>Wirklich abbrechen?</source>
        <translation>Really cancel?</translation>
    </message>
    <message>
        <source>Wollen Sie wirklich abbrechen?

Bitte beachten Sie, dass dadurch insbesondere alle im Reiter Funktionstraeger getaetigten Aenderungen  verloren gehen.</source>
        <translation>Do you really want to cancel?

Please note that this discards in particular all changes made in the Officials tab.</translation>
    </message>
    <message>
        <source>Verein wirklich loeschen?</source>
        <translation>Really delete club?</translation>
    </message>
    <message>
        <source>Wollen Sie den Verein mit der Nummer %1 und dem Namen %2 wirklich loeschen? 

Falls Sie mit Ja antworten, wird er unwiderbringlich geloescht.</source>
        <translation>Do you really want to delete the club with the number %1 and the name %2? 

If you answer Yes, it will be deleted irrevocably.</translation>
    </message>
    <message>
        <source>Verein erfolgreich geloescht.</source>
        <translation>Club deleted successfully.</translation>
    </message>
    <message>
        <source>Der Verein mit der Nummer %1 und dem Namen %2 wurde erfolgreich geloescht.</source>
        <translation>The club with the number %1 and the name %2 was deleted successfully.</translation>
    </message>
</context>
<context>
    <name>VereinBearbeitenWidget</name>
    <message>
        <source>A&amp;uswaehlen</source>
        <translation>Selec&amp;t</translation>
    </message>
    <message>
        <source>Verein</source>
        <translation>Club</translation>
    </message>
    <message>
        <source>Eigene Vereinsnummer</source>
        <translation>Own club number</translation>
    </message>
    <message>
        <source>Gesamte Vereinsnummer</source>
        <translation>Complete club number</translation>
    </message>
    <message>
        <source>Vereinsname</source>
        <translation>Club name</translation>
    </message>
    <message>
        <source>Inaktiv</source>
        <translation>Inactive</translation>
    </message>
    <message>
        <source>Uebergeordneter Verein</source>
        <translation>Parent club</translation>
    </message>
    <message>
        <source>Adresse und Erreichbarkeit</source>
        <translation>Address and contact details</translation>
    </message>
    <message>
        <source>Strasse</source>
        <translation>Street</translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation>Postcode</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Town</translation>
    </message>
    <message>
        <source>Staat</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Homepage</translation>
    </message>
    <message>
        <source>Fehler beim Bestimmen - eventuell fehlende Berechtigungen?</source>
        <translation>Could not be determined - missing permissions?</translation>
    </message>
    <message>
        <source>Dachverband ist unbenannt</source>
        <translation>Parent club has no name</translation>
    </message>
    <message>
        <source>Uebergeordneter Verein nicht moeglich</source>
        <translation>Parent club not possible</translation>
    </message>
    <message>
        <source>Ein Verein kann weder sich selbst noch einem seiner untergeordneten Vereine untergeordnet werden.

Bitte waehlen Sie einen anderen Verein aus.</source>
        <translation>A club can be placed neither under itself nor under one of its subordinate clubs.

Please select another club.</translation>
    </message>
</context>
<context>
    <name>VereinFunktionstraegerWidget</name>
    <message>
        <source>Funktion</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Funktion (Freitext)</source>
        <translation>Position (free text)</translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>Nachname</source>
        <translation>Last name</translation>
    </message>
    <message>
        <source>Hi&amp;nzufuegen</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Loeschen</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Funktion wirklich loeschen?</source>
        <translation>Really delete position?</translation>
    </message>
    <message>
        <source>Wollen Sie die Funktion wirklich loeschen?</source>
        <translation>Do you really want to delete the position?</translation>
    </message>
</context>
<context>
    <name>VereinsListe</name>
    <message>
        <source>Nummer</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>VereinsSucheDialog</name>
    <message>
        <source>Verein auswaehlen</source>
        <translation>Select club</translation>
    </message>
    <message>
        <source>Gesamte Vereinsnummer</source>
        <translation>Complete club number</translation>
    </message>
    <message>
        <source>Vereinsname</source>
        <translation>Club name</translation>
    </message>
    <message>
        <source>Inaktiv</source>
        <translation>Inactive</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Town</translation>
    </message>
    <message>
        <source>&amp;Suchen</source>
        <translation>&amp;Search</translation>
    </message>
    <message>
        <source>Suche &amp;zuruecksetzen</source>
        <translation>&amp;Reset search</translation>
    </message>
    <message>
        <source>Verein suchen</source>
        <translation>Search for club</translation>
    </message>
    <message>
        <source>Gefundene Vereine, bitte einen davon auswaehlen</source>
        <translation>Clubs found, please select one of them</translation>
    </message>
    <message>
        <source>Verein aus&amp;waehlen</source>
        <translation>Select c&amp;lub</translation>
    </message>
    <message>
        <source>&amp;Keinen Verein auswaehlen</source>
        <translation>Select &amp;no club</translation>
    </message>
    <message>
        <source>Abbre&amp;chen</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Kein Verein markiert</source>
        <translation>No club selected</translation>
    </message>
    <message>
        <source>Bitte markieren Sie zunaechst einen der gefundenen Vereine.</source>
        <translation>Please first select one of the clubs found.</translation>
    </message>
</context>
<context>
    <name>VollbildAnsehenDialog</name>
    <message>
        <source>Schaltflaeche &amp;verbergen</source>
        <translation>&amp;Hide buttons</translation>
    </message>
    <message>
        <source>S&amp;chliessen</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Aktuelles Bild: %1 von %2</source>
        <translation>Current image: %1 of %2</translation>
    </message>
</context>
<context>
    <name>VollbildFlaeche</name>
    <message>
        <source>Kein Bild vorhanden</source>
        <translation>No picture</translation>
    </message>
</context>
<context>
    <name>VollbildSchirm</name>
    <message>
        <source>Bildschirm fuer das Vollbild</source>
        <translation>Screen for the full-screen display</translation>
    </message>
    <message>
        <source>Auf welchem Bildschirm (Projektor) sollen die Bilder gezeigt werden?</source>
        <translation>On which screen (projector) should the images be shown?</translation>
    </message>
</context>
<context>
    <name>VollbildWertungsDialog</name>
    <message>
        <source>Vorname</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>Nachname</source>
        <translation>Last name</translation>
    </message>
    <message>
        <source>Bewertung</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Schaltflaeche weitgehend 
 &amp;verbergen</source>
        <translation>Mostly &amp;hide 
 the buttons</translation>
    </message>
    <message>
        <source>Schaltflaeche immer 
 &amp;zeigen</source>
        <translation>Always &amp;show 
 the buttons</translation>
    </message>
    <message>
        <source>&amp;Bewertung eingeben</source>
        <translation>&amp;Enter score</translation>
    </message>
    <message>
        <source>Zurueck 
 (zum vorherigen Bild)</source>
        <translation>Back 
 (to the previous image)</translation>
    </message>
    <message>
        <source>Wertung bestaetigen 
 (zum &amp;naechsten Bild)</source>
        <translation>Confirm score 
 (to the &amp;next image)</translation>
    </message>
    <message>
        <source>Jurierung unterbre&amp;chen</source>
        <translation>&amp;Pause judging</translation>
    </message>
    <message>
        <source>Bildnummer: %1</source>
        <translation>Image number: %1</translation>
    </message>
</context>
<context>
    <name>WettbewerbAnlegenDialog</name>
    <message>
        <source>Wettbewerb anlegen</source>
        <translation>Create competition</translation>
    </message>
    <message>
        <source>Wettbewerbsname</source>
        <translation>Competition name</translation>
    </message>
    <message>
        <source>Wettbewerbsnummer</source>
        <translation>Competition number</translation>
    </message>
    <message>
        <source>Jurierungsmodus</source>
        <translation>Jury mode</translation>
    </message>
    <message>
        <source>Anzahl Durchgaenge</source>
        <translation>Number of rounds</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>WettbewerbBearbeitenDialog</name>
    <message>
        <source>Der Inhalt dieses Reiters folgt in einer spaeteren Version von Kalvor.</source>
        <translation>The content of this tab follows in a later version of Kalvor.</translation>
    </message>
    <message>
        <source>Wettbewerb %1</source>
        <translation>Competition %1</translation>
    </message>
    <message>
        <source>&amp;Grunddaten</source>
        <translation>&amp;Master data</translation>
    </message>
    <message>
        <source>S&amp;parten</source>
        <translation>Cate&amp;gories</translation>
    </message>
    <message>
        <source>&amp;Teilnehmer</source>
        <translation>&amp;Participants</translation>
    </message>
    <message>
        <source>B&amp;ilder</source>
        <translation>&amp;Images</translation>
    </message>
    <message>
        <source>&amp;Juroren</source>
        <translation>&amp;Jurors</translation>
    </message>
    <message>
        <source>&amp;Wertung</source>
        <translation>&amp;Scoring</translation>
    </message>
    <message>
        <source>E&amp;rgebnisse</source>
        <translation>&amp;Results</translation>
    </message>
    <message>
        <source>Statistik</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>E&amp;xport</translation>
    </message>
    <message>
        <source>Folgt in einer spaeteren Version</source>
        <translation>Follows in a later version</translation>
    </message>
    <message>
        <source>S&amp;chliessen</source>
        <translation>C&amp;lose</translation>
    </message>
</context>
<context>
    <name>WettbewerbBilderWidget</name>
    <message>
        <source>&amp;Neu</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Details &amp;Ansehen</source>
        <translation>&amp;View details</translation>
    </message>
    <message>
        <source>&amp;Vollbild Ansehen</source>
        <translation>&amp;Full screen</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Loeschen</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Alle ungueltigen Loeschen</source>
        <translation>Delete all invalid</translation>
    </message>
    <message>
        <source>%1 Bilder gefunden</source>
        <translation>%1 images found</translation>
    </message>
</context>
<context>
    <name>WettbewerbErgebnisWidget</name>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>J&amp;ugend</source>
        <translation>Yo&amp;uth</translation>
    </message>
    <message>
        <source>&amp;Erwachsene</source>
        <translation>&amp;Adults</translation>
    </message>
    <message>
        <source>&amp;Berechne Ergebnisse</source>
        <translation>&amp;Compute Results</translation>
    </message>
    <message>
        <source>Ergebni&amp;sse Speichern</source>
        <translation>&amp;Save Results</translation>
    </message>
    <message>
        <source>Als P&amp;DF speichern</source>
        <translation>Save as P&amp;DF</translation>
    </message>
    <message>
        <source>Wirklich Ergebnisse berechnen?</source>
        <translation>Really compute the results?</translation>
    </message>
    <message>
        <source>Wollen Sie die Wettbewerbsergebnisse wirklich jetzt berechnen? 

Bitte beachten Sie: Eventuell bereits berechnete Ergebnisse werden dabei ueberschrieben!</source>
        <translation>Do you really want to compute the competition results now? 

Please note: results computed before will be overwritten!</translation>
    </message>
    <message>
        <source>Ergebnisse als PDF speichern</source>
        <translation>Save the results as PDF</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>Speicherung erfolgreich beendet</source>
        <translation>Saving finished successfully</translation>
    </message>
    <message>
        <source>Die Daten wurden erfolgreich gespeichert.  Dauer: %1</source>
        <translation>The data were saved successfully.  Duration: %1</translation>
    </message>
    <message>
        <source>Daten nicht gespeichert</source>
        <translation>Data not saved</translation>
    </message>
    <message>
        <source>Die Daten wurden nicht gespeichert.</source>
        <translation>The data were not saved.</translation>
    </message>
</context>
<context>
    <name>WettbewerbExportWidget</name>
    <message>
        <source>Exportiere Wett&amp;bewerbsdaten</source>
        <translation>Export &amp;competition data</translation>
    </message>
    <message>
        <source>Exportiere Wettbewerbsdaten
inklusive der beteiligten
 &amp;Mitglieder und Vereine</source>
        <translation>Export competition data
including the participating
 &amp;members and clubs</translation>
    </message>
    <message>
        <source>Die Wettbewerbsdaten werden als ZIP-Archiv mit allen Bildern oder als CSV-Datei gespeichert.  Mit den beteiligten Mitgliedern und Vereinen werden die persoenlichen Daten der Mitglieder nicht exportiert.</source>
        <translation>The competition data are saved as a ZIP archive with all pictures or as a CSV file.  With the participating members and clubs, the members&apos; personal data are not exported.</translation>
    </message>
</context>
<context>
    <name>WettbewerbGrunddatenWidget</name>
    <message>
        <source>Wettbewerbsdaten</source>
        <translation>Competition data</translation>
    </message>
    <message>
        <source>Ausrichter</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>in folgendem Ort</source>
        <translation>in the place</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Anzahl Bilder fuer Wertung</source>
        <translation>Images counted in the ranking</translation>
    </message>
    <message>
        <source>Anzahl Sparten fuer Kombination</source>
        <translation>Categories counted in the combination</translation>
    </message>
    <message>
        <source>Anzahl Teilnehmer fuer Vereinswertung</source>
        <translation>Participants counted for the club ranking</translation>
    </message>
    <message>
        <source>Maximales Format</source>
        <translation>Maximum format</translation>
    </message>
    <message>
        <source>Maximale Dateigroesse</source>
        <translation>Maximum file size</translation>
    </message>
    <message>
        <source>Fruehestmoegliches Jugend-Geburtsdatum</source>
        <translation>Earliest youth birth date</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Grunddaten &amp;Bearbeiten</source>
        <translation>&amp;Edit master data</translation>
    </message>
</context>
<context>
    <name>WettbewerbJurorenWidget</name>
    <message>
        <source>&amp;Ansehen</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Externen Juror 
 a&amp;nlegen 
 und hinzufuegen</source>
        <translation>Create 
 external juror 
 a&amp;nd add</translation>
    </message>
    <message>
        <source>&amp;Vorhandenen 
 externen Juror 
 bzw. vorhandenes 
 Mitglied hinzufuegen</source>
        <translation>Add an e&amp;xisting 
 external juror 
 or an existing 
 member</translation>
    </message>
    <message>
        <source>Alle Sparten?</source>
        <translation>All categories?</translation>
    </message>
    <message>
        <source>Sparten &amp;zuordnen</source>
        <translation>Assign cate&amp;gories</translation>
    </message>
    <message>
        <source>Tastatur z&amp;uordnen</source>
        <translation>Assign &amp;keypad</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Entfernen</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>Spartenzuordnung 
 ermoeg&amp;lichen</source>
        <translation>Al&amp;low 
 category assignment</translation>
    </message>
    <message>
        <source>Automatisch a&amp;llen 
 Sparten zuordnen</source>
        <translation>Assign a&amp;ll 
 categories automatically</translation>
    </message>
    <message>
        <source>Sparten&amp;zuordnung 
 ansehen</source>
        <translation>View category 
 assi&amp;gnment</translation>
    </message>
</context>
<context>
    <name>WettbewerbLoeschen</name>
    <message>
        <source>Loeschung abgebrochen</source>
        <translation>Deletion cancelled</translation>
    </message>
    <message>
        <source>Der Wettbewerb wird nicht geloescht.</source>
        <translation>The competition is not deleted.</translation>
    </message>
    <message>
        <source>Wettbewerb wirklich loeschen?</source>
        <translation>Really delete the competition?</translation>
    </message>
    <message>
        <source>Moechten Sie den Wettbewerb mit der Nummer %1 und dem Namen %2 wirklich loeschen? 

 Falls Sie mit Ja antworten, werden die Wettbewerbsdaten zunaechst automatisch exportiert. Danach werden sie unwiderbringlich geloescht! </source>
        <translation>Do you really want to delete the competition with the number %1 and the name %2? 

 If you answer Yes, the competition data are exported automatically first. Then they are deleted irrevocably! </translation>
    </message>
    <message>
        <source>Bitte die exportierten Daten kontrollieren</source>
        <translation>Please check the exported data</translation>
    </message>
    <message>
        <source>Eine Sicherheitskopie des zu loeschenden Wettbewerbs wurde exportiert.Sie koennen diese jetzt auf Vollstaendigkeit pruefen.  Sie sollte aus einer zip-Datei bestehen, die in einer csv-Datei die Wettbewerbsdaten, sowie saemtliche Bilder des Wettbewerbs enthaelt.

Moechten Sie mit dem Loeschen fortfahren?</source>
        <translation>A backup of the competition to be deleted was exported. You can now check it for completeness.  It should consist of a zip file holding the competition data in a csv file and all pictures of the competition.

Do you want to go on with the deletion?</translation>
    </message>
    <message>
        <source>Loeschung erfolgreiche abgeschlossen</source>
        <translation>Deletion finished successfully</translation>
    </message>
    <message>
        <source>Der Wettbewerb wurde erfolgreich geloescht.</source>
        <translation>The competition was deleted successfully.</translation>
    </message>
</context>
<context>
    <name>WettbewerbSpartenWidget</name>
    <message>
        <source>&amp;Neu</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Ansehen</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Loeschen</source>
        <translation>&amp;Delete</translation>
    </message>
</context>
<context>
    <name>WettbewerbWertungsWidget</name>
    <message>
        <source>Einstellungen Anse&amp;hen</source>
        <translation>&amp;View settings</translation>
    </message>
    <message>
        <source>&amp;Einstellungen bearbeiten</source>
        <translation>&amp;Edit settings</translation>
    </message>
    <message>
        <source>Reihen&amp;folge Generieren</source>
        <translation>&amp;Generate order</translation>
    </message>
    <message>
        <source>Reihe&amp;nfolge Speichern</source>
        <translation>Save &amp;order</translation>
    </message>
    <message>
        <source>Wertung &amp;beginnen
 bzw. fortsetzen</source>
        <translation>&amp;Begin or
 resume scoring</translation>
    </message>
    <message>
        <source>Wertungen &amp;ansehen</source>
        <translation>View &amp;scores</translation>
    </message>
</context>
<context>
    <name>WettbewerbsListe</name>
    <message>
        <source>Nummer</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>State</translation>
    </message>
</context>
<context>
    <name>WettbewerbsSucheDialog</name>
    <message>
        <source>Wettbewerb suchen</source>
        <translation>Search competition</translation>
    </message>
    <message>
        <source>&amp;Verein waehlen</source>
        <translation>Choose &amp;club</translation>
    </message>
    <message>
        <source>Wettbewerbsnummer</source>
        <translation>Competition number</translation>
    </message>
    <message>
        <source>Wettbewerbsname</source>
        <translation>Competition name</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>Ausrichter</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>&amp;Suchen</source>
        <translation>&amp;Search</translation>
    </message>
    <message>
        <source>Gefundene Wettbewerbe</source>
        <translation>Competitions found</translation>
    </message>
    <message>
        <source>Wettbewerb &amp;oeffnen</source>
        <translation>&amp;Open competition</translation>
    </message>
    <message>
        <source>S&amp;chliessen</source>
        <translation>C&amp;lose</translation>
    </message>
    <message>
        <source>Kein Wettbewerb markiert</source>
        <translation>No competition marked</translation>
    </message>
    <message>
        <source>Bitte markieren Sie zunaechst einen der gefundenen Wettbewerbe.</source>
        <translation>Please mark one of the competitions found first.</translation>
    </message>
</context>
</TS>
