// The three families of macros the CF-0 tables are built from, each written
// once: its text as the logs show it, its turns and what it does to a solved
// cube. Every bracketed text in the step tables is one of these.
#include "solvers/cf0/cf0_macros.h"

namespace rq51::cf0 {

// clang-format off
const std::vector<CornerExchangeMacro>& CornerExchangeMacros() {
  static const std::vector<CornerExchangeMacro> kMacros = {
      {"(RyRzRx )５乗", "Ry Rz Rx", {1, 3}, {}},
      {"(RzRxRy )５乗", "Rz Rx Ry", {1, 7}, {}},
      {"(RxRy-Rz)５乗", "Rx Ry3 Rz", {1, 9}, {3, 7, 12, 21, 27}},
      {"(RzRx-Ry)５乗", "Rz Rx3 Ry", {1, 12}, {3, 7, 9, 21, 27}},
      {"(RxRyRz )５乗", "Rx Ry Rz", {1, 21}, {}},
      {"(RyRz-Rx)５乗", "Ry Rz3 Rx", {1, 27}, {3, 7, 9, 12, 21}},
      {"(Rx-RyLz)５乗", "Rx3 Ry Lz", {3, 7}, {1, 9, 12, 18, 21}},
      {"(Ry-RzRx)５乗", "Ry3 Rz Rx", {3, 9}, {1, 7, 12, 21, 27}},
      {"(RyRzRx-)５乗", "Ry Rz Rx3", {3, 12}, {1, 7, 9, 21, 27}},
      {"(LzRxRy-)５乗", "Lz Rx Ry3", {3, 21}, {1, 7, 9, 12, 18}},
      {"(RzRxRy-)５乗", "Rz Rx Ry3", {7, 9}, {1, 3, 12, 21, 27}},
      {"(LyRzRx-)５乗", "Ly Rz Rx3", {7, 21}, {1, 3, 12, 18, 27}},
      {"(Rz-RxRy)５乗", "Rz3 Rx Ry", {7, 27}, {1, 3, 9, 12, 21}},
      {"(RyLzLx-)５乗", "Ry Lz Lx3", {9, 12}, {1, 3, 7, 18, 27}},
      {"(RzLxLy-)５乗", "Rz Lx Ly3", {9, 27}, {1, 7, 12, 18, 21}},
      {"(Rx-RyRz)５乗", "Rx3 Ry Rz", {12, 21}, {1, 3, 7, 9, 27}},
      {"(RxLyLz-)５乗", "Rx Ly Lz3", {12, 27}, {1, 3, 9, 18, 21}},
      {"(RxRyRz-)５乗", "Rx Ry Rz3", {21, 27}, {1, 3, 7, 9, 12}},
  };
  return kMacros;
}

const std::vector<ThreeEdgeCycle>& ThreeEdgeCycles() {
  static const std::vector<ThreeEdgeCycle> kMacros = {
      {"(Rx-MyRx- )４乗", "Rx3 My Rx3", {2, 17, 35}},
      {"(Ry-MxRy- )４乗", "Ry3 Mx Ry3", {2, 24, 15}},
      {"(Rz-MyRz- )４乗", "Rz3 My Rz3", {4, 11, 17}},
      {"(Ry-MzRy- )４乗", "Ry3 Mz Ry3", {4, 26, 20}},
      {"(RyMzRy )４乗", "Ry Mz Ry", {6, 26, 20}},
      {"(Rz-MxRz- )４乗", "Rz3 Mx Rz3", {6, 29, 15}},
      {"(RzMxRz )４乗", "Rz Mx Rz", {6, 35, 15}},
      {"(RyMxRy )４乗", "Ry Mx Ry", {8, 24, 15}},
      {"(RxMzRx )４乗", "Rx Mz Rx", {8, 26, 11}},
      {"(Rx-MzRx- )４乗", "Rx3 Mz Rx3", {8, 26, 29}},
      {"(RzMyRz )４乗", "Rz My Rz", {11, 17, 24}},
      {"(RxMyRx )４乗", "Rx My Rx", {17, 35, 20}},
  };
  return kMacros;
}

const std::vector<TwoEdgeExchange>& TwoEdgeExchanges() {
  static const std::vector<TwoEdgeExchange> kMacros = {
      {"(Ry2MzRy2MzRy2MzRy2)", "Ry2 Mz Ry2 Mz Ry2 Mz Ry2", {2, 8}, {20, 26}, {5, 50, 23, 41}},
      {"(Rx2MzRx2MzRx2MzRx2)", "Rx2 Mz Rx2 Mz Rx2 Mz Rx2", {2, 20}, {8, 26}, {5, 50, 23, 41}},
      {"(Ry2MxRy2MxRy2MxRy2)", "Ry2 Mx Ry2 Mx Ry2 Mx Ry2", {4, 6}, {15, 24}, {5, 14, 23, 32}},
      {"(Rz2MxRz2MxRz2MxRz2)", "Rz2 Mx Rz2 Mx Rz2 Mx Rz2", {4, 24}, {6, 15}, {5, 14, 23, 32}},
      {"(Rz2MxRz2Mx-Rz2MxRz2)", "Rz2 Mx Rz2 Mx3 Rz2 Mx Rz2", {6, 15}, {4, 24}, {5, 32, 23, 14}},
      {"(Rx2MzRx2Mz-Rx2MzRx2)", "Rx2 Mz Rx2 Mz3 Rx2 Mz Rx2", {8, 26}, {2, 20}, {5, 41, 23, 50}},
      {"(Rz2MyRz2My-Rz2MyRz2)", "Rz2 My Rz2 My3 Rz2 My Rz2", {11, 17}, {29, 35}, {14, 41, 32, 50}},
      {"(Rx2MyRx2MyRx2MyRx2)", "Rx2 My Rx2 My Rx2 My Rx2", {11, 29}, {17, 35}, {14, 50, 32, 41}},
      {"(Ry2MxRy2Mx-Ry2MxRy2)", "Ry2 Mx Ry2 Mx3 Ry2 Mx Ry2", {15, 24}, {4, 6}, {5, 32, 23, 14}},
      {"(Rx2MyRx2My-Rx2MyRx2)", "Rx2 My Rx2 My3 Rx2 My Rx2", {17, 35}, {11, 29}, {14, 41, 32, 50}},
      {"(Ry2MzRy2Mz-Ry2MzRy2)", "Ry2 Mz Ry2 Mz3 Ry2 Mz Ry2", {20, 26}, {2, 8}, {5, 41, 23, 50}},
      {"(Rz2MyRz2MyRz2MyRz2)", "Rz2 My Rz2 My Rz2 My Rz2", {29, 35}, {11, 17}, {14, 50, 32, 41}},
  };
  return kMacros;
}
// clang-format on

}  // namespace rq51::cf0
