// The interpolation mesh and image: node ordering with the triangulation build, set
// beside CGAL's Delaunay triangulation of the same points, and a full raster of one
// panel's image, on the pseudo-locations of generated dipole-dipole and Wenner
// surveys of 1e4, 1e5 and 1e6 data.
//
// The points are the program's own: the survey goes through the document's derived
// quantities (pseudo-locations, coinciding-location pass), then into logical units.
// The raster covers every cell of the panel at zoom 0.2 (the line's 10000 logical units
// on 2000 pixels), every cell visible.
#include <benchmark/benchmark.h>

#include <CGAL/Delaunay_triangulation_2.h>
#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>

#include <map>
#include <string>
#include <utility>

#include "BenchSupport.h"
#include "GeneratedSurveys.h"
#include "interp/ImageRaster.h"
#include "interp/InterpolationMesh.h"
#include "interp/NodeOrder.h"
#include "survey/DatDoc.h"
#include "survey/Prompts.h"

namespace oskava::bench {
namespace {

// A survey's nodes in logical units, in record order, with its display values.
struct Section {
    std::vector<double> x, y, values;
    double depthExtent = 0;
};

const Section& SectionOf(ArrayLayout layout, size_t count) {
    static std::map<std::pair<ArrayLayout, size_t>, Section> sections;
    Section& section = sections[{layout, count}];
    if (section.x.empty()) {
        SilentPrompts prompts;
        CDatDoc doc(prompts);
        doc.observations = GenerateSurvey(SectionShape(layout, count));
        doc.dataCount = static_cast<int32_t>(doc.observations.size());
        doc.ProcessData();
        const double scale = 10000 / (doc.xMax - doc.xMin);
        for (const Cobs& r : doc.observations) {
            section.x.push_back((r.pseudoX - doc.xMin) * scale);
            section.y.push_back(r.pseudoDepth * scale);
            section.values.push_back(r.displayValue);
        }
        section.depthExtent = doc.maxPseudoDepth * scale;
    }
    return section;
}

ArrayLayout LayoutOf(const benchmark::State& state) {
    return state.range(1) == 0 ? ArrayLayout::DipoleDipole : ArrayLayout::Wenner;
}

void SetCounters(benchmark::State& state, size_t count) {
    state.SetLabel(LayoutOf(state) == ArrayLayout::DipoleDipole ? "dipole-dipole" : "Wenner");
    state.counters["per datum"] = benchmark::Counter(
        static_cast<double>(count),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_ReorderAndBuildMesh(benchmark::State& state) {
    const Section& section = SectionOf(LayoutOf(state), static_cast<size_t>(state.range(0)));
    std::vector<double> x, y, values;
    std::vector<int32_t> order;
    NeighbourLists lists;
    for (auto _ : state) {
        state.PauseTiming();
        x = section.x;
        y = section.y;
        values = section.values;
        state.ResumeTiming();
        ReorderNodes(3, x, y, values, order);
        benchmark::DoNotOptimize(BuildMesh(x, y, lists));
    }
    SetCounters(state, section.x.size());
}

void BM_CgalDelaunay(benchmark::State& state) {
    using Kernel = CGAL::Exact_predicates_inexact_constructions_kernel;
    const Section& section = SectionOf(LayoutOf(state), static_cast<size_t>(state.range(0)));
    std::vector<Kernel::Point_2> points;
    for (size_t i = 0; i < section.x.size(); ++i) {
        points.emplace_back(section.x[i], section.y[i]);
    }
    for (auto _ : state) {
        CGAL::Delaunay_triangulation_2<Kernel> triangulation;
        triangulation.insert(points.begin(), points.end());
        benchmark::DoNotOptimize(triangulation.number_of_faces());
    }
    SetCounters(state, section.x.size());
}

void BM_ImageRaster(benchmark::State& state) {
    const Section& section = SectionOf(LayoutOf(state), static_cast<size_t>(state.range(0)));
    InterpolationMesh mesh;
    BuildInterpolationMesh(section.x, section.y, section.values, 0, 1, mesh);
    constexpr double kZoom = 0.2;
    const RasterRect region = ImageRegion(mesh.imageTop, 10000, section.depthExtent);
    auto toDevice = [&](int32_t logical) {
        return static_cast<int32_t>(std::lround(logical * kZoom));
    };
    const RasterRect regionDevice{toDevice(region.left), toDevice(region.top),
                                  toDevice(region.right), toDevice(region.bottom)};
    const RasterDevice device{
        [&](const RasterRect& d) {
            return RasterRect{d.left * 5, d.top * 5, d.right * 5, d.bottom * 5};
        },
        [](const RasterRect&) { return true; }};
    int64_t painted = 0;
    for (auto _ : state) {
        double sum = 0;
        RasterInterpolatedImage(mesh, mesh.displayValues, regionDevice, regionDevice, device,
                                [&](const RasterRect&, double value) {
                                    sum += value;
                                    ++painted;
                                });
        benchmark::DoNotOptimize(sum);
    }
    SetCounters(state, section.x.size());
    state.counters["cells painted"] =
        benchmark::Counter(static_cast<double>(painted), benchmark::Counter::kAvgIterations);
    state.counters["panel px high"] = regionDevice.bottom - regionDevice.top;
}

void Sizes(benchmark::internal::Benchmark* b) {
    for (const int64_t layout : {0, 1}) {
        for (const int64_t count : {10000, 100000, 1000000}) {
            b->Args({count, layout});
        }
    }
    b->Unit(benchmark::kMillisecond)->UseRealTime();
}

BENCHMARK(BM_ReorderAndBuildMesh)->Apply(Sizes);
BENCHMARK(BM_CgalDelaunay)->Apply(Sizes);
BENCHMARK(BM_ImageRaster)->Apply(Sizes);

}  // namespace
}  // namespace oskava::bench

BENCHMARK_MAIN();
