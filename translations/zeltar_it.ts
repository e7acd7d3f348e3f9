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
    <name>ChartPicture</name>
    <message>
        <source>: pictures are saved as .png or .svg files</source>
        <translation>: le immagini si salvano come file .png o .svg</translation>
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
    <name>ComTerminator</name>
    <message>
        <source>Terminator string cannot be empty!</source>
        <translation>La stringa di terminazione non può essere vuota!</translation>
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
    <name>DensityLegend</name>
    <message>
        <source>Legend</source>
        <translation>Legenda</translation>
    </message>
    <message>
        <source>%1 (not read)</source>
        <translation>%1 (non letto)</translation>
    </message>
    <message>
        <source>%1 (no samples)</source>
        <translation>%1 (nessuna misura)</translation>
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
    <name>ExportCommand</name>
    <message>
        <source>%1 needs a value: %2 or %3</source>
        <translation>%1 richiede un valore: %2 o %3</translation>
    </message>
    <message>
        <source>bad value for %1: &apos;%2&apos; (expected %3 or %4)</source>
        <translation>valore non valido per %1: “%2” (atteso %3 o %4)</translation>
    </message>
    <message>
        <source>--report needs the name of the PDF to write</source>
        <translation>--report richiede il nome del PDF da scrivere</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opzione sconosciuta %1</translation>
    </message>
    <message>
        <source>only one record can be exported at a time (got &apos;%1&apos; and &apos;%2&apos;)</source>
        <translation>si può esportare una sola registrazione alla volta (ricevute “%1” e “%2”)</translation>
    </message>
    <message>
        <source>no record given</source>
        <translation>nessuna registrazione indicata</translation>
    </message>
    <message>
        <source>--summary and --report cannot be combined</source>
        <translation>--summary e --report non si possono combinare</translation>
    </message>
    <message>
        <source>: is a file of the record itself; choose another name for the report</source>
        <translation>: è un file della registrazione stessa; scegliere un altro nome per il rapporto</translation>
    </message>
    <message>
        <source>cannot read the risk palette &apos;%1&apos;</source>
        <translation>impossibile leggere la tavolozza dei rischi “%1”</translation>
    </message>
    <message>
        <source>%1 (see --help)</source>
        <translation>%1 (vedere --help)</translation>
    </message>
    <message>
        <source>: no such file</source>
        <translation>: file inesistente</translation>
    </message>
    <message>
        <source>: not a record file</source>
        <translation>: non è un file di registrazione</translation>
    </message>
    <message>
        <source>no .meta file beside it; using mW/m², 0.5 sec, correction 0 and the current time as start</source>
        <translation>nessun file .meta accanto; si usano mW/m², 0.5 sec, correzione 0 e l’ora attuale come inizio</translation>
    </message>
    <message>
        <source>no .histo file beside it; the recording may not have been stopped</source>
        <translation>nessun file .histo accanto; la registrazione potrebbe non essere stata fermata</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>impossibile scrivere l’output</translation>
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
    <name>ImportSaveDialog</name>
    <message>
        <source>Give a name to save the imported data</source>
        <translation>Assegnare un nome ai dati importati da salvare</translation>
    </message>
    <message>
        <source>ZELTAR Log Files (*.zlog)</source>
        <translation>File di log ZELTAR (*.zlog)</translation>
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
    <name>PeakFrequencyList</name>
    <message>
        <source>The number of</source>
        <translation>Il numero di</translation>
    </message>
    <message>
        <source>lines has</source>
        <translation>righe ha</translation>
    </message>
    <message>
        <source>exceeded the</source>
        <translation>superato il</translation>
    </message>
    <message>
        <source>maximum limit</source>
        <translation>limite massimo</translation>
    </message>
</context>
<context>
    <name>PortPermission</name>
    <message>
        <source> %1 is present but this user may not open it: add the user to the &quot;dialout&quot; group (sudo usermod -aG dialout $USER) and log in again.</source>
        <translation> %1 è presente ma questo utente non può aprirlo: aggiungere l’utente al gruppo “dialout” (sudo usermod -aG dialout $USER) e accedere di nuovo.</translation>
    </message>
