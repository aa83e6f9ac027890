<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="de">
<context>
    <name>Arbeitskontext</name>
    <message>
        <source>Keine Verbindung zur Datenbank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Verbindung zur Datenbank konnte nicht hergestellt werden.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ArchiveHelper</name>
    <message>
        <source>tmp</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Auswahldialog</name>
    <message>
        <source>Abbre&amp;chen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BenutzerBearbeitenDialog</name>
    <message>
        <source>Aenderungen &amp;speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neuen Benutzer anlegen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neuen Benutzer &amp;speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Informationen zum Benutzer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passwort Aendern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Benutzer bearbeiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Benutzername</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passwort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passwort (Wiederholung)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anmeldeberechtigt für GUI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anmeldeberechtigt für Web</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mitglied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mitgliedsnummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nachname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mitglied waehlen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mitglied &amp;entfernen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BenutzerListe</name>
    <message>
        <source>Benutzername</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mitgliedsnummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nachname</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BenutzerSuche</name>
    <message>
        <source>Egal?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Benutzername</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mitgliedsnummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nachname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anmeldeberechtigt für GUI-Anwendung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anmeldeberechtigt für Webschnittstelle</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BenutzerSucheDialog</name>
    <message>
        <source>Benutzer suchen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gefundene Benutzer, bitte einen davon auswaehlen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Benutzer auswaehlen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BenutzerVerwaltung</name>
    <message>
        <source>Benutzer suchen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Suchen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suchfelder &amp;zuruecksetzen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Benutzerverwaltung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moeglicherweise durch Neu, Bearbeiten oder Loeschen veraendertes Suchergebnis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Neu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loesch&amp;en</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Datenberechtigungen bearbeiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Passwort zuruecksetzen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;chliessen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Root darf nicht geloescht werden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der root-Benutzer kann nicht geloescht werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Benutzer wirklich loeschen?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wollen Sie den Benutzer %1 wirklich loeschen?

 Falls Sie mit Ja antworten, kann er nicht mehr wiederhergestellt werden. Dies gilt auch für eventuell vorhandene Berechtigungen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passwort erfolgreich zurueckgesetzt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Passwort des Benutzers %1 wurde auf %2 gesetzt.

Es sollte baldmoeglichst geaendert werden.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BerechtigungsModusDialog</name>
    <message>
        <source>Berechtigungen ein- oder ausschalten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aenderungen &amp;speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Berechtigungsmodus</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BildAnzeigeWidget</name>
    <message>
        <source>Kein Bild vorhanden</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BildBearbeitenDialog</name>
    <message>
        <source>Bild hinzufuegen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bild bearbeiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bild ansehen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Einreicher auswaehlen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;parte auswaehlen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Einreicher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sparte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Titel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Themenbereich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bildnummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wettbewerbslokale Nummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dateiname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotieren gege&amp;n
 den Uhrzeigersinn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotieren i&amp;m
 Uhrzeigersinn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bild
 waehlen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bild
 ent&amp;fernen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bild Speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Speichern
 und Schliessen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speichern
 &amp;ohne Schliessen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;chliessen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bilddatei auswaehlen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datei auswaehlen, in die das Bild gespeichert werden soll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehler beim Schreiben der Datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Bild konnte nicht in die Datei %1 geschrieben werden.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BilderSucheWidget</name>
    <message>
        <source>&amp;Suchen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suche &amp;zuruecksetzen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Titel, Nummer oder Einreicher</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BilderWertungsDialog</name>
    <message>
        <source>Wertungen des Durchgangs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bilddetails &amp;ansehen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Vollbild ansehen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Einzelwertungen ansehen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;chliessen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BilderWertungsListe</name>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Titel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nachname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bewertung</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BoolConverter</name>
    <message>
        <source>Ja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nein</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DateLineEdit</name>
    <message>
        <source>Datum falsch angegeben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Eingabe %1 ist kein gueltiges Datum.

