// SPDX-License-Identifier: MIT
#include "core/props/property_curve.h"

#include <cmath>

#include "core/fluids/fluid.h"

namespace dorix {

namespace {

constexpr std::array<const char*, kPropertyCodeCount + 1> kPropertySuffixes = {
    "", "rol", "mul", "kl", "prl", "tsat", "psat", "sig", "hfg", "muv", "kv", "cpv"};

// First point of the window of four points that holds x, chosen so that a
// point on the border of two windows belongs to the later one.
int WindowStart(const float* X, double x, int n) {
  int s = 1;
  for (;;) {
    const int e = s + 3;
    if (X[s] <= x && x < X[e]) return s;
    if (n - e >= 3) {
      s = e;
    } else if (n - e >= 1) {
      return n - 3;
    } else {
      return s;
    }
  }
}

}  // namespace

std::string CurveName(int fluid, int code) {
  const Fluid* f = FindFluid(fluid);
  if (!f || code < 1 || code > kPropertyCodeCount) return {};
  return std::string(f->curvePrefix) + kPropertySuffixes[code];
}

bool IsConstantProperty(int fluid, int code) {
  return fluid == kMercury && code == kVaporSpecificHeat;
}

CurveView CurveInSlot(const PropertyStore& store, int slot) {
  const CurvePoints& points = store.PropData[slot];
  return {points[1].data(), points[2].data(), store.PropCount[slot], store.WindowFits(slot)};
}

CubicFit FitWindow(const float* X, const float* Y, int s) {
  LinearMatrix a{};
  LinearVector b{};
  CubicFit c{};
  for (int i = 1; i <= 4; ++i) {
    const double xi = X[s + i - 1];
    // pow(xi, 0) and pow(xi, 1) are exactly 1 and xi; only the higher powers need pow.
    a[i][1] = 1.0;
    a[i][2] = xi;
    a[i][3] = std::pow(xi, 2);
    a[i][4] = std::pow(xi, 3);
    b[i] = Y[s + i - 1];
  }
  SolveLinear(a, b, c, 4);
  return c;
}

std::vector<int> WindowStarts(int n) {
  std::vector<int> starts;
  int s = 1;
  for (; n - (s + 3) >= 3; s += 3) starts.push_back(s);
  starts.push_back(s);
  if (n - (s + 3) >= 1) starts.push_back(n - 3);
  return starts;
}

std::optional<double> EvaluateCurve(const CurveView& curve, double x) {
  const int n = curve.n;
  if (n < 4) return std::nullopt;
  const float* X = curve.X;
  const float* Y = curve.Y;

  const double lo = 0.99 * X[1];
  const double hi = 1.01 * X[n];
  // Written so that a NaN argument is out of range too.
  if (!(x >= lo && x <= hi)) return std::nullopt;
  if (x <= X[1]) return Y[1];
  if (x >= X[n]) return Y[n];

  const int s = WindowStart(X, x, n);
  const CubicFit c = curve.fits ? curve.fits[s] : FitWindow(X, Y, s);
  return ((c[1] + c[2] * x) + c[3] * std::pow(x, 2)) + c[4] * std::pow(x, 3);
}

std::optional<double> LookUpProperty(const PropertyStore& store, int fluid, int code, double x) {
  if (IsConstantProperty(fluid, code)) return kMercuryVaporSpecificHeat;
  const int slot = store.CurveSlot(fluid, code);
  if (slot == 0) return std::nullopt;
  return EvaluateCurve(CurveInSlot(store, slot), x);
}

void SolveLinear(LinearMatrix& a, LinearVector& b, LinearVector& c, int n) {
  for (int k = 1; k <= n - 1; ++k) {
    int p = k;
    double m = std::abs(a[k][k]);
    for (int i = k + 1; i <= n; ++i) {
      if (std::abs(a[i][k]) > m) {
        m = std::abs(a[i][k]);
        p = i;
      }
    }
    if (p != k) {
      for (int j = k; j <= n; ++j) std::swap(a[k][j], a[p][j]);
      std::swap(b[k], b[p]);
    }
    for (int i = k + 1; i <= n; ++i) {
      b[i] = b[i] - (b[k] * a[i][k]) / a[k][k];
      for (int j = k + 1; j <= n; ++j) a[i][j] = a[i][j] - (a[i][k] * a[k][j]) / a[k][k];
    }
  }
  c[n] = b[n] / a[n][n];
  for (int i = n - 1; i >= 1; --i) {
    double t = 0.0;
    for (int j = i + 1; j <= n; ++j) t = t + a[i][j] * c[j];
    c[i] = (b[i] - t) / a[i][i];
  }
}

}  // namespace dorix