</context>
<context>
    <name>PublishOptions</name>
    <message>
        <source>The broker&apos;s host name is missing.</source>
        <translation>Manca il nome host del broker.</translation>
    </message>
    <message>
        <source>The broker&apos;s port must be between 1 and 65535.</source>
        <translation>La porta del broker deve essere compresa tra 1 e 65535.</translation>
    </message>
    <message>
        <source>The base topic must not be empty, begin or end with &apos;/&apos; or contain &apos;+&apos; or &apos;#&apos;.</source>
        <translation>Il topic di base non deve essere vuoto, iniziare o finire con “/” né contenere “+” o “#”.</translation>
    </message>
    <message>
        <source>The meter name must not be empty or contain &apos;/&apos;, &apos;+&apos; or &apos;#&apos;.</source>
        <translation>Il nome dello strumento non deve essere vuoto né contenere “/”, “+” o “#”.</translation>
    </message>
    <message>
        <source>The discovery prefix must not be empty, begin or end with &apos;/&apos; or contain &apos;+&apos; or &apos;#&apos;.</source>
        <translation>Il prefisso di rilevamento non deve essere vuoto, iniziare o finire con “/” né contenere “+” o “#”.</translation>
    </message>
</context>
<context>
    <name>RecordCommands</name>
    <message>
        <source>File deletion is allowed only within the &quot;Log&quot; or &quot;Archive&quot; directory</source>
        <translation>L’eliminazione dei file è consentita solo nella cartella “Log” o “Archive”</translation>
    </message>
    <message>
        <source>Do you really want to delete the highlighted files ?</source>
        <translation>Eliminare davvero i file selezionati?</translation>
    </message>
    <message>
        <source>You have highlighted the file currently being recorded (%1). It will not be deleted.</source>
        <translation>È stato selezionato il file in corso di registrazione (%1). Non verrà eliminato.</translation>
    </message>
    <message>
        <source>These files could not be moved to the recycle bin and were not deleted:
</source>
        <translation>Non è stato possibile spostare questi file nel cestino e non sono stati eliminati:
</translation>
    </message>
    <message>
        <source>You can archive or restore files only if the current directory is the default &quot;Log&quot; directory or its &quot;Archive&quot; folder, respectively</source>
        <translation>È possibile archiviare i file solo dalla cartella predefinita “Log” e ripristinarli solo dalla sua cartella “Archive”</translation>
    </message>
    <message>
        <source>You have highlighted the file currently being recorded (%1). It will not be moved.</source>
        <translation>È stato selezionato il file in corso di registrazione (%1). Non verrà spostato.</translation>
    </message>
    <message>
        <source>The Histogram files corresponding to the Log files you have selected do not exist. Densities cannot be shown.</source>
        <translation>I file di istogramma delle registrazioni selezionate non esistono. Le densità non possono essere mostrate.</translation>
    </message>
    <message>
        <source>%1 Histogram files corresponding to the Log files you have selected do not exist. The density will be shown only for the existing files</source>
        <translation>File di istogramma mancanti per le registrazioni selezionate: %1. La densità sarà mostrata solo per i file esistenti</translation>
    </message>
</context>
<context>
    <name>RecordExportCommands</name>
    <message>
        <source>%1 is a file of the record itself and cannot be replaced by the export</source>
        <translation>%1 è un file della registrazione stessa e non può essere sostituito dall’esportazione</translation>
    </message>
    <message>
        <source>Give a name to save the report</source>
        <translation>Assegnare un nome al rapporto da salvare</translation>
    </message>
    <message>
        <source>PDF Documents (*.pdf)</source>
        <translation>Documenti PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Give a name to save the CSV file</source>
        <translation>Assegnare un nome al file CSV da salvare</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>Exporting &quot;%1&quot; as CSV…</source>
        <translation>Esportazione di “%1” in CSV…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Give a name to save the picture</source>
        <translation>Assegnare un nome all’immagine da salvare</translation>
    </message>
    <message>
        <source>PNG Pictures (*.png);;SVG Pictures (*.svg)</source>
        <translation>Immagini PNG (*.png);;Immagini SVG (*.svg)</translation>
    </message>
</context>
<context>
    <name>RecordInfo</name>
    <message>
        <source>%1 bytes</source>
        <translation>%1 byte</translation>
    </message>
