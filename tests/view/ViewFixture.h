// Test support for the view: a host that records the view's window requests, and a
// document with a view built from electrode positions in memory.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "support/ScriptedPrompts.h"
#include "survey/CFormat.h"
#include "survey/DatDoc.h"
#include "survey/DatProp.h"
#include "view/DatView.h"
#include "view/RecordingCanvas.h"

namespace oskava::test {

class RecordingHost : public ViewHost {
  public:
    std::vector<std::string> requests;
    Size viewArea{800, 600};  // what the window can give the surface

    void InvalidateAll() override { requests.push_back("invalidate"); }
    void ValidateRect(const Rect& r) override {
        requests.push_back(CFormat("validate %d,%d %d,%d", r.left, r.top, r.right, r.bottom));
    }
    void SetScrollSizes(Size total) override {
        requests.push_back(CFormat("scroll %d,%d", total.cx, total.cy));
    }
    void ResizeParentToFit() override { requests.push_back("fit"); }
    void ShowTypeButtons(bool isDC) override { requests.push_back(isDC ? "dc" : "ip"); }
    void CopyToClipboard() override { requests.push_back("copy"); }
    Size ViewArea() const override { return viewArea; }
};

/// Electrode positions (metres), the datum and its standard deviation.
struct Datum {
    double xa, xb, xm, xn;
    double datum = -1;
    double stdDev = 0;
};

/// Dipole-dipole data on a line from 0 to 500 m times the factor: pseudo-locations
/// (150, 100), (30, 20), (470, 20) and (250, 30) m; separations 200, 40, 40 and 60 m.
inline std::vector<Datum> FourDipoles(double f = 1) {
    return {{40 * f, 60 * f, 240 * f, 260 * f, -0.001},
            {0, 20 * f, 40 * f, 60 * f, -0.05},
            {440 * f, 460 * f, 480 * f, 500 * f, -0.02},
            {210 * f, 230 * f, 270 * f, 290 * f, -0.004}};
}

/// M and N inside AB, separation mn metres, on a line from 0 to 500 m: pseudo-locations
/// (50, 20), (100, 40), (200, 40), (350, 60) m; data 1 to 4.
inline std::vector<Datum> InsideAB(double mn) {
    const double h = mn / 2;
    return {{0, 100, 50 - h, 50 + h, 1},
            {0, 200, 100 - h, 100 + h, 2},
            {100, 300, 200 - h, 200 + h, 3},
            {200, 500, 350 - h, 350 + h, 4}};
}

class ViewFixture : public ::testing::Test {
  protected:
    ScriptedPrompts prompts;
    RecordingHost host;
    CDatDoc doc{prompts};
    CDatView view{doc, host};

    /// Puts the data into the document as the open sequence does and tells the view.
    void Load(const std::vector<Datum>& data, bool isDC = true) {
        doc.observations.clear();
        for (const Datum& d : data) {
            Cobs& r = doc.observations.emplace_back();
            std::tie(r.xa, r.xb, r.xm, r.xn, r.datum, r.stdDev) =
                std::tie(d.xa, d.xb, d.xm, d.xn, d.datum, d.stdDev);
        }
        doc.dataCount = static_cast<int32_t>(doc.observations.size());
        doc.isDC = isDC;
        doc.headerLine = "survey";
        ASSERT_TRUE(doc.ProcessData());
        doc.dataReady = true;
        host.requests.clear();
        doc.UpdateAllViews(0);
    }

    /// The same with predicted data (1.1 times the data) and normalized differences.
    void LoadWithPredicted(const std::vector<Datum>& data, const std::vector<double>& diffs) {
        doc.predictedLoaded = true;
        Load(data);
        for (size_t i = 0; i < doc.observations.size(); ++i) {
            Cobs& record = doc.observations[i];
            record.predicted = record.datum * 1.1;
            ASSERT_TRUE(record.SetPredictedDisplayValue(prompts));
            record.normalizedDiff = diffs[i];
        }
        doc.UpdateAllViews(0);
    }

    /// Record r as the one a Data Properties window shows.
    void Select(int32_t r) {
        doc.propertiesDialog = std::make_unique<CDatProp>();
        doc.selectedDatum = r;
    }

    /// Zoom 1: device pixels are logical units moved by (1200, 2000). Symbols instead
    /// of the image keep the recordings short at this size.
    void ZoomToLogicalUnits() {
        view.interpolate = false;
        view.zoom = 1;
        view.UpdateScrollSizes();
    }

    /// The whole surface drawn as Copy draws it.
    RecordingCanvas Render() {
        RecordingCanvas canvas;
        view.RenderSurface(canvas);
        return canvas;
    }
};

}  // namespace oskava::test
