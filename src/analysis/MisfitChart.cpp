#include "analysis/MisfitChart.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "survey/CFormat.h"
#include "view/Rounding.h"

namespace oskava {

namespace {

constexpr Colour kBar = Rgb(96, 140, 196);
constexpr Colour kHighest = Rgb(210, 0, 0);

double HighestRms(const std::vector<ElectrodeMisfit>& rows) {
    return rows.empty() ? 0 : rows.front().rms;
}

}  // namespace

MisfitChart::MisfitChart(std::vector<ElectrodeMisfit> rows, double xMin, double xMax, Size picture,
                         int32_t fontHeight)
    : rows_(std::move(rows)),
      frame_(picture, AxisSpanning(xMin, xMax, false, "electrode position (m)"),
             // A tenth above the highest bar leaves room for its name.
             NiceAxis(0, HighestRms(rows_) * 1.1, false, "rms of the normalized differences"),
             fontHeight),
      halfWidth_(1) {
    // Bars take four fifths of the narrowest gap between neighbouring positions.
    std::vector<int32_t> columns;
    for (const ElectrodeMisfit& row : rows_) {
        columns.push_back(Column(row.x));
    }
    std::sort(columns.begin(), columns.end());
    int32_t gap = frame_.Area().right - frame_.Area().left;
    for (size_t i = 1; i < columns.size(); ++i) {
        if (columns[i] > columns[i - 1]) {
            gap = std::min(gap, columns[i] - columns[i - 1]);
        }
    }
    halfWidth_ = std::clamp(gap * 2 / 5, 1, 12);
}

int32_t MisfitChart::Column(double x) const {
    return RoundCoord(frame_.ColumnOf(x));
}

void MisfitChart::Draw(Canvas& canvas) const {
    frame_.Prepare(canvas);
    const Rect& area = frame_.Area();
    // Drawn from the lowest up, so that where bars overlap the higher one shows.
    for (auto row = rows_.rbegin(); row != rows_.rend(); ++row) {
        const int32_t column = Column(row->x);
        const double rms = std::min(row->rms, frame_.YAxis().max);
        const int32_t top = RoundCoord(frame_.RowOf(rms));
        const Colour colour = row == std::prev(rows_.rend()) ? kHighest : kBar;
        canvas.FillSolidRect(Rect{column - halfWidth_, top, column + halfWidth_ + 1, area.bottom},
                             colour);
    }
    if (rows_.empty()) {
        frame_.DrawNotice(canvas, "No misfit to show.");
    } else {
        const ElectrodeMisfit& highest = rows_.front();
        canvas.SelectPen(Pen::BlackPen());  // texts take the pen's colour
        canvas.SelectFont(FontDescription{frame_.FontHeight(), 700, false, ""});
        canvas.SetTextAlign(TextAlign{HAlign::Centre, VAlign::Bottom});
        const int32_t top = RoundCoord(frame_.RowOf(std::min(highest.rms, frame_.YAxis().max)));
        canvas.TextOut(Point{Column(highest.x), std::max(top - 2, area.top + frame_.FontHeight())},
                       CFormat("%g", highest.x));
    }
    frame_.DrawAxes(canvas);
}

std::optional<double> MisfitChart::PositionAt(Point device) const {
    const Rect& area = frame_.Area();
    if (device.y < area.top || device.y > area.bottom) {
        return std::nullopt;
    }
    std::optional<double> nearest;
    int32_t distance = halfWidth_ + 1;
    for (const ElectrodeMisfit& row : rows_) {
        const int32_t d = std::abs(Column(row.x) - device.x);
        if (d < distance) {
            distance = d;
            nearest = row.x;
        }
    }
    return nearest;
}

std::string MisfitSummary(const std::vector<ElectrodeMisfit>& rows) {
    if (rows.empty()) {
        return "No datum has a finite normalized difference.";
    }
    const ElectrodeMisfit& highest = rows.front();
    return CFormat(
        "Highest: the electrode at %g m, rms %.3g over %zu data.\nClick a bar to delete "
        "the data of that electrode.",
        highest.x, highest.rms, highest.count);
}

}  // namespace oskava
