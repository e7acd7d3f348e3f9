<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AppPaths</name>
    <message>
        <source>The folder &quot;%1&quot; cannot be created: %2 (%3). ZELTAR Logger needs it and ends now.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» ne peut pas être créé&#xa0;: %2 (%3). ZELTAR Logger en a besoin et s’arrête.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be written: %2 (%3). ZELTAR Logger needs it and ends now.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» n’est pas accessible en écriture&#xa0;: %2 (%3). ZELTAR Logger en a besoin et s’arrête.</translation>
    </message>
</context>
<context>
    <name>ChartConfigurations</name>
    <message>
        <source>Histogram of dBmW/m²</source>
        <translation>Histogramme des dBmW/m²</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>count</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>Density of dBmW/m²</source>
        <translation>Densité des dBmW/m²</translation>
    </message>
</context>
<context>
    <name>ChartPicture</name>
    <message>
        <source>: pictures are saved as .png or .svg files</source>
        <translation>&#xa0;: les images sont enregistrées en fichiers .png ou .svg</translation>
    </message>
</context>
<context>
    <name>CircBuffer</name>
    <message>
        <source>TCircBuffer CREATE procedure: out of memory error</source>
        <translation>Création du tampon circulaire (TCircBuffer)&#xa0;: mémoire insuffisante</translation>
    </message>
</context>
<context>
    <name>ComTerminator</name>
    <message>
        <source>Terminator string cannot be empty!</source>
        <translation>La chaîne de fin de ligne ne peut pas être vide&#xa0;!</translation>
    </message>
</context>
<context>
    <name>ConvertError</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un nombre entier valide</translation>
    </message>
</context>
<context>
    <name>DecimalSeparators</name>
    <message>
        <source>I cannot determine the local separator. Please report this error to the vsoftware provider. You can keep using the application without any major problem</source>
        <translation>Impossible de déterminer le séparateur décimal du système. Veuillez signaler cette erreur au fournisseur du logiciel. Vous pouvez continuer à utiliser l’application sans problème majeur.</translation>
    </message>
</context>
<context>
    <name>DensityLegend</name>
    <message>
        <source>Legend</source>
        <translation>Légende</translation>
    </message>
    <message>
        <source>%1 (not read)</source>
        <translation>%1 (non lu)</translation>
    </message>
    <message>
        <source>%1 (no samples)</source>
        <translation>%1 (aucune mesure)</translation>
    </message>
