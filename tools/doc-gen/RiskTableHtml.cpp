#include "tools/doc-gen/RiskTableHtml.h"

#include "model/Risk.h"

#include <QColor>
#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace {

constexpr int SignificantDigits = 4;
constexpr int StripWidth = 96, StripHeight = 12;
const QString MinusSign = QStringLiteral("\u2212");
const QString Ellipsis = QStringLiteral("\u00a0\u2026\u00a0");

struct TTableWords {
    QLocale::Language Language;
    QString Category;
    QString Colours;
    std::array<QString, 3> ScaleTitles;
    // Shown after the program's own category names, which stay in English on screen.
    std::array<QString, RiskCategoryCount> CategoryGloss;
};

const TTableWords &WordsFor(const QString &language)
{
    static const TTableWords english{
        QLocale::English,
        QStringLiteral("Category"),
        QStringLiteral("Colours"),
        {QStringLiteral("Level in dB re 1 µW/m² (rounded to the whole dB)"),
         QStringLiteral("Power density in mW/m²"), QStringLiteral("Field strength in V/m")},
        {}};
    static const TTableWords french{
        QLocale::French,
        QStringLiteral("Catégorie"),
        QStringLiteral("Couleurs"),
        {QStringLiteral("Niveau en dB réf. 1 µW/m² (arrondi au dB entier)"),
         QStringLiteral("Densité de puissance en mW/m²"), QStringLiteral("Champ électrique en V/m")},
        {QStringLiteral("très faible"), QStringLiteral("faible"), QStringLiteral("modéré"), QStringLiteral("élevé"),
         QStringLiteral("très élevé"), QStringLiteral("extrême")}};
    static const TTableWords italian{
        QLocale::Italian,
        QStringLiteral("Categoria"),
        QStringLiteral("Colori"),
        {QStringLiteral("Livello in dB rif. 1 µW/m² (arrotondato al dB intero)"),
         QStringLiteral("Densità di potenza in mW/m²"), QStringLiteral("Campo elettrico in V/m")},
        {QStringLiteral("molto basso"), QStringLiteral("basso"), QStringLiteral("moderato"), QStringLiteral("alto"),
         QStringLiteral("molto alto"), QStringLiteral("estremo")}};
    if (language == QLatin1String("en"))
        return english;
    if (language == QLatin1String("fr"))
        return french;
    if (language == QLatin1String("it"))
        return italian;
    throw std::invalid_argument("no risk table words for the language \"" + language.toStdString() + "\"");
}

QString IntegerText(int value)
{
    return value < 0 ? MinusSign + QString::number(-value) : QString::number(value);
}

// The cell of one band on one scale: "≤ b", "a … b" or "> a" (">=" for whole levels).
QString LevelCell(const TRiskBand &band)
{
    if (!band.Reachable)
        return QStringLiteral("\u2014");
    if (!band.LowestLevel)
        return QStringLiteral("\u2264 ") + IntegerText(*band.HighestLevel);
    if (!band.HighestLevel)
        return QStringLiteral("\u2265 ") + IntegerText(*band.LowestLevel);
    if (*band.LowestLevel == *band.HighestLevel)
        return IntegerText(*band.LowestLevel);
    return IntegerText(*band.LowestLevel) + Ellipsis + IntegerText(*band.HighestLevel);
}

QString LimitCell(const TRiskBand &band, const std::optional<double> &above, const std::optional<double> &upTo,
                  const QString &language)
{
    if (!band.Reachable)
        return QStringLiteral("\u2014");
    if (!above)
        return QStringLiteral("\u2264 ") + SignificantText(*upTo, SignificantDigits, language);
    if (!upTo)
        return QStringLiteral("> ") + SignificantText(*above, SignificantDigits, language);
    return SignificantText(*above, SignificantDigits, language) + Ellipsis +
           SignificantText(*upTo, SignificantDigits, language);
}

QString ColumnHeading(const TRiskColumn &column)
{
    return QStringLiteral("%1<br/>%2").arg(column.Population == TPopulation::General ? "General" : "Sensitive",
                                           column.State == TTargetState::Wake ? "Wake" : "Sleep");
}

QString CategoryCell(int category, const TTableWords &words)
{
    QString cell = QStringLiteral("<b>%1</b>").arg(RiskCategoryNames[static_cast<std::size_t>(category)]);
    const QString &gloss = words.CategoryGloss[static_cast<std::size_t>(category)];
    if (!gloss.isEmpty())
        cell += QStringLiteral("<br/><i>%1</i>").arg(gloss);
    return cell;
}

