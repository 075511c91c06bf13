// The pseudosection view: its state, the mapping from survey metres to logical units
// and device pixels, the display modes, the drawing on a Canvas and the commands it
// handles. It shows one CDatDoc, which it refers to and never owns, and asks the
// window system for repaints and sizes through a ViewHost.
//
// Units: survey coordinates in metres; logical units X = (x - xMin) * scale,
// Y = depth * scale, with the survey line from X = 0 to widthExtent (10000); device
// pixels = logical units * zoom. The top-left corner of the drawing surface is the
// logical point (-1200, -2000).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "interp/InterpolationMesh.h"
#include "survey/CommandRouter.h"
#include "survey/Document.h"
#include "survey/Prompts.h"
#include "view/Canvas.h"
#include "view/ColourScale.h"
#include "view/NodeMarkers.h"
#include "view/ViewHost.h"

namespace oskava {

class CDatDoc;
class Cobs;

class CDatView : public View {
  public:
    /// Attaches the view to the document; the host answers its window requests. Both
    /// must outlive the view.
    CDatView(CDatDoc& doc, ViewHost& host);
    ~CDatView() override;
    CDatView(const CDatView&) = delete;
    CDatView& operator=(const CDatView&) = delete;

    CDatDoc& GetDocument() const { return doc_; }

    bool showDataPoints = true;           // outline the markers over the interpolated image
    bool coloursFlipped = false;          // colour table in reverse order
    bool showErrors = false;              // panel 2 shows standard deviations
    bool showPredicted = false;           // panel 2 shows predicted data
    bool showDifference = false;          // panel 2 shows normalized differences
    bool secondPanel = false;             // exactly when one of the three above is on
    Size totalSize{1, 1};                 // the drawing surface at the current zoom, device pixels
    std::array<Rect, 2> panelRect{};      // device rectangles of the two data areas, last drawing
    bool interpolate = true;              // interpolated image instead of symbols
    bool showConductivity = false;        // DC labels as conductivity; false: resistivity
    bool logLabels = false;               // labels show the stored logarithms
    Point clickPoint{-1, -1};             // last left click, device pixels
    bool colourMode = true;               // colour ramp; false: grey ramp
    double rangeMin = 0, rangeMax = 0;    // panel 1's colour range, stored units
    double range2Min = 0, range2Max = 0;  // panel 2's colour range
    double misfit = 0;                    // sum of squared normalized differences
    ColourTable colourTable{};
    double widthExtent = 0;    // logical width of the survey line
    double depthExtent = 0;    // logical depth of the deepest pseudo-location
    double scale = 0;          // logical units per metre
    double zoom = 0.05;        // device pixels per logical unit
    int32_t fontHeight = 300;  // label font cell height, logical units

    // The triangulation of the pseudo-locations with the per-node arrays, in node
    // order: coordinates in logical units, panel 1's display values and panel 2's
    // second values, the order array and the image top.
    InterpolationMesh mesh;

    // --- Document to view. ---

    /// Hint 0: a survey was opened; 1: records were removed; 2: the Data Properties
    /// window closed (repaint only). Does nothing while the document is not ready.
    void OnUpdate(int hint) override;
    /// False when there are no records or the survey's positions give no usable mapping
    /// (all electrodes at one position, non-finite extents); the view then draws the
    /// titles and, for the latter, a notice saying why.
    bool IsMapped() const { return mapped_; }

    // --- Mapping and sizes. ---

    /// Prepares a canvas for drawing or converting points: isotropic mapping, window
    /// origin (-1200, -2000), window extent totalSize / zoom, viewport extent
    /// totalSize, viewport origin minus the scroll position (device pixels).
    void PrepareCanvas(Canvas& canvas, Point scrollPosition = Point{}) const;
    /// Window origin of panel 1 (0) or panel 2 (1), logical units.
    Point PanelOrigin(int panel) const;
    /// Recomputes totalSize from the extents, the second panel and the zoom, and
    /// passes it to the host.
    void UpdateScrollSizes();
    /// Sets the record's marker rectangle: its pseudo-location in logical units,
    /// half size w.
    void SetSymbolRect(Cobs& record, int32_t w) const;
    /// Copies every record's displayValue into displayValues, in node order. No repaint.
    void ReloadDisplayValues();

    // --- Drawing. ---

    /// Fills the canvas's clip box with white.
    void EraseBackground(Canvas& canvas) const;
    /// Draws titles, panels, axes, colour bars and the selection mark on a prepared
    /// canvas. Updates panelRect.
    void OnDraw(Canvas& canvas);
    /// Draws the whole surface (totalSize pixels, viewport origin (0, 0)) on white:
    /// what Copy puts on the clipboard. The screen's panel rectangles are kept.
    void RenderSurface(Canvas& canvas);
    /// One panel at the canvas's current window origin; values in node order. shades,
    /// when given, are the panel's interpolated image computed beforehand
    /// (InterpolatedShades on this mapping).
    void DrawPanel(Canvas& canvas, const std::vector<double>& values, double min, double max,
                   bool raw, const std::vector<uint8_t>* shades = nullptr);
    /// The colour bar of a panel with its seven labels; raw for standard deviations and
    /// differences, which are labelled as they are.
    void DrawColourBar(Canvas& canvas, bool raw, double max, double min) const;
    /// Draws or, drawn again, removes the inverting mark of record r (0-based): its
    /// electrodes and a frame on its marker. Nothing without a Data Properties window
    /// or for an index that is no record.
    void MarkSelectedDatum(Canvas& canvas, int32_t r) const;
    /// Paints the values (node order) interpolated over the mesh, in 5-pixel cells
    /// inside the data's convex hull and the canvas's clip box.
    void PaintInterpolatedImage(Canvas& canvas, const std::vector<double>& values, double min,
                                double max) const;
    /// The colour index of every raster cell of the interpolated image on the canvas's
    /// mapping and clip box, in the raster's order (255: not painted). Reads the mesh
    /// and the values only, so that it may run beside a drawing on another canvas.
    std::vector<uint8_t> InterpolatedShades(const Canvas& canvas, const std::vector<double>& values,
                                            double min, double max) const;
    /// Paints shades computed for the canvas's mapping and clip box.
    void PaintShades(Canvas& canvas, const std::vector<uint8_t>& shades) const;

