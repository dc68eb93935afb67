#include "tools/tune/fit.h"

#include <cmath>
#include <cstdio>

namespace qz {

double 予想勝率(int 評価, double K) {
  return 1.0 / (1.0 + std::exp(-評価 / K));
}

double 予想誤差(const std::vector<教師局面>& v, const 評価重み& w, double K) {
  if (v.empty()) return 0;
  double sum = 0;
  for (const 教師局面& p : v) {
    const double d = p.結果 - 予想勝率(数の評価(p.数, w), K);
    sum += d * d;
  }
  return sum / static_cast<double>(v.size());
}

// A golden-section search on log K: the error is smooth and has one valley there.
double 尺度を合わせる(const std::vector<教師局面>& v, const 評価重み& w) {
  const double g = (std::sqrt(5.0) - 1) / 2;
  double lo = 0, hi = std::log(10000.0);
  double a = hi - g * (hi - lo), b = lo + g * (hi - lo);
  double ea = 予想誤差(v, w, std::exp(a)), eb = 予想誤差(v, w, std::exp(b));
  for (int i = 0; i < 60; ++i) {
    if (ea < eb) {
      hi = b, b = a, eb = ea;
      a = hi - g * (hi - lo);
      ea = 予想誤差(v, w, std::exp(a));
    } else {
      lo = a, a = b, ea = eb;
      b = lo + g * (hi - lo);
      eb = 予想誤差(v, w, std::exp(b));
    }
  }
  return std::exp((lo + hi) / 2);
}

namespace {

// Tries one weight one step either way; true when w kept a better value.
bool 一つ動かす(const std::vector<教師局面>& v, 評価重み& w, double K, const std::string& 名,
                int 歩, double& 誤差) {
  const int 元 = *重みの値(w, 名);
  for (const int d : {歩, -歩}) {
    重みを設定(w, 名, 元 + d);
    const double e = 予想誤差(v, w, K);
    if (e < 誤差) {
      誤差 = e;
      return true;
    }
  }
  重みを設定(w, 名, 元);
  return false;
}

}  // namespace

評価重み 重みを合わせる(const std::vector<教師局面>& v, 評価重み w, double K,
                        const 当てはめ条件& c) {
  double 誤差 = 予想誤差(v, w, K);
  for (int 歩 = std::max(c.初歩, 1); 歩 >= 1; 歩 /= 2) {
    bool 動いた = true;
    for (int 周 = 0; 動いた && 周 < c.最大周回; ++周) {
      動いた = false;
      for (const std::string& 名 : c.名) 動いた |= 一つ動かす(v, w, K, 名, 歩, 誤差);
      if (c.記録) {
        char b[80];
        std::snprintf(b, sizeof b, "step %d round %d: error %.7f", 歩, 周 + 1, 誤差);
        c.記録(b);
      }
    }
  }
  return w;
}

}  // namespace qz