</context>
<context>
    <name>RecordInfoPanel</name>
    <message>
        <source> Meta Data</source>
        <translation> Metadati</translation>
    </message>
    <message>
        <source> Operator</source>
        <translation> Operatore</translation>
    </message>
    <message>
        <source> Place</source>
        <translation> Luogo</translation>
    </message>
    <message>
        <source> Notes</source>
        <translation> Note</translation>
    </message>
    <message>
        <source> Date and Time</source>
        <translation> Data e ora</translation>
    </message>
    <message>
        <source> Irradiance Unit</source>
        <translation> Unità di misura</translation>
    </message>
    <message>
        <source> Correction</source>
        <translation> Correzione</translation>
    </message>
    <message>
        <source> Interval</source>
        <translation> Intervallo</translation>
    </message>
    <message>
        <source> Log Info</source>
        <translation> Registrazione</translation>
    </message>
    <message>
        <source> File Size</source>
        <translation> Dimensione del file</translation>
    </message>
    <message>
        <source> Samples</source>
        <translation> Misure</translation>
    </message>
    <message>
        <source> Duration</source>
        <translation> Durata</translation>
    </message>
    <message>
        <source> Histogram of dBmW/m²</source>
        <translation> Istogramma dei dBmW/m²</translation>
    </message>
    <message>
        <source>Histogram not available</source>
        <translation>Istogramma non disponibile</translation>
    </message>
    <message>
        <source>Histogram of dBmW/m²</source>
        <translation>Istogramma dei dBmW/m²</translation>
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
    <name>ReportTexts</name>
    <message>
        <source>Record report: %1</source>
        <translation>Rapporto della registrazione: %1</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Registrazione</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operatore</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Luogo</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervallo</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Correction</source>
        <translation>Correzione</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>Campioni</translation>
    </message>
    <message>
        <source>%1 dB</source>
        <translation>%1 dB</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Massimo</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimo</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Escursione</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Moda</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>Grafici</translation>
    </message>
    <message>
        <source>Risk categories (population: %1, state: %2)</source>
        <translation>Categorie di rischio (popolazione: %1, stato: %2)</translation>
    </message>
    <message>
        <source>General</source>
        <translation>generale</translation>
    </message>
    <message>
        <source>Sensitive</source>
        <translation>sensibile</translation>
    </message>
    <message>
        <source>Wake</source>
        <translation>veglia</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>sonno</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoria</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Quota</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>&lt; 1 min</source>
        <translation>&lt; 1 min</translation>
    </message>
    <message>
        <source>&lt; %1 %</source>
        <translation>&lt; %1 %</translation>
    </message>
    <message>
        <source>Exposure against the ICNIRP 2020 reference levels</source>
        <translation>Esposizione rispetto ai livelli di riferimento ICNIRP 2020</translation>
    </message>
    <message>
        <source>Highest 30-minute average</source>
        <translation>Media su 30 minuti più alta</translation>
    </message>
    <message>
        <source>Average over the whole record</source>
        <translation>Media sull’intera registrazione</translation>
    </message>
    <message>
        <source>Highest single sample</source>
        <translation>Campione singolo più alto</translation>
    </message>
    <message>
        <source>Power density as a share of the reference level for the general public, whole body, averaged over 30 minutes (ICNIRP 2020 guidelines, Table 5), at the peak frequency of each sample; below 30 MHz, above 300 GHz and where no frequency was reported, the strictest level of 2 W/m² is taken.</source>
        <translation>Densità di potenza come quota del livello di riferimento per la popolazione, corpo intero, mediata su 30 minuti (linee guida ICNIRP 2020, tabella 5), alla frequenza di picco di ogni campione; sotto 30 MHz, sopra 300 GHz e dove non è indicata alcuna frequenza si assume il livello più restrittivo di 2 W/m².</translation>
    </message>
    <message>
        <source>The record is shorter than 30 minutes, so its whole length (%1) is averaged.</source>
        <translation>La registrazione dura meno di 30 minuti: la media è calcolata sull’intera durata (%1).</translation>
    </message>
    <message>
        <source>A broadband meter reports only the peak frequency of a reading, so the reference level taken for each sample is an approximation.</source>
        <translation>Uno strumento a banda larga indica solo la frequenza di picco di una misura: il livello di riferimento assunto per ogni campione è quindi approssimato.</translation>
    </message>
    <message>
        <source>This record is damaged</source>
        <translation>Questa registrazione è danneggiata</translation>
    </message>
    <message>
        <source>Alert episodes (from &quot;%1&quot; up, ended after %2 s below)</source>
        <translation>Episodi di allarme (da “%1” in su, conclusi dopo %2 s al di sotto)</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>Picco</translation>
    </message>
    <message>
        <source>still on at the end</source>
        <translation>ancora in corso alla fine</translation>
    </message>
    <message>
        <source>No reading of this record reached the alert limit.</source>
        <translation>Nessuna misura di questa registrazione ha raggiunto la soglia di allarme.</translation>
    </message>
    <message>
        <source>Further episodes, not listed: %1.</source>
        <translation>Altri episodi, non elencati: %1.</translation>
    </message>
    <message>
        <source>Most frequent peak frequencies</source>
        <translation>Frequenze di picco più ricorrenti</translation>
    </message>
    <message>
        <source>Peak frequency (MHz)</source>
        <translation>Frequenza di picco (MHz)</translation>
    </message>
    <message>
        <source>Shares of the %1 samples that reported a peak frequency.</source>
        <translation>Quote dei %1 campioni che hanno indicato una frequenza di picco.</translation>
    </message>
    <message>
        <source>No sample of this record reported a peak frequency.</source>
        <translation>Nessun campione di questa registrazione ha indicato una frequenza di picco.</translation>
    </message>
    <message>
        <source>%1 %2 - report created %3</source>
        <translation>%1 %2 - rapporto creato il %3</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
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
    <name>StatisticsPanel</name>
    <message>
        <source>Click to hide/show additional statistics</source>
        <translation>Fare clic per nascondere/mostrare le statistiche aggiuntive</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Moda</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Intervallo</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Media</translation>
    </message>
