// SPDX-License-Identifier: MIT
#include "node_choice.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>

#include "core/props/property_curve.h"

namespace dorix::tools {

namespace {

// Where the interior points of a window are tried, as fractions of its
// width: first near the nodes that minimise a cubic's interpolation error,
// then further out for curves whose curvature gathers at one end.
constexpr std::array<double, 10> kInnerFractions = {0.293, 0.25, 0.33, 0.2,  0.38,
                                                    0.15,  0.43, 0.1,  0.05, 0.5};
constexpr std::array<double, 9> kSingleFractions = {0.5, 0.4, 0.6, 0.3, 0.7, 0.2, 0.8, 0.1, 0.9};

// Neighbouring points of a curve are at least this many rows apart, so that
// a row that is not a point lies between any two and every cubic is checked
// between its points, not only at them.
constexpr int kGap = 2;
// Where no window with points kGap rows apart fits from the last point (the
// rows too sparse for the curve's curvature, which happens only towards a
// curve's end at the critical point), a window may take neighbouring rows as
// points instead of the curve ending there.
constexpr int kRelaxedGap = 1;

// Curves of at most this many points keep the window structure whole:
// 1 + 3 * 66 points, the most that fit in 200.
constexpr std::size_t kMostRegularPoints = 199;
// The most points a curve may have, a last window's one or two points past
// the regular windows included.
constexpr std::size_t kMostPoints = 200;

struct Window {
  std::array<int, 4> rows;
};

class NodeChooser {
 public:
  NodeChooser(const CurveSamples& samples, const NodeRequest& request)
      : samples_(samples),
        request_(request),
        floor_(ErrorFloor(samples.rows, request.first, request.last)) {}

  NodePlan Run() {
    NodePlan plan;
    plan.nodes.push_back(request_.first);
    std::vector<int> segmentEnds;
    for (const int border : request_.borders) {
      if (border > request_.first && border < request_.last) segmentEnds.push_back(border);
    }
    segmentEnds.push_back(request_.last);

    for (const int end : segmentEnds) {
      while (plan.nodes.back() < end) {
        auto window = FurthestWindow(plan.nodes.back(), end, kGap);
        if (!window) window = FurthestWindow(plan.nodes.back(), end, kRelaxedGap);
        if (!window && end == request_.last) {
          const auto tail = WindowAndTail(plan.nodes, end);
          if (!tail || plan.nodes.size() + tail->size() > kMostPoints) {
            plan.truncated = true;
          } else {
            plan.nodes.insert(plan.nodes.end(), tail->begin(), tail->end());
          }
          return plan;
        }
        if (!window || plan.nodes.size() + 3 > kMostRegularPoints) {
          plan.truncated = true;
          return plan;
        }
        plan.nodes.insert(plan.nodes.end(), window->rows.begin() + 1, window->rows.end());
      }
    }
    ShortenTail(plan.nodes);
    return plan;
  }

 private:
  // True when the cubic through the four rows reproduces every row from
  // `from` up to, not including, `to`, which the next window evaluates. The
  // curve's last row has no next window: it is checked with the window that
  // ends on it, for the lookup evaluates the cubic there when the row lies
  // below the last point as the program holds it (in single precision).
  bool Fits(const std::array<int, 4>& nodes, int from, int to) {
    std::array<float, 5> x{};
    std::array<float, 5> y{};
    for (int i = 0; i < 4; ++i) {
      x[i + 1] = samples_.points[nodes[i]].x;
      y[i + 1] = samples_.points[nodes[i]].y;
    }
    const CurveView window{x.data(), y.data(), 4};
    const int stop = to == request_.last ? to + 1 : to;
    for (int r = from; r < stop; ++r) {
      const ReferenceRow& row = samples_.rows[r];
      const std::optional<double> value = EvaluateCurve(window, row.x);
      if (!value || !(RelativeError(*value, row.y, floor_) <= request_.tolerance)) return false;
    }
    return true;
  }

  // The row strictly between `low` and `high` nearest to the given fraction
  // of the way from one to the other.
  int RowAt(double fraction, int low, int high) const {
    const auto& rows = samples_.rows;
    const double x = rows[low].x + fraction * (rows[high].x - rows[low].x);
    const auto begin = rows.begin() + low + 1;
    const auto end = rows.begin() + high;
    auto it = std::lower_bound(begin, end, x,
                               [](const ReferenceRow& row, double v) { return row.x < v; });
    if (it == end || (it != begin && x - std::prev(it)->x < it->x - x)) --it;
    return static_cast<int>(it - rows.begin());
  }

  // A regular window from row s to row e whose points lie at least `gap` rows
  // apart, if two interior rows make it fit.
  std::optional<Window> FitWindowWithGap(int s, int e, int gap) {
    if (e - s < 3 * gap) return std::nullopt;
    std::vector<std::pair<int, int>> tried;
    for (const double a : kInnerFractions) {
      for (const double b : kInnerFractions) {
        const int i1 = std::clamp(RowAt(a, s, e), s + gap, e - 2 * gap);
        const int i2 = std::clamp(RowAt(1.0 - b, s, e), i1 + gap, e - gap);
        const std::pair<int, int> pair{i1, i2};
        if (std::find(tried.begin(), tried.end(), pair) != tried.end()) continue;
        tried.push_back(pair);
        const Window window{{s, i1, i2, e}};
        if (Fits(window.rows, s, e)) return window;
      }
    }
    return std::nullopt;
  }