template <typename CellOf>
QString OneTable(const QString &title, const std::array<TRiskColumn, 4> &columns, const TTableWords &words,
                 bool withColours, CellOf cellOf)
{
    QString html = QStringLiteral("<p class=\"table-title\">%1</p>\n"
                                  "<table class=\"risk\" width=\"100%\" cellspacing=\"0\" cellpadding=\"4\">\n"
                                  // A table broken across pages repeats its heading row.
                                  "<thead><tr>")
                       .arg(title);
    html += QStringLiteral("<th align=\"left\">%1</th>").arg(words.Category);
    if (withColours)
        html += QStringLiteral("<th align=\"left\">%1</th>").arg(words.Colours);
    for (const TRiskColumn &column : columns)
        html += QStringLiteral("<th>%1</th>").arg(ColumnHeading(column));
    html += QStringLiteral("</tr></thead>\n");
    for (int category = 0; category < RiskCategoryCount; ++category) {
        html += QStringLiteral("<tr><td>%1</td>").arg(CategoryCell(category, words));
        if (withColours)
            html += QStringLiteral("<td><img src=\"%1\" width=\"%2\" height=\"%3\"/></td>")
                        .arg(RiskColourImageName(category))
                        .arg(StripWidth)
                        .arg(StripHeight);
        for (const TRiskColumn &column : columns)
            html += QStringLiteral("<td align=\"center\" style=\"white-space: nowrap\">%1</td>")
                        .arg(cellOf(column.Bands[static_cast<std::size_t>(category)]));
        html += QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</table>\n");
}

} // namespace

QString RiskColourImageName(int category)
{
    return QStringLiteral("riskcolours:%1").arg(category);
}

QImage RiskColourStrip(int category)
{
    // Every index a reading can get lies within the palette's span once clamped, so walking
    // one step beyond each end covers all the colours the program paints.
    std::vector<QColor> colours;
    for (int index = -1; index <= RiskPaletteSize + 1; ++index) {
        if (RiskCategoryName(index) != RiskCategoryNames[static_cast<std::size_t>(category)])
            continue;
        const QColor colour = RiskColor(index);
        if (colours.empty() || colours.back() != colour)
            colours.push_back(colour);
    }
    QImage strip(StripWidth, StripHeight, QImage::Format_RGB32);
    strip.fill(Qt::white);
    QPainter painter(&strip);
    const auto count = static_cast<int>(colours.size());
    for (int i = 0; i < count; ++i) {
        const int left = i * StripWidth / count, right = (i + 1) * StripWidth / count;
        painter.fillRect(left, 0, right - left, StripHeight, colours[static_cast<std::size_t>(i)]);
    }
    return strip;
}

QString SignificantText(double value, int digits, const QString &language)
{
    QLocale locale(WordsFor(language).Language);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const auto decimalsFor = [digits](double magnitude) {
        return magnitude > 0 ? std::max(0, digits - 1 - static_cast<int>(std::floor(std::log10(magnitude))))
                             : digits - 1;
    };
    // Rounding may carry into a new leading digit (9.9996 -> 10.00): count the figures again.
    const double magnitude = std::abs(value);
    const int firstDecimals = decimalsFor(magnitude);
    const double rounded = std::round(magnitude * std::pow(10.0, firstDecimals)) / std::pow(10.0, firstDecimals);
    const QString text = locale.toString(magnitude, 'f', std::min(firstDecimals, decimalsFor(rounded)));
    return value < 0 ? MinusSign + text : text;
}

QString RiskTablesHtml(const std::array<TRiskColumn, 4> &columns, const QString &language, bool withColours)
{
    const TTableWords &words = WordsFor(language);
    // The colours once, beside the levels: the limit tables need their width for the numbers.
    QString html = OneTable(words.ScaleTitles[0], columns, words, withColours,
                            [](const TRiskBand &band) { return LevelCell(band); });
    html += OneTable(words.ScaleTitles[1], columns, words, false, [&](const TRiskBand &band) {
        return LimitCell(band, band.DensityAbove, band.DensityUpTo, language);
    });
    html += OneTable(words.ScaleTitles[2], columns, words, false, [&](const TRiskBand &band) {
        return LimitCell(band, band.FieldAbove, band.FieldUpTo, language);
    });
    return html;
}