</context>
<context>
    <name>TAcquisitionBar</name>
    <message>
        <source>Toggle alerts (on/off)</source>
        <translation>Attivare/disattivare gli allarmi</translation>
    </message>
    <message>
        <source>Start Listening</source>
        <translation>Avviare l’ascolto</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Start Recording</source>
        <translation>Avviare la registrazione</translation>
    </message>
    <message>
        <source>Stop Listening/Recording</source>
        <translation>Fermare l’ascolto/la registrazione</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Riavviare</translation>
    </message>
    <message>
        <source>Peak Frequency: %1</source>
        <translation>Frequenza di picco: %1</translation>
    </message>
</context>
<context>
    <name>TAcquisitionControl</name>
    <message>
        <source>Please connect a ZELTAR device first</source>
        <translation>Collegare prima uno strumento ZELTAR</translation>
    </message>
    <message>
        <source>Are you sure you want to stop recording?</source>
        <translation>Interrompere davvero la registrazione?</translation>
    </message>
    <message>
        <source>Are you sure you want to start over the recording?</source>
        <translation>Ricominciare davvero la registrazione da capo?</translation>
    </message>
</context>
<context>
    <name>TAcquisitionSession</name>
    <message>
        <source>The number of acquired samples is exceedingly large. The counter will not be updated anymore, owever you can keep logging the data</source>
        <translation>Il numero di campioni acquisiti è eccessivo. Il contatore non verrà più aggiornato, ma è possibile continuare a registrare i dati</translation>
    </message>
    <message>
        <source>   Data has been saved</source>
        <translation>   I dati sono stati salvati</translation>
    </message>
    <message>
        <source>   On Hold</source>
        <translation>   In pausa (HOLD)</translation>
    </message>
    <message>
        <source>   The ZELTAR device has been disconnected: the recording waits for it to be connected again</source>
        <translation>   Lo strumento ZELTAR è stato scollegato: la registrazione attende che venga ricollegato</translation>
    </message>
    <message>
        <source>   The ZELTAR device has been disconnected: waiting for it to be connected again</source>
        <translation>   Lo strumento ZELTAR è stato scollegato: in attesa che venga ricollegato</translation>
    </message>
    <message>
        <source>Please make sure the ZELTAR device is on HOLD before proceeding (if not, the application may crush)</source>
        <translation>Verificare che lo strumento ZELTAR sia in HOLD prima di procedere (altrimenti l’applicazione potrebbe bloccarsi)</translation>
    </message>
    <message>
        <source>   Waiting for data to be sent from ZELTAR device...</source>
        <translation>   In attesa dei dati dallo strumento ZELTAR…</translation>
    </message>
    <message>
        <source>   Importing data from ZELTAR device...</source>
        <translation>   Importazione dei dati dallo strumento ZELTAR…</translation>
    </message>
    <message>
        <source>   Plotting data...</source>
        <translation>   Tracciamento dei dati…</translation>
    </message>
    <message>
        <source>No measurement has been received from the ZELTAR device</source>
        <translation>Nessuna misura è stata ricevuta dallo strumento ZELTAR</translation>
    </message>
    <message>
        <source>Are you sure you want to stop recording?</source>
        <translation>Interrompere la registrazione?</translation>
    </message>