    // --- Display modes and commands. ---

    /// Recomputes the standard-deviation panel and repaints it, when it is shown.
    void RefreshErrors();
    /// Recomputes the normalized-difference panel and the misfit from the records and
    /// repaints, when that panel is shown.
    void RefreshDifference();
    void ToggleErrors();
    void TogglePredicted();
    void ToggleDifference();
    void ToggleInterpolate();
    void ToggleDataPoints();
    void ToggleColourMode();
    void FlipColours();
    void ToggleLogLabels();
    void ToggleConductivity();
    /// The Min / Max command: the "Set data range" dialog through the prompts.
    void EditRanges();
    /// The fields the "Set data range" dialog opens with.
    MinMaxFields RangeFields() const;
    /// Applies fields that the dialog accepted (OK or Reset); repaints.
    void ApplyRangeFields(const MinMaxFields& fields);
    /// The IP Units command: the "IP Units" dialog through the prompts.
    void ChooseIpUnits();
    void ZoomIn();
    void ZoomOut();
    /// The largest zoom at which the whole surface fits an area of the given device
    /// pixels, kept within the zoom that Zoom In and Zoom Out can reach.
    double FitZoom(Size area) const;
    /// Zoom to fit: the surface fits the host's view area. Nothing without a mapped survey.
    void ZoomToFit();
    /// Zooms in (steps > 0) or out by as many steps of Zoom In or Zoom Out as their
    /// limits allow, keeping the surface point under the device point where it is.
    /// Returns the scroll position (device pixels) that does so; unchanged when no
    /// survey is ready.
    Point ZoomAbout(int steps, Point device, Point scrollPosition);
    void FontDecrease();
    void FontIncrease();
    /// Asks the host to put the whole surface on the clipboard.
    void Copy();
    /// A left click at a device point of the window scrolled to scrollPosition: the
    /// document shows the datum under it (a click in panel 2 counts at the same place
    /// in panel 1), and a repaint marks it in both panels. Ignored while no survey is
    /// ready, and where no datum lies.
    void OnLButtonDown(Point device, Point scrollPosition);

    /// What the status bar says of the device point of the window scrolled to
    /// scrollPosition: the full text of a title line under it; over a datum's marker
    /// (the click's rule), its electrodes and the value its panel shows; elsewhere over
    /// a panel, the position along the line and the pseudo-depth. Empty over anything
    /// else: the status bar then shows its idle text.
    std::string PointerReadout(Point device, Point scrollPosition) const;

    /// Repaints the whole view.
    void RepaintAll();
    /// Repaints everything but the panels' data areas (titles, colour bars, units).
    void RepaintAroundPanels();

    /// The commands the view handles, with their enabling and check rules.
    const CommandTarget& Commands() const { return commands_; }

    /// Builds the triangulation of the pseudo-locations and the per-node arrays. On
    /// collinear data shows the error and returns false.
    bool BuildInterpolationMesh();

  private:
    void MapSurvey();
    int32_t MarkerHalfSize() const;
    void ClearMesh();
    void RefillSecondPanel();
    void FillDifference();
    void ToNodeOrder(std::vector<double>& values) const;
    void DrawGroundLine(Canvas& canvas) const;
    void DrawTopography(Canvas& canvas) const;
    void DrawData(Canvas& canvas, const std::vector<double>& values, double min, double max,
                  const std::vector<uint8_t>* shades) const;
    void DrawXAxis(Canvas& canvas) const;
    void DrawTitles(Canvas& canvas);
    void DrawTitleLine(Canvas& canvas, int32_t y, const std::string& text);
    std::string UnitLabel() const;
    /// A stored value as the colour bar labels it (resistivity or conductivity, log or
    /// not, IP units).
    double LabelledValue(double stored) const;
    /// The value the errors panel shows for the record.
    double ErrorValue(const Cobs& record) const;
    std::string DatumReadout(const Cobs& record, int panel) const;
    Size SurfaceSize(double atZoom) const;
    bool CanZoomIn() const;
    bool CanZoomOut() const;
    void BindCommands();
    bool Ready() const;
    RasterOp MarkRasterOp(const Canvas& canvas) const;

    CDatDoc& doc_;
    ViewHost& host_;
    CommandTarget commands_;
    bool mapped_ = false;
    std::string unmappedNotice_;  // why the survey is not drawn; empty when it is
    // The records' marker rectangles in node order, taken with the mesh: the drawing
    // walks the markers in node order, and the records in that order lie scattered
    // over memory.
    NodeMarkers nodeMarkers_;
    // The title lines as last drawn: where they lie on the surface, in device pixels
    // from its top-left corner, and their full texts, for the pointer readout.
    struct TitleLine {
        Rect onSurface;
        std::string text;
    };
    std::vector<TitleLine> titleLines_;
};

}  // namespace oskava
