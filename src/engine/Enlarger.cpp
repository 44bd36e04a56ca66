#include "engine/Enlarger.h"

#include <algorithm>
#include <cstring>
#include <utility>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {
const Uint32* RowOf(const SDL_Surface* s, int y) {
    return reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(s->pixels) + y * s->pitch);
}
Uint32* RowOf(SDL_Surface* s, int y) { return reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) + y * s->pitch); }

#ifndef __SSE2__
// The blend of two pixels, `weight` 256ths of the way from `a` to `b`, all
// four bytes at once: two bytes a lane, each lane wide enough for a product.
Uint32 Blend(Uint32 a, Uint32 b, unsigned weight) {
    const unsigned keep = 256 - weight;
    const Uint32 low = (((a & 0x00FF00FFu) * keep + (b & 0x00FF00FFu) * weight) >> 8) & 0x00FF00FFu;
    const Uint32 high = ((((a >> 8) & 0x00FF00FFu) * keep + ((b >> 8) & 0x00FF00FFu) * weight)) & 0xFF00FF00u;
    return low | high;
}
#endif

// Sharp: window pixel i of `size` samples picture pixel i * from / size.
void SharpTable(int from, int size, std::vector<int>& index) {
    index.resize(static_cast<size_t>(size));
    for (int i = 0; i < size; ++i)
        index[static_cast<size_t>(i)] = static_cast<int>(static_cast<long>(i) * from / size);
}

// Smooth: the centre of window pixel i lies at (i + 1/2) * from / size - 1/2
// in picture pixels; its integer part and its fraction in 256ths. Centres
// outside the picture's first and last pixel take that pixel.
void SmoothTable(int from, int size, std::vector<int>& index, std::vector<unsigned>& weight) {
    index.resize(static_cast<size_t>(size));
    weight.resize(static_cast<size_t>(size));
    for (int i = 0; i < size; ++i) {
        const long at = (static_cast<long>(2 * i + 1) * from * 256) / (2L * size) - 128;
        int first = static_cast<int>(std::max(at, 0L) >> 8);
        unsigned part = at < 0 ? 0 : static_cast<unsigned>(at & 255);
        if (first >= from - 1) {
            first = from - 1;
            part = 0;
        }
        index[static_cast<size_t>(i)] = first;
        weight[static_cast<size_t>(i)] = part;
    }
}

bool WholeFactor(int fromW, int fromH, const SDL_Rect& into) {
    return into.w % fromW == 0 && into.h % fromH == 0 && into.w / fromW == into.h / fromH;
}
}  // namespace

void Enlarger::Prepare(int fromW, int fromH, const SDL_Rect& into, bool smooth) {
    FromW = fromW;
    FromH = fromH;
    Into = into;
    Blending = smooth && !WholeFactor(fromW, fromH, into);
    AboveRow = BelowRow = -1;
    if (Blending) {
        SmoothTable(fromW, into.w, ColumnFrom, ColumnWeight);
        ColumnNext.resize(ColumnFrom.size());
        for (size_t x = 0; x < ColumnFrom.size(); ++x)
            ColumnNext[x] = std::min(ColumnFrom[x] + 1, fromW - 1);
        ColumnLanes.resize(ColumnFrom.size() * 8);
        for (size_t x = 0; x < ColumnFrom.size(); ++x)
            for (size_t lane = 0; lane < 8; ++lane)
                ColumnLanes[x * 8 + lane] = static_cast<Uint16>(lane < 4 ? 256 - ColumnWeight[x] : ColumnWeight[x]);
        SmoothTable(fromH, into.h, RowFrom, RowWeight);
        Above.resize(into.w);
        Below.resize(into.w);
    } else {
        SharpTable(fromW, into.w, ColumnFrom);
        SharpTable(fromH, into.h, RowFrom);
        ColumnWeight.clear();
        ColumnNext.clear();
        ColumnLanes.clear();
        RowWeight.clear();
        Above.clear();
        Below.clear();
    }
}

bool Enlarger::Run(SDL_Surface* from, SDL_Surface* to) {
    if (from == nullptr || to == nullptr || from->format->BytesPerPixel != 4 || to->format->BytesPerPixel != 4 ||
        from->w != FromW || from->h != FromH || Into.w == 0 || Into.h == 0 || Into.x + Into.w > to->w ||
        Into.y + Into.h > to->h)
        return false;
    if (SDL_LockSurface(from) != 0)
        return false;
    if (SDL_LockSurface(to) != 0) {
        SDL_UnlockSurface(from);
        return false;
    }
    if (Blending)
        RunSmooth(from, to);
    else
        RunSharp(from, to);
    SDL_UnlockSurface(to);
    SDL_UnlockSurface(from);
    return true;
}