</context>
<context>
    <name>TAcquisitionSettingsPanel</name>
    <message>
        <source>Time Interval used by the ZELTAR device to send data</source>
        <translation>Intervallo di tempo usato dallo strumento ZELTAR per inviare i dati</translation>
    </message>
    <message>
        <source>Click to hide/show this control bar</source>
        <translation>Fare clic per nascondere/mostrare questo pannello</translation>
    </message>
    <message>
        <source>Input data</source>
        <translation>Dati in ingresso</translation>
    </message>
    <message>
        <source>Interval </source>
        <translation>Intervallo </translation>
    </message>
    <message>
        <source>Correction (dB)</source>
        <translation>Correzione (dB)</translation>
    </message>
    <message>
        <source> Irradiance Unit </source>
        <translation> Unità di misura </translation>
    </message>
    <message>
        <source>Unit used by the ZELTAR device to send data</source>
        <translation>Unità usata dallo strumento ZELTAR per inviare i dati</translation>
    </message>
    <message>
        <source>Visualization</source>
        <translation>Visualizzazione</translation>
    </message>
    <message>
        <source># Points</source>
        <translation>N. punti</translation>
    </message>
    <message>
        <source>Risk Assessment</source>
        <translation>Rischio</translation>
    </message>
    <message>
        <source> Population </source>
        <translation> Popolazione </translation>
    </message>
    <message>
        <source>General</source>
        <translation>generale</translation>
    </message>
    <message>
        <source>Sensitive</source>
        <translation>sensibile</translation>
    </message>
    <message>
        <source>Set the Target Population for risk assessment</source>
        <translation>Scegliere la popolazione di riferimento per la valutazione del rischio</translation>
    </message>
    <message>
        <source> State </source>
        <translation> Stato </translation>
    </message>
    <message>
        <source>Wake</source>
        <translation>veglia</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>sonno</translation>
    </message>
    <message>
        <source>Set the Target State for risk assessment</source>
        <translation>Scegliere lo stato di riferimento per la valutazione del rischio</translation>
    </message>
</context>
<context>
    <name>TAlertsControl</name>
    <message>
        <source>Alert: the readings have reached %1</source>
        <translation>Allarme: le misure hanno raggiunto %1</translation>
    </message>
    <message>
        <source>Reading: %1</source>
        <translation>Misura: %1</translation>
    </message>
    <message>
        <source>   Alert: the readings have reached %1 (peak %2)</source>
        <translation>   Allarme: le misure hanno raggiunto %1 (picco %2)</translation>
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
    <name>TBrokerLink</name>
    <message>
        <source>broker connected</source>
        <translation>broker connesso</translation>
    </message>
    <message>
        <source>the CA file %1 cannot be read</source>
        <translation>impossibile leggere il file CA %1</translation>
    </message>
    <message>
        <source>broker lost</source>
        <translation>connessione al broker persa</translation>
    </message>
    <message>
        <source>broker refused the user name or password</source>
        <translation>il broker ha rifiutato il nome utente o la password</translation>
    </message>
    <message>
        <source>broker refused the connection: %1</source>
        <translation>il broker ha rifiutato la connessione: %1</translation>
    </message>
    <message>
        <source>TLS failure with the broker: %1</source>
        <translation>errore TLS con il broker: %1</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>nessuna risposta</translation>
    </message>
    <message>
        <source>broker not reachable at %1:%2 (%3)</source>
        <translation>broker non raggiungibile su %1:%2 (%3)</translation>
    </message>
</context>
<context>
    <name>TChartsPanel</name>
    <message>
        <source>Color code for Risk Assessment</source>
        <translation>Codice colore della valutazione del rischio</translation>
    </message>
    <message>
        <source>Risk categories corresponding to the above color code</source>
        <translation>Categorie di rischio corrispondenti al codice colore qui sopra</translation>
    </message>
</context>
<context>
    <name>TComPort</name>
    <message>
        <source>TCOMPORT : cannot open </source>
        <translation>TCOMPORT: impossibile aprire </translation>
    </message>
</context>
<context>
    <name>TDensityAnalyser</name>
    <message>
        <source>No density has been analyzed yet. To do so, select in the &quot;Analysis&quot; menu the &quot;Density&quot; option</source>
        <translation>Nessuna densità è stata ancora analizzata. Per farlo, scegliere l’opzione “Densità” nel menu “Analisi”</translation>
    </message>
    <message>
        <source>These histogram files could not be read; their densities are not shown:

</source>
        <translation>Non è stato possibile leggere questi file di istogramma; le loro densità non sono mostrate:

</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Salvare l’immagine…</translation>
    </message>
    <message>
        <source>Save the chart as a PNG or SVG picture</source>
        <translation>Salvare il grafico come immagine PNG o SVG</translation>
    </message>
    <message>
        <source>   Picture saved to %1</source>
        <translation>   Immagine salvata in %1</translation>
    </message>
    <message>
        <source>Density Analyser</source>
        <translation>Analizzatore di densità</translation>
    </message>
    <message>
        <source>Line Width</source>
        <translation>Spessore linea</translation>
    </message>
</context>
<context>
    <name>TExportChoiceDialog</name>
    <message>
        <source>What do you want to write for the record &quot;%1&quot;?</source>
        <translation>Che cosa scrivere per la registrazione “%1”?</translation>
    </message>
    <message>
        <source>PDF report…</source>
        <translation>Rapporto PDF…</translation>
    </message>
    <message>
        <source>CSV file…</source>
        <translation>File CSV…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>The meta data file associated to the log file you have selected has not been found. Default control parameters will be used, but they may not be appropriate for the recording.</source>
        <translation>Il file dei metadati associato alla registrazione selezionata non è stato trovato. Saranno usati i parametri predefiniti, che potrebbero non essere adatti alla registrazione.</translation>
    </message>
