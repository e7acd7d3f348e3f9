#pragma once
// The look of the help documents: A4 pages, the fonts and the style sheet shared by all five.

#include <QFont>
#include <QPageLayout>
#include <QString>

// A4 portrait with margins wide enough for comfortable reading and for binding.
QPageLayout HelpPageLayout();

// The band at the foot of each page that holds the running title and the page number.
inline constexpr double FooterHeightMm = 9.0;

// The resolution the pages are laid out and drawn at, in dots per inch.
inline constexpr int HelpPdfResolution = 300;

// The width of the text column in the document's own pixels (1/96 inch), which is what
// sizes given in the sources and in image formats are measured in.
double BodyWidthInDocumentPixels();
double BodyHeightInDocumentPixels();

QFont HelpBodyFont();
QFont HelpFooterFont();
QString HelpStyleSheet();