Bitte geben Sie das Datum im Format dd.mm.yyyy an.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogModi</name>
    <message>
        <source>Abbre&amp;chen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;chliessen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DurchgangBearbeitenDialog</name>
    <message>
        <source>Einstellungen zum Durchgang bearbeiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Einstellungen zum Durchgang ansehen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aenderungen &amp;speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sparte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jugend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DurchgangsArt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Von Prozent der Rangliste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bis Prozent der Rangliste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimal erlaubte Bewertung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximal erlaubte Bewertung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sortierung</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DurchgangsListe</name>
    <message>
        <source>Sparte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jugend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Durchgang</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sortierung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reihenfolge generiert</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DurchgangsNameVariantConverter</name>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 (unteres Drittel)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 (mittleres Drittel)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 (bestes Drittel)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Eintragsansicht</name>
    <message>
        <source>Nicht importiert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Erster Eintrag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zehn Eintraege &amp;zurueck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Vorheriger Eintrag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Naechster Eintrag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zehn Eintraege v&amp;or</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Letzter Eintrag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;chliessen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EinzelwertungBearbeitenDialog</name>
    <message>
        <source>Neue Bewertung anlegen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bewertung bearbeiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Informationen zur Bewertung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Juror:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bild:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bewertung:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EinzelwertungsListe</name>
    <message>
        <source>Vorname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nachname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bewertung</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EinzelwertungsListenDialog</name>
    <message>
        <source>Einzelwertungen zu Bild %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;chliessen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EvdevKeyboardManager</name>
    <message>
        <source>Keine Leseberechtigung fuer %1 Tastatur(en) unter /dev/input: Tastaturen koennen nicht zugeordnet werden, Wertungen lassen sich aber von Hand eingeben.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EventLogCategoryChooseDialog</name>
    <message>
        <source>Choose a category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kategorie &amp;waehlen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keine Kategorie waehlen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EventLogEditDialog</name>
    <message>
        <source>Ausgabe auf Konsole</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ausgabe in EventLog-Tabelle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Kategorie waehlen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kategorie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code-Standort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level-Operand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EventLogList</name>
    <message>
        <source>Zeitstempel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log-Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kategorie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EventLogSettingsWidget</name>
    <message>
        <source>Kategorie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code-Standort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level-Operand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Konsolenausgabe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datenbankausgabe</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EventLogViewDialog</name>
    <message>
        <source>Logeintrag ansehen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Benutzer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rechner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kategorie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeitstempel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logeintrag importiert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code-Standort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Session Ansehen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EventLogWidget</name>
    <message>
        <source>&amp;Ansehen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportFortschrittsDialog</name>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Daten werden exportiert...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Export wird abgebrochen...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Zeilen und %2 Bilder (%3 MB) geschrieben</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportInDatei</name>
    <message>
        <source>