</context>
<context>
    <name>TFileManager</name>
    <message>
        <source>File Manager - open Density Files</source>
        <translation>Gestione file - aprire file di densità</translation>
    </message>
    <message>
        <source>File Manager - export a Log File</source>
        <translation>Gestione file - esportare una registrazione</translation>
    </message>
    <message>
        <source>File Manager - open a Log File</source>
        <translation>Gestione file - aprire una registrazione</translation>
    </message>
    <message>
        <source>Unexpected Error: Log directory does not exist</source>
        <translation>Errore imprevisto: la cartella “Log” non esiste</translation>
    </message>
    <message>
        <source>Please select at least one Log File</source>
        <translation>Selezionare almeno una registrazione</translation>
    </message>
    <message>
        <source> Log Files</source>
        <translation> Registrazioni</translation>
    </message>
    <message>
        <source>Archive/Restore highlighted files</source>
        <translation>Archiviare/ripristinare i file selezionati</translation>
    </message>
    <message>
        <source>Delete highlighted files</source>
        <translation>Eliminare i file selezionati</translation>
    </message>
    <message>
        <source>Open the selected file(s)</source>
        <translation>Aprire i file selezionati</translation>
    </message>
</context>
<context>
    <name>TFolderPicker</name>
    <message>
        <source> Drive</source>
        <translation> Unità</translation>
    </message>
    <message>
        <source> Directory</source>
        <translation> Cartella</translation>
    </message>
    <message>
        <source>Open current directory in Windows explorer</source>
        <translation>Aprire la cartella corrente in Esplora risorse di Windows</translation>
    </message>
</context>
<context>
    <name>THelpMenu</name>
    <message>
        <source>The requirred pdf file has not been found. Please reinstall the application.</source>
        <translation>Il file PDF richiesto non è stato trovato. Reinstallare l’applicazione.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manuale</translation>
    </message>
    <message>
        <source>&amp;Risk Evaluation</source>
        <translation>Valutazione del &amp;rischio</translation>
    </message>
    <message>
        <source>Open Log directory</source>
        <translation>Aprire la cartella dei log</translation>
    </message>
</context>
<context>
    <name>TLiveChartsPanel</name>
    <message>
        <source>Current</source>
        <translation>Attuale</translation>
    </message>
    <message>
        <source>Current Peak</source>
        <translation>Picco attuale</translation>
    </message>
    <message>
        <source>Maximum Peak observed so far</source>
        <translation>Picco massimo osservato finora</translation>
    </message>
    <message>
        <source>Peak value (± 0.5dB) more often observed</source>
        <translation>Valore di picco (± 0.5dB) osservato più spesso</translation>
    </message>
    <message>
        <source>The ratio max/min in dB</source>
        <translation>Il rapporto max/min in dB</translation>
    </message>
    <message>
        <source>Minimum Peak observed so far</source>
        <translation>Picco minimo osservato finora</translation>
    </message>
    <message>
        <source>%1 risk</source>
        <comment>the risk category, then its caption</comment>
        <translation>Rischio %1</translation>
    </message>
