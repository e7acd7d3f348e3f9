#pragma once
// TDensityAnalyser, the density analyser: the level distributions of several records overlaid as
// curves of relative frequency, one colour per record, with a legend of their names, a
// choice of line width, zoom and pan, and the power density of the level under the pointer.
// The window is made once at start-up and shown when densities are loaded; closing it only
// hides it. Its controls are public members named as in the window's design, so that the
// tests reach them directly.

#include "charts/ChartTypes.h"
#include "model/AppPaths.h"
#include "model/UnitHistogram_COMMON.h"

#include <QStringList>
#include <QWidget>

#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QTextEdit;
class QToolButton;
class TChartWidget;

class TDensityAnalyser : public QWidget {
    Q_OBJECT

public:
    explicit TDensityAnalyser(const TAppPaths &paths, QWidget *parent = nullptr);
    ~TDensityAnalyser() override;

    // Replaces the compared set by the histograms of these ".histo" files, in their order,
    // writes the legend, shows the window and draws one curve per file at the full view.
    // A file that cannot be read is reported with its name and left out of the curves; so
    // is a file without samples. The rest are still drawn.
    void LoadDensities(const QStringList &histogramFiles);

    // Show > Density Analyser: the window with the last loaded set, or, before any curve
    // has been drawn, a message that says how to get one.
    void ShowDensityAnalyser();

    // One curve in colour, at the line width of LineWidthCB. Raises the chart's top when
    // the curve's peak would come within 5 % of it. Histograms without samples draw nothing.
    void DrawDensityCurve(const THistogram &histogram, TChartWidget &chart, const QColor &colour);

    // The histograms of the last load, one per file, unreadable ones included.
    std::size_t DensityCount() const { return DensityList.size(); }
    // The highest relative frequency of the curve drawn last; 0 before any.
    double PeakDensity() const { return LastPeak; }
    bool HasDensity() const { return DensityDrawn; }
    // The width every curve is drawn with: the last whole number 1 ... 8 chosen in LineWidthCB.
    int CurveLineWidth() const { return ChosenLineWidth; }

    // The chart as a PNG or SVG picture (DensityAnalyserExport.cpp); nothing before a curve is drawn.
    void SavePictureClick();

    QToolButton *SavePictureB = nullptr;
    QLabel *SaveStatus = nullptr; // beside the button: where the last picture went
    QComboBox *LineWidthCB = nullptr;
    QTextEdit *RichEdit = nullptr;
    TChartWidget *HChart = nullptr;
    QLineEdit *HChartEdit = nullptr;

private:
    void BuildLayout();
    QWidget *BuildRightColumn();
    QWidget *BuildChartPanel();
    QToolButton *BuildSavePictureButton(QWidget *parent); // DensityAnalyserExport.cpp
    // The whole level scale, from 0 up to 10 % above peak; up to 1 while there is no curve.
    static TRangeBox FullView(double peak);

    void LineWidthCBChange(const QString &text);
    void HChartMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers keys);
    void HChartMouseMoveInChart(bool inChart, double x);
    // The curves again, in their colours at the chosen width, within the ranges as they stand.
    void RedrawCurves();

    // What the last load read, in the order of its files; a file that could not be read is
    // a histogram without classes, so that every file keeps its colour.
    std::vector<THistogram> DensityList;
    QStringList DensityFiles; // the files they were read from
    double LastPeak = 0;
    bool DensityDrawn = false;
    int ChosenLineWidth = 3;
};
