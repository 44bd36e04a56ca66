#pragma once
#include <SDL/SDL.h>

#include <vector>

// Enlarges a 32-bit picture into a rectangle of a surface of the same pixel
// format, every frame, from tables made once per size. Sharp: each pixel of
// the rectangle takes the picture's pixel it lies on, so that at a whole
// factor every picture pixel becomes a square. Smooth: each takes the
// bilinear blend of the four picture pixels around it. A whole factor is
// always sharp: blending would only blur it. Shrinking works the same way.
class Enlarger {
public:
    // Tables for a picture of `fromW` x `fromH` drawn into `into`.
    void Prepare(int fromW, int fromH, const SDL_Rect& into, bool smooth);
    bool Smooth() const { return Blending; }

    // Draws `from` into the prepared rectangle of `to`; false (nothing
    // drawn) when the surfaces are not 32-bit or not of the prepared sizes.
    bool Run(SDL_Surface* from, SDL_Surface* to);

private:
    // For each column (row) of the rectangle: the first picture column
    // (row) it samples and, when blending, the weight of the next one in
    // 256ths.
    std::vector<int> ColumnFrom, RowFrom;
    // The column each column blends toward: the next, or the last itself.
    std::vector<int> ColumnNext;
    // Each column's weights as eight 16-bit lanes, for vector blending:
    // four times the first pixel's, four times the next one's.
    std::vector<Uint16> ColumnLanes;
    std::vector<unsigned> ColumnWeight, RowWeight;
    int FromW = 0, FromH = 0;
    SDL_Rect Into{0, 0, 0, 0};
    bool Blending = false;
    // Picture rows already blended across, and which rows they are: each
    // picture row is blended across once per frame, however many window
    // rows it takes part in.
    std::vector<Uint32> Above, Below;
    int AboveRow = -1, BelowRow = -1;

    void RunSharp(const SDL_Surface* from, SDL_Surface* to) const;
    void RunSmooth(const SDL_Surface* from, SDL_Surface* to);
    void BlendAcross(const SDL_Surface* from, int row, Uint32* out) const;
    // Makes Above hold picture row `top` and Below row `top` + 1.
    void HoldRows(const SDL_Surface* from, int top);
};
