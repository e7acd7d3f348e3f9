<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>AppPaths</name>
    <message>
        <source>The folder &quot;%1&quot; cannot be created: %2 (%3). ZELTAR Logger needs it and ends now.</source>
        <translation>Impossibile creare la cartella “%1”: %2 (%3). ZELTAR Logger ne ha bisogno e si chiude.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be written: %2 (%3). ZELTAR Logger needs it and ends now.</source>
        <translation>Impossibile scrivere nella cartella “%1”: %2 (%3). ZELTAR Logger ne ha bisogno e si chiude.</translation>
    </message>
</context>
<context>
    <name>ChartConfigurations</name>
    <message>
        <source>Histogram of dBmW/m²</source>
        <translation>Istogramma dei dBmW/m²</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Andamento</translation>
    </message>
    <message>
        <source>count</source>
        <translation>conteggio</translation>
    </message>
    <message>
        <source>Density of dBmW/m²</source>
        <translation>Densità dei dBmW/m²</translation>
    </message>
</context>
<context>
    <name>CircBuffer</name>
    <message>
        <source>TCircBuffer CREATE procedure: out of memory error</source>
        <translation>Creazione del buffer circolare (TCircBuffer): memoria insufficiente</translation>
    </message>
</context>
<context>
    <name>ConvertError</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>“%1” non è un numero intero valido</translation>
    </message>
</context>
<context>
    <name>DecimalSeparators</name>
    <message>
        <source>I cannot determine the local separator. Please report this error to the vsoftware provider. You can keep using the application without any major problem</source>
        <translation>Impossibile determinare il separatore decimale del sistema. Segnalare questo errore al fornitore del software. È possibile continuare a usare l’applicazione senza problemi di rilievo.</translation>
    </message>
</context>
<context>
    <name>DurationText</name>
    <message>
        <source>%1 day</source>
        <translation>%1 giorno</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 giorni</translation>
    </message>
    <message>
        <source>%1 hour</source>
        <translation>%1 ora</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 ore</translation>
    </message>
    <message>
        <source>%1 minute</source>
        <translation>%1 minuto</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minuti</translation>
    </message>
    <message>
        <source>%1 second</source>
        <translation>%1 secondo</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 secondi</translation>
    </message>
</context>
<context>
    <name>HandlerErrors</name>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
</context>
<context>
    <name>HistogramFile</name>
    <message>
        <source>%1 is missing</source>
        <translation>manca %1</translation>
    </message>
    <message>
        <source>%1 is not a valid number</source>
        <translation>%1 non è un numero valido</translation>
    </message>
    <message>
        <source>Invalid histogram file, line %1: %2: %3</source>
        <translation>File di istogramma non valido, riga %1: %2: %3</translation>
    </message>
    <message>
        <source>THistogram class, constructor ReadFromFile: the file argument does not exist</source>
        <translation>Lettura dell’istogramma (THistogram::ReadFromFile): il file non esiste</translation>
    </message>
    <message>
        <source>the lower bound</source>
        <translation>il limite inferiore</translation>
    </message>
    <message>
        <source>the upper bound</source>
        <translation>il limite superiore</translation>
    </message>
    <message>
        <source>the number of classes</source>
        <translation>il numero di classi</translation>
    </message>
    <message>
        <source>%1 classes do not match the bounds %2 and %3</source>
        <translation>%1 classi non corrispondono ai limiti %2 e %3</translation>
    </message>
    <message>
        <source>the total</source>
        <translation>il totale</translation>
    </message>
    <message>
        <source>the largest count</source>
        <translation>il conteggio più alto</translation>
    </message>
    <message>
        <source>the mode</source>
        <translation>la moda</translation>
    </message>
    <message>
        <source>the mode %1 is not one of the %2 classes</source>
        <translation>la moda %1 non è una delle %2 classi</translation>
    </message>
    <message>
        <source>%1 counts expected, %2 lines left</source>
        <translation>%1 conteggi attesi, %2 righe rimaste</translation>
    </message>
    <message>
        <source>a count</source>
        <translation>un conteggio</translation>
    </message>
    <message>
        <source>THistogram Class, Procedure WriteToFile: the argument file already exists. Do you want to overwrite it?</source>
        <translation>Salvataggio dell’istogramma (THistogram::WriteToFile): il file esiste già. Sovrascriverlo?</translation>
    </message>
    <message>
        <source>THistogram CREATE procedure: out of memory error</source>
        <translation>Creazione dell’istogramma (THistogram): memoria insufficiente</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>The language changes when ZELTAR Logger is started again.</source>
        <translation>La lingua cambia al prossimo avvio di ZELTAR Logger.</translation>
    </message>
</context>
<context>
    <name>LastSettings</name>
    <message>
        <source>line %1 is not an integer: &apos;%2&apos;</source>
        <translation>la riga %1 non è un numero intero: “%2”</translation>
    </message>
    <message>
        <source>line 4 is not a number of points: &apos;%1&apos;</source>
        <translation>la riga 4 non è un numero di punti: “%1”</translation>
    </message>
    <message>
        <source>the file holds %1 of its %2 lines</source>
        <translation>il file contiene solo %1 delle sue %2 righe</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>impossibile creare la cartella %1</translation>
    </message>
</context>
<context>
    <name>LogFile</name>
    <message>
        <source>No %1 file can be written without the name of a record: %2</source>
        <translation>Nessun file %1 può essere scritto senza il nome di una registrazione: %2</translation>
    </message>
