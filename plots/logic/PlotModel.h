#pragma once
// The plot window's logic without widgets: the request, the set-up by plot
// kind, axis scaling, the data/screen transforms and the drawing of a plot as
// a list of commands in twips of the plot picture.
#include "core/logic/Editglob.h"
#include "core/logic/LeadingNumber.h"

#include <QList>
#include <QString>
#include <functional>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

namespace Plots {

constexpr int TwipsPerPixel = 15;
constexpr int MaxSeries = 10;

enum PlotKindNumber {
    KindDimensionless = 1, KindInputHydrograph, KindRainfall, KindStructure, KindCrossSection,
    KindOutputHydrograph, KindPeakFlow, KindTimeAnalysis
};

// One plot as its opener hands it over. The window keeps its own copy, so an
// opener may change its tables while the plot is shown.
struct PlotRequest
{
    int PlotKind = 0;
    // The plotted item of kinds 2-5 (the opener's Tag); kind 1 plots item 1.
    int PlotItem = 1;
    // Kinds 6-8: given by the request; kinds 1-5: set by the request builders.
    int PlotSeriesCount = 0;
    int PlotStormCount = 1;
    int PlotAltCount = 1;
    // ItemHeader[s][f]: header field f (1..23) of series s (1..). Kinds 1-5
    // hold the plotted item's header in row 1. Missing entries read as "".
    QList<QStringList> ItemHeader;
    // Kind 1: the number of value cells of the item (ItemLastPoint - ItemFirstPoint + 1).
    int ItemCellCount = 0;
    // [series][point], both from 0; point 1 is the first point.
    std::vector<std::vector<double>> PlotX;
    std::vector<std::vector<double>> PlotY;
    // Points of series s at entry s; entry 0 stays 0.
    std::vector<int> PlotPointCount;
    // The input file's name when the request was made; the file label derives from it.
    QString FileName = Editglob::FileName;
    QString FlowUnit, LengthUnit, SmallAreaUnit, VolumeUnit;
    QString OutFlowUnit, OutAreaUnit, PeakFlowUnit;

    QString header(int series, int field) const;
    void setHeader(int series, int field, const QString &text);
};

using Globsubs::LeadingNumber;

// Request builders for the entry windows' "Display Data". Value lists stop
// before their first blank text; every value counts by its leading number.
PlotRequest DimensionlessRequest(const QStringList &ordinates);
PlotRequest InputHydrographRequest(int item, const QString &id, const QString &startTime,
                                   const QString &increment, const QStringList &flows);
PlotRequest RainfallRequest(int item, const QString &id, const QString &increment,
                            const QStringList &values);
// rows: elevation, discharge, storage.
PlotRequest StructureRequest(int item, const QString &id, const QList<QStringList> &rows);
// rows: elevation, discharge, end area, top width.
PlotRequest CrossSectionRequest(int item, const QString &id, const QList<QStringList> &rows);

struct Rgb
{
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb &) const = default;
};
// Colour of series i (1-10); entry 0 (black) serves the axes.
Rgb SeriesColor(int entry);

// Everything the set-up works out from a request before the first drawing.
struct PlotSetup
{
    int kind = 0;
    int seriesCount = 0;
    QString title;
    QString xLabel;
    QString yText;  // as chosen by kind, a CR before a unit
    QString yLabel; // written vertically: a CR between every two characters
    QString fileLabel;
    std::array<QString, MaxSeries + 1> legend{};       // 1..10
    std::array<bool, MaxSeries + 1> legendVisible{};   // 1..10
    // Series 1..seriesCount; X column xColumn[s] of X.
    std::vector<std::vector<double>> X;
    std::vector<std::vector<double>> Y;
    std::vector<int> count;
    std::vector<int> xColumn;
    std::vector<bool> xAscending; // the series' X never decreases: it may be thinned
    double dataXMin = 0, dataXMax = 0, dataYMin = 0, dataYMax = 0;
    bool plotLines = true; // the initial check mark of "Plot Lines"
    // Kind 8: reference durations (fields 16-23 of series 1) and their captions (8-15).
    std::array<QString, 8> refValue{};
    std::array<QString, 8> refCaption{};
    QString outFlowUnit;
};

PlotSetup SetupPlot(const PlotRequest &request);

// The vertical label text: first character, then CR and each further character.
QString VerticalText(const QString &text);

// Frame of the plot picture in twips.
struct Frame
{
    int leftMargin = 750;
    int bottomMargin = 500;
    int plotRight = 6362;  // picture width - 10
    int plotBottom = 5138; // picture height - 10
    double originX() const { return leftMargin; }
    double originY() const { return plotBottom - bottomMargin; }
};

struct View
{
    double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
    bool operator==(const View &) const = default;
};

