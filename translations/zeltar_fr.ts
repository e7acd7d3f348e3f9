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
    <name>CircBuffer</name>
    <message>
        <source>TCircBuffer CREATE procedure: out of memory error</source>
        <translation>Création du tampon circulaire (TCircBuffer)&#xa0;: mémoire insuffisante</translation>
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
    <name>RecycleFiles</name>
    <message>
        <source>no trash folder could be made for it</source>
        <translation>aucune corbeille n’a pu être créée pour ce fichier</translation>
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
</TS>