void Enlarger::RunSharp(const SDL_Surface* from, SDL_Surface* to) const {
    const size_t bytes = static_cast<size_t>(Into.w) * 4;
    const Uint32* previous = nullptr;
    for (int y = 0; y < Into.h; ++y) {
        Uint32* out = RowOf(to, Into.y + y) + Into.x;
        // Window rows that show the same picture row are copies of the first.
        if (previous != nullptr && RowFrom[static_cast<size_t>(y)] == RowFrom[static_cast<size_t>(y) - 1]) {
            std::memcpy(out, previous, bytes);
        } else {
            const Uint32* in = RowOf(from, RowFrom[static_cast<size_t>(y)]);
            for (int x = 0; x < Into.w; ++x)
                out[x] = in[ColumnFrom[static_cast<size_t>(x)]];
        }
        previous = out;
    }
}

void Enlarger::BlendAcross(const SDL_Surface* from, int row, Uint32* out) const {
    const Uint32* in = RowOf(from, row);
    const int* first = ColumnFrom.data();
    const int* next = ColumnNext.data();
#ifdef __SSE2__
    // Both pixels' bytes side by side in 16-bit lanes, times their weights,
    // in one multiplication; the two halves summed: most of the smooth
    // enlargement's time goes here.
    const __m128i zero = _mm_setzero_si128();
    const __m128i* weights = reinterpret_cast<const __m128i*>(ColumnLanes.data());
    for (int x = 0; x < Into.w; ++x) {
        const __m128i pair = _mm_unpacklo_epi32(_mm_cvtsi32_si128(static_cast<int>(in[first[x]])),
                                                _mm_cvtsi32_si128(static_cast<int>(in[next[x]])));
        const __m128i product = _mm_mullo_epi16(_mm_unpacklo_epi8(pair, zero), _mm_loadu_si128(weights + x));
        const __m128i sum = _mm_srli_epi16(_mm_add_epi16(product, _mm_srli_si128(product, 8)), 8);
        out[x] = static_cast<Uint32>(_mm_cvtsi128_si32(_mm_packus_epi16(sum, sum)));
    }
#else
    const unsigned* weight = ColumnWeight.data();
    for (int x = 0; x < Into.w; ++x)
        out[x] = Blend(in[first[x]], in[next[x]], weight[x]);
#endif
}

void Enlarger::HoldRows(const SDL_Surface* from, int top) {
    if (AboveRow != top) {
        if (BelowRow == top) {
            std::swap(Above, Below);
            std::swap(AboveRow, BelowRow);
        } else {
            BlendAcross(from, top, Above.data());
            AboveRow = top;
        }
    }
    if (BelowRow != top + 1) {
        BlendAcross(from, top + 1, Below.data());
        BelowRow = top + 1;
    }
}

void Enlarger::RunSmooth(const SDL_Surface* from, SDL_Surface* to) {
    // The picture changes every frame: nothing blended is kept over.
    AboveRow = BelowRow = -1;
    const size_t bytes = static_cast<size_t>(Into.w) * 4;
    for (int y = 0; y < Into.h; ++y) {
        const int top = RowFrom[static_cast<size_t>(y)];
        const unsigned weight = RowWeight[static_cast<size_t>(y)];
        Uint8* out = reinterpret_cast<Uint8*>(RowOf(to, Into.y + y) + Into.x);
        if (weight == 0) {
            if (AboveRow == top)
                std::memcpy(out, Above.data(), bytes);
            else
                BlendAcross(from, top, reinterpret_cast<Uint32*>(out));
            continue;
        }
        HoldRows(from, top);
        // Down the column, byte by byte in 16-bit sums (255 * 256 fits): a
        // loop the compiler turns into wide vector operations.
        const Uint8* above = reinterpret_cast<const Uint8*>(Above.data());
        const Uint8* below = reinterpret_cast<const Uint8*>(Below.data());
        const Uint16 keep = static_cast<Uint16>(256 - weight), take = static_cast<Uint16>(weight);
        for (size_t i = 0; i < bytes; ++i)
            out[i] = static_cast<Uint8>(static_cast<Uint16>(above[i] * keep + below[i] * take) >> 8);
    }
}