Daher konnten die Daten NICHT exportiert werden.Bitte beheben Sie den Fehler und versuchen Sie es nochmals.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehler beim Exportieren in die Datei %1: 

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZIP-Archive *.zip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV-Dateien *.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dateiname fuer Export waehlen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export abgebrochen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Export wurde abgebrochen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehler beim Export: 

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export erfolgreich beendet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Export wurde erfolgreich beendet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Stunden, %2 Minuten, %3 Sekunden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Minuten, %2 Sekunden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Sekunden</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExterneJurorenListe</name>
    <message>
        <source>Nummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nachname</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FunktionstraegerBearbeitenDialog</name>
    <message>
        <source>Neuen Funktionstraeger festlegen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funktionstraeger bearbeiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Informationen zum Funktionstraeger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mitglied waehlen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funktion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funktion (Freitext)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mitglied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mitgliedsnr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nachname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neuen Funktionstraeger &amp;speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aenderungen &amp;speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funktion nicht angegeben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitte geben Sie die Funktion an.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mitglied nicht angegeben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitte geben Sie das betreffende Mitglied an.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GrunddatenBearbeitenDialog</name>
    <message>
        <source>Neuen Wettbewerb anlegen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grunddaten bearbeiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grunddaten ansehen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neuen Wettbewerb &amp;speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aenderungen &amp;speichern</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GrunddatenBearbeitenWidget</name>
    <message>
        <source>&amp;Ansehen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Verein waehlen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wettbewerbsdaten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ausrichter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Berechtigt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in folgendem Ort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Festlegungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jurierungsmodus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anzahl Durchgaenge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anzahl Bilder fuer Wertung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anzahl Sparten fuer Kombination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anzahl Teilnehmer fuer Vereinswertung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nur vollständige Kombinationen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gewollt auszustellen sind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bilder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gewuenschte Annahmen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prozent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abrundung auf ganze Punkte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximales Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zum Beispiel 1024x768</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximale Dateigroesse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zum Beispiel 800KB oder 2MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fruehestmoegliches Jugend-Geburtsdatum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(nicht lesbar)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HilfeUeberDialog</name>
    <message>
        <source>Informationen zu Kalvor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nicht bekannt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programmversion:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVN-Version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datenmodell-Version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datenmodellgenerator-Version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;chliessen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportAusDatei</name>
    <message>
        <source>Datei auswaehlen, aus der Daten importiert werden sollen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ggf. komprimierte CSV-Dateien (*.zip *.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rueckfrage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

Kalvor kann versuchen, die Datei trotzdem zu importieren.  Da Importdateien mit veraltetem Datenformat nicht unbegrenzt unterstuetzt werden, koennte es dabei zu Fehlermeldungen kommen.  Falls dies der Fall ist, wenden Sie sich bitte an den Administrator. 

Wollen Sie mit dem Import fortfahren?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import abgebrochen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Import wurde abgebrochen. Es wurden keine Daten geaendert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import erfolgreich beendet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Daten wurden erfolgreich importiert: %1 Datensaetze gelesen, davon %2 neu eingefuegt, %3 ueberschrieben und %4 uebergangen.

Dauer: %5</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportFortschrittsDialog</name>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Daten werden importiert...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 von %3 Datensaetzen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 Datensaetze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Import wird abgebrochen...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JaNeinVariantConverter</name>
    <message>
        <source>Ja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nein</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JuriertBeiBearbeitenDialog</name>
    <message>
        <source>Juroren-Zuordnung Bearbeiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Juroren-Zuordnung Ansehen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wertet in allen Sparten</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JuriertBeiSpartenWidget</name>
    <message>
        <source>Hi&amp;nzufuegen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ansehen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Loeschen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JurorBearbeitenDialog</name>
    <message>
        <source>Neuen externen Juror anlegen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Externen Juror bearbeiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Informationen zum externen Juror</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neuen Juror &amp;speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aenderungen &amp;speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Personendaten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anrede</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Titel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nachname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geburtsdatum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adresse und Erreichbarkeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strasse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Staat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telefon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mobil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skype</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JurorHinzufuegenDialog</name>
    <message>
        <source>Juror hinzufuegen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suche nach vorhandenen Mitgliedern und externen Juroren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gefundene Mitglieder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gefundene externe Juroren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aus&amp;waehlen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbre&amp;chen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine Person markiert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitte markieren Sie zunaechst ein Mitglied oder einen externen Juror.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JurorService</name>
    <message>
        <source>Alle</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JurorenListe</name>
    <message>
        <source>JuriertBeiArt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nachname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Staat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sparten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hat Tastatur</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Kontextzeile</name>
    <message>
        <source>Verbindung mit Benutzer %1 zu %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kein Verein ausgewaehlt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verein ohne Vereinsnamen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aktueller Verein: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LaufenderFehler</name>
    <message>
        <source>Interner Fehler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unbekannter Fehler</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LogRegeln</name>
    <message>
        <source>Kein Log-Level angegeben.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kein Log-Level angegeben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Falls ein Log-Level-Operand angegeben wird, muss auch ein Log-Level angegeben werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Illegaler Log-Level-Operand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Als Log-Level-Operand duerfen nur &lt;,&lt;=,=,&gt;=,&gt; verwendet werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kein Log-Level-Operand angegeben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Falls ein Log-Level angegeben wird, muss auch ein Log-Level-Operand angegeben werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log-Level nicht korrekt eingegeben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Log-Level ist eine ganze Zahl, ueblicherweise im Bereich 0 bis 9.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LogSettingsAdminDialog</name>
    <message>
        <source>Log-Einstellungen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LogViewDialog</name>
    <message>
        <source>&amp;Ereignisse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Datenbankzugriffe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;chliessen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log-Meldungen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LoginDialog</name>
    <message>
        <source>Anmeldung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Benutzername</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verbindungs-URL zur Datenbank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passwort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Anmelden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbre&amp;chen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nicht alle Daten eingegeben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitte fuellen Sie alle Eingabefelder aus.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verschluesselte Verbindung mit geprueftem Serverzertifikat verlangen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ohne diese Einstellung wird die Verbindung zu einem Server im Netz verschluesselt, sobald er es anbietet, sein Zertifikat aber nicht geprueft. Der eigene Server dieses Rechners braucht sie nicht.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>die Zertifizierungsstellen des Systems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aus&amp;waehlen...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zertifikat der Zertifizierungsstelle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zertifikate (*.pem *.crt);;Alle Dateien (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Daten &amp;importieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importiert Daten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Verein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportiert alle Daten zum aktiven Verein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mitglieder des Vereins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportiert die Daten zu allen Mitgliedern des aktiven Vereins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vereinshierarchie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportiert alle Daten zum aktiven Verein und der Hierarchie darunter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mitglieder der Vereins&amp;hierarchie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportiert die Daten zu allen Mitgliedern des aktiven Vereins sowie der Hierarchie darunter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funktionstraeger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportiert die Daten zu den Funktionstraegern aller Vereine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alle &amp;fachlichen Daten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportiert alle fachlichen Daten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alle &amp;technische Daten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportiert alle technischen Daten, ohne die Datenberechtigungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datenberechtigungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportiert alle Datenberechtigungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Alle Daten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportiert alle Daten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Neu Anmelden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unter anderer Kennung neu anmelden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beendet Kalvor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mitgliederverwaltung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oeffnet die Mitgliederverwaltung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;nlegen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legt einen neuen Verein an</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aus&amp;waehlen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waehlt einen Verein aus und holt ihn in den Kontext</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ansehen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oeffnet die Daten eines Vereins zum nur lesenden Betrachten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oeffnet die Daten eines Vereins zum Aendern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Loeschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loescht einen Verein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oeffnet einen neuen Wettbewerb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Oeffnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oeffnet einen Wettbewerb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loescht einen Wettbewerb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eigene &amp;Datenberechtigungen Ansehen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eigene Berechtigungen ansehen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Passwort Aendern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passwort Aendern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Benutzerverwaltung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oeffnet die Benutzerverwaltung.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Datenberechtigungen ein/ausschalten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aktiviert bzw. deaktiviert die Berechtigungen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log-&amp;Einstellungen verwalten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hier kann verwaltet werden, was und wieviel an Log-Ausgabe geschrieben wird.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Log-Meldungen ansehen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log-Meldungen ansehen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sessions ansehen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sessions ansehen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ueber</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Informationen zur Programmversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kalvor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stammdaten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Wettbewerb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Administration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Benutzer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehler beim Anmelden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ihre Anmeldung am System ist leider gescheitert. Haben Sie Ihren Benutzernamen und Ihr Passwort richtig geschrieben?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Benutzer nicht registriert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ein solcher Benutzer ist nicht registriert.  Bitte pruefen Sie, ob Sie sich mit dem richtigen, korrekt geschriebenen Benutzernamen angemeldet haben.

Falls dies eine lokale Installation ist, koennen Sie sich ggf. als root-Benutzer (Administrator) anmelden und den gewuenschten Benutzer ueber das Administrationsmenu anlegen.  Falls Sie sich ueber das Netz bei einer zentralen Installation anmelden wollen, kontaktieren Sie bitte ggf. den dortigen Administrator.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anmeldung nicht erlaubt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dieser Benutzer darf sich nicht an der GUI anmelden.  Eventuell ist fuer ihn nur der Webzugriff freigeschaltet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ihre Anmeldung am System ist leider gescheitert. Es kam die folgende Fehlermeldung zurueck: 
 %1

Haben Sie Ihren Benutzernamen und Ihr Passwort richtig geschrieben?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interner Fehler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine eindeutige Benutzer-Instanz gefunden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kein Verein ausgewaehlt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitte waehlen Sie zunaechst im Menue &quot;Verein&quot; den Verein aus, dessen Daten exportiert werden sollen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zu loeschenden Wettbewerb suchen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lese Metainformationen zur Importdatei</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MitgliedBearbeitenDialog</name>
    <message>
        <source>Mitglied anlegen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mitglied bearbeiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mitglied ansehen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mitgliedsdaten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Titel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mitglied &amp;speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aenderungen &amp;speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wirklich abbrechen?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wollen Sie wirklich abbrechen?

Bitte beachten Sie, dass dadurch insbesondere alle im Reiter Titel getaetigten Aenderungen verloren gehen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Web-Benutzer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MitgliedBearbeitenWidget</name>
    <message>
        <source>&amp;Verein waehlen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nummer vorschlagen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mitglied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gesamte Mitgliedsnummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vereinsinterne Nummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anrede</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nachname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mitgliedsart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fotographische Titel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jugend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geburtsdatum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aktuelles &amp;Jahr eintragen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mitgliedschaft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datum Eintritt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datum Austritt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beitrag bezahlt bis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adresse und Erreichbarkeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strasse und Hausnummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Staat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telefon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mobil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skype</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MitgliedTitelWidget</name>
    <message>
        <source>&amp;Hinzufuegen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ansehen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Loeschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Titel wirklich loeschen?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wollen Sie den fotographischen Titel %1 des Mitglieds %2 %3 wirklich loeschen?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MitgliedWebWidget</name>
    <message>
        <source>Passwort gleich Geburtsdatum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passwort gleich Mitgliedsnr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web-Benutzer a&amp;nlegen
(Benutzername gleich Mitgliedsnr. und
%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passwort 
 &amp;zuruecksetzen 
(%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status Web-Benutzer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Benutzer mit Benutzername %1 vorhanden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kein Benutzer %1 vorhanden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passwort zurueckgesetzt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Passwort wurde erfolgreich zurueckgesetzt.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MitgliederSucheDialog</name>
    <message>
        <source>Mitglied auswaehlen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mitglied suchen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gefundene Mitglieder, bitte eines davon auswaehlen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aus&amp;waehlen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbre&amp;chen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Mitgliederliste</name>
    <message>
        <source>Mitgliedsnummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nachname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mitgliedsart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jugend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geburtsdatum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beitrag bezahlt bis</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Mitgliedersuche</name>
    <message>
        <source>&amp;Verein waehlen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ausgetretene Mitglieder ausblenden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Suchen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Felder &amp;zuruecksetzen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mitgliedsnummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mitgliedsart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nachname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jugend</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Mitgliederverwaltung</name>
    <message>
        <source>Mitgliederverwaltung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mitglieder&amp;suche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moeglicherweise durch Neu, Bearbeiten oder Loeschen veraendertes Suchergebnis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Neu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ansehen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adress&amp;daten speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Loeschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;chliessen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Mitglieder gefunden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wollen Sie das Mitglied mit dem Namen %1 %2 wirklich loeschen? 

Wenn Sie mit Ja antworten, werden das Mitglied und seine fotographischen Titel geloescht.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mitglied wirklich loeschen?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mitglied %1 %2 geloescht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daten erfolgreich gespeichert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Adressdaten wurden erfolgreich gespeichert.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Neue Einstellungen anlegen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Einstellungen bearbeiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Informationen zur Einstellung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neue Einstellungen &amp;speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aenderungen &amp;speichern</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QueryLogEditDialog</name>
    <message>
        <source>Ausgabe auf Konsole</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ausgabe in QueryLog-Tabelle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Art der Abfrage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betroffene Entitaet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QueryLogList</name>
    <message>
        <source>Zeitstempel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source># Datensaetze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabellen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abfrage</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QueryLogSettingsWidget</name>
    <message>
        <source>Art der Abfrage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betroffene Entitaet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Konsolenausgabe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datenbank-Ausgabe</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QueryLogViewDialog</name>
    <message>
        <source>Logeintrag ansehen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Benutzer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rechner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeitstempel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logeintrag importiert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abfrage-Art</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anzahl Datensaetze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code-Standort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabellen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra-Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abfrage</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QueryLogWidget</name>
    <message>
        <source>&amp;Ansehen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Ranglisten</name>
    <message>
        <source>Rang</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sparte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mitgliedsnummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nachname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vereinsnummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vereinsname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tei&amp;lnehmer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teilnehmer-&amp;Kombination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Vereine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vereins-K&amp;ombination</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RanglistenListe</name>
    <message>
        <source>Bilder von %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bilder des Vereins %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Regelwidget</name>
    <message>
        <source>Hi&amp;nzufuegen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Loeschen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SessionAdminDialog</name>
    <message>
        <source>Sessions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ansehen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;chliessen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SessionChooseDialog</name>
    <message>
        <source>Session auswaehlen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gefundene Sessions, bitte eine davon auswaehlen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aus&amp;waehlen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keine auswaehlen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SessionList</name>
    <message>
        <source>Gestartet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beendet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Benutzername</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rechner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rueckgabewert</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SessionViewDialog</name>
    <message>
        <source>Benutzer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rechner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verbindung zu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gestartet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beendet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betriebssystem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rückgabewert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meldung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datenmodellversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programmversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generatorversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importiert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session ansehen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SparteAuswahlDialog</name>
    <message>
        <source>Sparte auswaehlen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sparte aus&amp;waehlen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keine Sparte auswaehlen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbre&amp;chen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine Sparte markiert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitte markieren Sie zunaechst eine der Sparten.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SparteBearbeitenDialog</name>
    <message>
        <source>Neue Sparte anlegen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sparte bearbeiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Informationen zur Sparte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neue &amp;Sparte anlegen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aenderungen &amp;speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abkuerzung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Durchgaenge anlegen fuer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In Kombination verwendet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpartenListe</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abkuerzung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Durchgaenge anlegen fuer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In Kombination verwendet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Suchfelder</name>
    <message>
        <source>Bitte geben Sie eine gueltige Zahl ein, oder lassen Sie das Feld leer.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Suchformular</name>
    <message>
        <source>Session &amp;Waehlen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Kategorie Waehlen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Suchen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suche &amp;zuruecksetzen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Löschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Benutzer %1 auf Rechner %2 ab %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(ohne Benutzername)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(ohne Rechnername)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(ohne Beginn-Zeitstempel)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TastaturZuordnungVariantConverter</name>
    <message>
        <source>Ja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nein</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TastaturZuordnungsDialog</name>
    <message>
        <source>Tastatur zuordnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Damit das Programm weiss, mit welcher Tastatur ein Juror wertet, ist es noetig diese vorher zuzuordnen.  Dazu dient dieses Fenster. 

 Aktuell soll damit %1 %2 eine Tastatur zugeordnet werden.  %1 %2, bitte druecken Sie jetzt auf ihrem Jurierungsgeraet eine beliebige Zifferntaste.  Alle anderen Juroren benuetzen bitte waehrenddessen ihre Tastaturen nicht. 

 Der erkannte Wertungscode wird anschliessend hier angezeigt.  Sie koennen also diesen Dialog auch zum Testen Ihrer Tastatur verwenden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erkannte Wertung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tastaturzuordnung 
bestaetigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TeilnehmerListe</name>
    <message>
        <source>Vorname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nachname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mitgliedsnummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verein</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TeilnehmerListenWidget</name>
    <message>
        <source>Mitglied Suchen 
 und Hi&amp;nzufuegen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mitglied Anlegen 
 und Hinzufuegen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mitglied
 &amp;Ansehen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mitg&amp;lied
 Entfernen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bilder je Teilnehmer und Sparte</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TeilnehmerStatusListe</name>
    <message>
        <source>Vorname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nachname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mitgliedsnummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sparte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anzahl Bilder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TimeStampLineEdit</name>
    <message>
        <source>Zeitstempel koennen als Datum dd.MM.yyyy, als Datum mit minutengenauer Zeit dd.MM.yyyy hh.mm, oder mit sekundengenauer Zeit dd.MM.yyyy hh.mm.ss eingegeben werden.  Fuehrende Nullen beim Datum duerfen weggelassen werden, statt dem Punkt bei der Zeit darf auch ein Doppelpunkt geschrieben werden.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TitelBearbeitenDialog</name>
    <message>
        <source>Neuen Titel anlegen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Titel bearbeiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Informationen zum Titel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Titel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TitelArt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verleihungsdatum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Höchster Titel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neuen Titel &amp;speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aenderungen &amp;speichern</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Trefferbereich</name>
    <message>
        <source>Suche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Treffer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wirklich loeschen?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wollen Sie wirklich gemaess der Selektion in den Suchfeldern %1 Logeintraege loeschen?  Bitte beachten Sie:

Falls keine Suchkriterien angegeben sind, werden ALLE Logeintraege geloescht.
Die Loeschung der Logeintraege kann NICHT RUECKGÄNGIG gemacht werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logeintraege werden geloescht ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbre&amp;chen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Logeintraege geloescht</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VDBBearbeitenDialog</name>
    <message>
        <source>Neue Berechtigung anlegen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Berechtigung bearbeiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Informationen zur Berechtigung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neue Berechtigung &amp;speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aenderungen &amp;speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Verein auswaehlen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ausgehend vom Verein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ist dem Benutzer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>von Objekten des Typs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mit dem Zugriffsrecht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>erlaubt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehler: Vereinsreferenz in der Berechtigung nicht aufloesbar oder nicht eindeutig.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VDBListe</name>
    <message>
        <source>Vereinsnummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vereinsname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Berechtigungsart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Objekttyp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zugriffsrecht</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VDBVerwaltung</name>
    <message>
        <source>Verwaltung der Datenberechtigungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alle Datenberechtigungen des Benutzers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Neu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ansehen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Loeschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;chliessen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VereinBearbeitenDialog</name>
    <message>
        <source>Verein anlegen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verein bearbeiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verein ansehen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Vereinsdaten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Funktionstraeger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verein &amp;speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aenderungen &amp;speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wirklich abbrechen?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wollen Sie wirklich abbrechen?

Bitte beachten Sie, dass dadurch insbesondere alle im Reiter Funktionstraeger getaetigten Aenderungen  verloren gehen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verein wirklich loeschen?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wollen Sie den Verein mit der Nummer %1 und dem Namen %2 wirklich loeschen? 

Falls Sie mit Ja antworten, wird er unwiderbringlich geloescht.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verein erfolgreich geloescht.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Verein mit der Nummer %1 und dem Namen %2 wurde erfolgreich geloescht.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VereinBearbeitenWidget</name>
    <message>
        <source>A&amp;uswaehlen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eigene Vereinsnummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gesamte Vereinsnummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vereinsname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inaktiv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uebergeordneter Verein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adresse und Erreichbarkeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strasse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Staat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehler beim Bestimmen - eventuell fehlende Berechtigungen?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dachverband ist unbenannt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uebergeordneter Verein nicht moeglich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ein Verein kann weder sich selbst noch einem seiner untergeordneten Vereine untergeordnet werden.

Bitte waehlen Sie einen anderen Verein aus.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VereinFunktionstraegerWidget</name>
    <message>
        <source>Funktion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funktion (Freitext)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nachname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hi&amp;nzufuegen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Loeschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funktion wirklich loeschen?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wollen Sie die Funktion wirklich loeschen?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VereinsListe</name>
    <message>
        <source>Nummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VereinsSucheDialog</name>
    <message>
        <source>Verein auswaehlen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gesamte Vereinsnummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vereinsname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inaktiv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Suchen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suche &amp;zuruecksetzen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verein suchen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gefundene Vereine, bitte einen davon auswaehlen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verein aus&amp;waehlen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keinen Verein auswaehlen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbre&amp;chen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kein Verein markiert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitte markieren Sie zunaechst einen der gefundenen Vereine.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VollbildAnsehenDialog</name>
    <message>
        <source>Schaltflaeche &amp;verbergen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;chliessen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aktuelles Bild: %1 von %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VollbildFlaeche</name>
    <message>
        <source>Kein Bild vorhanden</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VollbildSchirm</name>
    <message>
        <source>Bildschirm fuer das Vollbild</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auf welchem Bildschirm (Projektor) sollen die Bilder gezeigt werden?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VollbildWertungsDialog</name>
    <message>
        <source>Vorname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nachname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bewertung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schaltflaeche weitgehend 
 &amp;verbergen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schaltflaeche immer 
 &amp;zeigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bewertung eingeben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zurueck 
 (zum vorherigen Bild)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wertung bestaetigen 
 (zum &amp;naechsten Bild)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jurierung unterbre&amp;chen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bildnummer: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WettbewerbAnlegenDialog</name>
    <message>
        <source>Wettbewerb anlegen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wettbewerbsname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wettbewerbsnummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jurierungsmodus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anzahl Durchgaenge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WettbewerbBearbeitenDialog</name>
    <message>
        <source>Der Inhalt dieses Reiters folgt in einer spaeteren Version von Kalvor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wettbewerb %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Grunddaten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;parten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Teilnehmer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B&amp;ilder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Juroren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Wertung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;rgebnisse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folgt in einer spaeteren Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;chliessen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WettbewerbBilderWidget</name>
    <message>
        <source>&amp;Neu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details &amp;Ansehen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Vollbild Ansehen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Loeschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alle ungueltigen Loeschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Bilder gefunden</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WettbewerbErgebnisWidget</name>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>J&amp;ugend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Erwachsene</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Berechne Ergebnisse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ergebni&amp;sse Speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Als P&amp;DF speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wirklich Ergebnisse berechnen?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wollen Sie die Wettbewerbsergebnisse wirklich jetzt berechnen? 

Bitte beachten Sie: Eventuell bereits berechnete Ergebnisse werden dabei ueberschrieben!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ergebnisse als PDF speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speicherung erfolgreich beendet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Daten wurden erfolgreich gespeichert.  Dauer: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daten nicht gespeichert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Daten wurden nicht gespeichert.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WettbewerbExportWidget</name>
    <message>
        <source>Exportiere Wett&amp;bewerbsdaten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportiere Wettbewerbsdaten
inklusive der beteiligten
 &amp;Mitglieder und Vereine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Wettbewerbsdaten werden als ZIP-Archiv mit allen Bildern oder als CSV-Datei gespeichert.  Mit den beteiligten Mitgliedern und Vereinen werden die persoenlichen Daten der Mitglieder nicht exportiert.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WettbewerbGrunddatenWidget</name>
    <message>
        <source>Wettbewerbsdaten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ausrichter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in folgendem Ort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anzahl Bilder fuer Wertung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anzahl Sparten fuer Kombination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anzahl Teilnehmer fuer Vereinswertung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximales Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximale Dateigroesse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fruehestmoegliches Jugend-Geburtsdatum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grunddaten &amp;Bearbeiten</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WettbewerbJurorenWidget</name>
    <message>
        <source>&amp;Ansehen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Externen Juror 
 a&amp;nlegen 
 und hinzufuegen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Vorhandenen 
 externen Juror 
 bzw. vorhandenes 
 Mitglied hinzufuegen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alle Sparten?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sparten &amp;zuordnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tastatur z&amp;uordnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Entfernen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spartenzuordnung 
 ermoeg&amp;lichen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatisch a&amp;llen 
 Sparten zuordnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sparten&amp;zuordnung 
 ansehen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WettbewerbLoeschen</name>
    <message>
        <source>Loeschung abgebrochen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Wettbewerb wird nicht geloescht.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wettbewerb wirklich loeschen?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moechten Sie den Wettbewerb mit der Nummer %1 und dem Namen %2 wirklich loeschen? 

 Falls Sie mit Ja antworten, werden die Wettbewerbsdaten zunaechst automatisch exportiert. Danach werden sie unwiderbringlich geloescht! </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitte die exportierten Daten kontrollieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eine Sicherheitskopie des zu loeschenden Wettbewerbs wurde exportiert.Sie koennen diese jetzt auf Vollstaendigkeit pruefen.  Sie sollte aus einer zip-Datei bestehen, die in einer csv-Datei die Wettbewerbsdaten, sowie saemtliche Bilder des Wettbewerbs enthaelt.

Moechten Sie mit dem Loeschen fortfahren?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loeschung erfolgreiche abgeschlossen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Wettbewerb wurde erfolgreich geloescht.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WettbewerbSpartenWidget</name>
    <message>
        <source>&amp;Neu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ansehen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Loeschen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WettbewerbWertungsWidget</name>
    <message>
        <source>Einstellungen Anse&amp;hen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Einstellungen bearbeiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reihen&amp;folge Generieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reihe&amp;nfolge Speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wertung &amp;beginnen
 bzw. fortsetzen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wertungen &amp;ansehen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WettbewerbsListe</name>
    <message>
        <source>Nummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WettbewerbsSucheDialog</name>
    <message>
        <source>Wettbewerb suchen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Verein waehlen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wettbewerbsnummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wettbewerbsname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ausrichter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Suchen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gefundene Wettbewerbe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wettbewerb &amp;oeffnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;chliessen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kein Wettbewerb markiert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitte markieren Sie zunaechst einen der gefundenen Wettbewerbe.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
