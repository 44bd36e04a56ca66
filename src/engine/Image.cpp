#include "engine/Image.h"

#include <SDL/SDL_image.h>

ImageLoadError::ImageLoadError(const std::string& path, const std::string& reason)
    : std::logic_error("Null pointer in Image constructor"), Path(path), Reason(reason) {}

Image::Image(const std::string& path) {
    SDL_Surface* loaded = IMG_Load(path.c_str());
    if (loaded == nullptr)
        throw ImageLoadError(path, IMG_GetError());
    // Converting once keeps the per-frame blits free of format conversion.
    // Without a video mode (tools) the conversion fails: keep the original.
    SDL_Surface* converted = SDL_GetVideoSurface() ? SDL_DisplayFormatAlpha(loaded) : nullptr;
    if (converted != nullptr) {
        SDL_FreeSurface(loaded);
        Surface = converted;
    } else {
        Surface = loaded;
    }
}

Image::~Image() { SDL_FreeSurface(Surface); }

void Image::SetFrames(int x, int y, int width, int height, int count) {
    Frames.clear();
    for (int i = 0; i < count; ++i) {
        SDL_Rect r;
        r.x = static_cast<Sint16>(x + i * width);
        r.y = static_cast<Sint16>(y);
        r.w = static_cast<Uint16>(width);
        r.h = static_cast<Uint16>(height);
        Frames.push_back(r);
    }
}

void Image::Draw(SDL_Surface* target, int frame, float x, float y) const {
    SDL_Rect dest;
    dest.x = static_cast<Sint16>(static_cast<int>(x));
    dest.y = static_cast<Sint16>(static_cast<int>(y));
    dest.w = 0;
    dest.h = 0;
    if (Frames.size() <= 1) {
        SDL_Rect source = Frames.empty() ? SDL_Rect{0, 0, static_cast<Uint16>(Surface->w), static_cast<Uint16>(Surface->h)}
                                         : Frames.front();
        SDL_UpperBlit(Surface, &source, target, &dest);
        return;
    }
    if (frame < 0 || frame >= static_cast<int>(Frames.size()))
        return;
    SDL_Rect source = Frames[static_cast<size_t>(frame)];
    SDL_UpperBlit(Surface, &source, target, &dest);
}