</context>
<context>
    <name>MetaData</name>
    <message>
        <source>Read beyond end of file (%1 of %2 bytes): %3</source>
        <translation>Lettura oltre la fine del file (%1 byte su %2): %3</translation>
    </message>
</context>
<context>
    <name>MetaPlausibility</name>
    <message>
        <source>unit</source>
        <translation>unità</translation>
    </message>
    <message>
        <source>correction</source>
        <translation>correzione</translation>
    </message>
    <message>
        <source>interval</source>
        <translation>intervallo</translation>
    </message>
    <message>
        <source>start time</source>
        <translation>ora di inizio</translation>
    </message>
    <message>
        <source>The meta data file holds values that cannot be right: %1. %2 is used instead.</source>
        <translation>Il file dei metadati contiene valori impossibili: %1. Al loro posto si usa %2.</translation>
    </message>
    <message>
        <source>The meta data file holds values that cannot be right: %1. %2 are used instead.</source>
        <translation>Il file dei metadati contiene valori impossibili: %1. Al loro posto si usano %2.</translation>
    </message>
</context>
<context>
    <name>RecycleFiles</name>
    <message>
        <source>no trash folder could be made for it</source>
        <translation>non è stato possibile creare un cestino per questo file</translation>
    </message>
</context>
<context>
    <name>Risk</name>
    <message>
        <source>Very low</source>
        <translation>Molto basso</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Basso</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>Moderato</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Very high</source>
        <translation>Molto alto</translation>
    </message>
    <message>
        <source>Extreme</source>
        <translation>Estremo</translation>
    </message>
</context>
<context>
    <name>RiskPalette</name>
    <message>
        <source>Some files used by this aplication have not been found. Please repeat the installation of the application</source>
        <translation>Alcuni file necessari all’applicazione non sono stati trovati. Reinstallare l’applicazione.</translation>
    </message>
</context>
<context>
    <name>ScheduleEndQuestion</name>
    <message>
        <source>Do you want to start recording and schedule the end of recording?</source>
        <translation>Avviare la registrazione e programmarne la fine?</translation>
    </message>
</context>
<context>
    <name>ScheduleValidation</name>
    <message>
        <source>Hour</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Min.</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Sec.</source>
        <translation>Sec.</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Giorno</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mese</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Anno</translation>
    </message>
    <message>
        <source>The scheduled time and date is too close</source>
        <translation>L’ora e la data programmate sono troppo vicine</translation>
    </message>
    <message>
        <source>Error in the %1 field at position: %2</source>
        <translation>Errore nel campo %1 alla posizione: %2</translation>
    </message>
    <message>
        <source>Error in the %1 field: %1 must be comprised in between %2 and %3</source>
        <translation>Errore nel campo %1: %1 deve essere compreso tra %2 e %3</translation>
    </message>
</context>
<context>
    <name>ScheduledEnd</name>
    <message>
        <source>Recording end scheduled on </source>
        <translation>Fine della registrazione programmata il </translation>
    </message>
</context>
<context>
    <name>ShellMoveFile</name>
    <message>
        <source>Cannot move &quot;%1&quot; to &quot;%2&quot;: %3</source>
        <translation>Impossibile spostare “%1” in “%2”: %3</translation>
    </message>
</context>
<context>
    <name>TAlertsDialog</name>
    <message>
        <source>Alerts</source>
        <translation>Allarmi</translation>
    </message>
    <message>
        <source>Alert when the risk category reaches</source>
        <translation>Allarme quando la categoria di rischio raggiunge</translation>
    </message>
    <message>
        <source>Alert when the reading reaches</source>
        <translation>Allarme quando la misura raggiunge</translation>
    </message>
    <message>
        <source>End the alert once the readings have stayed below for</source>
        <translation>Terminare l’allarme quando le misure sono rimaste sotto per</translation>
    </message>
    <message>
        <source>Sound a tone while an alert lasts</source>
        <translation>Emettere un segnale acustico durante l’allarme</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Please enter the level as a number above 0, such as %1</source>
        <translation>Inserire il livello come numero maggiore di 0, ad esempio %1</translation>
    </message>
</context>
<context>
    <name>TMetaDataDialog</name>
    <message>
        <source>Edit Meta Data to be saved with the record</source>
        <translation>Metadati da salvare con la registrazione</translation>
    </message>
    <message>
        <source> Operator: </source>
        <translation> Operatore: </translation>
    </message>
    <message>
        <source> Place:</source>
        <translation> Luogo:</translation>
    </message>
    <message>
        <source> Notes:</source>
        <translation> Note:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save the session using current Meta-Data</source>
        <translation>Salvare la sessione con questi metadati</translation>
    </message>
</context>
<context>
    <name>TScheduleDialog</name>
    <message>
        <source>Schedule</source>
        <translation>Programmazione</translation>
    </message>
    <message>
        <source> Starting time and date :</source>
        <translation> Ora e data di inizio:</translation>
    </message>
    <message>
        <source> Schedule end :</source>
        <translation> Fine programmata:</translation>
    </message>
    <message>
        <source>       Recording</source>
        <translation>       Registrazione</translation>
    </message>
    <message>
        <source>Shutdown upon completion</source>
        <translation>Spegnere il computer al termine</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
