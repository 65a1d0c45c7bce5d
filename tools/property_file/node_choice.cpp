#include "node_choice.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>

#include "core/state/get_property.h"
#include "core/state/module1.h"

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

// Curves of at most this many points keep the window structure whole:
// 1 + 3 * 66 points, the most that fit in 200.
constexpr std::size_t kMostRegularPoints = 199;

struct Window {
  std::array<int, 4> rows;
};

class NodeChooser {
 public:
  NodeChooser(const CurveSamples& samples, const NodeRequest& request)
      : samples_(samples),
        request_(request),
        floor_(ErrorFloor(samples.rows, request.first, request.last)) {
    Module1.Store = PropertyStore();
    Module1.Store.PropName[1] = CurveName(samples.fluid, samples.code);
    Module1.Store.PropCount[1] = 4;
  }

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
        const auto window = FurthestWindow(plan.nodes.back(), end);
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
  // `from` up to, not including, `to`.
  bool Fits(const std::array<int, 4>& nodes, int from, int to) {
    auto& curve = Module1.Store.PropData[1];
    for (int i = 0; i < 4; ++i) {
      curve[1][i + 1] = samples_.points[nodes[i]].x;
      curve[2][i + 1] = samples_.points[nodes[i]].y;
    }
    for (int r = from; r < to; ++r) {
      const ReferenceRow& row = samples_.rows[r];
      double value = NAN;
      Module1.OutOfRange = 0;
      GetProperty(samples_.fluid, samples_.code, row.x, value);
      if (Module1.OutOfRange != 0 || !(RelativeError(value, row.y, floor_) <= request_.tolerance)) {
        return false;
      }
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

  // A regular window from row s to row e, if two interior rows make it fit.
  std::optional<Window> FitWindow(int s, int e) {
    std::vector<std::pair<int, int>> tried;
    for (const double a : kInnerFractions) {
      for (const double b : kInnerFractions) {
        const int i1 = std::clamp(RowAt(a, s, e), s + kGap, e - 2 * kGap);
        const int i2 = std::clamp(RowAt(1.0 - b, s, e), i1 + kGap, e - kGap);
        const std::pair<int, int> pair{i1, i2};
        if (std::find(tried.begin(), tried.end(), pair) != tried.end()) continue;
        tried.push_back(pair);
        const Window window{{s, i1, i2, e}};
        if (Fits(window.rows, s, e)) return window;
      }
    }
    return std::nullopt;
  }

  // The window from row s that reaches furthest towards `end` while leaving
  // room for at least one more window before it, or ending on it.
  std::optional<Window> FurthestWindow(int s, int end) {
    constexpr int kShortest = 3 * kGap;
    if (end - s < kShortest) return std::nullopt;
    if (auto window = FitWindow(s, end)) return window;
    const int longest = end - kShortest;
    if (longest < s + kShortest) return std::nullopt;
    auto best = FitWindow(s, s + kShortest);
    if (!best) return std::nullopt;
    int good = s + kShortest;
    int bad = longest + 1;
    for (int step = kShortest; good + step <= longest; step *= 2) {
      if (auto window = FitWindow(s, good + step)) {
        best = window;
        good += step;
      } else {
        bad = good + step;
        break;
      }
    }
    while (bad - good > 1) {
      const int mid = good + (bad - good) / 2;
      if (auto window = FitWindow(s, mid)) {
        best = window;
        good = mid;
      } else {
        bad = mid;
      }
    }
    return best;
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
  return NodeChooser(samples, request).Run();
}

}  // namespace dorix::tools
