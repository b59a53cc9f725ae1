// The step tables of the CF method, row for row, in the order the steps run.
// A row is its key and its log lines exactly as the list shows them; the
// turns are read from the lines, brackets performed as written.
#include "solvers/cf/cf_rows.h"

namespace rq51::cf {

// clang-format off
const std::vector<KeyedRows>& CornerPlacementSteps() {
  // Each row carries the target's cubie home with a few turns of the R
  // layers and moves no corner placed before.
  static const std::vector<KeyedRows> kSteps = {
      // Step 1: A27, key: the slot now holding home 27
      {27, {
          {1, {"Rz2      A27<- A1"}},
          {3, {"Rx2Rz    A27<- A3"}},
          {7, {"Rz-      A27<- A7"}},
          {9, {"Ry-Rz-   A27<- A9"}},
          {12, {"Rx Rz    A27<-A12"}},
          {21, {"Rz       A27<-A21"}},
      }},
      // Step 2: A21, key: the slot now holding home 21
      {21, {
          {1, {"Rx-      A21<- A1"}},
          {3, {"Rx2      A21<- A3"}},
          {7, {"Ry-Rx-   A21<- A7"}},
          {9, {"Ry Rx2   A21<- A9"}},
          {12, {"Rx       A21<-A12"}},
      }},
      // Step 3: A12, key: the slot now holding home 12
      {12, {
          {1, {"Rz Rx-Rz-   A12<-A1"}},
          {3, {"Rx-Ry-Rx    A12<-A3"}},
          {7, {"Rx-Ry2Rx    A12<-A7"}},
          {9, {"Rx-Ry Rx    A12<-A9"}},
      }},
      // Step 4: A1, key: the slot now holding home 1
      {1, {
          {3, {"Ry    A1<-A3"}},
          {7, {"Ry-   A1<-A7"}},
          {9, {"Ry2   A1<-A9"}},
      }},
  };
  return kSteps;
}

// Step 5, keyed by 100 x the slot number holding home 9 + the one holding
// home 7.
const std::vector<RowSpec>& LastThreeCornerRows() {
  static const std::vector<RowSpec> kRows = {
    {903, {"(Rx-Ry Lz )５乗   A3<->A7"}},
    {709, {"(Rz Rx Ry-)５乗   A7<->A9"}},
    {703, {" Rx-Rz-   A3->A9->A7", "(Ry-Rx-Rz-)４乗"}},
    {307, {"(Ry-Rz Rx )５乗   A3<->A9"}},
    {309, {"(Rz Rx Ry )４乗   A3->A7->A9", " Rz Rx "}},
  };
  return kRows;
}

// Step 6, keyed by the twist code of A7, A21 and A27.
const std::vector<RowSpec>& ThreeCornerTwistRows() {
  static const std::vector<RowSpec> kRows = {
    {1, {"(Ry-Rx )２乗      A27@-", " Ry-Rz ", "(Rx-Rz )２乗"}},
    {2, {"(Rx Ry-)２乗      A27@+", " Rx Rz- ", "(Ry Rz-)２乗"}},
    {10, {"(Rx Ry Rx-Ry-)２乗      A21@-"}},
    {11, {"(Rx Rz-Rx-Rz )２乗      A21@- & A27@-"}},
    {12, {"(Rx-Rz-Rx Rz )２乗      A21@- & A27@+"}},
    {20, {"(Ry Rx Ry-Rx-)２乗      A21@+"}},
    {21, {"(Rz-Rx-Rz Rx )２乗      A21@+ & A27@-"}},
    {22, {"(Rz-Rx Rz Rx-)２乗      A21@+ & A27@+"}},
    {100, {"(Rx-Ry-Rx Ry )２乗      A7@-"}},
    {101, {"(Rz Ry-Rz-Ry )２乗      A7@- & A27@-"}},
    {102, {"(Rz Ry Rz-Ry-)２乗      A7@- & A27@+"}},
    {110, {"(Ry-Rx Ry Rx-)２乗      A7@- & A21@-"}},
    {111, {"(Rz-Rx )３乗      A7@- & A21@- & A27@-", "(Rz-Rx Rz Rx-)２乗"}},
    {112, {"(Rz-Ry )３乗      A7@- & A21@- & A27@+"}},
    {120, {"(Rx Ry-)３乗      A7@- & A21@+"}},
    {121, {"(Rz Ry-)３乗      A7@- & A21@+ & A27@-"}},
    {122, {"(Rz-Rx )３乗      A7@- & A21@+ & A27@+"}},
    {200, {"(Ry-Rx-Ry Rx )２乗      A7@+"}},
    {201, {"(Ry Rz Ry-Rz-)２乗      A7@+ & A27@-"}},
    {202, {"(Ry-Rz Ry Rz-)２乗      A7@+ & A27@+"}},
    {210, {"(Rx-Ry )３乗      A7@+ & A21@-"}},
    {211, {"(Rx-Rz )３乗      A7@+ & A21@- & A27@-"}},
    {212, {"(Ry Rz-)３乗      A7@+ & A21@- & A27@+"}},
    {220, {"(Rx Ry-Rx-Ry )２乗      A7@+ & A21@+"}},
    {221, {"(Ry-Rz )３乗      A7@+ & A21@+ & A27@-"}},
    {222, {"(Rx-Rz )３乗      A7@+ & A21@+ & A27@+", "(Rx Rz-Rx-Rz )２乗"}},
  };
  return kRows;
}

// Step 7, keyed by the twist code of A1 and A3.
const std::vector<RowSpec>& TwoCornerTwistRows() {
  static const std::vector<RowSpec> kRows = {
    {1, {"(Ry Rx-)３乗      A3@-", " Ry-Rx Ry-Rx2Ry-", " Rx-Ry Rx Ry-"}},
    {2, {"(Rx-Ry )３乗      A3@+", " Rx Ry-Rx Ry2Rx ", " Ry Rx-Ry-Rx "}},
    {10, {"(Ry Rx-)３乗      A1@-", "(Ry-Rx )３乗", "(Ry Rx-Ry-Rx )２乗"}},
    {11, {"(Rx-Ry )３乗      A1@- & A3@-", "(Rx Ry-)３乗"}},
    {12, {"(Rx-Ry Rx Ry-)２乗      A1@- & A3@+"}},
    {20, {"(Rx-Ry )３乗      A1@+", "(Rx Ry-)３乗", "(Rx-Ry Rx Ry-)２乗"}},
    {21, {"(Ry Rx-Ry-Rx )２乗      A1@+ & A3@-"}},
    {22, {"(Ry Rx-)３乗      A1@+ & A3@+", "(Ry-Rx )３乗"}},
  };
  return kRows;
}

// Step 8, keyed by the home number at 9.
const std::vector<RowSpec>& A9TwistRows() {
  static const std::vector<RowSpec> kRows = {
    {16, {"(Rz-Ry )３乗      A9@-", "(Rz Rx-)３乗"}},
    {39, {"(Rx Rz-)３乗      A9@+", "(Ry-Rz )３乗"}},
  };
  return kRows;
}

// Run after step 8. The first case of step 5 turns Lz and so twists the
// reference corner; the twist chain then ends at A12, turned the other way.
// Each row turns both back and moves nothing else.
const KeyedRows& ReferenceCornerStep() {
  static const KeyedRows kStep = {18, {
      {25, {"Lx Ly2Lx Lz-Ry2Lz Lx-      A18@-", " Ly2Lx Lz-Ry2Lz Lx2"}},
      {45, {"Lx2Lz-Ry2Lz Lx-Ly2Lx      A18@+", " Lz-Ry2Lz Lx-Ly2Lx-"}},
  }};
  return kStep;
}

const std::vector<KeyedRows>& EdgePlacementSteps() {
  // Each row carries the target's cubie into its slot and moves no edge
  // placed before out of its slot; centres may move.
  static const std::vector<KeyedRows> kSteps = {
      // Step 9: B15, key: the slot now holding home 15
      {15, {
          {2, {"Ry Mx2Ry-   B15<-B2"}},
          {4, {"Mx2   B15<-B4"}},
          {6, {"Mx    B15<-B6"}},
          {8, {"Ry Mx Ry-   B15<-B8"}},
          {11, {"My Rz Mx-Rz-   B15<-B11"}},
          {17, {"Rz My-Rz-Mx-   B15<-B17"}},
          {20, {"Ry Mz-Ry-Mx    B15<-B20"}},
          {24, {"Mx-   B15<-B24"}},
          {26, {"Mz Ry Mx Ry-   B15<-B26"}},
          {29, {"Rz Mx-Rz-   B15<-B29"}},
          {35, {"Rz Mx2Rz-   B15<-B35"}},
      }},
      // Step 10: B17, key: the slot now holding home 17
      {17, {
          {2, {"Rx My-Rx-   B17<-B2"}},
          {4, {"Rz My2Rz-   B17<-B4"}},
          {6, {"Rz Mx-Rz-My Mx    B17<-B6"}},
          {8, {"Mz Rx My-Rx-   B17<-B8"}},
          {11, {"My-   B17<-B11"}},
          {20, {"Rx My2Rx-   B17<-B20"}},
          {24, {"Rz-My2Rz    B17<-B24"}},
          {26, {"Rx Mz-Rx-My-   B17<-B26"}},
          {29, {"My2   B17<-B29"}},
          {35, {"My    B17<-B35"}},
      }},
      // Step 11: B26, key: the slot now holding home 26
      {26, {
          {2, {"Mz2   B26<-B2"}},
          {4, {"Ry Mz-Ry-   B26<-B4"}},
          {6, {"Ry Mz2Ry-   B26<-B6"}},
          {8, {"Mz-   B26<-B8"}},
          {11, {"Rx Mz Rx-   B26<-B11"}},
          {20, {"Mz    B26<-B20"}},
          {24, {"Mx Ry Mz-Ry-Mx-   B26<-B24"}},
          {29, {"Rx Mz2Rx-   B26<-B29"}},
          {35, {"Rx My-Rx-Mz My    B26<-B35"}},
      }},
      // Step 12: B8, key: the slot now holding home 8
      {8, {
          {2, {"Ry Mx Ry-Mx-   B8<-B2"}},
          {4, {"Ry Mz-Ry-Mz    B8<-B4"}},
          {6, {"Mx Ry Mx-Ry-   B8<-B6"}},
          {11, {"(Mz Rx Mz-Rx-)２乗   B8<-B11"}},
          {20, {"(Rx Mz Rx-Mz-)２乗   B8<-B20"}},
          {24, {"(Ry Mx Ry-Mx-)２乗   B8<-B24"}},
          {29, {"Mz Rx Mz-Rx-   B8<-B29"}},
          {35, {"Rz Mx-Rz-Mx    B8<-B35", "Mz Rx Mz-Rx-"}},
      }},
      // Step 13: B2, key: the slot now holding home 2
      {2, {
          {4, {"My Rz My-Rz-   B2<-B4", "My-Rx My Rx-"}},
          {6, {"Rz Mx-Rz-Mx    B2<-B6", "(Rx My-Rx-My )２乗"}},
          {11, {"My-Rx My Rx-   B2<-B11"}},
          {20, {"Rx My-Rx-My    B2<-B20"}},
          {24, {"Rz My Rz-My-   B2<-B24", "(Rx My-Rx-My )２乗"}},
          {29, {"(My-Rx My Rx-)２乗   B2<-B29"}},
          {35, {"(Rx My-Rx-My )２乗   B2<-B35"}},
      }},
      // Step 14: B20, key: the slot now holding home 20
      {20, {
          {4, {"Ry2Mz Ry2Mz-Ry2Mz    B20<-B4", "Ry Mz Ry-", "(Ry-Mz Ry-)３乗"}},
          {6, {"Ry2Mz Ry2Mz-Ry2Mz    B20<-B6", "Ry-Mz Ry ", "(Ry Mz Ry )３乗"}},
          {11, {"Rx2My-Rx2My    B20<-B11", "Rx2My Rx2My-Rx2My ", "Rx-My Rx ", "(Rx My Rx )３乗"}},
          {24, {"Ry2Mx Ry2Mx-   B20<-B24", "Ry2Mz Ry2Mz-Ry2Mz ", "Ry Mz Ry-", "(Ry-Mz Ry-)３乗"}},
          {29, {"Rz2My Rz2My-   B20<-B29", "Rx2My Rx2My-Rx2My ", "Rx-My Rx ", "(Rx My Rx )３乗"}},
          {35, {"Rx2My Rx2My-Rx2My    B20<-B35", "Rx-My Rx ", "(Rx My Rx )３乗"}},
      }},
      // Step 15: B11, key: the slot now holding home 11
      {11, {
          {4, {"My Rz My-Rz-   B11<-B4"}},
          {6, {"Mx-Rz Mx Rz-    B11<-B6", "My Rz My-Rz-"}},
          {24, {"(My Rz My-Rz-)２乗   B11<-B24"}},
          {29, {"Rz My Rz-My-   B11<-B29"}},
          {35, {"Rz2My Rz2My-   B11<-B35"}},
      }},
      // Step 16: B29, key: the slot now holding home 29
      {29, {
          {4, {"(Mx-Rz Mx Rz-)２乗   B29<-B4"}},
          {6, {"(Rz Mx-Rz-Mx )２乗   B29<-B6"}},
          {24, {"Mx-Rz Mx Rz-   B29<-B24"}},
          {35, {"Rz Mx-Rz-Mx    B29<-B35"}},
      }},
      // Step 17: B35, key: the slot now holding home 35
      {35, {
          {4, {"Ry2Mx Ry2Mx-   B35<-B4", "Rz2Mx Rz2Mx-Rz2Mx ", "Rz-Mx Rz ", "(Rz Mx Rz )３乗"}},
          {6, {"Rz2Mx Rz2Mx-Rz2Mx    B35<-B6", "Rz-Mx Rz ", "(Rz Mx Rz )３乗"}},
          {24, {"Rz2Mx-Rz2Mx    B35<-B24", "Rz2Mx Rz2Mx-Rz2Mx ", "Rz-Mx Rz ", "(Rz Mx Rz )３乗"}},
      }},
  };
  return kSteps;
}

// Step 18, keyed by 100 x the slot number holding home 4 + the one holding
// home 6.
const std::vector<RowSpec>& LastThreeEdgeRows() {
  static const std::vector<RowSpec> kRows = {
    {424, {"Ry2Mx Ry2Mx Ry2Mx Ry2   B6<->B24", "Rz2Mx-Rz2Mx "}},
    {604, {"Ry2Mx Ry2Mx Ry2Mx Ry2   B4<->B6"}},
    {624, {"Rz2Mx-Rz2Mx    B4->B24->B6"}},
    {2406, {"Rz2Mx Rz2Mx Rz2Mx Rz2   B4<->B24"}},
    {2404, {"Ry2Mx Ry2Mx-   B4->B6->B24"}},
  };
  return kRows;
}

// Steps 19-29: the position read, and the row for the home found there when
// the edge sits reversed.
const std::vector<KeyedRows>& EdgeFlipSteps() {
  static const std::vector<KeyedRows> kSteps = {
      // Step 19: B15 turned over (also turns over B2, B4, B24)
      {15, {{22, {"(Ry-Mx )４乗    B15@"}}}},
      // Step 20: B17 turned over (also turns over B11, B20, B35)
      {17, {{42, {"(Rx My )４乗    B17@"}}}},
      // Step 21: B26 turned over (also turns over B6, B8, B20)
      {26, {{44, {"(Ry Mz )４乗    B26@"}}}},
      // Step 22: B20 turned over (also turns over B2)
      {20, {{47, {"(Rx My-)４乗    B20@", "(Rx-My-)４乗"}}}},
      // Step 23: B24 turned over (also turns over B2)
      {24, {{31, {"(Rx-My )４乗    B24@", "(Rz-My-)４乗"}}}},
      // Step 24: B2 turned over (also turns over B4)
      {2, {{53, {"(Rx-My )４乗    B2@", "(Rz My-)４乗"}}}},
      // Step 25: B4 turned over (also turns over B6)
      {4, {{33, {"(Ry Mx )４乗    B4@", "(Ry-Mx-)４乗"}}}},
      // Step 26: B6 turned over (also turns over B11)
      {6, {{13, {"(Ry Mz )４乗    B6@", "(Rx-Mz-)４乗"}}}},
      // Step 27: B11 turned over (also turns over B29)
      {11, {{51, {"(Rx My )４乗    B11@", "(Rx-My-)４乗"}}}},
      // Step 28: B29 turned over (also turns over B8)
      {29, {{49, {"(Ry-Mx-)４乗    B29@", "(Rz-Mx )４乗"}}}},
      // Step 29: B8 turned over (also turns over B35)
      {8, {{38, {"(Ry-Mx-)４乗    B8@", "(Rz Mx )４乗"}}}},
  };
  return kSteps;
}

// Keyed by steps::CentreArrangementKey.
const std::vector<RowSpec>& CentreRows() {
  static const std::vector<RowSpec> kRows = {
      {532, {"Mx2My Mx2My-   C14@ & C41@"}},
      {2314, {"My2Mz My2Mz-    C5@ & C41@"}},
      {2332, {"Mx My2Mx-My2    C5@ & C14@"}},
      {1441, {"Mx My Mx-My-   C5→C41→C14"}},
      {1450, {"Mx My-Mx-My    C5→C50→C14"}},
      {3241, {"Mx-My-Mx My    C5→C41→C32"}},
      {3250, {"Mx-My Mx My-   C5→C50→C32"}},
      {4114, {"My Mx My-Mx-   C5→C14→C41"}},
      {4132, {"My-Mx-My Mx    C5→C32→C41"}},
      {5014, {"My-Mx My Mx-   C5→C14→C50"}},
      {5032, {"My Mx-My-Mx    C5→C32→C50"}},
  };
  return kRows;
}
// clang-format on

}  // namespace rq51::cf