  // A window from row s to row e with points at least `gap` rows apart. A
  // relaxed window still keeps its points kGap rows apart where that fits.
  std::optional<Window> FitWindow(int s, int e, int gap) {
    if (gap < kGap) {
      if (auto window = FitWindowWithGap(s, e, kGap)) return window;
    }
    return FitWindowWithGap(s, e, gap);
  }

  // The window from row s, with points at least `gap` rows apart, that
  // reaches furthest towards `end` while leaving room for at least one more
  // such window before it, or ending on it.
  std::optional<Window> FurthestWindow(int s, int end, int gap) {
    const int shortest = 3 * gap;
    if (end - s < shortest) return std::nullopt;
    if (auto window = FitWindow(s, end, gap)) return window;
    const int longest = end - shortest;
    if (longest < s + shortest) return std::nullopt;
    auto best = FitWindow(s, s + shortest, gap);
    if (!best) return std::nullopt;
    int good = s + shortest;
    int bad = longest + 1;
    for (int step = shortest; good + step <= longest; step *= 2) {
      if (auto window = FitWindow(s, good + step, gap)) {
        best = window;
        good += step;
      } else {
        bad = good + step;
        break;
      }
    }
    while (bad - good > 1) {
      const int mid = good + (bad - good) / 2;
      if (auto window = FitWindow(s, mid, gap)) {
        best = window;
        good = mid;
      } else {
        bad = mid;
      }
    }
    return best;
  }

  // Where no window from the last point reaches the curve's last row, nor
  // leaves room for another: a relaxed window ending one or two rows short of
  // it, and those rows as the curve's last points. The lookup evaluates the
  // stretch after the window with the curve's last four points. Returns the
  // points to append.
  std::optional<std::vector<int>> WindowAndTail(const std::vector<int>& nodes, int end) {
    const int s = nodes.back();
    for (int tailRows = 1; tailRows <= 2; ++tailRows) {
      const int e = end - tailRows;
      const auto window = FitWindow(s, e, kRelaxedGap);
      if (!window) continue;
      std::vector<int> added(window->rows.begin() + 1, window->rows.end());
      for (int r = e + 1; r <= end; ++r) added.push_back(r);
      std::vector<int> all = nodes;
      all.insert(all.end(), added.begin(), added.end());
      const std::size_t n = all.size();
      if (Fits({all[n - 4], all[n - 3], all[n - 2], all[n - 1]}, e, end)) return added;
    }
    return std::nullopt;
  }

  bool IsBorder(int row) const {
    return std::find(request_.borders.begin(), request_.borders.end(), row) !=
           request_.borders.end();
  }

  // The lookup evaluates the stretch after the last full window with the
  // last four points. Where one or two points past the previous window do,
  // they replace the last window's three.
  void ShortenTail(std::vector<int>& nodes) {
    const std::size_t n = nodes.size();
    if (n < 7) return;
    const int start = nodes[n - 4];
    const int end = nodes[n - 1];
    if (IsBorder(start) || end - start < kGap) return;
    if (Fits({nodes[n - 6], nodes[n - 5], start, end}, start, end)) {
      nodes.erase(nodes.end() - 3, nodes.end() - 1);
      return;
    }
    if (end - start < 2 * kGap) return;
    for (const double f : kSingleFractions) {
      const int q = std::clamp(RowAt(f, start, end), start + kGap, end - kGap);
      if (Fits({nodes[n - 5], start, q, end}, start, end)) {
        nodes.erase(nodes.end() - 3, nodes.end() - 1);
        nodes.insert(nodes.end() - 1, q);
        return;
      }
    }
  }

  const CurveSamples& samples_;
  const NodeRequest& request_;
  double floor_;
};

}  // namespace

double RelativeError(double value, double reference, double floor) {
  return std::abs(value - reference) / std::max(std::abs(reference), floor);
}

double ErrorFloor(const std::vector<ReferenceRow>& rows, int first, int last) {
  double largest = 0.0;
  for (int r = first; r <= last; ++r) largest = std::max(largest, std::abs(rows[r].y));
  return 0.01 * largest;
}

NodePlan ChooseNodes(const CurveSamples& samples, const NodeRequest& request) {
  NodePlan plan = NodeChooser(samples, request).Run();
  // Out of reach: end on the furthest row that can be reached.
  NodeRequest shorter = request;
  for (shorter.last = request.last - 1; plan.truncated && shorter.last > plan.nodes.back();
       --shorter.last) {
    NodePlan reached = NodeChooser(samples, shorter).Run();
    if (!reached.truncated) {
      reached.truncated = true;
      return reached;
    }
  }
  return plan;
}

}  // namespace dorix::tools