</context>
<context>
    <name>TMainWindow</name>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Dati</translation>
    </message>
    <message>
        <source>&amp;Open record</source>
        <translation>&amp;Aprire una registrazione</translation>
    </message>
    <message>
        <source>&amp;Export record…</source>
        <translation>&amp;Esportare una registrazione…</translation>
    </message>
    <message>
        <source>&amp;Import from device</source>
        <translation>&amp;Importare dallo strumento</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <translation>Ac&amp;quisizione</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Ascoltare</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Registrare</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Fermare</translation>
    </message>
    <message>
        <source>Res&amp;tart</source>
        <translation>Ria&amp;vviare</translation>
    </message>
    <message>
        <source>&amp;Schedule end</source>
        <translation>Programmare la fi&amp;ne</translation>
    </message>
    <message>
        <source>&amp;Alerts…</source>
        <translation>A&amp;llarmi…</translation>
    </message>
    <message>
        <source>Publish readings…</source>
        <translation>Pubblicare le misure…</translation>
    </message>
    <message>
        <source>&amp;Analysis</source>
        <translation>A&amp;nalisi</translation>
    </message>
    <message>
        <source>&amp;Density</source>
        <translation>&amp;Densità</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Control Panel</source>
        <translation>&amp;Pannello di controllo</translation>
    </message>
    <message>
        <source>&amp;Density Analyser</source>
        <translation>Analizzatore di &amp;densità</translation>
    </message>
    <message>
        <source>Currently recording. Are you sure you want to stop recording and close the application?</source>
        <translation>Registrazione in corso. Interrompere davvero la registrazione e chiudere l’applicazione?</translation>
    </message>
    <message>
        <source>  ZELTAR Logger</source>
        <translation>  ZELTAR Logger</translation>
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
    <name>TMeterConnection</name>
    <message>
        <source>Please connect the ZELTAR via USB cable to the PC</source>
        <translation>Collegare lo ZELTAR al PC con il cavo USB</translation>
    </message>
    <message>
        <source>Waiting...</source>
        <translation>In attesa…</translation>
    </message>
    <message>
        <source>  Connect a ZELTAR device or open a record (from the &quot;Data&quot; menu or just click here)</source>
        <translation>  Collegare uno strumento ZELTAR o aprire una registrazione (dal menu “Dati” o facendo clic qui)</translation>
    </message>
    <message>
        <source>Logging is not supported in dBm unit. Please change unit by clicking on the &quot;UNIT&quot; button of ZELTAR device</source>
        <translation>La registrazione non è possibile in dBm. Cambiare unità con il tasto “UNIT” dello strumento ZELTAR</translation>
    </message>
    <message>
        <source>Please connect your ZELTAR device to the PC via USB port and run this application again. If you have already connected the device, just start the application again. If this message appears again, re-connect the device.</source>
        <translation>Collegare lo strumento ZELTAR al PC tramite la porta USB e riavviare questa applicazione. Se lo strumento è già collegato, riavviare semplicemente l’applicazione. Se il messaggio ricompare, ricollegare lo strumento.</translation>
    </message>
    <message>
        <source>   1 line received while a message was open has been dropped</source>
        <translation>   1 riga ricevuta mentre era aperto un messaggio è stata scartata</translation>
    </message>
    <message>
        <source>   %1 lines received while a message was open have been dropped</source>
        <translation>   %1 righe ricevute mentre era aperto un messaggio sono state scartate</translation>
    </message>
</context>
<context>
    <name>TPublishDialog</name>
    <message>
        <source>Publish readings</source>
        <translation>Pubblicare le misure</translation>
    </message>
    <message>
        <source>Publish the readings to an MQTT broker</source>
        <translation>Pubblicare le misure su un broker MQTT</translation>
    </message>
    <message>
        <source>Broker host:</source>
        <translation>Host del broker:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Nome utente:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Use TLS</source>
        <translation>Usare TLS</translation>
    </message>
    <message>
        <source>CA file (optional):</source>
        <translation>File CA (facoltativo):</translation>
    </message>
    <message>
        <source>Base topic:</source>
        <translation>Topic di base:</translation>
    </message>
    <message>
        <source>Meter name:</source>
        <translation>Nome dello strumento:</translation>
    </message>
    <message>
        <source>Home Assistant discovery</source>
        <translation>Rilevamento Home Assistant</translation>
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
<context>
    <name>TPublishingControl</name>
    <message>
        <source>   The readings are not published: %1</source>
        <translation>   Le misure non vengono pubblicate: %1</translation>
    </message>
    <message>
        <source>   Publishing: %1</source>
        <translation>   Pubblicazione: %1</translation>
    </message>
</context>
<context>
    <name>TRecordViewer</name>
    <message>
        <source>   Opening log file &quot;%1&quot;</source>
        <translation>   Apertura della registrazione “%1”</translation>
    </message>
    <message>
        <source>ERROR WRITING TEMP FILE</source>
        <translation>ERRORE DI SCRITTURA DEL FILE TEMPORANEO</translation>
    </message>
    <message>
        <source>   The record cannot be shown: %1</source>
        <translation>   La registrazione non può essere mostrata: %1</translation>
    </message>
    <message>
        <source>The meta data file associated to the log file you have selected has not been found. Default control parameters will be used, but they may not be appropriate for the recording.</source>
        <translation>Il file dei metadati associato alla registrazione selezionata non è stato trovato. Saranno usati i parametri predefiniti, che potrebbero non essere adatti alla registrazione.</translation>
    </message>
    <message>
        <source>The meta data file associated to the log file you have selected cannot be read (%1). Default control parameters will be used, but they may not be appropriate for the recording.</source>
        <translation>Il file dei metadati associato alla registrazione selezionata non può essere letto (%1). Saranno usati i parametri predefiniti, che potrebbero non essere adatti alla registrazione.</translation>
    </message>
    <message>
        <source>The selected file is empty. Do you want to move it to the recycle bin?</source>
        <translation>Il file selezionato è vuoto. Spostarlo nel cestino?</translation>
    </message>
    <message>
        <source>The file could not be moved to the recycle bin
</source>
        <translation>Non è stato possibile spostare il file nel cestino
