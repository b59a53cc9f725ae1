// The cube as pieces: where each corner and edge is and how it is turned,
// relative to the six centres. This is the model the two-phase search works
// on; the colours of the program's facelets are read into it and written
// back from it.
//
// Faces in search order: U (top, face 4), R (right, 6), F (front, 1),
// D (bottom, 2), L (left, 5), B (back, 3). Corner slots URF, UFL, ULB, UBR,
// DFR, DLF, DBL, DRB; edge slots UR, UF, UL, UB, DR, DF, DL, DB, FR, FL, BL,
// BR. A corner's twist says which of its stickers, counted clockwise from
// the one on the U or D face, shows its U or D colour; an edge is flipped
// when its reference sticker (U or D colour, else F or B colour) is not on
// the slot's reference face.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "cube/arrangement_check.h"
#include "cube/facelets.h"

namespace rq51::shortest {

inline constexpr int kSearchFaceCount = 6;
// The program's face number of each search face U, R, F, D, L, B.
inline constexpr std::array<int, kSearchFaceCount> kProgramFace = {4, 6, 1, 2, 5, 3};
// "URFDLB"[face].
inline constexpr char kFaceLetters[] = "URFDLB";

// Face turn m = 3 * face + (quarter turns - 1): U, U2, U', R, R2, R', ...
inline constexpr int kFaceTurnCount = 18;
constexpr int FaceOfTurn(int turn) { return turn / 3; }
constexpr int PowerOfTurn(int turn) { return turn % 3 + 1; }
constexpr int FaceTurn(int face, int power) { return face * 3 + power - 1; }

struct CubieCube {
  std::array<uint8_t, 8> corner_slot{0, 1, 2, 3, 4, 5, 6, 7};  // corner now in slot i
  std::array<uint8_t, 8> twist{};                              // 0..2
  std::array<uint8_t, 12> edge_slot{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
  std::array<uint8_t, 12> flip{};  // 0..1
  bool operator==(const CubieCube&) const = default;
};

// The cube `a` with the turns of `b` performed after it.
CubieCube Multiply(const CubieCube& a, const CubieCube& b);
// The cube whose pieces undo `a`: Multiply(a, Inverse(a)) is solved.
CubieCube Inverse(const CubieCube& a);
// Face turn 0..17 performed on a solved cube.
const CubieCube& FaceTurnCube(int turn);

// Reads colours (index 1..54) with the face of each colour taken from the
// centres. Nothing when a piece is not found: the arrangement check refuses
// such colours first.
std::optional<CubieCube> CubieFromColours(const StickerColours& colours);
// The colours of `cube` with its faces coloured as `centres` (index 1..54)
// shows them on the six centres.
StickerColours ColoursFromCubie(const CubieCube& cube, const StickerColours& centres);

// --- Coordinates ---------------------------------------------------------------
// Phase 1 distinguishes the cosets of <U, D, R2, L2, F2, B2>: corner twist,
// edge flip and the slots of the four middle-layer edges FR, FL, BL, BR.
inline constexpr int kTwistCount = 2187;  // 3^7
inline constexpr int kFlipCount = 2048;   // 2^11
inline constexpr int kSliceCount = 495;   // C(12, 4)
// Phase 2 works inside that group: the corners' order, the order of the
// eight edges of the U and D layers, and the order of the middle-layer
// edges.
inline constexpr int kCornerOrderCount = 40320;  // 8!
inline constexpr int kEdgeOrderCount = 40320;    // 8!
inline constexpr int kSliceOrderCount = 24;      // 4!

int TwistOf(const CubieCube& cube);
int FlipOf(const CubieCube& cube);
int SliceOf(const CubieCube& cube);
int CornerOrderOf(const CubieCube& cube);
// Only for a cube whose middle-layer edges are in the middle layer.
int EdgeOrderOf(const CubieCube& cube);
int SliceOrderOf(const CubieCube& cube);

// A cube with the given coordinate, the rest of it solved as far as the
// coordinate allows.
CubieCube CubeWithTwist(int twist);
CubieCube CubeWithFlip(int flip);
CubieCube CubeWithSlice(int slice);
CubieCube CubeWithCornerOrder(int order);
CubieCube CubeWithEdgeOrder(int order);
CubieCube CubeWithSliceOrder(int order);

}  // namespace rq51::shortest