</context>
<context>
    <name>DurationText</name>
    <message>
        <source>%1 day</source>
        <translation>%1 jour</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 jours</translation>
    </message>
    <message>
        <source>%1 hour</source>
        <translation>%1 heure</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 heures</translation>
    </message>
    <message>
        <source>%1 minute</source>
        <translation>%1 minute</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutes</translation>
    </message>
    <message>
        <source>%1 second</source>
        <translation>%1 seconde</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 secondes</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>%1 needs a value: %2 or %3</source>
        <translation>%1 demande une valeur&#xa0;: %2 ou %3</translation>
    </message>
    <message>
        <source>bad value for %1: &apos;%2&apos; (expected %3 or %4)</source>
        <translation>valeur incorrecte pour %1&#xa0;: «&#xa0;%2&#xa0;» (attendu&#xa0;: %3 ou %4)</translation>
    </message>
    <message>
        <source>--report needs the name of the PDF to write</source>
        <translation>--report demande le nom du PDF à écrire</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>only one record can be exported at a time (got &apos;%1&apos; and &apos;%2&apos;)</source>
        <translation>un seul enregistrement peut être exporté à la fois (reçu «&#xa0;%1&#xa0;» et «&#xa0;%2&#xa0;»)</translation>
    </message>
    <message>
        <source>no record given</source>
        <translation>aucun enregistrement indiqué</translation>
    </message>
    <message>
        <source>--summary and --report cannot be combined</source>
        <translation>--summary et --report ne peuvent pas être combinés</translation>
    </message>
    <message>
        <source>: is a file of the record itself; choose another name for the report</source>
        <translation>&#xa0;: est un fichier de l’enregistrement lui-même&#xa0;; choisissez un autre nom pour le rapport</translation>
    </message>
    <message>
        <source>cannot read the risk palette &apos;%1&apos;</source>
        <translation>impossible de lire la palette des risques «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1 (see --help)</source>
        <translation>%1 (voir --help)</translation>
    </message>
    <message>
        <source>: no such file</source>
        <translation>&#xa0;: fichier introuvable</translation>
    </message>
    <message>
        <source>: not a record file</source>
        <translation>&#xa0;: pas un fichier d’enregistrement</translation>
    </message>
    <message>
        <source>no .meta file beside it; using mW/m², 0.5 sec, correction 0 and the current time as start</source>
        <translation>pas de fichier .meta à côté&#xa0;; valeurs retenues&#xa0;: mW/m², 0.5 sec, correction 0 et l’heure actuelle comme début</translation>
    </message>
    <message>
        <source>no .histo file beside it; the recording may not have been stopped</source>
        <translation>pas de fichier .histo à côté&#xa0;; l’enregistrement n’a peut-être pas été arrêté</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>impossible d’écrire la sortie</translation>
    </message>
</context>
<context>
    <name>HandlerErrors</name>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>HistogramFile</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 manque</translation>
    </message>
    <message>
        <source>%1 is not a valid number</source>
        <translation>%1 n’est pas un nombre valide</translation>
    </message>
    <message>
        <source>Invalid histogram file, line %1: %2: %3</source>
        <translation>Fichier d’histogramme non valide, ligne %1&#xa0;: %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>THistogram class, constructor ReadFromFile: the file argument does not exist</source>
        <translation>Lecture de l’histogramme (THistogram::ReadFromFile)&#xa0;: le fichier n’existe pas</translation>
    </message>
    <message>
        <source>the lower bound</source>
        <translation>la borne inférieure</translation>
    </message>
    <message>
        <source>the upper bound</source>
        <translation>la borne supérieure</translation>
    </message>
    <message>
        <source>the number of classes</source>
        <translation>le nombre de classes</translation>
    </message>
    <message>
        <source>%1 classes do not match the bounds %2 and %3</source>
        <translation>%1 classes ne correspondent pas aux bornes %2 et %3</translation>
    </message>
    <message>
        <source>the total</source>
        <translation>le total</translation>
    </message>
    <message>
        <source>the largest count</source>
        <translation>l’effectif le plus grand</translation>
    </message>
    <message>
        <source>the mode</source>
        <translation>le mode</translation>
    </message>
    <message>
        <source>the mode %1 is not one of the %2 classes</source>
        <translation>le mode %1 n’est pas l’une des %2 classes</translation>
    </message>
    <message>
        <source>%1 counts expected, %2 lines left</source>
        <translation>%1 effectifs attendus, %2 lignes restantes</translation>
    </message>
    <message>
        <source>a count</source>
        <translation>un effectif</translation>
    </message>
    <message>
        <source>THistogram Class, Procedure WriteToFile: the argument file already exists. Do you want to overwrite it?</source>
        <translation>Enregistrement de l’histogramme (THistogram::WriteToFile)&#xa0;: le fichier existe déjà. Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>THistogram CREATE procedure: out of memory error</source>
        <translation>Création de l’histogramme (THistogram)&#xa0;: mémoire insuffisante</translation>
    </message>
</context>
<context>
    <name>ImportSaveDialog</name>
    <message>
        <source>Give a name to save the imported data</source>
        <translation>Nommez le fichier des données importées</translation>
    </message>
    <message>
        <source>ZELTAR Log Files (*.zlog)</source>
        <translation>Fichiers journaux ZELTAR (*.zlog)</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>The language changes when ZELTAR Logger is started again.</source>
        <translation>La langue change au prochain démarrage de ZELTAR Logger.</translation>
    </message>
</context>
<context>
    <name>LastSettings</name>
    <message>
        <source>line %1 is not an integer: &apos;%2&apos;</source>
        <translation>la ligne %1 n’est pas un nombre entier&#xa0;: «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>line 4 is not a number of points: &apos;%1&apos;</source>
        <translation>la ligne 4 n’est pas un nombre de points&#xa0;: «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the file holds %1 of its %2 lines</source>
        <translation>le fichier ne contient que %1 de ses %2 lignes</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
</context>
<context>
    <name>LogFile</name>
    <message>
        <source>No %1 file can be written without the name of a record: %2</source>
        <translation>Aucun fichier %1 ne peut être écrit sans le nom d’un enregistrement&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>MetaData</name>
    <message>
        <source>Read beyond end of file (%1 of %2 bytes): %3</source>
        <translation>Lecture au-delà de la fin du fichier (%1 octets sur %2)&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>MetaPlausibility</name>
    <message>
        <source>unit</source>
        <translation>unité</translation>
    </message>
    <message>
        <source>correction</source>
        <translation>correction</translation>
    </message>
    <message>
        <source>interval</source>
        <translation>intervalle</translation>
    </message>
    <message>
        <source>start time</source>
        <translation>heure de début</translation>
    </message>
    <message>
        <source>The meta data file holds values that cannot be right: %1. %2 is used instead.</source>
        <translation>Le fichier de métadonnées contient des valeurs impossibles&#xa0;: %1. La valeur %2 est utilisée à la place.</translation>
    </message>
    <message>
        <source>The meta data file holds values that cannot be right: %1. %2 are used instead.</source>
        <translation>Le fichier de métadonnées contient des valeurs impossibles&#xa0;: %1. Les valeurs %2 sont utilisées à la place.</translation>
    </message>
</context>
<context>
    <name>PeakFrequencyList</name>
    <message>
        <source>The number of</source>
        <translation>Le nombre de</translation>
    </message>
    <message>
        <source>lines has</source>
        <translation>lignes a</translation>
    </message>
    <message>
        <source>exceeded the</source>
        <translation>dépassé la</translation>
    </message>
    <message>
        <source>maximum limit</source>
        <translation>limite maximale</translation>
    </message>
</context>
<context>
    <name>PortPermission</name>
    <message>
        <source> %1 is present but this user may not open it: add the user to the &quot;dialout&quot; group (sudo usermod -aG dialout $USER) and log in again.</source>
        <translation> %1 est présent mais cet utilisateur ne peut pas l’ouvrir&#xa0;: ajoutez l’utilisateur au groupe «&#xa0;dialout&#xa0;» (sudo usermod -aG dialout $USER) et reconnectez-vous.</translation>
    </message>
</context>
<context>
    <name>PublishOptions</name>
    <message>
        <source>The broker&apos;s host name is missing.</source>
        <translation>Le nom d’hôte du broker est manquant.</translation>
    </message>
    <message>
        <source>The broker&apos;s port must be between 1 and 65535.</source>
        <translation>Le port du broker doit être compris entre 1 et 65535.</translation>
    </message>
    <message>
        <source>The base topic must not be empty, begin or end with &apos;/&apos; or contain &apos;+&apos; or &apos;#&apos;.</source>
        <translation>Le topic de base ne doit être ni vide, ni commencer ou finir par «&#xa0;/&#xa0;», ni contenir «&#xa0;+&#xa0;» ou «&#xa0;#&#xa0;».</translation>
    </message>
    <message>
        <source>The meter name must not be empty or contain &apos;/&apos;, &apos;+&apos; or &apos;#&apos;.</source>
        <translation>Le nom du mesureur ne doit être ni vide, ni contenir «&#xa0;/&#xa0;», «&#xa0;+&#xa0;» ou «&#xa0;#&#xa0;».</translation>
    </message>
    <message>
        <source>The discovery prefix must not be empty, begin or end with &apos;/&apos; or contain &apos;+&apos; or &apos;#&apos;.</source>
        <translation>Le préfixe de découverte ne doit être ni vide, ni commencer ou finir par «&#xa0;/&#xa0;», ni contenir «&#xa0;+&#xa0;» ou «&#xa0;#&#xa0;».</translation>
    </message>
</context>
<context>
    <name>RecordCommands</name>
    <message>
        <source>File deletion is allowed only within the &quot;Log&quot; or &quot;Archive&quot; directory</source>
        <translation>La suppression de fichiers n’est permise que dans le dossier «&#xa0;Log&#xa0;» ou «&#xa0;Archive&#xa0;»</translation>
    </message>
    <message>
        <source>Do you really want to delete the highlighted files ?</source>
        <translation>Voulez-vous vraiment supprimer les fichiers sélectionnés&#xa0;?</translation>
    </message>
    <message>
        <source>You have highlighted the file currently being recorded (%1). It will not be deleted.</source>
        <translation>Vous avez sélectionné le fichier en cours d’enregistrement (%1). Il ne sera pas supprimé.</translation>
    </message>
    <message>
        <source>These files could not be moved to the recycle bin and were not deleted:
</source>
        <translation>Ces fichiers n’ont pas pu être mis à la corbeille et n’ont pas été supprimés&#xa0;:
</translation>
    </message>
    <message>
        <source>You can archive or restore files only if the current directory is the default &quot;Log&quot; directory or its &quot;Archive&quot; folder, respectively</source>
        <translation>Vous ne pouvez archiver des fichiers que depuis le dossier «&#xa0;Log&#xa0;» par défaut, et les restaurer que depuis son dossier «&#xa0;Archive&#xa0;»</translation>
    </message>
    <message>
        <source>You have highlighted the file currently being recorded (%1). It will not be moved.</source>
        <translation>Vous avez sélectionné le fichier en cours d’enregistrement (%1). Il ne sera pas déplacé.</translation>
    </message>
    <message>
        <source>The Histogram files corresponding to the Log files you have selected do not exist. Densities cannot be shown.</source>
        <translation>Les fichiers d’histogramme des enregistrements sélectionnés n’existent pas. Les densités ne peuvent pas être affichées.</translation>
    </message>
    <message>
        <source>%1 Histogram files corresponding to the Log files you have selected do not exist. The density will be shown only for the existing files</source>
        <translation>Fichiers d’histogramme manquants pour les enregistrements sélectionnés&#xa0;: %1. La densité ne sera affichée que pour les fichiers existants</translation>
    </message>
</context>
<context>
    <name>RecordExportCommands</name>
    <message>
        <source>%1 is a file of the record itself and cannot be replaced by the export</source>
        <translation>%1 est un fichier de l’enregistrement lui-même et ne peut pas être remplacé par l’export</translation>
    </message>
    <message>
        <source>Give a name to save the report</source>
        <translation>Nommez le rapport à enregistrer</translation>
    </message>
    <message>
        <source>PDF Documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Give a name to save the CSV file</source>
        <translation>Nommez le fichier CSV à enregistrer</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Exporting &quot;%1&quot; as CSV…</source>
        <translation>Export de «&#xa0;%1&#xa0;» en CSV…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Give a name to save the picture</source>
        <translation>Nommez l’image à enregistrer</translation>
    </message>
    <message>
        <source>PNG Pictures (*.png);;SVG Pictures (*.svg)</source>
        <translation>Images PNG (*.png);;Images SVG (*.svg)</translation>
    </message>
</context>
<context>
    <name>RecordInfo</name>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
</context>
<context>
    <name>RecordInfoPanel</name>
    <message>
        <source> Meta Data</source>
        <translation> Métadonnées</translation>
    </message>
    <message>
        <source> Operator</source>
        <translation> Opérateur</translation>
    </message>
    <message>
        <source> Place</source>
        <translation> Lieu</translation>
    </message>
    <message>
        <source> Notes</source>
        <translation> Notes</translation>
    </message>
    <message>
        <source> Date and Time</source>
        <translation> Date et heure</translation>
    </message>
    <message>
        <source> Irradiance Unit</source>
        <translation> Unité de mesure</translation>
    </message>
    <message>
        <source> Correction</source>
        <translation> Correction</translation>
    </message>
    <message>
        <source> Interval</source>
        <translation> Intervalle</translation>
    </message>
    <message>
        <source> Log Info</source>
        <translation> Enregistrement</translation>
    </message>
    <message>
        <source> File Size</source>
        <translation> Taille du fichier</translation>
    </message>
    <message>
        <source> Samples</source>
        <translation> Mesures</translation>
    </message>
    <message>
        <source> Duration</source>
        <translation> Durée</translation>
    </message>
    <message>
        <source> Histogram of dBmW/m²</source>
        <translation> Histogramme des dBmW/m²</translation>
    </message>
    <message>
        <source>Histogram not available</source>
        <translation>Histogramme non disponible</translation>
    </message>
    <message>
        <source>Histogram of dBmW/m²</source>
        <translation>Histogramme des dBmW/m²</translation>
    </message>
</context>
<context>
    <name>RecycleFiles</name>
    <message>
        <source>no trash folder could be made for it</source>
        <translation>aucune corbeille n’a pu être créée pour ce fichier</translation>
    </message>
</context>
<context>
    <name>ReportTexts</name>
    <message>
        <source>Record report: %1</source>
        <translation>Rapport d’enregistrement&#xa0;: %1</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Opérateur</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Correction</source>
        <translation>Correction</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>Échantillons</translation>
    </message>
    <message>
        <source>%1 dB</source>
        <translation>%1 dB</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>Graphiques</translation>
    </message>
    <message>
        <source>Risk categories (population: %1, state: %2)</source>
        <translation>Catégories de risque (population&#xa0;: %1, état&#xa0;: %2)</translation>
    </message>
    <message>
        <source>General</source>
        <translation>générale</translation>
    </message>
    <message>
        <source>Sensitive</source>
        <translation>sensible</translation>
    </message>
    <message>
        <source>Wake</source>
        <translation>éveil</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>sommeil</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Part</translation>
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
        <translation>&lt; %1&#xa0;%</translation>
    </message>
    <message>
        <source>Exposure against the ICNIRP 2020 reference levels</source>
        <translation>Exposition par rapport aux niveaux de référence ICNIRP 2020</translation>
    </message>
    <message>
        <source>Highest 30-minute average</source>
        <translation>Moyenne sur 30 minutes la plus élevée</translation>
    </message>
    <message>
        <source>Average over the whole record</source>
        <translation>Moyenne sur tout l’enregistrement</translation>
    </message>
    <message>
        <source>Highest single sample</source>
        <translation>Échantillon le plus élevé</translation>
    </message>
    <message>
        <source>Power density as a share of the reference level for the general public, whole body, averaged over 30 minutes (ICNIRP 2020 guidelines, Table 5), at the peak frequency of each sample; below 30 MHz, above 300 GHz and where no frequency was reported, the strictest level of 2 W/m² is taken.</source>
        <translation>Densité de puissance en part du niveau de référence pour le public, corps entier, moyennée sur 30 minutes (lignes directrices ICNIRP 2020, tableau 5), à la fréquence de crête de chaque échantillon&#xa0;; en dessous de 30 MHz, au-dessus de 300 GHz et sans fréquence indiquée, le niveau le plus strict de 2 W/m² est retenu.</translation>
    </message>
    <message>
        <source>The record is shorter than 30 minutes, so its whole length (%1) is averaged.</source>
        <translation>L’enregistrement dure moins de 30 minutes&#xa0;: la moyenne porte sur toute sa durée (%1).</translation>
    </message>
    <message>
        <source>A broadband meter reports only the peak frequency of a reading, so the reference level taken for each sample is an approximation.</source>
        <translation>Un appareil à large bande n’indique que la fréquence de crête d’une mesure&#xa0;: le niveau de référence retenu pour chaque échantillon est donc approché.</translation>
    </message>
    <message>
        <source>This record is damaged</source>
        <translation>Cet enregistrement est endommagé</translation>
    </message>
    <message>
        <source>Alert episodes (from &quot;%1&quot; up, ended after %2 s below)</source>
        <translation>Épisodes d’alerte (à partir de «&#xa0;%1&#xa0;», terminés après %2 s en dessous)</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>Crête</translation>
    </message>
    <message>
        <source>still on at the end</source>
        <translation>encore en cours à la fin</translation>
    </message>
    <message>
        <source>No reading of this record reached the alert limit.</source>
        <translation>Aucune mesure de cet enregistrement n’a atteint le seuil d’alerte.</translation>
    </message>
    <message>
        <source>Further episodes, not listed: %1.</source>
        <translation>Autres épisodes, non listés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Most frequent peak frequencies</source>
        <translation>Fréquences de crête les plus fréquentes</translation>
    </message>
    <message>
        <source>Peak frequency (MHz)</source>
        <translation>Fréquence de crête (MHz)</translation>
    </message>
    <message>
        <source>Shares of the %1 samples that reported a peak frequency.</source>
        <translation>Parts des %1 échantillons ayant indiqué une fréquence de crête.</translation>
    </message>
    <message>
        <source>No sample of this record reported a peak frequency.</source>
        <translation>Aucun échantillon de cet enregistrement n’a indiqué de fréquence de crête.</translation>
    </message>
    <message>
        <source>%1 %2 - report created %3</source>
        <translation>%1 %2 - rapport créé le %3</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
</context>
<context>
    <name>Risk</name>
    <message>
        <source>Very low</source>
        <translation>Très faible</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Faible</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>Modéré</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Élevé</translation>
    </message>
    <message>
        <source>Very high</source>
        <translation>Très élevé</translation>
    </message>
    <message>
        <source>Extreme</source>
        <translation>Extrême</translation>
    </message>
</context>
<context>
    <name>RiskPalette</name>
    <message>
        <source>Some files used by this aplication have not been found. Please repeat the installation of the application</source>
        <translation>Certains fichiers nécessaires à l’application sont introuvables. Veuillez réinstaller l’application.</translation>
    </message>
</context>
<context>
    <name>ScheduleEndQuestion</name>
    <message>
        <source>Do you want to start recording and schedule the end of recording?</source>
        <translation>Voulez-vous démarrer l’enregistrement et en programmer la fin&#xa0;?</translation>
    </message>
</context>
<context>
    <name>ScheduleValidation</name>
    <message>
        <source>Hour</source>
        <translation>Heure</translation>
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
        <translation>Jour</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>The scheduled time and date is too close</source>
        <translation>L’heure et la date programmées sont trop proches</translation>
    </message>
    <message>
        <source>Error in the %1 field at position: %2</source>
        <translation>Erreur dans le champ %1 à la position&#xa0;: %2</translation>
    </message>
    <message>
        <source>Error in the %1 field: %1 must be comprised in between %2 and %3</source>
        <translation>Erreur dans le champ %1&#xa0;: %1 doit être compris entre %2 et %3</translation>
    </message>
</context>
<context>
    <name>ScheduledEnd</name>
    <message>
        <source>Recording end scheduled on </source>
        <translation>Fin de l’enregistrement programmée le </translation>
    </message>
</context>
<context>
    <name>ShellMoveFile</name>
    <message>
        <source>Cannot move &quot;%1&quot; to &quot;%2&quot;: %3</source>
        <translation>Impossible de déplacer «&#xa0;%1&#xa0;» vers «&#xa0;%2&#xa0;»&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>StatisticsPanel</name>
    <message>
        <source>Click to hide/show additional statistics</source>
        <translation>Cliquer pour masquer/afficher les statistiques supplémentaires</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Étendue</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Moyenne</translation>
    </message>
</context>
<context>
    <name>TAcquisitionBar</name>
    <message>
        <source>Toggle alerts (on/off)</source>
        <translation>Activer/désactiver les alertes</translation>
    </message>
    <message>
        <source>Start Listening</source>
        <translation>Démarrer l’écoute</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Start Recording</source>
        <translation>Démarrer l’enregistrement</translation>
    </message>
    <message>
        <source>Stop Listening/Recording</source>
        <translation>Arrêter l’écoute/l’enregistrement</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Redémarrer</translation>
    </message>
    <message>
        <source>Peak Frequency: %1</source>
        <translation>Fréquence de crête&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>TAcquisitionControl</name>
    <message>
        <source>Please connect a ZELTAR device first</source>
        <translation>Veuillez d’abord connecter un appareil ZELTAR</translation>
    </message>
    <message>
        <source>Are you sure you want to stop recording?</source>
        <translation>Voulez-vous vraiment arrêter l’enregistrement&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure you want to start over the recording?</source>
        <translation>Voulez-vous vraiment recommencer l’enregistrement&#xa0;?</translation>
    </message>
</context>
<context>
    <name>TAcquisitionSession</name>
    <message>
        <source>The number of acquired samples is exceedingly large. The counter will not be updated anymore, owever you can keep logging the data</source>
        <translation>Le nombre d’échantillons acquis est trop élevé. Le compteur ne sera plus mis à jour, mais vous pouvez continuer l’enregistrement des données</translation>
    </message>
    <message>
        <source>   Data has been saved</source>
        <translation>   Les données ont été enregistrées</translation>
    </message>
    <message>
        <source>   On Hold</source>
        <translation>   En pause (HOLD)</translation>
    </message>
    <message>
        <source>   The ZELTAR device has been disconnected: the recording waits for it to be connected again</source>
        <translation>   L’appareil ZELTAR a été déconnecté&#xa0;: l’enregistrement attend qu’il soit reconnecté</translation>
    </message>
    <message>
        <source>   The ZELTAR device has been disconnected: waiting for it to be connected again</source>
        <translation>   L’appareil ZELTAR a été déconnecté&#xa0;: en attente de sa reconnexion</translation>
    </message>
    <message>
        <source>Please make sure the ZELTAR device is on HOLD before proceeding (if not, the application may crush)</source>
        <translation>Vérifiez que l’appareil ZELTAR est en HOLD avant de continuer (sinon, l’application risque de se bloquer)</translation>
    </message>
    <message>
        <source>   Waiting for data to be sent from ZELTAR device...</source>
        <translation>   En attente des données de l’appareil ZELTAR…</translation>
    </message>
    <message>
        <source>   Importing data from ZELTAR device...</source>
        <translation>   Importation des données de l’appareil ZELTAR…</translation>
    </message>
    <message>
        <source>   Plotting data...</source>
        <translation>   Tracé des données…</translation>
    </message>
    <message>
        <source>No measurement has been received from the ZELTAR device</source>
        <translation>Aucune mesure n’a été reçue de l’appareil ZELTAR</translation>
    </message>
    <message>
        <source>Are you sure you want to stop recording?</source>
        <translation>Voulez-vous vraiment arrêter l’enregistrement&#xa0;?</translation>
    </message>
</context>
<context>
    <name>TAcquisitionSettingsPanel</name>
    <message>
        <source>Time Interval used by the ZELTAR device to send data</source>
        <translation>Intervalle de temps utilisé par l’appareil ZELTAR pour envoyer les données</translation>
    </message>
    <message>
        <source>Click to hide/show this control bar</source>
        <translation>Cliquer pour masquer/afficher ce panneau</translation>
    </message>
    <message>
        <source>Input data</source>
        <translation>Données d’entrée</translation>
    </message>
    <message>
        <source>Interval </source>
        <translation>Intervalle </translation>
    </message>
    <message>
        <source>Correction (dB)</source>
        <translation>Correction (dB)</translation>
    </message>
    <message>
        <source> Irradiance Unit </source>
        <translation> Unité de mesure </translation>
    </message>
    <message>
        <source>Unit used by the ZELTAR device to send data</source>
        <translation>Unité utilisée par l’appareil ZELTAR pour envoyer les données</translation>
    </message>
    <message>
        <source>Visualization</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source># Points</source>
        <translation>Nb points</translation>
    </message>
    <message>
        <source>Risk Assessment</source>
        <translation>Évaluation du risque</translation>
    </message>
    <message>
        <source> Population </source>
        <translation> Population </translation>
    </message>
    <message>
        <source>General</source>
        <translation>générale</translation>
    </message>
    <message>
        <source>Sensitive</source>
        <translation>sensible</translation>
    </message>
    <message>
        <source>Set the Target Population for risk assessment</source>
        <translation>Choisir la population cible de l’évaluation du risque</translation>
    </message>
    <message>
        <source> State </source>
        <translation> État </translation>
    </message>
    <message>
        <source>Wake</source>
        <translation>éveil</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>sommeil</translation>
    </message>
    <message>
        <source>Set the Target State for risk assessment</source>
        <translation>Choisir l’état cible de l’évaluation du risque</translation>
    </message>
</context>
<context>
    <name>TAlertsControl</name>
    <message>
        <source>Alert: the readings have reached %1</source>
        <translation>Alerte&#xa0;: les mesures ont atteint %1</translation>
    </message>
    <message>
        <source>Reading: %1</source>
        <translation>Mesure&#xa0;: %1</translation>
    </message>
    <message>
        <source>   Alert: the readings have reached %1 (peak %2)</source>
        <translation>   Alerte&#xa0;: les mesures ont atteint %1 (crête %2)</translation>
    </message>
</context>
<context>
    <name>TAlertsDialog</name>
    <message>
        <source>Alerts</source>
        <translation>Alertes</translation>
    </message>
    <message>
        <source>Alert when the risk category reaches</source>
        <translation>Alerter quand la catégorie de risque atteint</translation>
    </message>
    <message>
        <source>Alert when the reading reaches</source>
        <translation>Alerter quand la mesure atteint</translation>
    </message>
    <message>
        <source>End the alert once the readings have stayed below for</source>
        <translation>Terminer l’alerte quand les mesures sont restées en dessous pendant</translation>
    </message>
    <message>
        <source>Sound a tone while an alert lasts</source>
        <translation>Émettre un signal sonore pendant l’alerte</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Please enter the level as a number above 0, such as %1</source>
        <translation>Veuillez saisir le niveau sous forme d’un nombre supérieur à 0, par exemple %1</translation>
    </message>
</context>
<context>
    <name>TBrokerLink</name>
    <message>
        <source>broker connected</source>
        <translation>broker connecté</translation>
    </message>
    <message>
        <source>the CA file %1 cannot be read</source>
        <translation>le fichier CA %1 est illisible</translation>
    </message>
    <message>
        <source>broker lost</source>
        <translation>connexion au broker perdue</translation>
    </message>
    <message>
        <source>broker refused the user name or password</source>
        <translation>le broker a refusé le nom d’utilisateur ou le mot de passe</translation>
    </message>
    <message>
        <source>broker refused the connection: %1</source>
        <translation>le broker a refusé la connexion&#xa0;: %1</translation>
    </message>
    <message>
        <source>TLS failure with the broker: %1</source>
        <translation>échec TLS avec le broker&#xa0;: %1</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>pas de réponse</translation>
    </message>
    <message>
        <source>broker not reachable at %1:%2 (%3)</source>
        <translation>broker injoignable à l’adresse %1:%2 (%3)</translation>
    </message>
</context>
<context>
    <name>TChartsPanel</name>
    <message>
        <source>Color code for Risk Assessment</source>
        <translation>Code couleur de l’évaluation du risque</translation>
    </message>
    <message>
        <source>Risk categories corresponding to the above color code</source>
        <translation>Catégories de risque correspondant au code couleur ci-dessus</translation>
    </message>
</context>
<context>
    <name>TComPort</name>
    <message>
        <source>TCOMPORT : cannot open </source>
        <translation>TCOMPORT&#xa0;: impossible d’ouvrir </translation>
    </message>
</context>
<context>
    <name>TDensityAnalyser</name>
    <message>
        <source>No density has been analyzed yet. To do so, select in the &quot;Analysis&quot; menu the &quot;Density&quot; option</source>
        <translation>Aucune densité n’a encore été analysée. Pour cela, choisissez l’option «&#xa0;Densité&#xa0;» du menu «&#xa0;Analyse&#xa0;»</translation>
    </message>
    <message>
        <source>These histogram files could not be read; their densities are not shown:

</source>
        <translation>Ces fichiers d’histogramme n’ont pas pu être lus&#xa0;; leurs densités ne sont pas affichées&#xa0;:

</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Enregistrer l’image…</translation>
    </message>
    <message>
        <source>Save the chart as a PNG or SVG picture</source>
        <translation>Enregistrer le graphique en image PNG ou SVG</translation>
    </message>
    <message>
        <source>   Picture saved to %1</source>
        <translation>   Image enregistrée dans %1</translation>
    </message>
    <message>
        <source>Density Analyser</source>
        <translation>Analyseur de densité</translation>
    </message>
    <message>
        <source>Line Width</source>
        <translation>Épaisseur du trait</translation>
    </message>
</context>
<context>
    <name>TExportChoiceDialog</name>
    <message>
        <source>What do you want to write for the record &quot;%1&quot;?</source>
        <translation>Que voulez-vous écrire pour l’enregistrement «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>PDF report…</source>
        <translation>Rapport PDF…</translation>
    </message>
    <message>
        <source>CSV file…</source>
        <translation>Fichier CSV…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The meta data file associated to the log file you have selected has not been found. Default control parameters will be used, but they may not be appropriate for the recording.</source>
        <translation>Le fichier de métadonnées associé à l’enregistrement sélectionné est introuvable. Les paramètres par défaut seront utilisés, mais ils peuvent ne pas convenir à cet enregistrement.</translation>
    </message>
</context>
<context>
    <name>TFileManager</name>
    <message>
        <source>File Manager - open Density Files</source>
        <translation>Gestionnaire de fichiers - ouvrir des fichiers de densité</translation>
    </message>
    <message>
        <source>File Manager - export a Log File</source>
        <translation>Gestionnaire de fichiers - exporter un enregistrement</translation>
    </message>
    <message>
        <source>File Manager - open a Log File</source>
        <translation>Gestionnaire de fichiers - ouvrir un enregistrement</translation>
    </message>
    <message>
        <source>Unexpected Error: Log directory does not exist</source>
        <translation>Erreur inattendue&#xa0;: le dossier «&#xa0;Log&#xa0;» n’existe pas</translation>
    </message>
    <message>
        <source>Please select at least one Log File</source>
        <translation>Veuillez sélectionner au moins un enregistrement</translation>
    </message>
    <message>
        <source> Log Files</source>
        <translation> Enregistrements</translation>
    </message>
    <message>
        <source>Archive/Restore highlighted files</source>
        <translation>Archiver/restaurer les fichiers sélectionnés</translation>
    </message>
    <message>
        <source>Delete highlighted files</source>
        <translation>Supprimer les fichiers sélectionnés</translation>
    </message>
    <message>
        <source>Open the selected file(s)</source>
        <translation>Ouvrir le ou les fichiers sélectionnés</translation>
    </message>
</context>
<context>
    <name>TFolderPicker</name>
    <message>
        <source> Drive</source>
        <translation> Lecteur</translation>
    </message>
    <message>
        <source> Directory</source>
        <translation> Dossier</translation>
    </message>
    <message>
        <source>Open current directory in Windows explorer</source>
        <translation>Ouvrir le dossier courant dans l’Explorateur Windows</translation>
    </message>
</context>
<context>
    <name>THelpMenu</name>
    <message>
        <source>The requirred pdf file has not been found. Please reinstall the application.</source>
        <translation>Le fichier PDF nécessaire est introuvable. Veuillez réinstaller l’application.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manuel</translation>
    </message>
    <message>
        <source>&amp;Risk Evaluation</source>
        <translation>Évaluation du &amp;risque</translation>
    </message>
    <message>
        <source>Open Log directory</source>
        <translation>Ouvrir le dossier des journaux</translation>
    </message>
</context>
<context>
    <name>TLiveChartsPanel</name>
    <message>
        <source>Current</source>
        <translation>Actuelle</translation>
    </message>
    <message>
        <source>Current Peak</source>
        <translation>Crête actuelle</translation>
    </message>
    <message>
        <source>Maximum Peak observed so far</source>
        <translation>Crête maximale observée jusqu’ici</translation>
    </message>
    <message>
        <source>Peak value (± 0.5dB) more often observed</source>
        <translation>Valeur de crête (± 0.5dB) la plus souvent observée</translation>
    </message>
    <message>
        <source>The ratio max/min in dB</source>
        <translation>Le rapport max/min en dB</translation>
    </message>
    <message>
        <source>Minimum Peak observed so far</source>
        <translation>Crête minimale observée jusqu’ici</translation>
    </message>
    <message>
        <source>%1 risk</source>
        <comment>the risk category, then its caption</comment>
        <translation>Risque %1</translation>
    </message>
</context>
<context>
    <name>TMainWindow</name>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Données</translation>
    </message>
    <message>
        <source>&amp;Open record</source>
        <translation>&amp;Ouvrir un enregistrement</translation>
    </message>
    <message>
        <source>&amp;Export record…</source>
        <translation>&amp;Exporter un enregistrement…</translation>
    </message>
    <message>
        <source>&amp;Import from device</source>
        <translation>&amp;Importer depuis l’appareil</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <translation>Ac&amp;quisition</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>É&amp;couter</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>Res&amp;tart</source>
        <translation>&amp;Redémarrer</translation>
    </message>
    <message>
        <source>&amp;Schedule end</source>
        <translation>Programmer la &amp;fin</translation>
    </message>
    <message>
        <source>&amp;Alerts…</source>
        <translation>A&amp;lertes…</translation>
    </message>
    <message>
        <source>Publish readings…</source>
        <translation>Publier les mesures…</translation>
    </message>
    <message>
        <source>&amp;Analysis</source>
        <translation>A&amp;nalyse</translation>
    </message>
    <message>
        <source>&amp;Density</source>
        <translation>&amp;Densité</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>A&amp;ffichage</translation>
    </message>
    <message>
        <source>&amp;Control Panel</source>
        <translation>&amp;Panneau de commande</translation>
    </message>
    <message>
        <source>&amp;Density Analyser</source>
        <translation>Analyseur de &amp;densité</translation>
    </message>
    <message>
        <source>Currently recording. Are you sure you want to stop recording and close the application?</source>
        <translation>Enregistrement en cours. Voulez-vous vraiment arrêter l’enregistrement et fermer l’application&#xa0;?</translation>
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
        <translation>Métadonnées à joindre à l’enregistrement</translation>
    </message>
    <message>
        <source> Operator: </source>
        <translation> Opérateur&#xa0;: </translation>
    </message>
    <message>
        <source> Place:</source>
        <translation> Lieu&#xa0;:</translation>
    </message>
    <message>
        <source> Notes:</source>
        <translation> Notes&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save the session using current Meta-Data</source>
        <translation>Enregistrer la séance avec ces métadonnées</translation>
    </message>
</context>
<context>
    <name>TMeterConnection</name>
    <message>
        <source>Please connect the ZELTAR via USB cable to the PC</source>
        <translation>Reliez le ZELTAR au PC par le câble USB</translation>
    </message>
    <message>
        <source>Waiting...</source>
        <translation>En attente…</translation>
    </message>
    <message>
        <source>  Connect a ZELTAR device or open a record (from the &quot;Data&quot; menu or just click here)</source>
        <translation>  Connectez un appareil ZELTAR ou ouvrez un enregistrement (menu «&#xa0;Données&#xa0;» ou cliquez ici)</translation>
    </message>
    <message>
        <source>Logging is not supported in dBm unit. Please change unit by clicking on the &quot;UNIT&quot; button of ZELTAR device</source>
        <translation>L’enregistrement n’est pas possible en dBm. Changez d’unité avec la touche «&#xa0;UNIT&#xa0;» de l’appareil ZELTAR</translation>
    </message>
    <message>
        <source>Please connect your ZELTAR device to the PC via USB port and run this application again. If you have already connected the device, just start the application again. If this message appears again, re-connect the device.</source>
        <translation>Reliez votre appareil ZELTAR au PC par le port USB et relancez cette application. Si l’appareil est déjà relié, relancez simplement l’application. Si ce message réapparaît, reconnectez l’appareil.</translation>
    </message>
    <message>
        <source>   1 line received while a message was open has been dropped</source>
        <translation>   1 ligne reçue pendant qu’un message était ouvert a été ignorée</translation>
    </message>
    <message>
        <source>   %1 lines received while a message was open have been dropped</source>
        <translation>   %1 lignes reçues pendant qu’un message était ouvert ont été ignorées</translation>
    </message>
</context>
<context>
    <name>TPublishDialog</name>
    <message>
        <source>Publish readings</source>
        <translation>Publier les mesures</translation>
    </message>
    <message>
        <source>Publish the readings to an MQTT broker</source>
        <translation>Publier les mesures sur un broker MQTT</translation>
    </message>
    <message>
        <source>Broker host:</source>
        <translation>Hôte du broker&#xa0;:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port&#xa0;:</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Nom d’utilisateur&#xa0;:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Use TLS</source>
        <translation>Utiliser TLS</translation>
    </message>
    <message>
        <source>CA file (optional):</source>
        <translation>Fichier CA (facultatif)&#xa0;:</translation>
    </message>
    <message>
        <source>Base topic:</source>
        <translation>Topic de base&#xa0;:</translation>
    </message>
    <message>
        <source>Meter name:</source>
        <translation>Nom du mesureur&#xa0;:</translation>
    </message>
    <message>
        <source>Home Assistant discovery</source>
        <translation>Découverte Home Assistant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>   Les mesures ne sont pas publiées&#xa0;: %1</translation>
    </message>
    <message>
        <source>   Publishing: %1</source>
        <translation>   Publication&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>TRecordViewer</name>
    <message>
        <source>   Opening log file &quot;%1&quot;</source>
        <translation>   Ouverture de l’enregistrement «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>ERROR WRITING TEMP FILE</source>
        <translation>ERREUR D’ÉCRITURE DU FICHIER TEMPORAIRE</translation>
    </message>
    <message>
        <source>   The record cannot be shown: %1</source>
        <translation>   L’enregistrement ne peut pas être affiché&#xa0;: %1</translation>
    </message>
    <message>
        <source>The meta data file associated to the log file you have selected has not been found. Default control parameters will be used, but they may not be appropriate for the recording.</source>
        <translation>Le fichier de métadonnées associé à l’enregistrement sélectionné est introuvable. Les paramètres par défaut seront utilisés, mais ils peuvent ne pas convenir à cet enregistrement.</translation>
    </message>
    <message>
        <source>The meta data file associated to the log file you have selected cannot be read (%1). Default control parameters will be used, but they may not be appropriate for the recording.</source>
        <translation>Le fichier de métadonnées associé à l’enregistrement sélectionné ne peut pas être lu (%1). Les paramètres par défaut seront utilisés, mais ils peuvent ne pas convenir à cet enregistrement.</translation>
    </message>
    <message>
        <source>The selected file is empty. Do you want to move it to the recycle bin?</source>
        <translation>Le fichier sélectionné est vide. Voulez-vous le mettre à la corbeille&#xa0;?</translation>
    </message>
    <message>
        <source>The file could not be moved to the recycle bin
</source>
        <translation>Le fichier n’a pas pu être mis à la corbeille
</translation>
    </message>
    <message>
        <source>Samples: %1</source>
        <translation>Mesures&#xa0;: %1</translation>
    </message>
    <message>
        <source>Exposure over the whole record: %1
Highest sample: %2</source>
        <translation>Exposition globale&#xa0;: %1
Mesure maximale&#xa0;: %2</translation>
    </message>
    <message>
        <source>Exposure over 30 minutes: %1
Highest sample: %2</source>
        <translation>Exposition sur 30 minutes&#xa0;: %1
Mesure maximale&#xa0;: %2</translation>
    </message>
    <message>
        <source>  Log file: %1 | Operator: %2 | Place: %3</source>
        <translation>  Enregistrement&#xa0;: %1 | Opérateur&#xa0;: %2 | Lieu&#xa0;: %3</translation>
    </message>
    <message>
        <source>  Started: %1 | Interval: %2 | Unit: %3 | Correction: %4(dB)</source>
        <translation>  Début&#xa0;: %1 | Intervalle&#xa0;: %2 | Unité&#xa0;: %3 | Correction&#xa0;: %4(dB)</translation>
    </message>
    <message>
        <source>   Notes: %1</source>
        <translation>   Notes&#xa0;: %1</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Save the record shown as a PDF report, a CSV file or a picture</source>
        <translation>Sauvegarder l’enregistrement affiché en rapport PDF, en fichier CSV ou en image</translation>
    </message>
    <message>
        <source>Save report as PDF…</source>
        <translation>Enregistrer le rapport en PDF…</translation>
    </message>
    <message>
        <source>Export as CSV…</source>
        <translation>Exporter en CSV…</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Enregistrer l’image…</translation>
    </message>
    <message>
        <source>   Report saved to %1</source>
        <translation>   Rapport enregistré dans %1</translation>
    </message>
    <message>
        <source>   CSV file saved to %1</source>
        <translation>   Fichier CSV enregistré dans %1</translation>
    </message>
    <message>
        <source>   Picture saved to %1</source>
        <translation>   Image enregistrée dans %1</translation>
    </message>
    <message>
        <source>  ZELTAR Logger</source>
        <translation>  ZELTAR Logger</translation>
    </message>
    <message>
        <source>Click to hide/show this control bar</source>
        <translation>Cliquer pour masquer/afficher ce panneau de commande</translation>
    </message>
    <message>
        <source>Peak Frequencies</source>
        <translation>Fréq. de crête</translation>
    </message>
    <message>
        <source>Risk Assessment</source>
        <translation>Niveau de risque</translation>
    </message>
    <message>
        <source> Population </source>
        <translation> Population </translation>
    </message>
    <message>
        <source>General</source>
        <translation>Générale</translation>
    </message>
    <message>
        <source>Sensitive</source>
        <translation>Sensible</translation>
    </message>
    <message>
        <source> State </source>
        <translation> État </translation>
    </message>
    <message>
        <source>Wake</source>
        <translation>Éveil</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>Sommeil</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>Curseur</translation>
    </message>
    <message>
        <source>Power density as a share of the ICNIRP 2020 reference level for the general public: the highest 30-minute average (the whole record when it is shorter) and the highest single sample</source>
        <translation>Densité de puissance rapportée au niveau de référence ICNIRP 2020 pour le public&#xa0;: la plus forte moyenne sur 30 minutes (sur tout l’enregistrement s’il est plus court) et la mesure la plus élevée</translation>
    </message>
</context>
<context>
    <name>TScheduleDialog</name>
    <message>
        <source>Schedule</source>
        <translation>Programmation</translation>
    </message>
    <message>
        <source> Starting time and date :</source>
        <translation> Heure et date de début&#xa0;:</translation>
    </message>
    <message>
        <source> Schedule end :</source>
        <translation> Fin programmée&#xa0;:</translation>
    </message>
    <message>
        <source>       Recording</source>
        <translation>       Enregistrement</translation>
    </message>
    <message>
        <source>Shutdown upon completion</source>
        <translation>Éteindre l’ordinateur à la fin</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Horloge et numéro d’ordre de l’échantillon de crête actuel</translation>
    </message>
    <message>
        <source>   The record is incomplete: nothing is being written to its log</source>
        <translation>   L’enregistrement est incomplet&#xa0;: plus rien n’est écrit dans son journal</translation>
    </message>
    <message>
        <source>   Playing since %1; Last max on %2</source>
        <translation>   Écoute depuis le %1&#xa0;; dernier max le %2</translation>
    </message>
    <message>
        <source>   Recording since %1; Last max on %2</source>
        <translation>   Enregistrement depuis le %1&#xa0;; dernier max le %2</translation>
    </message>
    <message>
        <source>Samples: %1</source>
        <translation>Mesures&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>UnsavedRecord</name>
    <message>
        <source>1 sample could not be written to its log</source>
        <translation>1 échantillon n’a pas pu être écrit dans son journal</translation>
    </message>
    <message>
        <source>%1 samples could not be written to its log</source>
        <translation>%1 échantillons n’ont pas pu être écrits dans son journal</translation>
    </message>
    <message>
        <source>%1 could not be written</source>
        <translation>%1 n’a pas pu être écrit</translation>
    </message>
    <message>
        <source>%1 and %2 could not be written</source>
        <translation>%1 et %2 n’ont pas pu être écrits</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>   The record is incomplete: %1</source>
        <translation>   L’enregistrement est incomplet&#xa0;: %1</translation>
    </message>
    <message>
        <source>   The record is incomplete: %1; %2</source>
        <translation>   L’enregistrement est incomplet&#xa0;: %1&#xa0;; %2</translation>
    </message>
</context>
</TS>