</translation>
    </message>
    <message>
        <source>Samples: %1</source>
        <translation>Misure: %1</translation>
    </message>
    <message>
        <source>Exposure over the whole record: %1
Highest sample: %2</source>
        <translation>Esposizione complessiva: %1
Misura massima: %2</translation>
    </message>
    <message>
        <source>Exposure over 30 minutes: %1
Highest sample: %2</source>
        <translation>Esposizione su 30 minuti: %1
Misura massima: %2</translation>
    </message>
    <message>
        <source>  Log file: %1 | Operator: %2 | Place: %3</source>
        <translation>  Registrazione: %1 | Operatore: %2 | Luogo: %3</translation>
    </message>
    <message>
        <source>  Started: %1 | Interval: %2 | Unit: %3 | Correction: %4(dB)</source>
        <translation>  Inizio: %1 | Intervallo: %2 | Unità: %3 | Correzione: %4(dB)</translation>
    </message>
    <message>
        <source>   Notes: %1</source>
        <translation>   Note: %1</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esportare</translation>
    </message>
    <message>
        <source>Save the record shown as a PDF report, a CSV file or a picture</source>
        <translation>Salvare la registrazione mostrata come rapporto PDF, file CSV o immagine</translation>
    </message>
    <message>
        <source>Save report as PDF…</source>
        <translation>Salvare il rapporto in PDF…</translation>
    </message>
    <message>
        <source>Export as CSV…</source>
        <translation>Esportare in CSV…</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Salvare l’immagine…</translation>
    </message>
    <message>
        <source>   Report saved to %1</source>
        <translation>   Rapporto salvato in %1</translation>
    </message>
    <message>
        <source>   CSV file saved to %1</source>
        <translation>   File CSV salvato in %1</translation>
    </message>
    <message>
        <source>   Picture saved to %1</source>
        <translation>   Immagine salvata in %1</translation>
    </message>
    <message>
        <source>  ZELTAR Logger</source>
        <translation>  ZELTAR Logger</translation>
    </message>
    <message>
        <source>Click to hide/show this control bar</source>
        <translation>Fare clic per nascondere/mostrare questa barra dei comandi</translation>
    </message>
    <message>
        <source>Peak Frequencies</source>
        <translation>Freq. di picco</translation>
    </message>
    <message>
        <source>Risk Assessment</source>
        <translation>Rischio</translation>
    </message>
    <message>
        <source> Population </source>
        <translation> Popolazione </translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Sensitive</source>
        <translation>Sensibile</translation>
    </message>
    <message>
        <source> State </source>
        <translation> Stato </translation>
    </message>
    <message>
        <source>Wake</source>
        <translation>Veglia</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>Sonno</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>Cursore</translation>
    </message>
    <message>
        <source>Power density as a share of the ICNIRP 2020 reference level for the general public: the highest 30-minute average (the whole record when it is shorter) and the highest single sample</source>
        <translation>Densità di potenza come quota del livello di riferimento ICNIRP 2020 per la popolazione: la media su 30 minuti più alta (l’intera registrazione se più breve) e la singola misura più alta</translation>
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
<context>
    <name>TStatusLine</name>
    <message>
        <source>Clock and serial number of the current Peak sample</source>
        <translation>Orologio e numero progressivo del campione di picco attuale</translation>
    </message>
    <message>
        <source>   The record is incomplete: nothing is being written to its log</source>
        <translation>   La registrazione è incompleta: nel suo log non viene più scritto nulla</translation>
    </message>
    <message>
        <source>   Playing since %1; Last max on %2</source>
        <translation>   In ascolto dal %1; ultimo max il %2</translation>
    </message>
    <message>
        <source>   Recording since %1; Last max on %2</source>
        <translation>   In registrazione dal %1; ultimo max il %2</translation>
    </message>
    <message>
        <source>Samples: %1</source>
        <translation>Misure: %1</translation>
    </message>
</context>
<context>
    <name>UnsavedRecord</name>
    <message>
        <source>1 sample could not be written to its log</source>
        <translation>1 campione non è stato scritto nel suo log</translation>
    </message>
    <message>
        <source>%1 samples could not be written to its log</source>
        <translation>%1 campioni non sono stati scritti nel suo log</translation>
    </message>
    <message>
        <source>%1 could not be written</source>
        <translation>%1 non è stato scritto</translation>
    </message>
    <message>
        <source>%1 and %2 could not be written</source>
        <translation>%1 e %2 non sono stati scritti</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>   The record is incomplete: %1</source>
        <translation>   La registrazione è incompleta: %1</translation>
    </message>
    <message>
        <source>   The record is incomplete: %1; %2</source>
        <translation>   La registrazione è incompleta: %1; %2</translation>
    </message>
</context>
</TS>
