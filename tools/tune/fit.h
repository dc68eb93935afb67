// Texel's method for the searching player's evaluation: the weights that
// best predict the results of self-play games from their positions, the
// error being the mean of (result - sigmoid(score / K))^2 over the positions,
// each scored by the static evaluation from what it counts.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/tune/teacher.h"

namespace qz {

// The expected result for the side to move of a position it scores so.
double 予想勝率(int 評価, double K);

// The mean squared error of the predictions under w and K.
double 予想誤差(const std::vector<教師局面>& v, const 評価重み& w, double K);

// The K in [1, 10000] of the least error under w.
double 尺度を合わせる(const std::vector<教師局面>& v, const 評価重み& w);

struct 当てはめ条件 {
  std::vector<std::string> 名;  // the weights to change (names of 重みの名前)
  int 初歩 = 16;                // the first step, halved down to 1
  int 最大周回 = 200;           // at most this many rounds over the weights per step
  std::function<void(const std::string&)> 記録;  // told of the error after each round
};

// Local search from w: each weight one step up or down while that lowers
// the error, round after round until none does, then with half the step.
評価重み 重みを合わせる(const std::vector<教師局面>& v, 評価重み w, double K,
                        const 当てはめ条件& c);

}  // namespace qz