// Replaces min and max by a round range containing them; n = the tick steps.
// Returns false, changing nothing, for an inverted or non-finite range.
bool AutoScale(double &min, double &max, int &n);

// A tick label: 2 decimals from 1 up, else 5; a leading blank unless negative.
QString TickLabel(float value);

// Width of a text in twips as the plot's small font draws it.
using TextWidth = std::function<double(const QString &)>;
// Width estimated from the number of characters, where no font is at hand.
double EstimatedTextWidth(const QString &text);

// The tick label for `value` that fits `room` twips: the plain label, else
// without the zeros of its decimals, else a compact exponent form (" 1.5E10").
QString FittedTickLabel(float value, double room, const TextWidth &width);
// A value as plain decimal text, unrounded, with a leading blank unless negative.
QString PlainValue(double value);

struct Transform
{
    Frame frame;
    View view;
    double xScale = 1; // data units per twip
    double yScale = 1;
    float xToScreen(double x) const;
    float yToScreen(double y) const;
    double xFromScreen(double sx) const;
    double yFromScreen(double sy) const;
};

struct DrawCmd
{
    enum Type { Line, Rect, FilledRect, FilledCircle, Text, Marker, Clip };
    Type type = Line;
    // Circle: centre, radius in x2. Marker: centre, half-size in x2, its shape.
    // Clip: the commands after it paint only inside the rectangle from
    // (x1, y1) to (x2, y2); an empty rectangle ends the clipping.
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int shape = 0;
    int width = 1;                        // pixels
    bool dotted = false;
    Rgb color;
    QString text;
};
using Commands = std::vector<DrawCmd>;

// Frame, view rounding, ticks, grid and tick labels. Fills `t` with the
// rounded view and scales. False (nothing drawn, view unchanged) when the
// view cannot be scaled.
bool DrawAxes(const Frame &frame, View &view, bool grid, Commands &out, Transform &t,
              const TextWidth &width = EstimatedTextWidth);

// One marker of shape 1-10 with half-size round(size * 40); other shapes draw nothing.
void DrawPt(Commands &out, float x, float y, int shape, double size);
// The strokes and filled figures a marker is drawn with.
Commands MarkerStrokes(const DrawCmd &marker);

// Moves end 1 of the segment along it onto the line a = c.
void Intersect(float &a1, float &b1, float a2, float b2, float c);

// Clips the segment from P to Q to the frame; Q as moved is returned through
// qx, qy. True when the segment is to be drawn.
bool ClipSegment(const Frame &frame, float &px, float &py, float &qx, float &qy);

// The Y of a series' polyline at x; `result` unchanged when x lies beyond it.
void InterpolateY(const PlotSetup &setup, int series, double x, double &result);

struct DrawOptions
{
    bool points = true;
    bool lines = true;
    bool grid = false;
    bool thin = true; // draw each pixel column's extremes once a series is denser than the screen
    TextWidth textWidth = EstimatedTextWidth; // of the tick labels
};

// Legend rows as the drawing leaves them (rows 1..10).
struct LegendState
{
    std::array<QString, MaxSeries + 1> text{};
    std::array<bool, MaxSeries + 1> textVisible{};
    std::array<bool, MaxSeries + 1> lineVisible{};
    std::array<Rgb, MaxSeries + 1> lineColor{};
};

struct Drawing
{
    bool ok = false;
    Transform transform;
    Commands plot;  // on the plot picture
    Commands strip; // on the legend marker strip
};

// The whole plot for the view. The view is widened to whole tick steps; the
// legend state is updated (reference rows of kind 8 stay once shown).
Drawing Draw(const PlotSetup &setup, View &view, const DrawOptions &options, LegendState &legend);

// Screen positions of the points Draw draws for series i (1-based), unthinned.
struct ScreenPoint
{
    float x, y;
    double dataX, dataY;
};
std::vector<ScreenPoint> SeriesScreenPoints(const PlotSetup &setup, const Transform &t, int series);

// How far from a marker's centre, in screen pixels either way, a pointer
// release reads out its point: about the marker's own half-size.
constexpr int ReadoutReach = 3;

// Pointer read-out: the hover text for a release at (x, y) twips, or "": the
// nearest point of each series whose marker lies within ReadoutReach pixels;
// the last series with such a point wins.
QString PointValueText(const PlotSetup &setup, const Transform &t, double x, double y);

// Holds a mouse position inside the frame (the whole plotting area, top band included).
void HoldInFrame(const Frame &frame, double &x, double &y);

// The view after a zoom box from (x0, y0) to (x1, y1) twips; false (view
// unchanged) when the box is empty, inverted or not finite in data units.
bool ZoomView(const Transform &t, double x0, double y0, double x1, double y1, View &view);

} // namespace Plots
