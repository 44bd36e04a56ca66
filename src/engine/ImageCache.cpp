#include "engine/ImageCache.h"

#include <cstdio>

Image* ImageCache::Get(const std::string& path, uint32_t tint) {
    std::string key = path;
    if (tint != Image::White) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "#%06x", tint);
        key += suffix;
    }
    auto found = Images.find(key);
    if (found != Images.end())
        return found->second.get();
    auto image = std::make_unique<Image>(path, tint);
    Image* raw = image.get();
    Images.emplace(key, std::move(image));
    return raw;
}
