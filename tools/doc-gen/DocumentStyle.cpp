#include "tools/doc-gen/DocumentStyle.h"

#include <QMarginsF>
#include <QPageSize>
#include <QRectF>

namespace {

constexpr double DocumentPixelsPerInch = 96.0;
constexpr double MillimetresPerInch = 25.4;

double MillimetresToDocumentPixels(double millimetres)
{
    return millimetres / MillimetresPerInch * DocumentPixelsPerInch;
}

} // namespace

QPageLayout HelpPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(22.0, 18.0, 20.0, 14.0),
                       QPageLayout::Millimeter);
}

double BodyWidthInDocumentPixels()
{
    return MillimetresToDocumentPixels(HelpPageLayout().paintRect(QPageLayout::Millimeter).width());
}

double BodyHeightInDocumentPixels()
{
    return MillimetresToDocumentPixels(HelpPageLayout().paintRect(QPageLayout::Millimeter).height() - FooterHeightMm);
}

QFont HelpBodyFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(9.5);
    return font;
}

QFont HelpFooterFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(7.5);
    return font;
}

QString HelpStyleSheet()
{
    return QStringLiteral(R"(
p { margin-top: 0px; margin-bottom: 7px; line-height: 128%; }
h1 { font-size: 20pt; color: #1c3d5a; margin-top: 0px; margin-bottom: 12px; }
h2 { font-size: 14pt; color: #1c3d5a; margin-top: 20px; margin-bottom: 8px; }
h3 { font-size: 11pt; color: #2d6186; margin-top: 14px; margin-bottom: 5px; }
ul, ol { margin-top: 0px; margin-bottom: 7px; }
li { margin-bottom: 3px; line-height: 125%; }
code { font-family: "DejaVu Sans Mono"; font-size: 8.5pt; color: #30343a; }
.cover-brand { font-size: 30pt; font-weight: bold; color: #1c3d5a; margin-top: 170px; margin-bottom: 6px; }
.cover-title { font-size: 19pt; color: #2d6186; margin-bottom: 36px; }
.cover-line { font-size: 10.5pt; color: #3d4650; margin-bottom: 4px; }
.cover-end { font-size: 9pt; color: #6b7680; margin-top: 260px; page-break-after: always; }
.lead { font-size: 10.5pt; color: #3d4650; margin-bottom: 12px; }
.note { background-color: #eaf2f8; color: #24313c; margin-top: 4px; margin-bottom: 10px; }
table.note td { background-color: #eaf2f8; color: #24313c; }
.figure { text-align: center; font-size: 8.5pt; color: #4a5560; line-height: 100%; margin-top: 6px; margin-bottom: 12px; }
.table-title { font-weight: bold; color: #2d6186; margin-top: 12px; margin-bottom: 4px; }
.contents-title { font-size: 14pt; font-weight: bold; color: #1c3d5a; margin-bottom: 10px; }
table { border-collapse: collapse; margin-bottom: 8px; }
table.risk, table.grid { border-width: 1px; border-style: solid; border-color: #9fb3c4; }
table.risk td, table.risk th, table.grid td, table.grid th
    { border-width: 1px; border-style: solid; border-color: #9fb3c4; font-size: 8.5pt; }
table.risk th, table.grid th { background-color: #e3ecf3; color: #1c3d5a; }
table.contents td { padding-top: 2px; padding-bottom: 2px; font-size: 10pt; }
)");
}
